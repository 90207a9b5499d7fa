#include "components/audio/DiscInfoLookup.h"

#include "components/audio/WhileEventsRun.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringList>

#include <cddb/cddb.h>
#include <discid/discid.h>

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

// ---- cdplayer.ini ----------------------------------------------------------------------

QString sectionName(const QString& line) {
    const QString t = line.trimmed();
    if (t.size() >= 2 && t.startsWith(u'[') && t.endsWith(u']')) return t.mid(1, t.size() - 2).trimmed();
    return {};
}

QStringList readLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    // The Windows CD player wrote the file in the ANSI code page; ours are UTF-8.
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError()) text = QString::fromLatin1(bytes);
    QStringList lines = text.split(u'\n');
    for (QString& l : lines)
        if (l.endsWith(u'\r')) l.chop(1);
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

// The keys (lower case) and values of one section; nothing when the file lacks it.
std::optional<QHash<QString, QString>> readSection(const QString& path, const QString& section) {
    std::optional<QHash<QString, QString>> keys;
    bool inside = false;
    for (const QString& line : readLines(path)) {
        const QString name = sectionName(line);
        if (!name.isEmpty()) {
            inside = name.compare(section, Qt::CaseInsensitive) == 0;
            if (inside && !keys) keys.emplace();
            continue;
        }
        if (!inside) continue;
        const QString t = line.trimmed();
        if (t.isEmpty() || t.startsWith(u';')) continue;
        const qsizetype eq = t.indexOf(u'=');
        if (eq <= 0) continue;
        const QString key = t.left(eq).trimmed().toLower();
        if (!keys->contains(key)) keys->insert(key, t.mid(eq + 1).trimmed());
    }
    return keys;
}

bool writeLines(const QStringList& lines, const QString& iniPath) {
    if (!QDir().mkpath(QFileInfo(iniPath).absolutePath())) return false;
    QSaveFile file(iniPath);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");
    return file.commit();
}

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
        return QStringLiteral("it did not answer within %1 seconds").arg(timeOutSeconds);
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

DiscInfoResult lookupOnLine(const DiscToc& toc, const GrabSettings& settings) {
    const QString server = settings.cddbServer.trimmed();
    if (server.isEmpty()) return failure(QStringLiteral("No CDDB server is set."));
    const bool http = !settings.cddbScript.trimmed().isEmpty();
    QString host = server;
    int port = http ? kHttpPort : kCddbpPort;
    const qsizetype colon = server.lastIndexOf(u':');
    if (colon > 0) {
        bool ok = false;
        const int p = server.mid(colon + 1).toInt(&ok);
        if (!ok || p <= 0 || p > 65535) return failure(QStringLiteral("The CDDB server \"%1\" has no valid port.").arg(server));
        host = server.left(colon);
        port = p;
    }

    // Declared before the connection, so that it outlives the connection's closing.
    const HoldBackSigPipe noSigPipe;
    // libcddb reports through its own log as well; the result carries what went wrong.
    cddb_log_set_level(CDDB_LOG_NONE);
    std::unique_ptr<cddb_conn_t, ConnDeleter> conn(cddb_new());
    std::unique_ptr<cddb_disc_t, DiscDeleter> disc(cddb_disc_new());
    if (!conn || !disc) return failure(QStringLiteral("The CDDB look-up could not start (out of memory)."));
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
        return failure(QStringLiteral("The CDDB server %1 could not be asked about disc %2: %3.")
                           .arg(where, id, cddbReason(c, clock, timeOutSeconds)));
    if (matches == 0) return failure(QStringLiteral("The CDDB server %1 knows no disc with id %2.").arg(where, id));
    clock.restart();
    if (!cddb_read(c, disc.get()))
        return failure(QStringLiteral("The CDDB server %1 did not send the entry of disc %2: %3.")
                           .arg(where, id, cddbReason(c, clock, timeOutSeconds)));

    DiscInfoResult r;
    r.found = true;
    r.info.discId = id;
    r.info.source = QStringLiteral("CDDB");
    r.info.artist = fromC(cddb_disc_get_artist(disc.get()));
    r.info.album = fromC(cddb_disc_get_title(disc.get()));
    r.info.genre = fromC(cddb_disc_get_genre(disc.get()));
    if (r.info.genre.isEmpty()) r.info.genre = fromC(cddb_disc_get_category_str(disc.get()));
    r.info.year = static_cast<int>(cddb_disc_get_year(disc.get()));
    for (int i = 0; i < toc.trackCount(); ++i) {
        const cddb_track_t* track = cddb_disc_get_track(disc.get(), i);
        r.info.trackTitles << (track ? fromC(cddb_track_get_title(track)) : QString());
    }
    return r;
}

}  // namespace

