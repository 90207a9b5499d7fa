#include "components/net/Cddb.h"

#include "components/WhileEventsRun.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>

#include <cddb/cddb.h>

#include <pthread.h>
#include <signal.h>
#include <time.h>

#include <memory>
#include <optional>

namespace {

constexpr std::int32_t kPregapFrames = 150;  // two seconds before track 1
constexpr int kFramesPerSecond = 75;
constexpr int kCddbpPort = 8880;
constexpr int kHttpPort = 80;

// ---- libcddb ---------------------------------------------------------------------------

struct ConnDeleter {
    void operator()(cddb_conn_t* c) const { cddb_destroy(c); }
};
struct DiscDeleter {
    void operator()(cddb_disc_t* d) const { cddb_disc_destroy(d); }
};

QString fromC(const char* text) { return text ? QString::fromUtf8(text) : QString(); }

DiscInfoResult failure(const QString& error) {
    DiscInfoResult r;
    r.error = error;
    return r;
}

// libcddb writes with send() and no MSG_NOSIGNAL, so a server that hangs up would end the
// whole program with SIGPIPE. While alive, SIGPIPE is held back on this thread (a write's
// SIGPIPE goes to the writing thread); one raised meanwhile is discarded at the end, and the
// failed write reports EPIPE to libcddb instead.
class HoldBackSigPipe {
public:
    HoldBackSigPipe() {
        sigemptyset(&m_pipe);
        sigaddset(&m_pipe, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &m_pipe, &m_previous);
    }
    ~HoldBackSigPipe() {
        sigset_t pending;
        sigpending(&pending);
        if (sigismember(&pending, SIGPIPE) && !sigismember(&m_previous, SIGPIPE)) {
            const timespec none{0, 0};
            sigtimedwait(&m_pipe, nullptr, &none);
        }
        pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
    }
    HoldBackSigPipe(const HoldBackSigPipe&) = delete;
    HoldBackSigPipe& operator=(const HoldBackSigPipe&) = delete;

private:
    sigset_t m_pipe{};
    sigset_t m_previous{};
};

// Why libcddb failed; it takes a server that went silent for the end of its answer.
QString cddbReason(cddb_conn_t* c, const QElapsedTimer& clock, int timeOutSeconds) {
    if (clock.elapsed() >= qint64(timeOutSeconds) * 1000)
        return QCoreApplication::translate("Cddb", "it did not answer within %1 seconds").arg(timeOutSeconds);
    return fromC(cddb_error_str(cddb_errno(c)));
}

// The server, time-out, protocol and client of a connection (libcddb copies every text); the
// time-out in the whole seconds libcddb counts (a part second counts as one more).
int setUpConnection(cddb_conn_t* c, const QString& host, int port, bool http, const GrabSettings& settings) {
    cddb_cache_disable(c);
    const QByteArray hostBytes = host.toUtf8();
    cddb_set_server_name(c, hostBytes.constData());
    cddb_set_server_port(c, port);
    const int timeOutMs = settings.cddbTimeOut > 0 ? settings.cddbTimeOut : 1;
    const int timeOutSeconds = (timeOutMs + 999) / 1000;
    cddb_set_timeout(c, static_cast<unsigned>(timeOutSeconds));
    if (http) {
        cddb_http_enable(c);
        const QByteArray path = settings.cddbScript.trimmed().toUtf8();
        cddb_set_http_path_query(c, path.constData());
    }
    const QByteArray agent = (settings.agentName.trimmed().isEmpty() ? QStringLiteral("Velloria") : settings.agentName.trimmed())
                                 .toUtf8();
    cddb_set_client(c, agent.constData(), "1.0");
    if (!settings.email.trimmed().isEmpty()) {
        const QByteArray email = settings.email.trimmed().toUtf8();
        cddb_set_email_address(c, email.constData());
    }
    return timeOutSeconds;
}

// The server's host and port from "host" or "host:port"; why it is unusable, or nothing.
QString serverAddress(const QString& server, bool http, QString& host, int& port) {
    if (server.isEmpty()) return QCoreApplication::translate("Cddb", "No CDDB server is set.");
    host = server;
    port = http ? kHttpPort : kCddbpPort;
    const qsizetype colon = server.lastIndexOf(u':');
    if (colon <= 0) return {};
    bool ok = false;
    const int p = server.mid(colon + 1).toInt(&ok);
    if (!ok || p <= 0 || p > 65535) return QCoreApplication::translate("Cddb", "The CDDB server \"%1\" has no valid port.").arg(server);
    host = server.left(colon);
    port = p;
    return {};
}

// The disc information in a read entry.
DiscInfoResult entryOf(cddb_disc_t* disc, const DiscToc& toc, const QString& id) {
    DiscInfoResult r;
    r.found = true;
    r.info.discId = id;
    r.info.source = QStringLiteral("CDDB");
    r.info.artist = fromC(cddb_disc_get_artist(disc));
    r.info.album = fromC(cddb_disc_get_title(disc));
    r.info.genre = fromC(cddb_disc_get_genre(disc));
    if (r.info.genre.isEmpty()) r.info.genre = fromC(cddb_disc_get_category_str(disc));
    r.info.year = static_cast<int>(cddb_disc_get_year(disc));
    for (int i = 0; i < toc.trackCount(); ++i) {
        const cddb_track_t* track = cddb_disc_get_track(disc, i);
        r.info.trackTitles << (track ? fromC(cddb_track_get_title(track)) : QString());
    }
    return r;
}

DiscInfoResult lookupOnLine(const DiscToc& toc, const GrabSettings& settings) {
    const bool http = !settings.cddbScript.trimmed().isEmpty();
    QString host;
    int port = 0;
    if (const QString unusable = serverAddress(settings.cddbServer.trimmed(), http, host, port); !unusable.isEmpty())
        return failure(unusable);

    // Declared before the connection, so that it outlives the connection's closing.
    const HoldBackSigPipe noSigPipe;
    // libcddb reports through its own log as well; the result carries what went wrong.
    cddb_log_set_level(CDDB_LOG_NONE);
    std::unique_ptr<cddb_conn_t, ConnDeleter> conn(cddb_new());
    std::unique_ptr<cddb_disc_t, DiscDeleter> disc(cddb_disc_new());
    if (!conn || !disc) return failure(QCoreApplication::translate("Cddb", "The CDDB look-up could not start (out of memory)."));
    cddb_conn_t* c = conn.get();
    // No cache: the answer comes from the server and nothing is written to the home folder.
    const int timeOutSeconds = setUpConnection(c, host, port, http, settings);

    for (std::int32_t start : toc.trackStarts) {
        cddb_track_t* track = cddb_track_new();
        cddb_track_set_frame_offset(track, start + kPregapFrames);
        cddb_disc_add_track(disc.get(), track);
    }
    cddb_disc_set_length(disc.get(), static_cast<unsigned>((toc.leadOut + kPregapFrames) / kFramesPerSecond));
    const QString id = cddbDiscId(toc);
    const QString where = QStringLiteral("%1:%2").arg(host).arg(port);

    QElapsedTimer clock;
    clock.start();
    const int matches = cddb_query(c, disc.get());
    if (matches < 0)
        return failure(QCoreApplication::translate("Cddb", "The CDDB server %1 could not be asked about disc %2: %3.")
                           .arg(where, id, cddbReason(c, clock, timeOutSeconds)));
    if (matches == 0) return failure(QCoreApplication::translate("Cddb", "The CDDB server %1 knows no disc with id %2.").arg(where, id));
    clock.restart();
    if (!cddb_read(c, disc.get()))
        return failure(QCoreApplication::translate("Cddb", "The CDDB server %1 did not send the entry of disc %2: %3.")
                           .arg(where, id, cddbReason(c, clock, timeOutSeconds)));

    return entryOf(disc.get(), toc, id);
}

}  // namespace

DiscInfoResult lookupDiscInfo(const DiscToc& toc, DiscInfoSource source, const GrabSettings& settings,
                              const QString& cdplayerIniPath) {
    if (toc.trackStarts.empty()) return failure(QCoreApplication::translate("DiscLookup", "There is no audio disc to look up."));
    QString localError;
    if (source != DiscInfoSource::OnLine) {
        DiscInfoResult local = readCdplayerIni(toc, cdplayerIniPath);
        if (local.found || source == DiscInfoSource::LocalIniOnly) return local;
        localError = local.error;
    }
    DiscInfoResult online = lookupOnLine(toc, settings);
    if (online.found) {
        writeCdplayerIni(toc, online.info, cdplayerIniPath);
    } else if (!localError.isEmpty()) {
        online.error = localError + QLatin1Char(' ') + online.error;
    }
    return online;
}

std::optional<DiscInfoResult> lookupDiscInfoWhileEventsRun(const DiscToc& toc, DiscInfoSource source,
                                                           const GrabSettings& settings, const QString& cdplayerIniPath) {
    return whileEventsRun<DiscInfoResult>(
        [=] { return lookupDiscInfo(toc, source, settings, cdplayerIniPath); });
}
