// The Torus and Mesh plug-ins' controls and host glue; NODEWEAVE_GRID_TORUS picks which one.
#include <new>

#include <wx/combobox.h>
#include <wx/frame.h>
#include <wx/intl.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/stattext.h>
#include <wx/weakref.h>

#include "ControlKit.h"
#include "GridCore.h"
#include "weavekit/Plugin.h"

#ifndef NODEWEAVE_GRID_TORUS
#error "build this file with NODEWEAVE_GRID_TORUS set to 1 (Torus) or 0 (Mesh)"
#endif

#if NODEWEAVE_GRID_TORUS
#define NODEWEAVE_GRID_CLASS Torus
#else
#define NODEWEAVE_GRID_CLASS Mesh
#endif

namespace
{

constexpr bool kTorus = NODEWEAVE_GRID_TORUS != 0;
constexpr int kStartLength = kTorus ? 3 : 4;

// Everything the handlers need lives here, one set per library: the handlers are free
// functions and never see the plug-in object.
IPluginManager* s_manager = nullptr;
wxSizer* s_parameterSizer = nullptr;
wxWindow* s_parentWindow = nullptr;

// Sizes, route ends, and (on the torus) the spacing and largest x of the last build.
grid::GridParams MakeStartState()
{
    grid::GridParams params;
    params.torus = kTorus;
    params.dimension = 2;
    params.length = kStartLength;
    params.width = 3;
    params.high = 1;
    return params;
}
grid::GridParams s_state = MakeStartState();

// The host destroys the controls when another plug-in is chosen; weak references forget them.
wxWeakRef<wxSlider> s_dimensionSlider;
wxWeakRef<wxSlider> s_lengthSlider;
wxWeakRef<wxSlider> s_widthSlider;
wxWeakRef<wxSlider> s_highSlider;
wxWeakRef<wxStaticText> s_dimensionValue;
wxWeakRef<wxStaticText> s_lengthValue;
wxWeakRef<wxStaticText> s_widthValue;
wxWeakRef<wxStaticText> s_highValue;
wxWeakRef<wxStaticText> s_widthLabel;
wxWeakRef<wxStaticText> s_highLabel;
wxWeakRef<wxComboBox> s_startBox;
wxWeakRef<wxComboBox> s_finalBox;
wxWeakRef<wxComboBox> s_topologyBox;

wxString TextOf(wxComboBox* box) { return box ? box->GetValue() : wxString(); }

void SetText(wxComboBox* box, const wxString& text)
{
    if (box)
        box->ChangeValue(text);
}

void SetLabel(wxStaticText* text, const wxString& label)
{
    if (text)
        text->SetLabel(label);
}

void SetSlider(wxSlider* slider, int value)
{
    if (slider)
        slider->SetValue(value);
}

void ShowRow(wxStaticText* label, wxSlider* slider, wxStaticText* value, bool show)
{
    if (label)
        label->Show(show);
    if (slider)
        slider->Show(show);
    if (value)
        value->Show(show);
}

void ClearRouteEnds()
{
    for (int axis = 0; axis < 3; ++axis)
    {
        s_state.start[axis] = -1;
        s_state.final[axis] = -1;
    }
}

// The size texts at start: the torus formats its state, the mesh looks its digits up.
wxString StartValueText(int value)
{
    const wxString digits = weave::FormatValue(value);
    return kTorus ? digits : wxString(wxGetTranslation(digits));
}

void RefillChoices()
{
    ClearRouteEnds();

    wxArrayString items;
    for (const wxString& item : grid::PointItems(s_state.dimension, s_state.length, s_state.width, s_state.high))
        items.Add(item);
    if (s_startBox)
    {
        s_startBox->Clear();
        s_startBox->Append(items);
    }
    if (s_finalBox)
    {
        s_finalBox->Clear();
        s_finalBox->Append(items);
    }

    if (!s_topologyBox)
        return;
    const wxString remembered = s_topologyBox->GetValue();
    s_topologyBox->Clear();
    for (const wxString& topology : grid::OfferedTopologies(kTorus, s_state.length, s_state.width, s_state.high))
        s_topologyBox->Append(topology);
    const bool cycleGone = remembered == grid::kHamiltonianCycle &&
        !grid::IsOffered(kTorus, s_state.length, s_state.width, s_state.high, remembered);
    if (!cycleGone)
        s_topologyBox->ChangeValue(remembered);
}

void OnSizeChanged(wxSlider* slider, int& size, wxStaticText* value)
{
    if (slider)
        size = slider->GetValue();
    SetLabel(value, weave::FormatMovedValue(size));
    RefillChoices();
    weave::ApplyStructuralChange(s_manager);
}

void OnLengthChanged(wxScrollEvent&) { OnSizeChanged(s_lengthSlider, s_state.length, s_lengthValue); }

void OnWidthChanged(wxScrollEvent&) { OnSizeChanged(s_widthSlider, s_state.width, s_widthValue); }

void OnHighChanged(wxScrollEvent&) { OnSizeChanged(s_highSlider, s_state.high, s_highValue); }

void OnDimensionChanged(wxScrollEvent&)
{
    if (s_dimensionSlider)
        s_state.dimension = s_dimensionSlider->GetValue();
    SetLabel(s_dimensionValue, weave::FormatValue(s_state.dimension));
    switch (s_state.dimension)
    {
    case 1:
        ShowRow(s_widthLabel, s_widthSlider, s_widthValue, false);
        ShowRow(s_highLabel, s_highSlider, s_highValue, false);
        s_state.width = 1;
        s_state.high = 1;
        SetSlider(s_widthSlider, 1);
        SetSlider(s_highSlider, 1);
        SetLabel(s_widthValue, "1");
        SetLabel(s_highValue, "1");
        break;
    case 2:
        ShowRow(s_widthLabel, s_widthSlider, s_widthValue, true);
        ShowRow(s_highLabel, s_highSlider, s_highValue, false);
        s_state.high = 1;
        SetSlider(s_highSlider, 1);
        SetLabel(s_highValue, "1");
        break;
    default:
        ShowRow(s_widthLabel, s_widthSlider, s_widthValue, true);
        ShowRow(s_highLabel, s_highSlider, s_highValue, true);
        break;
    }
    RefillChoices();
    weave::ApplyStructuralChange(s_manager);
}

// The chosen node is found again by the next build from the boxes' texts.
void OnEndpointSelected(wxCommandEvent&)
{
    SetText(s_topologyBox, "");
    weave::ApplyAnimatedChange(s_manager);
}

void OnTopologySelected(wxCommandEvent&)
{
    SetText(s_startBox, "");
    SetText(s_finalBox, "");
    ClearRouteEnds();
    weave::ApplyAnimatedChange(s_manager);
}

// One size row: caption, slider, value text.
wxSlider* AddSizeRow(const weave::Group& group, const char* caption, int value, int minValue, int maxValue,
                     void (*handler)(wxScrollEvent&), wxWeakRef<wxStaticText>& valueText,
                     wxWeakRef<wxStaticText>* captionText = nullptr)
{
    wxStaticText* label = weave::AddCaption(group, wxGetTranslation(caption));
    if (captionText)
        *captionText = label;
    wxSlider* slider = weave::AddSlider(group, value, minValue, maxValue);
    slider->Bind(wxEVT_SCROLL_CHANGED, handler);
    valueText = weave::AddValueText(group, StartValueText(value));
    return slider;
}

} // namespace

