#pragma once
// Reference tools for loudness tests: the values an independent scanner (loudgain) gives for
// a set of files, tags as TagLib reads them, a fingerprint of a file's decoded audio, and
// output files in the formats that carry loudness tags.

#include "components/audio/SampleBlock.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <ostream>
#include <vector>

// Readable QString values in test failures.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace testing_support {

// One row of loudgain's table: integrated loudness (LUFS), true peak (linear), gain (dB).
struct ScannerRow {
    QString file;  // file name, or "Album"
    double lufs = 0;
    double peak = 0;
    double gain = 0;
};

// loudgain's values for `files` scanned as one album: one row per file in order, then the
// album's row. Empty (and a test failure) when the scanner fails or its table cannot be read.
std::vector<ScannerRow> scanWithLoudgain(const QStringList& files);

// Every tag TagLib reads from the file, names upper-cased, each with all its values (a tag
// present twice has two). ASF attributes are read directly, by name.
QMap<QString, QStringList> readTagsForTest(const QString& path);

// The MD5 of the audio as ffmpeg decodes it; equal before and after a tag change when the
// audio was not touched.
QString decodedAudioMd5(const QString& path);

// Writes `samples` into `out` in the format its extension names: wav, mp3, ogg and wma with
// the program's own writers (writeAudioFile), flac and opus with ffmpeg from a WAV beside it.
// Empty on success, otherwise what went wrong.
QString makeTaggableFile(const QString& out, const SampleBlock& samples, int rate, int channels);

// Sets the output gain of an Ogg Opus file's header (Q7.8 dB). Returns whether it was saved.
bool setOpusHeaderGain(const QString& path, int gain);

}  // namespace testing_support
