// The grabber on awkward discs, over images the tests write: an enhanced CD (its data session
// listed, never read, its last audio track ending 11,400 sectors before it, its disc ids as
// libdiscid and libcddb compute them), a mixed-mode disc, audio hidden in track 1's pre-gap,
// pre-emphasis flags, and the de-emphasis filter against sox.
#include "components/audio/cd/AccurateRip.h"
#include "components/audio/cd/CdGrabber.h"
#include "components/audio/cd/CdTrackTags.h"
#include "components/audio/cd/Deemphasis.h"
#include "components/audio/cd/LocalDiscInfo.h"
#include "support/CdArchiveImages.h"
#include "support/CdImages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cddb/cddb.h>
#include <discid/discid.h>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace testing_support;

namespace {

SampleBlock ripTrack(CdGrabber& grabber, int track) {
    SampleBlock all;
    grabber.OpenTrack(track);
    while (grabber.LastError() >= 0) {
        int size = 88200;
        const SampleBlock block = grabber.ReadBlock(size);
        if (block.empty()) break;
        all.insert(all.end(), block.begin(), block.end());
    }
    grabber.CloseTrack();
    return all;
}

QStringList stubNames(const CdGrabber& grabber) {
    return QDir(grabber.RootText()).entryList({QStringLiteral("*.cda")}, QDir::Files, QDir::Name);
}

// libdiscid's id of a first session given as plain numbers: tracks 1..last, sectors counted from
// the start of the lead-in.
QString referenceDiscId(const std::vector<std::int32_t>& starts, int last, int leadOut) {
    int offsets[100] = {};
    offsets[0] = leadOut + 150;
    for (int i = 0; i < last; ++i) offsets[i + 1] = starts[std::size_t(i)] + 150;
    DiscId* disc = discid_new();
    QString id;
    if (discid_put(disc, 1, last, offsets)) id = QString::fromLatin1(discid_get_id(disc));
    discid_free(disc);
    return id;
}

// libcddb's id of every track with the disc's lead-out.
std::uint32_t referenceCddbId(const std::vector<std::int32_t>& starts, int leadOut) {
    cddb_disc_t* disc = cddb_disc_new();
    for (const std::int32_t s : starts) {
        cddb_track_t* t = cddb_track_new();
        cddb_track_set_frame_offset(t, s + 150);
        cddb_disc_add_track(disc, t);
    }
    cddb_disc_set_length(disc, static_cast<unsigned>((leadOut + 150) / 75));
    cddb_disc_calc_discid(disc);
    const auto id = std::uint32_t(cddb_disc_get_discid(disc));
    cddb_disc_destroy(disc);
    return id;
}

class CdReadingTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    CdGrabber grabber{nullptr, dir.filePath(QStringLiteral("stubs")), false};
    ArchiveImage open(const char* name, const ArchiveDisc& disc) {
        const ArchiveImage image = writeArchiveImage(dir.path(), QLatin1String(name), disc);
        EXPECT_FALSE(image.cue.isEmpty());
        EXPECT_GE(grabber.OpenImage(image.cue), 0) << grabber.reason().toStdString();
        return image;
    }
};

