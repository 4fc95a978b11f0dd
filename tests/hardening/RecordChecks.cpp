// The network sizes the plug-ins' sliders allow, and what every build's records must keep to.
#include "RecordChecks.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <sstream>

#include "ButterflyCore.h"
#include "GridCore.h"
#include "HypercubeNetwork.h"

namespace hardening
{

namespace
{

const char* NameOf(Network network)
{
    switch (network)
    {
    case Network::Hypercube: return "Hypercube";
    case Network::Torus: return "Torus";
    case Network::Mesh: return "Mesh";
    case Network::Wrapped: return "Wrapped Butterfly";
    default: return "Ordinary Butterfly";
    }
}

// All layouts fit well inside this; a coordinate outside it is garbage.
constexpr int kLayoutLimit = 1000;

int GridSpacing(const Shape& shape) { return grid::Spacing(shape.length, shape.width, shape.high); }

// How far beyond its two nodes an edge may be drawn: the hypercube's long edges bulge by a
// sixth of the spacing, the torus' wrap-around arcs by a quarter, the wrapped butterfly's by
// the row step over 2.5; one more for the truncation to whole units.
int ArcMargin(const Shape& shape)
{
    switch (shape.network)
    {
    case Network::Hypercube:
        return (450 / shape.dimension) / 6 + 1;
    case Network::Torus:
        return GridSpacing(shape) / 4 + 1;
    case Network::Wrapped:
        return shape.dimension > 2 ? static_cast<int>(std::ceil((550 >> shape.dimension) / 2.5)) + 1 : 0;
    default:
        return 0;
    }
}

// Hops of the longest route: one per differing digit in the hypercube, every axis straight
// across on the mesh, at most half way round each ring of the torus, one level per hop up the
// ordinary butterfly, and for the wrapped butterfly's greedy walk between any two nodes at
// most two hops per level.
int RouteBound(const Shape& shape)
{
    switch (shape.network)
    {
    case Network::Hypercube:
        return shape.dimension;
    case Network::Mesh:
        return (shape.length - 1) + (shape.width - 1) + (shape.high - 1);
    case Network::Torus:
        return shape.length / 2 + shape.width / 2 + shape.high / 2;
    case Network::Wrapped:
        return 2 * shape.dimension;
    default:
        return shape.dimension;
    }
}

// A nesting takes a step per guest node or edge; no guest has more steps than the network
// has nodes, and one more for the cycle's closing edge. The coin-flipping tree may take a
// step per tree entry (2^(H-1) of them after the root), but only for a node or an edge it adds.
int NestingBound(const NetworkFacts& facts, const ListTexts& texts)
{
    const std::vector<wxString>& offered = facts.topologyItems;
    if (std::find(offered.begin(), offered.end(), texts.topology) == offered.end())
        return 0;
    const int nodes = facts.nodeCount;
    if (facts.shape.network == Network::Hypercube && texts.topology == hypercube::kBinaryTreeCoin)
    {
        const int height = texts.treeHeight < 0 ? 8 : std::min(texts.treeHeight, hypercube::kMaxTreeHeight);
        if (height <= 1)
            return 1;
        const int edges = facts.shape.dimension * nodes / 2;
        return std::min(1 << (height - 1), nodes + edges);
    }
    return nodes + 1;
}

struct Box
{
    int low[3] = {INT_MAX, INT_MAX, INT_MAX};
    int high[3] = {INT_MIN, INT_MIN, INT_MIN};

    void Add(const Point& p)
    {
        const int at[3] = {p.x, p.y, p.z};
        for (int axis = 0; axis < 3; ++axis)
        {
            low[axis] = std::min(low[axis], at[axis]);
            high[axis] = std::max(high[axis], at[axis]);
        }
    }

