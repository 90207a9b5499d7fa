#pragma once
// The CD grabber's settings and the ripping options around it, as one plain value that loads
// and saves itself under the names the ripping options have always stored (below the
// converter's key), so that stored files keep loading. The ripping options dialog edits it, the
// grabber and the disc look-ups take it, and a run without windows loads it. Qt Core only.

#include <QString>

#include <map>

// Where a look-up may take disc information from (the ripping options' codes).
enum class DiscInfoSource { Any = 0, OnLine = 1, LocalIniOnly = 2 };

struct GrabSettings {
    // What the ripping options' fields offer for each number.
    struct Range {
        int minimum;
        int maximum;
    };
    static constexpr Range kReadModes{1, 4};
    static constexpr Range kErrorActions{0, 3};
    static constexpr Range kRetries{0, 255};
    static constexpr Range kDriveSpeeds{1, 64};
    static constexpr Range kMilliseconds{0, 30000};  // spin-up time and look-up time-out
    // Read offsets of drives lie within a few thousand samples.
    static constexpr Range kReadOffsets{-5000, 5000};

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
    // Where "Get Disk Info" looks; MusicBrainz is asked too (after cdplayer.ini and CD-Text,
    // before the CDDB server).
    DiscInfoSource discInfoSource = DiscInfoSource::Any;
    bool useMusicBrainz = true;
    QString musicBrainzServer = QStringLiteral("https://musicbrainz.org");
    QString coverArtServer = QStringLiteral("https://coverartarchive.org");
    // Outputs of CD tracks are named from the disc information found.
    bool nameTracks = false;
    // Ripped tracks are checked against the AccurateRip records.
    bool verifyAccurateRip = true;
    // A disc is ripped as one file (FLAC, or WAV when WAV is the output format) with its CUE
    // sheet, instead of one file per track.
    bool oneFile = false;
    // Where AccurateRip records are fetched from: <server>/<a>/<b>/<c>/dBAR-….bin.
    QString accurateRipServer = QStringLiteral("http://www.accuraterip.com/accuraterip");
    // The drive's read offset in samples (frames): a track is read this many frames later.
    // Disc images have none. The offset of a drive without one of its own below.
    int readOffset = 0;
    // Every track is read twice, a test read and the copy, and the CRC32s of the two compared.
    bool testAndCopy = false;
    // A track mastered with pre-emphasis is written de-emphasised (50/15 µs) instead of as read
    // with a tag that says it carries pre-emphasis. Off: archives keep the disc's own audio.
    bool deEmphasise = false;
    // Read offsets of single drives, by the name the drive gives itself ("VENDOR MODEL", see
    // CdGrabber::driveName); stored together as lines of "<offset> <name>".
    std::map<QString, int> driveOffsets;
    // Where the AccurateRip drive-offset list (DriveOffsets.bin) is fetched from.
    QString driveOffsetsUrl = QStringLiteral("http://www.accuraterip.com/accuraterip/DriveOffsets.bin");

    // The offset a drive is read with and where it comes from, for the rip log: "stored for
    // VENDOR MODEL", or "default" (readOffset).
    struct DriveOffset {
        int samples = 0;
        QString origin;
    };
    DriveOffset offsetFor(const QString& driveName) const;

    // `start` with the stored options put on it. A number or flag that is missing, not a whole
    // number or outside its range gives its default, as does a missing or empty AccurateRip
    // server or drive-offset list; a drive's stored offset outside kReadOffsets is left out.
    // The look-up texts (CDDB server, script, agent name, e-mail) are the grabber's own: a
    // missing or empty one leaves start's, except that a stored server brings the script
    // stored with it, an empty one too (the CDDB protocol).
    static GrabSettings load(const QString& key, const GrabSettings& start);
    static GrabSettings load(const QString& key) { return load(key, GrabSettings{}); }
    // Stores every option above except the MusicBrainz and cover servers, which are not stored.
    void save(const QString& key) const;
    // Stores the drives' own offsets alone (a drive's offset found outside the dialog).
    void saveDriveOffsets(const QString& key) const;

    bool operator==(const GrabSettings&) const = default;
};
