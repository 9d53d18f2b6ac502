#include "platform/qt/controls.h"

#include "platform/win/gdi.h"
#include "platform/qt/pictures.h"
#include "platform/qt/qt_text.h"
#include "platform/win/resources.h"
#include "platform/win/win_app.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

namespace {

// Static text without SS_NOPREFIX takes "&" as the mark of an access key
// (drawn as nothing here) and "&&" as one ampersand.
QString DisplayedStaticText(const QString& text, DWORD style)
{
    if ((style & SS_NOPREFIX) != 0)
        return text;
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'&')
            shown += text[i];
        else if (++i < text.size())
            shown += text[i];
    }
    return shown;
}

// Lines are separated by CR LF in the program, by LF in the widget.
QString ToWidgetLines(const QString& text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return lines;
}

QString FromWidgetLines(const QString& text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return lines;
}

Qt::Alignment StaticAlignment(DWORD style)
{
    switch (style & SS_TYPEMASK) {
    case SS_CENTER:
        return Qt::AlignHCenter | Qt::AlignTop;
    case SS_RIGHT:
        return Qt::AlignRight | Qt::AlignTop;
    default:
        return Qt::AlignLeft | Qt::AlignTop;
    }
}

Qt::Alignment EditAlignment(DWORD style)
{
    if ((style & ES_CENTER) != 0)
        return Qt::AlignHCenter;
    if ((style & ES_RIGHT) != 0)
        return Qt::AlignRight;
    return Qt::AlignLeft;
}

// Read-only fields show the dialog's own background, as the window system
// shows them, so that they do not look as if they took typing.
void ShowAsReadOnly(QWidget& field)
{
    QPalette palette = field.palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    field.setPalette(palette);
}

Qt::FocusPolicy FocusPolicyFor(const DialogItemTemplate& item)
{
    return (item.style & WS_TABSTOP) != 0 ? Qt::StrongFocus : Qt::ClickFocus;
}

