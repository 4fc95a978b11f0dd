// Test helpers for the 3D view: a small record set with every role, and a census of a built scene.
#include "SceneProbe.h"

#include "Irr3DLine.h"

using namespace irr;

namespace sceneprobe
{

Point* NewPoint(int x, int y, int z, int state, int time, int drawOrder, const wxString& label)
{
    Point* p = new Point(0, 0, 0, x, y, z);
    p->state = state;
    p->time = time;
    p->drawOrder = drawOrder;
    p->label = label;
    return p;
}

Line* NewLine(int ax, int ay, int az, int bx, int by, int bz, int state, int time, int drawOrder)
{
    Line* l = new Line(new Point(0, 0, 0, ax, ay, az), new Point(0, 0, 0, bx, by, bz));
    l->state = state;
    l->time = time;
    l->drawOrder = drawOrder;
    return l;
}

void FillRecordSet(PointList& points, LineList& lines)
{
    points.Append(NewPoint(0, 0, 0, 1, -1, 0, "0"));
    points.Append(NewPoint(101, 40, 0, 3, 3, 2, "1"));
    points.Append(NewPoint(-30, 80, 20, 2, 2, 4, "22"));
    points.Append(NewPoint(50, 10, -6, 0, -1, 6));
    lines.Append(NewLine(0, 0, 0, 101, 40, 0, 0, -1, 0));
    lines.Append(NewLine(101, 40, 0, -30, 80, 20, 2, 3, 1));
    lines.Append(NewLine(0, 0, 0, 50, 10, -6, 1, 1, 5));
}

Census TakeCensus(scene::ISceneManager* sceneManager)
{
    Census census;
    const core::list<scene::ISceneNode*>& children = sceneManager->getRootSceneNode()->getChildren();
    for (core::list<scene::ISceneNode*>::ConstIterator it = children.begin(); it != children.end(); ++it)
    {
        scene::ISceneNode* node = *it;
        census.all.push_back(node);
        if (irr3DLine* line = dynamic_cast<irr3DLine*>(node))
            census.lines.push_back(line);
        else
            switch (node->getType())
            {
            case scene::ESNT_LIGHT: census.lights.push_back(static_cast<scene::ILightSceneNode*>(node)); break;
            case scene::ESNT_SPHERE:
            case scene::ESNT_MESH: census.spheres.push_back(static_cast<scene::IMeshSceneNode*>(node)); break;
            case scene::ESNT_TEXT: census.labels.push_back(static_cast<scene::IBillboardTextSceneNode*>(node)); break;
            case scene::ESNT_CAMERA: census.cameras.push_back(static_cast<scene::ICameraSceneNode*>(node)); break;
            case scene::ESNT_SKY_BOX: census.skyBoxes.push_back(node); break;
            default: census.others.push_back(node); break;
            }
    }
    return census;
}

video::SColor LabelTop(scene::IBillboardTextSceneNode* label)
{
    video::SColor top, bottom;
    label->getColor(top, bottom);
    return top;
}

video::SColor LabelBottom(scene::IBillboardTextSceneNode* label)
{
    video::SColor top, bottom;
    label->getColor(top, bottom);
    return bottom;
}

} // namespace sceneprobe
