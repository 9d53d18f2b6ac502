// Files that reach the window from outside the choosers: the one named on
// the command line leaves the window as the chooser and OK would; a dropped
// file is taken as a chosen one. What cannot be taken is told and changes
// nothing.

#include "tests/ui/main_window_fixture.h"

#include "platform/win/win_app.h"
#include "settings/registry_settings.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <string>

namespace {

namespace fs = std::filesystem;

// Everything a confirmed choice changes, on one line.
std::string StateOf(const CorvaneDlgUnderTest& dialog)
{
    CString stored;
    CRegistrySettings().ReadValue(kFolderValue, stored);
    return dialog.GetDlgItem(IDC_FILE_NAME)->GetWindowText().str() + " | " + dialog.m_strFolder.str() + " | " +
           stored.str() + " | " + (ControlWidgetOf(dialog, IDOK)->isEnabled() ? "OK" : "-") +
           (ControlWidgetOf(dialog, IDC_EDIT_FILE)->isEnabled() ? " Edit | " : " - | ") +
           dialog.GetDlgItem(IDC_RESULT)->GetWindowText().str();
}

class OpenedFilesTest : public MainWindowTest {
protected:
    // The window's state once a start with this argument has settled: the
    // check runs from the dialog's own loop, never from inside the load it
    // waits for (whose wait lets queued calls through).
    std::string StartedWith(const std::string& argument, std::size_t boxes)
    {
        CorvaneDlgUnderTest dialog;
        dialog.OpenAtStart(argument.c_str());
        std::string state;
        int polls = 0;
        std::function<void()> check = [&] {
            const bool settled = AfxGetApp()->WaitCursorDepth() == 0 &&
                                 (!Text(dialog, IDC_RESULT).empty() || m_boxes.Boxes().size() > boxes);
            if (!settled && ++polls < 6000) {
                QTimer::singleShot(10, check);
                return;
            }
            state = StateOf(dialog);
            dialog.EndDialog(IDCANCEL);
        };
        WhenNextDialogRuns([&](CDialog&) { check(); });
        dialog.DoModal();
        return state;
    }

    // The window's state after these URLs are dropped on it.
    std::string Dropped(const QList<QUrl>& urls)
    {
        CorvaneDlgUnderTest dialog;
        std::string state;
        RunModal(dialog, [&](QDialog& widget) {
            const std::string earlier = "an earlier verdict";
            dialog.GetDlgItem(IDC_RESULT)->SetWindowText(earlier.c_str());
            const std::size_t boxes = m_boxes.Boxes().size();
            QMimeData data;
            data.setUrls(urls);
            // The toolkit delivers a drop where the drag was let in.
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&widget, &enter);
            EXPECT_TRUE(enter.isAccepted());
            QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&widget, &drop);
            // The program takes the drop once the file manager is done with it.
            EXPECT_TRUE(QTest::qWaitFor(
                [&] { return Text(dialog, IDC_RESULT) != earlier || m_boxes.Boxes().size() > boxes; }));
            state = StateOf(dialog);
            QTest::keyClick(&widget, Qt::Key_Escape);
        });
        return state;
    }
};

QUrl Local(const fs::path& file)
{
    return QUrl::fromLocalFile(QString::fromStdString(file.string()));
}

TEST_F(OpenedFilesTest, CommandLineAndDropTakeTheFileAsTheChooserDoes)
{
    m_home.Write("data/site plan/count.xsd", "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">"
                                             "<xs:element name=\"count\" type=\"xs:int\"/></xs:schema>");
    const fs::path file = m_home.Write("data/site plan/Höhe €.xml",
                                       "<count xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                                       "xsi:noNamespaceSchemaLocation=\"count.xsd\">three</count>");
    std::string chosen;
    CorvaneDlgUnderTest dialog;
    RunModal(dialog, [&](QDialog& widget) {
        dialog.ChooseXmlFile(DriveForm(file).c_str());
        static_cast<QPushButton*>(Control(dialog, IDOK))->click();
        chosen = StateOf(dialog);
        QTest::keyClick(&widget, Qt::Key_Escape);
    });
    const std::string folder = DriveForm(file.parent_path());
    const std::string taken = DriveForm(file) + " | " + folder + " | " + folder + " | OK Edit | ";
    ASSERT_TRUE(chosen.starts_with(taken + "Error:")) << chosen;
    ASSERT_NE(chosen.find("Line : 1;"), std::string::npos) << chosen;

    EXPECT_EQ(StartedWith(file.string(), 0), chosen);
    EXPECT_EQ(StartedWith(DriveForm(file), 0), chosen);
    // A drop chooses without checking; of several files, the first.
    EXPECT_EQ(Dropped({Local(file), Local(m_home.Path() / "data")}), taken);
    EXPECT_TRUE(m_boxes.Boxes().empty());
}

TEST_F(OpenedFilesTest, WhatCannotBeTakenIsToldAndChangesNothing)
{
    const fs::path backslash = m_home.Write("data/back\\slash.xml", "<a/>");
    const fs::path good = m_home.Write("data/good.xml", "<a/>");
    const std::string fresh = " |  |  | - - | ";
    const std::string dropped = fresh + "an earlier verdict";
    const fs::path gone = m_home.Path() / "gone.xml";
    struct Case {
        std::string state;
        std::string expected;
        std::string told;
    };
    const Case cases[] = {
        {StartedWith(backslash.string(), 0), fresh,
         "The file " + backslash.string() + " cannot be opened: its name holds a backslash"},
        {StartedWith(gone.string(), 1), fresh, "The file " + gone.string() + " does not exist"},
        {Dropped({Local(good), QUrl(QStringLiteral("https://example.org/site.xml"))}), dropped,
         "https://example.org/site.xml cannot be checked"},
        {Dropped({Local(backslash)}), dropped,
         "The file " + backslash.string() + " cannot be chosen: its name holds a backslash"},
    };
    ASSERT_EQ(m_boxes.Boxes().size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(cases[i].state, cases[i].expected) << cases[i].told;
        EXPECT_TRUE(m_boxes.Boxes()[i].text.str().starts_with(cases[i].told)) << m_boxes.Boxes()[i].text.str();
    }
}

} // namespace
