// The read offset finder on disc images made as drives with an offset read the reference disc,
// against the reference disc's own AccurateRip record and a drive-offset list, both on a local
// server.
#include "components/audio/cd/CdGrabber.h"
#include "components/audio/cd/OffsetSearch.h"
#include "runs/ReadOffsetFinder.h"
#include "support/DiscServices.h"
#include "support/OffsetImages.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace testing_support;
using converter::OffsetFinding;

namespace {

class ReadOffsetFinder : public ::testing::Test {
protected:
    void SetUp() override { reference = writeReferenceDisc(dir.path()); }
    // What the finder makes of `drive` with `record` served (empty: none) and the list giving
    // `listed` for the test drive (served: false, the list is missing).
    OffsetFinding find(const CdImage& drive, const QByteArray& record, std::optional<int> listed,
                       const QString& driveName = QLatin1String(kTestDriveName), bool listServed = true,
                       std::shared_ptr<CdDriveLayer> layer = {}) {
        WebServer server;
        serveReferenceDisc(server, record);
        if (listServed) serveDriveOffsets(server, listed);
        EXPECT_TRUE(server.start());
        settings = settingsFor(server);
        settings.driveOffsetsUrl = server.base() + QLatin1String(kDriveOffsetsPath);
        CdGrabber grabber(nullptr, dir.filePath(QStringLiteral("stubs")), false);
        EXPECT_GE(grabber.OpenImage(drive.cue), 0) << grabber.reason().toStdString();
        grabber.setSettings(settings);
        grabber.setDriveLayer(layer);
        const auto lookups = converter::lookUpForOffset(grabber.toc(), driveName, settings,
                                                        dir.filePath(QStringLiteral("cache%1").arg(++runs)));
        return converter::findReadOffset(grabber, lookups, driveName);
    }
    CdImage shifted(int offset) {
        return writeShiftedImage(dir.path(), QStringLiteral("shifted%1").arg(offset), reference, offset);
    }

    QTemporaryDir dir;
    CdImage reference;
    GrabSettings settings;
    int runs = 0;
};

TEST_F(ReadOffsetFinder, FindsTheOffsetAnImageWasReadWithAndKeepsItForTheDrive) {
    // A scratch at sector 450 of track 1 leaves tracks 2 and 3 to find and confirm the offset.
    auto scratched = std::make_shared<ScratchedDisc>();
    scratched->unreadable = {450};
    const struct {
        int offset;
        std::optional<int> listed;
        const char* drive;
        const char* text;
        std::shared_ptr<CdDriveLayer> layer = {};
    } cases[] = {
        {667, 667, kTestDriveName,
         "Detected +667 (confirmed by 2 tracks); the drive-offset list gives +667 for TESTVEND MODEL X."},
        {-48, std::nullopt, kTestDriveName,
         "Detected -48 (confirmed by 2 tracks); the drive-offset list has no entry for TESTVEND MODEL X."},
        {667, 6, kTestDriveName,
         "Detected +667 (confirmed by 2 tracks); the drive-offset list gives +6 for TESTVEND MODEL X, which does not "
         "agree: the detected offset is the one kept."},
        {-4999, std::nullopt, "", "Detected -4999 (confirmed by 2 tracks); a disc image names no drive to look up in the "
                                  "drive-offset list."},
        {667, 667, kTestDriveName,
         "Detected +667 (confirmed by 2 tracks); the drive-offset list gives +667 for TESTVEND MODEL X.", scratched},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.offset);
        const OffsetFinding f = find(shifted(c.offset), recordOf(reference), c.listed, QString::fromLatin1(c.drive), true, c.layer);
        EXPECT_EQ(f.text(), QString::fromUtf8(c.text));
        ASSERT_EQ(f.kind, OffsetFinding::Kind::Detected);
        EXPECT_EQ(f.offset, c.offset);
        GrabSettings kept = settings;
        EXPECT_EQ(converter::keepFinding(kept, f), *c.drive != 0);
        if (*c.drive) {
            EXPECT_EQ(kept.offsetFor(QString::fromLatin1(c.drive)).samples, c.offset);
            EXPECT_EQ(kept.offsetFor(QString::fromLatin1(c.drive)).origin, QStringLiteral("stored for TESTVEND MODEL X"));
        } else {
            EXPECT_EQ(kept, settings);
        }
    }
}

