// Compiled list classes and record lifetimes shared by the host and every plug-in.
#include "weavekit/Records.h"

#include <wx/listimpl.cpp>

long Point::s_live = 0;
long Line::s_live = 0;

Point::Point(const Point& other)
    : id(other.id), id2(other.id2), id3(other.id3), x(other.x), y(other.y), z(other.z),
      state(other.state), drawOrder(other.drawOrder), time(other.time), label(other.label)
{
    ++s_live;
}

Point::~Point() { --s_live; }

long Point::LiveCount() { return s_live; }

Line::~Line()
{
    delete from;
    delete to;
    --s_live;
}

long Line::LiveCount() { return s_live; }

WX_DEFINE_USER_EXPORTED_LIST(PointList);
WX_DEFINE_USER_EXPORTED_LIST(LineList);

void ClearOwned(PointList& points)
{
    points.DeleteContents(true);
    points.Clear();
}

void ClearOwned(LineList& lines)
{
    lines.DeleteContents(true);
    lines.Clear();
}