QWidget* CreatePushButton(const DialogItemTemplate& item, QWidget& dialog)
{
    auto* button = new QPushButton(ToQString(item.text.text), &dialog);
    button->setAutoDefault(true);
    button->setDefault((item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
    button->setFocusPolicy(FocusPolicyFor(item));
    return button;
}

QWidget* CreateGroupBox(const DialogItemTemplate& item, QWidget& dialog)
{
    auto* box = new GroupBoxFrame(ToQString(item.text.text), &dialog);
    box->setFocusPolicy(Qt::NoFocus);
    // A group box only frames its neighbours: clicks go through it.
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    return box;
}

QWidget* CreateEdit(const DialogItemTemplate& item, QWidget& dialog, ControlKind& kind)
{
    const bool readOnly = (item.style & ES_READONLY) != 0;
    if ((item.style & ES_MULTILINE) != 0) {
        kind = ControlKind::MultiLineEdit;
        auto* edit = new QPlainTextEdit(&dialog);
        // Lines wrap at the field's edge unless the field scrolls sideways.
        const bool scrollsSideways = (item.style & (WS_HSCROLL | ES_AUTOHSCROLL)) != 0;
        edit->setLineWrapMode(scrollsSideways ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
        edit->setHorizontalScrollBarPolicy((item.style & WS_HSCROLL) != 0 ? Qt::ScrollBarAlwaysOn
                                                                          : Qt::ScrollBarAlwaysOff);
        edit->setVerticalScrollBarPolicy((item.style & WS_VSCROLL) != 0 ? Qt::ScrollBarAlwaysOn
                                                                        : Qt::ScrollBarAlwaysOff);
        edit->setReadOnly(readOnly);
        if (readOnly) {
            // The caret keys still move through the text and scroll it.
            edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
            ShowAsReadOnly(*edit);
        }
        edit->setTabChangesFocus(true);
        edit->setFrameShape((item.style & WS_BORDER) != 0 || (item.exStyle & WS_EX_CLIENTEDGE) != 0
                                ? QFrame::StyledPanel
                                : QFrame::NoFrame);
        edit->setFocusPolicy(FocusPolicyFor(item));
        return edit;
    }
    kind = ControlKind::LineEdit;
    auto* edit = new QLineEdit(&dialog);
    edit->setReadOnly(readOnly);
    if (readOnly)
        ShowAsReadOnly(*edit);
    edit->setAlignment(EditAlignment(item.style) | Qt::AlignVCenter);
    edit->setFrame((item.style & WS_BORDER) != 0 || (item.exStyle & WS_EX_CLIENTEDGE) != 0);
    edit->setFocusPolicy(FocusPolicyFor(item));
    return edit;
}

QWidget* CreateStatic(const DialogItemTemplate& item, QWidget& dialog, ControlKind& kind)
{
    const DWORD type = item.style & SS_TYPEMASK;
    if (type == SS_ICON) {
        kind = ControlKind::Icon;
        auto* picture = new QLabel(&dialog);
        const HICON icon = item.text.IsResource() ? LoadIconResource(item.text.resourceNumber) : nullptr;
        const int size = GetSystemMetrics(SM_CXICON);
        picture->setPixmap(IconPixmap(icon, size));
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return picture;
    }
    if (type == SS_BITMAP) {
        kind = ControlKind::Bitmap;
        const QImage bitmap = item.text.IsResource() ? LoadBitmapResource(item.text.resourceNumber) : QImage();
        return new BitmapStatic(bitmap, item.style, item.exStyle, &dialog);
    }
    kind = ControlKind::Label;
    auto* label = (item.style & WS_BORDER) != 0 ? new BorderedLabel(&dialog) : new QLabel(&dialog);
    // Program text is never taken as markup.
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(StaticAlignment(item.style));
    label->setWordWrap(true);
    label->setText(DisplayedStaticText(ToQString(item.text.text), item.style));
    if ((item.style & WS_BORDER) != 0)
        label->setContentsMargins(1, 1, 1, 1);
    return label;
}

// Windows that show a picture take their size from it, as the window system
// sizes them: an icon at its own size, a bitmap without SS_CENTERIMAGE at
// its size plus its edges.
QRect PlacedRect(const DialogItemTemplate& item, QWidget& widget, ControlKind kind, DialogBaseUnits units)
{
    QRect rect = MapDialogRect(item.rect, units);
    if (kind == ControlKind::Icon) {
        rect.setSize(QSize(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)));
    } else if (kind == ControlKind::Bitmap && (item.style & SS_CENTERIMAGE) == 0) {
        auto& picture = static_cast<BitmapStatic&>(widget);
        const int edges = 2 * picture.EdgeWidth();
        rect.setSize(picture.Bitmap().size() + QSize(edges, edges));
    }
    return rect;
}

} // namespace

QString ControlObjectName(int nID, int index)
{
    if (nID == -1)
        return QStringLiteral("static_%1").arg(index);
    return QStringLiteral("control_%1").arg(nID);
}

void FlushPainting()
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        return;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers |
                                    QEventLoop::X11ExcludeTimers);
}

std::unique_ptr<ControlWindow> CreateControl(const DialogItemTemplate& item, int index, QWidget& dialog,
                                             DialogBaseUnits units)
{
    ControlKind kind = ControlKind::Label;
    QWidget* widget = nullptr;
    switch (item.controlClass) {
    case ControlClass::Button:
        if ((item.style & BS_TYPEMASK) == BS_GROUPBOX) {
            kind = ControlKind::GroupBox;
            widget = CreateGroupBox(item, dialog);
        } else {
            kind = ControlKind::PushButton;
            widget = CreatePushButton(item, dialog);
        }
        break;
    case ControlClass::Edit:
        widget = CreateEdit(item, dialog, kind);
        break;
    case ControlClass::Static:
        widget = CreateStatic(item, dialog, kind);
        // Static controls take no clicks: a click on one is a click on the
        // dialog's background.
        widget->setAttribute(Qt::WA_TransparentForMouseEvents);
        widget->setFocusPolicy(Qt::NoFocus);
        break;
    }

    widget->setObjectName(ControlObjectName(item.nID, index));
    widget->setProperty("controlId", item.nID);
    widget->setProperty("templateIndex", index);
    widget->setGeometry(PlacedRect(item, *widget, kind, units));
    widget->setEnabled((item.style & WS_DISABLED) == 0);
    if ((item.style & WS_VISIBLE) == 0)
        widget->hide();

    auto control = std::make_unique<ControlWindow>(item, index, kind, widget);
    if (kind == ControlKind::LineEdit || kind == ControlKind::MultiLineEdit)
        control->SetWindowText(FromQString(ToQString(item.text.text)));
    return control;
}

