// Files that reach the window from outside the choosers: the one named on
// the command line leaves the window as the chooser would and is validated
// at once; a dropped file is taken as a chosen one. What cannot be taken is
// told, and changes nothing.

#include "tests/ui/main_window_fixture.h"

#include "platform/win_app.h"
#include "settings/registry_settings.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr const char* kSchema = R"(<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema">
  <xs:element name="count" type="xs:int"/>
</xs:schema>
)";

// Line 3 holds a value that is not a number.
constexpr const char* kInvalid = "<?xml version=\"1.0\"?>\n"
                                 "<count xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                                 "xsi:noNamespaceSchemaLocation=\"count.xsd\">\n"
                                 "three</count>\n";

std::optional<std::string> StoredFolder()
{
    CRegistrySettings settings;
    CString value;
    if (!settings.ReadValue(kFolderValue, value))
        return std::nullopt;
    return value.str();
}

// What a confirmed choice leaves in the window.
struct WindowState {
    std::string fileName;
    std::string folder;
    std::optional<std::string> storedFolder;
    bool okEnabled = false;
    bool editEnabled = false;
    std::string result;

    friend bool operator==(const WindowState&, const WindowState&) = default;
};

std::ostream& operator<<(std::ostream& out, const WindowState& state)
{
    return out << "file \"" << state.fileName << "\", folder \"" << state.folder << "\", stored \""
               << state.storedFolder.value_or("(none)") << "\", OK " << state.okEnabled << ", Edit "
               << state.editEnabled << ", result \"" << state.result << "\"";
}

class OpenedFilesTest : public MainWindowTest {
protected:
    WindowState StateOf(const CorvaneDlgUnderTest& dialog) const
    {
        return {Text(dialog, IDC_FILE_NAME), dialog.m_strFolder.str(), StoredFolder(),
                Control(dialog, IDOK)->isEnabled(), Control(dialog, IDC_EDIT_FILE)->isEnabled(),
                Text(dialog, IDC_RESULT)};
    }

    // The window after a start with this argument, once its verdict is in.
    // The check runs from the dialog's own loop, never from inside the load
    // it waits for (whose wait lets queued calls through).
    WindowState StartedWith(const std::string& argument)
    {
        CorvaneDlgUnderTest dialog;
        dialog.OpenAtStart(argument.c_str());
        WindowState state;
        int polls = 0;
        std::function<void()> check = [&] {
            const bool busy = AfxGetApp()->WaitCursorDepth() > 0;
            if ((busy || Text(dialog, IDC_RESULT).empty()) && ++polls < 6000) {
                QTimer::singleShot(10, check);
                return;
            }
            state = StateOf(dialog);
            dialog.EndDialog(IDCANCEL);
        };
        WhenNextDialogRuns([&](CDialog&) { check(); });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        return state;
    }

    // Drops the URLs onto the window as the file manager would.
    static void Drop(QWidget& widget, const QList<QUrl>& urls)
    {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&widget, &enter);
        EXPECT_TRUE(enter.isAccepted()) << "a drag of files is refused";
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&widget, &drop);
        // The program takes the drop once the file manager is done with it.
        QTest::qWait(0);
        QCoreApplication::processEvents();
    }

    fs::path WriteInvalid(const std::string& folder, const std::string& name) const
    {
        m_home.Write(folder + "/count.xsd", kSchema);
        return m_home.Write(folder + "/" + name, kInvalid);
    }
};

TEST_F(OpenedFilesTest, TheFileOfTheCommandLineIsTakenAsAChosenOneAndValidatedAtOnce)
{
    const fs::path file = WriteInvalid("data/site plan", "Höhe €.xml");

    // The window a chooser and OK leave, for comparison.
    WindowState chosen;
    {
        CorvaneDlgUnderTest dialog;
        RunModal(dialog, [&](QDialog& widget) {
            dialog.ChooseXmlFile(DriveForm(file).c_str());
            static_cast<QPushButton*>(Control(dialog, IDOK))->click();
            chosen = StateOf(dialog);
            QTest::keyClick(&widget, Qt::Key_Escape);
        });
    }
    ASSERT_EQ(chosen.fileName, DriveForm(file));
    ASSERT_NE(chosen.result.find("Line : 3;"), std::string::npos) << chosen;

    for (const std::string& argument : {file.string(), DriveForm(file)})
        EXPECT_EQ(StartedWith(argument), chosen) << argument;
    EXPECT_TRUE(m_boxes.Boxes().empty());
}

