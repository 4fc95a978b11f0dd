// The network sizes the plug-ins' sliders allow, and what every build's records must keep to.
#pragma once

#include <string>
#include <vector>

#include <wx/string.h>

#include "weavekit/Records.h"

namespace hardening
{

enum class Network { Hypercube, Torus, Mesh, Wrapped, Ordinary };

// One network at one set of slider positions. dimension is n for the hypercube and the
// butterflies and the number of axes for the grids; the grids' unused axes are 1.
struct Shape
{
    Network network;
    int dimension;
    int length = 1;
    int width = 1;
    int high = 1;
};

std::string Describe(const Shape& shape);
bool IsGrid(Network network);
bool IsButterfly(Network network);

// Every dimension the hypercube and butterfly sliders allow; for the grids every dimension
// with sizes that include 1, 2, 3, odd and even, flat and tall, and the largest 10 x 10 x 6.
std::vector<Shape> SliderShapes(Network network);

int NodeCount(const Shape& shape);
// Each node's text in the start and final lists, in the order the nodes are built.
std::vector<wxString> NodeTexts(const Shape& shape);
// What the plug-in's lists offer at this size.
std::vector<wxString> StartItems(const Shape& shape);
std::vector<wxString> FinalItems(const Shape& shape);
std::vector<wxString> TopologyItems(const Shape& shape);

// The list texts a build read. treeHeight is the hypercube's coin-tree height, or -1 when the
// caller cannot know it (anything the height slider allows, or the 0 it starts with).
struct ListTexts
{
    wxString start;
    wxString final;
    wxString topology;
    int treeHeight = -1;
};

// What the rules need to know about one shape, worked out once.
struct NetworkFacts
{
    explicit NetworkFacts(const Shape& shape);

    Shape shape;
    int nodeCount;
    int arcMargin;       // how far beyond its nodes' box a drawn edge may reach
    int routeBound;      // hops of the longest route
    std::vector<wxString> nodeTexts;
    std::vector<wxString> startItems;
    std::vector<wxString> finalItems;
    std::vector<wxString> topologyItems;
};

// The last step any record of this build may carry: a route's hops, a nesting's steps.
int LastStep(const NetworkFacts& facts, const ListTexts& texts);

// Which roles a build's records showed, so a run can tell it reached routes and nestings.
struct Roles
{
    bool routed = false;
    bool nested = false;
};

// Empty when the records keep every rule, otherwise the first rule broken:
// - one node per network node, placed inside the layout's 0 ... 1000 cube;
// - every Line end a record of its own (no node, no other end), inside the nodes' bounding box
//   widened by the farthest an arc of this network may bulge;
// - node states 0 ... 3, line states 0 ... 2; normal records and selected nodes without a
//   step (-1), every other record with a step in 1 ... LastStep;
// - selected nodes only where the node's list text equals a list's text, at most two;
// - nothing nested while the topology text names no offered guest.
std::string CheckRecords(const NetworkFacts& facts, const ListTexts& texts, const PointList& points,
                         const LineList& lines, Roles* roles = nullptr);

} // namespace hardening
