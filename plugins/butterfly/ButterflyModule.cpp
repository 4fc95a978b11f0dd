// The controls and handlers both butterfly plug-ins share; each library keeps its own copy of the state.
#include "ButterflyModule.h"

#include <wx/combobox.h>
#include <wx/intl.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/stattext.h>
#include <wx/weakref.h>

#include "ButterflyCore.h"
#include "ControlKit.h"
#include "weavekit/Plugin.h"

namespace butterfly
{

namespace
{

// The handlers are free functions bound to the controls, so everything they need lives here.
// The controls belong to the host's window, which destroys them whenever it empties the
// strip; the weak references notice that.
struct ModuleState
{
    IPluginManager* manager = nullptr;
    wxWindow* parent = nullptr;
    wxSizer* parameterSizer = nullptr;
    bool wrapped = true;
    int dimension = 0;
    int startRow = -1;
    int startLevel = -1;
    int finalRow = -1;
    int finalLevel = -1;
    wxWeakRef<wxStaticText> dimensionCaption;
    wxWeakRef<wxSlider> dimensionSlider;
    wxWeakRef<wxStaticText> dimensionValue;
    wxWeakRef<wxComboBox> startList;
    wxWeakRef<wxComboBox> finalList;
};

ModuleState s;

void RefillEndpointLists()
{
    s.startRow = s.startLevel = s.finalRow = s.finalLevel = -1;
    if (!s.startList || !s.finalList)
        return;
    s.startList->Clear();
    s.finalList->Clear();
    const std::vector<wxString> starts = StartTexts(s.dimension);
    const std::vector<wxString> finals = FinalTexts(s.wrapped, s.dimension);
    for (size_t i = 0; i < starts.size(); ++i)
    {
        s.startList->Append(starts[i]);
        s.finalList->Append(finals[i]);
    }
}

void OnDimensionChanged(wxScrollEvent&)
{
    if (!s.dimensionSlider || !s.manager)
        return;
    s.dimension = s.dimensionSlider->GetValue();
    if (s.dimensionValue)
        s.dimensionValue->SetLabel(weave::FormatMovedValue(s.dimension));
    RefillEndpointLists();
    weave::ApplyStructuralChange(s.manager);
}

void OnEndpointSelected(wxCommandEvent&)
{
    if (s.manager)
        weave::ApplyAnimatedChange(s.manager);
}

} // namespace

void ActivateControls(IPluginManager* manager, bool wrapped)
{
    s.parameterSizer = manager->GetParameterSizer();
    s.parent = manager->GetMainWindow();
    s.manager = manager;
    s.wrapped = wrapped;
    s.dimension = 3;

    weave::Group parameters = weave::BeginGroup(s.parent, wxGetTranslation(" Parameters "), 4, 3);
    s.dimensionCaption = weave::AddCaption(parameters, wxGetTranslation("Dimensions: "));
    s.dimensionSlider = weave::AddSlider(parameters, 3, MinDimension, MaxDimension);
    s.dimensionSlider->Bind(wxEVT_SCROLL_CHANGED, &OnDimensionChanged);
    s.dimensionValue = weave::AddValueText(parameters, wxGetTranslation("3"));
    weave::EndGroup(s.parameterSizer, parameters);

    weave::Group routing = weave::BeginGroup(s.parent, wxGetTranslation(" Routing "), 3, 3);
    weave::AddCaption(routing, wxGetTranslation("Start point: "));
    s.startList = weave::AddList(routing, 80, "(0,00000)");
    weave::AddSpacer(routing);
    weave::AddCaption(routing, wxGetTranslation("Final point: "));
    s.finalList = weave::AddList(routing, 80, "(0,00000)");
    s.startList->Bind(wxEVT_COMBOBOX, &OnEndpointSelected);
    s.finalList->Bind(wxEVT_COMBOBOX, &OnEndpointSelected);
    RefillEndpointLists();
    weave::EndGroup(s.parameterSizer, routing);

    // Where the other plug-ins have their nesting group, the strip only takes up the room.
    s.parameterSizer->Add(0, 0, 1, wxEXPAND, 5);
}

void FillNetwork(PointList* points, LineList* lines, bool wrapped)
{
    NetworkParams params;
    params.wrapped = wrapped;
    params.dimension = s.dimension;
    if (s.startList)
        params.startText = s.startList->GetValue();
    if (s.finalList)
        params.finalText = s.finalList->GetValue();
    params.startRow = s.startRow;
    params.startLevel = s.startLevel;
    params.finalRow = s.finalRow;
    params.finalLevel = s.finalLevel;
    BuildNetwork(params, points, lines);
    s.startRow = params.startRow;
    s.startLevel = params.startLevel;
    s.finalRow = params.finalRow;
    s.finalLevel = params.finalLevel;
}

void ReleaseControls()
{
    if (s.startList)
        s.startList->Unbind(wxEVT_COMBOBOX, &OnEndpointSelected);
    if (s.finalList)
        s.finalList->Unbind(wxEVT_COMBOBOX, &OnEndpointSelected);
    if (s.dimensionSlider)
        s.dimensionSlider->Unbind(wxEVT_SCROLL_CHANGED, &OnDimensionChanged);
}

} // namespace butterfly
