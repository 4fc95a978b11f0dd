// Torus and mesh networks without any controls: nodes, edges, wrap-around arcs, routes, nestings.
#include "GridCore.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "NetworkKit.h"

namespace grid
{

const wchar_t* const kHamiltonianPath = L"Hamiltonian Path";
const wchar_t* const kHamiltonianCycle = L"Hamiltonian Cycle";
const wchar_t* const kMesh = L"Mesh";

void NormaliseSizes(GridParams& params)
{
    params.dimension = std::clamp(params.dimension, 1, 3);
    params.length = std::clamp(params.length, 1, kMaxLength);
    params.width = params.dimension >= 2 ? std::clamp(params.width, 1, kMaxWidth) : 1;
    params.high = params.dimension >= 3 ? std::clamp(params.high, 1, kMaxHigh) : 1;
}

wxString KeyText(int dimension, int i, int j, int k)
{
    if (dimension <= 1)
        return wxString::Format("{%d}", i);
    if (dimension == 2)
        return wxString::Format("{%d,%d}", i, j);
    return wxString::Format("{%d,%d,%d}", i, j, k);
}

wxString NodeLabel(int dimension, int i, int j, int k)
{
    if (dimension <= 1)
        return wxString::Format("%d", i);
    if (dimension == 2)
        return wxString::Format("%d,%d", i, j);
    return wxString::Format("%d,%d,%d", i, j, k);
}

std::vector<wxString> PointItems(int dimension, int length, int width, int high)
{
    std::vector<wxString> items;
    for (int i = 0; i < length; ++i)
        for (int j = 0; j < width; ++j)
            for (int k = 0; k < high; ++k)
                items.push_back(KeyText(dimension, i, j, k));
    return items;
}

int Spacing(int length, int width, int high)
{
    return std::min({400 / std::max(length, 1), 400 / std::max(width, 1), 200 / std::max(high, 1)});
}

std::vector<wxString> OfferedTopologies(bool torus, int length, int width, int high)
{
    std::vector<wxString> items;
    items.push_back(kHamiltonianPath);
    if (torus)
    {
        items.push_back(kMesh);
        if (high == 1)
            items.push_back(kHamiltonianCycle);
    }
    else if (high == 1 && length >= 2 && width >= 2 && (length * width) % 2 == 0)
    {
        items.push_back(kHamiltonianCycle);
    }
    return items;
}

bool IsOffered(bool torus, int length, int width, int high, const wxString& topology)
{
    const std::vector<wxString> offered = OfferedTopologies(torus, length, width, high);
    return std::find(offered.begin(), offered.end(), topology) != offered.end();
}

namespace
{

// Grid coordinates (i, j, k); the same triple names a node and the keys of a line end.
struct Coord
{
    int c[3];
    bool operator==(const Coord& o) const { return c[0] == o.c[0] && c[1] == o.c[1] && c[2] == o.c[2]; }
};

weave::LineIndex::Key KeyOf(const Coord& at) { return weave::LineIndex::Key{at.c[0], at.c[1], at.c[2]}; }

int Sign(int value) { return value > 0 ? 1 : (value < 0 ? -1 : 0); }

// One build: owns nothing, appends to the host's lists and marks what it appended.
class Builder
{
public:
    Builder(GridParams& params, PointList* points, LineList* lines)
        : m_params(params), m_points(points), m_lines(lines)
    {
        m_size[0] = params.length;
        m_size[1] = params.width;
        m_size[2] = params.high;
        m_count = params.length * params.width * params.high;
    }

    void Run()
    {
        BuildNodes();
        MirrorX();
        BuildEdges();
        if (m_params.torus)
            BuildWrapArcs();
        if (RouteKnown())
            RouteWalk();
        else
            RunNesting();
        LabelNodes();
        AssignDrawOrders();
    }

private:
    void BuildNodes()
    {
        m_spacing = Spacing(m_params.length, m_params.width, m_params.high);
        m_params.spacing = static_cast<float>(m_spacing);
        // Key texts are only needed to recognise the chosen ends.
        const bool compare = !m_params.startText.empty() || !m_params.finalText.empty();
        m_nodes.reserve(m_count);
        for (int i = 0; i < m_params.length; ++i)
            for (int j = 0; j < m_params.width; ++j)
                for (int k = 0; k < m_params.high; ++k)
                {
                    bool chosen = false;
                    if (compare)
                    {
                        const wxString key = KeyText(m_params.dimension, i, j, k);
                        if (key == m_params.startText)
                        {
                            SetCoord(m_params.start, i, j, k);
                            chosen = true;
                        }
                        if (key == m_params.finalText)
                        {
                            SetCoord(m_params.final, i, j, k);
                            chosen = true;
                        }
                    }
                    Point* node = new Point(i, j, k, m_spacing * i, m_spacing * j, m_spacing * k);
                    node->state = chosen ? 1 : 0;
                    m_points->Append(node);
                    m_nodes.push_back(node);
                }
    }

