#pragma once
// The CD grabber's inner state, shared by its pieces: the drives and their .cda stubs
// (CdDrives.cpp), the checks of a disc image before libcdio opens it (CdImageChecks.cpp), the
// secure reader (CdSecureReader.cpp) and the public object (CdGrabber.cpp).

#include "components/ComponentError.h"
#include "components/audio/cd/CdGrabber.h"

#include <QString>
#include <QTemporaryDir>
#include <QTimer>

#include <cdio/cdio.h>
#include <cdio/paranoia/paranoia.h>

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <vector>

constexpr int SectorBytes = CDIO_CD_FRAMESIZE_RAW;  // 2352
constexpr int SectorValues = SectorBytes / 2;       // 1176
constexpr int PreGap = 150;                         // sectors before LSN 0

struct CdGrabber::Private {
    struct Drive {
        QString name;    // folder name under the stub root
        QString source;  // device path or image file
        QString model;   // "VENDOR MODEL" of a real drive (CdGrabber::driveName)
        bool image = false;
        CdIo_t* cdio = nullptr;
        DiscToc toc;
        int firstTrack = 1;
        std::vector<bool> audio;  // per track, first track first
        // Track 1's pre-gap holds audio that is not silence: it is track 0.
        bool hiddenAudio = false;
        std::unique_ptr<QTemporaryDir> rewritten;  // a TOC file copy naming its data files absolutely
        ~Drive() {
            if (cdio) cdio_destroy(cdio);
        }
    };

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
        std::vector<lsn_t> errorSectors;  // where the error blocks lie, one each
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
    int lastError = 0;     // LastError()
    ComponentState state;  // why the last operation failed
    std::shared_ptr<CdDriveLayer> layer;
    std::unique_ptr<TrackRead> track;
    int closedErrorBlocks = 0;  // of the track closed last
    std::vector<lsn_t> closedErrorSectors;
    bool busy = false;
    bool abortRequested = false;
    bool closeRequested = false;
    QTimer* poll = nullptr;

    void fail(int code, const QString& text) {
        lastError = code;
        state.fail(text);
    }
    void succeed() {
        lastError = 0;
        state.succeed();
    }
    Drive* currentDrive() const {
        return current >= 0 && current < int(drives.size()) ? drives[std::size_t(current)].get() : nullptr;
    }

    // Drives and their stubs (CdDrives.cpp).
    QString folderOf(const Drive& dr) const { return stubRoot + QLatin1Char('/') + dr.name; }
    QString uniqueName(QString base) const;
    void addDevices();
    void readToc(Drive& dr);
    static bool pregapHoldsAudio(const Drive& dr);
    // The sectors (inclusive) a rip of audio track `number` reads: from its start up to the next
    // track or the end of the audio; track 0 is the audio hidden before track 1.
    struct SectorSpan {
        lsn_t first = 0, last = -1;
    };
    static SectorSpan spanOf(const Drive& dr, int number);
    void removeStubs(const Drive& dr);
    void writeStubs(const Drive& dr);
    void refresh(Drive& dr);
    void pollMedia();
    static QString hardwareName(CdIo_t* cdio);

    // Checks a disc image before libcdio reads it (CdImageChecks.cpp).
    QString imageProblem(const QString& path, Drive& dr);

    // The secure reader (CdSecureReader.cpp).
    bool openTrack(int number);
    Drive* trackDrive(int number);
    std::unique_ptr<TrackRead> planTrack(const Drive& dr, int number) const;
    bool startParanoia(Drive& dr, TrackRead& t);
    void prepareDrive(Drive& dr, TrackRead& t);
    int paranoiaMode(TrackRead& t) const;
    void closeTrack();
    TrackRead* readableTrack();
    void readSectors(TrackRead& t, SampleBlock& out, std::size_t want);
    void endTrack(TrackRead& t, SampleBlock& out);
    static void keepOverflow(TrackRead& t, SampleBlock& out, std::size_t want);
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
