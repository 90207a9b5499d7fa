#include "components/audio/cd/CdGrabber.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <cdio/cdio.h>
#include <cdio/cdtext.h>
#include <cdio/mmc_ll_cmds.h>
#include <cdio/paranoia/paranoia.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <vector>

namespace {

constexpr int SectorBytes = CDIO_CD_FRAMESIZE_RAW;  // 2352
constexpr int SectorValues = SectorBytes / 2;       // 1176
constexpr int PreGap = 150;                         // sectors before LSN 0

struct Drive {
    QString name;    // folder name under the stub root
    QString source;  // device path or image file
    bool image = false;
    CdIo_t* cdio = nullptr;
    DiscToc toc;
    int firstTrack = 1;
    std::vector<bool> audio;  // per track, first track first
    std::unique_ptr<QTemporaryDir> rewritten;  // a TOC file copy naming its data files absolutely
    ~Drive() {
        if (cdio) cdio_destroy(cdio);
    }
};

// The CDDB disc id of a table of contents; the .cda stubs carry it as the disc's serial.
std::uint32_t discId(const DiscToc& toc) {
    auto digitSum = [](int n) {
        int s = 0;
        for (; n > 0; n /= 10) s += n % 10;
        return s;
    };
    int n = 0;
    for (auto start : toc.trackStarts) n += digitSum((start + PreGap) / 75);
    if (toc.trackStarts.empty()) return 0;
    const int t = (toc.leadOut + PreGap) / 75 - (toc.trackStarts.front() + PreGap) / 75;
    return (std::uint32_t(n % 255) << 24) | (std::uint32_t(t) << 8) | std::uint32_t(toc.trackCount());
}

QString discIdText(const DiscToc& toc) { return QStringLiteral("%1").arg(discId(toc), 8, 16, QLatin1Char('0')); }

void putLe16(QByteArray& b, int v) {
    b.append(char(v & 0xff));
    b.append(char((v >> 8) & 0xff));
}
void putLe32(QByteArray& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.append(char((v >> (8 * i)) & 0xff));
}
// Minutes, seconds and frames as the stub stores them: frame, second, minute, zero.
void putMsf(QByteArray& b, std::int32_t sectors) {
    b.append(char(sectors % 75));
    b.append(char((sectors / 75) % 60));
    b.append(char(sectors / (75 * 60)));
    b.append(char(0));
}

QByteArray cdaStub(int track, std::uint32_t serial, std::int32_t start, std::int32_t length) {
    QByteArray b;
    b.append("RIFF");
    putLe32(b, 36);
    b.append("CDDAfmt ");
    putLe32(b, 24);
    putLe16(b, 1);  // version
    putLe16(b, track);
    putLe32(b, serial);
    putLe32(b, std::uint32_t(start));
    putLe32(b, std::uint32_t(length));
    putMsf(b, start + PreGap);
    putMsf(b, length);
    return b;
}

// The data files a cue sheet or cdrdao TOC file names, as absolute paths.
QStringList dataFilesOf(const QString& path) {
    QFile f(path);
    QStringList files;
    if (!f.open(QIODevice::ReadOnly)) return files;
    static const QRegularExpression re(
        QStringLiteral("^\\s*(?:FILE|AUDIOFILE|DATAFILE)\\s+(?:\"([^\"]+)\"|(\\S+))"),
        QRegularExpression::CaseInsensitiveOption);
    const QDir dir = QFileInfo(path).absoluteDir();
    const QStringList lines = QString::fromLocal8Bit(f.read(1 << 20)).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const auto m = re.match(line);
        if (!m.hasMatch()) continue;
        const QString name = m.captured(1).isEmpty() ? m.captured(2) : m.captured(1);
        if (name == QLatin1String("-")) continue;  // cdrdao's standard input
        files << dir.absoluteFilePath(name);
    }
    files.removeDuplicates();
    return files;
}

// Whether libcdio may be given the sheet: its readers stop a line at a NUL byte, and its TOC
// reader divides by the sector size of a track's mode where it works out a length from the
// data file's size. That size is 0 for a TRACK line without a mode it knows, and for the
// MODE2, MODE2_FORM1 and MODE2_FORM2 modes: such a track whose data file line gives no length
// ends the program with a division by zero.
bool sheetIsSafe(const QString& path, bool toc) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray text = f.read(1 << 20);
    if (text.contains('\0')) return false;
    if (!toc) return true;
    static const QList<QByteArray> modes{"AUDIO",       "MODE0",       "MODE1",          "MODE1_RAW", "MODE2",
                                         "MODE2_FORM1", "MODE2_FORM2", "MODE2_FORM_MIX", "MODE2_RAW"};
    static const QList<QByteArray> unsized{"MODE2", "MODE2_FORM1", "MODE2_FORM2"};
    QByteArray mode;
    for (const QByteArray& raw : text.split('\n')) {
        const QByteArray line = raw.simplified();
        const qsizetype space = line.indexOf(' ');
        const QByteArray keyword = space < 0 ? line : line.left(space);
        if (keyword == "TRACK") {
            mode = line.split(' ').value(1);
            if (!modes.contains(mode)) return false;
        } else if ((keyword == "FILE" || keyword == "AUDIOFILE" || keyword == "DATAFILE") && unsized.contains(mode)) {
            // The words after the file name: FILE takes a start and then the length, DATAFILE the
            // length first.
            const QByteArray rest = line.mid(keyword.size() + 1);
            const qsizetype nameEnd = rest.startsWith('"') ? rest.indexOf('"', 1) : rest.indexOf(' ');
            const QByteArray after = nameEnd < 0 ? QByteArray() : rest.mid(nameEnd + 1).simplified();
            const QList<QByteArray> words = after.isEmpty() ? QList<QByteArray>() : after.split(' ');
            // A length of 0 means "to the end of the file" as well.
            static const QRegularExpression nonZero(QStringLiteral("[1-9]"));
            const QByteArray length = words.value(keyword == "DATAFILE" ? 0 : 1);
            if (!QString::fromLatin1(length).contains(nonZero)) return false;
        }
    }
    return true;
}

