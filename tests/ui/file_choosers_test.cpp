// The two browse buttons: what each chooser is asked, what a confirmed or
// cancelled choice changes in the window and in the settings, and the real
// chooser driven by the keyboard.

#include "tests/ui/main_window_fixture.h"

#include "platform/qt/qt_file_chooser.h"
#include "settings/registry_settings.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <optional>
#include <string>

namespace {

using namespace std::string_literals;

// The construction flags, the ones every press adds, and the chooser's own.
constexpr DWORD kExpectedFlags = 0x6u | 0x1808u | OFN_EXPLORER | OFN_ENABLESIZING;

// The trailing double quote is a description without patterns: the list
// ends there.
const std::string kXmlFilterBytes = "\"XML Data (*.xml)\0*.xml\0\"\0\0"s;
const std::string kEditorFilterBytes = "\"Editor (*.exe)\0*.exe\0\"\0\0"s;

std::optional<std::string> Stored(const char* name)
{
    CRegistrySettings settings;
    CString value;
    if (!settings.ReadValue(name, value))
        return std::nullopt;
    return value.str();
}

void Click(const CDialog& dialog, int nID)
{
    auto* button = static_cast<QPushButton*>(ControlWidgetOf(dialog, nID));
    ASSERT_TRUE(button->isEnabled()) << nID;
    button->click();
}

class FileChoosersTest : public MainWindowTest {
protected:
    ScriptedFileChoosers m_choosers;
};

TEST_F(FileChoosersTest, ConfirmedXmlFileIsShownRememberedAndValidatedAndCancelChangesNothing)
{
    m_home.Write("data/survey.xsd", "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">"
                                    "<xs:element name=\"s\" type=\"xs:int\"/></xs:schema>");
    const auto file = m_home.Write("data/site plan.xml", "<s xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                                                         "xsi:noNamespaceSchemaLocation=\"survey.xsd\">7</s>");
    const std::string path = DriveForm(file);
    const std::string folder = DriveForm(file.parent_path());

    CorvaneDlgUnderTest dialog;
    RunModal(dialog, [&](QDialog& widget) {
        dialog.GetDlgItem(IDC_RESULT)->SetWindowText("an earlier verdict");
        m_choosers.QueueConfirm(path.c_str());
        Click(dialog, IDC_BROWSE_FILE);

        ASSERT_EQ(m_choosers.Requests().size(), 1u);
        const FileChooserRequest& asked = m_choosers.Requests()[0];
        EXPECT_TRUE(asked.bOpenFileDialog);
        EXPECT_EQ(asked.title, "Select XML file to validate");
        EXPECT_EQ(asked.filterBytes, kXmlFilterBytes);
        EXPECT_EQ(asked.initialFolder, "");
        EXPECT_EQ(asked.defaultExtension, "xml");
        EXPECT_EQ(asked.flags, kExpectedFlags);

        EXPECT_EQ(dialog.m_strXmlPath, path.c_str());
        EXPECT_EQ(Text(dialog, IDC_FILE_NAME), path);
        EXPECT_EQ(dialog.m_strFolder, folder.c_str());
        EXPECT_EQ(Stored("Folder"), folder);
        EXPECT_TRUE(Control(dialog, IDOK)->isEnabled());
        EXPECT_TRUE(Control(dialog, IDC_EDIT_FILE)->isEnabled());
        EXPECT_EQ(Text(dialog, IDC_RESULT), "");

        Click(dialog, IDOK);
        EXPECT_EQ(Text(dialog, IDC_RESULT), "Loaded and Validated");

        // Cancel: the next chooser opened in the file's folder, and nothing
        // changed, the verdict included.
        m_choosers.QueueCancel();
        Click(dialog, IDC_BROWSE_FILE);
        ASSERT_EQ(m_choosers.Requests().size(), 2u);
        EXPECT_EQ(m_choosers.Requests()[1].initialFolder, folder.c_str());
        EXPECT_EQ(Text(dialog, IDC_RESULT), "Loaded and Validated");
        EXPECT_EQ(Text(dialog, IDC_FILE_NAME), path);
        EXPECT_EQ(dialog.m_strFolder, folder.c_str());
        EXPECT_TRUE(Control(dialog, IDOK)->isEnabled());

        // The same file again empties the verdict again.
        m_choosers.QueueConfirm(path.c_str());
        Click(dialog, IDC_BROWSE_FILE);
        EXPECT_EQ(Text(dialog, IDC_RESULT), "");
        QTest::keyClick(&widget, Qt::Key_Escape);
    });
    EXPECT_TRUE(m_boxes.Boxes().empty());

    // The next start opens the chooser in the remembered folder.
    CorvaneDlgUnderTest again;
    RunModal(again, [&](QDialog& widget) {
        Click(again, IDC_BROWSE_FILE);
        ASSERT_EQ(m_choosers.Requests().size(), 4u);
        EXPECT_EQ(m_choosers.Requests()[3].initialFolder, folder.c_str());
        EXPECT_FALSE(Control(again, IDOK)->isEnabled());
        QTest::keyClick(&widget, Qt::Key_Escape);
    });
}

TEST_F(FileChoosersTest, FileInTheDriveRootRemembersTheDriveAloneWhichTheNextStartRejects)
{
    CorvaneDlgUnderTest dialog;
    RunModal(dialog, [&](QDialog& widget) {
        m_choosers.QueueConfirm("Z:\\site.xml");
        Click(dialog, IDC_BROWSE_FILE);
        EXPECT_EQ(Stored("Folder"), "Z:");
        EXPECT_EQ(dialog.m_strFolder, "Z:");
        Click(dialog, IDC_BROWSE_FILE);
        ASSERT_EQ(m_choosers.Requests().size(), 2u);
        EXPECT_EQ(m_choosers.Requests()[1].initialFolder, "Z:");
        QTest::keyClick(&widget, Qt::Key_Escape);
    });

    CorvaneDlgUnderTest next;
    RunModal(next, [&](QDialog& widget) {
        Click(next, IDC_BROWSE_FILE);
        ASSERT_EQ(m_choosers.Requests().size(), 3u);
        EXPECT_EQ(m_choosers.Requests()[2].initialFolder, "");
        QTest::keyClick(&widget, Qt::Key_Escape);
    });
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].text, "The folder:\n\nZ:\n\nis invalid. Please reenter.");
}

