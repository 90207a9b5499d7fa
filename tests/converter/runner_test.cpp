// The conversion run without its window, over real files: which entries it refuses, what it
// reports, and the rule that a source is deleted only when its whole audio was written.
#include "components/audio/codecs/AudioFile.h"
#include "components/audio/tags/AudioInfo.h"
#include "components/audio/cd/CdGrabber.h"
#include "components/audio/cd/LocalDiscInfo.h"
#include "components/audio/settings/MP3Settings.h"
#include "runs/ConversionRunner.h"
#include "support/RunHosts.h"
#include "support/CdImages.h"
#include "support/Damage.h"
#include "support/Signals.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <set>

using namespace converter;
using namespace testing_support;

namespace {

using RecordingHost = RecordingRunHost;

class Runner : public ::testing::Test {
public:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        MP3Settings mp3;
        mp3.setBitrate(128);
        writer.UseMp3Settings(mp3);
        writer.SetOggFormat(44100, 2, 0, 0, 0, 300);
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QString makeInput(const QString& name, double seconds = 2.0, unsigned seed = 1) {
        const QString p = path(name);
        QDir().mkpath(QFileInfo(p).path());
        EXPECT_EQ(writeAudioFile(p, musicTone(44100, 2, seconds, seed), 44100, 2), QString());
        return p;
    }
    // Every entry selected, into the given outputs.
    RunSnapshot snapshot(const QList<QPair<QString, QString>>& entries, const QString& key = QStringLiteral("MP3")) {
        RunSnapshot s;
        for (const auto& [source, output] : entries) s.entries.push_back({source, output, true});
        s.formatKey = key;
        s.deleteSource = true;
        return s;
    }
    void run(const RunSnapshot& s) {
        ConversionRunner runner(host, {reader, writer, tags, &grabber, dir.filePath(QStringLiteral("cdplayer.ini"))});
        runner.run(s);
    }

