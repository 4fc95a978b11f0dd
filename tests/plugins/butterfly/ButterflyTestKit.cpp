// Helpers for the butterfly tests: a built network that frees itself, and the graph read back from it.
#include "ButterflyTestKit.h"

#include <algorithm>

namespace butterflytest
{

std::vector<Point*> Built::Nodes() const
{
    std::vector<Point*> nodes;
    for (PointList::compatibility_iterator it = points.GetFirst(); it; it = it->GetNext())
        nodes.push_back(it->GetData());
    return nodes;
}

std::vector<Line*> Built::Lines() const
{
    std::vector<Line*> all;
    for (LineList::compatibility_iterator it = lines.GetFirst(); it; it = it->GetNext())
        all.push_back(it->GetData());
    return all;
}

Point* Built::NodeAt(Node node) const
{
    for (Point* p : Nodes())
        if (p->id == node.row && p->id2 == node.level)
            return p;
    return nullptr;
}

std::unique_ptr<Built> Build(bool wrapped, int n, const wxString& start, const wxString& final)
{
    std::unique_ptr<Built> built(new Built);
    built->params.wrapped = wrapped;
    built->params.dimension = n;
    built->params.startText = start;
    built->params.finalText = final;
    butterfly::BuildNetwork(built->params, &built->points, &built->lines);
    return built;
}

std::map<std::pair<Node, Node>, int> LinesPerPair(const Built& built)
{
    std::map<std::pair<Node, Node>, int> pairs;
    for (const Line* line : built.Lines())
    {
        Node a = FromOf(line);
        Node b = ToOf(line);
        if (b < a)
            std::swap(a, b);
        ++pairs[std::make_pair(a, b)];
    }
    return pairs;
}

std::set<Node> ExpectedNeighbours(bool wrapped, int n, Node node)
{
    std::set<Node> out;
    const int r = node.row;
    const int l = node.level;
    if (wrapped)
    {
        const int up = (l + 1) % n;
        const int down = (l + n - 1) % n;
        out.insert(Node{r, up});
        out.insert(Node{r ^ (1 << l), up});
        out.insert(Node{r, down});
        out.insert(Node{r ^ (1 << down), down});
    }
    else
    {
        if (l < n)
        {
            out.insert(Node{r, l + 1});
            out.insert(Node{r ^ (1 << l), l + 1});
        }
        if (l > 0)
        {
            out.insert(Node{r, l - 1});
            out.insert(Node{r ^ (1 << (l - 1)), l - 1});
        }
    }
    return out;
}

std::vector<Node> AllNodes(bool wrapped, int n)
{
    std::vector<Node> nodes;
    for (int row = 0; row < (1 << n); ++row)
        for (int level = 0; level < butterfly::LevelCount(wrapped, n); ++level)
            nodes.push_back(Node{row, level});
    return nodes;
}

} // namespace butterflytest
