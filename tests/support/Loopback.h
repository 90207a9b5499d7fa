#pragma once
// What the tests' local servers share: a socket listening on 127.0.0.1 at a free port, and a
// wait for a socket to become readable that gives way when the server is stopping.

#include <atomic>

namespace testing_support {

// The listening socket, or -1 when none could be made; `port` receives its port.
int listenOnLoopback(int& port, int backlog = 8);
// Waits until `fd` can be read or `stop` is set; false when stopping (or on a poll error).
bool waitReadable(int fd, const std::atomic<bool>& stop);

}  // namespace testing_support
