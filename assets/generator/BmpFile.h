// Writes a canvas as a 32-bit BMP whose fourth channel carries the alpha, so tool icons blend
// into whatever background the tool bar's theme paints.
#pragma once

#include <string>

#include "Canvas.h"

namespace assetgen
{

// Uncompressed, bottom-up, 8 bits each of blue, green, red and alpha, with the channel masks in
// a version 4 header: the form the desktop's image library reads with its alpha. The toolkit's
// own reader takes only the colours, so transparent pixels should carry a sensible colour.
bool SaveBmpWithAlpha(const Canvas& canvas, const std::string& path);

} // namespace assetgen
