// The snapshot and animation commands on the real main window and renderer, answered through the dialog seams.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <wx/dir.h>
#include <wx/ffile.h>
#include <wx/filefn.h>
#include <wx/frame.h>
#include <wx/html/htmlwin.h>
#include <wx/image.h>
#include <wx/mstream.h>
#include <wx/panel.h>

#include "Clock.h"
#include "Colours.h"
#include "Dialogs.h"
#include "Globals.h"
#include "MainFrame.h"
#include "TestSupport.h"

namespace
{

using testsupport::Pump;

const int kSaveBitmapTool = 1000;
const int kSaveAnimationTool = 1001;

wxString U(const char* utf8) { return wxString::FromUTF8(utf8); }
std::string S(const wxString& text) { return std::string(text.utf8_str()); }

std::string ReadBytes(const wxString& path)
{
    wxFFile file(path, "rb");
    std::string bytes;
    if (!file.IsOpened())
        return bytes;
    char buffer[4096];
    size_t got;
    while ((got = file.Read(buffer, sizeof buffer)) > 0)
        bytes.append(buffer, got);
    return bytes;
}

void WriteBytes(const wxString& path, const std::string& bytes)
{
    wxFFile file(path, "wb");
    ASSERT_TRUE(file.IsOpened()) << S(path);
    file.Write(bytes.data(), bytes.size());
}

wxImage Decode(const wxString& path, wxBitmapType type)
{
    const std::string bytes = ReadBytes(path);
    wxMemoryInputStream stream(bytes.data(), bytes.size());
    wxImage image;
    if (!bytes.empty())
        image.LoadFile(stream, type);
    return image;
}

// Largest difference of any colour channel; -1 when the sizes differ or either is missing.
int MaxDifference(const wxImage& a, const wxImage& b)
{
    if (!a.IsOk() || !b.IsOk() || a.GetSize() != b.GetSize())
        return -1;
    const unsigned char* pa = a.GetData();
    const unsigned char* pb = b.GetData();
    int worst = 0;
    for (long k = 0; k < 3L * a.GetWidth() * a.GetHeight(); ++k)
        worst = std::max(worst, std::abs(int(pa[k]) - int(pb[k])));
    return worst;
}

// Mean channel difference, for the lossy format.
double MeanDifference(const wxImage& a, const wxImage& b)
{
    const unsigned char* pa = a.GetData();
    const unsigned char* pb = b.GetData();
    const long n = 3L * a.GetWidth() * a.GetHeight();
    double sum = 0;
    for (long k = 0; k < n; ++k)
        sum += std::abs(int(pa[k]) - int(pb[k]));
    return sum / n;
}

bool HasSeveralColours(const wxImage& image)
{
    const unsigned char* p = image.GetData();
    for (long k = 3; k < 3L * image.GetWidth() * image.GetHeight(); k += 3)
        if (p[k] != p[0] || p[k + 1] != p[1] || p[k + 2] != p[2])
            return true;
    return false;
}

wxArrayString FilesIn(const wxString& dir)
{
    wxArrayString names;
    wxDir listing(dir);
    wxString name;
    for (bool more = listing.GetFirst(&name); more; more = listing.GetNext(&name))
        names.Add(name);
    names.Sort();
    return names;
}

struct Message
{
    wxString text;
    long style;
};

// The description page of the fixture network, in the form the description pages take: links
// to the two languages and the title again before the text.
const char* const kDescriptionPage =
    "<html><head><title>First Net</title></head><body>"
    "\xC4\x8D" "esky | english | First Net: "
    "Nodes &amp; links in a &lt;row&gt; of &quot;three&quot;.<br>Second line."
    "</body></html>";

// The real main window in an empty folder holding one test plug-in and its page, showing
// records filled in by the test. The dialogs answer through the seams.
class ExportTest : public testing::Test
{
protected:
    void SetUp() override
    {
        timer::ResetValues();
        SetDefaultColours();
        ASSERT_TRUE(wxMkdir(m_dir.Path() + "/plugins"));
        ASSERT_TRUE(wxCopyFile(FIXTURE_FIRST, m_dir.Path() + "/plugins/first.so"));
        ASSERT_TRUE(wxMkdir(m_dir.Path() + "/webs"));
        WriteBytes(m_dir.Path() + "/webs/First Test.htm", kDescriptionPage);
        m_cwd.reset(new testsupport::ScopedCwd(m_dir.Path()));

        m_frame = new MainFrame(nullptr);
        m_frame->Show();
        Pump(100);
        // Choose the plug-in, so the page has a network name and a description.
        wxCommandEvent choose(wxEVT_MENU, 1);
        m_frame->ProcessWindowEvent(choose);
        ASSERT_TRUE(m_frame->GetActivePlugin());
        // Nothing moves on its own while a test looks at the view.
        timer::SetPaused(true);
        FillRecords(3);
        m_frame->RebuildScene();
        Pump(50);

        Dialogs::Hooks hooks;
        hooks.message = [this](const wxString& text, long style) { m_messages.push_back({text, style}); };
        hooks.savePath = [this](const wxString& message, const wxString& wildcard, wxString* path, int* filter) {
            m_dialogs.push_back(message + "|" + wildcard);
            if (m_duringDialog)
                m_duringDialog();
            *path = m_answerPath;
            if (filter)
                *filter = m_answerFilter;
            return m_answerOk;
        };
        Dialogs::SetHooks(hooks);
    }

