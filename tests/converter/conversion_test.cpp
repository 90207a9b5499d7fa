// Conversions of real files through the real converter window, offscreen: every input format
// to every output format, selections, the overwrite dialog, cancel, failures, deletion, tags.
#include "components/audio/codecs/AudioFile.h"
#include "components/audio/tags/AudioInfo.h"
#include "components/audio/cd/LocalDiscInfo.h"
#include "components/audio/codecs/WMAFile.h"
#include "converter/ACfrmOverWrite.h"
#include "converter/frmAudioConverter.h"
#include "encoders/SettingsDialogs.h"
#include "encoders/frmFlacSettings.h"
#include "encoders/frmOpusSettings.h"
#include "ripping/ACfrmGrab.h"
#include "components/store/CRegister.h"
#include "components/store/StoredNumbers.h"
#include "ripping/ReleaseChoice.h"
#include "support/CdArchiveImages.h"
#include "support/CdImages.h"
#include "support/DiscServices.h"
#include "support/LoudnessTools.h"
#include "support/CddbServer.h"
#include "support/Signals.h"
#include "support/TagTools.h"
#include "support/Damage.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProgressBar>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QPlainTextEdit>
#include <QCheckBox>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

using testing_support::bestCorrelation;
using testing_support::readBack;
using testing_support::ReadBack;

// Writes an input file in the format its extension names.
void makeInput(const QString& path, double seconds = 2.0, int channels = 2, int rate = 44100) {
    ASSERT_EQ(testing_support::writeAudioFile(path, testing_support::musicTone(rate, channels, seconds), rate, channels),
              QString());
}

class Conversion : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(in.isValid() && out.isValid());
        // CD tracks are verified with AccurateRip only where a test serves the records.
        stored::save(QStringLiteral("\\Software\\Brindlewood\\Audioconverter"), QStringLiteral("AccurateRip Verify"), 0);
        window = new frmAudioConverter;
        window->Splash1->Hide();
        window->show();
        window->chkPreserveIDTags->setChecked(false);
        window->setPreserveIDTags(false);
        window->optOtherFolder->click();
        window->txtFolder->setText(out.path());
    }
    void TearDown() override {
        delete window.data();
        ui::setAppTitle(QStringLiteral("Velloria"));
    }
    void chooseFormat(const QString& key) {
        const int index = window->imgcmbConvertTo->findData(key);
        window->imgcmbConvertTo->setCurrentIndex(index);
        Q_EMIT window->imgcmbConvertTo->activated(index);
    }
    QString input(const QString& name) const { return in.filePath(name); }
    QString output(const QString& name) const { return out.filePath(name); }
    void selectAll() { window->SelectAll(); }
    // Converts the whole list into `format` with its tags copied; no box may show.
    void convertAllWithTags(const QString& format, const testing_support::MsgBoxRecorder& boxes) {
        selectAll();
        window->chkPreserveIDTags->setChecked(true);
        window->setPreserveIDTags(true);
        chooseFormat(format);
        window->cmdConvert->click();
        EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    }

    testing_support::TempConfigHome config;
    QTemporaryDir in;
    QTemporaryDir out;
    QPointer<frmAudioConverter> window;
};

// ---- The whole audio, through the window ---------------------------------------------------

// A VBR MP3 written without its Xing header states about two thirds of its length; with
// "Delete source file(s)" on, the source goes only after all of its audio was written.
TEST_F(Conversion, AnInputLongerThanItsStatedLengthConvertsWholeBeforeItsSourceGoes) {
    const QString wav = input(QStringLiteral("vbr.wav"));
    const QString src = input(QStringLiteral("vbr.mp3"));
    ASSERT_EQ(QProcess::execute(QStringLiteral("sox"), QStringLiteral("-R -n -r 44100 -c 2 -b 16 %1 synth 1 whitenoise vol 0.9 : "
                                                                      "synth 29 sine 440 vol 0.05")
                                                           .arg(wav)
                                                           .split(QLatin1Char(' '))),
              0);
    ASSERT_EQ(QProcess::execute(QStringLiteral("lame"), {QStringLiteral("--quiet"), QStringLiteral("-V"), QStringLiteral("2"),
                                                        QStringLiteral("-t"), wav, src}),
              0);
    window->addPaths({src});
    selectAll();
    window->chkDeleteSourceFiles->click();
    chooseFormat(QStringLiteral("OGG"));
    testing_support::MsgBoxRecorder boxes;
    window->cmdConvert->click();
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_NEAR(readBack(output(QStringLiteral("vbr.OGG"))).seconds(), 30.0, 0.1);
    EXPECT_FALSE(QFileInfo::exists(src));
    EXPECT_EQ(window->progressValue(), 0.0);  // back to idle
    EXPECT_EQ(window->sbPanel[0]->text(), QStringLiteral("Ready"));
}

// ---- CD tracks ---------------------------------------------------------------------------------

// A disc image chosen in the open dialog lists its tracks; converted to WAV they hold exactly
// what cd-paranoia reads from the image.
TEST_F(Conversion, ADiscImageListsItsTracksAndConvertsThemAsCdParanoiaReadsThem) {
    const testing_support::CdImage image =
        testing_support::writeCdImage(in.path(), QStringLiteral("disc"), {testing_support::cdNoise(150), testing_support::cdTone(120)});
    testing_support::FileDialogRecorder dialogs;
    dialogs.queueLocal({image.cue});
    window->AddFiles();
    ASSERT_EQ(window->lstFiles->count(), 2);
    EXPECT_TRUE(window->lstFiles->item(0)->text().endsWith(QStringLiteral("/Track01.cda")));
    EXPECT_TRUE(window->cmdConfigureCDParameters->isVisible());
    selectAll();
    chooseFormat(QStringLiteral("WAV"));
    testing_support::MsgBoxRecorder boxes;
    window->cmdConvert->click();
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    for (int track = 1; track <= 2; ++track) {
        QString error;
        const SampleBlock reference = testing_support::cdParanoiaRip(image.cue, track, &error);
        ASSERT_FALSE(reference.empty()) << error.toStdString();
        const ReadBack r = readBack(output(QStringLiteral("Track%1.WAV").arg(track, 2, 10, QLatin1Char('0'))));
        EXPECT_EQ(r.rate, 44100);
        EXPECT_TRUE(r.samples == reference) << "track " << track << ": " << r.samples.size() << " vs " << reference.size();
    }
}

