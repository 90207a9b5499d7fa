// The audio file object and the WMA file object end to end: every writer and back through the
// reader, format conversion of declared blocks, failed opens and creates, the format chooser.
#include "components/audio/codecs/AudioFile.h"
#include "components/audio/codecs/WMAFile.h"
#include "components/ui/WavFormatChooser.h"
#include "support/Signals.h"
#include "support/CoreSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>

namespace {

using testing_support::bestCorrelation;
using testing_support::musicTone;
using testing_support::readBack;
using testing_support::ReadBack;

template <typename Writer>
void writeInSeconds(Writer& writer, const SampleBlock& signal, int rate, int channels) {
    const auto step = static_cast<std::size_t>(rate * channels);
    for (std::size_t at = 0; at < signal.size(); at += step) {
        const auto end = std::min(signal.size(), at + step);
        writer.WriteBlock(SampleBlock(signal.begin() + static_cast<long>(at), signal.begin() + static_cast<long>(end)));
    }
}

// ---- Round trips ---------------------------------------------------------------------------

struct RoundTrip {
    const char* ext;
    int rate;
    int channels;
};

std::string roundTripName(const ::testing::TestParamInfo<RoundTrip>& p) {
    return std::string(p.param.ext) + "_" + std::to_string(p.param.rate) + "_" + std::to_string(p.param.channels) + "ch";
}

class WriterRoundTrip : public ::testing::TestWithParam<RoundTrip> {
protected:
    QTemporaryDir dir;
};

TEST_P(WriterRoundTrip, ReadsBackWithItsRateChannelsLengthAndSignal) {
    const RoundTrip p = GetParam();
    const QString ext = QString::fromLatin1(p.ext);
    const QString path = dir.filePath(QStringLiteral("out.") + ext.toUpper());  // extension case must not matter
    const SampleBlock signal = musicTone(p.rate, p.channels, 3.0);
    const std::int64_t frames = static_cast<std::int64_t>(signal.size()) / p.channels;

    if (ext == QStringLiteral("wma")) {
        WMAFile writer;
        int profile = -1;
        for (std::size_t i = 0; i < WMAFile::profiles().size(); ++i)
            if (WMAFile::profiles()[i].sampleRate == p.rate && WMAFile::profiles()[i].channels == p.channels)
                profile = static_cast<int>(i);
        ASSERT_GE(profile, 0) << "no WMA profile for this format";
        writer.setWMProfile(profile);
        writer.DeclareInputFormat(p.rate, p.channels);
        writer.Create(path);
        ASSERT_GE(writer.status(), 0);
        writeInSeconds(writer, signal, p.rate, p.channels);
        writer.Close();
    } else {
        AudioFile writer;
        if (ext == QStringLiteral("wav")) writer.SetPcmFormat(p.rate, p.channels, 16);
        if (ext == QStringLiteral("ogg")) writer.SetOggFormat(p.rate, p.channels, 0, 0, 0, 500);
        if (ext == QStringLiteral("mp3")) {
            MP3Settings mp3;
            mp3.setSampleRate(p.rate);
            mp3.setChannels(p.channels);
            mp3.setChannelMode(p.channels == 1 ? 0 : 2);
            mp3.setBitrate(p.rate < 32000 ? 64 : 192);
            writer.UseMp3Settings(mp3);
        }
        writer.DeclareInputFormat(p.rate, p.channels);
        writer.Create(path, 0);
        ASSERT_GE(writer.status(), 0) << writer.reason().toStdString();
        writeInSeconds(writer, signal, p.rate, p.channels);
        writer.Close();
    }

    const ReadBack back = readBack(path);
    ASSERT_TRUE(back.error.isEmpty()) << back.error.toStdString();
    EXPECT_EQ(back.rate, p.rate);
    EXPECT_EQ(back.channels, p.channels);
    const auto backFrames = static_cast<std::int64_t>(back.frames());
    if (ext == QStringLiteral("wav")) {
        EXPECT_EQ(back.length, frames);
        EXPECT_EQ(back.samples, signal);
        return;
    }
    // Lossy codecs: the length within the codec's padding, none of the audio lost.
    EXPECT_GE(backFrames, frames - 64);
    EXPECT_LE(backFrames, frames + 4096);
    EXPECT_NEAR(static_cast<double>(back.length), static_cast<double>(frames), 4096.0);
    for (int c = 0; c < p.channels; ++c)
        EXPECT_GT(bestCorrelation(signal, p.channels, back.samples, p.channels, c), 0.9) << "channel " << c;
}

INSTANTIATE_TEST_SUITE_P(
    EveryWriter, WriterRoundTrip,
    ::testing::Values(RoundTrip{"wav", 8000, 1}, RoundTrip{"wav", 22050, 2}, RoundTrip{"wav", 44100, 2},
                      RoundTrip{"wav", 48000, 1}, RoundTrip{"mp3", 8000, 1}, RoundTrip{"mp3", 22050, 2},
                      RoundTrip{"mp3", 44100, 1}, RoundTrip{"mp3", 48000, 2}, RoundTrip{"ogg", 8000, 1},
                      RoundTrip{"ogg", 22050, 2}, RoundTrip{"ogg", 44100, 2}, RoundTrip{"ogg", 48000, 1},
                      RoundTrip{"wma", 22050, 1}, RoundTrip{"wma", 44100, 2}, RoundTrip{"wma", 48000, 2}),
    roundTripName);

// ---- Declared formats ----------------------------------------------------------------------

TEST(AudioFileConversion, MonoDeclaredAsMonoIsTheSameSignalInBothStereoChannels) {
    QTemporaryDir dir;
    const SampleBlock mono = musicTone(44100, 1, 2.0);
    AudioFile writer;
    MP3Settings mp3;
    mp3.setChannels(2);
    mp3.setChannelMode(1);
    mp3.setBitrate(192);
    writer.UseMp3Settings(mp3);
    writer.DeclareInputFormat(44100, 1);
    writer.Create(dir.filePath(QStringLiteral("m.mp3")));
    ASSERT_GE(writer.status(), 0);
    writeInSeconds(writer, mono, 44100, 1);
    writer.Close();

    const ReadBack back = readBack(dir.filePath(QStringLiteral("m.mp3")));
    ASSERT_EQ(back.channels, 2);
    const auto frames = static_cast<std::int64_t>(back.frames());
    // Not pairs of mono samples read as left and right: the same signal, at the same speed.
    EXPECT_NEAR(static_cast<double>(frames), 88200.0, 2000.0);
    EXPECT_GT(bestCorrelation(mono, 1, back.samples, 2, 0), 0.95);
    EXPECT_GT(bestCorrelation(mono, 1, back.samples, 2, 1), 0.95);
    double diff = 0;
    for (std::size_t i = 0; i + 1 < back.samples.size(); i += 2) diff += std::abs(back.samples[i] - back.samples[i + 1]);
    EXPECT_LT(diff / static_cast<double>(frames), 50.0);
}

TEST(AudioFileConversion, DeclaredRateDifferentFromTheOutputIsResampled) {
    QTemporaryDir dir;
    const SampleBlock in = musicTone(48000, 2, 2.0);
    AudioFile writer;
    writer.SetPcmFormat(22050, 1, 16);
    writer.DeclareInputFormat(48000, 2);
    writer.Create(dir.filePath(QStringLiteral("r.wav")));
    ASSERT_GE(writer.status(), 0);
    writeInSeconds(writer, in, 48000, 2);
    writer.Close();
    AudioFile reader;
    reader.OpenRead(dir.filePath(QStringLiteral("r.wav")));
    EXPECT_EQ(reader.sampleRate(), 22050);
    EXPECT_EQ(reader.channels(), 1);
    EXPECT_NEAR(static_cast<double>(reader.length()), 44100.0, 64.0);
}

// Blocks of 3 to 8 channels keep them in FLAC, Opus, and in WAV and Ogg Vorbis set to Stereo (the
// first start's settings), each in its format's layout (as ffprobe names it; FFmpeg's FLAC decoder
// calls FLAC's 5.0 and 5.1 "(side)") and each channel carrying its own tone as ffmpeg decodes
// it. MP3 mixes them to stereo. The reader reads them all only when asked to.
TEST(AudioFileConversion, SurroundBlocksKeepTheirChannelsWhereTheFormatHoldsThem) {
    QTemporaryDir dir;
    const char* const layouts[] = {"3.0", "quad", "5.0", "5.1", "6.1", "7.1"};
    for (const char* ext : {"wav", "flac", "ogg", "opus", "mp3"}) {
        for (int channels = 3; channels <= 8; ++channels) {
            const QString path = dir.filePath(QStringLiteral("%1.%2").arg(channels).arg(QLatin1String(ext)));
            SCOPED_TRACE(path.toStdString());
            const SampleBlock tones = testing_support::channelTones(48000, channels, 48000 * 2);
            AudioFile writer;
            writer.DeclareInputFormat(48000, channels);
            writer.Create(path);
            ASSERT_GE(writer.status(), 0) << writer.reason().toStdString();
            writeInSeconds(writer, tones, 48000, channels);
            writer.Close();
            const bool mp3 = QLatin1String(ext) == QLatin1String("mp3");
            const int kept = mp3 ? 2 : channels;
            QString layout = mp3 ? QStringLiteral("stereo") : QLatin1String(layouts[channels - 3]);
            if (QLatin1String(ext) == QLatin1String("flac") && (channels == 5 || channels == 6)) layout += QStringLiteral("(side)");
            EXPECT_EQ(testing_support::probeAudio(path, QStringLiteral("channels,channel_layout")),
                      QStringList({QString::number(kept), layout}));
            if (mp3) continue;
            const SampleBlock decoded = testing_support::ffmpegDecode(path, 48000, channels);
            for (int c = 0; c < channels; ++c)
                EXPECT_GT(bestCorrelation(tones, channels, decoded, channels, c, 600), 0.95) << "channel " << c;
            AudioFile reader;
            reader.OpenRead(path);
            EXPECT_EQ(reader.channels(), 2);
            reader.setChannelLimit(8);
            reader.OpenRead(path);
            EXPECT_EQ(reader.channels(), channels);
        }
    }
}

TEST(AudioFileConversion, BlocksMustHoldWholeFrames) {
    QTemporaryDir dir;
    AudioFile writer;
    EXPECT_THROW(writer.WriteBlock(SampleBlock(10)), ComponentError);  // nothing open
    writer.SetPcmFormat(44100, 2, 16);
    writer.Create(dir.filePath(QStringLiteral("w.wav")));
    EXPECT_THROW(writer.WriteBlock(SampleBlock(3)), ComponentError);
    EXPECT_THROW(writer.DeclareInputFormat(44100, 9), ComponentError);
    writer.Close();
    writer.Close();  // harmless when nothing is open
}

// ---- Failed opens and creates --------------------------------------------------------------

class UnwritablePlace : public ::testing::TestWithParam<const char*> {};

TEST_P(UnwritablePlace, CreateReportsAStatusBelowZero) {
    QTemporaryDir dir;
    QFile plain(dir.filePath(QStringLiteral("plain")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString name = QStringLiteral("out.") + QString::fromLatin1(GetParam());
    for (const QString& path : {dir.filePath(QStringLiteral("missing/") + name),
                                dir.filePath(QStringLiteral("plain/") + name), QStringLiteral("/proc/") + name}) {
        if (QString::fromLatin1(GetParam()) == QStringLiteral("wma")) {
            WMAFile writer;
            writer.Create(path);
            EXPECT_LT(writer.status(), 0) << path.toStdString();
            EXPECT_FALSE(writer.reason().isEmpty());
            EXPECT_EQ(writer.state(), 0);
        } else {
            AudioFile writer;
            writer.Create(path);
            EXPECT_LT(writer.status(), 0) << path.toStdString();
            EXPECT_FALSE(writer.reason().isEmpty());
            EXPECT_FALSE(writer.isWriting());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, UnwritablePlace, ::testing::Values("wav", "mp3", "ogg", "wma", "flac", "opus"));

TEST(AudioFileOpen, UnknownTypesAndBadFilesGiveAStatusBelowZeroAndNoData) {
    QTemporaryDir dir;
    AudioFile file;
    file.Create(dir.filePath(QStringLiteral("out.aiff")));
    EXPECT_LT(file.status(), 0);
    QFile junk(dir.filePath(QStringLiteral("junk.mp3")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, '\x5a'));
    junk.close();
    file.OpenRead(junk.fileName(), 0, 1);
    EXPECT_LT(file.status(), 0);
    EXPECT_TRUE(file.ReadBlock(44100).empty());
    EXPECT_EQ(file.length(), 0);
    // A good open afterwards clears the failure.
    AudioFile writer;
    writer.SetPcmFormat(8000, 1, 16);
    writer.Create(dir.filePath(QStringLiteral("ok.wav")));
    writer.WriteBlock(SampleBlock(800, 100));
    writer.Close();
    file.OpenRead(dir.filePath(QStringLiteral("ok.wav")));
    EXPECT_EQ(file.status(), 0);
    EXPECT_EQ(file.length(), 800);
}

TEST(AudioFileSeek, MovesFromTheStartOnly) {
    QTemporaryDir dir;
    const SampleBlock signal = musicTone(8000, 1, 1.0);
    AudioFile writer;
    writer.SetPcmFormat(8000, 1, 16);
    writer.Create(dir.filePath(QStringLiteral("s.wav")));
    writer.WriteBlock(signal);
    writer.Close();
    AudioFile reader;
    reader.OpenRead(dir.filePath(QStringLiteral("s.wav")));
    EXPECT_EQ(reader.Seek(4000, 3), 4000);
    const SampleBlock rest = reader.ReadBlock(10);
    EXPECT_EQ(rest, SampleBlock(signal.begin() + 4000, signal.begin() + 4010));
    EXPECT_THROW(reader.Seek(0, 1), ComponentError);
}

// ---- Descriptions and the format chooser ---------------------------------------------------

TEST(AudioFileFormat, DescriptionFollowsWhatWasSetLast) {
    AudioFile writer;
    writer.SetPcmFormat(22050, 1, 8);
    EXPECT_EQ(writer.formatDescription(), QStringLiteral("22050 Hz, 8 bit, Mono"));
    MP3Settings mp3;
    writer.UseMp3Settings(mp3);
    EXPECT_EQ(writer.formatDescription(), mp3.description());
    writer.SetPcmFormat(44100, 2, 16);
    EXPECT_EQ(writer.formatDescription(), QStringLiteral("44100 Hz, 16 bit, Stereo"));
    EXPECT_THROW(writer.SetPcmFormat(44100, 2, 12), ComponentError);
    EXPECT_THROW(writer.SetPcmFormat(4000, 2, 16), ComponentError);
    EXPECT_EQ(writer.formatDescription(), QStringLiteral("44100 Hz, 16 bit, Stereo"));
}

TEST(AudioFileFormat, ChooserSetsTheWavFormatAndCancelKeepsIt) {
    WavFormatChooser::install();
    AudioFile writer;
    writer.SetPcmFormat(44100, 2, 16);
    QTimer::singleShot(0, [] {
        auto* chooser = qobject_cast<WavFormatChooser*>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        chooser->cmbRate->setCurrentIndex(chooser->cmbRate->findData(8000));
        chooser->cmbBits->setCurrentIndex(chooser->cmbBits->findData(8));
        chooser->cmbChannels->setCurrentIndex(0);
        chooser->accept();
    });
    EXPECT_TRUE(writer.ChooseWavFormat());
    EXPECT_EQ(writer.formatDescription(), QStringLiteral("8000 Hz, 8 bit, Mono"));
    QTimer::singleShot(0, [] {
        auto* chooser = qobject_cast<WavFormatChooser*>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        chooser->cmbRate->setCurrentIndex(0);
        chooser->reject();
    });
    EXPECT_FALSE(writer.ChooseWavFormat());
    EXPECT_EQ(writer.formatDescription(), QStringLiteral("8000 Hz, 8 bit, Mono"));
}

}  // namespace
