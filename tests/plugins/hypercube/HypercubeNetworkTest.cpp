// The hypercube's layout, edges, route and nestings, checked on the records without a display.
#include <gtest/gtest.h>

#include "OwnedRecords.h"

#include <algorithm>
#include <climits>
#include <map>
#include <memory>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

#include "HypercubeNetwork.h"

namespace
{

using hypercube::BuildNetwork;
using hypercube::NetworkParams;
using hypercube::NodeListText;

// Plays back a fixed list of numbers: the first is the root, the rest are the coins.
class ScriptedRandom : public hypercube::RandomSource
{
public:
    explicit ScriptedRandom(std::vector<unsigned> values) : m_values(std::move(values)) {}
    void Seed() override { m_next = 0; ++seeds; }
    unsigned Next() override
    {
        const unsigned value = m_values[m_next % m_values.size()];
        ++m_next;
        return value;
    }
    int seeds = 0;

private:
    std::vector<unsigned> m_values;
    size_t m_next = 0;
};

struct Built : testsupport::OwnedRecords
{
    hypercube::NetworkResult result{};

    Point* Node(int id) const
    {
        for (Point* node : Nodes())
            if (node->id == id)
                return node;
        return nullptr;
    }

    // The lines of edge u-v in list order, whichever end came first.
    std::vector<Line*> Edge(int u, int v) const
    {
        std::vector<Line*> found;
        for (Line* line : Lines())
            if ((line->from->id == u && line->to->id == v) || (line->from->id == v && line->to->id == u))
                found.push_back(line);
        return found;
    }

    int CountNodes(int state) const
    {
        const std::vector<Point*> nodes = Nodes();
        return static_cast<int>(
            std::count_if(nodes.begin(), nodes.end(), [&](Point* p) { return p->state == state; }));
    }
};

std::unique_ptr<Built> Build(const NetworkParams& params)
{
    auto built = std::make_unique<Built>();
    built->result = BuildNetwork(params, &built->points, &built->lines);
    return built;
}

NetworkParams Cube(int n) { NetworkParams params; params.dimension = n; return params; }

NetworkParams Nesting(int n, const wxString& topology, hypercube::RandomSource* random = nullptr, int height = 0)
{
    NetworkParams params = Cube(n);
    params.topologyText = topology;
    params.random = random;
    params.treeHeight = height;
    return params;
}

NetworkParams Route(int n, int start, int final)
{
    NetworkParams params = Cube(n);
    params.startText = NodeListText(start, n);
    params.finalText = NodeListText(final, n);
    return params;
}

struct Spot { int x, y, z; };
bool operator==(const Spot& a, const Spot& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }
std::ostream& operator<<(std::ostream& out, const Spot& s)
{
    return out << "(" << s.x << ", " << s.y << ", " << s.z << ")";
}
Spot At(const Point* p) { return Spot{p->x, p->y, p->z}; }
std::tuple<int, int, int> Tuple(const Spot& s) { return std::make_tuple(s.x, s.y, s.z); }

// --- network -------------------------------------------------------------------------------

TEST(HypercubeNetwork, NodesAreLaidOutMirroredAndLabelledWithTheirDigits)
{
    struct Case { int n, id; Spot at; const char* label; };
    const Case cases[] = {
        {2, 0, {225, 0, 0}, "00"},   {2, 1, {0, 0, 0}, "01"},   {2, 2, {225, 225, 0}, "10"},
        {2, 3, {0, 225, 0}, "11"},   {3, 0, {150, 0, 0}, "000"}, {3, 7, {0, 150, 150}, "111"},
        {4, 0, {336, 0, 0}, "0000"}, {4, 8, {112, 0, 0}, "1000"}, {4, 5, {224, 0, 112}, "0101"},
        {6, 32, {225, 0, 150}, "100000"}, {6, 63, {0, 225, 225}, "111111"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "n = " << c.n << ", node " << c.id);
        auto built = Build(Cube(c.n));
        const std::vector<Point*> nodes = built->Nodes();
        ASSERT_EQ(nodes.size(), size_t(1) << c.n);
        const Point* node = nodes[static_cast<size_t>(c.id)];
        EXPECT_EQ(node->id, c.id);
        EXPECT_EQ(node->id2, 0);
        EXPECT_EQ(node->id3, 0);
        EXPECT_EQ(At(node), c.at);
        EXPECT_EQ(node->label, c.label);
        EXPECT_EQ(node->state, 0);
        EXPECT_EQ(node->time, -1);
        EXPECT_EQ(node->drawOrder, 2 * c.id);
    }
}

TEST(HypercubeNetwork, ReportsCountsAndSpacing)
{
    struct Case { int n, nodes, spacing; size_t lines; };
    const Case cases[] = {{2, 4, 225, 4}, {3, 8, 150, 12}, {4, 16, 112, 88}, {5, 32, 90, 304}, {6, 64, 75, 864}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "n = " << c.n);
        const long pointsBefore = Point::LiveCount();
        const long linesBefore = Line::LiveCount();
        {
            auto built = Build(Cube(c.n));
            EXPECT_EQ(built->result.nodeCount, c.nodes);
            EXPECT_EQ(built->result.spacing, c.spacing);
            EXPECT_EQ(built->points.GetCount(), size_t(c.nodes));
            EXPECT_EQ(built->lines.GetCount(), c.lines);
        }
        // Every line end was a record of its own and went with its line.
        EXPECT_EQ(Point::LiveCount(), pointsBefore);
        EXPECT_EQ(Line::LiveCount(), linesBefore);
    }
}

