#include "components/audio/cd/RipLog.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

#include <array>

namespace riplog {
namespace {

const std::array<std::uint32_t, 256>& crcTable() {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    return table;
}

QString hex(std::uint32_t value) { return QStringLiteral("%1").arg(value, 8, 16, QLatin1Char('0')).toUpper(); }

const char* const kReadModes[] = {"Burst", "Synch", "Secure", "Paranoid"};
const char* const kErrorActions[] = {"stop the read", "insert silence", "cut the block", "error correction"};

QString readModeName(int mode) { return mode >= 1 && mode <= 4 ? QLatin1String(kReadModes[mode - 1]) : QStringLiteral("?"); }
QString errorActionName(int action) {
    return action >= 0 && action <= 3 ? QLatin1String(kErrorActions[action]) : QStringLiteral("?");
}

const char* endName(TrackRecord::End end) {
    switch (end) {
    case TrackRecord::End::Copied: return "copied";
    case TrackRecord::End::Failed: return "failed";
    case TrackRecord::End::Cancelled: return "cancelled";
    case TrackRecord::End::NotRipped: break;
    }
    return "not ripped";
}

const char* endName(Log::End end) {
    switch (end) {
    case Log::End::Cancelled: return "cancelled";
    case Log::End::Failed: return "failed";
    case Log::End::Completed: break;
    }
    return "completed";
}

// Runs of neighbouring sectors, each as "first-last" (or one number), with its place in the track.
QStringList sectorRanges(const std::vector<std::int32_t>& sectors, std::int32_t trackStart) {
    QStringList ranges;
    for (std::size_t i = 0; i < sectors.size();) {
        std::size_t j = i;
        while (j + 1 < sectors.size() && sectors[j + 1] == sectors[j] + 1) ++j;
        QString range = QString::number(sectors[i]);
        if (j > i) range += QLatin1Char('-') + QString::number(sectors[j]);
        if (sectors[i] >= trackStart) range += QStringLiteral(" (at %1)").arg(msf(sectors[i] - trackStart));
        ranges << range;
        i = j + 1;
    }
    return ranges;
}

// The problems of one track that keep it from counting as accurately ripped, and the AccurateRip
// note of a track read without errors that no record confirmed.
void trackProblems(const Log& log, const TrackRecord& t, QStringList& problems, QStringList& unconfirmed) {
    const QString name = QStringLiteral("Track %1: ").arg(t.number);
    switch (t.end) {
    case TrackRecord::End::Failed: problems << name + QStringLiteral("failed: ") + t.reason; return;
    case TrackRecord::End::Cancelled: problems << name + QStringLiteral("its read was cancelled"); return;
    case TrackRecord::End::NotRipped: problems << name + QStringLiteral("not ripped"); return;
    case TrackRecord::End::Copied: break;
    }
    const std::size_t before = std::size_t(problems.size());
    if (!t.errorSectors.empty()) problems << name + QStringLiteral("%1 error blocks").arg(t.errorSectors.size());
    if (log.testAndCopy && (!t.testCrc || !t.copyCrc || *t.testCrc != *t.copyCrc))
        problems << name + QStringLiteral("the test and copy CRCs differ");
    if (t.accurateRipMismatch) problems << name + QStringLiteral("does not match AccurateRip");
    if (std::size_t(problems.size()) != before || t.accurateRipMatched) return;
    unconfirmed << name + (t.accurateRip.isEmpty() ? QStringLiteral("not verified with AccurateRip")
                                                   : QStringLiteral("not in the AccurateRip database"));
}

void headerLines(const Log& log, QStringList& out) {
    out << QStringLiteral("Rip log") << QString();
    out << QStringLiteral("Program: ") + log.program;
    out << QStringLiteral("Date: ") + log.date.toString(Qt::ISODate);
    out << QStringLiteral("Album: ") + log.album;
    out << QStringLiteral("Artist: ") + log.artist;
    out << QStringLiteral("Disc id: ") + log.discId;
    if (!log.layout.catalog.isEmpty()) out << QStringLiteral("Catalogue number: ") + log.layout.catalog;
    out << QStringLiteral("Rip: ") + QLatin1String(endName(log.end));
    out << QString();
}

void driveLines(const Log& log, QStringList& out) {
    out << QStringLiteral("Drive");
    if (log.image) {
        out << QStringLiteral("  Disc image: ") + log.source;
    } else {
        out << QStringLiteral("  Drive: ") + log.source;
        const auto known = [](const QString& v) { return v.isEmpty() ? QStringLiteral("(not told)") : v; };
        out << QStringLiteral("  Vendor: ") + known(log.vendor) << QStringLiteral("  Model: ") + known(log.model)
            << QStringLiteral("  Revision: ") + known(log.revision);
    }
    out << QStringLiteral("  Read offset: %1 samples (%2)").arg(log.readOffset).arg(log.readOffsetSource);
    out << QStringLiteral("  Read mode: %1 (%2)").arg(readModeName(log.readMode)).arg(log.readMode);
    out << QStringLiteral("  Mode Safe: ") + (log.safeMode ? QStringLiteral("on") : QStringLiteral("off"));
    out << QStringLiteral("  Retries: %1").arg(log.retries);
    out << QStringLiteral("  Error action: ") + errorActionName(log.errorAction);
    const std::optional<bool> cache = cacheDefeated(log);
    out << QStringLiteral("  Drive cache defeated: ") +
               (!cache ? QStringLiteral("not applicable (a disc image)") : *cache ? QStringLiteral("yes") : QStringLiteral("no"));
    out << QStringLiteral("  Test and copy: ") + (log.testAndCopy ? QStringLiteral("on") : QStringLiteral("off"));
    out << QString();
}

// The track's control flags as a CUE sheet names them.
QStringList flagsOf(const TrackLayout& t) {
    QStringList flags;
    if (t.preEmphasis) flags << QStringLiteral("PRE");
    if (t.copyPermitted) flags << QStringLiteral("DCP");
    if (t.fourChannel) flags << QStringLiteral("4CH");
    return flags;
}

QString typeOf(const TrackLayout& t) {
    if (!t.audio) return QStringLiteral("data");
    return t.number == 0 ? QStringLiteral("audio (hidden before track 1)") : QStringLiteral("audio");
}

void tocLines(const Log& log, QStringList& out) {
    out << QStringLiteral("Table of contents (minutes:seconds.sectors; sectors from the start of the disc)");
    out << QStringLiteral("  Track  Start     Length    Pre-gap   Start sector  Sectors  Type (flags)");
    for (const TrackLayout& t : log.layout.tracks) {
        const QStringList flags = flagsOf(t);
        out << QStringLiteral("  %1  %2  %3  %4  %5  %6  %7")
                   .arg(t.number, 5)
                   .arg(msf(t.start), -8)
                   .arg(msf(t.length), -8)
                   .arg(msf(t.pregap), -8)
                   .arg(t.start, 12)
                   .arg(t.length, 7)
                   .arg(typeOf(t) + (flags.isEmpty() ? QString() : QStringLiteral(" (") + flags.join(QLatin1Char(' ')) + QLatin1Char(')')));
    }
    out << QStringLiteral("  Lead-out: %1").arg(log.layout.leadOut) << QString();
}

void trackLines(const Log& log, const TrackRecord& t, QStringList& out) {
    const TrackLayout* layout = log.layout.track(t.number);
    out << QStringLiteral("Track %1").arg(t.number);
    out << QStringLiteral("  File: ") + (t.file.isEmpty() ? QStringLiteral("(none)") : t.file);
    out << QStringLiteral("  Pre-gap: ") + msf(layout ? layout->pregap : 0);
    if (t.peak >= 0) out << QStringLiteral("  Peak: %1 % (%2)").arg(t.peak * 100.0 / 32768.0, 0, 'f', 1).arg(t.peak);
    if (log.testAndCopy) out << QStringLiteral("  Test CRC32: ") + (t.testCrc ? hex(*t.testCrc) : QStringLiteral("(not read)"));
    const QString noCopyCrc = t.end == TrackRecord::End::Copied ? QStringLiteral("(not taken for this track)")
                                                                : QStringLiteral("(not read whole)");
    out << QStringLiteral("  Copy CRC32: ") + (t.copyCrc ? hex(*t.copyCrc) : noCopyCrc);
    if (log.testAndCopy && t.testCrc && t.copyCrc)
        out << QStringLiteral("  Test and copy: ") + (*t.testCrc == *t.copyCrc ? QStringLiteral("same") : QStringLiteral("differ"));
    QString ar = t.accurateRip.isEmpty() ? QStringLiteral("not verified") : t.accurateRip;
    if (t.accurateRipV1 && t.accurateRipV2) ar += QStringLiteral(" [v1 %1, v2 %2]").arg(hex(*t.accurateRipV1), hex(*t.accurateRipV2));
    out << QStringLiteral("  AccurateRip: ") + ar;
    const QStringList ranges = sectorRanges(t.errorSectors, layout ? layout->start : 0);
    out << QStringLiteral("  Error blocks: ") +
               (ranges.isEmpty() ? QStringLiteral("none")
                                 : QStringLiteral("%1, at sectors %2").arg(t.errorSectors.size()).arg(ranges.join(QStringLiteral(", "))));
    if (log.testAndCopy && t.testErrorBlocks > 0) out << QStringLiteral("  Error blocks in the test read: %1").arg(t.testErrorBlocks);
    out << QStringLiteral("  Result: ") + QLatin1String(endName(t.end)) +
               (t.reason.isEmpty() ? QString() : QStringLiteral(": ") + t.reason);
    out << QString();
}

QByteArray digestOf(const QByteArray& bytes) { return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex(); }

const QLatin1String kChecksumLead("Log checksum: SHA-256 of every byte before this line (head -n -1 LOG | sha256sum): ");

}  // namespace

void Crc32::addBytes(const unsigned char* bytes, std::size_t count) {
    const auto& table = crcTable();
    std::uint32_t c = m_state;
    for (std::size_t i = 0; i < count; ++i) c = table[(c ^ bytes[i]) & 0xffu] ^ (c >> 8);
    m_state = c;
}

void Crc32::add(const std::int16_t* values, std::size_t count) {
    const auto& table = crcTable();
    std::uint32_t c = m_state;
    for (std::size_t i = 0; i < count; ++i) {
        const auto v = std::uint16_t(values[i]);
        c = table[(c ^ (v & 0xffu)) & 0xffu] ^ (c >> 8);
        c = table[(c ^ (v >> 8)) & 0xffu] ^ (c >> 8);
    }
    m_state = c;
}

QString msf(std::int64_t sectors) {
    const bool negative = sectors < 0;
    if (negative) sectors = -sectors;
    return QStringLiteral("%1%2:%3.%4")
        .arg(negative ? QStringLiteral("-") : QString())
        .arg(sectors / 75 / 60, 2, 10, QLatin1Char('0'))
        .arg(sectors / 75 % 60, 2, 10, QLatin1Char('0'))
        .arg(sectors % 75, 2, 10, QLatin1Char('0'));
}

Assessment assess(const Log& log) {
    Assessment a;
    QStringList problems, unconfirmed;
    for (const TrackRecord& t : log.tracks) trackProblems(log, t, problems, unconfirmed);
    if (log.tracks.empty()) problems << QStringLiteral("No track was ripped");
    if (!problems.isEmpty()) {
        a.kind = Assessment::Kind::NotAccurate;
        a.headline = QStringLiteral("Not all tracks accurately ripped");
    } else if (!unconfirmed.isEmpty()) {
        a.kind = Assessment::Kind::NoErrors;
        a.headline = QStringLiteral("All tracks ripped without errors, but not all accurately ripped");
    } else {
        a.headline = QStringLiteral("All tracks accurately ripped");
    }
    a.lines = problems + unconfirmed;
    return a;
}

std::optional<bool> cacheDefeated(const Log& log) {
    if (log.image) return std::nullopt;
    // Paranoia's reads (read modes 2 to 4) move the drive past its cache before a stretch is read
    // again; burst mode reads each stretch once, and Mode Safe's second read may come from the cache.
    return log.readMode >= 2;
}

QString text(const Log& log) {
    QStringList out;
    headerLines(log, out);
    driveLines(log, out);
    tocLines(log, out);
    for (const TrackRecord& t : log.tracks) trackLines(log, t, out);
    const Assessment a = assess(log);
    out << QStringLiteral("Summary");
    int copied = 0;
    for (const TrackRecord& t : log.tracks) copied += t.end == TrackRecord::End::Copied ? 1 : 0;
    out << QStringLiteral("  Tracks ripped: %1 of %2").arg(copied).arg(log.tracks.size());
    if (!log.accurateRipNote.isEmpty()) out << QStringLiteral("  AccurateRip: ") + log.accurateRipNote;
    out << QStringLiteral("  ") + a.headline;
    for (const QString& line : a.lines) out << QStringLiteral("    ") + line;
    out << QString();
    const QString body = out.join(QLatin1Char('\n')) + QLatin1Char('\n');
    return body + kChecksumLead + QString::fromLatin1(digestOf(body.toUtf8())) + QLatin1Char('\n');
}

namespace {

QJsonValue crcValue(const std::optional<std::uint32_t>& crc) { return crc ? QJsonValue(hex(*crc)) : QJsonValue(); }

QJsonObject driveObject(const Log& log) {
    const std::optional<bool> cache = cacheDefeated(log);
    return {{QStringLiteral("image"), log.image},
            {QStringLiteral("source"), log.source},
            {QStringLiteral("vendor"), log.vendor},
            {QStringLiteral("model"), log.model},
            {QStringLiteral("revision"), log.revision},
            {QStringLiteral("readOffset"), log.readOffset},
            {QStringLiteral("readOffsetSource"), log.readOffsetSource},
            {QStringLiteral("readMode"), log.readMode},
            {QStringLiteral("readModeName"), readModeName(log.readMode)},
            {QStringLiteral("safeMode"), log.safeMode},
            {QStringLiteral("retries"), log.retries},
            {QStringLiteral("errorAction"), errorActionName(log.errorAction)},
            {QStringLiteral("cacheDefeated"), cache ? QJsonValue(*cache) : QJsonValue()},
            {QStringLiteral("testAndCopy"), log.testAndCopy}};
}

QJsonObject tocObject(const DiscLayout& layout) {
    QJsonArray tracks;
    for (const TrackLayout& t : layout.tracks)
        tracks << QJsonObject{{QStringLiteral("number"), t.number}, {QStringLiteral("start"), t.start},
                              {QStringLiteral("length"), t.length}, {QStringLiteral("pregap"), t.pregap},
                              {QStringLiteral("audio"), t.audio}, {QStringLiteral("hidden"), t.number == 0},
                              {QStringLiteral("flags"), QJsonArray::fromStringList(flagsOf(t))}};
    return {{QStringLiteral("tracks"), tracks}, {QStringLiteral("leadOut"), layout.leadOut},
            {QStringLiteral("audioEnd"), layout.audioEnd}, {QStringLiteral("catalog"), layout.catalog}};
}

QJsonObject trackObject(const Log& log, const TrackRecord& t) {
    const TrackLayout* layout = log.layout.track(t.number);
    QJsonArray sectors;
    for (const std::int32_t s : t.errorSectors) sectors << s;
    const QJsonObject accurateRip{{QStringLiteral("verdict"), t.accurateRip.isEmpty() ? QJsonValue() : QJsonValue(t.accurateRip)},
                                  {QStringLiteral("matched"), t.accurateRipMatched},
                                  {QStringLiteral("mismatch"), t.accurateRipMismatch},
                                  {QStringLiteral("confidence"), t.accurateRipConfidence},
                                  {QStringLiteral("version"), t.accurateRipVersion},
                                  {QStringLiteral("v1"), crcValue(t.accurateRipV1)},
                                  {QStringLiteral("v2"), crcValue(t.accurateRipV2)}};
    return {{QStringLiteral("number"), t.number},
            {QStringLiteral("file"), t.file},
            {QStringLiteral("pregap"), layout ? layout->pregap : 0},
            {QStringLiteral("peak"), t.peak},
            {QStringLiteral("testCrc32"), crcValue(t.testCrc)},
            {QStringLiteral("copyCrc32"), crcValue(t.copyCrc)},
            {QStringLiteral("accurateRip"), accurateRip},
            {QStringLiteral("errorBlocks"), int(t.errorSectors.size())},
            {QStringLiteral("errorSectors"), sectors},
            {QStringLiteral("testErrorBlocks"), t.testErrorBlocks},
            {QStringLiteral("result"), QLatin1String(endName(t.end))},
            {QStringLiteral("reason"), t.reason}};
}

}  // namespace

QJsonObject json(const Log& log, const QString& textSha256) {
    QJsonArray tracks;
    for (const TrackRecord& t : log.tracks) tracks << trackObject(log, t);
    const Assessment a = assess(log);
    const char* const kinds[] = {"accurate", "noErrors", "notAccurate"};
    const QJsonObject summary{{QStringLiteral("result"), QLatin1String(kinds[int(a.kind)])},
                              {QStringLiteral("headline"), a.headline},
                              {QStringLiteral("lines"), QJsonArray::fromStringList(a.lines)},
                              {QStringLiteral("accurateRipNote"), log.accurateRipNote}};
    return {{QStringLiteral("program"), log.program},
            {QStringLiteral("date"), log.date.toString(Qt::ISODate)},
            {QStringLiteral("album"), log.album},
            {QStringLiteral("artist"), log.artist},
            {QStringLiteral("discId"), log.discId},
            {QStringLiteral("rip"), QLatin1String(endName(log.end))},
            {QStringLiteral("drive"), driveObject(log)},
            {QStringLiteral("toc"), tocObject(log.layout)},
            {QStringLiteral("tracks"), tracks},
            {QStringLiteral("summary"), summary},
            {QStringLiteral("logSha256"), textSha256}};
}

QString baseName(const Log& log) {
    QString name = log.album.trimmed();
    if (name.isEmpty()) name = QStringLiteral("Disc ") + (log.discId.isEmpty() ? QStringLiteral("unknown") : log.discId);
    name.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QChar(u'\0'), QLatin1Char('_'));
    // A name of dots alone would name the folder or the one above it.
    if (name.count(QLatin1Char('.')) == name.size()) name.fill(QLatin1Char('_'));
    return name;
}

