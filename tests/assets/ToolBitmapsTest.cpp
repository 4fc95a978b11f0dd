// Loads the tool bar icons the way the tool bar does, with the real toolkit, and checks that
// the tool bar's theme shows through around each picture.
#include <gtest/gtest.h>

#include <wx/bitmap.h>
#include <wx/image.h>

namespace
{
const char* const kToolBitmaps[] = {
    "saveBitmap.bmp", "saveAnimation.bmp", "left.bmp",    "right.bmp",
    "up.bmp",         "down.bmp",          "zoomIn.bmp",  "zoomOut.bmp",
    "default.bmp",    "decrTime.bmp",      "incrTime.bmp"};
}

TEST(ToolBitmaps, LoadAsTwentyPixelIconsWithSeeThroughCorners)
{
    for (const char* name : kToolBitmaps)
    {
        SCOPED_TRACE(name);
        wxBitmap bitmap;
        ASSERT_TRUE(bitmap.LoadFile(wxString("bitmaps/") + name, wxBITMAP_TYPE_ANY));
        EXPECT_EQ(wxSize(20, 20), bitmap.GetSize());
        ASSERT_TRUE(bitmap.HasAlpha());

        const wxImage image = bitmap.ConvertToImage();
        ASSERT_TRUE(image.HasAlpha());
        const int w = image.GetWidth() - 1, h = image.GetHeight() - 1;
        for (const wxPoint& corner : {wxPoint(0, 0), wxPoint(w, 0), wxPoint(0, h), wxPoint(w, h)})
            EXPECT_EQ(0, image.GetAlpha(corner.x, corner.y)) << corner.x << "," << corner.y;
        int opaque = 0;
        for (int y = 0; y <= h; ++y)
            for (int x = 0; x <= w; ++x)
                if (image.GetAlpha(x, y) == 255)
                    ++opaque;
        EXPECT_GT(opaque, 60);
    }
}
