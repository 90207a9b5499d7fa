// MP3 output through libmp3lame: every MP3Settings property applied one to one, every
// refusal of LAME's turned into a ComponentError, nothing of LAME's printed.
#include "components/audio/codecs/Encoder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <lame/lame.h>

#include <algorithm>
#include <array>
#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// LAME reports through printf-style callbacks without a context pointer; errors of the
// current thread's LAME calls are kept for the exception text, everything else is dropped.
thread_local std::string t_lameErrors;

__attribute__((format(printf, 1, 0))) void collectError(const char* format, va_list args) {
    std::array<char, 512> text{};
    std::vsnprintf(text.data(), text.size(), format, args);
    if (t_lameErrors.size() < 4096) t_lameErrors += text.data();
}

void dropMessage(const char*, va_list) {}

// The largest bitrate LAME writes at the rate: MPEG-1 above 32 kHz, MPEG-2 from 16 kHz,
// and at MPEG-2.5 rates LAME itself stops at 64 kbit/s.
int maxKbpsAt(int rate) { return rate >= 32000 ? 320 : rate >= 16000 ? 160 : 64; }
int minKbpsAt(int rate) { return rate >= 32000 ? 32 : 8; }

// Whether a frame bitrate exists for the rate's MPEG version (144 kbit/s is MPEG-2 only).
bool bitrateFits(int kbps, int rate) {
    if (!MP3Settings::isMpegBitrate(kbps) || kbps < minKbpsAt(rate) || kbps > maxKbpsAt(rate)) return false;
    return !(rate >= 32000 && kbps == 144);
}

QString bitratesAt(int rate) {
    QStringList list;
    for (int kbps = 8; kbps <= 320; ++kbps)
        if (bitrateFits(kbps, rate)) list << QString::number(kbps);
    return list.join(QStringLiteral(", "));
}

// The maximum VBR bitrate is a ceiling: one above what the rate allows means "no lower
// ceiling" and is lowered to the rate's highest bitrate, so the dialog's 320 kbit/s works at
// every rate.
int vbrCeiling(const MP3Settings& s) { return std::min(s.maxVbrBitrate(), maxKbpsAt(s.sampleRate())); }

// Refuses a combination LAME would change silently (or, with free format, abort on).
void checkCombination(const MP3Settings& s) {
    const int rate = s.sampleRate();
    if (s.codingMethod() < 0 && !bitrateFits(s.bitrate(), rate))
        throw ComponentError(
            QCoreApplication::translate("Encoder", "The MP3 bitrate %1 kbit/s cannot be written at %2 Hz (possible: %3 kbit/s)")
                .arg(s.bitrate())
                .arg(rate)
                .arg(bitratesAt(rate)));
    if (s.codingMethod() >= 0 && !bitrateFits(vbrCeiling(s), rate))
        throw ComponentError(
            QCoreApplication::translate("Encoder", "The MP3 maximum VBR bitrate %1 kbit/s cannot be written at %2 Hz "
                                                   "(possible: %3 kbit/s)")
                .arg(s.maxVbrBitrate())
                .arg(rate)
                .arg(bitratesAt(rate)));
    if (s.codingMethod() == 4 && (s.abrBitrate() < minKbpsAt(rate) || s.abrBitrate() > maxKbpsAt(rate)))
        throw ComponentError(
            QCoreApplication::translate("Encoder", "The MP3 ABR bitrate %1 kbit/s cannot be written at %2 Hz "
                                                   "(possible: %3..%4 kbit/s)")
                .arg(s.abrBitrate())
                .arg(rate)
                .arg(minKbpsAt(rate))
                .arg(maxKbpsAt(rate)));
}

class LameEncoder final : public Encoder {
public:
    explicit LameEncoder(const MP3Settings& settings) : m_settings(settings) {}
    ~LameEncoder() override {
        if (m_lame) lame_close(m_lame);
    }
    LameEncoder(const LameEncoder&) = delete;
    LameEncoder& operator=(const LameEncoder&) = delete;

    void open(const QString& path) override;
    // Sets LAME up for the settings, or throws saying what it refuses and what is possible.
    void prepare();
    PcmFormat format() const override { return {m_settings.sampleRate(), m_settings.channels()}; }
    void write(const std::int16_t* samples, std::size_t frames) override;
    void finish() override;
    QString description() const override { return m_settings.description(); }

private:
    void configure();
    void configureQuality();
    void set(int result, const char* property, int value);
    void writeBytes(const unsigned char* data, int size);
    [[noreturn]] void fail(const QString& what) const;

