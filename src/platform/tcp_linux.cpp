#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

#include "platform/tcp.h"

namespace platform {
namespace {

bool WaitReadable(int fd, int timeoutMs) {
    pollfd entry{fd, POLLIN, 0};
    int ready;
    do {
        ready = poll(&entry, 1, timeoutMs);
    } while (ready < 0 && errno == EINTR);
    return ready > 0;
}

}  // namespace

TcpSocket ListenOnLoopback(int port, int* boundPort) {
    int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return kNoSocket;
    int on = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    socklen_t length = sizeof address;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(fd, 64) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        close(fd);
        return kNoSocket;
    }
    if (boundPort) *boundPort = ntohs(address.sin_port);
    return fd;
}

TcpSocket AcceptWithin(TcpSocket listener, int timeoutMs) {
    if (!WaitReadable(static_cast<int>(listener), timeoutMs)) return kNoSocket;
    int fd = accept4(static_cast<int>(listener), nullptr, nullptr, SOCK_CLOEXEC);
    return fd < 0 ? kNoSocket : fd;
}

int ReceiveWithin(TcpSocket socket, char* buffer, size_t capacity, int timeoutMs) {
    if (!WaitReadable(static_cast<int>(socket), timeoutMs)) return kReceiveTimedOut;
    ssize_t n;
    do {
        n = recv(static_cast<int>(socket), buffer, capacity, 0);
    } while (n < 0 && errno == EINTR);
    return n < 0 ? -1 : static_cast<int>(n);
}

bool SendAll(TcpSocket socket, const char* data, size_t length) {
    while (length > 0) {
        ssize_t n = send(static_cast<int>(socket), data, length, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        length -= static_cast<size_t>(n);
    }
    return true;
}

void CloseSocket(TcpSocket socket) {
    if (socket != kNoSocket) close(static_cast<int>(socket));
}

void ResetSocket(TcpSocket socket) {
    if (socket == kNoSocket) return;
    linger hard{1, 0};
    setsockopt(static_cast<int>(socket), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
    close(static_cast<int>(socket));
}

}  // namespace platform