class NODEWEAVE_GRID_CLASS final : public IPlugin, public wxFrame
{
public:
    explicit NODEWEAVE_GRID_CLASS(IPluginManager* host) : IPlugin(host), wxFrame() {}

    void Activate(IPluginManager* host) override
    {
        manager = host;
        s_manager = host;
        s_parameterSizer = host->GetParameterSizer();
        s_parentWindow = host->GetMainWindow();
        s_state.dimension = 2;
        s_state.high = 1;
        s_state.width = 3;
        s_state.length = kStartLength;

        weave::Group parameters = weave::BeginGroup(s_parentWindow, wxGetTranslation(" Parameters "), 4, 3);
        s_dimensionSlider = AddSizeRow(parameters, "Dimension: ", s_state.dimension, 1, 3, &OnDimensionChanged,
                                       s_dimensionValue);
        s_lengthSlider = AddSizeRow(parameters, "Length: ", s_state.length, 1, grid::kMaxLength, &OnLengthChanged,
                                    s_lengthValue);
        s_widthSlider = AddSizeRow(parameters, "Width: ", s_state.width, 1, grid::kMaxWidth, &OnWidthChanged,
                                   s_widthValue, &s_widthLabel);
        s_highSlider = AddSizeRow(parameters, "High: ", s_state.high, 1, grid::kMaxHigh, &OnHighChanged,
                                  s_highValue, &s_highLabel);
        ShowRow(s_highLabel, s_highSlider, s_highValue, false);
        weave::EndGroup(s_parameterSizer, parameters);

        weave::Group routing = weave::BeginGroup(s_parentWindow, wxGetTranslation(" Routing "), 3, 3);
        weave::AddCaption(routing, wxGetTranslation("Start point: "));
        s_startBox = weave::AddList(routing, 80, "{0,0,0}");
        weave::AddSpacer(routing);
        weave::AddCaption(routing, wxGetTranslation("Final point: "));
        s_finalBox = weave::AddList(routing, 80, "{0,0,0}");
        s_startBox->Bind(wxEVT_COMBOBOX, &OnEndpointSelected);
        s_finalBox->Bind(wxEVT_COMBOBOX, &OnEndpointSelected);
        weave::EndGroup(s_parameterSizer, routing);

        weave::Group nesting = weave::BeginGroup(s_parentWindow, wxGetTranslation(" Nesting "), 3, 3);
        weave::AddCaption(nesting, wxGetTranslation("Topology: "));
        s_topologyBox = weave::AddList(nesting, 120);
        weave::AddSpacer(nesting);
        s_topologyBox->Bind(wxEVT_COMBOBOX, &OnTopologySelected);
        weave::EndGroup(s_parameterSizer, nesting);

        RefillChoices();
    }

