#pragma once
// A dialog's window while it exists: the top-level widget built from the
// template, its controls, its modal loop and its system menu. Created by
// CDialog::DoModal and destroyed when DoModal returns.

#include "platform/win/dialog.h"
#include "platform/qt/controls.h"
#include "platform/qt/dialog_units.h"

#include <QDialog>
#include <QEventLoop>
#include <QList>
#include <QPoint>
#include <QUrl>

#include <functional>
#include <memory>
#include <vector>

class DialogWindow;

class DialogWidget : public QDialog {
    Q_OBJECT

public:
    DialogWidget(DialogWindow& window, QWidget* owner);

    void reject() override;
    // Shown as a plain window: the toolkit's dialog would make its first
    // push button the default one when the template names none.
    void setVisible(bool visible) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DialogWindow& m_window;
};

class DialogWindow {
public:
    DialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate, QWidget* owner);
    ~DialogWindow();
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    // The window of a dialog, or null while it has none.
    static DialogWindow* Of(const CDialog& dialog);

    CDialog& Dialog() const { return m_dialog; }
    DialogWidget& Widget() const { return *m_widget; }
    const DialogTemplate& Template() const { return m_template; }
    DialogBaseUnits BaseUnits() const { return m_font.units; }
    const QFont& Font() const { return m_font.font; }
    // The first control with this identifier; null if there is none.
    ControlWindow* Control(int nID) const;
    const std::vector<std::unique_ptr<ControlWindow>>& Controls() const { return m_controls; }

    // Shows the window, centred over its owner (or on the screen), and gives
    // the focus to the first enabled tab stop when initialisation asked for it.
    void Show(BOOL setDefaultFocus);
    void RunModalLoop();
    void EndModalLoop();
    bool Ending() const { return m_ending; }
    // Whether any dialog that exists now is ending (its close box or Cancel
    // was pressed while the program was busy).
    static bool AnyEnding();

    // Routes the system command to the dialog; with the mouse's position.
    void SendSystemCommand(UINT nID);
    void SendCommand(int nID);
    // Opens the system menu at this screen position; the chosen item goes to
    // the dialog as a system command.
    void ShowSystemMenu(QPoint globalPosition);
    // Below the caption, as the keyboard opens it.
    void ShowSystemMenuFromKeyboard();

    void ApplyIcons(HICON hBigIcon, HICON hSmallIcon);

    // Files dropped onto the window, delivered to the dialog as WM_DROPFILES;
    // anything but local files with a drive path is refused with a message.
    void DropFiles(const QList<QUrl>& urls);

    // WM_PAINT, with a paint context available to the handler.
    void Paint();
    std::unique_ptr<DeviceContext> BeginPaint();

    // Arrow keys move the focus within the control's group.
    bool MoveFocusInGroup(QWidget* from, bool forward);
    // Enter: the default button if it is enabled, else IDOK when there is none.
    void PressDefaultButton();

private:
    void CreateControls();

    CDialog& m_dialog;
    const DialogTemplate& m_template;
    QWidget* m_owner;
    ResolvedDialogFont m_font;
    std::unique_ptr<DialogWidget> m_widget;
    std::vector<std::unique_ptr<ControlWindow>> m_controls;
    std::vector<int> m_groups; // group number of each control, in template order
    QEventLoop* m_loop = nullptr;
    bool m_painting = false;
    bool m_ending = false;
};

// Runs `action` with the next dialog that starts its modal loop, once it is
// shown and waiting for input. For tests that drive modal dialogs.
void WhenNextDialogRuns(std::function<void(CDialog&)> action);
void RunNextDialogAction(CDialog& dialog, QWidget& widget);

// For tests: the widget of a dialog while its window exists, and the widget
// of its first control with this identifier.
QDialog* DialogWidgetOf(const CDialog& dialog);
QWidget* ControlWidgetOf(const CDialog& dialog, int nID);
