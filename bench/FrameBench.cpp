// Speed of one whole frame of the 3D view: the scene rebuilt from the records, drawn and shown.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <thread>

#include <irrlicht.h>

#include "ButterflyCore.h"
#include "Clock.h"
#include "Globals.h"
#include "GridCore.h"
#include "HypercubeNetwork.h"
#include "SceneBuilder.h"

namespace
{

// The view panel of the main window at its start-up size, as measured on the X display.
const irr::u32 kPanelWidth = 685;
const irr::u32 kPanelHeight = 446;

enum class Network { Empty, Torus600, Hypercube64, Butterfly192 };

struct Scene
{
    Network network;
    bool labels;
    bool skyBox;
};

// A device of the panel's size with the software renderer, drawing into a window of its own.
class FrameRig
{
public:
    FrameRig()
    {
        irr::SIrrlichtCreationParameters params;
        params.DriverType = irr::video::EDT_BURNINGSVIDEO;
        params.Bits = 16;
        params.WindowSize = irr::core::dimension2du(kPanelWidth, kPanelHeight);
        params.LoggingLevel = irr::ELL_WARNING;
        // A virtual display started just before the program may not take connections yet.
        for (int attempt = 0; attempt < 20 && !m_device; ++attempt)
        {
            if (attempt > 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            m_device = irr::createDeviceEx(params);
        }
        if (m_device)
            m_builder.reset(new SceneBuilder(m_device));
    }
    ~FrameRig()
    {
        m_builder.reset();
        if (m_device)
            m_device->drop();
        ClearOwned(m_points);
        ClearOwned(m_lines);
    }

    bool Ok() const { return m_device != nullptr; }

    void Load(Network network, Camera& camera)
    {
        ClearOwned(m_points);
        ClearOwned(m_lines);
        switch (network)
        {
        case Network::Empty:
            camera.SetView(1.0, -1.0, 200);
            break;
        case Network::Torus600:
        {
            grid::GridParams params;
            params.torus = true;
            params.dimension = 3;
            params.length = grid::kMaxLength;
            params.width = grid::kMaxWidth;
            params.high = grid::kMaxHigh;
            grid::BuildNetwork(params, &m_points, &m_lines);
            camera.SetView(0.785, -1.57, 400);
            break;
        }
        case Network::Hypercube64:
        {
            hypercube::FixedRandom random(2024);
            hypercube::NetworkParams params;
            params.dimension = 6;
            params.random = &random;
            hypercube::BuildNetwork(params, &m_points, &m_lines);
            camera.SetView(0.985, -1.57, 340);
            break;
        }
        case Network::Butterfly192:
        {
            butterfly::NetworkParams params;
            params.wrapped = false;
            params.dimension = 5;
            butterfly::BuildNetwork(params, &m_points, &m_lines);
            camera.SetView(0.01, -1.57, 420);
            break;
        }
        }
    }

    void Frame(Camera& camera) { m_builder->RebuildScene(m_points, m_lines, camera); }
    size_t Nodes() const { return m_points.GetCount(); }
    size_t Lines() const { return m_lines.GetCount(); }

private:
    irr::IrrlichtDevice* m_device = nullptr;
    std::unique_ptr<SceneBuilder> m_builder;
    PointList m_points;
    LineList m_lines;
};

void Configure(const Scene& scene)
{
    timer::ResetValues();
    LabelsEnabled = scene.labels;
    SkyBoxEnabled = scene.skyBox;
}

// Milliseconds of an empty frame, measured once, as the yardstick for the others.
double EmptyFrameMilliseconds()
{
    static double measured = -1.0;
    if (measured < 0.0)
    {
        FrameRig rig;
        Camera camera;
        Configure(Scene{Network::Empty, true, false});
        rig.Load(Network::Empty, camera);
        for (int i = 0; i < 10; ++i)
            rig.Frame(camera);
        const int frames = 200;
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < frames; ++i)
            rig.Frame(camera);
        const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
        measured = spent.count() / frames;
    }
    return measured;
}

void FrameOf(benchmark::State& state, Scene scene)
{
    FrameRig rig;
    if (!rig.Ok())
    {
        state.SkipWithError("no software renderer device (is there a display?)");
        return;
    }
    Camera camera;
    Configure(scene);
    rig.Load(scene.network, camera);
    rig.Frame(camera); // loads the font and the textures once, as the first frame on screen does

    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        rig.Frame(camera);
    const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;

    const double perFrame = spent.count() / static_cast<double>(state.iterations());
    state.counters["ms_per_frame"] = perFrame;
    state.counters["x_empty"] = perFrame / EmptyFrameMilliseconds();
    state.counters["nodes"] = static_cast<double>(rig.Nodes());
    state.counters["lines"] = static_cast<double>(rig.Lines());
    timer::ResetValues();
    LabelsEnabled = true;
    SkyBoxEnabled = false;
}

const bool registered = [] {
    const auto ms = benchmark::kMillisecond;
    benchmark::RegisterBenchmark("Frame/Empty", FrameOf, Scene{Network::Empty, true, false})->Unit(ms);
    benchmark::RegisterBenchmark("Frame/Torus600/Labels", FrameOf, Scene{Network::Torus600, true, false})->Unit(ms);
    benchmark::RegisterBenchmark("Frame/Torus600/NoLabels", FrameOf, Scene{Network::Torus600, false, false})->Unit(ms);
    benchmark::RegisterBenchmark("Frame/Torus600/SkyBox", FrameOf, Scene{Network::Torus600, true, true})->Unit(ms);
    benchmark::RegisterBenchmark("Frame/Hypercube64/Labels", FrameOf, Scene{Network::Hypercube64, true, false})->Unit(ms);
    benchmark::RegisterBenchmark("Frame/Butterfly192/Labels", FrameOf, Scene{Network::Butterfly192, true, false})->Unit(ms);
    benchmark::RegisterBenchmark("Frame/Hypercube64/SkyBox", FrameOf, Scene{Network::Hypercube64, true, true})->Unit(ms);
    benchmark::RegisterBenchmark("Frame/Butterfly192/SkyBox", FrameOf, Scene{Network::Butterfly192, true, true})->Unit(ms);
    return true;
}();

} // namespace
