#include "platform/drive_path.h"
#include "platform/text_encoding.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

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
    const auto relative = DrivePathFromCommandLine("dir/../site.xml");
    ASSERT_TRUE(relative.has_value());
    const auto expected = DrivePathFromLinuxPath((std::filesystem::current_path() / "site.xml").string());
    EXPECT_EQ(relative, expected);
    EXPECT_EQ(DrivePathFromCommandLine(""), std::nullopt);
}

} // namespace
