// Decoding of any input FFmpeg reads to 16-bit interleaved PCM at the file's own rate, in the
// standard layout of the channel count handed out.
//
// Decoded samples pass through a small queue so that read() can hand out blocks of exactly
// the size asked for. The queue only ever holds what one decoded frame produced, so memory
// does not depend on what the file claims about its length.
#include "components/audio/codecs/Decoder.h"

#include "components/audio/codecs/ChannelLayout.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/error.h>
#include <libavutil/log.h>
#include <libavutil/mathematics.h>
#include <libavutil/samplefmt.h>
#include <libswresample/swresample.h>
}

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <mutex>

namespace {

// Consecutive failures (unreadable packets, undecodable frames) after which a file is taken
// to have ended.
constexpr int kMaxConsecutiveErrors = 500;
// Forward moves up to this many seconds decode through instead of seeking the container.
constexpr int kDecodeThroughSeconds = 2;
// Container seeks land this far before the target, so that the decoder has settled there.
constexpr int kSeekMarginMs = 500;
// Below this score FFmpeg only guessed the format (from the name, or from a stray header in
// arbitrary bytes); such files decode to noise at best.
constexpr int kMinProbeScore = 5;
// How much of a WAV file's sample data FFmpeg looks at to find compressed sound carried as PCM.
constexpr std::int64_t kWavProbeBytes = 64 * 1024;

QString avErrorText(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

QString quoted(const QString& path) {
    return QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(path));
}

void silenceLibraryLog() {
    static std::once_flag once;
    std::call_once(once, [] { av_log_set_level(AV_LOG_QUIET); });
}

std::uint32_t littleEndian32(const char* bytes) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes);
    return std::uint32_t{b[0]} | std::uint32_t{b[1]} << 8 | std::uint32_t{b[2]} << 16 | std::uint32_t{b[3]} << 24;
}

// Where a WAV file's data chunk starts and how many bytes it states; offset 0 when the file
// is no WAV or has no data chunk.
struct WavData {
    qint64 offset = 0;  // of the first sample byte
    qint64 stated = 0;
    qint64 fileSize = 0;
};

WavData wavData(QFile& file) {
    WavData found;
    found.fileSize = file.size();
    char header[12];
    if (file.read(header, 12) != 12 || std::memcmp(header, "RIFF", 4) != 0 || std::memcmp(header + 8, "WAVE", 4) != 0)
        return found;
    qint64 pos = 12;
    for (int chunk = 0; chunk < 256 && pos + 8 <= found.fileSize; ++chunk) {
        char head[8];
        if (!file.seek(pos) || file.read(head, 8) != 8) return found;
        const qint64 size = littleEndian32(head + 4);
        if (std::memcmp(head, "data", 4) == 0) {
            found.offset = pos + 8;
            found.stated = size;
            return found;
        }
        pos += 8 + size + (size & 1);
    }
    return found;
}

// True for a WAV file whose data chunk states fewer bytes than follow it to the end of the
// file, with no further chunk after the stated end: the header lies (a recorder that never
// finished its header, a file joined to another), and the audio runs to the end of the file.
// A real chunk after the data (tags, cue points) keeps the stated length, so that its bytes are
// never played as audio.
bool wavDataRunsPastItsLength(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const WavData data = wavData(file);
    if (data.offset == 0) return false;
    const qint64 next = data.offset + data.stated + (data.stated & 1);
    if (next + 8 > data.fileSize) return false;  // the data reaches the end, or only a few stray bytes follow
    char head[8];
    if (!file.seek(next) || file.read(head, 8) != 8) return false;
    const bool printableId = std::all_of(head, head + 4, [](char c) { return c >= 0x20 && c <= 0x7e; });
    const bool fits = littleEndian32(head + 4) <= static_cast<std::uint64_t>(data.fileSize - next - 8);
    return !(printableId && fits);
}

// The bytes of sample data a WAV header states when the file stops before them: the file was
// cut short. 0 when it holds them all, and for the sizes recorders leave while they still
// write (0 and 0xFFFFFFFF), which state nothing.
qint64 wavMissingDataBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return 0;
    const WavData data = wavData(file);
    if (data.offset == 0 || data.stated == 0 || data.stated == 0xFFFFFFFFLL) return 0;
    return std::max<qint64>(0, data.offset + data.stated - data.fileSize);
}

