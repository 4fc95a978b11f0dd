// Node labels: text billboards that rasterise only the inked part of each letter.
#pragma once

#include <vector>

#include <irrlicht.h>

// Where each letter of a bitmap font has ink, read once from the font's pictures. Labels keep
// a reference, so it lives as long as any label drawn with it.
class LabelGlyphs : public irr::IReferenceCounted
{
public:
    // A font that is no bitmap font, or whose pictures cannot be read, gives letters with
    // unknown ink, which are drawn whole.
    explicit LabelGlyphs(irr::gui::IGUIFont* font);
    ~LabelGlyphs() override;

    LabelGlyphs(const LabelGlyphs&) = delete;
    LabelGlyphs& operator=(const LabelGlyphs&) = delete;

    irr::gui::IGUIFont* GetFont() const { return m_font; }
    // The font as the billboards read it, or null for a font they cannot draw.
    irr::gui::IGUIFontBitmap* GetBitmapFont() const { return m_bitmap; }

    // One letter of the font as a billboard draws it: the part of its quad that is drawn, as
    // shares of the quad from its left and from its top edge, with the texture coordinates
    // there. The whole quad takes the letter's rectangle and half a texel around it.
    struct Letter
    {
        irr::u32 texture = 0;
        irr::f32 width = 0.0f; // of the letter's rectangle, in texels
        bool drawn = true;
        irr::f32 left = 0.0f, right = 1.0f, top = 0.0f, bottom = 1.0f;
        irr::core::vector2df texLeftTop, texRightBottom;
    };
    // By sprite number, as the font gives it for a character.
    const Letter& LetterOf(irr::u32 sprite) const;

private:
    irr::gui::IGUIFont* m_font;
    irr::gui::IGUIFontBitmap* m_bitmap = nullptr;
    std::vector<Letter> m_letters; // per sprite
    Letter m_missing;
};

// A text billboard that faces the camera, drawn exactly as the engine's text billboard draws
// it (same letter quads, texture coordinates, colours, material and render pass), except
// that each letter's quad is cut down to the part whose texture samples carry any opacity.
// The cut-off parts would only have sampled fully transparent texels, so the picture is the
// same, while far fewer pixels go through the renderer's costly blending path.
class LabelBillboard : public irr::scene::IBillboardTextSceneNode
{
public:
    LabelBillboard(irr::scene::ISceneNode* parent, irr::scene::ISceneManager* manager, irr::s32 id,
                   LabelGlyphs* glyphs, const wchar_t* text, const irr::core::vector3df& position,
                   const irr::core::dimension2df& size, irr::video::SColor colourTop,
                   irr::video::SColor colourBottom);
    ~LabelBillboard() override;

    LabelBillboard(const LabelBillboard&) = delete;
    LabelBillboard& operator=(const LabelBillboard&) = delete;

    void OnAnimate(irr::u32 timeMs) override;
    void OnRegisterSceneNode() override;
    void render() override;
    const irr::core::aabbox3d<irr::f32>& getBoundingBox() const override;
    irr::video::SMaterial& getMaterial(irr::u32 i) override;
    irr::u32 getMaterialCount() const override;
    irr::scene::ESCENE_NODE_TYPE getType() const override { return irr::scene::ESNT_TEXT; }

    void setText(const wchar_t* text) override;
    void setTextColor(irr::video::SColor colour) override;
    void setSize(const irr::core::dimension2d<irr::f32>& size) override;
    const irr::core::dimension2d<irr::f32>& getSize() const override;
    void setSize(irr::f32 height, irr::f32 bottomEdgeWidth, irr::f32 topEdgeWidth) override;
    void getSize(irr::f32& height, irr::f32& bottomEdgeWidth, irr::f32& topEdgeWidth) const override;
    void setColor(const irr::video::SColor& overallColour) override;
    void setColor(const irr::video::SColor& topColour, const irr::video::SColor& bottomColour) override;
    void getColor(irr::video::SColor& topColour, irr::video::SColor& bottomColour) const override;

    // Share of the letters' whole quads that is drawn; for whoever measures the saving.
    irr::f32 DrawnShare() const;

private:
    // One letter of the text: its shape and where its four corners are in its batch.
    struct Placed
    {
        const LabelGlyphs::Letter* letter;
        irr::f32 kerning;
        int firstVertex; // -1 when nothing of it is drawn
    };
    struct Batch // the letters on one texture, drawn together as the engine does
    {
        irr::video::SMaterial material;
        std::vector<irr::video::S3DVertex> vertices;
        std::vector<irr::u16> indices;
    };

    void ColourVertices();

    LabelGlyphs* m_glyphs;
    irr::gui::IGUIFontBitmap* m_font = nullptr;
    irr::core::stringw m_text;
    irr::video::SColor m_textColour;
    irr::video::SColor m_top;
    irr::video::SColor m_bottom;
    irr::core::dimension2df m_size;
    irr::core::aabbox3d<irr::f32> m_box;
    irr::video::SMaterial m_material;
    std::vector<Placed> m_placed;
    std::vector<Batch> m_batches;
};
