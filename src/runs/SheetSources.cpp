#include "runs/SheetSources.h"

#include "components/ComponentError.h"
#include "components/audio/cd/CueTrackSource.h"
#include "components/audio/codecs/AudioFile.h"
#include "components/audio/engine/FileEndpoints.h"
#include "components/audio/tags/AudioInfo.h"

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
    if (!track) return QStringLiteral("The tags could not be written: %1 no longer names the track.").arg(p);
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
        return QStringLiteral("The tags could not be written (the source is kept): ") + e.description();
    }
    return {};
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
    return QStringList(sheet.files) << ref->sheet;
}

}  // namespace converter