QString cddbDiscId(const DiscToc& toc) {
    if (toc.trackStarts.empty()) return {};
    const auto digitSum = [](std::int32_t n) {
        std::uint32_t sum = 0;
        for (; n > 0; n /= 10) sum += static_cast<std::uint32_t>(n % 10);
        return sum;
    };
    std::uint32_t n = 0;
    for (std::int32_t start : toc.trackStarts) n += digitSum((start + kPregapFrames) / kFramesPerSecond);
    const std::int32_t first = (toc.trackStarts.front() + kPregapFrames) / kFramesPerSecond;
    const std::int32_t last = (toc.leadOut + kPregapFrames) / kFramesPerSecond;
    const auto length = static_cast<std::uint32_t>(last > first ? last - first : 0);
    const std::uint32_t id = ((n % 255u) << 24) | ((length & 0xffffu) << 8) | (static_cast<std::uint32_t>(toc.trackCount()) & 0xffu);
    return QStringLiteral("%1").arg(id, 8, 16, QLatin1Char('0'));
}

QString musicBrainzDiscId(const DiscToc& toc) {
    if (toc.trackStarts.empty() || toc.trackCount() > 99) return {};
    // libdiscid counts sectors from the start of the disc's lead-in: the pre-gap included.
    int offsets[100] = {};
    offsets[0] = toc.leadOut + kPregapFrames;
    for (int i = 0; i < toc.trackCount(); ++i) offsets[i + 1] = toc.trackStarts[std::size_t(i)] + kPregapFrames;
    DiscId* disc = discid_new();
    if (!disc) return {};
    QString id;
    if (discid_put(disc, 1, toc.trackCount(), offsets)) id = QString::fromLatin1(discid_get_id(disc));
    discid_free(disc);
    return id;
}

QString defaultCdplayerIniPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Brindlewood/cdplayer.ini");
}

DiscInfoResult readCdplayerIni(const DiscToc& toc, const QString& iniPath) {
    const QString id = cddbDiscId(toc);
    if (id.isEmpty()) return failure(QStringLiteral("There is no audio disc to look up."));
    const auto keys = readSection(iniPath, id);
    // An entry whose track count differs belongs to another disc with the same id.
    bool countOk = true;
    if (keys && keys->contains(QStringLiteral("numtracks")))
        countOk = keys->value(QStringLiteral("numtracks")).toInt() == toc.trackCount();
    if (!keys || !countOk) return failure(QStringLiteral("cdplayer.ini has no entry for disc %1.").arg(id));
    DiscInfoResult r;
    r.found = true;
    r.info.discId = id;
    r.info.artist = keys->value(QStringLiteral("artist"));
    r.info.album = keys->value(QStringLiteral("title"));
    r.info.genre = keys->value(QStringLiteral("genre"));
    r.info.year = keys->value(QStringLiteral("year")).toInt();
    r.info.date = keys->value(QStringLiteral("date"));
    r.info.releaseId = keys->value(QStringLiteral("mbrelease"));
    r.info.artistId = keys->value(QStringLiteral("mbartist"));
    r.info.discNumber = keys->value(QStringLiteral("discnumber")).toInt();
    r.info.discTotal = keys->value(QStringLiteral("disctotal")).toInt();
    r.info.coverPath = keys->value(QStringLiteral("cover"));
    r.info.source = QStringLiteral("cdplayer.ini");
    const auto perTrack = [&](const QString& prefix) {
        QStringList values;
        for (int i = 0; i < toc.trackCount(); ++i) values << keys->value(prefix + QString::number(i));
        return values;
    };
    r.info.trackTitles = perTrack({});
    r.info.trackArtists = perTrack(QStringLiteral("artist"));
    r.info.isrcs = perTrack(QStringLiteral("isrc"));
    if (!r.info.releaseId.isEmpty()) {
        r.info.recordingIds = perTrack(QStringLiteral("mbtrack"));
        r.info.releaseTrackIds = perTrack(QStringLiteral("mbreleasetrack"));
        r.info.trackArtistIds = perTrack(QStringLiteral("mbtrackartist"));
    }
    return r;
}

