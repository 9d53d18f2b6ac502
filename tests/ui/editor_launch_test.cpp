// Edit: the chosen file reaches a real program, started as the editor, as
// one argument whatever its name holds; a missing editor is told at every
// press; the default editor is the desktop's; after a report on a line of the
// document, editors known to take a line open the file there.

#include "tests/ui/main_window_fixture.h"

#include "tests/support/recorded_launches.h"
#include "tests/support/scoped_environment.h"

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

    // The recorder, copied to a folder whose name holds a blank.
    fs::path InstallRecorder() const
    {
        const fs::path editor = m_home.Path() / "My Editor" / "record";
        fs::create_directories(editor.parent_path());
        fs::copy_file(ArgvRecorderPath(CORVANE_BIN_DIR), editor);
        return editor;
    }

    // The recorder under another program name, as the editor of that name.
    fs::path InstallRecorderAs(const std::string& name) const
    {
        const fs::path editor = m_home.Path() / "bin" / name;
        fs::create_directories(editor.parent_path());
        fs::copy_file(ArgvRecorderPath(CORVANE_BIN_DIR), editor);
        return editor;
    }

    static void PressEdit(const CDialog& dialog)
    {
        auto* edit = static_cast<QPushButton*>(ControlWidgetOf(dialog, IDC_EDIT_FILE));
        ASSERT_TRUE(edit->isEnabled());
        edit->click();
    }

    static void PressOK(const CDialog& dialog)
    {
        static_cast<QPushButton*>(ControlWidgetOf(dialog, IDOK))->click();
    }

    // A schema, and documents that break it on line 4, break nothing, and
    // name a schema that is itself broken.
    void WriteDocuments()
    {
        m_home.Write("data/survey.xsd", kSurveySchema);
        m_home.Write("data/broken.xsd", "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">\n"
                                        "  <xs:element name=\"survey\" type=\"NoSuchType\"/>\n</xs:schema>\n");
        m_invalid = m_home.Write("data/say \"hi\" now.xml", Survey("survey.xsd", "three"));
        m_valid = m_home.Write("data/valid.xml", Survey("survey.xsd", "3"));
        m_schemaBroken = m_home.Write("data/schema broken.xml", Survey("broken.xsd", "3"));
    }

    static std::string Survey(const std::string& schema, const std::string& x)
    {
        return "<?xml version=\"1.0\"?>\n<survey xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
               "xsi:noNamespaceSchemaLocation=\"" + schema + "\">\n  <point x=\"1\"/>\n  <point x=\"" + x +
               "\"/>\n</survey>\n";
    }

    static constexpr const char* kSurveySchema = R"(<?xml version="1.0"?>
<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema">
  <xs:element name="survey">
    <xs:complexType>
      <xs:sequence>
        <xs:element name="point" maxOccurs="unbounded">
          <xs:complexType><xs:attribute name="x" type="xs:decimal"/></xs:complexType>
        </xs:element>
      </xs:sequence>
    </xs:complexType>
  </xs:element>
</xs:schema>
)";

    fs::path m_invalid;
    fs::path m_valid;
    fs::path m_schemaBroken;
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

TEST_F(EditorLaunchTest, EditorsKnownToTakeALineOpenTheFileAtTheErrorLine)
{
    WriteDocuments();
    const std::string file = m_invalid.string();
    const std::map<std::string, std::vector<std::string>> expected = {
        {"vim", {"+4", file}},
        {"nvim", {"+4", file}},
        {"emacs", {"+4", file}},
        {"nano", {"+4", file}},
        {"gedit", {"+4", file}},
        {"gnome-text-editor", {"+4", file}},
        {"kate", {"--line", "4", file}},
        {"code", {"-g", file + ":4"}},
        // Names that only resemble a known one get the file alone.
        {"vi", {file}},
        {"Vim", {file}},
        {"gedit-wrapper", {file}},
        {"mousepad", {file}},
    };

    CorvaneDlgUnderTest dialog;
    RunModal(dialog, [&](QDialog& widget) {
        dialog.ChooseXmlFile(DriveForm(m_invalid).c_str());
        PressOK(dialog);
        ASSERT_NE(Text(dialog, IDC_RESULT).find("Line : 4;"), std::string::npos) << Text(dialog, IDC_RESULT);
        for (const auto& [name, args] : expected) {
            dialog.ChooseEditor(DriveForm(InstallRecorderAs(name)).c_str());
            PressEdit(dialog);
        }
        QTest::keyClick(&widget, Qt::Key_Escape);
    });
    EXPECT_TRUE(m_boxes.Boxes().empty());

    std::map<std::string, std::vector<std::string>> received;
    for (const RecordedLaunch& launch : WaitForRecordedLaunches(m_records, expected.size())) {
        ASSERT_FALSE(launch.argv.empty());
        received[fs::path(launch.argv[0]).filename().string()].assign(launch.argv.begin() + 1, launch.argv.end());
    }
    EXPECT_EQ(received, expected);
}

