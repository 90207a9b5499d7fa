#include "support/CdArchiveImages.h"

#include "support/CdImages.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>

namespace testing_support {
namespace {

QString msf(std::int32_t sector) {
    return QStringLiteral("%1:%2:%3")
        .arg(sector / 75 / 60, 2, 10, QLatin1Char('0'))
        .arg(sector / 75 % 60, 2, 10, QLatin1Char('0'))
        .arg(sector % 75, 2, 10, QLatin1Char('0'));
}

QByteArray rawSamples(const SampleBlock& samples) {
    QByteArray raw;
    raw.reserve(qsizetype(samples.size()) * 2);
    for (std::int16_t v : samples) {
        raw.append(char(v & 0xff));
        raw.append(char((v >> 8) & 0xff));
    }
    return raw;
}

int sectorsOf(const SampleBlock& samples) { return int(samples.size() / kCdSectorValues); }

// A Mode 1 sector as a drive reads it raw: the sync pattern, the header (its
// address, mode 1) and 2048 bytes of a pattern that names it; no error codes
// (nothing here checks them).
QByteArray dataSector(std::int32_t lsn) {
    QByteArray s(kCdSectorValues * 2, '\0');
    for (int i = 1; i <= 10; ++i) s[i] = char(0xff);
    const std::int32_t lba = lsn + 150;
    const auto bcd = [](int v) { return char(((v / 10) << 4) | (v % 10)); };
    s[12] = bcd(lba / 75 / 60);
    s[13] = bcd(lba / 75 % 60);
    s[14] = bcd(lba % 75);
    s[15] = 1;
    const QByteArray text = QByteArrayLiteral("VELLORIA DATA SECTOR ") + QByteArray::number(lsn) + ' ';
    for (int i = 16; i < 16 + 2048; ++i) s[i] = text[(i - 16) % text.size()];
    return s;
}

QString quoted(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

}  // namespace

SampleBlock ArchiveImage::ripOf(int number) const {
    const auto& tracks = disc.tracks;
    if (number == 0) return tracks.empty() || tracks.front().data ? SampleBlock{} : tracks.front().pregap;
    if (number < 1 || number > int(tracks.size()) || tracks[std::size_t(number - 1)].data) return {};
    SampleBlock rip = tracks[std::size_t(number - 1)].audio;
    if (number < int(tracks.size())) {
        const ArchiveTrack& next = tracks[std::size_t(number)];
        if (!next.data) rip.insert(rip.end(), next.pregap.begin(), next.pregap.end());
    }
    return rip;
}

std::vector<int> ArchiveImage::dataTracks() const {
    std::vector<int> numbers;
    for (std::size_t i = 0; i < disc.tracks.size(); ++i)
        if (disc.tracks[i].data) numbers.push_back(int(i) + 1);
    return numbers;
}

ArchiveImage writeArchiveImage(const QString& dir, const QString& name, const ArchiveDisc& disc) {
    ArchiveImage image;
    image.disc = disc;
    const QString bin = QDir(dir).filePath(name + QStringLiteral(".bin"));
    QFile file(bin);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return image;
    QStringList cue;
    if (!disc.catalog.isEmpty()) cue << QStringLiteral("CATALOG ") + disc.catalog;
    if (!disc.performer.isEmpty()) cue << QStringLiteral("PERFORMER ") + quoted(disc.performer);
    if (!disc.title.isEmpty()) cue << QStringLiteral("TITLE ") + quoted(disc.title);
    cue << QStringLiteral("FILE ") + quoted(name + QStringLiteral(".bin")) + QStringLiteral(" BINARY");
    std::int32_t sector = 0;
    int session = 0;
    for (std::size_t i = 0; i < disc.tracks.size(); ++i) {
        const ArchiveTrack& t = disc.tracks[i];
        if (t.session != session) {
            session = t.session;
            cue << QStringLiteral("  REM SESSION %1").arg(session, 2, 10, QLatin1Char('0'));
        }
        if (t.data && t.session > 1) {
            // The end of the audio session, the next one's lead-in and the data
            // track's pre-gap: never audio, and loud, so that a read of them shows.
            image.audioEnd = sector;
            const SampleBlock gap = cdNoise(kSessionGapSectors, 99);
            file.write(rawSamples(gap));
            sector += kSessionGapSectors;
        }
        cue << QStringLiteral("  TRACK %1 %2")
                   .arg(i + 1, 2, 10, QLatin1Char('0'))
                   .arg(t.data ? QStringLiteral("MODE1/2352") : QStringLiteral("AUDIO"));
        if (!t.title.isEmpty()) cue << QStringLiteral("    TITLE ") + quoted(t.title);
        if (!t.performer.isEmpty()) cue << QStringLiteral("    PERFORMER ") + quoted(t.performer);
        QStringList flags;
        if (t.preEmphasis) flags << QStringLiteral("PRE");
        if (t.copyPermitted) flags << QStringLiteral("DCP");
        if (t.fourChannel) flags << QStringLiteral("4CH");
        if (!flags.isEmpty()) cue << QStringLiteral("    FLAGS ") + flags.join(QLatin1Char(' '));
        if (!t.isrc.isEmpty()) cue << QStringLiteral("    ISRC ") + t.isrc;
        image.pregaps.push_back(sector);
        if (!t.pregap.empty()) {
            cue << QStringLiteral("    INDEX 00 ") + msf(sector);
            file.write(rawSamples(t.pregap));
            sector += sectorsOf(t.pregap);
        }
        image.starts.push_back(sector);
        cue << QStringLiteral("    INDEX 01 ") + msf(sector);
        if (t.data) {
            for (int s = 0; s < t.dataSectors; ++s) file.write(dataSector(sector + s));
            sector += t.dataSectors;
        } else {
            file.write(rawSamples(t.audio));
            sector += sectorsOf(t.audio);
            image.audioEnd = sector;
        }
    }
    image.leadOut = sector;
    if (!file.flush()) return image;
    file.close();
    QFile sheet(QDir(dir).filePath(name + QStringLiteral(".cue")));
    if (!sheet.open(QIODevice::WriteOnly | QIODevice::Truncate)) return image;
    sheet.write((cue.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    image.bin = bin;
    image.cue = sheet.fileName();
    return image;
}

namespace {

ArchiveTrack audioTrack(SampleBlock audio, const QString& title, const QString& isrc = {}) {
    ArchiveTrack t;
    t.audio = std::move(audio);
    t.title = title;
    t.isrc = isrc;
    return t;
}

ArchiveDisc discNamed(const QString& title) {
    ArchiveDisc disc;
    disc.catalog = QStringLiteral("0724384260958");
    disc.performer = QStringLiteral("Archive Artist");
    disc.title = title;
    return disc;
}

}  // namespace

ArchiveDisc hiddenTrackDisc(bool silentPregap) {
    ArchiveDisc disc = discNamed(QStringLiteral("Hidden Album"));
    ArchiveTrack first = audioTrack(cdTone(200, 630.0), QStringLiteral("Opening"), QStringLiteral("GBVLR2500001"));
    first.pregap = silentPregap ? SampleBlock(std::size_t(150) * kCdSectorValues, 0) : cdNoise(300, 41);
    ArchiveTrack second = audioTrack(cdNoise(180, 42), QStringLiteral("Middle"));
    second.pregap = SampleBlock(std::size_t(150) * kCdSectorValues, 0);
    ArchiveTrack third = audioTrack(cdSpeech(220), QStringLiteral("Closing"), QStringLiteral("GBVLR2500003"));
    third.pregap = cdTone(75, 220.0);
    disc.tracks = {first, second, third};
    return disc;
}

ArchiveDisc preEmphasisDisc() {
    ArchiveDisc disc = discNamed(QStringLiteral("Emphasis Album"));
    ArchiveTrack plain = audioTrack(cdTone(120, 1000.0), QStringLiteral("Flat"));
    ArchiveTrack emphasised =
        audioTrack(cdNoise(160, 43), QStringLiteral("Emphasised"), QStringLiteral("GBVLR2500012"));
    emphasised.preEmphasis = true;
    emphasised.copyPermitted = true;
    emphasised.pregap = SampleBlock(std::size_t(75) * kCdSectorValues, 0);
    disc.tracks = {plain, emphasised};
    return disc;
}

ArchiveDisc enhancedDisc() {
    ArchiveDisc disc = discNamed(QStringLiteral("Enhanced Album"));
    ArchiveTrack one = audioTrack(cdNoise(230, 44), QStringLiteral("First"), QStringLiteral("GBVLR2500021"));
    ArchiveTrack two = audioTrack(cdTone(160, 523.0), QStringLiteral("Second"));
    two.pregap = SampleBlock(std::size_t(150) * kCdSectorValues, 0);
    ArchiveTrack three = audioTrack(cdSpeech(260), QStringLiteral("Third"), QStringLiteral("GBVLR2500023"));
    three.pregap = SampleBlock(std::size_t(40) * kCdSectorValues, 0);
    ArchiveTrack data;
    data.data = true;
    data.dataSectors = 300;
    data.session = 2;
    data.title = QStringLiteral("Extras");
    disc.tracks = {one, two, three, data};
    return disc;
}

ArchiveDisc mixedModeDisc() {
    ArchiveDisc disc = discNamed(QStringLiteral("Mixed Album"));
    ArchiveTrack data;
    data.data = true;
    data.dataSectors = 300;
    data.title = QStringLiteral("Game Data");
    ArchiveTrack one = audioTrack(cdNoise(200, 45), QStringLiteral("Theme"), QStringLiteral("GBVLR2500032"));
    one.pregap = SampleBlock(std::size_t(150) * kCdSectorValues, 0);
    ArchiveTrack two = audioTrack(cdTone(150, 880.0), QStringLiteral("Credits"));
    disc.tracks = {data, one, two};
    return disc;
}

SampleBlock soxDeemphasis(const SampleBlock& samples, QString* error) {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.raw")), out = dir.filePath(QStringLiteral("out.raw"));
    QFile raw(in);
    if (!raw.open(QIODevice::WriteOnly) || raw.write(rawSamples(samples)) < 0) {
        if (error) *error = QStringLiteral("the samples could not be written for sox");
        return {};
    }
    raw.close();
    const QStringList format{QStringLiteral("-t"), QStringLiteral("s16"), QStringLiteral("-r"), QStringLiteral("44100"),
                             QStringLiteral("-c"), QStringLiteral("2"), QStringLiteral("-L")};
    QProcess sox;
    sox.start(QStringLiteral("sox"), QStringList{QStringLiteral("-D")} + format + QStringList{in} + format +
                                         QStringList{out, QStringLiteral("deemph")});
    if (!sox.waitForFinished(120000) || sox.exitStatus() != QProcess::NormalExit || sox.exitCode() != 0) {
        if (error) *error = QStringLiteral("sox failed: ") + QString::fromLocal8Bit(sox.readAllStandardError());
        return {};
    }
    QFile result(out);
    if (!result.open(QIODevice::ReadOnly)) {
        if (error) *error = QStringLiteral("sox wrote nothing");
        return {};
    }
    const QByteArray bytes = result.readAll();
    SampleBlock s(std::size_t(bytes.size()) / 2);
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = std::int16_t(std::uint8_t(bytes[qsizetype(2 * i)]) | (std::uint8_t(bytes[qsizetype(2 * i + 1)]) << 8));
    return s;
}

}  // namespace testing_support