TEST(HypercubeNetwork, EveryEdgeJoinsNeighboursAndEveryNodeHasDegreeN)
{
    for (int n = 1; n <= 6; ++n)
    {
        SCOPED_TRACE(testing::Message() << "n = " << n);
        auto built = Build(Cube(n));
        const std::vector<Point*> nodes = built->Nodes();
        const std::set<Point*> nodeRecords(nodes.begin(), nodes.end());
        std::map<std::pair<int, int>, std::vector<Line*>> edges;
        for (Line* line : built->Lines())
        {
            EXPECT_EQ(nodeRecords.count(line->from), 0u);
            EXPECT_EQ(nodeRecords.count(line->to), 0u);
            for (const Point* end : {line->from, line->to})
            {
                EXPECT_EQ(end->id2, 0);
                EXPECT_EQ(end->id3, 0);
                EXPECT_EQ(end->state, 0);
                EXPECT_EQ(end->time, -1);
                EXPECT_TRUE(end->label.empty());
            }
            EXPECT_EQ(line->state, 0);
            EXPECT_EQ(line->time, -1);
            // Each edge is created from its lower node.
            EXPECT_LT(line->from->id, line->to->id);
            edges[{line->from->id, line->to->id}].push_back(line);
        }
        EXPECT_EQ(edges.size(), size_t(n) << (n - 1));
        std::map<int, std::set<int>> neighbours;
        for (const auto& edge : edges)
        {
            const int differing = edge.first.first ^ edge.first.second;
            ASSERT_EQ(differing & (differing - 1), 0) << edge.first.first << "-" << edge.first.second;
            int bit = 0;
            while ((differing >> bit) != 1)
                ++bit;
            // The first three dimensions are straight, the others arcs of eight joined segments.
            const std::vector<Line*>& segments = edge.second;
            ASSERT_EQ(segments.size(), bit < 3 ? 1u : 8u);
            for (size_t j = 0; j + 1 < segments.size(); ++j)
                EXPECT_EQ(At(segments[j]->to), At(segments[j + 1]->from));
            // An arc runs from the end with the larger coordinate to the other end.
            const std::set<std::tuple<int, int, int>> ends = {
                Tuple(At(segments.front()->from)), Tuple(At(segments.back()->to))};
            const std::set<std::tuple<int, int, int>> nodeSpots = {
                Tuple(At(built->Node(edge.first.first))), Tuple(At(built->Node(edge.first.second)))};
            EXPECT_EQ(ends, nodeSpots) << edge.first.first << "-" << edge.first.second;
            neighbours[edge.first.first].insert(edge.first.second);
            neighbours[edge.first.second].insert(edge.first.first);
        }
        for (const Point* node : built->Nodes())
            EXPECT_EQ(neighbours[node->id].size(), size_t(n)) << "node " << node->id;
    }
}

