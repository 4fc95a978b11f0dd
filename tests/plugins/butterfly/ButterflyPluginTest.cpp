// Both butterfly plug-in libraries driven through their real controls in a stand-in host.
#include <gtest/gtest.h>

#include <wx/combobox.h>
#include <wx/frame.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "FakeHost.h"
#include "TestSupport.h"

using testsupport::FakeHost;

namespace
{

struct PluginCase
{
    const char* file;
    const char* name;
    double polar;
    double azimuth;
    int distance;
    bool wrapped;
};

void PrintTo(const PluginCase& plugin, std::ostream* os) { *os << plugin.file; }

const PluginCase kPlugins[] = {
    {"weave_delta.so", "Wrapped Butterfly", 0.01, -1.57, 340, true},
    {"weave_epsilon.so", "Ordinary Butterfly", 0.01, -1.57, 420, false},
};

std::vector<wxString> Items(const wxComboBox* list)
{
    std::vector<wxString> items;
    for (unsigned i = 0; i < list->GetCount(); ++i)
        items.push_back(list->GetString(i));
    return items;
}

std::vector<wxString> Labels(const std::vector<wxStaticText*>& texts)
{
    std::vector<wxString> labels;
    for (const wxStaticText* text : texts)
        labels.push_back(text->GetLabel());
    return labels;
}

std::vector<wxString> Expected(std::initializer_list<const char*> texts)
{
    return std::vector<wxString>(texts.begin(), texts.end());
}

int Count(const LineList& lines, int state)
{
    int count = 0;
    for (LineList::compatibility_iterator it = lines.GetFirst(); it; it = it->GetNext())
        count += it->GetData()->state == state ? 1 : 0;
    return count;
}

int Count(const PointList& points, int state)
{
    int count = 0;
    for (PointList::compatibility_iterator it = points.GetFirst(); it; it = it->GetNext())
        count += it->GetData()->state == state ? 1 : 0;
    return count;
}

const Point* FindNode(const PointList& points, const wxString& label)
{
    for (PointList::compatibility_iterator it = points.GetFirst(); it; it = it->GetNext())
        if (it->GetData()->label == label)
            return it->GetData();
    return nullptr;
}

class ButterflyPlugin : public testing::TestWithParam<PluginCase>
{
protected:
    void SetUp() override
    {
        ASSERT_NE(host.Load(GetParam().file), nullptr);
    }

    // The level the final list offers: the wrapped butterfly's last level is n - 1.
    int LastLevel(int n) const { return GetParam().wrapped ? n - 1 : n; }
    int Levels(int n) const { return GetParam().wrapped ? n : n + 1; }

    wxSlider* Slider() { return host.Sliders().at(0); }
    wxComboBox* StartList() { return host.Lists().at(0); }
    wxComboBox* FinalList() { return host.Lists().at(1); }

    const std::vector<wxString> structural = Expected({"ResetAnimation", "ReloadNetwork", "RebuildScene"});
    const std::vector<wxString> animated = Expected({"ResetAnimationParts(1,0)", "ReloadNetwork", "RebuildScene"});

