#include "platform/win_app.h"

#include "platform/message_box.h"
#include "platform/qt/controls.h"
#include "platform/qt/load_wait.h"
#include "platform/qt/qt_file_chooser.h"
#include "platform/qt/qt_message_box.h"

#include <QApplication>
#include <QCursor>

#include <memory>

namespace {

CWinApp* g_application = nullptr;

// The windows' life while the program waits, from the first BeginWaitCursor
// to the last EndWaitCursor.
std::unique_ptr<LoadWaitScope>& LoadWait()
{
    static std::unique_ptr<LoadWaitScope> scope;
    return scope;
}

bool HaveWidgets()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

} // namespace

CWinApp::CWinApp(const char* lpszAppName) : m_strAppName(lpszAppName != nullptr ? lpszAppName : kApplicationName)
{
    if (g_application == nullptr)
        g_application = this;
}

CWinApp::~CWinApp()
{
    if (m_bWaitCursorShown && HaveWidgets())
        QApplication::restoreOverrideCursor();
    if (g_application == this)
        g_application = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::Run()
{
    if (HaveWidgets())
        QApplication::exec();
    return ExitInstance();
}

int CWinApp::ExitInstance()
{
    return 0;
}

BOOL CWinApp::OnCmdMsg(UINT)
{
    return FALSE;
}

void CWinApp::BeginWaitCursor()
{
    if (m_nWaitCursorCount++ == 0 && HaveWidgets()) {
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        m_bWaitCursorShown = true;
        LoadWait() = std::make_unique<LoadWaitScope>();
    }
    // The thread is about to block: the cursor, and whatever the caller has
    // just put on the screen, must reach the display first.
    FlushPainting();
}

void CWinApp::EndWaitCursor()
{
    if (m_nWaitCursorCount == 0)
        return;
    if (--m_nWaitCursorCount == 0 && m_bWaitCursorShown) {
        m_bWaitCursorShown = false;
        LoadWait().reset();
        if (HaveWidgets())
            QApplication::restoreOverrideCursor();
    }
}

CWinApp* AfxGetApp()
{
    if (g_application == nullptr) {
        static CWinApp standIn;
        return &standIn;
    }
    return g_application;
}

int AfxWinMain(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("corvane"));
    QGuiApplication::setDesktopFileName(QStringLiteral("corvane"));
    // The process ends when InitInstance returns, not when a window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    QtMessageBoxService messageBoxes;
    const MessageBoxServiceScope useMessageBoxes(messageBoxes);
    QtFileChooserService fileChoosers;
    const FileChooserServiceScope useFileChoosers(fileChoosers);

    CWinApp* app = AfxGetApp();
    if (app->InitInstance() == FALSE)
        return app->ExitInstance();
    return app->Run();
}
