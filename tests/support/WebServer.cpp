#include "support/WebServer.h"

#include "support/Loopback.h"

#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace testing_support {
namespace {

// The bytes sent before the peer closed (or the server stopped: a client that reads no more
// holds the server no longer than that).
qint64 sendAll(int fd, const char* bytes, qint64 size, const std::atomic<bool>& stop) {
    qint64 at = 0;
    while (at < size && !stop) {
        const ssize_t n = ::send(fd, bytes + at, std::size_t(size - at), MSG_NOSIGNAL);
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) continue;
        if (n <= 0) break;
        at += n;
    }
    return at;
}

}  // namespace

WebServer::WebServer(bool silent) : m_silent(silent) {}

WebServer::~WebServer() {
    m_stop = true;
    if (m_thread.joinable()) m_thread.join();
    if (m_listenFd >= 0) ::close(m_listenFd);
}

void WebServer::serve(const QString& path, Answer answer) { serveInTurn(path, {std::move(answer)}); }

void WebServer::serveEveryOtherPath(Answer answer) {
    const std::lock_guard lock(m_mutex);
    m_otherPaths = std::move(answer);
}

void WebServer::serveInTurn(const QString& path, QList<Answer> answers) {
    const std::lock_guard lock(m_mutex);
    m_answers.insert(path, std::move(answers));
}

bool WebServer::start() {
    m_listenFd = listenOnLoopback(m_port);
    if (m_listenFd < 0) {
        ADD_FAILURE() << "the test web server could not listen on 127.0.0.1";
        return false;
    }
    m_thread = std::thread([this] { run(); });
    return true;
}

QString WebServer::base() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }

QList<WebServer::Request> WebServer::requests() const {
    const std::lock_guard lock(m_mutex);
    return m_requests;
}

void WebServer::run() {
    std::vector<int> held;  // silent mode keeps its connections open until the end
    while (waitReadable(m_listenFd, m_stop)) {
        const int fd = ::accept(m_listenFd, nullptr, nullptr);
        if (fd < 0) continue;
        if (m_silent || !handle(fd)) {
            held.push_back(fd);
            continue;
        }
        ::close(fd);
    }
    for (int fd : held) ::close(fd);
}

bool WebServer::handle(int fd) {
    QByteArray head;
    char buffer[4096];
    while (!head.contains("\r\n\r\n") && head.size() < (1 << 16)) {
        if (!waitReadable(fd, m_stop)) return true;
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0) return true;
        head.append(buffer, n);
    }
    const QList<QByteArray> lines = head.left(head.indexOf("\r\n\r\n")).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    Request request;
    request.path = QString::fromUtf8(requestLine.value(1));
    for (const QByteArray& line : lines)
        if (line.toLower().startsWith("user-agent:")) request.userAgent = QString::fromUtf8(line.mid(11).trimmed());
    Answer answer;
    {
        const std::lock_guard lock(m_mutex);
        m_requests.push_back(request);
        answer = m_otherPaths;
        if (auto turn = m_answers.find(request.path); turn != m_answers.end() && !turn->isEmpty())
            answer = turn->size() > 1 ? turn->takeFirst() : turn->first();
    }
    if (answer.silent) return false;
    const qint64 length = answer.stated >= 0 ? answer.stated : answer.body.size() + answer.filler;
    const QByteArray status = "HTTP/1.1 " + QByteArray::number(answer.status) + " X\r\nContent-Type: " + answer.contentType +
                            "\r\nContent-Length: " + QByteArray::number(length) + "\r\n" + answer.headers +
                            "Connection: close\r\n\r\n";
    // Sends wait at most this long at a time, so that a stopping server is seen.
    const timeval wait{0, 100000};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof wait);
    if (sendAll(fd, status.constData(), status.size(), m_stop) < status.size()) return true;
    const qint64 sent = sendBody(fd, answer);
    const std::lock_guard lock(m_mutex);
    m_requests.back().bodySent = sent;
    return true;
}

qint64 WebServer::sendBody(int fd, const Answer& answer) {
    qint64 sent = sendAll(fd, answer.body.constData(), answer.body.size(), m_stop);
    if (sent < answer.body.size()) return sent;
    const QByteArray chunk(1 << 16, 'x');
    while (sent < answer.body.size() + answer.filler && !m_stop) {
        const qint64 n = std::min<qint64>(chunk.size(), answer.body.size() + answer.filler - sent);
        const qint64 done = sendAll(fd, chunk.constData(), n, m_stop);
        sent += done;
        if (done < n) break;
    }
    return sent;
}

}  // namespace testing_support
