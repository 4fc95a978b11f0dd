// Node labels from the software renderer: the trimmed billboards against the engine's own text billboards.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include <irrlicht.h>

#include "LabelBillboard.h"
#include "SceneBuilder.h"

using namespace irr;

namespace
{

const u32 kWidth = 640;
const u32 kHeight = 480;

struct LabelCase
{
    const wchar_t* text;
    core::vector3df position;
    core::dimension2df size;
    video::SColor top;
    video::SColor bottom;
};

const video::SColor kWhite(255, 255, 255, 255);
const video::SColor kGrey(255, 64, 64, 64);
const video::SColor kOrange(255, 255, 128, 0);
const video::SColor kSeeThrough(0, 200, 200, 200);

// Labels of every kind the network plug-ins write, some the font lacks letters for, near and
// far, overlapping, and partly outside the picture.
const LabelCase kLabels[] = {
    {L"0,0,0", core::vector3df(0, 0, 0), core::dimension2df(45, 27), kWhite, kWhite},
    {L"9,9,5", core::vector3df(-60, 20, 30), core::dimension2df(45, 27), kWhite, kGrey},
    {L"101101", core::vector3df(40, -30, -20), core::dimension2df(54, 27), kWhite, kOrange},
    {L"22", core::vector3df(10, 5, -150), core::dimension2df(18, 27), kWhite, kSeeThrough},
    {L"(1,3) @ end ~ {x}", core::vector3df(-20, 40, 60), core::dimension2df(153, 27), kOrange, kWhite},
    {L"\u00e9\u4e2d \u00df", core::vector3df(30, -10, -40), core::dimension2df(45, 27), kWhite, kWhite},
    {L"   ", core::vector3df(0, 10, 0), core::dimension2df(27, 27), kWhite, kWhite},
    {L"", core::vector3df(5, 5, 5), core::dimension2df(0, 27), kWhite, kWhite},
    {L"7,0,3", core::vector3df(260, 0, 40), core::dimension2df(45, 27), kWhite, kGrey},   // at the border
    {L"3,3,3", core::vector3df(0, 0, -185), core::dimension2df(45, 27), kGrey, kWhite},   // close up
};

class LabelBillboardTest : public testing::Test
{
protected:
    void SetUp() override
    {
        SIrrlichtCreationParameters params;
        params.DriverType = video::EDT_BURNINGSVIDEO;
        params.WindowSize = core::dimension2du(kWidth, kHeight);
        params.LoggingLevel = ELL_NONE;
        m_device = createDeviceEx(params);
        ASSERT_NE(m_device, nullptr) << "the software renderer needs an X display (run under xvfb-run)";
        m_font = m_device->getGUIEnvironment()->getFont(LabelFontFile);
        ASSERT_NE(m_font, nullptr) << "run in the run folder, where " << LabelFontFile << " is";
        m_glyphs = new LabelGlyphs(m_font);
    }

    void TearDown() override
    {
        if (m_glyphs)
            m_glyphs->drop();
        if (m_device)
            m_device->drop();
    }

    // Draws the labels, either as the engine's text billboards or as trimmed ones, and
    // returns the picture's RGB values.
    std::vector<int> Draw(bool engines, const core::vector3df& eye)
    {
        scene::ISceneManager* scene = m_device->getSceneManager();
        video::IVideoDriver* driver = m_device->getVideoDriver();
        scene->clear();
        driver->beginScene(true, true, video::SColor(255, 90, 90, 140));
        for (const LabelCase& c : kLabels)
        {
            if (engines)
            {
                scene::IBillboardTextSceneNode* label =
                    scene->addBillboardTextSceneNode(m_font, c.text, nullptr, c.size, c.position, -1, kWhite, kWhite);
                label->setColor(c.top, c.bottom);
            }
            else
            {
                LabelBillboard* label = new LabelBillboard(scene->getRootSceneNode(), scene, -1, m_glyphs, c.text,
                                                           c.position, c.size, kWhite, kWhite);
                label->setColor(c.top, c.bottom);
                label->drop();
            }
        }
        scene->addCameraSceneNode(nullptr, eye, core::vector3df(0, 0, 0), -1, true);
        scene->drawAll();
        driver->endScene();
        std::vector<int> rgb;
        video::IImage* shot = driver->createScreenShot();
        if (!shot)
            return rgb;
        for (u32 y = 0; y < kHeight; ++y)
            for (u32 x = 0; x < kWidth; ++x)
            {
                const video::SColor c = shot->getPixel(x, y);
                rgb.push_back(static_cast<int>(c.getRed()));
                rgb.push_back(static_cast<int>(c.getGreen()));
                rgb.push_back(static_cast<int>(c.getBlue()));
            }
        shot->drop();
        return rgb;
    }

