#pragma once
// The tracks of a disc for velloria-convert --cd: the drive or disc image opened in the grabber,
// the tracks asked for as the grabber's track entries, and the disc information the output
// names may use.

#include "cli/Plan.h"

#include <QList>
#include <QString>
#include <QStringList>

class CdGrabber;

namespace cli {

struct DiscTracks {
    QStringList entries;  // the grabber's "TrackNN.cda" entries, in track order
    QString error;        // why the disc cannot be read; empty when it can
};

// Opens `cd` (a disc image file, or the device of a drive) as the grabber's current drive and
// lists `tracks` of it (every audio track when empty).
DiscTracks openDisc(CdGrabber& grabber, const QString& cd, const QList<int>& tracks);

// Tags for the output names of the grabber's track entries: ARTIST (the disc's), ALBUM, TITLE and
// TRACKNUMBER from the disc information known for the disc (knownDiscInfo), as the outputs are
// tagged.
TagReader discTags(const CdGrabber& grabber, const QString& cdplayerIni);

// The disc as one file: the first of `plan` (the disc's first track, planned as a track) with
// the one file as its output (converter::RipCueSheet names it after the disc, FLAC or, for
// `formatKey` WAV, WAV), skipped or overwritten as `existing` says when it is there (it fails
// with --existing rename: a free name would not be the disc's).
QList<PlannedFile> oneFilePlan(const QList<PlannedFile>& plan, const CdGrabber& grabber, const QString& cdplayerIni,
                               const QString& formatKey, Existing existing);

}  // namespace cli
