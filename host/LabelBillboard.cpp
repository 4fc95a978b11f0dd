// Node labels: text billboards that rasterise only the inked part of each letter.
#include "LabelBillboard.h"

#include <algorithm>

using namespace irr;

namespace
{

// Opacity of one texel, or -1 for a picture format this does not read.
int Opacity(const void* data, video::ECOLOR_FORMAT format, u32 pitch, u32 x, u32 y)
{
    const u8* row = static_cast<const u8*>(data) + y * pitch;
    switch (format)
    {
    case video::ECF_A8R8G8B8: return static_cast<int>(reinterpret_cast<const u32*>(row)[x] >> 24);
    case video::ECF_A1R5G5B5: return (reinterpret_cast<const u16*>(row)[x] & 0x8000) ? 255 : 0;
    default: return -1;
    }
}

int Wrap(int value, int size) { return ((value % size) + size) % size; }

} // namespace

namespace
{

// The texels a sample of a letter's quad can take any colour from: the ones with some
// opacity, counted in texel columns and rows and, where the sampling wraps around the
// picture's edge, beyond it.
struct Ink
{
    bool known = false; // false: the picture cannot be read, the letter is drawn whole
    bool any = false;   // false: the letter leaves no mark at all
    int left = 0, right = 0, top = 0, bottom = 0; // inclusive
};

Ink InkAround(const core::rect<s32>& r, const void* data, video::ECOLOR_FORMAT format, u32 pitch,
              const core::dimension2du& size)
{
    // The letter's quad reaches half a texel past its rectangle, and a filtered sample reads
    // the texel after the one it falls in, wrapping around the picture's edges; two texels
    // around the rectangle cover all it can read.
    Ink ink;
    ink.known = data != nullptr;
    for (int y = r.UpperLeftCorner.Y - 2; y <= r.LowerRightCorner.Y + 2 && ink.known; ++y)
        for (int x = r.UpperLeftCorner.X - 2; x <= r.LowerRightCorner.X + 2; ++x)
        {
            const int opacity = Opacity(data, format, pitch, Wrap(x, static_cast<int>(size.Width)),
                                        Wrap(y, static_cast<int>(size.Height)));
            if (opacity < 0)
            {
                ink.known = false;
                break;
            }
            if (opacity == 0)
                continue;
            if (!ink.any)
            {
                ink.any = true;
                ink.left = ink.right = x;
                ink.top = ink.bottom = y;
            }
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.top = std::min(ink.top, y);
            ink.bottom = std::max(ink.bottom, y);
        }
    return ink;
}

LabelGlyphs::Letter Shape(const core::rect<s32>& r, const core::dimension2du& size, const Ink& ink)
{
    LabelGlyphs::Letter letter;
    letter.width = static_cast<f32>(r.getWidth());
    // The whole quad's texture coordinates, half a texel past the rectangle, computed as the
    // engine computes them.
    const f32 dimX = core::reciprocal(static_cast<f32>(size.Width));
    const f32 dimY = core::reciprocal(static_cast<f32>(size.Height));
    const f32 u0 = r.UpperLeftCorner.X * dimX - 0.5f * dimX;
    const f32 u1 = r.LowerRightCorner.X * dimX + 0.5f * dimX;
    const f32 v0 = r.UpperLeftCorner.Y * dimY - 0.5f * dimY;
    const f32 v1 = r.LowerRightCorner.Y * dimY + 0.5f * dimY;

    // The renderer samples texel (u (width - 1/4), v (height - 1/4)) and the one after it, so
    // a sample more than a texel before the first inked texel or after the last one is fully
    // transparent; a tenth of a texel more keeps rounding on the safe side.
    if (ink.known && !ink.any)
        letter.drawn = false;
    else if (ink.known)
    {
        const f32 inkU0 = (ink.left - 1.1f) / (size.Width - 0.25f);
        const f32 inkU1 = (ink.right + 1.1f) / (size.Width - 0.25f);
        const f32 inkV0 = (ink.top - 1.1f) / (size.Height - 0.25f);
        const f32 inkV1 = (ink.bottom + 1.1f) / (size.Height - 0.25f);
        letter.left = core::clamp((inkU0 - u0) / (u1 - u0), 0.0f, 1.0f);
        letter.right = core::clamp((inkU1 - u0) / (u1 - u0), 0.0f, 1.0f);
        letter.top = core::clamp((inkV0 - v0) / (v1 - v0), 0.0f, 1.0f);
        letter.bottom = core::clamp((inkV1 - v0) / (v1 - v0), 0.0f, 1.0f);
        letter.drawn = letter.left < letter.right && letter.top < letter.bottom;
    }
    // Untouched edges keep the engine's coordinates to the bit.
    letter.texLeftTop.set(letter.left == 0.0f ? u0 : u0 + (u1 - u0) * letter.left,
                          letter.top == 0.0f ? v0 : v0 + (v1 - v0) * letter.top);
    letter.texRightBottom.set(letter.right == 1.0f ? u1 : u0 + (u1 - u0) * letter.right,
                              letter.bottom == 1.0f ? v1 : v0 + (v1 - v0) * letter.bottom);
    return letter;
}

} // namespace