    void TearDown() override
    {
        Dialogs::ClearHooks();
        if (m_frame)
        {
            m_frame->Close(true);
            Pump(50);
        }
        m_cwd.reset();
        SetDefaultColours();
        timer::ResetValues();
    }

    // Four nodes and two lines; the node of step s changes state at s, the last step is lastStep.
    void FillRecords(int lastStep)
    {
        ClearOwned(g_points);
        ClearOwned(g_lines);
        const int positions[][3] = {{0, 0, 0}, {60, 0, 0}, {0, 60, 0}, {0, 0, 60}, {60, 60, 0}, {60, 0, 60}};
        for (int k = 0; k <= lastStep && k < 6; ++k)
        {
            Point* p = new Point(k, 0, 0, positions[k][0], positions[k][1], positions[k][2]);
            p->label = wxString::Format("n%d", k);
            p->time = k == 0 ? -1 : k;
            p->state = k == 0 ? 0 : 1 + (k % 2);
            p->drawOrder = k;
            g_points.Append(p);
        }
        Line* routed = new Line(new Point(0, 0, 0, 0, 0, 0), new Point(1, 0, 0, 60, 0, 0));
        routed->state = 1;
        routed->time = 1;
        routed->drawOrder = 1;
        g_lines.Append(routed);
        Line* nested = new Line(new Point(1, 0, 0, 60, 0, 0), new Point(2, 0, 0, 0, 60, 0));
        nested->state = 2;
        nested->time = lastStep;
        nested->drawOrder = 2;
        g_lines.Append(nested);
    }

    // What the view shows at the half step after step, with every record drawn.
    std::vector<wxImage> ReferenceFrames(int lastStep)
    {
        const bool effect = timer::IsDrawingEffect();
        const float time = timer::GetCurrentTime();
        timer::SetDrawingEffect(false);
        std::vector<wxImage> frames;
        for (int i = 0; i <= lastStep; ++i)
        {
            timer::SetCurrentTime(i + 0.5f);
            m_frame->RebuildScene();
            frames.push_back(m_frame->CaptureView());
        }
        timer::SetDrawingEffect(effect);
        timer::SetCurrentTime(time);
        m_frame->RebuildScene();
        return frames;
    }

    void Run(int tool)
    {
        wxCommandEvent event(wxEVT_MENU, tool);
        m_frame->ProcessWindowEvent(event);
    }

    void Answer(const wxString& path, int filter = 0)
    {
        m_answerPath = path;
        m_answerFilter = filter;
        m_answerOk = true;
    }

    wxSize ViewSize() const { return m_frame->GetViewPanel()->GetSize(); }

    // The page as it must come out for this window, with pictures under base.
    std::string ExpectedPage(const std::string& base, int lastStep)
    {
        const wxSize view = ViewSize();
        std::string page =
            "<html>\n"
            "\t<head>\n"
            "\t\t<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">\n"
            "\t\t<title>First Test</title>\n"
            "\t</head>\n"
            "\t<body bgcolor=\"#ffffcc\" text=\"#aa0000\" link=\"red\" vlink=\"red\" alink=\"#ffffaa\">"
            "<div align=\"justify\">\n"
            "\n"
            "\t\t<font face=\"tahoma, arial\" style=\"line-height:13pt\">\n"
            "\n"
            "\t\t<h2>First Net</h2>\n"
            "\n"
            "\t\t<p>\n"
            "\n"
            "Nodes &amp; links in a &lt;row&gt; of &quot;three&quot;.\nSecond line.\n"
            "\n"
            "\t\t\t<br><br><br><table border=\"2\" cellpadding=\"5\" cellspacing=\"4\">\n";
        for (int i = 0; i <= lastStep; ++i)
            page += "\t\t\t<tr><td><div align=\"right\">" + std::to_string(i + 1) + "/" +
                    std::to_string(lastStep + 1) + "</div><img src=\"" + base + "_files/" + std::to_string(i) +
                    ".png\" width=\"" + std::to_string(view.GetWidth()) + "\" height=\"" +
                    std::to_string(view.GetHeight()) + "\"></td></tr>\n";
        page +=
            "\t\t\t</table>\n"
            "\n"
            "\t\t</p>\n"
            "\n"
            "\t\t</div></body>\n"
            "\t</font>\n"
            "</html>\n";
        return page;
    }

