// The main window without behaviour: widgets, menus, tool bar and the handlers they reach.
#include "MainFrameBase.h"

#include <wx/bitmap.h>
#include <wx/filename.h>
#include <wx/html/htmlwin.h>
#include <wx/log.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/statusbr.h>
#include <wx/tglbtn.h>
#include <wx/toolbar.h>

namespace
{
const wxColour kToolBarColour(212, 208, 200);

// A tool picture from the run folder; a missing file gives a blank square rather than a
// broken tool, since the window must come up whatever the folder holds.
wxBitmap ToolBitmap(const wxString& file)
{
    wxBitmap bitmap;
    if (wxFileName::FileExists(file))
    {
        wxLogNull quiet;
        bitmap.LoadFile(file, wxBITMAP_TYPE_ANY);
    }
    if (!bitmap.IsOk())
        bitmap.Create(20, 20);
    return bitmap;
}
}

MainFrameBase::MainFrameBase(wxWindow* parent, wxWindowID id, const wxString& title,
                             const wxPoint& pos, const wxSize& size, long style)
    : wxFrame(parent, id, title, pos, size, style)
{
    SetSizeHints(wxDefaultSize, wxDefaultSize);
    BuildMenus();
    m_statusBar = CreateStatusBar(1, wxST_SIZEGRIP, wxID_ANY);
    BuildToolBar();
    BuildClientArea();
    BindEvents();
}

MainFrameBase::~MainFrameBase()
{
    UnbindEvents();
}

void MainFrameBase::AddMenuItem(wxMenu* menu, int id, const wxString& label, const wxString& accelerator,
                                wxItemKind kind, void (MainFrameBase::*handler)(wxCommandEvent&))
{
    wxMenuItem* item = new wxMenuItem(menu, id, label + wxT("\t") + accelerator, wxEmptyString, kind);
    menu->Append(item);
    m_menuBindings.push_back(MenuBinding{item->GetId(), handler});
}

