// The 3D view on the real main window and software renderer: frames, pixels, commands, shutdown.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>

#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/slider.h>
#include <wx/tglbtn.h>

#include "ViewState.h"
#include "Clock.h"
#include "Colours.h"
#include "Globals.h"
#include "Irr3DLine.h"
#include "MainFrame.h"
#include "SceneBuilder.h"
#include "SceneProbe.h"
#include "ScreenGrab.h"
#include "TestSupport.h"

using namespace irr;
using sceneprobe::Census;
using sceneprobe::TakeCensus;

namespace
{

// The real window, counting the paints its view panel gets.
class ProbeFrame : public MainFrame
{
public:
    int paints = 0;
    using MainFrame::RebuildScene;

protected:
    void OnPaint(wxPaintEvent& event) override
    {
        ++paints;
        MainFrame::OnPaint(event);
    }
};

video::SColor Colour(const wxColour& c) { return video::SColor(c.Alpha(), c.Red(), c.Green(), c.Blue()); }

bool Near(const wxImage& image, int x, int y, int r, int g, int b, int tolerance)
{
    return std::abs(image.GetRed(x, y) - r) <= tolerance && std::abs(image.GetGreen(x, y) - g) <= tolerance &&
           std::abs(image.GetBlue(x, y) - b) <= tolerance;
}

// Share of the pixels that are within tolerance of a colour.
double ShareOf(const wxImage& image, int r, int g, int b, int tolerance)
{
    long hits = 0;
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x)
            hits += Near(image, x, y, r, g, b, tolerance);
    return static_cast<double>(hits) / (image.GetWidth() * image.GetHeight());
}

// Largest per-channel difference between two pictures of the same size (255 if they differ in size).
int LargestDifference(const wxImage& a, const wxImage& b)
{
    if (!a.IsOk() || !b.IsOk() || a.GetSize() != b.GetSize())
        return 255;
    int largest = 0;
    const unsigned char* pa = a.GetData();
    const unsigned char* pb = b.GetData();
    for (long i = 0; i < 3L * a.GetWidth() * a.GetHeight(); ++i)
        largest = std::max(largest, std::abs(pa[i] - pb[i]));
    return largest;
}

// A sphere lit by the scene's dim light: its role colour plus at most the light's share.
bool LooksSelected(const wxImage& image, int x, int y)
{
    return image.GetRed(x, y) > 220 && image.GetGreen(x, y) > 100 && image.GetGreen(x, y) < 200 &&
           image.GetBlue(x, y) < 70;
}

class ViewWindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ResetViewState();
        g_creationParams.DriverType = video::EDT_BURNINGSVIDEO;
        m_frame = new ProbeFrame();
        m_frame->Show();
        ASSERT_TRUE(WaitForPaints(1));
        // The tests tick the clock themselves, so nothing moves behind their backs.
        ASSERT_NE(g_clock, nullptr);
        g_clock->Stop();
    }

    void TearDown() override
    {
        if (m_frame)
        {
            m_frame->Close(true);
            testsupport::Pump(50);
        }
        ClearOwned(g_points);
        ClearOwned(g_lines);
        ResetViewState();
        g_creationParams.DriverType = video::EDT_BURNINGSVIDEO;
    }

    bool WaitForPaints(int count, int milliseconds = 3000)
    {
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
        while (m_frame->paints < count && std::chrono::steady_clock::now() < until)
            testsupport::Pump(10);
        return m_frame->paints >= count;
    }

    // Asks for a real repaint of the view panel and waits for it.
    bool Repaint()
    {
        const int before = m_frame->paints;
        m_frame->GetViewPanel()->Refresh();
        return WaitForPaints(before + 1);
    }

    wxMenuItem* Item(const wxString& menu, const wxString& label)
    {
        const int id = m_frame->GetMenuBar()->FindMenuItem(menu, label);
        return id == wxNOT_FOUND ? nullptr : m_frame->GetMenuBar()->FindItem(id);
    }

    void Command(int id)
    {
        wxCommandEvent event(wxEVT_MENU, id);
        event.SetEventObject(m_frame);
        m_frame->ProcessWindowEvent(event);
    }

    // What choosing a menu item does: a check item flips, then its command runs.
    void Choose(const wxString& menu, const wxString& label)
    {
        wxMenuItem* item = Item(menu, label);
        ASSERT_NE(item, nullptr) << label;
        if (item->IsCheckable())
            item->Check(!item->IsChecked());
        Command(item->GetId());
    }

    // What a click does to a toggle button: it flips, then reports.
    void Click(wxToggleButton* button)
    {
        button->SetValue(!button->GetValue());
        wxCommandEvent event(wxEVT_TOGGLEBUTTON, button->GetId());
        event.SetEventObject(button);
        event.SetInt(button->GetValue());
        button->ProcessWindowEvent(event);
    }

    // Every frame of the record set makes three line nodes with fresh ids.
    int FramesSince(s32 lineIdBefore) const { return (g_lineNodeId - lineIdBefore) / 3; }

    Census SceneNow() const { return TakeCensus(g_sceneManager); }

    // Where a node at record position (x, y, z) appears in the last frame.
    core::position2di OnScreen(int x, int y, int z) const
    {
        return g_sceneManager->getSceneCollisionManager()->getScreenCoordinatesFrom3DPosition(
            SceneRoles::ToEngine(x, y, z));
    }

    ProbeFrame* m_frame = nullptr;
};

