#pragma once
// The one Qt application of a test executable that drives real widgets
// (CTest runs them with QT_QPA_PLATFORM=offscreen). It is created before the
// first test and destroyed after the last, while the toolkit is still whole:
// destroyed at exit instead, the toolkit's input devices outlive their
// platform and crash.

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

inline std::unique_ptr<QApplication>& GuiTestApplicationHolder()
{
    static std::unique_ptr<QApplication> application;
    return application;
}

inline QApplication& GuiTestApplication()
{
    if (auto* running = qobject_cast<QApplication*>(QCoreApplication::instance()))
        return *running;
    static int argc = 1;
    static char name[] = "corvane-gui-test";
    static char* argv[] = {name, nullptr};
    auto& holder = GuiTestApplicationHolder();
    holder = std::make_unique<QApplication>(argc, argv);
    // Dialogs come and go between tests; none of them ends the application.
    QApplication::setQuitOnLastWindowClosed(false);
    return *holder;
}

class GuiTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override { GuiTestApplication(); }
    void TearDown() override { GuiTestApplicationHolder().reset(); }
};

// gtest owns the environment.
inline ::testing::Environment* const kGuiTestEnvironment =
    ::testing::AddGlobalTestEnvironment(new GuiTestEnvironment); // NOLINT(cppcoreguidelines-owning-memory)