// Audio, then a data track in a second session: the data track is listed and refused, every
// audio track is the disc's samples exactly (as cd-paranoia reads the first two), and the last
// one stops 11,400 sectors before the data track, where cd-paranoia, knowing no sessions in an
// image, reads on into the gap.
TEST_F(CdReadingTest, AnEnhancedCdsAudioEndsBeforeItsDataSession) {
    const ArchiveImage image = open("enhanced", enhancedDisc());
    ASSERT_EQ(image.starts.size(), 4u);
    const int dataStart = image.starts[3];
    ASSERT_EQ(image.audioEnd, dataStart - 11400);

    const DiscLayout layout = grabber.layout();
    ASSERT_EQ(layout.tracks.size(), 4u);
    EXPECT_EQ(layout.audioEnd, dataStart - 11400);
    EXPECT_EQ(layout.leadOut, image.leadOut);
    EXPECT_FALSE(layout.tracks[3].audio);
    EXPECT_EQ(layout.tracks[3].length, image.leadOut - dataStart);
    EXPECT_EQ(layout.tracks[2].start + layout.tracks[2].length, dataStart - 11400);
    EXPECT_EQ(layout.tracks[1].pregap, 150);
    EXPECT_EQ(layout.tracks[0].length, 230);  // up to track 2's pre-gap
    EXPECT_EQ(layout.tracks[2].isrc, QStringLiteral("GBVLR2500023"));
    EXPECT_EQ(grabber.audioTrackCount(), 3);
    EXPECT_EQ(stubNames(grabber), (QStringList{QStringLiteral("Track01.cda"), QStringLiteral("Track02.cda"), QStringLiteral("Track03.cda")}));

    for (int track = 1; track <= 3; ++track) {
        SCOPED_TRACE(track);
        const SampleBlock got = ripTrack(grabber, track);
        EXPECT_EQ(grabber.LastError(), 0) << grabber.reason().toStdString();
        EXPECT_TRUE(got == image.ripOf(track)) << "not the samples written";
        QString error;
        const SampleBlock reference = cdParanoiaRip(image.cue, track, &error);
        ASSERT_FALSE(reference.empty()) << error.toStdString();
        if (track < 3) {
            EXPECT_TRUE(got == reference) << "differs from cd-paranoia";
        } else {
            EXPECT_EQ(got.size(), std::size_t(dataStart - 11400 - image.starts[2]) * kCdSectorValues);
            ASSERT_GE(reference.size(), got.size());
            EXPECT_TRUE(std::equal(got.begin(), got.end(), reference.begin())) << "differs from cd-paranoia";
        }
    }
    grabber.OpenTrack(4);
    EXPECT_EQ(grabber.LastError(), CdGrabber::ErrorBadTrack);
}

// The ids name the audio session: MusicBrainz's as libdiscid computes it from the first
// session; AccurateRip's record counts the audio tracks, with the disc's true lead-out in id1
// and id2, and the CDDB id of every track (libcddb's).
TEST_F(CdReadingTest, AnEnhancedCdsIdsNameItsAudioSession) {
    const ArchiveImage image = open("enhanced", enhancedDisc());
    const DiscToc toc = grabber.toc();
    ASSERT_EQ(toc.trackCount(), 4);
    EXPECT_EQ(musicBrainzDiscId(toc), referenceDiscId(image.starts, 3, image.audioEnd));
    EXPECT_NE(musicBrainzDiscId(toc), referenceDiscId(image.starts, 4, image.leadOut));

    const accuraterip::DiscIds ids = accuraterip::discIds(toc);
    const auto s = [&image](int i) { return std::uint32_t(image.starts[std::size_t(i)]); };
    const auto leadOut = std::uint32_t(image.leadOut);
    const std::uint32_t id1 = s(0) + s(1) + s(2) + leadOut;
    const std::uint32_t id2 = std::max(s(0), 1u) * 1 + s(1) * 2 + s(2) * 3 + leadOut * 4;
    const std::uint32_t cddb = referenceCddbId(image.starts, image.leadOut);
    EXPECT_EQ(cddb & 0xff, 4u);
    EXPECT_EQ(ids.fileName(), QStringLiteral("dBAR-003-%1-%2-%3.bin")
                                  .arg(id1, 8, 16, QLatin1Char('0'))
                                  .arg(id2, 8, 16, QLatin1Char('0'))
                                  .arg(cddb, 8, 16, QLatin1Char('0')));
    EXPECT_EQ(cddbDiscId(toc), QStringLiteral("%1").arg(cddb, 8, 16, QLatin1Char('0')));
    // The record's places of the tracks: the data track has none.
    const int places[] = {accuraterip::recordTrack(toc, 0), accuraterip::recordTrack(toc, 1), accuraterip::recordTrack(toc, 3),
                          accuraterip::recordTrack(toc, 4)};
    EXPECT_EQ(std::vector<int>(std::begin(places), std::end(places)), (std::vector<int>{0, 1, 3, 0}));
}

