// Torus and mesh networks, routes and nestings, checked on the records without a display.
#include <gtest/gtest.h>

#include "OwnedRecords.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "GridCore.h"

namespace
{

using Key = std::array<int, 3>;

Key KeyOf(const Point& p) { return {p.id, p.id2, p.id3}; }

std::string Show(const Key& k) { return wxString::Format("(%d,%d,%d)", k[0], k[1], k[2]).ToStdString(); }

// One build of a network into lists of its own.
struct Built : testsupport::OwnedRecords
{
    grid::GridParams params;

    Built(bool torus, int dimension, int length, int width, int high, const wxString& start = "",
          const wxString& final = "", const wxString& topology = "")
    {
        params.torus = torus;
        params.dimension = dimension;
        params.length = length;
        params.width = width;
        params.high = high;
        params.startText = start;
        params.finalText = final;
        params.topologyText = topology;
        grid::BuildNetwork(params, &points, &lines);
    }

    explicit Built(const grid::GridParams& given) : params(given) { grid::BuildNetwork(params, &points, &lines); }


    Point* Node(const Key& k) const
    {
        Index();
        const auto found = m_nodes.find(k);
        return found == m_nodes.end() ? nullptr : found->second;
    }

    // Lines whose end keys name a and b, either way round.
    std::vector<Line*> Between(const Key& a, const Key& b) const
    {
        Index();
        std::vector<Line*> found;
        const auto ab = m_links.find({a, b});
        if (ab != m_links.end())
            found = ab->second;
        const auto ba = m_links.find({b, a});
        if (ba != m_links.end() && !(a == b))
            found.insert(found.end(), ba->second.begin(), ba->second.end());
        return found;
    }

    int CountLines(int state) const
    {
        const auto all = Lines();
        return static_cast<int>(std::count_if(all.begin(), all.end(), [&](Line* l) { return l->state == state; }));
    }

private:
    // Built once, after the build: the checks ask many questions of big networks.
    void Index() const
    {
        if (m_indexed)
            return;
        m_indexed = true;
        for (Point* p : Nodes())
            m_nodes.emplace(KeyOf(*p), p);
        for (Line* l : Lines())
            m_links[{KeyOf(*l->from), KeyOf(*l->to)}].push_back(l);
    }

    mutable bool m_indexed = false;
    mutable std::map<Key, Point*> m_nodes;
    mutable std::map<std::pair<Key, Key>, std::vector<Line*>> m_links;
};

// ---------------------------------------------------------------------------------------------
// Layout

TEST(GridLayout, SpacingIsTheTightestAxis)
{
    struct Case { int length, width, high, spacing; };
    const Case cases[] = {{3, 3, 1, 133}, {4, 3, 1, 100}, {10, 10, 6, 33}, {1, 1, 1, 200},
                          {10, 1, 1, 40}, {1, 1, 6, 33}, {2, 7, 3, 57}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.length << "x" << c.width << "x" << c.high);
        EXPECT_EQ(grid::Spacing(c.length, c.width, c.high), c.spacing);
        Built built(true, 3, c.length, c.width, c.high);
        EXPECT_FLOAT_EQ(built.params.spacing, static_cast<float>(c.spacing));
        EXPECT_EQ(built.params.largestX, c.spacing * (c.length - 1));
    }
}

TEST(GridLayout, NodesOfThreeByThreeAreMirroredAlongX)
{
    struct Expected { Key key; int x, y; const char* label; };
    const Expected expected[] = {
        {{0, 0, 0}, 266, 0, "0,0"},   {{0, 1, 0}, 266, 133, "0,1"}, {{0, 2, 0}, 266, 266, "0,2"},
        {{1, 0, 0}, 133, 0, "1,0"},   {{1, 1, 0}, 133, 133, "1,1"}, {{1, 2, 0}, 133, 266, "1,2"},
        {{2, 0, 0}, 0, 0, "2,0"},     {{2, 1, 0}, 0, 133, "2,1"},   {{2, 2, 0}, 0, 266, "2,2"},
    };
    for (bool torus : {true, false})
    {
        Built built(torus, 2, 3, 3, 1);
        const auto nodes = built.Nodes();
        ASSERT_EQ(nodes.size(), 9u);
        for (size_t n = 0; n < nodes.size(); ++n)
        {
            SCOPED_TRACE(testing::Message() << "torus " << torus << " node " << n);
            EXPECT_EQ(KeyOf(*nodes[n]), expected[n].key);
            EXPECT_EQ(nodes[n]->x, expected[n].x);
            EXPECT_EQ(nodes[n]->y, expected[n].y);
            EXPECT_EQ(nodes[n]->z, 0);
            EXPECT_EQ(nodes[n]->label, expected[n].label);
            EXPECT_EQ(nodes[n]->state, 0);
            EXPECT_EQ(nodes[n]->time, -1);
            EXPECT_EQ(nodes[n]->drawOrder, static_cast<int>(2 * n));
        }
    }
}

