// Speed of a butterfly reload: the whole five-dimensional network with a route, as GetNetwork builds it.
#include <benchmark/benchmark.h>

#include "ButterflyCore.h"

namespace
{

void BuildWithRoute(benchmark::State& state, bool wrapped)
{
    const int n = 5;
    PointList points;
    LineList lines;
    for (auto _ : state)
    {
        butterfly::NetworkParams params;
        params.wrapped = wrapped;
        params.dimension = n;
        params.startText = butterfly::NodeText(0, 0, n);
        params.finalText = butterfly::NodeText(butterfly::LastLevel(wrapped, n), 31, n);
        butterfly::BuildNetwork(params, &points, &lines);
        benchmark::DoNotOptimize(lines.GetCount());
        // The host empties both lists before every reload.
        ClearOwned(points);
        ClearOwned(lines);
    }
}

const bool registered = [] {
    benchmark::RegisterBenchmark("Network/WrappedButterfly5/Route", BuildWithRoute, true)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Network/OrdinaryButterfly5/Route", BuildWithRoute, false)->Unit(benchmark::kMicrosecond);
    return true;
}();

} // namespace
