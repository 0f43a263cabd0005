#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BrowseDialog.h"

namespace {

struct ExtensionCase {
    std::string path;
    std::string expected;
};

TEST(DefaultExtension, AddedOnlyWhenTheNameHasNoDot)
{
    const std::vector<ExtensionCase> cases = {
        {"/work/dump", "/work/dump.txt"},
        {"/work/dump.txt", "/work/dump.txt"},
        {"/work/dump.lst", "/work/dump.lst"},
        {"/old.dir/dump", "/old.dir/dump.txt"},
        {"dump", "dump.txt"},
        {"/work/.hidden", "/work/.hidden"},
        {"/work/", "/work/"},
        {"", ""},
    };
    for (const ExtensionCase& c : cases)
        EXPECT_EQ(WithDefaultExtension(c.path, "txt"), c.expected) << c.path;
}

} // namespace
