// Checks the staged pictures the way the program uses them: tool bitmaps through the toolkit,
// sky textures and the label font through the 3D engine (its null driver needs no display).
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include <irrlicht.h>
#include <wx/filename.h>
#include <wx/image.h>

using namespace irr;

namespace
{
const std::vector<std::string> kToolBitmaps = {
    "saveBitmap.bmp", "saveAnimation.bmp", "left.bmp",    "right.bmp",
    "up.bmp",         "down.bmp",          "zoomIn.bmp",  "zoomOut.bmp",
    "default.bmp",    "decrTime.bmp",      "incrTime.bmp"};
const std::vector<std::string> kSideFaces = {"irrlicht2_bk.jpg", "irrlicht2_ft.jpg",
                                             "irrlicht2_rt.jpg", "irrlicht2_lf.jpg"};
const std::string kUpFace = "irrlicht2_up.jpg";
const std::string kDownFace = "irrlicht2_dn.jpg";

std::string BitmapPath(const std::string& name)
{
    return "bitmaps/" + name; // the tests run in the run folder, as the program does
}

// A 3D device without a window, as far as fonts and images are concerned the same as the
// program's software renderer.
class NullDevice
{
public:
    NullDevice()
    {
        SIrrlichtCreationParameters params;
        params.DriverType = video::EDT_NULL;
        params.LoggingLevel = ELL_ERROR;
        m_device = createDeviceEx(params);
    }
    ~NullDevice()
    {
        if (m_device)
            m_device->drop();
    }
    IrrlichtDevice* operator->() const { return m_device; }
    explicit operator bool() const { return m_device != nullptr; }

private:
    IrrlichtDevice* m_device = nullptr;
};

struct ImageHolder
{
    video::IImage* image = nullptr;
    ~ImageHolder()
    {
        if (image)
            image->drop();
    }
};

double Luminance(const video::SColor& c)
{
    return 0.299 * c.getRed() + 0.587 * c.getGreen() + 0.114 * c.getBlue();
}

// Mean colour difference between two runs of pixels, the second walked forwards or backwards.
double EdgeDifference(video::IImage* a, const std::vector<core::position2di>& runA,
                      video::IImage* b, const std::vector<core::position2di>& runB, bool reversed)
{
    double sum = 0;
    for (size_t i = 0; i < runA.size(); ++i)
    {
        const core::position2di& pb = runB[reversed ? runB.size() - 1 - i : i];
        const video::SColor ca = a->getPixel(runA[i].X, runA[i].Y);
        const video::SColor cb = b->getPixel(pb.X, pb.Y);
        sum += std::abs(int(ca.getRed()) - int(cb.getRed())) +
               std::abs(int(ca.getGreen()) - int(cb.getGreen())) +
               std::abs(int(ca.getBlue()) - int(cb.getBlue()));
    }
    return sum / (3.0 * runA.size());
}

enum class Edge
{
    Top,
    Bottom,
    Left,
    Right
};

std::vector<core::position2di> EdgeRun(video::IImage* image, Edge edge)
{
    const int w = int(image->getDimension().Width), h = int(image->getDimension().Height);
    std::vector<core::position2di> run;
    for (int i = 0; i < (edge == Edge::Left || edge == Edge::Right ? h : w); ++i)
        switch (edge)
        {
        case Edge::Top: run.emplace_back(i, 0); break;
        case Edge::Bottom: run.emplace_back(i, h - 1); break;
        case Edge::Left: run.emplace_back(0, i); break;
        case Edge::Right: run.emplace_back(w - 1, i); break;
        }
    return run;
}
}

TEST(AssetFiles, EveryPictureIsStaged)
{
    std::vector<std::string> names = kToolBitmaps;
    names.insert(names.end(), kSideFaces.begin(), kSideFaces.end());
    names.insert(names.end(), {kUpFace, kDownFace, "bigfont.png"});
    for (const std::string& name : names)
        EXPECT_TRUE(wxFileName::FileExists(BitmapPath(name))) << name;
}

TEST(AssetFiles, ToolBitmapsAreDistinctTwentyPixelIcons)
{
    // The program has every handler; without a running toolkit the BMP one is added here.
    if (!wxImage::FindHandler(wxBITMAP_TYPE_BMP))
        wxImage::AddHandler(new wxBMPHandler);
    std::set<std::string> pictures;
    for (const std::string& name : kToolBitmaps)
    {
        wxImage image;
        ASSERT_TRUE(image.LoadFile(BitmapPath(name), wxBITMAP_TYPE_ANY)) << name;
        EXPECT_EQ(20, image.GetWidth()) << name;
        EXPECT_EQ(20, image.GetHeight()) << name;

        // Something is drawn: a good share of the pixels differ from the corner colour, which
        // is the tool bar's. (How the see-through corners look on the tool bar is checked with
        // the real toolkit, whose image library reads the alpha.)
        const unsigned char r = image.GetRed(0, 0), g = image.GetGreen(0, 0), b = image.GetBlue(0, 0);
        int drawn = 0;
        for (int y = 0; y < image.GetHeight(); ++y)
            for (int x = 0; x < image.GetWidth(); ++x)
                if (image.GetRed(x, y) != r || image.GetGreen(x, y) != g || image.GetBlue(x, y) != b)
                    ++drawn;
        EXPECT_GT(drawn, 60) << name;
        pictures.insert(std::string(reinterpret_cast<const char*>(image.GetData()),
                                    size_t(image.GetWidth()) * image.GetHeight() * 3));
    }
    EXPECT_EQ(kToolBitmaps.size(), pictures.size()) << "two tools share one picture";
}

