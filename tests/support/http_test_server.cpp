#include "tests/support/http_test_server.h"

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace {

sockaddr_in Loopback(int port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

int BoundPort(int socketFd)
{
    sockaddr_in address{};
    socklen_t length = sizeof(address);
    if (::getsockname(socketFd, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error("getsockname failed");
    return ntohs(address.sin_port);
}

void SendAll(int connection, const std::string& data)
{
    std::size_t sent = 0;
    while (sent < data.size()) {
        const ssize_t n = ::send(connection, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) {
            if (n < 0 && errno == EINTR)
                continue;
            return;
        }
        sent += static_cast<std::size_t>(n);
    }
}

// The request line and headers, read until their end (or a short wait).
std::string ReadRequest(int connection)
{
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
        pollfd ready{connection, POLLIN, 0};
        if (::poll(&ready, 1, 5000) <= 0)
            break;
        const ssize_t n = ::recv(connection, buffer, sizeof(buffer), 0);
        if (n <= 0)
            break;
        request.append(buffer, static_cast<std::size_t>(n));
    }
    return request;
}

std::string RequestPath(const std::string& request)
{
    const auto firstSpace = request.find(' ');
    const auto secondSpace = request.find(' ', firstSpace + 1);
    if (firstSpace == std::string::npos || secondSpace == std::string::npos)
        return {};
    return request.substr(firstSpace + 1, secondSpace - firstSpace - 1);
}

std::string Headers(int status, std::size_t length, const std::string& extra = {})
{
    const char* text = status == 200 ? "OK" : status == 404 ? "Not Found" : status == 304 ? "Not Modified" : "Error";
    return "HTTP/1.1 " + std::to_string(status) + " " + text +
           "\r\nContent-Type: application/xml\r\nContent-Length: " + std::to_string(length) + "\r\n" + extra +
           "Connection: close\r\n\r\n";
}

bool AsksIfNoneMatch(const std::string& request, const std::string& etag)
{
    return !etag.empty() && request.find("\r\nIf-None-Match: " + etag + "\r\n") != std::string::npos;
}

} // namespace

HttpTestServer::HttpTestServer()
{
    m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (m_listener < 0)
        throw std::runtime_error("socket failed");
    const int yes = 1;
    ::setsockopt(m_listener, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof(yes));
    const sockaddr_in address = Loopback(0);
    if (::bind(m_listener, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
        ::listen(m_listener, 16) != 0) {
        ::close(m_listener);
        throw std::runtime_error("cannot listen on 127.0.0.1");
    }
    m_port = BoundPort(m_listener);
    int wake[2];
    if (::pipe2(wake, O_CLOEXEC) != 0) {
        ::close(m_listener);
        throw std::runtime_error("pipe failed");
    }
    m_wakeRead = wake[0];
    m_wakeWrite = wake[1];
    m_thread = std::thread([this] { Loop(); });
}

HttpTestServer::~HttpTestServer()
{
    const char stop = 's';
    [[maybe_unused]] const ssize_t ignored = ::write(m_wakeWrite, &stop, 1);
    m_thread.join();
    for (const int connection : m_held)
        ::close(connection);
    ::close(m_listener);
    ::close(m_wakeRead);
    ::close(m_wakeWrite);
}

void HttpTestServer::Serve(const std::string& path, std::string body)
{
    std::lock_guard lock(m_mutex);
    m_routes[path] = {Behaviour::Serve, 200, std::move(body), {}, {}};
}

void HttpTestServer::ServeCacheable(const std::string& path, std::string body, const std::string& cacheControl,
                                    const std::string& etag)
{
    std::lock_guard lock(m_mutex);
    Route route{Behaviour::Serve, 200, std::move(body), {}, {}};
    route.etag = etag;
    if (!cacheControl.empty())
        route.headers += "Cache-Control: " + cacheControl + "\r\n";
    if (!etag.empty())
        route.headers += "ETag: " + etag + "\r\n";
    m_routes[path] = std::move(route);
}

int HttpTestServer::NotModifiedAnswers(const std::string& path) const
{
    std::lock_guard lock(m_mutex);
    const auto found = m_notModified.find(path);
    return found == m_notModified.end() ? 0 : found->second;
}

void HttpTestServer::Fail(const std::string& path, int status)
{
    std::lock_guard lock(m_mutex);
    m_routes[path] = {Behaviour::Fail, status, "<html><body>error</body></html>", {}, {}};
}

void HttpTestServer::Hang(const std::string& path)
{
    std::lock_guard lock(m_mutex);
    m_routes[path] = {Behaviour::Hang, 0, {}, {}, {}};
}

void HttpTestServer::CloseMidway(const std::string& path, std::string body)
{
    std::lock_guard lock(m_mutex);
    m_routes[path] = {Behaviour::CloseMidway, 200, std::move(body), {}, {}};
}

void HttpTestServer::ReplyRaw(const std::string& path, std::string bytes)
{
    std::lock_guard lock(m_mutex);
    m_routes[path] = {Behaviour::Raw, 0, std::move(bytes), {}, {}};
}

std::string HttpTestServer::Url(const std::string& path) const
{
    return "http://127.0.0.1:" + std::to_string(m_port) + path;
}

int HttpTestServer::Requests(const std::string& path) const
{
    std::lock_guard lock(m_mutex);
    const auto found = m_requests.find(path);
    return found == m_requests.end() ? 0 : found->second;
}

int HttpTestServer::RefusingPort()
{
    const int probe = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (probe < 0)
        throw std::runtime_error("socket failed");
    const sockaddr_in address = Loopback(0);
    if (::bind(probe, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        ::close(probe);
        throw std::runtime_error("bind failed");
    }
    const int port = BoundPort(probe);
    ::close(probe); // bound but never listening: now nothing is there
    return port;
}

void HttpTestServer::Loop()
{
    while (true) {
        pollfd ready[2] = {{m_listener, POLLIN, 0}, {m_wakeRead, POLLIN, 0}};
        if (::poll(ready, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (ready[1].revents != 0)
            return;
        if ((ready[0].revents & POLLIN) == 0)
            continue;
        const int connection = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection >= 0)
            Answer(connection);
    }
}

void HttpTestServer::Answer(int connection)
{
    const std::string request = ReadRequest(connection);
    const std::string path = RequestPath(request);
    Route route{Behaviour::Fail, 404, "<html><body>not found</body></html>", {}, {}};
    bool notModified = false;
    {
        std::lock_guard lock(m_mutex);
        ++m_requests[path];
        const auto found = m_routes.find(path);
        if (found != m_routes.end())
            route = found->second;
        notModified = route.behaviour == Behaviour::Serve && AsksIfNoneMatch(request, route.etag);
        if (notModified)
            ++m_notModified[path];
    }
    switch (route.behaviour) {
    case Behaviour::Serve:
    case Behaviour::Fail:
        if (notModified)
            SendAll(connection, Headers(304, 0, route.headers));
        else
            SendAll(connection, Headers(route.status, route.body.size(), route.headers) + route.body);
        break;
    case Behaviour::Hang:
        m_held.push_back(connection);
        return;
    case Behaviour::CloseMidway:
        SendAll(connection, Headers(200, route.body.size()) + route.body.substr(0, route.body.size() / 2));
        break;
    case Behaviour::Raw:
        SendAll(connection, route.body);
        break;
    }
    ::shutdown(connection, SHUT_RDWR);
    ::close(connection);
}