    void MirrorX()
    {
        int largest = -1;
        for (const Point* node : m_nodes)
            largest = std::max(largest, static_cast<int>(node->x));
        for (Point* node : m_nodes)
            node->x = largest - node->x;
        m_largestX = largest;
        m_params.largestX = largest;
    }

    Point* NodeAt(int i, int j, int k) const
    {
        return m_nodes[(static_cast<size_t>(i) * m_params.width + j) * m_params.high + k];
    }

    // Each pair of neighbours once, from the larger coordinate to the smaller, the lower
    // neighbours of a node in list order.
    void BuildEdges()
    {
        for (int i = 0; i < m_params.length; ++i)
            for (int j = 0; j < m_params.width; ++j)
                for (int k = 0; k < m_params.high; ++k)
                {
                    const Point& a = *NodeAt(i, j, k);
                    if (i > 0)
                        weave::AppendLine(m_lines, a, *NodeAt(i - 1, j, k));
                    if (j > 0)
                        weave::AppendLine(m_lines, a, *NodeAt(i, j - 1, k));
                    if (k > 0)
                        weave::AppendLine(m_lines, a, *NodeAt(i, j, k - 1));
                }
    }

    // Six segments from the node at n - 1 round to the node at 0. The ends carry the keys of
    // the link, not of their own position, so marking a link finds all six; with two nodes on
    // the axis the direct line is the link and the arc answers to nothing.
    void AppendArc(int axis, int i, int j, int k)
    {
        static const double kTheta[7] = {0.0, 3.14 * 1 / 6, 3.14 * 2 / 6, 3.14 * 3 / 6,
                                         3.14 * 4 / 6, 3.14 * 5 / 6, 3.14 * 6 / 6};
        const int n = m_size[axis];
        const double s = m_params.spacing;
        const double bulge = s / 4;
        const double half = (n - 1) * 0.5 * s;

        Coord nearEnd{{i, j, k}};
        Coord farEnd{{i, j, k}};
        nearEnd.c[axis] = 0;
        farEnd.c[axis] = n - 1;
        if (n == 2)
            nearEnd = Coord{{-1, -1, -1}};

        int px[7], py[7], pz[7];
        for (int t = 0; t <= 6; ++t)
        {
            const double along = half * (1 + std::cos(kTheta[t]));
            const double out = bulge * std::sin(kTheta[t]);
            switch (axis)
            {
            case 0:
                px[t] = m_largestX - static_cast<int>(along);
                py[t] = static_cast<int>(s * j + out);
                pz[t] = static_cast<int>(s * k);
                break;
            case 1:
                px[t] = m_largestX - static_cast<int>(s * i + out);
                py[t] = static_cast<int>(along);
                pz[t] = static_cast<int>(s * k);
                break;
            default:
                px[t] = m_largestX - static_cast<int>(s * i + out);
                py[t] = static_cast<int>(s * j);
                pz[t] = static_cast<int>(along);
                break;
            }
        }
        for (int t = 1; t <= 6; ++t)
        {
            Point* from = weave::NewEnd(nearEnd.c[0], nearEnd.c[1], nearEnd.c[2], px[t - 1], py[t - 1], pz[t - 1]);
            Point* to = weave::NewEnd(farEnd.c[0], farEnd.c[1], farEnd.c[2], px[t], py[t], pz[t]);
            m_lines->Append(new Line(from, to));
        }
    }

