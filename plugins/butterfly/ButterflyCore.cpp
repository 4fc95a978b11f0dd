// Butterfly networks without any controls: layout, edges, route walks and route marking.
#include "ButterflyCore.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "NetworkKit.h"

namespace butterfly
{

namespace
{

bool InRange(int n) { return n >= MinDimension && n <= MaxDimension; }

bool InNetwork(bool wrapped, int n, const Node& node)
{
    return node.row >= 0 && node.row < (1 << n) && node.level >= 0 && node.level < LevelCount(wrapped, n);
}

// Where one network's nodes go, before the mirror.
struct Layout
{
    float rowStep;
    float levelStep;
};

Layout LayoutFor(bool wrapped, int n)
{
    const int rows = 1 << n;
    Layout layout;
    if (wrapped)
    {
        layout.rowStep = static_cast<float>(550 / rows);
        layout.levelStep = static_cast<float>(450 / n);
    }
    else
    {
        layout.levelStep = static_cast<float>(650 / n);
        layout.rowStep = static_cast<float>(450 / rows);
    }
    return layout;
}

// The wrapped rows open a wider gap after every 4, 8 and 16 rows, the ordinary ones after
// every 16 and 32, so that the sub-butterflies stand apart.
void Place(bool wrapped, const Layout& layout, int row, int level, wxInt32* x, wxInt32* y)
{
    if (wrapped)
    {
        *x = static_cast<wxInt32>((row + (row >> 2) + (row >> 3) + (row >> 4)) * layout.rowStep);
        *y = static_cast<wxInt32>(level * layout.levelStep);
    }
    else
    {
        *x = static_cast<wxInt32>(level * layout.levelStep);
        *y = static_cast<wxInt32>((row + (row >> 4) + (row >> 5)) * layout.rowStep);
    }
}

// The single bit in which two rows differ, or -1 if they differ in none or in several.
int SingleDifferingBit(int a, int b)
{
    const unsigned d = static_cast<unsigned>(a ^ b);
    if (d == 0 || (d & (d - 1)) != 0)
        return -1;
    int bit = 0;
    while (!((d >> bit) & 1u))
        ++bit;
    return bit;
}

// A cross edge joins neighbouring levels and flips the bit of the level it leaves going up.
// Looking both ways round the ring matters for n = 2, where levels 0 and 1 are neighbours
// twice over and are joined by both bits.
bool IsCrossPair(bool wrapped, int n, const Point& a, const Point& b)
{
    if (a.id >= b.id)
        return false;
    const int bit = SingleDifferingBit(a.id, b.id);
    if (bit < 0)
        return false;
    const int la = a.id2;
    const int lb = b.id2;
    if (wrapped)
    {
        const bool up = lb == (la + 1) % n && bit == la;
        const bool down = lb == (la - 1 + n) % n && bit == lb;
        return up || down;
    }
    const bool up = la < n && lb == la + 1 && bit == la;
    const bool down = la > 0 && lb == la - 1 && bit == lb;
    return up || down;
}

// One end of a wrap-around arc segment at angle theta.
Point* ArcEnd(const Point& end, double theta, double radius, int halfHeight, int bottom)
{
    const wxInt32 x = static_cast<wxInt32>(static_cast<float>(std::sin(theta) * radius + end.x));
    const float up = static_cast<float>(std::cos(theta) * halfHeight + halfHeight);
    const wxInt32 y = static_cast<wxInt32>(static_cast<float>(up + bottom));
    return weave::NewEnd(end.id, end.id2, 0, x, y, end.z);
}

// The wrap-around edge from a on level 0 to b on level n - 1 of the same row, as eight
// segments bulging towards +x.
void AppendArc(LineList* lines, const Point& a, const Point& b, float rowStep, int drawOrder)
{
    const double radius = rowStep / 2.5;
    const int halfHeight = std::abs(a.y - b.y) / 2;
    const int bottom = std::min(a.y, b.y);
    for (int k = 7; k >= 0; --k)
    {
        const double from = (k + 1) * 3.14 * 0.125;
        const double to = k * 3.14 * 0.125;
        Line* line = new Line(ArcEnd(a, from, radius, halfHeight, bottom), ArcEnd(b, to, radius, halfHeight, bottom));
        line->drawOrder = drawOrder;
        lines->Append(line);
    }
}

void MarkRoute(const std::vector<Node>& hops, Node start, int levels, const std::vector<Point*>& nodes,
               const LineList& lines)
{
    weave::LineIndex index;
    index.Build(lines);
    int step = 1;
    Node current = start;
    for (const Node& next : hops)
    {
        for (Line* line : index.Between({current.row, current.level, 0}, {next.row, next.level, 0}))
        {
            line->state = 1;
            line->time = step;
        }
        Point* reached = nodes[static_cast<size_t>(next.row * levels + next.level)];
        if (reached->state == 0)
        {
            reached->state = 3;
            reached->time = step;
            ++step;
        }
        current = next;
    }
}

} // namespace

int LevelCount(bool wrapped, int n) { return wrapped ? n : n + 1; }

int LastLevel(bool wrapped, int n) { return wrapped ? n - 1 : n; }

wxString NodeText(int level, int row, int n)
{
    return wxString::Format("(%d,", level) + weave::BinaryDigits(static_cast<unsigned>(row), n) + ")";
}

wxString NodeLabel(int level, int row, int n)
{
    return wxString::Format("%d,", level) + weave::BinaryDigits(static_cast<unsigned>(row), n);
}

std::vector<wxString> StartTexts(int n)
{
    std::vector<wxString> texts;
    for (int row = 0; row < (1 << n); ++row)
        texts.push_back(NodeText(0, row, n));
    return texts;
}

std::vector<wxString> FinalTexts(bool wrapped, int n)
{
    std::vector<wxString> texts;
    for (int row = 0; row < (1 << n); ++row)
        texts.push_back(NodeText(LastLevel(wrapped, n), row, n));
    return texts;
}

std::vector<Node> WrappedWalk(int n, Node start, Node final)
{
    std::vector<Node> hops;
    if (!InRange(n) || !InNetwork(true, n, start) || !InNetwork(true, n, final))
        return hops;
    const size_t bound = static_cast<size_t>((1 << n) * n);
    Node current = start;
    while (hops.size() < bound)
    {
        const int r = current.row;
        const int l = current.level;
        const int lm = (l - 1 + n) % n;
        const int lp = (l + 1) % n;
        Node next;
        if (r == final.row)
        {
            if (l == final.level)
                break;
            const int upward = (final.level - l + n) % n;
            const int downward = (l - final.level + n) % n;
            next = downward <= upward ? Node{r, lm} : Node{r, lp};
        }
        else
        {
            const int rowDown = r ^ (1 << lm);
            const int rowUp = r ^ (1 << l);
            if (rowDown == final.row)
                next = Node{final.row, lm};
            else if (rowUp == final.row)
                next = Node{final.row, lp};
            else if (((r ^ final.row) >> lm) & 1)
                next = Node{rowDown, lm};
            else if (((r ^ final.row) >> l) & 1)
                next = Node{rowUp, lp};
            else
                next = Node{r, lm};
        }
        hops.push_back(next);
        current = next;
    }
    return hops;
}

std::vector<Node> OrdinaryWalk(int n, Node start, Node final)
{
    std::vector<Node> hops;
    // Fixing bit l on the way from level l is only a route from level 0 to level n; a typed
    // node elsewhere gets no route rather than a walk that never arrives.
    if (!InRange(n) || !InNetwork(false, n, start) || !InNetwork(false, n, final) || start.level != 0 ||
        final.level != n)
        return hops;
    const size_t bound = static_cast<size_t>((1 << n) * (n + 1));
    Node current = start;
    while (current != final && hops.size() < bound)
    {
        const int bit = 1 << current.level;
        const Node next{(current.row & ~bit) | (final.row & bit), current.level + 1};
        hops.push_back(next);
        current = next;
    }
    return hops;
}

void BuildNetwork(NetworkParams& params, PointList* points, LineList* lines)
{
    const bool wrapped = params.wrapped;
    const int n = params.dimension;
    if (!InRange(n))
        return;
    const int rows = 1 << n;
    const int levels = LevelCount(wrapped, n);
    const Layout layout = LayoutFor(wrapped, n);
    const bool matching = !params.startText.empty() || !params.finalText.empty();

    // Nodes, rows outer and levels inner: list index = row * levels + level.
    std::vector<Point*> nodes;
    nodes.reserve(static_cast<size_t>(rows * levels));
    for (int row = 0; row < rows; ++row)
    {
        for (int level = 0; level < levels; ++level)
        {
            Point* node = new Point(row, level, 0, 0, 0, 0);
            Place(wrapped, layout, row, level, &node->x, &node->y);
            if (matching)
            {
                const wxString text = NodeText(level, row, n);
                if (text == params.startText)
                {
                    params.startRow = row;
                    params.startLevel = level;
                    node->state = 1;
                }
                if (text == params.finalText)
                {
                    params.finalRow = row;
                    params.finalLevel = level;
                    node->state = 1;
                }
            }
            nodes.push_back(node);
            points->Append(node);
        }
    }

    wxInt32 maxX = -1;
    for (const Point* node : nodes)
        maxX = std::max(maxX, node->x);
    for (Point* node : nodes)
        node->x = maxX - node->x;

    // Straight edges (and the wrapped row's arc from level 0 to level n - 1); the wrapped
    // butterfly draws each with its first node, so the drawing grows node by node.
    int counter = 0;
    for (const Point* a : nodes)
    {
        const size_t rowBegin = static_cast<size_t>(a->id * levels);
        for (size_t i = rowBegin; i < rowBegin + static_cast<size_t>(levels); ++i)
        {
            const Point* b = nodes[i];
            if (b->id2 == a->id2 + 1)
            {
                Line* line = weave::AppendLine(lines, *a, *b);
                if (wrapped)
                    line->drawOrder = counter;
            }
            // For n = 2 the arc would retrace the straight edge between the two levels.
            if (wrapped && n > 2 && b->id2 == a->id2 + n - 1)
                AppendArc(lines, *a, *b, layout.rowStep, counter);
        }
        ++counter;
    }

    // Cross edges, each made once from its lower row; the wrapped ones then follow the nodes
    // one by one in the drawing.
    for (const Point* a : nodes)
    {
        for (const Point* b : nodes)
        {
            if (!IsCrossPair(wrapped, n, *a, *b))
                continue;
            Line* line = weave::AppendLine(lines, *a, *b);
            if (wrapped)
                line->drawOrder = counter++;
        }
    }

    for (size_t i = 0; i < nodes.size(); ++i)
        nodes[i]->drawOrder = static_cast<wxInt32>(i);

    if (!wrapped)
    {
        wxInt32 order = 0;
        for (LineList::compatibility_iterator it = lines->GetFirst(); it; it = it->GetNext())
            it->GetData()->drawOrder = order++;
    }

    if (params.startRow != -1 && params.finalRow != -1)
    {
        const Node start{params.startRow, params.startLevel};
        const Node final{params.finalRow, params.finalLevel};
        const std::vector<Node> hops = wrapped ? WrappedWalk(n, start, final) : OrdinaryWalk(n, start, final);
        if (!hops.empty())
        {
            MarkRoute(hops, start, levels, nodes, *lines);
            params.startRow = hops.back().row;
            params.startLevel = hops.back().level;
        }
    }

    for (Point* node : nodes)
        node->label = NodeLabel(node->id2, node->id, n);
}

} // namespace butterfly