TEST(HypercubeNetwork, SquareLinesComeInCreationOrder)
{
    auto built = Build(Cube(2));
    const std::pair<int, int> expected[] = {{0, 1}, {0, 2}, {1, 3}, {2, 3}};
    const std::vector<Line*> lines = built->Lines();
    ASSERT_EQ(lines.size(), 4u);
    for (size_t i = 0; i < lines.size(); ++i)
    {
        EXPECT_EQ(lines[i]->from->id, expected[i].first);
        EXPECT_EQ(lines[i]->to->id, expected[i].second);
        EXPECT_EQ(lines[i]->drawOrder, int(i));
        EXPECT_EQ(At(lines[i]->from), At(built->Node(expected[i].first)));
        EXPECT_EQ(At(lines[i]->to), At(built->Node(expected[i].second)));
    }
}

TEST(HypercubeNetwork, TesseractArcAndStraightLine)
{
    auto built = Build(Cube(4));
    const std::vector<Line*> straight = built->Edge(0, 1);
    ASSERT_EQ(straight.size(), 1u);
    EXPECT_EQ(At(straight[0]->from), (Spot{336, 0, 0}));
    EXPECT_EQ(At(straight[0]->to), (Spot{224, 0, 0}));
    EXPECT_EQ(straight[0]->drawOrder, 0);

    const Spot arc[] = {{336, 0, 0},  {327, 0, 6},  {303, 0, 12}, {266, 0, 16}, {224, 0, 17},
                        {181, 0, 16}, {144, 0, 12}, {120, 0, 6},  {112, 0, 0}};
    const std::vector<Line*> segments = built->Edge(0, 8);
    ASSERT_EQ(segments.size(), 8u);
    for (size_t j = 0; j < segments.size(); ++j)
    {
        SCOPED_TRACE(testing::Message() << "segment " << j);
        EXPECT_EQ(segments[j]->from->id, 0);
        EXPECT_EQ(segments[j]->to->id, 8);
        EXPECT_EQ(At(segments[j]->from), arc[j]);
        EXPECT_EQ(At(segments[j]->to), arc[j + 1]);
        EXPECT_EQ(segments[j]->drawOrder, 5 + int(j));
    }

    // Straight lines and arc segments are numbered apart, each from its own start.
    std::vector<int> straightOrders, arcOrders;
    for (const Line* line : built->Lines())
        ((line->from->id ^ line->to->id) < 8 ? straightOrders : arcOrders).push_back(line->drawOrder);
    ASSERT_EQ(straightOrders.size(), 24u);
    ASSERT_EQ(arcOrders.size(), 64u);
    for (size_t i = 0; i < straightOrders.size(); ++i)
        EXPECT_EQ(straightOrders[i], int(i));
    for (size_t i = 0; i < arcOrders.size(); ++i)
        EXPECT_EQ(arcOrders[i], 5 + int(i));
}

TEST(HypercubeNetwork, HexeractZArcBulgesInX)
{
    auto built = Build(Cube(6));
    const std::vector<Line*> segments = built->Edge(0, 32);
    ASSERT_EQ(segments.size(), 8u);
    EXPECT_EQ(segments.front()->from->z, 150);
    EXPECT_EQ(segments.back()->to->z, 0);
    int widest = 0;
    for (const Line* line : segments)
    {
        widest = std::max({widest, line->from->x, line->to->x});
        EXPECT_EQ(line->from->y, 0);
    }
    EXPECT_EQ(widest, 237);
}

// --- route ---------------------------------------------------------------------------------

