#pragma once
// Keeps a corpus run off the network. Every http, https and ftp fetch the
// component makes through libcurl is routed to a proxy on 127.0.0.1 that
// this guard runs: it records the request and refuses it with 502, so a case
// that references a remote location gets a fast, local failure instead of
// reaching a real host (or hanging on one where there is no network).

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class LoopbackGuard {
public:
    LoopbackGuard();
    ~LoopbackGuard();
    LoopbackGuard(const LoopbackGuard&) = delete;
    LoopbackGuard& operator=(const LoopbackGuard&) = delete;

    bool Active() const { return m_listener >= 0; }
    const std::string& Failure() const { return m_failure; }
    // The first line of every request that reached the guard, in order.
    std::vector<std::string> Requests() const;

private:
    void Serve();

    int m_listener = -1;
    std::string m_failure;
    std::atomic<bool> m_stopping{false};
    mutable std::mutex m_mutex;
    std::vector<std::string> m_requests;
    std::thread m_thread;
};
