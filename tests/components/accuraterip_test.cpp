// AccurateRip checksums, disc identifiers, records and verdicts, and the MusicBrainz disc id.
#include "components/audio/cd/AccurateRip.h"
#include "components/audio/cd/CdGrabber.h"
#include "components/audio/cd/LocalDiscInfo.h"
#include "support/CdImages.h"
#include "support/CoreSupport.h"
#include "support/Translation.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace accuraterip;
using testing_support::writeReferenceDisc;

DiscToc referenceToc() { return {{0, 460, 660}, 1120}; }

TrackSum sumOf(const SampleBlock& track, int number, int tracks, std::size_t chunk) {
    TrackSum sum(std::int64_t(track.size() / 2), number == 1, number == tracks);
    for (std::size_t at = 0; at < track.size(); at += chunk) sum.add(track.data() + at, std::min(chunk, track.size() - at));
    return sum;
}

// The reference values were computed from the tracks written as WAV files by the
// accuraterip-checksum program of Debian's whipper package (0.10.0-2+b3), an implementation of
// its own: `accuraterip-checksum --accuraterip-v1|--accuraterip-v2 tN.wav N 3`.
TEST(AccurateRip, ChecksumsOfTheReferenceDiscAgreeWithAnIndependentImplementation) {
    QTemporaryDir dir;
    const auto image = writeReferenceDisc(dir.path());
    const struct {
        int track;
        std::uint32_t v1, v2;
    } expected[] = {{1, 0x000C7AB7, 0x4018E124}, {2, 0x81D56540, 0x4BDA6A9E}, {3, 0xF8452D68, 0xB00C68FA}};
    for (const auto& e : expected) {
        // Fed whole, and in pieces that split frames (an odd count of values).
        for (std::size_t chunk : {std::size_t(1) << 30, std::size_t(1175), std::size_t(3)}) {
            const TrackSum sum = sumOf(image.tracks[std::size_t(e.track - 1)], e.track, 3, chunk);
            EXPECT_EQ(sum.v1(), e.v1) << "track " << e.track << " chunk " << chunk;
            EXPECT_EQ(sum.v2(), e.v2) << "track " << e.track << " chunk " << chunk;
        }
    }
}

TEST(AccurateRip, TheDiscEdgesAreLeftOutOfTheFirstAndLastTrackOnly) {
    // A track of silence but for one frame at position p (counted from 1): v1 is p × word when
    // the frame counts, 0 when it is left out.
    const std::int64_t frames = 20 * 588;
    const struct {
        std::int64_t position;
        bool first, last;
        bool counts;
    } cases[] = {{2939, true, false, false},          {2940, true, false, true},           {1, false, false, true},
                 {frames - 2940, false, true, true},  {frames - 2939, false, true, false}, {frames, false, false, true},
                 {frames - 2939, true, true, false},  {2939, true, true, false}};
    for (const auto& c : cases) {
        SampleBlock track(std::size_t(frames) * 2, 0);
        track[std::size_t(c.position - 1) * 2] = 1;  // word 1
        TrackSum sum(frames, c.first, c.last);
        sum.add(track.data(), track.size());
        EXPECT_EQ(sum.v1(), c.counts ? std::uint32_t(c.position) : 0u) << c.position << " " << c.first << c.last;
    }
    // The frame-450 checksum: frame 1 of sector 450 counts once, whatever the track's place.
    SampleBlock track(std::size_t(460 * 588) * 2, 0);
    track[std::size_t(450 * 588) * 2 + 2] = 3;  // the sector's second frame
    TrackSum sum(460 * 588, true, true);
    sum.add(track.data(), track.size());
    EXPECT_EQ(sum.frame450(), 6u);
}

TEST(AccurateRip, DiscIdentifiersAndTheRecordNameFollowTheTableOfContents) {
    // Worked out by hand: id1 = 0 + 460 + 660 + 1120; id2 = 1×1 + 460×2 + 660×3 + 1120×4.
    const DiscIds ids = discIds(referenceToc());
    EXPECT_EQ(ids.id1, 0x8c0u);
    EXPECT_EQ(ids.id2, 0x1cd5u);
    EXPECT_EQ(ids.cddb, 0x0b000e03u);
    EXPECT_EQ(ids.fileName(), QStringLiteral("dBAR-003-000008c0-00001cd5-0b000e03.bin"));
    EXPECT_EQ(ids.serverPath(), QStringLiteral("0/c/8/dBAR-003-000008c0-00001cd5-0b000e03.bin"));
    EXPECT_EQ(discIds(DiscToc{}).tracks, 0);
    // The same value libdiscid's Python binding gives for offsets 150, 610, 810 and lead-out 1270.
    EXPECT_EQ(musicBrainzDiscId(referenceToc()), QStringLiteral("jObrkwt9ee2eRhec1KFMgPp56d4-"));
    EXPECT_TRUE(musicBrainzDiscId(DiscToc{}).isEmpty());
}

TEST(AccurateRip, RecordsReadBackAndDamagedOnesAreRefused) {
    const DiscIds ids = discIds(referenceToc());
    const std::vector<Block> blocks{{ids, {{5, 0x11, 0x21}, {4, 0x12, 0x22}, {3, 0x13, 0x23}}}, {ids, {{2, 0x31, 0x41}}}};
    const QByteArray bytes = recordBytes(blocks);
    EXPECT_EQ(bytes.size(), 2 * 13 + 4 * 9);
    const Record record = parseRecord(bytes);
    ASSERT_TRUE(record.error.isEmpty()) << record.error.toStdString();
    ASSERT_EQ(record.blocks.size(), 2u);
    EXPECT_EQ(record.blocks[0].ids.id2, ids.id2);
    EXPECT_EQ(record.blocks[0].tracks[1].confidence, 4);
    EXPECT_EQ(record.blocks[0].tracks[2].frame450, 0x23u);
    EXPECT_EQ(record.blocks[1].tracks[0].checksum, 0x31u);
    for (const QByteArray& damaged : {QByteArray(), bytes.left(10), bytes.left(13 + 9), bytes + QByteArray(13, '\0')}) {
        const Record r = parseRecord(damaged);
        EXPECT_FALSE(r.error.isEmpty()) << damaged.size();
        EXPECT_TRUE(r.blocks.empty()) << damaged.size();
    }
}