TEST(HypercubeRoute, CorrectsTheMostSignificantDifferingDigitFirst)
{
    struct Case { int n, start, final; std::vector<int> path; };
    const Case cases[] = {
        {3, 0, 7, {0, 4, 6, 7}},
        {4, 0, 8, {0, 8}},
        {4, 5, 10, {5, 13, 9, 11, 10}},
        {6, 63, 0, {63, 31, 15, 7, 3, 1, 0}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "n = " << c.n << ", " << c.start << " to " << c.final);
        auto built = Build(Route(c.n, c.start, c.final));
        EXPECT_EQ(built->result.startNode, c.start);
        EXPECT_EQ(built->result.finalNode, c.final);

        std::set<Line*> routed;
        for (size_t hop = 1; hop < c.path.size(); ++hop)
        {
            const std::vector<Line*> lines = built->Edge(c.path[hop - 1], c.path[hop]);
            ASSERT_FALSE(lines.empty());
            for (Line* line : lines)
            {
                EXPECT_EQ(line->state, 1);
                EXPECT_EQ(line->time, int(hop));
                routed.insert(line);
            }
        }
        for (Line* line : built->Lines())
            if (!routed.count(line))
                EXPECT_EQ(line->state, 0);

        for (const Point* node : built->Nodes())
        {
            const auto onPath = std::find(c.path.begin(), c.path.end(), node->id);
            if (node->id == c.start || node->id == c.final)
            {
                EXPECT_EQ(node->state, 1);
                EXPECT_EQ(node->time, -1);
            }
            else if (onPath != c.path.end())
            {
                EXPECT_EQ(node->state, 3) << "node " << node->id;
                EXPECT_EQ(node->time, int(onPath - c.path.begin()));
            }
            else
                EXPECT_EQ(node->state, 0) << "node " << node->id;
        }
    }
}

TEST(HypercubeRoute, NeedsTwoDifferentEnds)
{
    {
        SCOPED_TRACE("start equals final");
        auto built = Build(Route(4, 6, 6));
        EXPECT_EQ(built->result.startNode, 6);
        EXPECT_EQ(built->result.finalNode, 6);
        EXPECT_EQ(built->Node(6)->state, 1);
        EXPECT_EQ(built->CountNodes(0), 15);
        for (const Line* line : built->Lines())
            EXPECT_EQ(line->state, 0);
    }
    {
        SCOPED_TRACE("only a start");
        NetworkParams params = Cube(4);
        params.startText = "(0110)";
        auto built = Build(params);
        EXPECT_EQ(built->result.startNode, 6);
        EXPECT_EQ(built->result.finalNode, -1);
        EXPECT_EQ(built->CountNodes(1), 1);
        for (const Line* line : built->Lines())
            EXPECT_EQ(line->state, 0);
    }
}

TEST(HypercubeRoute, UnmatchedTextsKeepThePreviousEnds)
{
    // Typed texts that name no node: the indices stay, and the route still runs between them.
    for (const wxString& typed : {wxString("(junk)"), wxString("0011"), wxString("(00110)"), wxString()})
    {
        SCOPED_TRACE(typed.utf8_str().data());
        NetworkParams params = Cube(4);
        params.startText = typed;
        params.finalText = "(0000)";
        params.startNode = 3;
        params.finalNode = 9;
        auto built = Build(params);
        EXPECT_EQ(built->result.startNode, 3);
        EXPECT_EQ(built->result.finalNode, 0);
        EXPECT_EQ(built->Node(3)->state, 0);
        EXPECT_EQ(built->Node(0)->state, 1);
        EXPECT_EQ(built->Edge(3, 1).front()->state, 1);
        EXPECT_EQ(built->Node(1)->state, 3);
    }
    {
        SCOPED_TRACE("indices from a larger cube name no node here");
        NetworkParams params = Cube(3);
        params.startNode = 40;
        params.finalNode = 2;
        auto built = Build(params);
        EXPECT_EQ(built->result.startNode, 40);
        for (const Line* line : built->Lines())
            EXPECT_EQ(line->state, 0);
        EXPECT_EQ(built->CountNodes(0), 8);
    }
}

// --- nesting -------------------------------------------------------------------------------

struct Expected { int id, state, time; };

void ExpectNodes(const Built& built, const std::vector<Expected>& expected)
{
    std::set<int> named;
    for (const Expected& e : expected)
    {
        const Point* node = built.Node(e.id);
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(node->state, e.state) << "node " << e.id;
        EXPECT_EQ(node->time, e.time) << "node " << e.id;
        named.insert(e.id);
    }
    for (const Point* node : built.Nodes())
        if (!named.count(node->id))
        {
            EXPECT_EQ(node->state, 0) << "node " << node->id;
            EXPECT_EQ(node->time, -1) << "node " << node->id;
        }
}

