#include <winsock2.h>
#include <ws2tcpip.h>

#include "platform/tcp.h"

namespace platform {
namespace {

bool StartWinsock() {
    static const bool started = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return started;
}

SOCKET AsSocket(TcpSocket s) {
    return static_cast<SOCKET>(s);
}

bool WaitReadable(SOCKET s, int timeoutMs) {
    WSAPOLLFD entry{};
    entry.fd = s;
    entry.events = POLLRDNORM;
    return WSAPoll(&entry, 1, timeoutMs) > 0;
}

}  // namespace

TcpSocket ListenOnLoopback(int port, int* boundPort) {
    if (!StartWinsock()) return kNoSocket;
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET) return kNoSocket;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<u_short>(port));
    int length = sizeof address;
    if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(s, 64) != 0 ||
        getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        closesocket(s);
        return kNoSocket;
    }
    if (boundPort) *boundPort = ntohs(address.sin_port);
    return static_cast<TcpSocket>(s);
}

TcpSocket AcceptWithin(TcpSocket listener, int timeoutMs) {
    if (!WaitReadable(AsSocket(listener), timeoutMs)) return kNoSocket;
    SOCKET s = accept(AsSocket(listener), nullptr, nullptr);
    return s == INVALID_SOCKET ? kNoSocket : static_cast<TcpSocket>(s);
}

int ReceiveWithin(TcpSocket socket, char* buffer, size_t capacity, int timeoutMs) {
    if (!WaitReadable(AsSocket(socket), timeoutMs)) return kReceiveTimedOut;
    int n = recv(AsSocket(socket), buffer,
                 capacity > 1 << 30 ? 1 << 30 : static_cast<int>(capacity), 0);
    return n == SOCKET_ERROR ? -1 : n;
}

bool SendAll(TcpSocket socket, const char* data, size_t length) {
    while (length > 0) {
        int chunk = length > 1 << 30 ? 1 << 30 : static_cast<int>(length);
        int n = send(AsSocket(socket), data, chunk, 0);
        if (n <= 0) return false;
        data += n;
        length -= static_cast<size_t>(n);
    }
    return true;
}

void CloseSocket(TcpSocket socket) {
    if (socket != kNoSocket) closesocket(AsSocket(socket));
}

void ResetSocket(TcpSocket socket) {
    if (socket == kNoSocket) return;
    linger hard{1, 0};
    setsockopt(AsSocket(socket), SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&hard),
               sizeof hard);
    closesocket(AsSocket(socket));
}

}  // namespace platform
