// The Torus and Mesh plug-in libraries driven through their real controls in a stand-in host.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include <wx/combobox.h>
#include <wx/slider.h>
#include <wx/stattext.h>

#include "FakeHost.h"

namespace
{

using testsupport::FakeHost;

const std::vector<wxString> kStructural = {"ResetAnimation", "ReloadNetwork", "RebuildScene"};
const std::vector<wxString> kAnimated = {"ResetAnimationParts(1,0)", "ReloadNetwork", "RebuildScene"};

std::vector<wxString> Items(wxComboBox* list)
{
    std::vector<wxString> items;
    for (unsigned n = 0; n < list->GetCount(); ++n)
        items.push_back(list->GetString(n));
    return items;
}

std::vector<wxString> Labels(const FakeHost& host)
{
    std::vector<wxString> labels;
    for (wxStaticText* text : host.Texts())
        labels.push_back(text->GetLabel());
    return labels;
}

int CountPoints(const FakeHost& host, int state)
{
    int count = 0;
    for (auto it = host.points.GetFirst(); it; it = it->GetNext())
        count += it->GetData()->state == state;
    return count;
}

int CountLines(const FakeHost& host, int state)
{
    int count = 0;
    for (auto it = host.lines.GetFirst(); it; it = it->GetNext())
        count += it->GetData()->state == state;
    return count;
}

// The controls of one activation, by their place in the strip.
struct Controls
{
    explicit Controls(const FakeHost& host)
    {
        const auto sliders = host.Sliders();
        const auto lists = host.Lists();
        const auto texts = host.Texts();
        EXPECT_EQ(sliders.size(), 4u);
        EXPECT_EQ(lists.size(), 3u);
        EXPECT_EQ(texts.size(), 11u);
        if (sliders.size() != 4 || lists.size() != 3 || texts.size() != 11)
            return;
        dimension = sliders[0];
        length = sliders[1];
        width = sliders[2];
        high = sliders[3];
        start = lists[0];
        final = lists[1];
        topology = lists[2];
        dimensionValue = texts[1];
        lengthValue = texts[3];
        widthLabel = texts[4];
        widthValue = texts[5];
        highLabel = texts[6];
        highValue = texts[7];
    }

    bool WidthRowShown() const { return widthLabel->IsShown() && width->IsShown() && widthValue->IsShown(); }
    bool WidthRowHidden() const { return !widthLabel->IsShown() && !width->IsShown() && !widthValue->IsShown(); }
    bool HighRowShown() const { return highLabel->IsShown() && high->IsShown() && highValue->IsShown(); }
    bool HighRowHidden() const { return !highLabel->IsShown() && !high->IsShown() && !highValue->IsShown(); }

    wxSlider* dimension = nullptr;
    wxSlider* length = nullptr;
    wxSlider* width = nullptr;
    wxSlider* high = nullptr;
    wxComboBox* start = nullptr;
    wxComboBox* final = nullptr;
    wxComboBox* topology = nullptr;
    wxStaticText* dimensionValue = nullptr;
    wxStaticText* lengthValue = nullptr;
    wxStaticText* widthLabel = nullptr;
    wxStaticText* widthValue = nullptr;
    wxStaticText* highLabel = nullptr;
    wxStaticText* highValue = nullptr;
};

struct Flavour
{
    const char* file;
    const char* name;
    int length;
    std::vector<wxString> points;
    std::vector<wxString> topologies;
    size_t lines;
};

const Flavour kTorus = {"weave_beta.so", "Torus", 3,
                        {"{0,0}", "{0,1}", "{0,2}", "{1,0}", "{1,1}", "{1,2}", "{2,0}", "{2,1}", "{2,2}"},
                        {"Hamiltonian Cycle", "Hamiltonian Path", "Mesh"}, 12 + 36};
const Flavour kMesh = {"weave_gamma.so", "Mesh", 4,
                       {"{0,0}", "{0,1}", "{0,2}", "{1,0}", "{1,1}", "{1,2}",
                        "{2,0}", "{2,1}", "{2,2}", "{3,0}", "{3,1}", "{3,2}"},
                       {"Hamiltonian Cycle", "Hamiltonian Path"}, 17};

void PrintTo(const Flavour& flavour, std::ostream* os) { *os << flavour.name; }

class GridPluginTest : public testing::TestWithParam<Flavour>
{
protected:
    void SetUp() override
    {
        plugin = host.Load(GetParam().file);
        ASSERT_NE(plugin, nullptr);
        host.Choose();
        controls = std::make_unique<Controls>(host);
        ASSERT_NE(controls->dimension, nullptr);
        host.calls.clear();
    }