    QTemporaryDir dir;
    AudioFile reader, writer;
    AudioInfo tags;
    CdGrabber grabber{nullptr, dir.filePath(QStringLiteral("stubs")), false};
    RecordingHost host;
    std::unique_ptr<FileSizeLimit> limit;  // a full disk, while set
};

TEST_F(Runner, ASourceIsDeletedOnlyAfterItsWholeAudioWasWritten) {
    // The header states 2 s of the 6 s the file holds.
    const QString shortHeader = makeInput(QStringLiteral("short-header.wav"), 6.0);
    setWavDataSize(shortHeader, 2u * 44100 * 4);
    const QString kept = makeInput(QStringLiteral("plain.wav"), 1.0);
    run(snapshot({{shortHeader, path(QStringLiteral("a.MP3"))}, {kept, path(QStringLiteral("b.MP3"))}}));
    EXPECT_TRUE(host.failures.isEmpty());
    EXPECT_NEAR(readBack(path(QStringLiteral("a.MP3"))).seconds(), 6.0, 0.1);
    EXPECT_FALSE(QFileInfo::exists(shortHeader));
    EXPECT_FALSE(QFileInfo::exists(kept));
    EXPECT_EQ(host.started, (QList<int>{1, 2}));
}

// Two entries with one output: the second is refused, listed among the failures, and kept;
// the first one's output is its own audio.
TEST_F(Runner, NoOutputIsWrittenTwiceInOneRun) {
    const QString rock = makeInput(QStringLiteral("rock/01.wav"), 1.0, 1);
    const QString jazz = makeInput(QStringLiteral("jazz/01.wav"), 1.0, 2);
    const QString same = makeInput(QStringLiteral("a.wav"), 1.0, 3);
    const QString other = makeInput(QStringLiteral("a.ogg"), 1.0, 4);
    const SampleBlock rockAudio = readBack(rock).samples;
    RunSnapshot s = snapshot({{rock, path(QStringLiteral("out/01.MP3"))},
                              {jazz, path(QStringLiteral("out//01.MP3"))},
                              {same, path(QStringLiteral("a.MP3"))},
                              {other, path(QStringLiteral("./a.MP3"))}});
    QDir().mkpath(path(QStringLiteral("out")));
    run(s);
    EXPECT_EQ(host.failedPaths(), (QStringList{jazz, other}));
    ASSERT_EQ(host.failures.size(), 2);
    EXPECT_EQ(host.failures[0].reason, QStringLiteral("File '") + jazz + QStringLiteral("' would overwrite the output of '") +
                                           rock + QStringLiteral("'. Rename it first."));
    EXPECT_TRUE(QFileInfo::exists(jazz) && QFileInfo::exists(other));
    EXPECT_FALSE(QFileInfo::exists(rock) || QFileInfo::exists(same));
    EXPECT_GT(bestCorrelation(rockAudio, 2, readBack(path(QStringLiteral("out/01.MP3"))).samples, 2), 0.9);
    EXPECT_EQ(host.started, (QList<int>{1, 3}));
}

// Every guard that keeps a source: a failed read, write, close or tag copy, and a cancel.
TEST_F(Runner, EveryFailureKeepsTheSourceAndIsReported) {
    struct Case {
        const char* name;
        std::function<void(Runner&, const QString& in, const QString& out)> arrange;
        bool failure;  // listed among the failures (a cancel is not)
    };
    const Case cases[] = {
        {"damaged input",
         [](Runner& t, const QString& in, const QString&) {
             const QString wav = t.makeInput(QStringLiteral("cbr.wav"), 20.0);
             QProcess::execute(QStringLiteral("lame"), {QStringLiteral("--quiet"), QStringLiteral("-b"), QStringLiteral("128"),
                                                       QStringLiteral("-t"), wav, in});
             damageMp3Frames(in, 80);
         },
         true},
        {"write",
         [](Runner& t, const QString&, const QString&) {
             // The first block does not fit; the disk has room again afterwards, so only the
             // failed write itself can stop the file.
             t.limit = std::make_unique<FileSizeLimit>(4096);
             t.host.onProgress = [&t](double percent) {
                 if (percent > 0) t.limit.reset();
             };
         },
         true},
        {"close",
         [](Runner& t, const QString&, const QString& out) {
             // The disk is full just when the file is to be finished.
             t.host.onProgress = [&t, out](double percent) {
                 if (percent >= 100 && !t.limit) t.limit = std::make_unique<FileSizeLimit>(QFileInfo(partFileFor(out, 0)).size());
             };
         },
         true},
        {"tags",
         [](Runner& t, const QString&, const QString& out) {
             // The finished part file is replaced before its tags are copied (the second time the
             // bar is full): they cannot be saved, and no output may appear without them.
             t.host.onProgress = [out, full = 0](double percent) mutable {
                 if (percent >= 100 && ++full == 2) {
                     QFile::remove(partFileFor(out, 0));
                     QDir().mkdir(partFileFor(out, 0));
                 }
             };
         },
         true},
        {"cancel", [](Runner& t, const QString&, const QString&) { t.host.cancelAfterPasses = 1; }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host = RecordingHost();
        limit.reset();
        const QString in = c.name == std::string("damaged input") ? path(QStringLiteral("damaged.mp3"))
                                                                  : makeInput(QStringLiteral("in.wav"), 3.0);
        const QString out = path(QStringLiteral("out.MP3"));
        QFile::remove(out);
        QDir().rmdir(out);
        c.arrange(*this, in, out);
        RunSnapshot s = snapshot({{in, out}});
        s.preserveTags = true;
        run(s);
        limit.reset();
        EXPECT_TRUE(QFileInfo::exists(in));
        EXPECT_EQ(host.failedPaths(), c.failure ? QStringList{in} : QStringList{});
        // A failure leaves nothing under the output's name; a cancel leaves the partial output.
        EXPECT_EQ(QFileInfo(out).isFile(), !c.failure);
        QDir().rmdir(partFileFor(out, 0));
        QFile::remove(in);
    }
}

TEST_F(Runner, RefusedEntriesAreAnnouncedInListOrderAndTheRestConverts) {
    const QString good = makeInput(QStringLiteral("good.wav"), 0.5);
    RunSnapshot s = snapshot({{path(QStringLiteral("gone.wav")), path(QStringLiteral("gone.MP3"))},
                              {path(QStringLiteral("Track01.cda")), path(QStringLiteral("Track01.MP3"))},
                              {good, good},
                              {good, path(QStringLiteral("good.MP3"))}});
    s.entries[1].selected = true;
    QFile(path(QStringLiteral("Track01.cda"))).open(QIODevice::WriteOnly);
    s.sameFolder = true;
    run(s);
    EXPECT_EQ(host.messages,
              (QStringList{QStringLiteral("File '") + path(QStringLiteral("gone.wav")) + QStringLiteral("' is not exist."),
                           QStringLiteral("File '") + path(QStringLiteral("Track01.cda")) +
                               QStringLiteral("' is on a CD. Please choose another folder"),
                           QStringLiteral("File '") + good + QStringLiteral("' would be overwritten by its own output.")}));
    EXPECT_EQ(host.started, (QList<int>{4}));
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("good.MP3"))));
}

