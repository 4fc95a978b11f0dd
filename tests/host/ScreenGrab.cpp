// Reads back what the X display really shows in a window, for checks of what a person would see.
#include "ScreenGrab.h"

#include <chrono>
#include <cstdint>
#include <thread>

#include <wx/window.h>

#include "NativeView.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace
{
int ShiftOf(unsigned long mask)
{
    int shift = 0;
    while (mask && !(mask & 1))
    {
        mask >>= 1;
        ++shift;
    }
    return shift;
}
}

wxImage GrabWindowFromDisplay(wxWindow* window)
{
    const Window xid = static_cast<Window>(reinterpret_cast<std::uintptr_t>(NativeViewHandle(window)));
    if (!xid)
        return wxImage();
    // The engine talks to the server over a connection of its own; give its last picture
    // time to arrive before asking for the window's contents over a third one.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return wxImage();
    XSync(display, False);
    XWindowAttributes attributes;
    wxImage result;
    if (XGetWindowAttributes(display, xid, &attributes))
    {
        XImage* image = XGetImage(display, xid, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
        if (image)
        {
            result.Create(attributes.width, attributes.height, false);
            const int rs = ShiftOf(image->red_mask), gs = ShiftOf(image->green_mask), bs = ShiftOf(image->blue_mask);
            for (int y = 0; y < attributes.height; ++y)
                for (int x = 0; x < attributes.width; ++x)
                {
                    const unsigned long pixel = XGetPixel(image, x, y);
                    result.SetRGB(x, y, (pixel & image->red_mask) >> rs, (pixel & image->green_mask) >> gs,
                                  (pixel & image->blue_mask) >> bs);
                }
            XDestroyImage(image);
        }
    }
    XCloseDisplay(display);
    return result;
}