ControlWindow::ControlWindow(const DialogItemTemplate& item, int index, ControlKind kind, QWidget* widget)
    : m_nID(item.nID), m_index(index), m_kind(kind), m_style(item.style), m_widget(widget)
{
    if (kind == ControlKind::Label || kind == ControlKind::PushButton || kind == ControlKind::GroupBox)
        m_setText = FromQString(ToQString(item.text.text));
}

void ControlWindow::SetWindowText(const CString& text)
{
    m_setText = text;
    QWidget* widget = m_widget.data();
    if (widget == nullptr)
        return;
    const QString qtext = ToQString(text);
    switch (m_kind) {
    case ControlKind::PushButton:
        static_cast<QPushButton*>(widget)->setText(qtext);
        break;
    case ControlKind::GroupBox:
        static_cast<GroupBoxFrame*>(widget)->SetTitle(qtext);
        break;
    case ControlKind::LineEdit: {
        auto* edit = static_cast<QLineEdit*>(widget);
        edit->setText(qtext);
        // The start of the text is in view, as after any setting of a field.
        edit->setCursorPosition(0);
        break;
    }
    case ControlKind::MultiLineEdit:
        m_shownText = ToWidgetLines(qtext);
        static_cast<QPlainTextEdit*>(widget)->setPlainText(m_shownText);
        break;
    case ControlKind::Label:
        static_cast<QLabel*>(widget)->setText(DisplayedStaticText(qtext, m_style));
        break;
    case ControlKind::Icon:
    case ControlKind::Bitmap:
        break;
    }
    // The caller may be about to block the thread (the status line before a
    // validation): what was set is painted now, not when the thread is free.
    if (widget->isVisible()) {
        widget->repaint();
        const CWinApp* app = AfxGetApp();
        if (app != nullptr && app->WaitCursorDepth() > 0)
            FlushPainting();
    }
}

CString ControlWindow::GetWindowText() const
{
    const QWidget* widget = m_widget.data();
    if (widget == nullptr)
        return m_setText;
    switch (m_kind) {
    case ControlKind::LineEdit:
        return FromQString(static_cast<const QLineEdit*>(widget)->text());
    case ControlKind::MultiLineEdit: {
        const QString shown = static_cast<const QPlainTextEdit*>(widget)->toPlainText();
        return shown == m_shownText ? m_setText : FromQString(FromWidgetLines(shown));
    }
    case ControlKind::PushButton:
        return FromQString(static_cast<const QPushButton*>(widget)->text());
    case ControlKind::GroupBox:
        return FromQString(static_cast<const GroupBoxFrame*>(widget)->Title());
    default:
        return m_setText;
    }
}

BOOL ControlWindow::EnableWindow(BOOL bEnable)
{
    QWidget* widget = m_widget.data();
    if (widget == nullptr)
        return FALSE;
    const BOOL wasDisabled = widget->isEnabled() ? FALSE : TRUE;
    widget->setEnabled(bEnable != FALSE);
    return wasDisabled;
}

BOOL ControlWindow::IsWindowEnabled() const
{
    const QWidget* widget = m_widget.data();
    return widget != nullptr && widget->isEnabled() ? TRUE : FALSE;
}

void ControlWindow::BeginWaitCursor()
{
    AfxGetApp()->BeginWaitCursor();
}

void ControlWindow::EndWaitCursor()
{
    AfxGetApp()->EndWaitCursor();
}

