#include "runs/RunPlan.h"

#include "components/audio/engine/FileOps.h"
#include "components/audio/cd/CueTracks.h"
#include "runs/ConverterRules.h"
#include "runs/SheetSources.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace converter {

EntryPlan planEntry(const RunSnapshot& snapshot, int index, QHash<QString, QString>& claimed) {
    using Kind = EntryPlan::Kind;
    const QString& p = snapshot.entries[index].source;
    const QString& q = snapshot.entries[index].output;
    const bool cd = isCdTrack(p);
    const auto text = [](const char* source, auto... args) { return runText("RunPlan", source, args...); };
    if (snapshot.sameFolder && cd)
        return {Kind::Message, text(QT_TRANSLATE_NOOP("RunPlan", "File '%1' is on a CD. Please choose another folder"), p)};
    if (snapshot.deleteSource && cd)
        return {Kind::Message, text(QT_TRANSLATE_NOOP("RunPlan", "File '%1' is on a CD. Can't delete this file"), p)};
    if (!QFileInfo(p).isFile() && !cue::entryRef(p))
        return {Kind::Message, text(QT_TRANSLATE_NOOP("RunPlan", "File '%1' is not exist."), p)};
    // Reading a file while writing it would destroy it (a sheet's track reads its audio file and the sheet).
    for (const QString& read : filesReadBy(p))
        if (audio::sameFile(read, q))
            return {Kind::Message, text(QT_TRANSLATE_NOOP("RunPlan", "File '%1' would be overwritten by its own output."), p)};
    // Writing one output twice would lose the first file's audio (and, with deletion, its source).
    const QString key = outputClaimKey(q);
    if (const auto earlier = claimed.constFind(key); earlier != claimed.constEnd())
        return {Kind::Refuse,
                text(QT_TRANSLATE_NOOP("RunPlan", "File '%1' would overwrite the output of '%2'. Rename it first."), p, *earlier)};
    claimed.insert(key, p);
    return {Kind::Convert, {}, cd};
}

QStringList outputFolders(const RunSnapshot& snapshot) {
    QSet<QString> folders;
    QStringList ordered;
    for (const RunEntry& entry : snapshot.entries) {
        if (entry.output.isEmpty()) continue;
        const QString folder = QFileInfo(entry.output).absolutePath();
        if (!folders.contains(folder)) ordered << folder;
        folders.insert(folder);
    }
    return ordered;
}

QString outputClaimKey(const QString& path) {
    const QFileInfo info(QDir::cleanPath(path));
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? info.absolutePath() : folder) + QLatin1Char('/') + info.fileName();
}

}  // namespace converter