TEST(AccurateRip, VerdictsCountConfidenceOverTheBlocksOfThisDisc) {
    const DiscIds ids = discIds(referenceToc());
    DiscIds other = ids;
    other.id2 += 1;
    const Record record{{{ids, {{5, 0xa2, 0}, {4, 0xb1, 0}, {3, 0xc0, 0}}},
                         {ids, {{2, 0xa2, 0}, {1, 0xbb, 0}, {6, 0xcc, 0}}},
                         {other, {{9, 0xa2, 0}, {9, 0xb1, 0}, {9, 0xc1, 0}}}},
                        {}};
    using Kind = Verdict::Kind;
    const struct {
        int track;
        std::uint32_t v1, v2;
        Kind kind;
        int confidence, version;
        const char* text;
    } cases[] = {
        {1, 0xa1, 0xa2, Kind::Matched, 7, 2, "Accurately ripped (confidence 7, AccurateRip v2)"},
        {2, 0xb1, 0xb2, Kind::Matched, 4, 1, "Accurately ripped (confidence 4, AccurateRip v1)"},
        {3, 0xc1, 0xc2, Kind::Mismatch, 9, 0, "Does not match AccurateRip (9 other rips)"},
        {4, 0xd1, 0xd2, Kind::NotInDatabase, 0, 0, "Not in the AccurateRip database"},
    };
    for (const auto& c : cases) {
        const Verdict v = verify(&record, ids, c.track, c.v1, c.v2);
        EXPECT_EQ(v.kind, c.kind) << c.track;
        EXPECT_EQ(v.confidence, c.confidence) << c.track;
        EXPECT_EQ(v.version, c.version) << c.track;
        EXPECT_EQ(v.text(), QString::fromUtf8(c.text)) << c.track;
    }
    EXPECT_EQ(verify(nullptr, ids, 1, 0xa1, 0xa2).kind, Kind::NotInDatabase);
    // Only the other pressing's block: nothing is known of this disc.
    const Record foreign{{record.blocks[2]}, {}};
    EXPECT_EQ(verify(&foreign, ids, 1, 0xa1, 0xa2).kind, Kind::NotInDatabase);
}

// The rip log is read by tools: its verdict stays English whatever catalogue is installed,
// while the verdict a window shows and a damaged record's reason are translated.
TEST(AccurateRip, TheLoggedVerdictStaysEnglishWhileShownTextsAreTranslated) {
    const testing_support::BracketingTranslator marking;
    Verdict matched;
    matched.kind = Verdict::Kind::Matched;
    matched.confidence = 7;
    matched.version = 2;
    EXPECT_EQ(matched.text(), QStringLiteral("Accurately ripped (confidence 7, AccurateRip v2)"));
    EXPECT_EQ(matched.shownText(), QStringLiteral("[Accurately ripped (confidence 7, AccurateRip v2)]"));
    EXPECT_EQ(Verdict{}.text(), QStringLiteral("Not in the AccurateRip database"));
    EXPECT_EQ(parseRecord(QByteArray()).error, QStringLiteral("[The AccurateRip record is empty.]"));
}

TEST(AccurateRip, CdTextOfACueSheetReachesTheGrabberWithoutNetwork) {
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(QStringLiteral("text")));
    QDir().mkpath(dir.filePath(QStringLiteral("plain")));
    const auto withText = writeReferenceDisc(dir.filePath(QStringLiteral("text")), true);
    const auto plain = writeReferenceDisc(dir.filePath(QStringLiteral("plain")), false);
    CdGrabber grabber(nullptr, dir.filePath(QStringLiteral("stubs")), false);
    ASSERT_GE(grabber.OpenImage(withText.cue), 0) << grabber.reason().toStdString();
    bool found = false;
    const DiscInfo info = grabber.cdText(&found);
    EXPECT_TRUE(found);
    EXPECT_EQ(info.artist, QStringLiteral("Text Artist"));
    EXPECT_EQ(info.album, QStringLiteral("Text Album"));
    EXPECT_EQ(info.trackTitles,
              QStringList({QStringLiteral("First Words"), QStringLiteral("Pure Tone"), QStringLiteral("Last Words")}));
    EXPECT_EQ(info.discId, QStringLiteral("0b000e03"));
    // A track's own performer; the others have none of their own.
    EXPECT_EQ(info.trackArtists, QStringList({QString(), QStringLiteral("Guest Voice"), QString()}));
    // The cue sheet's ISRC lines are the disc's own.
    for (int t = 1; t <= 3; ++t) EXPECT_EQ(grabber.isrc(t), QLatin1String(testing_support::kReferenceIsrcs[t - 1])) << t;
    EXPECT_EQ(grabber.audioTrackCount(), 3);
    ASSERT_GE(grabber.OpenImage(plain.cue), 0) << grabber.reason().toStdString();
    grabber.cdText(&found);
    EXPECT_FALSE(found);
    EXPECT_TRUE(grabber.isrc(1).isEmpty());
}

}  // namespace
