// The window while OK waits for a load that takes long (a schema server that
// does not answer): it stays alive, shows progress in its title, holds other
// input until the verdict, and ends the run and the program on its close box.

#include "tests/ui/main_window_fixture.h"

#include "tests/support/http_test_server.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <csignal>
#include <iterator>
#include <optional>
#include <string>
#include <sys/wait.h>

namespace {

std::string DocumentReferencing(const std::string& schemaUrl)
{
    return "<r xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" xsi:noNamespaceSchemaLocation=\"" + schemaUrl +
           "\">x</r>\n";
}

QPushButton* Button(const CDialog& dialog, int nID)
{
    return static_cast<QPushButton*>(ControlWidgetOf(dialog, nID));
}

class LoadWaitTest : public MainWindowTest {
protected:
    // Runs `during` from a timer once the load has waited a while (timers
    // only fire if the window's events are processed during the load).
    static void During(int afterMilliseconds, std::function<void()> during)
    {
        QTimer::singleShot(afterMilliseconds, &GuiTestApplication(), std::move(during));
    }

    // Runs `then` from a timer once the server has had `count` requests for
    // the path: on a busy machine the worker may take longer than any fixed
    // wait to start and reach the server.
    void OnceRequested(const std::string& path, int count, std::function<void()> then)
    {
        auto* poll = new QTimer(&GuiTestApplication()); // the application owns it until deleteLater
        QObject::connect(poll, &QTimer::timeout, [this, poll, path, count, then = std::move(then)] {
            if (m_server->Requests(path) < count)
                return;
            poll->stop();
            poll->deleteLater();
            then();
        });
        poll->start(20);
    }

    std::optional<HttpTestServer> m_server{std::in_place};
};

TEST_F(LoadWaitTest, TheWindowLivesDuringALoadAndHeldInputArrivesAfterTheVerdict)
{
    m_server->Hang("/slow.xsd");
    const auto file = m_home.Write("slow.xml", DocumentReferencing(m_server->Url("/slow.xsd")));

    CorvaneDlgUnderTest dialog;
    RunModal(dialog, [&](QDialog& widget) {
        dialog.ChooseXmlFile(DriveForm(file).c_str());
        bool ranDuringLoad = false;
        std::string statusDuringLoad;
        QString titleDuringLoad;
        std::size_t boxesDuringLoad = 99;
        During(800, [&] {
            ranDuringLoad = true;
            statusDuringLoad = Text(dialog, IDC_STATUS);
            titleDuringLoad = widget.windowTitle();
            // Help, pressed while the load runs, waits for the verdict.
            QTest::mouseClick(Button(dialog, IDC_HELP_SUMMARY), Qt::LeftButton);
            boxesDuringLoad = m_boxes.Boxes().size();
            m_server.reset(); // the server goes away: the load ends in a report
        });
        Button(dialog, IDOK)->click();

        EXPECT_TRUE(ranDuringLoad);
        EXPECT_EQ(statusDuringLoad, "Please be Patient  - Validation may take a few minutes ");
        EXPECT_EQ(titleDuringLoad, QStringLiteral("0% \u2013 XML Validation"));
        EXPECT_EQ(boxesDuringLoad, 0u);
        EXPECT_NE(Text(dialog, IDC_RESULT).find("Code = 0x8c3000"), std::string::npos) << Text(dialog, IDC_RESULT);
        EXPECT_EQ(widget.windowTitle(), QStringLiteral("XML Validation"));

        QCoreApplication::processEvents(); // the held click
        EXPECT_EQ(m_boxes.Boxes().size(), 1u);
        QTest::keyClick(&widget, Qt::Key_Escape);
    });
}

TEST_F(LoadWaitTest, TheCloseBoxCancelEscapeAndAltF4EndTheRunAndTheDialog)
{
    m_server->Hang("/slow.xsd");
    const auto file = m_home.Write("slow.xml", DocumentReferencing(m_server->Url("/slow.xsd")));
    struct Case {
        const char* name;
        void (*end)(QDialog& widget, const CDialog& dialog);
    };
    const Case cases[] = {
        {"close box", [](QDialog& widget, const CDialog&) { widget.close(); }},
        {"Cancel", [](QDialog&, const CDialog& dialog) { QTest::mouseClick(Button(dialog, IDCANCEL), Qt::LeftButton); }},
        // As the mouse really clicks: through the dialog's window, which
        // hands the click to the button under the pointer.
        {"Cancel clicked on the window",
         [](QDialog& widget, const CDialog& dialog) {
             const QPushButton* cancel = Button(dialog, IDCANCEL);
             QTest::mouseClick(widget.windowHandle(), Qt::LeftButton, {}, cancel->mapTo(&widget, cancel->rect().center()));
         }},
        {"Escape", [](QDialog& widget, const CDialog&) { QTest::keyClick(&widget, Qt::Key_Escape); }},
        {"Alt+F4", [](QDialog& widget, const CDialog&) { QTest::keyClick(&widget, Qt::Key_F4, Qt::AltModifier); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int requested = m_server->Requests("/slow.xsd") + 1;
        CorvaneDlgUnderTest dialog;
        const INT_PTR result = RunModal(dialog, [&](QDialog& widget) {
            dialog.ChooseXmlFile(DriveForm(file).c_str());
            // The run ends while the load waits for the server.
            OnceRequested("/slow.xsd", requested, [&] {
                QTest::mouseClick(Button(dialog, IDC_HELP_SUMMARY), Qt::LeftButton);
                c.end(widget, dialog);
            });
            Button(dialog, IDOK)->click();
            EXPECT_FALSE(widget.isVisible());
            EXPECT_NE(Text(dialog, IDC_RESULT).find("cancelled"), std::string::npos) << Text(dialog, IDC_RESULT);
        });
        EXPECT_EQ(result, IDCANCEL);
        // The run ended at once: its worker was killed and left to be reaped.
        int status = 0;
        EXPECT_TRUE(result != IDCANCEL || ::waitpid(-1, &status, 0) > 0) << "the worker was waited for";
        EXPECT_TRUE(result != IDCANCEL || (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)) << status;
        QCoreApplication::processEvents();
        EXPECT_TRUE(m_boxes.Boxes().empty()) << "input held for a dialog that ended is dropped";
    }
    // The server is still hanging: each run ended because its window closed.
    EXPECT_EQ(m_server->Requests("/slow.xsd"), static_cast<int>(std::size(cases)));
}

} // namespace
