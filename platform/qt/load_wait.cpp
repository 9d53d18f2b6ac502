#include "platform/qt/load_wait.h"

#include "platform/xml/component/load_progress.h"
#include "platform/qt/controls.h"
#include "platform/qt/dialog_window.h"
#include "platform/win/win_types.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QShortcutEvent>
#include <QPushButton>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

constexpr auto kProgressAfter = std::chrono::milliseconds(500);

bool IsUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

bool IsCancelButton(const QWidget* widget)
{
    return qobject_cast<const QPushButton*>(widget) != nullptr &&
           widget->objectName() == ControlObjectName(IDCANCEL, 0);
}

// A click of the mouse reaches the window first, which hands it to the
// widget under the pointer: the window lets through what is meant for a
// Cancel button, and the release that ends a press on one wherever the
// pointer went since (the button waits for it to finish its click).
bool ReachesCancelButton(const QWindow& window, const QMouseEvent& event)
{
    const auto tops = QApplication::topLevelWidgets();
    const auto top = std::find_if(tops.begin(), tops.end(),
                                  [&window](const QWidget* widget) { return widget->windowHandle() == &window; });
    if (top == tops.end())
        return false;
    if (IsCancelButton((*top)->childAt(event.position().toPoint())))
        return true;
    if (event.type() != QEvent::MouseButtonRelease)
        return false;
    const auto buttons = (*top)->findChildren<QPushButton*>(ControlObjectName(IDCANCEL, 0));
    return std::any_of(buttons.begin(), buttons.end(), [](const QPushButton* button) { return button->isDown(); });
}

// What may end the run: a press of a dialog's Cancel button, Escape and
// Alt+F4 (the dialogs' only shortcut).
bool EndsTheRun(const QObject* watched, const QEvent* event)
{
    const auto type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease) {
        if (const auto* window = qobject_cast<const QWindow*>(watched))
            return ReachesCancelButton(*window, *static_cast<const QMouseEvent*>(event));
        return IsCancelButton(qobject_cast<const QWidget*>(watched));
    }
    if (type == QEvent::KeyPress || type == QEvent::KeyRelease || type == QEvent::ShortcutOverride) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        return key->key() == Qt::Key_Escape || (key->key() == Qt::Key_F4 && key->modifiers() == Qt::AltModifier);
    }
    // Alt+F4 arrives as the dialog's shortcut.
    return type == QEvent::Shortcut &&
           static_cast<const QShortcutEvent*>(event)->key() == QKeySequence(Qt::ALT | Qt::Key_F4);
}

} // namespace

LoadWaitScope::LoadWaitScope() : m_started(std::chrono::steady_clock::now())
{
    QCoreApplication::instance()->installEventFilter(this);
    SetLoadProgressListener([this](std::uint64_t bytesRead, std::uint64_t bytesTotal) {
        m_bytesRead = bytesRead;
        m_bytesTotal = bytesTotal;
    });
    SetLoadWaitHandler([this] { return Continue(); });
}

LoadWaitScope::~LoadWaitScope()
{
    SetLoadWaitHandler({});
    SetLoadProgressListener({});
    if (QCoreApplication* application = QCoreApplication::instance())
        application->removeEventFilter(this);
    RestoreTitles();
    // The verdict is in: held input goes where it was going, unless its
    // dialog ended meanwhile.
    const bool ending = DialogWindow::AnyEnding();
    for (HeldEvent& held : m_held) {
        if (!ending && held.receiver)
            QCoreApplication::postEvent(held.receiver.data(), held.event.release());
    }
}

bool LoadWaitScope::eventFilter(QObject* watched, QEvent* event)
{
    if (!IsUserInput(event->type()) || EndsTheRun(watched, event))
        return false;
    m_held.push_back({QPointer<QObject>(watched), std::unique_ptr<QEvent>(event->clone())});
    return true;
}

bool LoadWaitScope::Continue()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    ShowProgress();
    return !DialogWindow::AnyEnding();
}

void LoadWaitScope::ShowProgress()
{
    if (m_bytesTotal == 0 || std::chrono::steady_clock::now() - m_started < kProgressAfter)
        return;
    const int percent = static_cast<int>(std::min<std::uint64_t>(m_bytesRead * 100 / m_bytesTotal, 100));
    if (percent == m_percentShown)
        return;
    m_percentShown = percent;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || !window->objectName().startsWith(QStringLiteral("dialog_")))
            continue;
        auto known = std::find_if(m_titles.begin(), m_titles.end(),
                                  [window](const auto& entry) { return entry.first == window; });
        if (known == m_titles.end())
            known = m_titles.insert(m_titles.end(), {QPointer<QWidget>(window), window->windowTitle()});
        window->setWindowTitle(QStringLiteral("%1% \u2013 %2").arg(percent).arg(known->second));
    }
}

void LoadWaitScope::RestoreTitles()
{
    for (auto& [window, title] : m_titles) {
        if (window)
            window->setWindowTitle(title);
    }
    m_titles.clear();
}
