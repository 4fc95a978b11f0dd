// The main window with behaviour: plug-in registry, the 3D view's commands and the exports.
#pragma once

#include <wx/dynlib.h>
#include <wx/image.h>
#include <wx/list.h>

#include "MainFrameBase.h"
#include "weavekit/Plugin.h"

class SceneBuilder;
class wxMenuItem;

WX_DECLARE_LIST(IPlugin, PluginList);
WX_DECLARE_LIST(wxDynamicLibrary, LibraryList);

class MainFrame : public MainFrameBase, public IPluginManager
{
public:
    explicit MainFrame(wxWindow* parent = nullptr);
    ~MainFrame() override;

    // IPluginManager
    wxSizer* GetParameterSizer() override;
    wxWindow* GetMainWindow() override;
    void RebuildScene() override;
    void ReloadNetwork() override;
    void ResetAnimation() override;
    void ResetAnimationParts(bool resetTime, bool resetDrawing) override;

    virtual void EditColour(wxColour& colour);

    // What tests and the benchmark inspect.
    size_t GetPluginCount() const { return m_plugins.GetCount(); }
    IPlugin* GetActivePlugin() const { return m_activePlugin; }
    wxMenu* GetPluginsMenu() const { return m_menuPlugins; }
    wxPanel* GetViewPanel() const { return m_viewPanel; }
    wxHtmlWindow* GetHtmlWindow() const { return m_htmlWindow; }
    wxToggleButton* GetPauseButton() const { return m_pauseButton; }
    wxToggleButton* GetRotateButton() const { return m_rotateButton; }
    wxSlider* GetSpeedSlider() const { return m_speedSlider; }
    // The last frame drawn, at the view panel's size; invalid before the first frame.
    wxImage CaptureView() const;

protected:
    void OnClose(wxCloseEvent& event) override;
    void OnIdle(wxIdleEvent& event) override;
    void OnSaveBitmap(wxCommandEvent& event) override;
    void OnSaveAnimation(wxCommandEvent& event) override;
    void OnExit(wxCommandEvent& event) override;
    void OnCameraUp(wxCommandEvent& event) override;
    void OnCameraDown(wxCommandEvent& event) override;
    void OnCameraLeft(wxCommandEvent& event) override;
    void OnCameraRight(wxCommandEvent& event) override;
    void OnZoomIn(wxCommandEvent& event) override;
    void OnZoomOut(wxCommandEvent& event) override;
    void OnDefaultCamera(wxCommandEvent& event) override;
    void OnBackgroundColour(wxCommandEvent& event) override;
    void OnNormalPointsColour(wxCommandEvent& event) override;
    void OnNormalLinesColour(wxCommandEvent& event) override;
    void OnSelectedPointsColour(wxCommandEvent& event) override;
    void OnRoutedLinesColour(wxCommandEvent& event) override;
    void OnNestedPointsColour(wxCommandEvent& event) override;
    void OnNestedLinesColour(wxCommandEvent& event) override;
    void OnNormalLabelsColour(wxCommandEvent& event) override;
    void OnVisitedLabelsColour(wxCommandEvent& event) override;
    void OnDefaultColours(wxCommandEvent& event) override;
    void OnRotate(wxCommandEvent& event) override;
    void OnSpeedSlow(wxCommandEvent& event) override;
    void OnSpeedNormal(wxCommandEvent& event) override;
    void OnSpeedFast(wxCommandEvent& event) override;
    void OnDecrementTime(wxCommandEvent& event) override;
    void OnIncrementTime(wxCommandEvent& event) override;
    void OnPause(wxCommandEvent& event) override;
    void OnBackground(wxCommandEvent& event) override;
    void OnDrawingEffect(wxCommandEvent& event) override;
    void OnLabels(wxCommandEvent& event) override;
    void OnPauseButton(wxCommandEvent& event) override;
    void OnSpeedSlider(wxScrollEvent& event) override;
    void OnRotateButton(wxCommandEvent& event) override;
    void OnPaint(wxPaintEvent& event) override;

    void OnPluginMenu(wxCommandEvent& event);
    void OnCharHook(wxKeyEvent& event);

private:
    void LoadPlugins();
    void FillPluginMenu();
    // Creates g_device on the view panel at its current size; false if that failed.
    bool CreateViewDevice();
    // Shuts the view down: no more frames, clock stopped, device released.
    void ShutDownView();
    // Creates g_device from g_creationParams as it stands, with its frame builder.
    bool OpenDevice();
    // Gives up g_device (if it is this window's) and its frame builder.
    void ReleaseDevice();
    // The builder for g_device, or null when there is no device to draw with.
    SceneBuilder* CurrentBuilder() const;
    // A check item found by menu title and label, as the menu bar's look-up finds it.
    wxMenuItem* FindViewItem(const wxString& menu, const wxString& label) const;

    PluginList m_plugins;
    LibraryList m_libraries;
    IPlugin* m_activePlugin;
    bool m_viewClosed = false;
    SceneBuilder* m_sceneBuilder = nullptr;
    void* m_viewHandle = nullptr;   // the native window the 3D device draws into
};