TEST(GridLayout, LabelsAndKeyTextsFollowTheDimension)
{
    EXPECT_EQ(grid::KeyText(1, 7, 0, 0), "{7}");
    EXPECT_EQ(grid::KeyText(2, 7, 3, 0), "{7,3}");
    EXPECT_EQ(grid::KeyText(3, 7, 3, 5), "{7,3,5}");
    EXPECT_EQ(grid::PointItems(3, 2, 1, 2), (std::vector<wxString>{"{0,0,0}", "{0,0,1}", "{1,0,0}", "{1,0,1}"}));
    EXPECT_EQ(grid::PointItems(1, 3, 1, 1), (std::vector<wxString>{"{0}", "{1}", "{2}"}));

    Built line(false, 1, 3, 1, 1);
    EXPECT_EQ(line.Nodes()[2]->label, "2");
    Built cube(false, 3, 2, 2, 3);
    EXPECT_EQ(cube.Node({1, 0, 2})->label, "1,0,2");
    EXPECT_EQ(cube.Node({1, 0, 2})->z, 132);

    Built single(true, 1, 1, 1, 1);
    ASSERT_EQ(single.Nodes().size(), 1u);
    EXPECT_EQ(single.Nodes()[0]->label, "0");
    EXPECT_EQ(single.Nodes()[0]->x, 0);
    EXPECT_EQ(single.Lines().size(), 0u);
    EXPECT_FLOAT_EQ(single.params.spacing, 200.0f);
}

TEST(GridLayout, LineAndArcCounts)
{
    struct Case { int dimension, length, width, high, gridLines, arcSegments; };
    const Case cases[] = {
        {2, 3, 3, 1, 12, 36}, {3, 10, 10, 6, 1580, 1320}, {1, 1, 1, 1, 0, 0}, {1, 2, 1, 1, 1, 6},
        {1, 5, 1, 1, 4, 6},   {2, 2, 2, 1, 4, 24},        {3, 3, 3, 3, 54, 162},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.length << "x" << c.width << "x" << c.high);
        Built mesh(false, c.dimension, c.length, c.width, c.high);
        Built torus(true, c.dimension, c.length, c.width, c.high);
        EXPECT_EQ(mesh.Lines().size(), static_cast<size_t>(c.gridLines));
        EXPECT_EQ(torus.Lines().size(), static_cast<size_t>(c.gridLines + c.arcSegments));
    }
}

// The torus is the mesh plus its arcs, appended after the grid lines.
TEST(GridLayout, TorusStartsWithTheMeshRecords)
{
    Built mesh(false, 3, 4, 3, 2);
    Built torus(true, 3, 4, 3, 2);
    const auto meshNodes = mesh.Nodes();
    const auto torusNodes = torus.Nodes();
    ASSERT_EQ(meshNodes.size(), torusNodes.size());
    for (size_t n = 0; n < meshNodes.size(); ++n)
    {
        EXPECT_EQ(KeyOf(*meshNodes[n]), KeyOf(*torusNodes[n]));
        EXPECT_EQ(meshNodes[n]->x, torusNodes[n]->x);
        EXPECT_EQ(meshNodes[n]->label, torusNodes[n]->label);
        EXPECT_EQ(meshNodes[n]->drawOrder, torusNodes[n]->drawOrder);
    }
    const auto meshLines = mesh.Lines();
    const auto torusLines = torus.Lines();
    ASSERT_GT(torusLines.size(), meshLines.size());
    for (size_t n = 0; n < meshLines.size(); ++n)
    {
        EXPECT_EQ(KeyOf(*meshLines[n]->from), KeyOf(*torusLines[n]->from));
        EXPECT_EQ(KeyOf(*meshLines[n]->to), KeyOf(*torusLines[n]->to));
        EXPECT_EQ(meshLines[n]->from->x, torusLines[n]->from->x);
        EXPECT_EQ(meshLines[n]->to->y, torusLines[n]->to->y);
        EXPECT_EQ(torusLines[n]->drawOrder, static_cast<int>(n));
    }
    for (size_t n = meshLines.size(); n < torusLines.size(); ++n)
        EXPECT_EQ(torusLines[n]->drawOrder, static_cast<int>(n));
}

