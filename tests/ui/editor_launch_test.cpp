// Edit: the chosen file reaches a real program, started as the editor, as
// one argument whatever its name holds; a missing editor is told at every
// press; the default editor is the desktop's; after a report on a line of the
// document, editors known to take a line open the file there.

#include "tests/ui/main_window_fixture.h"

#include "tests/support/recorded_launches.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/standard_streams.h"

#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

class EditorLaunchTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        fs::create_directories(m_records);
    }

    // The recorder, copied to a folder whose name holds a blank, or under
    // the name of another editor.
    fs::path InstallRecorder(const std::string& name = "My Editor/record") const
    {
        const fs::path editor = m_home.Path() / name;
        fs::create_directories(editor.parent_path());
        // Copied beside it and renamed over it: the editor launched before
        // under this name may still run, and a running program cannot be
        // written to.
        const fs::path copy = editor.string() + ".new";
        fs::copy_file(ArgvRecorderPath(CORVANE_BIN_DIR), copy, fs::copy_options::overwrite_existing);
        fs::rename(copy, editor);
        return editor;
    }

    // As started from a shell unless a test says otherwise: the editor then
    // starts itself, whatever it is.
    void PressEdit(const CDialog& dialog) const
    {
        auto* edit = static_cast<QPushButton*>(ControlWidgetOf(dialog, IDC_EDIT_FILE));
        ASSERT_TRUE(edit->isEnabled());
        const ScopedStandardStreams streams(m_haveTerminal);
        edit->click();
    }

    // Chooses the file, checks it when asked (then chooses it again if asked),
    // and presses Edit once with each editor; returns each editor's arguments
    // after its program, the XML path written FILE.
    std::map<std::string, std::vector<std::string>> EditWith(const std::string& xml, bool check,
                                                             const std::vector<std::string>& editors,
                                                             bool chooseAgain = false)
    {
        m_home.Write("data/count.xsd", "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">"
                                       "<xs:element name=\"count\" type=\"xs:int\"/></xs:schema>");
        m_home.Write("data/broken.xsd", "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">\n"
                                        "<xs:element name=\"count\" type=\"NoSuchType\"/></xs:schema>");
        const fs::path file = m_home.Write("data/say \"hi\" now.xml", xml);
        CorvaneDlgUnderTest dialog;
        RunModal(dialog, [&](QDialog& widget) {
            dialog.ChooseXmlFile(DriveForm(file).c_str());
            if (check)
                static_cast<QPushButton*>(ControlWidgetOf(dialog, IDOK))->click();
            if (chooseAgain)
                dialog.ChooseXmlFile(DriveForm(file).c_str());
            for (const std::string& name : editors) {
                dialog.ChooseEditor(DriveForm(InstallRecorder("bin/" + name)).c_str());
                PressEdit(dialog);
            }
            QTest::keyClick(&widget, Qt::Key_Escape);
        });
        std::map<std::string, std::vector<std::string>> received;
        for (const RecordedLaunch& launch : WaitForRecordedLaunches(m_records, editors.size())) {
            auto& args = received[fs::path(launch.argv.at(0)).filename().string()];
            for (std::size_t i = 1; i < launch.argv.size(); ++i) {
                const std::string& arg = launch.argv[i];
                args.push_back(arg.starts_with(file.string()) ? "FILE" + arg.substr(file.string().size()) : arg);
            }
        }
        fs::remove_all(m_records);
        fs::create_directories(m_records);
        return received;
    }

    bool m_haveTerminal = true;
    fs::path m_records = m_home.Path() / "records";
    ScopedEnvironment m_recordDir{"CORVANE_RECORD_DIR", m_records.string()};
    ScopedEnvironment m_mark{"CORVANE_RECORD_MARK", "inherited"};
};

