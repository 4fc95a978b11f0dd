// How finely a node's sphere is tessellated, chosen from the size it takes on screen.
#pragma once

#include <irrlicht.h>

namespace SphereDetail
{

// Radius and scale of every node sphere, in world units.
constexpr float kRadius = 5.0f;
constexpr float kScale = 1.1f;

// One tessellation of the node sphere: segments around and from pole to pole, and whether
// only the half facing the camera is drawn (the other half is all back faces, which the
// renderer would transform and light before discarding them).
struct Tessellation
{
    int segments;
    int rings; // even where only the facing half is drawn: a ring then runs along its rim
    bool facingHalf;
};

// Finest first; the finest is the full node sphere, poly count 16, drawn whole.
constexpr int kLevels = 4;
extern const Tessellation kTessellations[kLevels];

// The engine's perspective camera, as far as the size of things on screen is concerned.
struct View
{
    irr::core::vector3df eye;
    irr::core::vector3df forward;    // unit vector from the eye toward the target
    float pixelsPerUnitAtOne = 0.0f; // on-screen pixels of one world unit at depth one
};

// A camera with the engine's default field of view, looking from eye at target into a
// picture the given number of pixels high.
View ViewOf(const irr::core::vector3df& eye, const irr::core::vector3df& target, float pictureHeight);

// Largest on-screen radius, in pixels, of a sphere; one that reaches the eye's plane is
// infinitely large.
float ScreenRadius(const View& view, const irr::core::vector3df& centre, float radius);

// The coarsest level whose outline strays less than half a pixel further from the true
// circle than the finest level's outline does.
int LevelFor(float screenRadius);

// Turns a sphere generated with its poles on the Y axis so that its north pole points along
// +Z, and drops every triangle of the southern half; the equator ring stays whole. A node
// that shows the result turned to face the camera looks like the whole sphere, since the
// camera never sees more than the half facing it.
void KeepNorthHalfFacingZ(irr::scene::SMeshBuffer& sphere);

} // namespace SphereDetail
