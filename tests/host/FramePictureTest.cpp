// Pictures from the software renderer: the frame builder's picture against the plain scene, every node drawn in full.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include <irrlicht.h>

#include "ViewState.h"
#include "Clock.h"
#include "Colours.h"
#include "Globals.h"
#include "Irr3DLine.h"
#include "SceneBuilder.h"
#include "SceneProbe.h"

using namespace irr;

namespace
{

const u32 kWidth = 685;
const u32 kHeight = 446;

// RGB bytes of a drawn frame, row by row.
struct Picture
{
    std::vector<int> rgb;
    int At(u32 x, u32 y, int channel) const { return rgb[(y * kWidth + x) * 3 + channel]; }
};

Picture Capture(IrrlichtDevice* device)
{
    Picture picture;
    video::IImage* shot = device->getVideoDriver()->createScreenShot();
    if (!shot)
        return picture;
    picture.rgb.reserve(kWidth * kHeight * 3);
    for (u32 y = 0; y < kHeight; ++y)
        for (u32 x = 0; x < kWidth; ++x)
        {
            const video::SColor c = shot->getPixel(x, y);
            picture.rgb.push_back(static_cast<int>(c.getRed()));
            picture.rgb.push_back(static_cast<int>(c.getGreen()));
            picture.rgb.push_back(static_cast<int>(c.getBlue()));
        }
    shot->drop();
    return picture;
}

// The plain frame, every node drawn in full by the engine's own nodes: a generated sphere of
// poly count 16 for every node, the engine's text billboards, one edge node per line.
void DrawPlainly(IrrlichtDevice* device, const PointList& points, const LineList& lines, Camera& camera)
{
    using SceneRoles::ToEngine;
    scene::ISceneManager* scene = device->getSceneManager();
    video::IVideoDriver* driver = device->getVideoDriver();
    scene->clear();
    driver->beginScene(true, true, SceneRoles::ToSColor(BackgroundColour));
    scene->addLightSceneNode(nullptr, core::vector3df(-50, 300, -100), video::SColorf(0.2f, 0.2f, 0.15f, 1.0f), 1000, 1);
    const float now = timer::GetCurrentTime();
    gui::IGUIFont* font = device->getGUIEnvironment()->getFont(LabelFontFile);
    if (!font)
        font = device->getGUIEnvironment()->getBuiltInFont();
    for (PointList::compatibility_iterator node = points.GetFirst(); node; node = node->GetNext())
    {
        const Point* p = node->GetData();
        const int shown = SceneRoles::VisibleState(p->state, p->time, now);
        scene::IMeshSceneNode* sphere = scene->addSphereSceneNode(5.0f, 16);
        sphere->setPosition(ToEngine(p->x, p->y, p->z));
        sphere->setScale(core::vector3df(1.1f, 1.1f, 1.1f));
        sphere->getMaterial(0).EmissiveColor = SceneRoles::SphereColour(shown);
        sphere->setMaterialFlag(video::EMF_LIGHTING, true);
        if (LabelsEnabled)
        {
            const video::SColor white(255, 255, 255, 255);
            scene::IBillboardTextSceneNode* label = scene->addBillboardTextSceneNode(
                font, p->label.wc_str(), nullptr, core::dimension2df(9.0f * p->label.length(), 27.0f),
                core::vector3df(p->y + 10.0f, p->z + 10.0f, p->x - 10.0f), -1, white, white);
            label->setColor(SceneRoles::ToSColor(NormalLabelColour), SceneRoles::LabelLowerColour(shown));
        }
    }
    int eyeX = 0, eyeY = 0, eyeZ = 0;
    camera.GetEye(&eyeX, &eyeY, &eyeZ);
    scene->addCameraSceneNode(nullptr, ToEngine(eyeX, eyeY, eyeZ),
                              ToEngine(camera.targetX, camera.targetY, camera.targetZ), -1, true);
    for (LineList::compatibility_iterator node = lines.GetFirst(); node; node = node->GetNext())
    {
        const Line* l = node->GetData();
        irr3DLine* line = new irr3DLine(scene->getRootSceneNode(), scene, -1, ToEngine(l->from->x, l->from->y, l->from->z),
                                        ToEngine(l->to->x, l->to->y, l->to->z),
                                        SceneRoles::LineColour(SceneRoles::VisibleState(l->state, l->time, now)));
        line->drop();
    }
    scene->drawAll();
    driver->endScene();
}

// How two pictures of the same scene differ, as a person would see it: single pixels along
// outlines come and go with any sub-pixel shift, spots of several pixels would be seen.
struct Difference
{
    double strayPixels = 0.0; // share of pixels with a channel off by more than 48
    int largestPatch = 0;     // largest channel difference of 8 x 8 pixel averages
    double meanPatch = 0.0;   // mean channel difference of those averages
};

Difference Compare(const Picture& a, const Picture& b)
{
    const u32 side = 8;
    Difference d;
    long stray = 0;
    for (u32 y = 0; y < kHeight; ++y)
        for (u32 x = 0; x < kWidth; ++x)
        {
            int largest = 0;
            for (int c = 0; c < 3; ++c)
                largest = std::max(largest, std::abs(a.At(x, y, c) - b.At(x, y, c)));
            if (largest > 48)
                ++stray;
        }
    d.strayPixels = static_cast<double>(stray) / (kWidth * kHeight);
    long patches = 0;
    double total = 0.0;
    for (u32 y = 0; y + side <= kHeight; y += side)
        for (u32 x = 0; x + side <= kWidth; x += side)
            for (int c = 0; c < 3; ++c)
            {
                int sumA = 0, sumB = 0;
                for (u32 j = 0; j < side; ++j)
                    for (u32 i = 0; i < side; ++i)
                    {
                        sumA += a.At(x + i, y + j, c);
                        sumB += b.At(x + i, y + j, c);
                    }
                const int patch = std::abs(sumA - sumB) / static_cast<int>(side * side);
                d.largestPatch = std::max(d.largestPatch, patch);
                total += patch;
                ++patches;
            }
    d.meanPatch = total / patches;
    return d;
}

// A 10 x 10 x 6 lattice like the largest grid networks, with a route, a nested path and a
// visited node, and labels like theirs.
void FillLattice(PointList& points, LineList& lines)
{
    const int spacing = 40;
    for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 10; ++y)
            for (int z = 0; z < 6; ++z)
            {
                const int state = (y == 3 && z == 2) ? 1 : (x == 6 && z == 4) ? 2 : (x == 2 && y == 7) ? 3 : 0;
                points.Append(sceneprobe::NewPoint(x * spacing, y * spacing, z * spacing, state, -1, 0,
                                                   wxString::Format("%d,%d,%d", x, y, z)));
                if (x + 1 < 10)
                    lines.Append(sceneprobe::NewLine(x * spacing, y * spacing, z * spacing, (x + 1) * spacing,
                                                     y * spacing, z * spacing, (y == 3 && z == 2) ? 1 : 0));
                if (y + 1 < 10)
                    lines.Append(sceneprobe::NewLine(x * spacing, y * spacing, z * spacing, x * spacing,
                                                     (y + 1) * spacing, z * spacing, (x == 6 && z == 4) ? 2 : 0));
                if (z + 1 < 6)
                    lines.Append(sceneprobe::NewLine(x * spacing, y * spacing, z * spacing, x * spacing, y * spacing,
                                                     (z + 1) * spacing));
            }
}

class FramePictureTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ResetViewState();
        SIrrlichtCreationParameters params;
        params.DriverType = video::EDT_BURNINGSVIDEO;
        params.Bits = 16;
        params.WindowSize = core::dimension2du(kWidth, kHeight);
        params.LoggingLevel = ELL_NONE;
        m_device = createDeviceEx(params);
        ASSERT_NE(m_device, nullptr) << "the software renderer needs an X display (run under xvfb-run)";
        m_builder.reset(new SceneBuilder(m_device));
        FillLattice(m_points, m_lines);
    }

    void TearDown() override
    {
        m_builder.reset();
        if (m_device)
            m_device->drop();
        ClearOwned(m_points);
        ClearOwned(m_lines);
        timer::ResetValues();
        LabelsEnabled = true;
    }

    // Node centres on the picture, from the camera of the frame just drawn.
    std::vector<core::vector2di> NodeCentres() const
    {
        std::vector<core::vector2di> centres;
        scene::ICameraSceneNode* camera = m_device->getSceneManager()->getActiveCamera();
        const core::matrix4 all = camera->getProjectionMatrix() * camera->getViewMatrix();
        for (PointList::compatibility_iterator node = m_points.GetFirst(); node; node = node->GetNext())
        {
            const Point* p = node->GetData();
            const core::vector3df at = SceneRoles::ToEngine(p->x, p->y, p->z);
            f32 v[4] = {at.X, at.Y, at.Z, 1.0f};
            all.multiplyWith1x4Matrix(v);
            if (v[3] <= 1.0f)
                continue;
            const int x = static_cast<int>((v[0] / v[3] + 1.0f) * kWidth / 2.0f);
            const int y = static_cast<int>((1.0f - v[1] / v[3]) * kHeight / 2.0f);
            if (x >= 0 && y >= 0 && x < static_cast<int>(kWidth) && y < static_cast<int>(kHeight))
                centres.push_back(core::vector2di(x, y));
        }
        return centres;
    }

    IrrlichtDevice* m_device = nullptr;
    std::unique_ptr<SceneBuilder> m_builder;
    PointList m_points;
    LineList m_lines;
    Camera m_camera;
};

