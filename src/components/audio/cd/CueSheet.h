#pragma once
// A CUE sheet as a value: what a rip writes beside its tracks (or its one file) and what the
// converter reads when a sheet names an audio file. Positions are CD frames (75 per second,
// 588 sample frames each) from the start of the file that holds them. Qt Core only.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace cue {

struct Index {
    int number = 1;           // 0 is a track's pre-gap, 1 its start
    QString file;             // the FILE this index lies in, as the sheet names it
    QString fileType;         // "WAVE", "FLAC", "BINARY", "MP3", ...
    std::int64_t frames = 0;  // position within that file
};

struct Track {
    int number = 1;
    QString type = QStringLiteral("AUDIO");  // "AUDIO", "MODE1/2352", ...
    QString title;
    QString performer;
    QString isrc;
    QStringList flags;          // "PRE", "DCP", "4CH", "SCMS"
    std::int64_t pregap = 0;    // a PREGAP command: frames of silence not held in any file
    std::vector<Index> indexes;  // in the sheet's order
    // Its INDEX 01, or nullptr.
    const Index* start() const;
};

struct Sheet {
    QString catalog;
    QString title;
    QString performer;
    QStringList remarks;  // REM lines, without "REM "
    std::vector<Track> tracks;
};

// Reads a sheet's text. `error` says why the text is no sheet (an empty result then).
Sheet parse(const QByteArray& text, QString* error);
// The sheet's text: FILE lines where the file changes, quoted names, CRLF-free UTF-8.
QByteArray text(const Sheet& sheet);

}  // namespace cue