TEST_F(ViewWindowTest, RecordSetIsDrawnInItsRolesAsTimePasses)
{
    sceneprobe::FillRecordSet(g_points, g_lines);
    m_frame->RebuildScene();

    Census census = SceneNow();
    EXPECT_EQ(census.lights.size(), 1u);
    EXPECT_EQ(census.spheres.size(), 4u);
    EXPECT_EQ(census.labels.size(), 4u);
    EXPECT_EQ(census.cameras.size(), 1u);
    EXPECT_EQ(census.lines.size(), 3u);
    EXPECT_TRUE(census.skyBoxes.empty());
    EXPECT_EQ(timer::GetMaxTime(), 3);
    EXPECT_TRUE(timer::IsPlaying());
    const Camera* camera = timer::ActiveCamera();
    EXPECT_EQ(camera->targetX, 35);
    EXPECT_EQ(camera->targetY, 40);
    EXPECT_EQ(camera->targetZ, 7);
    EXPECT_EQ(census.cameras[0]->getTarget(), core::vector3df(40, 7, 35));

    // Before step 3: the visited node and the nested line look plain.
    EXPECT_EQ(census.spheres[0]->getMaterial(0).EmissiveColor, Colour(SelectedPointColour));
    EXPECT_EQ(sceneprobe::LabelBottom(census.labels[1]), Colour(NormalLabelColour));
    EXPECT_EQ(census.lines[1]->GetColour(), Colour(NormalLineColour));
    EXPECT_EQ(census.lines[0]->GetColour(), Colour(NormalLineColour));

    // "Increment Time" three times: 1.5, 2.5, 3.5 - past the last step.
    wxMenuItem* increment = Item(_("&Animation"), _("Increment Time"));
    ASSERT_NE(increment, nullptr);
    for (int i = 0; i < 3; ++i)
        Command(increment->GetId());
    EXPECT_FLOAT_EQ(timer::GetCurrentTime(), 3.5f);
    census = SceneNow();
    ASSERT_EQ(census.labels.size(), 4u);
    EXPECT_EQ(sceneprobe::LabelBottom(census.labels[1]), Colour(VisitedLabelColour));
    EXPECT_EQ(census.spheres[1]->getMaterial(0).EmissiveColor, Colour(NormalPointColour));
    EXPECT_EQ(census.spheres[2]->getMaterial(0).EmissiveColor, Colour(NestedPointColour));
    EXPECT_EQ(census.lines[1]->GetColour(), Colour(NestedLineColour));
    EXPECT_EQ(census.lines[0]->GetColour(), Colour(NormalLineColour));
    EXPECT_EQ(timer::GetMaxTime(), 3);
    EXPECT_FALSE(timer::IsPlaying());
}

