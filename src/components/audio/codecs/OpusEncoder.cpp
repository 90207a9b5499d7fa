// Ogg Opus writer on libopus and libogg. Input at another rate than Opus' 48 kHz goes through
// the Resampler (swresample) first; the identification header records the input's rate as the
// original rate. The pre-skip (the encoder's lookahead) and the final granule position make the
// decoded file start and end where its input does. Mono and stereo use the single-stream
// encoder, more than two channels the surround encoder with channel mapping family 1, in Vorbis
// channel order. libopus is called directly rather than through libopusenc: libopusenc's
// multistream calls around every 20 ms frame each query the processor's features again (CPUID,
// which is slow in a virtual machine), and its own resampler costs more than swresample. Write
// errors fail the write that hit them.
//
// NOTE ON THREADS
// The writer has no thread of its own: libopus encodes and the Resampler converts inside
// write() and finish(), and the pages are written to the file on the same thread. Calls come
// from one thread at a time (Encoder.h); the writer owns the encoders, the Ogg stream state,
// the Resampler and the file.
#include "components/audio/codecs/Encoder.h"

#include "components/audio/codecs/ChannelLayout.h"
#include "components/audio/codecs/Resampler.h"

#include <ogg/ogg.h>
#include <opus/opus.h>
#include <opus/opus_multistream.h>

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <span>
#include <vector>