// True when an Ogg file ends inside a page: its last page is incomplete, so the stream was cut
// short. (Its length, read from the last page there is, cannot tell.)
bool oggEndsInsideAPage(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const qint64 size = file.size();
    constexpr qint64 kLargestPage = 27 + 255 + 255 * 255;
    const qint64 from = std::max<qint64>(0, size - kLargestPage - 27);
    if (!file.seek(from)) return false;
    const QByteArray tail = file.readAll();
    const qsizetype at = tail.lastIndexOf("OggS");
    if (at < 0 || tail.size() - at < 27) return at >= 0;
    const auto segments = static_cast<unsigned char>(tail[at + 26]);
    if (tail.size() - at < 27 + segments) return true;
    qint64 body = 0;
    for (int i = 0; i < segments; ++i) body += static_cast<unsigned char>(tail[at + 27 + i]);
    return at + 27 + segments + body > tail.size();
}

// "1:05.3" or "1:02:05.3".
QString clockText(double seconds) {
    const auto tenths = static_cast<qint64>(std::llround(std::max(0.0, seconds) * 10));
    const qint64 s = tenths / 10, hours = s / 3600;
    const QString rest = QStringLiteral("%1.%2").arg(s % 60, 2, 10, QLatin1Char('0')).arg(tenths % 10);
    if (hours > 0) return QStringLiteral("%1:%2:%3").arg(hours).arg((s / 60) % 60, 2, 10, QLatin1Char('0')).arg(rest);
    return QStringLiteral("%1:%2").arg(s / 60).arg(rest);
}

// The layout of what read() hands out: the standard one of its channel count.
AVChannelLayout outputLayout(int channels) {
    AVChannelLayout layout{};
    av_channel_layout_from_mask(&layout, channel_layout::standardMask(channels));
    return layout;
}

// The layout taken for a source that states none usable: the standard one of its count, else
// FFmpeg's default.
void assumeLayout(AVChannelLayout& layout, int channels) {
    if (const std::uint64_t mask = channel_layout::standardMask(channels); mask != 0)
        av_channel_layout_from_mask(&layout, mask);
    else
        av_channel_layout_default(&layout, channels);
}

// Whether a layout is the standard one of its count but for surrounds at the side where the
// standard has them at the back, or the other way round (FFmpeg's 5.1 "(side)" is FLAC's and
// WAVE's 5.1). Taken as the standard one, its channels are copied as they are; a remix between
// the two would round some samples.
bool standardButForItsSurrounds(const AVChannelLayout& layout) {
    const int count = layout.nb_channels;
    if (channel_layout::standardMask(count) == 0) return false;
    const auto twins = [](AVChannel a, AVChannel b) {
        return a == b || (a == AV_CHAN_SIDE_LEFT && b == AV_CHAN_BACK_LEFT) || (a == AV_CHAN_BACK_LEFT && b == AV_CHAN_SIDE_LEFT) ||
               (a == AV_CHAN_SIDE_RIGHT && b == AV_CHAN_BACK_RIGHT) || (a == AV_CHAN_BACK_RIGHT && b == AV_CHAN_SIDE_RIGHT);
    };
    for (int i = 0; i < count; ++i) {
        const auto wanted = static_cast<AVChannel>(std::countr_zero(static_cast<std::uint64_t>(channel_layout::speakerAt(count, i))));
        if (!twins(av_channel_layout_channel_from_index(&layout, static_cast<unsigned>(i)), wanted)) return false;
    }
    return true;
}

}  // namespace

struct Decoder::Impl {
    QString path;
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    SwrContext* converter = nullptr;
    AVPacket* packet = nullptr;
    AVFrame* frame = nullptr;
    int streamIndex = -1;
    AVRational timeBase{1, 1};
    std::int64_t startTs = 0;  // stream time of frame 0

    int rate = 0;
    int channels = 0;
    int channelLimit = 2;  // kept across files
    std::int64_t length = 0;
    std::int64_t position = 0;

    // What the converter was set up for; a frame that differs gets a new converter.
    AVSampleFormat convertedFormat = AV_SAMPLE_FMT_NONE;
    int convertedRate = 0;
    AVChannelLayout convertedLayout{};

    // Decoded samples, interleaved: 16-bit, or 32-bit (two entries each) when reading wide.
    std::vector<std::int16_t> queue;
    std::size_t queueStart = 0;       // first entry not yet handed out
    bool wide = false;                // 32-bit samples (for sources deeper than 16 bits)
    int sourceBits = 16;              // 24 for lossless sources of more than 16 bits
    std::int64_t lastFrameStart = -1;  // stream time of the last decoded frame in frames, -1 unknown
    // Stream time of the first sample read. Some decoders hold back their first frames (WMA),
    // so frame 0 of what is read can lie after the stream's start time.
    std::int64_t origin = 0;

