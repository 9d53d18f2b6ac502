// The main window from start-up: what the first run and the remembered
// settings show, the keyboard and the fields, the geometry of both
// templates, and the picture of the minimised window.

#include "tests/ui/main_window_fixture.h"

#include "platform/qt/dialog_units.h"
#include "platform/qt/pictures.h"
#include "settings/registry_settings.h"
#include "ui/about_dlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace {

// Runs a query with the sqlite3 shell, as a user reading the settings would.
std::string Sqlite(const std::filesystem::path& database, const std::string& sql)
{
    const std::string command = "sqlite3 -readonly '" + database.string() + "' \"" + sql + "\" 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe)
        return "popen failed";
    std::string output;
    std::array<char, 256> buffer{};
    while (std::fgets(buffer.data(), static_cast<int>(buffer.size()), pipe.get()) != nullptr)
        output += buffer.data();
    while (!output.empty() && (output.back() == '\n' || output.back() == '\r'))
        output.pop_back();
    return output;
}

void Remember(const char* name, const std::string& value)
{
    CRegistrySettings settings;
    ASSERT_EQ(settings.WriteValue(name, value.c_str()), 1) << name;
}

TEST_F(MainWindowTest, FirstRunAsksNothingShowsTheDefaultEditorAndDisablesOKAndEdit)
{
    CorvaneDlgUnderTest dialog;
    RunModal(dialog, [&dialog](QDialog& widget) {
        EXPECT_EQ(widget.windowTitle(), QStringLiteral("XML Validation"));
        EXPECT_EQ(Text(dialog, IDC_EDITOR_NAME), "Notepad.exe");
        EXPECT_EQ(Text(dialog, IDC_FILE_NAME), "");
        EXPECT_EQ(Text(dialog, IDC_RESULT), "");
        EXPECT_EQ(Text(dialog, IDC_STATUS), "");
        EXPECT_TRUE(dialog.m_strFolder.IsEmpty());
        EXPECT_EQ(dialog.m_strEditor, "Notepad.exe");

        EXPECT_FALSE(Control(dialog, IDOK)->isEnabled());
        EXPECT_FALSE(Control(dialog, IDC_EDIT_FILE)->isEnabled());
        for (int nID : {IDCANCEL, IDC_FILE_NAME, IDC_BROWSE_FILE, IDC_HELP_SUMMARY, IDC_RESULT, IDC_STATUS,
                        IDC_EDITOR_NAME, IDC_BROWSE_EDITOR, IDC_LOGO})
            EXPECT_TRUE(Control(dialog, nID)->isEnabled()) << nID;

        // The application icon, big and small.
        ASSERT_NE(dialog.m_hIcon, nullptr);
        EXPECT_EQ(dialog.GetIcon(TRUE), dialog.m_hIcon);
        EXPECT_EQ(dialog.GetIcon(FALSE), dialog.m_hIcon);
        EXPECT_FALSE(widget.windowIcon().isNull());

        // Close, then the About item behind a separator.
        const CMenu* menu = dialog.GetSystemMenu(FALSE);
        ASSERT_NE(menu, nullptr);
        ASSERT_EQ(menu->GetMenuItemCount(), 3u);
        EXPECT_EQ(menu->GetMenuItemID(0), SC_CLOSE);
        EXPECT_EQ(menu->Items()[1].nFlags & MF_SEPARATOR, MF_SEPARATOR);
        EXPECT_EQ(menu->GetMenuItemID(2), IDM_ABOUTBOX);
        EXPECT_EQ(menu->Items()[2].text, "&About Corvane...");

        QTest::keyClick(&widget, Qt::Key_Escape);
    });
    EXPECT_TRUE(m_boxes.Boxes().empty());

    // The settings key was created on the way.
    ASSERT_TRUE(std::filesystem::exists(Database()));
    const std::string depth = Sqlite(
        Database(),
        "WITH RECURSIVE path(id, depth) AS (SELECT id, 0 FROM keys WHERE parent IS NULL AND name = '' "
        "UNION ALL SELECT k.id, p.depth + 1 FROM keys k JOIN path p ON k.parent = p.id WHERE "
        "(p.depth = 0 AND k.name = 'Software') OR (p.depth = 1 AND k.name = 'BRANTWELL') OR "
        "(p.depth = 2 AND k.name = 'CORVANE') OR (p.depth = 3 AND k.name = 'Settings')) "
        "SELECT max(depth) FROM path;");
    EXPECT_EQ(depth, "4");
    // Nothing is written by merely starting and closing.
    EXPECT_EQ(Sqlite(Database(), "SELECT count(*) FROM vals;"), "0");
}

struct StoredFolderCase {
    const char* name;
    std::string folder;      // a drive path
    bool exists;             // created before the start
    int answer;              // to the question, if one comes
    const char* message;     // part of the one message expected, or null for none
    bool kept;               // m_strFolder takes the folder
    bool createdAfterwards;
};

