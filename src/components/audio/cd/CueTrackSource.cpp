#include "components/audio/cd/CueTrackSource.h"

#include "components/audio/codecs/ChannelLayout.h"
#include "components/audio/codecs/Decoder.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace audio {

CueTrackSource::CueTrackSource(QString entry) : m_entry(std::move(entry)) {}
CueTrackSource::~CueTrackSource() = default;

bool CueTrackSource::open() {
    m_error.clear();
    const std::optional<cue::EntryRef> ref = cue::entryRef(m_entry);
    if (!ref) {
        m_error = QCoreApplication::translate("CueSheet", "%1 names no track of a CUE sheet.").arg(m_entry);
        return false;
    }
    const cue::AudioSheet sheet = cue::readAudioSheet(ref->sheet);
    const cue::AudioTrack* track = sheet.track(ref->number);
    if (!track) {
        m_error = !sheet.refusal.isEmpty() ? sheet.refusal
                                           : QCoreApplication::translate("CueSheet", "%1 has no track %2.").arg(QFileInfo(ref->sheet).fileName(), QString::number(ref->number));
        return false;
    }
    m_track = track->number;
    m_decoder = std::make_unique<Decoder>();
    m_decoder->setChannelLimit(channel_layout::kMaxChannels);
    try {
        m_decoder->open(track->file);
    } catch (const ComponentError& e) {
        m_error = e.description();
        return false;
    }
    const int rate = m_decoder->sampleRate();
    m_start = cue::samplesAt(track->start, rate);
    m_end = track->end < 0 ? -1 : cue::samplesAt(track->end, rate);
    m_position = m_decoder->seek(m_start);
    if (m_position != m_start) {
        m_error = QCoreApplication::translate("CueSheet", "The audio file %1 ends before track %2 starts.").arg(QFileInfo(track->file).fileName(), QString::number(m_track));
        return false;
    }
    return true;
}

int CueTrackSource::sampleRate() const { return m_decoder ? m_decoder->sampleRate() : 0; }
int CueTrackSource::channels() const { return m_decoder ? m_decoder->channels() : 0; }
int CueTrackSource::bits() const { return m_decoder ? m_decoder->sourceBits() : 16; }

std::int64_t CueTrackSource::statedFrames() const {
    if (!m_decoder) return 0;
    if (m_end >= 0) return m_end - m_start;
    const std::int64_t length = m_decoder->lengthFrames();
    return length > m_start ? length - m_start : 0;
}

std::size_t CueTrackSource::framesFor(int samples) const {
    if (!m_decoder || !m_decoder->isOpen() || !m_error.isEmpty()) return 0;
    const auto frames = static_cast<std::int64_t>(std::max(1, samples / std::max(1, channels())));
    return static_cast<std::size_t>(m_end < 0 ? frames : std::min(frames, m_end - m_position));
}

void CueTrackSource::advance(std::size_t got) {
    m_position += static_cast<std::int64_t>(got);
    if (!m_decoder->damage().isEmpty()) {
        m_error = m_decoder->damage();
    } else if (got == 0 && !m_decoder->failure().isEmpty()) {
        m_error = m_decoder->failure();
    } else if (got == 0 && m_end >= 0 && m_position < m_end) {
        m_error = QCoreApplication::translate("CueSheet", "The audio file ends inside track %1, %2 seconds before its end.")
                      .arg(m_track)
                      .arg(double(m_end - m_position) / m_decoder->sampleRate(), 0, 'f', 1);
    }
}

SampleBlock CueTrackSource::read(int samples) {
    const std::size_t frames = framesFor(samples);
    if (frames == 0) return {};
    SampleBlock block(frames * static_cast<std::size_t>(channels()));
    const std::size_t got = m_decoder->read(block.data(), frames);
    block.resize(got * static_cast<std::size_t>(channels()));
    advance(got);
    if (!m_error.isEmpty()) return {};
    return block;
}

WideBlock CueTrackSource::readWide(int samples) {
    const std::size_t frames = framesFor(samples);
    if (frames == 0) return {};
    WideBlock block(frames * static_cast<std::size_t>(channels()));
    const std::size_t got = m_decoder->readWide(block.data(), frames);
    block.resize(got * static_cast<std::size_t>(channels()));
    advance(got);
    if (!m_error.isEmpty()) return {};
    return block;
}

void CueTrackSource::close() {
    if (m_decoder) m_decoder->close();
}

}  // namespace audio
