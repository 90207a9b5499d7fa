#include "components/audio/cd/OffsetSearch.h"

#include "components/audio/cd/CdGrabber.h"

#include <QCoreApplication>

#include <algorithm>
#include <map>
#include <set>

namespace accuraterip {
namespace {

constexpr int kSectorFrames = CdGrabber::FramesPerSector;
constexpr std::int64_t kFrame450 = 450 * std::int64_t(kSectorFrames);
constexpr int kChunkSectors = 75;  // a second of audio a read

std::uint32_t word(const std::int16_t* frame) {
    return std::uint32_t(std::uint16_t(frame[0])) | (std::uint32_t(std::uint16_t(frame[1])) << 16);
}

}  // namespace

// With S(k) = Σ w[k+i-1]·i (i = 1..588) and T(k) = Σ w[k+i] (i = 0..587):
// S(k+1) = S(k) − T(k) + 588·w[k+588] and T(k+1) = T(k) − w[k] + w[k+588], modulo 2^32 as the
// checksum itself.
std::vector<std::uint32_t> slideFrame450(const std::int16_t* values, int from, int to) {
    std::vector<std::uint32_t> sums;
    if (to < from) return sums;
    sums.reserve(std::size_t(to - from + 1));
    std::uint32_t s = 0, t = 0;
    for (int i = 0; i < kSectorFrames; ++i) {
        const std::uint32_t w = word(values + 2 * i);
        s += w * std::uint32_t(i + 1);
        t += w;
    }
    sums.push_back(s);
    for (int k = 0; k < to - from; ++k) {
        const std::uint32_t out = word(values + 2 * k);
        const std::uint32_t in = word(values + 2 * (k + kSectorFrames));
        s = s - t + std::uint32_t(kSectorFrames) * in;
        t = t - out + in;
        sums.push_back(s);
    }
    return sums;
}

OffsetSearch::OffsetSearch(CdGrabber& grabber, const Record& record, KeepGoing keepGoing)
    : m_grabber(grabber), m_record(record), m_keepGoing(std::move(keepGoing)), m_toc(grabber.toc()),
      m_ids(discIds(m_toc)) {}

bool OffsetSearch::readFrames(std::int64_t first, std::int64_t count, std::vector<std::int16_t>& out) {
    out.assign(std::size_t(std::max<std::int64_t>(count, 0)) * 2, 0);
    const std::int64_t discEnd = std::int64_t(m_toc.leadOut) * kSectorFrames;
    const std::int64_t from = std::max<std::int64_t>(first, 0);
    const std::int64_t to = std::min(first + count, discEnd);  // exclusive
    std::vector<std::int16_t> sectors;
    for (std::int64_t sector = from / kSectorFrames; sector * kSectorFrames < to; sector += kChunkSectors) {
        if (m_keepGoing && !m_keepGoing()) {
            m_stopped = true;
            m_error = QCoreApplication::translate("OffsetSearch", "The detection was stopped.");
            return false;
        }
        if (!(m_grabber.toc().trackStarts == m_toc.trackStarts && m_grabber.toc().leadOut == m_toc.leadOut)) {
            m_stopped = true;
            m_error = QCoreApplication::translate("OffsetSearch", "The disc was changed during the detection.");
            return false;
        }
        const auto n = int(std::min<std::int64_t>(kChunkSectors, (to - 1) / kSectorFrames - sector + 1));
        sectors.assign(std::size_t(n) * kSectorFrames * 2, 0);
        if (!m_grabber.readRawSectors(std::int32_t(sector), n, sectors.data())) {
            m_error = m_grabber.reason();
            return false;
        }
        // The frames of these sectors that lie in first..first+count.
        const std::int64_t lo = std::max(sector * kSectorFrames, from);
        const std::int64_t hi = std::min((sector + n) * kSectorFrames, to);
        std::copy(sectors.begin() + (lo - sector * kSectorFrames) * 2, sectors.begin() + (hi - sector * kSectorFrames) * 2,
                  out.begin() + (lo - first) * 2);
    }
    return true;
}

std::vector<const TrackEntry*> OffsetSearch::entries(int track) const {
    std::vector<const TrackEntry*> out;
    for (const Block& block : m_record.blocks) {
        if (block.ids.id1 != m_ids.id1 || block.ids.id2 != m_ids.id2 || block.ids.cddb != m_ids.cddb) continue;
        if (track < 1 || track > int(block.tracks.size())) continue;
        const TrackEntry& entry = block.tracks[std::size_t(track - 1)];
        if (entry.confidence > 0) out.push_back(&entry);
    }
    return out;
}

std::vector<OffsetCandidate> OffsetSearch::candidates(int from, int to) {
    m_error.clear();
    m_compared = 0;
    std::map<int, std::vector<int>> matches;
    std::vector<std::int16_t> span;
    QString unreadable;
    for (int i = 0; i < m_toc.trackCount(); ++i) {
        const std::int32_t start = m_toc.trackStarts[std::size_t(i)];
        const std::int32_t end = i + 1 < m_toc.trackCount() ? m_toc.trackStarts[std::size_t(i) + 1] : m_toc.leadOut;
        std::set<std::uint32_t> wanted;
        for (const TrackEntry* entry : entries(i + 1))
            if (entry->frame450 != 0) wanted.insert(entry->frame450);  // 0: silence, or no sector 450
        if (end - start < 451 || wanted.empty()) continue;
        // A track that cannot be read is left to the others; a stop or a changed disc ends the search.
        if (!readFrames(std::int64_t(start) * kSectorFrames + kFrame450 + from, kSectorFrames + to - from, span)) {
            if (m_stopped) return {};
            unreadable = m_error;
            continue;
        }
        ++m_compared;
        const std::vector<std::uint32_t> sums = slideFrame450(span.data(), from, to);
        for (std::size_t k = 0; k < sums.size(); ++k)
            if (wanted.count(sums[k])) matches[from + int(k)].push_back(i + 1);
    }
    m_error = matches.empty() ? unreadable : QString();
    std::vector<OffsetCandidate> out;
    for (auto& [offset, tracks] : matches) out.push_back({offset, std::move(tracks)});
    std::stable_sort(out.begin(), out.end(), [](const OffsetCandidate& a, const OffsetCandidate& b) {
        if (a.tracks.size() != b.tracks.size()) return a.tracks.size() > b.tracks.size();
        return std::abs(a.offset) < std::abs(b.offset);
    });
    return out;
}

std::optional<TrackSum> OffsetSearch::wholeTrack(int track, int offset) {
    const int i = track - 1;
    const std::int32_t start = m_toc.trackStarts[std::size_t(i)];
    const std::int32_t end = i + 1 < m_toc.trackCount() ? m_toc.trackStarts[std::size_t(i) + 1] : m_toc.leadOut;
    const std::int64_t frames = std::int64_t(end - start) * kSectorFrames;
    TrackSum sum(frames, i == 0, i == m_toc.trackCount() - 1);
    std::vector<std::int16_t> chunk;
    for (std::int64_t at = 0; at < frames; at += kChunkSectors * kSectorFrames) {
        const std::int64_t n = std::min<std::int64_t>(kChunkSectors * kSectorFrames, frames - at);
        if (!readFrames(std::int64_t(start) * kSectorFrames + offset + at, n, chunk)) return std::nullopt;
        sum.add(chunk.data(), chunk.size());
    }
    return sum;
}

int OffsetSearch::tracksListed() const {
    int listed = 0;
    for (int t = 1; t <= m_toc.trackCount(); ++t) listed += entries(t).empty() ? 0 : 1;
    return listed;
}

std::vector<int> OffsetSearch::confirmingTracks(int offset, int wanted) {
    m_error.clear();
    const int count = m_toc.trackCount();
    std::vector<int> order;
    for (int t = 1; t <= count; ++t)
        if (!entries(t).empty()) order.push_back(t);
    // The disc's first and last tracks leave frames out of their checksums; the others say more.
    const auto length = [this, count](int t) {
        const std::int32_t end = t < count ? m_toc.trackStarts[std::size_t(t)] : m_toc.leadOut;
        return end - m_toc.trackStarts[std::size_t(t - 1)];
    };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const bool edgeA = a == 1 || a == count, edgeB = b == 1 || b == count;
        return edgeA != edgeB ? !edgeA : length(a) < length(b);
    });
    std::vector<int> confirmed;
    QString unreadable;
    for (std::size_t k = 0; k < order.size() && k < std::size_t(wanted) + 2 && int(confirmed.size()) < wanted; ++k) {
        const std::optional<TrackSum> sum = wholeTrack(order[k], offset);
        if (!sum && m_stopped) return {};
        if (!sum) {
            unreadable = m_error;
            continue;
        }
        for (const TrackEntry* entry : entries(order[k]))
            if (entry->checksum == sum->v1() || entry->checksum == sum->v2()) {
                confirmed.push_back(order[k]);
                break;
            }
    }
    // Too few tracks to confirm, one of them unreadable: that is why.
    m_error = int(confirmed.size()) < wanted ? unreadable : QString();
    std::sort(confirmed.begin(), confirmed.end());
    return confirmed;
}

}  // namespace accuraterip
