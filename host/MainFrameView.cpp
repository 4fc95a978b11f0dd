// The 3D view's life on the main window: device, frames, camera, time and effect commands.
#include "MainFrame.h"

#include <wx/bitmap.h>
#include <wx/dcclient.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/slider.h>
#include <wx/tglbtn.h>

#include "Clock.h"
#include "EngineDisplay.h"
#include "Globals.h"
#include "NativeView.h"
#include "SceneBuilder.h"

namespace
{

// The X connection g_device opened; it goes with the device (the engine would keep it).
void* s_deviceConnection = nullptr;

void DropDevice()
{
    g_device->drop();
    g_device = nullptr;
    g_sceneManager = nullptr;
    EngineDisplay::CloseConnection(s_deviceConnection);
    s_deviceConnection = nullptr;
}

} // namespace

bool MainFrame::CreateViewDevice()
{
    const wxSize size = m_viewPanel->GetSize();
    g_creationParams.WindowSize = irr::core::dimension2du(size.GetWidth(), size.GetHeight());
    g_creationParams.Bits = 16;
    g_creationParams.DriverType = irr::video::EDT_BURNINGSVIDEO;
    m_viewHandle = NativeViewHandle(m_viewPanel);
    g_creationParams.WindowId = m_viewHandle;
    return OpenDevice();
}

bool MainFrame::OpenDevice()
{
    // Without the panel's own window the engine would open a window of its own instead.
    if (!m_viewHandle)
        return false;
    const irr::core::dimension2du& size = g_creationParams.WindowSize;
    if (size.Width == 0 || size.Height == 0)
        return false;
    if (g_device)
    {
        // Left by another main window: there is one device for the process.
        DropDevice();
    }
    g_creationParams.WindowId = m_viewHandle;
    g_device = EngineDisplay::CreateDevice(g_creationParams, &s_deviceConnection);
    g_sceneManager = g_device ? g_device->getSceneManager() : nullptr;
    if (!g_device)
        return false;
    m_sceneBuilder = new SceneBuilder(g_device);
    return true;
}

void MainFrame::ReleaseDevice()
{
    if (m_sceneBuilder && g_device && m_sceneBuilder->GetDevice() == g_device)
        DropDevice();
    delete m_sceneBuilder;
    m_sceneBuilder = nullptr;
}

SceneBuilder* MainFrame::CurrentBuilder() const
{
    if (m_viewClosed || !m_sceneBuilder || !g_device || m_sceneBuilder->GetDevice() != g_device)
        return nullptr;
    return m_sceneBuilder;
}

void MainFrame::ShutDownView()
{
    if (m_viewClosed)
        return;
    timer::SetRedrawRequested(false);
    delete g_clock;
    g_clock = nullptr;
    ReleaseDevice();
    m_viewClosed = true;
}

void MainFrame::RebuildScene()
{
    if (SceneBuilder* builder = CurrentBuilder())
        builder->RebuildScene(g_points, g_lines, *timer::ActiveCamera());
}

wxImage MainFrame::CaptureView() const
{
    const SceneBuilder* builder = CurrentBuilder();
    return builder && builder->HasDrawn() ? CaptureFrame(g_device) : wxImage();
}

void MainFrame::OnClose(wxCloseEvent&)
{
    ShutDownView();
    Destroy();
}

void MainFrame::OnExit(wxCommandEvent&)
{
    ShutDownView();
    Destroy();
}

void MainFrame::OnIdle(wxIdleEvent& event)
{
    if (timer::IsRedrawRequested())
        RebuildScene();
    event.Skip();
}

void MainFrame::OnPaint(wxPaintEvent&)
{
    if (m_viewClosed)
    {
        // The device is gone for good; just answer the paint request.
        wxPaintDC dc(m_viewPanel);
        return;
    }
    ReleaseDevice();
    const wxSize size = m_viewPanel->GetSize();
    g_creationParams.WindowSize = irr::core::dimension2du(size.GetWidth(), size.GetHeight());
    OpenDevice();

    wxPaintDC dc(m_viewPanel);
    RebuildScene();
    // GTK shows what this handler paints through the paint context once it returns, over
    // anything the engine put into the window meanwhile; so the frame goes that way too.
    const wxImage frame = CaptureView();
    if (frame.IsOk())
        dc.DrawBitmap(wxBitmap(frame), 0, 0, false);
}

