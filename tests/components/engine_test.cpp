// The audio job engine over real files: every input format into every output format, inputs
// whose stated length is wrong, damaged inputs, cancel, and writers that fail.
#include "components/audio/codecs/AudioFile.h"
#include "components/audio/engine/AudioJob.h"
#include "components/audio/engine/FileEndpoints.h"
#include "components/audio/settings/MP3Settings.h"
#include "components/audio/codecs/WMAFile.h"
#include "support/Damage.h"
#include "support/Signals.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace audio;
using namespace testing_support;

namespace {

// Records what a job reports; `onProgress` runs at every block (to cancel, or to fill the disk).
struct Recorder : JobListener {
    std::vector<JobProgress> steps;
    std::vector<JobOutcome> outcomes;
    std::function<void(const JobProgress&)> onProgress;
    void progress(const JobProgress& p) override {
        steps.push_back(p);
        if (onProgress) onProgress(p);
    }
    void finished(const JobOutcome& o) override { outcomes.push_back(o); }
};

// The window's four components, with the settings a user would pick.
struct Components {
    AudioFile reader, writer;
    WMAFile wmaReader, wmaWriter;
    Components() {
        MP3Settings mp3;
        mp3.setBitrate(192);
        writer.UseMp3Settings(mp3);
        writer.SetOggFormat(44100, 2, 0, 0, 0, 500);
        writer.SetPcmFormat(44100, 2, 16);
    }
};

bool isWma(const QString& path) { return path.endsWith(QStringLiteral(".wma"), Qt::CaseInsensitive); }

// Converts `in` to `out` as the converter does: the WMA object for WMA, the audio file object
// for everything else.
JobOutcome convert(Components& c, const QString& in, const QString& out, Recorder& recorder, int blockSamples = 0) {
    AudioFileSource fileSource(c.reader, in);
    WmaFileSource wmaSource(c.wmaReader, in);
    AudioFileSink fileSink(c.writer, out);
    WmaFileSink wmaSink(c.wmaWriter, out);
    AudioSource& source = isWma(in) ? static_cast<AudioSource&>(wmaSource) : fileSource;
    AudioSink& sink = isWma(out) ? static_cast<AudioSink&>(wmaSink) : fileSink;
    AudioJob job(source, sink, recorder, blockSamples);
    return job.run();
}

TEST(EngineBlocks, HalfASecondOfStereoOrTwoSecondsOfMono) {
    EXPECT_EQ(blockSamplesFor(44100, 2), 44100);
    EXPECT_EQ(blockSamplesFor(44100, 1), 88200);
    EXPECT_EQ(blockSamplesFor(22050, 2), 22050);
    EXPECT_EQ(blockSamplesFor(0, 2), 0);
}

TEST(EngineProgress, FractionIsClampedAndUnknownWithoutATotal) {
    EXPECT_EQ((JobProgress{50, 100}.percent()), 50.0);
    EXPECT_EQ((JobProgress{300, 100}.fraction()), 1.0);
    EXPECT_EQ((JobProgress{300, 0}.fraction()), 0.0);
}

// ---- Every input format into every output format ---------------------------------------------

struct Pair {
    const char* in;
    const char* out;
};

class EngineEveryPair : public ::testing::TestWithParam<Pair> {};

TEST_P(EngineEveryPair, TheWholeSignalArrivesInBothChannels) {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.") + QLatin1String(GetParam().in));
    const QString out = dir.filePath(QStringLiteral("out.") + QLatin1String(GetParam().out));
    const SampleBlock signal = musicTone(44100, 2, 3.0);
    ASSERT_EQ(writeAudioFile(in, signal, 44100, 2), QString());

    Components c;
    Recorder recorder;
    const JobOutcome outcome = convert(c, in, out, recorder);
    ASSERT_EQ(outcome.end, JobEnd::Written) << outcome.reason.toStdString();
    ASSERT_EQ(recorder.outcomes.size(), 1u);
    ASSERT_FALSE(recorder.steps.empty());
    EXPECT_EQ(recorder.steps.back().done, outcome.samplesWritten);
    EXPECT_FALSE(c.reader.isReading() || c.writer.isWriting() || c.wmaReader.state() > 0 || c.wmaWriter.state() > 0);

    const ReadBack back = readBack(out);
    ASSERT_EQ(back.channels, 2);
    EXPECT_NEAR(back.seconds(), 3.0, 0.08);
    EXPECT_GT(bestCorrelation(signal, 2, back.samples, 2, 0), 0.9);
    EXPECT_GT(bestCorrelation(signal, 2, back.samples, 2, 1), 0.9);
}

const Pair kPairs[] = {{"wav", "wav"}, {"wav", "mp3"}, {"wav", "ogg"}, {"wav", "wma"}, {"mp3", "wav"}, {"mp3", "mp3"},
                       {"mp3", "ogg"}, {"mp3", "wma"}, {"ogg", "wav"}, {"ogg", "mp3"}, {"ogg", "ogg"}, {"ogg", "wma"},
                       {"wma", "wav"}, {"wma", "mp3"}, {"wma", "ogg"}, {"wma", "wma"}};
INSTANTIATE_TEST_SUITE_P(Formats, EngineEveryPair, ::testing::ValuesIn(kPairs), [](const auto& param) {
    return std::string(param.param.in) + "To" + param.param.out;
});

// ---- Inputs whose stated length is wrong -----------------------------------------------------

bool runTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool runLame(const QStringList& arguments) {
    return runTool(QStringLiteral("lame"), QStringList{QStringLiteral("--quiet")} + arguments);
}

std::int64_t statedFrames(const QString& path) {
    AudioFile reader;
    reader.OpenRead(path);
    return reader.length();
}

class EngineStatedLength : public ::testing::TestWithParam<const char*> {
protected:
    static void SetUpTestSuite() {
        dir = new QTemporaryDir;
        // A VBR MP3 written without its Xing header: only the frames tell its length.
        const QString wav = dir->filePath(QStringLiteral("vbr.wav"));
        // A second of loud noise, then a quiet tone: the bitrate falls after the start, and a
        // length guessed from the bitrate comes out far too short.
        ASSERT_TRUE(runTool(QStringLiteral("sox"), QStringLiteral("-R -n -r 44100 -c 2 -b 16 %1 synth 1 whitenoise vol 0.9 : "
                                                                  "synth 29 sine 440 vol 0.05")
                                                       .arg(wav)
                                                       .split(QLatin1Char(' '))));
        ASSERT_TRUE(runLame({QStringLiteral("-V"), QStringLiteral("2"), QStringLiteral("-t"), wav, path("vbr.mp3")}));
        // Two MP3s joined end to end: the first one's header states 15 s.
        const QString half = dir->filePath(QStringLiteral("half.mp3"));
        const QString halfWav = dir->filePath(QStringLiteral("half.wav"));
        ASSERT_EQ(writeAudioFile(halfWav, musicTone(44100, 2, 15.0), 44100, 2), QString());
        ASSERT_TRUE(runLame({QStringLiteral("-V"), QStringLiteral("2"), halfWav, half}));
        QFile joined(path("joined.mp3"));
        QFile part(half);
        ASSERT_TRUE(joined.open(QIODevice::WriteOnly) && part.open(QIODevice::ReadOnly));
        const QByteArray bytes = part.readAll();
        joined.write(bytes + bytes);
        joined.close();
        // A WAV whose header states 10 s of its 30.
        ASSERT_EQ(writeAudioFile(path("short-header.wav"), musicTone(44100, 2, 30.0), 44100, 2), QString());
        setWavDataSize(path("short-header.wav"), 10u * 44100 * 4);
    }
    static void TearDownTestSuite() { delete dir; }
    static QString path(const char* name) { return dir->filePath(QLatin1String(name)); }
    static QTemporaryDir* dir;
};
QTemporaryDir* EngineStatedLength::dir = nullptr;

TEST_P(EngineStatedLength, TheWholeAudioIsConvertedAndProgressStopsAtTheEnd) {
    for (const char* name : {"vbr.mp3", "joined.mp3", "short-header.wav"}) {
        SCOPED_TRACE(name);
        const QString in = path(name);
        // The premise: the reader states less than the file holds (a third less for the VBR file).
        ASSERT_LT(statedFrames(in), 44100 * 29.8);
        Components c;
        Recorder recorder;
        const QString out = dir->filePath(QStringLiteral("out-%1.%2").arg(QLatin1String(name), QLatin1String(GetParam())));
        const JobOutcome outcome = convert(c, in, out, recorder);
        ASSERT_EQ(outcome.end, JobEnd::Written) << outcome.reason.toStdString();
        // Joining leaves the second file's encoder delay in the middle; WMA pads its last frame.
        EXPECT_NEAR(readBack(out).seconds(), 30.0, 0.2);
        EXPECT_EQ(recorder.steps.back().fraction(), 1.0);
        EXPECT_GT(recorder.steps.back().done, recorder.steps.back().total);
    }
}

INSTANTIATE_TEST_SUITE_P(Outputs, EngineStatedLength, ::testing::Values("mp3", "wav", "ogg", "wma"));

// A chunk after the data (tags) keeps the stated length: its bytes are not audio.
TEST(EngineStatedLengthTrue, AChunkAfterTheDataIsNotReadAsAudio) {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("tagged.wav"));
    ASSERT_EQ(writeAudioFile(in, musicTone(44100, 2, 2.0), 44100, 2), QString());
    appendWavChunk(in, "LIST", QByteArray(4000, 'x'));
    Components c;
    Recorder recorder;
    ASSERT_EQ(convert(c, in, dir.filePath(QStringLiteral("out.wav")), recorder).end, JobEnd::Written);
    EXPECT_EQ(readBack(dir.filePath(QStringLiteral("out.wav"))).frames(), 2u * 44100);
}

