// The tool bar pictures: one drawing function per tool, and the file each one is saved to.
#pragma once

#include <vector>

#include "Canvas.h"

namespace assetgen
{

constexpr int kToolIconSize = 20;

// The tool bar's background colour. The icons are transparent around their pictures; their
// transparent pixels carry this colour for readers that ignore the alpha.
Colour ToolBarBackground();

struct ToolIcon
{
    const char* fileName; // inside the bitmaps folder
    void (*draw)(Canvas& canvas);
};

// Every tool bar icon, in tool bar order.
const std::vector<ToolIcon>& ToolIcons();

void DrawSaveBitmap(Canvas& canvas);
void DrawSaveAnimation(Canvas& canvas);
void DrawLeft(Canvas& canvas);
void DrawRight(Canvas& canvas);
void DrawUp(Canvas& canvas);
void DrawDown(Canvas& canvas);
void DrawZoomIn(Canvas& canvas);
void DrawZoomOut(Canvas& canvas);
void DrawDefaultCamera(Canvas& canvas);
void DrawDecrementTime(Canvas& canvas);
void DrawIncrementTime(Canvas& canvas);

} // namespace assetgen
