// Turns the network records, the clock, the camera and the view switches into one drawn frame.
#pragma once

#include <irrlicht.h>

#include <wx/colour.h>
#include <wx/image.h>

#include "SphereDetail.h"
#include "weavekit/Records.h"

struct Camera;
class LabelGlyphs;

// How a record's role becomes a colour on screen.
namespace SceneRoles
{
irr::video::SColor ToSColor(const wxColour& colour);
// A record shows its state once the clock has passed its step, and plain (0) before that.
int VisibleState(int state, int time, float currentTime);
irr::video::SColor SphereColour(int visibleState);
irr::video::SColor LabelLowerColour(int visibleState);
irr::video::SColor LineColour(int visibleState);
// Record coordinates (x, y, z with z up) to the engine's (X, Y up, Z): (y, z, x).
inline irr::core::vector3df ToEngine(float x, float y, float z) { return irr::core::vector3df(y, z, x); }
}

// File names of the label font and of the sky box faces, relative to the working directory.
extern const char* const LabelFontFile;
extern const char* const SkyBoxFiles[6]; // back, front, right, left, down, up

// Draws frames with one device. Every frame empties the scene and creates every scene node
// afresh; only the engine's resources (the sphere meshes, the label font and where its
// letters have ink) are kept between frames, so a builder must not outlive its device.
class SceneBuilder
{
public:
    explicit SceneBuilder(irr::IrrlichtDevice* device);
    ~SceneBuilder();

    SceneBuilder(const SceneBuilder&) = delete;
    SceneBuilder& operator=(const SceneBuilder&) = delete;

    irr::IrrlichtDevice* GetDevice() const { return m_device; }
    // Whether a frame has been drawn with this device, so its back buffer holds a picture.
    bool HasDrawn() const { return m_hasDrawn; }

    // One complete frame: rebuilds the scene from the lists, writes the animation bounds
    // and the playing switch back to the clock and the target to the camera, draws and
    // presents it.
    void RebuildScene(const PointList& points, const LineList& lines, Camera& camera);

private:
    void AddNodeSphere(float x, float y, float z, int visibleState);
    void AddNodeLabel(float x, float y, float z, const wxString& text, int visibleState);
    void AddLine(float ax, float ay, float az, float bx, float by, float bz, int visibleState);
    void AddSkyBox();
    LabelGlyphs* LabelFont();
    irr::scene::IMesh* SphereMesh(int level);

    irr::IrrlichtDevice* m_device;
    irr::scene::ISceneManager* m_scene = nullptr;
    irr::video::IVideoDriver* m_driver = nullptr;
    irr::scene::IMesh* m_sphereMeshes[SphereDetail::kLevels] = {};
    SphereDetail::View m_view; // of the frame being built
    LabelGlyphs* m_glyphs = nullptr;
    bool m_hasDrawn = false;
};

// The device's last drawn frame (its back buffer) as a toolkit image; invalid without one.
wxImage CaptureFrame(irr::IrrlichtDevice* device);