    void GetNetwork(PointList* points, LineList* lines) override
    {
        s_state.startText = TextOf(s_startBox);
        s_state.finalText = TextOf(s_finalBox);
        s_state.topologyText = TextOf(s_topologyBox);
        grid::BuildNetwork(s_state, points, lines);
    }

    void GetCameraDefaults(double* polarAngle, double* azimuth, int* distance) override
    {
        *polarAngle = 0.785;
        *azimuth = -1.57;
        *distance = 400;
    }

    wxString GetName() override { return kTorus ? "Torus" : "Mesh"; }

    // The host never runs this; it is here so that a plug-in object can be destroyed cleanly.
    ~NODEWEAVE_GRID_CLASS() override
    {
        if (s_topologyBox)
            s_topologyBox->Unbind(wxEVT_COMBOBOX, &OnTopologySelected);
        if (s_startBox)
            s_startBox->Unbind(wxEVT_COMBOBOX, &OnEndpointSelected);
        if (s_finalBox)
            s_finalBox->Unbind(wxEVT_COMBOBOX, &OnEndpointSelected);
        if (s_dimensionSlider)
            s_dimensionSlider->Unbind(wxEVT_SCROLL_CHANGED, &OnDimensionChanged);
        if (s_lengthSlider)
            s_lengthSlider->Unbind(wxEVT_SCROLL_CHANGED, &OnLengthChanged);
        if (s_widthSlider)
            s_widthSlider->Unbind(wxEVT_SCROLL_CHANGED, &OnWidthChanged);
        if (s_highSlider)
            s_highSlider->Unbind(wxEVT_SCROLL_CHANGED, &OnHighChanged);
    }
};

WEAVE_PLUGIN_API IPlugin* CreatePlugin(IPluginManager* host)
{
    return new (std::nothrow) NODEWEAVE_GRID_CLASS(host);
}
