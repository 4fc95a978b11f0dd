// Entry point of the tests that need the real toolkit on a (virtual) display.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/image.h>
#include <wx/init.h>

#include "TestSupport.h"

namespace
{
wxString s_assertions;

void RecordAssertion(const wxString& file, int line, const wxString& func, const wxString& cond,
                     const wxString& msg)
{
    s_assertions += wxString::Format("%s:%d %s: %s %s\n", file, line, func, cond, msg);
}

class TestApp : public wxApp
{
public:
    bool OnInit() override { return true; }
};

// Any toolkit assertion during a test fails that test.
class AssertionListener : public testing::EmptyTestEventListener
{
    void OnTestEnd(const testing::TestInfo&) override
    {
        const wxString raised = testsupport::TakeAssertions();
        EXPECT_TRUE(raised.empty()) << "toolkit assertions:\n" << raised.utf8_str().data();
    }
};
}

namespace testsupport
{
wxString TakeAssertions()
{
    wxString raised = s_assertions;
    s_assertions.clear();
    return raised;
}
}

wxIMPLEMENT_APP_NO_MAIN(TestApp);

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit())
    {
        fprintf(stderr, "cannot start the toolkit (is there a display?)\n");
        return 1;
    }
    wxSetAssertHandler(RecordAssertion);
    wxInitAllImageHandlers();
    testing::UnitTest::GetInstance()->listeners().Append(new AssertionListener);
    const int result = RUN_ALL_TESTS();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
