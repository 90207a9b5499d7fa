// The CD grabber over disc images made in the test: every read mode against cd-paranoia's rip,
// the .cda stubs, broken images, and read errors injected beneath libcdio-paranoia.
#include "components/audio/engine/AudioJob.h"
#include "components/audio/cd/CdGrabber.h"
#include "components/audio/cd/CdTrackSource.h"
#include "support/CdImages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

using namespace testing_support;

namespace {

// A whole track read through the grabber, with what it signalled.
struct Rip {
    SampleBlock samples;
    int readErrors = 0;
    std::vector<int> finished;
    int lastProgress = -1;
    int lastError = 0;
    int errorBlocks = 0;
};

Rip rip(CdGrabber& grabber, int track, int blockSize = 441000) {
    Rip r;
    auto c1 = QObject::connect(&grabber, &CdGrabber::ReadError, [&] { ++r.readErrors; });
    auto c2 = QObject::connect(&grabber, &CdGrabber::ReadFinished, [&](int result) { r.finished.push_back(result); });
    auto c3 = QObject::connect(&grabber, &CdGrabber::Progress, [&](int percent) { r.lastProgress = percent; });
    grabber.OpenTrack(track);
    r.lastError = grabber.LastError();
    while (r.lastError >= 0) {
        int size = blockSize;
        const SampleBlock block = grabber.ReadBlock(size);
        r.lastError = grabber.LastError();
        if (block.empty()) break;
        EXPECT_EQ(size, int(block.size()));
        EXPECT_LE(size, blockSize);
        r.samples.insert(r.samples.end(), block.begin(), block.end());
    }
    r.errorBlocks = grabber.errorBlocks();
    grabber.CloseTrack();
    QObject::disconnect(c1);
    QObject::disconnect(c2);
    QObject::disconnect(c3);
    return r;
}

// Fails reads of chosen sectors: a read of several sectors stops short before the first bad
// one; a single-sector read of a bad sector fails while it has failures left (-1: always).
struct FaultyDrive : CdDriveLayer {
    std::map<std::int32_t, int> failuresLeft;
    long readAudio(std::int32_t lsn, long sectors, void* buffer, const DeviceRead& device) override {
        for (long i = 0; i < sectors; ++i) {
            auto it = failuresLeft.find(lsn + std::int32_t(i));
            if (it == failuresLeft.end() || it->second == 0) continue;
            if (i > 0) return device(lsn, i, buffer);
            if (sectors == 1 && it->second > 0) --it->second;
            return -1;
        }
        return device(lsn, sectors, buffer);
    }
};

SampleBlock sector(const SampleBlock& s, int index) {
    return {s.begin() + std::ptrdiff_t(index) * kCdSectorValues, s.begin() + std::ptrdiff_t(index + 1) * kCdSectorValues};
}

class CdGrabberTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString stubs() const { return dir.filePath(QStringLiteral("stubs")); }
};

TEST_F(CdGrabberTest, EveryReadModeRipsEachTrackLikeCdParanoia) {
    const CdImage image = writeCdImage(dir.path(), QStringLiteral("disc"), {cdNoise(225), cdTone(225), cdSpeech(300)});
    std::vector<SampleBlock> reference;
    for (int t = 1; t <= 3; ++t) {
        QString error;
        reference.push_back(cdParanoiaRip(image.cue, t, &error));
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
        // The image holds what was written; cd-paranoia reads it back exactly.
        ASSERT_EQ(reference.back(), image.tracks[std::size_t(t - 1)]) << "track " << t;
    }
    CdGrabber grabber(nullptr, stubs(), false);
    ASSERT_EQ(grabber.OpenImage(image.cue), 0) << grabber.reason().toStdString();
    const DiscToc toc = grabber.toc();
    EXPECT_EQ(toc.trackStarts, (std::vector<std::int32_t>{0, 225, 450}));
    EXPECT_EQ(toc.leadOut, 750);
    for (int mode = 1; mode <= 4; ++mode) {
        GrabSettings s;
        s.readMode = mode;
        grabber.setSettings(s);
        for (int t = 1; t <= 3; ++t) {
            const Rip r = rip(grabber, t);
            EXPECT_EQ(r.lastError, 0) << grabber.reason().toStdString();
            EXPECT_TRUE(r.samples == reference[std::size_t(t - 1)]) << "mode " << mode << " track " << t;
            EXPECT_EQ(r.finished, std::vector<int>{CdGrabber::FinishedWhole});
            EXPECT_EQ(r.lastProgress, 100);
            EXPECT_EQ(r.readErrors, 0);
        }
    }
    // Blocks of any size, odd ones included, join up to the same track.
    grabber.OpenTrack(2);
    EXPECT_EQ(grabber.TrackLength(), 225 * kCdSectorFrames);
    grabber.CloseTrack();
    EXPECT_EQ(rip(grabber, 2, 1001).samples, reference[1]);
}