TEST_F(FileChoosersTest, EditorChoiceChangesOnlyTheEditorAndItsFieldShowsAtMostAHundredCharacters)
{
    const std::string longName(120, 'e');
    struct Case {
        std::string path;
        std::string shown;
    };
    const Case cases[] = {
        {"Z:\\opt\\My Editor\\edit", "edit"},
        {"Z:\\opt\\" + longName, longName.substr(0, 100)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        CorvaneDlgUnderTest dialog;
        const std::size_t before = m_choosers.Requests().size();
        RunModal(dialog, [&](QDialog& widget) {
            dialog.GetDlgItem(IDC_RESULT)->SetWindowText("untouched");
            m_choosers.QueueConfirm(c.path.c_str());
            Click(dialog, IDC_BROWSE_EDITOR);
            ASSERT_EQ(m_choosers.Requests().size(), before + 1);
            const FileChooserRequest& asked = m_choosers.Requests().back();
            EXPECT_EQ(asked.title, "Select the editor to use");
            EXPECT_EQ(asked.filterBytes, kEditorFilterBytes);
            EXPECT_EQ(asked.initialFolder, "");
            EXPECT_EQ(asked.defaultExtension, "exe");
            EXPECT_EQ(asked.flags, kExpectedFlags);

            EXPECT_EQ(dialog.m_strEditor, c.path.c_str());
            EXPECT_EQ(Text(dialog, IDC_EDITOR_NAME), c.shown);
            EXPECT_EQ(Stored("Editor"), c.path);
            EXPECT_FALSE(Stored("Folder"));
            EXPECT_FALSE(Control(dialog, IDOK)->isEnabled());
            EXPECT_FALSE(Control(dialog, IDC_EDIT_FILE)->isEnabled());
            EXPECT_EQ(Text(dialog, IDC_RESULT), "untouched");
            EXPECT_EQ(Text(dialog, IDC_FILE_NAME), "");

            // Cancel keeps the editor.
            m_choosers.QueueCancel();
            Click(dialog, IDC_BROWSE_EDITOR);
            EXPECT_EQ(dialog.m_strEditor, c.path.c_str());
            EXPECT_EQ(Text(dialog, IDC_EDITOR_NAME), c.shown);
            QTest::keyClick(&widget, Qt::Key_Escape);
        });
    }
}

// The real chooser, driven by typing into its file-name field.
class RealChooserTest : public MainWindowTest {
protected:
    QtFileChooserService m_realChoosers;
    FileChooserServiceScope m_useRealChoosers{m_realChoosers};
};

// Puts a name into the chooser's file-name field and confirms it as Enter
// or Open does. Not typed key by key: the completion list that typing opens
// would take the Enter whenever it happens to be filled in time.
void Type(QFileDialog& chooser, const QString& typed)
{
    auto* name = chooser.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    // Typed into the name box, which has the focus then. A box without it
    // takes the name of the file the dialog's completion selects (the file
    // "quoted" for a name holding "quoted") once the dialog has read the
    // folder, which it does on a thread of its own.
    chooser.activateWindow();
    name->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    ASSERT_TRUE(name->hasFocus());
    name->setText(typed);
    static_cast<QDialog&>(chooser).accept(); // public there, and virtual
}

// Types a name key by key and presses Enter, as a user does: the first Enter
// may only take the completion list's choice, a second one then confirms.
void TypeKeys(QFileDialog& chooser, const QString& typed)
{
    auto* name = chooser.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    QTest::keyClicks(name, typed);
    const QPointer<QFileDialog> open(&chooser);
    for (int press = 0; press < 2 && open && open->isVisible(); ++press)
        QTest::keyClick(QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : name, Qt::Key_Return);
}

QString TypeBox(QFileDialog& chooser)
{
    auto* types = chooser.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    return types != nullptr ? types->currentText() : QString();
}

TEST_F(RealChooserTest, TypedNamesAreTakenCompletedOrRefusedAsAUserExpects)
{
    const auto docs = m_home.Path() / "docs";
    m_home.Write("docs/plan.xml", "<p/>");
    m_home.Write("docs/notes", "<n/>");
    m_home.Write("docs/notes.xml", "<n/>");
    m_home.Write("docs/a\\b.xml", "<b/>");
    const auto quoted = m_home.Write("docs/it's a \"quoted\" file.xml", "<q/>");
    m_home.Write("docs/quoted", "<not-this-one/>");
    const QString docsFolder = QString::fromStdString(docs.string());

    CorvaneDlgUnderTest dialog;
    RunModal(dialog, [&](QDialog& widget) {
        // A name without an extension, of which no file exists, gets "xml".
        QString title, typeBox;
        WhenModalShows<QFileDialog>([&](QFileDialog& chooser) {
            title = chooser.windowTitle();
            typeBox = TypeBox(chooser);
            Type(chooser, docsFolder + QStringLiteral("/plan"));
        });
        Click(dialog, IDC_BROWSE_FILE);
        EXPECT_EQ(title, QStringLiteral("Select XML file to validate"));
        EXPECT_EQ(typeBox, QStringLiteral("\"XML Data (*.xml)"));
        EXPECT_EQ(Text(dialog, IDC_FILE_NAME), DriveForm(docs / "plan.xml"));
        EXPECT_EQ(Stored("Folder"), DriveForm(docs));

        // The chooser now opens in that folder; a name that exists is taken
        // as it is, whatever its extension.
        QString opened;
        WhenModalShows<QFileDialog>([&](QFileDialog& chooser) {
            opened = chooser.directory().absolutePath();
            Type(chooser, QStringLiteral("notes"));
        });
        Click(dialog, IDC_BROWSE_FILE);
        EXPECT_EQ(opened, docsFolder);
        EXPECT_EQ(Text(dialog, IDC_FILE_NAME), DriveForm(docs / "notes"));

        // A name holding double quotes is one name, not a list split there.
        WhenModalShows<QFileDialog>([](QFileDialog& chooser) { Type(chooser, QStringLiteral("it's a \"quoted\" file.xml")); });
        Click(dialog, IDC_BROWSE_FILE);
        EXPECT_EQ(Text(dialog, IDC_FILE_NAME), DriveForm(quoted));

        // A missing name is refused by the chooser itself, a name holding a
        // backslash by us; the chooser stays open until cancelled.
        QStringList refusals;
        bool stillOpen = false;
        WhenModalShows<QFileDialog>([&](QFileDialog& chooser) {
            const auto refuse = [&refusals](QMessageBox& box) {
                refusals << box.text();
                box.accept();
            };
            WhenModalShows<QMessageBox>(refuse);
            Type(chooser, QStringLiteral("missing.xml"));
            WhenModalShows<QMessageBox>(refuse);
            Type(chooser, QStringLiteral("missing \"quoted\".xml"));
            Type(chooser, QStringLiteral("a\\b.xml"));
            stillOpen = chooser.isVisible();
            chooser.reject();
        });
        Click(dialog, IDC_BROWSE_FILE);
        ASSERT_EQ(refusals.size(), 2);
        EXPECT_TRUE(refusals[0].contains(QStringLiteral("missing.xml"))) << refusals[0].toStdString();
        EXPECT_TRUE(refusals[1].startsWith(QStringLiteral("missing \"quoted\".xml"))) << refusals[1].toStdString();
        EXPECT_TRUE(stillOpen);
        ASSERT_EQ(m_boxes.Boxes().size(), 1u);
        EXPECT_NE(m_boxes.Boxes()[0].text.str().find("backslash"), std::string::npos);
        EXPECT_EQ(Text(dialog, IDC_FILE_NAME), DriveForm(quoted));
        QTest::keyClick(&widget, Qt::Key_Escape);
    });
    // The chooser keeps no history of its own beside the one database.
    std::vector<std::string> written;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(m_home.Path() / "config"))
        if (!entry.is_directory())
            written.push_back(entry.path().lexically_relative(m_home.Path() / "config").string());
    EXPECT_EQ(written, std::vector<std::string>{"corvane/registry.db"});
}