TEST(GridLayout, TwoByTwoMeshLineOrder)
{
    Built mesh(false, 2, 2, 2, 1);
    struct Expected { Key from, to; };
    const Expected expected[] = {{{0, 1, 0}, {0, 0, 0}}, {{1, 0, 0}, {0, 0, 0}}, {{1, 1, 0}, {0, 1, 0}},
                                 {{1, 1, 0}, {1, 0, 0}}};
    const auto lines = mesh.Lines();
    ASSERT_EQ(lines.size(), 4u);
    for (size_t n = 0; n < lines.size(); ++n)
    {
        SCOPED_TRACE(n);
        EXPECT_EQ(KeyOf(*lines[n]->from), expected[n].from);
        EXPECT_EQ(KeyOf(*lines[n]->to), expected[n].to);
        // End copies sit on their nodes and are no node records themselves.
        const Point* fromNode = mesh.Node(expected[n].from);
        EXPECT_NE(lines[n]->from, fromNode);
        EXPECT_EQ(lines[n]->from->x, fromNode->x);
        EXPECT_EQ(lines[n]->from->y, fromNode->y);
        EXPECT_EQ(lines[n]->to->x, mesh.Node(expected[n].to)->x);
        EXPECT_EQ(lines[n]->to->y, mesh.Node(expected[n].to)->y);
        EXPECT_EQ(lines[n]->from->label, "");
        EXPECT_EQ(lines[n]->state, 0);
        EXPECT_EQ(lines[n]->time, -1);
        EXPECT_EQ(lines[n]->drawOrder, static_cast<int>(n));
    }
}

TEST(GridLayout, ArcPointsOfThreeByThree)
{
    Built torus(true, 2, 3, 3, 1);
    const auto lines = torus.Lines();
    ASSERT_EQ(lines.size(), 48u);
    struct Arc { size_t first; Key nearKey, farKey; int points[7][2]; };
    const Arc arcs[] = {
        // length arc of row 0: the first arc after the 12 grid lines
        {12, {0, 0, 0}, {2, 0, 0}, {{0, 0}, {18, 16}, {67, 28}, {133, 33}, {200, 28}, {249, 16}, {266, 0}}},
        // width arc of column 0: the first after the three length arcs
        {30, {0, 0, 0}, {0, 2, 0}, {{266, 266}, {250, 248}, {238, 199}, {233, 133}, {238, 66}, {250, 17}, {266, 0}}},
    };
    for (const Arc& arc : arcs)
    {
        for (int t = 0; t < 6; ++t)
        {
            SCOPED_TRACE(testing::Message() << "arc at " << arc.first << " segment " << t + 1);
            const Line& segment = *lines[arc.first + t];
            EXPECT_EQ(segment.from->x, arc.points[t][0]);
            EXPECT_EQ(segment.from->y, arc.points[t][1]);
            EXPECT_EQ(segment.to->x, arc.points[t + 1][0]);
            EXPECT_EQ(segment.to->y, arc.points[t + 1][1]);
            EXPECT_EQ(segment.from->z, 0);
            EXPECT_EQ(KeyOf(*segment.from), arc.nearKey);
            EXPECT_EQ(KeyOf(*segment.to), arc.farKey);
        }
    }
}

// Every arc is a chain of six segments from the node at n - 1 to the node at 0.
TEST(GridLayout, ArcsRunFromLastNodeToFirst)
{
    Built torus(true, 3, 10, 10, 6);
    const auto lines = torus.Lines();
    ASSERT_EQ(lines.size(), 2900u);
    for (size_t first = 1580; first < lines.size(); first += 6)
    {
        const Key nearKey = KeyOf(*lines[first]->from);
        const Key farKey = KeyOf(*lines[first]->to);
        for (size_t t = 1; t < 6; ++t)
        {
            EXPECT_EQ(lines[first + t]->from->x, lines[first + t - 1]->to->x);
            EXPECT_EQ(lines[first + t]->from->y, lines[first + t - 1]->to->y);
            EXPECT_EQ(lines[first + t]->from->z, lines[first + t - 1]->to->z);
            EXPECT_EQ(KeyOf(*lines[first + t]->from), nearKey);
            EXPECT_EQ(KeyOf(*lines[first + t]->to), farKey);
        }
        const Point* farNode = torus.Node(farKey);
        const Point* nearNode = torus.Node(nearKey);
        ASSERT_NE(farNode, nullptr) << Show(farKey);
        ASSERT_NE(nearNode, nullptr) << Show(nearKey);
        EXPECT_EQ(lines[first]->from->x, farNode->x);
        EXPECT_EQ(lines[first]->from->y, farNode->y);
        EXPECT_EQ(lines[first]->from->z, farNode->z);
        const Line& last = *lines[first + 5];
        EXPECT_LE(std::abs(last.to->x - nearNode->x), 1);
        EXPECT_LE(std::abs(last.to->y - nearNode->y), 1);
        EXPECT_LE(std::abs(last.to->z - nearNode->z), 1);
    }
}