TEST_F(MainWindowTest, RememberedFolderIsCheckedBeforeTheWindowShows)
{
    const std::filesystem::path missing = m_home.Path() / "projects" / "surveys";
    const std::filesystem::path present = m_home.Path() / "present";
    const StoredFolderCase cases[] = {
        {"existing folder", DriveForm(present), true, 0, nullptr, true, true},
        {"missing folder, answer No", DriveForm(missing), false, IDNO, "does not exist", false, false},
        {"missing folder, answer Yes", DriveForm(missing), false, IDYES, "does not exist", true, true},
        {"invalid folder", "Z:\\bad|name", false, 0, "is invalid", false, false},
        {"not a drive path", "relative\\folder", false, 0, "is invalid", false, false},
    };
    for (const StoredFolderCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(missing.parent_path());
        if (c.exists)
            std::filesystem::create_directories(present);
        Remember("Folder", c.folder);
        RecordedMessageBoxes boxes;
        if (c.answer != 0)
            boxes.QueueAnswer(c.answer);

        CorvaneDlgUnderTest dialog;
        RunModal(dialog, [&dialog, &c](QDialog&) {
            EXPECT_EQ(dialog.m_strFolder, c.kept ? c.folder.c_str() : "");
            dialog.EndDialog(IDCANCEL);
        });

        if (c.message == nullptr) {
            EXPECT_TRUE(boxes.Boxes().empty());
        } else {
            ASSERT_EQ(boxes.Boxes().size(), 1u);
            EXPECT_NE(boxes.Boxes()[0].text.str().find(c.message), std::string::npos) << boxes.Boxes()[0].text.str();
            EXPECT_NE(boxes.Boxes()[0].text.str().find(c.folder), std::string::npos);
            EXPECT_FALSE(boxes.Boxes()[0].windowShown) << "asked before the window is shown";
        }
        if (c.folder == DriveForm(missing)) {
            EXPECT_EQ(std::filesystem::exists(missing), c.createdAfterwards);
        }
        // Declining or failing never changes what is stored.
        CString stored;
        CRegistrySettings settings;
        ASSERT_EQ(settings.ReadValue("Folder", stored), 1);
        EXPECT_EQ(stored, c.folder.c_str());
    }
}

TEST_F(MainWindowTest, RememberedEditorIsShownWhole)
{
    const std::string editor = "Z:\\opt\\a rather long folder name for the editors\\bin\\my-favourite-editor";
    Remember("Editor", editor);
    CorvaneDlgUnderTest dialog;
    RunModal(dialog, [&dialog, &editor](QDialog&) {
        EXPECT_EQ(Text(dialog, IDC_EDITOR_NAME), editor);
        EXPECT_EQ(static_cast<QLineEdit*>(Control(dialog, IDC_EDITOR_NAME))->text().toStdString(), editor);
        EXPECT_EQ(dialog.m_strEditor, editor.c_str());
        dialog.EndDialog(IDCANCEL);
    });
    EXPECT_TRUE(m_boxes.Boxes().empty());
}