TEST_F(CdGrabberTest, TracksAppearAsCdaStubsInTheDrivesFolder) {
    const CdImage image = writeCdImage(dir.path(), QStringLiteral("disc"), {cdNoise(225), cdTone(225), cdSpeech(300)});
    const CdImage other = writeCdImage(dir.path(), QStringLiteral("other"), {cdTone(100)});
    {
        CdGrabber grabber(nullptr, stubs(), false);
        EXPECT_EQ(grabber.DriveCount(), 0);
        EXPECT_EQ(grabber.OpenImage(image.cue), 0);
        EXPECT_EQ(grabber.OpenImage(other.cue), 1);
        EXPECT_EQ(grabber.DriveCount(), 2);
        EXPECT_EQ(grabber.CurrentDrive(), 1);
        grabber.setCurrentDrive(2);  // wraps to the first drive
        EXPECT_EQ(grabber.CurrentDrive(), 0);
        const QString root = grabber.RootText();
        EXPECT_EQ(root, stubs() + QStringLiteral("/disc.cue/"));
        EXPECT_EQ(QDir(root).entryList(QDir::Files), (QStringList{QStringLiteral("Track01.cda"), QStringLiteral("Track02.cda"),
                                                                   QStringLiteral("Track03.cda")}));
        QFile stub(root + QStringLiteral("Track02.cda"));
        ASSERT_TRUE(stub.open(QIODevice::ReadOnly));
        // Track 2 starts at sector 225 (00:05:00 with the pre-gap) and lasts 225 sectors; the
        // serial is the disc's CDDB id 0f000a03.
        const QByteArray expected = QByteArray::fromHex(
            "52494646" "24000000" "43444441" "666d7420" "18000000" "0100" "0200" "030a000f"
            "e1000000" "e1000000" "00050000" "00030000");
        EXPECT_EQ(stub.readAll().toHex(), expected.toHex());
        grabber.setCurrentDrive(1);
        EXPECT_EQ(grabber.RootText(), stubs() + QStringLiteral("/other.cue/"));
        EXPECT_EQ(QFileInfo(grabber.RootText() + QStringLiteral("Track01.cda")).size(), 44);
    }
    // The folders go with the grabber.
    EXPECT_FALSE(QFileInfo::exists(stubs() + QStringLiteral("/disc.cue")));
}

// Without a folder of its own a grabber keeps its tracks under the runtime folder, one folder
// per running program: two programs with an image of the same name never remove each other's
// tracks, and the folder of a program that is gone is cleared.
TEST_F(CdGrabberTest, EachRunningProgramKeepsItsOwnTrackFolders) {
    QTemporaryDir runtime;
    const QByteArray before = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QString gone = runtime.path() + QStringLiteral("/velloria/999999999");
    ASSERT_TRUE(QDir().mkpath(gone));
    const CdImage image = writeCdImage(dir.path(), QStringLiteral("disc"), {cdTone(75)});
    {
        CdGrabber grabber(nullptr, {}, false);
        ASSERT_EQ(grabber.OpenImage(image.cue), 0);
        EXPECT_EQ(grabber.RootText(), runtime.path() + QStringLiteral("/velloria/%1/disc.cue/").arg(QCoreApplication::applicationPid()));
        EXPECT_FALSE(QFileInfo::exists(gone));
    }
    qputenv("XDG_RUNTIME_DIR", before);
}