// A data track first: listed, never read; the audio after it is read exactly, the ids count the
// data track where libdiscid and libcddb do, and AccurateRip numbers the audio from 1.
TEST_F(CdReadingTest, AMixedModeDiscsDataTrackIsSkipped) {
    const ArchiveImage image = open("mixed", mixedModeDisc());
    const DiscLayout layout = grabber.layout();
    ASSERT_EQ(layout.tracks.size(), 3u);
    EXPECT_FALSE(layout.tracks[0].audio);
    EXPECT_EQ(layout.tracks[0].length, 300);
    EXPECT_EQ(layout.tracks[1].pregap, 150);
    EXPECT_EQ(layout.audioEnd, image.leadOut);
    EXPECT_EQ(stubNames(grabber), (QStringList{QStringLiteral("Track02.cda"), QStringLiteral("Track03.cda")}));
    grabber.OpenTrack(1);
    EXPECT_EQ(grabber.LastError(), CdGrabber::ErrorBadTrack);
    EXPECT_TRUE(ripTrack(grabber, 2) == image.ripOf(2));
    EXPECT_TRUE(ripTrack(grabber, 3) == image.ripOf(3));

    const DiscToc toc = grabber.toc();
    EXPECT_EQ(musicBrainzDiscId(toc), referenceDiscId(image.starts, 3, image.leadOut));
    const accuraterip::DiscIds ids = accuraterip::discIds(toc);
    EXPECT_EQ(ids.tracks, 2);
    const auto s = [&image](int i) { return std::uint32_t(image.starts[std::size_t(i)]); };
    EXPECT_EQ(ids.id1, s(1) + s(2) + std::uint32_t(image.leadOut));
    EXPECT_EQ(ids.id2, s(1) * 1 + s(2) * 2 + std::uint32_t(image.leadOut) * 3);
    EXPECT_EQ(ids.cddb, referenceCddbId(image.starts, image.leadOut));
}

// Audio before track 1's start is track 0 when it is not silence: a Track00.cda entry, in the
// layout, read exactly, nothing of the disc left out between it and the tracks after it. A
// silent pre-gap is only track 1's pre-gap.
TEST_F(CdReadingTest, AudioHiddenBeforeTrackOneIsTrackZero) {
    const ArchiveImage image = open("hidden", hiddenTrackDisc());
    EXPECT_EQ(stubNames(grabber), (QStringList{QStringLiteral("Track00.cda"), QStringLiteral("Track01.cda"),
                                               QStringLiteral("Track02.cda"), QStringLiteral("Track03.cda")}));
    DiscLayout layout = grabber.layout();
    ASSERT_EQ(layout.tracks.size(), 4u);
    EXPECT_EQ(layout.tracks[0].number, 0);
    EXPECT_EQ(layout.tracks[0].start, 0);
    EXPECT_EQ(layout.tracks[0].length, 300);
    EXPECT_TRUE(layout.tracks[0].isrc.isEmpty());
    EXPECT_EQ(layout.tracks[1].number, 1);
    EXPECT_EQ(layout.tracks[1].pregap, 300);
    EXPECT_EQ(layout.tracks[1].isrc, QStringLiteral("GBVLR2500001"));
    SampleBlock whole, written;
    for (int track = 0; track <= 3; ++track) {
        SCOPED_TRACE(track);
        const SampleBlock got = ripTrack(grabber, track);
        EXPECT_EQ(grabber.LastError(), 0) << grabber.reason().toStdString();
        EXPECT_TRUE(got == image.ripOf(track));
        whole.insert(whole.end(), got.begin(), got.end());
    }
    for (const ArchiveTrack& t : image.disc.tracks) {
        written.insert(written.end(), t.pregap.begin(), t.pregap.end());
        written.insert(written.end(), t.audio.begin(), t.audio.end());
    }
    EXPECT_TRUE(whole == written) << "the rips do not add up to the disc";

    const ArchiveImage silent = open("silent", hiddenTrackDisc(true));
    EXPECT_EQ(stubNames(grabber).value(0), QStringLiteral("Track01.cda"));
    layout = grabber.layout();
    ASSERT_EQ(layout.tracks.size(), 3u);
    EXPECT_EQ(layout.tracks[0].number, 1);
    EXPECT_EQ(layout.tracks[0].pregap, 150);
    grabber.OpenTrack(0);
    EXPECT_EQ(grabber.LastError(), CdGrabber::ErrorBadTrack);
    EXPECT_TRUE(ripTrack(grabber, 1) == silent.ripOf(1));
}