    bool inputDone = false;  // the decoder was told that no more packets follow
    bool finished = false;   // nothing more will be decoded
    int lastError = 0;
    QString failure;         // why decoding stopped before the end of the file; empty otherwise

    // Damage: a stretch that could not be decoded or is missing from the stream (confirmed once
    // decoding goes on after it), or an end short of what the file states.
    QString damage;
    QString pendingDamage;
    std::int64_t statedLength = 0;   // frames the file states reliably; 0 when it states none
    bool cutInsideAPage = false;     // an Ogg file whose last page is incomplete
    std::int64_t expectedNext = -1;  // where the next decoded frame should start, -1 unknown
    bool anyFrame = false;           // a frame was decoded since opening or seeking
    bool endChecked = false;

    std::function<void(int)> openProgress;
    bool opening = false;    // openFile() is reading the container
    int lastPercent = -1;

    ~Impl() { release(); }

    void release() {
        swr_free(&converter);
        av_channel_layout_uninit(&convertedLayout);
        avcodec_free_context(&codec);
        avformat_close_input(&format);
        av_packet_free(&packet);
        av_frame_free(&frame);
        streamIndex = -1;
        rate = channels = 0;
        length = position = origin = 0;
        queue.clear();
        queueStart = 0;
        inputDone = finished = false;
        lastError = 0;
        failure.clear();
        damage.clear();
        pendingDamage.clear();
        statedLength = 0;
        cutInsideAPage = false;
        expectedNext = -1;
        anyFrame = endChecked = false;
    }

    // Queue entries per frame.
    std::size_t stride() const { return static_cast<std::size_t>(channels) * (wide ? 2 : 1); }
    std::size_t queuedFrames() const { return channels > 0 ? (queue.size() - queueStart) / stride() : 0; }
    std::size_t readInto(void* out, std::size_t frames);

    void openFile(const QString& filePath);
    void openContainer(const QString& filePath, const QString& name);
    void openStream(const QString& name);
    static int reportOpenProgress(void* opaque);
    bool decodeMore();
    void giveUp();
    void noteDamage();
    void noteGap();
    void checkEnd();
    void readStatedLength(const QFileInfo& info, int sourceChannels);
    bool appendFrame();
    bool setUpConverter(AVChannelLayout& layout);
    void drainConverter();
    void resetDecoding();
    bool seekNear(std::int64_t target);
    void rewind();
    void skipTo(std::int64_t target);
};

// FFmpeg asks this between reads; while a file opens it reports the furthest point of the file
// the demuxer has read (some demuxers look at the end for an index first, then go back). It
// never interrupts anything.
int Decoder::Impl::reportOpenProgress(void* opaque) {
    auto* d = static_cast<Impl*>(opaque);
    if (!d->opening || !d->openProgress || !d->format || !d->format->pb) return 0;
    const std::int64_t size = avio_size(d->format->pb);
    if (size <= 0) return 0;
    const auto percent = static_cast<int>(std::clamp<std::int64_t>(avio_tell(d->format->pb) * 100 / size, 0, 100));
    if (percent > d->lastPercent) {
        d->lastPercent = percent;
        d->openProgress(percent);
    }
    return 0;
}

namespace {

// Checked before FFmpeg sees the file, for readable descriptions, and because opening a pipe or a
// device would block or never end.
QFileInfo checkedFile(const QString& filePath, const QString& name) {
    QFileInfo info(filePath);
    if (filePath.isEmpty() || !info.exists())
        throw ComponentError(QCoreApplication::translate("Decoder", "%1 does not exist.").arg(name));
    if (info.isDir())
        throw ComponentError(QCoreApplication::translate("Decoder", "%1 is a folder, not an audio file.").arg(name));
    if (!info.isFile())
        throw ComponentError(QCoreApplication::translate("Decoder", "%1 is not a regular file.").arg(name));
    if (!info.isReadable())
        throw ComponentError(QCoreApplication::translate("Decoder", "%1 cannot be read: permission denied.").arg(name));
    if (info.size() == 0) throw ComponentError(QCoreApplication::translate("Decoder", "%1 is empty.").arg(name));
    return info;
}

}  // namespace