LabelGlyphs::LabelGlyphs(gui::IGUIFont* font) : m_font(font)
{
    m_missing.drawn = false;
    if (!m_font)
        return;
    m_font->grab();
    if (m_font->getType() != gui::EGFT_BITMAP)
        return;
    m_bitmap = static_cast<gui::IGUIFontBitmap*>(m_font);
    gui::IGUISpriteBank* bank = m_bitmap->getSpriteBank();
    if (!bank)
        return;
    const core::array<core::rect<s32>>& rectangles = bank->getPositions();
    const core::array<gui::SGUISprite>& sprites = bank->getSprites();
    m_letters.resize(sprites.size());
    for (u32 t = 0; t < bank->getTextureCount(); ++t)
    {
        video::ITexture* texture = bank->getTexture(t);
        if (!texture)
            continue;
        const core::dimension2du size = texture->getSize();
        const void* data = texture->lock(video::ETLM_READ_ONLY);
        const video::ECOLOR_FORMAT format = texture->getColorFormat();
        const u32 pitch = texture->getPitch();
        for (u32 s = 0; s < sprites.size(); ++s)
        {
            if (sprites[s].Frames.empty() || sprites[s].Frames[0].textureNumber != t ||
                sprites[s].Frames[0].rectNumber >= rectangles.size())
                continue;
            const core::rect<s32>& r = rectangles[sprites[s].Frames[0].rectNumber];
            m_letters[s] = Shape(r, size, InkAround(r, data, format, pitch, size));
            m_letters[s].texture = t;
        }
        if (data)
            texture->unlock();
    }
}

LabelGlyphs::~LabelGlyphs()
{
    if (m_font)
        m_font->drop();
}

const LabelGlyphs::Letter& LabelGlyphs::LetterOf(u32 sprite) const
{
    return sprite < m_letters.size() ? m_letters[sprite] : m_missing;
}

LabelBillboard::LabelBillboard(scene::ISceneNode* parent, scene::ISceneManager* manager, s32 id,
                               LabelGlyphs* glyphs, const wchar_t* text, const core::vector3df& position,
                               const core::dimension2df& size, video::SColor colourTop,
                               video::SColor colourBottom)
    : scene::IBillboardTextSceneNode(parent, manager, id, position),
      m_glyphs(glyphs),
      m_top(colourTop),
      m_bottom(colourBottom)
{
    // The engine's text billboard material: blended by the texture's opacity, unlit, both
    // sides, depth tested but never written.
    m_material.MaterialType = video::EMT_TRANSPARENT_ALPHA_CHANNEL;
    m_material.MaterialTypeParam = 1.0f / 255.0f;
    m_material.BackfaceCulling = false;
    m_material.Lighting = false;
    m_material.ZBuffer = video::ECFN_LESSEQUAL;
    m_material.ZWriteEnable = false;

    m_glyphs->grab();
    m_font = m_glyphs->GetBitmapFont();
    if (m_font)
    {
        gui::IGUISpriteBank* bank = m_font->getSpriteBank();
        m_batches.resize(bank->getTextureCount());
        for (u32 i = 0; i < m_batches.size(); ++i)
        {
            m_batches[i].material = m_material;
            m_batches[i].material.setTexture(0, bank->getTexture(i));
        }
    }
    setText(text);
    setSize(size);
    setAutomaticCulling(scene::EAC_BOX);
}

LabelBillboard::~LabelBillboard() { m_glyphs->drop(); }

