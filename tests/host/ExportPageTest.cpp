// The export texts without a display: the animation page, description shortening, escaping, names, formats.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExportPage.h"

namespace
{

using ExportPage::PictureFormat;

wxString U(const char* utf8) { return wxString::FromUTF8(utf8); }
std::string S(const wxString& text) { return std::string(text.utf8_str()); }

TEST(ExportPageText, KnownPageLineByLine)
{
    ExportPage::PageContent content;
    content.networkName = "Hypercube";
    content.pageTitle = "Hypercube";
    content.plainDescription =
        U("\xC4\x8D" "esky | english | Hypercube  A cube has 2^n nodes.\nEach node links to n others.\n");
    content.lastStep = 2;
    content.base = "anim";
    content.width = 640;
    content.height = 441;

    const char* expected =
        "<html>\n"
        "\t<head>\n"
        "\t\t<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">\n"
        "\t\t<title>Hypercube</title>\n"
        "\t</head>\n"
        "\t<body bgcolor=\"#ffffcc\" text=\"#aa0000\" link=\"red\" vlink=\"red\" alink=\"#ffffaa\">"
        "<div align=\"justify\">\n"
        "\n"
        "\t\t<font face=\"tahoma, arial\" style=\"line-height:13pt\">\n"
        "\n"
        "\t\t<h2>Hypercube</h2>\n"
        "\n"
        "\t\t<p>\n"
        "\n"
        "A cube has 2^n nodes.\nEach node links to n others.\n\n"
        "\n"
        "\t\t\t<br><br><br><table border=\"2\" cellpadding=\"5\" cellspacing=\"4\">\n"
        "\t\t\t<tr><td><div align=\"right\">1/3</div><img src=\"anim_files/0.png\" width=\"640\" height=\"441\"></td></tr>\n"
        "\t\t\t<tr><td><div align=\"right\">2/3</div><img src=\"anim_files/1.png\" width=\"640\" height=\"441\"></td></tr>\n"
        "\t\t\t<tr><td><div align=\"right\">3/3</div><img src=\"anim_files/2.png\" width=\"640\" height=\"441\"></td></tr>\n"
        "\t\t\t</table>\n"
        "\n"
        "\t\t</p>\n"
        "\n"
        "\t\t</div></body>\n"
        "\t</font>\n"
        "</html>\n";
    EXPECT_EQ(expected, S(ExportPage::AnimationPage(content)));
}

TEST(ExportPageText, OneRowPerStepFromZero)
{
    ExportPage::PageContent content;
    content.lastStep = 0;
    content.base = "b";
    content.width = 1;
    content.height = 2;
    const std::string page = S(ExportPage::AnimationPage(content));
    EXPECT_NE(std::string::npos, page.find("\"right\">1/1</div><img src=\"b_files/0.png\" width=\"1\" height=\"2\">"));
    EXPECT_EQ(std::string::npos, page.find("1.png"));
}

struct ShortenCase
{
    const char* text;   // UTF-8
    const char* title;
    const char* expected;
};

// "česky" is five characters but seven bytes; positions below count characters.
const ShortenCase kShortenCases[] = {
    // All three in a row, as the description pages begin.
    {"\xC4\x8D" "esky | english | Cube  Body", "Cube", "Body"},
    // Nothing to drop.
    {"A plain description.", "Cube", "A plain description."},
    {"", "Cube", ""},
    // Each rule alone.
    {"\xC4\x8D" "esky | Body text", "Cube", "Body text"},
    {"english | Body text", "Cube", "Body text"},
    {"Cube: Body text", "Cube", "Body text"},
    // "english" only reaches the first ten characters once the Czech link is gone: order matters.
    {"\xC4\x8D" "esky | english | rest", "Zz", "rest"},
    // The word must end within the first ten characters.
    {"01234\xC4\x8D" "esky6789", "Zz", "ky6789"},
    {"012345\xC4\x8D" "esky789", "Zz", "012345\xC4\x8D" "esky789"},
    {"012english9 rest", "Zz", "9 rest"},
    {"0123english9 rest", "Zz", "0123english9 rest"},
    // The title must end within the first forty characters, and is matched case-sensitively.
    {"012345678901234567890123456789012345Cube..rest", "Cube", "6789" "0123456789" "0123456789" "012345" "Cube..rest"},
    {"0123456789012345678901234567890123456Cube..rest", "Cube", "0123456789012345678901234567890123456Cube..rest"},
    {"cube  Body", "Cube", "cube  Body"},
    // An empty title (no page shown) drops nothing.
    {"Body", "", "Body"},
    // Text shorter than what a rule drops leaves nothing.
    {"english", "Cube", ""},
};

TEST(ExportPageText, ShortensDescriptionStart)
{
    for (const ShortenCase& c : kShortenCases)
        EXPECT_EQ(c.expected, S(ExportPage::ShortenDescription(U(c.text), U(c.title)))) << "text: " << c.text;
}

TEST(ExportPageText, EscapesEveryInsertedText)
{
    ExportPage::PageContent content;
    content.networkName = "A<b>&\"c'";
    content.pageTitle = "T<i>&\"'";
    content.plainDescription = "x</p><script>alert('&')</script>\n\"two\" lines";
    content.lastStep = 1;
    content.base = "d\"a<b>&'c";
    content.width = 3;
    content.height = 4;
    const std::string page = S(ExportPage::AnimationPage(content));

    EXPECT_NE(std::string::npos, page.find("\t\t<title>A&lt;b&gt;&amp;&quot;c&#39;</title>\n"));
    EXPECT_NE(std::string::npos, page.find("\t\t<h2>T&lt;i&gt;&amp;&quot;&#39;</h2>\n"));
    EXPECT_NE(std::string::npos,
              page.find("\n\nx&lt;/p&gt;&lt;script&gt;alert(&#39;&amp;&#39;)&lt;/script&gt;\n&quot;two&quot; lines\n\n"));
    EXPECT_NE(std::string::npos, page.find("<img src=\"d&quot;a&lt;b&gt;&amp;&#39;c_files/1.png\" width=\"3\""));
    EXPECT_EQ(std::string::npos, page.find("<script>"));
    EXPECT_EQ(std::string::npos, page.find("<b>"));
}

TEST(ExportPageText, ShortensBeforeEscaping)
{
    // The title is found in the raw text and its raw length dropped.
    ExportPage::PageContent content;
    content.pageTitle = "A&B";
    content.plainDescription = "A&B: rest & more";
    const std::string page = S(ExportPage::AnimationPage(content));
    EXPECT_NE(std::string::npos, page.find("\n\nrest &amp; more\n\n"));
}

TEST(ExportPageText, PercentSignsAndNonAsciiComeOutAsChosen)
{
    ExportPage::PageContent content;
    content.networkName = "%d %s %%";
    content.pageTitle = U("%s \xC5\xBElu\xC5\xA5");
    content.plainDescription = "100% %d";
    content.lastStep = 0;
    content.base = U("my %d %s \xC3\xA9t\xC3\xA9");
    const std::string page = S(ExportPage::AnimationPage(content));
    EXPECT_NE(std::string::npos, page.find("<title>%d %s %%</title>"));
    EXPECT_NE(std::string::npos, page.find("<h2>%s \xC5\xBElu\xC5\xA5</h2>"));
    EXPECT_NE(std::string::npos, page.find("\n100% %d\n"));
    EXPECT_NE(std::string::npos, page.find("src=\"my %d %s \xC3\xA9t\xC3\xA9_files/0.png\""));
}

struct NameCase
{
    const char* pageName;
    const char* base;
    const char* picture3;
};

const NameCase kNameCases[] = {
    {"anim.htm", "anim", "anim_files/3.png"},
    {"anim.html", "anim.", "anim._files/3.png"},
    {"a%d b\".htm", "a%d b\"", "a%d b\"_files/3.png"},
    {"x.htm", "x", "x_files/3.png"},
    {".htm", "", "_files/3.png"},
    {"ab", "", "_files/3.png"},
};

TEST(ExportPageNames, BaseFolderAndPicturePaths)
{
    for (const NameCase& c : kNameCases)
    {
        const wxString base = ExportPage::PageBase(c.pageName);
        EXPECT_EQ(c.base, S(base)) << c.pageName;
        EXPECT_EQ(c.picture3, S(ExportPage::PicturePath(base, 3))) << c.pageName;
    }
    EXPECT_EQ("anim_files", S(ExportPage::PictureFolderName("anim")));
    EXPECT_EQ("0.png", S(ExportPage::PictureFileName(0)));
    EXPECT_EQ("12.png", S(ExportPage::PictureFileName(12)));
}

struct FormatCase
{
    const char* name;
    int filter;
    PictureFormat expected;
};

// Filters: 0 BMP, 1 JPEG, 2 PNG.
const FormatCase kFormatCases[] = {
    // The ending decides whatever filter was selected.
    {"view.bmp", 2, PictureFormat::Bmp},
    {"view.png", 0, PictureFormat::Png},
    {"view.jpeg", 0, PictureFormat::Jpeg},
    {"view.png", 1, PictureFormat::Png},
    {"viewbmp", 1, PictureFormat::Bmp},
    {"a.bmp.png", 0, PictureFormat::Png},
    // Endings it does not know: the filter decides.
    {"view.BMP", 2, PictureFormat::Png},
    {"view.BMP", 0, PictureFormat::Bmp},
    {"view.jpg", 1, PictureFormat::Jpeg},
    {"view.jpg", 2, PictureFormat::Png},
    {"view.Png", 1, PictureFormat::Jpeg},
    {"view", 2, PictureFormat::Png},
    {"", 1, PictureFormat::Jpeg},
    // A filter index the dialog does not have counts as the first.
    {"view.gif", -1, PictureFormat::Bmp},
    {"view.gif", 7, PictureFormat::Bmp},
};

TEST(ExportPageFormats, EndingThenFilter)
{
    for (const FormatCase& c : kFormatCases)
        EXPECT_EQ(c.expected, ExportPage::ChooseSnapshotFormat(c.name, c.filter))
            << c.name << " filter " << c.filter;
}

TEST(ExportPageSteps, LastStepOverPointsAndLines)
{
    struct Case
    {
        std::vector<int> pointTimes;
        std::vector<int> lineTimes;
        int expected;
    };
    const Case cases[] = {
        {{}, {}, 0},
        {{-1, -1}, {-1}, 0},
        {{0, -1}, {}, 0},
        {{1, 3, 2}, {-1}, 3},
        {{1, -1}, {2, 5, 4}, 5},
        {{}, {7}, 7},
    };
    for (const Case& c : cases)
    {
        PointList points;
        LineList lines;
        for (int t : c.pointTimes)
        {
            Point* p = new Point;
            p->time = t;
            points.Append(p);
        }
        for (int t : c.lineTimes)
        {
            Line* l = new Line(new Point, new Point);
            l->time = t;
            lines.Append(l);
        }
        EXPECT_EQ(c.expected, ExportPage::LastStep(points, lines));
        ClearOwned(points);
        ClearOwned(lines);
    }
}

} // namespace
