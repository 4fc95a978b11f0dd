// The on-screen size of node spheres and the tessellation chosen for it, checked against the engine's camera.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "SphereDetail.h"

using namespace irr;

namespace
{

// The engine's own camera on its null device, for the projection the picture really gets.
class EngineCamera
{
public:
    EngineCamera(u32 width, u32 height, const core::vector3df& eye, const core::vector3df& target)
        : m_width(width), m_height(height)
    {
        SIrrlichtCreationParameters params;
        params.DriverType = video::EDT_NULL;
        params.WindowSize = core::dimension2du(width, height);
        params.LoggingLevel = ELL_NONE;
        m_device = createDeviceEx(params);
        if (!m_device)
            return;
        scene::ISceneManager* scene = m_device->getSceneManager();
        m_camera = scene->addCameraSceneNode(nullptr, eye, target, -1, true);
        // Drawing the scene once brings the camera's matrices up to date.
        m_device->getVideoDriver()->beginScene(true, true, video::SColor(0));
        scene->drawAll();
        m_device->getVideoDriver()->endScene();
    }
    ~EngineCamera()
    {
        if (m_device)
            m_device->drop();
    }

    bool Ok() const { return m_camera != nullptr; }

    // Picture position, in pixels, of a point in front of the camera.
    core::vector2df Project(const core::vector3df& point) const
    {
        core::matrix4 all = m_camera->getProjectionMatrix() * m_camera->getViewMatrix();
        f32 v[4] = {point.X, point.Y, point.Z, 1.0f};
        all.multiplyWith1x4Matrix(v);
        return core::vector2df((v[0] / v[3] + 1.0f) * m_width / 2.0f, (1.0f - v[1] / v[3]) * m_height / 2.0f);
    }

    // Half the largest extent of the sphere's image, from points all over its surface.
    float MeasuredRadius(const core::vector3df& centre, float radius) const
    {
        core::vector2df low(std::numeric_limits<float>::max()), high(-std::numeric_limits<float>::max());
        const int steps = 90;
        for (int i = 0; i <= steps; ++i)
            for (int j = 0; j < 2 * steps; ++j)
            {
                const double polar = core::PI64 * i / steps;
                const double around = core::PI64 * j / steps;
                const core::vector3df onSurface =
                    centre + core::vector3df(static_cast<f32>(std::sin(polar) * std::cos(around)),
                                             static_cast<f32>(std::cos(polar)),
                                             static_cast<f32>(std::sin(polar) * std::sin(around))) * radius;
                const core::vector2df p = Project(onSurface);
                low.set(std::min(low.X, p.X), std::min(low.Y, p.Y));
                high.set(std::max(high.X, p.X), std::max(high.Y, p.Y));
            }
        return std::max(high.X - low.X, high.Y - low.Y) / 2.0f;
    }

private:
    u32 m_width;
    u32 m_height;
    IrrlichtDevice* m_device = nullptr;
    scene::ICameraSceneNode* m_camera = nullptr;
};

TEST(SphereDetailTest, ScreenRadiusNeverUnderstatesTheEnginesPictureNorOverstatesItMuch)
{
    const core::vector3df eye(-120, 300, -260);
    const core::vector3df target(200, 40, 180);
    struct Case { u32 width, height; core::vector3df centre; };
    const core::vector3df forward = (target - eye).normalize();
    const core::vector3df side = forward.crossProduct(core::vector3df(0, 1, 0)).normalize();
    const Case cases[] = {
        {685, 446, target},                                  // the middle of the picture
        {685, 446, eye + forward * 40.0f},                   // close up
        {685, 446, eye + forward * 2500.0f},                 // far off
        {685, 446, eye + forward * 200.0f + side * 120.0f},  // toward the side border
        {685, 446, eye + forward * 200.0f + side * -180.0f}, // by the other side border
        {320, 900, target + side * 60.0f},                   // a tall narrow picture
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " at " << c.centre.X << ","
                                        << c.centre.Y << "," << c.centre.Z);
        EngineCamera camera(c.width, c.height, eye, target);
        ASSERT_TRUE(camera.Ok());
        const float radius = SphereDetail::kRadius * SphereDetail::kScale;
        const float measured = camera.MeasuredRadius(c.centre, radius);
        const float estimated = SphereDetail::ScreenRadius(
            SphereDetail::ViewOf(eye, target, static_cast<float>(c.height)), c.centre, radius);
        EXPECT_GE(estimated, measured * 0.99f) << "measured " << measured;
        EXPECT_LE(estimated, measured * 1.3f) << "measured " << measured;
    }
}

