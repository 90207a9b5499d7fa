// Ogg Opus writer on libopusenc. libopusenc takes the input at its own rate (resampling to
// Opus' 48 kHz inside and recording the input rate as the original rate), and writes the
// pre-skip and the final granule position, so the decoded file starts and ends where its input
// does. Pages go through callbacks of our own so that a full disk fails the write that hit it.
// More than two channels are written with channel mapping family 1, in Vorbis channel order.
//
// NOTE ON THREADS
// The writer has no thread of its own: libopusenc encodes and resamples inside write() and
// finish(), and its page callbacks write to the file on the same thread. Calls come from one
// thread at a time (Encoder.h); the writer owns the libopusenc encoder and the file.
#include "components/audio/codecs/Encoder.h"

#include "components/audio/codecs/ChannelLayout.h"

#include <opus/opusenc.h>

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <span>
#include <vector>

namespace {

const char* const kModeNames[] = {"VBR", "constrained VBR", "CBR"};

class OpusWriter final : public Encoder {
public:
    explicit OpusWriter(const OpusFormat& format) : m_format(format) {
        if (const QString refusal = opusRefusal(format); !refusal.isEmpty()) throw ComponentError(refusal);
    }

    ~OpusWriter() override {
        // Destroying an encoder that was not drained writes nothing more: the file is closed
        // first and the write callback refuses.
        closeFile();
        if (m_encoder) ope_encoder_destroy(m_encoder);
        if (m_comments) ope_comments_destroy(m_comments);
    }
    OpusWriter(const OpusWriter&) = delete;
    OpusWriter& operator=(const OpusWriter&) = delete;

