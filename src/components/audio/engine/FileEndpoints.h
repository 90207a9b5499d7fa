#pragma once
// The audio job engine's file ends: the audio file object and the WMA file object as sources
// and as writers. They drive the objects a window owns (and on which the settings dialogs
// have put their settings), so a job writes exactly what the dialogs show.

#include "components/audio/engine/AudioJob.h"

#include <QString>

#include <cstdint>

class AudioFile;
class WMAFile;

namespace audio {

// Reads a file through the audio file object (everything FFmpeg reads), or through the WMA
// file object.
template <typename Reader>
class FileSource : public AudioSource {
public:
    FileSource(Reader& reader, QString path) : m_reader(reader), m_path(std::move(path)) {}
    bool open() override;
    int sampleRate() const override;
    int channels() const override;
    std::int64_t statedFrames() const override;
    SampleBlock read(int samples) override;
    void close() override;
    QString error() const override { return m_error; }
    int bits() const override;
    WideBlock readWide(int samples) override;

private:
    bool tookDamage();
    Reader& m_reader;
    QString m_path;
    QString m_error;
};

// Writes a file through the audio file object (MP3, WAV, Ogg Vorbis by the name's extension)
// or through the WMA file object, told the true format of the blocks it gets. Closing fails
// when the file is no longer at its path (its folder was removed or renamed while it was
// written): writes into an open file succeed even then, and the audio would be lost unseen.
template <typename Writer>
class FileSink : public AudioSink {
public:
    FileSink(Writer& writer, QString path) : m_writer(writer), m_path(std::move(path)) {}
    void sourceBits(int bits) override { m_sourceBits = bits; }
    void sourceFrames(std::int64_t frames) override { m_sourceFrames = frames; }
    bool create(int sampleRate, int channels) override;
    int outputChannels() const override;
    bool write(const SampleBlock& block) override;
    bool writesWide() const override;
    bool writeWide(const WideBlock& block) override;
    bool close() override;
    QString error() const override { return m_error; }

private:
    Writer& m_writer;
    QString m_path;
    QString m_error;
    int m_sourceBits = 16;
    std::int64_t m_sourceFrames = 0;
    // The file created, told apart from one that later takes its name.
    std::uint64_t m_device = 0;
    std::uint64_t m_inode = 0;
};

using AudioFileSource = FileSource<AudioFile>;
using WmaFileSource = FileSource<WMAFile>;
using AudioFileSink = FileSink<AudioFile>;
using WmaFileSink = FileSink<WMAFile>;

extern template class FileSource<AudioFile>;
extern template class FileSource<WMAFile>;
extern template class FileSink<AudioFile>;
extern template class FileSink<WMAFile>;

}  // namespace audio
