// A drive's read offset: kept per drive in the store beside the single offset earlier versions
// kept, the frame-450 checksums slid over offsets as the finder computes them, and the
// AccurateRip drive-offset list read from bytes laid out here.
#include "components/audio/cd/AccurateRip.h"
#include "components/audio/cd/CdGrabber.h"
#include "components/audio/cd/OffsetSearch.h"
#include "components/audio/settings/GrabSettings.h"
#include "components/net/DriveOffsets.h"
#include "components/store/CRegister.h"
#include "components/store/WindowSettings.h"
#include "support/CdImages.h"
#include "support/ConfigHome.h"
#include "support/FuzzCorpus.h"
#include "targets/Targets.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace testing_support;

namespace {

const QString kKey = ConverterWindowSettings::key();

void storeRaw(const QString& name, const QString& text) {
    CRegister().REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, kKey, name, text);
}

TEST(DriveReadOffsets, EachDriveKeepsItsOwnAndTheSingleOffsetStaysTheDefault) {
    {
        const TempConfigHome config;
        GrabSettings g;
        g.readOffset = 30;
        g.driveOffsets = {{u"PIONEER BD-RW BDR-209D"_s, 667}, {u"HL-DT-ST CD/DVD+-RW GH24"_s, -5000}, {u"ODD"_s, 0}};
        g.driveOffsetsUrl = u"http://127.0.0.1:9/offsets.bin"_s;
        g.save(kKey);
        const GrabSettings back = GrabSettings::load(kKey);
        EXPECT_EQ(back, g);
        EXPECT_EQ(back.offsetFor(u"PIONEER BD-RW BDR-209D"_s).samples, 667);
        EXPECT_EQ(back.offsetFor(u"PIONEER BD-RW BDR-209D"_s).origin, u"stored for PIONEER BD-RW BDR-209D"_s);
        EXPECT_EQ(back.offsetFor(u"ODD"_s).samples, 0);
        EXPECT_EQ(back.offsetFor(u"OTHER DRIVE"_s).samples, 30);
        EXPECT_EQ(back.offsetFor(u"OTHER DRIVE"_s).origin, u"default"_s);
    }
    // An earlier version's single offset: every drive's, until one has its own.
    const TempConfigHome config;
    storeRaw(u"Drive Read Offset"_s, u"667"_s);
    GrabSettings old = GrabSettings::load(kKey);
    EXPECT_TRUE(old.driveOffsets.empty());
    EXPECT_EQ(old.offsetFor(u"ANY DRIVE"_s).samples, 667);
    EXPECT_EQ(old.offsetFor(QString()).origin, u"default"_s);
    // Lines that cannot be one drive's offset are left out; the rest load.
    storeRaw(u"Drive Read Offsets"_s, u"6 GOOD ONE\n5001 TOO FAR\nx NOT A NUMBER\n-48\n  \n-48 GOOD  TWO \n7 GOOD ONE"_s);
    old = GrabSettings::load(kKey);
    EXPECT_EQ(old.driveOffsets, (std::map<QString, int>{{u"GOOD ONE"_s, 7}, {u"GOOD  TWO"_s, -48}}));
    old.driveOffsets[u"LINE\nBREAK"_s] = 12;  // a name can break no line of the stored text
    old.saveDriveOffsets(kKey);
    EXPECT_EQ(GrabSettings::load(kKey).driveOffsets.at(u"LINE BREAK"_s), 12);
}

TEST(DriveReadOffsets, ADiscImageIsReadWithoutOffsetAndNamesNoDrive) {
    QTemporaryDir dir;
    const CdImage image = writeReferenceDisc(dir.path());
    CdGrabber grabber(nullptr, dir.filePath(u"stubs"_s), false);
    ASSERT_GE(grabber.OpenImage(image.cue), 0);
    GrabSettings s;
    s.readOffset = 667;
    grabber.setSettings(s);
    EXPECT_EQ(grabber.driveName(), QString());
    EXPECT_EQ(grabber.appliedOffset().samples, 0);
    EXPECT_EQ(grabber.appliedOffset().origin, u"disc image"_s);
    // Raw reads give the image's own samples, and none while a track is open.
    std::vector<std::int16_t> sectors(2 * 1176);
    ASSERT_TRUE(grabber.readRawSectors(image.starts[1] + 3, 2, sectors.data())) << grabber.reason().toStdString();
    EXPECT_TRUE(std::equal(sectors.begin(), sectors.end(), image.tracks[1].begin() + 3 * 1176));
    grabber.OpenTrack(2);
    EXPECT_FALSE(grabber.readRawSectors(0, 1, sectors.data()));
    EXPECT_EQ(grabber.LastError(), CdGrabber::ErrorBusy);
}

