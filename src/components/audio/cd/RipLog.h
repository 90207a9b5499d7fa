#pragma once
// The log of a rip: what was read (program, date, drive, read settings, the disc's table of
// contents) and what came of each track (its file, peak, test and copy CRC32s, AccurateRip
// verdict, error blocks and where they lie), with a summary. It is written beside the tracks as
// text (<album>.log) and as JSON (<album>.json, the same facts for programs).
//
// The text ends with one line holding the SHA-256 of every byte before that line (the UTF-8 text
// up to and including the newline that ends the line before it), so that an edit shows:
// `head -n -1 <album>.log | sha256sum` gives the same digest. The JSON holds that digest too.
// Qt Core only; nothing here reads a disc.

#include "components/audio/cd/CdTypes.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace riplog {

// CRC32 (the polynomial of zlib and of PNG) of 16-bit samples taken as little-endian bytes, fed a
// block at a time.
class Crc32 {
public:
    void add(const std::int16_t* values, std::size_t count);
    void addBytes(const unsigned char* bytes, std::size_t count);
    std::uint32_t value() const { return ~m_state; }

private:
    std::uint32_t m_state = 0xffffffffu;
};

// One track of the rip as its read ended.
struct TrackRecord {
    enum class End {
        Copied,     // written whole
        Failed,     // not written: `reason` says why
        Cancelled,  // its read was cancelled
        NotRipped,  // the rip ended before it
    };
    int number = 0;
    End end = End::NotRipped;
    QString file;    // the written file's name
    QString reason;  // why it failed
    std::optional<std::uint32_t> testCrc;  // the test read's, with test and copy
    std::optional<std::uint32_t> copyCrc;  // of every sample written
    int peak = -1;  // the largest sample magnitude written, 0..32768; -1 when not known
    std::vector<std::int32_t> errorSectors;  // of the copy, one per error block
    int testErrorBlocks = 0;
    // AccurateRip: the verdict's line (empty: not verified), what it found, and the checksums.
    QString accurateRip;
    bool accurateRipMatched = false;
    bool accurateRipMismatch = false;
    int accurateRipConfidence = 0;
    int accurateRipVersion = 0;
    std::optional<std::uint32_t> accurateRipV1, accurateRipV2;
};

struct Log {
    enum class End { Completed, Cancelled, Failed };
    QString program;  // name and version
    QDateTime date;
    QString album;
    QString artist;
    QString discId;  // the CDDB disc id
    // The drive: a disc image names its file; a drive its device and what it answers.
    bool image = false;
    QString source;
    QString vendor, model, revision;
    int readOffset = 0;
    QString readOffsetSource;  // where the offset came from
    int readMode = 1;
    bool safeMode = true;
    int retries = 0;
    int errorAction = 1;
    bool testAndCopy = false;
    DiscLayout layout;
    std::vector<TrackRecord> tracks;  // the tracks the rip was to read, in order
    End end = End::Completed;
    QString accurateRipNote;  // why no record could be had, or that verification is off
};

// The summary: whether every track was read exactly and matched AccurateRip, and otherwise a
// line per track that was not ("Track 2: 3 error blocks").
struct Assessment {
    enum class Kind {
        Accurate,    // "All tracks accurately ripped"
        NoErrors,    // read without errors, but not every track matched AccurateRip
        NotAccurate  // a track failed, was not ripped, had error blocks, or its CRCs or record differ
    };
    Kind kind = Kind::Accurate;
    QString headline;
    QStringList lines;
};
Assessment assess(const Log& log);

// Whether the drive's cache is kept from answering a second read, as the read mode reads; none for
// a disc image, which has no cache.
std::optional<bool> cacheDefeated(const Log& log);

// The log as text, ending with its checksum line.
QString text(const Log& log);
// The log's facts as JSON, with the SHA-256 of the text `text` gives.
QJsonObject json(const Log& log, const QString& textSha256);
// The SHA-256 (lowercase hex) of the bytes before a log's last line; empty when there is none.
QString hashedPartDigest(const QByteArray& logBytes);
// Whether a log's last line holds the digest of the bytes before it: false for an edited log.
bool checksumHolds(const QByteArray& logBytes);

// The file name a log takes (without its extension): the album's, else "Disc <disc id>", with the
// characters a name cannot hold replaced.
QString baseName(const Log& log);

struct Written {
    QString logPath;
    QString jsonPath;
    QString error;  // why they could not be written; empty when both were
};
// Writes <base>.log and <base>.json into `folder`; an existing log is kept, the new one taking
// "<base> (2)" and so on.
Written write(const Log& log, const QString& folder);

// "mm:ss.ff" of a count of sectors (75 a second).
QString msf(std::int64_t sectors);

}  // namespace riplog
