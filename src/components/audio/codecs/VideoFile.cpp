#include "components/audio/codecs/VideoFile.h"

#include "components/ComponentError.h"
#include "components/audio/codecs/ChannelLayout.h"
#include "components/audio/codecs/Decoder.h"
#include "components/audio/codecs/Resampler.h"

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace {

// Frames decoded at a time in the sound track's own format.
constexpr std::size_t kChunkFrames = 4096;
// A sound track that ends this much before the length its container states was cut short.
// Containers round their lengths and codecs pad their ends, so small differences are normal.
constexpr double kShortfallSeconds = 1.0;
constexpr double kShortfallShare = 0.02;
// How far before the stated end the search for the file's last data starts: more than the
// longest stretch between two keyframes or clusters of common videos.
constexpr double kDataEndLookBackSeconds = 10.0;
// Below this score FFmpeg only guessed the format from the name or from stray bytes.
constexpr int kMinProbeScore = 5;

QString quoted(const QString& path) { return QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(path)); }

}  // namespace

VideoFile::VideoFile() = default;
VideoFile::~VideoFile() = default;

bool VideoFile::IsVideoFile(const QString& path) const {
    const QFileInfo info(path);
    // Pipes and devices would block the probe.
    if (path.isEmpty() || !info.isFile() || !info.isReadable() || info.size() == 0) return false;
    av_log_set_level(AV_LOG_QUIET);
    AVFormatContext* format = avformat_alloc_context();
    if (!format) return false;
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    const QByteArray url = QByteArrayLiteral("file:") + QFile::encodeName(path);
    const int rc = avformat_open_input(&format, url.constData(), nullptr, &options);
    av_dict_free(&options);
    if (rc < 0) return false;  // the context is freed on failure
    bool media = false;
    if (format->probe_score >= kMinProbeScore && avformat_find_stream_info(format, nullptr) >= 0) {
        for (unsigned i = 0; i < format->nb_streams && !media; ++i) {
            const AVMediaType type = format->streams[i]->codecpar->codec_type;
            media = type == AVMEDIA_TYPE_VIDEO || type == AVMEDIA_TYPE_AUDIO;
        }
    }
    avformat_close_input(&format);
    return media;
}

void VideoFile::SetAudioFormat(int sampleRate, int channels) {
    m_wantedRate = std::max(sampleRate, 0);
    m_wantedChannels = std::clamp(channels, 0, 2);
}

void VideoFile::Open(const QString& path) {
    Close();
    m_path = path;
    auto decoder = std::make_unique<Decoder>();
    if (ParsingVideoFile) decoder->setOpenProgress(ParsingVideoFile);
    decoder->setChannelLimit(m_keepSurround && m_wantedChannels != 1 ? channel_layout::kMaxChannels : 2);
    try {
        decoder->open(path);
        const int rate = m_wantedRate > 0 ? m_wantedRate : decoder->sampleRate();
        // More than two decoded channels are surround that is kept.
        const int channels = m_wantedChannels > 0 && decoder->channels() <= 2 ? m_wantedChannels : decoder->channels();
        const PcmFormat own{decoder->sampleRate(), decoder->channels()};
        const PcmFormat wanted{rate, channels};
        if (own != wanted) m_resampler = std::make_unique<Resampler>(own, wanted);
        m_rate = rate;
        m_channels = channels;
    } catch (const ComponentError& e) {
        m_resampler.reset();
        m_state.fail(e.description());
        return;
    }
    decoder->setOpenProgress({});
    m_decoder = std::move(decoder);
    m_state.succeed();
    if (ParsingVideoFile) ParsingVideoFile(100);
}

void VideoFile::Close() {
    m_decoder.reset();
    m_resampler.reset();
    m_queue.clear();
    m_chunk.clear();
    m_path.clear();
    m_readError.clear();
    m_rate = m_channels = 0;
    m_delivered = 0;
    m_ended = false;
}

bool VideoFile::isOpen() const { return m_decoder != nullptr; }

