#include "platform/qt/dialog_window.h"

#include "platform/text/drive_path.h"
#include "platform/ui/message_box.h"
#include "platform/qt/pictures.h"
#include "platform/qt/qt_file_chooser.h"
#include "platform/qt/qt_text.h"
#include "platform/win/win_app.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

#include <algorithm>
#include <deque>

namespace {

std::deque<std::function<void(CDialog&)>>& PendingDialogActions()
{
    static std::deque<std::function<void(CDialog&)>> actions;
    return actions;
}

LPARAM CursorPosition()
{
    const QPoint position = QCursor::pos();
    return MAKELPARAM(static_cast<WORD>(position.x()), static_cast<WORD>(position.y()));
}

bool IsPlainKey(const QKeyEvent& event)
{
    return (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

void WhenNextDialogRuns(std::function<void(CDialog&)> action)
{
    PendingDialogActions().push_back(std::move(action));
}

void RunNextDialogAction(CDialog& dialog, QWidget& widget)
{
    auto& actions = PendingDialogActions();
    if (actions.empty())
        return;
    auto action = std::move(actions.front());
    actions.pop_front();
    QMetaObject::invokeMethod(
        &widget, [&dialog, action = std::move(action)] { action(dialog); }, Qt::QueuedConnection);
}

namespace {

std::vector<const DialogWindow*>& LiveDialogWindows()
{
    static std::vector<const DialogWindow*> windows;
    return windows;
}

} // namespace

// --- DialogWidget ---------------------------------------------------------

DialogWidget::DialogWidget(DialogWindow& window, QWidget* owner) : QDialog(owner), m_window(window) {}

void DialogWidget::reject()
{
    // Whatever asks the toolkit's dialog to go away asks the program's dialog
    // to cancel, so that OnCancel decides.
    m_window.SendCommand(IDCANCEL);
}

void DialogWidget::setVisible(bool visible)
{
    QWidget::setVisible(visible); // NOLINT(bugprone-parent-virtual-call)
}

void DialogWidget::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    m_window.Paint();
}

void DialogWidget::closeEvent(QCloseEvent* event)
{
    // The close box (and the window manager's Close) arrives as the system
    // command; its default processing ends the dialog, as Cancel does.
    event->ignore();
    if (!m_window.Ending())
        m_window.SendSystemCommand(SC_CLOSE);
}

void DialogWidget::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        if (IsPlainKey(*event)) {
            m_window.SendCommand(IDCANCEL);
            return;
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (IsPlainKey(*event)) {
            m_window.PressDefaultButton();
            return;
        }
        break;
    case Qt::Key_F1:
        if (IsPlainKey(*event)) {
            AfxGetApp()->OnCmdMsg(ID_HELP);
            return;
        }
        break;
    default:
        break;
    }
    event->ignore();
}

void DialogWidget::contextMenuEvent(QContextMenuEvent* event)
{
    // On the dialog's background (labels, pictures and group boxes let the
    // click through), not on a button or a field.
    if (childAt(event->pos()) != nullptr) {
        event->ignore();
        return;
    }
    m_window.ShowSystemMenu(event->globalPos());
}

void DialogWidget::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        update();
}

void DialogWidget::dragEnterEvent(QDragEnterEvent* event)
{
    // Which of the dropped names can be taken is told once they are dropped.
    // While a check runs, input waits for its verdict; a drop cannot wait
    // (the file manager's data goes with the drag), so it is not let in.
    if (acceptDrops() && AfxGetApp()->WaitCursorDepth() == 0 && event->mimeData() != nullptr &&
        event->mimeData()->hasUrls())
        event->acceptProposedAction();
    else
        event->ignore();
}

void DialogWidget::dropEvent(QDropEvent* event)
{
    if (!acceptDrops() || event->mimeData() == nullptr || !event->mimeData()->hasUrls()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // The file manager waits for the drop to end; the program's answer, which
    // may be a message box, comes after.
    QMetaObject::invokeMethod(
        this, [this, urls = event->mimeData()->urls()] { m_window.DropFiles(urls); }, Qt::QueuedConnection);
}

bool DialogWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!IsPlainKey(*key))
        return false;
    switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        return m_window.MoveFocusInGroup(static_cast<QWidget*>(watched), false);
    case Qt::Key_Right:
    case Qt::Key_Down:
        return m_window.MoveFocusInGroup(static_cast<QWidget*>(watched), true);
    default:
        return false;
    }
}

// --- DialogWindow ---------------------------------------------------------

