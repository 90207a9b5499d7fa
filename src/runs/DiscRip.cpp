// The rip of a disc beyond its tracks: the whole disc as one file, with its CUE sheet beside it
// (and, in a FLAC file, in its CUESHEET block), and at the run's end the CUE sheet of each disc
// whose tracks were written one file per track.
#include "runs/ConversionRunner.h"

#include "components/ComponentError.h"
#include "components/audio/cd/AccurateRip.h"
#include "components/audio/cd/CdDiscSource.h"
#include "components/audio/cd/CdGrabber.h"
#include "components/audio/cd/CdTrackTags.h"
#include "components/audio/cd/RipLog.h"
#include "components/audio/codecs/AudioFile.h"
#include "components/audio/codecs/FlacCueSheet.h"
#include "components/audio/engine/FileEndpoints.h"
#include "components/audio/tags/AudioInfo.h"
#include "runs/CdTrackJob.h"
#include "runs/ConverterRules.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cstdlib>
#include <map>

namespace converter {
namespace {


// Writes a sheet's text whole or not at all; why it could not, or nothing.
QString saveSheet(const QString& path, const cue::Sheet& sheet) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(cue::text(sheet)) < 0 || !file.commit())
        return QCoreApplication::translate("ConversionRunner", "The CUE sheet '%1' could not be written: %2").arg(path, file.errorString());
    return {};
}

// The disc's tracks one after another, with each track's AccurateRip checksums taken of what is
// read, as a track of its own has them.
struct ChecksummedDisc : audio::CdDiscSource {
    ChecksummedDisc(CdGrabber& g, std::vector<int> tracks, std::int64_t frames, DiscToc discToc)
        : CdDiscSource(g, std::move(tracks), frames), toc(std::move(discToc)) {}
    DiscToc toc;
    // What is taken of each track as it is read: its AccurateRip sums, and its CRC32 and peak for
    // the rip log.
    struct Sums {
        std::int64_t frames = 0;
        accuraterip::TrackSum sum;
        riplog::Crc32 crc;
        int peak = 0;
    };
    std::map<int, Sums> sums;  // by track
    void trackOpened(int track, std::int64_t frames) override {
        sums.insert_or_assign(track, Sums{frames, accuraterip::TrackSum(frames, track == toc.firstAudioTrack(), track == toc.lastAudioTrack()), {}, 0});
    }
    SampleBlock read(int samples) override {
        SampleBlock block = CdDiscSource::read(samples);
        if (const auto s = sums.find(currentTrack()); s != sums.end()) {
            s->second.sum.add(block.data(), block.size());
            s->second.crc.add(block.data(), block.size());
            for (const std::int16_t v : block) s->second.peak = std::max(s->second.peak, std::abs(int(v)));
        }
        return block;
    }
    static QString entry(const QString& root, int track) { return root + QStringLiteral("Track%1.cda").arg(track, 2, 10, QLatin1Char('0')); }
    // The tracks read whole, as AccurateRip verifies them; each is named by its entry under `root`.
    std::vector<RippedTrack> ripped(const QString& root) const {
        std::vector<RippedTrack> out;
        for (const auto& [track, s] : sums)
            if (s.sum.framesSeen() == s.frames) out.push_back({entry(root, track), toc, track, s.sum.v1(), s.sum.v2(), errorBlocks(track)});
        return out;
    }
    // The rip log's record of each track read whole, by its entry under `root`.
    std::map<QString, riplog::TrackRecord> records(const QString& root, const QString& file) const {
        std::map<QString, riplog::TrackRecord> out;
        for (const auto& [track, s] : sums) {
            if (s.sum.framesSeen() != s.frames) continue;
            riplog::TrackRecord r;
            r.number = track;
            r.end = riplog::TrackRecord::End::Copied;
            r.file = file;
            r.copyCrc = s.crc.value();
            r.errorSectors = errorSectors(track);
            r.peak = s.peak;
            r.accurateRipV1 = s.sum.v1();
            r.accurateRipV2 = s.sum.v2();
            out.emplace(entry(root, track), r);
        }
        return out;
    }
};

