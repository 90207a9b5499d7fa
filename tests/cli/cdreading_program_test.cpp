// velloria-convert --cd on awkward discs: the audio hidden before track 1 ripped as track 0, an
// enhanced CD's audio verified against an AccurateRip record named by its audio session, and a
// track with pre-emphasis written as read and tagged, or de-emphasised as sox does it.
#include "components/audio/cd/AccurateRip.h"
#include "components/store/CRegister.h"
#include "components/store/WindowSettings.h"
#include "support/CdArchiveImages.h"
#include "support/CliRuns.h"
#include "support/ConfigHome.h"
#include "support/DiscServices.h"
#include "support/Signals.h"
#include "support/TagTools.h"

#include <QRegularExpression>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <discid/discid.h>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

class CliCdReading : public ::testing::Test {
protected:
    CommandResult convert(const QStringList& args) { return runCommand(args, dir.path(), config.path()); }
    QString path(const QString& relative) const { return dir.filePath(relative); }
    void store(const char* name, const QString& value) {
        CRegister().REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, ConverterWindowSettings::key(), QLatin1String(name), value);
    }
    // The FLAC files written under `folder`, by name.
    QStringList written(const QString& folder) const {
        // The rip log and its JSON lie beside them.
        QStringList names = filesUnder(path(folder)).keys().filter(QRegularExpression(QStringLiteral("\\.flac$")));
        names.sort();
        return names;
    }
    QTemporaryDir dir;
    TempConfigHome config;
};

TEST_F(CliCdReading, RipsTheHiddenTrackWithTheOthers) {
    store("AccurateRip Verify", QStringLiteral("0"));
    const ArchiveImage image = writeArchiveImage(dir.path(), QStringLiteral("hidden"), hiddenTrackDisc());
    const CommandResult rip = convert({QStringLiteral("--cd"), image.cue, QStringLiteral("-f"), QStringLiteral("flac"),
                                       QStringLiteral("-o"), QStringLiteral("out")});
    ASSERT_EQ(rip.exitCode, 0) << rip.err.toStdString();
    const QStringList files = written(QStringLiteral("out"));
    ASSERT_EQ(files.size(), 4) << files.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(files[0].contains(QStringLiteral("00"))) << files[0].toStdString();
    const QString hidden = path(QStringLiteral("out/") + files[0]);
    EXPECT_TRUE(ffmpegDecode(hidden, 44100, 2) == image.ripOf(0)) << "not the pre-gap's samples";
    const QMap<QString, QStringList> tags = metaflacTags(hidden);
    EXPECT_EQ(tags.value(QStringLiteral("TITLE")), QStringList{QStringLiteral("Hidden track")});
    EXPECT_EQ(tags.value(QStringLiteral("TRACKNUMBER")), QStringList{QStringLiteral("0")});
    EXPECT_TRUE(ffmpegDecode(path(QStringLiteral("out/") + files[1]), 44100, 2) == image.ripOf(1));
    // The disc's sheet names its file, which holds track 1's pre-gap.
    const QStringList sheets = filesUnder(path(QStringLiteral("out"))).keys().filter(QRegularExpression(QStringLiteral("\\.cue$")));
    ASSERT_EQ(sheets.size(), 1);
    QFile sheet(path(QStringLiteral("out/") + sheets[0]));
    ASSERT_TRUE(sheet.open(QIODevice::ReadOnly));
    const QByteArray text = sheet.readAll();
    EXPECT_TRUE(text.contains("FILE \"" + QFileInfo(files[0]).fileName().toUtf8() + "\" WAVE\n  TRACK 01 AUDIO\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("TRACK 01 AUDIO\n    TITLE \"Opening\"")) << text.toStdString();
    EXPECT_TRUE(text.contains("    INDEX 00 00:00:00\nFILE \"" + QFileInfo(files[1]).fileName().toUtf8() + "\" WAVE\n    INDEX 01 00:00:00"))
        << text.toStdString();
    // Asked for alone, it is the only track ripped.
    const CommandResult alone = convert({QStringLiteral("--cd"), image.cue, QStringLiteral("--tracks"), QStringLiteral("0"),
                                         QStringLiteral("-f"), QStringLiteral("flac"), QStringLiteral("-o"), QStringLiteral("only")});
    ASSERT_EQ(alone.exitCode, 0) << alone.err.toStdString();
    EXPECT_EQ(written(QStringLiteral("only")), QStringList{files[0]});
    // Ripped as one file, the disc's file starts with it.
    const CommandResult one = convert({QStringLiteral("--cd"), image.cue, QStringLiteral("--one-file"), QStringLiteral("-f"),
                                       QStringLiteral("flac"), QStringLiteral("-o"), QStringLiteral("one")});
    ASSERT_EQ(one.exitCode, 0) << one.err.toStdString();
    const QStringList oneFile = written(QStringLiteral("one"));
    ASSERT_EQ(oneFile.size(), 1);
    SampleBlock disc;
    for (int track = 0; track <= 3; ++track) {
        const SampleBlock samples = image.ripOf(track);
        disc.insert(disc.end(), samples.begin(), samples.end());
    }
    EXPECT_TRUE(ffmpegDecode(path(QStringLiteral("one/") + oneFile[0]), 44100, 2) == disc) << "not the disc from its first sector";
}

