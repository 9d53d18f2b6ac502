// The existence test and directory creation on drive paths.

#include "platform/os/file_system.h"

#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

TEST(FileSystemTest, AnyEntryOnDriveZExists)
{
    TempDir dir;
    dir.Write("folder/file.xml", "<a/>");
    std::filesystem::create_symlink(dir.Path() / "folder", dir.Path() / "link");
    std::filesystem::create_symlink(dir.Path() / "gone", dir.Path() / "dangling");
    const std::string root = DriveForm(dir.Path());
    const struct {
        std::string path;
        int expected;
    } cases[] = {
        {root, 0},
        {root + "\\folder", 0},
        {root + "\\folder\\", 0},
        {root + "\\folder\\file.xml", 0},
        {root + "\\link", 0},
        {root + "\\link\\file.xml", 0},
        {root + "\\dangling", -1},
        {root + "\\missing", -1},
        {root + "\\folder\\file.xml\\below", -1},
        {"Z:\\", 0},
        {"z:\\", 0},
        {"Z:", 0},
        {"C:\\", -1},
        {"C:" + root.substr(2), -1},
        {"\\\\server\\share", -1},
        {"relative\\path", -1},
        {"", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(_access(c.path.c_str(), 0), c.expected) << c.path;
    EXPECT_EQ(_access(nullptr, 0), -1);
    EXPECT_EQ(_access(root.c_str(), 1), -1) << "no such mode";
    EXPECT_EQ(_access((root + "\\folder\\file.xml").c_str(), 6), 0);
}

TEST(FileSystemTest, CreateDirectoryMakesExactlyOneLevel)
{
    TempDir dir;
    dir.Write("file", "x");
    const std::string root = DriveForm(dir.Path());

    EXPECT_TRUE(CreateDirectoryA((root + "\\one").c_str(), nullptr));
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "one"));
    EXPECT_FALSE(CreateDirectoryA((root + "\\one").c_str(), nullptr)) << "already there";
    EXPECT_FALSE(CreateDirectoryA((root + "\\two\\three").c_str(), nullptr)) << "parent missing";
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "two"));
    EXPECT_FALSE(CreateDirectoryA((root + "\\file\\below").c_str(), nullptr)) << "parent is a file";
    EXPECT_FALSE(CreateDirectoryA((root + "\\file").c_str(), nullptr)) << "a file is there";
    EXPECT_FALSE(CreateDirectoryA(("C:" + root.substr(2) + "\\other drive").c_str(), nullptr));
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "other drive"));
    EXPECT_FALSE(CreateDirectoryA("Z:\\", nullptr));
    EXPECT_FALSE(CreateDirectoryA(nullptr, nullptr));

    // Names the Linux side takes as they are: blanks, bytes above 0x7F.
    EXPECT_TRUE(CreateDirectoryA((root + "\\a b \xC3\xA9").c_str(), nullptr));
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "a b \xC3\xA9"));
}

} // namespace
