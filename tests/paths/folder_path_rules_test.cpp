// The folder path rules: components, whole paths in both modes, and the
// preparation that asks the user.

#include "paths/folder_path_rules.h"

#include "platform/ui/message_box.h"

#include "tests/support/child_process.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include <sys/stat.h>

namespace {

constexpr UINT kQuestionBox = 0x24; // MB_YESNO | MB_ICONQUESTION
constexpr UINT kWarningBox = 0x30;  // MB_OK | MB_ICONEXCLAMATION

std::string InvalidText(const std::string& path)
{
    return "The folder:\n\n" + path + "\n\nis invalid. Please reenter.";
}
std::string MissingText(const std::string& path)
{
    return "The folder:\n\n" + path + "\n\ndoes not exist. Do you want the folder to be created?";
}
std::string CannotCreateText(const std::string& path)
{
    return "The folder:\n\n" + path + "\n\ncan not be created. Please double check.";
}

TEST(IsValidPathComponentTest, EveryByteByItself)
{
    const struct {
        const char* component;
        int expected;
    } cases[] = {
        {"xml", 1},
        {"a", 1},
        {"My Documents", 1},
        {"v1.2", 1},
        {"a\tb", 1},
        {"\x01\x1F", 1},
        {"\x80\xFF", 1},
        {"caf\xC3\xA9", 1},
        {"a'b;c=d,e[f]g{h}", 1},
        {"", 0},
        {".", 0},
        {"..", 0},
        {".hidden", 0},
        {"name.", 0},
        {" lead", 0},
        {"trail ", 0},
        {"\tlead", 0},
        {"trail\t", 0},
        {"a\"b", 0},
        {"a*b", 0},
        {"a/b", 0},
        {"a:b", 0},
        {"a<b", 0},
        {"a>b", 0},
        {"a?b", 0},
        {"a\\b", 0},
        {"a|b", 0},
        {"\x81\x7C", 0}, // a double-byte character whose second byte is '|'
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsValidPathComponent(c.component), c.expected) << '"' << c.component << '"';
    EXPECT_EQ(IsValidPathComponent(nullptr), 0);
}

std::string Repeat(char ch, std::size_t count)
{
    return std::string(count, ch);
}

TEST(CheckFolderPathTest, CheckOnlyJudgesTheTextAlone)
{
    // "Z:\" plus one component brings the path to exactly 259 bytes.
    const std::string longest = "Z:\\" + Repeat('a', 256);
    const std::string tooLong = longest + "b";
    const std::string farTooLong = "Z:\\" + Repeat('c', 5000);
    const struct {
        std::string path;
        int expected;
    } cases[] = {
        {"C:\\", 0},
        {"Z:\\", 0},
        {"q:\\", 0},
        {"C:\\Users\\ann\\xml", 0},
        {"C:\\a b\\c.d\\e f.g", 0},
        {"C:\\\x81\\\\x", 1}, // second byte 0x5C splits: "\x81", then an empty component
        {"C:\\\x81\\x", 0},
        {"C:\\data\\\x81\x7C", 1},
        {longest, 0},
        {tooLong, 1},
        {farTooLong, 1},
        {"", 1},
        {"C", 1},
        {"C:", 1},
        {"C:x", 1},
        {"1:\\", 1},
        {"@:\\", 1},
        {"[:\\", 1},
        {"CC\\", 1},
        {"C:/", 1},
        {"C:/Users/ann", 1},
        {"\\\\server\\share", 1},
        {"Users\\ann", 1},
        {"C:\\Users\\", 1},
        {"C:\\Users\\\\ann", 1},
        {"C:\\\\Users", 1},
        {"C:\\Users\\..\\ann", 1},
        {"C:\\.\\ann", 1},
        {"C:\\ann.", 1},
        {"C:\\ ann", 1},
        {"C:\\a:b", 1},
        {"C:\\a|b", 1},
    };
    for (const auto& c : cases) {
        const std::string before = c.path;
        EXPECT_EQ(CheckFolderPath(c.path.c_str(), 1), c.expected) << c.path.substr(0, 80);
        EXPECT_EQ(c.path, before) << "the caller's text is never changed";
    }
    EXPECT_EQ(CheckFolderPath(nullptr, 1), 1);
    EXPECT_EQ(CheckFolderPath(nullptr, 0), 1);
    EXPECT_EQ(CheckFolderPath(tooLong.c_str(), 0), 1);
}

TEST(CheckFolderPathTest, CheckOnlyNeverTouchesTheFileSystem)
{
    TempDir dir;
    const std::string path = DriveForm(dir.Path()) + "\\not\\created";
    EXPECT_EQ(CheckFolderPath(path.c_str(), 1), 0);
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "not"));
}

