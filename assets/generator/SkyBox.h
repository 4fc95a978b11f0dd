// The six sky-box faces: a calm dusk sky over a faint ground grid, computed from the viewing
// direction so that neighbouring faces meet without seams.
#pragma once

#include <string>
#include <vector>

#include "Canvas.h"

namespace assetgen
{

constexpr int kSkyFaceSize = 256;

enum class SkyFace
{
    Back,
    Front,
    Right,
    Left,
    Down,
    Up
};

struct SkyFaceFile
{
    SkyFace face;
    const char* fileName; // inside the bitmaps folder
};

// All six faces with the file each is saved to.
const std::vector<SkyFaceFile>& SkyFaceFiles();

// The picture of one face. The sky depends only on how high a direction points, the ground grid
// is square and the stars keep clear of the face edges, so the faces agree at every edge
// whichever way the renderer turns each of them.
Canvas DrawSkyFace(SkyFace face);

} // namespace assetgen
