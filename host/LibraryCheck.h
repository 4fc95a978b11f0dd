// A look at a plug-in file before the loader maps it.
#pragma once

#include <wx/string.h>

// False for a file that cannot be a complete shared library of this platform: the system
// loader maps segments straight from the file, so a truncated library would crash the
// program on first touch instead of failing to load.
bool IsCompleteLibraryFile(const wxString& path);