// Each slid checksum is the frame-450 checksum a track whose sector 450 starts there has.
TEST(DriveReadOffsets, SlidFrame450ChecksumsAreTheTracksOwn) {
    const int from = -700, to = 700;
    const SampleBlock span = cdNoise(4, 5);  // 2352 frames: 588 + 1400 needed
    const std::vector<std::uint32_t> sums = accuraterip::slideFrame450(span.data(), from, to);
    ASSERT_EQ(sums.size(), std::size_t(to - from + 1));
    for (const int offset : {-700, -48, -1, 0, 1, 588, 667, 700}) {
        SampleBlock track(std::size_t(451 * 1176), 0);
        const std::size_t at = std::size_t(offset - from) * 2;
        std::copy(span.begin() + std::ptrdiff_t(at), span.begin() + std::ptrdiff_t(at + 1176), track.begin() + 450 * 1176);
        accuraterip::TrackSum sum(451 * 588, false, false);
        sum.add(track.data(), track.size());
        EXPECT_EQ(sums[std::size_t(offset - from)], sum.frame450()) << offset;
    }
}

// One record as the file lays it out: the offset, the name padded with NUL bytes, a NUL, the
// count of rips, then unused bytes.
QByteArray record(qint16 offset, const QByteArray& name, int rips, char unused = '\0') {
    QByteArray r(69, unused);
    r[0] = char(offset & 0xff);
    r[1] = char((offset >> 8) & 0xff);
    for (int i = 0; i < 33; ++i) r[2 + i] = i < name.size() ? name[i] : '\0';
    r[35] = char(rips);
    return r;
}

TEST(DriveOffsetList, ReadsTheRecordsAndFindsADriveByItsName) {
    const QByteArray bytes = record(667, "PIONEER  - BD-RW   BDR-209D", 91, 'x') + record(-1164, "- CDROM 52X", 3) +
                             record(6, "", 5) + record(30, QByteArray(40, 'L'), 255) + record(-48, "pioneer - bd-rw bdr-209d", 2);
    const net::DriveOffsetList list = net::parseDriveOffsets(bytes);
    ASSERT_TRUE(list.error.isEmpty()) << list.error.toStdString();
    ASSERT_EQ(list.entries.size(), 4u);  // the nameless record is left out
    EXPECT_EQ(list.entries[0].name, u"PIONEER - BD-RW BDR-209D"_s);
    EXPECT_EQ(list.entries[0].submissions, 91);
    EXPECT_EQ(list.entries[1].offset, -1164);
    EXPECT_EQ(list.entries[2].name, QString(32, u'L'));  // the name's field ends after 32 bytes
    const struct {
        const char* drive;
        std::optional<int> offset;
    } lookups[] = {{"PIONEER BD-RW BDR-209D", 667},  // the first entry of a name counts
                   {"Pioneer  BD-RW  BDR-209D", 667}, {"CDROM 52X", -1164}, {"CDROM", std::nullopt},
                   {"PIONEER BD-RW", std::nullopt}, {"", std::nullopt}};
    for (const auto& l : lookups) EXPECT_EQ(net::listedOffset(list, QString::fromLatin1(l.drive)), l.offset) << l.drive;
    EXPECT_EQ(net::parseDriveOffsets(net::driveOffsetBytes(list.entries)).entries.size(), 4u);

    const struct {
        QByteArray bytes;
        const char* error;
    } damaged[] = {{{}, "The drive-offset list is empty."},
                   {bytes.left(68), "The drive-offset list is damaged: it is not a whole number of 69-byte records."},
                   {bytes + 'x', "The drive-offset list is damaged: it is not a whole number of 69-byte records."}};
    for (const auto& d : damaged) {
        const net::DriveOffsetList none = net::parseDriveOffsets(d.bytes);
        EXPECT_EQ(none.error, QString::fromLatin1(d.error));
        EXPECT_TRUE(none.entries.empty());
    }
}

TEST(FuzzCorpus, DriveOffsetLists) { replayFuzzCorpus(u"drive_offsets"_s, fuzz_targets::driveOffsetList); }

}  // namespace