namespace {

//: Opus bitrate modes
const char* const kModeNames[] = {QT_TRANSLATE_NOOP("Encoder", "VBR"), QT_TRANSLATE_NOOP("Encoder", "constrained VBR"),
                                  QT_TRANSLATE_NOOP("Encoder", "CBR")};

constexpr int kOpusRate = 48000;
constexpr std::size_t kFrameSize = 960;           // 20 ms at 48 kHz
constexpr std::size_t kMaxPacketPerStream = 1277;  // the largest 20 ms packet of one stream, with its ToC

void appendLe(std::vector<unsigned char>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

void appendText(std::vector<unsigned char>& out, const char* text) { out.insert(out.end(), text, text + std::strlen(text)); }

class OpusWriter final : public Encoder {
public:
    explicit OpusWriter(const OpusFormat& format) : m_format(format) {
        if (const QString refusal = opusRefusal(format); !refusal.isEmpty()) throw ComponentError(refusal);
        const std::span<const int> order = channel_layout::vorbisOrder(format.channels);
        m_order.assign(order.begin(), order.end());
        for (int c = static_cast<int>(m_order.size()); c < format.channels; ++c) m_order.push_back(c);
        m_frame.resize(kFrameSize * static_cast<std::size_t>(format.channels));
    }

    ~OpusWriter() override {
        // Destroying a writer that was not finished writes nothing more.
        closeFile();
        if (m_single) opus_encoder_destroy(m_single);
        if (m_multi) opus_multistream_encoder_destroy(m_multi);
        if (m_streamStarted) ogg_stream_clear(&m_stream);
    }
    OpusWriter(const OpusWriter&) = delete;
    OpusWriter& operator=(const OpusWriter&) = delete;

    void open(const QString& path) override {
        if (m_single || m_multi || m_file)
            throw ComponentError(QCoreApplication::translate("Encoder", "the Opus writer was already used for a file"));
        m_path = path;
        m_file = std::fopen(QFile::encodeName(path).constData(), "wb");
        if (!m_file)
            throw ComponentError(
                QCoreApplication::translate("Encoder", "cannot create the Opus file %1: %2")
                    .arg(path, QString::fromLocal8Bit(std::strerror(errno))));
        createEncoder();
        check(ctl(OPUS_SET_BITRATE(m_format.bitrateKbps * 1000)));
        check(ctl(OPUS_SET_VBR(m_format.mode == 2 ? 0 : 1)));
        check(ctl(OPUS_SET_VBR_CONSTRAINT(m_format.mode == 1 ? 1 : 0)));
        check(ctl(OPUS_SET_COMPLEXITY(m_format.complexity)));
        opus_int32 lookahead = 0;
        check(ctl(OPUS_GET_LOOKAHEAD(&lookahead)));
        m_preSkip = lookahead;
        if (m_format.sampleRate != kOpusRate)
            m_resampler = std::make_unique<Resampler>(PcmFormat{m_format.sampleRate, m_format.channels},
                                                      PcmFormat{kOpusRate, m_format.channels});
        ogg_stream_init(&m_stream, static_cast<int>(QRandomGenerator::global()->generate() & 0x7FFFFFFF));
        m_streamStarted = true;
        writeHeaders();
    }

    PcmFormat format() const override { return {m_format.sampleRate, m_format.channels}; }

    void write(const std::int16_t* samples, std::size_t frames) override {
        requireOpen();
        if (frames == 0) return;
        m_framesWritten += frames;
        if (!m_resampler) return push(samples, frames);
        const std::vector<std::int16_t>& out = m_resampler->convert(samples, frames);
        push(out.data(), out.size() / channels());
    }

    void finish() override {
        requireOpen();
        // A stream without a sample has nothing to end with: such a file, left by a job
        // cancelled before its first block, is not finished.
        if (m_framesWritten == 0) {
            closeFile();
            throw ComponentError(
                QCoreApplication::translate("Encoder", "cannot write the Opus file %1: it holds no audio")
                    .arg(m_path));
        }
        if (m_resampler) {
            const std::vector<std::int16_t>& rest = m_resampler->flush();
            push(rest.data(), rest.size() / channels());
        }
        // Silence after the end until the encoder has put out the lookahead's worth of it too.
        const std::int64_t end = m_preSkip + m_samples;
        while (m_granule < end) {
            std::fill(m_frame.begin() + static_cast<std::ptrdiff_t>(m_filled * channels()), m_frame.end(), 0.0f);
            m_filled = kFrameSize;
            encodeFrame();
        }
        submit(m_pending.data(), m_pendingBytes, end, true);
        ogg_page page;
        while (ogg_stream_flush(&m_stream, &page) != 0) writePage(page);
        if (const int error = closeWrittenFile(m_file); error != 0) fail(error);
    }

    QString description() const override { return describeOpus(m_format); }

private:
    std::size_t channels() const { return static_cast<std::size_t>(m_format.channels); }

    void createEncoder() {
        int error = OPUS_OK;
        if (m_format.channels <= 2) {
            m_single = opus_encoder_create(kOpusRate, m_format.channels, OPUS_APPLICATION_AUDIO, &error);
            m_streams = 1;
            m_coupled = m_format.channels - 1;
        } else {
            m_multi = opus_multistream_surround_encoder_create(kOpusRate, m_format.channels, 1, &m_streams, &m_coupled,
                                                               m_mapping.data(), OPUS_APPLICATION_AUDIO, &error);
        }
        if ((!m_single && !m_multi) || error != OPUS_OK) failWith(error != OPUS_OK ? error : OPUS_ALLOC_FAIL);
        m_packet.resize(kMaxPacketPerStream * static_cast<std::size_t>(m_streams));
        m_pending.resize(m_packet.size());
    }

    template <typename... Args>
    int ctl(int request, Args... args) {
        return m_single ? opus_encoder_ctl(m_single, request, args...) : opus_multistream_encoder_ctl(m_multi, request, args...);
    }

    // The identification and comment headers, each on a page of its own.
    void writeHeaders() {
        std::vector<unsigned char> head;
        appendText(head, "OpusHead");
        head.push_back(1);  // version
        head.push_back(static_cast<unsigned char>(m_format.channels));
        appendLe(head, static_cast<std::uint32_t>(m_preSkip), 2);
        appendLe(head, static_cast<std::uint32_t>(m_format.sampleRate), 4);
        appendLe(head, 0, 2);  // output gain
        head.push_back(m_multi ? 1 : 0);
        if (m_multi) {
            head.push_back(static_cast<unsigned char>(m_streams));
            head.push_back(static_cast<unsigned char>(m_coupled));
            head.insert(head.end(), m_mapping.begin(), m_mapping.begin() + m_format.channels);
        }
        std::vector<unsigned char> tags;
        appendText(tags, "OpusTags");
        const char* vendor = opus_get_version_string();
        appendLe(tags, static_cast<std::uint32_t>(std::strlen(vendor)), 4);
        appendText(tags, vendor);
        appendLe(tags, 0, 4);  // no comments
        for (std::vector<unsigned char>* header : {&head, &tags}) {
            ogg_packet packet{};
            packet.packet = header->data();
            packet.bytes = static_cast<long>(header->size());
            packet.b_o_s = header == &head ? 1 : 0;
            packet.packetno = m_packetNo++;
            ogg_stream_packetin(&m_stream, &packet);
            ogg_page page;
            while (ogg_stream_flush(&m_stream, &page) != 0) writePage(page);
        }
    }

    // 48 kHz frames into the frame buffer, in the stream's channel order, encoding each full frame.
    void push(const std::int16_t* samples, std::size_t frames) {
        const std::size_t count = channels();
        m_samples += static_cast<std::int64_t>(frames);
        while (frames > 0) {
            const std::size_t n = std::min(frames, kFrameSize - m_filled);
            float* to = m_frame.data() + m_filled * count;
            for (std::size_t i = 0; i < n; ++i)
                for (std::size_t c = 0; c < count; ++c)
                    to[i * count + c] = static_cast<float>(samples[i * count + static_cast<std::size_t>(m_order[c])]) / 32768.0f;
            m_filled += n;
            samples += n * count;
            frames -= n;
            if (m_filled == kFrameSize) encodeFrame();
        }
    }

    // Encodes the full frame buffer. Each packet waits for the next one, so that the last can be
    // marked as the end of the stream with the final granule position.
    void encodeFrame() {
        const auto room = static_cast<opus_int32>(m_packet.size());
        constexpr int frame = static_cast<int>(kFrameSize);
        const int bytes = m_single ? opus_encode_float(m_single, m_frame.data(), frame, m_packet.data(), room)
                                   : opus_multistream_encode_float(m_multi, m_frame.data(), frame, m_packet.data(), room);
        if (bytes < 0) failWith(bytes);
        m_filled = 0;
        if (m_pendingBytes > 0) submit(m_pending.data(), m_pendingBytes, m_granule, false);
        m_granule += static_cast<std::int64_t>(kFrameSize);
        std::swap(m_packet, m_pending);
        m_pendingBytes = bytes;
    }

    void submit(unsigned char* bytes, int size, std::int64_t granule, bool last) {
        ogg_packet packet{};
        packet.packet = bytes;
        packet.bytes = size;
        packet.e_o_s = last ? 1 : 0;
        packet.granulepos = granule;
        packet.packetno = m_packetNo++;
        ogg_stream_packetin(&m_stream, &packet);
        ogg_page page;
        while (ogg_stream_pageout(&m_stream, &page) != 0) writePage(page);
    }

    void writePage(const ogg_page& page) {
        const auto headerBytes = static_cast<std::size_t>(page.header_len);
        const auto bodyBytes = static_cast<std::size_t>(page.body_len);
        if (!m_file) fail(EBADF);
        if (std::fwrite(page.header, 1, headerBytes, m_file) != headerBytes ||
            std::fwrite(page.body, 1, bodyBytes, m_file) != bodyBytes)
            fail(errno);
    }

    void requireOpen() const {
        if (!m_file || (!m_single && !m_multi))
            throw ComponentError(QCoreApplication::translate("Encoder", "no Opus file is open for writing"));
    }

    void check(int rc) {
        if (rc != OPUS_OK) failWith(rc);
    }

    [[noreturn]] void failWith(int rc) {
        closeFile();
        throw ComponentError(
            QCoreApplication::translate("Encoder", "cannot write the Opus file %1: %2")
                .arg(m_path, QString::fromUtf8(opus_strerror(rc))));
    }

    [[noreturn]] void fail(int error) {
        closeFile();
        throw ComponentError(QCoreApplication::translate("Encoder", "cannot write the Opus file %1: %2")
                                 .arg(m_path, QString::fromLocal8Bit(std::strerror(error))));
    }

    void closeFile() {
        if (m_file) {
            std::fclose(m_file);
            m_file = nullptr;
        }
    }

    OpusFormat m_format;
    QString m_path;
    std::FILE* m_file = nullptr;
    std::vector<int> m_order;  // stream channel c carries WAVE-order channel m_order[c]
    std::unique_ptr<Resampler> m_resampler;  // to 48 kHz; none for 48 kHz input
    OpusEncoder* m_single = nullptr;         // mono and stereo
    OpusMSEncoder* m_multi = nullptr;        // surround
    int m_streams = 1;
    int m_coupled = 0;
    std::array<unsigned char, channel_layout::kMaxChannels> m_mapping{};
    ogg_stream_state m_stream{};
    bool m_streamStarted = false;
    ogg_int64_t m_packetNo = 0;
    std::vector<float> m_frame;  // one 20 ms frame being filled
    std::size_t m_filled = 0;    // frames of it filled
    std::vector<unsigned char> m_packet;
    std::vector<unsigned char> m_pending;  // the last packet encoded, not yet in the stream
    int m_pendingBytes = 0;
    std::int64_t m_preSkip = 0;
    std::int64_t m_samples = 0;  // 48 kHz frames of input given to the encoder
    std::int64_t m_granule = 0;  // 48 kHz frames encoded into packets in the stream
    std::size_t m_framesWritten = 0;
};

}  // namespace

QString opusRefusal(const OpusFormat& f) {
    if (f.sampleRate < 1000 || f.sampleRate > 768000 || f.channels < 1 || f.channels > channel_layout::kMaxChannels)
        return QCoreApplication::translate("Encoder", "Opus cannot encode %1 Hz with %2 channels.")
                   .arg(f.sampleRate).arg(f.channels);
    // libopus takes up to 256 kbit/s a channel.
    const int most = std::max(512, 256 * f.channels);
    if (f.bitrateKbps < 6 || f.bitrateKbps > most)
        return QCoreApplication::translate("Encoder", "The Opus bitrate is 6 to %2 kbit/s, not %1.")
                   .arg(f.bitrateKbps).arg(most);
    if (f.mode < 0 || f.mode > 2) return QCoreApplication::translate("Encoder", "The Opus bitrate mode %1 is not known.")
                                             .arg(f.mode);
    if (f.complexity < 0 || f.complexity > 10)
        return QCoreApplication::translate("Encoder", "The Opus complexity is 0 to 10, not %1.").arg(f.complexity);
    return {};
}

QString describeOpus(const OpusFormat& f) {
    const int mode = f.mode >= 0 && f.mode <= 2 ? f.mode : 0;
    return QCoreApplication::translate("Encoder", "%1 kbit/s %2, %3, complexity %4")
        .arg(f.bitrateKbps)
        .arg(QCoreApplication::translate("Encoder", kModeNames[mode]))
        .arg(channelsName(f.channels))
        .arg(f.complexity);
}

std::unique_ptr<Encoder> makeOpusEncoder(const OpusFormat& format) { return std::make_unique<OpusWriter>(format); }
