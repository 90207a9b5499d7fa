// FLAC writer on libFLAC's stream encoder. The file is written through callbacks of our own, so
// that a full disk fails the write that hit it and the header's final STREAMINFO (length, MD5)
// is written back at the start when the stream ends.
#include "components/audio/Encoder.h"

#include <FLAC/stream_encoder.h>

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int kMaxLevel = 8;

class FlacWriter final : public Encoder {
public:
    explicit FlacWriter(const FlacFormat& format) : m_format(format) {
        if (const QString refusal = flacRefusal(format); !refusal.isEmpty()) throw ComponentError(refusal);
        m_encoder = FLAC__stream_encoder_new();
        if (!m_encoder) throw ComponentError(QStringLiteral("The FLAC encoder could not be created."));
        FLAC__stream_encoder_set_channels(m_encoder, static_cast<unsigned>(format.channels));
        FLAC__stream_encoder_set_bits_per_sample(m_encoder, static_cast<unsigned>(format.bits));
        FLAC__stream_encoder_set_sample_rate(m_encoder, static_cast<unsigned>(format.sampleRate));
        FLAC__stream_encoder_set_compression_level(m_encoder, static_cast<unsigned>(format.level));
        FLAC__stream_encoder_set_verify(m_encoder, format.verify);
    }

    ~FlacWriter() override {
        // Deleting an encoder that was not finished finishes it, which writes through the
        // callbacks: the file is closed first, so those writes fail and nothing more is written.
        closeFile();
        FLAC__stream_encoder_delete(m_encoder);
    }
    FlacWriter(const FlacWriter&) = delete;
    FlacWriter& operator=(const FlacWriter&) = delete;

