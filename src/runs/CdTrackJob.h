#pragma once
// One CD track (a "TrackNN.cda" entry under a drive's root text) as a job's source: the drive
// chosen by the entry's root text, the grabber's events followed while it reads (the window
// stays live, a cancel aborts the read), the track's AccurateRip checksums taken of what is
// read, and its tags from what is known of the disc. The conversion run writes what it reads
// and puts it in place.
//
// NOTE ON THREADS: everything here runs on the run's thread, the grabber's too; the grabber's
// events arrive there while a block is read.

#include "components/audio/cd/CdTypes.h"
#include "components/audio/cd/RipLog.h"
#include "runs/AccurateRipVerifier.h"
#include "runs/RunText.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

class AudioInfo;
class CdGrabber;
class QObject;

namespace audio {
class AudioSource;
}

namespace converter {

class RunHost;

class CdTrackJob {
public:
    CdTrackJob(RunHost& host, CdGrabber& grabber);
    ~CdTrackJob();
    CdTrackJob(const CdTrackJob&) = delete;
    CdTrackJob& operator=(const CdTrackJob&) = delete;

    // Chooses the drive of entry `p` and reads its disc again. The reason the track cannot be
    // read, or nothing; nothing too when the program is ending (stopped()).
    RunText prepare(const QString& p);
    // The track as a job's source, after prepare; the grabber's events are followed as long as
    // this object lives.
    audio::AudioSource& source();
    int track() const { return m_track; }

    // The program is ending: nothing more is touched.
    bool stopped() const { return m_stopped; }
    // The read was aborted for a cancel.
    bool aborted() const { return m_aborted; }
    bool openFailed() const;
    QString openError() const;
    // Whether the grabber's progress through the track drives the host's bar (the default); not
    // for a job that reads many tracks and shows its own progress.
    void showTrackProgress(bool shown) { m_trackProgress = shown; }
    // Tells the host of the blocks the grabber replaced, cut or corrected in the track.
    void reportErrorBlocks() const;
    // The track as AccurateRip verifies it, when every frame of it was checksummed.
    std::optional<RippedTrack> ripped(const QString& p) const;
    // Test and copy: reads the whole track once before the job copies it, for its CRC32. False
    // when that read failed (testError() says why) or was cancelled (aborted(), stopped()).
    bool testRead();
    // With test and copy the bar shows both reads: the test read fills its first half, the copy
    // the second. A read's percent as the bar shows it.
    double shownPercent(double percent) const;
    QString testError() const { return m_testError; }
    // With test and copy, when the copy was read whole and its CRC32 is not the test read's: the
    // line the run's report gives it; empty otherwise.
    QString testAndCopyDifference(const QString& p) const;
    // The report of track `track` (entry `p`) whose test and copy CRC32s differ; empty when equal.
    static QString differenceText(int track, const QString& p, std::uint32_t test, std::uint32_t copy);
    // The track's record for the rip log (its end, file and verdict are the run's to fill in): the
    // CRC32s and peak of what was read, and where its error blocks lie.
    riplog::TrackRecord record() const;
    // Writes what is known of the disc (cdplayer.ini, else CD-Text) and what the disc holds into
    // `path` as the track's tags; why it could not, or nothing.
    RunText writeTags(AudioInfo& tags, const QString& cdplayerIni, const QString& path) const;
    // Why the disc information could not be written as a file's tags, given the writer's reason.
    static RunText discTagsRefused(const QString& reason);

private:
    struct ChecksummedTrack;
    bool selectDrive(const QString& p);
    void followEvents();

    RunHost& m_host;
    CdGrabber& m_grabber;
    int m_track = 0;
    bool m_stopped = false;
    bool m_aborted = false;
    bool m_trackProgress = true;
    double m_barFrom = 0;    // where the bar starts for the read in progress
    double m_barShare = 1;   // the part of the bar it fills
    std::optional<std::uint32_t> m_testCrc;
    int m_testErrorBlocks = 0;
    QString m_testError;
    std::unique_ptr<ChecksummedTrack> m_source;
    std::unique_ptr<QObject> m_context;  // the grabber's events reach this track only while it lives
};

}  // namespace converter