TEST_F(OpenedFilesTest, AFileOfTheCommandLineThatCannotBeTakenIsToldAndChangesNothing)
{
    m_home.Write("data/back\\slash.xml", kInvalid);
    struct Case {
        std::string argument;
        std::string told;
    };
    const std::vector<Case> cases = {
        {(m_home.Path() / "data" / "back\\slash.xml").string(), "its name holds a backslash"},
        {(m_home.Path() / "data" / "gone.xml").string(), "does not exist"},
        {"Z:\\nowhere\\gone.xml", "does not exist"},
    };
    for (const Case& c : cases) {
        const std::size_t before = m_boxes.Boxes().size();
        CorvaneDlgUnderTest dialog;
        dialog.OpenAtStart(c.argument.c_str());
        WindowState state;
        RunModal(dialog, [&](QDialog& widget) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return m_boxes.Boxes().size() > before; })) << c.argument;
            state = StateOf(dialog);
            QTest::keyClick(&widget, Qt::Key_Escape);
        });
        EXPECT_EQ(state, WindowState{}) << c.argument;
        ASSERT_EQ(m_boxes.Boxes().size(), before + 1) << c.argument;
        const std::string told = m_boxes.Boxes().back().text.str();
        EXPECT_NE(told.find(c.told), std::string::npos) << told;
        EXPECT_NE(told.find(c.argument), std::string::npos) << "the box names the file: " << told;
    }
}

TEST_F(OpenedFilesTest, ADroppedFileIsTakenAsAChosenOne)
{
    const fs::path first = WriteInvalid("drop/a b", "first.xml");
    const fs::path second = WriteInvalid("drop", "second.xml");

    CorvaneDlgUnderTest dialog;
    RunModal(dialog, [&](QDialog& widget) {
        dialog.GetDlgItem(IDC_RESULT)->SetWindowText("an earlier verdict");
        // Of several files, the first.
        Drop(widget, {QUrl::fromLocalFile(QString::fromStdString(first.string())),
                      QUrl::fromLocalFile(QString::fromStdString(second.string()))});
        const WindowState expected{DriveForm(first), DriveForm(first.parent_path()),
                                   DriveForm(first.parent_path()), true, true, ""};
        EXPECT_EQ(StateOf(dialog), expected);
        QTest::keyClick(&widget, Qt::Key_Escape);
    });
    EXPECT_TRUE(m_boxes.Boxes().empty());
}

TEST_F(OpenedFilesTest, ADropThatCannotBeTakenIsToldAndChangesNothing)
{
    const fs::path backslash = m_home.Write("drop/back\\slash.xml", kInvalid);
    const fs::path good = WriteInvalid("drop", "good.xml");
    struct Case {
        QList<QUrl> urls;
        std::string told;
    };
    const std::vector<Case> cases = {
        {{QUrl(QStringLiteral("https://example.org/site.xml"))}, "only files on this computer"},
        {{QUrl::fromLocalFile(QString::fromStdString(good.string())), QUrl(QStringLiteral("sftp://host/x.xml"))},
         "only files on this computer"},
        {{QUrl::fromLocalFile(QString::fromStdString(backslash.string()))}, "its name holds a backslash"},
    };
    for (const Case& c : cases) {
        const std::size_t before = m_boxes.Boxes().size();
        CorvaneDlgUnderTest dialog;
        RunModal(dialog, [&](QDialog& widget) {
            Drop(widget, c.urls);
            EXPECT_EQ(StateOf(dialog), WindowState{});
            QTest::keyClick(&widget, Qt::Key_Escape);
        });
        ASSERT_EQ(m_boxes.Boxes().size(), before + 1) << c.told;
        EXPECT_NE(m_boxes.Boxes().back().text.str().find(c.told), std::string::npos) << m_boxes.Boxes().back().text.str();
    }
}

} // namespace
