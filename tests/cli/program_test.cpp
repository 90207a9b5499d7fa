// Whole runs of the real velloria-convert: the tree it writes, a second run that skips, a run
// killed in the middle and completed, a bad file among good ones, its JSON lines, and the same
// bytes as the converter window's run and as GNU parallel calling it once per file.
#include "components/audio/codecs/AudioFile.h"
#include "components/audio/tags/AudioInfo.h"
#include "runs/ConversionRunner.h"
#include "components/store/CRegister.h"
#include "support/CdImages.h"
#include "support/CliRuns.h"
#include "support/DiscServices.h"
#include "support/LoudnessTools.h"
#include "support/ConfigHome.h"
#include "support/CoreSupport.h"
#include "support/Damage.h"
#include "support/RunHosts.h"
#include "support/Signals.h"
#include "support/TagTools.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

const QString kConverterKey = QStringLiteral("\\Software\\Brindlewood\\Audioconverter");

QStringList keysWithSuffix(const QMap<QString, QByteArray>& files, const QString& suffix) {
    QStringList keys;
    for (const QString& k : files.keys())
        if (k.endsWith(suffix)) keys << k;
    return keys;
}

QStringList mp3Names(const QStringList& wavs) {
    QStringList names;
    for (QString w : wavs) names << w.replace(QStringLiteral(".wav"), QStringLiteral(".mp3"));
    names.sort();
    return names;
}

class CliProgram : public ::testing::Test {
protected:
    CommandResult convert(const QStringList& args) { return runCommand(args, dir.path(), config.path()); }
    QString path(const char* relative) const { return dir.filePath(QLatin1String(relative)); }
    QTemporaryDir dir;
    TempConfigHome config;  // the program's and this process's settings store
};

