#include "components/audio/codecs/WMAFile.h"

#include "components/audio/engine/BlockIO.h"
#include "components/audio/codecs/Decoder.h"
#include "components/audio/codecs/Resampler.h"
#include "components/audio/settings/OutputSettings.h"

#include <QCoreApplication>

namespace {

constexpr std::int16_t stateReading = 1;
constexpr std::int16_t stateWriting = 2;

}  // namespace

const std::vector<WmaProfile>& WMAFile::profiles() { return WmaSettings::profiles(); }

WMAFile::WMAFile() = default;

WMAFile::~WMAFile() {
    try {
        Close();
    } catch (const ComponentError&) {
        // A destructor cannot report; the file stays as far as it was written.
    }
}

void WMAFile::OpenRead(const QString& path) {
    Close();
    m_reader = audio_detail::openReader(path, m_state, m_channelLimit);
}

void WMAFile::Close() {
    m_reader.reset();
    m_framesWritten = 0;
    if (m_writer)
        audio_detail::finishThrough(std::move(m_writer), std::move(m_resampler));
    m_writer.reset();
    m_resampler.reset();
}

void WMAFile::Create(const QString& path) {
    Close();
    const WmaProfile& profile = profiles()[static_cast<std::size_t>(m_profile)];
    const PcmFormat target{profile.sampleRate, profile.channels};
    const PcmFormat incoming{m_declared.sampleRate > 0 ? m_declared.sampleRate : target.sampleRate,
                             m_declared.channels > 0 ? m_declared.channels : target.channels};
    try {
        std::unique_ptr<Resampler> resampler;
        if (incoming != target)
            resampler = std::make_unique<Resampler>(incoming, target);
        auto writer = makeWmaEncoder(profile);
        writer->open(path);
        m_writer = std::move(writer);
        m_resampler = std::move(resampler);
    } catch (const ComponentError& e) {
        m_state.fail(e.description());
        return;
    }
    m_incoming = incoming;
    m_state.succeed();
}

void WMAFile::WriteBlock(const SampleBlock& block) {
    if (!m_writer)
        throw ComponentError(QCoreApplication::translate("AudioFile", "No WMA file is open for writing."));
    audio_detail::writeThrough(*m_writer, m_resampler.get(), m_incoming, block);
    // Counted in the profile's format; a conversion's delay is ignored here.
    const auto frames = static_cast<std::int64_t>(block.size()) / m_incoming.channels;
    m_framesWritten += frames * m_writer->format().sampleRate / m_incoming.sampleRate;
}

SampleBlock WMAFile::ReadBlock(int sampleCount) {
    if (!m_reader)
        throw ComponentError(QCoreApplication::translate("AudioFile", "No file is open for reading."));
    return audio_detail::readThrough(*m_reader, sampleCount);
}

void WMAFile::DeclareInputFormat(int sampleRate, int channels) {
    if (sampleRate < 0 || channels < 0)
        throw ComponentError(QCoreApplication::translate("AudioFile", "%1 Hz with %2 channels is not an audio format.")
                                 .arg(sampleRate).arg(channels));
    m_declared = {sampleRate, channels};
    if (!m_writer)
        return;
    // Writing already: later blocks come in the new format, so the conversion is rebuilt
    // after handing on what the old one still holds.
    const PcmFormat target = m_writer->format();
    const PcmFormat incoming{sampleRate > 0 ? sampleRate : target.sampleRate, channels > 0 ? channels : target.channels};
    if (incoming == m_incoming)
        return;
    std::unique_ptr<Resampler> next;
    if (incoming != target)
        next = std::make_unique<Resampler>(incoming, target);
    if (m_resampler) {
        const std::vector<std::int16_t>& rest = m_resampler->flush();
        const auto frames = rest.size() / static_cast<std::size_t>(target.channels);
        if (frames > 0)
            m_writer->write(rest.data(), frames);
    }
    m_resampler = std::move(next);
    m_incoming = incoming;
}

int WMAFile::channels() const { return m_reader ? m_reader->channels() : formatFigure2(); }

int WMAFile::sampleRate() const { return m_reader ? m_reader->sampleRate() : formatFigure1(); }

std::int64_t WMAFile::length() const {
    if (m_reader)
        return m_reader->lengthFrames();
    if (m_writer)
        return m_framesWritten;
    return WMASupported() ? formatFigure1() : 0;
}

int WMAFile::formatFigure1() const { return profiles()[static_cast<std::size_t>(m_profile)].sampleRate; }

int WMAFile::formatFigure2() const { return profiles()[static_cast<std::size_t>(m_profile)].channels; }

int WMAFile::formatFigure3() const { return 16; }

QString WMAFile::formatDescription() const { return describeWma(profiles()[static_cast<std::size_t>(m_profile)]); }

std::int16_t WMAFile::state() const {
    if (m_reader)
        return stateReading;
    if (m_writer)
        return stateWriting;
    return 0;
}

bool WMAFile::WMASupported() const { return wmaEncoderAvailable(); }

void WMAFile::setWMProfile(int number) {
    if (number < 0 || number >= ProfileCount())
        throw ComponentError(
            QCoreApplication::translate("AudioFile", "There is no WMA profile %1 (profiles are 0 to %2).")
                .arg(number).arg(ProfileCount() - 1));
    m_profile = number;
}

int WMAFile::ProfileCount() const { return static_cast<int>(profiles().size()); }

QString WMAFile::readError() const { return m_reader ? m_reader->failure() : QString(); }
QString WMAFile::readDamage() const { return m_reader ? m_reader->damage() : QString(); }