    MP3Settings m_settings;
    lame_global_flags* m_lame = nullptr;
    QFile m_file;
    std::vector<unsigned char> m_buffer;
};

// `property` is one of the MP3 settings' names, translated with them.
void LameEncoder::set(int result, const char* property, int value) {
    if (result < 0)
        //: %1 an MP3 setting's name, %2 its value
        throw ComponentError(QCoreApplication::translate("Encoder", "The MP3 encoder refused the %1 %2")
                                 .arg(QCoreApplication::translate("MP3Settings", property))
                                 .arg(value));
}

void LameEncoder::configure() {
    const MP3Settings& s = m_settings;
    lame_global_flags* g = m_lame;
    set(lame_set_errorf(g, collectError), QT_TRANSLATE_NOOP("MP3Settings", "error handler"), 0);
    set(lame_set_msgf(g, dropMessage), QT_TRANSLATE_NOOP("MP3Settings", "message handler"), 0);
    set(lame_set_debugf(g, dropMessage), QT_TRANSLATE_NOOP("MP3Settings", "debug handler"), 0);
    lame_set_write_id3tag_automatic(g, 0);

    set(lame_set_num_channels(g, s.channels()), QT_TRANSLATE_NOOP("MP3Settings", "channel count"), s.channels());
    set(lame_set_in_samplerate(g, s.sampleRate()), QT_TRANSLATE_NOOP("MP3Settings", "input sample rate"), s.sampleRate());
    set(lame_set_out_samplerate(g, s.sampleRate()), QT_TRANSLATE_NOOP("MP3Settings", "sample rate"), s.sampleRate());
    set(lame_set_free_format(g, 0), QT_TRANSLATE_NOOP("MP3Settings", "free format"), 0);

    // Mono with two channels downmixes; one channel writes mono whatever the mode.
    static constexpr std::array<MPEG_mode, 5> modes{MONO, STEREO, JOINT_STEREO, JOINT_STEREO, DUAL_CHANNEL};
    const int mode = s.channels() == 1 ? 0 : s.channelMode();
    set(lame_set_mode(g, modes.at(static_cast<std::size_t>(mode))),
        QT_TRANSLATE_NOOP("MP3Settings", "channel mode"), s.channelMode());
    if (mode == 3) set(lame_set_force_ms(g, 1), QT_TRANSLATE_NOOP("MP3Settings", "forced joint stereo"), 1);

    static constexpr std::array<vbr_mode, 6> methods{vbr_off, vbr_default, vbr_rh, vbr_mt, vbr_mtrh, vbr_abr};
    set(lame_set_VBR(g, methods.at(static_cast<std::size_t>(s.codingMethod() + 1))),
        QT_TRANSLATE_NOOP("MP3Settings", "coding method"), s.codingMethod());
    if (s.codingMethod() < 0) {
        set(lame_set_brate(g, s.bitrate()), QT_TRANSLATE_NOOP("MP3Settings", "bitrate"), s.bitrate());
    } else {
        set(lame_set_VBR_q(g, s.vbrQuality()), QT_TRANSLATE_NOOP("MP3Settings", "VBR quality"), s.vbrQuality());
        set(lame_set_VBR_max_bitrate_kbps(g, vbrCeiling(s)),
            QT_TRANSLATE_NOOP("MP3Settings", "maximum VBR bitrate"), s.maxVbrBitrate());
        set(lame_set_VBR_hard_min(g, s.enforceMinBitrate() ? 1 : 0),
            QT_TRANSLATE_NOOP("MP3Settings", "enforce minimum bitrate"), s.enforceMinBitrate());
        if (s.codingMethod() == 4) set(lame_set_VBR_mean_bitrate_kbps(g, s.abrBitrate()),
                                       QT_TRANSLATE_NOOP("MP3Settings", "ABR bitrate"), s.abrBitrate());
    }
    configureQuality();
}