// ---- Damaged input, cancel and failing writers -----------------------------------------------

TEST(EngineFailures, AReaderThatGivesUpOnDamagedDataFailsTheJob) {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("damaged.mp3"));
    const QString wav = dir.filePath(QStringLiteral("cbr.wav"));
    ASSERT_EQ(writeAudioFile(wav, musicTone(44100, 2, 20.0), 44100, 2), QString());
    ASSERT_TRUE(runLame({QStringLiteral("-b"), QStringLiteral("128"), QStringLiteral("-t"), wav, in}));
    ASSERT_GT(damageMp3Frames(in, 80), 700);
    Components c;
    Recorder recorder;
    const JobOutcome outcome = convert(c, in, dir.filePath(QStringLiteral("out.ogg")), recorder);
    EXPECT_EQ(outcome.end, JobEnd::Failed);
    EXPECT_TRUE(outcome.reason.contains(QStringLiteral("could not be decoded"))) << outcome.reason.toStdString();
    ASSERT_EQ(recorder.outcomes.size(), 1u);
    EXPECT_EQ(recorder.outcomes[0].end, JobEnd::Failed);
}

TEST(EngineFailures, CancelStopsAtABlockBoundaryAndKeepsThePartialOutput) {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.wav"));
    const QString out = dir.filePath(QStringLiteral("out.mp3"));
    ASSERT_EQ(writeAudioFile(in, musicTone(44100, 2, 5.0), 44100, 2), QString());
    Components c;
    AudioFileSource source(c.reader, in);
    AudioFileSink sink(c.writer, out);
    Recorder recorder;
    AudioJob job(source, sink, recorder);
    // Blocks of half a second: cancelled after the second one.
    recorder.onProgress = [&](const JobProgress& p) {
        if (p.done >= 44100 * 2) job.cancel();
    };
    const JobOutcome outcome = job.run();
    EXPECT_EQ(outcome.end, JobEnd::Cancelled);
    EXPECT_EQ(recorder.steps.size(), 2u);
    EXPECT_FALSE(c.reader.isReading() || c.writer.isWriting());
    EXPECT_NEAR(readBack(out).seconds(), 1.0, 0.1);
}

