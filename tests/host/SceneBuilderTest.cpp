// Frames built against the engine's null device: what the scene holds for a set of records.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "ViewState.h"
#include "Clock.h"
#include "Colours.h"
#include "Globals.h"
#include "Irr3DLine.h"
#include "SceneBuilder.h"
#include "SceneProbe.h"

using namespace irr;
using sceneprobe::Census;
using sceneprobe::TakeCensus;

namespace
{

video::SColor Colour(const wxColour& c) { return video::SColor(c.Alpha(), c.Red(), c.Green(), c.Blue()); }

class SceneBuilderTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ResetViewState();
        SIrrlichtCreationParameters params;
        params.DriverType = video::EDT_NULL;
        params.WindowSize = core::dimension2du(640, 480);
        params.LoggingLevel = ELL_NONE;
        m_device = createDeviceEx(params);
        ASSERT_NE(m_device, nullptr);
        m_builder.reset(new SceneBuilder(m_device));
    }

    void TearDown() override
    {
        m_builder.reset();
        if (m_device)
            m_device->drop();
        ClearOwned(m_points);
        ClearOwned(m_lines);
        ResetViewState();
    }

    Census Frame()
    {
        m_builder->RebuildScene(m_points, m_lines, m_camera);
        return TakeCensus(m_device->getSceneManager());
    }

    IrrlichtDevice* m_device = nullptr;
    std::unique_ptr<SceneBuilder> m_builder;
    PointList m_points;
    LineList m_lines;
    Camera m_camera;
};

TEST_F(SceneBuilderTest, EveryFrameHoldsOneNodeOfEachKindPerRecord)
{
    sceneprobe::FillRecordSet(m_points, m_lines);
    for (int frame = 0; frame < 3; ++frame)
    {
        SCOPED_TRACE(frame);
        const Census census = Frame();
        EXPECT_EQ(census.lights.size(), 1u);
        EXPECT_EQ(census.spheres.size(), 4u);
        EXPECT_EQ(census.labels.size(), 4u);
        EXPECT_EQ(census.cameras.size(), 1u);
        EXPECT_EQ(census.lines.size(), 3u);
        EXPECT_TRUE(census.skyBoxes.empty());
        EXPECT_TRUE(census.others.empty());
        // Creation order: light, the nodes' spheres and labels, camera, lines.
        ASSERT_EQ(census.all.size(), 13u);
        EXPECT_EQ(census.all[0], census.lights[0]);
        EXPECT_EQ(census.all[1], census.spheres[0]);
        EXPECT_EQ(census.all[2], census.labels[0]);
        EXPECT_EQ(census.all[9], census.cameras[0]);
        EXPECT_EQ(census.all[10], census.lines[0]);
        EXPECT_EQ(m_device->getSceneManager()->getActiveCamera(), census.cameras[0]);
    }
}

TEST_F(SceneBuilderTest, NodesSitWhereTheRecordsSayInTheEnginesAxes)
{
    sceneprobe::FillRecordSet(m_points, m_lines);
    const Census census = Frame();
    ASSERT_EQ(census.spheres.size(), 4u);
    // Record (x, y, z) is the engine's (y, z, x).
    EXPECT_EQ(census.spheres[1]->getPosition(), core::vector3df(40, 0, 101));
    EXPECT_EQ(census.spheres[2]->getPosition(), core::vector3df(80, 20, -30));
    EXPECT_EQ(census.spheres[1]->getScale(), core::vector3df(1.1f, 1.1f, 1.1f));
    EXPECT_TRUE(census.spheres[1]->getMaterial(0).Lighting);
    EXPECT_FLOAT_EQ(census.spheres[1]->getBoundingBox().MaxEdge.X, 5.0f) << "radius 5";
    // Labels sit above and beside their node and are 9 units wide per character.
    EXPECT_EQ(census.labels[2]->getPosition(), core::vector3df(90, 30, -40));
    EXPECT_EQ(census.labels[2]->getSize(), core::dimension2df(18, 27));
    // An empty label still has its node (the engine widens a zero width to 1).
    EXPECT_FLOAT_EQ(census.labels[3]->getSize().Height, 27.0f);
    EXPECT_EQ(census.lines[1]->GetStart(), core::vector3df(40, 0, 101));
    EXPECT_EQ(census.lines[1]->GetEnd(), core::vector3df(80, 20, -30));
    EXPECT_EQ(census.lines[1]->getPosition(), core::vector3df(0, 0, 0));
    EXPECT_EQ(census.lines[1]->getMaterialCount(), 0u) << "no materials of its own";

    scene::ILightSceneNode* light = census.lights[0];
    EXPECT_EQ(light->getPosition(), core::vector3df(-50, 300, -100));
    EXPECT_EQ(light->getID(), 1);
    EXPECT_FLOAT_EQ(light->getRadius(), 1000.0f);
    EXPECT_FLOAT_EQ(light->getLightData().DiffuseColor.r, 0.2f);
    EXPECT_FLOAT_EQ(light->getLightData().DiffuseColor.b, 0.15f);
}