// Audio hidden before track 1 is listed as Track00.cda and converted with the others; with
// "De-emphasise" checked in the ripping options, a track with pre-emphasis comes out as sox's
// deemph of it (to within one value: rounding), the others as read.
TEST_F(Conversion, TheHiddenTrackIsListedAndPreEmphasisUndoneWhenAsked) {
    testing_support::ArchiveDisc disc = testing_support::hiddenTrackDisc();
    disc.tracks[1].preEmphasis = true;
    const testing_support::ArchiveImage image = testing_support::writeArchiveImage(in.path(), QStringLiteral("awkward"), disc);
    testing_support::FileDialogRecorder dialogs;
    dialogs.queueLocal({image.cue});
    window->AddFiles();
    ASSERT_EQ(window->lstFiles->count(), 4);
    EXPECT_TRUE(window->lstFiles->item(0)->text().endsWith(QStringLiteral("/Track00.cda")));
    ACfrmGrab& grab = window->grabDialog();
    grab.chkDeEmphasise->setChecked(true);
    grab.cmdOk->click();
    selectAll();
    chooseFormat(QStringLiteral("WAV"));
    testing_support::MsgBoxRecorder boxes;
    window->cmdConvert->click();
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(readBack(output(QStringLiteral("Track00.WAV"))).samples == image.ripOf(0));
    EXPECT_TRUE(readBack(output(QStringLiteral("Track01.WAV"))).samples == image.ripOf(1));
    EXPECT_TRUE(readBack(output(QStringLiteral("Track03.WAV"))).samples == image.ripOf(3));
    QString error;
    const SampleBlock reference = testing_support::soxDeemphasis(image.ripOf(2), &error);
    const SampleBlock got = readBack(output(QStringLiteral("Track02.WAV"))).samples;
    ASSERT_EQ(got.size(), reference.size()) << error.toStdString();
    int worst = 0;
    for (std::size_t i = 0; i < got.size(); ++i) worst = std::max(worst, std::abs(int(got[i]) - int(reference[i])));
    EXPECT_LE(worst, 1);
}

// "Get Disk Info" asks the CDDB server about the disc of an opened image; the tracks converted to
// MP3 afterwards carry what it answered.
TEST_F(Conversion, TracksAreTaggedFromTheCddbAnswer) {
    const testing_support::CdImage image =
        testing_support::writeCdImage(in.path(), QStringLiteral("disc"), {testing_support::cdSpeech(100), testing_support::cdTone(80)});
    testing_support::FileDialogRecorder dialogs;
    dialogs.queueLocal({image.cue});
    window->AddFiles();
    ASSERT_EQ(window->lstFiles->count(), 2);

    DiscInfo answer;
    answer.discId = cddbDiscId(window->AudioGrabber1->toc());
    answer.artist = QStringLiteral("Quartet of Tests");
    answer.album = QStringLiteral("Disc Images");
    answer.year = 2025;
    answer.trackTitles = {QStringLiteral("Opening Words"), QStringLiteral("A Pure Tone")};
    testing_support::CddbServer server;
    server.addDisc(QStringLiteral("misc"), answer, window->AudioGrabber1->toc());
    ASSERT_TRUE(server.start());
    ACfrmGrab& grab = window->grabDialog();
    // A fresh install asks the public CDDB server over HTTP.
    EXPECT_EQ(grab.ServerAddr->text(), QStringLiteral("gnudb.gnudb.org"));
    EXPECT_EQ(grab.CGIAddr->text(), QStringLiteral("/~cddb/cddb.cgi"));
    grab.optCDDBOnLine->click();
    grab.chkMusicBrainz->setChecked(false);
    grab.ServerAddr->setText(server.address());
    grab.CGIAddr->clear();
    testing_support::MsgBoxRecorder boxes;
    grab.GetCDDBButton->click();
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();

    convertAllWithTags(QStringLiteral("MP3"), boxes);
    AudioInfo tags;
    tags.ReadTags(output(QStringLiteral("Track02.MP3")));
    EXPECT_EQ(tags.properties().value(QStringLiteral("ARTIST")), QStringList{answer.artist});
    EXPECT_EQ(tags.properties().value(QStringLiteral("ALBUM")), QStringList{answer.album});
    EXPECT_EQ(tags.properties().value(QStringLiteral("TITLE")), QStringList{answer.trackTitles[1]});
    EXPECT_EQ(tags.properties().value(QStringLiteral("DATE")), QStringList{QStringLiteral("2025")});
}