    void open(const QString& path) override {
        if (m_encoder || m_file) throw ComponentError(QStringLiteral("the Opus writer was already used for a file"));
        m_path = path;
        m_file = std::fopen(QFile::encodeName(path).constData(), "wb");
        if (!m_file)
            throw ComponentError(
                QStringLiteral("cannot create the Opus file %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno))));
        m_comments = ope_comments_create();
        const OpusEncCallbacks callbacks{&OpusWriter::writeCallback, &OpusWriter::closeCallback};
        int error = OPE_OK;
        // Mapping family 0 holds mono and stereo; family 1 the surround layouts, in Vorbis order.
        const int family = m_format.channels > 2 ? 1 : 0;
        m_encoder = ope_encoder_create_callbacks(&callbacks, this, m_comments, m_format.sampleRate, m_format.channels,
                                                 family, &error);
        if (!m_encoder || error != OPE_OK) failWith(error);
        check(ope_encoder_ctl(m_encoder, OPUS_SET_BITRATE(m_format.bitrateKbps * 1000)));
        check(ope_encoder_ctl(m_encoder, OPUS_SET_VBR(m_format.mode == 2 ? 0 : 1)));
        check(ope_encoder_ctl(m_encoder, OPUS_SET_VBR_CONSTRAINT(m_format.mode == 1 ? 1 : 0)));
        check(ope_encoder_ctl(m_encoder, OPUS_SET_COMPLEXITY(m_format.complexity)));
    }

    PcmFormat format() const override { return {m_format.sampleRate, m_format.channels}; }

    void write(const std::int16_t* samples, std::size_t frames) override {
        requireOpen();
        constexpr std::size_t chunk = 1 << 16;
        while (frames > 0) {
            const std::size_t n = std::min(frames, chunk);
            check(ope_encoder_write(m_encoder, inStreamOrder(samples, n), static_cast<int>(n)));
            m_framesWritten += n;
            samples += n * static_cast<std::size_t>(m_format.channels);
            frames -= n;
        }
    }

    void finish() override {
        requireOpen();
        // libopusenc cannot end a stream that holds no sample (it aborts the program): such a
        // file, left by a job cancelled before its first block, is not finished.
        if (m_framesWritten == 0) {
            closeFile();
            throw ComponentError(QStringLiteral("cannot write the Opus file %1: it holds no audio").arg(m_path));
        }
        check(ope_encoder_drain(m_encoder));
        if (const int error = closeWrittenFile(m_file); error != 0) fail(error);
    }

    QString description() const override { return describeOpus(m_format); }

private:
    void requireOpen() const {
        if (!m_file || !m_encoder) throw ComponentError(QStringLiteral("no Opus file is open for writing"));
    }

    // `frames` frames in the stream's channel order: Vorbis order for surround (mapping family 1).
    const std::int16_t* inStreamOrder(const std::int16_t* samples, std::size_t frames) {
        if (m_format.channels <= 2) return samples;
        const std::span<const int> order = channel_layout::vorbisOrder(m_format.channels);
        const std::size_t channels = order.size();
        m_reordered.resize(frames * channels);
        for (std::size_t i = 0; i < frames; ++i)
            for (std::size_t c = 0; c < channels; ++c)
                m_reordered[i * channels + c] = samples[i * channels + static_cast<std::size_t>(order[c])];
        return m_reordered.data();
    }

    void check(int rc) {
        if (m_writeError != 0) fail(m_writeError);
        if (rc != OPE_OK) failWith(rc);
    }

    [[noreturn]] void failWith(int rc) {
        if (m_writeError != 0) fail(m_writeError);
        closeFile();
        throw ComponentError(
            QStringLiteral("cannot write the Opus file %1: %2").arg(m_path, QString::fromUtf8(ope_strerror(rc))));
    }

    [[noreturn]] void fail(int error) {
        closeFile();
        throw ComponentError(QStringLiteral("cannot write the Opus file %1: %2")
                                 .arg(m_path, QString::fromLocal8Bit(std::strerror(error))));
    }

    void closeFile() {
        if (m_file) {
            std::fclose(m_file);
            m_file = nullptr;
        }
    }

    static int writeCallback(void* data, const unsigned char* bytes, opus_int32 length) {
        auto* self = static_cast<OpusWriter*>(data);
        const auto size = static_cast<std::size_t>(length);
        if (!self->m_file || std::fwrite(bytes, 1, size, self->m_file) != size) {
            if (self->m_writeError == 0) self->m_writeError = self->m_file ? errno : EBADF;
            return 1;
        }
        return 0;
    }
    // The file is closed by finish() (or the destructor), where its errors are seen.
    static int closeCallback(void*) { return 0; }

    OpusFormat m_format;
    QString m_path;
    std::FILE* m_file = nullptr;
    std::size_t m_framesWritten = 0;
    OggOpusComments* m_comments = nullptr;
    OggOpusEnc* m_encoder = nullptr;
    std::vector<std::int16_t> m_reordered;  // a surround block in Vorbis order
    int m_writeError = 0;
};

}  // namespace

QString opusRefusal(const OpusFormat& f) {
    if (f.sampleRate < 1000 || f.sampleRate > 768000 || f.channels < 1 || f.channels > channel_layout::kMaxChannels)
        return QStringLiteral("Opus cannot encode %1 Hz with %2 channels.").arg(f.sampleRate).arg(f.channels);
    // libopus takes up to 256 kbit/s a channel.
    const int most = std::max(512, 256 * f.channels);
    if (f.bitrateKbps < 6 || f.bitrateKbps > most)
        return QStringLiteral("The Opus bitrate is 6 to %2 kbit/s, not %1.").arg(f.bitrateKbps).arg(most);
    if (f.mode < 0 || f.mode > 2) return QStringLiteral("The Opus bitrate mode %1 is not known.").arg(f.mode);
    if (f.complexity < 0 || f.complexity > 10)
        return QStringLiteral("The Opus complexity is 0 to 10, not %1.").arg(f.complexity);
    return {};
}

QString describeOpus(const OpusFormat& f) {
    const int mode = f.mode >= 0 && f.mode <= 2 ? f.mode : 0;
    return QStringLiteral("%1 kbit/s %2, %3, complexity %4")
        .arg(f.bitrateKbps)
        .arg(QLatin1String(kModeNames[mode]))
        .arg(channelsName(f.channels))
        .arg(f.complexity);
}

std::unique_ptr<Encoder> makeOpusEncoder(const OpusFormat& format) { return std::make_unique<OpusWriter>(format); }
