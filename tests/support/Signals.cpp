#include "support/Signals.h"

#include "components/audio/codecs/AudioFile.h"
#include "components/audio/settings/MP3Settings.h"
#include "components/audio/codecs/WMAFile.h"

#include <QProcess>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace testing_support {

namespace {

// The tones of channelTones and makeChannelTones, in Hz: none a multiple of another.
constexpr int kChannelHz[] = {440, 570, 730, 70, 950, 1230, 1590, 2070};

}  // namespace

SampleBlock sineTone(int rate, int channels, double hz, std::size_t frames, double amplitude) {
    SampleBlock out;
    out.reserve(frames * static_cast<std::size_t>(channels));
    for (std::size_t i = 0; i < frames; ++i) {
        const auto v = static_cast<std::int16_t>(
            std::lround(amplitude * std::sin(2.0 * std::numbers::pi * hz * static_cast<double>(i) / rate)));
        for (int c = 0; c < channels; ++c) out.push_back(v);
    }
    return out;
}

SampleBlock channelTones(int rate, int channels, std::size_t frames, double amplitude) {
    SampleBlock out(frames * static_cast<std::size_t>(channels));
    for (std::size_t i = 0; i < frames; ++i)
        for (int c = 0; c < channels && c < 8; ++c)
            out[i * static_cast<std::size_t>(channels) + static_cast<std::size_t>(c)] = static_cast<std::int16_t>(
                std::lround(amplitude * 32767.0 * std::sin(2.0 * std::numbers::pi * kChannelHz[c] * static_cast<double>(i) / rate)));
    return out;
}

SampleBlock musicTone(int rate, int channels, double seconds, unsigned seed) {
    return musicFrames(rate, channels, static_cast<std::size_t>(rate * seconds), 0.025, seed);
}

SampleBlock musicFrames(int rate, int channels, std::size_t frames, double noise, unsigned seed) {
    SampleBlock out(frames * static_cast<std::size_t>(channels));
    std::uint32_t state = 12345u + seed;
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        for (int c = 0; c < channels; ++c) {
            state = state * 1664525u + 1013904223u;
            const double n = static_cast<double>(state >> 16) / 65536.0 - 0.5;
            const double f = c == 0 ? 440.0 : 660.0;
            const double v = 0.3 * std::sin(2 * std::numbers::pi * f * t) +
                             0.12 * std::sin(2 * std::numbers::pi * 3.1 * f * t + c) + 2 * noise * n;
            out[i * static_cast<std::size_t>(channels) + static_cast<std::size_t>(c)] =
                static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0));
        }
    }
    return out;
}

QString writeAudioFile(const QString& path, const SampleBlock& samples, int rate, int channels) {
    try {
        if (path.endsWith(QStringLiteral(".wma"), Qt::CaseInsensitive)) {
            WMAFile writer;
            writer.DeclareInputFormat(rate, channels);
            writer.Create(path);
            if (writer.status() < 0) return QStringLiteral("cannot create ") + path;
            writer.WriteBlock(samples);
            writer.Close();
            return {};
        }
        AudioFile writer;
        writer.SetPcmFormat(rate, channels, 16);
        writer.SetOggFormat(rate, channels, 0, 0, 0, 500);
        MP3Settings mp3;
        mp3.setChannels(channels);
        mp3.setChannelMode(channels == 1 ? 0 : 2);
        mp3.setBitrate(192);
        writer.UseMp3Settings(mp3);
        writer.DeclareInputFormat(rate, channels);
        writer.Create(path);
        if (writer.status() < 0) return writer.reason();
        writer.WriteBlock(samples);
        writer.Close();
        return {};
    } catch (const ComponentError& e) {
        return e.description();
    }
}

double ReadBack::seconds() const { return rate > 0 ? static_cast<double>(frames()) / rate : 0.0; }
std::size_t ReadBack::frames() const { return channels > 0 ? samples.size() / static_cast<std::size_t>(channels) : 0; }

ReadBack readBack(const QString& path) {
    ReadBack r;
    AudioFile reader;
    reader.OpenRead(path);
    if (reader.status() < 0) {
        r.error = reader.reason();
        return r;
    }
    r.rate = reader.sampleRate();
    r.channels = reader.channels();
    r.length = reader.length();
    for (;;) {
        const SampleBlock b = reader.ReadBlock(r.rate * r.channels);
        if (b.empty()) break;
        r.samples.insert(r.samples.end(), b.begin(), b.end());
    }
    return r;
}

namespace {

// Correlation of channel `channel` over frames [from, to) of `a`, stepping by `step`, against
// `b` shifted by `lag` frames; frames that `b` lacks are left out.
double correlationOver(const SampleBlock& a, int channelsA, const SampleBlock& b, int channelsB, int channel,
                       long lag, long from, long to, long step) {
    if (channelsA <= 0 || channelsB <= 0) return 0;
    const auto framesB = static_cast<long>(b.size()) / channelsB;
    const int ca = std::min(channel, channelsA - 1), cb = std::min(channel, channelsB - 1);
    double sab = 0, saa = 0, sbb = 0;
    for (long i = from; i < to; i += step) {
        const long j = i + lag;
        if (j < 0 || j >= framesB) continue;
        const double x = a[static_cast<std::size_t>(i * channelsA + ca)];
        const double y = b[static_cast<std::size_t>(j * channelsB + cb)];
        sab += x * y;
        saa += x * x;
        sbb += y * y;
    }
    return saa > 0 && sbb > 0 ? sab / std::sqrt(saa * sbb) : 0;
}

}  // namespace

