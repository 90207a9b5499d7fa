#include "runs/AlbumLoudnessTagger.h"

#include "components/ComponentError.h"
#include "components/audio/tags/LoudnessTags.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace converter {

void AlbumLoudnessTagger::plan(const RunSnapshot& snapshot) {
    m_active = snapshot.loudnessTags;
    m_albums.clear();
    if (!m_active) return;
    const auto albumOf = [this](const QString& source) -> Album& { return m_albums[QFileInfo(source).absolutePath()]; };
    for (const RunEntry& entry : snapshot.entries)
        if (snapshot.wholeList || entry.selected) ++albumOf(entry.source).pending;
    for (const RunEntry& entry : snapshot.existing) albumOf(entry.source).existing << entry.output;
    for (const QString& source : snapshot.notConverted) albumOf(source).missing = source;
    // An album the run converts nothing of keeps the values its outputs have.
    for (auto album = m_albums.begin(); album != m_albums.end();)
        album = album->pending == 0 ? m_albums.erase(album) : std::next(album);
}

void AlbumLoudnessTagger::written(const QString& source, const QString& output, const TrackMeasurement& measurement) {
    if (!m_active) return;
    Album& album = m_albums[QFileInfo(source).absolutePath()];
    album.loudness.add(measurement);
    album.outputs << output;
}

bool AlbumLoudnessTagger::ended(const QString& source, bool written, const Measure& measure, const Fail& fail) {
    if (!m_active) return true;
    const QString folder = QFileInfo(source).absolutePath();
    const auto album = m_albums.find(folder);
    if (album == m_albums.end()) return true;
    if (!written && album->missing.isEmpty()) album->missing = source;
    if (--album->pending > 0) return true;
    // Only a whole album gets album values: a cancelled run never reaches this for its album.
    const bool goOn = finish(folder, *album, measure, fail);
    m_albums.erase(album);
    return goOn;
}

// Outputs that existed before the run are measured from their files; one that cannot be leaves
// the album without values, as a file that was not converted does.
bool AlbumLoudnessTagger::finish(const QString& folder, Album& album, const Measure& measure, const Fail& fail) {
    for (const QString& q : std::as_const(album.existing)) {
        if (!album.missing.isEmpty()) break;
        const std::optional<audio::FileLoudness> measured = measure(q);
        if (!measured) return false;
        if (measured->measurement) album.loudness.add(*measured->measurement);
        else album.missing = q;
    }
    const QStringList outputs = album.outputs + album.existing;
    const Loudness loudness = album.loudness.loudness();
    for (const QString& q : outputs) {
        try {
            if (album.missing.isEmpty()) loudness_tags::writeAlbum(q, loudness);
            else if (QFileInfo::exists(q)) loudness_tags::removeAlbum(q);
        } catch (const ComponentError& e) {
            fail(q, QCoreApplication::translate("AlbumLoudnessTagger", "The album loudness tags could not be written: %1")
                        .arg(e.description()));
        }
    }
    if (!album.missing.isEmpty())
        fail(folder, QCoreApplication::translate("AlbumLoudnessTagger",
                                                 "No album loudness tags were written for this folder: '%1' has no whole output.")
                         .arg(album.missing));
    return true;
}

}  // namespace converter
