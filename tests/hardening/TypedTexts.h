// Seeded texts a person could type into an editable list: real items, near misses and garbage.
#pragma once

#include <cstddef>
#include <random>
#include <string>
#include <vector>

#include <wx/string.h>

namespace hardening
{

// Every item text any plug-in list shows at any size, plus items of sizes the sliders never
// reach (one dimension below and above, levels past the last, grid coordinates up to 10).
const std::vector<wxString>& KnownItems();

// Draws one text at a time; the same seed always gives the same sequence.
class TypedTextSource
{
public:
    explicit TypedTextSource(unsigned seed) : m_random(seed) {}

    wxString Next();
    // item with one small slip: a character changed, dropped or added, the case changed,
    // blanks added, two characters swapped, cut short or doubled.
    wxString NearMiss(const wxString& item);

    unsigned Draw(unsigned bound) { return bound ? static_cast<unsigned>(m_random() % bound) : 0; }

private:
    wxString KnownItem();
    wxString OutOfRange();
    wxString Foreign();
    wxString FormatText();
    wxString Controls();
    wxString VeryLong();
    wxString Mixture();
    wxChar ForeignChar();

    std::mt19937 m_random;
};

// The first count texts of TypedTextSource(seed).
std::vector<wxString> TypedTextTable(unsigned seed, size_t count);

// Printable form for failure messages: non-ASCII and control characters as \u{...}, long
// texts cut down with their length given.
std::string Printable(const wxString& text);

} // namespace hardening