DialogWindow::DialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate, QWidget* owner)
    : m_dialog(dialog), m_template(dialogTemplate), m_owner(owner), m_font(ResolveDialogFont(dialogTemplate)),
      m_widget(std::make_unique<DialogWidget>(*this, owner))
{
    LiveDialogWindows().push_back(this);
    DialogWidget& widget = *m_widget;
    widget.setObjectName(QStringLiteral("dialog_%1").arg(dialogTemplate.nID));

    // A caption and, with WS_SYSMENU, the close box; minimise and maximise
    // boxes only when the template asks for them.
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if ((dialogTemplate.style & WS_SYSMENU) != 0)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if ((dialogTemplate.style & WS_MINIMIZEBOX) != 0 && (dialogTemplate.style & WS_CHILD) == 0)
        flags |= Qt::WindowMinimizeButtonHint;
    if ((dialogTemplate.style & WS_MAXIMIZEBOX) != 0 && (dialogTemplate.style & WS_CHILD) == 0)
        flags |= Qt::WindowMaximizeButtonHint;
    widget.setWindowFlags(flags);
    widget.setWindowTitle(ToQString(dialogTemplate.caption));
    widget.setFont(m_font.font);
    widget.setSizeGripEnabled(false);
    widget.setWindowModality(Qt::ApplicationModal);

    const QRect client = MapDialogRect(dialogTemplate.rect, m_font.units);
    if ((dialogTemplate.style & WS_THICKFRAME) != 0)
        widget.resize(client.size());
    else
        widget.setFixedSize(client.size());

    CreateControls();

    auto* keyMenu = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), &widget);
    QObject::connect(keyMenu, &QShortcut::activated, &widget, [this] {
        m_dialog.SendMessage(WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(u' '));
    });
    auto* closeKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), &widget);
    QObject::connect(closeKey, &QShortcut::activated, &widget, [this] { SendSystemCommand(SC_CLOSE); });
}

bool DialogWindow::AnyEnding()
{
    const auto& windows = LiveDialogWindows();
    return std::any_of(windows.begin(), windows.end(), [](const DialogWindow* window) { return window->Ending(); });
}

DialogWindow::~DialogWindow()
{
    std::erase(LiveDialogWindows(), this);
    m_ending = true;
    m_controls.clear();
    m_widget.reset();
}

DialogWindow* DialogWindow::Of(const CDialog& dialog)
{
    return dialog.m_window.get();
}

void DialogWindow::CreateControls()
{
    int group = 0;
    int index = 0;
    QWidget* previousTabStop = nullptr;
    for (const DialogItemTemplate& item : m_template.items) {
        ++index;
        if (index > 1 && (item.style & WS_GROUP) != 0)
            ++group;
        auto control = CreateControl(item, index, *m_widget, m_font.units);
        QWidget* widget = control->Widget();
        if (control->Kind() == ControlKind::PushButton) {
            const int nID = item.nID;
            QObject::connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, m_widget.get(),
                             [this, nID] { SendCommand(nID); });
            widget->installEventFilter(m_widget.get());
        }
        // The template order is the tab order.
        if ((widget->focusPolicy() & Qt::TabFocus) != 0) {
            if (previousTabStop != nullptr)
                QWidget::setTabOrder(previousTabStop, widget);
            previousTabStop = widget;
        }
        m_groups.push_back(group);
        m_controls.push_back(std::move(control));
    }
}

ControlWindow* DialogWindow::Control(int nID) const
{
    for (const auto& control : m_controls) {
        if (control->ID() == nID)
            return control.get();
    }
    return nullptr;
}

void DialogWindow::Show(BOOL setDefaultFocus)
{
    DialogWidget& widget = *m_widget;
    // The templates place their dialogs at 0, 0 without DS_CENTER: the
    // framework centres such a dialog over its owner, or on the screen.
    QRect area;
    if (m_owner != nullptr && m_owner->isVisible()) {
        area = m_owner->frameGeometry();
    } else {
        QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
        if (screen == nullptr)
            screen = QGuiApplication::primaryScreen();
        if (screen != nullptr)
            area = screen->availableGeometry();
    }
    if (area.isValid()) {
        QPoint topLeft = area.center() - QPoint(widget.width() / 2, widget.height() / 2);
        topLeft.setX(std::max(topLeft.x(), 0));
        topLeft.setY(std::max(topLeft.y(), 0));
        widget.move(topLeft);
    }

    if (setDefaultFocus != FALSE) {
        for (const auto& control : m_controls) {
            QWidget* candidate = control->Widget();
            if ((control->Style() & WS_TABSTOP) != 0 && candidate->isEnabled() && !candidate->isHidden()) {
                candidate->setFocus(Qt::TabFocusReason);
                break;
            }
        }
    }
    widget.show();
    widget.raise();
    widget.activateWindow();
}

void DialogWindow::RunModalLoop()
{
    QEventLoop loop;
    m_loop = &loop;
    loop.exec(QEventLoop::DialogExec);
    m_loop = nullptr;
}