TEST(AssetFiles, SkyTexturesLoadAndMeetAtTheirEdges)
{
    NullDevice device;
    ASSERT_TRUE(device);
    video::IVideoDriver* driver = device->getVideoDriver();

    ImageHolder up, down;
    up.image = driver->createImageFromFile(BitmapPath(kUpFace).c_str());
    down.image = driver->createImageFromFile(BitmapPath(kDownFace).c_str());
    ASSERT_TRUE(up.image && down.image);

    for (const std::string& name : kSideFaces)
    {
        SCOPED_TRACE(name);
        ImageHolder side;
        side.image = driver->createImageFromFile(BitmapPath(name).c_str());
        ASSERT_TRUE(side.image);
        const core::dimension2du size = side.image->getDimension();
        EXPECT_EQ(256u, size.Width);
        EXPECT_EQ(256u, size.Height);

        // A calm mid-tone sky, neither black nor white, so dark nodes and white labels show.
        double sum = 0;
        for (u32 y = 0; y < size.Height; ++y)
            for (u32 x = 0; x < size.Width; ++x)
                sum += Luminance(side.image->getPixel(x, y));
        const double mean = sum / (size.Width * size.Height);
        EXPECT_GT(mean, 60);
        EXPECT_LT(mean, 170);

        // The renderer may turn the faces any way, so the edges are compared in both
        // directions: a side face meets its neighbours at its left and right edges, the
        // top face along its top edge and the bottom face along its bottom edge.
        const double tolerance = 6; // JPEG noise on a smooth picture
        EXPECT_LT(EdgeDifference(side.image, EdgeRun(side.image, Edge::Left), side.image,
                                 EdgeRun(side.image, Edge::Right), false), tolerance);
        for (Edge upEdge : {Edge::Top, Edge::Bottom, Edge::Left, Edge::Right})
            for (bool reversed : {false, true})
            {
                EXPECT_LT(EdgeDifference(side.image, EdgeRun(side.image, Edge::Top), up.image,
                                         EdgeRun(up.image, upEdge), reversed), tolerance);
                EXPECT_LT(EdgeDifference(side.image, EdgeRun(side.image, Edge::Bottom), down.image,
                                         EdgeRun(down.image, upEdge), reversed), tolerance);
            }
    }
}

TEST(AssetFiles, LabelFontLoadsAsABitmapFontWithEveryPrintableCharacter)
{
    NullDevice device;
    ASSERT_TRUE(device);
    gui::IGUIEnvironment* gui = device->getGUIEnvironment();
    gui::IGUIFont* font = gui->getFont("bitmaps/bigfont.png");
    ASSERT_NE(nullptr, font);
    ASSERT_NE(gui->getBuiltInFont(), font);
    ASSERT_EQ(gui::EGFT_BITMAP, font->getType());

    auto* bitmapFont = static_cast<gui::IGUIFontBitmap*>(font);
    gui::IGUISpriteBank* bank = bitmapFont->getSpriteBank();
    ASSERT_EQ(95u, bank->getSprites().size());
    ASSERT_EQ(95u, bank->getPositions().size());

    // Node labels are binary digits and commas: one line of the full height, every digit as
    // wide as every other, the comma narrower.
    const core::dimension2du address = font->getDimension(L"0101");
    EXPECT_GE(address.Height, 20u);
    EXPECT_LE(address.Height, 27u);
    const u32 digitWidth = font->getDimension(L"0").Width;
    EXPECT_GE(digitWidth, 10u);
    EXPECT_EQ(4 * digitWidth, address.Width);
    for (const wchar_t* digit : {L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8", L"9"})
        EXPECT_EQ(digitWidth, font->getDimension(digit).Width) << char(*digit);
    EXPECT_LT(font->getDimension(L",").Width, digitWidth);

    // Each printable character has ink inside its own frame: the font image read on its own
    // has opaque pixels there. A misplaced frame would cut a glyph or show an empty one.
    ImageHolder sheet;
    sheet.image = device->getVideoDriver()->createImageFromFile("bitmaps/bigfont.png");
    ASSERT_TRUE(sheet.image);
    const core::dimension2du size = sheet.image->getDimension();
    for (wchar_t ch = 33; ch <= 126; ++ch)
    {
        const u32 sprite = bitmapFont->getSpriteNoFromChar(&ch);
        ASSERT_LT(sprite, bank->getSprites().size()) << char(ch);
        const core::rect<s32>& frame = bank->getPositions()[bank->getSprites()[sprite].Frames[0].rectNumber];
        ASSERT_TRUE(frame.LowerRightCorner.X <= s32(size.Width) && frame.LowerRightCorner.Y <= s32(size.Height))
            << char(ch);
        int ink = 0;
        for (s32 y = frame.UpperLeftCorner.Y + 1; y < frame.LowerRightCorner.Y; ++y)
            for (s32 x = frame.UpperLeftCorner.X + 1; x < frame.LowerRightCorner.X; ++x)
            {
                const video::SColor c = sheet.image->getPixel(x, y);
                if (c.getAlpha() == 255 && c.getRed() == 255 && c.getGreen() == 255 && c.getBlue() == 255)
                    ++ink;
            }
        EXPECT_GT(ink, 8) << char(ch);
    }
}
