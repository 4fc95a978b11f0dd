// The main window without behaviour: widgets, menus, tool bar and the handlers they reach.
#pragma once

#include <vector>

#include <wx/frame.h>

class wxBoxSizer;
class wxHtmlWindow;
class wxMenu;
class wxMenuBar;
class wxPanel;
class wxSlider;
class wxStatusBar;
class wxToggleButton;
class wxToolBar;

class MainFrameBase : public wxFrame
{
public:
    MainFrameBase(wxWindow* parent, wxWindowID id, const wxString& title,
                  const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxSize(1000, 660),
                  long style = wxDEFAULT_FRAME_STYLE | wxTAB_TRAVERSAL);
    ~MainFrameBase() override;

    // Tool ids of the tool bar, left to right.
    enum
    {
        ID_TOOL_SAVE_BITMAP = 1000,
        ID_TOOL_SAVE_ANIMATION,
        ID_TOOL_LEFT,
        ID_TOOL_RIGHT,
        ID_TOOL_UP,
        ID_TOOL_DOWN,
        ID_TOOL_ZOOM_IN,
        ID_TOOL_ZOOM_OUT,
        ID_TOOL_DEFAULT_CAMERA,
        ID_TOOL_DECREMENT_TIME,
        ID_TOOL_INCREMENT_TIME
    };

protected:
    wxMenuBar* m_menubar;
    wxMenu* m_menuFile;
    wxMenu* m_menuPlugins;
    wxMenu* m_menuCamera;
    wxMenu* m_menuColours;
    wxMenu* m_menuAnimation;
    wxMenu* m_menuEffects;
    wxStatusBar* m_statusBar;
    wxToolBar* m_toolBar;
    wxToggleButton* m_pauseButton;
    wxSlider* m_speedSlider;
    wxToggleButton* m_rotateButton;
    wxPanel* m_viewPanel;
    wxHtmlWindow* m_htmlWindow;
    wxBoxSizer* m_parameterSizer;

    virtual void OnClose(wxCloseEvent& event) { event.Skip(); }
    virtual void OnIdle(wxIdleEvent& event) { event.Skip(); }
    virtual void OnSaveBitmap(wxCommandEvent& event) { event.Skip(); }
    virtual void OnSaveAnimation(wxCommandEvent& event) { event.Skip(); }
    virtual void OnExit(wxCommandEvent& event) { event.Skip(); }
    virtual void OnCameraUp(wxCommandEvent& event) { event.Skip(); }
    virtual void OnCameraDown(wxCommandEvent& event) { event.Skip(); }
    virtual void OnCameraLeft(wxCommandEvent& event) { event.Skip(); }
    virtual void OnCameraRight(wxCommandEvent& event) { event.Skip(); }
    virtual void OnZoomIn(wxCommandEvent& event) { event.Skip(); }
    virtual void OnZoomOut(wxCommandEvent& event) { event.Skip(); }
    virtual void OnDefaultCamera(wxCommandEvent& event) { event.Skip(); }
    virtual void OnBackgroundColour(wxCommandEvent& event) { event.Skip(); }
    virtual void OnNormalPointsColour(wxCommandEvent& event) { event.Skip(); }
    virtual void OnNormalLinesColour(wxCommandEvent& event) { event.Skip(); }
    virtual void OnSelectedPointsColour(wxCommandEvent& event) { event.Skip(); }
    virtual void OnRoutedLinesColour(wxCommandEvent& event) { event.Skip(); }
    virtual void OnNestedPointsColour(wxCommandEvent& event) { event.Skip(); }
    virtual void OnNestedLinesColour(wxCommandEvent& event) { event.Skip(); }
    virtual void OnNormalLabelsColour(wxCommandEvent& event) { event.Skip(); }
    virtual void OnVisitedLabelsColour(wxCommandEvent& event) { event.Skip(); }
    virtual void OnDefaultColours(wxCommandEvent& event) { event.Skip(); }
    virtual void OnRotate(wxCommandEvent& event) { event.Skip(); }
    virtual void OnSpeedSlow(wxCommandEvent& event) { event.Skip(); }
    virtual void OnSpeedNormal(wxCommandEvent& event) { event.Skip(); }
    virtual void OnSpeedFast(wxCommandEvent& event) { event.Skip(); }
    virtual void OnDecrementTime(wxCommandEvent& event) { event.Skip(); }
    virtual void OnIncrementTime(wxCommandEvent& event) { event.Skip(); }
    virtual void OnPause(wxCommandEvent& event) { event.Skip(); }
    virtual void OnBackground(wxCommandEvent& event) { event.Skip(); }
    virtual void OnDrawingEffect(wxCommandEvent& event) { event.Skip(); }
    virtual void OnLabels(wxCommandEvent& event) { event.Skip(); }
    virtual void OnPauseButton(wxCommandEvent& event) { event.Skip(); }
    virtual void OnSpeedSlider(wxScrollEvent& event) { event.Skip(); }
    virtual void OnRotateButton(wxCommandEvent& event) { event.Skip(); }
    virtual void OnPaint(wxPaintEvent& event) { event.Skip(); }

private:
    // One menu command: item id and the handler it runs; kept so the destructor can unbind.
    struct MenuBinding
    {
        int id;
        void (MainFrameBase::*handler)(wxCommandEvent&);
    };

    static const std::vector<MenuBinding>& ToolBindings();
    void BuildMenus();
    void BuildToolBar();
    void BuildClientArea();
    void BindEvents();
    void UnbindEvents();
    void AddMenuItem(wxMenu* menu, int id, const wxString& label, const wxString& accelerator,
                     wxItemKind kind, void (MainFrameBase::*handler)(wxCommandEvent&));

    std::vector<MenuBinding> m_menuBindings;
};
