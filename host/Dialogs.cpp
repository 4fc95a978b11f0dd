// The host's modal dialogs, each with a seam through which tests answer instead of a person.
#include "Dialogs.h"

#include <wx/colordlg.h>
#include <wx/filedlg.h>
#include <wx/filefn.h>
#include <wx/msgdlg.h>

namespace Dialogs
{

namespace
{
Hooks s_hooks;
}

void SetHooks(const Hooks& hooks) { s_hooks = hooks; }

void ClearHooks() { s_hooks = Hooks(); }

void ShowMessage(const wxString& text, long style)
{
    if (s_hooks.message)
    {
        s_hooks.message(text, style);
        return;
    }
    wxMessageBox(text, wxEmptyString, style, nullptr);
}

bool AskSavePath(wxWindow* parent, const wxString& message, const wxString& wildcard,
                 wxString* path, int* filterIndex)
{
    if (s_hooks.savePath)
        return s_hooks.savePath(message, wildcard, path, filterIndex);
    wxFileDialog dialog(parent, message, wxGetCwd(), wxEmptyString, wildcard,
                        wxFD_SAVE | wxFD_OVERWRITE_PROMPT, wxDefaultPosition, wxDefaultSize);
    if (dialog.ShowModal() != wxID_OK)
        return false;
    *path = dialog.GetPath();
    if (filterIndex)
        *filterIndex = dialog.GetFilterIndex();
    return true;
}

bool AskColour(wxWindow* parent, wxColour* colour)
{
    if (s_hooks.colour)
        return s_hooks.colour(colour);
    wxColourData data;
    data.SetColour(*colour);
    wxColourDialog dialog(parent, &data);
    if (dialog.ShowModal() != wxID_OK)
        return false;
    *colour = dialog.GetColourData().GetColour();
    return true;
}

} // namespace Dialogs