TEST(GridLayout, ArcOfATwoNodeAxisNamesNoLink)
{
    Built torus(true, 1, 2, 1, 1);
    const auto lines = torus.Lines();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(KeyOf(*lines[0]->from), (Key{1, 0, 0}));
    EXPECT_EQ(KeyOf(*lines[0]->to), (Key{0, 0, 0}));
    for (size_t t = 1; t < 7; ++t)
    {
        EXPECT_EQ(KeyOf(*lines[t]->from), (Key{-1, -1, -1}));
        EXPECT_EQ(KeyOf(*lines[t]->to), (Key{1, 0, 0}));
    }
}

// Each node meets every neighbour once: two per axis of three or more on the torus, one on an
// axis of two (the direct line; the arc names no link), and no more than the mesh's.
TEST(GridGraph, DegreesOfTorusAndMesh)
{
    for (bool torus : {true, false})
        for (int length : {1, 2, 3, 5, 10})
            for (int width : {1, 2, 3, 4})
                for (int high : {1, 2, 3, 6})
                {
                    SCOPED_TRACE(testing::Message() << (torus ? "torus " : "mesh ") << length << "x" << width
                                                    << "x" << high);
                    Built built(torus, 3, length, width, high);
                    std::map<Key, std::set<Key>> neighbours;
                    for (Line* l : built.Lines())
                    {
                        const Key a = KeyOf(*l->from);
                        const Key b = KeyOf(*l->to);
                        if (a[0] < 0 || b[0] < 0)
                            continue;
                        ASSERT_NE(built.Node(a), nullptr) << Show(a);
                        ASSERT_NE(built.Node(b), nullptr) << Show(b);
                        neighbours[a].insert(b);
                        neighbours[b].insert(a);
                    }
                    const int sizes[3] = {length, width, high};
                    for (Point* node : built.Nodes())
                    {
                        const Key k = KeyOf(*node);
                        size_t expected = 0;
                        for (int axis = 0; axis < 3; ++axis)
                        {
                            if (torus)
                                expected += sizes[axis] >= 3 ? 2 : (sizes[axis] == 2 ? 1 : 0);
                            else
                                expected += (k[axis] > 0) + (k[axis] < sizes[axis] - 1);
                        }
                        EXPECT_EQ(neighbours[k].size(), expected) << Show(k);
                    }
                }
}

// ---------------------------------------------------------------------------------------------
// Routes

// hops: the nodes from start to final; segments: lines crossed per hop (1 direct, 6 an arc).
void ExpectRoute(const Built& built, const std::vector<Key>& hops, const std::vector<int>& segments)
{
    ASSERT_EQ(segments.size() + 1, hops.size());
    int routed = 0;
    for (size_t t = 1; t < hops.size(); ++t)
    {
        SCOPED_TRACE(testing::Message() << "hop " << t << " " << Show(hops[t - 1]) << " -> " << Show(hops[t]));
        const auto lines = built.Between(hops[t - 1], hops[t]);
        ASSERT_EQ(lines.size(), static_cast<size_t>(segments[t - 1]));
        for (Line* l : lines)
        {
            EXPECT_EQ(l->state, 1);
            EXPECT_EQ(l->time, static_cast<int>(t));
        }
        routed += segments[t - 1];
    }
    EXPECT_EQ(built.CountLines(1), routed);
    EXPECT_EQ(built.CountLines(0) + routed, static_cast<int>(built.Lines().size()));

    for (Point* node : built.Nodes())
    {
        const Key k = KeyOf(*node);
        SCOPED_TRACE(Show(k));
        if (k == hops.front() || k == hops.back())
        {
            EXPECT_EQ(node->state, 1);
            EXPECT_EQ(node->time, -1);
            continue;
        }
        const auto at = std::find(hops.begin(), hops.end(), k);
        if (at == hops.end())
        {
            EXPECT_EQ(node->state, 0);
            EXPECT_EQ(node->time, -1);
        }
        else
        {
            EXPECT_EQ(node->state, 3);
            EXPECT_EQ(node->time, static_cast<int>(at - hops.begin()));
        }
    }
    // The walk leaves the start coordinates on the final node.
    EXPECT_EQ((Key{built.params.start[0], built.params.start[1], built.params.start[2]}), hops.back());
}

