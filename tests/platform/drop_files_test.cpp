// The drop handle as the program queries it: the count, each name's length,
// names cut to the buffer, and nothing once the drop is finished.

#include "platform/drop_files.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(DropFilesTest, QueriesFollowTheShellsRules)
{
    DropFilesRecord record;
    record.files = {"Z:\\home\\ann\\a b.xml", "Z:\\x.xml"};
    char buffer[8] = "unused";
    struct Case {
        UINT iFile;
        bool withBuffer;
        UINT cch;
        UINT returned;
        const char* copied; // null: the buffer is not looked at
    };
    const Case cases[] = {
        {0xFFFFFFFFu, false, 0, 2, nullptr},
        {0, false, 0, 19, nullptr},
        {1, true, 8, 7, "Z:\\x.xml"},
        {0, true, 8, 7, "Z:\\home"}, // cut to the buffer, terminated
        {1, true, 0, 0, nullptr},
        {2, true, 8, 0, nullptr},
        {2, false, 0, 0, nullptr},
    };
    for (const Case& c : cases) {
        const UINT returned = DragQueryFile(&record, c.iFile, c.withBuffer ? buffer : nullptr, c.cch);
        EXPECT_EQ(returned, c.returned) << c.iFile << " " << c.cch;
        if (c.copied != nullptr) {
            EXPECT_EQ(std::string(buffer), std::string(c.copied).substr(0, c.returned)) << c.iFile;
        }
    }
    DragFinish(&record);
    EXPECT_EQ(DragQueryFile(&record, 0xFFFFFFFFu, nullptr, 0), 0u);
    EXPECT_EQ(DragQueryFile(&record, 0, nullptr, 0), 0u);
    EXPECT_EQ(DragQueryFile(nullptr, 0xFFFFFFFFu, nullptr, 0), 0u);
}

} // namespace
