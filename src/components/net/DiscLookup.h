#pragma once
// Where "Get Disk Info" takes disc information from, in order: cdplayer.ini, the disc's
// CD-Text, MusicBrainz and the CDDB server ("any source"); MusicBrainz and the CDDB server
// ("on-line"); or cdplayer.ini alone. MusicBrainz is left out when the settings say so. What
// is found is written to cdplayer.ini, where the tagging of converted tracks reads it; a
// MusicBrainz release's front cover is saved beside it.
//
// Blocking: run on a worker thread (whileEventsRun). A failure changes nothing and says why.

#include "components/WhileEventsRun.h"
#include "components/audio/cd/AccurateRip.h"
#include "components/audio/cd/LocalDiscInfo.h"
#include "components/net/MusicBrainz.h"


#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace net {

struct DiscLookup {
    DiscInfoResult result;          // found, or the reasons every source gave
    std::vector<Release> releases;  // several MusicBrainz releases: the user picks one (then finishRelease)
};

// `cdText`: the disc's CD-Text, when it has some.
DiscLookup lookupDisc(const DiscToc& toc, const std::optional<DiscInfo>& cdText, DiscInfoSource source,
                      const GrabSettings& settings, const QString& cdplayerIniPath);

// Takes a MusicBrainz release: fetches its front cover (a cover that cannot be had is left
// out) and writes the disc's entry to cdplayer.ini.
DiscInfoResult finishRelease(const Release& release, const DiscToc& toc, const GrabSettings& settings,
                             const QString& cdplayerIniPath);

// An AccurateRip record fetched for a disc, or read from the cache folder.
// Neither found nor notKnown: the look-up failed, and error says why.
struct RecordFetch : LookupResult {
    accuraterip::Record record;
    bool notKnown = false;  // the server has no record of the disc
    bool cached = false;    // found: read from the cache folder, not fetched now
};
// A record in the cache folder is used while it is younger than a week (its file's modification
// time is when it was fetched); an older one, or any one when `refresh` is set, is fetched again
// (confidences grow as rips are sent) and still used when the server cannot give a new one.
RecordFetch fetchAccurateRip(const accuraterip::DiscIds& ids, const GrabSettings& settings, const QString& cacheFolder,
                             bool refresh = false);

// The AccurateRip checksums of one ripped track (its number counted from 1).
struct TrackChecksums {
    int track = 0;
    std::uint32_t v1 = 0;
    std::uint32_t v2 = 0;
};
// Found when a record could be had, or the server has none of the disc.
struct DiscVerdicts : LookupResult {
    std::vector<accuraterip::Verdict> verdicts;  // one per track asked about; none when not found
};
// The verdicts of a disc's tracks. A cached record in which a track is not found or does not
// match is fetched again at once: other rips of the track may have been sent since.
DiscVerdicts verifyTracks(const accuraterip::DiscIds& ids, const std::vector<TrackChecksums>& tracks,
                          const GrabSettings& settings, const QString& cacheFolder);
// Where records are kept: the user's cache folder + "/velloria/accuraterip".
QString defaultAccurateRipCache();

}  // namespace net
