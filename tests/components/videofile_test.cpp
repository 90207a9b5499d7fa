// The video reader over videos that ffmpeg makes: every container the extractor offers, the
// rate and channels it is asked for, parse progress, and videos it must refuse or report as
// incomplete.
#include "components/audio/codecs/VideoFile.h"
#include "support/Signals.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace testing_support;

namespace {

constexpr double kSoundSeconds = 3.0;

struct Container {
    const char* name;
    QStringList audio;
    QStringList video;
};

QStringList args(std::initializer_list<const char*> list) {
    QStringList out;
    for (const char* a : list) out << QLatin1String(a);
    return out;
}

const Container kContainers[] = {
    {"clip.mp4", args({"-c:a", "aac", "-ar", "48000"}), args({"-c:v", "mpeg4"})},
    {"clip.mkv", args({"-c:a", "libopus"}), args({"-c:v", "mpeg4"})},
    {"clip.webm", args({"-c:a", "libvorbis"}), args({"-c:v", "libvpx", "-deadline", "realtime"})},
    {"clip.avi", args({"-c:a", "libmp3lame"}), args({"-c:v", "mpeg4"})},
    {"clip.wmv", args({"-c:a", "wmav2"}), args({"-c:v", "wmv2"})},
    {"clip.mov", args({"-c:a", "pcm_s16le"}), args({"-c:v", "mpeg4"})},
    {"clip.mpeg", args({"-c:a", "mp2"}), args({"-c:v", "mpeg1video", "-f", "mpeg"})},
};

class VideoReader : public ::testing::Test {
public:
    static void SetUpTestSuite() {
        dir = std::make_unique<QTemporaryDir>();
        sound = dir->filePath(QStringLiteral("sound.wav"));
        ASSERT_EQ(writeAudioFile(sound, musicTone(44100, 2, kSoundSeconds), 44100, 2), QString());
    }
    static void TearDownTestSuite() { dir.reset(); }

    static QString path(const QString& name) { return dir->filePath(name); }
    static QString video(const Container& c) {
        const QString p = path(QLatin1String(c.name));
        if (!QFile::exists(p)) {
            EXPECT_EQ(makeVideo(p, sound, c.audio, c.video), QString());
        }
        return p;
    }

    // Reads the whole sound track the way the extractor does, in blocks of 2304 samples.
    static SampleBlock readAll(VideoFile& reader) {
        SampleBlock all;
        for (SampleBlock b = reader.ReadAudioBlock(2304); !b.empty(); b = reader.ReadAudioBlock(2304)) {
            EXPECT_EQ(b.size() % static_cast<std::size_t>(reader.AudioChannels()), 0u);
            all.insert(all.end(), b.begin(), b.end());
        }
        return all;
    }

