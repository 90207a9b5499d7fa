#include "runs/RipCueSheet.h"

#include "runs/NamePattern.h"

#include <QDir>
#include <QFileInfo>

namespace converter {
namespace {

QString dateOf(const DiscInfo& info) {
    if (!info.date.isEmpty()) return info.date;
    return info.year > 0 ? QString::number(info.year) : QString();
}

}  // namespace

RipCueSheet::RipCueSheet(DiscLayout layout, std::optional<DiscInfo> info) : m_layout(std::move(layout)), m_info(std::move(info)) {}

std::vector<TrackLayout> RipCueSheet::audioTracks() const {
    std::vector<TrackLayout> tracks;
    for (const TrackLayout& t : m_layout.tracks)
        if (t.audio && t.number >= 1 && t.number <= 99) tracks.push_back(t);
    return tracks;
}

QString RipCueSheet::fileType(const QString& file) {
    const QString suffix = QFileInfo(file).suffix().toLower();
    if (suffix == QLatin1String("mp3")) return QStringLiteral("MP3");
    if (suffix == QLatin1String("aif") || suffix == QLatin1String("aiff")) return QStringLiteral("AIFF");
    return QStringLiteral("WAVE");
}

cue::Sheet RipCueSheet::discSheet() const {
    cue::Sheet sheet;
    sheet.catalog = m_layout.catalog;
    if (m_info) {
        sheet.performer = m_info->artist;
        sheet.title = m_info->album;
        if (!m_info->genre.isEmpty()) sheet.remarks << QStringLiteral("GENRE ") + m_info->genre;
        if (const QString date = dateOf(*m_info); !date.isEmpty()) sheet.remarks << QStringLiteral("DATE ") + date;
        if (!m_info->discId.isEmpty()) sheet.remarks << QStringLiteral("DISCID ") + m_info->discId.toUpper();
    }
    return sheet;
}

cue::Track RipCueSheet::track(const TrackLayout& t) const {
    cue::Track out;
    out.number = t.number;
    out.isrc = t.isrc;
    if (t.preEmphasis) out.flags << QStringLiteral("PRE");
    if (t.copyPermitted) out.flags << QStringLiteral("DCP");
    if (t.fourChannel) out.flags << QStringLiteral("4CH");
    if (m_info) {
        const auto i = qsizetype(t.number - 1);
        out.title = m_info->trackTitles.value(i);
        out.performer = m_info->trackArtists.value(i).trimmed();
        if (out.performer.isEmpty()) out.performer = m_info->artist;
    }
    return out;
}

cue::Sheet RipCueSheet::perTrack(const QMap<int, QString>& files) const {
    cue::Sheet sheet = discSheet();
    std::optional<TrackLayout> previous;  // the audio track before, when its file is listed
    // Audio hidden before track 1, ripped as track 0, holds track 1's pre-gap in its file.
    if (const TrackLayout* hidden = m_layout.track(0); hidden && files.contains(0)) previous = *hidden;
    for (const TrackLayout& t : audioTracks()) {
        const auto file = files.constFind(t.number);
        if (file == files.constEnd()) {
            previous.reset();
            continue;
        }
        cue::Track out = track(t);
        // The previous track's file runs up to this track's INDEX 01: it holds the pre-gap.
        // (The hidden track's file is the whole pre-gap of track 1, its INDEX 00 where the gap starts.)
        const std::int32_t gapStart = t.start - t.pregap;
        const bool gapHeld = previous && previous->number == t.number - 1 && previous->start <= gapStart &&
                             (previous->start + previous->length == gapStart || previous->number == 0);
        if (t.pregap > 0 && gapHeld) {
            const QString before = files.value(previous->number);
            out.indexes.push_back({0, before, fileType(before), gapStart - previous->start});
        } else {
            out.pregap = t.pregap;
        }
        out.indexes.push_back({1, *file, fileType(*file), 0});
        sheet.tracks.push_back(out);
        previous = t;
    }
    return sheet;
}

std::vector<TrackLayout> RipCueSheet::oneFileTracks() const {
    std::vector<TrackLayout> tracks;
    if (const TrackLayout* hidden = m_layout.track(0); hidden && hidden->audio) tracks.push_back(*hidden);
    for (const TrackLayout& t : audioTracks()) tracks.push_back(t);
    return tracks;
}

cue::Sheet RipCueSheet::oneFile(const QString& file) const {
    cue::Sheet sheet = discSheet();
    const std::vector<TrackLayout> tracks = audioTracks();
    if (tracks.empty()) return sheet;
    const std::int32_t origin = oneFileTracks().front().start;
    const QString type = fileType(file);
    for (const TrackLayout& t : tracks) {
        cue::Track out = track(t);
        if (t.pregap > 0 && t.start - t.pregap >= origin) out.indexes.push_back({0, file, type, t.start - t.pregap - origin});
        else out.pregap = t.pregap;
        out.indexes.push_back({1, file, type, t.start - origin});
        sheet.tracks.push_back(out);
    }
    return sheet;
}

QString RipCueSheet::discName() const {
    QMap<QString, QString> tags;
    if (m_info) {
        tags.insert(QStringLiteral("ARTIST"), m_info->artist);
        tags.insert(QStringLiteral("ALBUM"), m_info->album);
    }
    // A sheet cannot name a file whose name holds a double quote.
    return naming::expandPattern(QStringLiteral("{artist} - {album}"), QStringLiteral("CD"), {}, tags).replace(QLatin1Char('"'), QLatin1Char('\''));
}

QString RipCueSheet::oneFilePath(const QString& trackOutput, const QString& formatKey) const {
    const QFileInfo track(trackOutput);
    QString suffix = track.suffix();
    if (formatKey != QLatin1String("WAV")) {
        const bool upper = !suffix.isEmpty() && suffix == suffix.toUpper();
        suffix = upper ? QStringLiteral("FLAC") : QStringLiteral("flac");
    }
    return track.dir().filePath(discName() + QLatin1Char('.') + suffix);
}

QMap<QString, QStringList> RipCueSheet::oneFileTags(const cue::Sheet& sheet) const {
    QMap<QString, QStringList> tags;
    const auto put = [&tags](const char* key, const QString& value) {
        if (!value.isEmpty()) tags.insert(QLatin1String(key), {value});
    };
    if (m_info) {
        put("ALBUM", m_info->album);
        put("ARTIST", m_info->artist);
        put("ALBUMARTIST", m_info->artist);
        put("GENRE", m_info->genre);
        put("DATE", dateOf(*m_info));
    }
    put("CUESHEET", QString::fromUtf8(cue::text(sheet)));
    return tags;
}

}  // namespace converter