// "Get Disk Info" finds the reference disc on a local MusicBrainz server and offers both of its
// releases; the one picked names the outputs Artist/Album/NN - Title, tags them with its ids
// and cover, and the run reports every track as accurately ripped against a local record.
TEST_F(Conversion, AMusicBrainzReleaseNamesTagsAndVerifiesTheRippedTracks) {
    const QByteArray cacheWas = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", in.filePath(QStringLiteral("cache")).toLocal8Bit());
    const testing_support::CdImage image = testing_support::writeReferenceDisc(in.path());
    testing_support::WebServer server;
    testing_support::serveReferenceDisc(server, testing_support::recordOf(image));
    ASSERT_TRUE(server.start());
    testing_support::FileDialogRecorder dialogs;
    dialogs.queueLocal({image.cue});
    window->AddFiles();
    ASSERT_EQ(window->lstFiles->count(), 3);

    GrabSettings settings = window->grabberSettings();
    settings.musicBrainzServer = settings.coverArtServer = server.base();
    window->setGrabberSettings(settings);
    ACfrmGrab& grab = window->grabDialog();
    EXPECT_TRUE(grab.chkMusicBrainz->isChecked());  // on at first
    EXPECT_FALSE(grab.chkNameTracks->isChecked());  // off at first
    grab.optCDDBAny->click();
    grab.chkNameTracks->setChecked(true);
    grab.chkAccurateRip->setChecked(true);
    grab.ARServerAddr->setText(server.base() + QStringLiteral("/ar"));
    grab.cmdOk->click();
    QStringList offered;
    QTimer pick;
    QObject::connect(&pick, &QTimer::timeout, [&] {
        auto* choice = qobject_cast<ReleaseChoice*>(QApplication::activeModalWidget());
        if (!choice) return;
        for (int i = 0; i < choice->lstReleases->topLevelItemCount(); ++i)
            offered << choice->lstReleases->topLevelItem(i)->text(0) + QLatin1Char('|') + choice->lstReleases->topLevelItem(i)->text(5);
        choice->lstReleases->setCurrentItem(choice->lstReleases->topLevelItem(0));
        choice->cmdOk->click();
    });
    pick.start(10);
    testing_support::MsgBoxRecorder boxes;
    grab.GetCDDBButton->click();
    pick.stop();
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(offered, (QStringList{QStringLiteral("Morning Album|CD"), QStringLiteral("Morning Album (Deluxe)|CD (disc 2 of 2)")}));
    EXPECT_TRUE(grab.discInfoShown().contains(QStringLiteral("Album: Morning Album")));
    EXPECT_TRUE(grab.discInfoShown().contains(QStringLiteral("03 - Dusk")));

    selectAll();
    window->chkPreserveIDTags->setChecked(true);
    window->setPreserveIDTags(true);
    chooseFormat(QStringLiteral("MP3"));
    window->cmdConvert->click();
    // Every track matched: the verdicts go to the status bar, and no box asks for a click.
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(window->sbPanel[0]->text(), QStringLiteral("Ready"));
    EXPECT_EQ(window->sbPanel[3]->text(), QStringLiteral("AccurateRip: 3 of 3 tracks accurately ripped"));
    EXPECT_TRUE(window->sbPanel[3]->toolTip().contains(
        QStringLiteral("Track 2 (Track02.cda): Accurately ripped (confidence 3, AccurateRip v2)")));
    const QString folder = output(QStringLiteral("The Testers/Morning Album/"));
    const QStringList titles{QStringLiteral("Dawn"), QStringLiteral("Noon"), QStringLiteral("Dusk")};
    for (int t = 1; t <= 3; ++t) {
        const QString file = folder + QStringLiteral("0%1 - %2.MP3").arg(t).arg(titles[t - 1]);
        AudioInfo tags;
        tags.ReadTags(file);
        const auto tag = [&tags](const char* key) { return tags.properties().value(QLatin1String(key)); };
        EXPECT_EQ(tag("TITLE"), QStringList{titles[t - 1]}) << file.toStdString();
        EXPECT_EQ(tag("ARTIST"), QStringList{QStringLiteral("The Testers")});
        EXPECT_EQ(tag("ALBUMARTIST"), QStringList{QStringLiteral("The Testers")});
        EXPECT_EQ(tag("ALBUM"), QStringList{QStringLiteral("Morning Album")});
        EXPECT_EQ(tag("DATE"), QStringList{QStringLiteral("2001-05-14")});
        // ID3v2 holds the totals in its number frames.
        EXPECT_EQ(tag("TRACKNUMBER"), QStringList{QStringLiteral("%1/3").arg(t)});
        EXPECT_EQ(tag("DISCNUMBER"), QStringList{QStringLiteral("1/1")});
        EXPECT_EQ(tag("MUSICBRAINZ_ALBUMID"), QStringList{QString::fromLatin1(testing_support::kSingleReleaseId)});
        EXPECT_EQ(tag("MUSICBRAINZ_TRACKID"), QStringList{QStringLiteral("r1000000-0000-4000-8000-00000000000%1").arg(t)});
        EXPECT_EQ(tag("MUSICBRAINZ_RELEASETRACKID"), QStringList{QStringLiteral("t1000000-0000-4000-8000-00000000000%1").arg(t)});
        EXPECT_EQ(tag("MUSICBRAINZ_DISCID"), QStringList{QString::fromLatin1(testing_support::kReferenceDiscId)});
        ASSERT_EQ(tags.pictures().size(), 1);
        EXPECT_EQ(tags.pictures()[0].data, testing_support::coverPicture());
        // As another reader sees them.
        const QMap<QString, QStringList> probed = testing_support::ffprobeTags(file);
        EXPECT_EQ(probed.value(QStringLiteral("TRACK")), QStringList{QStringLiteral("%1/3").arg(t)});
        EXPECT_EQ(probed.value(QStringLiteral("DISC")), QStringList{QStringLiteral("1/1")});
        EXPECT_EQ(probed.value(QStringLiteral("ALBUM_ARTIST")), QStringList{QStringLiteral("The Testers")});
    }
    // Both look-ups said who asks.
    for (const testing_support::WebServer::Request& r : server.requests())
        EXPECT_TRUE(r.userAgent.startsWith(QStringLiteral("Velloria/"))) << r.path.toStdString();
    if (cacheWas.isEmpty()) qunsetenv("XDG_CACHE_HOME");
    else qputenv("XDG_CACHE_HOME", cacheWas);
}

// A cue sheet with CD-Text gives the titles with no network at all: no server is set.
TEST_F(Conversion, CdTextOfACueSheetGivesTheTitlesWithoutNetwork) {
    const testing_support::CdImage image = testing_support::writeReferenceDisc(in.path(), true);
    testing_support::FileDialogRecorder dialogs;
    dialogs.queueLocal({image.cue});
    window->AddFiles();
    GrabSettings settings = window->grabberSettings();
    settings.musicBrainzServer = settings.coverArtServer = QStringLiteral("http://127.0.0.1:1");
    window->setGrabberSettings(settings);
    ACfrmGrab& grab = window->grabDialog();
    grab.optCDDBAny->click();
    grab.ServerAddr->setText(QStringLiteral("127.0.0.1:1"));
    testing_support::MsgBoxRecorder boxes;
    grab.GetCDDBButton->click();
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(window->discInfo().source, QStringLiteral("CD-Text"));
    EXPECT_EQ(window->discInfo().trackTitles,
              (QStringList{QStringLiteral("First Words"), QStringLiteral("Pure Tone"), QStringLiteral("Last Words")}));
    EXPECT_TRUE(grab.discInfoShown().startsWith(QStringLiteral("Disc information from CD-Text:")));
}

// With verification on, a rip whose record cannot be fetched (no network) ends as any rip ends:
// at "Ready", why there is no verdict in the status bar, and no box. A track that does not match
// still has its box.
TEST_F(Conversion, AnOfflineRipEndsAtReadyWithItsVerdictInTheStatusBar) {
    const QByteArray cacheWas = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", in.filePath(QStringLiteral("cache")).toLocal8Bit());
    const testing_support::CdImage image = testing_support::writeReferenceDisc(in.path());
    testing_support::FileDialogRecorder dialogs;
    dialogs.queueLocal({image.cue});
    window->AddFiles();
    ASSERT_EQ(window->lstFiles->count(), 3);
    ACfrmGrab& grab = window->grabDialog();
    grab.chkAccurateRip->setChecked(true);
    grab.ARServerAddr->setText(QStringLiteral("http://127.0.0.1:1/ar"));
    grab.cmdOk->click();
    chooseFormat(QStringLiteral("WAV"));
    testing_support::MsgBoxRecorder boxes;
    selectAll();
    window->cmdConvert->click();
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(window->sbPanel[0]->text(), QStringLiteral("Ready"));
    EXPECT_TRUE(window->sbPanel[3]->text().startsWith(
        QStringLiteral("AccurateRip: not verified, 127.0.0.1 could not be reached")))
        << window->sbPanel[3]->text().toStdString();
    EXPECT_TRUE(QFileInfo::exists(output(QStringLiteral("Track03.WAV"))));

    testing_support::WebServer server;
    testing_support::serveReferenceDisc(server, testing_support::recordOf(image, 3));
    ASSERT_TRUE(server.start());
    grab.ARServerAddr->setText(server.base() + QStringLiteral("/ar"));
    grab.cmdOk->click();
    for (int t = 1; t <= 3; ++t) QFile::remove(output(QStringLiteral("Track0%1.WAV").arg(t)));
    selectAll();
    window->cmdConvert->click();
    ASSERT_EQ(boxes.texts().size(), 1);
    EXPECT_TRUE(boxes.texts()[0].contains(QStringLiteral("Track 3 (Track03.cda): Does not match AccurateRip (4 other rips)")))
        << boxes.texts()[0].toStdString();
    EXPECT_EQ(window->sbPanel[0]->text(), QStringLiteral("Ready"));
    EXPECT_EQ(window->sbPanel[3]->text(), QStringLiteral("AccurateRip: 2 of 3 tracks accurately ripped, 1 not matching"));
    if (cacheWas.isEmpty()) qunsetenv("XDG_CACHE_HOME");
    else qputenv("XDG_CACHE_HOME", cacheWas);
}

