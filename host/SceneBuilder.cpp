// Turns the network records, the clock, the camera and the view switches into one drawn frame.
#include "SceneBuilder.h"

#include <algorithm>
#include <cstring>

#include "Clock.h"
#include "Colours.h"
#include "Globals.h"
#include "Irr3DLine.h"
#include "LabelBillboard.h"

using namespace irr;

const char* const LabelFontFile = "bitmaps/bigfont.png";
const char* const SkyBoxFiles[6] = {
    "bitmaps/irrlicht2_bk.jpg", "bitmaps/irrlicht2_ft.jpg", "bitmaps/irrlicht2_rt.jpg",
    "bitmaps/irrlicht2_lf.jpg", "bitmaps/irrlicht2_dn.jpg", "bitmaps/irrlicht2_up.jpg"};

namespace SceneRoles
{

video::SColor ToSColor(const wxColour& colour)
{
    return video::SColor(colour.Alpha(), colour.Red(), colour.Green(), colour.Blue());
}

int VisibleState(int state, int time, float currentTime)
{
    return currentTime > static_cast<float>(time) ? state : 0;
}

video::SColor SphereColour(int visibleState)
{
    switch (visibleState)
    {
    case 1: return ToSColor(SelectedPointColour);
    case 2: return ToSColor(NestedPointColour);
    default: return ToSColor(NormalPointColour);
    }
}

video::SColor LabelLowerColour(int visibleState)
{
    switch (visibleState)
    {
    case 1: return ToSColor(SelectedPointColour);
    case 2: return ToSColor(NestedPointColour);
    case 3: return ToSColor(VisitedLabelColour);
    default: return ToSColor(NormalLabelColour);
    }
}

video::SColor LineColour(int visibleState)
{
    switch (visibleState)
    {
    case 0: return ToSColor(NormalLineColour);
    case 1: return ToSColor(RoutedLineColour);
    case 2: return ToSColor(NestedLineColour);
    // No plug-in marks a line otherwise; such a line gets all components zero.
    default: return video::SColor(0, 0, 0, 0);
    }
}

} // namespace SceneRoles

using SceneRoles::ToEngine;

SceneBuilder::SceneBuilder(IrrlichtDevice* device) : m_device(device) {}

SceneBuilder::~SceneBuilder()
{
    for (scene::IMesh* mesh : m_sphereMeshes)
        if (mesh)
            mesh->drop();
    if (m_glyphs)
        m_glyphs->drop();
}

LabelGlyphs* SceneBuilder::LabelFont()
{
    // The environment would keep a loaded font anyway, but a missing file would be searched
    // for (and complained about) once per label; one look-up per device is enough, and so is
    // reading once where the letters have ink.
    if (!m_glyphs)
    {
        gui::IGUIEnvironment* gui = m_device->getGUIEnvironment();
        gui::IGUIFont* font = gui->getFont(LabelFontFile);
        if (!font)
            font = gui->getBuiltInFont();
        m_glyphs = new LabelGlyphs(font);
    }
    return m_glyphs;
}

