// The plug-in registry against a folder of real libraries, broken ones and junk.
#include <gtest/gtest.h>

#include <cstdlib>

#include <wx/ffile.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/html/htmlwin.h>
#include <wx/menu.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textfile.h>
#include <wx/tglbtn.h>

#include "Clock.h"
#include "Globals.h"
#include "MainFrame.h"
#include "TestSupport.h"

namespace
{

using testsupport::Pump;

void Copy(const wxString& from, const wxString& to) { ASSERT_TRUE(wxCopyFile(from, to)) << to.utf8_str().data(); }

void Write(const wxString& path, const std::string& bytes)
{
    wxFFile file(path, "wb");
    ASSERT_TRUE(file.IsOpened());
    file.Write(bytes.data(), bytes.size());
}

std::string Read(const wxString& path)
{
    wxFFile file(path, "rb");
    wxString text;
    if (file.IsOpened())
        file.ReadAll(&text);
    return text.ToStdString();
}

// A working folder laid out as a user's could be: two good plug-ins among broken libraries,
// junk files, a hidden library and a library in a subfolder.
class RegistryTest : public testing::Test
{
protected:
    void SetUp() override
    {
        timer::ResetValues();
        const wxString plugins = m_dir.Path() + "/plugins";
        ASSERT_TRUE(wxMkdir(plugins));
        Copy(FIXTURE_FIRST, plugins + "/a_first.so");
        Copy(FIXTURE_SECOND, plugins + "/b_second.so");
        Copy(FIXTURE_NULL, plugins + "/c_null.so");
        Copy(FIXTURE_NOSYMBOL, plugins + "/d_nosymbol.so");
        Write(plugins + "/e_notes.txt", "not a library\n");
        Write(plugins + "/f_empty.so", "");
        wxFFile good(FIXTURE_FIRST, "rb");
        std::string head(1500, '\0');
        head.resize(good.Read(&head[0], head.size()));
        Write(plugins + "/g_truncated.so", head);
        Copy(FIXTURE_FIRST, plugins + "/.hidden.so");
        ASSERT_TRUE(wxMkdir(plugins + "/sub"));
        Copy(FIXTURE_SECOND, plugins + "/sub/deeper.so");
        ASSERT_TRUE(wxMkdir(m_dir.Path() + "/webs"));
        Write(m_dir.Path() + "/webs/Second Test.htm",
              "<html><head><title>About the second</title></head><body>Second page</body></html>");

        m_unloadLog = m_dir.Path() + "/unload.log";
        setenv("NODEWEAVE_UNLOAD_LOG", m_unloadLog.utf8_str().data(), 1);
        m_cwd.reset(new testsupport::ScopedCwd(m_dir.Path()));
        m_frame = new MainFrame(nullptr);
        m_frame->Show();
        Pump(50);
    }

    void TearDown() override
    {
        CloseFrame();
        unsetenv("NODEWEAVE_UNLOAD_LOG");
        m_cwd.reset();
    }

    void CloseFrame()
    {
        if (!m_frame)
            return;
        m_frame->Close(true);
        Pump(50);
        m_frame = nullptr;
    }

    void Choose(int id)
    {
        wxCommandEvent pick(wxEVT_MENU, id);
        pick.SetEventObject(m_frame);
        m_frame->GetEventHandler()->ProcessEvent(pick);
        Pump(20);
    }

    int CountTexts(const wxString& label) const
    {
        int count = 0;
        for (wxWindow* child : m_frame->GetChildren())
            if (auto* text = dynamic_cast<wxStaticText*>(child))
                count += text->GetLabel() == label;
        return count;
    }