    static inline std::unique_ptr<QTemporaryDir> dir;
    static inline QString sound;
};

// Each container, read at a rate and channel count other than its own and at its own: the
// blocks come in the format asked for, as long as ffmpeg's own decode, and sound like it.
TEST_F(VideoReader, ReadsEveryContainerInTheFormatAskedFor) {
    struct Wanted {
        int rate;
        int channels;
    };
    for (const Container& c : kContainers) {
        const QString file = video(c);
        for (const Wanted w : {Wanted{44100, 2}, Wanted{22050, 1}}) {
            SCOPED_TRACE(QStringLiteral("%1 at %2 Hz, %3 ch").arg(QLatin1String(c.name)).arg(w.rate).arg(w.channels).toStdString());
            VideoFile reader;
            EXPECT_TRUE(reader.IsVideoFile(file));
            reader.SetAudioFormat(w.rate, w.channels);
            reader.Open(file);
            ASSERT_GE(reader.status(), 0) << reader.reason().toStdString();
            EXPECT_EQ(reader.AudioSampleRate(), w.rate);
            EXPECT_EQ(reader.AudioChannels(), w.channels);
            EXPECT_NEAR(reader.AudioDuration(), kSoundSeconds, 0.1);
            EXPECT_NEAR(static_cast<double>(reader.AudioSampleCount()) / w.rate, reader.AudioDuration(), 0.01);

            const SampleBlock ours = readAll(reader);
            EXPECT_TRUE(reader.readError().isEmpty()) << reader.readError().toStdString();
            const SampleBlock theirs = ffmpegDecode(file, w.rate, w.channels);
            const double seconds = static_cast<double>(ours.size()) / w.channels / w.rate;
            EXPECT_NEAR(seconds, static_cast<double>(theirs.size()) / w.channels / w.rate, 0.1);
            EXPECT_NEAR(reader.AudioPosition(), seconds, 1e-9);
            for (int ch = 0; ch < w.channels; ++ch)
                EXPECT_GT(bestCorrelation(ours, w.channels, theirs, w.channels, ch), 0.9) << "channel " << ch;
            reader.Close();
            EXPECT_FALSE(reader.isOpen());
        }
    }
}

TEST_F(VideoReader, KeepsTheSoundTracksOwnFormatWhenAskedForNone) {
    const QString file = video(kContainers[0]);  // AAC at 48000 Hz, stereo
    VideoFile reader;
    reader.Open(file);
    ASSERT_GE(reader.status(), 0);
    EXPECT_EQ(reader.AudioSampleRate(), 48000);
    EXPECT_EQ(reader.AudioChannels(), 2);
}

TEST_F(VideoReader, ReportsParsingFromStartToFull) {
    VideoFile reader;
    QList<int> percents;
    reader.ParsingVideoFile = [&](int p) { percents << p; };
    reader.Open(video(kContainers[3]));
    ASSERT_GE(reader.status(), 0);
    ASSERT_FALSE(percents.isEmpty());
    EXPECT_EQ(percents.last(), 100);
    for (int i = 1; i < percents.size(); ++i) EXPECT_GE(percents[i], percents[i - 1]);
    // Reading afterwards raises no more parse events.
    percents.clear();
    readAll(reader);
    EXPECT_TRUE(percents.isEmpty());
}

// Files the reader must refuse, or whose end it must not take for the end of the sound.
TEST_F(VideoReader, RefusesWhatHoldsNoSoundAndReportsAFileCutShort) {
    // A video without a sound track is a video, but there is nothing to read.
    const QString silent = path(QStringLiteral("silent.mp4"));
    ASSERT_EQ(makeVideo(silent, {}, {}), QString());
    VideoFile reader;
    EXPECT_TRUE(reader.IsVideoFile(silent));
    reader.Open(silent);
    EXPECT_LT(reader.status(), 0);
    EXPECT_TRUE(reader.reason().contains(QStringLiteral("no audio"))) << reader.reason().toStdString();
    EXPECT_TRUE(reader.ReadAudioBlock(2304).empty());

    // Text under a video's name.
    const QString text = path(QStringLiteral("notes.avi"));
    QFile f(text);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("These are notes about a holiday film, not the film itself.\n").repeated(200));
    f.close();
    EXPECT_FALSE(reader.IsVideoFile(text));
    reader.Open(text);
    EXPECT_LT(reader.status(), 0);
    EXPECT_FALSE(reader.reason().isEmpty());
    EXPECT_FALSE(reader.IsVideoFile(path(QStringLiteral("missing.mp4"))));
    EXPECT_FALSE(reader.IsVideoFile(dir->path()));

    // A Matroska file cut in half still states its whole length: its sound ends early, and the
    // reader says so instead of ending quietly.
    const QString longSound = path(QStringLiteral("long.wav"));
    ASSERT_EQ(writeAudioFile(longSound, musicTone(44100, 2, 8.0), 44100, 2), QString());
    const QString whole = path(QStringLiteral("whole.mkv"));
    ASSERT_EQ(makeVideo(whole, longSound, args({"-c:a", "libvorbis"})), QString());
    QFile in(whole);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray half = in.read(in.size() / 2);
    const QString cut = path(QStringLiteral("cut.mkv"));
    QFile out(cut);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(half);
    out.close();
    reader.Open(cut);
    ASSERT_GE(reader.status(), 0) << reader.reason().toStdString();
    EXPECT_NEAR(reader.AudioDuration(), 8.0, 0.1);
    const SampleBlock got = readAll(reader);
    EXPECT_LT(static_cast<double>(got.size()) / 2 / reader.AudioSampleRate(), 6.0);
    EXPECT_TRUE(reader.readError().contains(QStringLiteral("incomplete"))) << reader.readError().toStdString();
}

}  // namespace