// ---- CD tracks ---------------------------------------------------------------------------------

class RunnerCd : public Runner {
public:
    void SetUp() override {
        Runner::SetUp();
        image = writeCdImage(dir.path(), QStringLiteral("disc"), {cdSpeech(150), cdTone(100)});
        ASSERT_GE(grabber.OpenImage(image.cue), 0) << grabber.reason().toStdString();
    }
    QString track(int n) const { return grabber.RootText() + QStringLiteral("Track%1.cda").arg(n, 2, 10, QLatin1Char('0')); }
    RunSnapshot cdSnapshot(const QString& key, int n) {
        RunSnapshot s = snapshot({{track(n), path(QStringLiteral("track.") + key)}}, key);
        s.deleteSource = false;
        return s;
    }
    // The read mode, retries and action given, and sectors that cannot be read.
    void scratch(int errorAction, std::set<std::int32_t> bad, int readMode = 1, int retries = 0) {
        GrabSettings settings = grabber.settings();
        settings.readMode = readMode;
        settings.retries = retries;
        settings.errorAction = errorAction;
        grabber.setSettings(settings);
        auto scratched = std::make_shared<ScratchedDisc>();
        scratched->unreadable = std::move(bad);
        grabber.setDriveLayer(scratched);
    }
    CdImage image;
};