    FakeHost host;
    IPlugin* plugin = nullptr;
    std::unique_ptr<Controls> controls;
};

TEST_P(GridPluginTest, StartState)
{
    const Flavour& flavour = GetParam();
    EXPECT_EQ(plugin->GetName(), flavour.name);
    double polar = 0, azimuth = 0;
    int distance = 0;
    plugin->GetCameraDefaults(&polar, &azimuth, &distance);
    EXPECT_DOUBLE_EQ(polar, 0.785);
    EXPECT_DOUBLE_EQ(azimuth, -1.57);
    EXPECT_EQ(distance, 400);

    const wxString length = wxString::Format("%d", flavour.length);
    EXPECT_EQ(Labels(host), (std::vector<wxString>{"Dimension: ", "2", "Length: ", length, "Width: ", "3", "High: ", "1",
                                                   "Start point: ", "Final point: ", "Topology: "}));
    struct Range { wxSlider* slider; int value, min, max; };
    const Range ranges[] = {{controls->dimension, 2, 1, 3}, {controls->length, flavour.length, 1, 10},
                            {controls->width, 3, 1, 10}, {controls->high, 1, 1, 6}};
    for (const Range& r : ranges)
    {
        EXPECT_EQ(r.slider->GetValue(), r.value);
        EXPECT_EQ(r.slider->GetMin(), r.min);
        EXPECT_EQ(r.slider->GetMax(), r.max);
    }
    EXPECT_TRUE(controls->WidthRowShown());
    EXPECT_TRUE(controls->HighRowHidden());

    EXPECT_EQ(Items(controls->start), flavour.points);
    EXPECT_EQ(Items(controls->final), flavour.points);
    EXPECT_EQ(Items(controls->topology), flavour.topologies);
    EXPECT_EQ(controls->start->GetValue(), "");
    EXPECT_EQ(controls->topology->GetValue(), "");
    EXPECT_GE(controls->start->GetMinSize().x, 80);
    EXPECT_GE(controls->final->GetMinSize().x, 80);
    EXPECT_GE(controls->topology->GetMinSize().x, 120);

    EXPECT_EQ(host.points.GetCount(), flavour.points.size());
    EXPECT_EQ(host.lines.GetCount(), flavour.lines);
    EXPECT_EQ(CountPoints(host, 0), static_cast<int>(flavour.points.size()));
}

TEST_P(GridPluginTest, DimensionOneTwoThreeTwo)
{
    const bool torus = GetParam().name == wxString("Torus");
    const int length = GetParam().length;

    host.MoveSlider(controls->dimension, 1);
    EXPECT_EQ(host.calls, kStructural);
    EXPECT_EQ(controls->dimensionValue->GetLabel(), "1");
    EXPECT_TRUE(controls->WidthRowHidden());
    EXPECT_TRUE(controls->HighRowHidden());
    EXPECT_EQ(controls->width->GetValue(), 1);
    EXPECT_EQ(controls->widthValue->GetLabel(), "1");
    std::vector<wxString> line;
    for (int i = 0; i < length; ++i)
        line.push_back(wxString::Format("{%d}", i));
    EXPECT_EQ(Items(controls->start), line);
    EXPECT_EQ(Items(controls->final), line);
    EXPECT_EQ(host.points.GetCount(), static_cast<size_t>(length));
    EXPECT_EQ(host.points.GetFirst()->GetData()->label, "0");

    host.calls.clear();
    host.MoveSlider(controls->dimension, 2);
    EXPECT_EQ(host.calls, kStructural);
    EXPECT_EQ(controls->dimensionValue->GetLabel(), "2");
    EXPECT_TRUE(controls->WidthRowShown());
    EXPECT_TRUE(controls->HighRowHidden());
    EXPECT_EQ(controls->width->GetValue(), 1);   // width keeps the 1 that dimension 1 gave it
    std::vector<wxString> column;
    for (int i = 0; i < length; ++i)
        column.push_back(wxString::Format("{%d,0}", i));
    EXPECT_EQ(Items(controls->start), column);

    host.calls.clear();
    host.MoveSlider(controls->width, 2);
    EXPECT_EQ(host.calls, kStructural);
    EXPECT_EQ(controls->widthValue->GetLabel(), "2 ");

    host.calls.clear();
    host.MoveSlider(controls->dimension, 3);
    EXPECT_EQ(host.calls, kStructural);
    EXPECT_EQ(controls->dimensionValue->GetLabel(), "3");
    EXPECT_TRUE(controls->WidthRowShown());
    EXPECT_TRUE(controls->HighRowShown());
    EXPECT_EQ(controls->width->GetValue(), 2);
    EXPECT_EQ(Items(controls->start).front(), "{0,0,0}");
    EXPECT_EQ(Items(controls->start).size(), static_cast<size_t>(length * 2));

    host.calls.clear();
    host.MoveSlider(controls->high, 2);
    EXPECT_EQ(host.calls, kStructural);
    EXPECT_EQ(controls->highValue->GetLabel(), "2 ");
    const std::vector<wxString> layered = Items(controls->start);
    ASSERT_GE(layered.size(), 4u);
    EXPECT_EQ(std::vector<wxString>(layered.begin(), layered.begin() + 4), (std::vector<wxString>{"{0,0,0}", "{0,0,1}", "{0,1,0}", "{0,1,1}"}));
    EXPECT_EQ(host.points.GetCount(), static_cast<size_t>(length * 2 * 2));
    const std::vector<wxString> layeredTopologies =
        torus ? std::vector<wxString>{"Hamiltonian Path", "Mesh"} : std::vector<wxString>{"Hamiltonian Path"};
    EXPECT_EQ(Items(controls->topology), layeredTopologies);

    host.calls.clear();
    host.MoveSlider(controls->dimension, 2);
    EXPECT_EQ(host.calls, kStructural);
    EXPECT_TRUE(controls->WidthRowShown());
    EXPECT_TRUE(controls->HighRowHidden());
    EXPECT_EQ(controls->high->GetValue(), 1);
    EXPECT_EQ(controls->highValue->GetLabel(), "1");
    EXPECT_EQ(Items(controls->start).size(), static_cast<size_t>(length * 2));
    EXPECT_EQ(Items(controls->start).back(), wxString::Format("{%d,1}", length - 1));
    EXPECT_EQ(Items(controls->topology), GetParam().topologies);
}

// Routing and nesting exclude each other, and any size change forgets the route.
TEST_P(GridPluginTest, RouteAndNestingTakeTurns)
{
    host.PickItem(controls->topology, "Hamiltonian Path");
    EXPECT_EQ(host.calls, kAnimated);
    EXPECT_EQ(CountPoints(host, 2), 2);
    EXPECT_GT(CountLines(host, 2), 0);

    host.calls.clear();
    host.PickItem(controls->start, "{0,0}");
    EXPECT_EQ(host.calls, kAnimated);
    EXPECT_EQ(controls->topology->GetValue(), "");
    EXPECT_EQ(CountLines(host, 2), 0);
    EXPECT_EQ(CountPoints(host, 1), 1);
    EXPECT_EQ(host.points.GetFirst()->GetData()->state, 1);

    host.calls.clear();
    host.PickItem(controls->final, "{2,2}");
    EXPECT_EQ(host.calls, kAnimated);
    EXPECT_EQ(CountPoints(host, 1), 2);
    const bool torus = GetParam().name == wxString("Torus");
    EXPECT_EQ(CountLines(host, 1), torus ? 12 : 4);   // two arcs round, or four straight hops

    host.calls.clear();
    host.PickItem(controls->topology, "Hamiltonian Cycle");
    EXPECT_EQ(host.calls, kAnimated);
    EXPECT_EQ(controls->start->GetValue(), "");
    EXPECT_EQ(controls->final->GetValue(), "");
    EXPECT_EQ(CountLines(host, 1), 0);
    EXPECT_EQ(CountPoints(host, 1), 0);
    EXPECT_EQ(CountPoints(host, 3), static_cast<int>(host.points.GetCount()));

    host.PickItem(controls->start, "{1,1}");
    host.PickItem(controls->final, "{0,0}");
    EXPECT_GT(CountLines(host, 1), 0);
    host.calls.clear();
    host.MoveSlider(controls->length, 5);
    EXPECT_EQ(host.calls, kStructural);
    EXPECT_EQ(controls->lengthValue->GetLabel(), "5 ");
    EXPECT_EQ(controls->start->GetValue(), "");
    EXPECT_EQ(controls->final->GetValue(), "");
    EXPECT_EQ(CountLines(host, 1), 0);
    EXPECT_EQ(CountPoints(host, 1), 0);
    EXPECT_EQ(host.points.GetCount(), 15u);
}

TEST_P(GridPluginTest, TypedPointTextsChooseNodesAtTheNextBuild)
{
    FakeHost::TypeText(controls->start, "{1,1}");
    FakeHost::TypeText(controls->final, "{1,2}");
    EXPECT_TRUE(host.calls.empty());
    host.Reload();
    EXPECT_EQ(CountPoints(host, 1), 2);
    EXPECT_EQ(CountLines(host, 1), 1);

    FakeHost::TypeText(controls->final, "{1,2 }");
    host.Reload();
    // No node has that text, so the final end stays where the last build left it.
    EXPECT_EQ(CountPoints(host, 1), 1);
    EXPECT_EQ(CountLines(host, 1), 1);
}

// The box is editable: a guest typed in where the list does not offer it draws nothing.
TEST_P(GridPluginTest, TypedTopologyThatIsNotOffered)
{
    const bool torus = GetParam().name == wxString("Torus");
    if (torus)
    {
        host.MoveSlider(controls->dimension, 3);
        host.MoveSlider(controls->high, 2);
        FakeHost::TypeText(controls->topology, "Hamiltonian Cycle");
        host.Reload();
        EXPECT_EQ(CountLines(host, 2), 0);
        EXPECT_EQ(CountPoints(host, 0), static_cast<int>(host.points.GetCount()));

        // Back to one layer the cycle is offered again and the kept text draws it.
        host.MoveSlider(controls->dimension, 2);
        EXPECT_EQ(controls->topology->GetValue(), "Hamiltonian Cycle");
        EXPECT_EQ(CountPoints(host, 3), 9);
    }
    else
    {
        FakeHost::TypeText(controls->topology, "Mesh");
        host.Reload();
        EXPECT_EQ(CountLines(host, 2), 0);
        EXPECT_EQ(CountPoints(host, 0), 12);

        // A size change puts any text but an unoffered cycle back; it still draws nothing.
        host.MoveSlider(controls->length, 3);
        EXPECT_EQ(controls->topology->GetValue(), "Mesh");
        EXPECT_EQ(CountLines(host, 2), 0);

        FakeHost::TypeText(controls->topology, "Hamiltonian Cycle");   // 3 x 3 has no cycle
        host.Reload();
        EXPECT_EQ(CountLines(host, 2), 0);
        EXPECT_EQ(CountPoints(host, 0), 9);
    }
}

TEST_P(GridPluginTest, CycleNoLongerOfferedEmptiesTheBox)
{
    host.PickItem(controls->topology, "Hamiltonian Cycle");
    host.MoveSlider(controls->dimension, 3);
    host.MoveSlider(controls->high, 2);
    EXPECT_EQ(controls->topology->GetValue(), "");
    EXPECT_EQ(CountLines(host, 2), 0);

    host.PickItem(controls->topology, "Hamiltonian Path");
    host.MoveSlider(controls->high, 3);
    EXPECT_EQ(controls->topology->GetValue(), "Hamiltonian Path");
    EXPECT_EQ(CountPoints(host, 2), 2);
}

TEST_P(GridPluginTest, ChoosingAgainRestoresTheStartValues)
{
    host.MoveSlider(controls->dimension, 3);
    host.MoveSlider(controls->length, 7);
    host.PickItem(controls->start, "{0,0,0}");
    host.Choose();
    Controls fresh(host);
    ASSERT_NE(fresh.dimension, nullptr);
    EXPECT_EQ(fresh.dimension->GetValue(), 2);
    EXPECT_EQ(fresh.length->GetValue(), GetParam().length);
    EXPECT_TRUE(fresh.HighRowHidden());
    EXPECT_EQ(Items(fresh.start), GetParam().points);
    EXPECT_EQ(fresh.start->GetValue(), "");
    EXPECT_EQ(host.points.GetCount(), GetParam().points.size());
    EXPECT_EQ(CountPoints(host, 1), 0);
}

INSTANTIATE_TEST_SUITE_P(Grid, GridPluginTest, testing::Values(kTorus, kMesh),
                         [](const testing::TestParamInfo<Flavour>& info) { return std::string(info.param.name); });

// Each library keeps its own state: the two plug-ins do not share sizes.
TEST(GridPlugins, BothLibrariesKeepTheirOwnState)
{
    FakeHost torusHost;
    FakeHost meshHost;
    ASSERT_NE(torusHost.Load("weave_beta.so"), nullptr);
    ASSERT_NE(meshHost.Load("weave_gamma.so"), nullptr);
    torusHost.Choose();
    meshHost.Choose();
    torusHost.MoveSlider(torusHost.Sliders()[1], 8);
    meshHost.Reload();
    EXPECT_EQ(torusHost.points.GetCount(), 24u);
    EXPECT_EQ(meshHost.points.GetCount(), 12u);
    EXPECT_EQ(meshHost.Lists()[0]->GetCount(), 12u);
}

} // namespace
