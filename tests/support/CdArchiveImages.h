#pragma once
// Disc images with what archival rips have to get right, made at test time as a
// .bin with its .cue sheet (what libcdio's bincue reader takes): a non-silent
// pre-gap before track 1 (a hidden track), gaps between tracks (INDEX 00),
// control flags (FLAGS PRE, DCP, 4CH), ISRCs, a catalogue number, CD-Text
// titles, and data tracks, first (mixed mode) or in a second session (an
// enhanced CD).
//
// What libcdio 2.1's image readers accept, and so how these images are written:
// - Neither the bincue nor the cdrdao reader knows sessions. The bincue reader
// skips every REM
//   line, so the sheet may say "REM SESSION 02" as other rippers write it;
//   libcdio ignores it. The cdrdao (.toc) reader refuses any word it does not
//   know (there is no SESSION word).
// - Every position in a sheet is an offset in the one BINARY file, whose name
// the reader takes
//   from the sheet's own (x.cue reads x.bin); every sector there is 2352 bytes,
//   data ones too (MODE1/2352 or MODE2/2352). So a second session is laid out
//   as a real drive's table of contents shows it: the data track starts 11,400
//   sectors after the audio session's end (its lead-out of 6,750 sectors, the
//   next session's lead-in of 4,500 and the data track's pre-gap of 150), and
//   the image holds those sectors too. A reader that does not know where the
//   audio ends reads them as part of the last audio track; here they hold a
//   loud pattern, so such a read shows.
// - The lead-out is the end of the .bin file.
// Positions are sectors from the start of the disc without its two-second
// pre-gap, as DiscToc counts them.

#include "components/audio/engine/SampleBlock.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace testing_support {

// The sectors between the end of an enhanced CD's audio and its data track.
constexpr int kSessionGapSectors = 11400;

struct ArchiveTrack {
    // An audio track's samples from its INDEX 01 on (whole sectors), and what its
    // INDEX 00 stretch before that holds (whole sectors; empty: no INDEX 00).
    // Track 1's pre-gap is the disc's first sectors: non-silent, it is a hidden
    // track.
    SampleBlock audio;
    SampleBlock pregap;
    // A data track (MODE1/2352) of `dataSectors` sectors instead of audio. In
    // session 2 it starts kSessionGapSectors after the end of the audio before it
    // (an enhanced CD).
    bool data = false;
    int dataSectors = 0;
    int session = 1;
    bool preEmphasis = false;    // FLAGS PRE
    bool copyPermitted = false;  // FLAGS DCP
    bool fourChannel = false;    // FLAGS 4CH
    QString isrc;
    QString title;      // CD-Text
    QString performer;  // CD-Text; empty: the disc's
};

struct ArchiveDisc {
    QString catalog;  // 13 digits, or empty
    QString title;    // CD-Text of the disc
    QString performer;
    std::vector<ArchiveTrack> tracks;
};

struct ArchiveImage {
    QString cue;
    QString bin;
    ArchiveDisc disc;
    std::vector<std::int32_t> starts;   // each track's INDEX 01
    std::vector<std::int32_t> pregaps;  // each track's INDEX 00 (its start when it has none)
    std::int32_t audioEnd = 0;          // one past the last audio sector
    std::int32_t leadOut = 0;           // the end of the image
    // What a rip of disc track `number` holds, with gaps appended to the track
    // before them (the grabber's way): its samples and the next audio track's
    // pre-gap. Number 0 is the hidden track (track 1's pre-gap).
    SampleBlock ripOf(int number) const;
    // The number of the first track, and of each data track.
    std::vector<int> dataTracks() const;
};

// Writes `dir`/`name`.bin and `dir`/`name`.cue; an empty cue path when it could
// not.
ArchiveImage writeArchiveImage(const QString& dir, const QString& name, const ArchiveDisc& disc);

// Ready-made discs, each small (a few hundred sectors of audio), with a
// catalogue number, CD-Text and ISRCs on some tracks:
// - hiddenTrackDisc: 300 sectors of noise before track 1's INDEX 01 (a hidden
// track), then
//   three tracks, a silent 150-sector gap before track 2 and a 75-sector gap
//   holding a tone before track 3. `silentPregap`: track 1's pre-gap is 150
//   sectors of digital silence instead.
// - preEmphasisDisc: two tracks, the second one FLAGS PRE (and DCP), a tone and
// noise.
// - enhancedDisc: three audio tracks with gaps, then a data track of 300
// sectors in session 2.
// - mixedModeDisc: a data track of 300 sectors first, then two audio tracks,
// the first one
//   after a 150-sector gap.
ArchiveDisc hiddenTrackDisc(bool silentPregap = false);
ArchiveDisc preEmphasisDisc();
ArchiveDisc enhancedDisc();
ArchiveDisc mixedModeDisc();

// sox's deemph of 44100 Hz stereo `samples`, undithered: the reference de-emphasis. Empty, with
// `error` set, when sox fails.
SampleBlock soxDeemphasis(const SampleBlock& samples, QString* error);

}  // namespace testing_support
