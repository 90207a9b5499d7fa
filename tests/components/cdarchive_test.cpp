// Awkward discs through the grabber, over images made in the test
// (support/CdArchiveImages): an enhanced CD (audio, then a data session), a
// data track first, a hidden track before track 1, gaps, ISRCs, a catalogue
// number and a pre-emphasised track.
#include "components/audio/cd/CdGrabber.h"
#include "support/CdArchiveImages.h"
#include "support/CdImages.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

class CdArchiveTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString stubs() const { return dir.filePath(QStringLiteral("stubs")); }
};

TEST_F(CdArchiveTest, ImagesHoldTheirLayoutAsLibcdioReadsIt) {
    const ArchiveImage image = writeArchiveImage(dir.path(), QStringLiteral("enhanced"), enhancedDisc());
    ASSERT_FALSE(image.cue.isEmpty());
    // Audio 230 + (150 + 160) + (40 + 260) = 840 sectors; the data track 11,400
    // sectors later.
    EXPECT_EQ(image.starts, (std::vector<std::int32_t>{0, 380, 580, 840 + kSessionGapSectors}));
    EXPECT_EQ(image.pregaps, (std::vector<std::int32_t>{0, 230, 540, 840 + kSessionGapSectors}));
    EXPECT_EQ(image.audioEnd, 840);
    EXPECT_EQ(image.leadOut, 840 + kSessionGapSectors + 300);
    EXPECT_EQ(image.dataTracks(), std::vector<int>{4});
    CdGrabber grabber(nullptr, stubs(), false);
    ASSERT_EQ(grabber.OpenImage(image.cue), 0) << grabber.reason().toStdString();
    const DiscToc toc = grabber.toc();
    EXPECT_EQ(toc.trackStarts, image.starts);
    EXPECT_EQ(toc.leadOut, image.leadOut);
    const DiscLayout layout = grabber.layout();
    ASSERT_EQ(layout.tracks.size(), 4u);
    EXPECT_EQ(layout.catalog, QStringLiteral("0724384260958"));
    EXPECT_EQ(layout.tracks[0].isrc, QStringLiteral("GBVLR2500021"));
    EXPECT_EQ(layout.tracks[1].pregap, 150);
    EXPECT_EQ(layout.tracks[2].pregap, 40);
    EXPECT_EQ(layout.tracks[2].isrc, QStringLiteral("GBVLR2500023"));
    EXPECT_FALSE(layout.tracks[3].audio);
    EXPECT_EQ(grabber.audioTrackCount(), 3);
}

}  // namespace
