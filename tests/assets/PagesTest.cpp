// Loads every staged description page into an HTML view, as the description pane does, and
// checks what the pane would show.
#include <gtest/gtest.h>

#include <memory>

#include <wx/frame.h>
#include <wx/html/htmlwin.h>

#include "HtmlPages.h"
#include "TestSupport.h"

namespace
{
struct PageCase
{
    const char* name;           // the network's display name, which also names the page
    std::vector<const char*> terms; // words a student looks for on the page
};

const PageCase kPages[] = {
    {"Hypercube", {"Gray code", "Hamiltonian", "binary tree", "dimension", "bisection"}},
    {"Torus", {"wrap-around", "Hamiltonian", "shorter way", "bisection", "diameter"}},
    {"Mesh", {"dimension-ordered", "Hamiltonian", "bisection", "diameter", "even"}},
    {"Wrapped Butterfly", {"level", "row", "wrap-around", "greedy", "diameter"}},
    {"Ordinary Butterfly", {"level", "row", "unique", "bit", "diameter"}},
};

class PagesTest : public testing::Test
{
protected:
    void SetUp() override
    {
        // The program's way of reading its pages, whatever MIME type the system gives .htm.
        ReadHtmFilesAsHtml();
        m_frame = new wxFrame(nullptr, wxID_ANY, "pages", wxDefaultPosition, wxSize(400, 600));
        // The description pane's width, so the pages are laid out as a user sees them.
        m_html = new wxHtmlWindow(m_frame, wxID_ANY, wxDefaultPosition, wxSize(300, -1),
                                  wxHW_SCROLLBAR_AUTO);
        m_frame->Show();
        testsupport::Pump();
    }
    void TearDown() override
    {
        m_frame->Destroy();
        testsupport::Pump();
    }

    wxFrame* m_frame = nullptr;
    wxHtmlWindow* m_html = nullptr;
};
}

TEST_F(PagesTest, EachNetworkPageLoadsWithItsNameAsTitle)
{
    for (const PageCase& page : kPages)
    {
        SCOPED_TRACE(page.name);
        // The same relative path the program builds from the network's name.
        const wxString path = wxString("webs/") + page.name + ".htm";
        ASSERT_TRUE(m_html->LoadPage(path));
        testsupport::Pump();
        EXPECT_EQ(wxString(page.name), m_html->GetOpenedPageTitle());

        const wxString text = m_html->ToText();
        EXPECT_GT(text.length(), 1200u) << "the page says too little";
        for (const char* term : page.terms)
            EXPECT_NE(wxNOT_FOUND, text.Lower().Find(wxString(term).Lower())) << term;
        // The pages are UTF-8: their multiplication signs arrive as such, not as two
        // stray Latin-1 characters.
        EXPECT_NE(wxNOT_FOUND, text.Find(wxString::FromUTF8("\xC3\x97")));
        EXPECT_EQ(wxNOT_FOUND, text.Find(wxString::FromUTF8("\xC3\x83")));
    }
}
