#include "runs/SheetSources.h"

#include "components/ComponentError.h"
#include "components/audio/cd/CueTrackSource.h"
#include "components/audio/codecs/AudioFile.h"
#include "components/audio/engine/FileEndpoints.h"
#include "components/audio/tags/AudioInfo.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace converter {

std::unique_ptr<audio::AudioSource> sourceOf(AudioFile& reader, const QString& p) {
    if (cue::entryRef(p)) return std::make_unique<audio::CueTrackSource>(p);
    return std::make_unique<audio::AudioFileSource>(reader, p);
}

QStringList filesReadBy(const QString& p) {
    const std::optional<cue::EntryRef> ref = cue::entryRef(p);
    if (!ref) return {p};
    return cue::readAudioSheet(ref->sheet, false).files << ref->sheet;
}

QString writeSheetTags(AudioInfo& tags, const QString& p, const QString& part) {
    const std::optional<cue::EntryRef> ref = cue::entryRef(p);
    const cue::AudioSheet sheet = ref ? cue::readAudioSheet(ref->sheet, false) : cue::AudioSheet{};
    const cue::AudioTrack* track = sheet.track(ref ? ref->number : 0);
    if (!track) return QCoreApplication::translate("SheetSources", "The tags could not be written: %1 no longer names the track.").arg(p);
    try {
        // The file's own tags describe the whole album (its date, genre, cover); its title and
        // numbers are the album's, which the sheet's track values replace.
        QMap<QString, QStringList> properties;
        try {
            tags.ReadTags(track->file);
            properties = tags.properties();
        } catch (const ComponentError&) {
            // A file without readable tags is tagged from the sheet alone.
            tags.setPictures({});
        }
        for (const char* key : {"TITLE", "TRACKNUMBER", "TRACKTOTAL", "ISRC", "CUESHEET"}) properties.remove(QLatin1String(key));
        const QMap<QString, QStringList> own = cue::trackTags(sheet, *track);
        for (auto it = own.cbegin(); it != own.cend(); ++it) properties.insert(it.key(), it.value());
        tags.setProperties(properties);
        tags.WriteTags(part);
    } catch (const ComponentError& e) {
        return QCoreApplication::translate("SheetSources", "The tags could not be written (the source is kept): %1").arg(e.description());
    }
    return {};
}

namespace {
QString fileKey(const QString& path) { return QFileInfo(path).absoluteFilePath(); }
// What reads a file: a sheet for each of its tracks, else the entry's own source.
QString readerOf(const QString& p) {
    const std::optional<cue::EntryRef> ref = cue::entryRef(p);
    return ref ? fileKey(ref->sheet) : fileKey(p);
}
}  // namespace

void SheetDeletion::plan(const RunSnapshot& snapshot) {
    m_written.clear();
    m_readers.clear();
    for (const RunEntry& entry : snapshot.entries)
        if (snapshot.wholeList || entry.selected)
            for (const QString& file : filesReadBy(entry.source)) m_readers[fileKey(file)].insert(readerOf(entry.source));
}

QStringList SheetDeletion::written(const QString& p) {
    const std::optional<cue::EntryRef> ref = cue::entryRef(p);
    if (!ref) return {};
    QSet<int>& done = m_written[ref->sheet];
    done.insert(ref->number);
    const cue::AudioSheet sheet = cue::readAudioSheet(ref->sheet, false);
    if (sheet.tracks.empty()) return {};
    for (const cue::AudioTrack& t : sheet.tracks)
        if (!done.contains(t.number)) return {};
    m_written.remove(ref->sheet);
    QStringList deletable;
    const QStringList files = QStringList(sheet.files) << ref->sheet;
    for (const QString& file : files) {
        const QSet<QString> readers = m_readers.value(fileKey(file));
        if (readers.isEmpty() || readers == QSet<QString>{readerOf(p)}) deletable << file;
    }
    return deletable;
}

}  // namespace converter
