// The hypercube network, its dimension-ordered route and its five nestings, without any display.
#include "HypercubeNetwork.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <utility>
#include <vector>

#include "NetworkKit.h"

namespace hypercube
{

const wxChar* const kHamiltonianPath = wxT("Hamiltonian Path");
const wxChar* const kHamiltonianCycle = wxT("Hamiltonian Cycle");
const wxChar* const kBinaryTree = wxT("Binary Tree");
const wxChar* const kBinaryTreeCoin = wxT("Binary Tree (Flipping-a-coin)");
const wxChar* const kMesh = wxT("Mesh (1,2,*)");

void ClockRandom::Seed() { m_engine.seed(static_cast<unsigned>(std::time(nullptr))); }

unsigned ClockRandom::Next() { return static_cast<unsigned>(m_engine()); }

const wxChar* DimensionName(int dimension)
{
    static const wxChar* const names[] = {wxT("Point"),     wxT("Line"),      wxT("Square"),
                                          wxT("Cube"),      wxT("Tesseract"), wxT("Penteract"),
                                          wxT("Hexeract"),  wxT("Hepteract"), wxT("Octeract"),
                                          wxT("Enneract")};
    return dimension >= 0 && dimension < 10 ? names[dimension] : nullptr;
}

wxString NodeListText(int node, int dimension)
{
    return "(" + weave::BinaryDigits(static_cast<unsigned>(node), dimension) + ")";
}

namespace
{

// Node roles and line roles as the host draws them.
enum { kNormal = 0, kSelected = 1, kNested = 2, kVisited = 3 };
enum { kRouted = 1 };

// The network being built, with the lookups that routing and nesting need.
struct Net
{
    int n = 0;
    int count = 1;
    int spacing = 450;
    std::vector<Point*> nodes;   // position in the list == node id
    LineList* lines = nullptr;
    weave::LineIndex index;
    std::vector<std::vector<Line*>> incident;   // per node, lines touching it in list order

    Point* Node(int id) const
    {
        return id >= 0 && id < count ? nodes[static_cast<size_t>(id)] : nullptr;
    }

    bool IsFree(int id) const
    {
        const Point* node = Node(id);
        return node && node->state != kNested;
    }

    // Every still normal line of edge u-v takes the role; reports whether any did.
    bool MarkEdge(int u, int v, int state, int time)
    {
        if (!Node(u) || !Node(v))
            return false;
        bool marked = false;
        for (Line* line : index.Between({u, 0, 0}, {v, 0, 0}))
            if (line->state == kNormal)
            {
                line->state = state;
                line->time = time;
                marked = true;
            }
        return marked;
    }

    // The node takes the role unless it is a route end or already nested.
    bool MarkNode(int id, int state, int time)
    {
        Point* node = Node(id);
        if (!node || (node->state != kNormal && node->state != kVisited))
            return false;
        node->state = state;
        node->time = time;
        return true;
    }

