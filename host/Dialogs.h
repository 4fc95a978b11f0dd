// The host's modal dialogs, each with a seam through which tests answer instead of a person.
#pragma once

#include <functional>

#include <wx/colour.h>
#include <wx/string.h>

class wxWindow;

namespace Dialogs
{

// A message box with an empty caption, an OK button and the icon in style, without a parent.
void ShowMessage(const wxString& text, long style);

// A save dialog starting in the working directory with an empty name. Gives the chosen
// full path and the index of the selected filter; false when the user cancelled.
bool AskSavePath(wxWindow* parent, const wxString& message, const wxString& wildcard,
                 wxString* path, int* filterIndex);

// The colour dialog opened on *colour (all four components); false when cancelled.
bool AskColour(wxWindow* parent, wxColour* colour);

// Test seams: while set, they answer in place of the real dialogs.
struct Hooks
{
    std::function<void(const wxString& text, long style)> message;
    std::function<bool(const wxString& message, const wxString& wildcard, wxString* path, int* filterIndex)> savePath;
    std::function<bool(wxColour* colour)> colour;
};
void SetHooks(const Hooks& hooks);
void ClearHooks();

} // namespace Dialogs
