// The 3D view's life on the main window: device, frames, camera, time and effect commands.
#include "MainFrame.h"

#include "Clock.h"
#include "Globals.h"

// Placeholder until the render view lands: frames are not drawn yet.
bool MainFrame::CreateViewDevice() { return false; }
void MainFrame::ShutDownView()
{
    if (m_viewClosed)
        return;
    m_viewClosed = true;
    timer::SetRedrawRequested(false);
    delete g_clock;
    g_clock = nullptr;
}
void MainFrame::RebuildScene() {}
wxImage MainFrame::CaptureView() const { return wxImage(); }
void MainFrame::OnClose(wxCloseEvent&) { ShutDownView(); Destroy(); }
void MainFrame::OnExit(wxCommandEvent&) { ShutDownView(); Destroy(); }
void MainFrame::OnIdle(wxIdleEvent&) {}
void MainFrame::OnPaint(wxPaintEvent& event) { event.Skip(); }
void MainFrame::OnCameraUp(wxCommandEvent&) {}
void MainFrame::OnCameraDown(wxCommandEvent&) {}
void MainFrame::OnCameraLeft(wxCommandEvent&) {}
void MainFrame::OnCameraRight(wxCommandEvent&) {}
void MainFrame::OnZoomIn(wxCommandEvent&) {}
void MainFrame::OnZoomOut(wxCommandEvent&) {}
void MainFrame::OnDefaultCamera(wxCommandEvent&) {}
void MainFrame::OnRotate(wxCommandEvent&) {}
void MainFrame::OnSpeedSlow(wxCommandEvent&) {}
void MainFrame::OnSpeedNormal(wxCommandEvent&) {}
void MainFrame::OnSpeedFast(wxCommandEvent&) {}
void MainFrame::OnDecrementTime(wxCommandEvent&) {}
void MainFrame::OnIncrementTime(wxCommandEvent&) {}
void MainFrame::OnPause(wxCommandEvent&) {}
void MainFrame::OnBackground(wxCommandEvent&) {}
void MainFrame::OnDrawingEffect(wxCommandEvent&) {}
void MainFrame::OnLabels(wxCommandEvent&) {}
void MainFrame::OnPauseButton(wxCommandEvent&) {}
void MainFrame::OnSpeedSlider(wxScrollEvent&) {}
void MainFrame::OnRotateButton(wxCommandEvent&) {}