// libcdio looks for the data files of a cdrdao TOC file in the current directory; a copy
// that names them by absolute path reads from anywhere. Returns the path to open.
QString absoluteTocCopy(const QString& path, std::unique_ptr<QTemporaryDir>& holder) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return path;
    static const QRegularExpression re(QStringLiteral("^(\\s*(?:FILE|AUDIOFILE|DATAFILE)\\s+)\"([^\"]+)\""),
                                       QRegularExpression::CaseInsensitiveOption);
    const QDir dir = QFileInfo(path).absoluteDir();
    QStringList lines = QString::fromLocal8Bit(f.read(1 << 20)).split(QLatin1Char('\n'));
    for (QString& line : lines) {
        const auto m = re.match(line);
        if (!m.hasMatch() || QDir::isAbsolutePath(m.captured(2))) continue;
        line = m.captured(1) + QLatin1Char('"') + dir.absoluteFilePath(m.captured(2)) + QLatin1Char('"') +
               line.mid(m.capturedEnd(0));
    }
    holder = std::make_unique<QTemporaryDir>();
    if (!holder->isValid()) return path;
    QFile copy(holder->filePath(QFileInfo(path).fileName()));
    if (!copy.open(QIODevice::WriteOnly)) return path;
    copy.write(lines.join(QLatin1Char('\n')).toLocal8Bit());
    return copy.fileName();
}

}  // namespace

struct CdGrabber::Private {
    // A track being read: the paranoia state, the sectors still to deliver and the sectors found
    // unreadable.
    struct TrackRead {
        cdrom_drive_t* drive = nullptr;
        cdrom_paranoia_t* paranoia = nullptr;
        long (*deviceRead)(cdrom_drive_t*, void*, lsn_t, long) = nullptr;
        std::shared_ptr<CdDriveLayer> layer;
        bool realDrive = false;
        bool trayLocked = false;
        int driveIndex = -1;
        int track = 0;
        lsn_t first = 0, last = 0;  // inclusive; the sectors read
        std::int64_t trackFrames = 0;
        // A drive's read offset: values dropped from the start of what is read, silence before
        // and after it, and the values still to hand out.
        std::int64_t skipValues = 0, zerosBefore = 0, zerosAfter = 0, valuesLeft = 0;
        lsn_t next = 0;             // next sector paranoia delivers
        int paranoiaRetries = 0;
        std::set<lsn_t> bad;        // sectors that stayed unreadable after every retry
        std::set<lsn_t> unverified; // sectors whose reads paranoia could not make agree
        struct Reads {
            std::uint64_t hash = 0;  // of the last read's data
            int changes = 0;         // reads that differed from the one before
        };
        std::map<lsn_t, Reads> reads;
        std::map<lsn_t, SampleBlock> frozen;  // what a sector that never reads the same is taken to hold
        int rereadLimit = 0;
        SampleBlock pending;        // read but not yet handed out
        std::size_t pendingPos = 0;
        // Error correction: unreadable sectors wait here until the next good sample is known.
        int concealSectors = 0;
        std::int16_t lastGood[2] = {0, 0};
        int errorBlocks = 0;
        int lastPercent = -1;
        bool done = false;
        bool failed = false;
        bool aborted = false;
    };

    CdGrabber* q = nullptr;
    GrabSettings settings;
    QString stubRoot;
    std::vector<std::unique_ptr<Drive>> drives;
    int current = -1;
    int lastError = 0;
    QString lastErrorText;
    std::shared_ptr<CdDriveLayer> layer;
    std::unique_ptr<TrackRead> track;
    int closedErrorBlocks = 0;  // of the track closed last
    bool busy = false;
    bool abortRequested = false;
    bool closeRequested = false;
    QTimer* poll = nullptr;

    void fail(int code, const QString& text) {
        lastError = code;
        lastErrorText = text;
    }
    void succeed() {
        lastError = 0;
        lastErrorText.clear();
    }
    Drive* currentDrive() const {
        return current >= 0 && current < int(drives.size()) ? drives[std::size_t(current)].get() : nullptr;
    }
    QString folderOf(const Drive& dr) const { return stubRoot + QLatin1Char('/') + dr.name; }

    QString uniqueName(QString base) const {
        auto taken = [&](const QString& n) {
            return std::any_of(drives.begin(), drives.end(), [&](const auto& dr) { return dr->name == n; });
        };
        if (!taken(base)) return base;
        for (int i = 2;; ++i)
            if (!taken(base + QLatin1Char('-') + QString::number(i))) return base + QLatin1Char('-') + QString::number(i);
    }

    // Reads the table of contents from the drive's libcdio handle.
    void readToc(Drive& dr) {
        dr.toc = {};
        dr.audio.clear();
        if (!dr.cdio) return;
        const track_t firstTrack = cdio_get_first_track_num(dr.cdio);
        const track_t count = cdio_get_num_tracks(dr.cdio);
        if (firstTrack == CDIO_INVALID_TRACK || count == CDIO_INVALID_TRACK || count == 0) return;
        bool anyAudio = false;
        for (track_t t = firstTrack; t < firstTrack + count; ++t) {
            dr.toc.trackStarts.push_back(cdio_get_track_lsn(dr.cdio, t));
            const bool audio = cdio_get_track_format(dr.cdio, t) == TRACK_FORMAT_AUDIO;
            dr.audio.push_back(audio);
            anyAudio = anyAudio || audio;
        }
        dr.toc.leadOut = cdio_get_track_lsn(dr.cdio, CDIO_CDROM_LEADOUT_TRACK);
        dr.firstTrack = firstTrack;
        if (!anyAudio) {
            dr.toc = {};
            dr.audio.clear();
        }
    }

