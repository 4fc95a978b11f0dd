// What the exports write, worked out without a display: the animation page, its names, the picture format.
#pragma once

#include <wx/string.h>

#include "weavekit/Records.h"

namespace ExportPage
{

// The picture formats a snapshot can be saved in.
enum class PictureFormat
{
    Bmp,
    Jpeg,
    Png
};

// Filters of the snapshot dialog, in the order their indices count.
extern const char* const kSnapshotWildcard;
// Filter of the animation dialog.
extern const char* const kAnimationWildcard;

// The format for a snapshot file name (without its folder): its ending "bmp", "png" or "jpeg",
// matched case-sensitively, decides; a name with none of them takes the format of the dialog
// filter the user had selected (an unknown index counts as the first filter).
PictureFormat ChooseSnapshotFormat(const wxString& fileName, int filterIndex);

// The last step of the records' script: the largest time of any point or line, 0 if none is positive.
int LastStep(const PointList& points, const LineList& lines);

// The chosen page name without its last four characters (its ".htm"); the pictures' folder is
// this followed by "_files".
wxString PageBase(const wxString& pageName);
wxString PictureFolderName(const wxString& base);
// Picture i of the animation, as named inside its folder.
wxString PictureFileName(int step);
// Picture i as the page refers to it, relative to the page.
wxString PicturePath(const wxString& base, int step);

// The description text without the language switch and the repeated title that the
// description pages start with.
wxString ShortenDescription(const wxString& plainText, const wxString& pageTitle);

// Makes text safe to put between tags or inside a double- or single-quoted attribute.
wxString EscapeHtml(const wxString& text);

struct PageContent
{
    wxString networkName;
    wxString pageTitle;
    wxString plainDescription;  // the description page as plain text, not yet shortened
    int lastStep = 0;           // pictures 0 .. lastStep
    wxString base;              // see PageBase
    int width = 0;              // of every picture
    int height = 0;
};

// The whole page, every line ended by "\n".
wxString AnimationPage(const PageContent& content);

} // namespace ExportPage