// "Get Disk Info" finds a compilation: every track is tagged with its own artist, the release's
// artist as the album artist, the disc's place among the release's discs, the ISRCs the release
// is sure of and the MusicBrainz ids, as our reader and metaflac read them.
TEST_F(Conversion, ACompilationTagsEveryTrackWithItsOwnArtist) {
    const testing_support::CdImage image = testing_support::writeReferenceDisc(in.path());
    testing_support::WebServer server;
    testing_support::serveCompilation(server);
    ASSERT_TRUE(server.start());
    testing_support::FileDialogRecorder dialogs;
    dialogs.queueLocal({image.cue});
    window->AddFiles();
    ASSERT_EQ(window->lstFiles->count(), 3);
    GrabSettings settings = window->grabberSettings();
    settings.musicBrainzServer = settings.coverArtServer = server.base();
    window->setGrabberSettings(settings);
    ACfrmGrab& grab = window->grabDialog();
    grab.optCDDBAny->click();
    testing_support::MsgBoxRecorder boxes;
    grab.GetCDDBButton->click();
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();

    convertAllWithTags(QStringLiteral("FLAC"), boxes);
    const QStringList titles{QStringLiteral("Dawn Chorus"), QStringLiteral("High Noon"), QStringLiteral("Dusk")};
    for (int t = 1; t <= 3; ++t) {
        const QString file = output(QStringLiteral("Track0%1.FLAC").arg(t));
        SCOPED_TRACE(file.toStdString());
        AudioInfo ours;
        ours.ReadTags(file);
        const QMap<QString, QStringList> theirs = testing_support::metaflacTags(file);
        const QMap<QString, QString> expected{
            {QStringLiteral("ARTIST"), QLatin1String(testing_support::kCompilationArtists[t - 1])},
            {QStringLiteral("ALBUMARTIST"), QStringLiteral("Various Artists")},
            {QStringLiteral("ALBUM"), QStringLiteral("Morning Mix")},
            {QStringLiteral("TITLE"), titles[t - 1]},
            {QStringLiteral("TRACKNUMBER"), QString::number(t)},
            {QStringLiteral("TRACKTOTAL"), QStringLiteral("3")},
            {QStringLiteral("DISCNUMBER"), QStringLiteral("1")},
            {QStringLiteral("DISCTOTAL"), QStringLiteral("2")},
            {QStringLiteral("ISRC"), QLatin1String(testing_support::kCompilationIsrcs[t - 1])},
            {QStringLiteral("MUSICBRAINZ_RELEASETRACKID"), testing_support::compilationTrackId(t)},
            {QStringLiteral("MUSICBRAINZ_DISCID"), QString::fromLatin1(testing_support::kReferenceDiscId)},
            {QStringLiteral("MUSICBRAINZ_ALBUMID"), QString::fromLatin1(testing_support::kCompilationReleaseId)},
        };
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            const QStringList want = it.value().isEmpty() ? QStringList() : QStringList{it.value()};
            EXPECT_EQ(ours.properties().value(it.key()), want) << it.key().toStdString();
            EXPECT_EQ(theirs.value(it.key()), want) << it.key().toStdString();
        }
    }
}

// A disc change reported while a track is read (between two of its blocks) leaves that track
// alone: it converts whole, and the ripping options show the drive anew once the run has ended.
TEST_F(Conversion, ADiscChangeDuringARipWaitsForTheRunsEnd) {
    const auto image = testing_support::writeCdImage(in.path(), QStringLiteral("long"), {testing_support::cdNoise(1000)});
    testing_support::FileDialogRecorder dialogs;
    dialogs.queueLocal({image.cue});
    window->AddFiles();
    selectAll();
    chooseFormat(QStringLiteral("WAV"));
    CdGrabber& grabber = *window->AudioGrabber1;
    int shownDuringRun = -1;
    // Every pass of the message loop during the run; one between two blocks raises the change.
    QTimer watch;
    watch.start(0);
    QObject::connect(&watch, &QTimer::timeout, window, [&] {
        if (shownDuringRun >= 0 || grabber.Busy() || grabber.TrackLength() == 0) return;
        GrabSettings settings = grabber.settings();
        settings.retries = 9;  // shown by the ripping options only once they are refreshed
        grabber.setSettings(settings);
        Q_EMIT grabber.DiscChanged();
        shownDuringRun = window->grabDialog().txtGrabRetriesOnError->value();
    });
    testing_support::MsgBoxRecorder boxes;
    window->cmdConvert->click();
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(readBack(output(QStringLiteral("Track01.WAV"))).samples == image.tracks[0]);
    EXPECT_EQ(shownDuringRun, 5);
    EXPECT_EQ(window->grabDialog().txtGrabRetriesOnError->value(), 9);
}

// An image whose data file is missing is refused with a message that names it; nothing is listed.
TEST_F(Conversion, ADiscImageWithoutItsDataIsRefusedWithAMessage) {
    const testing_support::CdImage image =
        testing_support::writeCdImage(in.path(), QStringLiteral("gone"), {testing_support::cdTone(75)});
    QFile::remove(image.bin);
    testing_support::FileDialogRecorder dialogs;
    dialogs.queueLocal({image.cue});
    testing_support::MsgBoxRecorder boxes;
    window->AddFiles();
    EXPECT_EQ(window->lstFiles->count(), 0);
    ASSERT_EQ(boxes.texts().size(), 1);
    EXPECT_TRUE(boxes.texts()[0].contains(image.cue)) << boxes.texts()[0].toStdString();
}

TEST_F(Conversion, MonoInputIsTheSameSignalInBothChannels) {
    const QString src = input(QStringLiteral("mono.wav"));
    makeInput(src, 2.0, 1);
    window->addPaths({src});
    selectAll();
    chooseFormat(QStringLiteral("WAV"));  // CD quality: stereo
    window->cmdConvert->click();
    const ReadBack r = readBack(output(QStringLiteral("mono.WAV")));
    ASSERT_EQ(r.channels, 2);
    EXPECT_NEAR(r.seconds(), 2.0, 0.01);
    const ReadBack source = readBack(src);
    EXPECT_GT(bestCorrelation(source.samples, 1, r.samples, 2), 0.99);
    for (std::size_t i = 0; i + 1 < r.samples.size(); i += 2) ASSERT_EQ(r.samples[i], r.samples[i + 1]);
}

