#pragma once
// Loudness test tools: an independent scanner's values (loudgain), tags as TagLib reads them,
// a fingerprint of decoded audio, and files in every format that takes loudness tags.

#include "components/audio/engine/SampleBlock.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <ostream>
#include <vector>

// Readable QString values in test failures.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace testing_support {

// loudgain's rows for `files` scanned as one album: one per file, then "Album"; empty (with a
// test failure) when the scanner fails or its table cannot be read.
struct ScannerRow {
    QString file;
    double peak = 0;  // true peak, linear
    double gain = 0;  // ReplayGain 2.0, dB
};
std::vector<ScannerRow> scanWithLoudgain(const QStringList& files);

// Every tag TagLib reads (names upper-cased, each value), ASF attributes by their own names.
QMap<QString, QStringList> readTagsForTest(const QString& path);

// The MD5 of the audio as ffmpeg decodes it.
QString decodedAudioMd5(const QString& path);

// `samples` in the format `out` names: wav, mp3, ogg and wma by the program's own writers
// (writeAudioFile), flac and opus by ffmpeg. Empty on success, otherwise what went wrong.
QString makeTaggableFile(const QString& out, const SampleBlock& samples, int rate, int channels);

// Sets the output gain (Q7.8 dB) of an Ogg Opus file's header.
bool setOpusHeaderGain(const QString& path, int gain);

}  // namespace testing_support