Written write(const Log& log, const QString& folder) {
    Written w;
    const QDir dir(folder);
    const QString base = baseName(log);
    for (int n = 1; w.logPath.isEmpty(); ++n) {
        const QString name = n == 1 ? base : QStringLiteral("%1 (%2)").arg(base).arg(n);
        const QString logPath = dir.filePath(name + QStringLiteral(".log"));
        const QString jsonPath = dir.filePath(name + QStringLiteral(".json"));
        if (QFileInfo::exists(logPath) || QFileInfo::exists(jsonPath)) continue;
        w.logPath = logPath;
        w.jsonPath = jsonPath;
    }
    const QByteArray body = text(log).toUtf8();
    const QByteArray jsonBytes = QJsonDocument(json(log, hashedPartDigest(body))).toJson(QJsonDocument::Indented);
    for (const auto& [path, bytes] : {std::pair{w.logPath, body}, std::pair{w.jsonPath, jsonBytes}}) {
        // Unbuffered: a write cut short (a full disk, a size limit) shows here, not as a short file.
        QSaveFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || f.write(bytes) != bytes.size() || !f.commit() ||
            QFileInfo(path).size() != bytes.size()) {
            // Shown to the user, unlike the log's own text, which stays English.
            w.error = QCoreApplication::translate("RipLog", "The rip log '%1' could not be written: %2").arg(path, f.errorString());
            return w;
        }
    }
    return w;
}

QString hashedPartDigest(const QByteArray& logBytes) {
    QByteArray bytes = logBytes;
    if (bytes.endsWith('\n')) bytes.chop(1);
    const qsizetype lastLine = bytes.lastIndexOf('\n');
    if (lastLine < 0) return {};
    return QString::fromLatin1(digestOf(bytes.left(lastLine + 1)));
}

bool checksumHolds(const QByteArray& logBytes) {
    QByteArray bytes = logBytes;
    if (!bytes.endsWith('\n')) return false;
    bytes.chop(1);
    const QByteArray last = bytes.mid(bytes.lastIndexOf('\n') + 1);
    if (!last.startsWith(QByteArray(kChecksumLead.data(), kChecksumLead.size()))) return false;
    return last.mid(kChecksumLead.size()) == hashedPartDigest(logBytes).toLatin1();
}

}  // namespace riplog