TEST_F(CdGrabberTest, ACdrdaoTocImageReadsLikeItsCueSheet) {
    const CdImage image = writeCdImage(dir.path(), QStringLiteral("disc"), {cdTone(150), cdNoise(75)});
    QFile toc(dir.filePath(QStringLiteral("disc.toc")));
    ASSERT_TRUE(toc.open(QIODevice::WriteOnly));
    toc.write("CD_DA\n\nTRACK AUDIO\nFILE \"disc.bin\" 0 00:02:00\n\nTRACK AUDIO\nFILE \"disc.bin\" 00:02:00 00:01:00\n");
    toc.close();
    CdGrabber grabber(nullptr, stubs(), false);
    ASSERT_EQ(grabber.OpenImage(toc.fileName()), 0) << grabber.reason().toStdString();
    EXPECT_EQ(grabber.toc().trackStarts, (std::vector<std::int32_t>{0, 150}));
    EXPECT_TRUE(rip(grabber, 1).samples == image.tracks[0]);
    EXPECT_TRUE(rip(grabber, 2).samples == image.tracks[1]);
    EXPECT_EQ(QDir(grabber.RootText()).entryList(QDir::Files).size(), 2);
}

TEST_F(CdGrabberTest, BrokenImagesAndMissingDrivesAreRefusedWithAReason) {
    {
        // The system's drives, if any: one without a disc refuses to open a track.
        CdGrabber system(nullptr, dir.filePath(QStringLiteral("system")), true);
        for (int i = 0; i < system.DriveCount(); ++i) {
            system.setCurrentDrive(i);
            EXPECT_FALSE(system.driveIsImage());
            if (!system.toc().trackStarts.empty()) continue;
            system.OpenTrack(1);
            EXPECT_EQ(system.LastError(), CdGrabber::ErrorNoDisc);
        }
    }

    CdGrabber grabber(nullptr, stubs(), false);
    EXPECT_TRUE(grabber.RootText().isEmpty());
    grabber.OpenTrack(1);
    EXPECT_EQ(grabber.LastError(), CdGrabber::ErrorNoDrive);
    int size = 441000;
    EXPECT_TRUE(grabber.ReadBlock(size).empty());
    EXPECT_LT(grabber.LastError(), 0);

    auto refused = [&](const QString& path, const char* words) {
        EXPECT_EQ(grabber.OpenImage(path), -1) << path.toStdString();
        EXPECT_EQ(grabber.LastError(), CdGrabber::ErrorImage);
        EXPECT_TRUE(grabber.reason().contains(QLatin1String(words))) << grabber.reason().toStdString();
        EXPECT_EQ(grabber.DriveCount(), 0);
    };
    refused(dir.filePath(QStringLiteral("nothing.cue")), "does not exist");

    CdImage missing = writeCdImage(dir.path(), QStringLiteral("missing"), {cdNoise(100)});
    QFile::remove(missing.bin);
    refused(missing.cue, "missing.bin that missing.cue names is missing");

    CdImage cut = writeCdImage(dir.path(), QStringLiteral("cut"), {cdNoise(100), cdNoise(100)});
    QFile::resize(cut.bin, 150 * 2352 + 1000);
    refused(cut.cue, "truncated");
    QFile::resize(cut.bin, 80 * 2352);  // ends before track 2 starts
    refused(cut.cue, "truncated");

    QFile text(dir.filePath(QStringLiteral("notes.nrg")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write(QByteArray(5000, 'x'));
    text.close();
    refused(text.fileName(), "not a disc image");

    // A TOC file whose track starts one sector before the data (found by fuzzing): reading it
    // used to retry that sector for ever.
    QFile toc(dir.filePath(QStringLiteral("early.toc")));
    ASSERT_TRUE(toc.open(QIODevice::WriteOnly));
    toc.write("CD_DA\n\nTRACK AUDIO\nFILE \"good.bin\" 00:01:\xf6" "00 00:02:00\n");
    toc.close();
    writeCdImage(dir.path(), QStringLiteral("good"), {cdNoise(300)});
    refused(toc.fileName(), "starts before the beginning");
    // A TRACK line without a mode, or a MODE2 track whose data file states no length, made
    // libcdio divide by zero (found by fuzzing); a NUL byte hides the rest of a line from it.
    static const char withNul[] = "CD_DA\n\nTRACK AUDIO\0\nFILE \"good.bin\" 0\n";
    for (const QByteArray& sheet : {QByteArray("CD_DA\n\nTRACK\nFILE \"good.bin\" 0\n"), QByteArray(withNul, sizeof withNul - 1),
                                    QByteArray("CD_DA\n\nTRACK MODE2\nFILE \"good.bin\" 00:00:04\n"),
                                    QByteArray("CD_DA\n\nTRACK MODE2_FORM1\nDATAFILE \"good.bin\"\n"),
                                    QByteArray("CD_DA\n\nTRACK MODE2_FORM2\nFILE \"good.bin\" 0 0\n"),
                                    QByteArray("CD_DA\n\nTRACK MODE2\nDATAFILE \"good.bin\" 0 50:0:04\n")}) {
        ASSERT_TRUE(toc.open(QIODevice::WriteOnly | QIODevice::Truncate));
        toc.write(sheet);
        toc.close();
        refused(toc.fileName(), "not a disc image that can be read");
    }

    // A track the disc does not have.
    const CdImage good = writeCdImage(dir.path(), QStringLiteral("good"), {cdNoise(100)});
    QFile::remove(toc.fileName());
    ASSERT_EQ(grabber.OpenImage(good.cue), 0);
    grabber.OpenTrack(2);
    EXPECT_EQ(grabber.LastError(), CdGrabber::ErrorBadTrack);
}

TEST_F(CdGrabberTest, UnreadableSectorsFollowTheErrorActionInEveryMode) {
    const CdImage image = writeCdImage(dir.path(), QStringLiteral("disc"), {cdNoise(150)});
    const SampleBlock& source = image.tracks[0];
    const int bad = 40;
    CdGrabber grabber(nullptr, stubs(), false);
    ASSERT_EQ(grabber.OpenImage(image.cue), 0);
    for (int mode = 1; mode <= 4; ++mode) {
        for (int action = 0; action <= 3; ++action) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << " action " << action);
            auto drive = std::make_shared<FaultyDrive>();
            drive->failuresLeft[bad] = -1;
            grabber.setDriveLayer(drive);
            GrabSettings s;
            s.readMode = mode;
            s.errorAction = action;
            s.retries = 2;
            grabber.setSettings(s);
            const Rip r = rip(grabber, 1);
            EXPECT_EQ(r.readErrors, 3);  // the first read and two retries
            SampleBlock expected(source.begin(), source.begin() + bad * kCdSectorValues);
            if (action == 0) {
                EXPECT_EQ(r.lastError, CdGrabber::ErrorRead);
                EXPECT_EQ(r.finished, std::vector<int>{CdGrabber::FinishedFailed});
                EXPECT_LT(r.samples.size(), expected.size());  // what was read is never passed off as the track
                continue;
            }
            EXPECT_EQ(r.finished, std::vector<int>{CdGrabber::FinishedWhole});
            EXPECT_EQ(r.errorBlocks, 1);
            if (action == 1) expected.insert(expected.end(), kCdSectorValues, 0);
            if (action == 3) {
                // Concealed by a straight line from the frame before to the frame after.
                const std::int16_t before[2] = {source[std::size_t(bad * kCdSectorValues - 2)], source[std::size_t(bad * kCdSectorValues - 1)]};
                const std::int16_t after[2] = {source[std::size_t((bad + 1) * kCdSectorValues)], source[std::size_t((bad + 1) * kCdSectorValues + 1)]};
                for (int f = 1; f <= kCdSectorFrames; ++f)
                    for (int c = 0; c < 2; ++c)
                        expected.push_back(std::int16_t(std::lround(before[c] + (after[c] - before[c]) * f / double(kCdSectorFrames + 1))));
            }
            expected.insert(expected.end(), source.begin() + (bad + 1) * kCdSectorValues, source.end());
            EXPECT_TRUE(r.samples == expected) << r.samples.size() << " values instead of " << expected.size();
        }
    }
}

