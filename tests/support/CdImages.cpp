#include "support/CdImages.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>

namespace testing_support {

SampleBlock cdNoise(int sectors, unsigned seed) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> dist(-30000, 30000);
    SampleBlock s(std::size_t(sectors) * kCdSectorValues);
    for (auto& v : s) v = std::int16_t(dist(rng));
    return s;
}

SampleBlock cdTone(int sectors, double hz) {
    const std::size_t frames = std::size_t(sectors) * kCdSectorFrames;
    SampleBlock s(frames * 2);
    for (std::size_t i = 0; i < frames; ++i) {
        const auto v = std::int16_t(std::lround(16000.0 * std::sin(2 * std::numbers::pi * hz * double(i) / 44100.0)));
        s[2 * i] = s[2 * i + 1] = v;
    }
    return s;
}

SampleBlock cdSpeech(int sectors) {
    const std::size_t frames = std::size_t(sectors) * kCdSectorFrames;
    SampleBlock s(frames * 2);
    double phase = 0;
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = double(i) / 44100.0;
        // Syllables of 0.2 s with 0.1 s pauses; the pitch wanders between 110 and 190 Hz.
        const double inSyllable = std::fmod(t, 0.3);
        if (inSyllable >= 0.2) continue;
        const double envelope = std::sin(std::numbers::pi * inSyllable / 0.2);
        phase += 2 * std::numbers::pi * (150.0 + 40.0 * std::sin(2 * std::numbers::pi * 1.3 * t)) / 44100.0;
        double v = 0;
        for (int h = 1; h <= 6; ++h) v += std::sin(phase * h) / h;
        const auto left = std::int16_t(std::lround(9000.0 * envelope * v));
        s[2 * i] = left;
        s[2 * i + 1] = std::int16_t(left / 2);
    }
    return s;
}

CdImage writeCdImage(const QString& dir, const QString& name, std::vector<SampleBlock> tracks) {
    CdImage image;
    image.bin = QDir(dir).filePath(name + QStringLiteral(".bin"));
    image.cue = QDir(dir).filePath(name + QStringLiteral(".cue"));
    QFile bin(image.bin);
    if (!bin.open(QIODevice::WriteOnly)) return image;
    QString cue = QStringLiteral("FILE \"%1.bin\" BINARY\n").arg(name);
    int sector = 0;
    for (std::size_t t = 0; t < tracks.size(); ++t) {
        image.starts.push_back(sector);
        cue += QStringLiteral("  TRACK %1 AUDIO\n    INDEX 01 %2:%3:%4\n")
                   .arg(t + 1, 2, 10, QLatin1Char('0'))
                   .arg(sector / 75 / 60, 2, 10, QLatin1Char('0'))
                   .arg(sector / 75 % 60, 2, 10, QLatin1Char('0'))
                   .arg(sector % 75, 2, 10, QLatin1Char('0'));
        QByteArray raw;
        for (std::int16_t v : tracks[t]) {
            raw.append(char(v & 0xff));
            raw.append(char((v >> 8) & 0xff));
        }
        bin.write(raw);
        sector += int(tracks[t].size() / kCdSectorValues);
    }
    image.leadOut = sector;
    QFile cueFile(image.cue);
    if (cueFile.open(QIODevice::WriteOnly)) cueFile.write(cue.toUtf8());
    image.tracks = std::move(tracks);
    return image;
}

const char* const kReferenceTextTitles[3] = {"First Words", "Pure Tone", "Last Words"};
const char* const kReferenceTextPerformers[3] = {"", "Guest Voice", ""};
const char* const kReferenceIsrcs[3] = {"GBVLR2400001", "", "GBVLR2400003"};