TEST_F(ViewWindowTest, FramesReachTheDisplayFromCommandsAndFromPaints)
{
    // Not the panel's own colour, so that a frame painted over by the panel would show.
    BackgroundColour.Set(10, 100, 10, 255);
    m_frame->RebuildScene();
    const wxImage empty = m_frame->CaptureView();
    ASSERT_TRUE(empty.IsOk());
    EXPECT_EQ(empty.GetSize(), m_frame->GetViewPanel()->GetSize());
    EXPECT_GT(ShareOf(empty, 10, 100, 10, 4), 0.999) << "nothing but the background";
    wxImage screen = GrabWindowFromDisplay(m_frame->GetViewPanel());
    EXPECT_LE(LargestDifference(screen, empty), 8) << "a command's frame is on the display";

    sceneprobe::FillRecordSet(g_points, g_lines);
    timer::SetPaused(true);
    m_frame->RebuildScene();
    const wxImage frame = m_frame->CaptureView();
    const core::position2di selected = OnScreen(0, 0, 0);
    ASSERT_TRUE(frame.IsOk());
    ASSERT_TRUE(selected.X > 0 && selected.Y > 0 && selected.X < frame.GetWidth() && selected.Y < frame.GetHeight());
    EXPECT_TRUE(LooksSelected(frame, selected.X, selected.Y))
        << "at " << selected.X << "," << selected.Y << ": " << int(frame.GetRed(selected.X, selected.Y)) << ","
        << int(frame.GetGreen(selected.X, selected.Y)) << "," << int(frame.GetBlue(selected.X, selected.Y));
    EXPECT_TRUE(Near(frame, 2, 2, 10, 100, 10, 4)) << "background around the network";
    screen = GrabWindowFromDisplay(m_frame->GetViewPanel());
    EXPECT_LE(LargestDifference(screen, frame), 8);
    EXPECT_TRUE(LooksSelected(screen, selected.X, selected.Y));

    // A real repaint re-creates the device and draws through the paint, where GTK would
    // otherwise cover the engine's picture with the panel's own background.
    ASSERT_TRUE(Repaint());
    testsupport::Pump(50);
    const wxImage painted = m_frame->CaptureView();
    EXPECT_LE(LargestDifference(painted, frame), 8);
    screen = GrabWindowFromDisplay(m_frame->GetViewPanel());
    EXPECT_LE(LargestDifference(screen, frame), 8);
    EXPECT_TRUE(LooksSelected(screen, selected.X, selected.Y));
    EXPECT_TRUE(Near(screen, 2, 2, 10, 100, 10, 8));
    EXPECT_LT(ShareOf(screen, 90, 90, 140, 4), 0.01) << "the panel's own colour must not show";
}

TEST_F(ViewWindowTest, EveryPaintMakesADeviceAtThePanelsSize)
{
    const wxSize before = m_frame->GetViewPanel()->GetSize();
    m_frame->SetSize(wxSize(1200, 800));
    testsupport::Pump(100);
    ASSERT_TRUE(Repaint());
    const wxSize after = m_frame->GetViewPanel()->GetSize();
    ASSERT_NE(after, before);
    const wxImage frame = m_frame->CaptureView();
    ASSERT_TRUE(frame.IsOk());
    EXPECT_EQ(frame.GetSize(), after);
    ASSERT_NE(g_device, nullptr);
    EXPECT_EQ(g_device->getVideoDriver()->getScreenSize(), core::dimension2du(after.GetWidth(), after.GetHeight()));
    EXPECT_EQ(g_sceneManager, g_device->getSceneManager());
}

