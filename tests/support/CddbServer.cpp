#include "support/CddbServer.h"

#include "support/Loopback.h"

#include <QUrl>

#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace testing_support {

CddbServer::CddbServer(Mode mode) : m_mode(mode) {}

CddbServer::~CddbServer() {
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_released.notify_all();
    if (m_thread.joinable()) m_thread.join();
    if (m_listenFd >= 0) ::close(m_listenFd);
}

void CddbServer::addDisc(const QString& category, const DiscInfo& info, const DiscToc& toc) {
    m_entries.push_back({category, info, toc});
}

bool CddbServer::start() {
    m_listenFd = listenOnLoopback(m_port, 4);
    if (m_listenFd < 0) {
        ADD_FAILURE() << "the test CDDB server could not listen on 127.0.0.1";
        return false;
    }
    m_thread = std::thread([this] { run(); });
    return true;
}

QString CddbServer::address() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }

QStringList CddbServer::commands() const {
    const std::lock_guard lock(m_mutex);
    return m_commands;
}

void CddbServer::holdAnswers() {
    const std::lock_guard lock(m_mutex);
    m_holding = true;
}

void CddbServer::release() {
    {
        const std::lock_guard lock(m_mutex);
        m_holding = false;
    }
    m_released.notify_all();
}

void CddbServer::run() {
    while (waitReadable(m_listenFd, m_stop)) {
        const int fd = ::accept(m_listenFd, nullptr, nullptr);
        if (fd < 0) continue;
        switch (m_mode) {
        case Mode::Cddbp: serveCddbp(fd); break;
        case Mode::Http: serveHttp(fd); break;
        case Mode::Silent: holdSilently(fd); break;
        case Mode::HangUp: serveCddbp(fd); break;
        }
        ::close(fd);
    }
}

void CddbServer::holdSilently(int fd) {
    char buffer[512];
    // Reads and drops whatever comes, until the client gives up and closes.
    while (waitReadable(fd, m_stop))
        if (::read(fd, buffer, sizeof buffer) <= 0) return;
}

void CddbServer::serveCddbp(int fd) {
    send(fd, QStringLiteral("201 test CDDBP server v1.0 ready\r\n"));
    QByteArray buffer;
    QString line;
    bool quit = false;
    while (!quit && readLine(fd, buffer, line)) {
        send(fd, answer(line, quit));
        if (m_mode == Mode::HangUp && line.startsWith(QStringLiteral("cddb query"), Qt::CaseInsensitive)) return;
    }
}

void CddbServer::serveHttp(int fd) {
    QByteArray buffer;
    QString requestLine;
    if (!readLine(fd, buffer, requestLine)) return;
    for (QString header; readLine(fd, buffer, header) && !header.isEmpty();) {
    }
    // "GET <script>?cmd=cddb+query+…&hello=…&proto=6 HTTP/1.0"
    const QString target = requestLine.section(u' ', 1, 1);
    const QString query = target.section(u'?', 1);
    QString command;
    for (const QString& pair : query.split(u'&')) {
        if (!pair.startsWith(QStringLiteral("cmd="))) continue;
        QString value = pair.mid(4);
        value.replace(u'+', u' ');
        command = QUrl::fromPercentEncoding(value.toUtf8());
    }
    {
        const std::lock_guard lock(m_mutex);
        m_commands << QStringLiteral("GET ") + target.section(u'?', 0, 0);
    }
    bool quit = false;
    send(fd, QStringLiteral("HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n") + answer(command, quit));
}

QString CddbServer::answer(const QString& command, bool& quit) {
    {
        std::unique_lock lock(m_mutex);
        m_commands << command;
        m_released.wait(lock, [this] { return !m_holding || m_stop; });
    }
    const QStringList words = command.split(u' ', Qt::SkipEmptyParts);
    const QString verb = words.value(0).toLower() + u' ' + words.value(1).toLower();
    if (verb == u"cddb hello") return QStringLiteral("200 Hello and welcome\r\n");
    if (words.value(0).toLower() == u"proto") return QStringLiteral("201 OK, CDDB protocol level now: 6\r\n");
    if (words.value(0).toLower() == u"quit") {
        quit = true;
        return QStringLiteral("230 Goodbye\r\n");
    }
    if (verb == u"cddb query") {
        for (const Entry& e : m_entries)
            if (e.info.discId.compare(words.value(2), Qt::CaseInsensitive) == 0)
                return QStringLiteral("200 %1 %2 %3 / %4\r\n").arg(e.category, e.info.discId, e.info.artist, e.info.album);
        return QStringLiteral("202 No match found\r\n");
    }
    if (verb == u"cddb read") {
        for (const Entry& e : m_entries)
            if (e.category == words.value(2) && e.info.discId.compare(words.value(3), Qt::CaseInsensitive) == 0)
                return QStringLiteral("210 %1 %2 CD database entry follows (until terminating `.')\r\n%3.\r\n")
                    .arg(e.category, e.info.discId, entryText(e));
        return QStringLiteral("401 Specified CDDB entry not found.\r\n");
    }
    return QStringLiteral("500 Unrecognized command.\r\n");
}

QString CddbServer::entryText(const Entry& e) const {
    QStringList lines{QStringLiteral("# xmcd"), QStringLiteral("#"), QStringLiteral("# Track frame offsets:")};
    for (std::int32_t start : e.toc.trackStarts) lines << QStringLiteral("#\t%1").arg(start + 150);
    lines << QStringLiteral("#") << QStringLiteral("# Disc length: %1 seconds").arg((e.toc.leadOut + 150) / 75)
          << QStringLiteral("#") << QStringLiteral("# Revision: 0") << QStringLiteral("# Submitted via: velloria-tests 1.0")
          << QStringLiteral("#") << QStringLiteral("DISCID=") + e.info.discId
          << QStringLiteral("DTITLE=%1 / %2").arg(e.info.artist, e.info.album)
          << QStringLiteral("DYEAR=%1").arg(e.info.year ? QString::number(e.info.year) : QString())
          << QStringLiteral("DGENRE=") + e.info.genre;
    for (int i = 0; i < e.info.trackTitles.size(); ++i) lines << QStringLiteral("TTITLE%1=%2").arg(i).arg(e.info.trackTitles[i]);
    lines << QStringLiteral("EXTD=");
    for (int i = 0; i < e.info.trackTitles.size(); ++i) lines << QStringLiteral("EXTT%1=").arg(i);
    lines << QStringLiteral("PLAYORDER=");
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

bool CddbServer::readLine(int fd, QByteArray& buffer, QString& line) {
    for (;;) {
        const qsizetype end = buffer.indexOf('\n');
        if (end >= 0) {
            line = QString::fromUtf8(buffer.left(end)).trimmed();
            buffer.remove(0, end + 1);
            return true;
        }
        if (!waitReadable(fd, m_stop)) return false;
        char chunk[1024];
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n <= 0) return false;
        buffer.append(chunk, static_cast<qsizetype>(n));
    }
}

void CddbServer::send(int fd, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.constData() + sent, static_cast<std::size_t>(bytes.size() - sent), MSG_NOSIGNAL);
        if (n <= 0) return;
        sent += static_cast<qsizetype>(n);
    }
}

}  // namespace testing_support