void LabelBillboard::setText(const wchar_t* text)
{
    if (!m_font)
        return;
    m_text = text;
    m_placed.clear();
    for (Batch& batch : m_batches)
    {
        batch.vertices.clear();
        batch.indices.clear();
    }
    m_placed.reserve(m_text.size());
    for (u32 i = 0; i < m_text.size(); ++i)
    {
        Placed placed;
        placed.letter = &m_glyphs->LetterOf(m_font->getSpriteNoFromChar(&m_text[i]));
        placed.kerning = static_cast<f32>(m_font->getKerningWidth(&m_text[i], i > 0 ? &m_text[i - 1] : nullptr));
        placed.firstVertex = -1;
        const LabelGlyphs::Letter& letter = *placed.letter;
        if (letter.drawn && letter.texture < m_batches.size())
        {
            Batch& batch = m_batches[letter.texture];
            placed.firstVertex = static_cast<int>(batch.vertices.size());
            batch.vertices.resize(placed.firstVertex + 4);
            // Corners: right bottom, right top, left top, left bottom.
            video::S3DVertex* v = &batch.vertices[placed.firstVertex];
            v[0].TCoords.set(letter.texRightBottom.X, letter.texRightBottom.Y);
            v[1].TCoords.set(letter.texRightBottom.X, letter.texLeftTop.Y);
            v[2].TCoords.set(letter.texLeftTop.X, letter.texLeftTop.Y);
            v[3].TCoords.set(letter.texLeftTop.X, letter.texRightBottom.Y);
            const u16 f = static_cast<u16>(placed.firstVertex);
            const u16 corners[6] = {f, static_cast<u16>(f + 2), static_cast<u16>(f + 1),
                                    f, static_cast<u16>(f + 3), static_cast<u16>(f + 2)};
            batch.indices.insert(batch.indices.end(), corners, corners + 6);
        }
        m_placed.push_back(placed);
    }
    ColourVertices();
}

void LabelBillboard::ColourVertices()
{
    for (const Placed& placed : m_placed)
    {
        if (placed.firstVertex < 0)
            continue;
        const LabelGlyphs::Letter& letter = *placed.letter;
        // Top colour at the quad's top edge, bottom colour at its bottom edge, in between
        // as the renderer would blend them.
        const video::SColor upper = letter.top == 0.0f ? m_top : m_bottom.getInterpolated(m_top, letter.top);
        const video::SColor lower =
            letter.bottom == 1.0f ? m_bottom : m_bottom.getInterpolated(m_top, letter.bottom);
        video::S3DVertex* v = &m_batches[letter.texture].vertices[placed.firstVertex];
        v[0].Color = lower;
        v[1].Color = upper;
        v[2].Color = upper;
        v[3].Color = lower;
    }
}

void LabelBillboard::OnAnimate(u32 timeMs)
{
    ISceneNode::OnAnimate(timeMs);
    if (!IsVisible || !m_font)
        return;
    scene::ICameraSceneNode* camera = SceneManager->getActiveCamera();
    if (!camera)
        return;

    // The engine's layout: letters side by side in proportion to their widths, the whole
    // text centred on the node and turned to face the camera.
    f32 textLength = 0.0f;
    for (const Placed& placed : m_placed)
        textLength += placed.kerning + placed.letter->width;
    if (textLength < 0.0f)
        textLength = 1.0f;

    core::vector3df pos = getAbsolutePosition();
    const core::vector3df campos = camera->getAbsolutePosition();
    const core::vector3df target = camera->getTarget();
    const core::vector3df up = camera->getUpVector();
    core::vector3df view = target - campos;
    view.normalize();
    core::vector3df horizontal = up.crossProduct(view);
    if (horizontal.getLength() == 0)
        horizontal.set(up.Y, up.X, up.Z);
    horizontal.normalize();
    const core::vector3df space = horizontal;
    horizontal *= 0.5f * m_size.Width;
    core::vector3df vertical = horizontal.crossProduct(view);
    vertical.normalize();
    vertical *= 0.5f * m_size.Height;
    view *= -1.0f;

    pos += space * (m_size.Width * -0.5f);
    bool boxStarted = false;
    for (const Placed& placed : m_placed)
    {
        const LabelGlyphs::Letter& letter = *placed.letter;
        const f32 infw = letter.width / textLength;
        const f32 infk = placed.kerning / textLength;
        const f32 w = m_size.Width * infw * 0.5f;
        pos += space * w;
        const core::vector3df half = space * w;

        // The whole quad bounds the node, as with the engine's billboard.
        const core::vector3df whole[2] = {pos + half + vertical, pos - half - vertical};
        for (const core::vector3df& corner : whole)
        {
            if (boxStarted)
                m_box.addInternalPoint(corner);
            else
                m_box.reset(corner);
            boxStarted = true;
        }
        m_box.addInternalPoint(pos + half - vertical);
        m_box.addInternalPoint(pos - half + vertical);

        if (placed.firstVertex >= 0)
        {
            const core::vector3df right = half * (2.0f * letter.right - 1.0f);
            const core::vector3df left = half * (2.0f * letter.left - 1.0f);
            const core::vector3df lower = vertical * (2.0f * letter.bottom - 1.0f);
            const core::vector3df upper = vertical * (2.0f * letter.top - 1.0f);
            video::S3DVertex* v = &m_batches[letter.texture].vertices[placed.firstVertex];
            v[0].Pos = pos + right + lower;
            v[1].Pos = pos + right + upper;
            v[2].Pos = pos + left + upper;
            v[3].Pos = pos + left + lower;
            for (int c = 0; c < 4; ++c)
                v[c].Normal = view;
        }
        pos += space * (m_size.Width * infk + w);
    }
    if (!boxStarted)
        m_box.reset(0.0f, 0.0f, 0.0f);
    const core::matrix4 toNode(getAbsoluteTransformation(), core::matrix4::EM4CONST_INVERSE);
    toNode.transformBoxEx(m_box);
}