TEST_F(CdGrabberTest, RetriesRecoverPassingErrorsAndZeroRetriesCountEachFailure) {
    const CdImage image = writeCdImage(dir.path(), QStringLiteral("disc"), {cdSpeech(150)});
    CdGrabber grabber(nullptr, stubs(), false);
    ASSERT_EQ(grabber.OpenImage(image.cue), 0);
    for (int mode : {1, 3}) {
        auto drive = std::make_shared<FaultyDrive>();
        grabber.setDriveLayer(drive);
        GrabSettings s;
        s.readMode = mode;
        s.errorAction = 1;
        s.retries = 2;
        grabber.setSettings(s);
        drive->failuresLeft = {{20, 2}, {90, 1}};
        Rip r = rip(grabber, 1);
        EXPECT_EQ(r.readErrors, 3);
        EXPECT_EQ(r.errorBlocks, 0);
        EXPECT_TRUE(r.samples == image.tracks[0]);

        s.retries = 0;
        grabber.setSettings(s);
        drive->failuresLeft = {{20, 2}, {90, 1}};
        r = rip(grabber, 1);
        EXPECT_EQ(r.readErrors, 2);
        EXPECT_EQ(r.errorBlocks, 2);
        ASSERT_EQ(r.samples.size(), image.tracks[0].size());
        EXPECT_EQ(sector(r.samples, 90), SampleBlock(kCdSectorValues, 0));
        EXPECT_EQ(sector(r.samples, 89), sector(image.tracks[0], 89));
    }
}

