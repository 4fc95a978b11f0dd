// The scene node that draws one network edge segment as a 3D line.
#pragma once

#include <irrlicht.h>

// One straight segment in a fixed colour, unlit; the scene owns it once its creator drops it.
class irr3DLine : public irr::scene::ISceneNode
{
public:
    irr3DLine(irr::scene::ISceneNode* parent, irr::scene::ISceneManager* manager, irr::s32 id,
              const irr::core::vector3df& start, const irr::core::vector3df& end,
              irr::video::SColor colour);
    ~irr3DLine() override;

    irr3DLine(const irr3DLine&) = delete;
    irr3DLine& operator=(const irr3DLine&) = delete;

    void OnRegisterSceneNode() override;
    void render() override;
    const irr::core::aabbox3d<irr::f32>& getBoundingBox() const override;

    // What the node will draw; for whoever inspects a built scene.
    const irr::video::SColor& GetColour() const { return m_colour; }
    const irr::core::vector3df& GetStart() const { return *m_start; }
    const irr::core::vector3df& GetEnd() const { return *m_end; }

private:
    irr::core::aabbox3d<irr::f32> m_box;
    irr::video::SMaterial m_material;
    irr::video::SColor m_colour;
    irr::core::vector3df* m_start;
    irr::core::vector3df* m_end;
};