// The options beside the rate, channels and coding: quality, frames and filters.
void LameEncoder::configureQuality() {
    const MP3Settings& s = m_settings;
    lame_global_flags* g = m_lame;
    set(lame_set_quality(g, s.encoderQuality()), QT_TRANSLATE_NOOP("MP3Settings", "encoder quality"), s.encoderQuality());
    set(lame_set_bWriteVbrTag(g, s.writeVbrHeader() ? 1 : 0),
        QT_TRANSLATE_NOOP("MP3Settings", "VBR header"), s.writeVbrHeader());
    set(lame_set_disable_reservoir(g, s.bitReservoir() ? 0 : 1),
        QT_TRANSLATE_NOOP("MP3Settings", "bit reservoir"), s.bitReservoir());
    set(lame_set_allow_diff_short(g, s.blockTypesMayDiffer() ? 1 : 0),
        QT_TRANSLATE_NOOP("MP3Settings", "block types"), s.blockTypesMayDiffer());
    set(lame_set_no_short_blocks(g, s.shortBlocks() ? 0 : 1),
        QT_TRANSLATE_NOOP("MP3Settings", "short blocks"), s.shortBlocks());
    static constexpr std::array emphasis{0, 1, 3};
    set(lame_set_emphasis(g, emphasis.at(static_cast<std::size_t>(s.deEmphasis()))),
        QT_TRANSLATE_NOOP("MP3Settings", "de-emphasis"), s.deEmphasis());
    // Off keeps LAME's own default, which only limits frames to the largest MPEG frame.
    set(lame_set_strict_ISO(g, s.strictIso() ? MDB_STRICT_ISO : MDB_MAXIMUM),
        QT_TRANSLATE_NOOP("MP3Settings", "strict ISO"), s.strictIso());
    switch (s.athControl()) {
    case 1: set(lame_set_ATHonly(g, 1), QT_TRANSLATE_NOOP("MP3Settings", "ATH control"), 1); break;
    case 2: set(lame_set_noATH(g, 1), QT_TRANSLATE_NOOP("MP3Settings", "ATH control"), 2); break;
    case 3: set(lame_set_ATHshort(g, 1), QT_TRANSLATE_NOOP("MP3Settings", "ATH control"), 3); break;
    default: break;
    }
    if (s.lowpassFrequency() > 0) set(lame_set_lowpassfreq(g, s.lowpassFrequency()),
                                      QT_TRANSLATE_NOOP("MP3Settings", "lowpass frequency"), s.lowpassFrequency());
    if (s.highpassFrequency() > 0) set(lame_set_highpassfreq(g, s.highpassFrequency()),
                                       QT_TRANSLATE_NOOP("MP3Settings", "highpass frequency"), s.highpassFrequency());
    if (s.lowpassWidth() > 0) set(lame_set_lowpasswidth(g, s.lowpassWidth()),
                                  QT_TRANSLATE_NOOP("MP3Settings", "lowpass width"), s.lowpassWidth());
    if (s.highpassWidth() > 0) set(lame_set_highpasswidth(g, s.highpassWidth()),
                                   QT_TRANSLATE_NOOP("MP3Settings", "highpass width"), s.highpassWidth());
    set(lame_set_error_protection(g, s.crc() ? 1 : 0), QT_TRANSLATE_NOOP("MP3Settings", "CRC"), s.crc());
}

void LameEncoder::prepare() {
    checkCombination(m_settings);
    m_lame = lame_init();
    if (!m_lame) throw ComponentError(QCoreApplication::translate("Encoder", "The MP3 encoder could not start"));
    try {
        configure();
        t_lameErrors.clear();
        if (lame_init_params(m_lame) < 0)
            throw ComponentError(QCoreApplication::translate("Encoder", "The MP3 encoder cannot write %1: %2")
                                     .arg(m_settings.description(), QString::fromLocal8Bit(t_lameErrors.c_str()).trimmed()));
        // LAME replaces values it cannot use instead of refusing them; a file other than the
        // one described must not be written.
        const bool cbr = m_settings.codingMethod() < 0;
        if (lame_get_out_samplerate(m_lame) != m_settings.sampleRate() ||
            (cbr && lame_get_brate(m_lame) != m_settings.bitrate()) ||
            (!cbr && lame_get_VBR_max_bitrate_kbps(m_lame) != vbrCeiling(m_settings)) ||
            (m_settings.codingMethod() == 4 && lame_get_VBR_mean_bitrate_kbps(m_lame) != m_settings.abrBitrate()))
            throw ComponentError(QCoreApplication::translate("Encoder", "The MP3 encoder cannot write %1")
                                     .arg(m_settings.description()));
    } catch (...) {
        lame_close(m_lame);
        m_lame = nullptr;
        throw;
    }
}