BitmapStatic::BitmapStatic(QImage bitmap, DWORD style, DWORD exStyle, QWidget* parent)
    : QWidget(parent), m_bitmap(std::move(bitmap)), m_style(style), m_exStyle(exStyle)
{
}

int BitmapStatic::EdgeWidth() const
{
    int width = 0;
    if ((m_exStyle & WS_EX_CLIENTEDGE) != 0)
        width += 2;
    if ((m_exStyle & WS_EX_STATICEDGE) != 0)
        width += 1;
    if ((m_style & WS_BORDER) != 0)
        width += 1;
    return width;
}

QRect BitmapStatic::ImageArea() const
{
    const int edge = EdgeWidth();
    return rect().adjusted(edge, edge, -edge, -edge);
}

void BitmapStatic::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colours = palette();
    QRect frame = rect();
    // A sunken edge: darker above and to the left, lighter below and right.
    const auto sunken = [&painter, &frame](const QColor& topLeft, const QColor& bottomRight) {
        painter.setPen(topLeft);
        painter.drawLine(frame.topLeft(), frame.topRight() - QPoint(1, 0));
        painter.drawLine(frame.topLeft(), frame.bottomLeft() - QPoint(0, 1));
        painter.setPen(bottomRight);
        painter.drawLine(frame.bottomLeft(), frame.bottomRight());
        painter.drawLine(frame.topRight(), frame.bottomRight());
        frame.adjust(1, 1, -1, -1);
    };
    if ((m_style & WS_BORDER) != 0)
        sunken(colours.color(QPalette::WindowText), colours.color(QPalette::WindowText));
    if ((m_exStyle & WS_EX_CLIENTEDGE) != 0) {
        sunken(colours.color(QPalette::Dark), colours.color(QPalette::Light));
        sunken(colours.color(QPalette::Shadow), colours.color(QPalette::Midlight));
    }
    if ((m_exStyle & WS_EX_STATICEDGE) != 0)
        sunken(colours.color(QPalette::Dark), colours.color(QPalette::Light));

    if (m_bitmap.isNull())
        return;
    const QRect area = ImageArea();
    painter.setClipRect(area);
    if ((m_style & SS_CENTERIMAGE) != 0) {
        painter.fillRect(area, m_bitmap.pixelColor(0, 0));
        const QPoint origin(area.left() + (area.width() - m_bitmap.width()) / 2,
                            area.top() + (area.height() - m_bitmap.height()) / 2);
        painter.drawImage(origin, m_bitmap);
    } else {
        painter.drawImage(area.topLeft(), m_bitmap);
    }
}

GroupBoxFrame::GroupBoxFrame(QString title, QWidget* parent) : QWidget(parent), m_title(std::move(title)) {}

void GroupBoxFrame::SetTitle(QString title)
{
    m_title = std::move(title);
    update();
}

void GroupBoxFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());

    // The frame in the style's own outline colour, softly rounded, with a
    // light line inside it for an etched look.
    const QRectF frame = QRectF(rect().adjusted(0, metrics.height() / 2, -1, -1)).adjusted(0.5, 0.5, -0.5, -0.5);
    const QColor window = palette().color(QPalette::Window);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 160), 1));
    painter.drawRoundedRect(frame.translated(1, 1), 2.5, 2.5);
    painter.setPen(QPen(window.darker(140), 1));
    painter.drawRoundedRect(frame, 2.5, 2.5);
    painter.setRenderHint(QPainter::Antialiasing, false);

    if (m_title.isEmpty())
        return;
    // The title sits on the frame, on the dialog's background, a little in
    // from the left end.
    const int inset = metrics.averageCharWidth() + 1;
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextSingleLine;
    QRect title = metrics.boundingRect(QRect(inset, 0, width() - 2 * inset, metrics.height()), flags, m_title);
    title.adjust(-2, 0, 2, 0);
    painter.fillRect(title, palette().color(QPalette::Window));
    style()->drawItemText(&painter, title, flags | Qt::AlignHCenter, palette(), isEnabled(), m_title,
                          QPalette::WindowText);
}

void BorderedLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