// Triangles of a sphere node's mesh.
u32 Triangles(scene::IMeshSceneNode* sphere)
{
    u32 indices = 0;
    for (u32 i = 0; i < sphere->getMesh()->getMeshBufferCount(); ++i)
        indices += sphere->getMesh()->getMeshBuffer(i)->getIndexCount();
    return indices / 3;
}

TEST_F(SceneBuilderTest, SpheresLargeOnScreenKeepPolyCount16AndSmallOnesShedTriangles)
{
    // A row of nodes running away from a close camera: the nearest fill much of the picture,
    // the farthest are a few pixels wide.
    for (int y : {0, 800, 1400, 1800, 1960, 1990, 2000})
        m_points.Append(sceneprobe::NewPoint(0, y, 0));
    m_camera.SetView(M_PI / 2, M_PI / 2, 1040); // along the row, 40 beyond its last node
    const Census census = Frame();
    ASSERT_EQ(census.spheres.size(), 7u);
    const u32 full = 16u * 16u * 2u; // poly count 16
    EXPECT_EQ(Triangles(census.spheres[5]), full) << "near";
    EXPECT_EQ(Triangles(census.spheres[6]), full) << "nearest";
    EXPECT_LT(Triangles(census.spheres[0]), full / 4) << "farthest";
    for (size_t i = 1; i < census.spheres.size(); ++i)
        EXPECT_GE(Triangles(census.spheres[i]), Triangles(census.spheres[i - 1])) << "no farther sphere is finer";
    ASSERT_EQ(census.cameras.size(), 1u);
    const core::vector3df eye = census.cameras[0]->getPosition();
    for (scene::IMeshSceneNode* sphere : census.spheres)
    {
        // However finely drawn, every node is the same sphere in the same colour ...
        const scene::IMeshBuffer* mesh = sphere->getMesh()->getMeshBuffer(0);
        f32 farthest = 0.0f;
        for (u32 i = 0; i < mesh->getIndexCount(); ++i)
            farthest = std::max(farthest, mesh->getPosition(mesh->getIndices()[i]).getLength());
        EXPECT_NEAR(farthest, 5.0f, 1e-4f);
        EXPECT_EQ(sphere->getScale(), core::vector3df(1.1f, 1.1f, 1.1f));
        EXPECT_EQ(sphere->getMaterial(0).EmissiveColor, Colour(NormalPointColour));
        EXPECT_TRUE(sphere->getMaterial(0).Lighting);
        // ... and a sphere drawn as its half facing the camera does face it.
        if (Triangles(sphere) < full)
        {
            core::vector3df facing(0, 0, 1);
            sphere->getAbsoluteTransformation().rotateVect(facing);
            EXPECT_GT(facing.normalize().dotProduct((eye - sphere->getPosition()).normalize()), 0.999f);
        }
    }
}

struct ColourCase
{
    float time;
    // per node: sphere colour, label bottom colour; per line: colour
    const wxColour* sphere[4];
    const wxColour* labelBottom[4];
    const wxColour* line[3];
};

