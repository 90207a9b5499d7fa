// Ogg Vorbis writer on libvorbisenc and libogg. More than two channels are written in Vorbis
// channel order, reordered from WAVE order.
#include "components/audio/codecs/Encoder.h"

#include "components/audio/codecs/ChannelLayout.h"

#include <vorbis/vorbisenc.h>

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <span>
#include <vector>

namespace {

// libvorbisenc takes bit/s with -1 for "not set"; we get kbit/s with 0 for "not set".
long vorbisBitrate(int kbps) { return kbps > 0 ? static_cast<long>(kbps) * 1000 : -1; }

// Values libvorbisenc would only overflow or misread.
bool plausible(int sampleRate, int channels, int nominal, int minimum, int maximum) {
    constexpr int maxKbps = 100000;
    return sampleRate > 0 && sampleRate <= 1000000 && channels >= 1 && channels <= 255 && nominal >= 0 &&
           minimum >= 0 && maximum >= 0 && nominal <= maxKbps && minimum <= maxKbps && maximum <= maxKbps;
}

// Nominal bitrates tried when working out which ones a rate and channel count take.
constexpr int kProbedKbps[] = {16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 400, 500};

// The nominal bitrates of Vorbis' quality levels 0..10 at 44 100 Hz stereo, in kbit/s.
constexpr int kQualityKbps[] = {64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 500};

QString describeOgg(const OggFormat& f) {
    //: The start of an Ogg Vorbis format's description; a quality or bitrate follows
    QString text = QCoreApplication::translate("Encoder", "%1 Hz, %2, ").arg(f.sampleRate).arg(channelsName(f.channels));
    if (f.quality > 0)
        return text + QCoreApplication::translate("Encoder", "quality %1").arg(f.quality / 100.0);
    if (f.nominalKbps > 0)
        text += QCoreApplication::translate("Encoder", "%1 kbit/s").arg(f.nominalKbps);
    else
        text += QCoreApplication::translate("Encoder", "managed bitrate");
    if (f.minKbps > 0)
        text += QCoreApplication::translate("Encoder", ", min %1 kbit/s").arg(f.minKbps);
    if (f.maxKbps > 0)
        text += QCoreApplication::translate("Encoder", ", max %1 kbit/s").arg(f.maxKbps);
    return text;
}

// What the format's rate and channel count can be encoded with, as a sentence to follow a
// refusal; empty when nothing useful can be said.
QString vorbisAlternatives(const OggFormat& f) {
    if (f.sampleRate <= 0 || f.channels < 1 || f.channels > 2) return {};
    const VorbisBitrates range = vorbisNominalRange(f.sampleRate, f.channels);
    const QString what = QCoreApplication::translate("Encoder", "%1 Hz, %2")
                             .arg(f.sampleRate).arg(channelsName(f.channels));
    if (f.quality <= 0 && range.minKbps > 0)
        //: Follows a refusal such as "Ogg Vorbis cannot encode ..."
        return QCoreApplication::translate("Encoder", ": at %1 it takes nominal bitrates of %2 to %3 kbit/s.")
            .arg(what)
            .arg(range.minKbps)
            .arg(range.maxKbps);
    if (f.quality <= 0)
        //: Follows a refusal such as "Ogg Vorbis cannot encode ..."
        return QCoreApplication::translate("Encoder", ": at %1 it takes no set bitrate, only a quality.").arg(what);
    //: Follows a refusal such as "Ogg Vorbis cannot encode ..."
    return QCoreApplication::translate("Encoder", ": it encodes Mono or Stereo at up to 200000 Hz, at qualities from 0 to 10.");
}

class VorbisEncoder final : public Encoder {
public:
    explicit VorbisEncoder(const OggFormat& format) : m_format(format) {
        const std::span<const int> order = channel_layout::vorbisOrder(format.channels);
        m_order.assign(order.begin(), order.end());
        for (int c = static_cast<int>(m_order.size()); c < format.channels; ++c) m_order.push_back(c);
        vorbis_info_init(&m_info);
        int rc = OV_EINVAL;
        if (plausible(format.sampleRate, format.channels, format.nominalKbps, format.minKbps, format.maxKbps)) {
            // libvorbisenc clamps a quality above 10 silently; refuse it instead.
            if (format.quality > 1000)
                rc = OV_EINVAL;
            else if (format.quality > 0)
                rc = vorbis_encode_init_vbr(&m_info, format.channels, format.sampleRate,
                                            static_cast<float>(format.quality) / 1000.0f);
            else
                rc = vorbis_encode_init(&m_info, format.channels, format.sampleRate, vorbisBitrate(format.maxKbps),
                                        vorbisBitrate(format.nominalKbps), vorbisBitrate(format.minKbps));
        }
        if (rc != 0) {
            vorbis_info_clear(&m_info);
            throw ComponentError(QCoreApplication::translate("Encoder", "Ogg Vorbis cannot encode %1 (error %2)")
                                     .arg(describeOgg(format)).arg(rc) +
                                 vorbisAlternatives(format));
        }
    }

