#pragma once
// A small CDDB server for tests, listening on 127.0.0.1 on a free port in a thread of its own
// (the look-up it serves blocks the test's thread). It speaks enough of the CDDB protocol, or
// of CDDB over HTTP, for a client's hello, proto, query and read, and answers a read with a
// full xmcd entry. In Silent mode it takes connections and never answers, for time-outs; in
// HangUp mode it greets, reads the client's first command and closes the connection. Held
// answers wait until the test releases them.

#include "components/audio/cd/CdTypes.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace testing_support {

class CddbServer {
public:
    enum class Mode { Cddbp, Http, Silent, HangUp };
    explicit CddbServer(Mode mode = Mode::Cddbp);
    ~CddbServer();
    CddbServer(const CddbServer&) = delete;
    CddbServer& operator=(const CddbServer&) = delete;

    // Adds a disc the server knows; call before start(). info.discId is the id it answers to.
    void addDisc(const QString& category, const DiscInfo& info, const DiscToc& toc);
    // Starts listening; false (with a test failure) when no socket could be opened.
    bool start();
    int port() const { return m_port; }
    // "127.0.0.1:<port>", as the settings' server text.
    QString address() const;
    // The command lines received so far ("cddb hello …", "proto 6", "cddb query …", …).
    QStringList commands() const;
    // Every answer waits until release() (a slow server whose pace the test sets).
    void holdAnswers();
    void release();

private:
    struct Entry {
        QString category;
        DiscInfo info;
        DiscToc toc;
    };
    void run();
    void serveCddbp(int fd);
    void serveHttp(int fd);
    void holdSilently(int fd);
    QString answer(const QString& command, bool& quit);
    QString entryText(const Entry& entry) const;
    bool readLine(int fd, QByteArray& buffer, QString& line);
    void send(int fd, const QString& text);

    Mode m_mode;
    int m_listenFd = -1;
    int m_port = 0;
    std::vector<Entry> m_entries;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
    mutable std::mutex m_mutex;
    QStringList m_commands;
    bool m_holding = false;
    std::condition_variable m_released;
};

}  // namespace testing_support