TEST_F(ViewWindowTest, ToggleButtonsAndCheckItemsStayInStep)
{
    struct Switch
    {
        const char* label;
        wxToggleButton* button;
        std::function<bool()> flag;
    };
    const Switch switches[] = {
        {"Pause", m_frame->GetPauseButton(), [] { return timer::IsPaused(); }},
        {"Rotate", m_frame->GetRotateButton(), [] { return timer::IsRotating(); }},
    };
    for (const Switch& s : switches)
    {
        SCOPED_TRACE(s.label);
        wxMenuItem* item = Item(_("&Animation"), s.label);
        ASSERT_NE(item, nullptr);
        EXPECT_FALSE(item->IsChecked() || s.button->GetValue() || s.flag());

        Click(s.button);
        EXPECT_TRUE(item->IsChecked());
        EXPECT_TRUE(s.button->GetValue());
        EXPECT_TRUE(s.flag());

        Choose(_("&Animation"), s.label);
        EXPECT_FALSE(item->IsChecked());
        EXPECT_FALSE(s.button->GetValue());
        EXPECT_FALSE(s.flag());

        Choose(_("&Animation"), s.label);
        EXPECT_TRUE(item->IsChecked() && s.button->GetValue() && s.flag());
        Click(s.button);
        EXPECT_FALSE(item->IsChecked() || s.button->GetValue() || s.flag());
    }
}

TEST_F(ViewWindowTest, LabelsOffRemovesTheBillboards)
{
    sceneprobe::FillRecordSet(g_points, g_lines);
    m_frame->RebuildScene();
    EXPECT_EQ(SceneNow().labels.size(), 4u);
    wxMenuItem* labels = Item(_("&Effects"), _("Labels"));
    ASSERT_NE(labels, nullptr);
    EXPECT_TRUE(labels->IsChecked());

    const s32 before = g_lineNodeId;
    Choose(_("&Effects"), _("Labels"));
    EXPECT_FALSE(LabelsEnabled);
    EXPECT_EQ(FramesSince(before), 1) << "drawn at once";
    Census census = SceneNow();
    EXPECT_TRUE(census.labels.empty());
    EXPECT_EQ(census.spheres.size(), 4u);
    EXPECT_EQ(census.lines.size(), 3u);

    Choose(_("&Effects"), _("Labels"));
    EXPECT_TRUE(LabelsEnabled);
    EXPECT_EQ(SceneNow().labels.size(), 4u);
}

TEST_F(ViewWindowTest, SkyBoxReplacesTheBackground)
{
    BackgroundColour.Set(10, 100, 10, 255);
    m_frame->RebuildScene();
    EXPECT_GT(ShareOf(m_frame->CaptureView(), 10, 100, 10, 4), 0.999);

    Choose(_("&Effects"), _("Background"));
    EXPECT_TRUE(SkyBoxEnabled);
    EXPECT_FALSE(Item(_("&Colours"), _("Background..."))->IsCheckable()) << "the colour item is another item";
    EXPECT_EQ(SceneNow().skyBoxes.size(), 1u);
    const wxImage sky = m_frame->CaptureView();
    EXPECT_LT(ShareOf(sky, 10, 100, 10, 4), 0.05);
    EXPECT_LT(ShareOf(GrabWindowFromDisplay(m_frame->GetViewPanel()), 10, 100, 10, 4), 0.05);

    Choose(_("&Effects"), _("Background"));
    EXPECT_FALSE(SkyBoxEnabled);
    EXPECT_TRUE(SceneNow().skyBoxes.empty());
    EXPECT_GT(ShareOf(m_frame->CaptureView(), 10, 100, 10, 4), 0.999);
}

TEST_F(ViewWindowTest, DrawingEffectRestartsTheAnimationWithoutDrawing)
{
    sceneprobe::FillRecordSet(g_points, g_lines);
    timer::SetCurrentTime(2.5f);
    timer::SetDrawProgress(4.0f);
    const s32 before = g_lineNodeId;
    Choose(_("&Effects"), _("Drawing Effect"));
    EXPECT_TRUE(timer::IsDrawingEffect());
    EXPECT_FLOAT_EQ(timer::GetCurrentTime(), 0.0f);
    EXPECT_FLOAT_EQ(timer::GetDrawProgress(), 0.0f);
    EXPECT_EQ(FramesSince(before), 0);

    m_frame->RebuildScene();
    EXPECT_TRUE(SceneNow().spheres.empty()) << "nothing revealed yet";
    timer::SetDrawProgress(2.5f);
    m_frame->RebuildScene();
    EXPECT_EQ(SceneNow().spheres.size(), 2u);

    Choose(_("&Effects"), _("Drawing Effect"));
    EXPECT_FALSE(timer::IsDrawingEffect());
    EXPECT_FLOAT_EQ(timer::GetDrawProgress(), 0.0f);
}

