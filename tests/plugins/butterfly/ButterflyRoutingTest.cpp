// Butterfly routes without a display: the hops of both walks and how a built network marks them.
#include <gtest/gtest.h>

#include "ButterflyTestKit.h"

using namespace butterflytest;
using butterfly::NodeText;
using butterfly::OrdinaryWalk;
using butterfly::WrappedWalk;

namespace
{

std::string Name(Node node) { return "(" + std::to_string(node.row) + "," + std::to_string(node.level) + ")"; }

// The records tell the route exactly: the ends selected from the start, each hop's node
// visited and every line of the hop routed from the hop's step on; nothing else touched.
void ExpectMarkedRoute(const Built& built, Node start, Node final, const std::vector<Node>& hops)
{
    std::map<Node, int> stepOf;
    for (size_t i = 0; i < hops.size(); ++i)
        stepOf[hops[i]] = static_cast<int>(i) + 1;
    for (const Point* p : built.Nodes())
    {
        const Node node{p->id, p->id2};
        SCOPED_TRACE(Name(node));
        if (node == start || node == final)
        {
            EXPECT_EQ(p->state, 1);
            EXPECT_EQ(p->time, -1);
        }
        else if (stepOf.count(node))
        {
            EXPECT_EQ(p->state, 3);
            EXPECT_EQ(p->time, stepOf[node]);
        }
        else
        {
            EXPECT_EQ(p->state, 0);
            EXPECT_EQ(p->time, -1);
        }
    }
    std::map<std::pair<Node, Node>, int> hopStep;
    Node current = start;
    for (size_t i = 0; i < hops.size(); ++i)
    {
        hopStep[std::make_pair(current, hops[i])] = static_cast<int>(i) + 1;
        hopStep[std::make_pair(hops[i], current)] = static_cast<int>(i) + 1;
        current = hops[i];
    }
    for (const Line* line : built.Lines())
    {
        const auto found = hopStep.find(std::make_pair(FromOf(line), ToOf(line)));
        SCOPED_TRACE(Name(FromOf(line)) + "-" + Name(ToOf(line)));
        EXPECT_EQ(line->state, found == hopStep.end() ? 0 : 1);
        EXPECT_EQ(line->time, found == hopStep.end() ? -1 : found->second);
    }
}

int RoutedLines(const Built& built)
{
    int routed = 0;
    for (const Line* line : built.Lines())
        routed += line->state == 1 ? 1 : 0;
    return routed;
}

int VisitedNodes(const Built& built)
{
    int visited = 0;
    for (const Point* p : built.Nodes())
        visited += p->state == 3 ? 1 : 0;
    return visited;
}

struct RouteCase
{
    const char* name;
    bool wrapped;
    int n;
    Node start;
    Node final;
    std::vector<Node> hops;
    int routedLines;   // a wrap-around hop routes all eight arc segments
};

TEST(ButterflyRouting, KnownRoutes)
{
    const RouteCase cases[] = {
        {"ordinary 0 to 7", false, 3, {0, 0}, {7, 3}, {{1, 1}, {3, 2}, {7, 3}}, 3},
        {"ordinary 5 to 2", false, 3, {5, 0}, {2, 3}, {{4, 1}, {6, 2}, {2, 3}}, 3},
        {"ordinary equal rows", false, 3, {6, 0}, {6, 3}, {{6, 1}, {6, 2}, {6, 3}}, 3},
        {"ordinary equal rows n 5", false, 5, {19, 0}, {19, 5}, {{19, 1}, {19, 2}, {19, 3}, {19, 4}, {19, 5}}, 5},
        {"wrapped 0 to 7", true, 3, {0, 0}, {7, 2}, {{4, 2}, {6, 1}, {7, 0}, {7, 2}}, 3 + 8},
        {"wrapped along row 3", true, 3, {3, 0}, {3, 2}, {{3, 2}}, 8},
        {"wrapped n 2", true, 2, {0, 0}, {3, 1}, {{2, 1}, {3, 0}, {3, 1}}, 3},
        {"wrapped n 4, equal ways round go down", true, 4, {0, 0}, {1, 3}, {{1, 1}, {1, 0}, {1, 3}}, 2 + 8},
        {"wrapped n 4", true, 4, {0, 0}, {15, 3}, {{8, 3}, {12, 2}, {14, 1}, {15, 0}, {15, 3}}, 4 + 8},
    };
    for (const RouteCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        const std::vector<Node> hops = c.wrapped ? WrappedWalk(c.n, c.start, c.final) : OrdinaryWalk(c.n, c.start, c.final);
        EXPECT_EQ(hops, c.hops);
        auto built = Build(c.wrapped, c.n, NodeText(c.start.level, c.start.row, c.n),
                           NodeText(c.final.level, c.final.row, c.n));
        ExpectMarkedRoute(*built, c.start, c.final, c.hops);
        EXPECT_EQ(RoutedLines(*built), c.routedLines);
        // The walk leaves its position on the final node; the next reload finds the start again.
        EXPECT_EQ(built->params.startRow, c.final.row);
        EXPECT_EQ(built->params.startLevel, c.final.level);
        EXPECT_EQ(built->params.finalRow, c.final.row);
        EXPECT_EQ(built->params.finalLevel, c.final.level);
    }
}

TEST(ButterflyRouting, EveryOfferedPairArrivesWithinItsHopBound)
{
    for (bool wrapped : {true, false})
    {
        for (int n = 2; n <= 5; ++n)
        {
            const int rows = 1 << n;
            const int last = butterfly::LastLevel(wrapped, n);
            const size_t bound = wrapped ? (n == 2 ? 3 : n == 3 ? 4 : n == 4 ? 5 : 7) : static_cast<size_t>(n);
            for (int sr = 0; sr < rows; ++sr)
            {
                for (int fr = 0; fr < rows; ++fr)
                {
                    const Node start{sr, 0};
                    const Node final{fr, last};
                    SCOPED_TRACE(testing::Message() << (wrapped ? "wrapped" : "ordinary") << " n " << n << " "
                                                    << Name(start) << " to " << Name(final));
                    const std::vector<Node> hops = wrapped ? WrappedWalk(n, start, final) : OrdinaryWalk(n, start, final);
                    ASSERT_FALSE(hops.empty());
                    EXPECT_TRUE(hops.back() == final);
                    EXPECT_LE(hops.size(), bound);
                    if (wrapped && n == 2)
                    {
                        EXPECT_TRUE(hops.size() == 1 || hops.size() == 3) << hops.size();
                    }
                    if (!wrapped)
                    {
                        EXPECT_EQ(hops.size(), static_cast<size_t>(n));
                    }
                    // Each hop follows an edge, and no node is reached twice, so every step
                    // number is a hop number.
                    std::set<Node> seen{start};
                    Node current = start;
                    for (const Node& next : hops)
                    {
                        EXPECT_EQ(ExpectedNeighbours(wrapped, n, current).count(next), 1u) << Name(current) << "->" << Name(next);
                        EXPECT_TRUE(seen.insert(next).second) << Name(next);
                        current = next;
                    }
                    if (n <= 4 || (sr % 5 == 0))
                    {
                        auto built = Build(wrapped, n, NodeText(0, sr, n), NodeText(last, fr, n));
                        ExpectMarkedRoute(*built, start, final, hops);
                    }
                }
            }
        }
    }
}

TEST(ButterflyRouting, WrappedWalkEndsForEveryPairOfNodes)
{
    // Typed texts may name any node as start or final; the greedy walk still arrives.
    for (int n = 2; n <= 5; ++n)
    {
        const std::vector<Node> nodes = AllNodes(true, n);
        for (const Node& start : nodes)
        {
            for (const Node& final : nodes)
            {
                const std::vector<Node> hops = WrappedWalk(n, start, final);
                if (start == final)
                {
                    EXPECT_TRUE(hops.empty());
                    continue;
                }
                ASSERT_FALSE(hops.empty()) << n << " " << Name(start) << " " << Name(final);
                ASSERT_TRUE(hops.back() == final) << n << " " << Name(start) << " " << Name(final);
                ASSERT_LE(hops.size(), nodes.size());
                Node current = start;
                for (const Node& next : hops)
                {
                    ASSERT_EQ(ExpectedNeighbours(true, n, current).count(next), 1u);
                    current = next;
                }
            }
        }
    }
}

TEST(ButterflyRouting, TypedNodesOffTheOrdinaryEndsDrawNoRoute)
{
    const struct
    {
        const char* start;
        const char* final;
    } typed[] = {
        {"(2,011)", "(3,101)"},   // start in the middle
        {"(0,011)", "(2,101)"},   // final in the middle
        {"(3,011)", "(0,101)"},   // the two ends swapped
        {"(0,011)", "(0,011)"},   // one node twice
        {"(3,110)", "(3,011)"},   // both on the last level
    };
    for (const auto& t : typed)
    {
        SCOPED_TRACE(testing::Message() << t.start << " " << t.final);
        auto built = Build(false, 3, t.start, t.final);
        EXPECT_EQ(RoutedLines(*built), 0);
        EXPECT_EQ(VisitedNodes(*built), 0);
        int selected = 0;
        for (const Point* p : built->Nodes())
            selected += p->state == 1 ? 1 : 0;
        EXPECT_EQ(selected, wxString(t.start) == t.final ? 1 : 2);
        EXPECT_NE(built->params.startRow, -1);
        EXPECT_NE(built->params.finalRow, -1);
    }
    // Walks asked directly about such nodes, or about nodes outside the network, do nothing.
    EXPECT_TRUE(OrdinaryWalk(3, Node{3, 2}, Node{5, 3}).empty());
    EXPECT_TRUE(OrdinaryWalk(3, Node{3, 0}, Node{5, 2}).empty());
    EXPECT_TRUE(OrdinaryWalk(3, Node{8, 0}, Node{5, 3}).empty());
    EXPECT_TRUE(WrappedWalk(3, Node{0, 0}, Node{0, 3}).empty());
    EXPECT_TRUE(WrappedWalk(3, Node{-1, 0}, Node{0, 2}).empty());
}

TEST(ButterflyRouting, TypedNodesOnOtherWrappedLevelsStillGetARoute)
{
    auto built = Build(true, 3, "(2,110)", "(1,001)");
    const std::vector<Node> hops = WrappedWalk(3, Node{6, 2}, Node{1, 1});
    ASSERT_FALSE(hops.empty());
    ExpectMarkedRoute(*built, Node{6, 2}, Node{1, 1}, hops);
}

TEST(ButterflyRouting, OnlyExactListTextsSelectANode)
{
    const struct
    {
        const char* start;
        const char* final;
        bool route;
    } texts[] = {
        {"(0,000)", "(2,111)", true},
        {"(0,00)", "(2,111)", false},
        {"(0,000) ", "(2,111)", false},
        {"0,000", "(2,111)", false},
        {"(00,000)", "(2,111)", false},
        {"(0,000)", "", false},
    };
    for (const auto& t : texts)
    {
        SCOPED_TRACE(testing::Message() << "'" << t.start << "' '" << t.final << "'");
        auto built = Build(true, 3, t.start, t.final);
        EXPECT_EQ(RoutedLines(*built) > 0, t.route);
    }
}

TEST(ButterflyRouting, AnUnmatchedTextKeepsTheEndFoundBefore)
{
    std::unique_ptr<Built> built(new Built);
    built->params.wrapped = true;
    built->params.dimension = 3;
    built->params.startRow = 0;
    built->params.startLevel = 0;
    built->params.startText = "typed";
    built->params.finalText = NodeText(2, 7, 3);
    butterfly::BuildNetwork(built->params, &built->points, &built->lines);
    // The start node is no longer selected by its text, but the route from it is drawn.
    EXPECT_EQ(built->NodeAt(Node{0, 0})->state, 0);
    EXPECT_EQ(built->NodeAt(Node{4, 2})->state, 3);
    EXPECT_EQ(built->NodeAt(Node{7, 2})->state, 1);
    EXPECT_EQ(RoutedLines(*built), 3 + 8);
}

} // namespace
