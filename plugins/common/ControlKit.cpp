// Building blocks every plug-in uses for its parameter strip and its calls back into the host.
#include "ControlKit.h"

#include <algorithm>

#include <wx/combobox.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "weavekit/Plugin.h"

namespace weave
{

Group BeginGroup(wxWindow* parent, const wxString& caption, int rows, int cols)
{
    wxStaticBox* staticBox = new wxStaticBox(parent, wxID_ANY, caption, wxDefaultPosition, wxDefaultSize, 0);
    // The group titles sit on the host's dark strip, like the white captions inside them.
    staticBox->SetForegroundColour(wxColour(255, 255, 255));
    Group group;
    group.parent = parent;
    group.box = new wxStaticBoxSizer(staticBox, wxHORIZONTAL);
    group.grid = new wxGridSizer(rows, cols, 0, 0);
    return group;
}

void EndGroup(wxSizer* parameterSizer, const Group& group)
{
    group.box->Add(group.grid, 1, wxEXPAND, 5);
    parameterSizer->Add(group.box, 1, wxEXPAND | wxTOP, 5);
}

wxStaticText* MakeLabel(wxWindow* parent, const wxString& text)
{
    wxStaticText* label = new wxStaticText(parent, wxID_ANY, text, wxDefaultPosition, wxDefaultSize, 0);
    label->Wrap(-1);
    // Opaque white: GTK 3 honours the alpha channel, so white with alpha 0 would not show at all.
    label->SetForegroundColour(wxColour(255, 255, 255, 255));
    return label;
}

wxStaticText* AddCaption(const Group& group, const wxString& text)
{
    wxStaticText* label = MakeLabel(group.parent, text);
    group.grid->Add(label, 0, wxALIGN_RIGHT | wxALL, 5);
    return label;
}

wxStaticText* AddValueText(const Group& group, const wxString& text)
{
    wxStaticText* label = MakeLabel(group.parent, text);
    group.grid->Add(label, 0, wxALL, 5);
    return label;
}

void AddSpacer(const Group& group)
{
    group.grid->Add(0, 0, 1, wxEXPAND, 5);
}

wxComboBox* AddList(const Group& group, int minWidth, const wxString& widestText)
{
    wxComboBox* list = new wxComboBox(group.parent, wxID_ANY, wxEmptyString, wxDefaultPosition,
                                      wxDefaultSize, 0, nullptr, wxCB_SORT);
    // minWidth is a floor; the list must also be wide enough to read its longest
    // text (a six-digit node, the longest topology) beside the drop-down button, which is
    // about as wide as the control is high.
    const int readable =
        widestText.empty() ? 0 : list->GetTextExtent(widestText).GetWidth() + 2 * list->GetBestSize().GetHeight();
    list->SetMinSize(wxSize(std::max(minWidth, readable), -1));
    group.grid->Add(list, 0, wxALL, 5);
    return list;
}

wxSlider* AddSlider(const Group& group, int value, int minValue, int maxValue, int extraFlags)
{
    wxSlider* slider = new wxSlider(group.parent, wxID_ANY, value, minValue, maxValue,
                                    wxDefaultPosition, wxDefaultSize, wxSL_HORIZONTAL);
    group.grid->Add(slider, 0, extraFlags ? extraFlags : wxALIGN_CENTER_HORIZONTAL, 5);
    return slider;
}

void ApplyStructuralChange(IPluginManager* manager)
{
    manager->ResetAnimation();
    manager->ReloadNetwork();
    manager->RebuildScene();
}

void ApplyAnimatedChange(IPluginManager* manager)
{
    manager->ResetAnimationParts(true, false);
    manager->ReloadNetwork();
    manager->RebuildScene();
}

wxString FormatValue(int value) { return wxString::Format("%d", value); }

wxString FormatMovedValue(int value) { return wxString::Format("%d ", value); }

} // namespace weave