TEST_F(SceneBuilderTest, RolesShowOnceTheClockHasPassedTheirStep)
{
    sceneprobe::FillRecordSet(m_points, m_lines);
    const wxColour* N = &NormalPointColour;
    const wxColour* S = &SelectedPointColour;
    const wxColour* P = &NestedPointColour;
    const wxColour* L = &NormalLabelColour;
    const wxColour* V = &VisitedLabelColour;
    const wxColour* NL = &NormalLineColour;
    const wxColour* R = &RoutedLineColour;
    const wxColour* PL = &NestedLineColour;
    const ColourCase cases[] = {
        {0.0f, {S, N, N, N}, {S, L, L, L}, {NL, NL, NL}},
        {1.0f, {S, N, N, N}, {S, L, L, L}, {NL, NL, NL}},
        {1.5f, {S, N, N, N}, {S, L, L, L}, {NL, NL, R}},
        {2.5f, {S, N, P, N}, {S, L, P, L}, {NL, NL, R}},
        {3.0f, {S, N, P, N}, {S, L, P, L}, {NL, NL, R}},
        // a visited node keeps its plain sphere; only its label changes
        {3.5f, {S, N, P, N}, {S, V, P, L}, {NL, PL, R}},
    };
    for (const ColourCase& c : cases)
    {
        SCOPED_TRACE(c.time);
        timer::SetCurrentTime(c.time);
        const Census census = Frame();
        ASSERT_EQ(census.spheres.size(), 4u);
        ASSERT_EQ(census.labels.size(), 4u);
        ASSERT_EQ(census.lines.size(), 3u);
        for (int i = 0; i < 4; ++i)
        {
            SCOPED_TRACE(i);
            EXPECT_EQ(census.spheres[i]->getMaterial(0).EmissiveColor, Colour(*c.sphere[i]));
            EXPECT_EQ(sceneprobe::LabelTop(census.labels[i]), Colour(NormalLabelColour));
            EXPECT_EQ(sceneprobe::LabelBottom(census.labels[i]), Colour(*c.labelBottom[i]));
        }
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(census.lines[i]->GetColour(), Colour(*c.line[i])) << "line " << i;
    }
}

TEST_F(SceneBuilderTest, ColoursFollowTheRolesAtEveryFrameAlphaIncluded)
{
    sceneprobe::FillRecordSet(m_points, m_lines);
    Census census = Frame();
    EXPECT_EQ(census.lines[0]->GetColour(), video::SColor(0, 200, 200, 200)) << "line colours start transparent";
    EXPECT_EQ(census.spheres[0]->getMaterial(0).EmissiveColor, video::SColor(255, 255, 128, 0));

    SelectedPointColour.Set(1, 2, 3, 4);
    NormalLineColour.Set(5, 6, 7, 8);
    NormalLabelColour.Set(9, 10, 11, 12);
    census = Frame();
    EXPECT_EQ(census.spheres[0]->getMaterial(0).EmissiveColor, video::SColor(4, 1, 2, 3));
    EXPECT_EQ(census.lines[0]->GetColour(), video::SColor(8, 5, 6, 7));
    EXPECT_EQ(sceneprobe::LabelTop(census.labels[3]), video::SColor(12, 9, 10, 11));
    EXPECT_EQ(sceneprobe::LabelBottom(census.labels[3]), video::SColor(12, 9, 10, 11));
}

TEST_F(SceneBuilderTest, CameraLooksAtTheCentreOfThePoints)
{
    sceneprobe::FillRecordSet(m_points, m_lines);
    m_camera.SetView(1.0, -1.0, 200);
    const Census census = Frame();
    // x -30..101: 131 / 2 = 65 (toward zero) - 30 = 35; y 0..80: 40; z -6..20: 7.
    EXPECT_EQ(m_camera.targetX, 35);
    EXPECT_EQ(m_camera.targetY, 40);
    EXPECT_EQ(m_camera.targetZ, 7);
    int x = 0, y = 0, z = 0;
    m_camera.GetEye(&x, &y, &z);
    ASSERT_EQ(census.cameras.size(), 1u);
    EXPECT_EQ(census.cameras[0]->getPosition(), core::vector3df(y, z, x));
    EXPECT_EQ(census.cameras[0]->getTarget(), core::vector3df(40, 7, 35));
}

TEST_F(SceneBuilderTest, EmptyListsGiveTheBackgroundAndTheSentinelTarget)
{
    timer::SetPlaying(true);
    timer::SetMaxTime(7);
    const Census census = Frame();
    EXPECT_EQ(census.all.size(), 2u) << "light and camera only";
    EXPECT_EQ(census.lights.size(), 1u);
    EXPECT_EQ(census.cameras.size(), 1u);
    EXPECT_EQ(m_camera.targetX, 49500);
    EXPECT_EQ(m_camera.targetY, 49500);
    EXPECT_EQ(m_camera.targetZ, 49500);
    EXPECT_EQ(census.cameras[0]->getTarget(), core::vector3df(49500, 49500, 49500));
    EXPECT_EQ(timer::GetMaxTime(), -1);
    EXPECT_EQ(timer::GetDrawTarget(), 0);
    EXPECT_FALSE(timer::IsPlaying());
}

