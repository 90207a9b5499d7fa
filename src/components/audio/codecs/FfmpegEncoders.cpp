// PCM WAV and WMA (wmav2 in ASF) writers built on libavformat/libavcodec.
#include "components/audio/codecs/Encoder.h"

#include "components/audio/codecs/ChannelLayout.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/dict.h>
#include <libavutil/error.h>
#include <libavutil/frame.h>
#include <libavutil/mathematics.h>
}

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <vector>

namespace {

QString avError(int code) {
    std::array<char, AV_ERROR_MAX_STRING_SIZE> text{};
    av_strerror(code, text.data(), text.size());
    return QString::fromLocal8Bit(text.data());
}

// An output file of one audio stream: the container, its stream and the file behind it.
// Every write is checked against the I/O context's sticky error, so a write that the
// operating system refused (full disk, file size limit) is never taken for success.
class Output {
public:
    Output(const char* muxer, const QString& path, const QString& what) : m_path(path), m_what(what) {
        const QByteArray file = QFile::encodeName(path);
        int rc = avformat_alloc_output_context2(&m_ctx, nullptr, muxer, file.constData());
        if (rc < 0 || !m_ctx)
            //: %1 a format's name (WAV, WMA), %2 a file's path, %3 FFmpeg's reason
            fail(QCoreApplication::translate("Encoder", "cannot prepare the %1 file %2: %3")
                     .arg(what, path, avError(rc)));
        m_stream = avformat_new_stream(m_ctx, nullptr);
        if (!m_stream)
            fail(QCoreApplication::translate("Encoder", "cannot prepare the %1 file %2: out of memory").arg(what, path));
    }
    ~Output() { release(); }
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    AVFormatContext* context() const { return m_ctx; }
    AVStream* stream() const { return m_stream; }

    // Creates the file and writes the container's header with the muxer's options.
    void open(AVDictionary** options = nullptr) {
        const QByteArray file = QFile::encodeName(m_path);
        int rc = avio_open(&m_ctx->pb, file.constData(), AVIO_FLAG_WRITE);
        if (rc < 0)
            fail(QCoreApplication::translate("Encoder", "cannot create the %1 file %2: %3")
                     .arg(m_what, m_path, avError(rc)));
        rc = avformat_write_header(m_ctx, options);
        check(rc, QT_TRANSLATE_NOOP("Encoder", "cannot write the header of the %1 file %2: %3"));
    }

    void writePacket(AVPacket* packet) {
        packet->stream_index = m_stream->index;
        check(av_interleaved_write_frame(m_ctx, packet), QT_TRANSLATE_NOOP("Encoder", "cannot write to the %1 file %2: %3"));
    }

    // Writes the trailer (completing the header's sizes), flushes and closes the file.
    void finish() {
        check(av_write_trailer(m_ctx), QT_TRANSLATE_NOOP("Encoder", "cannot complete the %1 file %2: %3"));
        avio_flush(m_ctx->pb);
        check(0, QT_TRANSLATE_NOOP("Encoder", "cannot complete the %1 file %2: %3"));
        const int rc = avio_closep(&m_ctx->pb);
        check(rc, QT_TRANSLATE_NOOP("Encoder", "cannot close the %1 file %2: %3"));
    }

    // Throws `failure` (what, path, FFmpeg's reason) when the last operation or any earlier
    // write failed.
    void check(int rc, const char* failure) {
        if (rc >= 0 && m_ctx && m_ctx->pb && m_ctx->pb->error < 0)
            rc = m_ctx->pb->error;
        if (rc < 0)
            throw ComponentError(QCoreApplication::translate("Encoder", failure).arg(m_what, m_path, avError(rc)));
    }

private:
    [[noreturn]] void fail(const QString& message) {
        release();
        throw ComponentError(message);
    }
    void release() {
        if (!m_ctx)
            return;
        if (m_ctx->pb)
            avio_closep(&m_ctx->pb);
        avformat_free_context(m_ctx);
        m_ctx = nullptr;
        m_stream = nullptr;
    }