TEST(SphereDetailTest, ASphereReachingTheCameraIsAsLargeAsCanBe)
{
    const SphereDetail::View view = SphereDetail::ViewOf(core::vector3df(0, 0, 0), core::vector3df(0, 0, 100), 480);
    for (const core::vector3df& centre : {core::vector3df(0, 0, 3), core::vector3df(0, 0, -50), core::vector3df(30, 0, 0)})
    {
        SCOPED_TRACE(centre.Z);
        EXPECT_EQ(SphereDetail::ScreenRadius(view, centre, 5.5f), std::numeric_limits<float>::infinity());
    }
    // Eye and target in one place: the engine looks along +Z then.
    const SphereDetail::View still = SphereDetail::ViewOf(core::vector3df(1, 2, 3), core::vector3df(1, 2, 3), 480);
    EXPECT_TRUE(std::isfinite(SphereDetail::ScreenRadius(still, core::vector3df(1, 2, 500), 5.5f)));
}

TEST(SphereDetailTest, DetailFallsWithTheSizeOnScreenAndIsFullWhenLarge)
{
    // The finest level is the full node sphere, poly count 16.
    EXPECT_EQ(SphereDetail::kTessellations[0].segments, 16);
    EXPECT_EQ(SphereDetail::kTessellations[0].rings, 16);
    for (int i = 1; i < SphereDetail::kLevels; ++i)
    {
        const SphereDetail::Tessellation& finer = SphereDetail::kTessellations[i - 1];
        const SphereDetail::Tessellation& coarser = SphereDetail::kTessellations[i];
        EXPECT_LT(coarser.segments * coarser.rings, finer.segments * finer.rings) << "level " << i;
        EXPECT_GE(coarser.rings, 3) << "level " << i;
    }

    for (int i = 1; i < SphereDetail::kLevels; ++i)
        if (SphereDetail::kTessellations[i].facingHalf)
            EXPECT_EQ(SphereDetail::kTessellations[i].rings % 2, 0) << "level " << i << " needs a ring on its rim";
    EXPECT_FALSE(SphereDetail::kTessellations[0].facingHalf) << "close-ups show the full sphere";

    struct Case { float pixels; int level; };
    const Case cases[] = {
        {std::numeric_limits<float>::infinity(), 0}, {300.0f, 0}, {40.0f, 0}, // close-ups in full
        {0.0f, SphereDetail::kLevels - 1}, {1.0f, SphereDetail::kLevels - 1}, // dots
    };
    for (const Case& c : cases)
        EXPECT_EQ(SphereDetail::LevelFor(c.pixels), c.level) << c.pixels << " px";

    int previous = 0;
    for (float pixels = 60.0f; pixels > 0.1f; pixels *= 0.97f)
    {
        const int level = SphereDetail::LevelFor(pixels);
        EXPECT_GE(level, previous) << pixels << " px: a smaller sphere is never drawn finer";
        previous = level;
    }
    EXPECT_EQ(previous, SphereDetail::kLevels - 1);
}

TEST(SphereDetailTest, TheFacingHalfKeepsTheWholeOutlineAndNothingBehindIt)
{
    SIrrlichtCreationParameters params;
    params.DriverType = video::EDT_NULL;
    params.LoggingLevel = ELL_NONE;
    IrrlichtDevice* device = createDeviceEx(params);
    ASSERT_NE(device, nullptr);
    const scene::IGeometryCreator* creator = device->getSceneManager()->getGeometryCreator();
    struct Case { int segments, rings; };
    for (const Case& c : {Case{12, 8}, Case{8, 6}, Case{6, 4}, Case{16, 16}, Case{5, 2}})
    {
        SCOPED_TRACE(testing::Message() << c.segments << " x " << c.rings);
        scene::IMesh* mesh = creator->createSphereMesh(5.0f, c.segments, c.rings);
        scene::SMeshBuffer& half = *static_cast<scene::SMeshBuffer*>(mesh->getMeshBuffer(0));
        SphereDetail::KeepNorthHalfFacingZ(half);

        // One triangle per segment around the pole, two in each band down to the equator.
        EXPECT_EQ(half.getIndexCount() / 3, static_cast<u32>(c.segments + 2 * c.segments * (c.rings / 2 - 1)));
        std::vector<float> rim; // angles around Z of the vertices on the rim
        for (u32 i = 0; i < half.getIndexCount(); ++i)
        {
            const video::S3DVertex& v = half.Vertices[half.Indices[i]];
            EXPECT_GT(v.Pos.Z, -1e-3f);
            EXPECT_NEAR(v.Pos.getLength(), 5.0f, 1e-4f);
            EXPECT_GT(v.Normal.dotProduct(v.Pos), 0.0f) << "normals still point outward";
            if (std::fabs(v.Pos.Z) < 1e-3f)
                rim.push_back(std::atan2(v.Pos.Y, v.Pos.X));
        }
        // The rim runs all the way round: its corners, one per segment, are all there.
        std::sort(rim.begin(), rim.end());
        rim.erase(std::unique(rim.begin(), rim.end(), [](float a, float b) { return std::fabs(a - b) < 1e-4f; }),
                  rim.end());
        if (std::fabs(rim.front() + core::PI) < 1e-4f && std::fabs(rim.back() - core::PI) < 1e-4f)
            rim.pop_back(); // the same corner seen from both sides of the angle's cut
        EXPECT_EQ(rim.size(), static_cast<size_t>(c.segments));
        mesh->drop();
    }
    device->drop();
}

} // namespace