bool isFlac(const QString& path) { return QFileInfo(path).suffix().compare(QLatin1String("flac"), Qt::CaseInsensitive) == 0; }

}  // namespace

const QList<ConversionRunner::DiscRipped>& ConversionRunner::discsRipped() const { return m_discRips.written; }

void ConversionRunner::trackRipped(const QString& q, int track) {
    CdGrabber& grabber = *m_components.grabber;
    auto disc = m_discRips.discs.find(grabber.RootText());
    if (disc == m_discRips.discs.end()) {
        RipCueSheet sheet(grabber.layout(), knownDiscInfo(grabber, m_components.cdplayerIni));
        disc = m_discRips.discs.emplace(grabber.RootText(), DiscRips::Disc{sheet, QFileInfo(q).absolutePath(), {}, false}).first;
    }
    disc->second.files.insert(track, QFileInfo(q).absoluteFilePath());
}

// Each disc whose tracks were written one file per track gets its sheet beside its first file,
// naming the files of the tracks written and of those whose outputs were there before (the
// command line skips them).
void ConversionRunner::writeCueSheets(const RunSnapshot& snapshot) {
    for (auto& [root, disc] : m_discRips.discs) {
        if (disc.oneFile) continue;
        for (const RunEntry& e : snapshot.existing) {
            const std::optional<int> track = isCdTrack(e.source) && e.source.startsWith(root) ? trackNumberOf(e.source) : std::nullopt;
            if (track && !disc.files.contains(*track)) disc.files.insert(*track, QFileInfo(e.output).absoluteFilePath());
        }
        const QDir folder(disc.folder);
        QMap<int, QString> named;
        for (auto f = disc.files.cbegin(); f != disc.files.cend(); ++f) named.insert(f.key(), folder.relativeFilePath(f.value()));
        const QString path = folder.filePath(disc.sheet.discName() + QStringLiteral(".cue"));
        if (const QString reason = saveSheet(path, disc.sheet.perTrack(named)); !reason.isEmpty()) fail(path, reason);
        else m_discRips.written.push_back({path, {}});
        for (const QString& name : std::as_const(named))
            if (name.contains(QLatin1Char('"')))
                fail(path, QCoreApplication::translate("ConversionRunner",
                                                       "The CUE sheet '%1' cannot name '%2': a sheet cannot hold a double quote "
                                                       "in a file name. Rename the file, and its name in the sheet, with single "
                                                       "quotes.")
                               .arg(path, name));
    }
}