TEST(CheckFolderPathTest, CreateModeMakesEveryMissingLevelOutermostFirst)
{
    TempDir dir;
    const std::string root = DriveForm(dir.Path());
    const std::string path = root + "\\one\\two words\\three";
    EXPECT_EQ(CheckFolderPath(path.c_str(), 0), 0);
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "one" / "two words" / "three"));
    EXPECT_EQ(CheckFolderPath(path.c_str(), 0), 0) << "existing levels are passed over";

    EXPECT_EQ(CheckFolderPath("Z:\\", 0), 0) << "the root of an existing drive";
    EXPECT_EQ(CheckFolderPath("C:\\", 0), 2) << "a drive that does not exist";
    EXPECT_EQ(CheckFolderPath("C:\\x", 0), 2);

    // Under a file nothing can be made.
    dir.Write("file", "x");
    EXPECT_EQ(CheckFolderPath((root + "\\file\\below").c_str(), 0), 2);
    EXPECT_EQ(CheckFolderPath((root + "\\file").c_str(), 0), 0) << "a file counts as existing";
    // An invalid component stops the walk before anything is made for it;
    // the valid levels before it were made on the way.
    EXPECT_EQ(CheckFolderPath((root + "\\fresh\\bad|name").c_str(), 0), 1);
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "fresh"));
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "fresh" / "bad|name"));
}

TEST(CheckFolderPathTest, LevelsMadeBeforeALevelThatFailsStay)
{
    TempDir dir;
    std::filesystem::permissions(dir.Path(), std::filesystem::perms::all);
    const std::string path = DriveForm(dir.Path()) + "\\outer\\inner\\deepest";
    // Folders made without write permission for anyone: the second level
    // cannot be made inside the first.
    const int result = RunInUnprivilegedChildProcess([&path]() {
        umask(0277);
        return CheckFolderPath(path.c_str(), 0);
    });
    if (result == kCannotDropPrivileges)
        GTEST_SKIP() << "cannot run as an unprivileged user here";
    EXPECT_EQ(result, 2);
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "outer"));
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "outer" / "inner"));
}

// PrepareFolder with the user's answers scripted.
class PrepareFolderTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string root = DriveForm(dir.Path());
    ScriptedMessageBoxes boxes;

    void ExpectBoxes(const std::vector<std::pair<std::string, UINT>>& expected)
    {
        ASSERT_EQ(boxes.Boxes().size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(boxes.Boxes()[i].text.str(), expected[i].first) << i;
            EXPECT_EQ(boxes.Boxes()[i].nType, expected[i].second) << i;
            EXPECT_EQ(boxes.Boxes()[i].caption, "Corvane") << i;
        }
    }
};

TEST_F(PrepareFolderTest, AnExistingFolderOrFileOrRootIsAcceptedSilently)
{
    dir.Write("folder/file.xml", "<a/>");
    for (const std::string& path : {root, root + "\\folder", root + "\\folder\\file.xml",
                                   std::string("Z:\\"), std::string("z:\\")}) {
        EXPECT_EQ(PrepareFolder(path.c_str()), 0) << path;
    }
    ExpectBoxes({});
}