void MainFrameBase::BuildMenus()
{
    m_menubar = new wxMenuBar(0);

    m_menuFile = new wxMenu();
    AddMenuItem(m_menuFile, wxID_ANY, _("&Save Bitmap As..."), "Ctrl+S", wxITEM_NORMAL, &MainFrameBase::OnSaveBitmap);
    AddMenuItem(m_menuFile, wxID_ANY, _("Save &Animation As..."), "Ctrl+A", wxITEM_NORMAL, &MainFrameBase::OnSaveAnimation);
    m_menuFile->AppendSeparator();
    AddMenuItem(m_menuFile, wxID_EXIT, _("E&xit"), "Alt+X", wxITEM_NORMAL, &MainFrameBase::OnExit);

    m_menuPlugins = new wxMenu();

    m_menuCamera = new wxMenu();
    AddMenuItem(m_menuCamera, wxID_ANY, _("Up"), "W", wxITEM_NORMAL, &MainFrameBase::OnCameraUp);
    AddMenuItem(m_menuCamera, wxID_ANY, _("Down"), "S", wxITEM_NORMAL, &MainFrameBase::OnCameraDown);
    AddMenuItem(m_menuCamera, wxID_ANY, _("Left"), "A", wxITEM_NORMAL, &MainFrameBase::OnCameraLeft);
    AddMenuItem(m_menuCamera, wxID_ANY, _("Right"), "D", wxITEM_NORMAL, &MainFrameBase::OnCameraRight);
    AddMenuItem(m_menuCamera, wxID_ANY, _("Zoom In"), "E", wxITEM_NORMAL, &MainFrameBase::OnZoomIn);
    AddMenuItem(m_menuCamera, wxID_ANY, _("Zoom Out"), "Q", wxITEM_NORMAL, &MainFrameBase::OnZoomOut);
    m_menuCamera->AppendSeparator();
    AddMenuItem(m_menuCamera, wxID_ANY, _("Default Camera Position"), "Ctrl+D", wxITEM_NORMAL, &MainFrameBase::OnDefaultCamera);

    m_menuColours = new wxMenu();
    AddMenuItem(m_menuColours, wxID_ANY, _("Background..."), "Shift+B", wxITEM_NORMAL, &MainFrameBase::OnBackgroundColour);
    m_menuColours->AppendSeparator();
    AddMenuItem(m_menuColours, wxID_ANY, _("Normal Points..."), "Shift+P", wxITEM_NORMAL, &MainFrameBase::OnNormalPointsColour);
    AddMenuItem(m_menuColours, wxID_ANY, _("Normal Lines..."), "Shift+L", wxITEM_NORMAL, &MainFrameBase::OnNormalLinesColour);
    m_menuColours->AppendSeparator();
    AddMenuItem(m_menuColours, wxID_ANY, _("Selected Points..."), "Shift+S", wxITEM_NORMAL, &MainFrameBase::OnSelectedPointsColour);
    AddMenuItem(m_menuColours, wxID_ANY, _("Routed Lines..."), "Shift+R", wxITEM_NORMAL, &MainFrameBase::OnRoutedLinesColour);
    m_menuColours->AppendSeparator();
    AddMenuItem(m_menuColours, wxID_ANY, _("Nested Points..."), "Shift+N", wxITEM_NORMAL, &MainFrameBase::OnNestedPointsColour);
    AddMenuItem(m_menuColours, wxID_ANY, _("Nested Lines..."), "Shift+E", wxITEM_NORMAL, &MainFrameBase::OnNestedLinesColour);
    m_menuColours->AppendSeparator();
    AddMenuItem(m_menuColours, wxID_ANY, _("Normal Labels..."), "Shift+A", wxITEM_NORMAL, &MainFrameBase::OnNormalLabelsColour);
    AddMenuItem(m_menuColours, wxID_ANY, _("Visited Labels..."), "Shift+V", wxITEM_NORMAL, &MainFrameBase::OnVisitedLabelsColour);
    m_menuColours->AppendSeparator();
    AddMenuItem(m_menuColours, wxID_ANY, _("Default Colours"), "Shift+D", wxITEM_NORMAL, &MainFrameBase::OnDefaultColours);

    m_menuAnimation = new wxMenu();
    AddMenuItem(m_menuAnimation, wxID_ANY, _("Rotate"), "Ctrl+R", wxITEM_CHECK, &MainFrameBase::OnRotate);
    m_menuAnimation->AppendSeparator();
    AddMenuItem(m_menuAnimation, wxID_ANY, _("Speed - Slow"), "Shift+1", wxITEM_NORMAL, &MainFrameBase::OnSpeedSlow);
    AddMenuItem(m_menuAnimation, wxID_ANY, _("Speed - Normal"), "Shift+2", wxITEM_NORMAL, &MainFrameBase::OnSpeedNormal);
    AddMenuItem(m_menuAnimation, wxID_ANY, _("Speed - Fast"), "Shift+3", wxITEM_NORMAL, &MainFrameBase::OnSpeedFast);
    m_menuAnimation->AppendSeparator();
    AddMenuItem(m_menuAnimation, wxID_ANY, _("Decrement Time"), "-", wxITEM_NORMAL, &MainFrameBase::OnDecrementTime);
    AddMenuItem(m_menuAnimation, wxID_ANY, _("Increment Time"), "+", wxITEM_NORMAL, &MainFrameBase::OnIncrementTime);
    m_menuAnimation->AppendSeparator();
    AddMenuItem(m_menuAnimation, wxID_ANY, _("Pause"), "Ctrl+P", wxITEM_CHECK, &MainFrameBase::OnPause);

    m_menuEffects = new wxMenu();
    AddMenuItem(m_menuEffects, wxID_ANY, _("Background"), "Alt+B", wxITEM_CHECK, &MainFrameBase::OnBackground);
    AddMenuItem(m_menuEffects, wxID_ANY, _("Drawing Effect"), "Alt+D", wxITEM_CHECK, &MainFrameBase::OnDrawingEffect);
    AddMenuItem(m_menuEffects, wxID_ANY, _("Labels"), "Alt+L", wxITEM_CHECK, &MainFrameBase::OnLabels);
    m_menuEffects->Check(m_menuBindings.back().id, true);

    m_menubar->Append(m_menuFile, _("&File"));
    m_menubar->Append(m_menuPlugins, _("&Plugins"));
    m_menubar->Append(m_menuCamera, _("&Camera"));
    m_menubar->Append(m_menuColours, _("&Colours"));
    m_menubar->Append(m_menuAnimation, _("&Animation"));
    m_menubar->Append(m_menuEffects, _("&Effects"));
    SetMenuBar(m_menubar);
}

