#pragma once
// What the local stand-ins for MusicBrainz, the Cover Art Archive and the AccurateRip server
// serve for the reference disc (CdImages' writeReferenceDisc), and settings that point the
// look-ups at a WebServer.

#include "components/audio/cd/AccurateRip.h"
#include "components/audio/cd/CdTypes.h"
#include "components/net/DiscLookup.h"
#include "support/CdImages.h"
#include "support/WebServer.h"

#include <QByteArray>
#include <QString>

namespace testing_support {

// The reference disc's MusicBrainz disc id and releases (their release-track ids are their
// recording ids with a "t" for the first letter): "Morning Album" (one CD, titles Dawn, Noon,
// Dusk) and "Morning Album (Deluxe)", two CDs with the disc as the second (Bonus One, Two,
// Three), and a third release none of whose media hold the disc.
extern const char* const kReferenceDiscId;
extern const char* const kSingleReleaseId;
extern const char* const kDeluxeReleaseId;
QByteArray referenceReleasesJson();
// The path (with its query) of the look-up of the reference disc.
QString referenceLookupPath();
// A small PNG, served as the single release's front cover.
QByteArray coverPicture();

// A compilation that holds the reference disc as the first of its two CDs: "Morning Mix" by
// "Various Artists", every track with an artist credit of its own (kCompilationArtists; track 2
// of two artists) and its release-track id, the recordings of tracks 1 and 3 with one ISRC each
// and that of track 2 with two. Served alone for the disc, with its cover at 1200 pixels.
extern const char* const kCompilationReleaseId;
extern const char* const kCompilationArtists[3];
extern const char* const kCompilationIsrcs[3];  // empty: none to take
QString compilationTrackId(int track);         // the release-track id of track `track` (from 1)
QByteArray compilationReleaseJson();
void serveCompilation(WebServer& server);

// The AccurateRip record of the image's own checksums (confidence 3 each, in the second of two
// blocks), with track `differing` (1-based, 0: none) given another checksum.
QByteArray recordOf(const CdImage& image, int differing = 0, int confidence = 3);
// The image's tracks as a verification is given them.
std::vector<net::TrackChecksums> checksumsOf(const CdImage& image);

// Serves the releases, the cover and (when not empty) `record` for the reference disc.
void serveReferenceDisc(WebServer& server, const QByteArray& record);
// The grab settings that send every look-up to `server`, with a short time-out.
GrabSettings settingsFor(const WebServer& server);

// A way a web service misbehaves, served for every path, and what each look-up makes of it: a
// text its reason contains (none: the look-up is no failure, as a disc AccurateRip does not
// know). The reasons name the service where the look-up words them itself; the run names it for
// AccurateRip.
struct ServerFault {
    const char* name;
    WebServer::Answer answer;
    const char* cddb;
    const char* musicBrainz;
    const char* cover;
    const char* accurateRip;
};
const std::vector<ServerFault>& serverFaults();
// The time-out the look-ups are given against the faults, in ms.
constexpr int kFaultTimeOutMs = 1000;
// Bytes of the answer the fault table streams to show that large answers are refused.
constexpr qint64 kHugeAnswer = qint64(100) << 20;

}  // namespace testing_support