    void removeStubs(const Drive& dr) { QDir(folderOf(dr)).removeRecursively(); }

    // One TrackNN.cda per audio track; no folder when the drive holds no audio disc.
    void writeStubs(const Drive& dr) {
        removeStubs(dr);
        if (dr.toc.trackStarts.empty()) return;
        const QString folder = folderOf(dr);
        QDir().mkpath(folder);
        const std::uint32_t serial = discId(dr.toc);
        for (int i = 0; i < dr.toc.trackCount(); ++i) {
            if (!dr.audio[std::size_t(i)]) continue;
            const int number = dr.firstTrack + i;
            const std::int32_t start = dr.toc.trackStarts[std::size_t(i)];
            const std::int32_t end = i + 1 < dr.toc.trackCount() ? dr.toc.trackStarts[std::size_t(i) + 1] : dr.toc.leadOut;
            QFile f(folder + QStringLiteral("/Track%1.cda").arg(number, 2, 10, QLatin1Char('0')));
            if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(cdaStub(number, serial, start, end - start));
        }
    }

    void refresh(Drive& dr) {
        if (!dr.image) {
            if (dr.cdio) cdio_destroy(dr.cdio);
            dr.cdio = cdio_open(dr.source.toLocal8Bit().constData(), DRIVER_DEVICE);
        }
        readToc(dr);
        writeStubs(dr);
    }

    void pollMedia() {
        bool changed = false;
        for (auto& dr : drives) {
            if (dr->image || !dr->cdio) continue;
            if (track && drives[std::size_t(track->driveIndex)].get() == dr.get()) continue;
            if (cdio_get_media_changed(dr->cdio) == 1) {
                // The handle keeps the old disc's table of contents: open the drive afresh.
                refresh(*dr);
                changed = true;
            }
        }
        if (changed) Q_EMIT q->DiscChanged();
    }

    QString imageProblem(const QString& path, Drive& dr);
    bool openTrack(int number);
    void closeTrack();
    long layeredRead(TrackRead& t, lsn_t lsn, long sectors, void* buffer);
    long hookedRead(TrackRead& t, void* buffer, lsn_t begin, long sectors);
    bool deliverSector(TrackRead& t, const std::int16_t* data, SampleBlock& out);
    void flushConcealment(TrackRead& t, const std::int16_t* nextGood, SampleBlock& out);
    void finish(TrackRead& t, int result);
    // Appends what was read to `out`, less what a read offset leaves out.
    static void handOut(TrackRead& t, const SampleBlock& produced, SampleBlock& out);
    void progress(TrackRead& t);

    // Paranoia's read hook has no user pointer: the track being read on this thread.
    static thread_local Private* reading;
    static long readThrough(cdrom_drive_t* drive, void* buffer, lsn_t begin, long sectors);
    static void paranoiaEvent(long position, paranoia_cb_mode_t event);
    void markUnverified(TrackRead& t, lsn_t lsn);
    void limitRereads(TrackRead& t, unsigned char* buffer, lsn_t begin, long sectors);
    void verifyReads(TrackRead& t, unsigned char* buffer, lsn_t begin, long sectors);
    void settleSector(TrackRead& t, lsn_t lsn, unsigned char* sector, const unsigned char* secondRead);
};

thread_local CdGrabber::Private* CdGrabber::Private::reading = nullptr;

long CdGrabber::Private::readThrough(cdrom_drive_t* drive, void* buffer, lsn_t begin, long sectors) {
    Private* self = reading;
    if (!self || !self->track || self->track->drive != drive) return -1;
    return self->hookedRead(*self->track, buffer, begin, sectors);
}

// Paranoia gives up on verifying data by skipping it: that stretch is no better than a sector
// that cannot be read.
void CdGrabber::Private::paranoiaEvent(long position, paranoia_cb_mode_t event) {
    if (event != PARANOIA_CB_SKIP || !reading || !reading->track) return;
    reading->markUnverified(*reading->track, lsn_t(position / CD_FRAMEWORDS));
}

void CdGrabber::Private::markUnverified(TrackRead& t, lsn_t lsn) {
    if (t.unverified.insert(lsn).second && lsn >= t.first && lsn <= t.last) Q_EMIT q->ReadError();
}

long CdGrabber::Private::layeredRead(TrackRead& t, lsn_t lsn, long sectors, void* buffer) {
    const CdDriveLayer::DeviceRead device = [&t](std::int32_t l, long n, void* b) {
        return t.deviceRead(t.drive, b, l, n);
    };
    if (t.layer) return t.layer->readAudio(lsn, sectors, buffer, device);
    return device(lsn, sectors, buffer);
}

// Every read paranoia makes lands here. A failed read is retried sector by sector, each
// failed attempt reported; a sector that stays unreadable is remembered and handed to
// paranoia as silence, so that paranoia never loops on it and the error action decides what
// the track gets in its place.
long CdGrabber::Private::hookedRead(TrackRead& t, void* buffer, lsn_t begin, long sectors) {
    if (!buffer) {
        // Paranoia reads without a buffer only to move the drive past its cache: the data and
        // any failure do not matter.
        std::vector<char> scratch(std::size_t(std::max(sectors, 0L)) * SectorBytes);
        layeredRead(t, begin, sectors, scratch.data());
        return sectors;
    }
    if (abortRequested) {
        // Consistent silence lets paranoia return at once, even in never-skip mode.
        std::memset(buffer, 0, std::size_t(std::max(sectors, 0L)) * SectorBytes);
        return sectors;
    }
    long got = layeredRead(t, begin, sectors, buffer);
    if (got == sectors) {
        if (settings.safeMode) verifyReads(t, static_cast<unsigned char*>(buffer), begin, sectors);
        limitRereads(t, static_cast<unsigned char*>(buffer), begin, sectors);
        return got;
    }
    if (got < 0) got = 0;
    auto* bytes = static_cast<unsigned char*>(buffer);
    for (long i = got; i < sectors; ++i) {
        const lsn_t lsn = begin + lsn_t(i);
        unsigned char* sector = bytes + std::size_t(i) * SectorBytes;
        bool ok = false;
        if (!t.bad.count(lsn)) {
            for (int attempt = 0; attempt <= settings.retries && !abortRequested; ++attempt) {
                if (layeredRead(t, lsn, 1, sector) == 1) {
                    ok = true;
                    break;
                }
                Q_EMIT q->ReadError();
            }
            if (!ok && !abortRequested) t.bad.insert(lsn);
        }
        if (!ok) std::memset(sector, 0, SectorBytes);
    }
    if (settings.safeMode) verifyReads(t, bytes, begin, sectors);
    limitRereads(t, bytes, begin, sectors);
    return sectors;
}

