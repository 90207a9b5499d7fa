#pragma once
// Tag test tools: property maps written as one line, files made and tagged by the Debian tools
// themselves (lame, oggenc, opusenc, flac, ffmpeg, sox), and tags as independent readers see
// them (ffprobe, metaflac).

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

namespace testing_support {

// Runs a tool to its end, or fails the test (false); `output` gets what it wrote to its
// standard output. The time limit only guards against a hang.
bool runTool(const QString& program, const QStringList& args, QByteArray* output = nullptr);

// "NAME=value|NAME=value" as a property map; a name may come more than once; "" is empty.
QMap<QString, QStringList> tagMap(const QString& line);

// A two-second tone of `channels` channels at 44.1 kHz made by sox as "{in}", then `command`
// (a command line with "{in}" and "{out}" in it, quoted as a shell would) run to make `out`.
// Returns `out`, or an empty text with a test failure.
QString makeWithTool(const QString& command, const QString& out, int channels = 2);

// The tags ffprobe reads from a file's container (and from its first stream in Ogg, which keeps
// them there), names upper-cased as ffprobe spells them ("TRACK", "DISC", "ENCODER", …).
QMap<QString, QStringList> ffprobeTags(const QString& path);

// The tags ffprobe reads from the ID3 chunk of a WAV file (ffprobe itself shows only the RIFF
// INFO list of a file that has one): the chunk's tag put in front of an untagged MP3 of lame's.
QMap<QString, QStringList> ffprobeWavId3Tags(const QString& wav);

// A property map as one line, "NAME=value|NAME=value" in name order, for comparing and printing.
QString tagLine(const QMap<QString, QStringList>& map);

// The Vorbis comments of a FLAC file as metaflac exports them, names upper-cased.
QMap<QString, QStringList> metaflacTags(const QString& path);

}  // namespace testing_support
