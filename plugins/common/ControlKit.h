// Building blocks every plug-in uses for its parameter strip and its calls back into the host.
#pragma once

#include <wx/string.h>

class IPluginManager;
class wxComboBox;
class wxGridSizer;
class wxSizer;
class wxSlider;
class wxStaticBoxSizer;
class wxStaticText;
class wxWindow;

namespace weave
{

// A titled group in the parameter strip: static box, horizontal box sizer, grid without gaps.
struct Group
{
    wxWindow* parent;
    wxStaticBoxSizer* box;
    wxGridSizer* grid;
};

// caption is shown as given; callers pass it through wxGetTranslation.
Group BeginGroup(wxWindow* parent, const wxString& caption, int rows, int cols);
// Puts the grid into the box (proportion 1, expand, border 5) and the box into the strip
// (proportion 1, expand and top border, border 5).
void EndGroup(wxSizer* parameterSizer, const Group& group);

// Static text in the strip's style: no wrapping, opaque white on the host's dark strip.
wxStaticText* MakeLabel(wxWindow* parent, const wxString& text);
// A row caption: align-right, border on all sides, 5.
wxStaticText* AddCaption(const Group& group, const wxString& text);
// A value text: border on all sides, 5.
wxStaticText* AddValueText(const Group& group, const wxString& text);
// An empty 0 x 0 cell that takes spare room.
void AddSpacer(const Group& group);
// Editable sorted list, empty, at least minWidth wide and wide enough to show widestText;
// border on all sides, 5.
wxComboBox* AddList(const Group& group, int minWidth, const wxString& widestText = wxEmptyString);
// Horizontal slider without value labels; centred horizontally, border 5 without sides.
wxSlider* AddSlider(const Group& group, int value, int minValue, int maxValue, int extraFlags = 0);

// The two sequences every plug-in uses after a control change.
// The network itself changed: time and drawing restart.
void ApplyStructuralChange(IPluginManager* manager);
// Only the route ends or the guest changed: time restarts, the drawing keeps its progress.
void ApplyAnimatedChange(IPluginManager* manager);

// "Dimension slider moved" style value texts.
wxString FormatValue(int value);         // "%d"
wxString FormatMovedValue(int value);    // "%d " (trailing blank)

} // namespace weave