// Decodes and converts until the queue holds `samples` samples or the track has ended.
bool VideoFile::fill(std::size_t samples) {
    const auto ownChannels = static_cast<std::size_t>(m_decoder->channels());
    while (m_queue.size() < samples && !m_ended) {
        m_chunk.resize(kChunkFrames * ownChannels);
        const std::size_t frames = m_decoder->read(m_chunk.data(), kChunkFrames);
        if (frames == 0) {
            endOfTrack();
            break;
        }
        if (!m_resampler) {
            m_queue.insert(m_queue.end(), m_chunk.begin(), m_chunk.begin() + static_cast<std::ptrdiff_t>(frames * ownChannels));
            continue;
        }
        const std::vector<std::int16_t>& converted = m_resampler->convert(m_chunk.data(), frames);
        m_queue.insert(m_queue.end(), converted.begin(), converted.end());
    }
    return !m_queue.empty();
}

void VideoFile::endOfTrack() {
    m_ended = true;
    if (m_resampler) {
        const std::vector<std::int16_t>& rest = m_resampler->flush();
        m_queue.insert(m_queue.end(), rest.begin(), rest.end());
    }
    m_readError = m_decoder->failure();
    if (!m_readError.isEmpty()) return;
    // A file cut short still states its whole length; its end is not the track's end. A sound
    // track that is merely shorter than the picture (Matroska and WebM state one length for the
    // whole file) is whole: only a file whose data of every stream stops early is cut short.
    const std::int64_t stated = AudioSampleCount();
    const std::int64_t total = m_delivered + static_cast<std::int64_t>(m_queue.size()) / m_channels;
    const double statedSeconds = static_cast<double>(stated) / m_rate;
    const double tolerance = std::max(kShortfallSeconds, kShortfallShare * statedSeconds);
    if (stated <= 0 || statedSeconds - static_cast<double>(total) / m_rate <= tolerance) return;
    const double dataEnd = Decoder::dataEndSeconds(m_path, statedSeconds - kDataEndLookBackSeconds);
    if (dataEnd >= 0 && statedSeconds - dataEnd <= tolerance) return;
    m_readError = QCoreApplication::translate("VideoFile", "The sound track of %1 ends after %2 s of the %3 s its file "
                                                           "states: the file is incomplete.")
                      .arg(quoted(m_path))
                      .arg(static_cast<double>(total) / m_rate, 0, 'f', 1)
                      .arg(statedSeconds, 0, 'f', 1);
}

double VideoFile::BytesReadFraction() const { return m_decoder ? m_decoder->bytesReadFraction() : 0.0; }

SampleBlock VideoFile::ReadAudioBlock(int sampleCount) {
    if (!m_decoder || m_channels <= 0) return {};
    const auto channels = static_cast<std::size_t>(m_channels);
    const std::size_t wanted = std::max<std::size_t>(1, static_cast<std::size_t>(std::max(sampleCount, 0)) / channels) * channels;
    try {
        fill(wanted);
    } catch (const ComponentError& e) {
        m_ended = true;
        m_readError = e.description();
        m_queue.clear();
        return {};
    }
    const std::size_t n = std::min(wanted, m_queue.size() / channels * channels);
    SampleBlock block(m_queue.begin(), m_queue.begin() + static_cast<std::ptrdiff_t>(n));
    m_queue.erase(m_queue.begin(), m_queue.begin() + static_cast<std::ptrdiff_t>(n));
    m_delivered += static_cast<std::int64_t>(n / channels);
    return block;
}

int VideoFile::AudioChannels() const { return m_channels; }
int VideoFile::AudioSampleRate() const { return m_rate; }

double VideoFile::AudioPosition() const { return m_rate > 0 ? static_cast<double>(m_delivered) / m_rate : 0.0; }

double VideoFile::AudioDuration() const {
    if (!m_decoder || m_decoder->sampleRate() <= 0) return 0.0;
    return static_cast<double>(m_decoder->lengthFrames()) / m_decoder->sampleRate();
}

std::int64_t VideoFile::AudioSampleCount() const {
    if (!m_decoder || m_decoder->sampleRate() <= 0) return 0;
    return static_cast<std::int64_t>(
        std::llround(static_cast<double>(m_decoder->lengthFrames()) * m_rate / m_decoder->sampleRate()));
}
