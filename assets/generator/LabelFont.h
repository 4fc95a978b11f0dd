// The node label font: glyphs drawn from our own table into the marker-framed sheet that the
// 3D engine's GUI environment reads as a bitmap font.
#pragma once

#include <string>

class wxImage;

namespace assetgen
{

// Each design pixel becomes a square of this many image pixels.
constexpr int kFontScale = 3;
// Design rows per glyph: 7 above the base line, 2 for descenders.
constexpr int kFontDesignRows = 9;
constexpr int kFontGlyphHeight = kFontDesignRows * kFontScale;
constexpr int kFontFirstChar = 32;
constexpr int kFontLastChar = 126;
// The sheet is a power of two on both sides, so no renderer needs to resample it.
constexpr int kFontSheetSize = 256;

// Draws the sheet: white glyphs on a transparent background, each framed by an upper-left marker
// pixel (colour of pixel (0, 0)) and a lower-right marker pixel (colour of pixel (1, 0)), with
// pixel (2, 0) giving the background colour. Returns false, with the reason, if the glyph table
// is malformed or the glyphs do not fit.
bool MakeLabelFont(wxImage& sheet, std::string& error);

} // namespace assetgen