TEST_F(EditorLaunchTest, WithoutAReportOnALineOfTheDocumentTheEditorGetsTheFileAlone)
{
    WriteDocuments();
    const fs::path vim = InstallRecorderAs("vim");
    struct Case {
        const char* name;
        fs::path file;
        bool pressOK;
        bool chooseAgain; // the file chosen again after the run
    };
    const std::vector<Case> cases = {
        {"no run yet", m_invalid, false, false},
        {"a valid file", m_valid, true, false},
        {"an error inside the schema", m_schemaBroken, true, false},
        {"the file chosen again after its report", m_invalid, true, true},
    };

    CorvaneDlgUnderTest dialog;
    RunModal(dialog, [&](QDialog& widget) {
        dialog.ChooseEditor(DriveForm(vim).c_str());
        for (const Case& c : cases) {
            dialog.ChooseXmlFile(DriveForm(c.file).c_str());
            if (c.pressOK)
                PressOK(dialog);
            if (c.chooseAgain)
                dialog.ChooseXmlFile(DriveForm(c.file).c_str());
            PressEdit(dialog);
            const auto launches = WaitForRecordedLaunches(m_records, 1);
            ASSERT_EQ(launches.size(), 1u) << c.name;
            const std::vector<std::string> expected = {vim.string(), c.file.string()};
            EXPECT_EQ(launches[0].argv, expected) << c.name << "; the result read: " << Text(dialog, IDC_RESULT);
            fs::remove_all(m_records);
            fs::create_directories(m_records);
        }
        QTest::keyClick(&widget, Qt::Key_Escape);
    });
}

TEST_F(EditorLaunchTest, TheDesktopsTextEditorCountsByItsOwnName)
{
    // No Notepad.exe; the desktop's text editor is "gedit", started through
    // its desktop entry with an option of its own.
    WriteDocuments();
    const fs::path gedit = InstallRecorderAs("gedit");
    const fs::path empty = m_home.Path() / "empty";
    fs::create_directories(empty);
    const ScopedEnvironment path("PATH", empty.string());
    const ScopedEnvironment dataHome("XDG_DATA_HOME", (m_home.Path() / "share").string());
    const ScopedEnvironment dataDirs("XDG_DATA_DIRS", empty.string());
    const ScopedEnvironment configDirs("XDG_CONFIG_DIRS", empty.string());
    m_home.Write("config/mimeapps.list", "[Default Applications]\ntext/plain=gedit.desktop;\n");
    m_home.Write("share/applications/gedit.desktop",
                 "[Desktop Entry]\nType=Application\nName=Text\nExec=" + gedit.string() + " --new-window %U\n");

    CorvaneDlgUnderTest dialog;
    RunModal(dialog, [&](QDialog& widget) {
        dialog.ChooseXmlFile(DriveForm(m_invalid).c_str());
        PressOK(dialog);
        PressEdit(dialog);
        QTest::keyClick(&widget, Qt::Key_Escape);
    });
    const auto launches = WaitForRecordedLaunches(m_records, 1);
    ASSERT_EQ(launches.size(), 1u);
    const std::vector<std::string> expected = {gedit.string(), "--new-window", "+4", m_invalid.string()};
    EXPECT_EQ(launches[0].argv, expected);
}

} // namespace