// 1, 3 and 10 unreadable sectors in every read mode, with 5 retries and every error action: the
// end of the track states the number of blocks really replaced, cut or corrected, as the
// output shows them (each read error event is one attempt, not one block).
TEST_F(RunnerCd, TheEndOfTrackMessageCountsTheBlocksReallyHandled) {
    const CdImage noisy = writeCdImage(dir.path(), QStringLiteral("noisy"), {cdNoise(120)});
    ASSERT_GE(grabber.OpenImage(noisy.cue), 0) << grabber.reason().toStdString();
    const auto sectorOf = [](const SampleBlock& s, std::size_t n) { return SampleBlock(s.data() + n * kCdSectorValues, s.data() + (n + 1) * kCdSectorValues); };
    const std::set<std::int32_t> scratches[] = {{40}, {20, 21, 70}, {5, 30, 31, 32, 33, 60, 61, 90, 91, 119}};
    const char* const words[] = {"", " error blocks replaced with silence.", " error blocks cutted.", " error blocks corrected."};
    for (const std::set<std::int32_t>& bad : scratches) {
        for (int mode = 1; mode <= 4; ++mode) {
            for (int action = 0; action <= 3; ++action) {
                SCOPED_TRACE(testing::Message() << bad.size() << " sectors, mode " << mode << ", action " << action);
                host = RecordingHost();
                scratch(action, bad, mode, 5);
                run(cdSnapshot(QStringLiteral("WAV"), 1));
                const QString report = QString::number(bad.size()) + QLatin1String(words[action]);
                EXPECT_EQ(host.messages, action == 0 ? QStringList{QStringLiteral("An error occures when ReadTrack works! Probably need re-read!")}
                                                     : QStringList{report});
                EXPECT_EQ(host.failedPaths(), action == 0 ? QStringList{track(1)} : QStringList{});
                // What the command line counts as not exact: the blocks of each track written.
                EXPECT_EQ(host.cdErrorBlocks, action == 0 ? QList<int>{} : QList<int>{int(bad.size())});
                if (action == 0) continue;
                // The good sectors in order, and in place of each bad one silence, nothing, or a concealment.
                const SampleBlock out = readBack(path(QStringLiteral("track.WAV"))).samples;
                ASSERT_EQ(out.size(), (120 - (action == 2 ? bad.size() : 0)) * kCdSectorValues);
                for (std::size_t n = 0, at = 0; n < 120; ++n) {
                    const bool scratched = bad.count(std::int32_t(n)) != 0;
                    if (scratched && action == 2) continue;
                    const SampleBlock got = sectorOf(out, at++);
                    EXPECT_EQ(got == sectorOf(noisy.tracks[0], n), !scratched) << "sector " << n;
                    if (scratched && action == 1) {
                        EXPECT_EQ(got, SampleBlock(kCdSectorValues, 0));
                    }
                }
            }
        }
    }
}

// With "stop" as the action, an unreadable sector fails the track; nothing is passed off as
// written.
TEST_F(RunnerCd, StopOnErrorFailsTheTrack) {
    scratch(0, {image.starts[1] + 10});
    run(cdSnapshot(QStringLiteral("WAV"), 2));
    EXPECT_EQ(host.failedPaths(), QStringList{track(2)});
}

// Disc information kept for this disc tags the output; a track that does not exist gives the
// open error.
TEST_F(RunnerCd, DiscInformationTagsTheOutputAndAMissingTrackCannotOpen) {
    DiscInfo info;
    info.artist = QStringLiteral("The Testers");
    info.album = QStringLiteral("Images");
    info.year = 2024;
    info.trackTitles = {QStringLiteral("Spoken"), QStringLiteral("Tone")};
    ASSERT_TRUE(writeCdplayerIni(grabber.toc(), info, dir.filePath(QStringLiteral("cdplayer.ini"))));
    RunSnapshot s = cdSnapshot(QStringLiteral("MP3"), 2);
    s.preserveTags = true;
    run(s);
    ASSERT_TRUE(host.failures.isEmpty()) << host.failures.value(0).reason.toStdString();
    AudioInfo written;
    written.ReadTags(path(QStringLiteral("track.MP3")));
    EXPECT_EQ(written.properties().value(QStringLiteral("ARTIST")), QStringList{QStringLiteral("The Testers")});
    EXPECT_EQ(written.properties().value(QStringLiteral("ALBUM")), QStringList{QStringLiteral("Images")});
    EXPECT_EQ(written.properties().value(QStringLiteral("TITLE")), QStringList{QStringLiteral("Tone")});
    EXPECT_EQ(written.properties().value(QStringLiteral("TRACKNUMBER")).value(0).section(QLatin1Char('/'), 0, 0), QStringLiteral("2"));

    // The grabber's reason stands on a second line.
    host = RecordingHost();
    QFile(track(2)).copy(grabber.RootText() + QStringLiteral("Track07.cda"));
    run(cdSnapshot(QStringLiteral("WAV"), 7));
    EXPECT_EQ(host.messages, QStringList{QStringLiteral("Open Track Error!.\nThe disc in %1 has no audio track 7.").arg(grabber.driveSource())});
}

}  // namespace
