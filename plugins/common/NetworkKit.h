// Record helpers shared by the network builders: digits, fresh end copies and a line index.
#pragma once

#include <unordered_map>
#include <vector>

#include <wx/string.h>

#include "weavekit/Records.h"

namespace weave
{

// value written with exactly n binary digits, most significant first.
wxString BinaryDigits(unsigned value, int n);

// A fresh end record for a Line: keys and position of node, state 0, time -1, no label.
Point* NewEnd(const Point& node);
Point* NewEnd(wxInt32 id, wxInt32 id2, wxInt32 id3, wxInt32 x, wxInt32 y, wxInt32 z);
// A Line between fresh copies of a and b, appended to lines.
Line* AppendLine(LineList* lines, const Point& a, const Point& b);

// Finds every Line whose end keys name a given pair of nodes, in either direction, without
// scanning the whole list for each question. Keys are (id, id2, id3) of the end records.
class LineIndex
{
public:
    struct Key
    {
        wxInt32 id, id2, id3;
        bool operator==(const Key& o) const { return id == o.id && id2 == o.id2 && id3 == o.id3; }
    };

    void Build(const LineList& lines);
    void Add(Line* line);
    // Lines joining a and b (either direction), in list order.
    const std::vector<Line*>& Between(const Key& a, const Key& b) const;

private:
    struct PairHash
    {
        size_t operator()(const std::pair<Key, Key>& p) const;
    };
    std::unordered_map<std::pair<Key, Key>, std::vector<Line*>, PairHash> m_lines;
    std::vector<Line*> m_none;
};

// Index of node records by their keys, for O(1) lookups while marking.
class NodeIndex
{
public:
    void Build(const PointList& points);
    // First node in list order with these keys, or null.
    Point* Find(wxInt32 id, wxInt32 id2 = 0, wxInt32 id3 = 0) const;

private:
    struct KeyHash
    {
        size_t operator()(const LineIndex::Key& k) const;
    };
    std::unordered_map<LineIndex::Key, Point*, KeyHash> m_nodes;
};

} // namespace weave