void DialogWindow::EndModalLoop()
{
    m_ending = true;
    m_widget->hide();
    if (m_loop != nullptr)
        m_loop->exit();
}

void DialogWindow::SendSystemCommand(UINT nID)
{
    m_dialog.SendMessage(WM_SYSCOMMAND, nID, CursorPosition());
}

void DialogWindow::SendCommand(int nID)
{
    m_dialog.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(nID), static_cast<WORD>(BN_CLICKED)), 0);
}

void DialogWindow::ShowSystemMenu(QPoint globalPosition)
{
    CMenu* systemMenu = m_dialog.GetSystemMenu(FALSE);
    if (systemMenu == nullptr)
        return;
    QMenu menu(m_widget.get());
    menu.setObjectName(QStringLiteral("system_menu"));
    for (const CMenu::Item& item : systemMenu->Items()) {
        if ((item.nFlags & MF_SEPARATOR) != 0) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(ToQString(item.text));
        action->setData(item.nID);
        action->setEnabled((item.nFlags & (MF_GRAYED | MF_DISABLED)) == 0);
        if (item.nID == SC_CLOSE) {
            // Close is the menu's default item.
            QFont bold = action->font();
            bold.setBold(true);
            action->setFont(bold);
        }
    }
    const QAction* chosen = menu.exec(globalPosition);
    if (chosen == nullptr)
        return;
    const UINT nID = chosen->data().toUInt();
    SendSystemCommand(nID);
}

void DialogWindow::ShowSystemMenuFromKeyboard()
{
    ShowSystemMenu(m_widget->mapToGlobal(QPoint(0, 0)));
}

void DialogWindow::ApplyIcons(HICON hBigIcon, HICON hSmallIcon)
{
    QIcon icon;
    if (hBigIcon != nullptr)
        icon.addPixmap(IconPixmap(hBigIcon, GetSystemMetrics(SM_CXICON)));
    if (hSmallIcon != nullptr)
        icon.addPixmap(IconPixmap(hSmallIcon, GetSystemMetrics(SM_CXSMICON)));
    m_widget->setWindowIcon(icon);
}

void DialogWindow::DropFiles(const QList<QUrl>& urls)
{
    DropFilesRecord record;
    for (const QUrl& url : urls) {
        if (!url.isLocalFile() || !QDir::isAbsolutePath(url.toLocalFile())) {
            CString text;
            text.Format("%s cannot be checked: only files on this computer can be dropped here. Save it to a "
                        "folder first, then drop or choose that file.",
                        FromQString(url.toDisplayString()));
            AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
            return;
        }
        const std::string linuxPath = QFile::encodeName(url.toLocalFile()).toStdString();
        const auto drivePath = DrivePathFromLinuxPath(linuxPath);
        if (!drivePath) {
            AfxMessageBox(BackslashNameRefusal(CString(linuxPath)), MB_OK | MB_ICONEXCLAMATION);
            return;
        }
        record.files.push_back(*drivePath);
    }
    if (record.files.empty())
        return;
    m_dialog.SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(&record), 0);
}

void DialogWindow::Paint()
{
    m_painting = true;
    m_dialog.SendMessage(WM_PAINT);
    m_painting = false;
}

std::unique_ptr<DeviceContext> DialogWindow::BeginPaint()
{
    if (!m_painting)
        return nullptr;
    auto context = std::make_unique<DeviceContext>();
    context->widget = m_widget.get();
    context->painter.emplace(m_widget.get());
    return context;
}

bool DialogWindow::MoveFocusInGroup(QWidget* from, bool forward)
{
    std::size_t at = m_controls.size();
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (m_controls[i]->Widget() == from)
            at = i;
    }
    if (at == m_controls.size())
        return false;
    std::vector<std::size_t> members;
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (m_groups[i] == m_groups[at])
            members.push_back(i);
    }
    const auto self = std::find(members.begin(), members.end(), at) - members.begin();
    const auto count = static_cast<std::ptrdiff_t>(members.size());
    for (std::ptrdiff_t step = 1; step < count; ++step) {
        const std::ptrdiff_t next = ((self + (forward ? step : -step)) % count + count) % count;
        QWidget* candidate = m_controls[members[static_cast<std::size_t>(next)]]->Widget();
        if (candidate->isEnabled() && candidate->isVisible() && candidate->focusPolicy() != Qt::NoFocus) {
            candidate->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return true;
}

void DialogWindow::PressDefaultButton()
{
    for (const auto& control : m_controls) {
        if (control->Kind() != ControlKind::PushButton)
            continue;
        auto* button = static_cast<QPushButton*>(control->Widget());
        if (button->isDefault() && button->isVisible()) {
            if (button->isEnabled())
                button->click();
            return;
        }
    }
    SendCommand(IDOK);
}