// The record is served under the name the audio session gives (computed here from the image's
// numbers) with the checksums of the samples written: every track matches only when the last
// one ends 11,400 sectors before the data track and is checksummed as the disc's last.
TEST_F(CliCdReading, VerifiesAnEnhancedCdsAudioSession) {
    const ArchiveImage image = writeArchiveImage(dir.path(), QStringLiteral("enhanced"), enhancedDisc());
    accuraterip::DiscIds ids;
    ids.tracks = 3;
    for (int i = 0; i < 3; ++i) {
        ids.id1 += std::uint32_t(image.starts[std::size_t(i)]);
        ids.id2 += std::max(std::uint32_t(image.starts[std::size_t(i)]), 1u) * std::uint32_t(i + 1);
    }
    ids.id1 += std::uint32_t(image.leadOut);
    ids.id2 += std::uint32_t(image.leadOut) * 4;
    int digits = 0;
    for (const int start : image.starts)
        for (int n = (start + 150) / 75; n > 0; n /= 10) digits += n % 10;
    const int seconds = (image.leadOut + 150) / 75 - (image.starts[0] + 150) / 75;
    ids.cddb = (std::uint32_t(digits % 255) << 24) | (std::uint32_t(seconds) << 8) | 4u;
    accuraterip::Block block{ids, {}};
    for (int track = 1; track <= 3; ++track) {
        const SampleBlock samples = image.ripOf(track);
        accuraterip::TrackSum sum(std::int64_t(samples.size() / 2), track == 1, track == 3);
        sum.add(samples.data(), samples.size());
        block.tracks.push_back({5, sum.v2(), sum.frame450()});
    }
    WebServer server;
    server.serve(QStringLiteral("/ar/") + ids.serverPath(), {200, "application/octet-stream", accuraterip::recordBytes({block})});
    ASSERT_TRUE(server.start());
    store("AccurateRip Server", settingsFor(server).accurateRipServer);

    const CommandResult rip = convert({QStringLiteral("--cd"), image.cue, QStringLiteral("-f"), QStringLiteral("flac"),
                                       QStringLiteral("-o"), QStringLiteral("out")});
    ASSERT_EQ(rip.exitCode, 0) << rip.err.toStdString();
    for (int track = 1; track <= 3; ++track)
        EXPECT_TRUE(rip.err.contains(QStringLiteral("Track %1 (Track0%1.cda): Accurately ripped (confidence 5, AccurateRip v2)").arg(track)))
            << rip.err.toStdString();
    const QStringList files = written(QStringLiteral("out"));
    ASSERT_EQ(files.size(), 3) << files.join(QLatin1Char(' ')).toStdString();
    const QString last = path(QStringLiteral("out/") + files[2]);
    EXPECT_TRUE(ffmpegDecode(last, 44100, 2) == image.ripOf(3));
    // The MusicBrainz disc id libdiscid gives the first session.
    int offsets[100] = {image.audioEnd + 150, image.starts[0] + 150, image.starts[1] + 150, image.starts[2] + 150};
    DiscId* disc = discid_new();
    ASSERT_TRUE(discid_put(disc, 1, 3, offsets));
    const QString expected = QString::fromLatin1(discid_get_id(disc));
    discid_free(disc);
    EXPECT_EQ(metaflacTags(last).value(QStringLiteral("MUSICBRAINZ_DISCID")), QStringList{expected});
}

TEST_F(CliCdReading, PreEmphasisIsKeptAndTaggedOrUndone) {
    store("AccurateRip Verify", QStringLiteral("0"));
    const ArchiveImage image = writeArchiveImage(dir.path(), QStringLiteral("emphasis"), preEmphasisDisc());
    const QStringList args{QStringLiteral("--cd"), image.cue, QStringLiteral("--tracks"), QStringLiteral("1-2"),
                           QStringLiteral("-f"), QStringLiteral("flac"), QStringLiteral("-o")};
    const CommandResult asRead = convert(args + QStringList{QStringLiteral("asread")});
    ASSERT_EQ(asRead.exitCode, 0) << asRead.err.toStdString();
    QStringList files = written(QStringLiteral("asread"));
    ASSERT_EQ(files.size(), 2);
    EXPECT_TRUE(metaflacTags(path(QStringLiteral("asread/") + files[0])).value(QStringLiteral("PRE_EMPHASIS")).isEmpty());
    const QString emphasised = path(QStringLiteral("asread/") + files[1]);
    EXPECT_EQ(metaflacTags(emphasised).value(QStringLiteral("PRE_EMPHASIS")), QStringList{QStringLiteral("1")});
    EXPECT_TRUE(ffmpegDecode(emphasised, 44100, 2) == image.ripOf(2)) << "not written as read";

    store("De-emphasise", QStringLiteral("1"));
    const CommandResult undone = convert(args + QStringList{QStringLiteral("undone")});
    ASSERT_EQ(undone.exitCode, 0) << undone.err.toStdString();
    files = written(QStringLiteral("undone"));
    ASSERT_EQ(files.size(), 2);
    // A track without pre-emphasis stays as it is.
    EXPECT_TRUE(ffmpegDecode(path(QStringLiteral("undone/") + files[0]), 44100, 2) == image.ripOf(1));
    const QString deemphasised = path(QStringLiteral("undone/") + files[1]);
    EXPECT_TRUE(metaflacTags(deemphasised).value(QStringLiteral("PRE_EMPHASIS")).isEmpty());
    QString error;
    const SampleBlock reference = soxDeemphasis(image.ripOf(2), &error);
    const SampleBlock got = ffmpegDecode(deemphasised, 44100, 2);
    ASSERT_EQ(got.size(), reference.size()) << error.toStdString();
    int worst = 0;
    for (std::size_t i = 0; i < got.size(); ++i) worst = std::max(worst, std::abs(int(got[i]) - int(reference[i])));
    EXPECT_LE(worst, 1) << "further from sox's deemph than rounding";
}

}  // namespace