// The disc of entry `p` (prepared in `cd`) into one file beside `q`, once per disc and run: the
// disc's later entries are in it already, or failed with it.
bool ConversionRunner::ripDiscAsOneFile(const QString& p, const QString& q, CdTrackJob& cd) {
    CdGrabber& grabber = *m_components.grabber;
    const QString root = grabber.RootText();
    if (m_discRips.discs.count(root) != 0) return true;
    const std::optional<DiscInfo> info = knownDiscInfo(grabber, m_components.cdplayerIni);
    const RipCueSheet sheet(grabber.layout(), info);
    // The disc is read once in a run, whether its one file is written or not.
    m_discRips.discs.emplace(root, DiscRips::Disc{sheet, {}, {}, true});
    const std::vector<TrackLayout> tracks = sheet.oneFileTracks();
    if (tracks.empty()) {
        fail(p, runText("ConversionRunner", QT_TRANSLATE_NOOP("ConversionRunner", "The disc in %1 has no audio track."),
                        grabber.driveSource()));
        return false;
    }
    std::vector<int> numbers;
    for (const TrackLayout& t : tracks) numbers.push_back(t.number);
    const std::int64_t frames = (tracks.back().start + tracks.back().length - tracks.front().start) * CdGrabber::FramesPerSector;
    const QString out = sheet.oneFilePath(q, m_formatKey);
    const QString part = partFileFor(out, 0);
    cd.showTrackProgress(false);
    // Test and copy: every track read once for its CRC32 before the copy.
    std::map<int, std::uint32_t> testCrcs;
    if (grabber.settings().testAndCopy) {
        const std::optional<std::map<int, std::uint32_t>> tested = testReadDisc(grabber, numbers, p, cd);
        if (!tested) return false;
        testCrcs = *tested;
    }
    ChecksummedDisc source(grabber, numbers, frames, grabber.toc());
    const std::optional<CdRead> read = readCd(source, cd, p, out, part);
    if (!read) return false;
    const cue::Sheet inFile = sheet.oneFile(QFileInfo(out).fileName());
    const std::int64_t written = read->outcome.samplesWritten / CdGrabber::Channels;
    const Tagger tagger = [&](const QString& file) { return tagOneFile(file, sheet, inFile, written, info); };
    if (!completeOutput(p, part, out, read->loudness, tagger)) return false;
    m_host.cdTrackWritten(p, source.errorBlocks());
    for (const RippedTrack& track : source.ripped(root)) m_verifier.add(track);
    // Each track of the one file in the rip log, as a track of its own would be.
    for (auto [entry, record] : source.records(root, QFileInfo(out).fileName())) {
        if (const auto test = testCrcs.find(record.number); test != testCrcs.end()) {
            record.testCrc = test->second;
            if (const QString differ = CdTrackJob::differenceText(record.number, entry, test->second, *record.copyCrc); !differ.isEmpty())
                m_host.testAndCopyDiffered(entry, differ);
        }
        m_ripLogs.trackStarted(entry, grabber, m_components.cdplayerIni);
        m_ripLogs.trackEnded(entry, record);
        m_discRips.records.insert_or_assign(entry, record);
    }
    const QString sheetPath = QFileInfo(out).dir().filePath(QFileInfo(out).completeBaseName() + QStringLiteral(".cue"));
    const QString refused = saveSheet(sheetPath, inFile);
    if (!refused.isEmpty()) fail(sheetPath, refused);
    m_discRips.written.push_back({refused.isEmpty() ? sheetPath : QString(), out});
    return true;
}

// The one file's CUESHEET block (a FLAC file of `frames` frames) and, with tags kept, the disc's
// tags with the sheet as CUESHEET; why either failed, or nothing.
std::optional<std::map<int, std::uint32_t>> ConversionRunner::testReadDisc(CdGrabber& grabber, const std::vector<int>& tracks,
                                                                          const QString& p, const CdTrackJob& cd) {
    std::map<int, std::uint32_t> crcs;
    for (const int track : tracks) {
        grabber.OpenTrack(track);
        riplog::Crc32 crc;
        for (bool reading = grabber.LastError() >= 0; reading;) {
            int size = kCdBlockValues;
            const SampleBlock block = grabber.ReadBlock(size);
            crc.add(block.data(), block.size());
            reading = !block.empty();
        }
        const bool failed = grabber.LastError() < 0;
        const QString reason = grabber.reason();
        grabber.CloseTrack();
        m_stopped = m_stopped || cd.stopped();
        if (m_stopped) return std::nullopt;
        if (cd.aborted()) {
            m_host.cancelRun();
            m_host.fileEnded();
            return std::nullopt;
        }
        if (failed) {
            fail(p, runText("ConversionRunner", QT_TRANSLATE_NOOP("ConversionRunner", "The test read failed: %1"), reason));
            return std::nullopt;
        }
        crcs.emplace(track, crc.value());
    }
    return crcs;
}

RunText ConversionRunner::tagOneFile(const QString& file, const RipCueSheet& sheet, const cue::Sheet& inFile, std::int64_t frames,
                                     const std::optional<DiscInfo>& info) {
    if (isFlac(file))
        if (const QString reason = audio::writeFlacCueSheet(file, inFile, frames); !reason.isEmpty()) return asIs(reason);
    if (!m_preserveTags) return {};
    QMap<QString, QStringList> tags = sheet.oneFileTags(inFile);
    if (!isFlac(file)) tags.remove(QStringLiteral("CUESHEET"));
    try {
        m_components.tags.setProperties(tags);
        m_components.tags.setPictures(info ? coverPictures(*info) : QList<AudioInfo::Picture>());
        m_components.tags.WriteTags(file);
    } catch (const ComponentError& e) {
        return CdTrackJob::discTagsRefused(e.description());
    }
    return {};
}

}  // namespace converter