// Safe mode: a sector read counts only when a second read gives the same data. The sectors
// of `buffer` not yet known as unreadable or unverified are read again, a stretch at a time;
// each that differs (or cannot be read the second time) is settled on its own.
void CdGrabber::Private::verifyReads(TrackRead& t, unsigned char* buffer, lsn_t begin, long sectors) {
    const auto decided = [&t](lsn_t lsn) { return t.bad.count(lsn) || t.frozen.count(lsn); };
    std::vector<unsigned char> again;
    for (long i = 0; i < sectors && !abortRequested;) {
        if (decided(begin + lsn_t(i))) {
            ++i;
            continue;
        }
        long n = 1;
        while (i + n < sectors && !decided(begin + lsn_t(i + n))) ++n;
        again.assign(std::size_t(n) * SectorBytes, 0);
        const long got = std::max(layeredRead(t, begin + lsn_t(i), n, again.data()), 0L);
        for (long k = 0; k < n && !abortRequested; ++k) {
            unsigned char* first = buffer + std::size_t(i + k) * SectorBytes;
            const unsigned char* second = again.data() + std::size_t(k) * SectorBytes;
            if (k < got && std::memcmp(first, second, SectorBytes) == 0) continue;
            settleSector(t, begin + lsn_t(i + k), first, k < got ? second : nullptr);
        }
        i += n;
    }
}

// Two reads of a sector disagreed (or the second failed): it is read again, up to the
// retries, until two reads in a row agree. Each disagreement is a read error; a sector that
// never reads the same twice keeps its last read, is read as that from now on, and counts as
// unverified.
void CdGrabber::Private::settleSector(TrackRead& t, lsn_t lsn, unsigned char* sector, const unsigned char* secondRead) {
    if (secondRead) std::memcpy(sector, secondRead, SectorBytes);
    Q_EMIT q->ReadError();
    std::vector<unsigned char> read(SectorBytes);
    for (int attempt = 0; attempt < settings.retries && !abortRequested; ++attempt) {
        if (layeredRead(t, lsn, 1, read.data()) == 1) {
            if (std::memcmp(read.data(), sector, SectorBytes) == 0) return;
            std::memcpy(sector, read.data(), SectorBytes);
        }
        Q_EMIT q->ReadError();
    }
    if (abortRequested) return;
    const auto* values = reinterpret_cast<const std::int16_t*>(sector);
    t.frozen.try_emplace(lsn, values, values + SectorValues);
    if (lsn >= t.first && lsn <= t.last) t.unverified.insert(lsn);
}

// A sector whose reads never agree would keep never-skip paranoia reading it for ever: past
// a limit of changes it reads the same each time and counts as unverified.
void CdGrabber::Private::limitRereads(TrackRead& t, unsigned char* buffer, lsn_t begin, long sectors) {
    for (long i = 0; i < sectors; ++i) {
        const lsn_t lsn = begin + lsn_t(i);
        if (t.bad.count(lsn)) continue;
        unsigned char* sector = buffer + std::size_t(i) * SectorBytes;
        auto frozen = t.frozen.find(lsn);
        if (frozen != t.frozen.end()) {
            std::memcpy(sector, frozen->second.data(), SectorBytes);
            continue;
        }
        // FNV-style over 8-byte words: a byte-wise chain of 2352 multiplies per sector cost a
        // third of a rip.
        std::uint64_t hash = 1469598103934665603ull;
        for (int b = 0; b + 8 <= SectorBytes; b += 8) {
            std::uint64_t word = 0;
            std::memcpy(&word, sector + b, 8);
            hash = (hash ^ word) * 1099511628211ull;
            hash ^= hash >> 29;
        }
        auto [it, first] = t.reads.try_emplace(lsn);
        if (!first && it->second.hash != hash) ++it->second.changes;
        it->second.hash = hash;
        if (it->second.changes > t.rereadLimit) {
            const auto* values = reinterpret_cast<const std::int16_t*>(sector);
            t.frozen.try_emplace(lsn, values, values + SectorValues);
            markUnverified(t, lsn);
        }
    }
}

void CdGrabber::Private::flushConcealment(TrackRead& t, const std::int16_t* nextGood, SampleBlock& out) {
    // Unreadable sectors become a straight line from the last good frame to the next one.
    const std::int64_t frames = std::int64_t(t.concealSectors) * CdGrabber::FramesPerSector;
    for (std::int64_t f = 0; f < frames; ++f) {
        for (int c = 0; c < 2; ++c) {
            const double from = t.lastGood[c];
            const double to = nextGood ? nextGood[c] : 0.0;
            const double v = from + (to - from) * double(f + 1) / double(frames + 1);
            out.push_back(std::int16_t(std::lround(v)));
        }
    }
    t.concealSectors = 0;
}