    IrrlichtDevice* m_device = nullptr;
    gui::IGUIFont* m_font = nullptr;
    LabelGlyphs* m_glyphs = nullptr;
};

TEST_F(LabelBillboardTest, TrimmedLabelsDrawTheEnginesPicture)
{
    const core::vector3df eyes[] = {
        core::vector3df(0, 0, -200), core::vector3df(-150, 90, -160), core::vector3df(120, -60, 170),
        core::vector3df(0, 300, -1), // from above: the camera's up and view nearly meet
        core::vector3df(30, 20, -1500),
    };
    for (const core::vector3df& eye : eyes)
    {
        SCOPED_TRACE(testing::Message() << "eye " << eye.X << "," << eye.Y << "," << eye.Z);
        const std::vector<int> engines = Draw(true, eye);
        const std::vector<int> trimmed = Draw(false, eye);
        ASSERT_EQ(engines.size(), trimmed.size());
        ASSERT_FALSE(engines.empty());
        int largest = 0;
        long differing = 0, textPixels = 0;
        for (size_t i = 0; i < engines.size(); ++i)
        {
            const int d = std::abs(engines[i] - trimmed[i]);
            largest = std::max(largest, d);
            differing += d > 0;
        }
        for (size_t i = 0; i + 2 < engines.size(); i += 3)
            textPixels += engines[i] != 90 || engines[i + 1] != 90 || engines[i + 2] != 140;
        // Cut quads interpolate from other corners, which may move a sample by a rounding step.
        EXPECT_LE(largest, 3) << differing << " channel values differ";
        EXPECT_GT(textPixels, 100) << "the labels are on the picture";
    }
}

TEST_F(LabelBillboardTest, OnlyTheInkedPartOfTheLettersIsDrawn)
{
    scene::ISceneManager* scene = m_device->getSceneManager();
    struct Case { const wchar_t* text; float most; };
    // Digits leave their lower rows and a column or two blank, commas most of their box.
    for (const Case& c : {Case{L"0,0,0", 0.75f}, Case{L"110110", 0.9f}, Case{L",,,", 0.45f}})
    {
        LabelBillboard* label = new LabelBillboard(scene->getRootSceneNode(), scene, -1, m_glyphs, c.text,
                                                   core::vector3df(0, 0, 0), core::dimension2df(45, 27), kWhite, kWhite);
        EXPECT_GT(label->DrawnShare(), 0.0f);
        EXPECT_LT(label->DrawnShare(), c.most);
        label->remove();
        label->drop();
    }
    LabelBillboard* blank = new LabelBillboard(scene->getRootSceneNode(), scene, -1, m_glyphs, L"  ",
                                               core::vector3df(0, 0, 0), core::dimension2df(18, 27), kWhite, kWhite);
    EXPECT_EQ(blank->DrawnShare(), 0.0f) << "blanks leave no mark, so nothing of them is drawn";
    blank->remove();
    blank->drop();
}

TEST(LabelGlyphsTest, AFontWhosePicturesCannotBeReadIsDrawnWhole)
{
    // The null driver keeps no texels: every letter is drawn whole, and labels still work.
    SIrrlichtCreationParameters params;
    params.DriverType = video::EDT_NULL;
    params.LoggingLevel = ELL_NONE;
    IrrlichtDevice* device = createDeviceEx(params);
    ASSERT_NE(device, nullptr);
    LabelGlyphs* glyphs = new LabelGlyphs(device->getGUIEnvironment()->getBuiltInFont());
    scene::ISceneManager* scene = device->getSceneManager();
    LabelBillboard* label = new LabelBillboard(scene->getRootSceneNode(), scene, -1, glyphs, L"4,2",
                                               core::vector3df(0, 0, 0), core::dimension2df(27, 27), kWhite, kGrey);
    EXPECT_FLOAT_EQ(label->DrawnShare(), 1.0f);
    EXPECT_EQ(label->getType(), scene::ESNT_TEXT);
    video::SColor top, bottom;
    label->getColor(top, bottom);
    EXPECT_EQ(top, kWhite);
    EXPECT_EQ(bottom, kGrey);
    label->drop();
    glyphs->drop();
    device->drop();
}

} // namespace
