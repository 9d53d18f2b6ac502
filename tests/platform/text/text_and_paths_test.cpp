#include "platform/text/drive_path.h"
#include "platform/ui/file_dialog.h"
#include "platform/text/text_encoding.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

TEST(TextEncoding, RoundTripsEveryKindOfText)
{
    const std::string texts[] = {
        "",
        "plain ASCII",
        "Z:\\home\\anné\\Vermessung größe €",
        "\xF0\x9F\x93\x90 outside the BMP",
        std::string("lone bytes \xFF\xC3 and \x80 end\xE2\x82", 21),
    };
    for (const std::string& text : texts)
        EXPECT_EQ(WideToAnsi(AnsiToWide(text)), text) << text;
}

TEST(TextEncoding, WideFormOfKnownCharacters)
{
    EXPECT_EQ(AnsiToWide("é€"), u"é€");
    EXPECT_EQ(AnsiToWide("\xF0\x9F\x93\x90"), u"\U0001F4D0");
    EXPECT_EQ(AnsiToWide("\xFF").size(), 1u);
    // Overlong forms and encoded surrogates are not UTF-8: they stay bytes.
    EXPECT_EQ(WideToAnsi(AnsiToWide("\xC0\xAF")), "\xC0\xAF");
    EXPECT_EQ(AnsiToWide("\xC0\xAF").size(), 2u);
    EXPECT_EQ(AnsiToWide("\xED\xA0\x80").size(), 3u);
    // A lone high surrogate from elsewhere becomes the replacement character.
    EXPECT_EQ(WideToAnsi(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(TextEncoding, VisibleTextEscapesWhatCannotBeShown)
{
    struct Case {
        std::string narrow;
        std::string visible;
    };
    const Case cases[] = {
        {"Z:\\a\\é \xF0\x9F\x93\x90", "Z:\\a\\é \xF0\x9F\x93\x90"},
        {std::string("s.xsd\0.txt", 10), "s.xsd\\x00.txt"},
        {"s\xFF\xC3.xsd", "s\\xFF\\xC3.xsd"},
        {"tab\tline\r\nbell\a\x1B\x7F", "tab\\x09line\\x0D\\x0Abell\\x07\\x1B\\x7F"},
        // C1 controls (NEL, the 8-bit CSI), line separators, bidi overrides.
        {"a\xC2\x85" "b\xC2\x9B" "c\xE2\x80\xA8" "d\xE2\x80\xAE" "e\xE2\x81\xA6" "f\xC2\xA0",
         "a\\u0085b\\u009Bc\\u2028d\\u202Ee\\u2066f\xC2\xA0"},
    };
    for (const Case& c : cases) {
        const std::u16string visible = VisibleText(AnsiToWide(c.narrow));
        EXPECT_EQ(WideToAnsi(visible), c.visible);
        EXPECT_EQ(VisibleText(visible), visible) << c.visible; // escaping twice changes nothing
    }
    EXPECT_EQ(WideToAnsi(VisibleText(std::u16string(1, char16_t(0xD800)))), "\\uD800");
}

TEST(DrivePath, UnmappedPathsSayWhyTheyNameNoFile)
{
    struct Case {
        const char* path;
        const char* says;
        const char* never;
    };
    const Case cases[] = {
        {"Z:tmp", "drive-relative path, not a full path", "does not exist"},
        {"C:\\data\\x.xml", "drive C: does not exist", "drive-relative"},
        {"\\\\server\\share\\x.xml", "network path", "drive letter"},
        {"site.xml", "not a full path with a drive letter", "network"},
    };
    for (const Case& c : cases) {
        const std::string reason = UnmappedDrivePathReason(c.path);
        EXPECT_NE(reason.find(c.says), std::string::npos) << reason;
        EXPECT_EQ(reason.find(c.never), std::string::npos) << reason;
    }
}

TEST(DrivePath, DriveZIsTheLinuxRoot)
{
    struct Case {
        const char* drive;
        std::optional<std::string> linux;
    };
    const Case cases[] = {
        {"Z:\\home\\ann\\site.xml", "/home/ann/site.xml"},
        {"z:\\tmp", "/tmp"},
        {"Z:\\", "/"},
        {"Z:", "/"},
        {"Z:\\a b\\é.xml", "/a b/é.xml"},
        {"C:\\Windows", std::nullopt},
        {"Z:relative", std::nullopt},
        {"\\\\server\\share", std::nullopt},
        {"site.xml", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LinuxPathFromDrivePath(c.drive), c.linux) << c.drive;
}

TEST(DrivePath, LinuxPathsTakeTheDriveForm)
{
    EXPECT_EQ(DrivePathFromLinuxPath("/home/ann/site.xml"), "Z:\\home\\ann\\site.xml");
    EXPECT_EQ(DrivePathFromLinuxPath("/"), "Z:\\");
    EXPECT_EQ(DrivePathFromLinuxPath("relative/site.xml"), std::nullopt);
    EXPECT_EQ(DrivePathFromLinuxPath("/odd\\name.xml"), std::nullopt);

    EXPECT_EQ(DrivePathFromCommandLine("Z:\\x.xml"), "Z:\\x.xml");
    EXPECT_EQ(DrivePathFromCommandLine("\\\\server\\x.xml"), "\\\\server\\x.xml");
    const auto relative = DrivePathFromCommandLine("dir/../site.xml");
    ASSERT_TRUE(relative.has_value());
    const auto expected = DrivePathFromLinuxPath((std::filesystem::current_path() / "site.xml").string());
    EXPECT_EQ(relative, expected);
    EXPECT_EQ(DrivePathFromCommandLine(""), std::nullopt);
}

} // namespace

// A list ends at its closing empty string, or at a description without
// patterns; nothing behind either is read (the buffers here end exactly there,
// so AddressSanitizer sees any read past them).
TEST(FilterList, IsReadUpToWhereItEndsAndNoFurther)
{
    struct Case {
        std::string list;
        std::size_t pairs;
    };
    const Case cases[] = {
        {std::string("\0", 1), 0},
        {std::string("XML\0*.xml\0\0", 11), 1},
        {std::string("XML\0*.xml\0\"\0\0", 13), 2},
        {std::string("text\0\0", 6), 1},
    };
    for (const Case& c : cases) {
        const std::vector<char> buffer(c.list.begin(), c.list.end());
        EXPECT_EQ(ReadFilterList(buffer.data()).size(), c.pairs);
        EXPECT_EQ(FilterListBytes(buffer.data()), c.list);
    }
}
