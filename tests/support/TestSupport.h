// Shared by the tests that drive the real toolkit: event pumping, folders, the run folder.
#pragma once

#include <wx/string.h>

namespace testsupport
{

// Lets the toolkit handle everything pending (paints, idle, timers) for at least ms.
void Pump(int milliseconds = 0);

// The staged run folder (program, plugins/, bitmaps/, webs/).
wxString RunDir();

// A fresh empty folder under the system's temporary folder, removed by the destructor.
class TempDir
{
public:
    explicit TempDir(const wxString& prefix = "nodeweave");
    ~TempDir();
    const wxString& Path() const { return m_path; }

private:
    wxString m_path;
};

// Changes the working directory for its lifetime, since the host finds its folders there.
class ScopedCwd
{
public:
    explicit ScopedCwd(const wxString& dir);
    ~ScopedCwd();

private:
    wxString m_previous;
};

// Toolkit assertions raised since the last call (each message); tests fail on any.
wxString TakeAssertions();

} // namespace testsupport
