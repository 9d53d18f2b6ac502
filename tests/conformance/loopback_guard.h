#pragma once
// Keeps a corpus run off the network. Every http, https and ftp fetch the
// component makes through libcurl is routed, by the proxy variables libcurl
// honours, to a proxy on 127.0.0.1 that this guard runs: it records the
// request and refuses it with 502, so a case that references a remote
// location gets a fast, local failure instead of reaching a real host (or
// hanging on one where there is no network).
//
// The guard has no thread of its own: its owner polls ListenerFd() and calls
// ServeOne() when it is readable, so the owner may fork safely.

#include <string>
#include <vector>

class LoopbackGuard {
public:
    // Listens on an ephemeral loopback port and points the proxy variables
    // of this process (and of the children it starts later) at it.
    LoopbackGuard();
    ~LoopbackGuard();
    LoopbackGuard(const LoopbackGuard&) = delete;
    LoopbackGuard& operator=(const LoopbackGuard&) = delete;

    bool Active() const { return m_listener >= 0; }
    const std::string& Failure() const { return m_failure; }
    int ListenerFd() const { return m_listener; }

    // Accepts one pending connection, records its request line and refuses it.
    void ServeOne();
    // The first line of every request that reached the guard, in order.
    const std::vector<std::string>& Requests() const { return m_requests; }

private:
    int m_listener = -1;
    std::string m_failure;
    std::vector<std::string> m_requests;
};