TEST_F(SceneBuilderTest, TheFrameWritesTheAnimationBoundsAndThePlayingSwitch)
{
    sceneprobe::FillRecordSet(m_points, m_lines);
    struct Case { float time; bool playing; };
    for (const Case& c : {Case{0.0f, true}, Case{2.9f, true}, Case{3.0f, true}, Case{3.01f, false}, Case{9.0f, false}})
    {
        SCOPED_TRACE(c.time);
        timer::SetCurrentTime(c.time);
        timer::SetPlaying(!c.playing);
        Frame();
        EXPECT_EQ(timer::GetMaxTime(), 3);
        EXPECT_EQ(timer::GetDrawTarget(), 6);
        EXPECT_EQ(timer::IsPlaying(), c.playing);
    }

    // Nothing timed: never plays. A line alone can carry the last step.
    ClearOwned(m_points);
    ClearOwned(m_lines);
    m_points.Append(sceneprobe::NewPoint(0, 0, 0, 1, -1, 3));
    m_lines.Append(sceneprobe::NewLine(0, 0, 0, 1, 1, 1, 0, -1, 9));
    timer::SetCurrentTime(0.0f);
    Frame();
    EXPECT_EQ(timer::GetMaxTime(), -1);
    EXPECT_EQ(timer::GetDrawTarget(), 9);
    EXPECT_FALSE(timer::IsPlaying());
    m_lines.Append(sceneprobe::NewLine(0, 0, 0, 1, 1, 1, 1, 5, 2));
    Frame();
    EXPECT_EQ(timer::GetMaxTime(), 5);
    EXPECT_TRUE(timer::IsPlaying());
}

TEST_F(SceneBuilderTest, LabelsOffLeavesSpheresAndLines)
{
    sceneprobe::FillRecordSet(m_points, m_lines);
    LabelsEnabled = false;
    const Census census = Frame();
    EXPECT_TRUE(census.labels.empty());
    EXPECT_EQ(census.spheres.size(), 4u);
    EXPECT_EQ(census.lines.size(), 3u);
}

// The texture a label is drawn with tells which font it got.
wxString LabelTexture(scene::IBillboardTextSceneNode* label)
{
    video::ITexture* texture = label->getMaterial(0).getTexture(0);
    return texture ? wxString(texture->getName().getPath().c_str()) : wxString();
}

TEST_F(SceneBuilderTest, LabelsUseTheBigFontOrElseTheBuiltInOne)
{
    sceneprobe::FillRecordSet(m_points, m_lines);
    if (std::filesystem::exists(LabelFontFile))
    {
        const Census census = Frame();
        ASSERT_EQ(census.labels.size(), 4u);
        EXPECT_TRUE(LabelTexture(census.labels[0]).EndsWith("bitmaps/bigfont.png")) << LabelTexture(census.labels[0]);
    }

    char folder[] = "/tmp/nodeweave-nofont-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    // A fresh device and builder, so that no font found earlier is reused.
    m_builder.reset();
    m_device->drop();
    SIrrlichtCreationParameters params;
    params.DriverType = video::EDT_NULL;
    params.LoggingLevel = ELL_NONE;
    m_device = createDeviceEx(params);
    m_builder.reset(new SceneBuilder(m_device));
    const Census census = Frame();
    std::filesystem::current_path(before);
    std::filesystem::remove(folder);
    ASSERT_EQ(census.labels.size(), 4u);
    const wxString texture = LabelTexture(census.labels[0]);
    EXPECT_FALSE(texture.empty());
    EXPECT_FALSE(texture.Contains("bigfont")) << texture;
}