    testsupport::TempDir m_dir;
    std::unique_ptr<testsupport::ScopedCwd> m_cwd;
    wxString m_unloadLog;
    MainFrame* m_frame = nullptr;
};

TEST_F(RegistryTest, OnlyGoodLibrariesDirectlyInTheFolderBecomeConsecutiveMenuItems)
{
    EXPECT_EQ(m_frame->GetPluginCount(), 2u);
    wxMenu* menu = m_frame->GetPluginsMenu();
    ASSERT_EQ(menu->GetMenuItemCount(), 2u);
    EXPECT_EQ(menu->FindItemByPosition(0)->GetId(), 1);
    EXPECT_EQ(menu->FindItemByPosition(0)->GetItemLabelText(), "First Test");
    EXPECT_EQ(menu->FindItemByPosition(1)->GetId(), 2);
    EXPECT_EQ(menu->FindItemByPosition(1)->GetItemLabelText(), "Second Test");
    EXPECT_EQ(m_frame->GetActivePlugin(), nullptr);
    EXPECT_EQ(g_points.GetCount(), 0u);
}

TEST_F(RegistryTest, ChoosingTheSecondItemActivatesTheSecondLibrarysPlugin)
{
    timer::SetRotating(true);
    m_frame->GetRotateButton()->SetValue(true);
    m_frame->GetMenuBar()->Check(m_frame->GetMenuBar()->FindMenuItem("Animation", "Rotate"), true);
    timer::SetCurrentTime(3.5f);

    Choose(2);

    ASSERT_NE(m_frame->GetActivePlugin(), nullptr);
    EXPECT_EQ(m_frame->GetActivePlugin()->GetName(), "Second Test");
    EXPECT_EQ(CountTexts("Second Test controls"), 1);
    EXPECT_EQ(g_points.GetCount(), 4u);
    EXPECT_EQ(g_lines.GetCount(), 3u);
    EXPECT_EQ(m_frame->GetHtmlWindow()->GetOpenedPageTitle(), "About the second");
    // The choice stops rotation everywhere it shows, and restarts the animation.
    EXPECT_FALSE(timer::IsRotating());
    EXPECT_FALSE(m_frame->GetRotateButton()->GetValue());
    EXPECT_FALSE(m_frame->GetMenuBar()->IsChecked(m_frame->GetMenuBar()->FindMenuItem("Animation", "Rotate")));
    Camera* camera = timer::ActiveCamera();
    EXPECT_DOUBLE_EQ(camera->GetPolar(), 0.5);
    EXPECT_DOUBLE_EQ(camera->GetAzimuth(), -0.5);
    EXPECT_EQ(camera->GetDistance(), 123);
}

TEST_F(RegistryTest, ChoosingAgainReplacesControlsAndRecords)
{
    Choose(2);
    Choose(2);
    EXPECT_EQ(CountTexts("Second Test controls"), 1) << "the strip never holds two sets";
    EXPECT_EQ(g_points.GetCount(), 4u);

    Choose(1);
    EXPECT_EQ(CountTexts("Second Test controls"), 0);
    EXPECT_EQ(CountTexts("First Test controls"), 1);
    EXPECT_EQ(g_points.GetCount(), 3u);
    // No page for the first: the pane must not keep showing the second network's text.
    EXPECT_EQ(m_frame->GetHtmlWindow()->GetOpenedPageTitle(), "");
    EXPECT_TRUE(m_frame->GetHtmlWindow()->ToText().Strip(wxString::both).empty());
    EXPECT_EQ(m_frame->GetHtmlWindow()->GetBackgroundColour(), wxColour(255, 255, 204));
}

TEST_F(RegistryTest, ReloadsFreeEveryRecordAndItsLineEnds)
{
    Choose(2);
    const long points = Point::LiveCount();
    const long lines = Line::LiveCount();
    for (int i = 0; i < 20; ++i)
        m_frame->ReloadNetwork();
    EXPECT_EQ(Point::LiveCount(), points);
    EXPECT_EQ(Line::LiveCount(), lines);
}

TEST_F(RegistryTest, ShutdownFreesAllRecordsBeforeAnyLibraryIsUnloaded)
{
    Choose(2);
    ASSERT_GT(Point::LiveCount(), 0);
    CloseFrame();
    const std::string log = Read(m_unloadLog);
    // Both good libraries report at unload; by then every record is gone.
    EXPECT_NE(log.find("First Test points=0 lines=0"), std::string::npos) << log;
    EXPECT_NE(log.find("Second Test points=0 lines=0"), std::string::npos) << log;
    EXPECT_EQ(g_points.GetCount(), 0u);
}

TEST(RegistryWithoutFolder, NoPluginsFolderGivesAnEmptyMenuAndARunningWindow)
{
    testsupport::TempDir dir;
    testsupport::ScopedCwd cwd(dir.Path());
    MainFrame* frame = new MainFrame(nullptr);
    frame->Show();
    Pump(20);
    EXPECT_EQ(frame->GetPluginCount(), 0u);
    EXPECT_EQ(frame->GetPluginsMenu()->GetMenuItemCount(), 0u);
    frame->ReloadNetwork();   // no active plug-in: empties the lists, calls nothing
    EXPECT_EQ(g_points.GetCount(), 0u);
    frame->Close(true);
    Pump(20);
}

} // namespace
