// Finds the native window behind a toolkit window, for the 3D engine to draw into.
#pragma once

class wxWindow;

// The X window of window's own drawing area, made native if it was not; null where there is
// no such window (not realisable, or not an X11 display).
void* NativeViewHandle(wxWindow* window);