// The container opened and its streams found.
void Decoder::Impl::openContainer(const QString& filePath, const QString& name) {
    format = avformat_alloc_context();
    packet = av_packet_alloc();
    frame = av_frame_alloc();
    if (!format || !packet || !frame)
        throw ComponentError(QCoreApplication::translate("Decoder", "Out of memory opening %1.").arg(name));
    format->probesize = 5 * 1000 * 1000;
    if (openProgress) {
        format->interrupt_callback.callback = &reportOpenProgress;
        format->interrupt_callback.opaque = this;
        opening = true;
        lastPercent = -1;
    }
    format->max_analyze_duration = 5 * std::int64_t{AV_TIME_BASE};

    // The "file:" prefix keeps a name with a colon from being taken for another protocol, and
    // the white list keeps playlists and the like from reaching anything but local files.
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    if (wavDataRunsPastItsLength(filePath)) av_dict_set(&options, "ignore_length", "1", 0);
    const QByteArray url = QByteArrayLiteral("file:") + QFile::encodeName(filePath);
    int rc = avformat_open_input(&format, url.constData(), nullptr, &options);
    av_dict_free(&options);
    if (rc < 0)
        throw ComponentError(
            QCoreApplication::translate("Decoder", "%1 is not an audio file FFmpeg can read: %2")
                .arg(name, avErrorText(rc)));
    if (format->probe_score < kMinProbeScore)
        throw ComponentError(
            QCoreApplication::translate("Decoder", "%1 is not an audio file FFmpeg can read: its format is not recognised.")
                .arg(name));
    // A WAV file's header states its format, but FFmpeg still probes the sample data of 16-bit
    // PCM against every format it knows (for compressed sound carried as PCM) at each doubling of
    // what it has read, up to the probe size: for short files that costs more than decoding
    // them. The first 64 KiB show such sound as well as the whole file would.
    if (std::strcmp(format->iformat->name, "wav") == 0) format->probesize = kWavProbeBytes;

    rc = avformat_find_stream_info(format, nullptr);
    if (rc < 0)
        throw ComponentError(
            QCoreApplication::translate("Decoder", "%1 is not an audio file FFmpeg can read: %2")
                .arg(name, avErrorText(rc)));
}

// The best audio stream and its decoder opened.
void Decoder::Impl::openStream(const QString& name) {
    const AVCodec* decoder = nullptr;
    int rc = av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0);
    if (rc == AVERROR_STREAM_NOT_FOUND)
        throw ComponentError(QCoreApplication::translate("Decoder", "%1 holds no audio.").arg(name));
    if (rc < 0 || !decoder)
        throw ComponentError(
            QCoreApplication::translate("Decoder", "%1 holds audio in a format that cannot be decoded here.")
                .arg(name));
    streamIndex = rc;
    for (unsigned i = 0; i < format->nb_streams; ++i)
        if (static_cast<int>(i) != streamIndex) format->streams[i]->discard = AVDISCARD_ALL;
    AVStream* stream = format->streams[streamIndex];
    timeBase = stream->time_base;
    if (timeBase.num <= 0 || timeBase.den <= 0) timeBase = AVRational{1, AV_TIME_BASE};
    startTs = stream->start_time != AV_NOPTS_VALUE ? stream->start_time : 0;

    codec = avcodec_alloc_context3(decoder);
    if (!codec) throw ComponentError(QCoreApplication::translate("Decoder", "Out of memory opening %1.").arg(name));
    rc = avcodec_parameters_to_context(codec, stream->codecpar);
    if (rc >= 0) {
        codec->pkt_timebase = timeBase;
        // Frames whose checksum fails are damage, not sound.
        codec->err_recognition |= AV_EF_CRCCHECK;
        rc = avcodec_open2(codec, decoder, nullptr);
    }
    if (rc < 0)
        throw ComponentError(
            QCoreApplication::translate("Decoder", "The audio of %1 cannot be decoded: %2").arg(name, avErrorText(rc)));

}

void Decoder::Impl::openFile(const QString& filePath) {
    release();
    silenceLibraryLog();
    path = filePath;
    const QString name = quoted(filePath);
    const QFileInfo info = checkedFile(filePath, name);
    openContainer(filePath, name);
    openStream(name);
    AVStream* stream = format->streams[streamIndex];
    rate = codec->sample_rate > 0 ? codec->sample_rate : stream->codecpar->sample_rate;
    const int sourceChannels = codec->ch_layout.nb_channels;
    if (rate <= 0 || rate > 768000 || sourceChannels <= 0)
        throw ComponentError(QCoreApplication::translate("Decoder", "%1 holds no audio FFmpeg can decode.").arg(name));
    channels = std::min(sourceChannels, channelLimit);

    readStatedLength(info, sourceChannels);
    length = std::max<std::int64_t>(length, 0);
    // Lossy sources have no bit depth of their own; lossless ones state theirs.
    const AVCodecDescriptor* descriptor = avcodec_descriptor_get(codec->codec_id);
    const int statedBits = std::max({codec->bits_per_raw_sample, av_get_bits_per_sample(codec->codec_id), 0});
    sourceBits = descriptor && (descriptor->props & AV_CODEC_PROP_LOSSLESS) && statedBits > 16 ? 24 : 16;

    // Decode the start now, so that a file whose data is not audio fails here and not later.
    if (!decodeMore()) {
        if (lastError < 0)
            throw ComponentError(QCoreApplication::translate("Decoder", "%1 holds no audio FFmpeg can decode: %2")
                                     .arg(name, avErrorText(lastError)));
        throw ComponentError(QCoreApplication::translate("Decoder", "%1 contains no audio.").arg(name));
    }
    origin = std::max<std::int64_t>(lastFrameStart, 0);
    opening = false;
}

