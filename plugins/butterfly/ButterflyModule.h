// The controls and handlers both butterfly plug-ins share; each library keeps its own copy of the state.
#pragma once

#include "weavekit/Records.h"

class IPluginManager;

namespace butterfly
{

// Builds the " Parameters " and " Routing " groups in the host's strip.
void ActivateControls(IPluginManager* manager, bool wrapped);
// Appends the current network, reading the route ends from the lists' texts.
void FillNetwork(PointList* points, LineList* lines, bool wrapped);
// Lets go of the controls that still exist.
void ReleaseControls();

} // namespace butterfly
