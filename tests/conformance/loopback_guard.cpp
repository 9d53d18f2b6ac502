#include "tests/conformance/loopback_guard.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The request line, read with a short deadline so that a client that sends
// nothing cannot hold the guard.
std::string ReadRequestLine(int fd)
{
    std::string data;
    char buffer[1024];
    while (data.find('\n') == std::string::npos && data.size() < 4096) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 2000) <= 0)
            break;
        const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0)
            break;
        data.append(buffer, static_cast<std::size_t>(n));
    }
    const auto end = data.find_first_of("\r\n");
    return end == std::string::npos ? data : data.substr(0, end);
}

void SetProxyVariables(const std::string& proxy)
{
    for (const char* name : {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "ftp_proxy",
                             "FTP_PROXY", "all_proxy", "ALL_PROXY"})
        setenv(name, proxy.c_str(), 1);
    // Loopback itself is allowed and goes direct.
    setenv("no_proxy", "127.0.0.1,localhost", 1);
    setenv("NO_PROXY", "127.0.0.1,localhost", 1);
}

} // namespace

LoopbackGuard::LoopbackGuard()
{
    m_listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (m_listener < 0) {
        m_failure = std::string("socket: ") + std::strerror(errno);
        return;
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(m_listener, 16) != 0 ||
        getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        m_failure = std::string("loopback listener: ") + std::strerror(errno);
        close(m_listener);
        m_listener = -1;
        return;
    }
    SetProxyVariables("http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)));
}

LoopbackGuard::~LoopbackGuard()
{
    if (m_listener >= 0)
        close(m_listener);
}

void LoopbackGuard::ServeOne()
{
    static constexpr char kRefusal[] =
        "HTTP/1.1 502 Bad Gateway\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
    const int client = accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (client < 0)
        return;
    std::string line = ReadRequestLine(client);
    send(client, kRefusal, sizeof kRefusal - 1, MSG_NOSIGNAL);
    close(client);
    m_requests.push_back(line.empty() ? "(no request line)" : std::move(line));
}