struct CameraCommand
{
    const char* label;
    double polar;
    int distance;
    bool draws;
    double polarAfter;
    double azimuthAfter;
    int distanceAfter;
};

TEST_F(ViewWindowTest, CameraCommandsDrawOnlyWhenSomethingMoved)
{
    sceneprobe::FillRecordSet(g_points, g_lines);
    const CameraCommand commands[] = {
        {"Up", 0.5, 200, true, 0.4, -1.0, 200},
        {"Up", 0.01, 200, true, 0.01, -1.0, 200},
        {"Down", 1.0, 200, true, 1.1, -1.0, 200},
        {"Down", 1.5, 200, false, 1.5, -1.0, 200},
        {"Left", 1.0, 200, true, 1.0, -0.9, 200},
        {"Right", 1.0, 200, true, 1.0, -1.1, 200},
        {"Zoom In", 1.0, 60, true, 1.0, -1.0, 40},
        {"Zoom In", 1.0, 40, false, 1.0, -1.0, 40},
        {"Zoom Out", 1.0, 40, true, 1.0, -1.0, 60},
        {"Default Camera Position", 0.3, 900, true, 1.0, -1.0, 200},
    };
    for (const CameraCommand& c : commands)
    {
        SCOPED_TRACE(testing::Message() << c.label << " from " << c.polar << "/" << c.distance);
        timer::ActiveCamera()->SetView(c.polar, -1.0, c.distance);
        const s32 before = g_lineNodeId;
        Choose(_("&Camera"), c.label);
        EXPECT_EQ(FramesSince(before), c.draws ? 1 : 0);
        EXPECT_NEAR(timer::ActiveCamera()->GetPolar(), c.polarAfter, 1e-9);
        EXPECT_NEAR(timer::ActiveCamera()->GetAzimuth(), c.azimuthAfter, 1e-9);
        EXPECT_EQ(timer::ActiveCamera()->GetDistance(), c.distanceAfter);
    }

    // The tool bar runs the same commands.
    timer::ActiveCamera()->SetView(1.0, -1.0, 200);
    const s32 before = g_lineNodeId;
    Command(MainFrameBase::ID_TOOL_ZOOM_OUT);
    Command(MainFrameBase::ID_TOOL_LEFT);
    EXPECT_EQ(FramesSince(before), 2);
    EXPECT_EQ(timer::ActiveCamera()->GetDistance(), 220);
    EXPECT_NEAR(timer::ActiveCamera()->GetAzimuth(), -0.9, 1e-9);
}

TEST_F(ViewWindowTest, TimeCommandsDrawOnlyWhenTheTimeMoved)
{
    sceneprobe::FillRecordSet(g_points, g_lines);
    m_frame->RebuildScene(); // maxTime 3
    struct Case { const char* label; float time; bool draws; float after; };
    for (const Case& c : {Case{"Increment Time", 0.0f, true, 1.5f}, Case{"Increment Time", 3.5f, false, 3.5f},
                          Case{"Decrement Time", 1.0f, false, 1.0f}, Case{"Decrement Time", 1.5f, true, 0.5f}})
    {
        SCOPED_TRACE(testing::Message() << c.label << " at " << c.time);
        timer::SetCurrentTime(c.time);
        const s32 before = g_lineNodeId;
        Choose(_("&Animation"), c.label);
        EXPECT_EQ(FramesSince(before), c.draws ? 1 : 0);
        EXPECT_FLOAT_EQ(timer::GetCurrentTime(), c.after);
    }
}