// Not in the database, a record of another rip, a record right at sector 450 only, a list that
// cannot be had and a sector that cannot be read: each says so, and nothing is kept.
TEST_F(ReadOffsetFinder, EveryOtherOutcomeIsSaidAndKeepsNothing) {
    const CdImage drive = shifted(667);
    std::vector<SampleBlock> noise{cdNoise(460, 99), cdNoise(200, 98), cdNoise(460, 97)};
    const CdImage otherRip = writeCdImage(dir.path(), QStringLiteral("noise"), noise);
    auto scratched = std::make_shared<ScratchedDisc>();
    scratched->unreadable = {450, 1110};  // sector 450 of tracks 1 and 3
    const QString noDisc = QStringLiteral(
        "The disc is not in the AccurateRip database, so no read offset can be detected with it; try another disc. ");
    const struct {
        const char* name;
        QByteArray record;
        bool listServed;
        std::shared_ptr<CdDriveLayer> layer;
        QString text;
    } cases[] = {
        {"not in the database", {}, true, {}, noDisc + QStringLiteral("The drive-offset list gives +667 for TESTVEND MODEL X.")},
        {"no list", {}, false, {}, noDisc + QStringLiteral("The drive-offset list could not be fetched: The server of the "
                                                           "drive-offset list answered with HTTP status 404.")},
        {"another rip", recordOf(otherRip), true, {},
         QStringLiteral("No read offset from -5000 to +5000 matches the disc's AccurateRip record (2 tracks compared). "
                        "The drive-offset list gives +667 for TESTVEND MODEL X.")},
        {"sector 450 only", frame450OnlyRecord(reference), true, {},
         QStringLiteral("Offset +667 matches the disc's AccurateRip record at sector 450 of 2 tracks, but no whole track "
                        "matches: no read offset detected. The drive-offset list gives +667 for TESTVEND MODEL X.")},
        {"unreadable", recordOf(reference), true, scratched,
         QStringLiteral("The read offset could not be detected: Sector 1110 of the disc in %1 could not be read. The "
                        "drive-offset list gives +667 for TESTVEND MODEL X.")
             .arg(drive.cue)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const OffsetFinding f = find(drive, c.record, 667, QLatin1String(kTestDriveName), c.listServed, c.layer);
        EXPECT_EQ(f.text(), c.text);
        EXPECT_NE(f.kind, OffsetFinding::Kind::Detected);
        GrabSettings kept = settings;
        EXPECT_FALSE(converter::keepFinding(kept, f));
        EXPECT_EQ(kept, settings);
    }
}

// The search reads the sectors around each track's sector 450 once for all 10,001 offsets.
TEST_F(ReadOffsetFinder, TheSearchReadsEachTracksSpanOnce) {
    const CdImage drive = shifted(667);
    CdGrabber grabber(nullptr, dir.filePath(QStringLiteral("stubs")), false);
    ASSERT_GE(grabber.OpenImage(drive.cue), 0);
    auto counter = std::make_shared<CountingLayer>();
    grabber.setDriveLayer(counter);
    const accuraterip::Record record = accuraterip::parseRecord(recordOf(reference));
    accuraterip::OffsetSearch search(grabber, record);
    const std::vector<accuraterip::OffsetCandidate> found = search.candidates(-5000, 5000);
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found[0].offset, 667);
    EXPECT_EQ(found[0].tracks, (std::vector<int>{1, 3}));
    // 588 + 10,000 frames a track: 19 sectors, or 20 across a sector's edge.
    EXPECT_EQ(search.tracksCompared(), 2);
    EXPECT_LE(counter->sectors, 2 * 20);
    counter->sectors = 0;
    EXPECT_EQ(search.confirmingTracks(667, 2), (std::vector<int>{1, 2}));
    EXPECT_LE(counter->sectors, 460 + 200 + 2 * 9);  // the two tracks once, a sector more a second
    EXPECT_EQ(search.confirmingTracks(666, 2), std::vector<int>{});
}

}  // namespace
