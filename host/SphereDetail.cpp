// How finely a node's sphere is tessellated, chosen from the size it takes on screen.
#include "SphereDetail.h"

#include <algorithm>
#include <cmath>
#include <limits>

using namespace irr;

namespace SphereDetail
{

// Fewer rings than segments: from pole to pole a ring step covers half the angle that a
// segment covers around, so both outlines stay equally fine.
const Tessellation kTessellations[kLevels] = {{16, 16, false}, {12, 8, true}, {8, 6, true}, {6, 4, true}};

namespace
{

// How far, as a share of the radius, the outline of a tessellation can lie inside the true
// circle: the sagitta of its coarser step, around or from pole to pole.
float OutlineShortfall(const Tessellation& t)
{
    const float around = 1.0f - std::cos(core::PI / t.segments);
    const float overPoles = 1.0f - std::cos(core::PI / (2.0f * t.rings));
    return std::max(around, overPoles);
}

const float kTolerancePixels = 0.5f;

} // namespace

View ViewOf(const core::vector3df& eye, const core::vector3df& target, float pictureHeight)
{
    View view;
    view.eye = eye;
    view.forward = target - eye;
    if (view.forward.getLengthSQ() == 0.0f)
        view.forward.set(0.0f, 0.0f, 1.0f); // the engine's camera looks along +Z then
    view.forward.normalize();
    // The engine's cameras see PI / 2.5 from the top of the picture to the bottom.
    const float halfField = core::PI / 2.5f / 2.0f;
    view.pixelsPerUnitAtOne = pictureHeight / 2.0f / std::tan(halfField);
    return view;
}

float ScreenRadius(const View& view, const core::vector3df& centre, float radius)
{
    const core::vector3df offset = centre - view.eye;
    const float depth = offset.dotProduct(view.forward);
    if (depth <= radius)
        return std::numeric_limits<float>::infinity();
    // Away from the middle of the picture a sphere's image is an ellipse stretched toward the
    // border; distance over depth bounds that stretch.
    const float stretch = offset.getLength() / depth;
    return radius * view.pixelsPerUnitAtOne / (depth - radius) * stretch;
}

int LevelFor(float screenRadius)
{
    const float finest = OutlineShortfall(kTessellations[0]);
    int level = 0;
    for (int i = 1; i < kLevels; ++i)
        if (screenRadius * (OutlineShortfall(kTessellations[i]) - finest) < kTolerancePixels)
            level = i;
    return level;
}

void KeepNorthHalfFacingZ(scene::SMeshBuffer& sphere)
{
    // A quarter turn about X takes +Y to +Z, positions and normals alike.
    f32 radius = 0.0f;
    for (u32 i = 0; i < sphere.Vertices.size(); ++i)
    {
        video::S3DVertex& v = sphere.Vertices[i];
        v.Pos.set(v.Pos.X, -v.Pos.Z, v.Pos.Y);
        v.Normal.set(v.Normal.X, -v.Normal.Z, v.Normal.Y);
        radius = std::max(radius, v.Pos.getLength());
    }
    // The equator's vertices are computed with sines and cosines, so allow for rounding.
    const f32 below = -1e-3f * radius;
    core::array<u16> kept;
    kept.reallocate(sphere.Indices.size() / 2 + 3);
    for (u32 i = 0; i + 2 < sphere.Indices.size(); i += 3)
    {
        const u16 a = sphere.Indices[i], b = sphere.Indices[i + 1], c = sphere.Indices[i + 2];
        if (sphere.Vertices[a].Pos.Z >= below && sphere.Vertices[b].Pos.Z >= below &&
            sphere.Vertices[c].Pos.Z >= below)
        {
            kept.push_back(a);
            kept.push_back(b);
            kept.push_back(c);
        }
    }
    sphere.Indices = kept;
    sphere.recalculateBoundingBox();
}

} // namespace SphereDetail
