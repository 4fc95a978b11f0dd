// Entry point of the benchmark program: runs the benchmarks, then prints one summary table of
// frame times, network reload times, start-up to first frame and device re-creation on resize.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "AppTimings.h"

namespace
{

// Passes every run on to the reporter the user asked for and keeps the times for the table.
class CollectingReporter : public benchmark::BenchmarkReporter
{
public:
    explicit CollectingReporter(std::unique_ptr<benchmark::BenchmarkReporter> inner) : m_inner(std::move(inner)) {}

    bool ReportContext(const Context& context) override { return m_inner->ReportContext(context); }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                m_milliseconds[run.benchmark_name()] =
                    run.GetAdjustedRealTime() * benchmark::GetTimeUnitMultiplier(benchmark::kMillisecond) /
                    benchmark::GetTimeUnitMultiplier(run.time_unit);
        m_inner->ReportRuns(runs);
    }

    void Finalize() override { m_inner->Finalize(); }

    // Milliseconds of a case, or a negative number when it did not run.
    double Milliseconds(const std::string& name) const
    {
        auto found = m_milliseconds.find(name);
        return found == m_milliseconds.end() ? -1.0 : found->second;
    }

private:
    std::unique_ptr<benchmark::BenchmarkReporter> m_inner;
    std::map<std::string, double> m_milliseconds;
};

bool WantsJson(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--benchmark_format=json") == 0)
            return true;
    return false;
}

void PrintRow(FILE* out, const char* what, double ms, double empty)
{
    if (ms < 0)
        std::fprintf(out, "| %-50s | %10s | %8s |\n", what, "-", "-");
    else if (empty > 0)
        std::fprintf(out, "| %-50s | %10.3f | %7.1fx |\n", what, ms, ms / empty);
    else
        std::fprintf(out, "| %-50s | %10.3f | %8s |\n", what, ms, "");
}

void PrintSummary(FILE* out, const CollectingReporter& results, const AppTimings& app)
{
    const double empty = results.Milliseconds("Frame/Empty");
    std::fprintf(out, "\nSummary (milliseconds; ratio to the empty frame)\n");
    std::fprintf(out, "| %-50s | %10s | %8s |\n", "what", "ms", "ratio");
    std::fprintf(out, "|%s|%s|%s|\n", std::string(52, '-').c_str(), std::string(12, '-').c_str(),
                 std::string(10, '-').c_str());
    PrintRow(out, "frame: empty", empty, empty);
    const char* frames[][2] = {
        {"frame: torus 10x10x6, labels, sky box", "Frame/Torus600/SkyBox"},
        {"frame: torus 10x10x6, labels", "Frame/Torus600/Labels"},
        {"frame: hypercube n=6, labels, sky box", "Frame/Hypercube64/SkyBox"},
        {"frame: ordinary butterfly n=5, labels, sky box", "Frame/Butterfly192/SkyBox"},
    };
    for (const auto& frame : frames)
        PrintRow(out, frame[0], results.Milliseconds(frame[1]), empty);
    const char* networks[][2] = {
        {"reload: hypercube n=6 with a route", "Network/Hypercube6/Route"},
        {"reload: torus 10x10x6 with a route", "Network/Torus10x10x6/Route"},
        {"reload: mesh 10x10x6 with a route", "Network/Mesh10x10x6/Route"},
        {"reload: wrapped butterfly n=5 with a route", "Network/WrappedButterfly5/Route"},
        {"reload: ordinary butterfly n=5 with a route", "Network/OrdinaryButterfly5/Route"},
    };
    for (const auto& network : networks)
        PrintRow(out, network[0], results.Milliseconds(network[1]), -1);
    PrintRow(out, "start-up (window, plug-ins, device) to 1st frame", app.startupMs, -1);
    PrintRow(out, "device re-creation on resize (with a frame)", app.resizeMs, -1);
}

} // namespace

int main(int argc, char** argv)
{
    const bool json = WantsJson(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    std::unique_ptr<benchmark::BenchmarkReporter> display;
    if (json)
        display.reset(new benchmark::JSONReporter);
    else
        display.reset(new benchmark::ConsoleReporter);
    CollectingReporter reporter(std::move(display));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    // The whole program's own timings need a display; without one the rows stay empty.
    AppTimings app;
    if (std::getenv("DISPLAY"))
        app = MeasureApp(argc, argv);
    // With JSON on standard output, the table goes to standard error so the JSON stays valid.
    PrintSummary(json ? stderr : stdout, reporter, app);
    return 0;
}