    bool Holds(const Point& p, int margin) const
    {
        const int at[3] = {p.x, p.y, p.z};
        for (int axis = 0; axis < 3; ++axis)
            if (at[axis] < low[axis] - margin || at[axis] > high[axis] + margin)
                return false;
        return true;
    }
};

std::string At(const Point& p)
{
    std::ostringstream out;
    out << "(" << p.x << ", " << p.y << ", " << p.z << ")";
    return out.str();
}

// A normal record, and a route end chosen in a list, hold their role from the start; every
// other role is taken at a step of the script.
bool StepFits(bool node, int state, int time, int lastStep)
{
    if (state == 0 || (node && state == 1))
        return time == -1;
    return time >= 1 && time <= lastStep;
}

} // namespace

std::string Describe(const Shape& shape)
{
    std::ostringstream out;
    out << NameOf(shape.network) << " ";
    if (IsGrid(shape.network))
        out << shape.dimension << "D " << shape.length << " x " << shape.width << " x " << shape.high;
    else
        out << "n = " << shape.dimension;
    return out.str();
}

bool IsGrid(Network network) { return network == Network::Torus || network == Network::Mesh; }

bool IsButterfly(Network network) { return network == Network::Wrapped || network == Network::Ordinary; }

std::vector<Shape> SliderShapes(Network network)
{
    std::vector<Shape> shapes;
    if (network == Network::Hypercube)
        for (int n = 2; n <= 6; ++n)
            shapes.push_back({network, n});
    else if (IsButterfly(network))
        for (int n = butterfly::MinDimension; n <= butterfly::MaxDimension; ++n)
            shapes.push_back({network, n});
    else
    {
        for (int length : {1, 2, 3, 4, 7, 10})
            shapes.push_back({network, 1, length});
        const int flat[][2] = {{1, 1}, {1, 2}, {2, 1}, {2, 2}, {3, 3}, {3, 4}, {4, 3}, {5, 7}, {1, 10}, {10, 1}, {10, 10}};
        for (const auto& size : flat)
            shapes.push_back({network, 2, size[0], size[1]});
        const int tall[][3] = {{1, 1, 1}, {1, 1, 2}, {2, 2, 2}, {3, 3, 3}, {2, 3, 4}, {3, 2, 5},
                               {4, 4, 6}, {1, 10, 6}, {10, 1, 6}, {10, 10, 1}, {10, 10, 6}};
        for (const auto& size : tall)
            shapes.push_back({network, 3, size[0], size[1], size[2]});
    }
    return shapes;
}

int NodeCount(const Shape& shape)
{
    switch (shape.network)
    {
    case Network::Hypercube:
        return 1 << shape.dimension;
    case Network::Torus:
    case Network::Mesh:
        return shape.length * shape.width * shape.high;
    default:
        return (1 << shape.dimension) * butterfly::LevelCount(shape.network == Network::Wrapped, shape.dimension);
    }
}

std::vector<wxString> NodeTexts(const Shape& shape)
{
    std::vector<wxString> texts;
    if (shape.network == Network::Hypercube)
    {
        for (int node = 0; node < (1 << shape.dimension); ++node)
            texts.push_back(hypercube::NodeListText(node, shape.dimension));
    }
    else if (IsGrid(shape.network))
    {
        texts = grid::PointItems(shape.dimension, shape.length, shape.width, shape.high);
    }
    else
    {
        const int levels = butterfly::LevelCount(shape.network == Network::Wrapped, shape.dimension);
        for (int row = 0; row < (1 << shape.dimension); ++row)
            for (int level = 0; level < levels; ++level)
                texts.push_back(butterfly::NodeText(level, row, shape.dimension));
    }
    return texts;
}

std::vector<wxString> StartItems(const Shape& shape)
{
    if (IsButterfly(shape.network))
        return butterfly::StartTexts(shape.dimension);
    return NodeTexts(shape);
}

std::vector<wxString> FinalItems(const Shape& shape)
{
    if (IsButterfly(shape.network))
        return butterfly::FinalTexts(shape.network == Network::Wrapped, shape.dimension);
    return NodeTexts(shape);
}

std::vector<wxString> TopologyItems(const Shape& shape)
{
    switch (shape.network)
    {
    case Network::Hypercube:
        return {hypercube::kHamiltonianPath, hypercube::kHamiltonianCycle, hypercube::kBinaryTree,
                hypercube::kBinaryTreeCoin, hypercube::kMesh};
    case Network::Torus:
    case Network::Mesh:
        return grid::OfferedTopologies(shape.network == Network::Torus, shape.length, shape.width, shape.high);
    default:
        return {};
    }
}

NetworkFacts::NetworkFacts(const Shape& shape_)
    : shape(shape_),
      nodeCount(NodeCount(shape_)),
      arcMargin(ArcMargin(shape_)),
      routeBound(RouteBound(shape_)),
      nodeTexts(NodeTexts(shape_)),
      startItems(StartItems(shape_)),
      finalItems(FinalItems(shape_)),
      topologyItems(TopologyItems(shape_))
{
}

int LastStep(const NetworkFacts& facts, const ListTexts& texts)
{
    return std::max(facts.routeBound, NestingBound(facts, texts));
}

std::string CheckRecords(const NetworkFacts& facts, const ListTexts& texts, const PointList& points,
                         const LineList& lines, Roles* roles)
{
    std::ostringstream fault;
    if (static_cast<int>(points.GetCount()) != facts.nodeCount)
    {
        fault << points.GetCount() << " nodes instead of " << facts.nodeCount;
        return fault.str();
    }

    const int lastStep = LastStep(facts, texts);
    const bool nestingAllowed = NestingBound(facts, texts) > 0;
    std::vector<const Point*> records;
    records.reserve(points.GetCount() + 2 * lines.GetCount());
    Box box;
    int selected = 0;
    int index = 0;
    for (PointList::compatibility_iterator it = points.GetFirst(); it; it = it->GetNext(), ++index)
    {
        const Point* node = it->GetData();
        if (!node)
            return "an empty node entry";
        records.push_back(node);
        box.Add(*node);
        for (int at : {node->x, node->y, node->z})
            if (at < 0 || at > kLayoutLimit)
            {
                fault << "node " << index << " at " << At(*node) << " lies outside the layout";
                return fault.str();
            }
        if (node->state < 0 || node->state > 3)
        {
            fault << "node " << index << " in state " << node->state;
            return fault.str();
        }
        if (!StepFits(true, node->state, node->time, lastStep))
        {
            fault << "node " << index << " in state " << node->state << " at step " << node->time
                  << " (last step " << lastStep << ")";
            return fault.str();
        }
        if (node->state == 1)
        {
            ++selected;
            const wxString& text = facts.nodeTexts[static_cast<size_t>(index)];
            if (text != texts.start && text != texts.final)
            {
                fault << "node " << text.ToStdString() << " selected, but neither list holds its text";
                return fault.str();
            }
        }
        if (node->state == 2 && !nestingAllowed)
        {
            fault << "node " << index << " nested without a topology";
            return fault.str();
        }
        if (roles && node->state == 2)
            roles->nested = true;
    }
    if (selected > 2)
    {
        fault << selected << " nodes selected";
        return fault.str();
    }

    index = 0;
    for (LineList::compatibility_iterator it = lines.GetFirst(); it; it = it->GetNext(), ++index)
    {
        const Line* line = it->GetData();
        if (!line || !line->from || !line->to)
        {
            fault << "line " << index << " without two ends";
            return fault.str();
        }
        for (const Point* end : {line->from, line->to})
        {
            records.push_back(end);
            if (!box.Holds(*end, facts.arcMargin))
            {
                fault << "line " << index << " ends at " << At(*end) << ", outside the nodes' box "
                      << At(Point(0, 0, 0, box.low[0], box.low[1], box.low[2])) << " ... "
                      << At(Point(0, 0, 0, box.high[0], box.high[1], box.high[2])) << " widened by "
                      << facts.arcMargin;
                return fault.str();
            }
        }
        if (line->state < 0 || line->state > 2)
        {
            fault << "line " << index << " in state " << line->state;
            return fault.str();
        }
        if (!StepFits(false, line->state, line->time, lastStep))
        {
            fault << "line " << index << " in state " << line->state << " at step " << line->time
                  << " (last step " << lastStep << ")";
            return fault.str();
        }
        if (line->state == 2 && !nestingAllowed)
        {
            fault << "line " << index << " nested without a topology";
            return fault.str();
        }
        if (roles)
        {
            roles->routed = roles->routed || line->state == 1;
            roles->nested = roles->nested || line->state == 2;
        }
    }

    // Each record is freed by exactly one owner: its list, or the one line it ends.
    std::sort(records.begin(), records.end());
    if (std::adjacent_find(records.begin(), records.end()) != records.end())
        return "a record sits in two places (a node that ends a line, or an end shared by two lines)";
    return {};
}

} // namespace hardening
