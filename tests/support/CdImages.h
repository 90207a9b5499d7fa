#pragma once
// Audio CD images made at test time: raw 16-bit little-endian stereo tracks at 44100 Hz,
// whole sectors each, in a .bin with a .cue sheet; cd-paranoia's rip of a track as the
// reference a read is compared with; and a scratched disc under the grabber's reads.

#include "components/audio/cd/CdGrabber.h"
#include "components/audio/engine/SampleBlock.h"

#include <QString>

#include <map>
#include <set>
#include <vector>

namespace testing_support {

constexpr int kCdSectorFrames = 588;
constexpr int kCdSectorValues = 2 * kCdSectorFrames;

// Seeded white noise, different on each channel, near full scale.
SampleBlock cdNoise(int sectors, unsigned seed = 7);
// A pure sine of `hz` on both channels: exactly periodic, the case overlap matching gets wrong.
SampleBlock cdTone(int sectors, double hz = 441.0);
// Speech-like: voiced syllables of a wandering pitch with a few harmonics, separated by pauses
// of digital silence.
SampleBlock cdSpeech(int sectors);

struct CdImage {
    QString cue;
    QString bin;
    std::vector<SampleBlock> tracks;
    std::vector<int> starts;  // first sector of each track
    int leadOut = 0;
};

// Writes `dir`/`name`.bin and `dir`/`name`.cue holding `tracks` (each whole sectors).
CdImage writeCdImage(const QString& dir, const QString& name, std::vector<SampleBlock> tracks);

// The disc the look-up and verification tests share: three tracks (noise, a tone, speech) of
// 460, 200 and 460 sectors, with CD-Text in its cue sheet when `cdText` is set: the disc's TITLE
// "Text Album" and PERFORMER "Text Artist", each track's TITLE, a PERFORMER of its own where one
// is given (empty: none), and the ISRCs given. Its ids are fixed by its layout.
extern const char* const kReferenceTextTitles[3];
extern const char* const kReferenceTextPerformers[3];
extern const char* const kReferenceIsrcs[3];
CdImage writeReferenceDisc(const QString& dir, bool cdText = false);
// Writes `track` as a 44100 Hz stereo WAV file.
bool writeWav(const QString& path, const SampleBlock& track);

// cd-paranoia's rip of `track` of the image (full paranoia); empty with `error` set on failure.
SampleBlock cdParanoiaRip(const QString& cue, int track, QString* error);

// A scratched disc, put beneath the grabber's reads (CdGrabber::setDriveLayer): every read
// that reaches an unreadable sector stops short before it (or fails, when it starts there);
// a misread sector gives wrong data, different each time, on its next n reads (-1: always).
struct ScratchedDisc : CdDriveLayer {
    std::set<std::int32_t> unreadable;
    std::map<std::int32_t, int> misreads;
    long reads = 0;  // reads that reached the disc
    long readAudio(std::int32_t lsn, long sectors, void* buffer, const DeviceRead& device) override;

private:
    unsigned m_seed = 1;
};

}  // namespace testing_support
