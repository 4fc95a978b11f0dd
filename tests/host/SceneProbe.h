// Test helpers for the 3D view: a small record set with every role, and a census of a built scene.
#pragma once

#include <vector>

#include <irrlicht.h>

#include "weavekit/Records.h"

class irr3DLine;

namespace sceneprobe
{

// Four nodes and three lines:
//   node 0 at (0, 0, 0)    selected (state 1) from the start, label "0", drawOrder 0
//   node 1 at (101, 40, 0) visited (state 3) from step 3, label "1", drawOrder 2
//   node 2 at (-30, 80, 20) nested (state 2) from step 2, label "22", drawOrder 4
//   node 3 at (50, 10, -6) normal, empty label, drawOrder 6
//   line 0 node 0 - node 1, normal, drawOrder 0
//   line 1 node 1 - node 2, nested (state 2) from step 3, drawOrder 1
//   line 2 node 0 - node 3, routed (state 1) from step 1, drawOrder 5
// Bounds: x -30..101, y 0..80, z -6..20; last step 3; largest draw order 6.
void FillRecordSet(PointList& points, LineList& lines);

// A line between two positions, with its own end records.
Line* NewLine(int ax, int ay, int az, int bx, int by, int bz, int state = 0, int time = -1, int drawOrder = 0);
// A node record.
Point* NewPoint(int x, int y, int z, int state = 0, int time = -1, int drawOrder = 0, const wxString& label = wxEmptyString);

// The scene's top-level nodes sorted by kind, each kind in creation order.
struct Census
{
    std::vector<irr::scene::ISceneNode*> all;
    std::vector<irr::scene::ILightSceneNode*> lights;
    std::vector<irr::scene::IMeshSceneNode*> spheres;
    std::vector<irr::scene::IBillboardTextSceneNode*> labels;
    std::vector<irr::scene::ICameraSceneNode*> cameras;
    std::vector<irr3DLine*> lines;
    std::vector<irr::scene::ISceneNode*> skyBoxes;
    std::vector<irr::scene::ISceneNode*> others;
};
Census TakeCensus(irr::scene::ISceneManager* scene);

// Top and bottom colour of a label.
irr::video::SColor LabelTop(irr::scene::IBillboardTextSceneNode* label);
irr::video::SColor LabelBottom(irr::scene::IBillboardTextSceneNode* label);

} // namespace sceneprobe