    void BuildWrapArcs()
    {
        if (m_params.length >= 2)
            for (int j = 0; j < m_params.width; ++j)
                for (int k = 0; k < m_params.high; ++k)
                    AppendArc(0, 0, j, k);
        if (m_params.width >= 2)
            for (int i = 0; i < m_params.length; ++i)
                for (int k = 0; k < m_params.high; ++k)
                    AppendArc(1, i, 0, k);
        if (m_params.high >= 2)
            for (int i = 0; i < m_params.length; ++i)
                for (int j = 0; j < m_params.width; ++j)
                    AppendArc(2, i, j, 0);
    }

    bool InGrid(const int* at) const
    {
        for (int axis = 0; axis < 3; ++axis)
            if (at[axis] < 0 || at[axis] >= m_size[axis])
                return false;
        return true;
    }

    // Ends left over from an earlier build with other sizes name no node: no route then.
    bool RouteKnown() const
    {
        const bool startSet = m_params.start[0] != -1 && m_params.start[1] != -1 && m_params.start[2] != -1;
        const bool finalSet = m_params.final[0] != -1 && m_params.final[1] != -1 && m_params.final[2] != -1;
        return startSet && finalSet && InGrid(m_params.start) && InGrid(m_params.final);
    }

    void EnsureIndexes()
    {
        if (m_indexed)
            return;
        m_lineIndex.Build(*m_lines);
        m_nodeIndex.Build(*m_points);
        m_indexed = true;
    }

    void MarkLines(int time, int state, const Coord& a, const Coord& b)
    {
        for (Line* line : m_lineIndex.Between(KeyOf(a), KeyOf(b)))
        {
            line->state = state;
            line->time = time;
        }
    }

    void MarkNode(int time, int state, const Coord& at)
    {
        Point* node = m_nodeIndex.Find(at.c[0], at.c[1], at.c[2]);
        if (node && (node->state == 0 || node->state == 3))
        {
            node->state = state;
            node->time = time;
        }
    }

    // Dimension order; on the torus an axis goes round only where that is strictly shorter.
    void RouteWalk()
    {
        EnsureIndexes();
        Coord current{{m_params.start[0], m_params.start[1], m_params.start[2]}};
        const int* final = m_params.final;
        int t = 1;
        for (int axis = 0; axis < 3; ++axis)
        {
            const int n = m_size[axis];
            const int distance = std::abs(current.c[axis] - final[axis]);
            const bool round = m_params.torus && n > 2 && distance > n - distance;
            int direction = current.c[axis] < final[axis] ? 1 : -1;
            if (round)
                direction = -direction;
            // Each axis needs fewer than n steps either way.
            for (int guard = 0; current.c[axis] != final[axis] && guard < n; ++guard)
            {
                Coord next = current;
                int& moved = next.c[axis];
                if (m_params.torus && moved == 0 && direction < 0)
                    moved = n - 1;
                else if (m_params.torus && moved == n - 1 && direction > 0)
                    moved = 0;
                else
                    moved += direction;
                MarkLines(t, 1, next, current);
                MarkNode(t, 3, next);
                current = next;
                SetCoord(m_params.start, current.c[0], current.c[1], current.c[2]);
                ++t;
            }
        }
    }

    // A tour the sizes cannot close, or a guest the network does not offer, is never drawn,
    // whatever text the editable topology box holds.
    void RunNesting()
    {
        const wxString& topology = m_params.topologyText;
        if (!IsOffered(m_params.torus, m_params.length, m_params.width, m_params.high, topology))
            return;
        if (topology == kHamiltonianPath)
            NestHamiltonianPath();
        else if (topology == kHamiltonianCycle)
            NestHamiltonianCycle();
        else if (topology == kMesh)
            NestMesh();
    }

    void NestHamiltonianPath()
    {
        EnsureIndexes();
        const int length = m_params.length;
        const int width = m_params.width;
        const Coord origin{{0, 0, 0}};
        Coord current = origin;
        int rx = length - 1;
        int ry = width - 1;
        int rz = m_params.high - 1;
        int t = 1;
        for (int step = 1; step < m_count; ++step)
        {
            Coord next = current;
            if (rx != 0)
            {
                next.c[0] += Sign(rx);
                rx -= Sign(rx);
            }
            else if (ry != 0)
            {
                next.c[1] += Sign(ry);
                ry -= Sign(ry);
                rx = next.c[0] < length - 1 ? length - 1 : -(length - 1);
            }
            else if (rz > 0)
            {
                next.c[2] += 1;
                rz -= 1;
                rx = next.c[0] < length - 1 ? length - 1 : -(length - 1);
                ry = next.c[1] < width - 1 ? width - 1 : -(width - 1);
            }
            else
            {
                break;
            }
            MarkLines(t, 2, current, next);
            MarkNode(t, 3, next);
            current = next;
            ++t;
        }
        MarkNode(1, 2, origin);
        MarkNode(m_count - 1, 2, current);
    }