// ---- Encoder settings from the first start on -------------------------------------------------

// With nothing stored, Ogg Vorbis output keeps CD quality at quality 3.00.
TEST_F(Conversion, OggOnAFreshSettingsStoreIsCdQuality) {
    const QString src = input(QStringLiteral("music.wav"));
    ASSERT_EQ(testing_support::writeAudioFile(src, testing_support::musicFrames(44100, 2, 10u * 44100, 0.1), 44100, 2),
              QString());
    window->addPaths({src});
    selectAll();
    chooseFormat(QStringLiteral("OGG"));
    window->cmdConvert->click();
    const QString ogg = output(QStringLiteral("music.OGG"));
    const ReadBack r = readBack(ogg);
    EXPECT_EQ(r.rate, 44100);
    EXPECT_EQ(r.channels, 2);
    ASSERT_NEAR(r.seconds(), 10.0, 0.05);
    const double kbps = static_cast<double>(QFileInfo(ogg).size()) * 8 / r.seconds() / 1000;
    EXPECT_GE(kbps, 110);
    EXPECT_LE(kbps, 130);
    EXPECT_GT(bestCorrelation(readBack(src).samples, 2, r.samples, 2), 0.9);
}

// FLAC and Opus through the window: each format's dialog, Convert, and the loudness check box.
// The FLAC is the source's samples exactly, with its loudness tags; the Opus has the dialog's
// bitrate.
TEST_F(Conversion, FlacAndOpusWithTheirDialogsAndLoudnessTags) {
    const QString src = input(QStringLiteral("song.wav"));
    ASSERT_EQ(testing_support::writeAudioFile(src, testing_support::musicFrames(44100, 2, 8u * 44100, 0.1), 44100, 2), QString());
    window->addPaths({src});
    window->chkLoudnessTags->setChecked(true);
    chooseFormat(QStringLiteral("FLAC"));
    window->dialogs().flac().sldrLevel->setValue(8);
    window->dialogs().flac().cmdOk->click();
    selectAll();
    window->cmdConvert->click();
    const QString flac = output(QStringLiteral("song.FLAC"));
    EXPECT_TRUE(testing_support::ffmpegDecode(flac, 44100, 2) == testing_support::ffmpegDecode(src, 44100, 2));
    AudioInfo tags;
    tags.ReadTags(flac);
    EXPECT_FALSE(tags.properties().value(QStringLiteral("REPLAYGAIN_TRACK_GAIN")).isEmpty());
    EXPECT_FALSE(tags.properties().value(QStringLiteral("REPLAYGAIN_ALBUM_GAIN")).isEmpty());

    chooseFormat(QStringLiteral("OPUS"));
    window->dialogs().opus().txtBitrate->setValue(48);
    window->dialogs().opus().cmbMode->setCurrentIndex(2);
    window->dialogs().opus().cmdOk->click();
    selectAll();
    window->cmdConvert->click();
    const QString opus = output(QStringLiteral("song.OPUS"));
    EXPECT_NEAR(static_cast<double>(QFileInfo(opus).size()) * 8 / 8.0, 48000, 4000);
    EXPECT_NEAR(readBack(opus).seconds(), 8.0, 0.02);
    tags.ReadTags(opus);
    EXPECT_FALSE(tags.properties().value(QStringLiteral("R128_TRACK_GAIN")).isEmpty());
    EXPECT_TRUE(tags.properties().value(QStringLiteral("REPLAYGAIN_TRACK_GAIN")).isEmpty());
}

// The WMA profile stored in an earlier run is the one written after a restart.
TEST_F(Conversion, AStoredWmaProfileIsWrittenAfterARestart) {
    CRegister().REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, window->registryKey(), QStringLiteral("WMA Profile"),
                               QStringLiteral("8"));
    delete window.data();
    window = new frmAudioConverter;  // the restart
    window->Splash1->Hide();
    window->optOtherFolder->click();
    window->txtFolder->setText(out.path());
    const QString src = input(QStringLiteral("a.wav"));
    makeInput(src, 1.0);
    window->addPaths({src});
    selectAll();
    chooseFormat(QStringLiteral("WMA"));
    window->cmdConvert->click();
    const ReadBack r = readBack(output(QStringLiteral("a.WMA")));
    EXPECT_EQ(r.rate, WMAFile::profiles()[8].sampleRate);
    EXPECT_EQ(r.rate, 48000);
}

TEST_F(Conversion, OnlySelectedEntriesConvertAndCountTheirPositionsInTheList) {
    QStringList sources;
    for (int i = 1; i <= 10; ++i) {
        sources << input(QStringLiteral("f%1.wav").arg(i, 2, 10, QLatin1Char('0')));
        if (i == 3 || i == 7) makeInput(sources.last(), 1.5);
    }
    window->addPaths(sources);
    window->lstFiles->item(2)->setSelected(true);
    window->lstFiles->item(6)->setSelected(true);
    chooseFormat(QStringLiteral("WAV"));
    QStringList seen;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const QString t = window->sbPanel[0]->text();
        if (seen.isEmpty() || seen.last() != t) seen << t;
    });
    watch.start(0);
    window->cmdConvert->click();
    watch.stop();
    EXPECT_TRUE(seen.contains(QStringLiteral("File 3 of 10")));
    EXPECT_TRUE(seen.contains(QStringLiteral("File 7 of 10")));
    EXPECT_LT(seen.indexOf(QStringLiteral("File 3 of 10")), seen.indexOf(QStringLiteral("File 7 of 10")));
    EXPECT_TRUE(QFileInfo::exists(output(QStringLiteral("f03.WAV"))));
    EXPECT_TRUE(QFileInfo::exists(output(QStringLiteral("f07.WAV"))));
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files).size(), 2);
}

TEST_F(Conversion, WholeListQuestionYesConvertsAllAndNoNothing) {
    for (const char* n : {"a.wav", "b.wav"}) makeInput(input(QString::fromLatin1(n)), 1.0);
    window->addPaths({input(QStringLiteral("a.wav")), input(QStringLiteral("b.wav"))});
    window->lstFiles->clearSelection();
    chooseFormat(QStringLiteral("WAV"));
    testing_support::MsgBoxRecorder boxes;
    boxes.queue(ui::MsgResult::No);
    window->cmdConvert->click();
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes()[0].text, QStringLiteral("No files selected, Convert the whole list?!"));
    EXPECT_EQ(boxes.boxes()[0].defaultButton, ui::MsgDefault::Button2);
    EXPECT_EQ(boxes.boxes()[0].icon, ui::MsgIcon::Question);
    EXPECT_TRUE(QDir(out.path()).entryList(QDir::Files).isEmpty());
    boxes.queue(ui::MsgResult::Yes);
    window->cmdConvert->click();
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files).size(), 2);
}

