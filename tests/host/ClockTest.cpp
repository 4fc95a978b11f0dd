// The animation clock's tick and the camera and time commands, without any display.
#include <gtest/gtest.h>

#include <cmath>

#include "Clock.h"
#include "weavekit/Plugin.h"

namespace
{

class ClockArithmetic : public testing::Test
{
protected:
    void SetUp() override { timer::ResetValues(); }
    void TearDown() override { timer::ResetValues(); }
};

struct TickCase
{
    const char* name;
    short speed;
    bool paused, playing, rotating, drawingEffect;
    float time;
    int maxTime;
    float progress;
    int drawTarget;
    // expected after one tick
    float timeAfter;
    bool playingAfter;
    double azimuthAfter;
    float progressAfter;
    bool redraw;
};

TEST_F(ClockArithmetic, OneTickMovesWhatIsSwitchedOn)
{
    const TickCase cases[] = {
        // name                       spd  pause  play   rot    draw   time  max  prog  tgt   time'  play'  azimuth'  prog'  redraw
        {"idle",                        5, false, false, false, false, 0.0f, 4,   0.0f, 999,  0.0f,  false, -1.0,     0.0f,  false},
        {"playing at speed 0",          0, false, true,  false, false, 0.0f, 4,   0.0f, 999,  0.0f,  true,  -1.0,     0.0f,  true},
        {"playing at speed 1",          1, false, true,  false, false, 0.0f, 4,   0.0f, 999,  0.04f, true,  -1.0,     0.0f,  true},
        {"playing at speed 5",          5, false, true,  false, false, 1.0f, 4,   0.0f, 999,  1.2f,  true,  -1.0,     0.0f,  true},
        {"playing at speed 12",        12, false, true,  false, false, 0.0f, 4,   0.0f, 999,  0.48f, true,  -1.0,     0.0f,  true},
        {"playing, paused",             5, true,  true,  false, false, 1.0f, 4,   0.0f, 999,  1.0f,  true,  -1.0,     0.0f,  false},
        {"passes the last step",        5, false, true,  false, false, 3.9f, 4,   0.0f, 999,  4.1f,  false, -1.0,     0.0f,  true},
        {"reaches the last step",       5, false, true,  false, false, 3.8f, 4,   0.0f, 999,  4.0f,  true,  -1.0,     0.0f,  true},
        {"rotating at speed 5",         5, false, false, true,  false, 0.0f, 4,   0.0f, 999,  0.0f,  false, -1.025,   0.0f,  true},
        {"rotating at speed 12",       12, false, false, true,  false, 0.0f, 4,   0.0f, 999,  0.0f,  false, -1.06,    0.0f,  true},
        {"rotating at speed 0",         0, false, false, true,  false, 0.0f, 4,   0.0f, 999,  0.0f,  false, -1.0,     0.0f,  true},
        {"rotating, paused",            5, true,  false, true,  false, 0.0f, 4,   0.0f, 999,  0.0f,  false, -1.0,     0.0f,  false},
        {"revealing at speed 5",        5, false, false, false, true,  0.0f, 4,   0.0f, 10,   0.0f,  false, -1.0,     0.75f, true},
        {"revealing at speed 1",        1, false, false, false, true,  0.0f, 4,   2.0f, 10,   0.0f,  false, -1.0,     2.15f, true},
        {"revealing, paused",           5, true,  false, false, true,  0.0f, 4,   0.0f, 10,   0.0f,  false, -1.0,     0.0f,  false},
        {"revealed to the target",      5, false, false, false, true,  0.0f, 4,  10.0f, 10,   0.0f,  false, -1.0,    10.0f,  false},
        {"all three at speed 12",      12, false, true,  true,  true,  2.0f, 9,   1.0f, 10,   2.48f, true,  -1.06,    2.8f,  true},
        {"all three paused",           12, true,  true,  true,  true,  2.0f, 9,   1.0f, 10,   2.0f,  true,  -1.0,     1.0f,  false},
    };
    for (const TickCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        timer::ResetValues();
        timer::SetSpeed(c.speed);
        timer::SetPaused(c.paused);
        timer::SetPlaying(c.playing);
        timer::SetRotating(c.rotating);
        timer::SetDrawingEffect(c.drawingEffect);
        timer::SetCurrentTime(c.time);
        timer::SetMaxTime(c.maxTime);
        timer::SetDrawProgress(c.progress);
        timer::SetDrawTarget(c.drawTarget);
        // A request left from an earlier tick never survives the next one.
        timer::SetRedrawRequested(true);

        timer::Tick();

        EXPECT_FLOAT_EQ(timer::GetCurrentTime(), c.timeAfter);
        EXPECT_EQ(timer::IsPlaying(), c.playingAfter);
        EXPECT_NEAR(timer::ActiveCamera()->GetAzimuth(), c.azimuthAfter, 1e-12);
        EXPECT_FLOAT_EQ(timer::GetDrawProgress(), c.progressAfter);
        EXPECT_EQ(timer::IsRedrawRequested(), c.redraw);
    }
}

TEST_F(ClockArithmetic, ARouteOfFourStepsStopsPlayingInTheTickThatPassesIt)
{
    timer::SetMaxTime(4);
    timer::SetPlaying(true);
    int ticks = 0;
    while (timer::IsPlaying() && ticks < 100)
    {
        timer::Tick();
        ++ticks;
    }
    // 0.2 steps per tick at normal speed; the time is kept as a float, whose sum after 20
    // ticks already lies a hair above 4.
    EXPECT_EQ(ticks, 20);
    EXPECT_GT(timer::GetCurrentTime(), 4.0f);
    EXPECT_LT(timer::GetCurrentTime(), 4.3f);
}

struct TimeCase
{
    const char* name;
    bool increment;
    float time;
    int maxTime;
    bool changed;
    float after;
};

TEST_F(ClockArithmetic, TimeStepsMoveToTheHalfStepAndStopAtTheEnds)
{
    const TimeCase cases[] = {
        {"increment from 0", true, 0.0f, 4, true, 1.5f},
        {"increment from 1.0", true, 1.0f, 4, true, 1.5f},
        {"increment from 0.7", true, 0.7f, 4, true, 1.5f},
        {"increment from 1.5", true, 1.5f, 4, true, 2.5f},
        {"increment at the last step", true, 4.0f, 4, true, 5.0f},
        {"increment past the last step", true, 4.5f, 4, false, 4.5f},
        {"increment with nothing timed", true, 2.0f, -1, false, 2.0f},
        {"decrement at 1.0", false, 1.0f, 4, false, 1.0f},
        {"decrement at 1.5", false, 1.5f, 4, true, 0.5f},
        {"decrement at 4.5", false, 4.5f, 4, true, 3.5f},
        {"decrement at 0", false, 0.0f, 4, false, 0.0f},
    };
    for (const TimeCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        timer::SetCurrentTime(c.time);
        timer::SetMaxTime(c.maxTime);
        const bool changed = c.increment ? ClockCommands::IncrementTime() : ClockCommands::DecrementTime();
        EXPECT_EQ(changed, c.changed);
        EXPECT_FLOAT_EQ(timer::GetCurrentTime(), c.after);
    }
}

TEST_F(ClockArithmetic, CameraCommandsKeepTheirLimits)
{
    Camera camera;

    camera.SetPolar(0.11);
    EXPECT_TRUE(ClockCommands::CameraUp(camera));
    EXPECT_DOUBLE_EQ(camera.GetPolar(), 0.01);
    EXPECT_TRUE(ClockCommands::CameraUp(camera)) << "up at the top still draws";
    EXPECT_DOUBLE_EQ(camera.GetPolar(), 0.01);
    camera.SetPolar(0.5);
    EXPECT_TRUE(ClockCommands::CameraUp(camera));
    EXPECT_NEAR(camera.GetPolar(), 0.4, 1e-12);

    camera.SetPolar(1.0);
    int downSteps = 0;
    while (ClockCommands::CameraDown(camera) && downSteps < 100)
        ++downSteps;
    EXPECT_EQ(downSteps, 5);
    EXPECT_GT(camera.GetPolar(), 1.5);
    EXPECT_LT(camera.GetPolar(), 1.5 + 1e-9);

    struct Zoom { int from; int steps; };
    for (const Zoom& zoom : {Zoom{200, 8}, Zoom{420, 19}, Zoom{40, 0}, Zoom{41, 1}})
    {
        SCOPED_TRACE(zoom.from);
        camera.SetView(1.0, -1.0, zoom.from);
        int steps = 0;
        while (ClockCommands::ZoomIn(camera) && steps < 100)
            ++steps;
        EXPECT_EQ(steps, zoom.steps);
        EXPECT_EQ(camera.GetDistance(), zoom.from - 20 * zoom.steps);
    }
    camera.SetView(1.0, -1.0, 40);
    for (int i = 0; i < 100; ++i)
        EXPECT_TRUE(ClockCommands::ZoomOut(camera));
    EXPECT_EQ(camera.GetDistance(), 2040);

    camera.SetView(1.0, -1.0, 200);
    EXPECT_TRUE(ClockCommands::CameraLeft(camera));
    EXPECT_NEAR(camera.GetAzimuth(), -0.9, 1e-12);
    EXPECT_TRUE(ClockCommands::CameraRight(camera));
    EXPECT_TRUE(ClockCommands::CameraRight(camera));
    EXPECT_NEAR(camera.GetAzimuth(), -1.1, 1e-12);
}

struct EyeCase
{
    double polar, azimuth;
    int distance, tx, ty, tz;
    int x, y, z;
};

TEST_F(ClockArithmetic, EyeIsTruncatedTowardZero)
{
    const double halfPi = std::acos(0.0);
    const EyeCase cases[] = {
        // start camera: (0.8415 * 200 * 0.5403, 0.8415 * 200 * -0.8415, 0.5403 * 200)
        {1.0, -1.0, 200, 0, 0, 0, 90, -141, 108},
        {1.0, -1.0, 200, 10, 20, 30, 100, -121, 138},
        {0.0, 0.3, 150, 5, 6, 7, 5, 6, 157},
        {halfPi, 0.0, 100, 0, 0, 0, 100, 0, 0},
        // cos(pi/2) is a hair above 0, so -10 + 6e-15 truncates to -9
        {halfPi, halfPi, 100, -10, -10, -10, -9, 90, -9},
        {0.785, -1.57, 400, 148, 148, 82, 148, -134, 364},
    };
    for (const EyeCase& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.polar << " " << c.azimuth << " " << c.distance);
        Camera camera;
        camera.SetView(c.polar, c.azimuth, c.distance);
        camera.SetTarget(c.tx, c.ty, c.tz);
        int x = 0, y = 0, z = 0;
        camera.GetEye(&x, &y, &z);
        EXPECT_EQ(x, c.x);
        EXPECT_EQ(y, c.y);
        EXPECT_EQ(z, c.z);
    }
}

