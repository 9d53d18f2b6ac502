#pragma once
// The controls of a dialog: one widget for each item of the template, and
// the window through which the program reaches it (GetDlgItem).

#include "platform/win/dialog_template.h"
#include "platform/qt/dialog_units.h"
#include "platform/win/window.h"

#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QWidget>

#include <memory>

enum class ControlKind { PushButton, GroupBox, LineEdit, MultiLineEdit, Label, Icon, Bitmap };

class ControlWindow : public CWnd {
public:
    ControlWindow(const DialogItemTemplate& item, int index, ControlKind kind, QWidget* widget);

    void SetWindowText(const CString& text) override;
    CString GetWindowText() const override;
    BOOL EnableWindow(BOOL bEnable = TRUE) override;
    BOOL IsWindowEnabled() const override;
    CWnd* GetDlgItem(int) const override { return nullptr; }
    void BeginWaitCursor() override;
    void EndWaitCursor() override;

    int ID() const { return m_nID; }
    // Position in the template, from 1.
    int Index() const { return m_index; }
    ControlKind Kind() const { return m_kind; }
    DWORD Style() const { return m_style; }
    QWidget* Widget() const { return m_widget.data(); }

private:
    int m_nID;
    int m_index;
    ControlKind m_kind;
    DWORD m_style;
    QPointer<QWidget> m_widget;
    // A multi-line field shows its lines without the carriage returns; what
    // the program set comes back unchanged while the field still shows it.
    CString m_setText;
    QString m_shownText;
};

// The name a control's widget carries: "control_<id>" for a control with its
// own identifier, "static_<index>" for an IDC_STATIC one.
QString ControlObjectName(int nID, int index);

// Creates the widget of one template item, as a child of the dialog's widget,
// at the item's rectangle converted through the base units.
std::unique_ptr<ControlWindow> CreateControl(const DialogItemTemplate& item, int index, QWidget& dialog,
                                             DialogBaseUnits units);

// Paints pending changes at once, without taking any user input; used while
// the application shows its wait cursor, since the thread is about to block.
void FlushPainting();

// A static control that shows a bitmap. With SS_CENTERIMAGE the control
// keeps its size, the bitmap is centred, and the rest is filled with the
// colour of the bitmap's top left pixel. Extended edges are drawn around it.
class BitmapStatic : public QWidget {
public:
    BitmapStatic(QImage bitmap, DWORD style, DWORD exStyle, QWidget* parent);
    const QImage& Bitmap() const { return m_bitmap; }
    // The inner area, inside the edges.
    QRect ImageArea() const;
    int EdgeWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_bitmap;
    DWORD m_style;
    DWORD m_exStyle;
};

// A group box as the dialog manager draws it: a frame whose top edge runs
// through the middle of the title, the title standing on the frame near its
// left end. It only frames its neighbours, which are not its children.
class GroupBoxFrame : public QWidget {
public:
    GroupBoxFrame(QString title, QWidget* parent);
    const QString& Title() const { return m_title; }
    void SetTitle(QString title);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_title;
};

// A static text with WS_BORDER: a thin line around the text.
class BorderedLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};
