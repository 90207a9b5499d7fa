#include "cli/DiscTracks.h"

#include "components/audio/cd/CdGrabber.h"
#include "components/audio/cd/CdTrackTags.h"
#include "runs/ConverterRules.h"
#include "runs/RipCueSheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <memory>

namespace cli {

DiscTracks openDisc(CdGrabber& grabber, const QString& cd, const QList<int>& tracks) {
    DiscTracks result;
    const QFileInfo info(cd);
    if (info.isFile()) {
        if (grabber.OpenImage(cd) < 0) {
            result.error =
                QCoreApplication::translate("velloria-convert", "the disc image '%1' could not be opened: %2").arg(cd, grabber.reason());
            return result;
        }
    } else {
        const QString device = info.exists() ? info.canonicalFilePath() : cd;
        int found = -1;
        for (int i = 0; i < grabber.DriveCount() && found < 0; ++i) {
            grabber.setCurrentDrive(i);
            const QFileInfo source(grabber.driveSource());
            if (grabber.driveSource() == cd || (source.exists() && source.canonicalFilePath() == device)) found = i;
        }
        if (found < 0) {
            result.error =
                QCoreApplication::translate("velloria-convert", "'%1' is neither a disc image nor a CD drive of this machine").arg(cd);
            return result;
        }
    }
    QStringList all;
    for (const QString& name : QDir(grabber.RootText()).entryList({QStringLiteral("Track*.cda")}, QDir::Files, QDir::Name))
        all << grabber.RootText() + name;
    if (all.isEmpty()) {
        result.error = QCoreApplication::translate("velloria-convert", "'%1' holds no audio tracks").arg(cd);
        return result;
    }
    if (tracks.isEmpty()) {
        result.entries = all;
        return result;
    }
    for (const int track : tracks) {
        const auto entry = std::find_if(all.cbegin(), all.cend(), [track](const QString& e) {
            return converter::trackNumberOf(e) == track;
        });
        if (entry == all.cend()) {
            result.error = QCoreApplication::translate("velloria-convert", "the disc has no audio track %1").arg(track);
            result.entries.clear();
            return result;
        }
        result.entries << *entry;
    }
    return result;
}

TagReader discTags(const CdGrabber& grabber, const QString& cdplayerIni) {
    const auto info = std::make_shared<DiscInfo>(knownDiscInfo(grabber, cdplayerIni).value_or(DiscInfo{}));
    return [info](const QString& entry) {
        QMap<QString, QString> tags;
        const std::optional<int> track = converter::trackNumberOf(entry);
        if (!track) return tags;
        // The names take the values the outputs are tagged with; the artist is the disc's, as the
        // window names its folders, so that the tracks of a compilation stay together.
        const QMap<QString, QStringList> all = cdTrackTags(info.get(), *track, {});
        const auto value = [&all](const char* key) { return all.value(QLatin1String(key)).value(0); };
        const QString artist = value("ALBUMARTIST").isEmpty() ? value("ARTIST") : value("ALBUMARTIST");
        const QMap<QString, QString> named{{QStringLiteral("TRACKNUMBER"), value("TRACKNUMBER")},
                                           {QStringLiteral("ARTIST"), artist},
                                           {QStringLiteral("ALBUM"), value("ALBUM")},
                                           {QStringLiteral("TITLE"), value("TITLE")}};
        for (auto it = named.cbegin(); it != named.cend(); ++it)
            if (!it.value().isEmpty()) tags.insert(it.key(), it.value());
        return tags;
    };
}

QList<PlannedFile> oneFilePlan(const QList<PlannedFile>& plan, const CdGrabber& grabber, const QString& cdplayerIni,
                               const QString& formatKey, Existing existing) {
    if (plan.isEmpty() || plan.front().kind == PlannedFile::Kind::Fail) return plan.mid(0, 1);
    PlannedFile file = plan.front();
    const converter::RipCueSheet sheet(grabber.layout(), knownDiscInfo(grabber, cdplayerIni));
    file.output = sheet.oneFilePath(file.output, formatKey);
    file.kind = PlannedFile::Kind::Convert;
    if (QFileInfo::exists(file.output) && existing == Existing::Skip) file.kind = PlannedFile::Kind::Skip;
    // A free name would not be the disc's: the one file is never renamed, nor written over unasked.
    if (QFileInfo::exists(file.output) && existing == Existing::Rename) {
        file.kind = PlannedFile::Kind::Fail;
        //: Option names and their values stay as they are
        file.reason = QCoreApplication::translate("velloria-convert",
                                                  "%1 exists and the disc's one file is named after the disc (use --existing skip or "
                                                  "overwrite)")
                          .arg(file.output);
    }
    return {file};
}

}  // namespace cli
