// Butterfly networks without any controls: layout, edges, route walks and route marking.
#pragma once

#include <vector>

#include <wx/string.h>

#include "weavekit/Records.h"

namespace butterfly
{

// Dimensions the builder accepts; anything else builds an empty network.
const int MinDimension = 2;
const int MaxDimension = 5;

// What a reload needs from the plug-in's state.
struct NetworkParams
{
    bool wrapped = true;
    int dimension = 3;
    wxString startText;   // current text of the start list
    wxString finalText;   // current text of the final list
    // In: the route ends as the previous reload left them (-1 = none). A text that names no
    // node leaves its end as it was. Out: as this reload leaves them; a drawn route leaves the
    // start equal to the final node.
    int startRow = -1;
    int startLevel = -1;
    int finalRow = -1;
    int finalLevel = -1;
};

struct Node
{
    int row;
    int level;
    bool operator==(const Node& o) const { return row == o.row && level == o.level; }
    bool operator!=(const Node& o) const { return !(*this == o); }
};

// n levels when wrapped (the last joined back to level 0), n + 1 otherwise.
int LevelCount(bool wrapped, int n);
int LastLevel(bool wrapped, int n);

// "(level,digits)" as the start and final lists show a node.
wxString NodeText(int level, int row, int n);
// "level,digits" as the node's label.
wxString NodeLabel(int level, int row, int n);

// The list contents: level-0 nodes to start from, last-level nodes to end at, by row.
std::vector<wxString> StartTexts(int n);
std::vector<wxString> FinalTexts(bool wrapped, int n);

// The nodes a route visits after the start, in order. The wrapped walk goes greedily round
// the ring of levels; the ordinary walk climbs one level per hop and is only defined from
// level 0 to level n (otherwise it is empty). Either walk stops after as many hops as the
// network has nodes, so no typed pair can make it run on.
std::vector<Node> WrappedWalk(int n, Node start, Node final);
std::vector<Node> OrdinaryWalk(int n, Node start, Node final);

// Appends the whole network to the (empty) lists and marks the route between the nodes
// the two texts name.
void BuildNetwork(NetworkParams& params, PointList* points, LineList* lines);

} // namespace butterfly
