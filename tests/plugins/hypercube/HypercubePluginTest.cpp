// The weave_alpha library driven through its real controls, as the host drives it.
#include <gtest/gtest.h>

#include <vector>

#include <wx/combobox.h>
#include <wx/slider.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "FakeHost.h"
#include "TestSupport.h"

namespace
{

using testsupport::FakeHost;

const std::vector<wxString> kStructural = {"ResetAnimation", "ReloadNetwork", "RebuildScene"};
const std::vector<wxString> kAnimated = {"ResetAnimationParts(1,0)", "ReloadNetwork", "RebuildScene"};

class HypercubePlugin : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(host.Load("weave_alpha.so"), nullptr);
        host.Choose();
        Find();
    }

    void Find()
    {
        const std::vector<wxSlider*> sliders = host.Sliders();
        const std::vector<wxComboBox*> lists = host.Lists();
        ASSERT_EQ(sliders.size(), 2u);
        ASSERT_EQ(lists.size(), 3u);
        dimensionSlider = sliders[0];
        heightSlider = sliders[1];
        startList = lists[0];
        finalList = lists[1];
        topologyList = lists[2];
        const std::vector<wxStaticText*> texts = host.Texts();
        ASSERT_EQ(texts.size(), 7u);
        dimensionName = texts[1];
        highCaption = texts[5];
        heightText = texts[6];
    }

    std::vector<Point*> Nodes() const
    {
        std::vector<Point*> all;
        for (auto it = host.points.GetFirst(); it; it = it->GetNext())
            all.push_back(it->GetData());
        return all;
    }

    int CountNodes(int state) const
    {
        int count = 0;
        for (const Point* node : Nodes())
            count += node->state == state;
        return count;
    }

    int CountLines(int state) const
    {
        int count = 0;
        for (auto it = host.lines.GetFirst(); it; it = it->GetNext())
            count += it->GetData()->state == state;
        return count;
    }

    void ExpectHeightRow(bool shown)
    {
        EXPECT_EQ(highCaption->IsShown(), shown);
        EXPECT_EQ(heightText->IsShown(), shown);
        EXPECT_EQ(heightSlider->IsShown(), shown);
    }

    void Pick(wxComboBox* list, const wxString& item)
    {
        host.calls.clear();
        host.PickItem(list, item);
    }

    void Move(wxSlider* slider, int value)
    {
        host.calls.clear();
        host.MoveSlider(slider, value);
    }

    FakeHost host;
    wxSlider* dimensionSlider = nullptr;
    wxSlider* heightSlider = nullptr;
    wxComboBox* startList = nullptr;
    wxComboBox* finalList = nullptr;
    wxComboBox* topologyList = nullptr;
    wxStaticText* dimensionName = nullptr;
    wxStaticText* highCaption = nullptr;
    wxStaticText* heightText = nullptr;
};

TEST_F(HypercubePlugin, ActivateBuildsTheThreeGroups)
{
    EXPECT_EQ(host.Plugin()->GetName(), "Hypercube");
    double polar = 0, azimuth = 0;
    int distance = 0;
    host.Plugin()->GetCameraDefaults(&polar, &azimuth, &distance);
    EXPECT_DOUBLE_EQ(polar, 0.985);
    EXPECT_DOUBLE_EQ(azimuth, -1.57);
    EXPECT_EQ(distance, 340);

    std::vector<wxString> boxes;
    for (wxWindow* child : host.Frame()->GetChildren())
        if (wxStaticBox* box = dynamic_cast<wxStaticBox*>(child))
            boxes.push_back(box->GetLabel());
    EXPECT_EQ(boxes, (std::vector<wxString>{" Parameters ", " Routing ", " Nesting "}));

    const std::vector<wxString> labels = {"Dimensions: ", "Tesseract", "Start point: ", "Final point: ",
                                          "Topology: ", "High:", "3"};
    const std::vector<wxStaticText*> texts = host.Texts();
    for (size_t i = 0; i < texts.size(); ++i)
    {
        EXPECT_EQ(texts[i]->GetLabel(), labels[i]);
        EXPECT_EQ(texts[i]->GetForegroundColour(), wxColour(255, 255, 255, 255)) << labels[i];
    }

    EXPECT_EQ(dimensionSlider->GetValue(), 4);
    EXPECT_EQ(dimensionSlider->GetMin(), 2);
    EXPECT_EQ(dimensionSlider->GetMax(), 6);
    EXPECT_EQ(heightSlider->GetValue(), 3);
    EXPECT_EQ(heightSlider->GetMin(), 1);
    EXPECT_EQ(heightSlider->GetMax(), 8);
    ExpectHeightRow(false);

    for (wxComboBox* list : {startList, finalList})
    {
        ASSERT_EQ(list->GetCount(), 16u);
        EXPECT_EQ(list->GetString(0), "(0000)");
        EXPECT_EQ(list->GetString(15), "(1111)");
        EXPECT_TRUE(list->GetValue().empty());
        EXPECT_GE(list->GetMinSize().GetWidth(), 80);
        // Wide enough to read a six-digit node, not just the 80-pixel floor.
        EXPECT_GT(list->GetSize().GetWidth(), list->GetTextExtent("(000000)").GetWidth() + 20);
    }
    EXPECT_GE(topologyList->GetMinSize().GetWidth(), 160);
    // Sorted, so the user sees them alphabetically.
    const std::vector<wxString> topologies = {"Binary Tree", "Binary Tree (Flipping-a-coin)", "Hamiltonian Cycle",
                                              "Hamiltonian Path", "Mesh (1,2,*)"};
    ASSERT_EQ(topologyList->GetCount(), topologies.size());
    for (unsigned i = 0; i < topologies.size(); ++i)
        EXPECT_EQ(topologyList->GetString(i), topologies[i]);

    EXPECT_EQ(host.points.GetCount(), 16u);
    EXPECT_EQ(host.lines.GetCount(), 88u);
    EXPECT_EQ(CountNodes(0), 16);
}

