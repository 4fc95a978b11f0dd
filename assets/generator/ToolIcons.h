// The tool bar pictures: one drawing function per tool, and the file each one is saved to.
#pragma once

#include <vector>

#include "Canvas.h"

namespace assetgen
{

constexpr int kToolIconSize = 20;

// The tool bar's own background colour, so the icons sit on it without a visible square.
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
