#include "components/audio/codecs/AudioFile.h"

#include "components/audio/Formats.h"
#include "components/audio/engine/BlockIO.h"
#include "components/audio/codecs/ChannelLayout.h"
#include "components/audio/codecs/Decoder.h"
#include "components/audio/codecs/Resampler.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <utility>

namespace {

void requireFormat(int sampleRate, int channels) {
    if (sampleRate < 1000 || sampleRate > 384000 || channels < 1 || channels > channel_layout::kMaxChannels)
        throw ComponentError(QCoreApplication::translate("AudioFile", "Blocks of %1 Hz with %2 channels cannot be written.")
                                 .arg(sampleRate)
                                 .arg(channels));
}

}  // namespace

AudioFile::AudioFile() = default;

AudioFile::~AudioFile() {
    // A writer dropped without Close keeps what was written; nothing may throw here.
    try {
        Close();
    } catch (const ComponentError&) {
    }
}

void AudioFile::OpenRead(const QString& path, int, int) {
    Close();
    m_reader = audio_detail::openReader(path, m_state, m_channelLimit);
}

void AudioFile::Close() {
    m_reader.reset();
    // The writer is taken out first so that a failure while finishing leaves the object closed.
    audio_detail::finishThrough(std::move(m_writer), std::move(m_resampler));
}

void AudioFile::Create(const QString& path, int) {
    Close();
    const std::int64_t frames = std::exchange(m_declaredFrames, 0);
    const QString suffix = QFileInfo(path).suffix();
    const audio::OutputFormat* format = audio::outputFormatByExtension(suffix);
    if (!format) {
        m_state.fail(QCoreApplication::translate("AudioFile", "\"%1\": the file type \"%2\" cannot be written.")
                         .arg(path, suffix.toLower()));
        return;
    }
    try {
        std::unique_ptr<Encoder> writer =
            format->makeWriter(m_settings, audio::WriterInput{m_declared, m_declaredBits, frames, m_mp3Refusal});
        writer->open(path);
        const PcmFormat target = writer->format();
        const PcmFormat incoming = m_declared.sampleRate > 0 ? m_declared : target;
        m_resampler = incoming == target ? nullptr : std::make_unique<Resampler>(incoming, target);
        m_incoming = incoming;
        m_writer = std::move(writer);
        m_state.succeed();
    } catch (const ComponentError& e) {
        m_resampler.reset();
        m_state.fail(e.description());
    }
}

void AudioFile::WriteBlock(const SampleBlock& block) {
    if (!m_writer) throw ComponentError(QCoreApplication::translate("AudioFile", "No file is open for writing."));
    audio_detail::writeThrough(*m_writer, m_resampler.get(), m_incoming, block);
}

SampleBlock AudioFile::ReadBlock(int sampleCount) {
    if (!m_reader) return {};
    return audio_detail::readThrough(*m_reader, sampleCount);
}

WideBlock AudioFile::ReadWideBlock(int sampleCount) {
    if (!m_reader) return {};
    const int channels = m_reader->channels();
    const auto frames = static_cast<std::size_t>(std::max(1, sampleCount / channels));
    WideBlock block(frames * static_cast<std::size_t>(channels));
    block.resize(m_reader->readWide(block.data(), frames) * static_cast<std::size_t>(channels));
    return block;
}

int AudioFile::sourceBits() const { return m_reader ? m_reader->sourceBits() : 16; }

bool AudioFile::writesWide() const { return m_writer && !m_resampler && m_writer->bits() > 16; }

void AudioFile::WriteWideBlock(const WideBlock& block) {
    if (!writesWide())
        throw ComponentError(QCoreApplication::translate("AudioFile", "No file that keeps more than 16 bits is open for writing."));
    const auto channels = static_cast<std::size_t>(m_incoming.channels);
    if (block.size() % channels != 0)
        throw ComponentError(
            QCoreApplication::translate("AudioFile", "A block of %1 samples does not hold whole frames of %2 channels.")
                .arg(block.size())
                .arg(channels));
    if (!block.empty()) m_writer->writeWide(block.data(), block.size() / channels);
}

std::int64_t AudioFile::Seek(std::int64_t position, int origin) {
    if (origin != 3)
        throw ComponentError(QCoreApplication::translate("AudioFile", "Only seeking from the start (origin 3) is offered."));
    if (!m_reader) throw ComponentError(QCoreApplication::translate("AudioFile", "No file is open for reading."));
    return m_reader->seek(std::max<std::int64_t>(0, position));
}

bool AudioFile::CheckOggFormat(int rate, int channels, int nominal, int minimum, int maximum) const {
    return vorbisCanEncode(rate, channels, nominal, minimum, maximum);
}

void AudioFile::DeclareInputFormat(int sampleRate, int channels, int bits) {
    requireFormat(sampleRate, channels);
    m_declared = {sampleRate, channels};
    m_declaredBits = bits;
}

