// FLAC writer on libFLAC's stream encoder. The file is written through callbacks of our own, so
// that a full disk fails the write that hit it and the header's final STREAMINFO (length, MD5)
// is written back at the start when the stream ends, with the seek table.
//
// NOTE ON THREADS
// Encoding runs on a thread of the writer's own, a few blocks behind write(), so that reading
// and decoding the source overlap with it (libFLAC encodes one stream on one thread, and FLAC
// is fast enough for the rest of the path to show beside it). open() starts that thread;
// finish() and the destructor let it encode what is queued and join it. Every public call comes
// from the writer's caller, one at a time (Encoder.h). The caller's thread and the encoding
// thread share only the queue of blocks, the spare blocks and the stop and failure flags, under
// one mutex with a condition variable, and the last write error (atomic); libFLAC's encoder and the file, reached through its write
// callbacks, are touched by the encoding thread only while it runs, and by the caller's thread
// (open(), finish(), the destructor) only when it does not.
#include "components/audio/codecs/Encoder.h"

#include <FLAC/metadata.h>
#include <FLAC/stream_encoder.h>

#include <QCoreApplication>
#include <QFile>

#include <array>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

namespace {

constexpr int kMaxLevel = 8;
// A seek point every this many seconds, and padding left for tags added later, as the reference
// encoder writes them: tag editors then rewrite no audio.
constexpr int kSeekPointSeconds = 10;
constexpr unsigned kPaddingBytes = 8192;
// A stated length that needs more seek points (a week of sound) is taken for a false one.
constexpr std::int64_t kMostSeekPoints = 65536;
// A metadata block's header: last-block flag and type in one byte, then its length in three.
constexpr int kBlockHeaderBytes = 4;
// Blocks waiting for the encoding thread at most: enough to ride out unevenness, little memory.
constexpr std::size_t kQueuedBlocks = 4;

class FlacWriter final : public Encoder {
public:
    explicit FlacWriter(const FlacFormat& format) : m_format(format) {
        if (const QString refusal = flacRefusal(format); !refusal.isEmpty()) throw ComponentError(refusal);
        m_encoder = FLAC__stream_encoder_new();
        if (!m_encoder)
            throw ComponentError(QCoreApplication::translate("Encoder", "The FLAC encoder could not be created."));
        FLAC__stream_encoder_set_channels(m_encoder, static_cast<unsigned>(format.channels));
        FLAC__stream_encoder_set_bits_per_sample(m_encoder, static_cast<unsigned>(format.bits));
        FLAC__stream_encoder_set_sample_rate(m_encoder, static_cast<unsigned>(format.sampleRate));
        FLAC__stream_encoder_set_compression_level(m_encoder, static_cast<unsigned>(format.level));
        FLAC__stream_encoder_set_verify(m_encoder, format.verify);
    }

    ~FlacWriter() override {
        stopWorker();
        // Deleting an encoder that was not finished finishes it, which writes through the
        // callbacks: the file is closed first, so those writes fail and nothing more is written.
        closeFile();
        FLAC__stream_encoder_delete(m_encoder);
        for (FLAC__StreamMetadata* block : m_metadata)
            if (block) FLAC__metadata_object_delete(block);
    }
    FlacWriter(const FlacWriter&) = delete;
    FlacWriter& operator=(const FlacWriter&) = delete;

    void open(const QString& path) override {
        if (m_opened)
            throw ComponentError(QCoreApplication::translate("Encoder", "the FLAC writer was already used for a file"));
        m_path = path;
        m_file = std::fopen(QFile::encodeName(path).constData(), "w+b");
        if (!m_file)
            throw ComponentError(
                QCoreApplication::translate("Encoder", "cannot create the FLAC file %1: %2")
                    .arg(path, QString::fromLocal8Bit(std::strerror(errno))));
        m_opened = true;
        setUpMetadata();
        const FLAC__StreamEncoderInitStatus status =
            FLAC__stream_encoder_init_stream(m_encoder, &FlacWriter::writeCallback, &FlacWriter::seekCallback,
                                             &FlacWriter::tellCallback, nullptr, this);
        if (status != FLAC__STREAM_ENCODER_INIT_STATUS_OK) {
            closeFile();
            throw ComponentError(QCoreApplication::translate("Encoder", "cannot start the FLAC file %1: %2")
                                     .arg(path, QString::fromLatin1(FLAC__StreamEncoderInitStatusString[status])));
        }
        checkWritten();
        m_worker = std::thread([this] { encodeQueued(); });
    }