struct ExpectedEdge { int u, v, time; };

void ExpectNestedEdges(const Built& built, const std::vector<ExpectedEdge>& expected)
{
    std::set<const Line*> named;
    for (const ExpectedEdge& e : expected)
    {
        const std::vector<Line*> lines = built.Edge(e.u, e.v);
        ASSERT_FALSE(lines.empty()) << e.u << "-" << e.v;
        for (const Line* line : lines)
        {
            EXPECT_EQ(line->state, 2) << e.u << "-" << e.v;
            EXPECT_EQ(line->time, e.time) << e.u << "-" << e.v;
            named.insert(line);
        }
    }
    for (const Line* line : built.Lines())
        if (!named.count(line))
            EXPECT_EQ(line->state, 0) << line->from->id << "-" << line->to->id;
}

TEST(HypercubeNesting, HamiltonianPathAndCycleFollowTheGrayCode)
{
    const std::vector<ExpectedEdge> pathEdges = {{0, 1, 1}, {1, 3, 2}, {2, 3, 3}, {2, 6, 4},
                                                 {6, 7, 5}, {5, 7, 6}, {4, 5, 7}};
    {
        SCOPED_TRACE("path");
        auto built = Build(Nesting(3, hypercube::kHamiltonianPath));
        ExpectNodes(*built, {{0, 2, 1}, {1, 3, 1}, {3, 3, 2}, {2, 3, 3}, {6, 3, 4},
                             {7, 3, 5}, {5, 3, 6}, {4, 2, 7}});
        ExpectNestedEdges(*built, pathEdges);
    }
    {
        SCOPED_TRACE("cycle");
        auto built = Build(Nesting(3, hypercube::kHamiltonianCycle));
        ExpectNodes(*built, {{0, 3, 1}, {1, 3, 1}, {3, 3, 2}, {2, 3, 3}, {6, 3, 4},
                             {7, 3, 5}, {5, 3, 6}, {4, 3, 7}});
        std::vector<ExpectedEdge> cycleEdges = pathEdges;
        cycleEdges.push_back({0, 4, 8});
        ExpectNestedEdges(*built, cycleEdges);
    }
    {
        SCOPED_TRACE("cycle over arcs");
        auto built = Build(Nesting(6, hypercube::kHamiltonianCycle));
        EXPECT_EQ(built->CountNodes(3), 64);
        // 64 edges of the cycle: bit 3 flips 4 times, bit 4 twice, bit 5 twice with the closing
        // edge; those 8 are arcs of eight segments, the other 56 straight lines.
        int nested = 0;
        for (const Line* line : built->Lines())
            nested += line->state == 2;
        EXPECT_EQ(nested, 56 + 8 * 8);
    }
}

TEST(HypercubeNesting, MeshIsALadderOfRungsTwoApart)
{
    struct Case { int n; std::vector<std::pair<int, int>> rungs; };
    const Case cases[] = {
        {3, {{0, 2}, {1, 3}, {5, 7}, {4, 6}}},
        {4, {{0, 2}, {1, 3}, {5, 7}, {4, 6}, {12, 14}, {8, 10}, {9, 11}, {13, 15}}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "n = " << c.n);
        auto built = Build(Nesting(c.n, hypercube::kMesh));
        std::vector<Expected> nodes;
        std::vector<ExpectedEdge> edges;
        for (size_t r = 0; r < c.rungs.size(); ++r)
        {
            const int t = int(r) + 1;
            nodes.push_back({c.rungs[r].first, 2, t});
            nodes.push_back({c.rungs[r].second, 2, t});
            edges.push_back({c.rungs[r].first, c.rungs[r].second, t});
            if (r > 0)
            {
                edges.push_back({c.rungs[r - 1].first, c.rungs[r].first, t});
                edges.push_back({c.rungs[r - 1].second, c.rungs[r].second, t});
            }
        }
        ExpectNodes(*built, nodes);
        ExpectNestedEdges(*built, edges);
    }
}