TEST_F(CdGrabberTest, AbortAndCloseFromAHandlerEndTheReadSafely) {
    const CdImage image = writeCdImage(dir.path(), QStringLiteral("disc"), {cdNoise(225), cdTone(75)});
    CdGrabber grabber(nullptr, stubs(), false);
    ASSERT_EQ(grabber.OpenImage(image.cue), 0);
    std::vector<int> finished;
    bool busyInside = false;
    QObject::connect(&grabber, &CdGrabber::ReadFinished, [&](int result) { finished.push_back(result); });
    auto stop = QObject::connect(&grabber, &CdGrabber::Progress, [&](int percent) {
        busyInside = grabber.Busy();
        if (percent >= 50) grabber.Abort();
    });
    grabber.OpenTrack(1);
    int size = 441000;
    EXPECT_TRUE(grabber.ReadBlock(size).empty());
    EXPECT_EQ(grabber.LastError(), CdGrabber::ErrorAborted);
    EXPECT_TRUE(busyInside);
    EXPECT_FALSE(grabber.Busy());
    EXPECT_EQ(finished, std::vector<int>{CdGrabber::FinishedAborted});
    EXPECT_TRUE(grabber.ReadBlock(size).empty());
    QObject::disconnect(stop);

    // An abort from a read-error handler ends the retries at once, even in never-skip mode.
    auto drive = std::make_shared<FaultyDrive>();
    drive->failuresLeft[30] = -1;
    grabber.setDriveLayer(drive);
    GrabSettings s;
    s.readMode = 4;
    s.retries = 50;
    grabber.setSettings(s);
    int errors = 0;
    auto onError = QObject::connect(&grabber, &CdGrabber::ReadError, [&] {
        ++errors;
        grabber.Abort();
    });
    grabber.OpenTrack(1);
    size = 441000;
    EXPECT_TRUE(grabber.ReadBlock(size).empty());
    EXPECT_EQ(errors, 1);
    EXPECT_EQ(grabber.LastError(), CdGrabber::ErrorAborted);
    QObject::disconnect(onError);
    grabber.setDriveLayer(nullptr);

    // Closing the track from inside a read ends that read first.
    QObject::connect(&grabber, &CdGrabber::Progress, [&](int percent) {
        if (percent >= 10) grabber.CloseTrack();
    });
    grabber.OpenTrack(1);
    size = 441000;
    EXPECT_TRUE(grabber.ReadBlock(size).empty());
    EXPECT_EQ(grabber.TrackLength(), 0);
    grabber.ReadBlock(size);
    EXPECT_EQ(grabber.LastError(), CdGrabber::ErrorNotOpen);
}

// Returns different data for one sector at every read, as a scratched disc may.
struct FlakyDrive : CdDriveLayer {
    std::int32_t flaky = 40;
    unsigned seed = 1;
    long readAudio(std::int32_t lsn, long sectors, void* buffer, const DeviceRead& device) override {
        const long got = device(lsn, sectors, buffer);
        if (lsn <= flaky && flaky < lsn + got) {
            auto* v = static_cast<std::int16_t*>(buffer) + std::ptrdiff_t(flaky - lsn) * kCdSectorValues;
            for (int i = 0; i < kCdSectorValues; ++i) v[i] = std::int16_t((seed = seed * 1103515245u + 12345u) >> 16);
        }
        return got;
    }
};

