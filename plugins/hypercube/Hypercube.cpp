// The Hypercube plug-in: its controls in the host's parameter strip and the handlers behind them.
#include "Hypercube.h"

#include <algorithm>
#include <new>

#include <wx/combobox.h>
#include <wx/intl.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/stattext.h>
#include <wx/weakref.h>

#include "ControlKit.h"
#include "HypercubeNetwork.h"

namespace
{

// One set per loaded library. The controls belong to the host's window and die with it (or
// when the host empties the strip), so they are held by weak references.
IPluginManager* s_manager = nullptr;
wxWindow* s_parent = nullptr;
wxSizer* s_parameterSizer = nullptr;
int dimension = 0;
int treeHeight = 0;
int startNode = -1;
int finalNode = -1;
int nodeCount = -1;
int spacing = -1;

wxWeakRef<wxSlider> s_dimensionSlider;
wxWeakRef<wxStaticText> s_dimensionName;
wxWeakRef<wxStaticText> s_dimensionsCaption;
wxWeakRef<wxComboBox> s_startList;
wxWeakRef<wxComboBox> s_finalList;
wxWeakRef<wxComboBox> s_topologyList;
wxWeakRef<wxSlider> s_heightSlider;
wxWeakRef<wxStaticText> s_highCaption;
wxWeakRef<wxStaticText> s_heightText;

wxString ValueOf(wxComboBox* list) { return list ? list->GetValue() : wxString(); }

void SetText(wxComboBox* list, const wxString& text)
{
    if (list)
        list->SetValue(text);
}

// The "High:" row only means something for the coin-flipping tree. The grid keeps its cells
// while hidden, so showing it needs no new layout.
void ShowHeightRow(bool show)
{
    for (wxWindow* control : {static_cast<wxWindow*>(s_highCaption), static_cast<wxWindow*>(s_heightText),
                              static_cast<wxWindow*>(s_heightSlider)})
        if (control)
            control->Show(show);
}

void RefillEndpointLists()
{
    startNode = -1;
    finalNode = -1;
    if (s_startList)
        s_startList->Clear();
    if (s_finalList)
        s_finalList->Clear();
    const int count = 1 << std::min(std::max(dimension, 0), hypercube::kMaxDimension);
    for (int i = 0; i < count; ++i)
    {
        const wxString text = hypercube::NodeListText(i, dimension);
        if (s_startList)
            s_startList->Append(text);
        if (s_finalList)
            s_finalList->Append(text);
    }
}

void OnDimensionChanged(wxScrollEvent&)
{
    if (s_dimensionSlider)
        dimension = s_dimensionSlider->GetValue();
    if (const wxChar* name = hypercube::DimensionName(dimension))
        if (s_dimensionName)
            s_dimensionName->SetLabel(name);
    RefillEndpointLists();
    weave::ApplyStructuralChange(s_manager);
}

// Routing and nesting exclude each other: a route end clears the topology.
void OnEndpointSelected(wxCommandEvent&)
{
    ShowHeightRow(false);
    SetText(s_topologyList, wxEmptyString);
    weave::ApplyAnimatedChange(s_manager);
}

// ... and a topology clears both route ends.
void OnTopologySelected(wxCommandEvent&)
{
    if (s_heightSlider)
        s_heightSlider->SetValue(3);
    treeHeight = 3;
    if (s_heightText)
        s_heightText->SetLabel("3");
    SetText(s_startList, wxEmptyString);
    SetText(s_finalList, wxEmptyString);
    startNode = -1;
    finalNode = -1;
    ShowHeightRow(ValueOf(s_topologyList) == hypercube::kBinaryTreeCoin);
    weave::ApplyAnimatedChange(s_manager);
}

void OnHeightChanged(wxScrollEvent&)
{
    if (s_heightSlider)
        treeHeight = s_heightSlider->GetValue();
    if (s_heightText)
        s_heightText->SetLabel(weave::FormatValue(treeHeight));
    weave::ApplyStructuralChange(s_manager);
}

} // namespace

Hypercube::Hypercube(IPluginManager* manager_) : IPlugin(manager_), wxFrame() {}

