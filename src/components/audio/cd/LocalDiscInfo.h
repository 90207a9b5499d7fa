#pragma once
// What is known of a disc without asking a server: its CDDB and MusicBrainz ids, and the local
// cdplayer.ini.
//
// cdplayer.ini is a plain INI file in the layout the Windows CD player wrote: one section per
// disc, named by the disc id, holding artist=, title=, numtracks= and one key per track,
// 0= for track 1, 1= for track 2, and so on. Keys of our own follow, which that player ignored:
// genre=, year=, date=, discnumber=, disctotal=, cover=, the MusicBrainz ids (mbrelease=,
// mbartist=, and per track mbtrackN=, mbreleasetrackN=, mbtrackartistN=), and per track
// artistN= (where a track's artist is not the disc's) and isrcN=. A successful on-line look-up
// (components/net/Cddb) writes the disc's section there, so that the next look-up finds it
// locally. Nothing here throws or shows a message.

#include "components/ComponentError.h"
#include "components/audio/cd/CdTypes.h"

#include <QString>

struct DiscInfoResult : LookupResult {
    DiscInfo info;
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