void SceneBuilder::RebuildScene(const PointList& points, const LineList& lines, Camera& camera)
{
    m_device->getSceneManager()->clear();
    m_scene = m_device->getSceneManager();
    m_driver = m_device->getVideoDriver();

    m_driver->beginScene(true, true, SceneRoles::ToSColor(BackgroundColour));
    m_scene->addLightSceneNode(nullptr, core::vector3df(-50.0f, 300.0f, -100.0f),
                               video::SColorf(0.2f, 0.2f, 0.15f, 1.0f), 1000.0f, 1);
    timer::SetPlaying(false);

    const float now = timer::GetCurrentTime();
    const bool revealing = timer::IsDrawingEffect();
    const float progress = timer::GetDrawProgress();

    int maxTime = -1;
    int maxDrawOrder = 0;
    int minX = 99999, minY = 99999, minZ = 99999;
    int maxX = -999, maxY = -999, maxZ = -999;

    // The camera first, so each sphere can be made as fine as its size on screen asks for.
    // Hidden nodes count too, so the camera does not wander while the network appears.
    for (PointList::compatibility_iterator node = points.GetFirst(); node; node = node->GetNext())
    {
        const Point* p = node->GetData();
        maxTime = std::max(maxTime, static_cast<int>(p->time));
        minX = std::min(minX, static_cast<int>(p->x));
        minY = std::min(minY, static_cast<int>(p->y));
        minZ = std::min(minZ, static_cast<int>(p->z));
        maxX = std::max(maxX, static_cast<int>(p->x));
        maxY = std::max(maxY, static_cast<int>(p->y));
        maxZ = std::max(maxZ, static_cast<int>(p->z));
        maxDrawOrder = std::max(maxDrawOrder, static_cast<int>(p->drawOrder));
    }
    camera.SetTarget((maxX - minX) / 2 + minX, (maxY - minY) / 2 + minY, (maxZ - minZ) / 2 + minZ);
    int eyeX = 0, eyeY = 0, eyeZ = 0;
    camera.GetEye(&eyeX, &eyeY, &eyeZ);
    const core::vector3df eye = ToEngine(eyeX, eyeY, eyeZ);
    const core::vector3df target = ToEngine(camera.targetX, camera.targetY, camera.targetZ);
    m_view = SphereDetail::ViewOf(eye, target, static_cast<float>(m_driver->getCurrentRenderTargetSize().Height));

    for (PointList::compatibility_iterator node = points.GetFirst(); node; node = node->GetNext())
    {
        const Point* p = node->GetData();
        if (revealing && !(progress > p->drawOrder))
            continue;
        const int shown = SceneRoles::VisibleState(p->state, p->time, now);
        AddNodeSphere(p->x, p->y, p->z, shown);
        if (LabelsEnabled)
            AddNodeLabel(p->x, p->y, p->z, p->label, shown);
    }

    m_scene->addCameraSceneNode(nullptr, eye, target, -1, true);

    for (LineList::compatibility_iterator node = lines.GetFirst(); node; node = node->GetNext())
    {
        const Line* l = node->GetData();
        maxTime = std::max(maxTime, static_cast<int>(l->time));
        maxDrawOrder = std::max(maxDrawOrder, static_cast<int>(l->drawOrder));
        if (revealing && !(progress > l->drawOrder))
            continue;
        AddLine(l->from->x, l->from->y, l->from->z, l->to->x, l->to->y, l->to->z,
                SceneRoles::VisibleState(l->state, l->time, now));
    }

    timer::SetMaxTime(maxTime);
    timer::SetDrawTarget(maxDrawOrder);
    if (maxTime > 0)
        timer::SetPlaying(true);
    if (now > maxTime)
        timer::SetPlaying(false);

    if (SkyBoxEnabled)
    {
        AddSkyBox();
        m_driver->setTextureCreationFlag(video::ETCF_CREATE_MIP_MAPS, true);
    }

    m_device->getSceneManager()->drawAll();
    m_driver->endScene();
    m_hasDrawn = true;
}

scene::IMesh* SceneBuilder::SphereMesh(int level)
{
    // Every node is one of a few spheres; generating their meshes once per device instead of
    // once per node and frame saves the generation, and putting their triangles in an order
    // that the software renderer's small vertex cache likes saves a good part of the drawing.
    if (!m_sphereMeshes[level])
    {
        const SphereDetail::Tessellation& t = SphereDetail::kTessellations[level];
        scene::IMesh* generated =
            m_scene->getGeometryCreator()->createSphereMesh(SphereDetail::kRadius, t.segments, t.rings);
        if (t.facingHalf)
        {
            // The engine generates a single SMeshBuffer for a sphere.
            SphereDetail::KeepNorthHalfFacingZ(*static_cast<scene::SMeshBuffer*>(generated->getMeshBuffer(0)));
            static_cast<scene::SMesh*>(generated)->recalculateBoundingBox();
        }
        m_sphereMeshes[level] = m_scene->getMeshManipulator()->createForsythOptimizedMesh(generated);
        generated->drop();
    }
    return m_sphereMeshes[level];
}

