// The view's process-wide settings back to their start-up values, since tests run many
// windows and scenes in one process.
#pragma once

#include "Clock.h"
#include "Colours.h"
#include "Globals.h"

inline void ResetViewState()
{
    timer::ResetValues();
    SetDefaultColours();
    LabelsEnabled = true;
    SkyBoxEnabled = false;
}
