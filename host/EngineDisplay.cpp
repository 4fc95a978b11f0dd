// The X connections the 3D engine opens for its devices, so that the host can close them again.
#include "EngineDisplay.h"

#include <algorithm>
#include <vector>

#include <dlfcn.h>
#include <X11/Xlib.h>

namespace
{

// Connections opened while a device is being created and not closed since; GUI thread only.
bool s_watching = false;
std::vector<Display*> s_opened;

template <typename Function>
Function Next(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

} // namespace

// The engine opens and closes its X connections through these; the program's own definitions
// come first for every library, pass each call on to Xlib and note what the engine opened.
extern "C" Display* XOpenDisplay(_Xconst char* name)
{
    static const auto open = Next<Display* (*)(_Xconst char*)>("XOpenDisplay");
    Display* display = open ? open(name) : nullptr;
    if (display && s_watching)
        s_opened.push_back(display);
    return display;
}

extern "C" int XCloseDisplay(Display* display)
{
    static const auto close = Next<int (*)(Display*)>("XCloseDisplay");
    s_opened.erase(std::remove(s_opened.begin(), s_opened.end(), display), s_opened.end());
    return close ? close(display) : 0;
}

namespace EngineDisplay
{

irr::IrrlichtDevice* CreateDevice(const irr::SIrrlichtCreationParameters& params, void** connection)
{
    s_opened.clear();
    s_watching = true;
    irr::IrrlichtDevice* device = irr::createDeviceEx(params);
    s_watching = false;
    // A device keeps the one connection it made for its window; a failed creation may have
    // left one behind all the same.
    Display* opened = s_opened.empty() ? nullptr : s_opened.back();
    s_opened.clear();
    if (!device && opened)
    {
        CloseConnection(opened);
        opened = nullptr;
    }
    *connection = opened;
    return device;
}

void CloseConnection(void* connection)
{
    if (connection)
        XCloseDisplay(static_cast<Display*>(connection));
}

} // namespace EngineDisplay
