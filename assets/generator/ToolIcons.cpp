// The tool bar pictures: one drawing function per tool, and the file each one is saved to.
#include "ToolIcons.h"

namespace assetgen
{

namespace
{
constexpr double kSize = kToolIconSize;

// One palette for all tools, so the bar reads as a set.
const Colour kInk = Rgb(28, 36, 58);
const Colour kDiskBlue = Rgb(56, 98, 172);
const Colour kMetal = Rgb(206, 210, 218);
const Colour kArrowBlue = Rgb(46, 128, 214);
const Colour kArrowInk = Rgb(18, 56, 110);
const Colour kGlass = Rgb(214, 236, 252);
const Colour kMedia = Rgb(70, 150, 80);
const Colour kMediaInk = Rgb(24, 70, 32);

// A floppy disk whose label area (x 4 … 16, y 10.5 … 18) is left for the caller to fill.
void DrawDiskBody(Canvas& canvas)
{
    const std::vector<Vec2> body = {{2, 2}, {15.5, 2}, {18, 4.5}, {18, 18}, {2, 18}};
    canvas.FillOutlined(body, kDiskBlue, kInk);
    // Sliding metal shutter with its window.
    canvas.Fill(Box(6, 2.5, 14, 8), kMetal);
    canvas.Fill(Box(10.8, 3.3, 12.8, 7.2), kDiskBlue);
    canvas.Fill(Outline({{6, 2.5}, {14, 2.5}, {14, 8}, {6, 8}}, 0.8), kInk);
}

// A right-pointing block arrow; the others are quarter turns of it.
std::vector<Vec2> ArrowRight()
{
    return {{2.5, 7.5}, {10, 7.5}, {10, 3}, {17.5, 10}, {10, 17}, {10, 12.5}, {2.5, 12.5}};
}

void DrawArrow(Canvas& canvas, int quarterTurns)
{
    canvas.FillOutlined(Turn(ArrowRight(), quarterTurns, kSize), kArrowBlue, kArrowInk, 1.1);
}

// A magnifying glass; the caller marks the lens with plus or minus.
void DrawMagnifier(Canvas& canvas)
{
    canvas.Fill(Stroke({12.3, 12.3}, {17.6, 17.6}, 3.4), kInk);
    canvas.Fill(Stroke({12.6, 12.6}, {17.2, 17.2}, 1.4), Rgb(120, 90, 60));
    canvas.Fill(Disk(8, 8, 5.2), kGlass);
    canvas.Fill(Disk(6.4, 6.3, 1.6), Rgb(255, 255, 255, 0.8)); // glint
    canvas.Fill(Ring(8, 8, 5.0, 6.6), kInk);
}

// The step-back picture: a bar, then a triangle pointing left. Step forward mirrors it.
std::vector<Vec2> StepBackTriangle()
{
    return {{16.5, 3.5}, {16.5, 16.5}, {7.5, 10}};
}
std::vector<Vec2> StepBackBar()
{
    return {{3, 3.5}, {6.5, 3.5}, {6.5, 16.5}, {3, 16.5}};
}
}

Colour ToolBarBackground()
{
    return Rgb(212, 208, 200);
}

void DrawSaveBitmap(Canvas& canvas)
{
    DrawDiskBody(canvas);
    // The label shows a little landscape: a picture is what gets saved.
    canvas.Fill(Box(4, 10.5, 16, 18), Rgb(176, 214, 250));
    canvas.Fill(Disk(13.4, 12.6, 1.5), Rgb(255, 212, 40));
    canvas.Fill(Polygon({{4, 18}, {8, 13.2}, {11, 16.2}, {12.8, 14.6}, {16, 18}}), Rgb(52, 150, 60));
    canvas.Fill(Outline({{4, 10.5}, {16, 10.5}, {16, 18}, {4, 18}}, 0.8), kInk);
}

void DrawSaveAnimation(Canvas& canvas)
{
    DrawDiskBody(canvas);
    // The label is a strip of film: frames between two rows of sprocket holes.
    canvas.Fill(Box(4, 10.5, 16, 18), Rgb(40, 40, 46));
    // Whole-pixel holes and frames: at this size anything finer turns to grey mush.
    for (int x = 5; x <= 14; x += 3)
    {
        canvas.Fill(Box(x, 11, x + 1, 12), Rgb(235, 235, 235));
        canvas.Fill(Box(x, 16.5, x + 1, 17.5), Rgb(235, 235, 235));
    }
    canvas.Fill(Box(5, 13, 9.5, 15.5), Rgb(255, 190, 70));
    canvas.Fill(Box(10.5, 13, 15, 15.5), Rgb(255, 190, 70));
    canvas.Fill(Outline({{4, 10.5}, {16, 10.5}, {16, 18}, {4, 18}}, 0.8), kInk);
}

void DrawLeft(Canvas& canvas)
{
    DrawArrow(canvas, 2);
}

void DrawRight(Canvas& canvas)
{
    DrawArrow(canvas, 0);
}

void DrawUp(Canvas& canvas)
{
    DrawArrow(canvas, 3);
}

void DrawDown(Canvas& canvas)
{
    DrawArrow(canvas, 1);
}

void DrawZoomIn(Canvas& canvas)
{
    DrawMagnifier(canvas);
    canvas.Fill(Box(5, 7.1, 11, 8.9), kInk);
    canvas.Fill(Box(7.1, 5, 8.9, 11), kInk);
}

void DrawZoomOut(Canvas& canvas)
{
    DrawMagnifier(canvas);
    canvas.Fill(Box(5, 7.1, 11, 8.9), kInk);
}

void DrawDefaultCamera(Canvas& canvas)
{
    // A house: the camera goes home.
    canvas.FillOutlined({{4, 9}, {16, 9}, {16, 18}, {4, 18}}, Rgb(244, 226, 178), kInk);
    canvas.Fill(Box(13, 3, 15, 7.5), Rgb(150, 60, 50));
    canvas.Fill(Outline({{13, 3}, {15, 3}, {15, 7.5}, {13, 7.5}}, 0.8), kInk);
    canvas.FillOutlined({{10, 2}, {18.6, 10.2}, {1.4, 10.2}}, Rgb(200, 56, 44), kInk);
    canvas.FillOutlined({{8.5, 12.5}, {11.5, 12.5}, {11.5, 18}, {8.5, 18}}, Rgb(128, 78, 36), kInk, 0.8);
}

void DrawDecrementTime(Canvas& canvas)
{
    canvas.FillOutlined(StepBackBar(), kMedia, kMediaInk);
    canvas.FillOutlined(StepBackTriangle(), kMedia, kMediaInk);
}

void DrawIncrementTime(Canvas& canvas)
{
    canvas.FillOutlined(MirrorX(StepBackBar(), kSize), kMedia, kMediaInk);
    canvas.FillOutlined(MirrorX(StepBackTriangle(), kSize), kMedia, kMediaInk);
}

const std::vector<ToolIcon>& ToolIcons()
{
    static const std::vector<ToolIcon> icons = {
        {"saveBitmap.bmp", DrawSaveBitmap}, {"saveAnimation.bmp", DrawSaveAnimation},
        {"left.bmp", DrawLeft},             {"right.bmp", DrawRight},
        {"up.bmp", DrawUp},                 {"down.bmp", DrawDown},
        {"zoomIn.bmp", DrawZoomIn},         {"zoomOut.bmp", DrawZoomOut},
        {"default.bmp", DrawDefaultCamera}, {"decrTime.bmp", DrawDecrementTime},
        {"incrTime.bmp", DrawIncrementTime},
    };
    return icons;
}

} // namespace assetgen
