// Record helpers shared by the network builders: digits, fresh end copies and a line index.
#include "NetworkKit.h"

namespace weave
{

wxString BinaryDigits(unsigned value, int n)
{
    wxString digits;
    for (int k = n - 1; k >= 0; --k)
        digits += (k < 32 && ((value >> k) & 1u)) ? wxT('1') : wxT('0');
    return digits;
}

Point* NewEnd(wxInt32 id, wxInt32 id2, wxInt32 id3, wxInt32 x, wxInt32 y, wxInt32 z)
{
    return new Point(id, id2, id3, x, y, z);
}

Point* NewEnd(const Point& node)
{
    return NewEnd(node.id, node.id2, node.id3, node.x, node.y, node.z);
}

Line* AppendLine(LineList* lines, const Point& a, const Point& b)
{
    Line* line = new Line(NewEnd(a), NewEnd(b));
    lines->Append(line);
    return line;
}

namespace
{
size_t HashKey(const LineIndex::Key& k)
{
    size_t h = static_cast<size_t>(static_cast<unsigned>(k.id));
    h = h * 1000003u ^ static_cast<size_t>(static_cast<unsigned>(k.id2));
    h = h * 1000003u ^ static_cast<size_t>(static_cast<unsigned>(k.id3));
    return h;
}

LineIndex::Key KeyOf(const Point& p) { return LineIndex::Key{p.id, p.id2, p.id3}; }
}

size_t LineIndex::PairHash::operator()(const std::pair<Key, Key>& p) const
{
    return HashKey(p.first) * 31u + HashKey(p.second);
}

void LineIndex::Build(const LineList& lines)
{
    m_lines.clear();
    for (LineList::compatibility_iterator node = lines.GetFirst(); node; node = node->GetNext())
        Add(node->GetData());
}

void LineIndex::Add(Line* line)
{
    const Key a = KeyOf(*line->from);
    const Key b = KeyOf(*line->to);
    m_lines[std::make_pair(a, b)].push_back(line);
    if (!(a == b))
        m_lines[std::make_pair(b, a)].push_back(line);
}

const std::vector<Line*>& LineIndex::Between(const Key& a, const Key& b) const
{
    auto found = m_lines.find(std::make_pair(a, b));
    return found == m_lines.end() ? m_none : found->second;
}

size_t NodeIndex::KeyHash::operator()(const LineIndex::Key& k) const { return HashKey(k); }

void NodeIndex::Build(const PointList& points)
{
    m_nodes.clear();
    for (PointList::compatibility_iterator node = points.GetFirst(); node; node = node->GetNext())
        m_nodes.emplace(KeyOf(*node->GetData()), node->GetData());   // keeps the first
}

Point* NodeIndex::Find(wxInt32 id, wxInt32 id2, wxInt32 id3) const
{
    auto found = m_nodes.find(LineIndex::Key{id, id2, id3});
    return found == m_nodes.end() ? nullptr : found->second;
}

} // namespace weave
