// Trelk_Dump with the account name taken from TRELK_TEST_ACCOUNT_NAME, so
// that the tests can try names no real account has. Built for the tests
// only; never installed.
#include "CDumpApp.h"

#include <cstdlib>

namespace {

std::optional<std::string> TestAccountName()
{
    const char* name = std::getenv("TRELK_TEST_ACCOUNT_NAME");
    if (name == nullptr)
        return std::nullopt;
    return std::string(name);
}

class CFakeAccountApp : public CDumpApp {
public:
    CFakeAccountApp() : CDumpApp(TestAccountName) {}
};

}  // namespace

wxIMPLEMENT_APP(CFakeAccountApp);