TEST(HypercubeNesting, BinaryTreeGrowsBreadthFirstFromTheRandomRoot)
{
    ScriptedRandom rootZero({0});
    auto built = Build(Nesting(4, hypercube::kBinaryTree, &rootZero));
    EXPECT_EQ(rootZero.seeds, 1);
    ExpectNodes(*built, {{0, 2, 1}, {8, 2, 2}, {4, 2, 3}, {12, 2, 4}, {10, 2, 5}, {6, 2, 6}, {5, 2, 7}});
    ExpectNestedEdges(*built, {{0, 8, 2}, {0, 4, 3}, {8, 12, 4}, {8, 10, 5}, {4, 6, 6}, {4, 5, 7}});
}

TEST(HypercubeNesting, BinaryTreeSizesDoNotDependOnTheRoot)
{
    const int sizes[] = {3, 3, 7, 15, 30};
    for (int n = 2; n <= 6; ++n)
        for (unsigned seed : {1u, 2u, 77u})
        {
            SCOPED_TRACE(testing::Message() << "n = " << n << ", seed " << seed);
            hypercube::FixedRandom random(seed);
            auto built = Build(Nesting(n, hypercube::kBinaryTree, &random));
            EXPECT_EQ(built->CountNodes(2), sizes[n - 2]);
            // One node per time step, each hung from one earlier node by one nested edge.
            std::set<int> times;
            std::set<std::pair<int, int>> nestedEdges;
            for (const Point* node : built->Nodes())
                if (node->state == 2)
                    times.insert(node->time);
            for (const Line* line : built->Lines())
                if (line->state == 2)
                {
                    nestedEdges.insert({line->from->id, line->to->id});
                    EXPECT_EQ(built->Node(line->from->id)->state, 2);
                    EXPECT_EQ(built->Node(line->to->id)->state, 2);
                    EXPECT_EQ(line->time, std::max(built->Node(line->from->id)->time,
                                                   built->Node(line->to->id)->time));
                }
            EXPECT_EQ(times.size(), size_t(sizes[n - 2]));
            EXPECT_EQ(*times.rbegin(), sizes[n - 2]);
            EXPECT_EQ(nestedEdges.size(), size_t(sizes[n - 2] - 1));
        }
}

TEST(HypercubeNesting, CoinTreeKeepsOneChildOnItsParent)
{
    struct Case { int n, height; std::vector<unsigned> random; std::vector<Expected> nodes; std::vector<ExpectedEdge> edges; };
    const Case cases[] = {
        {4, 0, {5}, {{5, 2, 1}}, {}},
        {4, 1, {5}, {{5, 2, 1}}, {}},
        {4, 2, {5, 0}, {{5, 2, 1}, {7, 2, 2}}, {{5, 7, 2}}},
        // A coin that is not 0 puts the moved child first: it takes the next level's first step.
        {4, 3, {0, 1, 1, 1}, {{0, 2, 1}, {2, 2, 2}, {6, 2, 3}, {4, 2, 4}}, {{0, 2, 2}, {2, 6, 3}, {0, 4, 4}}},
        {4, 3, {0, 0, 0, 0}, {{0, 2, 1}, {2, 2, 2}, {4, 2, 3}, {6, 2, 4}}, {{0, 2, 2}, {0, 4, 3}, {2, 6, 4}}},
        {4, 4, {0, 0}, {{0, 2, 1}, {2, 2, 2}, {4, 2, 3}, {6, 2, 4}, {8, 2, 5}, {12, 2, 6}, {10, 2, 7}, {14, 2, 8}},
         {{0, 2, 2}, {0, 4, 3}, {2, 6, 4}, {0, 8, 5}, {4, 12, 6}, {2, 10, 7}, {6, 14, 8}}},
        // Level 3 of a square moves along bit 1 again: entries that add nothing take no step.
        {2, 4, {0, 0}, {{0, 2, 1}, {2, 2, 2}, {1, 2, 3}, {3, 2, 4}}, {{0, 2, 2}, {0, 1, 3}, {2, 3, 4}, {1, 3, 5}}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "n = " << c.n << ", height " << c.height);
        ScriptedRandom random(c.random);
        auto built = Build(Nesting(c.n, hypercube::kBinaryTreeCoin, &random, c.height));
        EXPECT_EQ(random.seeds, 1);
        ExpectNodes(*built, c.nodes);
        ExpectNestedEdges(*built, c.edges);
    }
}