void SceneBuilder::AddNodeSphere(float x, float y, float z, int visibleState)
{
    // A sphere a few pixels wide looks the same with far fewer triangles, and of those only
    // the half facing the camera; close up it keeps every one of them.
    const core::vector3df centre = ToEngine(x, y, z);
    const float radius = SphereDetail::kRadius * SphereDetail::kScale;
    const int level = SphereDetail::LevelFor(SphereDetail::ScreenRadius(m_view, centre, radius));
    scene::IMeshSceneNode* sphere = m_scene->addMeshSceneNode(SphereMesh(level), nullptr, -1);
    sphere->setPosition(centre);
    if (SphereDetail::kTessellations[level].facingHalf)
        sphere->setRotation((m_view.eye - centre).getHorizontalAngle());
    const float scale = SphereDetail::kScale;
    sphere->setScale(core::vector3df(scale, scale, scale));
    sphere->getMaterial(0).EmissiveColor = SceneRoles::SphereColour(visibleState);
    sphere->setMaterialFlag(video::EMF_LIGHTING, true);
}

void SceneBuilder::AddNodeLabel(float x, float y, float z, const wxString& text, int visibleState)
{
    const video::SColor upper = SceneRoles::ToSColor(NormalLabelColour);
    const video::SColor lower = SceneRoles::LabelLowerColour(visibleState);
    const video::SColor white(255, 255, 255, 255);
    // A text billboard drawn as the engine draws one, over the inked part of each letter only;
    // labels crowd the picture, and their blank margins were most of the renderer's work.
    LabelBillboard* label = new LabelBillboard(m_scene->getRootSceneNode(), m_scene, -1, LabelFont(), text.wc_str(),
                                               core::vector3df(y + 10.0f, z + 10.0f, x - 10.0f),
                                               core::dimension2df(9.0f * text.length(), 27.0f), white, white);
    label->setColor(upper, lower);
    label->drop();
}

void SceneBuilder::AddLine(float ax, float ay, float az, float bx, float by, float bz, int visibleState)
{
    irr3DLine* line = new irr3DLine(m_scene->getRootSceneNode(), m_scene, g_lineNodeId++,
                                    ToEngine(ax, ay, az), ToEngine(bx, by, bz),
                                    SceneRoles::LineColour(visibleState));
    line->drop();
}

void SceneBuilder::AddSkyBox()
{
    video::ITexture* faces[6];
    for (int i = 0; i < 6; ++i)
        faces[i] = m_driver->getTexture(SkyBoxFiles[i]);
    // Faces: top = up, bottom = down, left, right, front, back.
    m_scene->addSkyBoxSceneNode(faces[5], faces[4], faces[3], faces[2], faces[1], faces[0], nullptr, -1);
}

wxImage CaptureFrame(IrrlichtDevice* device)
{
    if (!device)
        return wxImage();
    video::IVideoDriver* driver = device->getVideoDriver();
    video::IImage* shot = driver ? driver->createScreenShot() : nullptr;
    if (!shot)
        return wxImage();
    const core::dimension2du size = shot->getDimension();
    wxImage image(static_cast<int>(size.Width), static_cast<int>(size.Height), false);
    if (image.IsOk() && size.Width > 0 && size.Height > 0)
    {
        // The engine's 24-bit format keeps red, green, blue in that byte order, as the toolkit does.
        video::IImage* rgb = driver->createImage(video::ECF_R8G8B8, size);
        shot->copyTo(rgb);
        const unsigned char* source = static_cast<const unsigned char*>(rgb->lock());
        const u32 pitch = rgb->getPitch();
        unsigned char* target = image.GetData();
        for (u32 row = 0; row < size.Height; ++row)
            std::memcpy(target + row * size.Width * 3, source + row * pitch, size.Width * 3);
        rgb->unlock();
        rgb->drop();
    }
    shot->drop();
    return image;
}