void LabelBillboard::OnRegisterSceneNode()
{
    SceneManager->registerNodeForRendering(this, scene::ESNRP_TRANSPARENT);
    ISceneNode::OnRegisterSceneNode();
}

void LabelBillboard::render()
{
    if (!m_font)
        return;
    video::IVideoDriver* driver = SceneManager->getVideoDriver();
    driver->setTransform(video::ETS_WORLD, core::IdentityMatrix);
    for (const Batch& batch : m_batches)
    {
        driver->setMaterial(batch.material);
        if (!batch.indices.empty())
            driver->drawIndexedTriangleList(batch.vertices.data(), static_cast<u32>(batch.vertices.size()),
                                            batch.indices.data(), static_cast<u32>(batch.indices.size() / 3));
    }
}

const core::aabbox3d<f32>& LabelBillboard::getBoundingBox() const { return m_box; }

video::SMaterial& LabelBillboard::getMaterial(u32 i)
{
    return i < m_batches.size() ? m_batches[i].material : m_material;
}

u32 LabelBillboard::getMaterialCount() const { return m_font ? static_cast<u32>(m_batches.size()) : 0; }

void LabelBillboard::setTextColor(video::SColor colour) { m_textColour = colour; }

void LabelBillboard::setSize(const core::dimension2d<f32>& size)
{
    m_size = size;
    if (m_size.Width == 0.0f)
        m_size.Width = 1.0f;
    if (m_size.Height == 0.0f)
        m_size.Height = 1.0f;
}

const core::dimension2d<f32>& LabelBillboard::getSize() const { return m_size; }

void LabelBillboard::setSize(f32 height, f32 bottomEdgeWidth, f32)
{
    setSize(core::dimension2df(bottomEdgeWidth, height));
}

void LabelBillboard::getSize(f32& height, f32& bottomEdgeWidth, f32& topEdgeWidth) const
{
    height = m_size.Height;
    bottomEdgeWidth = m_size.Width;
    topEdgeWidth = m_size.Width;
}

void LabelBillboard::setColor(const video::SColor& overallColour)
{
    // Like the engine: every corner takes the colour, the top and bottom colours stay.
    for (Batch& batch : m_batches)
        for (video::S3DVertex& v : batch.vertices)
            v.Color = overallColour;
}

void LabelBillboard::setColor(const video::SColor& topColour, const video::SColor& bottomColour)
{
    m_top = topColour;
    m_bottom = bottomColour;
    ColourVertices();
}

void LabelBillboard::getColor(video::SColor& topColour, video::SColor& bottomColour) const
{
    topColour = m_top;
    bottomColour = m_bottom;
}

f32 LabelBillboard::DrawnShare() const
{
    f32 whole = 0.0f, drawn = 0.0f;
    for (const Placed& placed : m_placed)
    {
        const LabelGlyphs::Letter& letter = *placed.letter;
        whole += letter.width;
        if (placed.firstVertex >= 0)
            drawn += letter.width * (letter.right - letter.left) * (letter.bottom - letter.top);
    }
    return whole > 0.0f ? drawn / whole : 0.0f;
}
