// The main window's spine: construction order, the plug-in registry and the network choice.
#include "MainFrame.h"

#include <memory>
#include <new>

#include <wx/dir.h>
#include <wx/filefn.h>
#include <wx/html/htmlwin.h>
#include <wx/log.h>
#include <wx/accel.h>
#include <wx/menu.h>
#include <wx/sizer.h>
#include <wx/tglbtn.h>

#include <wx/listimpl.cpp>

#include "Clock.h"
#include "Globals.h"
#include "HtmlPages.h"
#include "LibraryCheck.h"

WX_DEFINE_LIST(PluginList);
WX_DEFINE_LIST(LibraryList);

MainFrame::MainFrame(wxWindow* parent)
    : MainFrameBase(parent, wxID_ANY, _("Nodeweave Visualisation"), wxDefaultPosition, wxSize(1000, 660),
                    wxDEFAULT_FRAME_STYLE | wxTAB_TRAVERSAL),
      m_activePlugin(nullptr)
{
    // Plug-in objects are released by hand in the destructor (no plug-in code may run then),
    // so only the libraries' list deletes what it holds.
    m_libraries.DeleteContents(true);
    ReadHtmFilesAsHtml();
    // Plug-ins label their controls in white; the strip they sit on must be dark for that.
    SetBackgroundColour(wxColour(60, 60, 96));

    LoadPlugins();
    FillPluginMenu();
    for (size_t k = 0; k < m_plugins.GetCount(); ++k)
        Bind(wxEVT_MENU, &MainFrame::OnPluginMenu, this, static_cast<int>(k + 1));

    Bind(wxEVT_CHAR_HOOK, &MainFrame::OnCharHook, this);

    CreateViewDevice();
    g_clock = new timer(this, this);
}

MainFrame::~MainFrame()
{
    ShutDownView();

    // Records first, while the libraries that allocated them are still loaded.
    ClearOwned(g_points);
    ClearOwned(g_lines);

    // Plug-in objects, without running plug-in code.
    for (PluginList::compatibility_iterator node = m_plugins.GetFirst(); node; node = node->GetNext())
        ReleasePlugin(node->GetData());
    m_plugins.Clear();
    m_activePlugin = nullptr;

    // The plug-in's controls go while its library is still loaded: the handlers bound to them
    // are plug-in code, and the window base would destroy them only after the unload.
    m_parameterSizer->Clear(true);

    // Then the libraries: each node unloads its library and deletes the library object.
    for (LibraryList::compatibility_iterator node = m_libraries.GetFirst(); node; node = node->GetNext())
        node->GetData()->Unload();
    m_libraries.Clear();
}

void MainFrame::LoadPlugins()
{
    const wxString folder = wxGetCwd() + "/plugins";
    if (!wxDirExists(folder))
        return;

    // Junk in the folder is skipped without telling anyone; keep the loader quiet about it.
    wxLogNull quiet;
    wxArrayString paths;
    wxDir::GetAllFiles(folder, &paths, wxEmptyString, wxDIR_FILES);
    // A stable menu from run to run, whatever order the file system lists in.
    paths.Sort();

    for (const wxString& path : paths)
    {
        wxDynamicLibrary* library = new wxDynamicLibrary();
        IPlugin* plugin = nullptr;
        if (IsCompleteLibraryFile(path) && library->Load(path, wxDL_DEFAULT) &&
            library->HasSymbol(WEAVE_CREATE_PLUGIN_SYMBOL))
        {
            CreatePluginFunction create =
                reinterpret_cast<CreatePluginFunction>(library->GetSymbol(WEAVE_CREATE_PLUGIN_SYMBOL));
            if (create)
                plugin = create(this);
        }
        if (plugin)
        {
            m_plugins.Append(plugin);
            m_libraries.Append(library);
            continue;
        }
        if (library->IsLoaded())
            library->Unload();
        delete library;
    }
}

void MainFrame::FillPluginMenu()
{
    int id = 1;
    for (PluginList::compatibility_iterator node = m_plugins.GetFirst(); node; node = node->GetNext())
        m_menuPlugins->Append(id++, node->GetData()->GetName(), wxEmptyString, wxITEM_NORMAL);
}

void MainFrame::OnPluginMenu(wxCommandEvent& event)
{
    const int index = event.GetId() - 1;
    if (index < 0 || static_cast<size_t>(index) >= m_plugins.GetCount())
        return;

    timer::SetPlaying(false);
    timer::SetRotating(false);
    ResetAnimation();
    m_activePlugin = m_plugins.Item(index)->GetData();

    m_parameterSizer->Clear(true);
    m_activePlugin->Activate(this);

    if (m_rotateButton->GetValue())
    {
        wxCommandEvent rotate(wxEVT_TOGGLEBUTTON, m_rotateButton->GetId());
        OnRotateButton(rotate);
    }

    ClockCommands::DefaultCamera(*timer::ActiveCamera(), m_activePlugin);

    Layout();

    {
        // A missing page leaves an empty pane rather than the previous network's text.
        wxLogNull quiet;
        const wxString page = "webs/" + m_activePlugin->GetName() + ".htm";
        if (!wxFileExists(page) || !m_htmlWindow->LoadPage(page))
            m_htmlWindow->SetPage("<html><body bgcolor=\"#ffffcc\"></body></html>");   // the pane's own colour
    }

    ReloadNetwork();
    RebuildScene();
}

// The description pane swallows plain keys, so the one-key camera and time commands (W, S,
// A, D, E, Q, -, +) would stop working after a click into it. While it has the focus, such a
// key runs its menu command here; everywhere else the menu's own accelerators answer.
void MainFrame::OnCharHook(wxKeyEvent& event)
{
    wxWindow* focus = wxWindow::FindFocus();
    const bool inPane = focus && (focus == m_htmlWindow || m_htmlWindow->IsDescendant(focus));
    if (!inPane || event.HasAnyModifiers())
    {
        event.Skip();
        return;
    }
    const int unicode = static_cast<int>(event.GetUnicodeKey());
    for (size_t m = 0; m < m_menubar->GetMenuCount(); ++m)
    {
        for (wxMenuItem* item : m_menubar->GetMenu(m)->GetMenuItems())
        {
            std::unique_ptr<wxAcceleratorEntry> accel(item->GetAccel());
            if (!accel || accel->GetFlags() != wxACCEL_NORMAL)
                continue;
            const int key = accel->GetKeyCode();
            if (key == event.GetKeyCode() || (unicode != WXK_NONE && key == unicode))
            {
                wxCommandEvent command(wxEVT_MENU, item->GetId());
                command.SetEventObject(this);
                ProcessWindowEvent(command);
                return;
            }
        }
    }
    event.Skip();
}

wxSizer* MainFrame::GetParameterSizer() { return m_parameterSizer; }

wxWindow* MainFrame::GetMainWindow() { return this; }

void MainFrame::ReloadNetwork()
{
    ClearOwned(g_points);
    ClearOwned(g_lines);
    if (m_activePlugin)
        m_activePlugin->GetNetwork(&g_points, &g_lines);
}

void MainFrame::ResetAnimation() { ClockCommands::ResetAnimation(); }

void MainFrame::ResetAnimationParts(bool resetTime, bool resetDrawing)
{
    ClockCommands::ResetAnimationParts(resetTime, resetDrawing);
}
