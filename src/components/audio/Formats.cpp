#include "components/audio/Formats.h"

#include "components/audio/settings/OutputSettings.h"

#include <QCoreApplication>

#include <algorithm>

namespace audio {
namespace {

using tag_conventions::TagKind;

// A bitrate chosen for stereo, for `channels`: the same for each pair of channels beyond two.
int pairedKbps(int kbps, int channels) { return channels > 2 ? kbps * channels / 2 : kbps; }

// Stereo set for WAV or Ogg Vorbis stands for "not mono": a surround source keeps its channels.
bool keepsSurround(int channels, const WriterInput& in) { return channels == 2 && in.declared.channels > 2; }

// Ogg Vorbis set for stereo, for a surround source's `channels`. Managed bitrates count per pair
// of channels; where libvorbisenc cannot manage them so, the quality nearest to the stereo
// bitrate encodes instead (the dialogs only check stereo).
OggFormat surroundOgg(OggFormat format, int channels) {
    format.channels = channels;
    if (format.quality > 0) return format;
    OggFormat managed = format;
    managed.nominalKbps = pairedKbps(format.nominalKbps, channels);
    managed.minKbps = pairedKbps(format.minKbps, channels);
    managed.maxKbps = pairedKbps(format.maxKbps, channels);
    if (vorbisCanEncode(managed.sampleRate, channels, managed.nominalKbps, managed.minKbps, managed.maxKbps))
        return managed;
    format.quality = vorbisQualityFor(format.nominalKbps, 2);
    return format;
}

// ---- The writers: MP3 holds at most stereo and mixes surround down; FLAC and Opus take the
// rate and channels of the blocks they get; WMA its profile's.

std::unique_ptr<Encoder> writeMp3(const OutputSettings& s, const WriterInput& in) {
    if (!in.mp3Refusal.isEmpty()) throw ComponentError(in.mp3Refusal);
    return makeLameEncoder(s.mp3);
}

std::unique_ptr<Encoder> writeOgg(const OutputSettings& s, const WriterInput& in) {
    return makeVorbisEncoder(keepsSurround(s.ogg.channels, in) ? surroundOgg(s.ogg, in.declared.channels) : s.ogg);
}

std::unique_ptr<Encoder> writeWav(const OutputSettings& s, const WriterInput& in) {
    WavFormat format = s.wav;
    if (keepsSurround(format.channels, in)) format.channels = in.declared.channels;
    return makeWavEncoder(format);
}

std::unique_ptr<Encoder> writeWma(const OutputSettings& s, const WriterInput&) {
    return makeWmaEncoder(WmaSettings{s.wmaProfile}.format());
}

std::unique_ptr<Encoder> writeFlac(const OutputSettings& s, const WriterInput& in) {
    FlacFormat format = s.flac;
    if (in.declared.sampleRate > 0) format.sampleRate = in.declared.sampleRate, format.channels = in.declared.channels;
    format.bits = in.declaredBits > 16 ? 24 : 16;
    format.totalFrames = in.frames;
    return makeFlacEncoder(format);
}

std::unique_ptr<Encoder> writeOpus(const OutputSettings& s, const WriterInput& in) {
    OpusFormat format = s.opus;
    if (in.declared.sampleRate > 0) format.sampleRate = in.declared.sampleRate, format.channels = in.declared.channels;
    format.bitrateKbps = pairedKbps(format.bitrateKbps, format.channels);
    return makeOpusEncoder(format);
}

// ---- What choosing each as output takes from the store.

QString chooseMp3(OutputSettings& s, const QString& key) {
    Mp3Choice::load(key).applyTo(s.mp3);
    return {};
}

QString chooseWav(OutputSettings& s, const QString&) {
    s.wav = wav_settings::cdQuality();
    return {};
}

QString chooseOgg(OutputSettings& s, const QString& key) {
    const OggSettings stored = OggSettings::load(key);
    if (QString refusal = stored.refusal(); !refusal.isEmpty()) return refusal;
    s.ogg = stored.format();
    return {};
}

QString chooseWma(OutputSettings& s, const QString& key) {
    if (wmaEncoderAvailable()) s.wmaProfile = WmaSettings::load(key).profile;
    return {};
}

QString chooseFlac(OutputSettings& s, const QString& key) {
    s.flac = FlacSettings::load(key).format();
    return {};
}

QString chooseOpus(OutputSettings& s, const QString& key) {
    s.opus = OpusSettings::load(key).format();
    return {};
}

QString wmaUnavailable() {
    if (wmaEncoderAvailable()) return {};
    return QCoreApplication::translate("Formats",
                                       "WMA format is NOT supported in your system, the wma codec may not be installed.!");
}

PcmFormat wmaProfileFormat(const OutputSettings& s) {
    const WmaProfile profile = WmaSettings{s.wmaProfile}.format();
    return {profile.sampleRate, profile.channels};
}

constexpr auto RG = LoudnessConvention::ReplayGain;

}  // namespace

const QList<OutputFormat>& outputFormats() {
    // clang-format off
    static const QList<OutputFormat> table{
        // key   name          caption                                                        stored extractor extension mime
        {"MP3",  "MP3",        QT_TRANSLATE_NOOP("Formats", "MP3 File(.mp3)"),                2, 0, "mp3",  "audio/mpeg",
         chooseMp3,  true,  writeMp3,  TagKind::Id3,    RG, 2, 8000, 48000, nullptr, nullptr},
        {"OGG",  "Ogg Vorbis", QT_TRANSLATE_NOOP("Formats", "OGG Vorbis File(.ogg)"),         3, 3, "ogg",  "audio/x-vorbis+ogg",
         chooseOgg,  true,  writeOgg,  TagKind::Vorbis, RG, 8, 1, 200000, nullptr, nullptr},
        {"WAV",  "WAV",        QT_TRANSLATE_NOOP("Formats", "WAV File(.wav)"),                1, 1, "wav",  "audio/x-wav",
         chooseWav,  true,  writeWav,  TagKind::Id3,    RG, 8, 6000, 96000, nullptr, nullptr},
        {"WMA",  "WMA",        QT_TRANSLATE_NOOP("Formats", "Window Media Audio File(.wma)"), 4, 2, "wma",  "audio/x-ms-wma",
         chooseWma,  false, writeWma,  TagKind::Asf,    RG, 2, 16000, 48000, wmaUnavailable, wmaProfileFormat},
        {"FLAC", "FLAC",       QT_TRANSLATE_NOOP("Formats", "FLAC File(.flac)"),              5, 4, "flac", "audio/flac",
         chooseFlac, false, writeFlac, TagKind::Vorbis, RG, 8, 1, 655350, nullptr, nullptr},
        {"OPUS", "Opus",       QT_TRANSLATE_NOOP("Formats", "Opus File(.opus)"),              6, 5, "opus", "audio/x-opus+ogg",
         chooseOpus, false, writeOpus, TagKind::Opus,   LoudnessConvention::R128, 8, 1000, 768000, nullptr, nullptr},
    };
    // clang-format on
    return table;
}

const OutputFormat* outputFormat(const QString& key) {
    for (const OutputFormat& f : outputFormats())
        if (key == QLatin1String(f.key)) return &f;
    return nullptr;
}

const OutputFormat* outputFormatByExtension(const QString& extension) {
    for (const OutputFormat& f : outputFormats())
        if (extension.compare(QLatin1String(f.extension), Qt::CaseInsensitive) == 0) return &f;
    return nullptr;
}

namespace {
template <typename Place>
QList<const OutputFormat*> sortedBy(Place place) {
    QList<const OutputFormat*> list;
    for (const OutputFormat& f : outputFormats()) list << &f;
    std::sort(list.begin(), list.end(), [&](const OutputFormat* a, const OutputFormat* b) { return place(*a) < place(*b); });
    return list;
}
}  // namespace

QList<const OutputFormat*> converterFormatList() {
    return sortedBy([](const OutputFormat& f) { return f.storedIndex; });
}

QList<const OutputFormat*> extractorFormatList() {
    return sortedBy([](const OutputFormat& f) { return f.extractorPosition; });
}

namespace {
struct InputEntry {
    const char* name;
    const char* extensions;  // written with spaces between them
    const char* caption;
    const char* mimeTypes;   // the same
    InputKind kind;
};

constexpr auto kDecoded = InputKind::Decoded;
// clang-format off
constexpr InputEntry kInputs[] = {
    {"WAV", "wav", QT_TRANSLATE_NOOP("Formats", "Wav files"), "audio/x-wav audio/wav audio/vnd.wave", kDecoded},
    {"MP3", "mp3", QT_TRANSLATE_NOOP("Formats", "MP3 files"), "audio/mpeg", kDecoded},
    {"Ogg Vorbis", "ogg", QT_TRANSLATE_NOOP("Formats", "Ogg Vorbis files"), "audio/ogg audio/x-vorbis+ogg", kDecoded},
    {"WMA", "wma", QT_TRANSLATE_NOOP("Formats", "WMA files"), "audio/x-ms-wma", kDecoded},
    {QT_TRANSLATE_NOOP("Formats", "CD Audio"), "cda", QT_TRANSLATE_NOOP("Formats", "CD Audio files"), "", InputKind::CdTrack},
    {"FLAC", "flac", QT_TRANSLATE_NOOP("Formats", "FLAC files"), "audio/flac", kDecoded},
    {"Opus", "opus", QT_TRANSLATE_NOOP("Formats", "Opus files"), "audio/x-opus+ogg", kDecoded},
    {QT_TRANSLATE_NOOP("Formats", "CD image"), "cue toc nrg", QT_TRANSLATE_NOOP("Formats", "CD images"),
     "application/x-cue application/x-cdrdao-toc", InputKind::DiscImage},
};
// clang-format on

QStringList words(const char* text) { return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts); }
QString translated(const char* text) { return QCoreApplication::translate("Formats", text); }
}  // namespace

QString OutputFormat::shownCaption() const { return translated(caption); }

// Made at each call, so that the texts follow the translation installed.
QList<InputFormat> inputFormats() {
    QList<InputFormat> list;
    for (const InputEntry& e : kInputs)
        list << InputFormat{translated(e.name), words(e.extensions), translated(e.caption), words(e.mimeTypes), e.kind};
    return list;
}

QStringList readableExtensions() {
    QStringList extensions;
    for (const InputFormat& f : inputFormats())
        if (f.kind == InputKind::Decoded) extensions << f.extensions;
    return extensions;
}

}  // namespace audio
