// Butterfly networks without a display: layout, arcs, edges, draw orders, labels and list texts.
#include <gtest/gtest.h>

#include "ButterflyTestKit.h"

using namespace butterflytest;
using butterfly::BuildNetwork;
using butterfly::NetworkParams;

namespace
{

struct LayoutCase
{
    bool wrapped;
    std::vector<int> xByRow;     // empty when x follows the level
    std::vector<int> xByLevel;
    std::vector<int> yByRow;
    std::vector<int> yByLevel;
};

TEST(ButterflyNetwork, ThreeDimensionalLayoutsAfterTheMirror)
{
    const LayoutCase cases[] = {
        // Wrapped: rows stand in groups of four, row 0 on the right; levels go up the page.
        {true, {544, 476, 408, 340, 204, 136, 68, 0}, {}, {}, {0, 150, 300}},
        // Ordinary: levels run right to left, rows go up the page.
        {false, {}, {648, 432, 216, 0}, {0, 56, 112, 168, 224, 280, 336, 392}, {}},
    };
    for (const LayoutCase& c : cases)
    {
        SCOPED_TRACE(c.wrapped ? "wrapped" : "ordinary");
        auto built = Build(c.wrapped, 3);
        const std::vector<Point*> nodes = built->Nodes();
        const int levels = c.wrapped ? 3 : 4;
        ASSERT_EQ(nodes.size(), static_cast<size_t>(8 * levels));
        for (size_t i = 0; i < nodes.size(); ++i)
        {
            const Point* p = nodes[i];
            const int row = static_cast<int>(i) / levels;
            const int level = static_cast<int>(i) % levels;
            SCOPED_TRACE(testing::Message() << "row " << row << " level " << level);
            EXPECT_EQ(p->id, row);
            EXPECT_EQ(p->id2, level);
            EXPECT_EQ(p->id3, 0);
            EXPECT_EQ(p->x, c.wrapped ? c.xByRow[row] : c.xByLevel[level]);
            EXPECT_EQ(p->y, c.wrapped ? c.yByLevel[level] : c.yByRow[row]);
            EXPECT_EQ(p->z, 0);
            EXPECT_EQ(p->drawOrder, static_cast<int>(i));
            EXPECT_EQ(p->state, 0);
            EXPECT_EQ(p->time, -1);
        }
    }
}

TEST(ButterflyNetwork, WiderGapsSetOffTheLargerSubButterflies)
{
    // Row positions before the mirror, in row steps: a gap after every 4, 8 and 16 wrapped
    // rows, after every 16 and 32 ordinary rows.
    auto wrapped = Build(true, 5);
    auto ordinary = Build(false, 5);
    const int wrappedStep = 550 / 32;
    const int ordinaryStep = 450 / 32;
    const int maxWrapped = wrapped->NodeAt(Node{0, 0})->x;
    const struct
    {
        int row;
        int wrappedSlot;
        int ordinarySlot;
    } rows[] = {{3, 3, 3}, {4, 5, 4}, {8, 11, 8}, {15, 19, 15}, {16, 23, 17}, {31, 42, 32}};
    for (const auto& r : rows)
    {
        SCOPED_TRACE(r.row);
        EXPECT_EQ(maxWrapped - wrapped->NodeAt(Node{r.row, 4})->x, r.wrappedSlot * wrappedStep);
        EXPECT_EQ(ordinary->NodeAt(Node{r.row, 0})->y, r.ordinarySlot * ordinaryStep);
    }
}

TEST(ButterflyNetwork, LabelsAndListTextsNameLevelThenRowDigits)
{
    auto built = Build(true, 3);
    EXPECT_EQ(built->NodeAt(Node{5, 2})->label, "2,101");
    EXPECT_EQ(built->NodeAt(Node{0, 0})->label, "0,000");
    auto ordinary = Build(false, 4);
    EXPECT_EQ(ordinary->NodeAt(Node{6, 4})->label, "4,0110");

    const std::vector<wxString> starts = butterfly::StartTexts(3);
    const std::vector<wxString> wrappedFinals = butterfly::FinalTexts(true, 3);
    const std::vector<wxString> ordinaryFinals = butterfly::FinalTexts(false, 3);
    ASSERT_EQ(starts.size(), 8u);
    ASSERT_EQ(wrappedFinals.size(), 8u);
    ASSERT_EQ(ordinaryFinals.size(), 8u);
    EXPECT_EQ(starts[0], "(0,000)");
    EXPECT_EQ(starts[6], "(0,110)");
    EXPECT_EQ(wrappedFinals[1], "(2,001)");
    EXPECT_EQ(ordinaryFinals[7], "(3,111)");
    EXPECT_EQ(butterfly::StartTexts(5).size(), 32u);
    EXPECT_EQ(butterfly::FinalTexts(false, 5)[31], "(5,11111)");
}

TEST(ButterflyNetwork, WrapAroundArcOfRowZero)
{
    auto built = Build(true, 3);
    std::vector<const Line*> arc;
    for (const Line* line : built->Lines())
        if (FromOf(line) == Node{0, 0} && ToOf(line) == Node{0, 2})
            arc.push_back(line);
    ASSERT_EQ(arc.size(), 8u);

    const int expected[9][2] = {{544, 0},   {554, 11},  {563, 44},  {569, 92}, {571, 150},
                                {569, 207}, {563, 256}, {554, 288}, {544, 300}};
    for (size_t k = 0; k < arc.size(); ++k)
    {
        SCOPED_TRACE(k);
        EXPECT_EQ(arc[k]->from->x, expected[k][0]);
        EXPECT_EQ(arc[k]->from->y, expected[k][1]);
        EXPECT_EQ(arc[k]->to->x, expected[k + 1][0]);
        EXPECT_EQ(arc[k]->to->y, expected[k + 1][1]);
        EXPECT_EQ(arc[k]->from->z, 0);
        EXPECT_EQ(arc[k]->to->z, 0);
        EXPECT_EQ(arc[k]->drawOrder, 0);
        EXPECT_EQ(arc[k]->state, 0);
        EXPECT_EQ(arc[k]->time, -1);
    }
}

TEST(ButterflyNetwork, EveryArcRunsFromLevelZeroToTheLastLevelBulgingRight)
{
    for (int n = 3; n <= 5; ++n)
    {
        auto built = Build(true, n);
        const int radius = static_cast<int>((550 >> n) / 2.5) + 1;
        for (int row = 0; row < (1 << n); ++row)
        {
            SCOPED_TRACE(testing::Message() << "n " << n << " row " << row);
            const Point* bottom = built->NodeAt(Node{row, 0});
            const Point* top = built->NodeAt(Node{row, n - 1});
            std::vector<const Line*> arc;
            for (const Line* line : built->Lines())
                if (FromOf(line) == Node{row, 0} && ToOf(line) == Node{row, n - 1})
                    arc.push_back(line);
            ASSERT_EQ(arc.size(), 8u);
            EXPECT_EQ(arc.front()->from->x, bottom->x);
            EXPECT_EQ(arc.front()->from->y, bottom->y);
            EXPECT_EQ(arc.back()->to->x, top->x);
            EXPECT_EQ(arc.back()->to->y, top->y);
            for (size_t k = 0; k < arc.size(); ++k)
            {
                if (k > 0)
                {
                    EXPECT_EQ(arc[k]->from->x, arc[k - 1]->to->x);
                    EXPECT_EQ(arc[k]->from->y, arc[k - 1]->to->y);
                }
                EXPECT_GE(arc[k]->to->x, bottom->x);
                EXPECT_LE(arc[k]->to->x, bottom->x + radius);
                EXPECT_GE(arc[k]->to->y, arc[k]->from->y);
                EXPECT_EQ(arc[k]->drawOrder, row * n);
            }
        }
    }
}

TEST(ButterflyNetwork, LineCounts)
{
    const struct
    {
        int n;
        size_t wrapped;
        size_t ordinary;
    } cases[] = {{2, 12, 16}, {3, 104, 48}, {4, 240, 128}, {5, 544, 320}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(Build(true, c.n)->Lines().size(), c.wrapped);
        EXPECT_EQ(Build(false, c.n)->Lines().size(), c.ordinary);
        EXPECT_EQ(Build(true, c.n)->Nodes().size(), static_cast<size_t>((1 << c.n) * c.n));
        EXPECT_EQ(Build(false, c.n)->Nodes().size(), static_cast<size_t>((1 << c.n) * (c.n + 1)));
    }
}

TEST(ButterflyNetwork, EveryNodeMeetsExactlyItsButterflyNeighbours)
{
    for (bool wrapped : {true, false})
    {
        for (int n = 2; n <= 5; ++n)
        {
            SCOPED_TRACE(testing::Message() << (wrapped ? "wrapped" : "ordinary") << " n " << n);
            auto built = Build(wrapped, n);
            std::map<Node, std::set<Node>> met;
            for (const auto& pair : LinesPerPair(*built))
            {
                const Node a = pair.first.first;
                const Node b = pair.first.second;
                ASSERT_FALSE(a == b);
                met[a].insert(b);
                met[b].insert(a);
                // One line per edge, except the eight segments of a wrap-around arc.
                const bool arc = wrapped && n > 2 && a.row == b.row && a.level == 0 && b.level == n - 1;
                EXPECT_EQ(pair.second, arc ? 8 : 1) << a.row << "," << a.level << " - " << b.row << "," << b.level;
            }
            for (const Node& node : AllNodes(wrapped, n))
            {
                const std::set<Node> expected = ExpectedNeighbours(wrapped, n, node);
                EXPECT_EQ(met[node], expected) << node.row << "," << node.level;
                // Degree: four; three when n = 2 wraps two levels onto each other; two on the
                // open ends of the ordinary butterfly.
                size_t degree = 4;
                if (wrapped && n == 2)
                    degree = 3;
                if (!wrapped && (node.level == 0 || node.level == n))
                    degree = 2;
                EXPECT_EQ(met[node].size(), degree);
            }
        }
    }
}

TEST(ButterflyNetwork, CrossLineJoiningTheLastLevelBackToLevelZero)
{
    auto built = Build(true, 3);
    int found = 0;
    for (const Line* line : built->Lines())
        if (FromOf(line) == Node{0, 0} && ToOf(line) == Node{4, 2})
        {
            ++found;
            EXPECT_EQ(line->from->x, 544);
            EXPECT_EQ(line->from->y, 0);
            EXPECT_EQ(line->to->x, 204);
            EXPECT_EQ(line->to->y, 300);
        }
    EXPECT_EQ(found, 1);
}

TEST(ButterflyNetwork, LineEndsAreFreshRecordsOfTheirNodes)
{
    for (bool wrapped : {true, false})
    {
        auto built = Build(wrapped, 3);
        std::set<const Point*> nodes;
        for (const Point* p : built->Nodes())
            nodes.insert(p);
        for (const Line* line : built->Lines())
        {
            for (const Point* end : {line->from, line->to})
            {
                EXPECT_EQ(nodes.count(end), 0u);
                EXPECT_EQ(end->id3, 0);
                EXPECT_EQ(end->state, 0);
                EXPECT_EQ(end->time, -1);
                EXPECT_TRUE(end->label.empty());
            }
            // Straight and cross lines start and end exactly on their nodes.
            const Point* from = built->NodeAt(FromOf(line));
            const Point* to = built->NodeAt(ToOf(line));
            ASSERT_TRUE(from && to);
            const bool arc = wrapped && line->from->id == line->to->id && line->from->id2 == 0 && line->to->id2 == 2;
            if (!arc)
            {
                EXPECT_EQ(line->from->x, from->x);
                EXPECT_EQ(line->from->y, from->y);
                EXPECT_EQ(line->to->x, to->x);
                EXPECT_EQ(line->to->y, to->y);
            }
            EXPECT_EQ(line->state, 0);
            EXPECT_EQ(line->time, -1);
        }
    }
}

TEST(ButterflyNetwork, DrawOrders)
{
    // Wrapped: a straight line or arc is drawn with the node it starts from; cross lines
    // follow the nodes one by one, from the node count on.
    {
        auto built = Build(true, 3);
        const std::vector<Line*> lines = built->Lines();
        int nextCross = 24;
        for (const Line* line : lines)
        {
            if (line->from->id == line->to->id)
                EXPECT_EQ(line->drawOrder, line->from->id * 3 + line->from->id2);
            else
                EXPECT_EQ(line->drawOrder, nextCross++);
        }
        EXPECT_EQ(nextCross, 24 + 24);
    }
    // Ordinary: list position; the straight lines come first, then the cross lines.
    {
        auto built = Build(false, 3);
        const std::vector<Line*> lines = built->Lines();
        ASSERT_EQ(lines.size(), 48u);
        for (size_t i = 0; i < lines.size(); ++i)
        {
            EXPECT_EQ(lines[i]->drawOrder, static_cast<int>(i));
            EXPECT_EQ(lines[i]->from->id == lines[i]->to->id, i < 24) << i;
        }
    }
}

TEST(ButterflyNetwork, DimensionsOutsideTheSliderBuildNothing)
{
    for (int n : {-1, 0, 1, 6, 31})
    {
        for (bool wrapped : {true, false})
        {
            auto built = Build(wrapped, n, "(0,0)", "(0,0)");
            EXPECT_TRUE(built->Nodes().empty()) << n;
            EXPECT_TRUE(built->Lines().empty()) << n;
        }
    }
}

TEST(ButterflyNetwork, ClearingTheListsFreesEveryRecord)
{
    const long points = Point::LiveCount();
    const long lines = Line::LiveCount();
    {
        auto wrapped = Build(true, 5, "(0,00000)", "(4,11111)");
        auto ordinary = Build(false, 5, "(0,00000)", "(5,11111)");
        EXPECT_GT(Point::LiveCount(), points);
    }
    EXPECT_EQ(Point::LiveCount(), points);
    EXPECT_EQ(Line::LiveCount(), lines);
}

} // namespace