void MainFrameBase::BuildToolBar()
{
    m_toolBar = CreateToolBar(wxTB_HORIZONTAL | wxTB_FLAT, wxID_ANY);
    m_toolBar->SetToolBitmapSize(wxSize(20, 20));
    m_toolBar->SetBackgroundColour(kToolBarColour);

    auto addTool = [this](int id, const wxString& label, const wxString& file) {
        m_toolBar->AddTool(id, label, ToolBitmap(file), wxNullBitmap, wxITEM_NORMAL, label, wxEmptyString);
    };
    wxFont bold(wxNORMAL_FONT->GetPointSize(), wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL,
                wxFONTWEIGHT_BOLD, false, wxEmptyString);

    addTool(ID_TOOL_SAVE_BITMAP, _("Save Bitmap"), "bitmaps/saveBitmap.bmp");
    addTool(ID_TOOL_SAVE_ANIMATION, _("Save Animation"), "bitmaps/saveAnimation.bmp");
    m_toolBar->AddSeparator();
    addTool(ID_TOOL_LEFT, _("Left Rotation"), "bitmaps/left.bmp");
    addTool(ID_TOOL_RIGHT, _("Right Rotation"), "bitmaps/right.bmp");
    addTool(ID_TOOL_UP, _("Camera Up"), "bitmaps/up.bmp");
    addTool(ID_TOOL_DOWN, _("Camera Down"), "bitmaps/down.bmp");
    addTool(ID_TOOL_ZOOM_IN, _("Zoom In"), "bitmaps/zoomIn.bmp");
    addTool(ID_TOOL_ZOOM_OUT, _("Zoom Out"), "bitmaps/zoomOut.bmp");
    addTool(ID_TOOL_DEFAULT_CAMERA, _("Default Camera Position"), "bitmaps/default.bmp");
    m_toolBar->AddSeparator();
    addTool(ID_TOOL_DECREMENT_TIME, _("Decrement Time"), "bitmaps/decrTime.bmp");

    m_pauseButton = new wxToggleButton(m_toolBar, wxID_ANY, _("Pause"), wxDefaultPosition, wxDefaultSize, wxSUNKEN_BORDER);
    m_pauseButton->SetFont(bold);
    m_toolBar->AddControl(m_pauseButton);

    addTool(ID_TOOL_INCREMENT_TIME, _("Increment Time"), "bitmaps/incrTime.bmp");

    m_speedSlider = new wxSlider(m_toolBar, wxID_ANY, 5, 0, 30, wxDefaultPosition, wxDefaultSize, wxSL_HORIZONTAL);
    m_speedSlider->SetBackgroundColour(kToolBarColour);
    m_speedSlider->SetToolTip(_("Speed"));
    m_toolBar->AddControl(m_speedSlider);

    m_rotateButton = new wxToggleButton(m_toolBar, wxID_ANY, _("Rotate"), wxDefaultPosition, wxDefaultSize, wxSUNKEN_BORDER);
    m_rotateButton->SetFont(bold);
    m_toolBar->AddControl(m_rotateButton);
    m_toolBar->AddSeparator();

    m_toolBar->Realize();
}

