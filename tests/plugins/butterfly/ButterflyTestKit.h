// Helpers for the butterfly tests: a built network that frees itself, and the graph read back from it.
#pragma once

#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <utility>
#include <vector>

#include "ButterflyCore.h"

// Lets nodes key ordered maps and sets (found by argument lookup, hence in the core's namespace).
namespace butterfly
{
inline bool operator<(const Node& a, const Node& b)
{
    return a.row != b.row ? a.row < b.row : a.level < b.level;
}

inline void PrintTo(const Node& node, std::ostream* os) { *os << "(" << node.row << "," << node.level << ")"; }
}

namespace butterflytest
{

using butterfly::Node;

// A network as GetNetwork hands it over; the lists are emptied as the host would.
struct Built
{
    PointList points;
    LineList lines;
    butterfly::NetworkParams params;

    ~Built()
    {
        ClearOwned(points);
        ClearOwned(lines);
    }
    std::vector<Point*> Nodes() const;
    std::vector<Line*> Lines() const;
    Point* NodeAt(Node node) const;
};

std::unique_ptr<Built> Build(bool wrapped, int n, const wxString& start = wxString(),
                             const wxString& final = wxString());

inline Node FromOf(const Line* line) { return Node{line->from->id, line->from->id2}; }
inline Node ToOf(const Line* line) { return Node{line->to->id, line->to->id2}; }

// Unordered node pair -> number of lines joining the two nodes.
std::map<std::pair<Node, Node>, int> LinesPerPair(const Built& built);

// The butterfly's neighbours of a node by definition: the same row and the row with the
// level's bit flipped on the level above; the same row and the row with the lower level's
// bit flipped on the level below (levels wrap round when the butterfly is wrapped).
std::set<Node> ExpectedNeighbours(bool wrapped, int n, Node node);

// Every node of the network.
std::vector<Node> AllNodes(bool wrapped, int n);

} // namespace butterflytest
