#include "platform/xml/worker/xml_worker.h"

#include "platform/xml/worker/worker_client.h"
#include "platform/xml/schema/xml_grammar_cache.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <deque>
#include <mutex>
#include <optional>
#include <sched.h>
#include <string>

namespace {

using xmlworker::WorkerClient;
using xmlworker::RequestFor;
using xmlworker::EncodeRequest;
using xmlworker::WorkerRequest;

// The workers of this process. Loads the caller names ahead are spread
// over as many workers as there are processors (up to kMostWorkers), each
// with its own kept schemas, so a batch is parsed on all of them at once; a
// load nobody named ahead goes to the first worker, the only one a window
// ever starts.
class WorkerPool {
public:
    std::optional<XmlLoadError> Load(const XmlLoadRequest& load, std::vector<XmlLoadError>* further)
    {
        std::lock_guard lock(m_mutex);
        const WorkerRequest request = RequestFor(load);
        const std::string frame = EncodeRequest(request);
        // The loads named before this one were not made after all; a load
        // nobody named drops them all.
        const auto match = std::find_if(m_named.begin(), m_named.end(),
                                        [&frame](const NamedLoad& named) { return named.frame == frame; });
        const std::chrono::milliseconds silence = load.settings.workerSilence;
        if (match == m_named.end())
            ForgetNamed(silence);
        else
            m_named.erase(m_named.begin(), match);
        ForgetLostSends();
        std::size_t worker = 0;
        if (!m_named.empty()) {
            if (!m_named.front().sentTo) {
                worker = WorkerFor(0).value_or(LeastQueued().value_or(0));
                m_workers[worker].SendAhead(frame, silence);
            } else {
                worker = m_named.front().sentTo->worker;
            }
            m_named.pop_front();
        }
        SendNamedAhead();
        return m_workers[worker].Load(request, frame, further);
    }

    void Expect(const XmlLoadRequest& load)
    {
        std::lock_guard lock(m_mutex);
        m_named.push_back({EncodeRequest(RequestFor(load)), load.settings.workerSilence, std::nullopt});
        ForgetLostSends();
        SendNamedAhead();
    }

    // The worker of the loads nobody named, which a window uses.
    void StartFirst()
    {
        std::lock_guard lock(m_mutex);
        m_workers.front().StartIfNone();
    }

    void LetFirstStay(std::chrono::seconds staysFor)
    {
        std::lock_guard lock(m_mutex);
        std::lock_guard workerLock(m_workers.front().Mutex());
        m_workers.front().LetStay(staysFor);
    }

    void End()
    {
        std::lock_guard lock(m_mutex);
        m_named.clear();
        for (WorkerClient& worker : m_workers) {
            std::lock_guard workerLock(worker.Mutex());
            worker.End();
        }
    }

    bool Signal(int signalNumber) const { return m_workers.front().Signal(signalNumber); }
    pid_t ProcessId() const { return m_workers.front().ProcessId(); }

private:
    static constexpr std::size_t kMostWorkers = 4;
    // Enough to keep a worker busy while this process reports, few enough
    // that a load named in vain costs little.
    static constexpr std::size_t kQueuedPerWorker = 3;

    struct Sent {
        std::size_t worker;
        std::uint64_t generation; // the worker's, when it was sent
    };
    struct NamedLoad {
        std::string frame;
        std::chrono::milliseconds silence; // of its settings
        std::optional<Sent> sentTo;
    };

    static std::size_t WorkersWanted()
    {
        cpu_set_t usable;
        CPU_ZERO(&usable);
        const int processors = ::sched_getaffinity(0, sizeof usable, &usable) == 0 ? CPU_COUNT(&usable) : 1;
        return std::clamp<std::size_t>(static_cast<std::size_t>(processors), 1, kMostWorkers);
    }

    // The least busy worker but for those left out; none when all are.
    std::optional<std::size_t> LeastQueued(const std::array<bool, kMostWorkers>& leftOut = {})
    {
        std::optional<std::size_t> least;
        std::size_t leastQueued = 0;
        for (std::size_t i = 0; i < m_workerCount; ++i) {
            if (leftOut[i])
                continue;
            if (const std::size_t queued = m_workers[i].Queued(); !least || queued < leastQueued) {
                least = i;
                leastQueued = queued;
            }
        }
        return least;
    }

    // The least busy worker that was sent none of the loads named after the
    // one at `position`: a worker's queue holds its loads in the order the
    // caller makes them, so that none waits behind a later one.
    std::optional<std::size_t> WorkerFor(std::size_t position)
    {
        std::array<bool, kMostWorkers> holdsLater{};
        for (std::size_t i = position + 1; i < m_named.size(); ++i)
            if (m_named[i].sentTo)
                holdsLater[m_named[i].sentTo->worker] = true;
        return LeastQueued(holdsLater);
    }

    // The named loads not sent yet go to the workers with room, in order.
    void SendNamedAhead()
    {
        for (std::size_t i = 0; i < m_named.size(); ++i) {
            NamedLoad& named = m_named[i];
            if (named.sentTo)
                continue;
            const std::optional<std::size_t> worker = WorkerFor(i);
            if (!worker || m_workers[*worker].Queued() >= kQueuedPerWorker ||
                !m_workers[*worker].SendAhead(named.frame, named.silence))
                return;
            named.sentTo = Sent{*worker, m_workers[*worker].Generation()};
        }
    }

    // A worker that lost what it was sent (it went away) is sent it again.
    // Nothing was sent since the loss: every call here comes first.
    void ForgetLostSends()
    {
        for (NamedLoad& named : m_named)
            if (named.sentTo && m_workers[named.sentTo->worker].Generation() != named.sentTo->generation)
                named.sentTo.reset();
    }

    // The caller made a load it did not name: none of those it named is
    // made after all.
    void ForgetNamed(std::chrono::milliseconds silence)
    {
        m_named.clear();
        for (std::size_t i = 0; i < m_workerCount; ++i)
            m_workers[i].DropAhead(silence);
    }

    std::mutex m_mutex;
    std::array<WorkerClient, kMostWorkers> m_workers;
    const std::size_t m_workerCount = WorkersWanted();
    std::deque<NamedLoad> m_named; // in the order the caller will make them
};

WorkerPool& Pool()
{
    static WorkerPool pool;
    // The sets that serve this process's loads are kept by its workers:
    // forgetting the sets ends the workers. Before the first load there is
    // no worker to end.
    [[maybe_unused]] static const bool endedWithTheSets = [] {
        AlsoOnForgettingSchemaSets([] { Pool().End(); });
        return true;
    }();
    return pool;
}

} // namespace

std::optional<XmlLoadError> LoadXmlDocumentInWorker(const XmlLoadRequest& request,
                                                    std::vector<XmlLoadError>* further)
{
    if (further != nullptr)
        further->clear();
    return Pool().Load(request, further);
}

void ExpectXmlLoadInWorker(const XmlLoadRequest& request)
{
    Pool().Expect(request);
}

void StartXmlWorker()
{
    Pool().StartFirst();
}

void LetXmlWorkerServeLaterCalls(std::chrono::seconds staysFor)
{
    Pool().LetFirstStay(staysFor);
}

void EndXmlWorker()
{
    Pool().End();
}

bool SignalXmlWorkerForTests(int signalNumber)
{
    return Pool().Signal(signalNumber);
}

int XmlWorkerProcessIdForTests()
{
    return Pool().ProcessId();
}

