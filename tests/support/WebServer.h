#pragma once
// A small HTTP server for tests, listening on 127.0.0.1 on a free port in a thread of its own:
// it answers GET requests for the paths it was given (the path with its query, as sent) with a
// status, a content type and a body, and 404 for any other. It stands in for the MusicBrainz
// web service, the Cover Art Archive and the AccurateRip server. Silent mode takes connections
// and never answers, for time-outs. An answer may also misbehave on its own: stay silent, break
// off after part of its body, or stream a body of any length without holding it.

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include <atomic>
#include <mutex>
#include <thread>
#include <utility>

namespace testing_support {

class WebServer {
public:
    struct Answer {
        Answer(int s = 200, QByteArray type = "application/octet-stream", QByteArray b = {}, QByteArray h = {})
            : status(s), contentType(std::move(type)), body(std::move(b)), headers(std::move(h)) {}
        int status;
        QByteArray contentType;
        QByteArray body;
        QByteArray headers;  // more header lines, each ending in "\r\n" ("Retry-After: 1\r\n")
        qint64 stated = -1;     // the Content-Length sent, when not the body's own: more breaks off
        qint64 filler = 0;      // bytes of "x" sent after the body, made as they are sent
        bool silent = false;    // the connection is held and never answered
    };
    struct Request {
        QString path;       // with the query
        QString userAgent;
        qint64 bodySent = 0;  // bytes of the body the client took before it closed or all was sent
    };
    explicit WebServer(bool silent = false);
    ~WebServer();
    WebServer(const WebServer&) = delete;
    WebServer& operator=(const WebServer&) = delete;

    // Call before start() or between requests.
    void serve(const QString& path, Answer answer);
    // Answers the requests for `path` in turn; the last answer stays for any after.
    void serveInTurn(const QString& path, QList<Answer> answers);
    // The answer to every path that has none of its own (404 unless set).
    void serveEveryOtherPath(Answer answer);
    bool start();
    // "http://127.0.0.1:<port>"
    QString base() const;
    QList<Request> requests() const;

private:
    void run();
    // False when the connection is to be held open.
    bool handle(int fd);
    qint64 sendBody(int fd, const Answer& answer);

    bool m_silent;
    int m_listenFd = -1;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
    mutable std::mutex m_mutex;
    QMap<QString, QList<Answer>> m_answers;
    Answer m_otherPaths{404, "text/plain", "not found"};
    QList<Request> m_requests;
};

}  // namespace testing_support