    void NestHamiltonianCycle()
    {
        if (m_params.torus && (m_params.length == 1 || m_params.width == 1))
        {
            // The ring itself is the cycle.
            for (LineList::compatibility_iterator it = m_lines->GetFirst(); it; it = it->GetNext())
            {
                it->GetData()->state = 2;
                it->GetData()->time = 1;
            }
            return;
        }
        EnsureIndexes();
        // The tour snakes back across the axis it did not run first; on the mesh an odd length
        // would leave it one column short of home, so it runs along j first then.
        const bool jFirst = !m_params.torus && m_params.length % 2 == 1;
        const int first = jFirst ? 1 : 0;
        const int second = jFirst ? 0 : 1;
        const int firstSize = m_size[first];
        const int secondSize = m_size[second];

        const Coord origin{{0, 0, 0}};
        Coord current = origin;
        int runFirst = firstSize - 1;
        int runSecond = secondSize - 1;
        int t = 1;
        for (int step = 1; step < m_count; ++step)
        {
            Coord next = current;
            if (runFirst > 0)
            {
                next.c[first] += 1;
                runFirst -= 1;
            }
            else if (runSecond > 0)
            {
                next.c[second] += 1;
                runSecond -= 1;
            }
            else if (runSecond < 0)
            {
                next.c[second] -= 1;
                runSecond += 1;
            }
            else
            {
                next.c[first] -= 1;
                if (next.c[second] == 1)
                    runSecond = secondSize - 2;
                else if (next.c[second] == secondSize - 1)
                    runSecond = 2 - secondSize;
            }
            MarkLines(t, 2, current, next);
            MarkNode(t, 3, next);
            current = next;
            ++t;
        }
        MarkLines(m_count, 2, origin, current);
        MarkNode(1, 3, origin);
    }

    static int AgreeingKeys(const Point& a, const Point& b)
    {
        return (a.id == b.id) + (a.id2 == b.id2) + (a.id3 == b.id3);
    }

    // The grid lines alone are the mesh; the arcs are what makes it a torus.
    void NestMesh()
    {
        for (Point* node : m_nodes)
        {
            node->state = 2;
            node->time = 1;
        }
        for (LineList::compatibility_iterator it = m_lines->GetFirst(); it; it = it->GetNext())
        {
            Line* line = it->GetData();
            const Point& from = *line->from;
            const Point& to = *line->to;
            if (AgreeingKeys(from, to) == 2 && (from.id + from.id2 + from.id3) - (to.id + to.id2 + to.id3) == 1)
            {
                line->state = 2;
                line->time = 1;
            }
        }
    }

    void LabelNodes()
    {
        for (Point* node : m_nodes)
            node->label = NodeLabel(m_params.dimension, node->id, node->id2, node->id3);
    }

    void AssignDrawOrders()
    {
        int order = 0;
        for (PointList::compatibility_iterator it = m_points->GetFirst(); it; it = it->GetNext())
        {
            it->GetData()->drawOrder = order;
            order += 2;
        }
        order = 0;
        for (LineList::compatibility_iterator it = m_lines->GetFirst(); it; it = it->GetNext())
            it->GetData()->drawOrder = order++;
    }

    static void SetCoord(int* coord, int i, int j, int k)
    {
        coord[0] = i;
        coord[1] = j;
        coord[2] = k;
    }

    GridParams& m_params;
    PointList* m_points;
    LineList* m_lines;
    int m_size[3];
    int m_count;
    int m_spacing = 0;
    int m_largestX = -1;
    std::vector<Point*> m_nodes;   // this build's nodes in list order
    bool m_indexed = false;
    weave::LineIndex m_lineIndex;
    weave::NodeIndex m_nodeIndex;
};

} // namespace

void BuildNetwork(GridParams& params, PointList* points, LineList* lines)
{
    NormaliseSizes(params);
    Builder(params, points, lines).Run();
}

} // namespace grid
