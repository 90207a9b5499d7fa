#pragma once
// A disc image with what the CUE sheet of a rip records: pre-gaps between tracks (audio held in
// the image before each track's INDEX 01), ISRCs, a catalogue number and control flags; and the
// independent tools a rip's sheet and files are checked with (cuetools, flac, metaflac, ffmpeg).

#include "support/CdImages.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace testing_support {

struct GappedDisc {
    CdImage image;          // its .cue and .bin; `starts` are the tracks' INDEX 01 sectors
    std::vector<int> pregaps;  // sectors of each track's INDEX 00 (0: none)
    QStringList isrcs;      // each track's, "" for none
    QStringList flags;      // each track's FLAGS, "" for none
    QString catalog;
    SampleBlock audio;      // every sector of the image, in order
};

// Three tracks: noise of 300 sectors (DCP, an ISRC), a tone of 200 with a pre-gap of 75 (PRE, no
// ISRC), speech of 260 with a pre-gap of 150 (DCP PRE, an ISRC); catalogue number 0614223012347.
GappedDisc writeGappedDisc(const QString& dir);

// "m:ss.ff" as cuebreakpoints prints a position of `sectors`.
QString breakpointText(int sectors);
// cuebreakpoints' lines for `cue` with `gaps` ("--append-gaps", "--prepend-gaps"); `error` set
// when it failed.
QStringList cueBreakpoints(const QString& cue, const QString& gaps, QString* error);
// cueprint's text for `cue` with the disc and track formats given; `error` set when it failed.
QString cuePrint(const QString& cue, const QString& discFormat, const QString& trackFormat, QString* error);
// The samples of an audio file as 16-bit stereo, decoded by flac -d (FLAC) or ffmpeg (the rest).
SampleBlock decodeIndependently(const QString& path, QString* error);
// The CUESHEET block of a FLAC file as metaflac exports it; `error` set when it has none.
QString exportedCueSheet(const QString& flac, QString* error);
// The values of tag `name` of a FLAC file as metaflac shows them.
QStringList flacTag(const QString& flac, const QString& name);

}  // namespace testing_support