    FakeHost host;
};

TEST_P(ButterflyPlugin, NameAndCameraWithoutControlsUntilChosen)
{
    IPlugin* plugin = host.Plugin();
    EXPECT_EQ(plugin->manager, &host);
    EXPECT_EQ(plugin->GetName(), GetParam().name);
    double polar = 0, azimuth = 0;
    int distance = 0;
    plugin->GetCameraDefaults(&polar, &azimuth, &distance);
    EXPECT_DOUBLE_EQ(polar, GetParam().polar);
    EXPECT_DOUBLE_EQ(azimuth, GetParam().azimuth);
    EXPECT_EQ(distance, GetParam().distance);
    EXPECT_TRUE(host.Frame()->GetChildren().empty());
    EXPECT_TRUE(host.calls.empty());
}

TEST_P(ButterflyPlugin, ChoosingBuildsParametersAndRoutingOnly)
{
    host.Choose();

    std::vector<wxString> boxes;
    for (wxWindow* child : host.Frame()->GetChildren())
        if (wxStaticBox* box = dynamic_cast<wxStaticBox*>(child))
            boxes.push_back(box->GetLabel());
    EXPECT_EQ(boxes, Expected({" Parameters ", " Routing "}));
    EXPECT_EQ(Labels(host.Texts()), Expected({"Dimensions: ", "3", "Start point: ", "Final point: "}));
    for (const wxStaticText* text : host.Texts())
        EXPECT_EQ(text->GetForegroundColour(), wxColour(255, 255, 255, 255));

    ASSERT_EQ(host.Sliders().size(), 1u);
    EXPECT_EQ(Slider()->GetValue(), 3);
    EXPECT_EQ(Slider()->GetMin(), 2);
    EXPECT_EQ(Slider()->GetMax(), 5);

    ASSERT_EQ(host.Lists().size(), 2u);
    const wxString last = wxString::Format("%d", LastLevel(3));
    EXPECT_EQ(Items(StartList()), Expected({"(0,000)", "(0,001)", "(0,010)", "(0,011)", "(0,100)", "(0,101)", "(0,110)", "(0,111)"}));
    std::vector<wxString> finals;
    for (const char* digits : {"000", "001", "010", "011", "100", "101", "110", "111"})
        finals.push_back("(" + last + "," + digits + ")");
    EXPECT_EQ(Items(FinalList()), finals);
    EXPECT_TRUE(StartList()->GetValue().empty());
    EXPECT_TRUE(FinalList()->GetValue().empty());
    EXPECT_GE(StartList()->GetMinSize().GetWidth(), 80);
    EXPECT_GE(FinalList()->GetMinSize().GetWidth(), 80);

    // Two groups and, where a nesting group would be, a spacer taking up the room.
    wxSizer* strip = host.GetParameterSizer();
    ASSERT_EQ(strip->GetItemCount(), 3u);
    EXPECT_NE(dynamic_cast<wxStaticBoxSizer*>(strip->GetItem(size_t(0))->GetSizer()), nullptr);
    EXPECT_NE(dynamic_cast<wxStaticBoxSizer*>(strip->GetItem(size_t(1))->GetSizer()), nullptr);
    wxSizerItem* spacer = strip->GetItem(size_t(2));
    EXPECT_TRUE(spacer->IsSpacer());
    EXPECT_EQ(spacer->GetProportion(), 1);
    EXPECT_TRUE(spacer->GetFlag() & wxEXPAND);

    // The network as the host receives it on the choice: no route yet.
    EXPECT_EQ(host.points.GetCount(), size_t(8 * Levels(3)));
    EXPECT_EQ(host.lines.GetCount(), GetParam().wrapped ? 104u : 48u);
    EXPECT_EQ(Count(host.points, 1), 0);
    EXPECT_EQ(Count(host.lines, 1), 0);
}

TEST_P(ButterflyPlugin, MovingTheSliderRebuildsListsAndNetwork)
{
    host.Choose();
    host.PickItem(StartList(), "(0,000)");
    host.PickItem(FinalList(), wxString::Format("(%d,111)", LastLevel(3)));
    ASSERT_GT(Count(host.lines, 1), 0);

    host.calls.clear();
    host.MoveSlider(Slider(), 5);
    EXPECT_EQ(host.calls, structural);
    EXPECT_NE(host.TextShowing("5 "), nullptr);
    ASSERT_EQ(StartList()->GetCount(), 32u);
    ASSERT_EQ(FinalList()->GetCount(), 32u);
    for (unsigned i = 0; i < 32; ++i)
    {
        EXPECT_TRUE(StartList()->GetString(i).StartsWith("(0,")) << i;
        EXPECT_TRUE(FinalList()->GetString(i).StartsWith(wxString::Format("(%d,", LastLevel(5)))) << i;
        EXPECT_EQ(StartList()->GetString(i).length(), 9u);
    }
    EXPECT_EQ(StartList()->GetString(31), "(0,11111)");
    EXPECT_EQ(host.points.GetCount(), size_t(32 * Levels(5)));
    EXPECT_EQ(host.lines.GetCount(), GetParam().wrapped ? 544u : 320u);
    // The earlier route is gone with the smaller network.
    EXPECT_EQ(Count(host.lines, 1), 0);
    EXPECT_EQ(Count(host.points, 3), 0);

    host.calls.clear();
    host.MoveSlider(Slider(), 2);
    EXPECT_EQ(host.calls, structural);
    EXPECT_NE(host.TextShowing("2 "), nullptr);
    EXPECT_EQ(StartList()->GetCount(), 4u);
    EXPECT_EQ(host.lines.GetCount(), GetParam().wrapped ? 12u : 16u);
}

TEST_P(ButterflyPlugin, PickingBothEndsDrawsTheRoute)
{
    host.Choose();
    host.calls.clear();
    host.PickItem(StartList(), "(0,000)");
    EXPECT_EQ(host.calls, animated);
    EXPECT_EQ(Count(host.points, 1), 1);
    EXPECT_EQ(Count(host.lines, 1), 0);

    host.calls.clear();
    const wxString final = wxString::Format("(%d,111)", LastLevel(3));
    host.PickItem(FinalList(), final);
    EXPECT_EQ(host.calls, animated);
    EXPECT_EQ(Count(host.points, 1), 2);
    // Ordinary: three hops up; wrapped: three hops and the eight arc segments of the last.
    EXPECT_EQ(Count(host.lines, 1), GetParam().wrapped ? 11 : 3);
    EXPECT_EQ(Count(host.points, 3), GetParam().wrapped ? 3 : 2);
    const Point* finalNode = FindNode(host.points, final.Mid(1, final.length() - 2));
    ASSERT_NE(finalNode, nullptr);
    EXPECT_EQ(finalNode->state, 1);

    // A reload outside any handler finds both ends again from the texts.
    host.Reload();
    EXPECT_EQ(Count(host.lines, 1), GetParam().wrapped ? 11 : 3);
}

TEST_P(ButterflyPlugin, TypedNodeOnAnotherLevelEndsWithoutHanging)
{
    host.Choose();
    FakeHost::TypeText(StartList(), "(1,011)");
    host.calls.clear();
    host.PickItem(FinalList(), wxString::Format("(%d,101)", LastLevel(3)));
    EXPECT_EQ(host.calls, animated);
    // Both named nodes are selected whatever their level.
    EXPECT_EQ(Count(host.points, 1), 2);
    if (GetParam().wrapped)
    {
        EXPECT_GT(Count(host.lines, 1), 0);
    }
    else
    {
        // The ordinary butterfly routes only from level 0 to level n.
        EXPECT_EQ(Count(host.lines, 1), 0);
        EXPECT_EQ(Count(host.points, 3), 0);
    }

    // Texts that name nothing, or a level the network lacks, select nothing new.
    FakeHost::TypeText(StartList(), "(9,011)");
    FakeHost::TypeText(FinalList(), "(0,011");
    host.Reload();
    EXPECT_EQ(host.points.GetCount(), size_t(8 * Levels(3)));
    EXPECT_EQ(Count(host.points, 1), 0);
}

TEST_P(ButterflyPlugin, ChoosingAgainStartsFromFreshControls)
{
    host.Choose();
    const size_t children = host.Frame()->GetChildren().size();
    host.MoveSlider(Slider(), 4);
    host.PickItem(StartList(), "(0,0000)");
    host.PickItem(FinalList(), wxString::Format("(%d,1111)", LastLevel(4)));
    ASSERT_GT(Count(host.lines, 1), 0);

    host.Choose();
    EXPECT_EQ(host.Frame()->GetChildren().size(), children);
    EXPECT_EQ(Slider()->GetValue(), 3);
    EXPECT_EQ(StartList()->GetCount(), 8u);
    EXPECT_TRUE(StartList()->GetValue().empty());
    EXPECT_EQ(host.points.GetCount(), size_t(8 * Levels(3)));
    EXPECT_EQ(Count(host.lines, 1), 0);
    EXPECT_EQ(Count(host.points, 1), 0);

    host.calls.clear();
    host.MoveSlider(Slider(), 5);
    EXPECT_EQ(host.calls, structural);
}

TEST_P(ButterflyPlugin, DestroyingThePluginLetsGoOfItsControls)
{
    host.Choose();
    wxFrame* frame = dynamic_cast<wxFrame*>(host.Plugin());
    ASSERT_NE(frame, nullptr);
    // IPlugin comes first: the host's plug-in pointer is the object's own address.
    EXPECT_EQ(dynamic_cast<void*>(host.Plugin()), static_cast<void*>(host.Plugin()));
    // The host never runs this destructor; the stand-in can.
    host.DestroyPluginWithItsDestructor();
    host.calls.clear();
    host.MoveSlider(Slider(), 4);
    host.PickItem(StartList(), "(0,000)");
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(StartList()->GetCount(), 8u);
}

TEST_P(ButterflyPlugin, DestroyingThePluginAfterTheHostEmptiedTheStrip)
{
    host.Choose();
    host.GetParameterSizer()->Clear(true);
    testsupport::Pump();
    ASSERT_NE(dynamic_cast<wxFrame*>(host.Plugin()), nullptr);
    host.DestroyPluginWithItsDestructor();
    EXPECT_TRUE(host.Frame()->GetChildren().empty());
}

INSTANTIATE_TEST_SUITE_P(Both, ButterflyPlugin, testing::ValuesIn(kPlugins),
                         [](const testing::TestParamInfo<PluginCase>& info) {
                             return std::string(info.param.wrapped ? "Wrapped" : "Ordinary");
                         });

TEST(ButterflyPlugins, EachLibraryKeepsItsOwnState)
{
    FakeHost wrapped;
    FakeHost ordinary;
    ASSERT_NE(wrapped.Load("weave_delta.so"), nullptr);
    ASSERT_NE(ordinary.Load("weave_epsilon.so"), nullptr);
    wrapped.Choose();
    ordinary.Choose();
    wrapped.MoveSlider(wrapped.Sliders().at(0), 5);
    ordinary.PickItem(ordinary.Lists().at(0), "(0,010)");
    EXPECT_EQ(wrapped.points.GetCount(), 32u * 5u);
    EXPECT_EQ(ordinary.points.GetCount(), 8u * 4u);
    ordinary.calls.clear();
    ordinary.Reload();
    wrapped.Reload();
    EXPECT_EQ(wrapped.points.GetCount(), 32u * 5u);
    EXPECT_EQ(ordinary.points.GetCount(), 8u * 4u);
    EXPECT_EQ(Count(ordinary.points, 1), 1);
    EXPECT_TRUE(wrapped.Lists().at(0)->GetValue().empty());
}

} // namespace
