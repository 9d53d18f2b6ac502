#include "platform/qt/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QString>

#include <cstdio>

namespace {

QMessageBox::Icon IconFor(UINT nType)
{
    switch (nType & MB_ICONMASK) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return (nType & MB_TYPEMASK) == MB_YESNO ? QMessageBox::Question : QMessageBox::Information;
    }
}

} // namespace

int QtMessageBoxService::Show(const CString& caption, const CString& text, UINT nType)
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        std::fprintf(stderr, "%s: %s\n", caption.GetString(), text.GetString());
        std::fflush(stderr);
        return UnansweredMessageBoxResult(nType);
    }

    // Over the dialog that is open, as the main window's own box.
    QWidget* owner = QApplication::activeModalWidget();
    if (owner == nullptr)
        owner = QApplication::activeWindow();
    QMessageBox box(owner);
    box.setWindowTitle(QString::fromUtf8(caption.GetString(), caption.GetLength()));
    // A path may hold '<' or '&': the text is never taken as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromUtf8(text.GetString(), text.GetLength()));
    box.setIcon(IconFor(nType));

    struct Choice {
        QPushButton* button;
        int answer;
    };
    Choice choices[2] = {};
    int answerOnEscape = IDOK;
    switch (nType & MB_TYPEMASK) {
    case MB_YESNO:
        choices[0] = {box.addButton(QMessageBox::Yes), IDYES};
        choices[1] = {box.addButton(QMessageBox::No), IDNO};
        box.setDefaultButton(choices[0].button);
        box.setEscapeButton(choices[1].button);
        answerOnEscape = IDNO;
        break;
    case MB_OKCANCEL:
        choices[0] = {box.addButton(QMessageBox::Ok), IDOK};
        choices[1] = {box.addButton(QMessageBox::Cancel), IDCANCEL};
        box.setDefaultButton(choices[0].button);
        box.setEscapeButton(choices[1].button);
        answerOnEscape = IDCANCEL;
        break;
    default:
        choices[0] = {box.addButton(QMessageBox::Ok), IDOK};
        box.setDefaultButton(choices[0].button);
        box.setEscapeButton(choices[0].button);
        break;
    }

    box.exec();
    const auto* clicked = box.clickedButton();
    for (const Choice& choice : choices) {
        if (choice.button != nullptr && clicked == choice.button)
            return choice.answer;
    }
    return answerOnEscape;
}