TEST_F(FramePictureTest, TheFramesPictureIsThePlainOneToTheEye)
{
    struct View { const char* name; double polar, azimuth; int distance; bool labels; };
    const View views[] = {
        {"overview", 0.785, -1.57, 400, true},
        {"overview without labels", 0.785, -1.57, 400, false},
        {"half way", 1.1, -0.6, 220, true},
        {"close up among the nodes", 0.785, -1.57, 60, false},
        {"from below, far", 2.4, 2.0, 900, true},
    };
    for (const View& v : views)
    {
        SCOPED_TRACE(v.name);
        LabelsEnabled = v.labels;
        m_camera.SetView(v.polar, v.azimuth, v.distance);
        m_builder->RebuildScene(m_points, m_lines, m_camera);
        const Picture fast = Capture(m_device);
        const std::vector<core::vector2di> centres = NodeCentres();
        DrawPlainly(m_device, m_points, m_lines, m_camera);
        const Picture plain = Capture(m_device);
        ASSERT_EQ(fast.rgb.size(), plain.rgb.size());
        ASSERT_FALSE(fast.rgb.empty());

        const Difference d = Compare(fast, plain);
        EXPECT_LT(d.strayPixels, 0.015) << "pixels that differ plainly, single ones along outlines";
        EXPECT_LE(d.largestPatch, 32) << "no spot of a few pixels looks different";
        EXPECT_LT(d.meanPatch, 1.0);

        // Each node keeps its colour where it is drawn.
        size_t alike = 0;
        for (const core::vector2di& c : centres)
        {
            int largest = 0;
            for (int channel = 0; channel < 3; ++channel)
                largest = std::max(largest, std::abs(fast.At(c.X, c.Y, channel) - plain.At(c.X, c.Y, channel)));
            if (largest <= 24)
                ++alike;
        }
        ASSERT_FALSE(centres.empty());
        EXPECT_GE(alike, centres.size() * 95 / 100) << alike << " of " << centres.size() << " node centres";
    }
}

TEST_F(FramePictureTest, EdgesShowInCloseUpsFarFromTheOrigin)
{
    // Two nodes and their edge far out, seen from close by: the edge's pixels are on the picture.
    ClearOwned(m_points);
    ClearOwned(m_lines);
    LabelsEnabled = false;
    m_points.Append(sceneprobe::NewPoint(6000, 6000, 6000));
    m_points.Append(sceneprobe::NewPoint(6000, 6080, 6000));
    m_lines.Append(sceneprobe::NewLine(6000, 6000, 6000, 6000, 6080, 6000, 1));
    m_camera.SetView(1.2, 0.3, 70);
    m_builder->RebuildScene(m_points, m_lines, m_camera);
    const Picture picture = Capture(m_device);
    ASSERT_FALSE(picture.rgb.empty());
    const video::SColor routed = SceneRoles::ToSColor(RoutedLineColour);
    long hits = 0;
    for (u32 y = 0; y < kHeight; ++y)
        for (u32 x = 0; x < kWidth; ++x)
            if (std::abs(picture.At(x, y, 0) - static_cast<int>(routed.getRed())) <= 8 &&
                std::abs(picture.At(x, y, 1) - static_cast<int>(routed.getGreen())) <= 8 &&
                std::abs(picture.At(x, y, 2) - static_cast<int>(routed.getBlue())) <= 8)
                ++hits;
    EXPECT_GT(hits, 100) << "the routed edge runs across much of the picture";
}

} // namespace