// The length the file states: the progress total, and, where the file states it reliably (not
// guessed from a bitrate), what decoding must reach for the file to be whole.
void Decoder::Impl::readStatedLength(const QFileInfo& info, int sourceChannels) {
    AVStream* stream = format->streams[streamIndex];
    if (stream->duration != AV_NOPTS_VALUE && stream->duration > 0)
        length = av_rescale_q(stream->duration, timeBase, AVRational{1, rate});
    else if (format->duration != AV_NOPTS_VALUE && format->duration > 0)
        length = av_rescale(format->duration, rate, AV_TIME_BASE);
    if (format->duration_estimation_method != AVFMT_DURATION_FROM_BITRATE) statedLength = length;
    // Uncompressed audio cannot be longer than the file; a header may claim otherwise, and
    // FFmpeg already believes the file's size over a WAV header, so the header is read here.
    const int bits = av_get_bits_per_sample(codec->codec_id);
    if (bits > 0) {
        const std::int64_t frameBytes = std::int64_t{bits} * sourceChannels / 8;
        length = std::min<std::int64_t>(length, info.size() * 8 / (std::int64_t{bits} * sourceChannels));
        statedLength = 0;
        if (std::strcmp(format->iformat->name, "wav") == 0 && frameBytes > 0)
            if (const qint64 missing = wavMissingDataBytes(path); missing > 0)
                statedLength = length + missing / frameBytes;
    }
    cutInsideAPage = std::strcmp(format->iformat->name, "ogg") == 0 && oggEndsInsideAPage(path);
}

// A stretch that did not decode, where decoding stands. Errors before the first frame (bytes
// ahead of the audio) are not damage; a stretch counts once decoding goes on after it, and an
// end short of the stated length is said instead when decoding stops there.
void Decoder::Impl::noteDamage() {
    if (!anyFrame || !pendingDamage.isEmpty() || !damage.isEmpty()) return;
    // Frames without times are counted from what was decoded.
    const std::int64_t at = expectedNext >= 0 ? expectedNext - origin : position + static_cast<std::int64_t>(queuedFrames());
    const double seconds = static_cast<double>(std::max<std::int64_t>(at, 0)) / rate;
    pendingDamage = QCoreApplication::translate("Decoder", "The audio of %1 is damaged: damaged data at %2.")
                        .arg(quoted(path), clockText(seconds));
}

// Frames missing between the last decoded frame and this one: a decoder that found its way
// again after damaged data (FLAC's frames carry their place in the stream).
void Decoder::Impl::noteGap() {
    if (lastFrameStart < 0 || frame->sample_rate != rate) {
        expectedNext = -1;
        return;
    }
    if (expectedNext >= 0 && lastFrameStart - expectedNext > rate / 50) {
        noteDamage();
        if (damage.isEmpty()) damage = pendingDamage;
    }
    expectedNext = lastFrameStart + frame->nb_samples;
}

// At the end of decoding: a file whose decoding stopped short of the length it states, or in
// the middle of a page, was cut short; otherwise a damaged stretch found on the way stands.
void Decoder::Impl::checkEnd() {
    if (endChecked || !failure.isEmpty()) return;
    endChecked = true;
    const double at = static_cast<double>(position) / rate;
    if (statedLength > 0 && position + rate / 4 < statedLength)
        damage = QCoreApplication::translate("Decoder", "The audio of %1 is damaged: decoding stopped at %2 of %3.")
                     .arg(quoted(path), clockText(at), clockText(static_cast<double>(statedLength) / rate));
    else if (cutInsideAPage)
        damage = QCoreApplication::translate("Decoder", "The audio of %1 is damaged: decoding stopped at %2, where the "
                                                        "file is cut off.")
                     .arg(quoted(path), clockText(at));
    else if (damage.isEmpty())
        damage = pendingDamage;
}