    testsupport::TempDir m_dir;
    std::unique_ptr<testsupport::ScopedCwd> m_cwd;
    MainFrame* m_frame = nullptr;

    std::vector<Message> m_messages;
    std::vector<wxString> m_dialogs;
    std::function<void()> m_duringDialog;
    wxString m_answerPath;
    int m_answerFilter = 0;
    bool m_answerOk = false;
};

const wxString kBitmapDialog =
    "Save Bitmap As...|BMP files (*.bmp)|*.bmp|JPEG files (*.jpeg)|*.jpeg|PNG files (*.png)|*.png";
const wxString kAnimationDialog = "Save Animation As...|Htm files (*.htm)|*.htm";

// ---------------------------------------------------------------------------------------------
// Snapshot

struct SnapshotCase
{
    const char* name;
    int filter;
    wxBitmapType type;
    const char* magic;
};

const SnapshotCase kSnapshotCases[] = {
    {"view.bmp", 2, wxBITMAP_TYPE_BMP, "BM"},
    {"view.png", 0, wxBITMAP_TYPE_PNG, "\x89PNG"},
    {"view.jpeg", 0, wxBITMAP_TYPE_JPEG, "\xFF\xD8\xFF"},
    // Endings it does not know take the selected filter's format.
    {"view.BMP", 2, wxBITMAP_TYPE_PNG, "\x89PNG"},
    {"view.jpg", 1, wxBITMAP_TYPE_JPEG, "\xFF\xD8\xFF"},
    {"noending", 0, wxBITMAP_TYPE_BMP, "BM"},
    // Whatever the name holds, the file is made under exactly that name.
    {"my %d \"view\" 'x' \xC3\xA9 100%.png", 0, wxBITMAP_TYPE_PNG, "\x89PNG"},
};

TEST_F(ExportTest, SnapshotSavesTheViewInTheChosenFormat)
{
    const wxImage shown = m_frame->CaptureView();
    ASSERT_TRUE(shown.IsOk());
    ASSERT_EQ(ViewSize(), shown.GetSize());
    ASSERT_TRUE(HasSeveralColours(shown));

    for (const SnapshotCase& c : kSnapshotCases)
    {
        SCOPED_TRACE(c.name);
        m_messages.clear();
        m_dialogs.clear();
        const wxString path = m_dir.Path() + "/" + U(c.name);
        Answer(path, c.filter);
        Run(kSaveBitmapTool);

        ASSERT_EQ(1u, m_dialogs.size());
        EXPECT_EQ(kBitmapDialog, m_dialogs[0]);
        ASSERT_EQ(1u, m_messages.size());
        EXPECT_EQ("File was saved.", m_messages[0].text);
        EXPECT_EQ(wxOK | wxICON_INFORMATION, m_messages[0].style);

        EXPECT_EQ(0, ReadBytes(path).compare(0, strlen(c.magic), c.magic));
        const wxImage saved = Decode(path, c.type);
        ASSERT_TRUE(saved.IsOk());
        // On disk as the UTF-8 bytes of the chosen name.
        EXPECT_EQ(0, access(path.utf8_str().data(), F_OK));
        EXPECT_EQ(ViewSize(), saved.GetSize());
        if (c.type == wxBITMAP_TYPE_JPEG)
            EXPECT_LT(MeanDifference(shown, saved), 4.0);
        else
            EXPECT_EQ(0, MaxDifference(shown, saved));
    }
}

TEST_F(ExportTest, SnapshotIsTheFrameShownWhenTheCommandWasGiven)
{
    const wxImage shown = m_frame->CaptureView();
    ASSERT_TRUE(shown.IsOk());

    // A window over the view, and a view that changes while the dialog is open, stay out of it.
    wxFrame* cover = new wxFrame(nullptr, wxID_ANY, "cover", wxDefaultPosition, wxDefaultSize,
                                 wxFRAME_NO_TASKBAR | wxBORDER_NONE | wxSTAY_ON_TOP);
    cover->SetBackgroundColour(*wxRED);
    cover->SetSize(m_frame->GetViewPanel()->GetScreenRect().Inflate(20));
    cover->Show();
    Pump(100);
    m_duringDialog = [this] {
        BackgroundColour = wxColour(0, 255, 0);
        m_frame->RebuildScene();
    };
    Answer(m_dir.Path() + "/covered.png");
    Run(kSaveBitmapTool);
    cover->Destroy();

    ASSERT_EQ(1u, m_messages.size());
    EXPECT_EQ("File was saved.", m_messages[0].text);
    const wxImage saved = Decode(m_dir.Path() + "/covered.png", wxBITMAP_TYPE_PNG);
    EXPECT_EQ(0, MaxDifference(shown, saved));
    // The view did change meanwhile: a capture after the dialog would differ.
    EXPECT_GT(MaxDifference(shown, m_frame->CaptureView()), 0);
}

TEST_F(ExportTest, SnapshotCancelledWritesAndShowsNothing)
{
    const wxArrayString before = FilesIn(m_dir.Path());
    m_answerPath = m_dir.Path() + "/never.png";
    m_answerOk = false;
    Run(kSaveBitmapTool);
    EXPECT_EQ(1u, m_dialogs.size());
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(before, FilesIn(m_dir.Path()));
}

TEST_F(ExportTest, SnapshotThatCannotBeWrittenSaysSo)
{
    // Root ignores permissions, so the failures are made of things no one can write through.
    WriteBytes(m_dir.Path() + "/plain.txt", "a file, not a folder\n");
    ASSERT_TRUE(wxMkdir(m_dir.Path() + "/taken.png"));
    const wxString paths[] = {
        m_dir.Path() + "/plain.txt/view.png",   // under a regular file
        m_dir.Path() + "/taken.png",            // a folder of that name
        m_dir.Path() + "/missing/view.bmp",     // a folder that is not there
        "/dev/full",                             // a full disk
    };
    for (const wxString& path : paths)
    {
        SCOPED_TRACE(S(path));
        m_messages.clear();
        Answer(path, 2);
        Run(kSaveBitmapTool);
        ASSERT_EQ(1u, m_messages.size());
        EXPECT_EQ("Unable to save file.", m_messages[0].text);
        EXPECT_EQ(wxOK | wxICON_ERROR, m_messages[0].style);
    }
}

// ---------------------------------------------------------------------------------------------
// Animation

TEST_F(ExportTest, AnimationWritesPageAndOnePicturePerStep)
{
    const std::vector<wxImage> expected = ReferenceFrames(3);
    // Each step looks different, so a picture taken at the wrong time is told apart.
    for (int i = 1; i <= 3; ++i)
        ASSERT_GT(MaxDifference(expected[i - 1], expected[i]), 0) << i;

    Answer(m_dir.Path() + "/anim.htm");
    Run(kSaveAnimationTool);

    ASSERT_EQ(1u, m_dialogs.size());
    EXPECT_EQ(kAnimationDialog, m_dialogs[0]);
    EXPECT_TRUE(m_messages.empty()) << S(m_messages[0].text);

    const std::string page = ReadBytes(m_dir.Path() + "/anim.htm");
    EXPECT_EQ(ExpectedPage("anim", 3), page);
    EXPECT_NE(0, page.compare(0, 3, "\xEF\xBB\xBF"));

    const wxString folder = m_dir.Path() + "/anim_files";
    wxArrayString names;
    for (const char* name : {"0.png", "1.png", "2.png", "3.png"})
        names.Add(name);
    EXPECT_EQ(names, FilesIn(folder));
    for (int i = 0; i <= 3; ++i)
    {
        const wxImage picture = Decode(folder + wxString::Format("/%d.png", i), wxBITMAP_TYPE_PNG);
        ASSERT_TRUE(picture.IsOk()) << i;
        EXPECT_EQ(ViewSize(), picture.GetSize()) << i;
        EXPECT_EQ(0, MaxDifference(expected[i], picture)) << "picture " << i;
    }
    EXPECT_FLOAT_EQ(3.5f, timer::GetCurrentTime());
}

TEST_F(ExportTest, AnimationCapturesCompleteStepsAndRestoresTheEffect)
{
    for (bool effectOn : {false, true})
    {
        SCOPED_TRACE(effectOn ? "effect on" : "effect off");
        m_dialogs.clear();
        const std::vector<wxImage> expected = ReferenceFrames(3);
        // With the effect on and no progress, the view itself shows nothing of the network.
        timer::SetDrawingEffect(effectOn);
        timer::SetDrawProgress(0);
        timer::SetCurrentTime(0);
        m_frame->RebuildScene();

        bool effectDuringDialog = true;
        float timeDuringDialog = -1;
        m_duringDialog = [&] {
            effectDuringDialog = timer::IsDrawingEffect();
            timeDuringDialog = timer::GetCurrentTime();
        };
        const wxString name = effectOn ? "on.htm" : "off.htm";
        Answer(m_dir.Path() + "/" + name);
        Run(kSaveAnimationTool);

        ASSERT_EQ(1u, m_dialogs.size());
        EXPECT_FALSE(effectDuringDialog);
        EXPECT_FLOAT_EQ(3.5f, timeDuringDialog);
        EXPECT_EQ(effectOn, timer::IsDrawingEffect());
        EXPECT_FLOAT_EQ(3.5f, timer::GetCurrentTime());
        const wxString folder = m_dir.Path() + "/" + (effectOn ? "on" : "off") + "_files";
        for (int i = 0; i <= 3; ++i)
            EXPECT_EQ(0, MaxDifference(expected[i], Decode(folder + wxString::Format("/%d.png", i), wxBITMAP_TYPE_PNG)))
                << "picture " << i;
    }
}

TEST_F(ExportTest, AnimationCancelledWritesNothingButLeavesTheLastStep)
{
    timer::SetDrawingEffect(true);
    const wxArrayString before = FilesIn(m_dir.Path());
    m_answerPath = m_dir.Path() + "/never.htm";
    m_answerOk = false;
    Run(kSaveAnimationTool);
    EXPECT_EQ(1u, m_dialogs.size());
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(before, FilesIn(m_dir.Path()));
    EXPECT_TRUE(timer::IsDrawingEffect());
    EXPECT_FLOAT_EQ(3.5f, timer::GetCurrentTime());
}

TEST_F(ExportTest, AnimationFolderIsTheNameWithoutItsLastFourCharacters)
{
    Answer(m_dir.Path() + "/anim.html");
    Run(kSaveAnimationTool);
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(ExpectedPage("anim.", 3), ReadBytes(m_dir.Path() + "/anim.html"));
    EXPECT_EQ(4u, FilesIn(m_dir.Path() + "/anim._files").size());
    EXPECT_FALSE(wxDirExists(m_dir.Path() + "/anim_files"));
}

TEST_F(ExportTest, AnimationSavedAgainOverALongerOne)
{
    FillRecords(5);
    m_frame->RebuildScene();
    Answer(m_dir.Path() + "/anim.htm");
    Run(kSaveAnimationTool);
    ASSERT_TRUE(m_messages.empty());
    ASSERT_EQ(6u, FilesIn(m_dir.Path() + "/anim_files").size());
    const wxImage oldFive = Decode(m_dir.Path() + "/anim_files/5.png", wxBITMAP_TYPE_PNG);

    FillRecords(3);
    m_frame->RebuildScene();
    const std::vector<wxImage> expected = ReferenceFrames(3);
    Run(kSaveAnimationTool);
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(ExpectedPage("anim", 3), ReadBytes(m_dir.Path() + "/anim.htm"));
    for (int i = 0; i <= 3; ++i)
        EXPECT_EQ(0, MaxDifference(expected[i], Decode(m_dir.Path() + wxString::Format("/anim_files/%d.png", i),
                                                       wxBITMAP_TYPE_PNG)))
            << "picture " << i;
    // Pictures beyond the new last step are the earlier export's, left alone.
    EXPECT_EQ(6u, FilesIn(m_dir.Path() + "/anim_files").size());
    EXPECT_EQ(0, MaxDifference(oldFive, Decode(m_dir.Path() + "/anim_files/5.png", wxBITMAP_TYPE_PNG)));
}

TEST_F(ExportTest, AnimationNamesComeOutExactlyAsChosen)
{
    const wxString dir = m_dir.Path() + U("/d%s 100% \xC3\xBC");
    ASSERT_TRUE(wxMkdir(dir));
    const wxString name = U("a %d \"q\" 'x' <\xC3\xA9>.htm");
    Answer(dir + "/" + name);
    Run(kSaveAnimationTool);
    EXPECT_TRUE(m_messages.empty());

    wxArrayString names;
    names.Add(name);
    names.Add(U("a %d \"q\" 'x' <\xC3\xA9>_files"));
    names.Sort();
    EXPECT_EQ(names, FilesIn(dir));
    EXPECT_EQ(4u, FilesIn(dir + U("/a %d \"q\" 'x' <\xC3\xA9>_files")).size());
    // On disk as the UTF-8 bytes of the chosen names.
    EXPECT_EQ(0, access((dir + "/" + name).utf8_str().data(), F_OK));
    EXPECT_EQ(0, access((dir + U("/a %d \"q\" 'x' <\xC3\xA9>_files/3.png")).utf8_str().data(), F_OK));
    EXPECT_EQ(ExpectedPage("a %d &quot;q&quot; &#39;x&#39; &lt;\xC3\xA9&gt;", 3), ReadBytes(dir + "/" + name));
}

struct AnimationFailure
{
    const char* what;
    std::function<wxString(const wxString& dir)> prepare;   // gives the page path to answer
};

TEST_F(ExportTest, AnimationThatCannotBeWrittenSaysSo)
{
    // Root ignores permissions, so every failure is made of things no one can write through.
    const AnimationFailure failures[] = {
        {"page under a regular file",
         [](const wxString& dir) {
             WriteBytes(dir + "/plain.txt", "x");
             return dir + "/plain.txt/anim.htm";
         }},
        {"page on a full disk",
         [](const wxString& dir) {
             EXPECT_EQ(0, symlink("/dev/full", (dir + "/full.htm").utf8_str().data()));
             return dir + "/full.htm";
         }},
        {"folder name taken by a file",
         [](const wxString& dir) {
             WriteBytes(dir + "/anim_files", "x");
             return dir + "/anim.htm";
         }},
        {"picture name taken by a folder",
         [](const wxString& dir) {
             wxMkdir(dir + "/anim_files");
             wxMkdir(dir + "/anim_files/2.png");
             return dir + "/anim.htm";
         }},
        {"picture on a full disk",
         [](const wxString& dir) {
             wxMkdir(dir + "/anim_files");
             EXPECT_EQ(0, symlink("/dev/full", (dir + "/anim_files/1.png").utf8_str().data()));
             return dir + "/anim.htm";
         }},
    };
    for (const AnimationFailure& failure : failures)
    {
        SCOPED_TRACE(failure.what);
        testsupport::TempDir place("nodeweave-fail");
        m_messages.clear();
        timer::SetDrawingEffect(true);
        Answer(failure.prepare(place.Path()));
        Run(kSaveAnimationTool);
        ASSERT_EQ(1u, m_messages.size());
        EXPECT_EQ("Unable to save animation.", m_messages[0].text);
        EXPECT_EQ(wxOK | wxICON_ERROR, m_messages[0].style);
        EXPECT_TRUE(timer::IsDrawingEffect());
        EXPECT_FLOAT_EQ(3.5f, timer::GetCurrentTime());
    }
}

TEST_F(ExportTest, AnimationWithoutStepsSaysSoBeforeAnyDialog)
{
    const std::vector<std::vector<int>> scripts = {{}, {-1, -1}, {0, -1, 0}};
    for (const std::vector<int>& times : scripts)
    {
        ClearOwned(g_points);
        ClearOwned(g_lines);
        for (size_t k = 0; k < times.size(); ++k)
        {
            Point* p = new Point(int(k), 0, 0, int(k) * 40, 0, 0);
            p->time = times[k];
            g_points.Append(p);
        }
        m_frame->RebuildScene();
        timer::SetCurrentTime(0.25f);
        m_messages.clear();
        m_dialogs.clear();
        Answer(m_dir.Path() + "/anim.htm");
        Run(kSaveAnimationTool);
        EXPECT_TRUE(m_dialogs.empty());
        ASSERT_EQ(1u, m_messages.size());
        EXPECT_EQ("Unable to save animation.", m_messages[0].text);
        EXPECT_EQ(wxOK | wxICON_ERROR, m_messages[0].style);
        EXPECT_FLOAT_EQ(0.25f, timer::GetCurrentTime());
        EXPECT_FALSE(wxFileExists(m_dir.Path() + "/anim.htm"));
    }
}

} // namespace