    PcmFormat format() const override { return {m_format.sampleRate, m_format.channels}; }
    int bits() const override { return m_format.bits; }

    void write(const std::int16_t* samples, std::size_t frames) override {
        requireOpen();
        std::vector<FLAC__int32> block = freeBlock(frames);
        const int scale = 1 << (m_format.bits - 16);
        for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<FLAC__int32>(samples[i]) * scale;
        enqueue(std::move(block));
    }

    void writeWide(const std::int32_t* samples, std::size_t frames) override {
        requireOpen();
        std::vector<FLAC__int32> block = freeBlock(frames);
        const int shift = 32 - m_format.bits;
        for (std::size_t i = 0; i < block.size(); ++i) block[i] = samples[i] >> shift;
        enqueue(std::move(block));
    }

    void finish() override {
        requireOpen();
        if (!stopWorker()) failEncoding();
        const bool finished = FLAC__stream_encoder_finish(m_encoder);
        checkWritten();
        if (!finished) failState();
        dropUnreachedSeekPoints();
        if (const int error = closeWrittenFile(m_file); error != 0) fail(error);
    }

    QString description() const override { return describeFlac(m_format); }

private:
    void requireOpen() const {
        if (!m_file) throw ComponentError(QCoreApplication::translate("Encoder", "no FLAC file is open for writing"));
    }

    // The padding, and the seek table when the source states its length (libFLAC fills in the
    // planned points as frames reach them). No table is better than a wrong one: without a
    // length there is none.
    void setUpMetadata() {
        FLAC__StreamMetadata* padding = FLAC__metadata_object_new(FLAC__METADATA_TYPE_PADDING);
        if (!padding)
            throw ComponentError(QCoreApplication::translate("Encoder", "The FLAC encoder could not be created."));
        padding->length = kPaddingBytes;
        m_metadata[1] = padding;
        const std::int64_t spacing = std::int64_t{m_format.sampleRate} * kSeekPointSeconds;
        if (m_format.totalFrames > 0 && m_format.totalFrames / spacing < kMostSeekPoints) {
            const auto total = static_cast<FLAC__uint64>(m_format.totalFrames);
            m_seekTable = FLAC__metadata_object_new(FLAC__METADATA_TYPE_SEEKTABLE);
            if (!m_seekTable ||
                !FLAC__metadata_object_seektable_template_append_spaced_points_by_samples(
                    m_seekTable, static_cast<unsigned>(spacing), total) ||
                !FLAC__metadata_object_seektable_template_sort(m_seekTable, true))
                throw ComponentError(QCoreApplication::translate("Encoder", "The FLAC encoder could not be created."));
            m_metadata[0] = m_seekTable;
            FLAC__stream_encoder_set_total_samples_estimate(m_encoder, total);
        }
        FLAC__StreamMetadata** first = m_seekTable ? &m_metadata[0] : &m_metadata[1];
        FLAC__stream_encoder_set_metadata(m_encoder, first, m_seekTable ? 2 : 1);
    }

    // A source shorter than it stated leaves planned points that no frame reached; libFLAC writes
    // them as planned, pointing at the first frame. They become placeholders here.
    void dropUnreachedSeekPoints() {
        if (!m_seekTable) return;
        FLAC__StreamMetadata_SeekTable& table = m_seekTable->data.seek_table;
        bool unreached = false;
        for (unsigned i = 0; i < table.num_points; ++i) {
            FLAC__StreamMetadata_SeekPoint& point = table.points[i];
            if (point.sample_number == FLAC__STREAM_METADATA_SEEKPOINT_PLACEHOLDER || point.frame_samples != 0) continue;
            point = {FLAC__STREAM_METADATA_SEEKPOINT_PLACEHOLDER, 0, 0};
            unreached = true;
        }
        if (!unreached) return;
        FLAC__format_seektable_sort(&table);
        std::vector<unsigned char> bytes;
        for (unsigned i = 0; i < table.num_points; ++i) {
            const FLAC__StreamMetadata_SeekPoint& point = table.points[i];
            appendBigEndian(bytes, point.sample_number, 8);
            appendBigEndian(bytes, point.stream_offset, 8);
            appendBigEndian(bytes, point.frame_samples, 2);
        }
        errno = 0;
        const off_t at = seekTableOffset();
        if (at < 0 || fseeko(m_file, at, SEEK_SET) != 0 || std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size())
            fail(errno != 0 ? errno : EIO);
    }