bool writeCdplayerIni(const DiscToc& toc, const DiscInfo& info, const QString& iniPath) {
    const QString id = cddbDiscId(toc);
    if (id.isEmpty()) return false;
    // Every other section and line stays as it is; the disc's own section is replaced.
    QStringList out;
    bool skipping = false;
    for (const QString& line : readLines(iniPath)) {
        const QString name = sectionName(line);
        if (!name.isEmpty()) skipping = name.compare(id, Qt::CaseInsensitive) == 0;
        if (!skipping) out << line;
    }
    // Values end at the line's end: line breaks inside a text become spaces.
    const auto clean = [](QString text) { return text.replace(u'\r', u' ').replace(u'\n', u' ').trimmed(); };
    const auto put = [&](const QString& key, const QString& value) {
        if (!value.isEmpty()) out << key + QLatin1Char('=') + clean(value);
    };
    out << QStringLiteral("[%1]").arg(id);
    out << QStringLiteral("EntryType=1");
    out << QStringLiteral("artist=%1").arg(clean(info.artist));
    out << QStringLiteral("title=%1").arg(clean(info.album));
    out << QStringLiteral("numtracks=%1").arg(toc.trackCount());
    put(QStringLiteral("genre"), info.genre);
    if (info.year > 0) put(QStringLiteral("year"), QString::number(info.year));
    put(QStringLiteral("date"), info.date);
    put(QStringLiteral("mbrelease"), info.releaseId);
    put(QStringLiteral("mbartist"), info.artistId);
    if (info.discNumber > 0) put(QStringLiteral("discnumber"), QString::number(info.discNumber));
    if (info.discTotal > 0) put(QStringLiteral("disctotal"), QString::number(info.discTotal));
    put(QStringLiteral("cover"), info.coverPath);
    for (int i = 0; i < toc.trackCount(); ++i)
        out << QStringLiteral("%1=%2").arg(i).arg(clean(info.trackTitles.value(i)));
    for (int i = 0; i < toc.trackCount(); ++i) {
        const QString n = QString::number(i);
        put(QStringLiteral("mbtrack") + n, info.recordingIds.value(i));
        put(QStringLiteral("mbreleasetrack") + n, info.releaseTrackIds.value(i));
        put(QStringLiteral("mbtrackartist") + n, info.trackArtistIds.value(i));
        // A track's own artist only where it is not the disc's.
        if (info.trackArtists.value(i) != info.artist) put(QStringLiteral("artist") + n, info.trackArtists.value(i));
        put(QStringLiteral("isrc") + n, info.isrcs.value(i));
    }
    return writeLines(out, iniPath);
}

DiscInfoResult lookupDiscInfo(const DiscToc& toc, DiscInfoSource source, const GrabSettings& settings,
                              const QString& cdplayerIniPath) {
    if (toc.trackStarts.empty()) return failure(QStringLiteral("There is no audio disc to look up."));
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