// Appends one delivered sector to `out` by the error action. False when the read must stop.
bool CdGrabber::Private::deliverSector(TrackRead& t, const std::int16_t* data, SampleBlock& out) {
    const lsn_t lsn = t.next;
    const bool unreadable = t.bad.count(lsn) != 0;
    if (!unreadable && !t.unverified.count(lsn)) {
        if (t.concealSectors) flushConcealment(t, data, out);
        out.insert(out.end(), data, data + SectorValues);
        t.lastGood[0] = data[SectorValues - 2];
        t.lastGood[1] = data[SectorValues - 1];
        return true;
    }
    ++t.errorBlocks;
    switch (settings.errorAction) {
    case 0:
        fail(CdGrabber::ErrorRead,
             QStringLiteral("Sector %1 of track %2 could not be read %3 after %4 retries; the read was stopped.")
                 .arg(lsn - t.first)
                 .arg(t.track)
                 .arg(unreadable ? QStringLiteral("at all") : QStringLiteral("consistently"))
                 .arg(settings.retries));
        return false;
    case 1:
        out.insert(out.end(), SectorValues, 0);
        return true;
    case 2:
        return true;
    default:
        if (!unreadable) {
            // Paranoia's best reconstruction stands.
            if (t.concealSectors) flushConcealment(t, data, out);
            out.insert(out.end(), data, data + SectorValues);
            t.lastGood[0] = data[SectorValues - 2];
            t.lastGood[1] = data[SectorValues - 1];
            return true;
        }
        ++t.concealSectors;
        return true;
    }
}

void CdGrabber::Private::progress(TrackRead& t) {
    const lsn_t total = t.last - t.first + 1;
    const int percent = int(std::int64_t(t.next - t.first) * 100 / std::max<lsn_t>(total, 1));
    if (percent != t.lastPercent) {
        t.lastPercent = percent;
        Q_EMIT q->Progress(percent);
    }
}

void CdGrabber::Private::handOut(TrackRead& t, const SampleBlock& produced, SampleBlock& out) {
    auto from = std::int64_t(0);
    const auto size = std::int64_t(produced.size());
    const std::int64_t skip = std::min(t.skipValues, size);
    t.skipValues -= skip;
    from += skip;
    const std::int64_t take = std::min(size - from, t.valuesLeft);
    t.valuesLeft -= take;
    out.insert(out.end(), produced.begin() + from, produced.begin() + from + take);
}

CdGrabber::ReadWindow CdGrabber::readWindow(std::int32_t first, std::int32_t last, std::int32_t leadOut, int offset) {
    const auto floorDiv = [](std::int64_t a, std::int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); };
    const std::int64_t begin = std::int64_t(first) * FramesPerSector + offset;      // first frame wanted
    const std::int64_t end = (std::int64_t(last) + 1) * FramesPerSector + offset;   // one past the last
    const std::int64_t discEnd = std::int64_t(leadOut) * FramesPerSector;
    ReadWindow w;
    const std::int64_t readFrom = std::max<std::int64_t>(begin, 0);
    const std::int64_t readTo = std::min(end, discEnd);
    w.zerosBefore = readFrom - begin;
    w.zerosAfter = end - std::max(readTo, readFrom);
    if (readTo <= readFrom) {  // nothing of the disc: silence only
        w.zerosBefore = end - begin;
        w.zerosAfter = 0;
        return w;
    }
    w.first = std::int32_t(floorDiv(readFrom, FramesPerSector));
    w.last = std::int32_t(floorDiv(readTo - 1, FramesPerSector));
    w.skipFrames = readFrom - std::int64_t(w.first) * FramesPerSector;
    return w;
}

void CdGrabber::Private::finish(TrackRead& t, int result) {
    t.done = true;
    if (result == CdGrabber::FinishedFailed) t.failed = true;
    if (result == CdGrabber::FinishedAborted) t.aborted = true;
    Q_EMIT q->ReadFinished(result);
}

// Checks a disc image before libcdio reads it and returns what is wrong with it, if anything.
QString CdGrabber::Private::imageProblem(const QString& path, Drive& dr) {
    const QFileInfo info(path);
    const QString shown = info.fileName();
    if (!info.exists()) return QStringLiteral("The disc image %1 does not exist.").arg(path);
    if (!info.isFile() || !info.isReadable()) return QStringLiteral("The disc image %1 cannot be read.").arg(path);
    const QString suffix = info.suffix().toLower();
    QStringList data;
    if (suffix == QLatin1String("cue") || suffix == QLatin1String("toc")) {
        data = dataFilesOf(path);
        if (data.isEmpty())
            return QStringLiteral("%1 names no data file; it is not a cue sheet or TOC file of a disc image.").arg(shown);
        for (const QString& file : data) {
            if (!QFileInfo::exists(file))
                return QStringLiteral("The data file %1 that %2 names is missing.").arg(QFileInfo(file).fileName(), shown);
        }
    }
    if ((suffix == QLatin1String("cue") || suffix == QLatin1String("toc")) &&
        !sheetIsSafe(path, suffix == QLatin1String("toc")))
        return QStringLiteral("%1 is not a disc image that can be read (a .cue/.bin pair, a .toc or a .nrg file).").arg(shown);
    const QByteArray local =
        (suffix == QLatin1String("toc") ? absoluteTocCopy(path, dr.rewritten) : path).toLocal8Bit();
    const driver_id_t driver = suffix == QLatin1String("cue")   ? DRIVER_BINCUE
                               : suffix == QLatin1String("toc") ? DRIVER_CDRDAO
                               : suffix == QLatin1String("nrg") ? DRIVER_NRG
                                                                : DRIVER_UNKNOWN;
    if (driver == DRIVER_UNKNOWN && !cdio_is_nrg(local.constData()) && !cdio_is_tocfile(local.constData())) {
        char* cue = cdio_is_cuefile(local.constData());
        if (!cue) return QStringLiteral("%1 is not a disc image (a .cue/.bin pair, a .toc or a .nrg file).").arg(shown);
        free(cue);
    }
    dr.cdio = cdio_open(local.constData(), driver);
    if (!dr.cdio) return QStringLiteral("%1 is not a disc image that can be read (a .cue/.bin pair, a .toc or a .nrg file).").arg(shown);
    // Raw audio images hold whole sectors; anything else was cut short.
    if (suffix == QLatin1String("cue") && data.size() == 1 && QFileInfo(data.front()).size() % SectorBytes != 0)
        return QStringLiteral("The data file %1 ends in the middle of a sector: it is truncated.")
            .arg(QFileInfo(data.front()).fileName());
    readToc(dr);
    if (dr.toc.trackStarts.empty()) return QStringLiteral("%1 holds no audio track.").arg(shown);
    for (int i = 0; i < dr.toc.trackCount(); ++i) {
        // Paranoia never gets past a sector before the first one: its reads are retried forever.
        if (dr.toc.trackStarts[std::size_t(i)] < 0)
            return QStringLiteral("Track %1 of %2 starts before the beginning of its data: the image is damaged.")
                .arg(dr.firstTrack + i)
                .arg(shown);
        const std::int32_t end = i + 1 < dr.toc.trackCount() ? dr.toc.trackStarts[std::size_t(i) + 1] : dr.toc.leadOut;
        if (end <= dr.toc.trackStarts[std::size_t(i)])
            return QStringLiteral("Track %1 of %2 lies beyond the end of its data: the image is truncated.")
                .arg(dr.firstTrack + i)
                .arg(shown);
    }
    std::vector<char> sector(SectorBytes);
    if (cdio_read_audio_sector(dr.cdio, sector.data(), dr.toc.leadOut - 1) != DRIVER_OP_SUCCESS)
        return QStringLiteral("The last sector of %1 cannot be read: the image is truncated.").arg(shown);
    return {};
}