    ~VorbisEncoder() override {
        closeFile();
        if (m_started) {
            ogg_stream_clear(&m_stream);
            vorbis_block_clear(&m_block);
            vorbis_dsp_clear(&m_dsp);
            vorbis_comment_clear(&m_comment);
        }
        vorbis_info_clear(&m_info);
    }
    VorbisEncoder(const VorbisEncoder&) = delete;
    VorbisEncoder& operator=(const VorbisEncoder&) = delete;

    void open(const QString& path) override {
        if (m_started)
            throw ComponentError(QCoreApplication::translate("Encoder", "the Ogg Vorbis writer was already used for a file"));
        m_path = path;
        m_file = std::fopen(QFile::encodeName(path).constData(), "wb");
        if (!m_file)
            throw ComponentError(
                QCoreApplication::translate("Encoder", "cannot create the Ogg Vorbis file %1: %2")
                    .arg(path, QString::fromLocal8Bit(std::strerror(errno))));

        vorbis_comment_init(&m_comment);
        vorbis_analysis_init(&m_dsp, &m_info);
        vorbis_block_init(&m_dsp, &m_block);
        ogg_stream_init(&m_stream, static_cast<int>(QRandomGenerator::global()->generate() & 0x7FFFFFFF));
        m_started = true;

        ogg_packet id, comments, codebooks;
        vorbis_analysis_headerout(&m_dsp, &m_comment, &id, &comments, &codebooks);
        ogg_stream_packetin(&m_stream, &id);
        ogg_stream_packetin(&m_stream, &comments);
        ogg_stream_packetin(&m_stream, &codebooks);
        // The headers get pages of their own, so audio starts on a fresh page.
        ogg_page page;
        while (ogg_stream_flush(&m_stream, &page) != 0)
            writePage(page);
    }

    PcmFormat format() const override { return {m_format.sampleRate, m_format.channels}; }

    void write(const std::int16_t* samples, std::size_t frames) override {
        if (!m_file)
            throw ComponentError(QCoreApplication::translate("Encoder", "no Ogg Vorbis file is open for writing"));
        const auto channels = static_cast<std::size_t>(m_format.channels);
        // libvorbis chooses block sizes from the lookahead it holds, so the size of the pieces
        // shapes the stream: 1024 frames, as oggenc gives it, make the same packets as oggenc
        // (and move less of libvorbis' buffer about than larger pieces).
        constexpr std::size_t chunk = 1024;
        while (frames > 0) {
            const std::size_t n = std::min(frames, chunk);
            float** buffer = vorbis_analysis_buffer(&m_dsp, static_cast<int>(n));
            // Vorbis channel c carries WAVE-order channel m_order[c].
            for (std::size_t c = 0; c < channels; ++c) {
                const auto from = static_cast<std::size_t>(m_order[c]);
                for (std::size_t i = 0; i < n; ++i)
                    buffer[c][i] = static_cast<float>(samples[i * channels + from]) / 32768.0f;
            }
            vorbis_analysis_wrote(&m_dsp, static_cast<int>(n));  // never 0: that would end the stream
            drain();
            samples += n * channels;
            frames -= n;
        }
    }