double bestCorrelation(const SampleBlock& a, int channelsA, const SampleBlock& b, int channelsB, int channel,
                       int maxLag) {
    if (channelsA <= 0) return 0;
    const auto framesA = static_cast<long>(a.size()) / channelsA;
    const long margin = std::min<long>(4000, framesA / 4);
    double best = 0;
    for (long lag = -maxLag; lag <= maxLag; ++lag)
        best = std::max(best, correlationOver(a, channelsA, b, channelsB, channel, lag, margin, framesA - margin, 13));
    return best;
}

double correlationAt(const SampleBlock& a, int channelsA, const SampleBlock& b, int channelsB, int channel, long lag) {
    if (channelsA <= 0) return 0;
    return correlationOver(a, channelsA, b, channelsB, channel, lag, 0, static_cast<long>(a.size()) / channelsA, 1);
}

QString makeVideo(const QString& path, const QString& soundWav, const QStringList& audioArgs,
                  const QStringList& videoArgs, double pictureSeconds) {
    QStringList args{QStringLiteral("-nostdin"), QStringLiteral("-loglevel"), QStringLiteral("error"),
                     QStringLiteral("-y"), QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                     QStringLiteral("testsrc=size=64x48:rate=25")};
    if (!soundWav.isEmpty()) args << QStringLiteral("-i") << soundWav << audioArgs;
    if (pictureSeconds > 0) args << QStringLiteral("-t") << QString::number(pictureSeconds);
    else if (!soundWav.isEmpty()) args << QStringLiteral("-shortest");
    else args << QStringLiteral("-t") << QStringLiteral("2");
    args << videoArgs << path;
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), args);
    if (!ffmpeg.waitForFinished(120000) || ffmpeg.exitCode() != 0)
        return QStringLiteral("ffmpeg could not make %1: %2").arg(path, QString::fromLocal8Bit(ffmpeg.readAllStandardError()));
    return {};
}

QString makeMusicVideo(const QString& path, double seconds) {
    const QString sound = path + QStringLiteral(".wav");
    const QString written = writeAudioFile(sound, musicTone(48000, 2, seconds), 48000, 2);
    if (!written.isEmpty()) return written;
    return makeVideo(path, sound, {QStringLiteral("-c:a"), QStringLiteral("aac"), QStringLiteral("-b:a"), QStringLiteral("192k")});
}

QString makeChannelTones(const QString& path, const QString& layout, int channels, double seconds, int rate) {
    QStringList tones;
    for (int c = 0; c < channels && c < 8; ++c) tones << QStringLiteral("0.25*sin(2*PI*%1*t)").arg(kChannelHz[c]);
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {QStringLiteral("-nostdin"), QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-y"),
                  QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                  QStringLiteral("aevalsrc=exprs=%1:channel_layout=%2:sample_rate=%3:duration=%4")
                      .arg(tones.join(QLatin1Char('|')), layout)
                      .arg(rate)
                      .arg(seconds),
                  path});
    if (!ffmpeg.waitForFinished(120000) || ffmpeg.exitCode() != 0)
        return QStringLiteral("ffmpeg could not make %1: %2").arg(path, QString::fromLocal8Bit(ffmpeg.readAllStandardError()));
    return {};
}

QStringList probeAudio(const QString& path, const QString& entries) {
    QProcess p;
    p.start(QStringLiteral("ffprobe"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-select_streams"),
                                        QStringLiteral("a:0"), QStringLiteral("-show_entries"),
                                        QStringLiteral("stream=") + entries, QStringLiteral("-of"),
                                        QStringLiteral("csv=p=0"), path});
    p.waitForFinished(60000);
    // Only the fields asked for: side data (such as ReplayGain's) may follow them.
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed().split(QLatin1Char(',')).mid(0, entries.count(QLatin1Char(',')) + 1);
}

SampleBlock ffmpegDecode(const QString& path, int rate, int channels) {
    QStringList args{QStringLiteral("-nostdin"), QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-i"),
                     path, QStringLiteral("-vn"), QStringLiteral("-ar"), QString::number(rate)};
    // A file of that many channels keeps them as they are: -ac would remix them into FFmpeg's
    // default layout of the count (2.1 for three, 4.0 for four).
    if (probeAudio(path, QStringLiteral("channels")).value(0).toInt() != channels)
        args << QStringLiteral("-ac") << QString::number(channels);
    args << QStringLiteral("-f") << QStringLiteral("s16le") << QStringLiteral("-");
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), args);
    if (!ffmpeg.waitForFinished(120000) || ffmpeg.exitCode() != 0) return {};
    const QByteArray bytes = ffmpeg.readAllStandardOutput();
    SampleBlock samples(static_cast<std::size_t>(bytes.size()) / sizeof(std::int16_t));
    std::memcpy(samples.data(), bytes.constData(), samples.size() * sizeof(std::int16_t));
    return samples;
}

}  // namespace testing_support
