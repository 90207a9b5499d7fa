#pragma once
// The bodies of the fuzz targets that read what the network and the user give. Each takes one
// input as libFuzzer hands it over and aborts when the code under test breaks a promise; the
// fuzz programs (fuzz/fuzz_*.cpp) and the tests that replay the kept corpora (fuzz/corpus/)
// call the same function.

#include <QString>

#include <cstddef>
#include <cstdint>

namespace fuzz_targets {

// Aborts, naming `what`, when `condition` is false.
void require(bool condition, const char* what);

// An output path from a pattern: relative, without empty, "." or ".." components or NUL, and
// inside the output folder.
void requireSafeRelativePath(const QString& path);

// A dBAR record: parsed, written back, and compared with checksums taken from it.
void accurateRipRecord(const std::uint8_t* data, std::size_t size);

// An AccurateRip drive-offset list (DriveOffsets.bin): parsed, each drive found by its name,
// and written back.
void driveOffsetList(const std::uint8_t* data, std::size_t size);

// A /ws/2/discid answer for a disc of 1 + data[0] % 24 tracks; the rest is the JSON.
void musicBrainzAnswer(const std::uint8_t* data, std::size_t size);

// A downloaded cover: data[0] picks the stated content type, the rest is the body. A cover the
// check takes is saved in a temporary folder and read back as the tags' picture.
void coverPicture(const std::uint8_t* data, std::size_t size);

// Tags copied from one kind of file to another: data[0] and data[1] pick the kinds, data[2..3]
// the target's Opus header gain; the rest are "NAME=value" lines.
void loudnessText(const std::uint8_t* data, std::size_t size);

// velloria-convert's command line: the arguments are the input's NUL-separated pieces.
void cliOptions(const std::uint8_t* data, std::size_t size);

// A pattern with its source and tags: the pieces between 0xff bytes are the pattern, the
// source's path, its relative folder, then ARTIST, ALBUM, ALBUMARTIST, TITLE, TRACKNUMBER,
// DISCNUMBER, DATE and GENRE (a missing piece: no such tag).
void namePattern(const std::uint8_t* data, std::size_t size);

// A CUE sheet's text: parsed, then written beside a one-second WAV file, read as the tracks of an
// audio sheet and told apart from a disc image's sheet.
void cueSheet(const std::uint8_t* data, std::size_t size);

}  // namespace fuzz_targets
