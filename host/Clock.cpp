// The animation clock (time, rotation, drawing progress) and the camera it owns.
#include "Clock.h"

#include <cmath>

#include "weavekit/Plugin.h"

timer* g_clock = nullptr;

float timer::s_currentTime = 0.0f;
int timer::s_maxTime = 0;
float timer::s_drawProgress = 0.0f;
int timer::s_drawTarget = 999;
short timer::s_speed = 5;
bool timer::s_playing = false;
bool timer::s_paused = false;
bool timer::s_rotating = false;
bool timer::s_drawingEffect = false;
bool timer::s_redrawRequested = false;
timer* timer::s_instance = nullptr;

void Camera::SetView(double polarAngle, double azimuthAngle, int dist)
{
    polar = polarAngle;
    azimuth = azimuthAngle;
    distance = dist;
}

void Camera::SetTarget(int x, int y, int z)
{
    targetX = x;
    targetY = y;
    targetZ = z;
}

void Camera::GetEye(int* x, int* y, int* z) const
{
    *x = static_cast<int>(std::sin(polar) * distance * std::cos(azimuth) + targetX);
    *y = static_cast<int>(std::sin(polar) * distance * std::sin(azimuth) + targetY);
    *z = static_cast<int>(std::cos(polar) * distance + targetZ);
}

timer::timer(wxWindow*, IPluginManager*)
{
    s_currentTime = 0.0f;
    s_speed = 5;
    s_instance = this;
    Start(50, wxTIMER_CONTINUOUS);
}

timer::~timer()
{
    Stop();
    if (s_instance == this)
        s_instance = nullptr;
}

Camera* timer::ActiveCamera()
{
    static Camera standIn;
    return s_instance ? &s_instance->m_camera : &standIn;
}

void timer::ResetValues()
{
    s_currentTime = 0.0f;
    s_maxTime = 0;
    s_drawProgress = 0.0f;
    s_drawTarget = 999;
    s_speed = 5;
    s_playing = s_paused = s_rotating = s_drawingEffect = s_redrawRequested = false;
    *ActiveCamera() = Camera();
}

void timer::Notify() { Tick(); }

void timer::Tick()
{
    s_redrawRequested = false;
    if (s_playing && !s_paused)
    {
        s_currentTime = static_cast<float>(s_currentTime + 0.04 * s_speed);
        s_redrawRequested = true;
        if (s_currentTime > s_maxTime)
            s_playing = false;
    }
    if (s_rotating && !s_paused)
    {
        ActiveCamera()->AddAzimuth(-0.005 * s_speed);
        s_redrawRequested = true;
    }
    if (s_drawingEffect && !s_paused && s_drawTarget > s_drawProgress)
    {
        s_drawProgress = static_cast<float>(s_drawProgress + 0.15 * s_speed);
        s_redrawRequested = true;
    }
}

namespace ClockCommands
{

bool CameraUp(Camera& camera)
{
    if (camera.GetPolar() > 0.11)
        camera.AddPolar(-0.1);
    else
        camera.SetPolar(0.01);
    return true;
}

bool CameraDown(Camera& camera)
{
    if (camera.GetPolar() >= 1.5)
        return false;
    camera.AddPolar(0.1);
    return true;
}

bool CameraLeft(Camera& camera)
{
    camera.AddAzimuth(0.1);
    return true;
}

bool CameraRight(Camera& camera)
{
    camera.AddAzimuth(-0.1);
    return true;
}

bool ZoomIn(Camera& camera)
{
    if (camera.GetDistance() <= 40)
        return false;
    camera.AddDistance(-20);
    return true;
}

bool ZoomOut(Camera& camera)
{
    camera.AddDistance(20);
    return true;
}

void DefaultCamera(Camera& camera, IPlugin* activePlugin)
{
    if (!activePlugin)
    {
        camera.SetView(1.0, -1.0, 200);
        return;
    }
    double polar = 0.0, azimuth = 0.0;
    int distance = 0;
    activePlugin->GetCameraDefaults(&polar, &azimuth, &distance);
    camera.SetView(polar, azimuth, distance);
}

bool DecrementTime()
{
    if (timer::GetCurrentTime() <= 1.0f)
        return false;
    timer::AddCurrentTime(-1.0f);
    return true;
}

bool IncrementTime()
{
    const float now = timer::GetCurrentTime();
    if (now <= 1.0f)
        timer::SetCurrentTime(1.5f);
    else if (now <= timer::GetMaxTime())
        timer::AddCurrentTime(1.0f);
    else
        return false;
    return true;
}

void ResetAnimation()
{
    timer::SetCurrentTime(0.0f);
    timer::SetDrawProgress(0.0f);
}

void ResetAnimationParts(bool resetTime, bool resetDrawing)
{
    if (resetTime)
        timer::SetCurrentTime(0.0f);
    if (resetDrawing)
        timer::SetDrawProgress(0.0f);
}

} // namespace ClockCommands