TEST_F(HypercubePlugin, DimensionSliderRebuildsTheCubeAndForgetsTheRoute)
{
    Pick(startList, "(0001)");
    Pick(finalList, "(0010)");
    ASSERT_EQ(CountNodes(1), 2);

    Move(dimensionSlider, 6);
    EXPECT_EQ(host.calls, kStructural);
    EXPECT_EQ(dimensionName->GetLabel(), "Hexeract");
    for (wxComboBox* list : {startList, finalList})
    {
        ASSERT_EQ(list->GetCount(), 64u);
        for (unsigned i = 0; i < list->GetCount(); ++i)
        {
            const wxString text = list->GetString(i);
            EXPECT_EQ(text.length(), 8u);
            EXPECT_TRUE(text.StartsWith("(") && text.EndsWith(")")) << text.utf8_str().data();
        }
        EXPECT_EQ(list->GetString(0), "(000000)");
        EXPECT_EQ(list->GetString(63), "(111111)");
        EXPECT_TRUE(list->GetValue().empty());
    }
    EXPECT_EQ(host.points.GetCount(), 64u);
    EXPECT_EQ(host.lines.GetCount(), 864u);
    EXPECT_EQ(CountNodes(1), 0);
    EXPECT_EQ(CountLines(1), 0);

    const char* names[] = {"Square", "Cube", "Tesseract", "Penteract"};
    for (int n = 2; n <= 5; ++n)
    {
        Move(dimensionSlider, n);
        EXPECT_EQ(dimensionName->GetLabel(), names[n - 2]);
        EXPECT_EQ(startList->GetCount(), 1u << n);
        EXPECT_EQ(host.points.GetCount(), 1u << n);
    }
}

TEST_F(HypercubePlugin, ChosenEndsDrawTheRoute)
{
    Move(dimensionSlider, 6);
    Pick(startList, "(000000)");
    EXPECT_EQ(host.calls, kAnimated);
    EXPECT_EQ(Nodes()[0]->state, 1);
    EXPECT_EQ(CountLines(1), 0);

    Pick(finalList, "(000111)");
    EXPECT_EQ(host.calls, kAnimated);
    const std::vector<Point*> nodes = Nodes();
    EXPECT_EQ(nodes[0]->state, 1);
    EXPECT_EQ(nodes[7]->state, 1);
    EXPECT_EQ(nodes[4]->state, 3);
    EXPECT_EQ(nodes[4]->time, 1);
    EXPECT_EQ(nodes[6]->state, 3);
    EXPECT_EQ(nodes[6]->time, 2);
    EXPECT_EQ(CountLines(1), 3);

    // A text typed into a list that names no node selects nothing new and breaks nothing.
    FakeHost::TypeText(startList, "(nothing)");
    host.Reload();
    EXPECT_EQ(host.points.GetCount(), 64u);
    EXPECT_EQ(Nodes()[0]->state, 0);
    EXPECT_EQ(Nodes()[7]->state, 1);

    // A typed text that equals a node's text selects it at the next reload.
    FakeHost::TypeText(startList, "(100111)");
    host.Reload();
    EXPECT_EQ(Nodes()[39]->state, 1);
    EXPECT_EQ(CountLines(1), 8);   // one arc across bit 5
}

TEST_F(HypercubePlugin, RoutingAndNestingExcludeEachOther)
{
    Pick(startList, "(0000)");
    Pick(finalList, "(1111)");
    ASSERT_EQ(CountLines(1), 8 + 3);   // 0-8 is an arc, then three straight hops

    Pick(topologyList, "Hamiltonian Cycle");
    EXPECT_EQ(host.calls, kAnimated);
    EXPECT_TRUE(startList->GetValue().empty());
    EXPECT_TRUE(finalList->GetValue().empty());
    EXPECT_EQ(CountNodes(1), 0);
    EXPECT_EQ(CountLines(1), 0);
    EXPECT_EQ(CountNodes(3), 16);
    ExpectHeightRow(false);

    Pick(finalList, "(0101)");
    EXPECT_EQ(host.calls, kAnimated);
    EXPECT_TRUE(topologyList->GetValue().empty());
    EXPECT_EQ(CountLines(2), 0);
    EXPECT_EQ(CountNodes(3), 0);
    EXPECT_EQ(CountNodes(1), 1);
}

