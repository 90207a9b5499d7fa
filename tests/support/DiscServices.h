#pragma once
// What the local stand-ins for MusicBrainz, the Cover Art Archive and the AccurateRip server
// serve for the reference disc (CdImages' writeReferenceDisc), and settings that point the
// look-ups at a WebServer.

#include "components/audio/AccurateRip.h"
#include "components/audio/CdTypes.h"
#include "support/CdImages.h"
#include "support/WebServer.h"

#include <QByteArray>
#include <QString>

namespace testing_support {

// The reference disc's MusicBrainz disc id and releases: "Morning Album" (one CD, titles Dawn,
// Noon, Dusk) and "Morning Album (Deluxe)", two CDs with the disc as the second (Bonus One,
// Two, Three), and a third release none of whose media hold the disc.
extern const char* const kReferenceDiscId;
extern const char* const kSingleReleaseId;
extern const char* const kDeluxeReleaseId;
QByteArray referenceReleasesJson();
// The path (with its query) of the look-up of the reference disc.
QString referenceLookupPath();
// A small PNG, served as the single release's front cover.
QByteArray coverPicture();

// The AccurateRip record of the image's own checksums (confidence 3 each, in the second of two
// blocks), with track `differing` (1-based, 0: none) given another checksum.
QByteArray recordOf(const CdImage& image, int differing = 0);

// Serves the releases, the cover and (when not empty) `record` for the reference disc.
void serveReferenceDisc(WebServer& server, const QByteArray& record);
// The grab settings that send every look-up to `server`, with a short time-out.
GrabSettings settingsFor(const WebServer& server);

}  // namespace testing_support
