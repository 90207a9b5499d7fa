#include "cli/RunSettings.h"

#include "components/ComponentError.h"
#include "components/audio/Formats.h"
#include "components/audio/codecs/Encoder.h"
#include "components/store/WindowSettings.h"

#include <QCoreApplication>

#include <cmath>

namespace cli {
namespace {

// MP3 codings of MP3Settings.
constexpr int kCbr = -1;
constexpr int kVbr = 0;
constexpr int kAbr = 4;

QString mp3Refusal(const QString& reason) {
    return QCoreApplication::translate("velloria-convert", "MP3 cannot be written so: %1").arg(reason);
}

QString vorbisRefusal(const OggFormat& f) {
    return QCoreApplication::translate("velloria-convert", "Ogg Vorbis cannot be written at %1 kbit/s with %2 Hz and %3 channels")
        .arg(f.nominalKbps)
        .arg(f.sampleRate)
        .arg(f.channels);
}

QString applyMp3(const Options& o, MP3Settings& mp3) {
    MP3Settings s = mp3;
    Mode mode = o.mode;
    if (mode == Mode::Stored) mode = o.quality ? Mode::Vbr : o.bitrate ? Mode::Cbr : Mode::Stored;
    try {
        switch (mode) {
        case Mode::Stored: break;
        case Mode::Cbr:
            if (o.quality) return QCoreApplication::translate("velloria-convert", "--quality does not apply to MP3 at a constant bitrate");
            s.setCodingMethod(kCbr);
            if (o.bitrate) s.setBitrate(*o.bitrate);
            break;
        case Mode::Abr:
            if (o.quality) return QCoreApplication::translate("velloria-convert", "--quality does not apply to MP3 at an average bitrate");
            s.setCodingMethod(kAbr);
            if (o.bitrate) s.setAbrBitrate(*o.bitrate);
            break;
        case Mode::Vbr:
            s.setCodingMethod(kVbr);
            if (o.quality) {
                if (*o.quality < 0 || *o.quality > 9 || std::floor(*o.quality) != *o.quality)
                    return QCoreApplication::translate("velloria-convert", "--quality for MP3 is a whole number from 0 (best) to 9");
                s.setVbrQuality(static_cast<int>(*o.quality));
            }
            // The bitrate bounds the variable one from above.
            if (o.bitrate) s.setMaxVbrBitrate(*o.bitrate);
            break;
        }
    } catch (const ComponentError& e) {
        return mp3Refusal(e.description());
    }
    if (const QString refusal = lameRefusal(s); !refusal.isEmpty()) return mp3Refusal(refusal);
    mp3 = s;
    return {};
}

QString applyOgg(const Options& o, OggFormat& ogg) {
    OggFormat f = ogg;
    Mode mode = o.mode;
    if (mode == Mode::Stored) mode = o.quality ? Mode::Vbr : o.bitrate ? Mode::Abr : Mode::Stored;
    if (mode == Mode::Vbr) {
        if (o.bitrate)
            return QCoreApplication::translate("velloria-convert", "--bitrate does not apply to Ogg Vorbis by quality (--mode vbr)");
        // Quality 0 means a managed bitrate to the writer: the lowest quality asked for is one
        // hundredth above it.
        if (o.quality) f.quality = std::max(1, static_cast<int>(std::lround(*o.quality * 100)));
        if (o.quality && *o.quality < 0) return QCoreApplication::translate("velloria-convert", "--quality for Ogg Vorbis is from 0 to 10");
    } else if (mode != Mode::Stored) {
        if (o.quality)
            return QCoreApplication::translate("velloria-convert", "--quality does not apply to Ogg Vorbis at a managed bitrate");
        f.quality = 0;
        if (o.bitrate) f.nominalKbps = *o.bitrate;
        // A constant bitrate bounds both ways; an average one does not bound.
        f.minKbps = mode == Mode::Cbr ? f.nominalKbps : 0;
        f.maxKbps = mode == Mode::Cbr ? f.nominalKbps : 0;
        if (!vorbisCanEncode(f.sampleRate, f.channels, f.nominalKbps, f.minKbps, f.maxKbps)) return vorbisRefusal(f);
    }
    ogg = f;
    return {};
}

QString applyFlac(const Options& o, FlacFormat& flac) {
    if (o.bitrate || o.mode != Mode::Stored)
        return QCoreApplication::translate("velloria-convert", "--bitrate and --mode do not apply to FLAC");
    if (o.quality) {
        if (*o.quality < 0 || *o.quality > 8 || std::floor(*o.quality) != *o.quality)
            return QCoreApplication::translate("velloria-convert", "--quality for FLAC is a compression level from 0 to 8");
        flac.level = static_cast<int>(*o.quality);
    }
    return {};
}

// Opus modes of OpusSettings.
constexpr int kOpusVbr = 0;
constexpr int kOpusConstrained = 1;
constexpr int kOpusCbr = 2;

QString applyOpus(const Options& o, OpusFormat& opus) {
    if (o.quality) return QCoreApplication::translate("velloria-convert", "--quality does not apply to Opus; give --bitrate");
    if (o.bitrate) {
        if (*o.bitrate < 6 || *o.bitrate > 512)
            return QCoreApplication::translate("velloria-convert", "--bitrate for Opus is from 6 to 512 kbit/s");
        opus.bitrateKbps = *o.bitrate;
    }
    if (o.mode == Mode::Vbr) opus.mode = kOpusVbr;
    if (o.mode == Mode::Abr) opus.mode = kOpusConstrained;
    if (o.mode == Mode::Cbr) opus.mode = kOpusCbr;
    return {};
}

// --sample-rate and --channels, as the MP3, Ogg Vorbis and WAV dialogs choose them.
QString applyRateAndChannels(const Options& o, const QString& formatKey, OutputSettings& settings) {
    if (!o.sampleRate && !o.channels) return {};
    try {
        if (formatKey == QStringLiteral("MP3")) {
            MP3Settings mp3 = settings.mp3;
            if (o.sampleRate) mp3.setSampleRate(*o.sampleRate);
            if (o.channels) {
                mp3.setChannels(*o.channels);
                if (*o.channels == 1) mp3.setChannelMode(0);
                else if (mp3.channelMode() == 0) mp3.setChannelMode(2);
            }
            if (const QString refusal = lameRefusal(mp3); !refusal.isEmpty()) return mp3Refusal(refusal);
            settings.mp3 = mp3;
        } else if (formatKey == QStringLiteral("OGG")) {
            OggFormat& f = settings.ogg;
            if (o.sampleRate) f.sampleRate = *o.sampleRate;
            if (o.channels) f.channels = *o.channels;
            if (f.quality <= 0 && !vorbisCanEncode(f.sampleRate, f.channels, f.nominalKbps, f.minKbps, f.maxKbps)) return vorbisRefusal(f);
        } else if (formatKey == QStringLiteral("WAV")) {
            WavFormat wav = settings.wav;
            if (o.sampleRate) wav.sampleRate = *o.sampleRate;
            if (o.channels) wav.channels = *o.channels;
            if (const QString refusal = wav_settings::refusal(wav); !refusal.isEmpty()) return refusal;
            settings.wav = wav;
        } else {
            return QCoreApplication::translate("velloria-convert", "--sample-rate and --channels do not apply to %1").arg(formatKey);
        }
    } catch (const ComponentError& e) {
        return mp3Refusal(e.description());
    }
    return {};
}

}  // namespace

RunSettingsResult runSettings(const Options& o) {
    const QString key = ConverterWindowSettings::key();
    RunSettingsResult result;
    RunSettings& run = result.run;
    run.format = o.formatName.isEmpty() ? nullptr : formatByName(o.formatName);
    const ConverterWindowSettings window = ConverterWindowSettings::load({}, static_cast<int>(audio::outputFormats().size()));
    if (!run.format) run.format = formatByStoredIndex(window.outputFormat);
    if (!run.format) run.format = formatByName(QStringLiteral("mp3"));
    run.preserveTags = !o.noTags && window.preserveTags;
    run.settings = OutputSettings::load(key);
    const QString formatKey = QLatin1String(run.format->key);
    const bool overrides = o.bitrate || o.quality || o.mode != Mode::Stored;
    if (formatKey == QStringLiteral("MP3")) {
        result.error = applyMp3(o, run.settings.mp3);
    } else if (formatKey == QStringLiteral("OGG")) {
        // Stored Ogg Vorbis settings the writer cannot encode are refused as the window refuses them.
        const OggSettings stored = OggSettings::load(key);
        if (const QString refusal = stored.refusal(); !refusal.isEmpty() && !overrides) result.error = refusal;
        else result.error = applyOgg(o, run.settings.ogg);
    } else if (formatKey == QStringLiteral("FLAC")) {
        result.error = applyFlac(o, run.settings.flac);
    } else if (formatKey == QStringLiteral("OPUS")) {
        result.error = applyOpus(o, run.settings.opus);
    } else if (overrides) {
        result.error = QCoreApplication::translate("velloria-convert", "--bitrate, --quality and --mode do not apply to %1")
                           .arg(QLatin1String(run.format->extension));
    } else if (formatKey == QStringLiteral("WMA")) {
        result.error = WmaSettings{run.settings.wmaProfile}.refusal();
    }
    if (result.error.isEmpty()) result.error = applyRateAndChannels(o, formatKey, run.settings);
    return result;
}

}  // namespace cli