void MainFrameBase::BuildClientArea()
{
    wxBoxSizer* mainSizer = new wxBoxSizer(wxVERTICAL);
    wxBoxSizer* topSizer = new wxBoxSizer(wxHORIZONTAL);

    m_viewPanel = new wxPanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxFULL_REPAINT_ON_RESIZE);
    m_viewPanel->SetBackgroundColour(wxColour(90, 90, 140));
    m_viewPanel->Enable(false);
    m_viewPanel->SetMinSize(wxSize(-1, 440));
    topSizer->Add(m_viewPanel, 9, wxEXPAND | wxALL, 5);

    m_htmlWindow = new wxHtmlWindow(this, wxID_ANY, wxDefaultPosition, wxSize(300, -1), wxHW_SCROLLBAR_AUTO, "htmlWindow");
    m_htmlWindow->SetBackgroundColour(wxColour(255, 255, 204));
    topSizer->Add(m_htmlWindow, 0, wxEXPAND | wxTOP | wxBOTTOM | wxRIGHT, 5);

    mainSizer->Add(topSizer, 13, wxEXPAND, 5);

    m_parameterSizer = new wxBoxSizer(wxHORIZONTAL);
    m_parameterSizer->SetMinSize(wxSize(-1, 110));
    // An empty sizer counts as hidden and would collapse to nothing; the strut keeps the
    // strip's 110 pixels while no plug-in has put controls into it.
    wxBoxSizer* stripRow = new wxBoxSizer(wxHORIZONTAL);
    stripRow->Add(0, 110, 0);
    stripRow->Add(m_parameterSizer, 1, wxEXPAND);
    mainSizer->Add(stripRow, 0, wxEXPAND | wxBOTTOM | wxLEFT | wxRIGHT, 5);

    SetSizer(mainSizer);
    Layout();
    Centre(wxBOTH);
}

// Tools run the same handlers as the menu items they mirror.
const std::vector<MainFrameBase::MenuBinding>& MainFrameBase::ToolBindings()
{
    static const std::vector<MenuBinding> tools = {
        {ID_TOOL_SAVE_BITMAP, &MainFrameBase::OnSaveBitmap},
        {ID_TOOL_SAVE_ANIMATION, &MainFrameBase::OnSaveAnimation},
        {ID_TOOL_LEFT, &MainFrameBase::OnCameraLeft},
        {ID_TOOL_RIGHT, &MainFrameBase::OnCameraRight},
        {ID_TOOL_UP, &MainFrameBase::OnCameraUp},
        {ID_TOOL_DOWN, &MainFrameBase::OnCameraDown},
        {ID_TOOL_ZOOM_IN, &MainFrameBase::OnZoomIn},
        {ID_TOOL_ZOOM_OUT, &MainFrameBase::OnZoomOut},
        {ID_TOOL_DEFAULT_CAMERA, &MainFrameBase::OnDefaultCamera},
        {ID_TOOL_DECREMENT_TIME, &MainFrameBase::OnDecrementTime},
        {ID_TOOL_INCREMENT_TIME, &MainFrameBase::OnIncrementTime},
    };
    return tools;
}

void MainFrameBase::BindEvents()
{
    Bind(wxEVT_CLOSE_WINDOW, &MainFrameBase::OnClose, this);
    Bind(wxEVT_IDLE, &MainFrameBase::OnIdle, this);
    for (const MenuBinding& binding : m_menuBindings)
        Bind(wxEVT_MENU, binding.handler, this, binding.id);
    for (const MenuBinding& tool : ToolBindings())
        Bind(wxEVT_MENU, tool.handler, this, tool.id);
    m_pauseButton->Bind(wxEVT_TOGGLEBUTTON, &MainFrameBase::OnPauseButton, this);
    m_speedSlider->Bind(wxEVT_SCROLL_CHANGED, &MainFrameBase::OnSpeedSlider, this);
    m_rotateButton->Bind(wxEVT_TOGGLEBUTTON, &MainFrameBase::OnRotateButton, this);
    m_viewPanel->Bind(wxEVT_PAINT, &MainFrameBase::OnPaint, this);
}

void MainFrameBase::UnbindEvents()
{
    Unbind(wxEVT_CLOSE_WINDOW, &MainFrameBase::OnClose, this);
    Unbind(wxEVT_IDLE, &MainFrameBase::OnIdle, this);
    for (const MenuBinding& binding : m_menuBindings)
        Unbind(wxEVT_MENU, binding.handler, this, binding.id);
    for (const MenuBinding& tool : ToolBindings())
        Unbind(wxEVT_MENU, tool.handler, this, tool.id);
    m_pauseButton->Unbind(wxEVT_TOGGLEBUTTON, &MainFrameBase::OnPauseButton, this);
    m_speedSlider->Unbind(wxEVT_SCROLL_CHANGED, &MainFrameBase::OnSpeedSlider, this);
    m_rotateButton->Unbind(wxEVT_TOGGLEBUTTON, &MainFrameBase::OnRotateButton, this);
    m_viewPanel->Unbind(wxEVT_PAINT, &MainFrameBase::OnPaint, this);
}