TEST_F(CliProgram, KeepsTheTreeSkipsOnASecondRunAndNamesABadFile) {
    const QStringList wavs = makeWavTree(path("in"), 6, 0.5);
    ASSERT_EQ(wavs.size(), 6);
    const CommandResult first = convert({QStringLiteral("-r"), QStringLiteral("-j"), QStringLiteral("2"),
                                         QStringLiteral("-o"), QStringLiteral("out"), QStringLiteral("in")});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    const QMap<QString, QByteArray> written = filesUnder(path("out"));
    EXPECT_EQ(written.keys(), mp3Names(wavs));
    // Piped, one result line per file.
    EXPECT_EQ(first.out.count(QStringLiteral("written ")), 6) << first.out.toStdString();

    // Skipped, untouched.
    const CommandResult second = convert({QStringLiteral("-r"), QStringLiteral("-o"), QStringLiteral("out"), QStringLiteral("in")});
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_EQ(second.out.count(QStringLiteral("skipped ")), 6) << second.out.toStdString();
    EXPECT_EQ(filesUnder(path("out")), written);

    // A damaged file among good ones: exit status 1, it is named on stderr with its reason,
    // the others are written and no part file stays.
    QFile bad(path("in/d1/broken.wav"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray("RIFF\x10\0\0\0WAVEjunkjunkjunk", 24));
    bad.close();
    const CommandResult third = convert({QStringLiteral("-r"), QStringLiteral("--existing"), QStringLiteral("rename"),
                                         QStringLiteral("-o"), QStringLiteral("out"), QStringLiteral("in")});
    EXPECT_EQ(third.exitCode, 1);
    EXPECT_TRUE(third.err.contains(QStringLiteral("failed: in/d1/broken.wav: "))) << third.err.toStdString();
    const QMap<QString, QByteArray> after = filesUnder(path("out"));
    EXPECT_EQ(keysWithSuffix(after, QStringLiteral(" (1).mp3")).size(), 6);
    EXPECT_TRUE(keysWithSuffix(after, QStringLiteral("-part-")).isEmpty());
    EXPECT_FALSE(after.contains(QStringLiteral("d1/broken.mp3")));
}

// Damaged sources with --delete-source: each fails with its reason on stderr, keeps its bytes
// and gets no output; the exit status is 1.
TEST_F(CliProgram, DamagedSourcesAreNeverDeleted) {
    const QString wav = path("whole.wav");
    ASSERT_EQ(writeAudioFile(wav, musicTone(44100, 2, 12.0), 44100, 2), QString());
    QDir().mkpath(path("in"));
    QStringList args{QStringLiteral("--delete-source"), QStringLiteral("-o"), QStringLiteral("out")};
    QMap<QString, QByteArray> sums;
    for (const DamagedSource& damaged : damagedSources()) {
        const QString relative = QStringLiteral("in/") + QLatin1String(damaged.file);
        ASSERT_EQ(damaged.make(wav, dir.filePath(relative)), QString());
        sums.insert(relative, fileMd5(dir.filePath(relative)));
        args << relative;
    }
    const CommandResult r = convert(args);
    EXPECT_EQ(r.exitCode, 1);
    for (const DamagedSource& damaged : damagedSources()) {
        const QString relative = QStringLiteral("in/") + QLatin1String(damaged.file);
        EXPECT_TRUE(r.err.contains(QStringLiteral("failed: %1: ").arg(relative))) << r.err.toStdString();
        EXPECT_EQ(fileMd5(dir.filePath(relative)), sums.value(relative)) << relative.toStdString();
    }
    EXPECT_EQ(r.err.count(QLatin1String("decoding stopped at")) + r.err.count(QLatin1String("damaged data at")),
              qsizetype(damagedSources().size()));
    EXPECT_TRUE(filesUnder(path("out")).isEmpty()) << filesUnder(path("out")).keys().join(QLatin1Char(' ')).toStdString();
}

// A folder under an output's name cannot be overwritten, on one core and on two: with
// --existing overwrite and --delete-source the source keeps its bytes, the folder stays as it
// was, the failure names the output, and the other file is converted and deleted.
TEST_F(CliProgram, AFolderUnderTheOutputsNameKeepsTheSource) {
    for (const char* jobs : {"1", "2"}) {
        SCOPED_TRACE(jobs);
        const QString in = QStringLiteral("in%1").arg(QLatin1String(jobs));
        const QString out = QStringLiteral("out%1").arg(QLatin1String(jobs));
        const QStringList wavs = makeWavTree(dir.filePath(in), 2, 0.5);
        const QString blocked = QFileInfo(wavs[0]).completeBaseName() + QStringLiteral(".mp3");
        ASSERT_TRUE(QDir().mkpath(dir.filePath(out + QLatin1Char('/') + blocked + QStringLiteral("/inside"))));
        const QByteArray sum = fileMd5(dir.filePath(in + QLatin1Char('/') + wavs[0]));
        QStringList args{QStringLiteral("-f"), QStringLiteral("mp3"), QStringLiteral("-j"), QLatin1String(jobs),
                         QStringLiteral("--existing"), QStringLiteral("overwrite"), QStringLiteral("--delete-source"),
                         QStringLiteral("-o"), out};
        for (const QString& wav : wavs) args << in + QLatin1Char('/') + wav;
        const CommandResult r = convert(args);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(r.err.contains(QStringLiteral("The output could not be put in place of '%1/%2'.").arg(out, blocked)))
            << r.err.toStdString();
        EXPECT_EQ(fileMd5(dir.filePath(in + QLatin1Char('/') + wavs[0])), sum);
        EXPECT_TRUE(QFileInfo(dir.filePath(out + QLatin1Char('/') + blocked + QStringLiteral("/inside"))).isDir());
        EXPECT_FALSE(QFileInfo::exists(dir.filePath(in + QLatin1Char('/') + wavs[1])));
        const QMap<QString, QByteArray> written = filesUnder(dir.filePath(out));
        EXPECT_EQ(written.keys(), QStringList{QFileInfo(wavs[1]).completeBaseName() + QStringLiteral(".mp3")});
    }
}

// -r without -o: every output beside its source, every format the converter reads; a second run
// writes nothing and exits 0, and removes the part files a killed run left; a name that is not
// UTF-8 is named with its reason.
TEST_F(CliProgram, TreesConvertBesideTheirSourcesOnce) {
    QDir().mkpath(path("in/sub"));
    ASSERT_EQ(writeAudioFile(path("in/a.wav"), musicTone(44100, 2, 1.0), 44100, 2), QString());
    ASSERT_EQ(writeAudioFile(path("in/sub/w.wav"), musicTone(48000, 2, 1.0, 2), 48000, 2), QString());
    for (const char* codec : {"flac", "opus"}) {
        QProcess ffmpeg;
        ffmpeg.start(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), path("in/sub/w.wav"),
                                                path("in/sub/") + QLatin1String(codec) + QLatin1Char('.') + QLatin1String(codec)});
        ASSERT_TRUE(ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0);
    }
    const CommandResult first = convert({QStringLiteral("-r"), QStringLiteral("-f"), QStringLiteral("mp3"), QStringLiteral("in")});
    EXPECT_EQ(first.exitCode, 0) << first.err.toStdString();
    const QMap<QString, QByteArray> written = filesUnder(path("in"));
    EXPECT_EQ(keysWithSuffix(written, QStringLiteral(".mp3")),
              (QStringList{QStringLiteral("a.mp3"), QStringLiteral("sub/flac.mp3"), QStringLiteral("sub/opus.mp3"), QStringLiteral("sub/w.mp3")}));

    // A part file of a run that was killed (its process is gone) is removed by the next run.
    QProcess gone;
    gone.start(QStringLiteral("sleep"), {QStringLiteral("0.1")});
    ASSERT_TRUE(gone.waitForStarted());
    const qint64 deadPid = gone.processId();
    ASSERT_TRUE(gone.waitForFinished());
    const QString dead = path("in/sub/") + QStringLiteral(".w.velloria-part-%1-1.mp3").arg(deadPid);
    QFile part(dead);
    ASSERT_TRUE(part.open(QIODevice::WriteOnly));
    part.write(QByteArray(4096, 'x'));
    part.close();
    const CommandResult second = convert({QStringLiteral("-r"), QStringLiteral("-f"), QStringLiteral("mp3"), QStringLiteral("in")});
    EXPECT_EQ(second.exitCode, 0) << second.err.toStdString();
    EXPECT_EQ(second.out.count(QStringLiteral("written ")), 0) << second.out.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dead));
    EXPECT_EQ(filesUnder(path("in")), written);

    const QByteArray odd = QFile::encodeName(path("in/")) + QByteArray("caf\xe9.wav");
    std::FILE* raw = std::fopen(odd.constData(), "w");
    ASSERT_NE(raw, nullptr);
    std::fclose(raw);
    const CommandResult third = convert({QStringLiteral("-r"), QStringLiteral("-f"), QStringLiteral("mp3"), QStringLiteral("in")});
    EXPECT_EQ(third.exitCode, 1);
    EXPECT_TRUE(third.err.contains(QStringLiteral("not valid UTF-8"))) << third.err.toStdString();
}

