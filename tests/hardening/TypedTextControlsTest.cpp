// Thousands of typed texts through the real lists of the five plug-in libraries in a stand-in host.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <glib.h>

#include <wx/combobox.h>
#include <wx/slider.h>

#include "FakeHost.h"
#include "RecordChecks.h"
#include "TestSupport.h"
#include "TypedTexts.h"

namespace
{

using namespace hardening;
using testsupport::FakeHost;

constexpr unsigned kSeed = 0x7e47c0deu;
// Typed texts per library, spread evenly over the slider positions.
constexpr int kTextsPerLibrary = 3000;
constexpr int kReportedFaults = 10;

struct Library
{
    const char* file;
    Network network;
    const char* name;
};

void PrintTo(const Library& library, std::ostream* os) { *os << library.name; }

// One slider let go at one value.
struct Move
{
    size_t slider;
    int value;
};

// A walk over the sliders that visits every value of every slider while it is shown: the
// dimension slider end to end; for the grids every length with one axis, every width with two
// and every height with three, then the other sizes again at the largest network.
std::vector<Move> SliderTour(Network network)
{
    std::vector<Move> tour;
    auto sweep = [&tour](size_t slider, int from, int to) {
        for (int value = from; value <= to; ++value)
            tour.push_back({slider, value});
    };
    if (network == Network::Hypercube)
        sweep(0, 2, 6);
    else if (IsButterfly(network))
        sweep(0, 2, 5);
    else
    {
        tour.push_back({0, 1});
        sweep(1, 1, 10);
        tour.push_back({0, 2});
        sweep(2, 1, 10);
        sweep(1, 1, 10);
        tour.push_back({0, 3});
        sweep(3, 1, 6);
        sweep(2, 1, 10);
        sweep(1, 1, 10);
    }
    return tour;
}

// The size the plug-in is showing, read from its sliders as a person would.
Shape ShownShape(Network network, const std::vector<wxSlider*>& sliders)
{
    Shape shape{network, sliders[0]->GetValue()};
    if (IsGrid(network))
    {
        shape.length = sliders[1]->GetValue();
        shape.width = shape.dimension >= 2 ? sliders[2]->GetValue() : 1;
        shape.high = shape.dimension >= 3 ? sliders[3]->GetValue() : 1;
    }
    return shape;
}

// A text with half a surrogate pair reaches the toolkit as malformed UTF-8, and the text layout
// complains about each one; nothing a person can type does that. Those complaints alone are
// kept off the log; everything else still goes through. GLib takes one writer per process.
GLogWriterOutput QuietAboutMalformedText(GLogLevelFlags level, const GLogField* fields, gsize count, gpointer data)
{
    for (gsize i = 0; i < count; ++i)
        if (g_strcmp0(fields[i].key, "MESSAGE") == 0 && fields[i].length < 0 &&
            g_str_has_prefix(static_cast<const gchar*>(fields[i].value),
                             "Invalid UTF-8 string passed to pango_layout_set_text"))
            return G_LOG_WRITER_HANDLED;
    return g_log_writer_default(level, fields, count, data);
}

void KeepMalformedTextQuiet()
{
    static const bool installed = [] {
        g_log_set_writer_func(&QuietAboutMalformedText, nullptr, nullptr);
        return true;
    }();
    (void)installed;
}

// What a selection in the list tells the plug-in; plug-ins reload on it whatever the text.
void FireSelection(wxComboBox* list)
{
    wxCommandEvent picked(wxEVT_COMBOBOX, list->GetId());
    picked.SetEventObject(list);
    picked.SetInt(list->GetSelection());
    picked.SetString(list->GetValue());
    list->GetEventHandler()->ProcessEvent(picked);
}

class TypedTextControls : public testing::TestWithParam<Library>
{
};

// At every slider position: texts typed into a random list, then either the list's selection
// handler or a reload from the host; now and then a real item picked from a list, the tree
// height moved while shown, and the plug-in chosen afresh. After every reload the host's
// records are checked against the size the sliders show and the texts the lists hold.
TEST_P(TypedTextControls, TypedTextsThroughTheRealListsKeepTheRecordsSound)
{
    const Library& library = GetParam();
    const long pointsBefore = Point::LiveCount();
    const long linesBefore = Line::LiveCount();
    {
        KeepMalformedTextQuiet();
        FakeHost host;
        ASSERT_NE(host.Load(library.file), nullptr);
        host.Choose();

        TypedTextSource texts(kSeed + static_cast<unsigned>(library.network));
        const std::vector<Move> tour = SliderTour(library.network);
        const int perPosition = (kTextsPerLibrary + static_cast<int>(tour.size()) - 1) / static_cast<int>(tour.size());
        int faults = 0;
        Roles roles;

        auto check = [&](const char* after) {
            const std::vector<wxSlider*> sliders = host.Sliders();
            const std::vector<wxComboBox*> lists = host.Lists();
            ListTexts shown;
            shown.start = lists[0]->GetValue();
            shown.final = lists[1]->GetValue();
            if (lists.size() > 2)
                shown.topology = lists[2]->GetValue();
            const Shape shape = ShownShape(library.network, sliders);
            const std::string fault = CheckRecords(NetworkFacts(shape), shown, host.points, host.lines, &roles);
            if (!fault.empty() && faults++ < kReportedFaults)
                ADD_FAILURE() << Describe(shape) << " after " << after << ": " << fault << "\n  start "
                              << Printable(shown.start) << "\n  final " << Printable(shown.final)
                              << "\n  topology " << Printable(shown.topology);
        };

        for (size_t step = 0; step < tour.size() && faults < kReportedFaults; ++step)
        {
            // Halfway through, the plug-in is chosen again: fresh controls over the module state
            // the first ones left; then back to the dimension the tour had reached.
            if (step == tour.size() / 2)
            {
                host.Choose();
                check("choosing the plug-in again");
                for (size_t earlier = step; earlier-- > 0;)
                    if (tour[earlier].slider == 0)
                    {
                        host.MoveSlider(host.Sliders()[0], tour[earlier].value);
                        check("a slider move");
                        break;
                    }
            }
            std::vector<wxSlider*> sliders = host.Sliders();
            ASSERT_LT(tour[step].slider, sliders.size());
            host.MoveSlider(sliders[tour[step].slider], tour[step].value);
            check("a slider move");

            for (int i = 0; i < perPosition; ++i)
            {
                const std::vector<wxComboBox*> lists = host.Lists();
                wxComboBox* list = lists[texts.Draw(static_cast<unsigned>(lists.size()))];
                // Now and then one of the list's own items typed in, exactly or with a slip.
                if (list->GetCount() > 0 && texts.Draw(5) == 0)
                {
                    const wxString item = list->GetString(texts.Draw(list->GetCount()));
                    FakeHost::TypeText(list, texts.Draw(2) ? item : texts.NearMiss(item));
                }
                else
                    FakeHost::TypeText(list, texts.Next());
                const unsigned then = texts.Draw(100);
                if (then < 45)
                {
                    FireSelection(list);
                    check("a typed text and its list's selection");
                }
                else if (then < 90)
                {
                    host.Reload();
                    check("a typed text and a reload");
                }
                // else: the text waits in its list for a later reload

                if (texts.Draw(8) == 0)
                {
                    wxComboBox* other = lists[texts.Draw(static_cast<unsigned>(lists.size()))];
                    if (other->GetCount() > 0)
                    {
                        host.PickItem(other, other->GetString(texts.Draw(other->GetCount())));
                        check("picking an item");
                    }
                }
                sliders = host.Sliders();
                if (library.network == Network::Hypercube && sliders[1]->IsShown() && texts.Draw(10) == 0)
                {
                    host.MoveSlider(sliders[1], 1 + static_cast<int>(texts.Draw(8)));
                    check("moving the tree height");
                }
                host.calls.clear();
                if (i % 64 == 63)
                    testsupport::Pump();
            }
        }
        // Items typed or picked reached the routes and the guests.
        EXPECT_TRUE(roles.routed);
        if (!IsButterfly(library.network))
            EXPECT_TRUE(roles.nested);
    }
    EXPECT_EQ(Point::LiveCount(), pointsBefore);
    EXPECT_EQ(Line::LiveCount(), linesBefore);
}

const Library kLibraries[] = {
    {"weave_alpha.so", Network::Hypercube, "Hypercube"}, {"weave_beta.so", Network::Torus, "Torus"},
    {"weave_gamma.so", Network::Mesh, "Mesh"},           {"weave_delta.so", Network::Wrapped, "Wrapped"},
    {"weave_epsilon.so", Network::Ordinary, "Ordinary"},
};

INSTANTIATE_TEST_SUITE_P(EveryLibrary, TypedTextControls, testing::ValuesIn(kLibraries),
                         [](const testing::TestParamInfo<Library>& info) { return std::string(info.param.name); });

} // namespace