// Control flags from the sheet: pre-emphasis, digital copy permitted; a track with pre-emphasis
// is tagged so while it is written as read, and not once it is de-emphasised.
TEST_F(CdReadingTest, PreEmphasisIsListedAndTaggedUnlessUndone) {
    open("emphasis", preEmphasisDisc());
    const DiscLayout layout = grabber.layout();
    ASSERT_EQ(layout.tracks.size(), 2u);
    const struct {
        bool preEmphasis, copyPermitted;
        const char* isrc;
    } expected[] = {{false, false, ""}, {true, true, "GBVLR2500012"}};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(layout.tracks[std::size_t(i)].preEmphasis, expected[i].preEmphasis);
        EXPECT_EQ(grabber.preEmphasis(i + 1), expected[i].preEmphasis);
        EXPECT_EQ(layout.tracks[std::size_t(i)].copyPermitted, expected[i].copyPermitted);
        EXPECT_EQ(layout.tracks[std::size_t(i)].isrc, QLatin1String(expected[i].isrc));
        EXPECT_EQ(cdTrackTags(nullptr, i + 1, discFacts(grabber, i + 1)).contains(QStringLiteral("PRE_EMPHASIS")),
                  expected[i].preEmphasis);
    }
    EXPECT_EQ(layout.catalog, QStringLiteral("0724384260958"));
    EXPECT_EQ(cdTrackTags(nullptr, 2, discFacts(grabber, 2)).value(QStringLiteral("PRE_EMPHASIS")), QStringList{QStringLiteral("1")});
    GrabSettings settings;
    settings.deEmphasise = true;
    grabber.setSettings(settings);
    EXPECT_FALSE(cdTrackTags(nullptr, 2, discFacts(grabber, 2)).contains(QStringLiteral("PRE_EMPHASIS")));
}

// The hidden track's tags: track number 0 and its own title, whatever the disc information.
TEST(CdTrackTagsHidden, TrackZeroIsTheHiddenTrack) {
    DiscInfo info;
    info.album = QStringLiteral("Album");
    info.trackTitles = QStringList{QStringLiteral("First")};
    for (const DiscInfo* known : {static_cast<const DiscInfo*>(nullptr), static_cast<const DiscInfo*>(&info)}) {
        const QMap<QString, QStringList> tags = cdTrackTags(known, 0, {});
        EXPECT_EQ(tags.value(QStringLiteral("TRACKNUMBER")), QStringList{QStringLiteral("0")});
        EXPECT_EQ(tags.value(QStringLiteral("TITLE")), QStringList{QStringLiteral("Hidden track")});
    }
    EXPECT_EQ(cdTrackTags(&info, 1, {}).value(QStringLiteral("TITLE")), QStringList{QStringLiteral("First")});
}

