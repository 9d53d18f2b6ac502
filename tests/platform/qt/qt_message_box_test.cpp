// The real message box on Qt, driven from its own event loop: caption, text,
// icon, buttons, and the answer for each way of closing it.

#include "platform/qt/qt_message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// The application object for these tests: made on first use unless one is
// running, and ended before the program's statics are torn down, which Qt
// does not survive.
class ApplicationEnvironment : public ::testing::Environment {
public:
    static QApplication& Get()
    {
        if (auto* running = qobject_cast<QApplication*>(QCoreApplication::instance()))
            return *running;
        static int argc = 1;
        static char name[] = "test_platform_gui";
        static char* argv[] = {name, nullptr};
        s_application = std::make_unique<QApplication>(argc, argv);
        return *s_application;
    }
    void TearDown() override { s_application.reset(); }

private:
    static inline std::unique_ptr<QApplication> s_application;
};

[[maybe_unused]] ::testing::Environment* const kApplicationEnvironment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

QApplication& Application()
{
    return ApplicationEnvironment::Get();
}

QMessageBox* VisibleMessageBox()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box != nullptr && box->isVisible())
            return box;
    }
    return nullptr;
}

// Runs `act` on the message box once it is on screen, from the box's own
// event loop. If no box ever comes, gives up after a long while so that a
// fault cannot hang the run.
void WhenTheBoxIsShown(const std::function<void(QMessageBox&)>& act)
{
    auto* timer = new QTimer(&Application());
    int polls = 0;
    QObject::connect(timer, &QTimer::timeout, [timer, act, polls]() mutable {
        if (QMessageBox* box = VisibleMessageBox()) {
            timer->stop();
            timer->deleteLater();
            act(*box);
        } else if (++polls > 6000) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "no message box appeared";
        }
    });
    timer->start(10);
}

struct Seen {
    QString title;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

enum class Close { Yes, No, Ok, Cancel, EscapeKey, CloseBox, EnterKey };

int ShowAndClose(const char* text, UINT type, Close how, Seen& seen)
{
    Application();
    WhenTheBoxIsShown([how, &seen](QMessageBox& box) {
        seen.title = box.windowTitle();
        seen.text = box.text();
        seen.format = box.textFormat();
        seen.icon = box.icon();
        seen.buttons = box.standardButtons();
        if (auto* defaultButton = box.defaultButton())
            seen.defaultButton = box.standardButton(defaultButton);
        const auto press = [&box](QMessageBox::StandardButton which) {
            if (QAbstractButton* button = box.button(which))
                button->click();
            else
                box.close();
        };
        switch (how) {
        case Close::Yes: press(QMessageBox::Yes); break;
        case Close::No: press(QMessageBox::No); break;
        case Close::Ok: press(QMessageBox::Ok); break;
        case Close::Cancel: press(QMessageBox::Cancel); break;
        case Close::EscapeKey: {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(&box, &escape);
            break;
        }
        case Close::EnterKey: {
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QCoreApplication::sendEvent(&box, &enter);
            break;
        }
        case Close::CloseBox: box.close(); break;
        }
    });
    QtMessageBoxService service;
    MessageBoxServiceScope scope(service);
    return AfxMessageBox(CString(text), type, 0);
}

TEST(QtMessageBoxTest, ButtonsIconsAndTheAnswerForEachWayOfClosing)
{
    const struct {
        UINT type;
        Close how;
        int answer;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton;
    } cases[] = {
        {MB_YESNO | MB_ICONQUESTION, Close::Yes, IDYES, QMessageBox::Question,
         QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes},
        {MB_YESNO | MB_ICONQUESTION, Close::No, IDNO, QMessageBox::Question,
         QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes},
        {MB_YESNO | MB_ICONQUESTION, Close::EscapeKey, IDNO, QMessageBox::Question,
         QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes},
        {MB_YESNO | MB_ICONQUESTION, Close::CloseBox, IDNO, QMessageBox::Question,
         QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes},
        {MB_YESNO, Close::EnterKey, IDYES, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
         QMessageBox::Yes},
        {MB_OK | MB_ICONEXCLAMATION, Close::Ok, IDOK, QMessageBox::Warning, QMessageBox::Ok,
         QMessageBox::Ok},
        {MB_OK | MB_ICONEXCLAMATION, Close::EscapeKey, IDOK, QMessageBox::Warning, QMessageBox::Ok,
         QMessageBox::Ok},
        {MB_OK | MB_ICONEXCLAMATION, Close::CloseBox, IDOK, QMessageBox::Warning, QMessageBox::Ok,
         QMessageBox::Ok},
        {MB_OK, Close::Ok, IDOK, QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok},
        {MB_OK | MB_ICONHAND, Close::Ok, IDOK, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok},
        {MB_OKCANCEL | MB_ICONINFORMATION, Close::Cancel, IDCANCEL, QMessageBox::Information,
         QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok},
        {MB_OKCANCEL, Close::EscapeKey, IDCANCEL, QMessageBox::Information,
         QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok},
    };
    int index = 0;
    for (const auto& c : cases) {
        Seen seen;
        EXPECT_EQ(ShowAndClose("Question?", c.type, c.how, seen), c.answer) << "case " << index;
        EXPECT_EQ(seen.title, QStringLiteral("Corvane")) << "case " << index;
        EXPECT_EQ(seen.icon, c.icon) << "case " << index;
        EXPECT_EQ(seen.buttons, c.buttons) << "case " << index;
        EXPECT_EQ(seen.defaultButton, c.defaultButton) << "case " << index;
        ++index;
    }
}

TEST(QtMessageBoxTest, TheTextIsShownAsPlainTextCharacterForCharacter)
{
    const char* text = "The folder:\n\nZ:\\home\\<b>ann</b> & caf\xC3\xA9\n\ndoes not exist. "
                       "Do you want the folder to be created?";
    Seen seen;
    EXPECT_EQ(ShowAndClose(text, MB_YESNO | MB_ICONQUESTION, Close::No, seen), IDNO);
    EXPECT_EQ(seen.format, Qt::PlainText);
    EXPECT_EQ(seen.text, QString::fromUtf8(text));
}

} // namespace
