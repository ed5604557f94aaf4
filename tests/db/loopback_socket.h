// A loopback TCP socket for the connection tests: bound but not listening, its
// port refuses every connection (and no one else can take it meanwhile);
// listening, it shows whether a client came to the port.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>

namespace quotexa::test_support {

class LoopbackSocket {
public:
    enum class Mode { Refuse, Listen };

    // Port 0 takes a free port. Listening starts at once, so that of two
    // tests that want one fixed port only one gets it.
    explicit LoopbackSocket(std::uint16_t port = 0, Mode mode = Mode::Refuse)
        : socket_(::socket(AF_INET, SOCK_STREAM, 0)) {
        const int on = 1;
        ::setsockopt(socket_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(port);
        ready_ =
            ::bind(socket_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
            (mode == Mode::Refuse || ::listen(socket_, 4) == 0);
        socklen_t length = sizeof address;
        ::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
    }
    ~LoopbackSocket() { ::close(socket_); }
    LoopbackSocket(const LoopbackSocket&) = delete;
    LoopbackSocket& operator=(const LoopbackSocket&) = delete;

    // Bound (and listening, when asked for).
    bool ready() const { return ready_; }
    int port() const { return port_; }

    // Listening: accepts one connection and closes it at once; true when one
    // came within the time-out.
    bool AcceptOne(int timeoutMs) {
        pollfd waiting{socket_, POLLIN, 0};
        if (::poll(&waiting, 1, timeoutMs) != 1) return false;
        const int accepted = ::accept(socket_, nullptr, nullptr);
        if (accepted < 0) return false;
        ::close(accepted);
        return true;
    }

private:
    int socket_;
    bool ready_ = false;
    int port_ = 0;
};

}  // namespace quotexa::test_support
