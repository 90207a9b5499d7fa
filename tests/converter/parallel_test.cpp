// The run on several cores against the run of one file at a time, over real files: the same
// files on disk to the byte, the same messages in the same order, the same failures and sources
// left; a cancel keeps what came before, drops what came after and never touches a file that a
// run of one file at a time would not have reached.
#include "components/audio/codecs/AudioFile.h"
#include "components/audio/tags/AudioInfo.h"
#include "components/audio/settings/MP3Settings.h"
#include "runs/ConversionRunner.h"
#include "support/RunHosts.h"
#include "support/Damage.h"
#include "support/Signals.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace converter;
using namespace testing_support;

namespace {

using Host = RecordingRunHost;

// Every file under `root` (hidden ones too) → the digest of its bytes.
QMap<QString, QByteArray> contents(const QString& root) {
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        files.insert(QDir(root).relativeFilePath(file), QCryptographicHash::hash(f.readAll(), QCryptographicHash::Md5));
    }
    return files;
}

class Parallel : public ::testing::Test {
protected:
    // One folder of inputs: good files, a damaged MP3, an output that exists already, a missing
    // source, an output over its own source, two entries with one output, and an entry that
    // reads the output an earlier entry writes.
    RunSnapshot arrange(const QString& root) {
        const auto p = [&](const char* name) { return root + QLatin1Char('/') + QLatin1String(name); };
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(writeAudioFile(p("in") + QString::number(i) + QStringLiteral(".wav"),
                                     musicTone(44100, 2, 1.5 + i * 0.5, static_cast<unsigned>(i + 1)), 44100, 2),
                      QString());
        const QString cbr = p("cbr.wav");
        writeAudioFile(cbr, musicTone(44100, 2, 20.0, 9), 44100, 2);
        QProcess::execute(QStringLiteral("lame"), {QStringLiteral("--quiet"), QStringLiteral("-b"), QStringLiteral("128"),
                                                   QStringLiteral("-t"), cbr, p("damaged.mp3")});
        damageMp3Frames(p("damaged.mp3"), 80);
        QFile::remove(cbr);
        QFile old(p("in1.MP3"));  // confirmed for overwriting
        old.open(QIODevice::WriteOnly);
        old.write("an older output");
        old.close();
        writeAudioFile(p("in3.MP3"), sineTone(44100, 2, 330, 22050), 44100, 2);  // read by the last entry
        RunSnapshot s;
        const auto add = [&](const QString& source, const QString& output) { s.entries.push_back({source, output, true}); };
        add(p("in0.wav"), p("in0.MP3"));
        add(p("gone.wav"), p("gone.MP3"));
        add(p("damaged.mp3"), p("damaged.MP3"));
        add(p("in1.wav"), p("in1.MP3"));
        add(p("in2.wav"), p("in2.wav"));
        add(p("in2.wav"), p("in0.MP3"));
        add(p("in3.wav"), p("in3.MP3"));
        add(p("in3.MP3"), p("in3-again.MP3"));
        s.formatKey = QStringLiteral("MP3");
        s.deleteSource = true;
        s.preserveTags = true;
        return s;
    }
    void run(const RunSnapshot& s, Host& host) {
        AudioFile reader, writer;
        MP3Settings mp3;
        mp3.setBitrate(128);
        writer.UseMp3Settings(mp3);
        AudioInfo tags;
        ConversionRunner runner(host, {reader, writer, tags, nullptr, {}});
        runner.run(s);
    }
    QTemporaryDir one, every;
};

}  // namespace

