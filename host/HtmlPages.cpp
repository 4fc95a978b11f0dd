// Makes the description pane read .htm/.html pages as HTML whatever MIME type the system gives.
#include "HtmlPages.h"

#include <string>

#include <wx/html/htmlfilt.h>
#include <wx/stream.h>
#include <wx/html/htmlwin.h>

namespace
{

class HtmExtensionFilter : public wxHtmlFilter
{
public:
    bool CanRead(const wxFSFile& file) const override
    {
        const wxString location = file.GetLocation().Lower();
        return location.EndsWith(".htm") || location.EndsWith(".html") ||
               file.GetMimeType() == "application/xhtml+xml";
    }

    // The pages are UTF-8; anything else is read as Latin-1 rather than dropped.
    wxString ReadFile(const wxFSFile& file) const override
    {
        wxInputStream* stream = file.GetStream();
        if (!stream)
            return wxEmptyString;
        std::string bytes;
        char buffer[4096];
        while (stream->IsOk())
        {
            stream->Read(buffer, sizeof buffer);
            const size_t got = stream->LastRead();
            if (got == 0)
                break;
            bytes.append(buffer, got);
        }
        wxString text = wxString::FromUTF8(bytes.data(), bytes.size());
        if (text.empty() && !bytes.empty())
            text = wxString(bytes.data(), wxConvISO8859_1, bytes.size());
        return text;
    }
};

} // namespace

void ReadHtmFilesAsHtml()
{
    static bool added = false;
    if (added)
        return;
    added = true;
    wxHtmlWindow::AddFilter(new HtmExtensionFilter);   // the view owns its filters
}