struct RouteCase
{
    const char* name;
    bool torus;
    int dimension, length, width, high;
    const char* start;
    const char* final;
    std::vector<Key> hops;
    std::vector<int> segments;
};

TEST(GridRoute, Walks)
{
    const RouteCase cases[] = {
        {"torus 5 goes round", true, 1, 5, 1, 1, "{0}", "{4}", {{0, 0, 0}, {4, 0, 0}}, {6}},
        {"torus 5 goes round backwards", true, 1, 5, 1, 1, "{4}", "{0}", {{4, 0, 0}, {0, 0, 0}}, {6}},
        {"torus 4 tie goes straight", true, 1, 4, 1, 1, "{0}", "{2}", {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}}, {1, 1}},
        {"torus 4 one step round", true, 1, 4, 1, 1, "{0}", "{3}", {{0, 0, 0}, {3, 0, 0}}, {6}},
        {"torus 3x3 corner to corner", true, 2, 3, 3, 1, "{0,0}", "{2,2}", {{0, 0, 0}, {2, 0, 0}, {2, 2, 0}}, {6, 6}},
        {"torus 2x2 never goes round", true, 2, 2, 2, 1, "{0,0}", "{1,1}", {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}, {1, 1}},
        {"torus 6 goes round past the seam", true, 1, 6, 1, 1, "{1}", "{5}",
         {{1, 0, 0}, {0, 0, 0}, {5, 0, 0}}, {1, 6}},
        {"torus 4x4x3 mixes round and straight", true, 3, 4, 4, 3, "{0,0,0}", "{3,2,2}",
         {{0, 0, 0}, {3, 0, 0}, {3, 1, 0}, {3, 2, 0}, {3, 2, 2}}, {6, 1, 1, 6}},
        {"mesh 3x3 corner to corner", false, 2, 3, 3, 1, "{0,0}", "{2,2}",
         {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {2, 1, 0}, {2, 2, 0}}, {1, 1, 1, 1}},
        {"mesh 5 never goes round", false, 1, 5, 1, 1, "{4}", "{0}",
         {{4, 0, 0}, {3, 0, 0}, {2, 0, 0}, {1, 0, 0}, {0, 0, 0}}, {1, 1, 1, 1}},
        {"mesh 3x2x2 down the axes", false, 3, 3, 2, 2, "{2,1,1}", "{0,0,0}",
         {{2, 1, 1}, {1, 1, 1}, {0, 1, 1}, {0, 0, 1}, {0, 0, 0}}, {1, 1, 1, 1}},
        {"same node", true, 2, 3, 3, 1, "{1,1}", "{1,1}", {{1, 1, 0}}, {}},
    };
    for (const RouteCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        Built built(c.torus, c.dimension, c.length, c.width, c.high, c.start, c.final);
        ExpectRoute(built, c.hops, c.segments);
    }
}

TEST(GridRoute, OneEndAloneMarksNothing)
{
    Built built(true, 2, 3, 3, 1, "{0,0}", "");
    EXPECT_EQ(built.Node({0, 0, 0})->state, 1);
    EXPECT_EQ(built.CountLines(0), static_cast<int>(built.Lines().size()));
    for (Point* node : built.Nodes())
        if (KeyOf(*node) != (Key{0, 0, 0}))
            EXPECT_EQ(node->state, 0);
}

// Every route is a shortest path over existing links, each axis the shorter way round.
TEST(GridRoute, AllPairsTakeShortestPaths)
{
    const int sizes[3] = {5, 4, 3};
    for (bool torus : {true, false})
    {
        const auto items = grid::PointItems(3, sizes[0], sizes[1], sizes[2]);
        for (size_t a = 0; a < items.size(); ++a)
            for (size_t b = 0; b < items.size(); ++b)
            {
                if (a == b)
                    continue;
                Built built(torus, 3, sizes[0], sizes[1], sizes[2], items[a], items[b]);
                const std::vector<Point*> nodes = built.Nodes();
                const Key start = KeyOf(*nodes[a]);
                const Key final = KeyOf(*nodes[b]);
                int expected = 0;
                for (int axis = 0; axis < 3; ++axis)
                {
                    const int d = std::abs(start[axis] - final[axis]);
                    expected += torus ? std::min(d, sizes[axis] - d) : d;
                }
                // Rebuild the walk from the step numbers and check each hop has its lines.
                std::vector<Key> hops{start};
                for (int t = 1; t <= expected; ++t)
                {
                    Key entered{-1, -1, -1};
                    for (Point* node : nodes)
                        if (node->time == t)
                            entered = KeyOf(*node);
                    if (t == expected)
                        entered = final;
                    ASSERT_NE(entered[0], -1) << items[a] << " -> " << items[b] << " step " << t;
                    const auto lines = built.Between(hops.back(), entered);
                    ASSERT_FALSE(lines.empty()) << items[a] << " -> " << items[b] << " step " << t;
                    for (Line* l : lines)
                        ASSERT_EQ(l->time, t);
                    hops.push_back(entered);
                }
                int routedTimes = 0;
                for (Line* l : built.Lines())
                    routedTimes = std::max(routedTimes, l->state == 1 ? l->time : 0);
                ASSERT_EQ(routedTimes, expected) << (torus ? "torus " : "mesh ") << items[a] << " -> " << items[b];
            }
    }
}

