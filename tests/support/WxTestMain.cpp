// Test entry for the tests that need the toolkit: brings wxWidgets up once,
// without a main loop of its own, turns its assertions into test failures
// and runs gtest.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/init.h>

namespace {

class ToolkitTestApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                  const wxString& msg)
{
    ADD_FAILURE_AT(file.utf8_str(), line)
        << "wx assertion in " << func.utf8_str() << ": " << cond.utf8_str() << " "
        << msg.utf8_str();
}

} // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new ToolkitTestApp);
    if (!wxEntryStart(argc, argv))
        return 2;
    if (!wxTheApp->CallOnInit())
        return 2;
    wxSetAssertHandler(FailOnAssert);
    const int result = RUN_ALL_TESTS();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
