// Torus and mesh networks without any controls: nodes, edges, wrap-around arcs, routes, nestings.
#pragma once

#include <vector>

#include <wx/string.h>

#include "weavekit/Records.h"

namespace grid
{

// Topology items, as the topology box shows them.
extern const wchar_t* const kHamiltonianPath;
extern const wchar_t* const kHamiltonianCycle;
extern const wchar_t* const kMesh;

// Size ranges of the controls.
constexpr int kMaxLength = 10;
constexpr int kMaxWidth = 10;
constexpr int kMaxHigh = 6;

// Everything a network build reads, plus the route ends it carries from one build to the next.
struct GridParams
{
    bool torus = false;
    int dimension = 2;                  // 1..3
    int length = 3;                     // 1..10
    int width = 3;                      // 1..10
    int high = 1;                       // 1..6
    wxString startText;                 // current texts of the two point boxes and the topology box
    wxString finalText;
    wxString topologyText;
    int start[3] = {-1, -1, -1};        // in: previous route ends (-1 = none); out: after the walk
    int final[3] = {-1, -1, -1};

    // Written by the build.
    float spacing = 0.0f;
    int largestX = -1;
};

// Sizes as the network uses them: clamped to the slider ranges, and width and high forced to 1
// where the dimension has no such axis.
void NormaliseSizes(GridParams& params);

// "{i}", "{i,j}" or "{i,j,k}" by dimension: a node's item in the point boxes.
wxString KeyText(int dimension, int i, int j, int k);
// "i", "i,j" or "i,j,k" by dimension.
wxString NodeLabel(int dimension, int i, int j, int k);
// Every node's key text in list order (k innermost).
std::vector<wxString> PointItems(int dimension, int length, int width, int high);

// Node spacing: the smallest of 400 / length, 400 / width and 200 / high.
int Spacing(int length, int width, int high);

// The topology items the box offers for these sizes, in the order they are appended.
std::vector<wxString> OfferedTopologies(bool torus, int length, int width, int high);
bool IsOffered(bool torus, int length, int width, int high, const wxString& topology);

// Appends the whole network to the two (empty) lists: nodes, grid lines, arcs on the torus,
// then marks the route between the chosen ends or the chosen nesting, labels and draw orders.
void BuildNetwork(GridParams& params, PointList* points, LineList* lines);

} // namespace grid