TEST(GridRoute, EndsThatNameNoNodeDrawNoRoute)
{
    // Ends left from a larger network; no text names a node of this one.
    grid::GridParams params;
    params.torus = true;
    params.dimension = 2;
    params.length = 3;
    params.width = 3;
    params.start[0] = 0, params.start[1] = 0, params.start[2] = 0;
    params.final[0] = 9, params.final[1] = 9, params.final[2] = 0;
    Built built(params);
    EXPECT_EQ(built.CountLines(0), static_cast<int>(built.Lines().size()));

    // Ends kept from the previous build are used when the texts match nothing.
    grid::GridParams kept;
    kept.dimension = 2;
    kept.length = 3;
    kept.width = 3;
    kept.startText = "not a node";
    kept.start[0] = 0, kept.start[1] = 0, kept.start[2] = 0;
    kept.finalText = "{0,2}";
    Built route(kept);
    EXPECT_EQ(route.CountLines(1), 2);
    EXPECT_EQ(route.Node({0, 2, 0})->state, 1);
}

TEST(GridRoute, SizesOutsideTheRangesAreClamped)
{
    grid::GridParams params;
    params.torus = true;
    params.dimension = 7;
    params.length = 40;
    params.width = -3;
    params.high = 12;
    params.topologyText = grid::kHamiltonianPath;
    Built built(params);
    EXPECT_EQ(built.params.dimension, 3);
    EXPECT_EQ(built.Nodes().size(), 10u * 1u * 6u);

    grid::GridParams flat;
    flat.dimension = 1;
    flat.length = 4;
    flat.width = 5;
    flat.high = 6;
    Built line(flat);
    EXPECT_EQ(line.Nodes().size(), 4u);
    EXPECT_EQ(line.Nodes()[3]->label, "3");
}

// ---------------------------------------------------------------------------------------------
// Nestings

// order: the guest's nodes in the order they are entered, from (0,0,0); closing: for a cycle,
// the number of lines of the closing link (0 for a path).
void ExpectTour(const Built& built, const std::vector<Key>& order, int closing)
{
    const size_t n = built.Nodes().size();
    ASSERT_EQ(order.size(), n);
    ASSERT_EQ(std::set<Key>(order.begin(), order.end()).size(), n) << "a node is entered twice";
    int nested = 0;
    for (size_t t = 1; t < n; ++t)
    {
        SCOPED_TRACE(testing::Message() << "step " << t << " " << Show(order[t - 1]) << " -> " << Show(order[t]));
        const auto lines = built.Between(order[t - 1], order[t]);
        ASSERT_FALSE(lines.empty()) << "no such link";
        for (Line* l : lines)
        {
            EXPECT_EQ(l->state, 2);
            EXPECT_EQ(l->time, static_cast<int>(t));
        }
        nested += static_cast<int>(lines.size());
    }
    if (closing > 0)
    {
        SCOPED_TRACE("closing link");
        const auto lines = built.Between(order.back(), order.front());
        ASSERT_EQ(lines.size(), static_cast<size_t>(closing));
        for (Line* l : lines)
        {
            EXPECT_EQ(l->state, 2);
            EXPECT_EQ(l->time, static_cast<int>(n));
        }
        nested += closing;
    }
    EXPECT_EQ(built.CountLines(2), nested);
    EXPECT_EQ(built.CountLines(1), 0);

    for (size_t t = 0; t < n; ++t)
    {
        const Point* node = built.Node(order[t]);
        SCOPED_TRACE(Show(order[t]));
        const bool pathEnd = closing == 0 && (t == 0 || t == n - 1);
        EXPECT_EQ(node->state, pathEnd ? 2 : 3);
        EXPECT_EQ(node->time, t == 0 ? 1 : static_cast<int>(t));
    }
}

