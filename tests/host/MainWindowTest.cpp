// The main window as built: title, size, menus with their items, the tool bar and the strip.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

#include <wx/html/htmlwin.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/tglbtn.h>
#include <wx/toolbar.h>
#include <wx/tooltip.h>
#include <wx/uiaction.h>

#include "Clock.h"
#include "MainFrame.h"
#include "TestSupport.h"

namespace
{

using testsupport::Pump;

// A main window started in an empty folder: no plug-ins, pages or bitmaps.
class MainWindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        timer::ResetValues();
        m_cwd.reset(new testsupport::ScopedCwd(m_dir.Path()));
        m_frame = new MainFrame(nullptr);
        m_frame->Show();
        Pump(50);
    }

    void TearDown() override
    {
        m_frame->Close(true);
        Pump(50);
        m_cwd.reset();
    }

    testsupport::TempDir m_dir;
    std::unique_ptr<testsupport::ScopedCwd> m_cwd;
    MainFrame* m_frame = nullptr;
};

struct ItemRow
{
    const char* menu;
    const char* label;       // with mnemonic, as shown
    const char* accelerator;
    wxItemKind kind;
    bool checked;
};

const ItemRow kItems[] = {
    {"&File", "&Save Bitmap As...", "Ctrl+S", wxITEM_NORMAL, false},
    {"&File", "Save &Animation As...", "Ctrl+A", wxITEM_NORMAL, false},
    {"&File", "E&xit", "Alt+X", wxITEM_NORMAL, false},
    {"&Camera", "Up", "W", wxITEM_NORMAL, false},
    {"&Camera", "Down", "S", wxITEM_NORMAL, false},
    {"&Camera", "Left", "A", wxITEM_NORMAL, false},
    {"&Camera", "Right", "D", wxITEM_NORMAL, false},
    {"&Camera", "Zoom In", "E", wxITEM_NORMAL, false},
    {"&Camera", "Zoom Out", "Q", wxITEM_NORMAL, false},
    {"&Camera", "Default Camera Position", "Ctrl+D", wxITEM_NORMAL, false},
    {"&Colours", "Background...", "Shift+B", wxITEM_NORMAL, false},
    {"&Colours", "Normal Points...", "Shift+P", wxITEM_NORMAL, false},
    {"&Colours", "Normal Lines...", "Shift+L", wxITEM_NORMAL, false},
    {"&Colours", "Selected Points...", "Shift+S", wxITEM_NORMAL, false},
    {"&Colours", "Routed Lines...", "Shift+R", wxITEM_NORMAL, false},
    {"&Colours", "Nested Points...", "Shift+N", wxITEM_NORMAL, false},
    {"&Colours", "Nested Lines...", "Shift+E", wxITEM_NORMAL, false},
    {"&Colours", "Normal Labels...", "Shift+A", wxITEM_NORMAL, false},
    {"&Colours", "Visited Labels...", "Shift+V", wxITEM_NORMAL, false},
    {"&Colours", "Default Colours", "Shift+D", wxITEM_NORMAL, false},
    {"&Animation", "Rotate", "Ctrl+R", wxITEM_CHECK, false},
    {"&Animation", "Speed - Slow", "Shift+1", wxITEM_NORMAL, false},
    {"&Animation", "Speed - Normal", "Shift+2", wxITEM_NORMAL, false},
    {"&Animation", "Speed - Fast", "Shift+3", wxITEM_NORMAL, false},
    {"&Animation", "Decrement Time", "-", wxITEM_NORMAL, false},
    {"&Animation", "Increment Time", "+", wxITEM_NORMAL, false},
    {"&Animation", "Pause", "Ctrl+P", wxITEM_CHECK, false},
    {"&Effects", "Background", "Alt+B", wxITEM_CHECK, false},
    {"&Effects", "Drawing Effect", "Alt+D", wxITEM_CHECK, false},
    {"&Effects", "Labels", "Alt+L", wxITEM_CHECK, true},
};

