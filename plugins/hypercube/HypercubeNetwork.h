// The hypercube network, its dimension-ordered route and its five nestings, without any display.
#pragma once

#include <random>

#include <wx/string.h>

#include "weavekit/Records.h"

namespace hypercube
{

// Largest dimension the builder accepts; larger values are clamped (the slider stops at 6).
constexpr int kMaxDimension = 12;
// Largest coin-tree height the builder accepts; larger values are clamped (the slider stops at 8).
constexpr int kMaxTreeHeight = 16;

// The guest topologies, as the topology list shows them.
extern const wxChar* const kHamiltonianPath;
extern const wxChar* const kHamiltonianCycle;
extern const wxChar* const kBinaryTree;
extern const wxChar* const kBinaryTreeCoin;
extern const wxChar* const kMesh;

// Numbers for the random nestings. Every random nesting calls Seed once and then draws.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void Seed() = 0;
    virtual unsigned Next() = 0;
};

// Seeded from the calendar time in whole seconds: reloads within one second repeat a tree.
class ClockRandom : public RandomSource
{
public:
    void Seed() override;
    unsigned Next() override;

private:
    std::mt19937 m_engine;
};

// Always restarts from the same seed, for reproducible trees.
class FixedRandom : public RandomSource
{
public:
    explicit FixedRandom(unsigned seed) : m_seed(seed) {}
    void Seed() override { m_engine.seed(m_seed); }
    unsigned Next() override { return static_cast<unsigned>(m_engine()); }

private:
    unsigned m_seed;
    std::mt19937 m_engine;
};

// Everything the builder reads: the parameters and the current texts of the three lists.
struct NetworkParams
{
    int dimension = 4;
    wxString startText;      // e.g. "(0101)"; a node whose list text equals it becomes the start
    wxString finalText;
    wxString topologyText;   // one of the five topology names, anything else nests nothing
    int treeHeight = 0;
    int startNode = -1;      // kept when no node text matches
    int finalNode = -1;
    RandomSource* random = nullptr;   // null: a ClockRandom
};

struct NetworkResult
{
    int startNode;
    int finalNode;
    int nodeCount;
    int spacing;
};

// The name of an n-dimensional cube ("Point" ... "Enneract"), or null outside 0 ... 9.
const wxChar* DimensionName(int dimension);

// "(" + the n digits of node + ")": the node's text in the start and final lists.
wxString NodeListText(int node, int dimension);

// Appends the nodes and edge segments to the (empty) lists, marks the route when both ends
// are known and then the chosen nesting.
NetworkResult BuildNetwork(const NetworkParams& params, PointList* points, LineList* lines);

} // namespace hypercube
