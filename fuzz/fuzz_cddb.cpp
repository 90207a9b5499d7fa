// A CDDB server's answers fed to the on-line look-up. A server on 127.0.0.1 in a thread of
// its own (answers set before each look-up) greets the look-up properly and answers its query with the input up to the first
// NUL byte and its read with the rest (a fixed exact match when the input has no NUL), then
// hangs up.
#include "FuzzSupport.h"

#include "components/net/Cddb.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>

namespace {

int g_listen = -1;
int g_port = 0;
std::mutex g_mutex;
std::string g_queryAnswer;
std::string g_readAnswer;

void sendAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::send(fd, text.data() + done, text.size() - done, MSG_NOSIGNAL);
        if (n <= 0) return;
        done += static_cast<std::size_t>(n);
    }
}

// One command line from the client; false when it sends none within a short while.
bool readLine(int fd, std::string& buffer, std::string& line) {
    for (;;) {
        const auto nl = buffer.find('\n');
        if (nl != std::string::npos) {
            line = buffer.substr(0, nl);
            buffer.erase(0, nl + 1);
            return true;
        }
        // The client sends a command and its line end in two writes; acknowledging at once
        // spares each command the delayed acknowledgement its second write would wait for.
        const int on = 1;
        ::setsockopt(fd, IPPROTO_TCP, TCP_QUICKACK, &on, sizeof on);
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 200) <= 0) return false;
        char chunk[512];
        const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
        if (n <= 0) return false;
        ::setsockopt(fd, IPPROTO_TCP, TCP_QUICKACK, &on, sizeof on);
        buffer.append(chunk, static_cast<std::size_t>(n));
    }
}

void serve(int fd, const std::string& query, const std::string& read) {
    sendAll(fd, "201 fuzz CDDBP server v1.5 ready at Mon Jan 01 00:00:00 2024\r\n");
    std::string buffer;
    std::string line;
    while (readLine(fd, buffer, line)) {
        if (line.rfind("cddb hello", 0) == 0) sendAll(fd, "200 Hello and welcome\r\n");
        else if (line.rfind("proto", 0) == 0) sendAll(fd, "201 OK, CDDB protocol level now: 6\r\n");
        else if (line.rfind("cddb query", 0) == 0) sendAll(fd, query);
        else if (line.rfind("cddb read", 0) == 0) {
            sendAll(fd, read);
            break;
        } else break;
    }
}

void serverLoop() {
    for (;;) {
        const int fd = ::accept(g_listen, nullptr, nullptr);
        if (fd < 0) continue;
        std::string query;
        std::string read;
        {
            std::lock_guard lock(g_mutex);
            query = g_queryAnswer;
            read = g_readAnswer;
        }
        serve(fd, query, read);
        ::shutdown(fd, SHUT_RDWR);
        ::close(fd);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::init(argc, argv, fuzz::App::Core);
    g_listen = ::socket(AF_INET, SOCK_STREAM, 0);
    const int yes = 1;
    ::setsockopt(g_listen, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    if (::bind(g_listen, reinterpret_cast<sockaddr*>(&addr), len) != 0 || ::listen(g_listen, 8) != 0) std::abort();
    ::getsockname(g_listen, reinterpret_cast<sockaddr*>(&addr), &len);
    g_port = ntohs(addr.sin_port);
    std::thread(serverLoop).detach();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const auto nul = input.find('\0');
    {
        std::lock_guard lock(g_mutex);
        if (nul == std::string::npos) {
            g_queryAnswer = "200 rock 1e020803 Artist / Album\r\n";
            g_readAnswer = input;
        } else {
            g_queryAnswer = input.substr(0, nul);
            g_readAnswer = input.substr(nul + 1);
        }
    }
    DiscToc toc;
    toc.trackStarts = {0, 13000, 26000};
    toc.leadOut = 39000;
    GrabSettings settings;
    settings.cddbServer = QStringLiteral("127.0.0.1:%1").arg(g_port);
    settings.cddbScript.clear();  // the CDDB protocol
    settings.cddbTimeOut = 1000;
    const DiscInfoResult r = lookupDiscInfo(toc, DiscInfoSource::OnLine, settings,
                                            fuzz::workDir() + QStringLiteral("/cdplayer.ini"));
    if (r.found && r.info.trackTitles.size() != 3) __builtin_trap();
    return 0;
}
