// Help and About: the help summary, the system commands that open the About
// box and those that do not, the About box itself and the ways it ends.

#include "tests/ui/main_window_fixture.h"

#include "ui/about_dlg.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// What the main window shows, to tell that something left it unchanged.
struct Snapshot {
    std::string fileName, editor, result, status;
    bool okEnabled, editEnabled, running;
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

Snapshot Take(const CDialog& dialog)
{
    auto text = [&dialog](int nID) { return dialog.GetDlgItem(nID)->GetWindowText().str(); };
    return {text(IDC_FILE_NAME),
            text(IDC_EDITOR_NAME),
            text(IDC_RESULT),
            text(IDC_STATUS),
            dialog.GetDlgItem(IDOK)->IsWindowEnabled() != FALSE,
            dialog.GetDlgItem(IDC_EDIT_FILE)->IsWindowEnabled() != FALSE,
            DialogWidgetOf(dialog) != nullptr && DialogWidgetOf(dialog)->isVisible()};
}

TEST_F(MainWindowTest, HelpShowsTheSummaryAndChangesNothing)
{
    CorvaneDlgUnderTest dialog;
    RunModal(dialog, [this, &dialog](QDialog& widget) {
        for (const bool fileChosen : {false, true}) {
            SCOPED_TRACE(fileChosen ? "after a file was chosen" : "before any file");
            if (fileChosen) {
                dialog.ChooseXmlFile("Z:\\tmp\\site.xml");
                dialog.GetDlgItem(IDC_RESULT)->SetWindowText("Loaded and Validated");
            }
            const std::size_t before = m_boxes.Boxes().size();
            const Snapshot shown = Take(dialog);
            static_cast<QPushButton*>(Control(dialog, IDC_HELP_SUMMARY))->click();
            EXPECT_EQ(Take(dialog), shown);

            ASSERT_EQ(m_boxes.Boxes().size(), before + 1);
            const RecordedMessageBoxes::Box& box = m_boxes.Boxes().back();
            EXPECT_EQ(box.nType, MB_OK);
            EXPECT_EQ(box.caption, "Corvane");
            const std::string& text = box.text.str();
            EXPECT_EQ(text.size(), 1033u);
            EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 21);
            EXPECT_EQ(text.rfind("This application, validates", 0), 0u);
            EXPECT_TRUE(text.ends_with("the parser can only report the first error detected.\n\n"));
            // The sections in the order of the dialog's areas and buttons.
            const char* headings[] = {"\nXML File - File Name\n", "\nConfigure Editor - Editor\n",
                                      "\nResult of Validation\n", "\nEdit\n", "\nOK\n"};
            std::size_t at = 0;
            for (const char* heading : headings) {
                const std::size_t found = text.find(heading, at);
                ASSERT_NE(found, std::string::npos) << heading;
                at = found + 1;
            }
            EXPECT_LT(text.find("you must be connected to the internet"), text.find("parser to perform"));
        }
        QTest::keyClick(&widget, Qt::Key_Escape);
    });
}

struct SystemCommandCase {
    UINT nID;
    bool opensAbout;
};