TEST_F(CdGrabberTest, DataThatNeverReadsTheSameIsAnErrorBlockInTheCheckingModes) {
    const CdImage image = writeCdImage(dir.path(), QStringLiteral("disc"), {cdNoise(150)});
    CdGrabber grabber(nullptr, stubs(), false);
    ASSERT_EQ(grabber.OpenImage(image.cue), 0);
    for (int mode = 2; mode <= 4; ++mode) {
        for (int action : {0, 1}) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << " action " << action);
            grabber.setDriveLayer(std::make_shared<FlakyDrive>());
            GrabSettings s;
            s.readMode = mode;
            s.errorAction = action;
            s.retries = 3;
            grabber.setSettings(s);
            const Rip r = rip(grabber, 1);
            EXPECT_GE(r.readErrors, 1);
            if (action == 0) {
                EXPECT_EQ(r.lastError, CdGrabber::ErrorRead);
                continue;
            }
            EXPECT_EQ(r.errorBlocks, 1);
            SampleBlock expected = image.tracks[0];
            std::fill_n(expected.begin() + 40 * kCdSectorValues, kCdSectorValues, std::int16_t(0));
            EXPECT_TRUE(r.samples == expected);
        }
    }
}

// Safe mode reads every sector twice, in every read mode: sector 40 misread once comes out
// exact; misread at every read, it is an error block (silenced). Without safe mode, burst
// reads pass a misread sector on as it came.
TEST_F(CdGrabberTest, SafeModeKeepsOnlySectorsThatReadTheSameTwice) {
    const CdImage image = writeCdImage(dir.path(), QStringLiteral("disc"), {cdNoise(100)});
    CdGrabber grabber(nullptr, stubs(), false);
    ASSERT_EQ(grabber.OpenImage(image.cue), 0);
    const SampleBlock& source = image.tracks[0];
    const struct { int misreads, mode; bool safe; } cases[] = {{1, 1, true}, {1, 2, true}, {1, 3, true}, {1, 4, true},
                                                               {-1, 1, true}, {-1, 4, true}, {1, 1, false}, {-1, 1, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "misreads " << c.misreads << " mode " << c.mode << " safe " << c.safe);
        auto disc = std::make_shared<ScratchedDisc>();
        disc->misreads[40] = c.misreads;
        grabber.setDriveLayer(disc);
        GrabSettings s;
        s.readMode = c.mode;
        s.safeMode = c.safe;
        grabber.setSettings(s);
        const Rip r = rip(grabber, 1);
        ASSERT_EQ(r.samples.size(), source.size());
        const bool silenced = c.safe && c.misreads < 0;
        EXPECT_EQ(r.errorBlocks, silenced ? 1 : 0);
        EXPECT_EQ(sector(r.samples, 40) == sector(source, 40), c.safe && !silenced);
        if (silenced) {
            EXPECT_EQ(sector(r.samples, 40), SampleBlock(kCdSectorValues, 0));
        }
        EXPECT_EQ(sector(r.samples, 41), sector(source, 41));
    }
}

// A re-read of the drive while one of its tracks is open (a disc change reported between two
// blocks) is refused; the track reads on to its end.
TEST_F(CdGrabberTest, ATrackInProgressOutlastsARereadOfItsDrive) {
    const CdImage image = writeCdImage(dir.path(), QStringLiteral("disc"), {cdNoise(500)});
    CdGrabber grabber(nullptr, stubs(), false);
    ASSERT_EQ(grabber.OpenImage(image.cue), 0);
    grabber.OpenTrack(1);
    int size = 441000;
    SampleBlock read = grabber.ReadBlock(size);
    grabber.ReRead();
    EXPECT_EQ(grabber.LastError(), CdGrabber::ErrorBusy);
    for (SampleBlock block; size = 441000, !(block = grabber.ReadBlock(size)).empty();) read.insert(read.end(), block.begin(), block.end());
    EXPECT_TRUE(read == image.tracks[0]);
}

