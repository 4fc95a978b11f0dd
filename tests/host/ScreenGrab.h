// Reads back what the X display really shows in a window, for checks of what a person would see.
#pragma once

#include <wx/image.h>

class wxWindow;

// The pixels of window's own X window as the display shows them now.
wxImage GrabWindowFromDisplay(wxWindow* window);