    void finish() override {
        if (!m_file)
            throw ComponentError(QCoreApplication::translate("Encoder", "no Ogg Vorbis file is open for writing"));
        vorbis_analysis_wrote(&m_dsp, 0);
        drain();
        ogg_page page;
        while (ogg_stream_flush(&m_stream, &page) != 0)
            writePage(page);
        if (const int error = closeWrittenFile(m_file); error != 0) fail(error);
    }

    QString description() const override { return describeOgg(m_format); }

private:
    void drain() {
        ogg_packet packet;
        ogg_page page;
        while (vorbis_analysis_blockout(&m_dsp, &m_block) == 1) {
            vorbis_analysis(&m_block, nullptr);
            vorbis_bitrate_addblock(&m_block);
            while (vorbis_bitrate_flushpacket(&m_dsp, &packet) == 1) {
                ogg_stream_packetin(&m_stream, &packet);
                while (ogg_stream_pageout(&m_stream, &page) != 0)
                    writePage(page);
            }
        }
    }

    void writePage(const ogg_page& page) {
        const auto headerBytes = static_cast<std::size_t>(page.header_len);
        const auto bodyBytes = static_cast<std::size_t>(page.body_len);
        if (std::fwrite(page.header, 1, headerBytes, m_file) != headerBytes ||
            std::fwrite(page.body, 1, bodyBytes, m_file) != bodyBytes)
            fail(errno);
    }

    [[noreturn]] void fail(int error) {
        closeFile();
        throw ComponentError(QCoreApplication::translate("Encoder", "cannot write the Ogg Vorbis file %1: %2")
                                 .arg(m_path, QString::fromLocal8Bit(std::strerror(error))));
    }

    void closeFile() {
        if (m_file) {
            std::fclose(m_file);
            m_file = nullptr;
        }
    }

    OggFormat m_format;
    std::vector<int> m_order;  // for each Vorbis channel, the WAVE-order channel it carries
    QString m_path;
    std::FILE* m_file = nullptr;
    bool m_started = false;
    vorbis_info m_info{};
    vorbis_comment m_comment{};
    vorbis_dsp_state m_dsp{};
    vorbis_block m_block{};
    ogg_stream_state m_stream{};
};

}  // namespace

bool vorbisCanEncode(int sampleRate, int channels, int nominalKbps, int minKbps, int maxKbps) {
    if (!plausible(sampleRate, channels, nominalKbps, minKbps, maxKbps))
        return false;
    vorbis_info info;
    vorbis_info_init(&info);
    int rc = vorbis_encode_setup_managed(&info, channels, sampleRate, vorbisBitrate(maxKbps),
                                         vorbisBitrate(nominalKbps), vorbisBitrate(minKbps));
    if (rc == 0)
        rc = vorbis_encode_setup_init(&info);
    vorbis_info_clear(&info);
    return rc == 0;
}

VorbisBitrates vorbisNominalRange(int sampleRate, int channels) {
    VorbisBitrates range;
    for (int kbps : kProbedKbps) {
        if (!vorbisCanEncode(sampleRate, channels, kbps, 0, 0)) continue;
        if (range.minKbps == 0) range.minKbps = kbps;
        range.maxKbps = kbps;
    }
    return range;
}

int vorbisQualityFor(int nominalKbps, int channels) {
    // A mono stream takes about half the bits of a stereo one at the same quality.
    const double kbps = channels == 1 ? 2.0 * nominalKbps : nominalKbps;
    constexpr int levels = static_cast<int>(std::size(kQualityKbps));
    if (kbps <= kQualityKbps[0]) return 1;  // the lowest quality mode takes (0 means "bitrate mode")
    for (int q = 1; q < levels; ++q) {
        if (kbps > kQualityKbps[q]) continue;
        const double share = (kbps - kQualityKbps[q - 1]) / (kQualityKbps[q] - kQualityKbps[q - 1]);
        return static_cast<int>(std::lround((q - 1 + share) * 100.0));
    }
    return 1000;
}

std::unique_ptr<Encoder> makeVorbisEncoder(const OggFormat& format) {
    return std::make_unique<VorbisEncoder>(format);
}
