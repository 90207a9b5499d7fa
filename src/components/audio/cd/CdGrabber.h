#pragma once
// The CD grabber: lists the CD drives and the disc images the user opened, shows the tracks of
// each as TrackNN.cda stub files in a folder of its own, and reads audio tracks through
// libcdio-paranoia with the configured read mode, retries and action on read errors.
//
// Safe mode (on by default) reads every sector a second time, in every read mode, and keeps it
// only when both reads agree; a sector read differently is read again, up to the retries,
// until two reads in a row agree, and otherwise counts as unverified.
//
// Error actions for a sector that stays unreadable after the retries: 0 stops the read (it
// fails), 1 puts silence in its place, 2 leaves it out, 3 conceals it with a straight line
// between the neighbouring samples (a sector paranoia read but could not verify keeps
// paranoia's reconstruction instead).
//
// Order of calls for a track: setCurrentDrive / ReRead, OpenTrack, ReadBlock until it returns
// an empty block, CloseTrack. LastError() below 0 means the last operation failed;
// reason() says why. While ReadBlock runs, Progress and ReadError are emitted
// synchronously; their handlers may call Abort().
//
// NOTE ON THREADS
// A grabber belongs to the thread that created it (the user-interface thread, or the command
// line's main thread) and every call is made there: the conversion runs that read CD tracks
// (ConversionRunner, the command line) read them on that thread, one track at a time, never in
// the parallel run's pool. Nothing here is safe to call from another thread, Abort() and
// Busy() included; they are meant for the signal handlers, which run on the same thread inside
// ReadBlock. The disc-change poll is a timer of that thread's event loop. libcdio-paranoia
// calls back into the grabber on the thread that runs ReadBlock (a thread-local pointer finds
// the grabber); no thread of its own is started. The grabber owns its drives' libcdio handles,
// the open track's paranoia state and the stub folders, which it removes when destroyed.

#include "components/audio/cd/CdTypes.h"
#include "components/audio/engine/SampleBlock.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// What the grabber's raw sector reads go through on their way to the drive. The default
// passes every read straight on; tests put a layer in between that fails chosen sectors.
class CdDriveLayer {
public:
    // Reads `sectors` raw audio sectors (2352 bytes each) from `lsn` on into `buffer` and
    // returns how many were read, or a negative value when the read failed.
    using DeviceRead = std::function<long(std::int32_t lsn, long sectors, void* buffer)>;
    virtual ~CdDriveLayer() = default;
    virtual long readAudio(std::int32_t lsn, long sectors, void* buffer, const DeviceRead& device) = 0;
};

class CdGrabber : public QObject {
    Q_OBJECT
public:
    // LastError() codes; 0 is success.
    enum Error {
        NoError = 0,
        ErrorNoDrive = -1,     // no drive, or the index names none
        ErrorNoDisc = -2,      // the drive holds no audio disc
        ErrorBadTrack = -3,    // no such audio track on the disc
        ErrorImage = -4,       // a disc image could not be opened
        ErrorRead = -5,        // a sector could not be read and the action is "stop"
        ErrorAborted = -6,     // Abort() ended the read
        ErrorNotOpen = -7,     // no track is open
        ErrorBusy = -8,        // refused while a read is in progress
        ErrorDevice = -9,      // the drive refused to start reading
    };
    // ReadFinished() results.
    static constexpr int FinishedWhole = 0;
    static constexpr int FinishedFailed = -1;
    static constexpr int FinishedAborted = -2;

    static constexpr int SampleRate = 44100;
    static constexpr int Channels = 2;
    static constexpr int FramesPerSector = 588;

    // `stubRoot` is the folder that receives one folder of .cda stubs per drive; empty means
    // the user's runtime folder + "/velloria/<process id>". `findDevices` false leaves the system's CD
    // drives out (only opened images are drives then).
    explicit CdGrabber(QObject* parent = nullptr, QString stubRoot = {}, bool findDevices = true);
    ~CdGrabber() override;

    const GrabSettings& settings() const;
    // Taken into account at the next OpenTrack.
    void setSettings(const GrabSettings& settings);

