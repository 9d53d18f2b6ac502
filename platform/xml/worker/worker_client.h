#pragma once
// The caller's side of one worker: it starts the worker, hands it requests
// (some ahead of their loads), relays what the worker tells while it loads,
// and reports a worker that died or went silent.

#include "platform/xml/worker/worker_protocol.h"
#include "platform/xml/worker/kept_worker.h"
#include "platform/os/unique_fd.h"
#include "platform/xml/load/xml_limits.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace xmlworker {

// The load with what the caller's thread wants told: progress if it
// listens, and paths in the form it shows. A request sent ahead is taken as
// the load's only when the two are built alike, so both are built here.
WorkerRequest RequestFor(const XmlLoadRequest& load);

class WorkerClient {
public:
    // The process is ending: its worker is killed, not waited for, unless
    // it may stay for the next call and has nothing left to do.
    ~WorkerClient();

    // The worker may serve later calls of the same kind for `staysFor` after
    // this process is done with it (kept_worker.h); zero: it may not.
    void LetStay(std::chrono::seconds staysFor) { m_staysFor = staysFor; }

    // The load of `request`, whose frame is `frame`.
    std::optional<XmlLoadError> Load(const WorkerRequest& request, const std::string& frame,
                                     std::vector<XmlLoadError>* further);

    // Queues a request in the worker, started if need be, so that it goes
    // on to it without waiting for this process to turn round. False when
    // the worker could not take it; its load then sends it itself.
    // `silence` is the request's allowance for the worker's silence.
    bool SendAhead(const std::string& frame, std::chrono::milliseconds silence);

    // Starts the worker unless one runs, so that the next load finds it
    // ready; a worker that cannot start is reported by that load.
    void StartIfNone();

    // The requests sent ahead whose results were not collected yet.
    std::size_t Queued();

    // Counts the times the requests sent ahead were lost at once (the worker
    // went, or a load not sent ahead dropped them): a request sent in an
    // earlier generation must be sent again.
    std::uint64_t Generation();

    // The results of the requests sent ahead are read and dropped.
    void DropAhead(std::chrono::milliseconds silence);

    void End();

    // Ends the worker without waiting for it to be gone: the run or the
    // process is ending, the worker writes nothing that could be lost, and
    // the system taking back a large parse's memory is what a wait would
    // sit through. The worker is reaped before the next one starts, or by
    // init once this process has ended.
    void Kill();

    bool Signal(int signalNumber) const;

    pid_t ProcessId() const { return m_visiblePid.load(); }

    std::mutex& Mutex() { return m_mutex; }

private:
    // Sends the request unless it was sent ahead, to a worker started if
    // need be; a report when no worker took it.
    std::optional<XmlLoadError> HandOver(const XmlLoadRequest& load, const std::string& frame);
    // Relays what the worker tells of the load until its result; a report
    // when the worker died or went silent, or the caller ended the wait.
    std::optional<XmlLoadError> Follow(const XmlLoadRequest& load, std::chrono::milliseconds allowance,
                                       std::vector<XmlLoadError>* further);
    template <typename Visit>
    static void ForEachWorkerVariable(Visit visit);
    bool EnvironmentChanged() const;
    void EndIfStale();
    std::optional<XmlLoadError> Start();
    void Started(pid_t pid, UniqueFd socket, bool child);
    void BoundEachReceive();
    static bool RunsNoOtherThread();
    [[noreturn]] static void BecomeWorker(int theirs, std::optional<KeptWorkerPlace> place);
    void DropOneAhead();
    std::string Reap();
    void AbandonIfInherited();
    void Forget();
    std::string WherePhrase(const XmlLoadRequest& load, bool progressKnown, std::uint64_t bytesRead,
                            std::uint64_t& line) const;
    XmlLoadError Died(const XmlLoadRequest& load, bool progressKnown, std::uint64_t bytesRead);
    XmlLoadError MemoryBoundReached(const XmlLoadRequest& load, bool progressKnown, std::uint64_t bytesRead);
    enum class Wait { Ready, Cancelled, Silent };
    Wait AwaitMessage(int fd, std::chrono::milliseconds allowance);
    XmlLoadError Unresponsive(const XmlLoadRequest& load, std::chrono::milliseconds allowance, bool progressKnown,
                              std::uint64_t bytesRead);
    static XmlLoadError Cancelled();
    static XmlLoadError StartFailed(int errorNumber);
    std::mutex m_mutex;
    std::chrono::steady_clock::time_point m_lastTurn;
    std::chrono::steady_clock::time_point m_lastHeard; // from the worker, by the load under way
    std::int64_t m_receiveBoundMs = 0; // on m_socket
    // The allowance for the worker's silence of the request last handed over.
    std::chrono::milliseconds m_silence{XmlLimits::kWorkerSilence};
    pid_t m_pid = 0;
    pid_t m_owner = 0;
    bool m_child = false; // m_pid is this process's child (not a kept worker)
    int m_fatalSignal = 0; // the signal a kept worker said it dies of
    std::chrono::seconds m_staysFor{0};
    UniqueFd m_keptLock; // held while connected to a kept worker
    std::atomic<pid_t> m_visiblePid{0};
    bool m_progressWanted = true; // by the load under way
    // The requests sent ahead, in order; their messages follow those of
    // the load under way.
    std::deque<std::string> m_ahead;
    std::uint64_t m_generation = 0;
    UniqueFd m_socket;
    std::vector<std::string> m_environment; // the worker's, but for its connection
    std::vector<pid_t> m_killed;            // killed, not reaped yet
};

} // namespace xmlworker
