// Timings of the whole program: start-up to the first frame, and a resize with its new device.
#pragma once

struct AppTimings
{
    double startupMs = -1;   // main window constructed, plug-ins loaded, first frame drawn
    double resizeMs = -1;    // a resize of the window: new device at the panel's size and a frame
};

// Runs the real main window in the working directory (the run folder). Needs a display.
AppTimings MeasureApp(int argc, char** argv);
