// What the exports write, worked out without a display: the animation page, its names, the picture format.
#include "ExportPage.h"

#include <algorithm>

namespace ExportPage
{

const char* const kSnapshotWildcard =
    "BMP files (*.bmp)|*.bmp|JPEG files (*.jpeg)|*.jpeg|PNG files (*.png)|*.png";
const char* const kAnimationWildcard = "Htm files (*.htm)|*.htm";

PictureFormat ChooseSnapshotFormat(const wxString& fileName, int filterIndex)
{
    if (fileName.EndsWith("bmp"))
        return PictureFormat::Bmp;
    if (fileName.EndsWith("png"))
        return PictureFormat::Png;
    if (fileName.EndsWith("jpeg"))
        return PictureFormat::Jpeg;
    switch (filterIndex)
    {
    case 1:
        return PictureFormat::Jpeg;
    case 2:
        return PictureFormat::Png;
    default:
        return PictureFormat::Bmp;
    }
}

int LastStep(const PointList& points, const LineList& lines)
{
    int last = 0;
    for (PointList::compatibility_iterator node = points.GetFirst(); node; node = node->GetNext())
        last = std::max<int>(last, node->GetData()->time);
    for (LineList::compatibility_iterator node = lines.GetFirst(); node; node = node->GetNext())
        last = std::max<int>(last, node->GetData()->time);
    return last;
}

wxString PageBase(const wxString& pageName)
{
    return pageName.length() > 4 ? pageName.Left(pageName.length() - 4) : wxString();
}

wxString PictureFolderName(const wxString& base) { return base + "_files"; }

wxString PictureFileName(int step) { return wxString::Format("%d.png", step); }

wxString PicturePath(const wxString& base, int step)
{
    return PictureFolderName(base) + "/" + PictureFileName(step);
}

wxString ShortenDescription(const wxString& plainText, const wxString& pageTitle)
{
    // The pages open with links to their Czech and English versions, then repeat the title.
    static const wxString czech = wxString::FromUTF8("\xC4\x8D" "esky");
    wxString text = plainText;
    if (text.Left(10).Find(czech) != wxNOT_FOUND)
        text = text.Mid(8);
    if (text.Left(10).Find("english") != wxNOT_FOUND)
        text = text.Mid(10);
    // An empty title would be "found" everywhere and cost two letters of every description.
    if (!pageTitle.empty() && text.Left(40).Find(pageTitle) != wxNOT_FOUND)
        text = text.Mid(pageTitle.length() + 2);
    return text;
}

wxString EscapeHtml(const wxString& text)
{
    wxString escaped;
    escaped.reserve(text.length());
    for (wxString::const_iterator it = text.begin(); it != text.end(); ++it)
    {
        const wxUniChar c = *it;
        if (c == '&')
            escaped += "&amp;";
        else if (c == '<')
            escaped += "&lt;";
        else if (c == '>')
            escaped += "&gt;";
        else if (c == '"')
            escaped += "&quot;";
        else if (c == '\'')
            escaped += "&#39;";
        else
            escaped += c;
    }
    return escaped;
}

wxString AnimationPage(const PageContent& content)
{
    const wxString description =
        EscapeHtml(ShortenDescription(content.plainDescription, content.pageTitle));

    wxString page;
    auto line = [&page](const wxString& text) { page += text + "\n"; };
    line("<html>");
    line("\t<head>");
    line("\t\t<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">");
    line("\t\t<title>" + EscapeHtml(content.networkName) + "</title>");
    line("\t</head>");
    line("\t<body bgcolor=\"#ffffcc\" text=\"#aa0000\" link=\"red\" vlink=\"red\" alink=\"#ffffaa\">"
         "<div align=\"justify\">");
    line("");
    line("\t\t<font face=\"tahoma, arial\" style=\"line-height:13pt\">");
    line("");
    line("\t\t<h2>" + EscapeHtml(content.pageTitle) + "</h2>");
    line("");
    line("\t\t<p>");
    line("");
    line(description);
    line("");
    line("\t\t\t<br><br><br><table border=\"2\" cellpadding=\"5\" cellspacing=\"4\">");
    const int count = content.lastStep + 1;
    for (int i = 0; i < count; ++i)
    {
        // Names go in by concatenation, never through a format string: they may hold '%'.
        line(wxString::Format("\t\t\t<tr><td><div align=\"right\">%d/%d</div><img src=\"", i + 1, count) +
             EscapeHtml(PicturePath(content.base, i)) +
             wxString::Format("\" width=\"%d\" height=\"%d\"></td></tr>", content.width, content.height));
    }
    line("\t\t\t</table>");
    line("");
    line("\t\t</p>");
    line("");
    line("\t\t</div></body>");
    line("\t</font>");
    line("</html>");
    return page;
}

} // namespace ExportPage
