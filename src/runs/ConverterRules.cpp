#include "runs/ConverterRules.h"

#include "components/audio/Formats.h"
#include "components/audio/cd/CueTracks.h"
#include "runs/NamePattern.h"
#include "components/audio/engine/FileOps.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

#include <cmath>

namespace converter {

QString openDialogFilter() {
    // "All Supported files" first, then one filter per type in the table's order.
    QStringList every;
    QString each;
    for (const audio::InputFormat& format : audio::inputFormats()) {
        QStringList patterns;
        for (const QString& extension : format.extensions) patterns << QStringLiteral("*.") + extension;
        every << patterns;
        each += QStringLiteral("|%1 (%2)|%2").arg(format.filterCaption, patterns.join(QLatin1Char(';')));
    }
    const QString all = every.join(QLatin1Char(';'));
    return QCoreApplication::translate("ConverterRules", "All Supported files (%1)").arg(all) + QLatin1Char('|') + all + each;
}

QString dialogResultText(const QList<QUrl>& chosen) {
    QStringList paths;
    for (const QUrl& url : chosen)
        if (url.isLocalFile()) paths << url.toLocalFile();
    if (paths.size() <= 1) return paths.value(0);
    // A multiple selection comes from one folder.
    QString folder = QFileInfo(paths.first()).path();
    QStringList parts{folder};
    for (const QString& p : paths) parts << QFileInfo(p).fileName();
    return parts.join(QChar(u'\0'));
}

QStringList splitDialogResult(const QString& sFilenames) {
    const QStringList parts = sFilenames.split(QChar(u'\0'));
    if (parts.size() == 1) return parts;
    const QString& folder = parts.first();
    const QString separator = folder.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/");
    QStringList paths;
    for (qsizetype i = 1; i < parts.size(); ++i) paths << folder + separator + parts[i];
    return paths;
}

std::optional<QStringList> movedUp(const QStringList& entries, int s) {
    if (s <= 0 || s >= entries.size()) return std::nullopt;
    QStringList out = entries;
    out.swapItemsAt(s - 1, s);
    return out;
}

std::optional<QStringList> movedDown(const QStringList& entries, int s) {
    if (s < 0 || s >= entries.size() - 1) return std::nullopt;
    QStringList out = entries;
    out.swapItemsAt(s, s + 1);
    return out;
}

bool isCdTrack(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 && name.mid(dot + 1).compare(QStringLiteral("cda"), Qt::CaseInsensitive) == 0;
}

std::optional<int> trackNumberOf(const QString& path) {
    if (!isCdTrack(path) || path.size() < 6) return std::nullopt;
    const QString digits = path.mid(path.size() - 6, 2);
    if (!digits[0].isDigit() || !digits[1].isDigit()) return std::nullopt;
    return digits.toInt();
}

QString errorBlocksMessage(int errorBlocks, int errorAction) {
    if (errorBlocks == 0) return {};
    switch (errorAction) {
    case 1: return QCoreApplication::translate("ConverterRules", "%1 error blocks replaced with silence.").arg(errorBlocks);
    case 2: return QCoreApplication::translate("ConverterRules", "%1 error blocks cutted.").arg(errorBlocks);
    case 3: return QCoreApplication::translate("ConverterRules", "%1 error blocks corrected.").arg(errorBlocks);
    default: return {};
    }
}

QString verificationSummary(const VerificationTally& tally) {
    const int checked = tally.matched + tally.mismatched + tally.unknown;
    const int total = checked + tally.unverified;
    if (total == 0) return {};
    //: %1 is why no track could be verified
    if (checked == 0) return QCoreApplication::translate("ConverterRules", "AccurateRip: not verified, %1").arg(tally.reason);
    //: %1 tracks matched of %2; %3 is "track" or "tracks"
    QStringList parts{QCoreApplication::translate("ConverterRules", "AccurateRip: %1 of %2 %3 accurately ripped")
                          .arg(tally.matched)
                          .arg(total)
                          .arg(total == 1 ? QCoreApplication::translate("ConverterRules", "track")
                                          : QCoreApplication::translate("ConverterRules", "tracks"))};
    //: Counts of tracks, joined to the AccurateRip summary with commas
    if (tally.mismatched > 0) parts << QCoreApplication::translate("ConverterRules", "%1 not matching").arg(tally.mismatched);
    if (tally.unknown > 0) parts << QCoreApplication::translate("ConverterRules", "%1 not in the database").arg(tally.unknown);
    if (tally.withErrorBlocks > 0)
        parts << QCoreApplication::translate("ConverterRules", "%1 with error blocks").arg(tally.withErrorBlocks);
    if (tally.unverified > 0)
        parts << QCoreApplication::translate("ConverterRules", "%1 not verified (%2)").arg(tally.unverified).arg(tally.reason);
    return parts.join(QStringLiteral(", "));
}

QString outputPath(const QString& p, const QString& key, bool sameFolder, const QString& folder) {
    const QString name = p.mid(p.lastIndexOf(QLatin1Char('/')) + 1);
    if (const std::optional<cue::EntryRef> ref = cue::entryRef(p)) {
        // A sheet's track is named from the sheet, beside the sheet.
        const cue::AudioSheet sheet = cue::readAudioSheet(ref->sheet, false);
        const cue::AudioTrack* track = sheet.track(ref->number);
        const QString base = sameFolder ? cue::sourceFolder(p) + QLatin1Char('/') : folder + QLatin1Char('/');
        return base + (track ? cue::trackName(*track) : name) + QLatin1Char('.') + key;
    }
    const QString base = sameFolder ? p.left(p.size() - name.size()) : folder + QLatin1Char('/');
    return base + audio::nameWithoutExtension(p) + QLatin1Char('.') + key;
}

QString defaultOutputFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::MusicLocation) + QStringLiteral("/Converted Music");
}

QString namedCdTrackOutput(const QString& folder, const DiscInfo& info, int track, const QString& key) {
    const auto safe = [](QString name, const QString& otherwise) {
        name.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QChar(0), QLatin1Char('_'));
        name = name.simplified();
        // "." and ".." would name the folder itself or the one above it.
        if (!name.isEmpty() && name.count(QLatin1Char('.')) == name.size()) name.replace(QLatin1Char('.'), QLatin1Char('_'));
        return name.isEmpty() ? otherwise : name;
    };
    const QString number = QStringLiteral("%1").arg(track, 2, 10, QLatin1Char('0'));
    const QString title = safe(info.trackTitles.value(track - 1), QStringLiteral("Track ") + number);
    QString base = folder;
    if (!base.endsWith(QLatin1Char('/'))) base += QLatin1Char('/');
    return base + safe(info.artist, QStringLiteral("Unknown Artist")) + QLatin1Char('/') +
           safe(info.album, QStringLiteral("Unknown Album")) + QLatin1Char('/') + number + QStringLiteral(" - ") + title +
           QLatin1Char('.') + key;
}

QString patternOutputPath(const QString& p, const QString& key, bool sameFolder, const QString& folder,
                          const QString& pattern, const QMap<QString, QString>& tags) {
    const QFileInfo plain(outputPath(p, key, sameFolder, folder));
    const QString name = naming::expandPattern(pattern, p, {}, tags);
    return plain.path() + QLatin1Char('/') + name + QLatin1Char('.') + plain.suffix();
}

}  // namespace converter
