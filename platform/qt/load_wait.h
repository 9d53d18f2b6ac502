#pragma once
// While the program waits for a load (between BeginWaitCursor and
// EndWaitCursor), its windows stay alive: they repaint, their titles show how
// far the load has got once it lasts longer than half a second, and the
// close box, Cancel and Escape end the run and the dialog. Any other input
// waits: it is held and delivered once the verdict is in, so that a handler
// that loads keeps its synchronous contract. Input held for a dialog that
// ended is dropped with it.

#include <QObject>
#include <QPointer>
#include <QString>

#include <chrono>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

class QEvent;
class QWidget;

class LoadWaitScope : public QObject {
public:
    LoadWaitScope();
    ~LoadWaitScope() override;
    LoadWaitScope(const LoadWaitScope&) = delete;
    LoadWaitScope& operator=(const LoadWaitScope&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One turn of the wait; false once a dialog is ending.
    bool Continue();
    void ShowProgress();
    void RestoreTitles();

    struct HeldEvent {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };

    std::chrono::steady_clock::time_point m_started;
    std::uint64_t m_bytesRead = 0;
    std::uint64_t m_bytesTotal = 0;
    int m_percentShown = -1;
    std::vector<std::pair<QPointer<QWidget>, QString>> m_titles;
    std::vector<HeldEvent> m_held;
};
