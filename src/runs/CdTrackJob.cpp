#include "runs/CdTrackJob.h"

#include "components/ComponentError.h"
#include "components/audio/cd/AccurateRip.h"
#include "components/audio/cd/CdGrabber.h"
#include "components/audio/cd/CdTrackSource.h"
#include "components/audio/cd/CdTrackTags.h"
#include "components/audio/cd/Deemphasis.h"
#include "components/audio/tags/AudioInfo.h"
#include "components/net/DiscLookup.h"
#include "runs/ConversionRunner.h"
#include "runs/ConverterRules.h"

#include <QFileInfo>
#include <QObject>

#include <algorithm>
#include <cstdlib>

namespace converter {
namespace {

// After switching to the next drive, the message loop runs this many times so that the
// drive's change notifications are handled before its root text is compared.
constexpr int kDriveSwitchPasses = 9;
// 16-bit values asked of the grabber per read of a test pass: five seconds, as the copy reads.
constexpr int kTestBlockValues = 441000;

}  // namespace

// A CD track as a job's source, with its AccurateRip checksums taken of what is read, as it is
// read, and then de-emphasised when the settings ask for it and the track was mastered with
// pre-emphasis (the checksums are of the disc's own audio, as the records hold them).
struct CdTrackJob::ChecksummedTrack : audio::CdTrackSource {
    ChecksummedTrack(CdGrabber& g, int number, const DiscToc& discToc, bool deemphasise)
        : CdTrackSource(g, number), track(number), toc(discToc) {
        if (deemphasise) deemphasis.emplace(CdGrabber::Channels);
    }
    int track;
    DiscToc toc;
    bool openFailed = false;
    std::optional<accuraterip::TrackSum> sum;
    std::optional<audio::Deemphasis> deemphasis;
    std::int64_t frames = 0;
    riplog::Crc32 crc;
    int peak = 0;
    bool open() override {
        openFailed = !CdTrackSource::open();
        frames = statedFrames();
        if (!openFailed) sum.emplace(frames, track == toc.firstAudioTrack(), track == toc.lastAudioTrack());
        return !openFailed;
    }
    SampleBlock read(int samples) override {
        SampleBlock block = CdTrackSource::read(samples);
        if (sum) sum->add(block.data(), block.size());
        // The CRC32 and peak of the audio as read, as the test read takes it: before de-emphasis.
        crc.add(block.data(), block.size());
        for (const std::int16_t v : block) peak = std::max(peak, std::abs(int(v)));
        if (deemphasis) deemphasis->process(block);
        return block;
    }
};

CdTrackJob::CdTrackJob(RunHost& host, CdGrabber& grabber) : m_host(host), m_grabber(grabber) {}
CdTrackJob::~CdTrackJob() = default;

RunText CdTrackJob::prepare(const QString& p) {
    if (!selectDrive(p)) return {};
    m_grabber.ReRead();
    const std::optional<int> track = trackNumberOf(p);
    if (!track)
        return runText("CdTrackJob", QT_TRANSLATE_NOOP("CdTrackJob", "The track number cannot be read from the name '%1'."),
                       QFileInfo(p).fileName());
    m_track = *track;
    const bool deemphasise = m_grabber.settings().deEmphasise && m_grabber.preEmphasis(m_track);
    m_source = std::make_unique<ChecksummedTrack>(m_grabber, m_track, m_grabber.toc(), deemphasise);
    followEvents();
    return {};
}

audio::AudioSource& CdTrackJob::source() { return *m_source; }
bool CdTrackJob::openFailed() const { return m_source && m_source->openFailed; }
QString CdTrackJob::openError() const { return m_source ? m_source->error() : QString(); }

// The drive whose root text the entry starts with; the search starts at the current drive.
// False when the program is ending.
bool CdTrackJob::selectDrive(const QString& p) {
    for (int k = 1; k <= m_grabber.DriveCount(); ++k) {
        const QString root = m_grabber.RootText();
        if (!root.isEmpty() && p.startsWith(root)) break;
        m_grabber.setCurrentDrive(m_grabber.CurrentDrive() + 1);
        for (int pass = 0; pass < kDriveSwitchPasses; ++pass) {
            if (!m_host.letEventsRun()) {
                m_stopped = true;
                return false;
            }
        }
    }
    return true;
}

// The grabber's events arrive while a block is read: they let the window stay live and turn
// a cancel into an abort of the read. The grabber counts the error blocks itself: its read
// errors are single attempts, not blocks.
void CdTrackJob::followEvents() {
    m_context = std::make_unique<QObject>();
    const auto abortOnCancel = [this] {
        if (m_host.cancelRequested()) {
            m_aborted = true;
            m_grabber.Abort();
        }
    };
    QObject::connect(&m_grabber, &CdGrabber::Progress, m_context.get(), [this, abortOnCancel](int percent) {
        if (const double shown = shownPercent(percent); m_trackProgress && m_host.progressShown() != shown)
            m_host.fileProgress(shown);
        if (!m_host.letEventsRun()) m_stopped = true;
        abortOnCancel();
    });
    QObject::connect(&m_grabber, &CdGrabber::ReadError, m_context.get(), [this, abortOnCancel] {
        if (!m_host.letEventsRun()) m_stopped = true;
        abortOnCancel();
    });
    QObject::connect(&m_grabber, &CdGrabber::ReadFinished, m_context.get(), [this, abortOnCancel](int result) {
        if (result == CdGrabber::FinishedFailed)
            m_host.runMessage(QCoreApplication::translate("CdTrackJob", "An error occures when ReadTrack works! Probably need re-read!"),
                              false);
        abortOnCancel();
    });
}

void CdTrackJob::reportErrorBlocks() const {
    const QString text = errorBlocksMessage(m_grabber.errorBlocks(), m_grabber.settings().errorAction);
    if (!text.isEmpty()) m_host.runMessage(text, false);
}

std::optional<RippedTrack> CdTrackJob::ripped(const QString& p) const {
    if (!m_source || !m_source->sum || m_source->sum->framesSeen() != m_source->frames) return std::nullopt;
    return RippedTrack{p, m_source->toc, m_track, m_source->sum->v1(), m_source->sum->v2(), m_grabber.errorBlocks()};
}

double CdTrackJob::shownPercent(double percent) const { return m_barFrom + percent * m_barShare; }

bool CdTrackJob::testRead() {
    m_barShare = 0.5;
    m_grabber.OpenTrack(m_track);
    if (m_grabber.LastError() < 0) {
        m_testError = m_grabber.reason();
        return false;
    }
    riplog::Crc32 crc;
    for (;;) {
        int size = kTestBlockValues;
        const SampleBlock block = m_grabber.ReadBlock(size);
        if (block.empty()) break;
        crc.add(block.data(), block.size());
    }
    const bool failed = m_grabber.LastError() < 0;
    if (failed) m_testError = m_grabber.reason();
    m_testErrorBlocks = m_grabber.errorBlocks();
    m_grabber.CloseTrack();
    if (failed || m_aborted || m_stopped) return false;
    m_testCrc = crc.value();
    m_barFrom = 50;  // the copy's half
    return true;
}

riplog::TrackRecord CdTrackJob::record() const {
    riplog::TrackRecord r;
    r.number = m_track;
    r.testCrc = m_testCrc;
    r.testErrorBlocks = m_testErrorBlocks;
    if (!m_source) return r;
    r.errorSectors = m_grabber.errorSectors();
    if (m_source->sum && m_source->sum->framesSeen() == m_source->frames) {
        r.copyCrc = m_source->crc.value();
        r.peak = m_source->peak;
        r.accurateRipV1 = m_source->sum->v1();
        r.accurateRipV2 = m_source->sum->v2();
    }
    return r;
}

QString CdTrackJob::testAndCopyDifference(const QString& p) const {
    const riplog::TrackRecord r = record();
    if (!m_testCrc || !r.copyCrc) return {};
    return differenceText(m_track, p, *m_testCrc, *r.copyCrc);
}

QString CdTrackJob::differenceText(int track, const QString& p, std::uint32_t test, std::uint32_t copy) {
    if (test == copy) return {};
    const auto hex = [](std::uint32_t v) { return QStringLiteral("%1").arg(v, 8, 16, QLatin1Char('0')).toUpper(); };
    return QCoreApplication::translate("CdTrackJob",
                                       "Track %1 (%2): the test and copy reads differ (test CRC32 %3, copy CRC32 %4); "
                                       "the track may not be exact.")
        .arg(track)
        .arg(QFileInfo(p).fileName(), hex(test), hex(copy));
}

RunText CdTrackJob::writeTags(AudioInfo& tags, const QString& cdplayerIni, const QString& path) const {
    const std::optional<DiscInfo> info = knownDiscInfo(m_grabber, cdplayerIni);
    try {
        tags.setProperties(cdTrackTags(info ? &*info : nullptr, m_track, discFacts(m_grabber, m_track)));
        tags.setPictures(info ? coverPictures(*info) : QList<AudioInfo::Picture>());
        tags.WriteTags(path);
    } catch (const ComponentError& e) {
        return discTagsRefused(e.description());
    }
    return {};
}

RunText CdTrackJob::discTagsRefused(const QString& reason) {
    return runText("CdTrackJob", QT_TRANSLATE_NOOP("CdTrackJob", "The disc information could not be written as tags: %1"), reason);
}

}  // namespace converter