TEST_F(MainWindowTest, TitleSizeAndMenuTitlesInOrder)
{
    EXPECT_EQ(m_frame->GetTitle(), "Nodeweave Visualisation");
    EXPECT_EQ(m_frame->GetSize(), wxSize(1000, 660));
    wxMenuBar* bar = m_frame->GetMenuBar();
    ASSERT_NE(bar, nullptr);
    const char* titles[] = {"&File", "&Plugins", "&Camera", "&Colours", "&Animation", "&Effects"};
    ASSERT_EQ(bar->GetMenuCount(), 6u);
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(bar->GetMenuLabel(i), titles[i]);
    EXPECT_EQ(m_frame->GetPluginsMenu()->GetMenuItemCount(), 0u) << "no plugins folder: empty menu";
}

TEST_F(MainWindowTest, EveryMenuItemHasItsLabelAcceleratorKindAndCheckState)
{
    wxMenuBar* bar = m_frame->GetMenuBar();
    // Separators sit where the menus group their commands.
    const std::map<wxString, std::vector<wxString>> expectedOrder = {
        {"&File", {"&Save Bitmap As...", "Save &Animation As...", "-", "E&xit"}},
        {"&Camera", {"Up", "Down", "Left", "Right", "Zoom In", "Zoom Out", "-", "Default Camera Position"}},
        {"&Colours", {"Background...", "-", "Normal Points...", "Normal Lines...", "-", "Selected Points...",
                      "Routed Lines...", "-", "Nested Points...", "Nested Lines...", "-", "Normal Labels...",
                      "Visited Labels...", "-", "Default Colours"}},
        {"&Animation", {"Rotate", "-", "Speed - Slow", "Speed - Normal", "Speed - Fast", "-", "Decrement Time",
                        "Increment Time", "-", "Pause"}},
        {"&Effects", {"Background", "Drawing Effect", "Labels"}},
    };
    for (const auto& menuOrder : expectedOrder)
    {
        wxMenu* menu = bar->GetMenu(bar->FindMenu(menuOrder.first));
        ASSERT_NE(menu, nullptr) << menuOrder.first;
        std::vector<wxString> seen;
        for (wxMenuItem* item : menu->GetMenuItems())
            seen.push_back(item->IsSeparator() ? wxString("-") : item->GetItemLabel().BeforeFirst('\t'));
        EXPECT_EQ(seen, menuOrder.second) << menuOrder.first;
    }

    for (const ItemRow& row : kItems)
    {
        wxMenu* menu = bar->GetMenu(bar->FindMenu(row.menu));
        ASSERT_NE(menu, nullptr);
        wxMenuItem* found = nullptr;
        for (wxMenuItem* item : menu->GetMenuItems())
            if (!item->IsSeparator() && item->GetItemLabel().BeforeFirst('\t') == row.label)
                found = item;
        ASSERT_NE(found, nullptr) << row.label;
        EXPECT_EQ(found->GetItemLabel().AfterFirst('\t'), row.accelerator) << row.label;
        EXPECT_EQ(found->GetKind(), row.kind) << row.label;
        if (found->IsCheckable())
            EXPECT_EQ(found->IsChecked(), row.checked) << row.label;
        if (found->GetId() != wxID_EXIT)   // the toolkit gives stock items their own help text
            EXPECT_TRUE(found->GetHelp().empty()) << row.label;
    }
    EXPECT_NE(bar->FindMenuItem("&File", "E&xit"), wxNOT_FOUND);
    EXPECT_EQ(bar->FindItem(wxID_EXIT)->GetItemLabelText(), "Exit");
}

