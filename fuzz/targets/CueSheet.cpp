#include "Targets.h"

#include "components/audio/cd/CueSheet.h"
#include "components/audio/cd/CueTracks.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace fuzz_targets {
namespace {

// A folder holding "a.wav" (one second of silence at 44.1 kHz, 75 CD frames) beside which each
// input is written as the sheet "s.cue", so that the tracks are cut from a file that is there.
const QTemporaryDir& folder() {
    static const auto dir = [] {
        auto d = std::make_unique<QTemporaryDir>();
        QByteArray wav("RIFF\0\0\0\0WAVEfmt \x10\0\0\0\x01\0\x02\0\x44\xac\0\0\x10\xb1\x02\0\x04\0\x10\0data\0\0\0\0", 44);
        const std::uint32_t bytes = 44100 * 4;
        for (int i = 0; i < 4; ++i) wav[40 + i] = char((bytes >> (8 * i)) & 0xff);
        const std::uint32_t riff = bytes + 36;
        for (int i = 0; i < 4; ++i) wav[4 + i] = char((riff >> (8 * i)) & 0xff);
        wav.append(QByteArray(int(bytes), '\0'));
        QFile f(d->filePath(QStringLiteral("a.wav")));
        require(f.open(QIODevice::WriteOnly) && f.write(wav) == wav.size(), "the fuzz target's WAV file is written");
        return d;
    }();
    return *dir;
}

void checkParsed(const cue::Sheet& sheet, const QString& error) {
    require(sheet.tracks.empty() != error.isEmpty(), "a sheet has tracks exactly when no error is given");
    int last = 0;
    for (const cue::Track& t : sheet.tracks) {
        require(t.number > last && t.number <= 99, "tracks are numbered upwards from 1 to 99");
        last = t.number;
        require(t.start() != nullptr, "every track has its INDEX 01");
        for (const cue::Index& i : t.indexes) {
            require(i.frames >= 0 && i.frames < 100000LL * 60 * 75, "an index lies in bounds");
            require(!i.file.isEmpty(), "an index names its file");
        }
    }
}

}  // namespace

void cueSheet(const std::uint8_t* data, std::size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    QString error;
    checkParsed(cue::parse(text, &error), error);
    const QString path = folder().filePath(QStringLiteral("s.cue"));
    QFile f(path);
    require(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text) == text.size(), "the sheet is written");
    f.close();
    const cue::AudioSheet sheet = cue::readAudioSheet(path);
    // Which reader a sheet goes to is decided from the same text, whatever it holds.
    (void)cue::isDiscImageSheet(path);
    require(sheet.tracks.empty() != sheet.refusal.isEmpty(), "a sheet gives tracks exactly when it is not refused");
    for (const cue::AudioTrack& t : sheet.tracks) {
        require(t.end < 0 || t.end > t.start, "a track ends after it starts");
        require(!cue::trackName(t).contains(QLatin1Char('/')), "a track's name is one file name");
        const auto ref = cue::entryRef(cue::trackEntry(path, t.number));
        require(ref && ref->number == t.number && sheet.track(t.number) == &t, "a track's entry names it");
    }
}

}  // namespace fuzz_targets
