#include "components/audio/cd/AccurateRip.h"

#include "components/audio/cd/LocalDiscInfo.h"

#include <QCoreApplication>
#include <QtEndian>

#include <algorithm>

namespace accuraterip {
namespace {

constexpr std::int64_t kSectorFrames = 588;
// Frames at the disc's edges that a drive with an offset may not read.
constexpr std::int64_t kEdgeFrames = 5 * kSectorFrames;
constexpr std::int64_t kFrame450 = 450 * kSectorFrames;
constexpr int kBlockHeader = 13;
constexpr int kTrackEntry = 9;

QString hex8(std::uint32_t v) { return QStringLiteral("%1").arg(v, 8, 16, QLatin1Char('0')); }

}  // namespace

QString DiscIds::fileName() const {
    return QStringLiteral("dBAR-%1-%2-%3-%4.bin").arg(tracks, 3, 10, QLatin1Char('0')).arg(hex8(id1), hex8(id2), hex8(cddb));
}

QString DiscIds::serverPath() const {
    return QStringLiteral("%1/%2/%3/%4")
        .arg(id1 & 0xf, 0, 16)
        .arg((id1 >> 4) & 0xf, 0, 16)
        .arg((id1 >> 8) & 0xf, 0, 16)
        .arg(fileName());
}

DiscIds discIds(const DiscToc& toc) {
    DiscIds ids;
    ids.tracks = toc.audioTrackCount();
    if (ids.tracks == 0) return ids;
    // The audio tracks only, numbered as the record numbers them; the lead-out is the disc's
    // own, an enhanced CD's data session included.
    for (int number = 1; number <= toc.trackCount(); ++number) {
        if (!toc.isAudio(number)) continue;
        const auto offset = static_cast<std::uint32_t>(toc.trackStarts[std::size_t(number - 1)]);
        ids.id1 += offset;
        ids.id2 += std::max<std::uint32_t>(offset, 1) * static_cast<std::uint32_t>(recordTrack(toc, number));
    }
    const auto leadOut = static_cast<std::uint32_t>(toc.leadOut);
    ids.id1 += leadOut;
    ids.id2 += leadOut * static_cast<std::uint32_t>(ids.tracks + 1);
    // Every track, data tracks too, as the CDDB id always counts them.
    ids.cddb = cddbDiscId(toc).toUInt(nullptr, 16);
    return ids;
}

int recordTrack(const DiscToc& toc, int number) {
    if (!toc.isAudio(number)) return 0;
    int place = 0;
    for (int t = 1; t <= number; ++t) place += toc.isAudio(t) ? 1 : 0;
    return place;
}

TrackSum::TrackSum(std::int64_t frames, bool first, bool last)
    : m_checkFrom(first ? kEdgeFrames : 1), m_checkTo(last ? frames - kEdgeFrames : frames) {}

void TrackSum::add(const std::int16_t* values, std::size_t count) {
    std::size_t i = 0;
    const auto frame = [this](std::int16_t left, std::int16_t right) {
        const std::int64_t position = ++m_position;
        const std::uint32_t word = static_cast<std::uint16_t>(left) | (std::uint32_t(static_cast<std::uint16_t>(right)) << 16);
        if (position >= m_checkFrom && position <= m_checkTo) {
            const std::uint64_t product = std::uint64_t(word) * std::uint64_t(position);
            m_v1 += static_cast<std::uint32_t>(product);
            m_v2 += static_cast<std::uint32_t>(product) + static_cast<std::uint32_t>(product >> 32);
        }
        const std::int64_t inSector = position - 1 - kFrame450;
        if (inSector >= 0 && inSector < kSectorFrames)
            m_frame450 += word * static_cast<std::uint32_t>(inSector + 1);
    };
    if (m_left && count > 0) {
        frame(*m_left, values[0]);
        m_left.reset();
        i = 1;
    }
    for (; i + 1 < count; i += 2) frame(values[i], values[i + 1]);
    if (i < count) m_left = values[i];
}

Record parseRecord(const QByteArray& bytes) {
    Record record;
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    qsizetype at = 0;
    while (at < bytes.size()) {
        if (bytes.size() - at < kBlockHeader) {
            record.error = QCoreApplication::translate("AccurateRip", "The AccurateRip record ends in the middle of a block.");
            record.blocks.clear();
            return record;
        }
        Block block;
        block.ids.tracks = data[at];
        block.ids.id1 = qFromLittleEndian<quint32>(data + at + 1);
        block.ids.id2 = qFromLittleEndian<quint32>(data + at + 5);
        block.ids.cddb = qFromLittleEndian<quint32>(data + at + 9);
        at += kBlockHeader;
        if (block.ids.tracks == 0 || bytes.size() - at < qsizetype(block.ids.tracks) * kTrackEntry) {
            record.error = block.ids.tracks == 0 ? QCoreApplication::translate("AccurateRip", "The AccurateRip record has a block without tracks.")
                                                 : QCoreApplication::translate("AccurateRip", "The AccurateRip record ends in the middle of a block.");
            record.blocks.clear();
            return record;
        }
        for (int t = 0; t < block.ids.tracks; ++t) {
            TrackEntry entry;
            entry.confidence = data[at];
            entry.checksum = qFromLittleEndian<quint32>(data + at + 1);
            entry.frame450 = qFromLittleEndian<quint32>(data + at + 5);
            block.tracks.push_back(entry);
            at += kTrackEntry;
        }
        record.blocks.push_back(std::move(block));
    }
    if (record.blocks.empty()) record.error = QCoreApplication::translate("AccurateRip", "The AccurateRip record is empty.");
    return record;
}

QByteArray recordBytes(const std::vector<Block>& blocks) {
    QByteArray out;
    const auto put32 = [&out](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) out.append(char((v >> (8 * i)) & 0xff));
    };
    for (const Block& block : blocks) {
        out.append(char(block.tracks.size() & 0xff));
        put32(block.ids.id1);
        put32(block.ids.id2);
        put32(block.ids.cddb);
        for (const TrackEntry& entry : block.tracks) {
            out.append(char(std::clamp(entry.confidence, 0, 255)));
            put32(entry.checksum);
            put32(entry.frame450);
        }
    }
    return out;
}

