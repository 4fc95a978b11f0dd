// Process-wide state of the host: the record lists, the 3D device and the view switches.
#include "Globals.h"

PointList g_points;
LineList g_lines;

irr::SIrrlichtCreationParameters g_creationParams;
irr::IrrlichtDevice* g_device = nullptr;
irr::scene::ISceneManager* g_sceneManager = nullptr;

bool SkyBoxEnabled = false;
bool LabelsEnabled = true;

irr::s32 g_lineNodeId = 99;
