#pragma once
// Ways to make files and disks fail as they do in the wild: a full disk, MP3 frames whose
// data is damaged, and WAV headers that state a wrong length.

#include <QString>

#include <sys/resource.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace testing_support {

// Limits the size of files this process writes, as a full disk would; restores on exit.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

// What can happen to an output's folder while the output is written: the disk fills up, or
// the folder is removed, renamed or made read-only. `strike` does it to `folder`; a full disk
// lasts while `limit` holds it.
struct OutputFailure {
    const char* name;
    std::function<void(const QString& folder, std::unique_ptr<FileSizeLimit>& limit)> strike;
};
const std::vector<OutputFailure>& outputFailures();
// Makes `folder` new and empty again after any of those, true when it could.
bool resetOutputFolder(const QString& folder);

// Overwrites the side information of every MPEG-1 layer III frame from frame `firstDamaged`
// on, keeping the frame headers, so that a decoder finds the frames and cannot decode them.
// Returns the number of frames in the file.
int damageMp3Frames(const QString& path, int firstDamaged);

// Sets the size that the data chunk of a WAV file states, leaving the audio in place.
void setWavDataSize(const QString& path, std::uint32_t bytes);

// Appends a RIFF chunk after the data of a WAV file (and fixes the RIFF size).
void appendWavChunk(const QString& path, const char id[4], const QByteArray& payload);

// Sources damaged as users meet them, made by the reference encoders from a whole WAV file of
// about 12 s: a FLAC, a WAV, an MP3 with a Xing header and an Ogg Vorbis file cut short, and a
// FLAC with 4 kB of garbage in its middle. `says` is what the reason for its failure contains.
struct DamagedSource {
    const char* file;
    const char* says;
    // Writes the damaged file at `path` from `wav`; empty on success, otherwise what went wrong.
    std::function<QString(const QString& wav, const QString& path)> make;
};
const std::vector<DamagedSource>& damagedSources();
// The MD5 of a file's bytes (empty when it cannot be read).
QByteArray fileMd5(const QString& path);

}  // namespace testing_support
