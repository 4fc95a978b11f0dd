// Saving the view as a picture and the whole animation as a page with one picture per step.
#include "MainFrame.h"

#include <vector>

#include <wx/file.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/html/htmlwin.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/mstream.h>
#include <wx/panel.h>

#include "Clock.h"
#include "Dialogs.h"
#include "ExportPage.h"
#include "Globals.h"

namespace
{

void EnsureImageHandlers()
{
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG) || !wxImage::FindHandler(wxBITMAP_TYPE_JPEG))
        wxInitAllImageHandlers();
}

wxBitmapType ToBitmapType(ExportPage::PictureFormat format)
{
    switch (format)
    {
    case ExportPage::PictureFormat::Jpeg:
        return wxBITMAP_TYPE_JPEG;
    case ExportPage::PictureFormat::Png:
        return wxBITMAP_TYPE_PNG;
    case ExportPage::PictureFormat::Bmp:
        break;
    }
    return wxBITMAP_TYPE_BMP;
}

// A full disk shows up in the write or in the close, so both count.
bool WriteBytes(const wxString& path, const void* data, size_t length)
{
    wxFile file;
    if (!file.Create(path, true))
        return false;
    const bool written = file.Write(data, length) == length;
    const bool closed = file.Close();
    return written && closed;
}

// UTF-8 without a byte-order mark.
bool WriteUtf8File(const wxString& path, const wxString& text)
{
    const wxScopedCharBuffer bytes = text.utf8_str();
    return WriteBytes(path, bytes.data(), bytes.length());
}

// Encoded in memory first: the toolkit's own file saving drops errors of its last buffered write.
bool SavePicture(const wxImage& picture, const wxString& path, wxBitmapType type)
{
    if (!picture.IsOk())
        return false;
    wxMemoryOutputStream encoded;
    if (!picture.SaveFile(encoded, type))
        return false;
    std::vector<char> bytes(encoded.GetSize());
    encoded.CopyTo(bytes.data(), bytes.size());
    return WriteBytes(path, bytes.data(), bytes.size());
}

void ShowAnimationFailure()
{
    Dialogs::ShowMessage("Unable to save animation.", wxOK | wxICON_ERROR);
}

} // namespace

void MainFrame::OnSaveBitmap(wxCommandEvent&)
{
    // Taken from the rendered frame before the dialog opens: neither the dialog nor any other
    // window over the view can get into the picture.
    wxImage picture = CaptureView();

    wxString path;
    int filterIndex = 0;
    if (!Dialogs::AskSavePath(this, "Save Bitmap As...", ExportPage::kSnapshotWildcard, &path, &filterIndex))
        return;

    EnsureImageHandlers();
    const ExportPage::PictureFormat format =
        ExportPage::ChooseSnapshotFormat(wxFileName(path).GetFullName(), filterIndex);
    bool saved = false;
    {
        // The outcome is told by our own message; the toolkit's error log would add a second one.
        wxLogNull quiet;
        saved = SavePicture(picture, path, ToBitmapType(format));
    }
    if (saved)
        Dialogs::ShowMessage("File was saved.", wxOK | wxICON_INFORMATION);
    else
        Dialogs::ShowMessage("Unable to save file.", wxOK | wxICON_ERROR);
}

void MainFrame::OnSaveAnimation(wxCommandEvent&)
{
    const int lastStep = ExportPage::LastStep(g_points, g_lines);
    if (lastStep <= 0)
    {
        ShowAnimationFailure();
        return;
    }

    // Every picture shows the complete state of its step, whatever the effect had revealed.
    const bool drawingEffect = timer::IsDrawingEffect();
    timer::SetDrawingEffect(false);

    const wxSize viewSize = m_viewPanel->GetSize();
    std::vector<wxImage> pictures;
    pictures.reserve(lastStep + 1);
    for (int i = 0; i <= lastStep; ++i)
    {
        // Half a step on, so that every record of step i has taken its state.
        timer::SetCurrentTime(i + 0.5f);
        RebuildScene();
        pictures.push_back(CaptureView());
    }

    wxString path;
    int filterIndex = 0;
    if (Dialogs::AskSavePath(this, "Save Animation As...", ExportPage::kAnimationWildcard, &path, &filterIndex))
    {
        const wxFileName page(path);
        ExportPage::PageContent content;
        content.networkName = m_activePlugin ? m_activePlugin->GetName() : wxString();
        content.pageTitle = m_htmlWindow->GetOpenedPageTitle();
        content.plainDescription = m_htmlWindow->ToText();
        content.lastStep = lastStep;
        content.base = ExportPage::PageBase(page.GetFullName());
        content.width = viewSize.GetWidth();
        content.height = viewSize.GetHeight();
        const wxString folder = page.GetPathWithSep() + ExportPage::PictureFolderName(content.base);

        bool saved = false;
        {
            wxLogNull quiet;
            const bool pageWritten = WriteUtf8File(path, ExportPage::AnimationPage(content));
            const bool folderReady = wxDirExists(folder) || wxMkdir(folder, wxS_DIR_DEFAULT);
            saved = pageWritten && folderReady;
            if (saved)
            {
                EnsureImageHandlers();
                // A page whose pictures are missing is no saved animation.
                for (int i = 0; saved && i <= lastStep; ++i)
                    saved = SavePicture(pictures[i], folder + "/" + ExportPage::PictureFileName(i), wxBITMAP_TYPE_PNG);
            }
        }
        if (!saved)
            ShowAnimationFailure();
    }

    pictures.clear();
    timer::SetDrawingEffect(drawingEffect);
    RebuildScene();
}