TEST_F(ViewWindowTest, SpeedCommandsSetTheClockAndTheSlider)
{
    struct Case { const char* label; short speed; };
    for (const Case& c : {Case{"Speed - Slow", 1}, Case{"Speed - Fast", 12}, Case{"Speed - Normal", 5}})
    {
        SCOPED_TRACE(c.label);
        Choose(_("&Animation"), c.label);
        EXPECT_EQ(timer::GetSpeed(), c.speed);
        EXPECT_EQ(m_frame->GetSpeedSlider()->GetValue(), c.speed);
    }
    wxSlider* slider = m_frame->GetSpeedSlider();
    slider->SetValue(23);
    wxScrollEvent moved(wxEVT_SCROLL_CHANGED, slider->GetId(), 23, wxHORIZONTAL);
    moved.SetEventObject(slider);
    slider->ProcessWindowEvent(moved);
    EXPECT_EQ(timer::GetSpeed(), 23);
}

TEST_F(ViewWindowTest, IdleDrawsOnlyAfterATickThatChangedSomething)
{
    sceneprobe::FillRecordSet(g_points, g_lines);
    m_frame->RebuildScene();
    timer::SetPaused(true);
    timer::Tick();
    s32 before = g_lineNodeId;
    testsupport::Pump(100);
    EXPECT_EQ(FramesSince(before), 0) << "paused: no frames";

    timer::SetPaused(false);
    timer::Tick(); // playing: the time moves
    EXPECT_TRUE(timer::IsRedrawRequested());
    before = g_lineNodeId;
    wxIdleEvent idle;
    m_frame->ProcessWindowEvent(idle);
    EXPECT_EQ(FramesSince(before), 1);
    EXPECT_TRUE(timer::IsRedrawRequested()) << "the tick, not the frame, clears the request";
}

TEST_F(ViewWindowTest, AFailedDeviceDrawsNothingUntilALaterPaintSucceeds)
{
    sceneprobe::FillRecordSet(g_points, g_lines);
    // A driver this platform does not have: the engine gives no device.
    g_creationParams.DriverType = video::EDT_DIRECT3D9;
    ASSERT_TRUE(Repaint());
    EXPECT_EQ(g_device, nullptr);
    EXPECT_EQ(g_sceneManager, nullptr);
    const s32 before = g_lineNodeId;
    m_frame->RebuildScene();
    Choose(_("&Camera"), _("Zoom Out"));
    EXPECT_EQ(g_lineNodeId, before);
    EXPECT_FALSE(m_frame->CaptureView().IsOk());

    g_creationParams.DriverType = video::EDT_BURNINGSVIDEO;
    ASSERT_TRUE(Repaint());
    ASSERT_NE(g_device, nullptr);
    EXPECT_TRUE(m_frame->CaptureView().IsOk());
    EXPECT_EQ(SceneNow().spheres.size(), 4u);
}

TEST_F(ViewWindowTest, APaintAfterCloseNeitherUsesNorRecreatesTheDevice)
{
    m_frame->Close(true);
    EXPECT_EQ(g_device, nullptr);
    EXPECT_EQ(g_clock, nullptr);
    EXPECT_FALSE(timer::IsRedrawRequested());
    // The window is only deleted at the next idle time; paint it before that.
    const int paintsBefore = m_frame->paints;
    m_frame->GetViewPanel()->Refresh();
    m_frame->GetViewPanel()->Update();
    EXPECT_GT(m_frame->paints, paintsBefore);
    EXPECT_EQ(g_device, nullptr);
    m_frame->RebuildScene();
    EXPECT_EQ(g_device, nullptr);
    testsupport::Pump(50);
    m_frame = nullptr;
}

TEST_F(ViewWindowTest, ExitShutsTheViewDown)
{
    Command(wxID_EXIT);
    EXPECT_EQ(g_device, nullptr);
    EXPECT_EQ(g_clock, nullptr);
    testsupport::Pump(50);
    m_frame = nullptr;
}

} // namespace