TEST_F(EditorLaunchTest, EveryPressStartsTheEditorWithTheFileAsOneArgument)
{
    const fs::path editor = InstallRecorder();
    const std::vector<std::string> names = {
        "site plan.xml", "say \"hi\".xml", "odd\" name.xml", "$HOME and `x`.xml", "Höhe €.xml", "'single' *.xml",
        "-dash.xml",     "tab\there.xml",   "trailing blank .xml",
    };
    std::vector<fs::path> files;
    for (const std::string& name : names)
        files.push_back(m_home.Write("data/" + name, "<x/>"));

    CorvaneDlgUnderTest dialog;
    RunModal(dialog, [&](QDialog& widget) {
        dialog.ChooseEditor(DriveForm(editor).c_str());
        for (const fs::path& file : files) {
            dialog.ChooseXmlFile(DriveForm(file).c_str());
            dialog.GetDlgItem(IDC_RESULT)->SetWindowText("an earlier verdict");
            PressEdit(dialog);
            EXPECT_EQ(Text(dialog, IDC_RESULT), "an earlier verdict");
        }
        // A second press starts a second editor.
        PressEdit(dialog);
        QTest::keyClick(&widget, Qt::Key_Escape);
    });
    EXPECT_TRUE(m_boxes.Boxes().empty());

    const auto launches = WaitForRecordedLaunches(m_records, files.size() + 1);
    ASSERT_EQ(launches.size(), files.size() + 1);
    std::vector<std::string> received;
    for (const RecordedLaunch& launch : launches) {
        ASSERT_EQ(launch.argv.size(), 2u);
        EXPECT_EQ(launch.argv[0], editor.string());
        received.push_back(launch.argv[1]);
        EXPECT_EQ(launch.mark, "inherited");
        EXPECT_EQ(launch.cwd, fs::current_path().string());
    }
    std::vector<std::string> expected;
    for (const fs::path& file : files)
        expected.push_back(file.string());
    expected.push_back(files.back().string());
    std::sort(received.begin(), received.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(received, expected);
    EXPECT_TRUE(OwnZombieChildren().empty());
}

TEST_F(EditorLaunchTest, AMissingEditorIsToldAtEveryPress)
{
    CorvaneDlgUnderTest dialog;
    RunModal(dialog, [&](QDialog& widget) {
        dialog.ChooseEditor(DriveForm(m_home.Path() / "gone" / "editor").c_str());
        dialog.ChooseXmlFile(DriveForm(m_home.Write("a.xml", "<a/>")).c_str());
        PressEdit(dialog);
        PressEdit(dialog);
        QTest::keyClick(&widget, Qt::Key_Escape);
    });
    ASSERT_EQ(m_boxes.Boxes().size(), 2u);
    for (const auto& box : m_boxes.Boxes()) {
        EXPECT_EQ(box.caption, "Corvane");
        EXPECT_EQ(box.text, "Can not load editor");
        EXPECT_EQ(box.nType, MB_OK);
    }
    EXPECT_TRUE(RecordedLaunches(m_records).empty());
}

TEST_F(EditorLaunchTest, TheDefaultEditorIsTheDesktopsTextEditor)
{
    // No program called Notepad.exe anywhere; the user's associations name a
    // desktop entry that runs the recorder.
    const fs::path empty = m_home.Path() / "empty";
    fs::create_directories(empty);
    const ScopedEnvironment path("PATH", empty.string());
    const ScopedEnvironment dataHome("XDG_DATA_HOME", (m_home.Path() / "share").string());
    const ScopedEnvironment dataDirs("XDG_DATA_DIRS", empty.string());
    const ScopedEnvironment configDirs("XDG_CONFIG_DIRS", empty.string());
    const ScopedEnvironment desktop("XDG_CURRENT_DESKTOP", "Test");
    m_home.Write("config/mimeapps.list", "[Default Applications]\ntext/plain=recorder.desktop;\n");
    m_home.Write("share/applications/recorder.desktop",
                 "[Desktop Entry]\nType=Application\nName=Recorder\nExec=" + ArgvRecorderPath(CORVANE_BIN_DIR).string() +
                     " --new-window %f\n");
    const fs::path file = m_home.Write("data/site plan.xml", "<x/>");

    CorvaneDlgUnderTest dialog;
    RunModal(dialog, [&](QDialog& widget) {
        EXPECT_EQ(dialog.m_strEditor, "Notepad.exe");
        dialog.ChooseXmlFile(DriveForm(file).c_str());
        PressEdit(dialog);
        QTest::keyClick(&widget, Qt::Key_Escape);
    });
    EXPECT_TRUE(m_boxes.Boxes().empty());
    const auto launches = WaitForRecordedLaunches(m_records, 1);
    ASSERT_EQ(launches.size(), 1u);
    const std::vector<std::string> expected = {ArgvRecorderPath(CORVANE_BIN_DIR).string(), "--new-window",
                                               file.string()};
    EXPECT_EQ(launches[0].argv, expected);
}

// The document's line 3 holds the error.
std::string Count(const std::string& schema, const std::string& value)
{
    return "<?xml version=\"1.0\"?>\n<count xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
           "xsi:noNamespaceSchemaLocation=\"" + schema + "\">\n" + value + "</count>\n";
}

TEST_F(EditorLaunchTest, EditorsKnownToTakeALineOpenTheFileAtTheErrorLine)
{
    using Args = std::map<std::string, std::vector<std::string>>;
    const Args expected = {
        {"vim", {"+3", "FILE"}},     {"nvim", {"+3", "FILE"}},          {"emacs", {"+3", "FILE"}},
        {"nano", {"+3", "FILE"}},    {"gedit", {"+3", "FILE"}},         {"gnome-text-editor", {"+3", "FILE"}},
        {"kate", {"--line", "3", "FILE"}}, {"code", {"-g", "FILE:3"}},
        // Names that only resemble a known one get the file alone.
        {"vi", {"FILE"}},            {"Vim", {"FILE"}},                 {"gedit-wrapper", {"FILE"}},
    };
    std::vector<std::string> names;
    for (const auto& [name, args] : expected)
        names.push_back(name);
    EXPECT_EQ(EditWith(Count("count.xsd", "three"), true, names), expected);

    // Without a report on a line of the document, the file alone.
    const Args alone = {{"vim", {"FILE"}}};
    EXPECT_EQ(EditWith(Count("count.xsd", "three"), false, {"vim"}), alone) << "no check yet";
    EXPECT_EQ(EditWith(Count("count.xsd", "3"), true, {"vim"}), alone) << "a valid file";
    EXPECT_EQ(EditWith(Count("broken.xsd", "3"), true, {"vim"}), alone) << "an error inside the schema";
    EXPECT_EQ(EditWith(Count("count.xsd", "three"), true, {"vim"}, true), alone) << "the file chosen again";
    EXPECT_TRUE(m_boxes.Boxes().empty());
}

// Started from a menu: a terminal editor runs in the desktop's terminal and
// keeps its line; an editor with a window of its own keeps its command line.
TEST_F(EditorLaunchTest, WithoutATerminalATerminalEditorRunsInTheDesktopsTerminal)
{
    m_haveTerminal = false;
    const ScopedEnvironment terminal("TERMINAL", InstallRecorder("terminal/xterm").string());
    const std::string vim = (m_home.Path() / "bin/vim").string();
    const std::map<std::string, std::vector<std::string>> expected = {
        {"xterm", {"-e", vim, "+3", "FILE"}},
        {"gedit", {"+3", "FILE"}},
    };
    EXPECT_EQ(EditWith(Count("count.xsd", "three"), true, {"vim", "gedit"}), expected);
    EXPECT_TRUE(m_boxes.Boxes().empty());
}

} // namespace
