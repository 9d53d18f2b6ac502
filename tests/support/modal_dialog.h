#pragma once
// Running a dialog modally in a test: `whileRunning` is called inside the
// dialog's own loop once the dialog is shown, and must end it (a click, a key,
// EndDialog). A dialog still up afterwards is a failure and is ended, so a
// fault cannot hang the run.

#include "platform/win/dialog.h"
#include "platform/qt/dialog_window.h"
#include "tests/support/gui_test_application.h"

#include <QDialog>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

inline constexpr int kStillRunning = -2;

inline INT_PTR RunModal(CDialog& dialog, std::function<void(QDialog&)> whileRunning)
{
    GuiTestApplication();
    WhenNextDialogRuns([whileRunning = std::move(whileRunning)](CDialog& running) {
        QDialog* widget = DialogWidgetOf(running);
        if (widget == nullptr) {
            ADD_FAILURE() << "the dialog has no window";
            return;
        }
        EXPECT_TRUE(QTest::qWaitForWindowActive(widget));
        whileRunning(*widget);
        QDialog* still = DialogWidgetOf(running);
        if (still != nullptr && still->isVisible()) {
            ADD_FAILURE() << "the dialog was still running";
            running.EndDialog(kStillRunning);
        }
    });
    return dialog.DoModal();
}

// Runs `action` on the first widget that `find` returns, from inside the
// widget's own loop (a popup menu, a modal chooser or box that the next step
// opens); gives up after a long while so a fault cannot hang.
template <class Find, class Action> void WhenShown(Find find, Action action, const char* what)
{
    auto* timer = new QTimer(&GuiTestApplication());
    int polls = 0;
    QObject::connect(timer, &QTimer::timeout, [timer, find, action, polls, what]() mutable {
        auto* widget = find();
        if (widget != nullptr && widget->isVisible()) {
            timer->stop();
            timer->deleteLater();
            action(*widget);
        } else if (++polls > 3000) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "no " << what << " appeared";
        }
    });
    timer->start(10);
}

template <class Action> void WhenPopupShows(Action action)
{
    WhenShown([] { return QApplication::activePopupWidget(); }, action, "popup");
}

// The next modal dialog of this class (a file chooser, a box).
template <class Modal, class Action> void WhenModalShows(Action action)
{
    WhenShown([] { return qobject_cast<Modal*>(QApplication::activeModalWidget()); }, action, "modal dialog");
}