    QString m_path;
    QString m_what;
    AVFormatContext* m_ctx = nullptr;
    AVStream* m_stream = nullptr;
};

struct PacketDeleter {
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct FrameDeleter {
    void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct CodecDeleter {
    void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
using PacketPtr = std::unique_ptr<AVPacket, PacketDeleter>;
using FramePtr = std::unique_ptr<AVFrame, FrameDeleter>;
using CodecPtr = std::unique_ptr<AVCodecContext, CodecDeleter>;

// ---------------------------------------------------------------------------------------------
// PCM WAV

AVCodecID pcmCodec(int bits) {
    switch (bits) {
    case 8: return AV_CODEC_ID_PCM_U8;
    case 16: return AV_CODEC_ID_PCM_S16LE;
    case 24: return AV_CODEC_ID_PCM_S24LE;
    case 32: return AV_CODEC_ID_PCM_S32LE;
    default: return AV_CODEC_ID_NONE;
    }
}

class WavEncoder final : public Encoder {
public:
    explicit WavEncoder(const WavFormat& format) : m_format(format) {
        if (!wavFormatSupported(format))
            throw ComponentError(QCoreApplication::translate("Encoder", "WAV files cannot be written as %1")
                                     .arg(describeWav(format)));
    }

    void open(const QString& path) override {
        if (m_out)
            throw ComponentError(QCoreApplication::translate("Encoder", "the WAV writer already has a file open"));
        auto out = std::make_unique<Output>("wav", path, QStringLiteral("WAV"));
        // No software tag: a plain header that tools assuming the classic layout also read.
        out->context()->flags |= AVFMT_FLAG_BITEXACT;
        AVCodecParameters* par = out->stream()->codecpar;
        par->codec_type = AVMEDIA_TYPE_AUDIO;
        par->codec_id = pcmCodec(m_format.bits);
        par->sample_rate = m_format.sampleRate;
        // More than two channels get FFmpeg's WAVEFORMATEXTENSIBLE header with this mask.
        av_channel_layout_from_mask(&par->ch_layout, channel_layout::standardMask(m_format.channels));
        par->bits_per_coded_sample = m_format.bits;
        par->block_align = bytesPerFrame();
        par->bit_rate = std::int64_t{m_format.sampleRate} * bytesPerFrame() * 8;
        out->stream()->time_base = AVRational{1, m_format.sampleRate};
        out->open();
        m_packet.reset(av_packet_alloc());
        if (!m_packet)
            throw ComponentError(QCoreApplication::translate("Encoder", "cannot write the WAV file %1: out of memory")
                                     .arg(path));
        m_out = std::move(out);
        m_frames = 0;
        m_dataBytes = 0;
    }

    PcmFormat format() const override { return {m_format.sampleRate, m_format.channels}; }

    void write(const std::int16_t* samples, std::size_t frames) override {
        if (!m_out)
            throw ComponentError(QCoreApplication::translate("Encoder", "no WAV file is open for writing"));
        if (frames == 0)
            return;
        const std::size_t bytes = frames * static_cast<std::size_t>(bytesPerFrame());
        // The RIFF sizes are 32-bit: past 4 GB the header would describe a shorter file.
        if (m_dataBytes + bytes > std::numeric_limits<std::uint32_t>::max() - 64U)
            throw ComponentError(QCoreApplication::translate("Encoder", "a WAV file cannot hold more than 4 GB of audio"));
        m_buffer.resize(bytes);
        convert(samples, frames * static_cast<std::size_t>(m_format.channels), m_buffer.data());

        AVPacket* pkt = m_packet.get();
        av_packet_unref(pkt);
        pkt->data = m_buffer.data();
        pkt->size = static_cast<int>(bytes);
        pkt->pts = av_rescale_q(m_frames, AVRational{1, m_format.sampleRate}, m_out->stream()->time_base);
        pkt->dts = pkt->pts;
        pkt->duration = av_rescale_q(static_cast<std::int64_t>(frames), AVRational{1, m_format.sampleRate},
                                     m_out->stream()->time_base);
        m_out->writePacket(pkt);
        m_frames += static_cast<std::int64_t>(frames);
        m_dataBytes += bytes;
    }

    void finish() override {
        if (!m_out)
            throw ComponentError(QCoreApplication::translate("Encoder", "no WAV file is open for writing"));
        auto out = std::move(m_out);  // closed whatever happens
        out->finish();
    }

    QString description() const override { return describeWav(m_format); }

private:
    int bytesPerFrame() const { return m_format.bits / 8 * m_format.channels; }

    // 16-bit input to the file's width: 8-bit WAV is unsigned; wider samples are the 16-bit
    // value shifted up, so 16 bits read back from them are exactly what was written.
    void convert(const std::int16_t* in, std::size_t count, std::uint8_t* out) const {
        switch (m_format.bits) {
        case 8:
            for (std::size_t i = 0; i < count; ++i)
                out[i] = static_cast<std::uint8_t>((in[i] >> 8) + 128);
            break;
        case 16:
            for (std::size_t i = 0; i < count; ++i) {
                const auto v = static_cast<std::uint16_t>(in[i]);
                out[2 * i] = static_cast<std::uint8_t>(v & 0xFF);
                out[2 * i + 1] = static_cast<std::uint8_t>(v >> 8);
            }
            break;
        case 24:
            for (std::size_t i = 0; i < count; ++i) {
                const auto v = static_cast<std::uint16_t>(in[i]);
                out[3 * i] = 0;
                out[3 * i + 1] = static_cast<std::uint8_t>(v & 0xFF);
                out[3 * i + 2] = static_cast<std::uint8_t>(v >> 8);
            }
            break;
        default:  // 32
            for (std::size_t i = 0; i < count; ++i) {
                const auto v = static_cast<std::uint16_t>(in[i]);
                out[4 * i] = 0;
                out[4 * i + 1] = 0;
                out[4 * i + 2] = static_cast<std::uint8_t>(v & 0xFF);
                out[4 * i + 3] = static_cast<std::uint8_t>(v >> 8);
            }
            break;
        }
    }

    WavFormat m_format;
    std::unique_ptr<Output> m_out;
    PacketPtr m_packet;
    std::vector<std::uint8_t> m_buffer;
    std::int64_t m_frames = 0;
    std::size_t m_dataBytes = 0;
};

// ---------------------------------------------------------------------------------------------
// WMA (wmav2 in ASF)

class WmaEncoder final : public Encoder {
public:
    explicit WmaEncoder(const WmaProfile& profile) : m_profile(profile) {
        if (!wmaEncoderAvailable())
            throw ComponentError(QCoreApplication::translate("Encoder", "this FFmpeg has no WMA encoder"));
        if (profile.sampleRate <= 0 || profile.sampleRate > 48000 || profile.channels < 1 ||
            profile.channels > 2 || profile.bitrate < 24000)
            throw ComponentError(QCoreApplication::translate("Encoder", "WMA cannot be written as %1")
                                     .arg(describeWma(profile)));
    }

    void open(const QString& path) override {
        if (m_out)
            throw ComponentError(QCoreApplication::translate("Encoder", "the WMA writer already has a file open"));
        auto out = std::make_unique<Output>("asf", path, QStringLiteral("WMA"));
        const AVCodec* codec = avcodec_find_encoder_by_name("wmav2");
        CodecPtr ctx(avcodec_alloc_context3(codec));
        if (!ctx)
            throw ComponentError(QCoreApplication::translate("Encoder", "cannot write the WMA file %1: out of memory")
                                     .arg(path));
        ctx->sample_fmt = AV_SAMPLE_FMT_FLTP;
        ctx->sample_rate = m_profile.sampleRate;
        av_channel_layout_default(&ctx->ch_layout, m_profile.channels);
        ctx->bit_rate = m_profile.bitrate;
        ctx->time_base = AVRational{1, m_profile.sampleRate};
        if (out->context()->oformat->flags & AVFMT_GLOBALHEADER)
            ctx->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        int rc = avcodec_open2(ctx.get(), codec, nullptr);
        if (rc < 0)
            throw ComponentError(QCoreApplication::translate("Encoder", "the WMA encoder refuses %1: %2")
                                     .arg(describeWma(m_profile), avError(rc)));
        rc = avcodec_parameters_from_context(out->stream()->codecpar, ctx.get());
        if (rc < 0)
            throw ComponentError(QCoreApplication::translate("Encoder", "cannot prepare the WMA file %1: %2")
                                     .arg(path, avError(rc)));
        out->stream()->time_base = ctx->time_base;
        // ASF packets are fixed-size and each holds whole wmav2 blocks; with the muxer's
        // default size up to a third of the file can be padding. Size them for four blocks.
        AVDictionary* options = nullptr;
        const int packetSize = std::clamp(4 * (ctx->block_align + 17) + 40, 100, 65536);
        av_dict_set_int(&options, "packet_size", packetSize, 0);
        try {
            out->open(&options);
        } catch (...) {
            av_dict_free(&options);
            throw;
        }
        av_dict_free(&options);

        m_packet.reset(av_packet_alloc());
        if (!m_packet)
            throw ComponentError(QCoreApplication::translate("Encoder", "cannot write the WMA file %1: out of memory")
                                     .arg(path));
        m_frameSize = ctx->frame_size > 0 ? ctx->frame_size : 2048;
        m_pending.assign(static_cast<std::size_t>(m_profile.channels), {});
        for (auto& plane : m_pending)
            plane.reserve(static_cast<std::size_t>(m_frameSize));
        m_codec = std::move(ctx);
        m_out = std::move(out);
        m_pts = 0;
        // What FFmpeg decodes from a wmav2 stream starts one frame into the encoder's input
        // (the first frame only primes the overlap). A frame of silence in front keeps the
        // start of the audio, and puts every sample back at its own position.
        padAndEncode();
    }

    PcmFormat format() const override { return {m_profile.sampleRate, m_profile.channels}; }

    void write(const std::int16_t* samples, std::size_t frames) override {
        if (!m_out)
            throw ComponentError(QCoreApplication::translate("Encoder", "no WMA file is open for writing"));
        const auto channels = static_cast<std::size_t>(m_profile.channels);
        const auto frameSize = static_cast<std::size_t>(m_frameSize);
        std::size_t done = 0;
        while (done < frames) {
            const std::size_t take = std::min(frames - done, frameSize - m_pending[0].size());
            for (std::size_t c = 0; c < channels; ++c) {
                auto& plane = m_pending[c];
                for (std::size_t i = 0; i < take; ++i)
                    plane.push_back(static_cast<float>(samples[(done + i) * channels + c]) / 32768.0f);
            }
            done += take;
            if (m_pending[0].size() == frameSize)
                encodePending();
        }
    }

    void finish() override {
        if (!m_out)
            throw ComponentError(QCoreApplication::translate("Encoder", "no WMA file is open for writing"));
        // The file is closed whatever happens.
        struct Close {
            WmaEncoder* self;
            ~Close() {
                self->m_out.reset();
                self->m_codec.reset();
            }
        } close{this};
        // wmav2 drops a last partial frame: complete it with silence.
        if (!m_pending[0].empty())
            padAndEncode();
        sendFrame(nullptr);
        m_out->finish();
    }

    QString description() const override { return describeWma(m_profile); }

private:
    void padAndEncode() {
        for (auto& plane : m_pending)
            plane.resize(static_cast<std::size_t>(m_frameSize), 0.0f);
        encodePending();
    }

    void encodePending() {
        FramePtr frame(av_frame_alloc());
        if (!frame)
            throw ComponentError(QCoreApplication::translate("Encoder", "cannot write the WMA file: out of memory"));
        frame->nb_samples = m_frameSize;
        frame->format = AV_SAMPLE_FMT_FLTP;
        frame->sample_rate = m_profile.sampleRate;
        int rc = av_channel_layout_copy(&frame->ch_layout, &m_codec->ch_layout);
        if (rc >= 0)
            rc = av_frame_get_buffer(frame.get(), 0);
        if (rc < 0)
            throw ComponentError(QCoreApplication::translate("Encoder", "cannot write the WMA file: %1")
                                     .arg(avError(rc)));
        for (std::size_t c = 0; c < m_pending.size(); ++c) {
            std::memcpy(frame->extended_data[c], m_pending[c].data(), m_pending[c].size() * sizeof(float));
            m_pending[c].clear();
        }
        frame->pts = m_pts;
        m_pts += m_frameSize;
        sendFrame(frame.get());
    }

    // Hands a frame (nullptr: end of stream) to the encoder and writes what comes out.
    void sendFrame(AVFrame* frame) {
        Output* out = m_out.get();
        int rc = avcodec_send_frame(m_codec.get(), frame);
        if (rc < 0)
            throw ComponentError(QCoreApplication::translate("Encoder", "the WMA encoder failed: %1").arg(avError(rc)));
        AVPacket* pkt = m_packet.get();
        while (true) {
            rc = avcodec_receive_packet(m_codec.get(), pkt);
            if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF)
                break;
            if (rc < 0)
                throw ComponentError(QCoreApplication::translate("Encoder", "the WMA encoder failed: %1")
                                         .arg(avError(rc)));
            av_packet_rescale_ts(pkt, m_codec->time_base, out->stream()->time_base);
            out->writePacket(pkt);
        }
    }

    WmaProfile m_profile;
    std::unique_ptr<Output> m_out;
    CodecPtr m_codec;
    PacketPtr m_packet;
    std::vector<std::vector<float>> m_pending;  // one plane per channel, less than a frame
    int m_frameSize = 0;
    std::int64_t m_pts = 0;
};

}  // namespace

// The extractor's frequency list goes down to 6000 Hz; WAV itself takes any rate.
constexpr int kLowestWavRate = 6000;

bool wavFormatSupported(const WavFormat& format) {
    return pcmCodec(format.bits) != AV_CODEC_ID_NONE && format.channels >= 1 &&
           format.channels <= channel_layout::kMaxChannels &&
           format.sampleRate >= kLowestWavRate && format.sampleRate <= 96000;
}

bool wmaEncoderAvailable() { return avcodec_find_encoder_by_name("wmav2") != nullptr; }

std::unique_ptr<Encoder> makeWavEncoder(const WavFormat& format) { return std::make_unique<WavEncoder>(format); }

std::unique_ptr<Encoder> makeWmaEncoder(const WmaProfile& profile) { return std::make_unique<WmaEncoder>(profile); }

QString channelsName(int channels) {
    if (channels == 1) return QCoreApplication::translate("Encoder", "Mono");
    if (channels == 2) return QCoreApplication::translate("Encoder", "Stereo");
    return QCoreApplication::translate("Encoder", "%1 channels").arg(channels);
}

QString describeWav(const WavFormat& format) {
    return QCoreApplication::translate("Encoder", "%1 Hz, %2 bit, %3")
               .arg(format.sampleRate).arg(format.bits).arg(channelsName(format.channels));
}

QString describeWma(const WmaProfile& profile) {
    return QCoreApplication::translate("Encoder", "%1 kbit/s, %2 Hz, %3")
        .arg(profile.bitrate / 1000)
        .arg(profile.sampleRate)
        .arg(channelsName(profile.channels));
}

void Encoder::writeWide(const std::int32_t* samples, std::size_t frames) {
    const std::size_t count = frames * static_cast<std::size_t>(format().channels);
    std::vector<std::int16_t> narrow(count);
    for (std::size_t i = 0; i < count; ++i) narrow[i] = static_cast<std::int16_t>(samples[i] >> 16);
    write(narrow.data(), frames);
}

int closeWrittenFile(std::FILE*& file) {
    std::FILE* closing = std::exchange(file, nullptr);
    const bool flushed = std::fflush(closing) == 0;
    const int flushError = errno;
    const bool closed = std::fclose(closing) == 0;
    if (!flushed) return flushError;
    return closed ? 0 : errno;
}