// Decodes until at least one frame reached the queue; false when the file has ended.
bool Decoder::Impl::decodeMore() {
    int errors = 0;
    while (!finished) {
        int rc = avcodec_receive_frame(codec, frame);
        if (rc >= 0) {
            const bool added = appendFrame();
            av_frame_unref(frame);
            if (added) return true;
            continue;
        }
        if (rc == AVERROR_EOF) {
            finished = true;
            drainConverter();
            return queuedFrames() > 0;
        }
        if (rc != AVERROR(EAGAIN)) {
            // A frame that does not decode is skipped, and counts as damage.
            lastError = rc;
            noteDamage();
            if (++errors > kMaxConsecutiveErrors) {
                giveUp();
                break;
            }
            continue;
        }
        if (inputDone) break;  // the decoder wants input after it was drained: nothing follows

        rc = av_read_frame(format, packet);
        if (rc < 0) {
            if (rc != AVERROR_EOF) lastError = rc;
            // The end, or a read error the demuxer may resynchronise after.
            const bool atEnd = rc == AVERROR_EOF || avio_feof(format->pb);
            if (!atEnd) noteDamage();
            if (!atEnd && ++errors > kMaxConsecutiveErrors) giveUp();
            if (atEnd || !failure.isEmpty()) {
                avcodec_send_packet(codec, nullptr);
                inputDone = true;
            }
            continue;
        }
        if (packet->stream_index != streamIndex) {
            av_packet_unref(packet);
            continue;
        }
        rc = avcodec_send_packet(codec, packet);
        av_packet_unref(packet);
        if (rc < 0 && rc != AVERROR(EAGAIN)) {
            lastError = rc;
            noteDamage();
            if (++errors > kMaxConsecutiveErrors) {
                giveUp();
                break;
            }
        }
    }
    finished = true;
    drainConverter();
    return queuedFrames() > 0;
}

// Decoding stops before the end of the file: what was read is all there will be, and the
// reader says so, so that a shortened file is never taken for a whole one.
void Decoder::Impl::giveUp() {
    if (!failure.isEmpty()) return;
    const double seconds = rate > 0 ? static_cast<double>(position) / rate : 0.0;
    failure = QCoreApplication::translate("Decoder", "The audio of %1 could not be decoded after %2 s: %3")
                  .arg(quoted(path))
                  .arg(seconds, 0, 'f', 1)
                  .arg(lastError < 0 ? avErrorText(lastError)
                                     : QCoreApplication::translate("Decoder", "too many damaged frames"));
}

bool Decoder::Impl::setUpConverter(AVChannelLayout& layout) {
    swr_free(&converter);
    av_channel_layout_uninit(&convertedLayout);
    AVChannelLayout out = outputLayout(channels);
    const auto sourceFormat = static_cast<AVSampleFormat>(frame->format);
    if (swr_alloc_set_opts2(&converter, &out, wide ? AV_SAMPLE_FMT_S32 : AV_SAMPLE_FMT_S16, rate, &layout, sourceFormat, frame->sample_rate, 0,
                            nullptr) < 0 ||
        swr_init(converter) < 0) {
        swr_free(&converter);
        return false;
    }
    convertedFormat = sourceFormat;
    convertedRate = frame->sample_rate;
    av_channel_layout_copy(&convertedLayout, &layout);
    return true;
}

// Converts the decoded frame into the queue; false when it added nothing.
bool Decoder::Impl::appendFrame() {
    if (frame->nb_samples <= 0 || frame->sample_rate <= 0 || frame->ch_layout.nb_channels <= 0) return false;

    AVChannelLayout layout{};
    if (frame->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC || av_channel_layout_check(&frame->ch_layout) == 0 ||
        (frame->ch_layout.nb_channels == channels && standardButForItsSurrounds(frame->ch_layout)))
        assumeLayout(layout, frame->ch_layout.nb_channels);
    else
        av_channel_layout_copy(&layout, &frame->ch_layout);

    if (!converter || convertedFormat != frame->format || convertedRate != frame->sample_rate ||
        av_channel_layout_compare(&convertedLayout, &layout) != 0) {
        drainConverter();
        // A layout the converter refuses (custom orders) is taken as the plain one of its size.
        if (!setUpConverter(layout)) {
            av_channel_layout_uninit(&layout);
            assumeLayout(layout, frame->ch_layout.nb_channels);
            if (!setUpConverter(layout)) {
                av_channel_layout_uninit(&layout);
                return false;
            }
        }
    }
    av_channel_layout_uninit(&layout);

    const std::int64_t ts = frame->best_effort_timestamp != AV_NOPTS_VALUE ? frame->best_effort_timestamp : frame->pts;
    lastFrameStart = ts != AV_NOPTS_VALUE ? av_rescale_q(ts - startTs, timeBase, AVRational{1, rate}) : -1;
    noteGap();
    anyFrame = true;
    if (!pendingDamage.isEmpty() && damage.isEmpty()) damage = pendingDamage;

    const int room = swr_get_out_samples(converter, frame->nb_samples);
    if (room <= 0) return false;
    // Everything handed out is dropped before new samples arrive.
    queue.erase(queue.begin(), queue.begin() + static_cast<std::ptrdiff_t>(queueStart));
    queueStart = 0;
    const std::size_t used = queue.size();
    queue.resize(used + static_cast<std::size_t>(room) * stride());
    auto* out = reinterpret_cast<std::uint8_t*>(queue.data() + used);
    const int produced = swr_convert(converter, &out, room, const_cast<const std::uint8_t**>(frame->extended_data),
                                     frame->nb_samples);
    queue.resize(used + static_cast<std::size_t>(std::max(produced, 0)) * stride());
    return produced > 0;
}