TEST_F(SceneBuilderTest, SkyBoxComesLastAndSwitchesMipMapsOn)
{
    sceneprobe::FillRecordSet(m_points, m_lines);
    video::IVideoDriver* driver = m_device->getVideoDriver();
    driver->setTextureCreationFlag(video::ETCF_CREATE_MIP_MAPS, false);
    Frame();
    EXPECT_FALSE(driver->getTextureCreationFlag(video::ETCF_CREATE_MIP_MAPS));

    SkyBoxEnabled = true;
    const Census census = Frame();
    ASSERT_EQ(census.skyBoxes.size(), 1u);
    EXPECT_EQ(census.all.back(), census.skyBoxes[0]);
    EXPECT_EQ(census.skyBoxes[0]->getID(), -1);
    EXPECT_TRUE(driver->getTextureCreationFlag(video::ETCF_CREATE_MIP_MAPS));
    EXPECT_EQ(census.spheres.size(), 4u);

    SkyBoxEnabled = false;
    EXPECT_TRUE(Frame().skyBoxes.empty());
}

TEST_F(SceneBuilderTest, DrawingEffectRevealsRecordsPastTheProgress)
{
    sceneprobe::FillRecordSet(m_points, m_lines);
    timer::SetDrawingEffect(true);
    struct Case { float progress; size_t spheres, lines; };
    // Node draw orders 0, 2, 4, 6; line draw orders 0, 1, 5.
    for (const Case& c : {Case{0.0f, 0, 0}, Case{0.5f, 1, 1}, Case{2.0f, 1, 2}, Case{2.25f, 2, 2},
                          Case{5.5f, 3, 3}, Case{6.75f, 4, 3}})
    {
        SCOPED_TRACE(c.progress);
        timer::SetDrawProgress(c.progress);
        const Census census = Frame();
        EXPECT_EQ(census.spheres.size(), c.spheres);
        EXPECT_EQ(census.labels.size(), c.spheres);
        EXPECT_EQ(census.lines.size(), c.lines);
        // Hidden records still count for the bounds and the camera.
        EXPECT_EQ(timer::GetDrawTarget(), 6);
        EXPECT_EQ(timer::GetMaxTime(), 3);
        EXPECT_EQ(m_camera.targetX, 35);
    }
    timer::SetDrawingEffect(false);
    timer::SetDrawProgress(0.0f);
    EXPECT_EQ(Frame().spheres.size(), 4u) << "with the effect off the progress does not matter";
}

TEST_F(SceneBuilderTest, LineNodeIdsKeepGrowingAcrossFrames)
{
    sceneprobe::FillRecordSet(m_points, m_lines);
    const s32 first = g_lineNodeId;
    Census census = Frame();
    EXPECT_EQ(census.lines[0]->getID(), first);
    EXPECT_EQ(census.lines[2]->getID(), first + 2);
    census = Frame();
    EXPECT_EQ(census.lines[0]->getID(), first + 3);
    EXPECT_EQ(g_lineNodeId, first + 6);
}

TEST_F(SceneBuilderTest, LinesAreDrawnFromTheirOwnEndsWhereverTheyLie)
{
    // No node records at all: the line's ends are not looked up anywhere.
    m_lines.Append(sceneprobe::NewLine(5, 6, 7, 8, 9, 10));
    const Census census = Frame();
    ASSERT_EQ(census.lines.size(), 1u);
    EXPECT_EQ(census.lines[0]->GetStart(), core::vector3df(6, 7, 5));
    EXPECT_EQ(census.lines[0]->GetEnd(), core::vector3df(9, 10, 8));
    EXPECT_EQ(m_camera.targetX, 49500);
}

TEST_F(SceneBuilderTest, EdgesStayDrawnWhereverTheNetworkLiesFromTheOrigin)
{
    // Edge nodes sit at the origin and carry their ends as data, so the origin's place in the
    // view must not decide whether an edge is drawn. Seen from inside a far-off network and
    // from the far side of it, the origin lies behind the camera.
    struct Case { int distance; double azimuth; };
    for (const Case& c : {Case{200, -1.0}, Case{30, 0.5}, Case{400, 3.9}})
    {
        SCOPED_TRACE(c.distance);
        ClearOwned(m_points);
        ClearOwned(m_lines);
        m_points.Append(sceneprobe::NewPoint(6000, 6000, 6000));
        m_points.Append(sceneprobe::NewPoint(6100, 6000, 6000));
        m_lines.Append(sceneprobe::NewLine(6000, 6000, 6000, 6100, 6000, 6000));
        m_camera.SetView(1.2, c.azimuth, c.distance);
        const Census census = Frame();
        ASSERT_EQ(census.lines.size(), 1u);
        EXPECT_FALSE(m_device->getSceneManager()->isCulled(census.lines[0]));
    }
}

} // namespace