class FixedCameraPlugin : public IPlugin
{
public:
    FixedCameraPlugin() : IPlugin(nullptr) {}
    void Activate(IPluginManager*) override {}
    void GetNetwork(PointList*, LineList*) override {}
    void GetCameraDefaults(double* polar, double* azimuth, int* distance) override
    {
        *polar = 0.985;
        *azimuth = -1.57;
        *distance = 340;
    }
    wxString GetName() override { return "Fixed"; }
};

TEST_F(ClockArithmetic, DefaultCameraComesFromThePluginOrTheHost)
{
    Camera camera;
    camera.SetView(0.2, 3.0, 900);
    FixedCameraPlugin plugin;
    ClockCommands::DefaultCamera(camera, &plugin);
    EXPECT_DOUBLE_EQ(camera.GetPolar(), 0.985);
    EXPECT_DOUBLE_EQ(camera.GetAzimuth(), -1.57);
    EXPECT_EQ(camera.GetDistance(), 340);
    ClockCommands::DefaultCamera(camera, nullptr);
    EXPECT_DOUBLE_EQ(camera.GetPolar(), 1.0);
    EXPECT_DOUBLE_EQ(camera.GetAzimuth(), -1.0);
    EXPECT_EQ(camera.GetDistance(), 200);
}

TEST_F(ClockArithmetic, ResetsTouchOnlyWhatTheyName)
{
    struct Case { bool time, drawing; float timeAfter, progressAfter; };
    for (const Case& c : {Case{true, false, 0.0f, 7.5f}, Case{false, true, 2.5f, 0.0f},
                          Case{false, false, 2.5f, 7.5f}, Case{true, true, 0.0f, 0.0f}})
    {
        timer::SetCurrentTime(2.5f);
        timer::SetDrawProgress(7.5f);
        ClockCommands::ResetAnimationParts(c.time, c.drawing);
        EXPECT_FLOAT_EQ(timer::GetCurrentTime(), c.timeAfter);
        EXPECT_FLOAT_EQ(timer::GetDrawProgress(), c.progressAfter);
    }
    timer::SetCurrentTime(2.5f);
    timer::SetDrawProgress(7.5f);
    ClockCommands::ResetAnimation();
    EXPECT_FLOAT_EQ(timer::GetCurrentTime(), 0.0f);
    EXPECT_FLOAT_EQ(timer::GetDrawProgress(), 0.0f);
}

TEST_F(ClockArithmetic, StartValues)
{
    timer::SetSpeed(12);
    timer::SetDrawTarget(3);
    timer::ActiveCamera()->SetView(0.3, 0.3, 10);
    timer::ResetValues();
    EXPECT_FLOAT_EQ(timer::GetCurrentTime(), 0.0f);
    EXPECT_EQ(timer::GetMaxTime(), 0);
    EXPECT_FLOAT_EQ(timer::GetDrawProgress(), 0.0f);
    EXPECT_EQ(timer::GetDrawTarget(), 999);
    EXPECT_EQ(timer::GetSpeed(), 5);
    EXPECT_FALSE(timer::IsPlaying() || timer::IsPaused() || timer::IsRotating() ||
                 timer::IsDrawingEffect() || timer::IsRedrawRequested());
    const Camera* camera = timer::ActiveCamera();
    EXPECT_DOUBLE_EQ(camera->GetPolar(), 1.0);
    EXPECT_DOUBLE_EQ(camera->GetAzimuth(), -1.0);
    EXPECT_EQ(camera->GetDistance(), 200);
    EXPECT_EQ(camera->targetX, 0);
}

} // namespace