// A disk that fills up while the file is written, or just when it is finished.
class EngineFullDisk : public ::testing::TestWithParam<const char*> {};

TEST_P(EngineFullDisk, AFailedWriteOrCloseIsAFailureNeverWritten) {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.wav"));
    ASSERT_EQ(writeAudioFile(in, musicTone(44100, 2, 4.0), 44100, 2), QString());
    const QString out = dir.filePath(QStringLiteral("out.") + QLatin1String(GetParam()));
    for (const bool atClose : {false, true}) {
        SCOPED_TRACE(atClose ? "close" : "write");
        Components c;
        Recorder recorder;
        std::unique_ptr<FileSizeLimit> limit;
        if (!atClose) limit = std::make_unique<FileSizeLimit>(8 * 1024);
        // At the last block, the disk holds no more than what is written so far.
        recorder.onProgress = [&](const JobProgress& p) {
            if (atClose && p.done == p.total) limit = std::make_unique<FileSizeLimit>(static_cast<rlim_t>(QFileInfo(out).size()));
        };
        const JobOutcome outcome = convert(c, in, out, recorder);
        limit.reset();
        EXPECT_EQ(outcome.end, JobEnd::Failed);
        EXPECT_FALSE(outcome.reason.isEmpty());
        EXPECT_FALSE(c.reader.isReading() || c.writer.isWriting() || c.wmaWriter.state() > 0);
    }
}

// WAV output grows no further when it is finished, so only its writes can fail.
INSTANTIATE_TEST_SUITE_P(Outputs, EngineFullDisk, ::testing::Values("mp3", "ogg", "wma"));

}  // namespace