// The MusicBrainz id of tables libdiscid would read from a drive: the audio session, with a
// data track in front counted; an image that leaves out the gap before its data session ends
// its audio where the data track starts (the first session's lead-out on the disc).
TEST(MusicBrainzDiscId, CoversTheAudioSession) {
    const struct {
        const char* name;
        DiscToc toc;
        int last;
        int leadOut;
    } cases[] = {
        {"audio only", {{0, 1000}, 5000, {}}, 2, 5000},
        {"enhanced", {{0, 1000, 20000}, 25000, {true, true, false}}, 2, 20000 - 11400},
        {"gap left out", {{0, 1000, 5000}, 9000, {true, true, false}}, 2, 5000},
        {"mixed mode", {{0, 3000, 4000}, 9000, {false, true, true}}, 3, 9000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(musicBrainzDiscId(c.toc), referenceDiscId(c.toc.trackStarts, c.last, c.leadOut));
    }
    EXPECT_TRUE(musicBrainzDiscId(DiscToc{{0}, 9000, {false}}).isEmpty());
}

// Where the audio ends, by the table of contents alone.
TEST(DiscTocAudioEnd, FollowsTheDataTrackAfterTheAudio) {
    const struct {
        const char* name;
        DiscToc toc;
        std::int32_t audioEnd;
        int first, last;
    } cases[] = {
        {"audio only", {{0, 1000}, 5000, {}}, 5000, 1, 2},
        {"enhanced", {{0, 1000, 20000}, 25000, {true, true, false}}, 20000 - 11400, 1, 2},
        {"data too close for a session", {{0, 1000, 5000}, 9000, {true, true, false}}, 5000, 1, 2},
        {"mixed mode", {{0, 3000, 4000}, 9000, {false, true, true}}, 9000, 2, 3},
        {"data only", {{0}, 9000, {false}}, 9000, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.toc.audioEnd(), c.audioEnd);
        EXPECT_EQ(c.toc.firstAudioTrack(), c.first);
        EXPECT_EQ(c.toc.lastAudioTrack(), c.last);
    }
}

// The filter against sox's deemph on music-like noise and tones, fed in uneven blocks: every
// value within 1 (both compute in double precision and round once, so only a rounding tie or the
// last bit of the arithmetic can tell them apart; sox's dither is turned off).
TEST(Deemphasis, MatchesSoxDeemph) {
    SampleBlock input = cdNoise(200, 5);
    for (auto& v : input) v = std::int16_t(v / 3);  // headroom: the shelf never clips then
    const SampleBlock tone = cdTone(100, 9000.0);
    input.insert(input.end(), tone.begin(), tone.end());
    QString error;
    const SampleBlock reference = soxDeemphasis(input, &error);
    ASSERT_EQ(reference.size(), input.size()) << error.toStdString();

    audio::Deemphasis filter(2);
    SampleBlock ours;
    for (std::size_t at = 0, size = 1; at < input.size(); at += size, size = size * 7 % 4099 + 1) {
        SampleBlock block(input.begin() + std::ptrdiff_t(at), input.begin() + std::ptrdiff_t(std::min(at + size, input.size())));
        filter.process(block);
        ours.insert(ours.end(), block.begin(), block.end());
    }
    int worst = 0;
    for (std::size_t i = 0; i < ours.size(); ++i) worst = std::max(worst, std::abs(int(ours[i]) - int(reference[i])));
    EXPECT_LE(worst, 1);
}

// The filter's gain at chosen frequencies against the analog 50/15 µs curve, to 0.06 dB.
TEST(Deemphasis, FollowsTheAnalogCurve) {
    for (const double hz : {100.0, 1000.0, 3183.0, 5000.0, 10610.0, 16000.0, 20000.0}) {
        SCOPED_TRACE(hz);
        const int frames = 44100;
        SampleBlock block(std::size_t(frames) * 2);
        for (int i = 0; i < frames; ++i)
            block[std::size_t(2 * i)] = block[std::size_t(2 * i + 1)] =
                std::int16_t(std::lround(20000.0 * std::sin(2 * std::numbers::pi * hz * i / 44100.0)));
        audio::Deemphasis filter(2);
        SampleBlock out = block;
        filter.process(out);
        double in2 = 0, out2 = 0;
        for (int i = frames / 2; i < frames; ++i) {  // past the filter's settling
            in2 += double(block[std::size_t(2 * i)]) * block[std::size_t(2 * i)];
            out2 += double(out[std::size_t(2 * i)]) * out[std::size_t(2 * i)];
        }
        const double measured = 10 * std::log10(out2 / in2);
        const double w = 2 * std::numbers::pi * hz;
        const double analog = 10 * std::log10((1 + std::pow(w * 15e-6, 2)) / (1 + std::pow(w * 50e-6, 2)));
        EXPECT_NEAR(measured, analog, 0.06);
    }
}

}  // namespace
