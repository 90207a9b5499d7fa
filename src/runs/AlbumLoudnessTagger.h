#pragma once
// Album loudness tags of a run. An album is the files of the run that share a source folder: it
// gets album values only when every one of its files has its output when its last entry ends,
// and then all of its outputs (those written and those that existed before) get the same values,
// measured over all of them. Otherwise none of them keeps album values.

#include "components/audio/tags/FileLoudness.h"
#include "components/audio/tags/Loudness.h"
#include "runs/RunPlan.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace converter {

class AlbumLoudnessTagger {
public:
    // The loudness of a file; nothing when the run stopped while measuring.
    using Measure = std::function<std::optional<audio::FileLoudness>(const QString& path)>;
    using Fail = std::function<void(const QString& path, const QString& reason)>;

    // The albums of the entries `snapshot` converts; none without loudness tags.
    void plan(const RunSnapshot& snapshot);
    bool active() const { return m_active; }
    // `output` of `source` was put in place, measured as `measurement`.
    void written(const QString& source, const QString& output, const TrackMeasurement& measurement);
    // The entry of `source` ended (written or not, never cancelled): at its album's last, the
    // album's values are written, or removed. False when the run stopped meanwhile.
    bool ended(const QString& source, bool written, const Measure& measure, const Fail& fail);

private:
    struct Album {
        int pending = 0;  // entries still to end
        AlbumLoudness loudness;
        QStringList outputs;   // written so far
        QStringList existing;  // outputs that existed before the run
        QString missing;       // a source of the album that has no output
    };
    bool finish(const QString& folder, Album& album, const Measure& measure, const Fail& fail);

    bool m_active = false;
    QHash<QString, Album> m_albums;
};

}  // namespace converter