    void open(const QString& path) override {
        if (m_opened) throw ComponentError(QStringLiteral("the FLAC writer was already used for a file"));
        m_path = path;
        m_file = std::fopen(QFile::encodeName(path).constData(), "w+b");
        if (!m_file)
            throw ComponentError(
                QStringLiteral("cannot create the FLAC file %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno))));
        m_opened = true;
        const FLAC__StreamEncoderInitStatus status =
            FLAC__stream_encoder_init_stream(m_encoder, &FlacWriter::writeCallback, &FlacWriter::seekCallback,
                                             &FlacWriter::tellCallback, nullptr, this);
        if (status != FLAC__STREAM_ENCODER_INIT_STATUS_OK) {
            closeFile();
            throw ComponentError(QStringLiteral("cannot start the FLAC file %1: %2")
                                     .arg(path, QString::fromLatin1(FLAC__StreamEncoderInitStatusString[status])));
        }
        checkWritten();
    }

    PcmFormat format() const override { return {m_format.sampleRate, m_format.channels}; }
    int bits() const override { return m_format.bits; }

    void write(const std::int16_t* samples, std::size_t frames) override {
        requireOpen();
        const std::size_t count = frames * static_cast<std::size_t>(m_format.channels);
        m_wide.resize(count);
        const int shift = m_format.bits - 16;
        for (std::size_t i = 0; i < count; ++i) m_wide[i] = static_cast<FLAC__int32>(samples[i]) * (1 << shift);
        process(frames);
    }

    void writeWide(const std::int32_t* samples, std::size_t frames) override {
        requireOpen();
        const std::size_t count = frames * static_cast<std::size_t>(m_format.channels);
        m_wide.resize(count);
        const int shift = 32 - m_format.bits;
        for (std::size_t i = 0; i < count; ++i) m_wide[i] = samples[i] >> shift;
        process(frames);
    }

    void finish() override {
        requireOpen();
        const bool finished = FLAC__stream_encoder_finish(m_encoder);
        checkWritten();
        if (!finished) failState();
        std::FILE* file = m_file;
        m_file = nullptr;
        const bool flushed = std::fflush(file) == 0;
        const int flushError = errno;
        const bool closed = std::fclose(file) == 0;
        if (!flushed || !closed) fail(flushed ? errno : flushError);
    }

    QString description() const override { return describeFlac(m_format); }

private:
    void requireOpen() const {
        if (!m_file) throw ComponentError(QStringLiteral("no FLAC file is open for writing"));
    }

    void process(std::size_t frames) {
        const bool ok =
            FLAC__stream_encoder_process_interleaved(m_encoder, m_wide.data(), static_cast<unsigned>(frames));
        checkWritten();
        if (!ok) failState();
    }

    // A write the callbacks could not do fails with the system's reason.
    void checkWritten() {
        if (m_writeError != 0) fail(m_writeError);
    }

    [[noreturn]] void failState() {
        const FLAC__StreamEncoderState state = FLAC__stream_encoder_get_state(m_encoder);
        closeFile();
        throw ComponentError(QStringLiteral("cannot write the FLAC file %1: %2")
                                 .arg(m_path, QString::fromLatin1(FLAC__StreamEncoderStateString[state])));
    }

    [[noreturn]] void fail(int error) {
        closeFile();
        throw ComponentError(QStringLiteral("cannot write the FLAC file %1: %2")
                                 .arg(m_path, QString::fromLocal8Bit(std::strerror(error))));
    }

    void closeFile() {
        if (m_file) {
            std::fclose(m_file);
            m_file = nullptr;
        }
    }

    static FLAC__StreamEncoderWriteStatus writeCallback(const FLAC__StreamEncoder*, const FLAC__byte buffer[],
                                                        size_t bytes, unsigned, unsigned, void* data) {
        auto* self = static_cast<FlacWriter*>(data);
        if (!self->m_file || std::fwrite(buffer, 1, bytes, self->m_file) != bytes) {
            if (self->m_writeError == 0) self->m_writeError = self->m_file ? errno : EBADF;
            return FLAC__STREAM_ENCODER_WRITE_STATUS_FATAL_ERROR;
        }
        return FLAC__STREAM_ENCODER_WRITE_STATUS_OK;
    }

    static FLAC__StreamEncoderSeekStatus seekCallback(const FLAC__StreamEncoder*, FLAC__uint64 offset, void* data) {
        auto* self = static_cast<FlacWriter*>(data);
        if (!self->m_file || fseeko(self->m_file, static_cast<off_t>(offset), SEEK_SET) != 0)
            return FLAC__STREAM_ENCODER_SEEK_STATUS_ERROR;
        return FLAC__STREAM_ENCODER_SEEK_STATUS_OK;
    }

    static FLAC__StreamEncoderTellStatus tellCallback(const FLAC__StreamEncoder*, FLAC__uint64* offset, void* data) {
        auto* self = static_cast<FlacWriter*>(data);
        if (!self->m_file) return FLAC__STREAM_ENCODER_TELL_STATUS_ERROR;
        const off_t at = ftello(self->m_file);
        if (at < 0) return FLAC__STREAM_ENCODER_TELL_STATUS_ERROR;
        *offset = static_cast<FLAC__uint64>(at);
        return FLAC__STREAM_ENCODER_TELL_STATUS_OK;
    }

    FlacFormat m_format;
    FLAC__StreamEncoder* m_encoder = nullptr;
    QString m_path;
    std::FILE* m_file = nullptr;
    bool m_opened = false;
    int m_writeError = 0;
    std::vector<FLAC__int32> m_wide;
};

}  // namespace

QString flacRefusal(const FlacFormat& f) {
    if (f.sampleRate < 1 || f.sampleRate > 655350 || f.channels < 1 || f.channels > 8)
        return QStringLiteral("FLAC cannot encode %1 Hz with %2 channels.").arg(f.sampleRate).arg(f.channels);
    if (f.bits != 16 && f.bits != 24)
        return QStringLiteral("FLAC is written with 16 or 24 bits per sample, not %1.").arg(f.bits);
    if (f.level < 0 || f.level > kMaxLevel)
        return QStringLiteral("The FLAC compression level is 0 to 8, not %1.").arg(f.level);
    return {};
}

QString describeFlac(const FlacFormat& f) {
    return QStringLiteral("%1 Hz, %2 bit, %3, level %4")
        .arg(f.sampleRate)
        .arg(f.bits)
        .arg(channelsName(f.channels))
        .arg(f.level);
}

std::unique_ptr<Encoder> makeFlacEncoder(const FlacFormat& format) { return std::make_unique<FlacWriter>(format); }
