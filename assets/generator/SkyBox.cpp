// The six sky-box faces: a calm dusk sky over a faint ground grid, computed from the viewing
// direction so that neighbouring faces meet without seams.
#include "SkyBox.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace assetgen
{

namespace
{
// Mid-tone colours: the default black nodes and white labels both stay readable against them.
const Colour kZenith = Rgb(52, 62, 118);
const Colour kHorizon = Rgb(150, 152, 192);
const Colour kGroundNear = Rgb(108, 108, 140);
const Colour kGroundFar = Rgb(58, 58, 84);
const Colour kHorizonGlow = Rgb(34, 28, 18);
const Colour kGridLine = Rgb(22, 22, 30);
const Colour kStar = Rgb(235, 238, 255);

constexpr double kGridSpacing = 0.5;  // in units of the ground's depth below the eye
constexpr double kGridLineWidth = 0.012;
constexpr double kGridFade = 3.0;     // grid lines fade out over this distance
constexpr int kSamples = 4;           // per pixel and axis, against grid aliasing

// A small deterministic generator, so every build writes the same pictures.
class Random
{
public:
    explicit Random(uint32_t seed) : m_state(seed * 2654435761u + 1) {}
    double Next() // 0 … 1
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return (m_state & 0xffffff) / double(0x1000000);
    }

private:
    uint32_t m_state;
};

double SmoothStep(double edge0, double edge1, double v)
{
    const double t = std::clamp((v - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

Colour Add(const Colour& c, const Colour& extra, double weight)
{
    return Colour{c.r + extra.r * weight, c.g + extra.g * weight, c.b + extra.b * weight, c.a};
}

// The colour seen in a direction (y up; need not be normalised).
Colour SkyColour(double x, double y, double z)
{
    const double length = std::sqrt(x * x + y * y + z * z);
    const double up = y / length; // sine of the elevation
    if (up >= 0)
    {
        Colour c = Mix(kHorizon, kZenith, std::pow(up, 0.55));
        return Add(c, kHorizonGlow, std::exp(-up / 0.06));
    }
    const double down = -up;
    Colour c = Mix(kGroundNear, kGroundFar, std::pow(down, 0.7));
    c = Add(c, kHorizonGlow, std::exp(-down / 0.03));
    // Where the direction meets a ground plane one unit below the eye.
    const double gx = x / -y, gz = z / -y;
    const double distance = std::sqrt(gx * gx + gz * gz);
    auto nearLine = [](double v) {
        const double cells = v / kGridSpacing;
        return std::abs(cells - std::round(cells)) * kGridSpacing < kGridLineWidth / 2;
    };
    if (nearLine(gx) || nearLine(gz))
        c = Add(c, kGridLine, std::exp(-distance / kGridFade));
    return c;
}

// The direction through a point of a face, s and t running from -1 to 1 left to right and
// top to bottom. The side faces look out horizontally with up at the top of the picture.
void FaceDirection(SkyFace face, double s, double t, double& x, double& y, double& z)
{
    switch (face)
    {
    case SkyFace::Up:
        x = s, y = 1, z = t;
        break;
    case SkyFace::Down:
        x = s, y = -1, z = t;
        break;
    default:
        x = s, y = -t, z = 1;
        break;
    }
}

void AddStars(Canvas& canvas, SkyFace face, Random& random)
{
    if (face == SkyFace::Down)
        return;
    const int count = face == SkyFace::Up ? 90 : 45;
    const int size = canvas.Width();
    for (int i = 0; i < count; ++i)
    {
        // Stars stay away from the edges, where a neighbouring face might be turned differently.
        const double s = (random.Next() * 2 - 1) * 0.88;
        const double t = (random.Next() * 2 - 1) * 0.88;
        const double brightness = 0.25 + 0.6 * random.Next() * random.Next();
        double x, y, z;
        FaceDirection(face, s, t, x, y, z);
        const double up = y / std::sqrt(x * x + y * y + z * z);
        const double weight = brightness * SmoothStep(0.12, 0.4, up);
        if (weight <= 0)
            continue;
        const double px = (s + 1) / 2 * size, py = (t + 1) / 2 * size;
        for (int yy = int(py) - 2; yy <= int(py) + 2; ++yy)
            for (int xx = int(px) - 2; xx <= int(px) + 2; ++xx)
            {
                const double dx = xx + 0.5 - px, dy = yy + 0.5 - py;
                const double glow = std::exp(-(dx * dx + dy * dy) / (2 * 0.55 * 0.55));
                if (glow > 0.01)
                    canvas.Blend(xx, yy, kStar, weight * glow);
            }
    }
}
}

const std::vector<SkyFaceFile>& SkyFaceFiles()
{
    static const std::vector<SkyFaceFile> files = {
        {SkyFace::Back, "irrlicht2_bk.jpg"}, {SkyFace::Front, "irrlicht2_ft.jpg"},
        {SkyFace::Right, "irrlicht2_rt.jpg"}, {SkyFace::Left, "irrlicht2_lf.jpg"},
        {SkyFace::Down, "irrlicht2_dn.jpg"},  {SkyFace::Up, "irrlicht2_up.jpg"},
    };
    return files;
}

Canvas DrawSkyFace(SkyFace face)
{
    const int size = kSkyFaceSize;
    Canvas canvas(size, size, Colour{});
    Random random(static_cast<uint32_t>(face) + 1);
    for (int py = 0; py < size; ++py)
        for (int px = 0; px < size; ++px)
        {
            Colour sum{0, 0, 0, 0};
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx)
                {
                    const double s = (px + (sx + 0.5) / kSamples) / size * 2 - 1;
                    const double t = (py + (sy + 0.5) / kSamples) / size * 2 - 1;
                    double x, y, z;
                    FaceDirection(face, s, t, x, y, z);
                    const Colour c = SkyColour(x, y, z);
                    sum.r += c.r, sum.g += c.g, sum.b += c.b;
                }
            // A touch of noise keeps the smooth gradient from breaking into bands.
            const double n = random.Next() - 0.5;
            const double k = 1.0 / (kSamples * kSamples);
            canvas.Set(px, py, Colour{sum.r * k + n, sum.g * k + n, sum.b * k + n, 1});
        }
    AddStars(canvas, face, random);
    return canvas;
}

} // namespace assetgen