wxMenuItem* MainFrame::FindViewItem(const wxString& menu, const wxString& label) const
{
    const int id = m_menubar->FindMenuItem(menu, label);
    return id == wxNOT_FOUND ? nullptr : m_menubar->FindItem(id);
}

void MainFrame::OnCameraUp(wxCommandEvent&)
{
    if (ClockCommands::CameraUp(*timer::ActiveCamera()))
        RebuildScene();
}

void MainFrame::OnCameraDown(wxCommandEvent&)
{
    if (ClockCommands::CameraDown(*timer::ActiveCamera()))
        RebuildScene();
}

void MainFrame::OnCameraLeft(wxCommandEvent&)
{
    if (ClockCommands::CameraLeft(*timer::ActiveCamera()))
        RebuildScene();
}

void MainFrame::OnCameraRight(wxCommandEvent&)
{
    if (ClockCommands::CameraRight(*timer::ActiveCamera()))
        RebuildScene();
}

void MainFrame::OnZoomIn(wxCommandEvent&)
{
    if (ClockCommands::ZoomIn(*timer::ActiveCamera()))
        RebuildScene();
}

void MainFrame::OnZoomOut(wxCommandEvent&)
{
    if (ClockCommands::ZoomOut(*timer::ActiveCamera()))
        RebuildScene();
}

void MainFrame::OnDefaultCamera(wxCommandEvent&)
{
    ClockCommands::DefaultCamera(*timer::ActiveCamera(), m_activePlugin);
    RebuildScene();
}

void MainFrame::OnSpeedSlow(wxCommandEvent&)
{
    timer::SetSpeed(1);
    m_speedSlider->SetValue(1);
}

void MainFrame::OnSpeedNormal(wxCommandEvent&)
{
    timer::SetSpeed(5);
    m_speedSlider->SetValue(5);
}

void MainFrame::OnSpeedFast(wxCommandEvent&)
{
    timer::SetSpeed(12);
    m_speedSlider->SetValue(12);
}

void MainFrame::OnSpeedSlider(wxScrollEvent&)
{
    timer::SetSpeed(static_cast<short>(m_speedSlider->GetValue()));
}

void MainFrame::OnDecrementTime(wxCommandEvent&)
{
    if (ClockCommands::DecrementTime())
        RebuildScene();
}

void MainFrame::OnIncrementTime(wxCommandEvent&)
{
    if (ClockCommands::IncrementTime())
        RebuildScene();
}

void MainFrame::OnBackground(wxCommandEvent&)
{
    if (wxMenuItem* item = FindViewItem(_("&Effects"), _("Background")))
    {
        SkyBoxEnabled = item->IsChecked();
        RebuildScene();
    }
}

void MainFrame::OnLabels(wxCommandEvent&)
{
    if (wxMenuItem* item = FindViewItem(_("&Effects"), _("Labels")))
    {
        LabelsEnabled = item->IsChecked();
        RebuildScene();
    }
}

void MainFrame::OnDrawingEffect(wxCommandEvent&)
{
    if (wxMenuItem* item = FindViewItem(_("&Effects"), _("Drawing Effect")))
        timer::SetDrawingEffect(item->IsChecked());
    ResetAnimation();
}

void MainFrame::OnPause(wxCommandEvent&)
{
    if (wxMenuItem* item = FindViewItem(_("&Animation"), _("Pause")))
        timer::SetPaused(item->IsChecked());
    m_pauseButton->SetValue(timer::IsPaused());
}

void MainFrame::OnRotate(wxCommandEvent&)
{
    if (wxMenuItem* item = FindViewItem(_("&Animation"), _("Rotate")))
        timer::SetRotating(item->IsChecked());
    m_rotateButton->SetValue(timer::IsRotating());
}

void MainFrame::OnPauseButton(wxCommandEvent& event)
{
    if (wxMenuItem* item = FindViewItem(_("&Animation"), _("Pause")))
        item->Check(!item->IsChecked());
    OnPause(event);
}

void MainFrame::OnRotateButton(wxCommandEvent& event)
{
    if (wxMenuItem* item = FindViewItem(_("&Animation"), _("Rotate")))
        item->Check(!item->IsChecked());
    OnRotate(event);
}
