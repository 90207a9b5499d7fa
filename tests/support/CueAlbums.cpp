#include "support/CueAlbums.h"

#include "support/Signals.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <algorithm>

namespace testing_support {
namespace {

QString frameTime(std::int64_t frames) {
    return QStringLiteral("%1:%2:%3")
        .arg(frames / 4500, 2, 10, QLatin1Char('0'))
        .arg(frames / 75 % 60, 2, 10, QLatin1Char('0'))
        .arg(frames % 75, 2, 10, QLatin1Char('0'));
}

QString runTool(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(600000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return program + QStringLiteral(" failed: ") + QString::fromLocal8Bit(p.readAllStandardError());
    return {};
}

}  // namespace

QByteArray cueAlbumText(const CueAlbum& album, const QString& fileName) {
    QByteArray text = "REM made by the tests\nPERFORMER \"Band\"\nTITLE \"Album\"\n";
    text += "FILE \"" + fileName.toUtf8() + "\" WAVE\n";
    for (std::size_t i = 0; i < album.starts.size(); ++i) {
        text += QStringLiteral("  TRACK %1 AUDIO\n    TITLE \"Song %2\"\n    PERFORMER \"Band\"\n")
                    .arg(i + 1, 2, 10, QLatin1Char('0')).arg(i + 1).toUtf8();
        const std::int64_t gap = i > 0 ? std::min<std::int64_t>(150, (album.starts[i] - album.starts[i - 1]) / 2) : 0;
        if (gap > 0) text += "    INDEX 00 " + frameTime(album.starts[i] - gap).toUtf8() + "\n";
        text += "    INDEX 01 " + frameTime(album.starts[i]).toUtf8() + "\n";
    }
    return text;
}

CueAlbum makeCueAlbum(const QString& folder, const QString& extension, const std::vector<std::int64_t>& trackFrames,
                      int rate, std::int64_t tailSamples) {
    CueAlbum album;
    album.rate = rate;
    std::int64_t total = 0;
    for (const std::int64_t frames : trackFrames) {
        album.starts.push_back(total);
        total += frames;
    }
    const auto sampleFrames = static_cast<std::size_t>(total * rate / 75 + tailSamples);
    album.samples = musicFrames(rate, album.channels, sampleFrames, 0.1);
    album.sheet = folder + QStringLiteral("/album.cue");
    album.audio = folder + QStringLiteral("/album.") + extension;
    const QString wav = extension == QLatin1String("wav") ? album.audio : folder + QStringLiteral("/plain.wav");
    album.error = writeAudioFile(extension == QLatin1String("ogg") ? album.audio : wav, album.samples, rate, album.channels);
    if (album.error.isEmpty() && extension == QLatin1String("flac"))
        album.error = runTool(QStringLiteral("flac"), {QStringLiteral("-s"), QStringLiteral("-f"), wav, QStringLiteral("-o"), album.audio});
    if (wav != album.audio) QFile::remove(wav);
    QFile sheet(album.sheet);
    if (album.error.isEmpty() && (!sheet.open(QIODevice::WriteOnly) || sheet.write(cueAlbumText(album, QFileInfo(album.audio).fileName())) < 0))
        album.error = QStringLiteral("cannot write ") + album.sheet;
    return album;
}

QStringList shnsplitTracks(const QString& sheet, const QString& audio, const QString& folder, QString* error) {
    QDir().mkpath(folder);
    const QString failed = runTool(QStringLiteral("shnsplit"), {QStringLiteral("-q"), QStringLiteral("-f"), sheet, QStringLiteral("-o"),
                                                                QStringLiteral("wav"), QStringLiteral("-d"), folder,
                                                                QStringLiteral("-O"), QStringLiteral("always"), audio});
    if (error) *error = failed;
    if (!failed.isEmpty()) return {};
    QStringList tracks;
    for (const QString& name : QDir(folder).entryList({QStringLiteral("split-track*.wav")}, QDir::Files, QDir::Name))
        tracks << folder + QLatin1Char('/') + name;
    return tracks;
}

}  // namespace testing_support
