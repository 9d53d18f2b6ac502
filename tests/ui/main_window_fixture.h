#pragma once
// The main window under test: real widgets, the program's resources, the
// settings in a fresh per-test database, and message boxes answered by script.

#include "platform/win/cstring.h"
#include "platform/ui/file_dialog.h"
#include "platform/ui/message_box.h"
#include "platform/qt/dialog_window.h"
#include "platform/win/resources.h"
#include "res/corvane_resources.h"
#include "res/resource.h"
#include "tests/support/gui_test_application.h"
#include "tests/support/modal_dialog.h"
#include "tests/support/temp_dir.h"
#include "ui/corvane_dlg.h"

#include <QApplication>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <string>
#include <vector>

// The main dialog with its fields in reach. ChooseXmlFile confirms a path in
// the XML chooser through the browse button, as a user would.
class CorvaneDlgUnderTest : public CCorvaneDlg {
public:
    using CCorvaneDlg::m_hIcon;
    using CCorvaneDlg::m_strEditor;
    using CCorvaneDlg::m_strFolder;
    using CCorvaneDlg::m_strXmlPath;

    void ChooseXmlFile(const CString& path) { Choose(IDC_BROWSE_FILE, path); }
    void ChooseEditor(const CString& path) { Choose(IDC_BROWSE_EDITOR, path); }

private:
    void Choose(int nButton, const CString& path)
    {
        ScriptedFileChoosers choosers;
        choosers.QueueConfirm(path);
        static_cast<QPushButton*>(ControlWidgetOf(*this, nButton))->click();
        EXPECT_EQ(choosers.Requests().size(), 1u) << "the button opened no chooser";
    }
};

// Answers message boxes from a queue and records each, with whether any
// window of the program was on the screen when it came.
class RecordedMessageBoxes : public MessageBoxService {
public:
    struct Box {
        CString caption;
        CString text;
        UINT nType;
        bool windowShown;
    };

    RecordedMessageBoxes() : m_scope(*this) {}
    void QueueAnswer(int answer) { m_answers.push_back(answer); }
    const std::vector<Box>& Boxes() const { return m_boxes; }

    int Show(const CString& caption, const CString& text, UINT nType) override
    {
        bool shown = false;
        for (const QWidget* widget : QApplication::topLevelWidgets())
            shown = shown || (widget->isVisible() && widget->objectName().startsWith(QStringLiteral("dialog_")));
        m_boxes.push_back({caption, text, nType, shown});
        if (m_answers.empty())
            return UnansweredMessageBoxResult(nType);
        const int answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }

private:
    MessageBoxServiceScope m_scope;
    std::deque<int> m_answers;
    std::vector<Box> m_boxes;
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GuiTestApplication();
        UseCorvaneResources();
        const char* previous = std::getenv("XDG_CONFIG_HOME");
        if (previous != nullptr)
            m_previousConfigHome = previous;
        m_hadConfigHome = previous != nullptr;
        setenv("XDG_CONFIG_HOME", (m_home.Path() / "config").c_str(), 1);
    }

    void TearDown() override
    {
        if (m_hadConfigHome)
            setenv("XDG_CONFIG_HOME", m_previousConfigHome.c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
        UseCorvaneResources();
    }

    std::filesystem::path Database() const { return m_home.Path() / "config" / "corvane" / "registry.db"; }

    static QWidget* Control(const CDialog& dialog, int nID) { return ControlWidgetOf(dialog, nID); }
    static std::string Text(const CDialog& dialog, int nID) { return dialog.GetDlgItem(nID)->GetWindowText().str(); }

    TempDir m_home;
    RecordedMessageBoxes m_boxes;

private:
    std::string m_previousConfigHome;
    bool m_hadConfigHome = false;
};