// The names of the controls that Tab visits, starting from the focus.
std::vector<QString> TabWalk(int steps)
{
    std::vector<QString> visited;
    for (int i = 0; i < steps; ++i) {
        QWidget* focus = QApplication::focusWidget();
        if (focus == nullptr)
            break;
        visited.push_back(focus->objectName());
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return visited;
}

QString Name(int nID)
{
    return QStringLiteral("control_%1").arg(nID);
}

TEST_F(MainWindowTest, TabVisitsTheTabStopsInTemplateOrderSkippingDisabledButtons)
{
    CorvaneDlgUnderTest dialog;
    RunModal(dialog, [&dialog](QDialog& widget) {
        // OK is disabled, so the first tab stop that can take the focus starts.
        const std::vector<QString> whileDisabled = {Name(IDCANCEL),        Name(IDC_FILE_NAME), Name(IDC_BROWSE_FILE),
                                                    Name(IDC_HELP_SUMMARY), Name(IDC_RESULT),    Name(IDC_EDITOR_NAME),
                                                    Name(IDC_BROWSE_EDITOR), Name(IDCANCEL)};
        EXPECT_EQ(TabWalk(8), whileDisabled);

        dialog.ChooseXmlFile("Z:\\tmp\\site.xml");
        Control(dialog, IDOK)->setFocus();
        const std::vector<QString> enabled = {Name(IDOK),          Name(IDCANCEL),      Name(IDC_FILE_NAME),
                                              Name(IDC_BROWSE_FILE), Name(IDC_HELP_SUMMARY), Name(IDC_RESULT),
                                              Name(IDC_EDIT_FILE),   Name(IDC_EDITOR_NAME), Name(IDC_BROWSE_EDITOR),
                                              Name(IDOK)};
        EXPECT_EQ(TabWalk(10), enabled);

        // Shift+Tab goes back the same way.
        Control(dialog, IDC_RESULT)->setFocus();
        QTest::keyClick(Control(dialog, IDC_RESULT), Qt::Key_Backtab);
        EXPECT_EQ(QApplication::focusWidget(), Control(dialog, IDC_HELP_SUMMARY));
        QTest::keyClick(&widget, Qt::Key_Escape);
    });
}

TEST_F(MainWindowTest, ReadOnlyFieldsTakeNoTyping)
{
    CorvaneDlgUnderTest dialog;
    RunModal(dialog, [&dialog](QDialog& widget) {
        dialog.ChooseXmlFile("Z:\\tmp\\site.xml");
        dialog.GetDlgItem(IDC_RESULT)->SetWindowText("Loaded and Validated");
        for (int nID : {IDC_FILE_NAME, IDC_EDITOR_NAME, IDC_RESULT}) {
            SCOPED_TRACE(nID);
            const std::string before = Text(dialog, nID);
            QWidget* field = Control(dialog, nID);
            field->setFocus();
            QTest::keyClicks(field, "typed");
            QTest::keyClick(field, Qt::Key_Backspace);
            QTest::keyClick(field, Qt::Key_Delete);
            QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
            EXPECT_EQ(Text(dialog, nID), before);
        }
        QTest::keyClick(&widget, Qt::Key_Escape);
    });
}

TEST_F(MainWindowTest, EveryControlStandsAtItsTemplateRectangleInPixels)
{
    for (UINT templateID : {IDD_CORVANE_DIALOG, IDD_ABOUTBOX}) {
        SCOPED_TRACE(templateID);
        const DialogTemplate* dialogTemplate = FindDialogTemplate(templateID);
        ASSERT_NE(dialogTemplate, nullptr);
        std::unique_ptr<CDialog> dialog;
        if (templateID == IDD_ABOUTBOX)
            dialog = std::make_unique<CAboutDlg>();
        else
            dialog = std::make_unique<CorvaneDlgUnderTest>();
        RunModal(*dialog, [&dialog, dialogTemplate](QDialog& widget) {
            // The base units of the font the dialog really uses.
            const DialogBaseUnits units = BaseUnitsOf(widget.font());
            EXPECT_EQ(widget.size(), MapDialogRect(dialogTemplate->rect, units).size());
            EXPECT_EQ(widget.minimumSize(), widget.maximumSize());
            int index = 0;
            for (const DialogItemTemplate& item : dialogTemplate->items) {
                ++index;
                const auto* control = widget.findChild<QWidget*>(ControlObjectName(item.nID, index));
                ASSERT_NE(control, nullptr) << index;
                QRect expected = MapDialogRect(item.rect, units);
                if (item.controlClass == ControlClass::Static && (item.style & SS_TYPEMASK) == SS_ICON)
                    expected.setSize(QSize(32, 32)); // an icon's window takes the icon's size
                EXPECT_EQ(control->geometry(), expected) << "control " << index;
                // Everything lies inside the dialog.
                EXPECT_TRUE(widget.rect().contains(control->geometry())) << "control " << index;
            }
            dialog->EndDialog(IDCANCEL);
        });
    }
}

TEST_F(MainWindowTest, MinimisedWindowShowsTheIconCentredAndDragsIt)
{
    CorvaneDlgUnderTest dialog;
    RunModal(dialog, [&dialog](QDialog& widget) {
        // Dragging the minimised window shows the application icon.
        EXPECT_EQ(reinterpret_cast<HICON>(dialog.SendMessage(WM_QUERYDRAGICON)), dialog.m_hIcon);

        // The dialog's own painting, without its controls on top.
        const auto paintDialog = [&widget] {
            QImage image(widget.size(), QImage::Format_ARGB32);
            image.fill(Qt::transparent);
            widget.render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
            return image;
        };
        widget.showMinimized();
        ASSERT_TRUE(dialog.IsIconic());
        const QImage shot = paintDialog();
        ASSERT_NE(dialog.m_hIcon, nullptr);
        const QImage& icon = dialog.m_hIcon->image;
        ASSERT_EQ(icon.size(), QSize(32, 32));
        const int x = (widget.width() - 32 + 1) / 2;
        const int y = (widget.height() - 32 + 1) / 2;
        int differing = 0;
        for (int dy = 0; dy < 32; ++dy) {
            for (int dx = 0; dx < 32; ++dx)
                differing += shot.pixelColor(x + dx, y + dy).rgb() != icon.pixelColor(dx, dy).rgb();
        }
        EXPECT_EQ(differing, 0);
        // Around it, the erased background.
        EXPECT_EQ(shot.pixelColor(x - 1, y - 1), widget.palette().color(QPalette::Window));
        EXPECT_EQ(shot.pixelColor(x + 32, y + 32), widget.palette().color(QPalette::Window));

        // Restored, the dialog paints no icon.
        widget.showNormal();
        EXPECT_FALSE(dialog.IsIconic());
        const QImage normal = paintDialog();
        differing = 0;
        for (int dy = 0; dy < 32; ++dy) {
            for (int dx = 0; dx < 32; ++dx)
                differing += normal.pixelColor(x + dx, y + dy).rgb() != icon.pixelColor(dx, dy).rgb();
        }
        EXPECT_GT(differing, 32 * 32 / 2);
        dialog.EndDialog(IDCANCEL);
    });
}

} // namespace
