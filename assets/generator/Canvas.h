// A small RGBA raster with anti-aliased shapes, so the program's pictures can be drawn in code.
#pragma once

#include <functional>
#include <vector>

class wxImage;

namespace assetgen
{

// Channels in 0 … 255, alpha in 0 … 1 (straight, not premultiplied).
struct Colour
{
    double r = 0, g = 0, b = 0, a = 1;
};

Colour Rgb(int r, int g, int b, double a = 1.0);
Colour Mix(const Colour& from, const Colour& to, double t);

struct Vec2
{
    double x, y;
};

// A shape answers whether a point (in pixel units, pixel (i, j) covering [i, i+1) × [j, j+1))
// lies inside it. Shapes are tested at several points per pixel, which gives smooth edges.
using Shape = std::function<bool(double x, double y)>;

Shape Disk(double cx, double cy, double radius);
Shape Ring(double cx, double cy, double inner, double outer);
Shape Box(double x0, double y0, double x1, double y1);
Shape Polygon(std::vector<Vec2> corners);
// A stroke of the given width along a straight segment, with round ends.
Shape Stroke(Vec2 from, Vec2 to, double width);
// The outline of a closed polygon, as strokes along its edges.
Shape Outline(const std::vector<Vec2>& corners, double width);
Shape Union(Shape a, Shape b);
Shape Minus(Shape a, Shape b);

// Rotates points by quarter turns about the centre of a size × size square
// (1 = a quarter turn clockwise on screen), so one drawing serves four directions.
std::vector<Vec2> Turn(const std::vector<Vec2>& corners, int quarterTurns, double size);
// Mirrors points left to right within a square of the given size.
std::vector<Vec2> MirrorX(const std::vector<Vec2>& corners, double size);

class Canvas
{
public:
    Canvas(int width, int height, const Colour& background);

    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // Paints the shape in the colour, weighting each pixel by how much of it the shape covers.
    void Fill(const Shape& shape, const Colour& colour);
    // Paints the polygon with a border of the given width on top of its edges.
    void FillOutlined(const std::vector<Vec2>& corners, const Colour& fill, const Colour& border,
                      double borderWidth = 1.0);

    const Colour& At(int x, int y) const { return m_pixels[y * m_width + x]; }
    void Set(int x, int y, const Colour& colour) { m_pixels[y * m_width + x] = colour; }
    // Lays the colour over the pixel with the given weight (0 … 1).
    void Blend(int x, int y, const Colour& colour, double weight);

    // The picture as a toolkit image; with alpha only when asked for.
    wxImage ToImage(bool withAlpha) const;

private:
    int m_width;
    int m_height;
    std::vector<Colour> m_pixels;
};

} // namespace assetgen
