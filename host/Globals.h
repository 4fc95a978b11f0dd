// Process-wide state of the host: the record lists, the 3D device and the view switches.
#pragma once

#include <irrlicht.h>

#include "weavekit/Records.h"

extern PointList g_points;
extern LineList g_lines;

extern irr::SIrrlichtCreationParameters g_creationParams;
extern irr::IrrlichtDevice* g_device;
extern irr::scene::ISceneManager* g_sceneManager;

extern bool SkyBoxEnabled;
extern bool LabelsEnabled;

// Scene node id of the next line node; grows for the whole run.
extern irr::s32 g_lineNodeId;