    // Real drives first, in the order libcdio lists them, then the opened images.
    int DriveCount() const;
    int CurrentDrive() const;
    // An index past the last drive wraps around to the first; a negative one selects none.
    void setCurrentDrive(int index);
    // The stub folder of the current drive with a final "/"; empty without drives.
    QString RootText() const;
    // The device path or image file of the current drive.
    QString driveSource() const;
    bool driveIsImage() const;
    // What the current drive answers to an inquiry: vendor, model and firmware revision. Empty
    // for a disc image, and for a drive that does not answer.
    struct DriveInquiry {
        QString vendor;
        QString model;
        QString revision;
    };
    DriveInquiry driveInquiry() const;
    // The name the current drive gives itself, "VENDOR MODEL" (libcdio's cdio_get_hwinfo, spaces
    // simplified); empty for a disc image or a drive that says nothing. Its read offset is
    // stored under this name (GrabSettings::offsetFor).
    QString driveName() const;
    // The read offset a track of the current drive is read with, and where it comes from (for
    // the rip log): the drive's own, the default, or none for a disc image ("disc image").
    GrabSettings::DriveOffset appliedOffset() const;
    // Reads `count` raw audio sectors of the current drive from `lsn` on into `values` (1176
    // values a sector) as the drive gives them: no read offset, no paranoia, no verification;
    // through the drive layer, a failed read retried sector by sector up to the retries. For
    // the read offset finder. False, with LastError() and reason(), when a sector cannot be
    // read, or while a track is open (ErrorBusy).
    bool readRawSectors(std::int32_t lsn, int count, std::int16_t* values);
    // Reads the current drive's table of contents again and rewrites its stubs. Refused
    // (ErrorBusy) while a track of that drive is open: the track in progress stays as it is.
    void ReRead();
    // The current drive's table of contents; empty when it holds no audio disc.
    DiscToc toc() const;
    // The CD-Text of the current drive's disc or image (TITLE and PERFORMER of the disc, TITLE,
    // PERFORMER and ISRC of each track); found = false when it has none.
    DiscInfo cdText(bool* found = nullptr) const;
    // The ISRC the current drive's disc holds for `track` (numbered as on the disc: the Q
    // sub-channel of a drive, an ISRC line of a cue sheet); empty when it holds none or a read
    // is in progress.
    QString isrc(int track) const;
    // The audio tracks of the current drive's disc.
    int audioTrackCount() const;
    // The current drive's disc as a CUE sheet and a rip log describe it: every track with its
    // pre-gap, control flags and ISRC, the catalogue number and where the audio ends. Empty
    // when it holds no audio disc. Audio in track 1's pre-gap that is not silence is track 0,
    // ripped like the others (Track00.cda, OpenTrack(0)); data tracks are listed, never read,
    // and an enhanced CD's last audio track ends 11,400 sectors before its data track.
    DiscLayout layout() const;
    // Whether audio track `track` was mastered with pre-emphasis (its control bit; track 0
    // carries track 1's).
    bool preEmphasis(int track) const;

    // Opens a .cue/.bin pair, a cdrdao .toc or a Nero .nrg image as a drive of its own and
    // makes it current. Returns the drive's index, or -1 with LastError() and reason().
    int OpenImage(const QString& path);

    // Opens audio track `track` (numbered as on the disc; 0 is the audio hidden before track 1,
    // when the disc has it) of the current drive for reading.
    void OpenTrack(int track);
    // Up to `blockSize` sample values of whole stereo frames (16-bit, interleaved); on return
    // `blockSize` holds how many were read. Empty at the end of the track, after Abort() and
    // when reading failed (LastError() then below 0).
    SampleBlock ReadBlock(int& blockSize);
    // The open track's length in sample frames.
    std::int64_t TrackLength() const;
    // Sectors of the open track (or of the track closed last, until the next OpenTrack) that
    // could not be read, or whose reads never agreed, and that the error action handled.
    int errorBlocks() const;
    // Where those error blocks lie: the sectors read, counted from the start of the disc as
    // DiscToc counts them, in the order they were handed out; one per error block.
    std::vector<std::int32_t> errorSectors() const;
    void CloseTrack();
    // True while ReadBlock runs.
    bool Busy() const;
    // Ends the running read at the next sector; later reads of the track return nothing.
    void Abort();

    int LastError() const;
    QString reason() const;

    // The sectors that hold a track of sectors first..last (inclusive) once shifted by a drive's
    // read offset (frames; positive reads later), within a disc that ends at `leadOut`: the
    // frames to drop from the first sector read, and the frames of silence that stand for the
    // parts before the disc's start or past its end. A real drive's track is read through it
    // when its offset (GrabSettings::offsetFor its name) is not 0; a disc image has no offset
    // and is read as it is.
    struct ReadWindow {
        std::int32_t first = 0;
        std::int32_t last = -1;
        std::int64_t skipFrames = 0;
        std::int64_t zerosBefore = 0;
        std::int64_t zerosAfter = 0;
    };
    static ReadWindow readWindow(std::int32_t first, std::int32_t last, std::int32_t leadOut, int offset);

    // Reads go through `layer` from the next OpenTrack on; nullptr restores direct reads.
    void setDriveLayer(std::shared_ptr<CdDriveLayer> layer);

Q_SIGNALS:
    void Progress(int percent);
    // One failed attempt at reading a sector (the first read and every retry), a read that
    // disagreed with the one before (safe mode), or a sector whose reads could not be made to
    // agree. Several may belong to one sector: errorBlocks() counts the sectors.
    void ReadError();
    // At the end of a track's read: FinishedWhole, FinishedFailed or FinishedAborted.
    void ReadFinished(int result);
    // A real drive's disc was inserted, removed or changed.
    void DiscChanged();

private:
    struct Private;
    std::unique_ptr<Private> d;
    friend struct Private;
};