TEST_F(Conversion, EmptyCustomFolderIsRefusedAndAMissingOneCreated) {
    makeInput(input(QStringLiteral("a.wav")), 0.5);
    window->addPaths({input(QStringLiteral("a.wav"))});
    selectAll();
    window->txtFolder->clear();
    testing_support::MsgBoxRecorder boxes;
    window->cmdConvert->click();
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("You must select the output folder.!")});
    window->txtFolder->setText(out.filePath(QStringLiteral("made")));
    window->ListOut->clear();
    window->cmdConvert->click();
    EXPECT_TRUE(QFileInfo::exists(out.filePath(QStringLiteral("made/a.MP3"))));
}

// ---- The overwrite dialog -------------------------------------------------------------------

class Overwrite : public Conversion {
protected:
    // Two sources whose outputs exist already (as small placeholder files).
    void SetUp() override {
        Conversion::SetUp();
        for (const char* n : {"a", "b"}) {
            makeInput(input(QString::fromLatin1(n) + QStringLiteral(".wav")), 1.0);
            QFile f(output(QString::fromLatin1(n) + QStringLiteral(".WAV")));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("old");
        }
        window->addPaths({input(QStringLiteral("a.wav")), input(QStringLiteral("b.wav"))});
        selectAll();
        chooseFormat(QStringLiteral("WAV"));
    }
    // Runs `act` on the dialog each time it shows; `act` returns after pressing something.
    void onDialog(std::function<void(ACfrmOverWrite&)> act) {
        m_act = std::move(act);
        armTimer();
    }
    bool replaced(const char* name) const { return QFileInfo(output(QString::fromLatin1(name))).size() > 100; }
    int shows = 0;
    QStringList captions;

private:
    void armTimer() {
        QTimer::singleShot(0, window, [this] {
            auto* dialog = qobject_cast<ACfrmOverWrite*>(QApplication::activeModalWidget());
            if (!dialog) return;
            ++shows;
            captions << dialog->windowTitle();
            m_act(*dialog);
            if (dialog->isVisible()) armTimer();  // still open: act again
        });
    }
    std::function<void(ACfrmOverWrite&)> m_act;
};

TEST_F(Overwrite, OverwriteReplacesEveryListedOutput) {
    onDialog([](ACfrmOverWrite& d) { d.Command2->click(); });
    window->cmdConvert->click();
    EXPECT_EQ(shows, 1);
    EXPECT_EQ(captions.first(), QStringLiteral("Confirm Overwriting?!"));
    EXPECT_TRUE(replaced("a.WAV"));
    EXPECT_TRUE(replaced("b.WAV"));
}

TEST_F(Overwrite, CancelAndTheCloseBoxConvertNothing) {
    onDialog([](ACfrmOverWrite& d) { d.cmdCancel->click(); });
    window->cmdConvert->click();
    EXPECT_FALSE(replaced("a.WAV"));
    onDialog([](ACfrmOverWrite& d) { d.close(); });
    window->cmdConvert->click();
    EXPECT_FALSE(replaced("a.WAV"));
    EXPECT_FALSE(replaced("b.WAV"));
}

TEST_F(Overwrite, RenamingEveryOutputStartsWithoutASecondDialog) {
    onDialog([](ACfrmOverWrite& d) {
        d.ListView1->item(0)->setText(QStringLiteral("a-new.WAV"));
        d.ListView1->item(1)->setText(QStringLiteral("b-new.WAV"));
        d.Command1->click();
    });
    testing_support::MsgBoxRecorder boxes;
    window->cmdConvert->click();
    EXPECT_EQ(shows, 1);
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_TRUE(replaced("a-new.WAV"));
    EXPECT_TRUE(replaced("b-new.WAV"));
    EXPECT_FALSE(replaced("a.WAV"));
}

TEST_F(Overwrite, SomeNotRenamedAsksAndYesOverwritesTheRest) {
    onDialog([](ACfrmOverWrite& d) {
        d.ListView1->item(0)->setText(QStringLiteral("a-new.WAV"));
        d.Command1->click();
    });
    testing_support::MsgBoxRecorder boxes;
    boxes.queue(ui::MsgResult::Yes);
    window->cmdConvert->click();
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("You did not renamed all files,overwrite the unnamed?")});
    EXPECT_EQ(boxes.boxes().first().defaultButton, ui::MsgDefault::Button2);
    EXPECT_TRUE(replaced("a-new.WAV"));
    EXPECT_TRUE(replaced("b.WAV"));
}

TEST_F(Overwrite, SomeNotRenamedAndNoKeepsTheDialogOpenWithTheRename) {
    int round = 0;
    onDialog([&](ACfrmOverWrite& d) {
        if (round++ == 0) {
            d.ListView1->item(0)->setText(QStringLiteral("a-new.WAV"));
            d.Command1->click();  // answered No: stays open
            EXPECT_TRUE(d.isVisible());
            EXPECT_EQ(d.ListView1->item(0)->text(), QStringLiteral("a-new.WAV"));
        } else {
            d.cmdCancel->click();
        }
    });
    testing_support::MsgBoxRecorder boxes;
    boxes.queue(ui::MsgResult::No);
    window->cmdConvert->click();
    EXPECT_EQ(boxes.boxes().size(), 1);
    EXPECT_FALSE(replaced("a-new.WAV"));
    EXPECT_FALSE(replaced("b.WAV"));
}

// A name that is empty or holds a "/" would put the output somewhere else: refused, and the
// dialog stays open until it is mended.
TEST_F(Overwrite, NamesThatAreEmptyOrHoldASlashAreRefused) {
    int round = 0;
    onDialog([&](ACfrmOverWrite& d) {
        switch (round++) {
        case 0: d.ListView1->item(0)->setText(QString()); break;
        case 1: d.ListView1->item(0)->setText(QStringLiteral("../a.WAV")); break;
        default: d.ListView1->item(0)->setText(QStringLiteral("a-new.WAV")); break;
        }
        d.ListView1->item(1)->setText(QStringLiteral("b-new.WAV"));
        d.Command1->click();
        if (round <= 2) {
            EXPECT_TRUE(d.isVisible());
        }
    });
    testing_support::MsgBoxRecorder boxes;
    window->cmdConvert->click();
    ASSERT_EQ(boxes.texts().size(), 2);
    EXPECT_EQ(boxes.texts()[0], QStringLiteral("'' is not a file name. A new name must not be empty or contain '/'."));
    EXPECT_EQ(boxes.texts()[1], QStringLiteral("'../a.WAV' is not a file name. A new name must not be empty or contain '/'."));
    EXPECT_EQ(window->ListOut->item(0)->text(), output(QStringLiteral("a-new.WAV")));
    EXPECT_TRUE(replaced("a-new.WAV"));
    EXPECT_FALSE(replaced("a.WAV"));
}