bool CdGrabber::Private::openTrack(int number) {
    Drive* dr = currentDrive();
    if (!dr) {
        fail(CdGrabber::ErrorNoDrive, QStringLiteral("There is no CD drive."));
        return false;
    }
    if (dr->toc.trackStarts.empty() || !dr->cdio) {
        fail(CdGrabber::ErrorNoDisc, QStringLiteral("There is no audio disc in %1.").arg(dr->source));
        return false;
    }
    const int index = number - dr->firstTrack;
    if (index < 0 || index >= dr->toc.trackCount() || !dr->audio[std::size_t(index)]) {
        fail(CdGrabber::ErrorBadTrack, QStringLiteral("The disc in %1 has no audio track %2.").arg(dr->source).arg(number));
        return false;
    }
    auto t = std::make_unique<TrackRead>();
    t->driveIndex = current;
    t->track = number;
    t->realDrive = !dr->image;
    t->layer = layer;
    t->first = dr->toc.trackStarts[std::size_t(index)];
    t->last = (index + 1 < dr->toc.trackCount() ? dr->toc.trackStarts[std::size_t(index) + 1] : dr->toc.leadOut) - 1;
    t->trackFrames = std::int64_t(t->last - t->first + 1) * FramesPerSector;
    t->valuesLeft = t->trackFrames * Channels;
    if (t->realDrive && settings.readOffset != 0) {
        const ReadWindow w = CdGrabber::readWindow(t->first, t->last, dr->toc.leadOut, settings.readOffset);
        t->first = w.first;
        t->last = w.last;
        t->skipValues = w.skipFrames * Channels;
        t->zerosBefore = w.zerosBefore * Channels;
        t->zerosAfter = w.zerosAfter * Channels;
    }
    t->next = t->first;

    char* messages = nullptr;
    t->drive = cdio_cddap_identify_cdio(dr->cdio, CDDA_MESSAGE_FORGETIT, &messages);
    if (messages) cdio_cddap_free_messages(messages);
    if (!t->drive || cdio_cddap_open(t->drive) != 0) {
        if (t->drive) cdio_cddap_close_no_free_cdio(t->drive);
        fail(CdGrabber::ErrorDevice, QStringLiteral("%1 cannot read audio.").arg(dr->source));
        return false;
    }
    cdio_cddap_verbose_set(t->drive, CDDA_MESSAGE_FORGETIT, CDDA_MESSAGE_FORGETIT);
    // Speed, tray lock and spin-up only mean something to a real drive.
    if (t->realDrive) {
        if (settings.driveSpeed > 0) cdio_set_speed(dr->cdio, settings.driveSpeed);
        if (settings.lockTray)
            t->trayLocked = mmc_prevent_allow_medium_removal(dr->cdio, false, true, 0) == DRIVER_OP_SUCCESS;
        if (settings.spinUpTime > 0) {
            std::vector<char> sector(SectorBytes);
            QElapsedTimer clock;
            clock.start();
            while (clock.elapsed() < settings.spinUpTime &&
                   cdio_read_audio_sector(dr->cdio, sector.data(), t->first) == DRIVER_OP_SUCCESS) {
            }
        }
    }
    t->deviceRead = t->drive->read_audio;
    t->drive->read_audio = &Private::readThrough;

    int mode = PARANOIA_MODE_DISABLE;
    // Paranoia checks its retry limit only on every fifth retry: keep it a multiple of five.
    t->paranoiaRetries = (std::max(settings.retries, 1) + 4) / 5 * 5;
    switch (settings.readMode) {
    case 2:  // jitter correction: overlapped reads, verified so that tones read exactly
        mode = PARANOIA_MODE_VERIFY | PARANOIA_MODE_OVERLAP;
        break;
    case 3:  // full paranoia, twice the verification attempts
        mode = PARANOIA_MODE_FULL ^ PARANOIA_MODE_NEVERSKIP;
        t->paranoiaRetries *= 2;
        break;
    case 4:  // full paranoia, never skipping, small reads
        mode = PARANOIA_MODE_FULL;
        t->paranoiaRetries *= 2;
        t->drive->nsectors = std::min(t->drive->nsectors, 8);
        break;
    default:
        break;
    }
    t->paranoia = cdio_paranoia_init(t->drive);
    if (!t->paranoia) {
        t->drive->read_audio = t->deviceRead;
        cdio_cddap_close_no_free_cdio(t->drive);
        fail(CdGrabber::ErrorDevice, QStringLiteral("%1 cannot read audio.").arg(dr->source));
        return false;
    }
    t->rereadLimit = 2 * t->paranoiaRetries + 10;
    cdio_paranoia_modeset(t->paranoia, mode);
    cdio_paranoia_seek(t->paranoia, t->first, SEEK_SET);
    track = std::move(t);
    abortRequested = false;
    closeRequested = false;
    return true;
}

