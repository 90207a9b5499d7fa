#include "components/audio/cd/LocalDiscInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringList>

#include <discid/discid.h>

#include <algorithm>
#include <optional>

namespace {

constexpr std::int32_t kPregapFrames = 150;  // two seconds before track 1
constexpr int kFramesPerSecond = 75;

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

DiscInfoResult failure(const QString& error) {
    DiscInfoResult r;
    r.error = error;
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
    // As libdiscid reads a disc: track 1 (a data track in front stays) up to the last audio
    // track, ending where the audio ends (11,400 sectors before a data track that follows), in
    // sectors counted from the start of the lead-in, the pre-gap included.
    const int last = toc.lastAudioTrack();
    if (last == 0) return {};
    int offsets[100] = {};
    offsets[0] = toc.audioEnd() + kPregapFrames;
    for (int i = 0; i < last; ++i) offsets[i + 1] = std::max(toc.trackStarts[std::size_t(i)], 0) + kPregapFrames;
    DiscId* disc = discid_new();
    if (!disc) return {};
    QString id;
    if (discid_put(disc, 1, last, offsets)) id = QString::fromLatin1(discid_get_id(disc));
    discid_free(disc);
    return id;
}

QString defaultCdplayerIniPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Brindlewood/cdplayer.ini");
}

DiscInfoResult readCdplayerIni(const DiscToc& toc, const QString& iniPath) {
    const QString id = cddbDiscId(toc);
    if (id.isEmpty()) return failure(QCoreApplication::translate("DiscLookup", "There is no audio disc to look up."));
    const auto keys = readSection(iniPath, id);
    // An entry whose track count differs belongs to another disc with the same id.
    bool countOk = true;
    if (keys && keys->contains(QStringLiteral("numtracks")))
        countOk = keys->value(QStringLiteral("numtracks")).toInt() == toc.trackCount();
    if (!keys || !countOk) return failure(QCoreApplication::translate("DiscLookup", "cdplayer.ini has no entry for disc %1.").arg(id));
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