// The program ends while the dialog is up: every dialog returns at once from then on, so the
// check must not ask again, and nothing is converted.
TEST_F(Overwrite, AProgramThatEndsDuringTheQuestionStartsNothing) {
    QTimer::singleShot(0, window, [this] {
        onDialog([](ACfrmOverWrite&) { ui::EndProgram(0); });
        window->cmdConvert->click();
    });
    QCoreApplication::exec();
    ui::resetProgramEnding();
    EXPECT_EQ(shows, 1);
    EXPECT_FALSE(replaced("a.WAV"));
    EXPECT_FALSE(replaced("b.WAV"));
}

TEST_F(Overwrite, RenameModeNeverAsksAndAFormatChangeDiscardsTheNames) {
    onDialog([](ACfrmOverWrite& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Renemae output file(s)."));
        EXPECT_EQ(d.Label1->text(), QStringLiteral("These are the output file(s), rename to avoid overwriting."));
        d.Command1->click();  // nothing renamed: no question in this mode
    });
    testing_support::MsgBoxRecorder boxes;
    window->cmdRenameOutputFiles->click();
    EXPECT_TRUE(boxes.texts().isEmpty());
    onDialog([](ACfrmOverWrite& d) {
        d.ListView1->item(1)->setText(QStringLiteral("renamed.WAV"));
        d.Command1->click();
    });
    window->cmdRenameOutputFiles->click();
    EXPECT_EQ(window->ListOut->item(1)->text(), output(QStringLiteral("renamed.WAV")));
    chooseFormat(QStringLiteral("MP3"));
    EXPECT_EQ(window->ListOut->count(), 0);
}

TEST_F(Conversion, AnOutputThatIsItsOwnSourceIsRefusedAndTheSourceKept) {
    const QString src = input(QStringLiteral("song.MP3"));
    makeInput(src, 1.0);
    const QByteArray before = [&] {
        QFile f(src);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    window->addPaths({src});
    selectAll();
    window->optSameFolder->click();
    chooseFormat(QStringLiteral("MP3"));
    QTimer::singleShot(0, window, [] {
        if (auto* d = qobject_cast<ACfrmOverWrite*>(QApplication::activeModalWidget())) d->Command2->click();
    });
    testing_support::MsgBoxRecorder boxes;
    window->cmdConvert->click();
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("File '") + src + QStringLiteral("' would be overwritten by its own output.")});
    QFile f(src);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
}

// ---- Cancel, failures, deletion, tags --------------------------------------------------------

TEST_F(Conversion, CancelStopsAtABlockKeepsThePartialOutputAndSkipsTheRest) {
    makeInput(input(QStringLiteral("long.wav")), 20.0);
    makeInput(input(QStringLiteral("next.wav")), 1.0);
    window->addPaths({input(QStringLiteral("long.wav")), input(QStringLiteral("next.wav"))});
    selectAll();
    chooseFormat(QStringLiteral("MP3"));
    QTimer press;
    QObject::connect(&press, &QTimer::timeout, [&] {
        if (window->progressValue() > 0) {
            window->cmdCancel->click();
            press.stop();
        }
    });
    press.start(0);
    window->cmdConvert->click();
    const QString partial = output(QStringLiteral("long.MP3"));
    EXPECT_TRUE(QFileInfo::exists(partial));
    const ReadBack r = readBack(partial);
    EXPECT_LT(r.seconds(), 15.0);
    EXPECT_FALSE(QFileInfo::exists(output(QStringLiteral("next.MP3"))));
    EXPECT_TRUE(QFileInfo::exists(input(QStringLiteral("long.wav"))));
    EXPECT_EQ(window->sbPanel[0]->text(), QStringLiteral("Ready"));
    EXPECT_TRUE(window->sbPanel[1]->text().isEmpty());
    EXPECT_FALSE(window->pbProgressBar->isVisible());
    EXPECT_TRUE(window->cmdConvert->isEnabled());
    EXPECT_TRUE(window->frameMain->isEnabled());
    EXPECT_TRUE(window->tbToolBar->isEnabled());
}

