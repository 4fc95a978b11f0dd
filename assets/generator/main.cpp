// Writes the program's pictures (tool bar icons, label font, sky box) into a bitmaps folder.
#include <cstdio>
#include <string>

#include <wx/filename.h>
#include <wx/image.h>
#include <wx/init.h>

#include "BmpFile.h"
#include "LabelFont.h"
#include "SkyBox.h"
#include "ToolIcons.h"

using namespace assetgen;

namespace
{
bool Save(wxImage& image, const wxString& folder, const char* name, wxBitmapType type)
{
    const wxString path = wxFileName(folder, name).GetFullPath();
    if (!image.IsOk() || !image.SaveFile(path, type))
    {
        fprintf(stderr, "assetgen: cannot write %s\n", static_cast<const char*>(path.utf8_str()));
        return false;
    }
    return true;
}
}

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        fprintf(stderr, "usage: %s <bitmaps folder>\n", argv[0]);
        return 2;
    }
    wxInitializer toolkit; // the console part only: no display is needed
    if (!toolkit.IsOk())
    {
        fprintf(stderr, "assetgen: cannot initialise the toolkit\n");
        return 1;
    }
    wxImage::AddHandler(new wxPNGHandler);
    wxImage::AddHandler(new wxJPEGHandler);

    const wxString folder = wxString::FromUTF8(argv[1]);
    if (!wxFileName::Mkdir(folder, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL))
    {
        fprintf(stderr, "assetgen: cannot create %s\n", argv[1]);
        return 1;
    }

    bool ok = true;
    for (const ToolIcon& icon : ToolIcons())
    {
        // Transparent, but holding the tool bar's colour for readers that ignore the alpha.
        Colour clear = ToolBarBackground();
        clear.a = 0;
        Canvas canvas(kToolIconSize, kToolIconSize, clear);
        icon.draw(canvas);
        const wxString path = wxFileName(folder, icon.fileName).GetFullPath();
        if (!SaveBmpWithAlpha(canvas, std::string(path.fn_str())))
        {
            fprintf(stderr, "assetgen: cannot write %s\n", static_cast<const char*>(path.utf8_str()));
            ok = false;
        }
    }

    wxImage font;
    std::string error;
    if (!MakeLabelFont(font, error))
    {
        fprintf(stderr, "assetgen: label font: %s\n", error.c_str());
        ok = false;
    }
    else
    {
        // Full RGBA, never a palette: the font reader compares exact colours.
        font.SetOption(wxIMAGE_OPTION_PNG_FORMAT, wxPNG_TYPE_COLOUR);
        ok = Save(font, folder, "bigfont.png", wxBITMAP_TYPE_PNG) && ok;
    }

    for (const SkyFaceFile& file : SkyFaceFiles())
    {
        wxImage image = DrawSkyFace(file.face).ToImage(false);
        image.SetOption(wxIMAGE_OPTION_QUALITY, 92);
        ok = Save(image, folder, file.fileName, wxBITMAP_TYPE_JPEG) && ok;
    }
    return ok ? 0 : 1;
}
