// Converts one file as the converter does: the file reader and writer wrapped in the audio job
// engine's file source and sink, run as one job with the default block size and a listener
// that does nothing. Or makes a music-like test input. Used by scripts/bench.
//
//   velloria_convert generate <seconds> <out.wav>
//   velloria_convert convert <in> <out> [mp3-cbr <kbps> | mp3-vbr <quality> | ogg <quality> | wma <kbps> |
//                                        flac <level> | opus <kbps>]
#include "components/audio/codecs/AudioFile.h"
#include "components/audio/engine/AudioJob.h"
#include "components/audio/engine/FileEndpoints.h"
#include "components/audio/codecs/WMAFile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cmath>
#include <cstdio>
#include <random>

namespace {

int generate(double seconds, const QString& out) {
    constexpr int rate = 44100;
    AudioFile writer;
    writer.SetPcmFormat(rate, 2, 16);
    writer.Create(out);
    if (writer.status() < 0) return 2;
    std::mt19937 rng(1);
    std::normal_distribution<double> noise(0.0, 400.0);
    // A slow chord progression of plucked-like notes with harmonics, panned, with noise.
    const double roots[] = {110.0, 146.83, 130.81, 98.0};
    SampleBlock block(static_cast<std::size_t>(rate) * 2);
    const auto total = static_cast<long>(seconds * rate);
    for (long start = 0; start < total; start += rate) {
        const long n = std::min<long>(rate, total - start);
        block.resize(static_cast<std::size_t>(n) * 2);
        for (long i = 0; i < n; ++i) {
            const double t = static_cast<double>(start + i) / rate;
            const double root = roots[static_cast<long>(t / 2.0) % 4];
            const double beat = std::fmod(t, 0.25);
            const double env = std::exp(-beat * 12.0);
            double l = 0, r = 0;
            for (int k = 1; k <= 6; ++k) {
                const double v = std::sin(2 * 3.14159265358979 * root * k * (1 + 0.0007 * k) * t) / k;
                l += v * (k % 2 ? 1.0 : 0.6);
                r += v * (k % 2 ? 0.6 : 1.0);
            }
            const double lead = std::sin(2 * 3.14159265358979 * root * 4 * (1 + 0.01 * std::sin(t * 5)) * t);
            l = 7000 * env * l + 2500 * lead + noise(rng);
            r = 7000 * env * r + 2000 * lead + noise(rng);
            block[static_cast<std::size_t>(i) * 2] = static_cast<std::int16_t>(std::clamp(l, -32768.0, 32767.0));
            block[static_cast<std::size_t>(i) * 2 + 1] = static_cast<std::int16_t>(std::clamp(r, -32768.0, 32767.0));
        }
        writer.WriteBlock(block);
    }
    writer.Close();
    return 0;
}

class QuietListener : public audio::JobListener {
public:
    void progress(const audio::JobProgress&) override {}
    void finished(const audio::JobOutcome&) override {}
};

// Runs one job from the reader's file to the writer's; the source opens the reader again.
template <typename Sink, typename Writer>
int runJob(AudioFile& reader, const QString& in, Writer& writer, const QString& out) {
    audio::AudioFileSource source(reader, in);
    Sink sink(writer, out);
    QuietListener listener;
    audio::AudioJob job(source, sink, listener);
    const audio::JobOutcome outcome = job.run();
    if (outcome.written()) return 0;
    std::fprintf(stderr, "%s\n", qPrintable(outcome.reason));
    return 2;
}

int convert(const QStringList& args) {
    // The writer's settings depend on the input's rate and channels, so the input is opened
    // once to learn them and closed again before the job opens it.
    AudioFile reader;
    reader.OpenRead(args[0], 0, 1);
    if (reader.status() < 0) {
        std::fprintf(stderr, "%s\n", qPrintable(reader.reason()));
        return 2;
    }
    const int rate = reader.sampleRate();
    const int channels = reader.channels();
    reader.Close();
    const QString mode = args.value(2);
    const int value = args.value(3).toInt();
    if (mode == QStringLiteral("wma")) {
        WMAFile writer;
        for (std::size_t i = 0; i < WMAFile::profiles().size(); ++i) {
            const WmaProfile& p = WMAFile::profiles()[i];
            if (p.bitrate == value * 1000 && p.sampleRate == rate && p.channels == channels)
                writer.setWMProfile(static_cast<int>(i));
        }
        return runJob<audio::WmaFileSink>(reader, args[0], writer, args[1]);
    }
    AudioFile writer;
    MP3Settings mp3;
    mp3.setEncoderQuality(3);  // what the lame command uses by default
    if (mode == QStringLiteral("mp3-cbr")) mp3.setBitrate(value);
    if (mode == QStringLiteral("mp3-vbr")) {
        mp3.setCodingMethod(0);
        mp3.setVbrQuality(value);
    }
    writer.UseMp3Settings(mp3);
    if (mode == QStringLiteral("ogg")) writer.SetOggFormat(rate, channels, 0, 0, 0, value * 100);
    OutputSettings settings;
    settings.mp3 = mp3;
    settings.ogg = writer.oggFormat();
    settings.wav = WavFormat{rate, channels, 16};
    if (mode == QStringLiteral("flac")) settings.flac = FlacSettings{value, false}.format();
    if (mode == QStringLiteral("opus")) settings.opus = OpusSettings{value, 0, 10}.format();
    writer.useSettings(settings);
    writer.SetPcmFormat(rate, channels, 16);
    return runJob<audio::AudioFileSink>(reader, args[0], writer, args[1]);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    try {
        if (args.value(0) == QStringLiteral("generate") && args.size() == 3) return generate(args[1].toDouble(), args[2]);
        if (args.value(0) == QStringLiteral("convert") && args.size() >= 3) return convert(args.mid(1));
    } catch (const ComponentError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.description()));
        return 2;
    }
    std::fprintf(stderr, "usage: velloria_convert generate <seconds> <out.wav> | convert <in> <out> [mode value]\n");
    return 1;
}