TEST_F(Parallel, EveryCoreGivesTheOutcomeOfOneFileAtATime) {
    RunSnapshot serial = arrange(one.path());
    RunSnapshot parallel = arrange(every.path());
    parallel.workers = 4;
    Host serialHost, parallelHost;
    run(serial, serialHost);
    run(parallel, parallelHost);
    const QStringList expected = serialHost.log.replaceInStrings(one.path(), QStringLiteral("<dir>"));
    EXPECT_EQ(parallelHost.log.replaceInStrings(every.path(), QStringLiteral("<dir>")), expected);
    EXPECT_EQ(contents(every.path()), contents(one.path()));
    // The run did what it says: the chained entry read the new output, the damaged file failed.
    EXPECT_TRUE(expected.contains(QStringLiteral("file 8"))) << expected.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(std::any_of(expected.begin(), expected.end(),
                            [](const QString& line) { return line.startsWith(QStringLiteral("failed <dir>/damaged.mp3")); }));
    EXPECT_FALSE(QFileInfo::exists(every.filePath(QStringLiteral("in3.MP3"))));  // read, then deleted as a source
    EXPECT_NEAR(readBack(every.filePath(QStringLiteral("in3-again.MP3"))).seconds(), 3.0, 0.1);
}

// A cancel at several points: every entry before the one in progress is whole, the one in
// progress keeps its partial output under its own name, and every later output that existed
// before the run is untouched; no part file is left anywhere.
TEST_F(Parallel, CancelLeavesWhatARunOfOneFileAtATimeLeaves) {
    for (int cancelAt : {1, 8, 40}) {
        SCOPED_TRACE(cancelAt);
        QTemporaryDir dir;
        RunSnapshot s;
        for (int i = 0; i < 6; ++i) {
            const QString in = dir.filePath(QStringLiteral("in%1.wav").arg(i));
            const QString out = dir.filePath(QStringLiteral("in%1.MP3").arg(i));
            writeAudioFile(in, musicTone(44100, 2, 4.0, static_cast<unsigned>(i + 1)), 44100, 2);
            QFile old(out);
            old.open(QIODevice::WriteOnly);
            old.write("an older output ");
            old.write(QByteArray::number(i));
            old.close();
            s.entries.push_back({in, out, true});
        }
        s.formatKey = QStringLiteral("MP3");
        s.workers = 3;
        const QMap<QString, QByteArray> before = contents(dir.path());
        Host host;
        host.cancelAfterPasses = cancelAt;
        run(s, host);
        const QMap<QString, QByteArray> after = contents(dir.path());
        int inProgress = -1;
        for (int i = 5; i >= 0; --i)
            if (host.log.contains(QStringLiteral("file %1").arg(i + 1))) {
                inProgress = i;
                break;
            }
        ASSERT_GE(inProgress, 0);
        for (int i = 0; i < 6; ++i) {
            const QString out = QStringLiteral("in%1.MP3").arg(i);
            EXPECT_TRUE(after.contains(QStringLiteral("in%1.wav").arg(i)));  // every source stays
            if (i < inProgress) {
                EXPECT_NEAR(readBack(dir.filePath(out)).seconds(), 4.0, 0.1) << out.toStdString();
            } else if (i > inProgress) {
                EXPECT_EQ(after.value(out), before.value(out)) << out.toStdString();
            } else {
                EXPECT_NE(after.value(out), before.value(out)) << out.toStdString();
            }
        }
        EXPECT_EQ(after.size(), 12) << QStringList(after.keys()).join(QLatin1Char(' ')).toStdString();
    }
}

TEST_F(Parallel, LeftOverPartFilesOfEndedProgramsAreRemoved) {
    QProcess ended;
    ended.start(QStringLiteral("true"), {});
    ended.waitForFinished();
    const qint64 gone = ended.processId() > 0 ? ended.processId() : 999999;
    const QString dead = partFileFor(every.filePath(QStringLiteral("song.MP3")), 3)
                             .replace(QString::number(QCoreApplication::applicationPid()), QString::number(gone));
    const QString living = partFileFor(every.filePath(QStringLiteral("song.MP3")), 4)
                               .replace(QString::number(QCoreApplication::applicationPid()), QStringLiteral("1"));
    for (const QString& f : {dead, living}) {
        QFile file(f);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_TRUE(QFileInfo(dead).fileName().startsWith(QStringLiteral(".song.")));
    removeLeftoverParts(every.path());
    EXPECT_FALSE(QFileInfo::exists(dead));
    EXPECT_TRUE(QFileInfo::exists(living));
}
