#include "components/audio/engine/FileEndpoints.h"

#include "components/audio/codecs/AudioFile.h"
#include "components/audio/codecs/WMAFile.h"

#include <QCoreApplication>
#include <QFile>

#include <sys/stat.h>

#include <type_traits>

namespace audio {
namespace {

void openReader(AudioFile& reader, const QString& path) { reader.OpenRead(path, 0, 1); }
void openReader(WMAFile& reader, const QString& path) { reader.OpenRead(path); }
void createWriter(AudioFile& writer, const QString& path) { writer.Create(path, 0); }
void createWriter(WMAFile& writer, const QString& path) { writer.Create(path); }

// The device and inode of the file at `path`; false when there is none.
bool fileIdentity(const QString& path, std::uint64_t& device, std::uint64_t& inode) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    device = static_cast<std::uint64_t>(st.st_dev);
    inode = static_cast<std::uint64_t>(st.st_ino);
    return true;
}

}  // namespace

template <typename Reader>
bool FileSource<Reader>::open() {
    m_error.clear();
    try {
        openReader(m_reader, m_path);
        if (m_reader.status() >= 0) return true;
        m_error = m_reader.reason();
    } catch (const ComponentError& e) {
        m_error = e.description();
    }
    if (m_error.isEmpty()) m_error = QCoreApplication::translate("AudioJob", "The file could not be opened as audio.");
    return false;
}

template <typename Reader>
int FileSource<Reader>::sampleRate() const { return m_reader.sampleRate(); }
template <typename Reader>
int FileSource<Reader>::channels() const { return m_reader.channels(); }
template <typename Reader>
std::int64_t FileSource<Reader>::statedFrames() const { return m_reader.length(); }

// A damaged source fails its job as soon as the damage is known, so that a shortened or patched
// file is never taken for a whole one (and its source never deleted for it).
template <typename Reader>
bool FileSource<Reader>::tookDamage() {
    if (!m_error.isEmpty() || m_reader.readDamage().isEmpty()) return false;
    m_error = m_reader.readDamage();
    return true;
}

template <typename Reader>
SampleBlock FileSource<Reader>::read(int samples) {
    try {
        SampleBlock block = m_reader.ReadBlock(samples);
        if (block.empty()) m_error = m_reader.readError();
        if (tookDamage()) return {};
        return block;
    } catch (const ComponentError& e) {
        m_error = e.description();
        return {};
    }
}

// Only the audio file object reads deeper than 16 bits (the WMA reader's sources are lossy).
template <typename Reader>
int FileSource<Reader>::bits() const {
    if constexpr (std::is_same_v<Reader, AudioFile>) return m_reader.sourceBits();
    return 16;
}

template <typename Reader>
WideBlock FileSource<Reader>::readWide(int samples) {
    if constexpr (std::is_same_v<Reader, AudioFile>) {
        try {
            WideBlock block = m_reader.ReadWideBlock(samples);
            if (block.empty()) m_error = m_reader.readError();
            if (tookDamage()) return {};
            return block;
        } catch (const ComponentError& e) {
            m_error = e.description();
            return {};
        }
    }
    return AudioSource::readWide(samples);
}

template <typename Reader>
void FileSource<Reader>::close() {
    try {
        m_reader.Close();
    } catch (const ComponentError&) {
        // Closing a reader loses nothing.
    }
}

template <typename Writer>
bool FileSink<Writer>::create(int sampleRate, int channels) {
    m_error.clear();
    try {
        if constexpr (std::is_same_v<Writer, AudioFile>) {
            m_writer.DeclareInputFormat(sampleRate, channels, m_sourceBits);
            m_writer.DeclareInputLength(m_sourceFrames);
        } else {
            m_writer.DeclareInputFormat(sampleRate, channels);
        }
        createWriter(m_writer, m_path);
        if (m_writer.status() >= 0) {
            if (!fileIdentity(m_path, m_device, m_inode)) m_device = m_inode = 0;
            return true;
        }
        m_error = m_writer.reason();
    } catch (const ComponentError& e) {
        m_error = e.description();
    }
    if (m_error.isEmpty()) m_error = QCoreApplication::translate("AudioJob", "The output file could not be created.");
    return false;
}

template <typename Writer>
int FileSink<Writer>::outputChannels() const {
    return m_writer.channels();
}

template <typename Writer>
bool FileSink<Writer>::write(const SampleBlock& block) {
    try {
        m_writer.WriteBlock(block);
        return true;
    } catch (const ComponentError& e) {
        m_error = e.description();
        return false;
    }
}

template <typename Writer>
bool FileSink<Writer>::writesWide() const {
    if constexpr (std::is_same_v<Writer, AudioFile>) return m_writer.writesWide();
    return false;
}

template <typename Writer>
bool FileSink<Writer>::writeWide(const WideBlock& block) {
    if constexpr (std::is_same_v<Writer, AudioFile>) {
        try {
            m_writer.WriteWideBlock(block);
            return true;
        } catch (const ComponentError& e) {
            m_error = e.description();
            return false;
        }
    }
    return AudioSink::writeWide(block);
}

template <typename Writer>
bool FileSink<Writer>::close() {
    try {
        m_writer.Close();
    } catch (const ComponentError& e) {
        if (m_error.isEmpty()) m_error = e.description();
        return false;
    }
    std::uint64_t device = 0, inode = 0;
    if (m_inode != 0 && (!fileIdentity(m_path, device, inode) || device != m_device || inode != m_inode)) {
        if (m_error.isEmpty())
            m_error = QCoreApplication::translate("AudioJob", "The output file \"%1\" is gone: its folder was removed or "
                                                              "renamed while it was written.")
                          .arg(m_path);
        return false;
    }
    return true;
}

template class FileSource<AudioFile>;
template class FileSource<WMAFile>;
template class FileSink<AudioFile>;
template class FileSink<WMAFile>;

}  // namespace audio
