// Shared by the tests that drive the real toolkit: event pumping, folders, the run folder.
#include "TestSupport.h"

#include <chrono>
#include <cstdlib>
#include <thread>

#include <wx/app.h>
#include <wx/dir.h>
#include <wx/evtloop.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/utils.h>

namespace testsupport
{

void Pump(int milliseconds)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    do
    {
        wxTheApp->ProcessPendingEvents();
        wxYield();
        wxTheApp->ProcessIdle();
        if (milliseconds > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    } while (std::chrono::steady_clock::now() < until);
    wxYield();
}

wxString RunDir() { return NODEWEAVE_RUN_DIR; }

TempDir::TempDir(const wxString& prefix)
{
    wxString pattern = wxFileName::GetTempDir() + "/" + prefix + "-XXXXXX";
    wxCharBuffer buffer = pattern.utf8_str();
    char* made = mkdtemp(buffer.data());
    m_path = made ? wxString::FromUTF8(made) : wxString();
}

TempDir::~TempDir()
{
    if (!m_path.empty())
    {
        // Tests make folders read-only on purpose; give the owner back its rights first.
        wxExecute("chmod -R u+rwx \"" + m_path + "\"", wxEXEC_SYNC);
        wxFileName::Rmdir(m_path, wxPATH_RMDIR_RECURSIVE);
    }
}

ScopedCwd::ScopedCwd(const wxString& dir) : m_previous(wxGetCwd()) { wxSetWorkingDirectory(dir); }

ScopedCwd::~ScopedCwd() { wxSetWorkingDirectory(m_previous); }

} // namespace testsupport
