// The animation clock (time, rotation, drawing progress) and the camera it owns.
#pragma once

#include <wx/timer.h>

class IPlugin;
class IPluginManager;
class wxWindow;

// Angles and distance around a target point; the eye of every frame is derived from it.
struct Camera
{
    double polar = 1.0;     // from the vertical (record z) axis, radians
    double azimuth = -1.0;  // around the vertical axis, from the record x axis, radians
    int distance = 200;
    int targetX = 0;
    int targetY = 0;
    int targetZ = 0;

    void SetView(double polarAngle, double azimuthAngle, int dist);
    void SetTarget(int x, int y, int z);
    void AddPolar(double delta) { polar += delta; }
    void AddAzimuth(double delta) { azimuth += delta; }
    void AddDistance(int delta) { distance += delta; }
    void SetPolar(double value) { polar = value; }
    double GetPolar() const { return polar; }
    double GetAzimuth() const { return azimuth; }
    int GetDistance() const { return distance; }
    // Eye position in record coordinates, each component truncated toward zero.
    void GetEye(int* x, int* y, int* z) const;
};

// One 50 ms GUI timer; its values are class-wide so every part of the host reads the same clock.
class timer : public wxTimer
{
public:
    timer(wxWindow* mainWindow, IPluginManager* manager);
    ~timer() override;

    void Notify() override;
    // The arithmetic of one tick, without the toolkit timer; Notify runs exactly this.
    static void Tick();

    Camera* GetCamera() { return &m_camera; }

    static float GetCurrentTime() { return s_currentTime; }
    static void SetCurrentTime(float value) { s_currentTime = value; }
    static void AddCurrentTime(float delta) { s_currentTime += delta; }
    static int GetMaxTime() { return s_maxTime; }
    static void SetMaxTime(int value) { s_maxTime = value; }
    static float GetDrawProgress() { return s_drawProgress; }
    static void SetDrawProgress(float value) { s_drawProgress = value; }
    static int GetDrawTarget() { return s_drawTarget; }
    static void SetDrawTarget(int value) { s_drawTarget = value; }
    static short GetSpeed() { return s_speed; }
    static void SetSpeed(short value) { s_speed = value; }
    static bool IsPlaying() { return s_playing; }
    static void SetPlaying(bool value) { s_playing = value; }
    static bool IsPaused() { return s_paused; }
    static void SetPaused(bool value) { s_paused = value; }
    static bool IsRotating() { return s_rotating; }
    static void SetRotating(bool value) { s_rotating = value; }
    static bool IsDrawingEffect() { return s_drawingEffect; }
    static void SetDrawingEffect(bool value) { s_drawingEffect = value; }
    static bool IsRedrawRequested() { return s_redrawRequested; }
    static void SetRedrawRequested(bool value) { s_redrawRequested = value; }

    // The camera that Tick turns; the live clock's own, or a stand-in before it exists.
    static Camera* ActiveCamera();
    // Back to the start values of a fresh run (tests run many windows in one process).
    static void ResetValues();

private:
    Camera m_camera;

    static float s_currentTime;
    static int s_maxTime;
    static float s_drawProgress;
    static int s_drawTarget;
    static short s_speed;
    static bool s_playing;
    static bool s_paused;
    static bool s_rotating;
    static bool s_drawingEffect;
    static bool s_redrawRequested;
    static timer* s_instance;
};

extern timer* g_clock;

// The camera and time commands; each answers whether it changed anything, so that the
// window can skip drawing where nothing moved.
namespace ClockCommands
{
bool CameraUp(Camera& camera);
bool CameraDown(Camera& camera);
bool CameraLeft(Camera& camera);
bool CameraRight(Camera& camera);
bool ZoomIn(Camera& camera);
bool ZoomOut(Camera& camera);
// The active plug-in's own camera defaults, or the host's when no plug-in is active.
void DefaultCamera(Camera& camera, IPlugin* activePlugin);
bool DecrementTime();
bool IncrementTime();
void ResetAnimation();
void ResetAnimationParts(bool resetTime, bool resetDrawing);
}
