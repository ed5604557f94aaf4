#include "support/http_test_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace quotexa::test_support {
namespace {

constexpr int kStartTimeoutMs = 20000;

std::string ToLower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

std::filesystem::path MakeWorkFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quotexa-http-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a folder for the server");
    return pattern;
}

RecordedRequest ParseHead(std::string head) {
    RecordedRequest request;
    std::size_t lineStart = 0;
    bool first = true;
    while (lineStart < head.size()) {
        std::size_t lineEnd = head.find('\n', lineStart);
        if (lineEnd == std::string::npos) lineEnd = head.size();
        std::string line = head.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (first) {
            request.requestLine = line;
            first = false;
            continue;
        }
        if (line.empty()) break;
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos) {
            request.headers.emplace_back(line, "");
            continue;
        }
        std::size_t valueStart = colon + 1;
        while (valueStart < line.size() && (line[valueStart] == ' ' || line[valueStart] == '\t')) {
            ++valueStart;
        }
        request.headers.emplace_back(line.substr(0, colon), line.substr(valueStart));
    }
    request.head = std::move(head);
    return request;
}

// Reads the "PORT <n>" line the server prints once it listens.
int ReadAnnouncedPort(int fd) {
    std::string received;
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kStartTimeoutMs);
    while (received.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return 0;
        pollfd readable{.fd = fd, .events = POLLIN, .revents = 0};
        const int ready = poll(&readable, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) return 0;
        char buffer[256];
        const ssize_t count = read(fd, buffer, sizeof buffer);
        if (count <= 0) return 0;
        received.append(buffer, static_cast<std::size_t>(count));
    }
    if (received.rfind("PORT ", 0) != 0) return 0;
    return std::atoi(received.c_str() + 5);
}

}  // namespace

std::string RecordedRequest::Header(std::string_view name) const {
    const std::string wanted = ToLower(name);
    for (const auto& [headerName, value] : headers) {
        if (ToLower(headerName) == wanted) return value;
    }
    return {};
}

std::vector<std::string> RecordedRequest::HeaderNames() const {
    std::vector<std::string> names;
    for (const auto& header : headers) names.push_back(header.first);
    return names;
}

HttpTestServer::HttpTestServer() : workFolder_(MakeWorkFolder()), ownsSiteRoot_(true) {
    siteRoot_ = workFolder_ / "site";
    std::filesystem::create_directories(siteRoot_);
    Start(siteRoot_);
}

HttpTestServer::HttpTestServer(std::filesystem::path root)
    : workFolder_(MakeWorkFolder()), siteRoot_(std::move(root)) {
    Start(siteRoot_);
}

HttpTestServer::~HttpTestServer() {
    Abandon();
}

void HttpTestServer::Abandon() {
    Stop();
    std::error_code ignored;
    std::filesystem::remove_all(workFolder_, ignored);
}

void HttpTestServer::Start(const std::filesystem::path& root) {
    int toChild[2];
    int fromChild[2];
    if (pipe2(toChild, O_CLOEXEC) != 0) {
        Abandon();
        throw std::runtime_error("pipe failed");
    }
    if (pipe2(fromChild, O_CLOEXEC) != 0) {
        close(toChild[0]);
        close(toChild[1]);
        Abandon();
        throw std::runtime_error("pipe failed");
    }

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toChild[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fromChild[1], STDOUT_FILENO);

    const std::string python = QUOTEXA_PYTHON3;
    const std::string script = QUOTEXA_HTTP_TEST_SERVER_SCRIPT;
    const std::string rootText = root.string();
    const std::string logText = (workFolder_ / "requests.log").string();
    std::vector<std::string> arguments = {
        python, script, "--root", rootText, "--log", logText, "--port", "0", "--exit-on-stdin-eof"};
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);

    const int spawned = posix_spawn(&pid_, python.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(toChild[0]);
    close(fromChild[1]);
    stdinWriteEnd_ = toChild[1];
    stdoutReadEnd_ = fromChild[0];
    if (spawned != 0) {
        pid_ = -1;
        Abandon();
        throw std::runtime_error("cannot start the HTTP test server");
    }
    port_ = ReadAnnouncedPort(stdoutReadEnd_);
    if (port_ <= 0) {
        Abandon();
        throw std::runtime_error("the HTTP test server did not start");
    }
}

