// Loopback TCP for the service simulator: a listener on 127.0.0.1 and its connections.
// Every wait is bounded, so that a server thread can notice that it is asked to stop.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

using TcpSocket = intptr_t;
constexpr TcpSocket kNoSocket = -1;

// Listens on 127.0.0.1:port (0: a port the system picks); `boundPort` receives the port.
TcpSocket ListenOnLoopback(int port, int* boundPort);

// The next connection, or kNoSocket when none came within `timeoutMs` or on failure.
TcpSocket AcceptWithin(TcpSocket listener, int timeoutMs);

// Bytes received (at most `capacity`), 0 when the peer closed, -1 on failure, -2 when nothing
// came within `timeoutMs`.
constexpr int kReceiveTimedOut = -2;
int ReceiveWithin(TcpSocket socket, char* buffer, size_t capacity, int timeoutMs);

bool SendAll(TcpSocket socket, const char* data, size_t length);

// Closing with a reset instead of an orderly shutdown, for replies that break off.
void CloseSocket(TcpSocket socket);
void ResetSocket(TcpSocket socket);

}  // namespace platform
