// Ownership of the record lists: clearing in owning mode frees every record and line end.
#include <gtest/gtest.h>

#include "weavekit/Records.h"

namespace
{

struct Counts
{
    long points;
    long lines;
};

Counts Live() { return Counts{Point::LiveCount(), Line::LiveCount()}; }

TEST(RecordLists, OwningClearFreesNodesLinesAndTheirEnds)
{
    const Counts before = Live();
    {
        PointList points;
        LineList lines;
        for (int i = 0; i < 5; ++i)
        {
            Point* node = new Point(i, 0, 0, i * 10, 0, 0);
            node->label = wxString::Format("node %d with a label long enough to live on the heap", i);
            points.Append(node);
            lines.Append(new Line(new Point(*node), new Point(i + 1, 0, 0, 0, 0, 0)));
        }
        EXPECT_EQ(Live().points - before.points, 5 + 2 * 5);
        EXPECT_EQ(Live().lines - before.lines, 5);

        ClearOwned(points);
        ClearOwned(lines);
        EXPECT_EQ(points.GetCount(), 0u);
        EXPECT_EQ(lines.GetCount(), 0u);
        EXPECT_EQ(Live().points, before.points);
        EXPECT_EQ(Live().lines, before.lines);

        // Lists stay usable after a clear, as the host reloads into them again and again.
        points.Append(new Point());
        ClearOwned(points);
    }
    EXPECT_EQ(Live().points, before.points);
}

TEST(RecordLists, ListsKeepAppendOrder)
{
    PointList points;
    for (int i = 0; i < 4; ++i)
        points.Append(new Point(i, 0, 0, 0, 0, 0));
    int expected = 0;
    for (PointList::compatibility_iterator node = points.GetFirst(); node; node = node->GetNext())
        EXPECT_EQ(node->GetData()->id, expected++);
    ClearOwned(points);
}

TEST(RecordLists, FreshRecordsCarryTheDocumentedDefaults)
{
    Point point;
    EXPECT_EQ(point.state, 0);
    EXPECT_EQ(point.time, -1);
    EXPECT_TRUE(point.label.empty());
    Line line(new Point(), new Point());
    EXPECT_EQ(line.state, 0);
    EXPECT_EQ(line.time, -1);
}

} // namespace
