// A small RGBA raster with anti-aliased shapes, so the program's pictures can be drawn in code.
#include "Canvas.h"

#include <algorithm>
#include <cmath>

#include <wx/image.h>

namespace assetgen
{

namespace
{
// Samples per pixel along each axis; 4 × 4 keeps 20-pixel icons smooth without blurring them.
constexpr int kSamples = 4;

unsigned char ToByte(double v)
{
    return static_cast<unsigned char>(std::clamp(std::lround(v), 0L, 255L));
}

double SegmentDistance(Vec2 p, Vec2 a, Vec2 b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = a.x + t * dx - p.x, ey = a.y + t * dy - p.y;
    return std::sqrt(ex * ex + ey * ey);
}
}

Colour Rgb(int r, int g, int b, double a)
{
    return Colour{double(r), double(g), double(b), a};
}

Colour Mix(const Colour& from, const Colour& to, double t)
{
    return Colour{from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t,
                  from.b + (to.b - from.b) * t, from.a + (to.a - from.a) * t};
}

Shape Disk(double cx, double cy, double radius)
{
    return [=](double x, double y) {
        return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
    };
}

Shape Ring(double cx, double cy, double inner, double outer)
{
    return [=](double x, double y) {
        const double d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
        return d2 <= outer * outer && d2 >= inner * inner;
    };
}

Shape Box(double x0, double y0, double x1, double y1)
{
    return [=](double x, double y) { return x >= x0 && x <= x1 && y >= y0 && y <= y1; };
}

Shape Polygon(std::vector<Vec2> corners)
{
    return [corners = std::move(corners)](double x, double y) {
        // Even-odd rule: count the edges a ray to the right crosses.
        bool inside = false;
        for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++)
        {
            const Vec2& a = corners[i];
            const Vec2& b = corners[j];
            if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
                inside = !inside;
        }
        return inside;
    };
}

Shape Stroke(Vec2 from, Vec2 to, double width)
{
    return [=](double x, double y) { return SegmentDistance({x, y}, from, to) <= width / 2; };
}

Shape Outline(const std::vector<Vec2>& corners, double width)
{
    return [corners, width](double x, double y) {
        for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++)
            if (SegmentDistance({x, y}, corners[j], corners[i]) <= width / 2)
                return true;
        return false;
    };
}

Shape Union(Shape a, Shape b)
{
    return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) || b(x, y); };
}

Shape Minus(Shape a, Shape b)
{
    return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) && !b(x, y); };
}

std::vector<Vec2> Turn(const std::vector<Vec2>& corners, int quarterTurns, double size)
{
    const double c = size / 2;
    std::vector<Vec2> turned = corners;
    for (int q = 0; q < ((quarterTurns % 4) + 4) % 4; ++q)
        for (Vec2& p : turned)
            p = Vec2{c - (p.y - c), c + (p.x - c)};
    return turned;
}

std::vector<Vec2> MirrorX(const std::vector<Vec2>& corners, double size)
{
    std::vector<Vec2> mirrored = corners;
    for (Vec2& p : mirrored)
        p.x = size - p.x;
    return mirrored;
}

Canvas::Canvas(int width, int height, const Colour& background)
    : m_width(width), m_height(height), m_pixels(size_t(width) * height, background)
{
}

void Canvas::Blend(int x, int y, const Colour& colour, double weight)
{
    Colour& dst = m_pixels[y * m_width + x];
    const double a = std::clamp(colour.a * weight, 0.0, 1.0);
    const double outA = a + dst.a * (1 - a);
    if (outA <= 0)
    {
        dst = Colour{0, 0, 0, 0};
        return;
    }
    dst.r = (colour.r * a + dst.r * dst.a * (1 - a)) / outA;
    dst.g = (colour.g * a + dst.g * dst.a * (1 - a)) / outA;
    dst.b = (colour.b * a + dst.b * dst.a * (1 - a)) / outA;
    dst.a = outA;
}

void Canvas::Fill(const Shape& shape, const Colour& colour)
{
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
        {
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx)
                    if (shape(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples))
                        ++hits;
            if (hits > 0)
                Blend(x, y, colour, double(hits) / (kSamples * kSamples));
        }
}

void Canvas::FillOutlined(const std::vector<Vec2>& corners, const Colour& fill, const Colour& border,
                          double borderWidth)
{
    Fill(Polygon(corners), fill);
    Fill(Outline(corners, borderWidth), border);
}

wxImage Canvas::ToImage(bool withAlpha) const
{
    wxImage image(m_width, m_height, false);
    if (withAlpha)
        image.SetAlpha();
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
        {
            const Colour& c = At(x, y);
            image.SetRGB(x, y, ToByte(c.r), ToByte(c.g), ToByte(c.b));
            if (withAlpha)
                image.SetAlpha(x, y, ToByte(c.a * 255));
        }
    return image;
}

} // namespace assetgen