TEST_F(PrepareFolderTest, AnInvalidPathIsReportedAndNothingIsAsked)
{
    const std::string tooLong = "Z:\\" + std::string(300, 'x');
    for (const std::string& path : {std::string("Z:"), std::string("Z:/tmp"), std::string("\\\\server\\share"),
                                   root + "\\", root + "\\a\\\\b", root + "\\..", tooLong,
                                   std::string("")}) {
        boxes.QueueAnswer(IDYES); // never asked for: a Yes must not create anything
        EXPECT_EQ(PrepareFolder(path.c_str()), 1) << path.substr(0, 40);
    }
    ASSERT_EQ(boxes.Boxes().size(), 8u);
    EXPECT_EQ(boxes.Boxes()[0].text.str(), InvalidText("Z:"));
    EXPECT_EQ(boxes.Boxes()[1].text.str(), InvalidText("Z:/tmp"));
    EXPECT_EQ(boxes.Boxes()[6].text.str(), InvalidText(tooLong));
    for (const auto& box : boxes.Boxes())
        EXPECT_EQ(box.nType, kWarningBox);
    EXPECT_EQ(PrepareFolder(nullptr), 1);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              0);
}

TEST_F(PrepareFolderTest, AMissingFolderDeclinedIsNotCreated)
{
    const std::string path = root + "\\new\\folder";
    boxes.QueueAnswer(IDNO);
    EXPECT_EQ(PrepareFolder(path.c_str()), -1);
    ExpectBoxes({{MissingText(path), kQuestionBox}});
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "new"));
}

TEST_F(PrepareFolderTest, AnyAnswerButYesDeclines)
{
    const std::string path = root + "\\new";
    for (const int answer : {IDNO, IDCANCEL, IDOK, 0}) {
        boxes.QueueAnswer(answer);
        EXPECT_EQ(PrepareFolder(path.c_str()), -1) << answer;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "new"));
}

TEST_F(PrepareFolderTest, AMissingFolderAcceptedIsCreatedLevelByLevel)
{
    const std::string path = root + "\\new\\deeper folder\\x.y";
    boxes.QueueAnswer(IDYES);
    EXPECT_EQ(PrepareFolder(path.c_str()), 0);
    ExpectBoxes({{MissingText(path), kQuestionBox}});
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "new" / "deeper folder" / "x.y"));
}

TEST_F(PrepareFolderTest, AFolderThatCannotBeCreatedIsReported)
{
    dir.Write("file", "x");
    const std::string cases[] = {"C:\\", "C:\\x", root + "\\file\\below", root + "\\file\\a\\b"};
    for (const std::string& path : cases) {
        ScriptedMessageBoxes local;
        local.QueueAnswer(IDYES);
        EXPECT_EQ(PrepareFolder(path.c_str()), 2) << path;
        ASSERT_EQ(local.Boxes().size(), 2u) << path;
        EXPECT_EQ(local.Boxes()[0].text.str(), MissingText(path));
        EXPECT_EQ(local.Boxes()[0].nType, kQuestionBox);
        EXPECT_EQ(local.Boxes()[1].text.str(), CannotCreateText(path));
        EXPECT_EQ(local.Boxes()[1].nType, kWarningBox);
    }
    // Declined, the same paths give -1 and no second box.
    for (const std::string& path : cases) {
        ScriptedMessageBoxes local;
        local.QueueAnswer(IDNO);
        EXPECT_EQ(PrepareFolder(path.c_str()), -1) << path;
        EXPECT_EQ(local.Boxes().size(), 1u) << path;
    }
}

TEST_F(PrepareFolderTest, ThePathIsShownUnchangedEvenWithFormatCharacters)
{
    const std::string path = root + "\\100% %s %d %1 & [x]";
    boxes.QueueAnswer(IDNO);
    EXPECT_EQ(PrepareFolder(path.c_str()), -1);
    ExpectBoxes({{MissingText(path), kQuestionBox}});
}

TEST(PrepareFolderWithoutServiceTest, NobodyToAnswerMeansNothingIsCreated)
{
    TempDir dir;
    const std::string path = DriveForm(dir.Path()) + "\\unasked";
    testing::internal::CaptureStderr();
    EXPECT_EQ(PrepareFolder(path.c_str()), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Corvane: " + MissingText(path) + "\n");
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "unasked"));
}

} // namespace