void Hypercube::Activate(IPluginManager* manager_)
{
    s_parameterSizer = manager_->GetParameterSizer();
    s_parent = manager_->GetMainWindow();
    s_manager = manager_;
    dimension = 4;

    weave::Group parameters = weave::BeginGroup(s_parent, _(" Parameters "), 4, 3);
    s_dimensionsCaption = weave::AddCaption(parameters, _("Dimensions: "));
    s_dimensionSlider = weave::AddSlider(parameters, 4, 2, 6);
    s_dimensionSlider->Bind(wxEVT_SCROLL_CHANGED, &OnDimensionChanged);
    s_dimensionName = weave::AddValueText(parameters, _("Tesseract"));
    weave::EndGroup(s_parameterSizer, parameters);

    weave::Group routing = weave::BeginGroup(s_parent, _(" Routing "), 3, 3);
    weave::AddCaption(routing, _("Start point: "));
    s_startList = weave::AddList(routing, 80, "(000000)");
    weave::AddSpacer(routing);
    weave::AddCaption(routing, _("Final point: "));
    s_finalList = weave::AddList(routing, 80, "(000000)");
    s_startList->Bind(wxEVT_COMBOBOX, &OnEndpointSelected);
    s_finalList->Bind(wxEVT_COMBOBOX, &OnEndpointSelected);
    RefillEndpointLists();
    weave::EndGroup(s_parameterSizer, routing);

    weave::Group nesting = weave::BeginGroup(s_parent, _(" Nesting "), 3, 3);
    weave::AddCaption(nesting, _("Topology: "));
    s_topologyList = weave::AddList(nesting, 160);
    for (const wxChar* topology : {hypercube::kHamiltonianPath, hypercube::kHamiltonianCycle,
                                   hypercube::kBinaryTree, hypercube::kBinaryTreeCoin, hypercube::kMesh})
        s_topologyList->Append(topology);
    s_topologyList->Bind(wxEVT_COMBOBOX, &OnTopologySelected);
    weave::AddSpacer(nesting);
    s_highCaption = weave::AddCaption(nesting, _("High:"));
    s_heightSlider = weave::AddSlider(nesting, 3, 1, 8, wxALIGN_RIGHT | wxALL);
    s_heightSlider->Bind(wxEVT_SCROLL_CHANGED, &OnHeightChanged);
    s_heightText = weave::AddValueText(nesting, _("3"));
    s_highCaption->Hide();
    s_heightText->Hide();
    s_heightSlider->Hide();
    weave::EndGroup(s_parameterSizer, nesting);
}

void Hypercube::GetNetwork(PointList* points, LineList* lines)
{
    hypercube::NetworkParams params;
    params.dimension = dimension;
    params.startText = ValueOf(s_startList);
    params.finalText = ValueOf(s_finalList);
    params.topologyText = ValueOf(s_topologyList);
    params.treeHeight = treeHeight;
    params.startNode = startNode;
    params.finalNode = finalNode;
    // Nothing may unwind into the host; a network cut short by lack of memory is still drawable.
    try
    {
        const hypercube::NetworkResult result = hypercube::BuildNetwork(params, points, lines);
        startNode = result.startNode;
        finalNode = result.finalNode;
        nodeCount = result.nodeCount;
        spacing = result.spacing;
    }
    catch (...)
    {
    }
}

void Hypercube::GetCameraDefaults(double* polarAngle, double* azimuth, int* distance)
{
    *polarAngle = 0.985;
    *azimuth = -1.57;
    *distance = 340;
}

wxString Hypercube::GetName() { return "Hypercube"; }

Hypercube::~Hypercube()
{
    if (s_topologyList)
        s_topologyList->Unbind(wxEVT_COMBOBOX, &OnTopologySelected);
    if (s_startList)
        s_startList->Unbind(wxEVT_COMBOBOX, &OnEndpointSelected);
    if (s_finalList)
        s_finalList->Unbind(wxEVT_COMBOBOX, &OnEndpointSelected);
    if (s_dimensionSlider)
        s_dimensionSlider->Unbind(wxEVT_SCROLL_CHANGED, &OnDimensionChanged);
    if (s_heightSlider)
        s_heightSlider->Unbind(wxEVT_SCROLL_CHANGED, &OnHeightChanged);
}

WEAVE_PLUGIN_API IPlugin* CreatePlugin(IPluginManager* manager)
{
    return new (std::nothrow) Hypercube(manager);
}