TEST_F(HypercubePlugin, HeightRowBelongsToTheCoinTree)
{
    Pick(topologyList, "Binary Tree (Flipping-a-coin)");
    EXPECT_EQ(host.calls, kAnimated);
    ExpectHeightRow(true);
    EXPECT_EQ(heightSlider->GetValue(), 3);
    EXPECT_EQ(heightText->GetLabel(), "3");
    // Height 3 in a tesseract covers four nodes.
    EXPECT_EQ(CountNodes(2), 4);
    // The row is placed inside the " Nesting " group, not left where it was created.
    wxStaticBox* nestingBox = nullptr;
    for (wxWindow* child : host.Frame()->GetChildren())
        if (wxStaticBox* box = dynamic_cast<wxStaticBox*>(child))
            nestingBox = box;
    ASSERT_NE(nestingBox, nullptr);
    EXPECT_TRUE(nestingBox->GetRect().Contains(highCaption->GetRect().GetTopLeft()))
        << highCaption->GetRect().x << "," << highCaption->GetRect().y;

    Move(heightSlider, 1);
    EXPECT_EQ(host.calls, kStructural);
    EXPECT_EQ(heightText->GetLabel(), "1");
    EXPECT_EQ(CountNodes(2), 1);
    EXPECT_EQ(CountLines(2), 0);

    Move(heightSlider, 8);
    EXPECT_EQ(heightText->GetLabel(), "8");
    EXPECT_EQ(CountNodes(2), 16);

    // Choosing again starts the height from 3.
    Pick(topologyList, "Binary Tree (Flipping-a-coin)");
    EXPECT_EQ(heightSlider->GetValue(), 3);
    EXPECT_EQ(heightText->GetLabel(), "3");
    EXPECT_EQ(CountNodes(2), 4);

    Pick(topologyList, "Mesh (1,2,*)");
    ExpectHeightRow(false);
    EXPECT_EQ(CountNodes(2), 16);

    Pick(topologyList, "Binary Tree (Flipping-a-coin)");
    ExpectHeightRow(true);
    Pick(startList, "(0011)");
    ExpectHeightRow(false);
    EXPECT_TRUE(topologyList->GetValue().empty());
    EXPECT_EQ(CountNodes(2), 0);
}

TEST_F(HypercubePlugin, TypedTopologiesOutsideTheListNestNothing)
{
    for (const wxString& typed : {wxString("Binary"), wxString("mesh (1,2,*)"), wxString("Hamiltonian Path ")})
    {
        FakeHost::TypeText(topologyList, typed);
        host.Reload();
        EXPECT_EQ(CountNodes(0), 16) << typed.utf8_str().data();
        EXPECT_EQ(CountLines(0), 88) << typed.utf8_str().data();
    }
    FakeHost::TypeText(topologyList, "Hamiltonian Path");
    host.Reload();
    EXPECT_EQ(CountNodes(2), 2);
}

TEST_F(HypercubePlugin, ChoosingAgainLeavesOneFreshSetOfControls)
{
    Move(dimensionSlider, 5);
    Pick(topologyList, "Binary Tree (Flipping-a-coin)");
    Move(heightSlider, 6);

    host.Choose();
    Find();
    EXPECT_EQ(host.Sliders().size(), 2u);
    EXPECT_EQ(host.Lists().size(), 3u);
    EXPECT_EQ(host.Texts().size(), 7u);
    int boxes = 0;
    for (wxWindow* child : host.Frame()->GetChildren())
        boxes += dynamic_cast<wxStaticBox*>(child) != nullptr;
    EXPECT_EQ(boxes, 3);

    EXPECT_EQ(dimensionSlider->GetValue(), 4);
    EXPECT_EQ(dimensionName->GetLabel(), "Tesseract");
    EXPECT_EQ(startList->GetCount(), 16u);
    EXPECT_TRUE(topologyList->GetValue().empty());
    ExpectHeightRow(false);
    EXPECT_EQ(host.points.GetCount(), 16u);
    EXPECT_EQ(CountNodes(0), 16);
    EXPECT_EQ(CountLines(0), 88);

    // The new controls work; the old ones are gone without leaving handlers behind.
    Pick(startList, "(0000)");
    Pick(finalList, "(0001)");
    EXPECT_EQ(host.calls, kAnimated);
    EXPECT_EQ(CountLines(1), 1);
}

} // namespace