void LameEncoder::open(const QString& path) {
    if (m_lame)
        throw ComponentError(QCoreApplication::translate("Encoder", "The MP3 encoder is already writing %1")
                                 .arg(m_file.fileName()));
    prepare();
    try {
        m_file.setFileName(path);
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
            throw ComponentError(
                QCoreApplication::translate("Encoder", "Could not create %1: %2")
                    .arg(QDir::toNativeSeparators(path), m_file.errorString()));
    } catch (...) {
        lame_close(m_lame);
        m_lame = nullptr;
        throw;
    }
}

void LameEncoder::fail(const QString& what) const {
    throw ComponentError(QCoreApplication::translate("Encoder", "Could not write to %1: %2")
                             .arg(QDir::toNativeSeparators(m_file.fileName()), what));
}

void LameEncoder::writeBytes(const unsigned char* data, int size) {
    if (size <= 0) return;
    const qint64 written = m_file.write(reinterpret_cast<const char*>(data), size);
    if (written != size) fail(m_file.errorString());
}

void LameEncoder::write(const std::int16_t* samples, std::size_t frames) {
    if (!m_lame || !m_file.isOpen())
        throw ComponentError(QCoreApplication::translate("Encoder", "The MP3 file is not open for writing"));
    const std::size_t channels = static_cast<std::size_t>(m_settings.channels());
    constexpr std::size_t chunk = 8192;
    // Worst case output for n frames: 1.25 n + 7200 bytes.
    m_buffer.resize(chunk + chunk / 4 + 7200);
    const int bufferSize = static_cast<int>(m_buffer.size());
    while (frames > 0) {
        const std::size_t n = std::min(frames, chunk);
        // LAME's interleaved call assumes two channels; mono goes through the planar one.
        const int produced = channels == 2
            ? lame_encode_buffer_interleaved(m_lame, const_cast<short*>(samples), static_cast<int>(n), m_buffer.data(), bufferSize)
            : lame_encode_buffer(m_lame, samples, samples, static_cast<int>(n), m_buffer.data(), bufferSize);
        if (produced < 0) fail(QCoreApplication::translate("Encoder", "the MP3 encoder failed (code %1)").arg(produced));
        writeBytes(m_buffer.data(), produced);
        samples += n * channels;
        frames -= n;
    }
}

void LameEncoder::finish() {
    if (!m_lame || !m_file.isOpen()) throw ComponentError(QStringLiteral("The MP3 file is not open for writing"));
    m_buffer.resize(std::max<std::size_t>(m_buffer.size(), 8192));
    const int flushed = lame_encode_flush(m_lame, m_buffer.data(), static_cast<int>(m_buffer.size()));
    if (flushed < 0) fail(QCoreApplication::translate("Encoder", "the MP3 encoder failed (code %1)").arg(flushed));
    writeBytes(m_buffer.data(), flushed);
    if (m_settings.writeVbrHeader()) {
        // The first frame was reserved for the Xing/Info tag; it now gets the real frame count,
        // sizes and gapless data. No ID3v2 tag precedes it.
        const std::size_t size = lame_get_lametag_frame(m_lame, m_buffer.data(), m_buffer.size());
        if (size > m_buffer.size()) fail(QCoreApplication::translate("Encoder", "the MP3 header frame does not fit"));
        if (size > 0) {
            if (!m_file.seek(0)) fail(m_file.errorString());
            writeBytes(m_buffer.data(), static_cast<int>(size));
        }
    }
    lame_close(m_lame);
    m_lame = nullptr;
    const bool flushedOk = m_file.flush();
    m_file.close();
    if (!flushedOk || m_file.error() != QFileDevice::NoError) fail(m_file.errorString());
}

}  // namespace

std::unique_ptr<Encoder> makeLameEncoder(const MP3Settings& settings) { return std::make_unique<LameEncoder>(settings); }

QString lameRefusal(const MP3Settings& settings) {
    LameEncoder encoder(settings);
    try {
        encoder.prepare();
        return {};
    } catch (const ComponentError& e) {
        return e.description();
    }
}
