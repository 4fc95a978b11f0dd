// The scene node that draws one network edge segment as a 3D line.
#include "Irr3DLine.h"

using namespace irr;

irr3DLine::irr3DLine(scene::ISceneNode* parent, scene::ISceneManager* manager, s32 id,
                     const core::vector3df& start, const core::vector3df& end, video::SColor colour)
    : scene::ISceneNode(parent, manager, id),
      m_box(-1.0f, -1.0f, -1.0f, 1.0f, 1.0f, 1.0f),
      m_colour(colour),
      m_start(new core::vector3df(start)),
      m_end(new core::vector3df(end))
{
    // Edges keep their role colour whatever the light does.
    m_material.Lighting = false;
    // The node's box is a fixed one around the origin, not around the segment, so the scene
    // manager's box test would hide every edge whenever the origin leaves the view (close-ups,
    // networks far from it). The driver clips the segment to the view anyway.
    setAutomaticCulling(scene::EAC_OFF);
}

irr3DLine::~irr3DLine()
{
    delete m_start;
    delete m_end;
}

void irr3DLine::OnRegisterSceneNode()
{
    if (IsVisible)
        SceneManager->registerNodeForRendering(this, scene::ESNRP_AUTOMATIC);
    ISceneNode::OnRegisterSceneNode();
}

void irr3DLine::render()
{
    video::IVideoDriver* driver = SceneManager->getVideoDriver();
    driver->setMaterial(m_material);
    driver->setTransform(video::ETS_WORLD, AbsoluteTransformation);
    driver->draw3DLine(*m_start, *m_end, m_colour);
}

const core::aabbox3d<f32>& irr3DLine::getBoundingBox() const { return m_box; }