void CdGrabber::Private::closeTrack() {
    if (!track) return;
    TrackRead& t = *track;
    if (t.paranoia) cdio_paranoia_free(t.paranoia);
    if (t.drive) {
        t.drive->read_audio = t.deviceRead;
        cdio_cddap_close_no_free_cdio(t.drive);
    }
    if (t.trayLocked && t.driveIndex < int(drives.size()) && drives[std::size_t(t.driveIndex)]->cdio)
        mmc_prevent_allow_medium_removal(drives[std::size_t(t.driveIndex)]->cdio, false, false, 0);
    closedErrorBlocks = t.errorBlocks;
    track.reset();
}

CdGrabber::CdGrabber(QObject* parent, QString stubRoot, bool findDevices) : QObject(parent), d(new Private) {
    d->q = this;
    if (stubRoot.isEmpty()) {
        QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (runtime.isEmpty()) runtime = QDir::tempPath();
        // One folder per running program, so that two of them never list or remove each
        // other's tracks; folders of programs that are gone (a crash) are cleared away.
        const QDir all(runtime + QStringLiteral("/velloria"));
        for (const QString& pid : all.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            bool numeric = false;
            pid.toLongLong(&numeric);
            if (numeric && !QFileInfo::exists(QStringLiteral("/proc/") + pid)) QDir(all.filePath(pid)).removeRecursively();
        }
        stubRoot = all.filePath(QString::number(QCoreApplication::applicationPid()));
    }
    d->stubRoot = QDir::cleanPath(stubRoot);
    if (findDevices) {
        if (char** devices = cdio_get_devices(DRIVER_DEVICE)) {
            for (char** p = devices; *p; ++p) {
                auto dr = std::make_unique<Drive>();
                dr->source = QString::fromLocal8Bit(*p);
                dr->name = d->uniqueName(QFileInfo(dr->source).fileName());
                d->refresh(*dr);
                d->drives.push_back(std::move(dr));
            }
            cdio_free_device_list(devices);
        }
    }
    if (!d->drives.empty()) {
        d->current = 0;
        // Disc changes are noticed by polling; libcdio reports them per drive handle.
        d->poll = new QTimer(this);
        d->poll->setInterval(1000);
        connect(d->poll, &QTimer::timeout, this, [this] { d->pollMedia(); });
        d->poll->start();
    }
}

CdGrabber::~CdGrabber() {
    d->closeTrack();
    for (const auto& dr : d->drives) d->removeStubs(*dr);
}

const GrabSettings& CdGrabber::settings() const { return d->settings; }
void CdGrabber::setSettings(const GrabSettings& settings) { d->settings = settings; }
int CdGrabber::DriveCount() const { return int(d->drives.size()); }
int CdGrabber::CurrentDrive() const { return d->current; }

void CdGrabber::setCurrentDrive(int index) {
    if (d->drives.empty() || index < 0) {
        d->current = d->drives.empty() ? -1 : d->current;
        return;
    }
    d->current = index % int(d->drives.size());
}

QString CdGrabber::RootText() const {
    const Drive* dr = d->currentDrive();
    return dr ? d->folderOf(*dr) + QLatin1Char('/') : QString();
}

QString CdGrabber::driveSource() const {
    const Drive* dr = d->currentDrive();
    return dr ? dr->source : QString();
}

bool CdGrabber::driveIsImage() const {
    const Drive* dr = d->currentDrive();
    return dr && dr->image;
}

void CdGrabber::ReRead() {
    Drive* dr = d->currentDrive();
    if (!dr) return d->fail(ErrorNoDrive, QStringLiteral("There is no CD drive."));
    // Re-reading a drive while one of its tracks is open would end that track's read.
    if (d->busy || (d->track && d->track->driveIndex == d->current))
        return d->fail(ErrorBusy, QStringLiteral("The drive is being read."));
    d->refresh(*dr);
    d->succeed();
}

DiscToc CdGrabber::toc() const {
    const Drive* dr = d->currentDrive();
    return dr ? dr->toc : DiscToc{};
}

DiscInfo CdGrabber::cdText(bool* found) const {
    DiscInfo info;
    if (found) *found = false;
    const Drive* dr = d->currentDrive();
    if (!dr || !dr->cdio || dr->toc.trackStarts.empty()) return info;
    cdtext_t* text = cdio_get_cdtext(dr->cdio);
    if (!text) return info;
    const auto field = [text](cdtext_field_t f, track_t track) {
        const char* value = cdtext_get_const(text, f, track);
        return value ? QString::fromUtf8(value).trimmed() : QString();
    };
    info.discId = discIdText(dr->toc);
    info.album = field(CDTEXT_FIELD_TITLE, 0);
    info.artist = field(CDTEXT_FIELD_PERFORMER, 0);
    info.genre = field(CDTEXT_FIELD_GENRE, 0);
    bool any = !info.album.isEmpty() || !info.artist.isEmpty();
    for (int i = 0; i < dr->toc.trackCount(); ++i) {
        const auto track = track_t(dr->firstTrack + i);
        info.trackTitles << field(CDTEXT_FIELD_TITLE, track);
        info.trackArtists << field(CDTEXT_FIELD_PERFORMER, track);
        info.isrcs << field(CDTEXT_FIELD_ISRC, track);
        any = any || !info.trackTitles.last().isEmpty() || !info.trackArtists.last().isEmpty();
    }
    if (found) *found = any;
    return info;
}

