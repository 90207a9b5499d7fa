#pragma once
// Disc information for a disc's table of contents, from the local cdplayer.ini, from a CDDB
// server (CDDB protocol, or HTTP when a script path is set) through libcddb, or from either.
//
// cdplayer.ini is a plain INI file in the layout the Windows CD player wrote: one section per
// disc, named by the disc id, holding artist=, title=, numtracks= and one key per track,
// 0= for track 1, 1= for track 2, and so on. Keys of our own follow, which that player ignored:
// genre=, year=, date=, discnumber=, disctotal=, cover=, the MusicBrainz ids (mbrelease=,
// mbartist=, and per track mbtrackN=, mbreleasetrackN=, mbtrackartistN=), and per track
// artistN= (where a track's artist is not the disc's) and isrcN=. A successful on-line look-up
// writes the disc's section there, so that the next look-up finds it locally.
//
// Contract: lookupDiscInfo runs on the calling thread and blocks until the server answers or
// the time-out passes; lookupDiscInfoWhileEventsRun runs it on a thread of its own while the
// calling thread's events go on. A failed look-up returns found = false with a readable error
// and writes nothing. Nothing here throws or shows a message.

#include "components/audio/CdTypes.h"

#include <QString>

#include <optional>

struct DiscInfoResult {
    bool found = false;
    DiscInfo info;
    QString error;  // why nothing was found; empty when found
};

// The CDDB disc id of a table of contents: eight lower-case hex digits; empty for a disc
// without tracks.
QString cddbDiscId(const DiscToc& toc);

// The MusicBrainz disc id of a table of contents (libdiscid); empty for a disc without tracks.
QString musicBrainzDiscId(const DiscToc& toc);

// The cdplayer.ini in the user's configuration folder.
QString defaultCdplayerIniPath();

// Only cdplayer.ini: the disc's section, when the file holds one.
DiscInfoResult readCdplayerIni(const DiscToc& toc, const QString& iniPath);
// Writes (or replaces) the disc's section in cdplayer.ini; false when the file cannot be written.
bool writeCdplayerIni(const DiscToc& toc, const DiscInfo& info, const QString& iniPath);

// Any: cdplayer.ini first, then the CDDB server. OnLine: the server only. LocalIniOnly:
// cdplayer.ini only. The server, script path, time-out, agent name and e-mail come from the
// settings; the server text is "host" or "host:port" (port 8880 for the CDDB protocol, 80 for
// HTTP when none is given).
DiscInfoResult lookupDiscInfo(const DiscToc& toc, DiscInfoSource source, const GrabSettings& settings,
                              const QString& cdplayerIniPath);

// lookupDiscInfo on a thread of its own; the calling thread's event loop runs until it ends,
// so that windows stay drawn and answer meanwhile. Nothing when the program ended first (its
// event loops were told to exit).
std::optional<DiscInfoResult> lookupDiscInfoWhileEventsRun(const DiscToc& toc, DiscInfoSource source,
                                                           const GrabSettings& settings, const QString& cdplayerIniPath);