    static void appendBigEndian(std::vector<unsigned char>& bytes, FLAC__uint64 value, int width) {
        for (int shift = 8 * (width - 1); shift >= 0; shift -= 8) bytes.push_back(static_cast<unsigned char>(value >> shift));
    }

    // Where the written file's seek points start (after "fLaC" and the blocks before the table);
    // -1 when it has none.
    off_t seekTableOffset() {
        off_t at = 4;
        unsigned char header[kBlockHeaderBytes];
        while (fseeko(m_file, at, SEEK_SET) == 0 && std::fread(header, 1, sizeof header, m_file) == sizeof header) {
            if ((header[0] & 0x7F) == FLAC__METADATA_TYPE_SEEKTABLE) return at + kBlockHeaderBytes;
            if (header[0] & 0x80) break;  // the last block
            at += kBlockHeaderBytes + (off_t{header[1]} << 16 | off_t{header[2]} << 8 | off_t{header[3]});
        }
        return -1;
    }

    // A block of `frames` frames to fill, from the blocks the encoding thread has done with.
    std::vector<FLAC__int32> freeBlock(std::size_t frames) {
        std::vector<FLAC__int32> block;
        {
            std::lock_guard lock(m_mutex);
            if (!m_spare.empty()) {
                block = std::move(m_spare.back());
                m_spare.pop_back();
            }
        }
        block.resize(frames * static_cast<std::size_t>(m_format.channels));
        return block;
    }

