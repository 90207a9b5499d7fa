#include "support/WebServer.h"

#include "support/Loopback.h"

#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <vector>

namespace testing_support {
namespace {

void sendAll(int fd, const QByteArray& bytes) {
    qsizetype at = 0;
    while (at < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.constData() + at, std::size_t(bytes.size() - at), MSG_NOSIGNAL);
        if (n <= 0) return;
        at += n;
    }
}

}  // namespace

WebServer::WebServer(bool silent) : m_silent(silent) {}

WebServer::~WebServer() {
    m_stop = true;
    if (m_thread.joinable()) m_thread.join();
    if (m_listenFd >= 0) ::close(m_listenFd);
}

void WebServer::serve(const QString& path, Answer answer) { serveInTurn(path, {std::move(answer)}); }

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
        if (m_silent) {
            held.push_back(fd);
            continue;
        }
        handle(fd);
        ::close(fd);
    }
    for (int fd : held) ::close(fd);
}

void WebServer::handle(int fd) {
    QByteArray head;
    char buffer[4096];
    while (!head.contains("\r\n\r\n") && head.size() < (1 << 16)) {
        if (!waitReadable(fd, m_stop)) return;
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0) return;
        head.append(buffer, n);
    }
    const QList<QByteArray> lines = head.left(head.indexOf("\r\n\r\n")).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    Request request;
    request.path = QString::fromUtf8(requestLine.value(1));
    for (const QByteArray& line : lines)
        if (line.toLower().startsWith("user-agent:")) request.userAgent = QString::fromUtf8(line.mid(11).trimmed());
    Answer answer{404, "text/plain", "not found"};
    {
        const std::lock_guard lock(m_mutex);
        m_requests.push_back(request);
        if (auto turn = m_answers.find(request.path); turn != m_answers.end() && !turn->isEmpty())
            answer = turn->size() > 1 ? turn->takeFirst() : turn->first();
    }
    QByteArray reply = "HTTP/1.1 " + QByteArray::number(answer.status) + " X\r\nContent-Type: " + answer.contentType +
                       "\r\nContent-Length: " + QByteArray::number(answer.body.size()) + "\r\n" + answer.headers +
                       "Connection: close\r\n\r\n";
    sendAll(fd, reply + answer.body);
}

}  // namespace testing_support