CdImage writeReferenceDisc(const QString& dir, bool cdText) {
    CdImage image = writeCdImage(dir, QStringLiteral("reference"), {cdNoise(460, 11), cdTone(200), cdSpeech(460)});
    if (!cdText) return image;
    QFile cue(image.cue);
    if (!cue.open(QIODevice::ReadOnly)) return image;
    QString text = QString::fromUtf8(cue.readAll());
    cue.close();
    text.prepend(QStringLiteral("PERFORMER \"Text Artist\"\nTITLE \"Text Album\"\n"));
    for (int t = 0; t < 3; ++t) {
        const QString line = QStringLiteral("  TRACK %1 AUDIO\n").arg(t + 1, 2, 10, QLatin1Char('0'));
        QString more = QStringLiteral("    TITLE \"%1\"\n").arg(QLatin1String(kReferenceTextTitles[t]));
        if (kReferenceTextPerformers[t][0]) more += QStringLiteral("    PERFORMER \"%1\"\n").arg(QLatin1String(kReferenceTextPerformers[t]));
        if (kReferenceIsrcs[t][0]) more += QStringLiteral("    ISRC %1\n").arg(QLatin1String(kReferenceIsrcs[t]));
        text.replace(line, line + more);
    }
    if (cue.open(QIODevice::WriteOnly | QIODevice::Truncate)) cue.write(text.toUtf8());
    return image;
}

bool writeWav(const QString& path, const SampleBlock& track) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return false;
    const auto le32 = [](std::uint32_t v) {
        QByteArray b;
        for (int i = 0; i < 4; ++i) b.append(char((v >> (8 * i)) & 0xff));
        return b;
    };
    const auto bytes = std::uint32_t(track.size() * 2);
    QByteArray head = "RIFF" + le32(36 + bytes) + "WAVEfmt " + le32(16);
    head += QByteArray("\x01\x00\x02\x00", 4) + le32(44100) + le32(44100 * 4) + QByteArray("\x04\x00\x10\x00", 4);
    head += "data" + le32(bytes);
    f.write(head);
    QByteArray raw;
    for (std::int16_t v : track) {
        raw.append(char(v & 0xff));
        raw.append(char((v >> 8) & 0xff));
    }
    return f.write(raw) == raw.size();
}

SampleBlock cdParanoiaRip(const QString& cue, int track, QString* error) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("rip.raw"));
    QProcess p;
    p.start(QStringLiteral("cd-paranoia"), {QStringLiteral("-d"), cue, QStringLiteral("-r"), QString::number(track), out});
    if (!p.waitForFinished(120000) || p.exitCode() != 0) {
        if (error) *error = QStringLiteral("cd-paranoia failed: ") + QString::fromLocal8Bit(p.readAllStandardError());
        return {};
    }
    QFile f(out);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error) *error = QStringLiteral("cd-paranoia wrote nothing");
        return {};
    }
    const QByteArray raw = f.readAll();
    SampleBlock s(std::size_t(raw.size()) / 2);
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = std::int16_t(std::uint8_t(raw[qsizetype(2 * i)]) | (std::uint8_t(raw[qsizetype(2 * i + 1)]) << 8));
    return s;
}

long ScratchedDisc::readAudio(std::int32_t lsn, long sectors, void* buffer, const DeviceRead& device) {
    ++reads;
    for (long i = 0; i < sectors; ++i)
        if (unreadable.count(lsn + std::int32_t(i))) {
            sectors = i;
            break;
        }
    if (sectors == 0) return -1;
    const long got = device(lsn, sectors, buffer);
    for (long i = 0; i < got; ++i) {
        auto misread = misreads.find(lsn + std::int32_t(i));
        if (misread == misreads.end() || misread->second == 0) continue;
        if (misread->second > 0) --misread->second;
        auto* values = static_cast<std::int16_t*>(buffer) + i * kCdSectorValues;
        for (int v = 0; v < kCdSectorValues; ++v) values[v] = std::int16_t((m_seed = m_seed * 1103515245u + 12345u) >> 16);
    }
    return got;
}

}  // namespace testing_support
