#pragma once
// A small HTTP server on 127.0.0.1 for tests of remote references. It runs on
// its own thread from construction to destruction and answers each path as
// the test told it to: with a body, with an error status, by never answering,
// or by closing the connection halfway through the body. Unknown paths get
// 404.

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class HttpTestServer {
public:
    HttpTestServer();
    ~HttpTestServer();
    HttpTestServer(const HttpTestServer&) = delete;
    HttpTestServer& operator=(const HttpTestServer&) = delete;

    // Answers GET path with 200 and the body.
    void Serve(const std::string& path, std::string body);
    // Answers GET path with 200, the body and these cache headers (either may
    // be empty); a request naming the ETag in If-None-Match gets 304.
    void ServeCacheable(const std::string& path, std::string body, const std::string& cacheControl,
                        const std::string& etag);
    // How many of the path's requests were answered with 304.
    int NotModifiedAnswers(const std::string& path) const;
    // Answers GET path with the status and a short HTML body.
    void Fail(const std::string& path, int status);
    // Accepts the request and never answers, until the server stops.
    void Hang(const std::string& path);
    // Announces the whole body, sends half of it and closes the connection.
    void CloseMidway(const std::string& path, std::string body);
    // Answers with exactly these bytes, no status line or headers, and closes.
    void ReplyRaw(const std::string& path, std::string bytes);

    // "http://127.0.0.1:PORT" + path.
    std::string Url(const std::string& path) const;
    int Port() const { return m_port; }
    // How many requests for the path have arrived.
    int Requests(const std::string& path) const;

    // A loopback port on which nothing listens, so that a connection to it
    // is refused.
    static int RefusingPort();

private:
    enum class Behaviour { Serve, Fail, Hang, CloseMidway, Raw };
    struct Route {
        Behaviour behaviour = Behaviour::Serve;
        int status = 200;
        std::string body;
        std::string headers; // extra header lines, each ending in CRLF
        std::string etag;
    };

    void Loop();
    void Answer(int connection);

    int m_listener = -1;
    int m_wakeRead = -1;
    int m_wakeWrite = -1;
    int m_port = 0;
    mutable std::mutex m_mutex;
    std::map<std::string, Route> m_routes;
    std::map<std::string, int> m_requests;
    std::map<std::string, int> m_notModified;
    std::vector<int> m_held; // connections left hanging until the server stops
    std::thread m_thread;
};
