#pragma once
// What the CD grabber, the disc-information look-up and the ripping options share: the
// grabber's settings, a disc's table of contents and the information found for a disc.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// The grabber's settings, as the ripping options hand them over.
struct GrabSettings {
    int readMode = 1;      // 1 burst, 2 synch, 3 secure, 4 paranoid
    int errorAction = 1;   // 0 stop, 1 insert silence, 2 cut block, 3 error correction
    int retries = 5;       // read retries before a block counts as an error block
    int driveSpeed = 32;   // the most the drive may read, as a multiple of 176 kB/s
    int spinUpTime = 1000; // ms
    bool lockTray = true;  // lock the tray while reading
    bool safeMode = true;  // every sector is read twice and kept only when both reads agree
    int cddbTimeOut = 7000;  // ms
    // The public CDDB server, asked over HTTP (port 80; 8880 when the script is cleared for
    // the CDDB protocol).
    QString cddbServer = QStringLiteral("gnudb.gnudb.org");  // host, or host:port
    QString cddbScript = QStringLiteral("/~cddb/cddb.cgi");  // CGI path for HTTP look-ups; empty for the CDDB protocol
    QString agentName;
    QString email;
    // MusicBrainz is asked too (after cdplayer.ini and CD-Text, before the CDDB server).
    bool useMusicBrainz = true;
    QString musicBrainzServer = QStringLiteral("https://musicbrainz.org");
    QString coverArtServer = QStringLiteral("https://coverartarchive.org");
    // Where AccurateRip records are fetched from: <server>/<a>/<b>/<c>/dBAR-….bin.
    QString accurateRipServer = QStringLiteral("http://www.accuraterip.com/accuraterip");
    // The drive's read offset in samples (frames): a track is read this many frames later.
    // Disc images have none.
    int readOffset = 0;
    bool operator==(const GrabSettings&) const = default;
};

// A disc's table of contents: the start of every track (data tracks too, as the disc id counts
// them) and the lead-out, in sectors (75 per second) counted from the start of the disc,
// without the two-second pre-gap.
struct DiscToc {
    std::vector<std::int32_t> trackStarts;  // track 1 first
    std::int32_t leadOut = 0;
    int trackCount() const { return static_cast<int>(trackStarts.size()); }
};

// Disc information from cdplayer.ini, CD-Text, MusicBrainz or a CDDB server.
struct DiscInfo {
    QString discId;  // the CDDB disc id, eight hex digits
    QString artist;  // the disc's (album) artist
    QString album;
    QString genre;
    int year = 0;            // 0 when unknown
    QStringList trackTitles;  // track 1 first
    QString date;             // the release date as MusicBrainz gives it ("2001-05-14"), when known
    // MusicBrainz identifiers, when the information came from there.
    QString releaseId;
    QString artistId;
    QStringList recordingIds;  // track 1 first
    QStringList releaseTrackIds;  // the release's own track ids, track 1 first
    QStringList trackArtistIds;   // each track's first credited artist, track 1 first
    // Each track's own artist, track 1 first (a compilation's tracks have their own); an empty
    // or missing entry is the disc's artist.
    QStringList trackArtists;
    QStringList isrcs;  // each track's ISRC, track 1 first, where known
    int discNumber = 0;  // the disc's place among the discs of its release; 0 when unknown
    int discTotal = 0;   // the discs of the release; 0 when unknown
    QString coverPath;         // the front cover, saved beside cdplayer.ini
    QString source;            // where it was found: "cdplayer.ini", "CD-Text", "MusicBrainz" or "CDDB"
};

// Where a look-up may take disc information from (the ripping options' codes).
enum class DiscInfoSource { Any = 0, OnLine = 1, LocalIniOnly = 2 };
