// A look at a plug-in file before the loader maps it.
#include "LibraryCheck.h"

#include <elf.h>

#include <cstring>
#include <vector>

#include <wx/ffile.h>

namespace
{

template <typename Header, typename ProgramHeader>
bool SegmentsInsideFile(wxFFile& file, wxFileOffset size)
{
    Header header;
    if (!file.Seek(0) || file.Read(&header, sizeof header) != sizeof header)
        return false;
    const wxFileOffset programEnd =
        static_cast<wxFileOffset>(header.e_phoff) + static_cast<wxFileOffset>(header.e_phnum) * header.e_phentsize;
    const wxFileOffset sectionEnd =
        static_cast<wxFileOffset>(header.e_shoff) + static_cast<wxFileOffset>(header.e_shnum) * header.e_shentsize;
    if (header.e_phentsize != sizeof(ProgramHeader) || programEnd > size || sectionEnd > size)
        return false;
    std::vector<ProgramHeader> segments(header.e_phnum);
    if (!file.Seek(static_cast<wxFileOffset>(header.e_phoff)) ||
        file.Read(segments.data(), segments.size() * sizeof(ProgramHeader)) != segments.size() * sizeof(ProgramHeader))
        return false;
    for (const ProgramHeader& segment : segments)
        if (segment.p_type == PT_LOAD &&
            static_cast<wxFileOffset>(segment.p_offset) + static_cast<wxFileOffset>(segment.p_filesz) > size)
            return false;
    return true;
}

} // namespace

bool IsCompleteLibraryFile(const wxString& path)
{
    wxFFile file(path, "rb");
    if (!file.IsOpened())
        return false;
    const wxFileOffset size = file.Length();
    unsigned char ident[EI_NIDENT];
    if (size < static_cast<wxFileOffset>(sizeof ident) || file.Read(ident, sizeof ident) != sizeof ident)
        return false;
    if (std::memcmp(ident, ELFMAG, SELFMAG) != 0)
        return false;
    if (ident[EI_CLASS] == ELFCLASS64)
        return SegmentsInsideFile<Elf64_Ehdr, Elf64_Phdr>(file, size);
    if (ident[EI_CLASS] == ELFCLASS32)
        return SegmentsInsideFile<Elf32_Ehdr, Elf32_Phdr>(file, size);
    return false;
}