// Moves what the converter still holds (a resampler's delay) into the queue.
void Decoder::Impl::drainConverter() {
    if (!converter) return;
    queue.erase(queue.begin(), queue.begin() + static_cast<std::ptrdiff_t>(queueStart));
    queueStart = 0;
    for (;;) {
        const int room = swr_get_out_samples(converter, 0) + 64;
        const std::size_t used = queue.size();
        queue.resize(used + static_cast<std::size_t>(room) * stride());
        auto* out = reinterpret_cast<std::uint8_t*>(queue.data() + used);
        const int produced = swr_convert(converter, &out, room, nullptr, 0);
        queue.resize(used + static_cast<std::size_t>(std::max(produced, 0)) * stride());
        if (produced <= 0) break;
    }
    swr_free(&converter);
    av_channel_layout_uninit(&convertedLayout);
}

void Decoder::Impl::resetDecoding() {
    avcodec_flush_buffers(codec);
    swr_free(&converter);
    av_channel_layout_uninit(&convertedLayout);
    queue.clear();
    queueStart = 0;
    inputDone = finished = false;
    lastFrameStart = -1;
    expectedNext = -1;
}

// Seeks the container to shortly before `target`; true when the decoder now stands at a known
// frame at or before it.
bool Decoder::Impl::seekNear(std::int64_t target) {
    const std::int64_t aim = target - std::int64_t{rate} * kSeekMarginMs / 1000;
    if (aim <= 0) return false;
    const std::int64_t ts = startTs + av_rescale_q(origin + aim, AVRational{1, rate}, timeBase);
    if (avformat_seek_file(format, streamIndex, INT64_MIN, ts, ts, 0) < 0) return false;
    resetDecoding();
    if (!decodeMore() || lastFrameStart < origin || lastFrameStart - origin > target) return false;
    position = lastFrameStart - origin;
    return true;
}

// Back to frame 0. Reopening is the one way to the start that is exact for every format
// (encoder delay trimming included).
void Decoder::Impl::rewind() {
    const QString filePath = path;
    try {
        openFile(filePath);
    } catch (const ComponentError&) {
        // The file went away or changed: nothing more can be read.
        release();
        path = filePath;
    }
}

void Decoder::Impl::skipTo(std::int64_t target) {
    while (position < target) {
        if (queuedFrames() == 0 && !decodeMore()) break;
        const auto step = static_cast<std::size_t>(
            std::min<std::int64_t>(static_cast<std::int64_t>(queuedFrames()), target - position));
        queueStart += step * stride();
        position += static_cast<std::int64_t>(step);
    }
}

Decoder::Decoder() : d(std::make_unique<Impl>()) {}
Decoder::~Decoder() = default;

void Decoder::setOpenProgress(std::function<void(int)> callback) { d->openProgress = std::move(callback); }

void Decoder::setChannelLimit(int channels) { d->channelLimit = std::clamp(channels, 1, channel_layout::kMaxChannels); }
int Decoder::channelLimit() const { return d->channelLimit; }

void Decoder::open(const QString& path) {
    try {
        d->openFile(path);
    } catch (...) {
        d->opening = false;
        d->release();
        throw;
    }
}

void Decoder::close() {
    d->release();
    d->path.clear();
}

bool Decoder::isOpen() const { return d->codec != nullptr; }
int Decoder::sampleRate() const { return d->rate; }
int Decoder::channels() const { return d->channels; }
std::int64_t Decoder::lengthFrames() const { return d->length; }
std::int64_t Decoder::position() const { return d->position; }
QString Decoder::failure() const { return d->failure; }
QString Decoder::damage() const { return d->damage; }