QString Verdict::wording(bool translated) const {
    const char* form = QT_TRANSLATE_NOOP("AccurateRip", "Not in the AccurateRip database");
    if (kind == Kind::Matched) form = QT_TRANSLATE_NOOP("AccurateRip", "Accurately ripped (confidence %1, AccurateRip v%2)");
    if (kind == Kind::Mismatch) form = QT_TRANSLATE_NOOP("AccurateRip", "Does not match AccurateRip (%1 other rips)");
    QString line = translated ? QCoreApplication::translate("AccurateRip", form) : QString::fromLatin1(form);
    if (kind == Kind::Matched) return line.arg(confidence).arg(version);
    if (kind == Kind::Mismatch) return line.arg(confidence);
    return line;
}

QString Verdict::text() const { return wording(false); }
QString Verdict::shownText() const { return wording(true); }

Verdict verify(const Record* record, const DiscIds& ids, int track, std::uint32_t v1, std::uint32_t v2) {
    Verdict verdict;
    if (!record || track < 1) return verdict;
    int matchedV2 = 0, matchedV1 = 0, others = 0;
    bool listed = false;
    for (const Block& block : record->blocks) {
        // A block of another pressing that shares the file name says nothing about this disc.
        if (block.ids.id1 != ids.id1 || block.ids.id2 != ids.id2 || block.ids.cddb != ids.cddb) continue;
        if (track > int(block.tracks.size())) continue;
        const TrackEntry& entry = block.tracks[std::size_t(track - 1)];
        // No rip confirms an entry of confidence 0 (a hole in the block, or a checksum nobody
        // else got): it neither matches nor contradicts this rip.
        if (entry.confidence <= 0) continue;
        listed = true;
        if (entry.checksum == v2) matchedV2 += entry.confidence;
        else if (entry.checksum == v1) matchedV1 += entry.confidence;
        else others += entry.confidence;
    }
    if (!listed) return verdict;
    if (matchedV2 > 0 || matchedV1 > 0) {
        verdict.kind = Verdict::Kind::Matched;
        verdict.version = matchedV2 > 0 ? 2 : 1;
        verdict.confidence = matchedV2 > 0 ? matchedV2 : matchedV1;
        return verdict;
    }
    verdict.kind = Verdict::Kind::Mismatch;
    verdict.confidence = others;
    return verdict;
}

}  // namespace accuraterip