TEST_F(Conversion, MissingAndCorruptInputsAreReportedAndTheRestConverts) {
    QFile junk(input(QStringLiteral("junk.mp3")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(20000, '\x37'));
    junk.close();
    makeInput(input(QStringLiteral("good.wav")), 1.0);
    window->addPaths({input(QStringLiteral("gone.wav")), junk.fileName(), input(QStringLiteral("good.wav"))});
    selectAll();
    window->chkDeleteSourceFiles->click();
    window->chkPreserveIDTags->click();
    chooseFormat(QStringLiteral("WAV"));
    testing_support::MsgBoxRecorder boxes;
    window->cmdConvert->click();
    ASSERT_EQ(boxes.boxes().size(), 2);
    EXPECT_EQ(boxes.texts()[0], QStringLiteral("File '") + input(QStringLiteral("gone.wav")) + QStringLiteral("' is not exist."));
    EXPECT_TRUE(boxes.texts()[1].contains(junk.fileName()));
    EXPECT_FALSE(boxes.texts()[1].contains(QStringLiteral("good.wav")));
    EXPECT_TRUE(QFileInfo::exists(junk.fileName()));                      // not deleted
    EXPECT_FALSE(QFileInfo::exists(output(QStringLiteral("junk.WAV"))));  // nothing written
    EXPECT_TRUE(QFileInfo::exists(output(QStringLiteral("good.WAV"))));
    EXPECT_FALSE(QFileInfo::exists(input(QStringLiteral("good.wav"))));   // converted, then deleted
}

// The damaged sources of every kind, with deletion on: one box lists each with its reason, every
// source keeps its bytes, and no output appears.
TEST_F(Conversion, DamagedSourcesAreListedWithTheirReasonsAndKept) {
    const QString wav = input(QStringLiteral("whole.wav"));
    makeInput(wav, 12.0);
    QStringList sources;
    QMap<QString, QByteArray> sums;
    for (const testing_support::DamagedSource& damaged : testing_support::damagedSources()) {
        sources << input(QLatin1String(damaged.file));
        ASSERT_EQ(damaged.make(wav, sources.back()), QString());
        sums.insert(sources.back(), testing_support::fileMd5(sources.back()));
    }
    window->addPaths(sources);
    selectAll();
    window->chkDeleteSourceFiles->click();
    chooseFormat(QStringLiteral("MP3"));
    testing_support::MsgBoxRecorder boxes;
    window->cmdConvert->click();
    ASSERT_EQ(boxes.texts().size(), 1) << boxes.texts().join(QLatin1Char('|')).toStdString();
    for (std::size_t i = 0; i < testing_support::damagedSources().size(); ++i) {
        const QString& source = sources[qsizetype(i)];
        EXPECT_TRUE(boxes.texts()[0].contains(source + QLatin1Char('\n') + QStringLiteral("The audio of \"%1\" is damaged: ").arg(source)))
            << boxes.texts()[0].toStdString();
        EXPECT_EQ(testing_support::fileMd5(source), sums.value(source));
    }
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

TEST_F(Conversion, ReadOnlySourceIsDeletedAfterSuccess) {
    const QString src = input(QStringLiteral("ro.wav"));
    makeInput(src, 0.5);
    QFile::setPermissions(src, QFile::ReadOwner | QFile::ReadGroup);
    window->addPaths({src});
    selectAll();
    window->chkDeleteSourceFiles->click();
    chooseFormat(QStringLiteral("OGG"));
    window->cmdConvert->click();
    EXPECT_TRUE(QFileInfo::exists(output(QStringLiteral("ro.OGG"))));
    EXPECT_FALSE(QFileInfo::exists(src));
}

TEST_F(Conversion, AFailedWriteKeepsTheSource) {
    makeInput(input(QStringLiteral("keep.wav")), 0.5);
    window->addPaths({input(QStringLiteral("keep.wav"))});
    selectAll();
    window->chkDeleteSourceFiles->click();
    // The output folder is a file: the output cannot be created.
    QFile blocker(out.filePath(QStringLiteral("blocked")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    window->txtFolder->setText(blocker.fileName() + QStringLiteral("/sub"));
    window->ListOut->clear();
    testing_support::MsgBoxRecorder boxes;
    window->cmdConvert->click();
    EXPECT_TRUE(QFileInfo::exists(input(QStringLiteral("keep.wav"))));
    EXPECT_EQ(boxes.boxes().size(), 1);  // the folder could not be created
}

TEST_F(Conversion, TagsAndPictureArePreserved) {
    const QString src = input(QStringLiteral("tagged.mp3"));
    makeInput(src, 1.0);
    AudioInfo tags;
    tags.setProperties({{QStringLiteral("TITLE"), {QStringLiteral("Nachtmusik — Über")}},
                        {QStringLiteral("ARTIST"), {QStringLiteral("Ensemble")}}});
    AudioInfo::Picture cover;
    cover.data = QByteArray::fromHex("89504e470d0a1a0a0000000d49484452000000010000000108060000001f15c4890000000d4944415478da63f8cfc0f01f0005000201a5d3ee2a0000000049454e44ae426082");
    cover.mimeType = QStringLiteral("image/png");
    tags.setPictures({cover});
    tags.WriteTags(src);
    window->addPaths({src});
    selectAll();
    window->chkPreserveIDTags->click();
    ASSERT_TRUE(window->PreserveIDTags());
    chooseFormat(QStringLiteral("OGG"));
    window->cmdConvert->click();
    AudioInfo back;
    back.ReadTags(output(QStringLiteral("tagged.OGG")));
    EXPECT_EQ(back.properties().value(QStringLiteral("TITLE")), QStringList{QStringLiteral("Nachtmusik — Über")});
    ASSERT_EQ(back.pictures().size(), 1);
    EXPECT_EQ(back.pictures().first().data, cover.data);
}

// Sources whose extension is not three letters lose all of it: "x.flac" and "x.opus" beside each
// other both name "x.MP3", which the first gets and the second is refused; "song.flac" alone
// gives "song.MP3".
TEST_F(Conversion, TheWholeExtensionGivesWayAndTwoSourcesOfOneNameCollide) {
    const struct {
        const char* name;
        double seconds;
    } sources[] = {{"x.flac", 1.0}, {"x.opus", 2.0}, {"song.flac", 1.0}};
    for (const auto& source : sources)
        ASSERT_EQ(testing_support::makeTaggableFile(input(QLatin1String(source.name)),
                                                    testing_support::musicTone(44100, 2, source.seconds), 44100, 2),
                  QString());
    window->addPaths({input(QStringLiteral("x.flac")), input(QStringLiteral("x.opus")), input(QStringLiteral("song.flac"))});
    selectAll();
    window->optSameFolder->click();
    chooseFormat(QStringLiteral("MP3"));
    testing_support::MsgBoxRecorder boxes;
    window->cmdConvert->click();
    EXPECT_TRUE(QFileInfo::exists(input(QStringLiteral("x.MP3"))));
    EXPECT_TRUE(QFileInfo::exists(input(QStringLiteral("song.MP3"))));
    EXPECT_EQ(QDir(in.path()).entryList(QDir::Files | QDir::Hidden).size(), 5);  // nothing else was written
    ASSERT_EQ(boxes.texts().size(), 1);
    EXPECT_TRUE(boxes.texts()[0].contains(QStringLiteral("File '") + input(QStringLiteral("x.opus")) +
                                          QStringLiteral("' would overwrite the output of '") + input(QStringLiteral("x.flac"))))
        << boxes.texts()[0].toStdString();
    EXPECT_NEAR(readBack(input(QStringLiteral("x.MP3"))).seconds(), 1.0, 0.1);  // the audio of x.flac
}

TEST_F(Conversion, CommandsThatWouldChangeTheListWaitForTheRun) {
    makeInput(input(QStringLiteral("long.wav")), 8.0);
    window->addPaths({input(QStringLiteral("long.wav"))});
    selectAll();
    chooseFormat(QStringLiteral("MP3"));
    testing_support::FileDialogRecorder dialogs;
    int tried = 0;
    QTimer poke;
    QObject::connect(&poke, &QTimer::timeout, [&] {
        if (!window->runInProgress() || tried) return;
        ++tried;
        Q_EMIT window->Skin1->Click(SkinObject{QStringLiteral("Add")});
        Q_EMIT window->Skin1->Click(SkinObject{QStringLiteral("Remove")});
        Q_EMIT window->Skin1->Click(SkinObject{QStringLiteral("Convert")});
        window->lstFiles_KeyDown(Qt::Key_D, Qt::ControlModifier);
        window->imgcmbConvertTo->setCurrentIndex(0);
        Q_EMIT window->imgcmbConvertTo->activated(0);  // the format stays MP3
        window->cmdCancel->click();
    });
    poke.start(0);
    window->cmdConvert->click();
    EXPECT_EQ(tried, 1);
    EXPECT_TRUE(dialogs.requests().isEmpty());
    EXPECT_EQ(window->lstFiles->count(), 1);
    EXPECT_EQ(window->imgcmbConvertTo->currentData().toString(), QStringLiteral("MP3"));
    EXPECT_TRUE(QFileInfo::exists(output(QStringLiteral("long.MP3"))));
}

}  // namespace