    // Hands a block to the encoding thread; fails with the reason once encoding has failed.
    void enqueue(std::vector<FLAC__int32>&& block) {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_queue.size() < kQueuedBlocks || m_failed; });
        if (m_failed) {
            lock.unlock();
            stopWorker();
            failEncoding();
        }
        m_queue.push_back(std::move(block));
        m_changed.notify_all();
    }

    // The encoding thread: encodes the queued blocks in order until told to stop, or until
    // encoding fails (the calling thread then reports why).
    void encodeQueued() {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_changed.wait(lock, [this] { return !m_queue.empty() || m_stopping; });
            if (m_queue.empty()) return;
            std::vector<FLAC__int32> block = std::move(m_queue.front());
            m_queue.pop_front();
            lock.unlock();
            const auto frames = static_cast<unsigned>(block.size() / static_cast<std::size_t>(m_format.channels));
            const bool ok = FLAC__stream_encoder_process_interleaved(m_encoder, block.data(), frames);
            lock.lock();
            m_spare.push_back(std::move(block));
            m_changed.notify_all();
            if (!ok || m_writeError.load() != 0) {
                m_failed = true;
                m_queue.clear();
                m_changed.notify_all();
                return;
            }
        }
    }

    // Lets the encoding thread finish what is queued (nothing more after a failure) and waits
    // for it; false when encoding failed.
    bool stopWorker() {
        if (m_worker.joinable()) {
            {
                std::lock_guard lock(m_mutex);
                m_stopping = true;
                m_changed.notify_all();
            }
            m_worker.join();
        }
        std::lock_guard lock(m_mutex);
        return !m_failed;
    }

    [[noreturn]] void failEncoding() {
        checkWritten();
        failState();
    }

    // A write the callbacks could not do fails with the system's reason.
    void checkWritten() {
        if (const int error = m_writeError.load(); error != 0) fail(error);
    }

    [[noreturn]] void failState() {
        const FLAC__StreamEncoderState state = FLAC__stream_encoder_get_state(m_encoder);
        closeFile();
        throw ComponentError(QCoreApplication::translate("Encoder", "cannot write the FLAC file %1: %2")
                                 .arg(m_path, QString::fromLatin1(FLAC__StreamEncoderStateString[state])));
    }

    [[noreturn]] void fail(int error) {
        closeFile();
        throw ComponentError(QCoreApplication::translate("Encoder", "cannot write the FLAC file %1: %2")
                                 .arg(m_path, QString::fromLocal8Bit(std::strerror(error))));
    }

    void closeFile() {
        if (m_file) {
            std::fclose(m_file);
            m_file = nullptr;
        }
    }

    static FLAC__StreamEncoderWriteStatus writeCallback(const FLAC__StreamEncoder*, const FLAC__byte buffer[],
                                                        size_t bytes, unsigned, unsigned, void* data) {
        auto* self = static_cast<FlacWriter*>(data);
        if (!self->m_file || std::fwrite(buffer, 1, bytes, self->m_file) != bytes) {
            int none = 0;
            self->m_writeError.compare_exchange_strong(none, self->m_file ? errno : EBADF);
            return FLAC__STREAM_ENCODER_WRITE_STATUS_FATAL_ERROR;
        }
        return FLAC__STREAM_ENCODER_WRITE_STATUS_OK;
    }

    static FLAC__StreamEncoderSeekStatus seekCallback(const FLAC__StreamEncoder*, FLAC__uint64 offset, void* data) {
        auto* self = static_cast<FlacWriter*>(data);
        if (!self->m_file || fseeko(self->m_file, static_cast<off_t>(offset), SEEK_SET) != 0)
            return FLAC__STREAM_ENCODER_SEEK_STATUS_ERROR;
        return FLAC__STREAM_ENCODER_SEEK_STATUS_OK;
    }

    static FLAC__StreamEncoderTellStatus tellCallback(const FLAC__StreamEncoder*, FLAC__uint64* offset, void* data) {
        auto* self = static_cast<FlacWriter*>(data);
        if (!self->m_file) return FLAC__STREAM_ENCODER_TELL_STATUS_ERROR;
        const off_t at = ftello(self->m_file);
        if (at < 0) return FLAC__STREAM_ENCODER_TELL_STATUS_ERROR;
        *offset = static_cast<FLAC__uint64>(at);
        return FLAC__STREAM_ENCODER_TELL_STATUS_OK;
    }

    FlacFormat m_format;
    FLAC__StreamEncoder* m_encoder = nullptr;
    // The seek table (when there is one) and the padding; the encoder uses them until it finishes.
    std::array<FLAC__StreamMetadata*, 2> m_metadata{};
    FLAC__StreamMetadata* m_seekTable = nullptr;
    QString m_path;
    std::FILE* m_file = nullptr;
    bool m_opened = false;
    std::atomic<int> m_writeError{0};
    // Between write() and the encoding thread.
    std::thread m_worker;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::vector<FLAC__int32>> m_queue;  // blocks to encode, in order
    std::vector<std::vector<FLAC__int32>> m_spare;  // encoded blocks, for reuse
    bool m_stopping = false;
    bool m_failed = false;
};

}  // namespace

QString flacRefusal(const FlacFormat& f) {
    if (f.sampleRate < 1 || f.sampleRate > 655350 || f.channels < 1 || f.channels > 8)
        return QCoreApplication::translate("Encoder", "FLAC cannot encode %1 Hz with %2 channels.")
                   .arg(f.sampleRate).arg(f.channels);
    if (f.bits != 16 && f.bits != 24)
        return QCoreApplication::translate("Encoder", "FLAC is written with 16 or 24 bits per sample, not %1.")
                   .arg(f.bits);
    if (f.level < 0 || f.level > kMaxLevel)
        return QCoreApplication::translate("Encoder", "The FLAC compression level is 0 to 8, not %1.").arg(f.level);
    return {};
}

QString describeFlac(const FlacFormat& f) {
    return QCoreApplication::translate("Encoder", "%1 Hz, %2 bit, %3, level %4")
        .arg(f.sampleRate)
        .arg(f.bits)
        .arg(channelsName(f.channels))
        .arg(f.level);
}

std::unique_ptr<Encoder> makeFlacEncoder(const FlacFormat& format) { return std::make_unique<FlacWriter>(format); }
