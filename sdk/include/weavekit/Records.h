// The network records a plug-in hands to the host, and the typed lists that carry them.
#pragma once

#include <wx/defs.h>
#include <wx/list.h>
#include <wx/string.h>

#include "weavekit/Export.h"

// One network node, or a free-standing end of a Line.
class WEAVEKIT_API Point
{
public:
    Point() { ++s_live; }
    Point(wxInt32 id_, wxInt32 id2_, wxInt32 id3_, wxInt32 x_, wxInt32 y_, wxInt32 z_)
        : id(id_), id2(id2_), id3(id3_), x(x_), y(y_), z(z_) { ++s_live; }
    Point(const Point& other);
    Point& operator=(const Point& other) = default;
    ~Point();

    wxInt32 id = 0;
    wxInt32 id2 = 0;
    wxInt32 id3 = 0;
    wxInt32 x = 0;
    wxInt32 y = 0;
    wxInt32 z = 0;
    wxInt32 state = 0;     // 0 normal, 1 selected, 2 nested, 3 visited
    wxInt32 drawOrder = 0;
    wxInt32 time = -1;     // step from which state applies; -1 = from the start
    wxString label;

    // Live Point records in this process; lets tests prove that reloads free everything.
    static long LiveCount();

private:
    static long s_live;
};

// One straight segment. A Line owns its two end records and frees them with itself, so a
// Line must never be given a record that also sits in a PointList.
class WEAVEKIT_API Line
{
public:
    Line(Point* from_, Point* to_) : from(from_), to(to_) { ++s_live; }
    ~Line();
    Line(const Line&) = delete;
    Line& operator=(const Line&) = delete;

    Point* from;
    Point* to;
    wxInt32 state = 0;     // 0 normal, 1 routed, 2 nested
    wxInt32 time = -1;
    wxInt32 drawOrder = 0;

    static long LiveCount();

private:
    static long s_live;
};

WX_DECLARE_USER_EXPORTED_LIST(Point, PointList, WEAVEKIT_API);
WX_DECLARE_USER_EXPORTED_LIST(Line, LineList, WEAVEKIT_API);

// Empties a list in owning mode, freeing every record (and, for lines, their end records).
WEAVEKIT_API void ClearOwned(PointList& points);
WEAVEKIT_API void ClearOwned(LineList& lines);