QString CdGrabber::isrc(int track) const {
    const Drive* dr = d->currentDrive();
    if (!dr || !dr->cdio || d->busy) return {};
    char* code = cdio_get_track_isrc(dr->cdio, track_t(track));
    QString text = code ? QString::fromLatin1(code).trimmed() : QString();
    cdio_free(code);
    // Drives report a track without one as blanks or zeros.
    static const QRegularExpression valid(QStringLiteral("^[A-Z]{2}[A-Z0-9]{3}[0-9]{7}$"));
    return valid.match(text).hasMatch() ? text : QString();
}

int CdGrabber::audioTrackCount() const {
    const Drive* dr = d->currentDrive();
    return dr ? int(std::count(dr->audio.begin(), dr->audio.end(), true)) : 0;
}

int CdGrabber::OpenImage(const QString& path) {
    auto dr = std::make_unique<Drive>();
    dr->image = true;
    dr->source = QFileInfo(path).absoluteFilePath();
    const QString problem = d->imageProblem(path, *dr);
    if (!problem.isEmpty()) {
        d->fail(ErrorImage, problem);
        return -1;
    }
    dr->name = d->uniqueName(QFileInfo(path).fileName());
    d->writeStubs(*dr);
    d->drives.push_back(std::move(dr));
    d->current = int(d->drives.size()) - 1;
    d->succeed();
    return d->current;
}

void CdGrabber::OpenTrack(int track) {
    if (d->busy) return d->fail(ErrorBusy, QStringLiteral("The drive is being read."));
    d->closeTrack();
    d->closedErrorBlocks = 0;
    if (d->openTrack(track)) d->succeed();
}

SampleBlock CdGrabber::ReadBlock(int& blockSize) {
    SampleBlock out;
    const int want = std::max(blockSize - blockSize % Channels, Channels);
    blockSize = 0;
    if (d->busy) {
        d->fail(ErrorBusy, QStringLiteral("The drive is being read."));
        return out;
    }
    if (!d->track) {
        d->fail(ErrorNotOpen, QStringLiteral("No track is open."));
        return out;
    }
    auto& t = *d->track;
    if (t.failed || t.aborted) return out;  // the error stays as it was set
    d->succeed();
    d->busy = true;
    out.reserve(std::size_t(want));
    // Values left over from the last sector of the previous block come first.
    while (t.pendingPos < t.pending.size() && int(out.size()) < want) out.push_back(t.pending[t.pendingPos++]);
    SampleBlock produced;
    if (t.zerosBefore > 0) {
        produced.assign(std::size_t(t.zerosBefore), 0);
        t.zerosBefore = 0;
        t.skipValues = 0;
        d->handOut(t, produced, out);
    }
    while (int(out.size()) < want && !t.done) {
        if (d->abortRequested) {
            d->fail(ErrorAborted, QStringLiteral("The read was aborted."));
            d->finish(t, FinishedAborted);
            break;
        }
        if (t.next > t.last) {
            if (t.concealSectors) {
                produced.clear();
                d->flushConcealment(t, nullptr, produced);
                d->handOut(t, produced, out);
            }
            produced.assign(std::size_t(std::max<std::int64_t>(t.zerosAfter, 0)), 0);
            t.zerosAfter = 0;
            d->handOut(t, produced, out);
            d->finish(t, FinishedWhole);
            break;
        }
        Private::reading = d.get();
        const std::int16_t* data = cdio_paranoia_read_limited(t.paranoia, &Private::paranoiaEvent, t.paranoiaRetries);
        Private::reading = nullptr;
        if (d->abortRequested) continue;
        if (!data) {
            d->fail(ErrorRead, QStringLiteral("Track %1 could not be read.").arg(t.track));
            d->finish(t, FinishedFailed);
            break;
        }
        produced.clear();
        const bool ok = d->deliverSector(t, data, produced);
        ++t.next;
        if (!ok) {
            d->finish(t, FinishedFailed);
            break;
        }
        d->handOut(t, produced, out);
        d->progress(t);
    }
    if (int(out.size()) > want) {
        t.pending.assign(out.begin() + want, out.end());
        t.pendingPos = 0;
        out.resize(std::size_t(want));
    } else if (t.pendingPos >= t.pending.size()) {
        t.pending.clear();
        t.pendingPos = 0;
    }
    d->busy = false;
    if (t.failed || t.aborted) out.clear();
    if (d->closeRequested) d->closeTrack();
    blockSize = int(out.size());
    return out;
}

std::int64_t CdGrabber::TrackLength() const {
    if (!d->track) return 0;
    return d->track->trackFrames;
}

int CdGrabber::errorBlocks() const { return d->track ? d->track->errorBlocks : d->closedErrorBlocks; }

void CdGrabber::CloseTrack() {
    if (d->busy) {
        // Called from a handler inside ReadBlock: the read ends first, then the track closes.
        d->abortRequested = true;
        d->closeRequested = true;
        return;
    }
    d->closeTrack();
}

bool CdGrabber::Busy() const { return d->busy; }
void CdGrabber::Abort() { d->abortRequested = true; }
int CdGrabber::LastError() const { return d->lastError; }
QString CdGrabber::lastErrorText() const { return d->lastErrorText; }
void CdGrabber::setDriveLayer(std::shared_ptr<CdDriveLayer> layer) { d->layer = std::move(layer); }
