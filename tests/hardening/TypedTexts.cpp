// Seeded texts a person could type into an editable list: real items, near misses and garbage.
#include "TypedTexts.h"

#include <cwctype>

#include "ButterflyCore.h"
#include "GridCore.h"
#include "HypercubeNetwork.h"

namespace hardening
{

namespace
{

// Letters that look like or sit next to the ones in real items: accented, CJK, emoji,
// combining marks, lone surrogate halves, byte order mark, zero-width and bidi controls,
// full-width and Arabic-Indic digits, full-width brackets, Cyrillic look-alikes.
const wxChar kForeign[] = {
    0x00E4, 0x00C4, 0x00DF, 0x00A0, 0x4E2D, 0x6587, 0x0301, 0x0308, 0x20DD,
    0xD800, 0xDBFF, 0xDC00, 0xDFFF, 0xFEFF, 0xFFFE, 0xFFFD, 0x200B, 0x200D, 0x202E, 0x2066,
    0xFF10, 0xFF11, 0x0660, 0x0661, 0xFF08, 0xFF09, 0xFF0C, 0xFF5B, 0xFF5D,
    0x0430, 0x0435, 0x043E, 0x041C, 0x0420, 0x2212, 0x2010,
    0x1F600, 0x1F9EA, 0x10FFFF, 0xE000,
};

const char* const kFormats[] = {
    "%s%n%d%%", "%n", "%s", "%d", "%%", "%", "%999999999s", "%ls", "%1$s", "%.*s", "%x%x%x%x",
    "%n%n%n%n%n%n", "{%d}", "{%d,%d}", "{%d,%d,%d}", "(%d,", "(%s)", "%d,%s", "%c", "%-2147483648d",
};

const char* const kNumbers[] = {
    "-1", "0", "1", "2", "3", "5", "6", "7", "9", "10", "11", "12", "100", "007", "+1", "0x1", "1e1", " 1",
    "2147483647", "2147483648", "-2147483648", "4294967296", "99999999999999999999", "-0", "1.0",
};

const char* const kNearPool = "0123456789(){},-+ aAzZ.%*_";

void AddHypercubeItems(std::vector<wxString>& items)
{
    for (int n = 1; n <= 7; ++n)
        for (int node = 0; node < (1 << n); ++node)
            items.push_back(hypercube::NodeListText(node, n));
    for (const wxChar* topology : {hypercube::kHamiltonianPath, hypercube::kHamiltonianCycle,
                                   hypercube::kBinaryTree, hypercube::kBinaryTreeCoin, hypercube::kMesh})
        items.push_back(topology);
}

void AddGridItems(std::vector<wxString>& items)
{
    for (int i = 0; i <= grid::kMaxLength; ++i)
    {
        items.push_back(grid::KeyText(1, i, 0, 0));
        for (int j = 0; j <= grid::kMaxWidth; ++j)
        {
            items.push_back(grid::KeyText(2, i, j, 0));
            for (int k = 0; k <= grid::kMaxHigh; ++k)
                items.push_back(grid::KeyText(3, i, j, k));
        }
    }
    for (const wchar_t* topology : {grid::kHamiltonianPath, grid::kHamiltonianCycle, grid::kMesh})
        items.push_back(topology);
}

void AddButterflyItems(std::vector<wxString>& items)
{
    for (int n = 1; n <= butterfly::MaxDimension + 1; ++n)
        for (int level = 0; level <= n + 1; ++level)
            for (int row = 0; row < (1 << n); ++row)
                items.push_back(butterfly::NodeText(level, row, n));
}

} // namespace

const std::vector<wxString>& KnownItems()
{
    static const std::vector<wxString> items = [] {
        std::vector<wxString> all;
        AddHypercubeItems(all);
        AddGridItems(all);
        AddButterflyItems(all);
        return all;
    }();
    return items;
}

wxChar TypedTextSource::ForeignChar() { return kForeign[Draw(sizeof kForeign / sizeof kForeign[0])]; }

wxString TypedTextSource::KnownItem()
{
    // The few topology names would drown among the thousands of node texts.
    static const std::vector<wxString> topologies = [] {
        std::vector<wxString> names;
        for (const wxString& item : KnownItems())
            if (!item.StartsWith("(") && !item.StartsWith("{"))
                names.push_back(item);
        return names;
    }();
    const std::vector<wxString>& items = Draw(8) == 0 ? topologies : KnownItems();
    return items[Draw(static_cast<unsigned>(items.size()))];
}

wxString TypedTextSource::NearMiss(const wxString& item)
{
    if (item.empty())
        return wxString(static_cast<wxChar>(kNearPool[Draw(26)]));
    wxString text = item;
    const size_t at = Draw(static_cast<unsigned>(text.length()));
    switch (Draw(9))
    {
    case 0:   // one character changed
        text[at] = Draw(4) ? static_cast<wxChar>(kNearPool[Draw(26)]) : ForeignChar();
        break;
    case 1:   // one character dropped
        text.erase(at, 1);
        break;
    case 2:   // one character added
        text.insert(Draw(static_cast<unsigned>(text.length() + 1)), 1, static_cast<wxChar>(kNearPool[Draw(26)]));
        break;
    case 3:   // case changed, all of it or one letter
        if (Draw(2))
            text = Draw(2) ? text.Upper() : text.Lower();
        else
        {
            const wint_t c = static_cast<wint_t>(wxUniChar(text[at]).GetValue());
            text[at] = static_cast<wxChar>(std::iswupper(c) ? std::towlower(c) : std::towupper(c));
        }
        break;
    case 4:   // blanks where none belong
        switch (Draw(5))
        {
        case 0: text = " " + text; break;
        case 1: text += " "; break;
        case 2: text.insert(at, " "); break;
        case 3: text = "\t" + text + "\t"; break;
        default: text.insert(at, wxString(static_cast<wxChar>(0x00A0))); break;
        }
        break;
    case 5:   // two neighbours swapped
        if (at + 1 < text.length())
        {
            const wxChar first = text[at];
            text[at] = text[at + 1];
            text[at + 1] = first;
        }
        break;
    case 6:   // cut short
        text.Truncate(Draw(static_cast<unsigned>(text.length())));
        break;
    case 7:   // doubled
        text = Draw(2) ? text + text : text + "," + text;
        break;
    default:   // a digit written in another script
        for (size_t i = 0; i < text.length(); ++i)
        {
            const unsigned c = wxUniChar(text[i]).GetValue();
            if (c >= '0' && c <= '9')
            {
                text[i] = static_cast<wxChar>((Draw(2) ? 0xFF10 : 0x0660) + (c - '0'));
                break;
            }
        }
        break;
    }
    return text;
}

wxString TypedTextSource::OutOfRange()
{
    auto number = [this] { return wxString(kNumbers[Draw(sizeof kNumbers / sizeof kNumbers[0])]); };
    switch (Draw(6))
    {
    case 0:   // node digits that are no binary digits
    {
        wxString digits;
        const unsigned count = 1 + Draw(8);
        for (unsigned i = 0; i < count; ++i)
            digits += static_cast<wxChar>("01290"[Draw(5)]);
        return "(" + digits + ")";
    }
    case 1:   // far more digits than any dimension
        return "(" + wxString('1', 20 + Draw(60)) + ")";
    case 2:   // a butterfly level or row no network has
        return "(" + number() + "," + (Draw(2) ? number() : wxString("101")) + ")";
    case 3:   // grid coordinates past the edges, negative, or too many of them
    {
        wxString key = "{" + number();
        const unsigned more = Draw(4);
        for (unsigned i = 0; i < more; ++i)
            key += "," + number();
        return key + "}";
    }
    case 4:
    {
        static const char* const kHollow[] = {"()", "(,)", "{}", "{,}", "(0,)", "{,,}", "(", ")", "{", "}", ",", "{0,}"};
        return kHollow[Draw(sizeof kHollow / sizeof kHollow[0])];
    }
    default:
        return number();
    }
}

wxString TypedTextSource::Foreign()
{
    switch (Draw(5))
    {
    case 0:   // a letter from elsewhere inside a real item
    {
        wxString text = KnownItem();
        text.insert(Draw(static_cast<unsigned>(text.length() + 1)), 1, ForeignChar());
        return text;
    }
    case 1:   // a real item with one letter swapped for a look-alike
    {
        wxString text = KnownItem();
        text[Draw(static_cast<unsigned>(text.length()))] = ForeignChar();
        return text;
    }
    case 2:   // bytes that are no UTF-8, as the toolkit decodes them (it may give nothing)
    {
        std::string bytes;
        const unsigned count = 1 + Draw(6);
        for (unsigned i = 0; i < count; ++i)
            bytes += static_cast<char>(0x80 + Draw(128));
        return Draw(2) ? wxString::FromUTF8(bytes.data(), bytes.size()) : wxString(bytes.data(), wxConvISO8859_1);
    }
    default:   // foreign letters only
    {
        wxString text;
        const unsigned count = 1 + Draw(8);
        for (unsigned i = 0; i < count; ++i)
            text += ForeignChar();
        return text;
    }
    }
}

wxString TypedTextSource::FormatText()
{
    const wxString format = kFormats[Draw(sizeof kFormats / sizeof kFormats[0])];
    switch (Draw(3))
    {
    case 0:
        return format;
    case 1:
        return KnownItem() + format;
    default:
    {
        wxString text = KnownItem();
        text.insert(Draw(static_cast<unsigned>(text.length() + 1)), format);
        return text;
    }
    }
}

wxString TypedTextSource::Controls()
{
    auto control = [this]() -> wxChar {
        const unsigned pick = Draw(34);
        if (pick < 31)
            return static_cast<wxChar>(1 + pick);   // 1 ... 31; never a NUL
        return pick == 31 ? wxChar(0x7F) : pick == 32 ? wxChar(0x85) : wxChar(0x9B);
    };
    switch (Draw(3))
    {
    case 0:
    {
        wxString text;
        const unsigned count = 1 + Draw(6);
        for (unsigned i = 0; i < count; ++i)
            text += control();
        return text;
    }
    case 1:
    {
        wxString text = KnownItem();
        text.insert(Draw(static_cast<unsigned>(text.length() + 1)), 1, control());
        return text;
    }
    default:
        return KnownItem() + (Draw(2) ? "\r\n" : "\x1b[0m");
    }
}

wxString TypedTextSource::VeryLong()
{
    constexpr size_t kLength = 10000;
    wxString text;
    switch (Draw(4))
    {
    case 0:   // one item over and over
    {
        const wxString item = KnownItem();
        while (text.length() < kLength)
            text += item;
        text.Truncate(kLength);
        break;
    }
    case 1:   // a real item drowned in blanks
        text = KnownItem() + wxString(' ', kLength - 20);
        break;
    case 2:   // a node text with thousands of digits
        text = "(" + wxString('0', kLength - 2) + ")";
        break;
    default:   // anything at all
        text.reserve(kLength);
        while (text.length() < kLength)
            text += Draw(3) ? static_cast<wxChar>(0x20 + Draw(95)) : ForeignChar();
        break;
    }
    return text;
}

wxString TypedTextSource::Mixture()
{
    wxString text;
    const unsigned parts = 2 + Draw(3);
    for (unsigned i = 0; i < parts; ++i)
    {
        switch (Draw(6))
        {
        case 0: text += KnownItem(); break;
        case 1: text += NearMiss(KnownItem()); break;
        case 2: text += OutOfRange(); break;
        case 3: text += Foreign(); break;
        case 4: text += FormatText(); break;
        default: text += Controls(); break;
        }
    }
    return text;
}

wxString TypedTextSource::Next()
{
    const unsigned pick = Draw(1000);
    if (pick < 40)
        return wxString();
    if (pick < 45)
        return VeryLong();
    if (pick < 245)
        return KnownItem();
    if (pick < 495)
        return NearMiss(KnownItem());
    if (pick < 595)
        return OutOfRange();
    if (pick < 715)
        return Foreign();
    if (pick < 795)
        return FormatText();
    if (pick < 875)
        return Controls();
    return Mixture();
}

std::vector<wxString> TypedTextTable(unsigned seed, size_t count)
{
    TypedTextSource source(seed);
    std::vector<wxString> table;
    table.reserve(count);
    for (size_t i = 0; i < count; ++i)
        table.push_back(source.Next());
    return table;
}

std::string Printable(const wxString& text)
{
    constexpr size_t kShown = 60;
    std::string out = "\"";
    size_t shown = 0;
    for (wxString::const_iterator it = text.begin(); it != text.end() && shown < kShown; ++it, ++shown)
    {
        const wxUniChar c = *it;
        const unsigned value = c.GetValue();
        if (value >= 0x20 && value < 0x7F && value != '\\' && value != '"')
            out += static_cast<char>(value);
        else
            out += wxString::Format("\\u{%X}", value).ToStdString();
    }
    out += "\"";
    if (text.length() > kShown)
        out += wxString::Format("... (%zu characters)", text.length()).ToStdString();
    return out;
}

} // namespace hardening
