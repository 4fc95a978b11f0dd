// Writes a canvas as a 32-bit BMP whose fourth channel carries the alpha, so tool icons blend
// into whatever background the tool bar's theme paints.
#include "BmpFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace assetgen
{

namespace
{
void Put16(std::vector<uint8_t>& out, uint16_t v)
{
    out.push_back(v & 0xff);
    out.push_back(v >> 8);
}

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back((v >> shift) & 0xff);
}

uint8_t ToByte(double v)
{
    return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}
}

bool SaveBmpWithAlpha(const Canvas& canvas, const std::string& path)
{
    const uint32_t width = canvas.Width(), height = canvas.Height();
    const uint32_t pixelBytes = width * height * 4; // rows of 4-byte pixels need no padding
    const uint32_t infoBytes = 108;
    const uint32_t headerBytes = 14 + infoBytes;

    std::vector<uint8_t> file;
    file.reserve(headerBytes + pixelBytes);
    // File header.
    file.push_back('B');
    file.push_back('M');
    Put32(file, headerBytes + pixelBytes);
    Put32(file, 0);
    Put32(file, headerBytes);
    // Version 4 info header with bit-field compression, so the alpha mask can be named.
    Put32(file, infoBytes);
    Put32(file, width);
    Put32(file, height); // positive: bottom row first
    Put16(file, 1);
    Put16(file, 32);
    Put32(file, 3); // bit fields
    Put32(file, pixelBytes);
    Put32(file, 2835); // 72 dots per inch
    Put32(file, 2835);
    Put32(file, 0);
    Put32(file, 0);
    Put32(file, 0x00ff0000); // red
    Put32(file, 0x0000ff00); // green
    Put32(file, 0x000000ff); // blue
    Put32(file, 0xff000000); // alpha
    Put32(file, 0x73524742); // colour space "sRGB"
    for (int i = 0; i < 9 + 3; ++i) // end points and gamma, unused for sRGB
        Put32(file, 0);

    for (int y = int(height) - 1; y >= 0; --y)
        for (uint32_t x = 0; x < width; ++x)
        {
            const Colour& c = canvas.At(int(x), y);
            file.push_back(ToByte(c.b));
            file.push_back(ToByte(c.g));
            file.push_back(ToByte(c.r));
            file.push_back(ToByte(c.a * 255));
        }

    FILE* out = fopen(path.c_str(), "wb");
    if (!out)
        return false;
    const bool written = fwrite(file.data(), 1, file.size(), out) == file.size();
    return fclose(out) == 0 && written;
}

} // namespace assetgen
