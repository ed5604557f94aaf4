// A real HTTP server on loopback for the tests: tests/support/http_test_server.py
// run as a child process on a free port. It serves the files of a folder,
// answers control paths that redirect, fail, cut a body short or stall, and
// records every request head as it arrived (see the script for the paths).
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quotexa::test_support {

// One request head as the server received it.
struct RecordedRequest {
    std::string head;         // every byte up to and including the blank line
    std::string requestLine;  // e.g. "GET /tp/a.jpg HTTP/1.0"
    std::vector<std::pair<std::string, std::string>> headers;  // in arrival order

    // The first value of a header (the name compared without case), or the
    // empty text when the request has no such header.
    std::string Header(std::string_view name) const;
    std::vector<std::string> HeaderNames() const;
};

class HttpTestServer {
public:
    // Serves a fresh empty folder that the test fills with AddFile.
    HttpTestServer();
    // Serves a fixed folder, e.g. the demo site; AddFile is not allowed then.
    explicit HttpTestServer(std::filesystem::path root);
    ~HttpTestServer();
    HttpTestServer(const HttpTestServer&) = delete;
    HttpTestServer& operator=(const HttpTestServer&) = delete;

    int Port() const { return port_; }
    std::string HostAndPort() const;               // "127.0.0.1:<port>", a web host
    std::string Url(std::string_view path) const;  // "http://127.0.0.1:<port>" + path

    // Puts a file into the served folder, e.g. AddFile("tp/a.jpg", bytes).
    void AddFile(std::string_view relativePath, std::string_view bytes) const;

    // The requests received so far, oldest first; ClearRequests forgets them.
    std::vector<RecordedRequest> Requests() const;
    void ClearRequests() const;

    // Ends the server now: its port then refuses connections. Idempotent.
    void Stop();

    // The bytes the control paths generate: byte i is i % 251.
    static std::string PatternBytes(std::size_t count);

private:
    void Start(const std::filesystem::path& root);
    void Abandon();  // stops the server and removes the work folder

    std::filesystem::path workFolder_;  // holds the log and, when owned, the site
    std::filesystem::path siteRoot_;
    bool ownsSiteRoot_ = false;
    pid_t pid_ = -1;
    int stdinWriteEnd_ = -1;  // closing it also ends the server if this process dies
    int stdoutReadEnd_ = -1;
    int port_ = 0;
};

// A loopback port that refuses every connection for the lifetime of the
// object: a socket is bound to it but never listens, so no one else can take it.
class RefusingPort {
public:
    RefusingPort();
    ~RefusingPort();
    RefusingPort(const RefusingPort&) = delete;
    RefusingPort& operator=(const RefusingPort&) = delete;

    int Port() const { return port_; }
    std::string Url(std::string_view path) const;

private:
    int socket_ = -1;
    int port_ = 0;
};

// A loopback port whose connections never complete: it listens with a backlog
// of one that a connection of its own fills, and the kernel drops further
// connection requests instead of refusing them.
class NeverConnectingPort {
public:
    NeverConnectingPort();
    ~NeverConnectingPort();
    NeverConnectingPort(const NeverConnectingPort&) = delete;
    NeverConnectingPort& operator=(const NeverConnectingPort&) = delete;

    int Port() const { return port_; }
    std::string Url(std::string_view path) const;

private:
    int listener_ = -1;
    int filler_ = -1;
    int port_ = 0;
};

}  // namespace quotexa::test_support