// Collects what a job writes.
struct Collect : audio::AudioSink, audio::JobListener {
    SampleBlock samples;
    bool create(int rate, int channels) override { return rate == 44100 && channels == 2; }
    bool write(const SampleBlock& b) override {
        samples.insert(samples.end(), b.begin(), b.end());
        return true;
    }
    bool close() override { return true; }
    QString error() const override { return {}; }
    void progress(const audio::JobProgress&) override {}
    void finished(const audio::JobOutcome&) override {}
};

TEST_F(CdGrabberTest, AJobConvertsACdTrackAndFailsOnAStoppedRead) {
    const CdImage image = writeCdImage(dir.path(), QStringLiteral("disc"), {cdTone(75), cdSpeech(150)});
    CdGrabber grabber(nullptr, stubs(), false);
    ASSERT_EQ(grabber.OpenImage(image.cue), 0);
    {
        audio::CdTrackSource source(grabber, 2);
        Collect sink;
        const audio::JobOutcome outcome = audio::AudioJob(source, sink, sink, 3001).run();
        EXPECT_TRUE(outcome.written()) << outcome.reason.toStdString();
        EXPECT_TRUE(sink.samples == image.tracks[1]);
    }
    auto drive = std::make_shared<FaultyDrive>();
    drive->failuresLeft[100] = -1;
    grabber.setDriveLayer(drive);
    GrabSettings s;
    s.errorAction = 0;
    grabber.setSettings(s);
    audio::CdTrackSource source(grabber, 2);
    Collect sink;
    const audio::JobOutcome outcome = audio::AudioJob(source, sink, sink).run();
    EXPECT_EQ(outcome.end, audio::JobEnd::Failed);
    EXPECT_TRUE(outcome.reason.contains(QLatin1String("could not be read"))) << outcome.reason.toStdString();
}

}  // namespace

namespace {

// A drive's read offset shifts the sectors read; what lies beyond the disc's edges is silence.
TEST(CdReadOffset, TheWindowOfATrackFollowsTheOffsetWithinTheDisc) {
    const struct {
        std::int32_t first, last, leadOut;
        int offset;
        std::int32_t readFirst, readLast;
        std::int64_t skip, zerosBefore, zerosAfter;
    } cases[] = {
        {10, 19, 100, 0, 10, 19, 0, 0, 0},      {10, 19, 100, 6, 10, 20, 6, 0, 0},
        {10, 19, 100, -6, 9, 19, 582, 0, 0},    {0, 9, 100, -6, 0, 9, 0, 6, 0},
        {90, 99, 100, 6, 90, 99, 6, 0, 6},      {90, 99, 100, 600, 91, 99, 12, 0, 600},
        {0, 0, 100, -1200, 0, -1, 0, 588, 0},
    };
    for (const auto& c : cases) {
        const CdGrabber::ReadWindow w = CdGrabber::readWindow(c.first, c.last, c.leadOut, c.offset);
        EXPECT_EQ(w.first, c.readFirst) << c.offset;
        EXPECT_EQ(w.last, c.readLast) << c.offset;
        EXPECT_EQ(w.skipFrames, c.skip) << c.offset;
        EXPECT_EQ(w.zerosBefore, c.zerosBefore) << c.offset;
        EXPECT_EQ(w.zerosAfter, c.zerosAfter) << c.offset;
        // Enough is read for the whole track, and the silence never stands for more than the track.
        const std::int64_t read = w.last >= w.first ? std::int64_t(w.last - w.first + 1) * 588 : 0;
        const std::int64_t frames = std::int64_t(c.last - c.first + 1) * 588;
        EXPECT_GE(read - w.skipFrames + w.zerosBefore + w.zerosAfter, frames) << c.offset;
        EXPECT_LE(w.zerosBefore + w.zerosAfter, frames)
            << c.offset;
    }
}

TEST_F(CdGrabberTest, ADiscImageIsReadWithoutTheDrivesOffset) {
    const CdImage image = writeCdImage(dir.path(), QStringLiteral("offset"), {cdNoise(20, 3), cdNoise(20, 4)});
    CdGrabber grabber(nullptr, stubs(), false);
    ASSERT_GE(grabber.OpenImage(image.cue), 0);
    GrabSettings s = grabber.settings();
    s.readOffset = 667;
    grabber.setSettings(s);
    EXPECT_EQ(rip(grabber, 2).samples, image.tracks[1]);
}

}  // namespace