TEST_F(MainWindowTest, SystemCommandsOpenTheAboutBoxOnlyForTheAboutValue)
{
    std::vector<SystemCommandCase> cases;
    for (UINT nID = 0x0010; nID <= 0x001F; ++nID)
        cases.push_back({nID, true});
    // The mask also clears everything above the low 16 bits.
    cases.push_back({0x00010010, true});
    for (UINT nID : {0x0000u, 0x000Fu, 0x0020u, 0x0110u, 0x1010u, 0xF120u})
        cases.push_back({nID, false});

    CorvaneDlgUnderTest dialog;
    const INT_PTR result = RunModal(dialog, [&dialog, &cases](QDialog& widget) {
        for (const SystemCommandCase& c : cases) {
            SCOPED_TRACE(c.nID);
            std::vector<UINT> opened;
            if (c.opensAbout) {
                WhenNextDialogRuns([&opened](CDialog& about) {
                    opened.push_back(about.GetTemplateID());
                    about.EndDialog(IDOK);
                });
            }
            const Snapshot before = Take(dialog);
            dialog.SendMessage(WM_SYSCOMMAND, c.nID, MAKELPARAM(10, 20));
            EXPECT_EQ(opened, c.opensAbout ? std::vector<UINT>{IDD_ABOUTBOX} : std::vector<UINT>{});
            EXPECT_EQ(Take(dialog), before);
            EXPECT_TRUE(widget.isVisible());
        }
        // Close takes the default path too, and ends the dialog as Cancel.
        dialog.SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    EXPECT_EQ(result, IDCANCEL);
}

struct AboutEnding {
    const char* name;
    void (*end)(QDialog& about);
};

TEST_F(MainWindowTest, AboutBoxShowsIconVersionAndNoticeAndEndsEachWay)
{
    const AboutEnding endings[] = {
        {"OK button", [](QDialog& about) { about.findChild<QPushButton*>(QStringLiteral("control_1"))->click(); }},
        {"Enter", [](QDialog& about) { QTest::keyClick(&about, Qt::Key_Return); }},
        {"Escape", [](QDialog& about) { QTest::keyClick(&about, Qt::Key_Escape); }},
        {"close box", [](QDialog& about) { about.close(); }},
    };
    CorvaneDlgUnderTest dialog;
    RunModal(dialog, [&dialog, &endings](QDialog& mainWidget) {
        dialog.ChooseXmlFile("Z:\\tmp\\site.xml");
        for (const AboutEnding& ending : endings) {
            SCOPED_TRACE(ending.name);
            const Snapshot before = Take(dialog);
            bool ran = false;
            bool stillUp = true;
            WhenNextDialogRuns([&](CDialog& about) {
                ran = true;
                QDialog* aboutWidget = DialogWidgetOf(about);
                ASSERT_NE(aboutWidget, nullptr);
                EXPECT_EQ(aboutWidget->windowTitle(), QStringLiteral("About Corvane"));
                EXPECT_EQ(aboutWidget->parentWidget(), &mainWidget) << "owned by the main window";
                const auto* icon = aboutWidget->findChild<QLabel*>(QStringLiteral("static_1"));
                ASSERT_NE(icon, nullptr);
                EXPECT_EQ(icon->pixmap().size(), QSize(32, 32));
                const auto* version = aboutWidget->findChild<QLabel*>(QStringLiteral("static_2"));
                ASSERT_NE(version, nullptr);
                EXPECT_EQ(version->text(), QStringLiteral("Corvane Version 1.0"));
                const auto* notice = aboutWidget->findChild<QLabel*>(QStringLiteral("static_3"));
                ASSERT_NE(notice, nullptr);
                EXPECT_TRUE(notice->text().contains(QStringLiteral("2026")));
                // The one line fits its 119 units, unclipped.
                EXPECT_LE(notice->fontMetrics().horizontalAdvance(notice->text()), notice->width());
                EXPECT_LE(version->fontMetrics().horizontalAdvance(version->text()), version->width());
                const auto* ok = aboutWidget->findChild<QPushButton*>(QStringLiteral("control_1"));
                ASSERT_NE(ok, nullptr);
                EXPECT_TRUE(ok->isDefault());
                ending.end(*aboutWidget);
                stillUp = aboutWidget->isVisible();
            });
            dialog.SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
            EXPECT_TRUE(ran);
            EXPECT_FALSE(stillUp);
            EXPECT_EQ(Take(dialog), before);
        }
        QTest::keyClick(&mainWidget, Qt::Key_Escape);
    });
}

TEST_F(MainWindowTest, AboutItemOfTheRealMenuOpensTheAboutBox)
{
    CorvaneDlgUnderTest dialog;
    QStringList items;
    std::vector<UINT> opened;
    RunModal(dialog, [&items, &opened, &dialog](QDialog& widget) {
        WhenNextDialogRuns([&opened](CDialog& about) {
            opened.push_back(about.GetTemplateID());
            QTest::keyClick(DialogWidgetOf(about), Qt::Key_Escape);
        });
        WhenPopupShows([&items](QWidget& popup) {
            for (const QAction* action : popup.actions())
                items << (action->isSeparator() ? QStringLiteral("-") : action->text());
            QTest::keyClick(&popup, Qt::Key_A); // "&About Corvane..."
        });
        QTest::keyClick(&widget, Qt::Key_Space, Qt::AltModifier);
        EXPECT_TRUE(widget.isVisible());
        dialog.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(items, (QStringList{QStringLiteral("&Close\tAlt+F4"), QStringLiteral("-"),
                                  QStringLiteral("&About Corvane...")}));
    EXPECT_EQ(opened, std::vector<UINT>{IDD_ABOUTBOX});
}

TEST_F(MainWindowTest, EmptyAboutTextAddsNoMenuItem)
{
    // The program's resources with an empty IDS_ABOUTBOX.
    std::vector<StringResource> strings(CorvaneStringTable().begin(), CorvaneStringTable().end());
    for (StringResource& entry : strings) {
        if (entry.nID == IDS_ABOUTBOX)
            entry.text = u"";
    }
    const ResourceModule& program = CorvaneResources();
    const ResourceModule module{program.stringLanguage, strings,         program.version,
                                program.dialogs,        program.icons,   program.bitmaps};
    AfxSetResourceModule(module);

    CorvaneDlgUnderTest dialog;
    RunModal(dialog, [&dialog](QDialog&) {
        const CMenu* menu = dialog.GetSystemMenu(FALSE);
        ASSERT_NE(menu, nullptr);
        ASSERT_EQ(menu->GetMenuItemCount(), 1u) << "neither the separator nor the item";
        EXPECT_EQ(menu->GetMenuItemID(0), SC_CLOSE);
        dialog.EndDialog(IDCANCEL);
    });
    UseCorvaneResources();
}

} // namespace