namespace {
AudioFile::WavFormatChooserFn& wavFormatChooser() {
    static AudioFile::WavFormatChooserFn chooser;
    return chooser;
}
}  // namespace

void AudioFile::setWavFormatChooser(WavFormatChooserFn chooser) { wavFormatChooser() = std::move(chooser); }

std::optional<WavFormat> AudioFile::chooseWavFormat(const WavFormat& current, QObject* owner) {
    if (!wavFormatChooser()) return std::nullopt;
    const std::optional<WavFormat> picked = wavFormatChooser()(current, owner);
    if (!picked) return std::nullopt;
    if (const QString refusal = wav_settings::refusal(*picked); !refusal.isEmpty()) throw ComponentError(refusal);
    return picked;
}

bool AudioFile::ChooseWavFormat(QObject* owner) {
    const std::optional<WavFormat> chosen = chooseWavFormat(m_settings.wav, owner);
    if (!chosen) return false;
    m_settings.wav = *chosen;
    m_mp3HandedLast = false;
    return true;
}

void AudioFile::SetPcmFormat(int sampleRate, int channels, int bitsPerSample) {
    const WavFormat format{sampleRate, channels, bitsPerSample};
    if (const QString refusal = wav_settings::refusal(format); !refusal.isEmpty()) throw ComponentError(refusal);
    m_settings.wav = format;
    m_mp3HandedLast = false;
}

void AudioFile::SetEncodingParameters(int sampleRate, int kbps, int channels) {
    // Each format is held to its own rules: an MP3 refusal only stops an MP3 file, when it is
    // created, and never a WAV or Ogg Vorbis file at a rate MP3 cannot take.
    m_mp3Refusal.clear();
    try {
        MP3Settings mp3 = m_settings.mp3;
        mp3.setSampleRate(sampleRate);
        mp3.setChannels(channels);
        if (channels == 1) mp3.setChannelMode(0);
        else if (mp3.channelMode() == 0) mp3.setChannelMode(2);
        mp3.setCodingMethod(-1);
        mp3.setBitrate(kbps);
        m_settings.mp3 = mp3;
    } catch (const ComponentError& e) {
        m_mp3Refusal = e.description();
    }
    m_settings.ogg = OggFormat{sampleRate, channels, kbps, 0, 0, 0};
    // Vorbis manages bitrates only over a middle band of rates; above and below it the nearest
    // quality is what it can encode. Inside the band a bitrate it refuses stays refused, with
    // the bitrates it takes named when the file is created.
    if (channels >= 1 && channels <= 2 && vorbisNominalRange(sampleRate, channels).minKbps == 0)
        m_settings.ogg.quality = vorbisQualityFor(kbps, channels);
}

void AudioFile::copySettingsFrom(const AudioFile& other) {
    m_settings = other.m_settings;
    m_mp3HandedLast = other.m_mp3HandedLast;
    m_mp3Refusal = other.m_mp3Refusal;
    m_option = other.m_option;
}

void AudioFile::useSettings(const OutputSettings& settings) {
    // A number that is no WMA profile leaves the one held.
    const int wmaProfile = m_settings.wmaProfile;
    m_settings = settings;
    if (settings.wmaProfile < 0 || settings.wmaProfile >= WmaSettings::profileCount()) m_settings.wmaProfile = wmaProfile;
    UseMp3Settings(settings.mp3);
}

void AudioFile::UseMp3Settings(const MP3Settings& settings) {
    m_settings.mp3 = settings;
    m_mp3Refusal.clear();
    m_mp3HandedLast = true;
}

void AudioFile::SetOggFormat(int rate, int channels, int nominal, int minimum, int maximum, int quality) {
    m_settings.ogg = OggFormat{rate, channels, nominal, minimum, maximum, quality};
}

std::int64_t AudioFile::length() const { return m_reader ? m_reader->lengthFrames() : 0; }

int AudioFile::outputSampleRate() const { return m_writer ? m_writer->format().sampleRate : m_settings.wav.sampleRate; }

QString AudioFile::formatDescription() const {
    if (m_writer) return m_writer->description();
    return m_mp3HandedLast ? m_settings.mp3.description() : describeWav(m_settings.wav);
}

int AudioFile::channels() const {
    if (m_reader) return m_reader->channels();
    return m_writer ? m_writer->format().channels : 0;
}

int AudioFile::sampleRate() const {
    if (m_reader) return m_reader->sampleRate();
    return m_writer ? m_writer->format().sampleRate : 0;
}

bool AudioFile::isReading() const { return m_reader != nullptr; }
bool AudioFile::isWriting() const { return m_writer != nullptr; }

QString AudioFile::readError() const { return m_reader ? m_reader->failure() : QString(); }
QString AudioFile::readDamage() const { return m_reader ? m_reader->damage() : QString(); }

void AudioFile::setWmaProfile(int number) {
    if (number < 0 || number >= WmaSettings::profileCount()) throw ComponentError(WmaSettings{number}.refusal());
    m_settings.wmaProfile = number;
}
