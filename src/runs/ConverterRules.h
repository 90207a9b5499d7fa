#pragma once
// The converter's rules that need no window: the open dialog's filter and result text, the
// splitting of that text into paths, reordering and CD-track names.

#include "components/audio/cd/CdTypes.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

namespace converter {

// The filters of the open-file dialog: the first selects every type the converter reads,
// then one per type, FLAC and disc images last.
QString openDialogFilter();

// The dialog's result as one text: a single path as it is; several files as the folder,
// then each file name, separated by NUL characters.
QString dialogResultText(const QList<QUrl>& chosen);

// Splits a dialog result text into full paths: one part is returned unchanged; otherwise
// part 0 is the folder and each other part a name joined to it with "/", except that no "/"
// is added after a folder that already ends in one (the root).
QStringList splitDialogResult(const QString& sFilenames);

// The entries after moving the entry `s` (the highest selected) one place up or down; nothing
// when it cannot move.
std::optional<QStringList> movedUp(const QStringList& entries, int s);
std::optional<QStringList> movedDown(const QStringList& entries, int s);

// True when the file name's extension (after its last dot) is "cda", in any letter case.
bool isCdTrack(const QString& path);
// The track number a CD track's name ends in: the two digits just before ".cda"
// ("Track05.cda" gives 5); nothing when they are not two digits.
std::optional<int> trackNumberOf(const QString& path);
// The message at the end of a CD track with error blocks, by the grabber's action on read
// errors (1 silence, 2 cut, 3 corrected); empty when there were none or the action has none.
QString errorBlocksMessage(int errorBlocks, int errorAction);

// What the AccurateRip verification of a run's CD tracks came to, counted over its tracks.
struct VerificationTally {
    int matched = 0;
    int mismatched = 0;
    int unknown = 0;          // not in the database
    int unverified = 0;       // no record could be had for their disc
    int withErrorBlocks = 0;  // read with error blocks, whatever their verdict
    QString reason;           // why a record could not be had (the first disc's reason)
    // A track does not match or had error blocks: worth a message of its own.
    bool attention() const { return mismatched > 0 || withErrorBlocks > 0; }
};
// The tally in one line for the status bar, e.g. "AccurateRip: 2 of 3 tracks accurately ripped,
// 1 not matching"; empty when no track was verified.
QString verificationSummary(const VerificationTally& tally);

// The output path of input `p` for the format key (e.g. "MP3"): beside the source, or in
// `folder`; either way the file name's extension, whatever its length, gives way to "." + key
// (audio::nameWithoutExtension): "song.flac" gives "song.MP3", "notes" gives "notes.MP3".
QString outputPath(const QString& p, const QString& key, bool sameFolder, const QString& folder);

// The output of CD track `track` named from the disc information:
// `folder`/<artist>/<album>/<NN> - <title>.<key>. Characters a file name cannot hold ("/", NUL)
// become "_", names of dots alone are kept from leaving the folder, and an empty artist, album
// or title gives "Unknown Artist", "Unknown Album" or "Track NN".
QString namedCdTrackOutput(const QString& folder, const DiscInfo& info, int track, const QString& key);

// The output of `p` named by `pattern` (runs/NamePattern) from the source's `tags`, in the folder
// outputPath would put it in, with the extension outputPath gives.
QString patternOutputPath(const QString& p, const QString& key, bool sameFolder, const QString& folder,
                          const QString& pattern, const QMap<QString, QString>& tags);

// The custom output folder when none is stored: the Music folder + "/Converted Music".
QString defaultOutputFolder();

}  // namespace converter
