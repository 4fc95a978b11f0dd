// Speed of a torus or mesh reload at the largest size, with a route or with each nesting.
#include <benchmark/benchmark.h>

#include "GridCore.h"

namespace
{

grid::GridParams Grid(bool torus, int high)
{
    grid::GridParams params;
    params.torus = torus;
    params.dimension = 3;
    params.length = grid::kMaxLength;
    params.width = grid::kMaxWidth;
    params.high = high;
    return params;
}

void Build(benchmark::State& state, const grid::GridParams& params)
{
    PointList points;
    LineList lines;
    for (auto _ : state)
    {
        // Each reload starts from the module's state as the handlers left it.
        grid::GridParams run = params;
        grid::BuildNetwork(run, &points, &lines);
        benchmark::DoNotOptimize(lines.GetCount());
        // The host empties both lists before every reload.
        ClearOwned(points);
        ClearOwned(lines);
    }
}

void Route(benchmark::State& state, bool torus)
{
    grid::GridParams params = Grid(torus, grid::kMaxHigh);
    // The farthest pair: half way round on the torus, corner to corner on the mesh.
    params.startText = "{0,0,0}";
    params.finalText = torus ? "{5,5,3}" : "{9,9,5}";
    Build(state, params);
}

void Nesting(benchmark::State& state, bool torus, int high, const wchar_t* topology)
{
    grid::GridParams params = Grid(torus, high);
    params.topologyText = topology;
    Build(state, params);
}

struct Registered
{
    Registered()
    {
        const auto us = benchmark::kMicrosecond;
        benchmark::RegisterBenchmark("Network/Torus10x10x6/Plain", Build, Grid(true, grid::kMaxHigh))->Unit(us);
        benchmark::RegisterBenchmark("Network/Mesh10x10x6/Plain", Build, Grid(false, grid::kMaxHigh))->Unit(us);
        benchmark::RegisterBenchmark("Network/Torus10x10x6/Route", Route, true)->Unit(us);
        benchmark::RegisterBenchmark("Network/Mesh10x10x6/Route", Route, false)->Unit(us);
        benchmark::RegisterBenchmark("Network/Torus10x10x6/HamiltonianPath", Nesting, true, grid::kMaxHigh,
                                     grid::kHamiltonianPath)->Unit(us);
        benchmark::RegisterBenchmark("Network/Mesh10x10x6/HamiltonianPath", Nesting, false, grid::kMaxHigh,
                                     grid::kHamiltonianPath)->Unit(us);
        benchmark::RegisterBenchmark("Network/Torus10x10x6/Mesh", Nesting, true, grid::kMaxHigh, grid::kMesh)->Unit(us);
        // The cycle is only offered on one layer.
        benchmark::RegisterBenchmark("Network/Torus10x10x1/HamiltonianCycle", Nesting, true, 1,
                                     grid::kHamiltonianCycle)->Unit(us);
        benchmark::RegisterBenchmark("Network/Mesh10x10x1/HamiltonianCycle", Nesting, false, 1,
                                     grid::kHamiltonianCycle)->Unit(us);
    }
} s_registered;

} // namespace