TEST_F(RealChooserTest, TheEditorChooserListsProgramsOnly)
{
    const auto tools = m_home.Path() / "tools";
    const auto program = m_home.Write("tools/edit-me", "#!/bin/sh\n");
    std::filesystem::permissions(program, std::filesystem::perms::owner_exec, std::filesystem::perm_options::add);
    m_home.Write("tools/readme.txt", "not a program");
    m_home.Write("tools/setup.exe", "not a program either");

    CorvaneDlgUnderTest dialog;
    RunModal(dialog, [&](QDialog& widget) {
        QStringList listed;
        QString typeBox;
        WhenModalShows<QFileDialog>([&](QFileDialog& chooser) {
            typeBox = TypeBox(chooser);
            chooser.setDirectory(QString::fromStdString(tools.string()));
            auto* view = chooser.findChild<QAbstractItemView*>(QStringLiteral("listView"));
            ASSERT_NE(view, nullptr);
            // The folder's entries arrive from a background thread.
            EXPECT_TRUE(QTest::qWaitFor([&] { return view->model()->rowCount(view->rootIndex()) > 0; }));
            QTest::qWait(200);
            for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
                listed << view->model()->index(row, 0, view->rootIndex()).data().toString();
            TypeKeys(chooser, QStringLiteral("edit-me"));
        });
        Click(dialog, IDC_BROWSE_EDITOR);
        EXPECT_EQ(typeBox, QStringLiteral("\"Editor (*.exe)"));
        EXPECT_EQ(listed, QStringList{QStringLiteral("edit-me")});
        EXPECT_EQ(dialog.m_strEditor, DriveForm(program).c_str());
        EXPECT_EQ(Text(dialog, IDC_EDITOR_NAME), "edit-me");
        QTest::keyClick(&widget, Qt::Key_Escape);
    });
}

} // namespace