void HttpTestServer::Stop() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        int status = 0;
        while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        pid_ = -1;
    }
    for (int* fd : {&stdinWriteEnd_, &stdoutReadEnd_}) {
        if (*fd >= 0) close(*fd);
        *fd = -1;
    }
}

std::string HttpTestServer::HostAndPort() const {
    return "127.0.0.1:" + std::to_string(port_);
}

std::string HttpTestServer::Url(std::string_view path) const {
    return "http://" + HostAndPort() + std::string(path);
}

void HttpTestServer::AddFile(std::string_view relativePath, std::string_view bytes) const {
    if (!ownsSiteRoot_) throw std::logic_error("AddFile would write into a fixed folder");
    const std::filesystem::path file = siteRoot_ / std::filesystem::path(relativePath);
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

std::vector<RecordedRequest> HttpTestServer::Requests() const {
    // Read through a string stream: GCC 12 at -O2 wrongly flags the
    // istreambuf_iterator form under -Wnull-dereference.
    std::ifstream log(workFolder_ / "requests.log", std::ios::binary);
    std::ostringstream contents;
    contents << log.rdbuf();
    const std::string text = contents.str();
    std::vector<RecordedRequest> requests;
    std::size_t position = 0;
    while (position < text.size()) {
        const std::size_t newline = text.find('\n', position);
        if (newline == std::string::npos) break;
        const std::size_t length = std::stoul(text.substr(position, newline - position));
        if (newline + 1 + length > text.size()) break;  // a record still being written
        requests.push_back(ParseHead(text.substr(newline + 1, length)));
        position = newline + 1 + length;
    }
    return requests;
}

void HttpTestServer::ClearRequests() const {
    std::ofstream(workFolder_ / "requests.log", std::ios::binary | std::ios::trunc);
}

std::string HttpTestServer::PatternBytes(std::size_t count) {
    std::string cycle(251, '\0');
    for (std::size_t i = 0; i < cycle.size(); ++i) cycle[i] = static_cast<char>(i);
    std::string bytes;
    bytes.reserve(count + cycle.size());
    while (bytes.size() < count) bytes += cycle;
    bytes.resize(count);
    return bytes;
}

namespace {

sockaddr_in LoopbackAddress(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    return address;
}

// A socket bound to a free loopback port; returns the socket and sets `port`.
int BindFreeLoopbackPort(int& port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address = LoopbackAddress(0);
    socklen_t length = sizeof address;
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        if (fd >= 0) close(fd);
        throw std::runtime_error("cannot reserve a loopback port");
    }
    port = ntohs(address.sin_port);
    return fd;
}

std::string LoopbackUrl(int port, std::string_view path) {
    return "http://127.0.0.1:" + std::to_string(port) + std::string(path);
}

}  // namespace

RefusingPort::RefusingPort() {
    socket_ = BindFreeLoopbackPort(port_);
}

RefusingPort::~RefusingPort() {
    close(socket_);
}

std::string RefusingPort::Url(std::string_view path) const {
    return LoopbackUrl(port_, path);
}

NeverConnectingPort::NeverConnectingPort() {
    listener_ = BindFreeLoopbackPort(port_);
    const sockaddr_in address = LoopbackAddress(port_);
    filler_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listen(listener_, 0) != 0 || filler_ < 0 ||
        connect(filler_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        close(listener_);
        if (filler_ >= 0) close(filler_);
        throw std::runtime_error("cannot fill the backlog of a loopback port");
    }
}

NeverConnectingPort::~NeverConnectingPort() {
    close(filler_);
    close(listener_);
}

std::string NeverConnectingPort::Url(std::string_view path) const {
    return LoopbackUrl(port_, path);
}

}  // namespace quotexa::test_support