TEST_F(MainWindowTest, ToolBarHasItsToolsControlsAndTips)
{
    wxToolBar* tools = m_frame->GetToolBar();
    ASSERT_NE(tools, nullptr);
    const std::pair<int, const char*> expected[] = {
        {1000, "Save Bitmap"},   {1001, "Save Animation"}, {1002, "Left Rotation"},
        {1003, "Right Rotation"}, {1004, "Camera Up"},     {1005, "Camera Down"},
        {1006, "Zoom In"},       {1007, "Zoom Out"},       {1008, "Default Camera Position"},
        {1009, "Decrement Time"}, {1010, "Increment Time"},
    };
    for (const auto& tool : expected)
    {
        wxToolBarToolBase* found = tools->FindById(tool.first);
        ASSERT_NE(found, nullptr) << tool.first;
        EXPECT_EQ(found->GetShortHelp(), tool.second);
        EXPECT_EQ(found->GetLabel(), tool.second);
        EXPECT_EQ(found->GetKind(), wxITEM_NORMAL);
    }
    EXPECT_EQ(m_frame->GetPauseButton()->GetLabel(), "Pause");
    EXPECT_EQ(m_frame->GetRotateButton()->GetLabel(), "Rotate");
    EXPECT_EQ(m_frame->GetPauseButton()->GetFont().GetWeight(), wxFONTWEIGHT_BOLD);
    EXPECT_FALSE(m_frame->GetPauseButton()->GetValue());
    EXPECT_FALSE(m_frame->GetRotateButton()->GetValue());
    wxSlider* speed = m_frame->GetSpeedSlider();
    EXPECT_EQ(speed->GetValue(), 5);
    EXPECT_EQ(speed->GetMin(), 0);
    EXPECT_EQ(speed->GetMax(), 30);
    ASSERT_NE(speed->GetToolTip(), nullptr);
    EXPECT_EQ(speed->GetToolTip()->GetTip(), "Speed");
}

TEST_F(MainWindowTest, ClientAreaGivesTheViewTheSpareWidthAndKeepsTheStrip)
{
    wxPanel* view = m_frame->GetViewPanel();
    EXPECT_FALSE(view->IsEnabled()) << "the view takes no input";
    EXPECT_GE(view->GetSize().GetHeight(), 440);
    EXPECT_EQ(m_frame->GetHtmlWindow()->GetName(), "htmlWindow");
    EXPECT_EQ(m_frame->GetHtmlWindow()->GetSize().GetWidth(), 300);
    // Below the view and its border: the strip of at least 110 pixels and its bottom border.
    const int belowView = m_frame->GetClientSize().GetHeight() - view->GetRect().GetBottom() - 1 - 5;
    EXPECT_GE(belowView, 110 + 5);
    EXPECT_EQ(m_frame->GetParameterSizer()->GetItemCount(), 0u);

    const int viewWidth = view->GetSize().GetWidth();
    m_frame->SetSize(wxSize(1200, 700));
    Pump(50);
    EXPECT_EQ(m_frame->GetHtmlWindow()->GetSize().GetWidth(), 300);
    EXPECT_EQ(view->GetSize().GetWidth(), viewWidth + 200);
}

} // namespace

namespace
{

// Keys typed as a person types them (through the X server), with the description pane focused.
TEST_F(MainWindowTest, OneKeyCommandsStillWorkWhileTheDescriptionPaneHasTheFocus)
{
    m_frame->Raise();
    m_frame->GetHtmlWindow()->SetFocus();
    Pump(100);
    ASSERT_EQ(wxWindow::FindFocus(), m_frame->GetHtmlWindow());
    Camera* camera = timer::ActiveCamera();
    const double polar = camera->GetPolar();
    const int distance = camera->GetDistance();

    wxUIActionSimulator keyboard;
    keyboard.Char('w');
    keyboard.Char('w');
    keyboard.Char('q');
    Pump(200);

    // Each key runs its command exactly once: not lost in the pane, not run twice.
    EXPECT_NEAR(camera->GetPolar(), polar - 0.2, 1e-9);
    EXPECT_EQ(camera->GetDistance(), distance + 20);
}

} // namespace