TEST(HypercubeNesting, OnlyTheFiveTopologyTextsNest)
{
    const wxString others[] = {"", "Binary", "hamiltonian path", "Mesh (1,2,*) ", " Binary Tree",
                               "Binary Tree (Flipping-a-coin", "(0000)"};
    for (const wxString& text : others)
    {
        SCOPED_TRACE(text.utf8_str().data());
        ScriptedRandom random({3});
        auto built = Build(Nesting(4, text, &random, 3));
        EXPECT_EQ(built->CountNodes(0), 16);
        for (const Line* line : built->Lines())
            EXPECT_EQ(line->state, 0);
        EXPECT_EQ(random.seeds, 0);
    }
}

TEST(HypercubeNesting, NestingLeavesRouteEndsAlone)
{
    // A start typed while a topology is set: its node stays selected and is never a free parent.
    NetworkParams params = Nesting(3, hypercube::kHamiltonianPath);
    params.startText = "(000)";
    auto built = Build(params);
    EXPECT_EQ(built->Node(0)->state, 1);
    EXPECT_EQ(built->Node(0)->time, -1);
    EXPECT_EQ(built->Node(4)->state, 2);
}

// --- parameters outside the controls' ranges -------------------------------------------------

// Edge segments of an n-cube: straight edges for bits 0 to 2, eight segments for the others.
size_t SegmentCount(int n)
{
    if (n < 1)
        return 0;
    const size_t perBit = size_t(1) << (n - 1);
    return perBit * size_t(std::min(n, 3)) + perBit * 8 * size_t(std::max(n - 3, 0));
}

TEST(HypercubeLimits, AnyDimensionAndHeightBuildsSafely)
{
    const wxString topologies[] = {"", hypercube::kHamiltonianPath, hypercube::kHamiltonianCycle,
                                   hypercube::kMesh, hypercube::kBinaryTree, hypercube::kBinaryTreeCoin};
    struct Case { int n, built; };
    const Case cases[] = {{INT_MIN, 0}, {-3, 0}, {0, 0}, {1, 1}, {2, 2}, {7, 7},
                          {100, hypercube::kMaxDimension}, {INT_MAX, hypercube::kMaxDimension}};
    for (const Case& c : cases)
        for (const wxString& topology : topologies)
            for (int height : {INT_MIN, -1, 0, 8, 40, INT_MAX})
            {
                // The largest cube is built once per topology, to keep the test quick.
                if (c.built == hypercube::kMaxDimension && height != INT_MAX)
                    continue;
                SCOPED_TRACE(testing::Message() << "n = " << c.n << ", " << topology.utf8_str().data()
                                                << ", height " << height);
                hypercube::FixedRandom random(9);
                NetworkParams params = Nesting(c.n, topology, &random, height);
                params.startNode = 1;
                params.finalNode = 1000;
                auto built = Build(params);
                EXPECT_EQ(built->points.GetCount(), size_t(1) << c.built);
                EXPECT_EQ(built->lines.GetCount(), SegmentCount(c.built));
            }
}

TEST(HypercubeText, DimensionNamesAndNodeTexts)
{
    const char* names[] = {"Point", "Line", "Square", "Cube", "Tesseract", "Penteract", "Hexeract",
                           "Hepteract", "Octeract", "Enneract"};
    for (int n = 0; n < 10; ++n)
        EXPECT_STREQ(wxString(hypercube::DimensionName(n)).utf8_str().data(), names[n]);
    EXPECT_EQ(hypercube::DimensionName(-1), nullptr);
    EXPECT_EQ(hypercube::DimensionName(10), nullptr);

    EXPECT_EQ(NodeListText(5, 3), "(101)");
    EXPECT_EQ(NodeListText(5, 4), "(0101)");
    EXPECT_EQ(NodeListText(0, 6), "(000000)");
    EXPECT_EQ(NodeListText(63, 6), "(111111)");
}

} // namespace