// One list in three shards converts each of its files once (a file named twice too); a link given
// to --delete-source goes, its target stays as it was; an output folder that cannot be written is
// one error.
TEST_F(CliProgram, ShardsListsLinksAndAnUnwritableFolder) {
    const QStringList wavs = makeWavTree(path("in"), 7, 0.3);
    ASSERT_EQ(wavs.size(), 7);
    QFile list(path("list.txt"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write((QStringLiteral("in/") + wavs.join(QStringLiteral("\nin/")) + QStringLiteral("\nin/") + wavs[0] + QLatin1Char('\n')).toUtf8());
    list.close();
    QStringList outputs;
    for (int k = 1; k <= 3; ++k) {
        const CommandResult r = convert({QStringLiteral("--shard"), QStringLiteral("%1/3").arg(k), QStringLiteral("--files-from"),
                                         QStringLiteral("list.txt"), QStringLiteral("-o"), QStringLiteral("out")});
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        for (const QString& line : r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) outputs << line.section(QStringLiteral(" -> "), 1);
    }
    outputs.sort();
    EXPECT_EQ(outputs.size(), 7) << outputs.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(outputs.removeDuplicates(), 0);
    EXPECT_EQ(filesUnder(path("out")).size(), 7);

    const QString target = path("in/") + wavs[1];
    ASSERT_TRUE(QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup));
    ASSERT_TRUE(QFile::link(target, path("link.wav")));
    const CommandResult linked = convert({QStringLiteral("--delete-source"), QStringLiteral("-o"), QStringLiteral("linked"), QStringLiteral("link.wav")});
    EXPECT_EQ(linked.exitCode, 0) << linked.err.toStdString();
    EXPECT_FALSE(QFileInfo(path("link.wav")).isSymLink());
    EXPECT_TRUE(QFileInfo::exists(target));
    EXPECT_EQ(QFile::permissions(target) & QFile::WriteOwner, QFile::Permissions());

    const CommandResult unwritable = convert({QStringLiteral("-o"), QStringLiteral("/proc/velloria-out"), QStringLiteral("in")});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_EQ(unwritable.err.count(QStringLiteral("velloria-convert: ")), 1) << unwritable.err.toStdString();
    EXPECT_TRUE(unwritable.err.contains(QStringLiteral("the folder '/proc/velloria-out' cannot be written: "))) << unwritable.err.toStdString();
}

// A stop at any moment of an Opus or a FLAC run ends every writer cleanly: exit status 1, no part
// file, no abort (libopusenc aborts when a stream without samples is drained).
TEST_F(CliProgram, SignalsEndEveryWriterCleanly) {
    ASSERT_EQ(makeWavTree(path("in"), 4, 2.0).size(), 4);
    for (const char* format : {"opus", "flac"}) {
        for (int attempt = 0; attempt < 6; ++attempt) {
            SCOPED_TRACE(std::string(format) + " " + std::to_string(attempt));
            QDir(path("out")).removeRecursively();
            QProcess p;
            p.setWorkingDirectory(dir.path());
            p.start(convertProgram(), {QStringLiteral("-r"), QStringLiteral("-j"), QStringLiteral("2"), QStringLiteral("-f"),
                                       QLatin1String(format), QStringLiteral("-o"), QStringLiteral("out"), QStringLiteral("in")});
            ASSERT_TRUE(p.waitForStarted());
            // Some moments in the run: at its first part file, then up to 40 ms later.
            waitFor([&] { return !filesUnder(path("out")).isEmpty(); }, 30000);
            QThread::msleep(static_cast<unsigned long>(attempt * 8));
            p.terminate();
            p.waitForFinished(60000);
            EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << p.readAllStandardError().toStdString();
            EXPECT_TRUE(p.exitCode() == 1 || p.exitCode() == 0) << p.exitCode();
            EXPECT_TRUE(keysWithSuffix(filesUnder(path("out")), QLatin1String(format)).filter(QStringLiteral("-part-")).isEmpty());
        }
    }
}

TEST_F(CliProgram, JsonLinesAndUsageErrors) {
    ASSERT_EQ(makeWavTree(path("in"), 2, 0.3).size(), 2);
    const CommandResult r = convert({QStringLiteral("--json"), QStringLiteral("-f"), QStringLiteral("ogg"), QStringLiteral("in/t00.wav"),
                                     QStringLiteral("in/missing.wav")});
    EXPECT_EQ(r.exitCode, 1);
    QStringList events;
    for (const QString& line : r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QJsonObject o = QJsonDocument::fromJson(line.toUtf8()).object();
        ASSERT_FALSE(o.isEmpty()) << line.toStdString();
        if (o.value(QStringLiteral("event")) != QStringLiteral("progress"))
            events << o.value(QStringLiteral("event")).toString() + QLatin1Char(' ') + o.value(QStringLiteral("source")).toString() +
                          QLatin1Char(' ') + o.value(QStringLiteral("output")).toString() + o.value(QStringLiteral("reason")).toString();
    }
    EXPECT_EQ(events, (QStringList{QStringLiteral("failed in/missing.wav does not exist"),
                                   QStringLiteral("started in/t00.wav in/t00.ogg"), QStringLiteral("written in/t00.wav in/t00.ogg")}));
    EXPECT_TRUE(QFileInfo::exists(path("in/t00.ogg")));

    // A file named twice is converted once; another source with the same output fails, naming
    // the first.
    const CommandResult twice = convert({QStringLiteral("-o"), QStringLiteral("once"), QStringLiteral("in/d1/t01.wav"),
                                         QStringLiteral("in/d1/../d1/t01.wav"), QStringLiteral("in/t00.wav")});
    EXPECT_EQ(twice.exitCode, 0) << twice.err.toStdString();
    EXPECT_EQ(filesUnder(path("once")).keys(), (QStringList{QStringLiteral("t00.mp3"), QStringLiteral("t01.mp3")}));
    QDir().mkpath(path("other"));
    ASSERT_TRUE(QFile::copy(path("in/d1/t01.wav"), path("other/t01.wav")));
    const CommandResult clash = convert({QStringLiteral("-o"), QStringLiteral("clash"), QStringLiteral("in/d1/t01.wav"), QStringLiteral("other/t01.wav")});
    EXPECT_EQ(clash.exitCode, 1);
    EXPECT_TRUE(clash.err.contains(QStringLiteral("failed: other/t01.wav: its output clash/t01.mp3 is also the output of in/d1/t01.wav")))
        << clash.err.toStdString();

    // Deleting sources: only the one whose output was written goes.
    QFile bad(path("in/bad.wav"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("RIFF");
    bad.close();
    const CommandResult deleting = convert({QStringLiteral("--delete-source"), QStringLiteral("-f"), QStringLiteral("wav"),
                                            QStringLiteral("-o"), QStringLiteral("deleted"), QStringLiteral("in/d1/t01.wav"),
                                            QStringLiteral("in/bad.wav")});
    EXPECT_EQ(deleting.exitCode, 1);
    EXPECT_FALSE(QFileInfo::exists(path("in/d1/t01.wav")));
    EXPECT_TRUE(readBack(path("deleted/t01.wav")).error.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(path("in/bad.wav")));

    for (const QStringList& args : {QStringList{}, QStringList{QStringLiteral("-b"), QStringLiteral("7"), QStringLiteral("in")},
                                    QStringList{QStringLiteral("--frobnicate"), QStringLiteral("in")}}) {
        const CommandResult usage = convert(args);
        EXPECT_EQ(usage.exitCode, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(usage.err.contains(QStringLiteral("Usage: velloria-convert"))) << usage.err.toStdString();
    }
    const CommandResult help = convert({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("--existing WHAT")));
}

// Stopped while it writes one file at a time (interrupted, or killed outright), then run again
// with --existing skip: every output whole (the same bytes as a run never stopped), no part
// file left.
TEST_F(CliProgram, AStoppedRunIsCompletedByASecondOne) {
    const QStringList wavs = makeWavTree(path("in"), 4, 6);
    ASSERT_EQ(wavs.size(), 4);
    ASSERT_EQ(convert({QStringLiteral("-r"), QStringLiteral("-o"), QStringLiteral("whole"), QStringLiteral("in")}).exitCode, 0);
    const QMap<QString, QByteArray> whole = filesUnder(path("whole"));
    for (const bool kill : {false, true}) {
        const QString out = kill ? QStringLiteral("killed") : QStringLiteral("interrupted");
        QProcess p;
        p.setWorkingDirectory(dir.path());
        p.start(convertProgram(), {QStringLiteral("-r"), QStringLiteral("-j"), QStringLiteral("1"), QStringLiteral("-o"), out,
                                   QStringLiteral("in")});
        ASSERT_TRUE(p.waitForStarted());
        // Once the second file's part exists, the run is in the middle of writing.
        ASSERT_TRUE(waitFor([&] { return filesUnder(dir.filePath(out)).keys().filter(QStringLiteral("-part-")).size() == 1 &&
                                         !filesUnder(dir.filePath(out)).isEmpty() &&
                                         filesUnder(dir.filePath(out)).size() >= 2; },
                            60000));
        if (kill) p.kill();
        else p.terminate();
        p.waitForFinished();
        // What is there under a final name is whole; the count of files not converted is the rest.
        const QMap<QString, QByteArray> left = filesUnder(dir.filePath(out));
        if (!kill) {
            EXPECT_EQ(p.exitCode(), 1);
            const qsizetype done = left.size() - left.keys().filter(QStringLiteral("-part-")).size();
            EXPECT_TRUE(QString::fromLocal8Bit(p.readAllStandardError())
                            .contains(QStringLiteral("interrupted; %1 file(s) not converted").arg(4 - done)));
        }
        for (auto it = left.cbegin(); it != left.cend(); ++it) {
            if (!it.key().contains(QStringLiteral("-part-"))) {
                EXPECT_EQ(it.value(), whole.value(it.key())) << it.key().toStdString();
            }
        }
        const CommandResult resumed = convert({QStringLiteral("-r"), QStringLiteral("--existing"), QStringLiteral("skip"),
                                               QStringLiteral("-o"), out, QStringLiteral("in")});
        EXPECT_EQ(resumed.exitCode, 0) << resumed.err.toStdString();
        EXPECT_EQ(filesUnder(dir.filePath(out)), whole) << out.toStdString();
    }
}

// The sound tracks of videos, moved into place when whole; a file that is no video is named.
TEST_F(CliProgram, ExtractsTheSoundTrackOfVideos) {
    ASSERT_EQ(makeWavTree(path("wav"), 1, 2).size(), 1);
    QDir().mkpath(path("v/sub"));
    const QString made = makeVideo(path("v/sub/clip.mp4"), path("wav/t00.wav"), {QStringLiteral("-c:a"), QStringLiteral("aac")});
    ASSERT_TRUE(made.isEmpty()) << made.toStdString();
    QFile fake(path("v/fake.mkv"));
    ASSERT_TRUE(fake.open(QIODevice::WriteOnly));
    fake.write("not a video");
    fake.close();
    const CommandResult r = convert({QStringLiteral("--extract"), QStringLiteral("-r"), QStringLiteral("-f"), QStringLiteral("wav"),
                                     QStringLiteral("-o"), QStringLiteral("out"), QStringLiteral("v")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("failed: v/fake.mkv: "))) << r.err.toStdString();
    EXPECT_EQ(filesUnder(path("out")).keys(), QStringList{QStringLiteral("sub/clip.wav")});
    const ReadBack sound = readBack(path("out/sub/clip.wav"));
    EXPECT_TRUE(sound.error.isEmpty()) << sound.error.toStdString();
    EXPECT_NEAR(sound.seconds(), 2.0, 0.1);
    EXPECT_TRUE(QDir(path("out/sub")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size() == 1);
}

// 40 files in a tree: velloria-convert -r -j 2, GNU parallel calling it once per file, and the
// converter window's run with the same stored settings write the same bytes.
TEST_F(CliProgram, SameBytesAsGnuParallelAndTheWindowsRun) {
    if (QStandardPaths::findExecutable(QStringLiteral("parallel")).isEmpty()) GTEST_SKIP() << "GNU parallel is not installed";
    // Settings the window stored: 160 kbit/s, encoder quality 2.
    CRegister().REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, kConverterKey, QStringLiteral("MP3 Bitrate"), QStringLiteral("10"));
    CRegister().REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, kConverterKey, QStringLiteral("MP3 EnqQual"), QStringLiteral("2"));
    const QStringList wavs = makeWavTree(path("in"), 40, 0.4);
    ASSERT_EQ(wavs.size(), 40);
    const CommandResult direct = convert({QStringLiteral("-r"), QStringLiteral("-j"), QStringLiteral("2"), QStringLiteral("-o"),
                                          QStringLiteral("direct"), QStringLiteral("in")});
    ASSERT_EQ(direct.exitCode, 0) << direct.err.toStdString();

    // parallel's own -S : (the local machine) and -j 2, one call per file, from inside the tree.
    const CommandResult spread = runCommand(
        {QStringLiteral("-c"), QStringLiteral("find . -name '*.wav' | parallel -S : -j 2 %1 -r -o ../spread {}").arg(convertProgram())},
        path("in"), config.path(), QStringLiteral("/bin/sh"));
    ASSERT_EQ(spread.exitCode, 0) << spread.err.toStdString();

    // The window's run: its list with outputs in one folder, "Parallel" on, the stored settings.
    RecordingRunHost host;
    AudioFile reader, writer;
    AudioInfo tags;
    converter::ConversionRunner runner(host, {reader, writer, tags, nullptr, {}});
    converter::RunSnapshot snapshot;
    for (const QString& w : wavs) {
        const QString out = path("window/") + QString(w).replace(QStringLiteral(".wav"), QStringLiteral(".mp3"));
        QDir().mkpath(QFileInfo(out).path());
        snapshot.entries.push_back({path("in/") + w, out, true});
    }
    snapshot.formatKey = QStringLiteral("MP3");
    snapshot.wholeList = true;
    snapshot.preserveTags = true;
    snapshot.workers = std::max(1, QThread::idealThreadCount());
    snapshot.settings = OutputSettings::load(kConverterKey);
    runner.run(snapshot);
    EXPECT_TRUE(host.failures.isEmpty());

    const QMap<QString, QByteArray> expected = filesUnder(path("direct"));
    EXPECT_EQ(expected.keys(), mp3Names(wavs));
    EXPECT_TRUE(filesUnder(path("spread")) == expected);
    EXPECT_TRUE(filesUnder(path("window")) == expected);
}

// --cd rips the asked tracks of a disc image, named from its CD-Text, each the disc's samples
// exactly and verified against the stored AccurateRip server (a local one holding the image's
// record with track 3 differing); --replaygain tags them, the album being the disc.
TEST_F(CliProgram, RipsTracksOfADiscImageVerifiedAndWithLoudnessTags) {
    ASSERT_TRUE(QDir().mkpath(path("disc")));
    const CdImage image = writeReferenceDisc(path("disc"), true);
    WebServer server;
    serveReferenceDisc(server, recordOf(image, 3));
    ASSERT_TRUE(server.start());
    CRegister().REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, kConverterKey, QStringLiteral("AccurateRip Server"),
                               settingsFor(server).accurateRipServer);
    const CommandResult rip = convert({QStringLiteral("--cd"), image.cue, QStringLiteral("--tracks"), QStringLiteral("1,3"),
                                       QStringLiteral("-f"), QStringLiteral("flac"), QStringLiteral("--replaygain"),
                                       QStringLiteral("-p"), QStringLiteral("{artist}/{track} - {title}"),
                                       QStringLiteral("-o"), QStringLiteral("ripped")});
    // Every track written, but track 3 does not match: not exact.
    ASSERT_EQ(rip.exitCode, 3) << rip.err.toStdString();
    const auto ripped = filesUnder(path("ripped"));
    // Beside the tracks, the disc's CUE sheet.
    EXPECT_EQ(keysWithSuffix(ripped, QStringLiteral(".cue")), QStringList{QStringLiteral("Text Artist/Text Artist - Text Album.cue")});
    const QStringList written = keysWithSuffix(ripped, QStringLiteral(".flac"));
    ASSERT_EQ(written.size(), 2) << written.join(QLatin1Char(' ')).toStdString();
    // Beside them, the rip's log (its own tests: riplog_cli_test.cpp).
    EXPECT_TRUE(QFileInfo::exists(path("ripped/Text Artist/Text Album.log")));
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(written[i].toStdString());
        const QString file = path("ripped") + QLatin1Char('/') + written[i];
        EXPECT_TRUE(ffmpegDecode(file, 44100, 2) == image.tracks[i == 0 ? 0 : 2]) << "not the disc's samples";
        const QMap<QString, QStringList> tags = readTagsForTest(file);
        EXPECT_TRUE(tags.contains(QStringLiteral("REPLAYGAIN_TRACK_GAIN")));
        EXPECT_TRUE(tags.contains(QStringLiteral("REPLAYGAIN_ALBUM_GAIN")));
    }
    EXPECT_TRUE(written[0].contains(QStringLiteral("01 - "))) << written[0].toStdString();
    EXPECT_TRUE(written[1].contains(QStringLiteral("03 - "))) << written[1].toStdString();
    EXPECT_FALSE(written[0].contains(QStringLiteral("Unknown"))) << "the CD-Text was not used";
    // The run's report, on stderr with the other messages.
    EXPECT_TRUE(rip.err.contains(QStringLiteral("Track 1 (Track01.cda): Accurately ripped (confidence 3, AccurateRip v2)")))
        << rip.err.toStdString();
    EXPECT_TRUE(rip.err.contains(QStringLiteral("Track 3 (Track03.cda): Does not match AccurateRip (4 other rips)")));
    // The same as fields: each track's error blocks when written, and its verdict.
    const CommandResult json = convert({QStringLiteral("--cd"), image.cue, QStringLiteral("--tracks"), QStringLiteral("1,3"),
                                        QStringLiteral("--json"), QStringLiteral("-f"), QStringLiteral("wav"), QStringLiteral("-o"),
                                        QStringLiteral("json")});
    EXPECT_EQ(json.exitCode, 3);
    QStringList fields;
    for (const QString& line : json.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QJsonObject o = QJsonDocument::fromJson(line.toUtf8()).object();
        const QString event = o.value(QStringLiteral("event")).toString();
        const QString track = QFileInfo(o.value(QStringLiteral("source")).toString()).fileName();
        if (event == QStringLiteral("written"))
            fields << QStringLiteral("%1 %2 errorBlocks=%3").arg(event, track).arg(o.value(QStringLiteral("errorBlocks")).toInt(-1));
        if (event == QStringLiteral("verified"))
            fields << QStringLiteral("%1 %2 accurate=%3").arg(event, track).arg(o.value(QStringLiteral("accurate")).toBool());
    }
    EXPECT_EQ(fields, (QStringList{QStringLiteral("written Track01.cda errorBlocks=0"), QStringLiteral("written Track03.cda errorBlocks=0"),
                                   QStringLiteral("verified Track01.cda accurate=1"), QStringLiteral("verified Track03.cda accurate=0")}))
        << fields.join(QLatin1Char('\n')).toStdString();

    // Tagged from the CD-Text as named from it: a track's own performer is its artist, the disc's
    // performer names the folder and is the album artist; the cue sheet's ISRC is the disc's own.
    const CommandResult guest = convert({QStringLiteral("--cd"), image.cue, QStringLiteral("--tracks"), QStringLiteral("2,3"),
                                         QStringLiteral("-f"), QStringLiteral("flac"), QStringLiteral("-p"),
                                         QStringLiteral("{artist}/{track} - {title}"), QStringLiteral("-o"), QStringLiteral("tagged")});
    ASSERT_EQ(guest.exitCode, 3) << guest.err.toStdString();  // track 3 still does not match
    const struct {
        const char* file;
        const char* artist;
        const char* isrc;
    } tracks[] = {{"tagged/Text Artist/02 - Pure Tone.flac", "Guest Voice", ""},
                  {"tagged/Text Artist/03 - Last Words.flac", "Text Artist", "GBVLR2400003"}};
    for (const auto& t : tracks) {
        SCOPED_TRACE(t.file);
        const QMap<QString, QStringList> tags = metaflacTags(path(t.file));
        const auto one = [](const char* value) { return *value ? QStringList{QString::fromUtf8(value)} : QStringList(); };
        EXPECT_EQ(tags.value(QStringLiteral("ARTIST")), one(t.artist));
        EXPECT_EQ(tags.value(QStringLiteral("ALBUMARTIST")), one("Text Artist"));
        EXPECT_EQ(tags.value(QStringLiteral("ALBUM")), one("Text Album"));
        EXPECT_EQ(tags.value(QStringLiteral("TRACKTOTAL")), one("3"));
        EXPECT_EQ(tags.value(QStringLiteral("ISRC")), one(t.isrc));
        EXPECT_EQ(tags.value(QStringLiteral("MUSICBRAINZ_DISCID")), one(kReferenceDiscId));
    }

    const CommandResult missing = convert({QStringLiteral("--cd"), image.cue, QStringLiteral("--tracks"), QStringLiteral("9")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("the disc has no audio track 9"))) << missing.err.toStdString();
}

}  // namespace