double Decoder::bytesReadFraction() const {
    if (!d->format || !d->format->pb) return 0.0;
    const std::int64_t size = avio_size(d->format->pb);
    if (size <= 0) return 0.0;
    return std::clamp(static_cast<double>(avio_tell(d->format->pb)) / static_cast<double>(size), 0.0, 1.0);
}

double Decoder::dataEndSeconds(const QString& path, double near) {
    silenceLibraryLog();
    AVFormatContext* format = nullptr;
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    const QByteArray url = QByteArrayLiteral("file:") + QFile::encodeName(path);
    const int rc = avformat_open_input(&format, url.constData(), nullptr, &options);
    av_dict_free(&options);
    if (rc < 0) return -1.0;
    double end = -1.0;
    AVPacket* packet = av_packet_alloc();
    if (packet && avformat_find_stream_info(format, nullptr) >= 0) {
        const std::int64_t start = format->start_time != AV_NOPTS_VALUE ? format->start_time : 0;
        // Only the last stretch of the file matters; where the container cannot seek there, the
        // whole file is read. Packets are read, never decoded.
        const auto target = start + static_cast<std::int64_t>(std::max(0.0, near) * AV_TIME_BASE);
        if (near > 0 && avformat_seek_file(format, -1, INT64_MIN, target, target, 0) < 0)
            avformat_seek_file(format, -1, INT64_MIN, start, start, 0);
        for (int errors = 0; errors <= kMaxConsecutiveErrors;) {
            const int read = av_read_frame(format, packet);
            if (read == AVERROR_EOF || (read < 0 && avio_feof(format->pb))) break;
            if (read < 0) {
                ++errors;
                continue;
            }
            errors = 0;
            const AVStream* stream = format->streams[packet->stream_index];
            const std::int64_t ts = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
            if (ts != AV_NOPTS_VALUE) {
                const std::int64_t packetEnd =
                    av_rescale_q(ts + std::max<std::int64_t>(packet->duration, 0), stream->time_base, AV_TIME_BASE_Q);
                end = std::max(end, static_cast<double>(packetEnd - start) / AV_TIME_BASE);
            }
            av_packet_unref(packet);
        }
    }
    av_packet_free(&packet);
    avformat_close_input(&format);
    return end;
}

std::size_t Decoder::Impl::readInto(void* out, std::size_t frames) {
    const std::size_t entries = stride();
    auto* bytes = static_cast<unsigned char*>(out);
    std::size_t done = 0;
    try {
        while (done < frames) {
            const std::size_t available = queuedFrames();
            if (available == 0) {
                if (!decodeMore()) break;
                continue;
            }
            const std::size_t step = std::min(available, frames - done);
            std::memcpy(bytes + done * entries * sizeof(std::int16_t), queue.data() + queueStart,
                        step * entries * sizeof(std::int16_t));
            queueStart += step * entries;
            done += step;
        }
    } catch (const std::exception& e) {
        // Damaged data never escapes as an exception: the file ends here, as a failure.
        finished = true;
        if (failure.isEmpty()) failure = QString::fromUtf8(e.what());
    }
    position += static_cast<std::int64_t>(done);
    if (done < frames && finished && queuedFrames() == 0) checkEnd();
    return done;
}

std::size_t Decoder::read(std::int16_t* out, std::size_t frames) {
    if (!isOpen() || !out) return 0;
    setWide(false);
    return d->readInto(out, frames);
}

std::size_t Decoder::readWide(std::int32_t* out, std::size_t frames) {
    if (!isOpen() || !out) return 0;
    setWide(true);
    return d->readInto(out, frames);
}

int Decoder::sourceBits() const { return d->sourceBits; }

void Decoder::setWide(bool wide) {
    if (d->wide == wide) return;
    d->wide = wide;
    if (!isOpen()) return;
    // What is queued is in the other width: decoding starts again where reading stands.
    const std::int64_t at = d->position;
    d->rewind();
    if (at > 0) seek(at);
}

std::int64_t Decoder::seek(std::int64_t frame) {
    if (!isOpen()) return 0;
    const std::int64_t target = std::max<std::int64_t>(frame, 0);
    try {
        const bool nearAhead =
            target >= d->position && target - d->position <= std::int64_t{d->rate} * kDecodeThroughSeconds;
        if (!nearAhead && !d->seekNear(target)) d->rewind();
        if (isOpen()) d->skipTo(target);
    } catch (const std::exception&) {
        d->finished = true;
    }
    return d->position;
}