    void BuildIncident()
    {
        incident.assign(static_cast<size_t>(count), {});
        for (LineList::compatibility_iterator it = lines->GetFirst(); it; it = it->GetNext())
        {
            Line* line = it->GetData();
            if (Node(line->from->id))
                incident[static_cast<size_t>(line->from->id)].push_back(line);
            if (line->to->id != line->from->id && Node(line->to->id))
                incident[static_cast<size_t>(line->to->id)].push_back(line);
        }
    }
};

int OtherEnd(const Line* line, int end) { return line->from->id == end ? line->to->id : line->from->id; }

int& Coordinate(Point& p, int axis) { return axis == 0 ? p.x : axis == 1 ? p.y : p.z; }
int Coordinate(const Point& p, int axis) { return axis == 0 ? p.x : axis == 1 ? p.y : p.z; }

void AddNodes(Net& net, const NetworkParams& params, PointList* points, NetworkResult& result)
{
    net.nodes.reserve(static_cast<size_t>(net.count));
    for (int i = 0; i < net.count; ++i)
    {
        Point* node = new Point(i, 0, 0, 0, 0, 0);
        for (int k = 0; k < net.n; ++k)
            if ((i >> k) & 1)
                Coordinate(*node, k % 3) += net.spacing * (k / 3 + 1);
        const wxString text = NodeListText(i, net.n);
        if (text == params.startText)
        {
            result.startNode = i;
            node->state = kSelected;
        }
        if (text == params.finalText)
        {
            result.finalNode = i;
            node->state = kSelected;
        }
        node->drawOrder = 2 * i;
        points->Append(node);
        net.nodes.push_back(node);
    }

    // Mirrored in x: node 0 sits at the largest x, the nodes with every x bit set at 0.
    int maxX = -1;
    for (const Point* node : net.nodes)
        maxX = std::max(maxX, node->x);
    for (Point* node : net.nodes)
    {
        node->x = maxX - node->x;
        node->label = weave::BinaryDigits(static_cast<unsigned>(node->id), net.n);
    }
}

// Half an ellipse of eight segments over the edge axis, from the larger end to the smaller.
void AddArc(Net& net, const Point& a, const Point& b, int& arcCount)
{
    int axis = 0;
    while (axis < 2 && Coordinate(a, axis) == Coordinate(b, axis))
        ++axis;
    const int a1 = Coordinate(a, axis);
    const int a2 = Coordinate(b, axis);
    const int h = std::abs(a1 - a2) / 2;
    const int m = std::min(a1, a2);
    const float radius = static_cast<float>(net.spacing / 6);

    auto endAt = [&](const Point& end, double theta) {
        Point at(end.id, 0, 0, end.x, end.y, end.z);
        Coordinate(at, axis) =
            static_cast<int>(static_cast<float>(static_cast<float>(h * std::cos(theta) + h) + m));
        // x and y edges bulge upwards, z edges sideways, so no arc crosses the inner cubes.
        if (axis == 2)
            at.x = static_cast<int>(static_cast<float>(radius * std::sin(theta) + b.x));
        else
            at.z = static_cast<int>(static_cast<float>(radius * std::sin(theta) + a.z));
        return weave::NewEnd(at);
    };

    for (int j = 0; j < 8; ++j)
    {
        const double theta0 = j * 3.14 * 0.125;
        const double theta1 = (j + 1) * 3.14 * 0.125;
        Line* line = new Line(endAt(a, theta0), endAt(b, theta1));
        line->drawOrder = 5 + arcCount++;
        net.lines->Append(line);
        net.index.Add(line);
    }
}

void AddEdges(Net& net)
{
    int straightCount = 0;
    int arcCount = 0;
    std::vector<int> neighbours;
    for (const Point* a : net.nodes)
    {
        // The nodes whose digits differ from a's in exactly one position, in list order.
        neighbours.clear();
        for (int k = 0; k < net.n; ++k)
            neighbours.push_back(a->id ^ (1 << k));
        std::sort(neighbours.begin(), neighbours.end());
        for (int id : neighbours)
        {
            const Point* b = net.Node(id);
            if (!b || !net.index.Between({a->id, 0, 0}, {b->id, 0, 0}).empty())
                continue;
            const int distance = std::abs(a->x - b->x) + std::abs(a->y - b->y) + std::abs(a->z - b->z);
            if (distance == net.spacing)
            {
                Line* line = weave::AppendLine(net.lines, *a, *b);
                line->drawOrder = straightCount++;
                net.index.Add(line);
            }
            else
                AddArc(net, *a, *b, arcCount);
        }
    }
}

// Corrects the differing digits one hop at a time, most significant first.
void Route(Net& net, int from, int to)
{
    if (from == to)
        return;
    int current = from;
    for (int hop = 1;; ++hop)
    {
        int bit = net.n - 1;
        while (!(((current ^ to) >> bit) & 1))
            --bit;
        const int next = current ^ (1 << bit);
        net.MarkEdge(current, next, kRouted, hop);
        Point* reached = net.Node(next);
        if (reached->state == kNormal || reached->state == kVisited)
        {
            reached->state = kVisited;
            reached->time = hop;
        }
        current = next;
        if (current == to)
            return;
    }
}

int Gray(int k) { return k ^ (k >> 1); }

void NestHamiltonian(Net& net, bool path)
{
    const int steps = path ? net.count - 1 : net.count;
    for (int k = 0; k < steps; ++k)
    {
        const int t = k + 1;
        const int a = Gray(k);
        const int b = k + 1 == net.count ? 0 : Gray(k + 1);
        net.MarkEdge(a, b, kNested, t);
        net.MarkNode(b, kVisited, t);
        if (k == steps - 1)
        {
            if (path)
            {
                // The path's two ends show as nested, its inner nodes as visited.
                net.MarkNode(0, kNested, 1);
                net.MarkNode(b, kNested, t);
            }
            else
                net.MarkNode(0, kVisited, 1);   // closed at time N, but it is where the cycle starts
        }
    }
}

void NestMesh(Net& net)
{
    net.BuildIncident();
    const int rungs = net.count / 2;   // 2^(n-1)
    std::vector<std::pair<int, int>> rung(static_cast<size_t>(rungs) + 1, {-1, -1});
    rung[0] = {0, 2};
    net.MarkNode(0, kNested, 1);
    net.MarkNode(2, kNested, 1);
    net.MarkEdge(0, 2, kNested, 1);

    auto candidates = [&](int end) -> const std::vector<Line*>& {
        static const std::vector<Line*> none;
        return net.Node(end) ? net.incident[static_cast<size_t>(end)] : none;
    };

    for (int r = 1; r <= rungs; ++r)
    {
        const int d = rung[static_cast<size_t>(r - 1)].first;
        const int e = rung[static_cast<size_t>(r - 1)].second;
        const int t = r + 1;
        std::pair<int, int> found(-1, -1);
        for (const Line* toG : candidates(d))
        {
            const int g = OtherEnd(toG, d);
            if (toG->state == kNested || !net.IsFree(g))
                continue;
            for (const Line* toF : candidates(e))
            {
                const int f = OtherEnd(toF, e);
                if (toF->state != kNested && net.IsFree(f) && std::abs(g - f) == 2)
                {
                    found = {g, f};
                    break;
                }
            }
            if (found.first != -1)
                break;
        }
        rung[static_cast<size_t>(r)] = found;
        const int g = found.first;
        const int f = found.second;
        net.MarkEdge(d, g, kNested, t);
        net.MarkEdge(e, f, kNested, t);
        net.MarkEdge(f, g, kNested, t);
        net.MarkNode(g, kNested, t);
        net.MarkNode(f, kNested, t);
    }
}

void NestBinaryTree(Net& net, RandomSource& random)
{
    // Node count of a complete binary tree of n - 1 levels; the square takes three.
    int size = net.n >= 1 ? (1 << (net.n - 1)) - 1 : 0;
    if (net.n == 2)
        size = 3;
    std::vector<int> queue(static_cast<size_t>(std::max(size, 1)));

    random.Seed();
    const int root = static_cast<int>(random.Next() % static_cast<unsigned>(net.count));
    net.MarkNode(root, kNested, 1);
    queue[0] = root;
    int filled = 1;
    int t = 2;
    // A parent that is not yet in the queue cannot be taken: the tree stays incomplete.
    for (int parent = 0; filled < size - 1 && parent < filled; ++parent)
    {
        const int p = queue[static_cast<size_t>(parent)];
        for (int child = 0; child < 2; ++child)
            for (int j = 0; j < net.n; ++j)
            {
                const int candidate = p ^ (1 << (net.n - 1 - j));
                if (!net.IsFree(candidate))
                    continue;
                net.MarkEdge(p, candidate, kNested, t);
                net.MarkNode(candidate, kNested, t);
                ++t;
                queue[static_cast<size_t>(filled++)] = candidate;
                break;
            }
    }
}

int Level(int entry)
{
    int level = 1;
    for (int above = entry + 1; above > 1; above >>= 1)
        ++level;
    return level;
}

void NestCoinTree(Net& net, int treeHeight, RandomSource& random)
{
    const int height = std::min(treeHeight, kMaxTreeHeight);
    const int size = height < 1 ? 0 : (1 << height) - 1;
    std::vector<int> tree(static_cast<size_t>(std::max(size, 1)));

    random.Seed();
    const int root = static_cast<int>(random.Next() % static_cast<unsigned>(net.count));
    tree[0] = root;
    net.MarkNode(root, kNested, 1);
    int t = 2;
    for (int i = 0; 2 * i + 2 < size; ++i)
    {
        const int p = tree[static_cast<size_t>(i)];
        // Each level moves along its own dimension; a point has none to move along.
        const int child = net.n > 0 ? p ^ (1 << (Level(i) % net.n)) : p;
        const bool childFirst = random.Next() % 2 != 0;
        tree[static_cast<size_t>(2 * i + 1)] = childFirst ? child : p;
        tree[static_cast<size_t>(2 * i + 2)] = childFirst ? p : child;
        const bool nodeMarked = net.MarkNode(child, kNested, t);
        const bool edgeMarked = net.MarkEdge(p, child, kNested, t);
        if (nodeMarked || edgeMarked)
            ++t;
    }
}

void Nest(Net& net, const NetworkParams& params)
{
    ClockRandom clock;
    RandomSource& random = params.random ? *params.random : clock;
    const wxString& topology = params.topologyText;
    if (topology == kHamiltonianPath || topology == kHamiltonianCycle)
        NestHamiltonian(net, topology == kHamiltonianPath);
    else if (topology == kMesh)
        NestMesh(net);
    else if (topology == kBinaryTree)
        NestBinaryTree(net, random);
    else if (topology == kBinaryTreeCoin)
        NestCoinTree(net, params.treeHeight, random);
}

} // namespace

NetworkResult BuildNetwork(const NetworkParams& params, PointList* points, LineList* lines)
{
    Net net;
    net.n = std::clamp(params.dimension, 0, kMaxDimension);
    net.count = 1 << net.n;
    net.spacing = net.n >= 1 ? 450 / net.n : 450;
    net.lines = lines;

    NetworkResult result{params.startNode, params.finalNode, net.count, net.spacing};
    AddNodes(net, params, points, result);
    AddEdges(net);
    // Indices left over from another dimension name no node here.
    if (net.Node(result.startNode) && net.Node(result.finalNode))
        Route(net, result.startNode, result.finalNode);
    Nest(net, params);
    return result;
}

} // namespace hypercube