struct TourCase
{
    const char* name;
    bool torus;
    int dimension, length, width, high;
    const wchar_t* topology;
    std::vector<Key> order;
    int closing;
};

TEST(GridNesting, Tours)
{
    const std::vector<Key> path3x3 = {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {2, 1, 0}, {1, 1, 0},
                                      {0, 1, 0}, {0, 2, 0}, {1, 2, 0}, {2, 2, 0}};
    const std::vector<Key> cycle4x3 = {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {3, 1, 0}, {3, 2, 0},
                                       {2, 2, 0}, {2, 1, 0}, {1, 1, 0}, {1, 2, 0}, {0, 2, 0}, {0, 1, 0}};
    const TourCase cases[] = {
        {"torus path 3x3", true, 2, 3, 3, 1, grid::kHamiltonianPath, path3x3, 0},
        {"mesh path 3x3", false, 2, 3, 3, 1, grid::kHamiltonianPath, path3x3, 0},
        {"mesh path 3x2x2", false, 3, 3, 2, 2, grid::kHamiltonianPath,
         {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {2, 1, 0}, {1, 1, 0}, {0, 1, 0},
          {0, 1, 1}, {1, 1, 1}, {2, 1, 1}, {2, 0, 1}, {1, 0, 1}, {0, 0, 1}}, 0},
        {"torus path 1x1x3 straight up", true, 3, 1, 1, 3, grid::kHamiltonianPath,
         {{0, 0, 0}, {0, 0, 1}, {0, 0, 2}}, 0},
        {"torus cycle 3x3 closes over the width arc", true, 2, 3, 3, 1, grid::kHamiltonianCycle,
         {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {2, 1, 0}, {2, 2, 0}, {1, 2, 0}, {1, 1, 0}, {0, 1, 0}, {0, 2, 0}}, 6},
        {"torus cycle 4x3", true, 2, 4, 3, 1, grid::kHamiltonianCycle, cycle4x3, 1},
        {"mesh cycle 4x3", false, 2, 4, 3, 1, grid::kHamiltonianCycle, cycle4x3, 1},
        {"mesh cycle 3x4 runs along j first", false, 2, 3, 4, 1, grid::kHamiltonianCycle,
         {{0, 0, 0}, {0, 1, 0}, {0, 2, 0}, {0, 3, 0}, {1, 3, 0}, {2, 3, 0},
          {2, 2, 0}, {1, 2, 0}, {1, 1, 0}, {2, 1, 0}, {2, 0, 0}, {1, 0, 0}}, 1},
        {"mesh cycle 2x2", false, 2, 2, 2, 1, grid::kHamiltonianCycle,
         {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, 1},
    };
    for (const TourCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        Built built(c.torus, c.dimension, c.length, c.width, c.high, "", "", c.topology);
        ExpectTour(built, c.order, c.closing);
    }
}

TEST(GridNesting, PathOnASingleNode)
{
    for (bool torus : {true, false})
    {
        Built built(torus, 1, 1, 1, 1, "", "", grid::kHamiltonianPath);
        ASSERT_EQ(built.Nodes().size(), 1u);
        EXPECT_EQ(built.Nodes()[0]->state, 2);
        EXPECT_EQ(built.Nodes()[0]->time, 1);
        EXPECT_EQ(built.CountLines(2), 0);
    }
}

TEST(GridNesting, TorusRingIsItsOwnCycle)
{
    for (int length : {2, 5})
    {
        Built built(true, 1, length, 1, 1, "", "", grid::kHamiltonianCycle);
        const auto lines = built.Lines();
        ASSERT_EQ(lines.size(), static_cast<size_t>(length - 1 + 6));
        for (Line* l : lines)
        {
            EXPECT_EQ(l->state, 2);
            EXPECT_EQ(l->time, 1);
        }
        for (Point* node : built.Nodes())
        {
            EXPECT_EQ(node->state, 0);
            EXPECT_EQ(node->time, -1);
        }
    }
}

TEST(GridNesting, MeshInsideTheTorus)
{
    Built built(true, 2, 3, 3, 1, "", "", grid::kMesh);
    for (Point* node : built.Nodes())
    {
        EXPECT_EQ(node->state, 2);
        EXPECT_EQ(node->time, 1);
    }
    const auto lines = built.Lines();
    ASSERT_EQ(lines.size(), 48u);
    for (size_t n = 0; n < lines.size(); ++n)
    {
        SCOPED_TRACE(n);
        EXPECT_EQ(lines[n]->state, n < 12 ? 2 : 0);
        EXPECT_EQ(lines[n]->time, n < 12 ? 1 : -1);
    }
}

// A topology the box does not offer for these sizes, typed in by hand, draws no guest.
TEST(GridNesting, TypedTopologiesThatAreNotOfferedDrawNothing)
{
    struct Case { const char* name; bool torus; int dimension, length, width, high; const wchar_t* topology; };
    const Case cases[] = {
        {"torus cycle with two layers", true, 3, 3, 3, 2, grid::kHamiltonianCycle},
        {"mesh cycle on odd sizes", false, 2, 3, 3, 1, grid::kHamiltonianCycle},
        {"mesh cycle on a line", false, 1, 4, 1, 1, grid::kHamiltonianCycle},
        {"mesh cycle with two layers", false, 3, 4, 4, 2, grid::kHamiltonianCycle},
        {"mesh guest in the mesh", false, 2, 3, 3, 1, grid::kMesh},
        {"unknown text", true, 2, 3, 3, 1, L"hamiltonian path"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        Built built(c.torus, c.dimension, c.length, c.width, c.high, "", "", c.topology);
        EXPECT_EQ(built.CountLines(0), static_cast<int>(built.Lines().size()));
        for (Point* node : built.Nodes())
            EXPECT_EQ(node->state, 0);
    }
}

TEST(GridNesting, OfferedTopologies)
{
    struct Case { bool torus; int length, width, high; std::vector<wxString> offered; };
    const std::vector<wxString> pathOnly = {grid::kHamiltonianPath};
    const std::vector<wxString> pathAndCycle = {grid::kHamiltonianPath, grid::kHamiltonianCycle};
    const Case cases[] = {
        {true, 3, 3, 1, {grid::kHamiltonianPath, grid::kMesh, grid::kHamiltonianCycle}},
        {true, 1, 1, 1, {grid::kHamiltonianPath, grid::kMesh, grid::kHamiltonianCycle}},
        {true, 3, 3, 2, {grid::kHamiltonianPath, grid::kMesh}},
        {false, 4, 3, 1, pathAndCycle}, {false, 3, 4, 1, pathAndCycle}, {false, 2, 2, 1, pathAndCycle},
        {false, 3, 3, 1, pathOnly},     {false, 1, 4, 1, pathOnly},     {false, 2, 1, 1, pathOnly},
        {false, 4, 4, 2, pathOnly},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << (c.torus ? "torus " : "mesh ") << c.length << "x" << c.width << "x" << c.high);
        EXPECT_EQ(grid::OfferedTopologies(c.torus, c.length, c.width, c.high), c.offered);
    }
}

// The guest's order, read back from the step numbers: (0,0,0) first, then the node entered at
// each step.
std::vector<Key> EnteredOrder(const Built& built)
{
    const auto nodes = built.Nodes();
    std::vector<Key> order{{0, 0, 0}};
    for (size_t t = 1; t < nodes.size(); ++t)
    {
        Key entered{-1, -1, -1};
        int found = 0;
        for (Point* node : nodes)
            if (node->time == static_cast<int>(t) && KeyOf(*node) != (Key{0, 0, 0}))
            {
                entered = KeyOf(*node);
                ++found;
            }
        EXPECT_EQ(found, 1) << "step " << t;
        order.push_back(entered);
    }
    return order;
}

// Every offered path and cycle enters each node once over links that exist, and a cycle
// closes over one.
TEST(GridGraph, EveryOfferedTourIsHamiltonian)
{
    for (bool torus : {true, false})
        for (int length = 1; length <= grid::kMaxLength; ++length)
            for (int width = 1; width <= grid::kMaxWidth; ++width)
                for (int high = 1; high <= grid::kMaxHigh; ++high)
                {
                    for (const wxString& topology : grid::OfferedTopologies(torus, length, width, high))
                    {
                        if (topology == grid::kMesh)
                            continue;
                        const bool ring = torus && topology == grid::kHamiltonianCycle && (length == 1 || width == 1);
                        if (ring)
                            continue;
                        SCOPED_TRACE(testing::Message() << (torus ? "torus " : "mesh ") << length << "x" << width
                                                        << "x" << high << " " << topology);
                        Built built(torus, 3, length, width, high, "", "", topology);
                        const std::vector<Key> order = EnteredOrder(built);
                        if (HasFailure())
                            return;
                        if (topology == grid::kHamiltonianPath)
                        {
                            ExpectTour(built, order, 0);
                        }
                        else
                        {
                            const size_t closing = built.Between(order.back(), order.front()).size();
                            ASSERT_GE(closing, 1u);
                            ExpectTour(built, order, static_cast<int>(closing));
                        }
                        if (HasFailure())
                            return;
                    }
                }
}

} // namespace
