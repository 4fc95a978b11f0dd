// Speed of a hypercube reload: the six-dimensional cube with a route or with each nesting.
#include <benchmark/benchmark.h>

#include <utility>

#include "HypercubeNetwork.h"

namespace
{

void Build(benchmark::State& state, const hypercube::NetworkParams& params)
{
    PointList points;
    LineList lines;
    for (auto _ : state)
    {
        hypercube::BuildNetwork(params, &points, &lines);
        benchmark::DoNotOptimize(lines.GetCount());
        // The host empties both lists before every reload.
        ClearOwned(points);
        ClearOwned(lines);
    }
}

hypercube::FixedRandom s_random(2024);

hypercube::NetworkParams Hexeract()
{
    hypercube::NetworkParams params;
    params.dimension = 6;
    params.random = &s_random;
    return params;
}

void BuildWithRoute(benchmark::State& state)
{
    hypercube::NetworkParams params = Hexeract();
    params.startText = hypercube::NodeListText(0, 6);
    params.finalText = hypercube::NodeListText(63, 6);
    Build(state, params);
}

void BuildWithNesting(benchmark::State& state, const wxChar* topology)
{
    hypercube::NetworkParams params = Hexeract();
    params.topologyText = topology;
    params.treeHeight = 8;
    Build(state, params);
}

const bool registered = [] {
    benchmark::RegisterBenchmark("Network/Hypercube6/Route", BuildWithRoute)->Unit(benchmark::kMicrosecond);
    const std::pair<const char*, const wxChar*> nestings[] = {
        {"Network/Hypercube6/HamiltonianPath", hypercube::kHamiltonianPath},
        {"Network/Hypercube6/HamiltonianCycle", hypercube::kHamiltonianCycle},
        {"Network/Hypercube6/Mesh", hypercube::kMesh},
        {"Network/Hypercube6/BinaryTree", hypercube::kBinaryTree},
        {"Network/Hypercube6/BinaryTreeCoin", hypercube::kBinaryTreeCoin},
    };
    for (const auto& nesting : nestings)
        benchmark::RegisterBenchmark(nesting.first, BuildWithNesting, nesting.second)->Unit(benchmark::kMicrosecond);
    return true;
}();

} // namespace
