// The extractor window driven offscreen: its start from the registry and the settings it
// keeps, the quit question, choosing a video, its dialogs and About box, and runs through its
// buttons, including a run whose window is closed under it; a run's desktop hooks against a
// private bus with mock services.
#include "components/desktop/DesktopSession.h"
#include "components/ui/SkinLabel.h"
#include "encoders/frmWmaSettings.h"
#include "extractor/AEfrmabout.h"
#include "extractor/AEfrmmain.h"
#include "components/store/CRegister.h"
#include "support/DesktopBus.h"
#include "support/DialogTestOwner.h"
#include "support/Signals.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

#include <chrono>
#include <optional>

using namespace testing_support;

namespace {

const QString kKey = QStringLiteral("\\Software\\Brindlewood\\Audioextractor");

QString stored(const QString& name) {
    return CRegister().REGGetSetting(CRegister::HKEY_LOCAL_MACHINE, kKey, name, QStringLiteral("<missing>"));
}
void store(const QString& name, const QString& value) {
    CRegister().REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, kKey, name, value);
}

class ExtractorWindow : public ::testing::Test {
protected:
    void SetUp() override {
        AEfrmmain::resetState();
        ASSERT_TRUE(work.isValid());
    }
    void TearDown() override {
        delete window.data();
        runDeferredDeletes();
    }
    AEfrmmain& open() {
        window = new AEfrmmain;
        window->show();
        return *window;
    }
    // Closes the window, answering the quit question.
    void quit(ui::MsgResult answer) {
        boxes.queue(answer);
        window->close();
        runDeferredDeletes();
    }
    QString makeMovie(const QString& name, double seconds) {
        const QString movie = work.filePath(name);
        EXPECT_EQ(makeMusicVideo(movie, seconds), QString());
        return movie;
    }

    TempConfigHome config;
    MsgBoxRecorder boxes;
    QTemporaryDir work;
    QPointer<AEfrmmain> window;
};

TEST_F(ExtractorWindow, StartsFromTheRegistryAndSavesOnQuitting) {
    AEfrmmain& w = open();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Tarn Audio Extractor"));
    EXPECT_EQ(w.txtOutAudioFile->text(),
              QStandardPaths::writableLocation(QStandardPaths::MusicLocation) + QStringLiteral("/Extracted audio"));
    EXPECT_EQ(w.format->currentText(), QStringLiteral("MP3"));
    EXPECT_EQ(w.ComboChannels->currentText(), QStringLiteral("Mono"));
    EXPECT_EQ(w.ComboBitRate->currentText(), QStringLiteral("128"));
    EXPECT_EQ(w.ComboFreq->currentText(), QStringLiteral("44100"));
    EXPECT_FALSE(w.chkDeleteSourceFiles->isChecked());
    EXPECT_TRUE(w.optSameFolder->isChecked());
    EXPECT_FALSE(w.optOtherFolder->isChecked());
    EXPECT_FALSE(w.pbProgressBar->isVisible());
    EXPECT_FALSE(w.cmdCancel->isEnabled());
    EXPECT_EQ(w.cmdExtractAudio->text(), QStringLiteral("Extract Audio "));
    // The skin: its band with the About and Help buttons, and the controls by kind.
    EXPECT_NE(w.findChild<QToolButton*>(QStringLiteral("about")), nullptr);
    EXPECT_NE(w.findChild<QToolButton*>(QStringLiteral("help")), nullptr);
    EXPECT_TRUE(w.cmdExtractAudio->styleSheet().contains(QStringLiteral("#e11d48")));
    EXPECT_TRUE(w.FrameInputFile->styleSheet().contains(QStringLiteral("QGroupBox")));
    EXPECT_FALSE(w.Splash->isShowing());

    // Every change reaches the state the window saves.
    w.optOtherFolder->click();
    w.txtOutAudioFile->setText(work.path());
    w.chkDeleteSourceFiles->click();
    w.format->setCurrentText(QStringLiteral("OGG"));
    w.ComboChannels->setCurrentText(QStringLiteral("Stereo"));
    w.ComboBitRate->setCurrentText(QStringLiteral("192"));
    w.ComboFreq->setCurrentText(QStringLiteral("48000"));

    // No keeps the window open, yet the settings were saved first.
    quit(ui::MsgResult::No);
    ASSERT_TRUE(window);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Are you sure you want to quit ??")});
    EXPECT_EQ(boxes.boxes()[0].buttons, ui::MsgButtons::YesNo);
    EXPECT_EQ(stored(QStringLiteral("option other folder")), QStringLiteral("-1"));
    EXPECT_EQ(stored(QStringLiteral("output folder")), work.path());
    EXPECT_EQ(stored(QStringLiteral("check delete file")), QStringLiteral("1"));
    EXPECT_EQ(stored(QStringLiteral("format settings folder")), QStringLiteral("OGG"));
    EXPECT_EQ(stored(QStringLiteral("combo channels folder")), QStringLiteral("Stereo"));
    EXPECT_EQ(stored(QStringLiteral("combo bitrate folder")), QStringLiteral("192"));
    EXPECT_EQ(stored(QStringLiteral("combo frquency folder")), QStringLiteral("48000"));

    quit(ui::MsgResult::Yes);
    EXPECT_FALSE(window);

    // Reopened: the same choices; a bit rate stored with blanks is read as its number; the
    // same-folder option chosen last comes back.
    store(QStringLiteral("combo bitrate folder"), QStringLiteral(" 96"));
    store(QStringLiteral("option other folder"), QStringLiteral("0"));
    AEfrmmain& again = open();
    EXPECT_EQ(again.txtOutAudioFile->text(), work.path());
    EXPECT_TRUE(again.chkDeleteSourceFiles->isChecked());
    EXPECT_EQ(again.format->currentText(), QStringLiteral("OGG"));
    EXPECT_EQ(again.ComboChannels->currentText(), QStringLiteral("Stereo"));
    EXPECT_EQ(again.ComboBitRate->currentText(), QStringLiteral("96"));
    EXPECT_EQ(again.ComboFreq->currentText(), QStringLiteral("48000"));
    EXPECT_TRUE(again.optSameFolder->isChecked());
}

TEST_F(ExtractorWindow, OpensItsSettingsDialogsAboutBoxAndHelp) {
    AEfrmmain& w = open();
    for (const char* key : {"MP3", "WAV", "OGG", "WMA", "FLAC", "OPUS"}) {
        w.format->setCurrentText(QLatin1String(key));
        w.cmdsetting->click();
        const QString name = QStringLiteral("AEfrm") + QLatin1String(key).left(1) +
                             (QLatin1String(key) == QLatin1String("MP3") ? QStringLiteral("P3") : QString(QLatin1String(key).mid(1)).toLower());
        auto* dialog = w.findChild<QDialog*>(name);
        ASSERT_NE(dialog, nullptr) << name.toStdString();
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_FALSE(dialog->isModal());
        dialog->hide();
    }

    Q_EMIT w.Skin->Click(SkinObject{QStringLiteral("about")});
    AEfrmabout* about = w.about();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(about->isModal());
    EXPECT_EQ(about->windowTitle(), QStringLiteral("Form1"));
    EXPECT_EQ(about->lblTitle->text(), QStringLiteral("Audio Extractor"));
    EXPECT_EQ(about->lblVersion->text(), QStringLiteral("5.6.0.4"));
    EXPECT_TRUE(about->cmdOK->styleSheet().contains(QStringLiteral("#e11d48")));
    about->cmdOK->click();
    runDeferredDeletes();
    EXPECT_EQ(w.about(), nullptr);

    OpenFileRecorder opened;
    Q_EMIT w.Skin->Click(SkinObject{QStringLiteral("help")});
    Q_EMIT w.Skin->Click(SkinObject{QStringLiteral("Help")});
    EXPECT_EQ(opened.opened, QStringList{ui::programFile(QStringLiteral("\\AEHelp.html"))});
}

TEST_F(ExtractorWindow, ChecksTheChosenVideo) {
    AEfrmmain& w = open();
    const QString notes = work.filePath(QStringLiteral("notes.avi"));
    QFile f(notes);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("not a film\n").repeated(100));
    f.close();
    FileDialogRecorder dialogs;
    dialogs.queueLocal({notes});
    w.cmdFile->click();
    ASSERT_EQ(dialogs.requests().size(), 1);
    EXPECT_EQ(dialogs.requests()[0].title, QStringLiteral("Open Video File"));
    EXPECT_TRUE(dialogs.requests()[0].filter.startsWith(QStringLiteral("All files (*.*)|*.*|AVI Files (*.avi)|*.avi|")));
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Specified file is not a video file or format is not supported")});
    EXPECT_EQ(w.txtFile->text(), notes);

    // A cancelled dialog changes nothing.
    dialogs.queueCancel();
    w.cmdFile->click();
    EXPECT_EQ(w.txtFile->text(), notes);

    // A video is opened to show parse progress, then closed again.
    const QString movie = makeMovie(QStringLiteral("movie.mp4"), 1.0);
    QList<int> bars;
    QObject::connect(w.pbProgressBar, &QProgressBar::valueChanged, [&](int v) { bars << v; });
    dialogs.queueLocal({movie});
    w.cmdFile->click();
    EXPECT_EQ(boxes.texts().size(), 1);
    EXPECT_TRUE(bars.contains(100));
    EXPECT_EQ(w.pbProgressBar->value(), 0);
    EXPECT_FALSE(w.VideoFileIn.isOpen());
    EXPECT_EQ(AEfrmmain::state().InpFile, movie);
    w.VideoFileIn_ParsingVideoFile(250);
    EXPECT_EQ(w.pbProgressBar->value(), 100);
}

// The 30-second AAC video at 48 kHz, out as MP3 at 44 100 Hz stereo 128 kbit/s, through the
// window's own buttons; then as WMA in the profile stored by the WMA dialog.
TEST_F(ExtractorWindow, ExtractsThroughItsButtons) {
    AEfrmmain& w = open();
    const QString movie = makeMovie(QStringLiteral("holiday.mp4"), 30.0);
    w.txtFile->setText(movie);
    w.ComboChannels->setCurrentText(QStringLiteral("Stereo"));
    w.cmdExtractAudio->click();
    const QString mp3 = work.filePath(QStringLiteral("holiday_Audio.MP3"));
    const ReadBack got = readBack(mp3);
    ASSERT_TRUE(got.error.isEmpty()) << got.error.toStdString();
    EXPECT_EQ(got.rate, 44100);
    EXPECT_EQ(got.channels, 2);
    EXPECT_NEAR(got.seconds(), 30.0, 0.1);
    const SampleBlock reference = ffmpegDecode(movie, 44100, 2);
    EXPECT_GT(bestCorrelation(got.samples, 2, reference, 2, 0), 0.9);
    EXPECT_GT(bestCorrelation(got.samples, 2, reference, 2, 1), 0.9);
    EXPECT_NEAR(static_cast<double>(QFileInfo(mp3).size()) * 8 / 30.0, 128000, 6000);
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(w.cmdExtractAudio->isEnabled());
    EXPECT_TRUE(w.cmdsetting->isEnabled());
    EXPECT_TRUE(w.cmdCancel->isEnabled());
    EXPECT_TRUE(w.pbProgressBar->isVisible());
    EXPECT_EQ(w.pbProgressBar->value(), 0);

    CRegister().REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, kKey, QStringLiteral("WMA Profile"), QStringLiteral("0"));
    w.format->setCurrentText(QStringLiteral("WMA"));
    w.cmdExtractAudio->click();
    EXPECT_EQ(w.WMAoutFile.WMProfile(), 0);
    const ReadBack wma = readBack(work.filePath(QStringLiteral("holiday_Audio.WMA")));
    EXPECT_EQ(wma.rate, 22050);
    EXPECT_EQ(wma.channels, 1);
    EXPECT_NEAR(wma.seconds(), 30.0, 0.1);
}

// FLAC and Opus from the format list, with the settings their dialogs stored under the
// extractor's key: FLAC at the list's rate, Opus at its stored hard CBR bitrate.
TEST_F(ExtractorWindow, ExtractsToFlacAndOpusWithTheirStoredSettings) {
    AEfrmmain& w = open();
    const QString movie = makeMovie(QStringLiteral("clip.mkv"), 10.0);
    w.txtFile->setText(movie);
    w.ComboChannels->setCurrentText(QStringLiteral("Stereo"));
    w.ComboFreq->setCurrentText(QStringLiteral("48000"));
    CRegister().REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, kKey, QStringLiteral("OPUS Bitrate"), QStringLiteral("64"));
    CRegister().REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, kKey, QStringLiteral("OPUS Mode"), QStringLiteral("2"));
    const SampleBlock reference = ffmpegDecode(movie, 48000, 2);
    for (const char* key : {"FLAC", "OPUS"}) {
        w.format->setCurrentText(QLatin1String(key));
        w.cmdExtractAudio->click();
        const QString out = work.filePath(QStringLiteral("clip_Audio.") + QLatin1String(key));
        const ReadBack got = readBack(out);
        ASSERT_TRUE(got.error.isEmpty()) << got.error.toStdString();
        EXPECT_EQ(got.rate, 48000);
        EXPECT_NEAR(got.seconds(), double(reference.size()) / 2 / 48000, 0.02);
        EXPECT_GT(bestCorrelation(got.samples, 2, reference, 2, 0), 0.99) << key;
        if (QLatin1String(key) == QLatin1String("OPUS")) {
            EXPECT_NEAR(static_cast<double>(QFileInfo(out).size()) * 8 / 10.0, 64000, 5000);
        }
    }
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
}

// Choosing another video while a run reads one leaves the run alone. Then Cancel through the
// window, and a window closed under its run: the run stops at its next check, the window
// goes, the partial output stays and the video is kept although deletion is ticked.
TEST_F(ExtractorWindow, ARunSurvivesAChoiceCancelAndClosingKeepTheVideo) {
    AEfrmmain& w = open();
    const QString movie = makeMovie(QStringLiteral("film.mp4"), 10.0);
    const QString output = work.filePath(QStringLiteral("film_Audio.MP3"));
    w.txtFile->setText(movie);
    std::function<void()> atQuarter;
    QObject::connect(w.pbProgressBar, &QProgressBar::valueChanged, [&](int v) {
        if (v >= 25 && v < 50 && QFile::exists(output) && atQuarter) std::exchange(atQuarter, {})();
    });

    FileDialogRecorder dialogs;
    atQuarter = [&] {
        dialogs.queueLocal({movie});
        w.cmdFile->click();
    };
    w.cmdExtractAudio->click();
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(dialogs.requests().size(), 1);
    EXPECT_NEAR(readBack(output).seconds(), 10.0, 0.1);

    w.chkDeleteSourceFiles->click();
    boxes.queue(ui::MsgResult::Yes);
    atQuarter = [&] { w.cmdCancel->click(); };
    w.cmdExtractAudio->click();
    EXPECT_TRUE(QFile::exists(movie));
    EXPECT_LT(readBack(output).seconds(), 5.0);
    EXPECT_TRUE(w.cmdExtractAudio->isEnabled());
    EXPECT_TRUE(w.cmdCancel->isEnabled());
    EXPECT_EQ(w.pbProgressBar->value(), 0);

    boxes.queue(ui::MsgResult::Yes);
    atQuarter = [&] {
        boxes.queue(ui::MsgResult::Yes);
        w.close();
    };
    w.cmdExtractAudio->click();
    runDeferredDeletes();
    EXPECT_FALSE(window);
    EXPECT_EQ(boxes.texts(), (QStringList{QStringLiteral("Do you want to overwrite the existing audio file"),
                                          QStringLiteral("Do you want to overwrite the existing audio file"),
                                          QStringLiteral("Are you sure you want to quit ??")}));
    EXPECT_TRUE(QFile::exists(movie));
    const ReadBack partial = readBack(output);
    EXPECT_TRUE(partial.error.isEmpty()) << partial.error.toStdString();
    EXPECT_GT(partial.seconds(), 1.0);
    EXPECT_LT(partial.seconds(), 6.0);
}

}  // namespace

// An extraction keeps the session awake from its start to its end and lets it go after it ends or
// is cancelled. The window is not shown, so not active: a long extraction that wrote its file is
// notified, a cancelled one wrote nothing and is not news.
TEST_F(ExtractorWindow, ARunKeepsTheSessionAwakeUntilItEndsOrIsCancelled) {
    const QString movie = makeMovie(QStringLiteral("film.mp4"), 10.0);
    const QString output = work.filePath(QStringLiteral("film_Audio.MP3"));
    for (const bool cancel : {false, true}) {
        SCOPED_TRACE(cancel ? "cancelled" : "completed");
        AEfrmmain::resetState();
        const DesktopBus bus({QStringLiteral("notifications"), QStringLiteral("portal")});
        ASSERT_EQ(bus.error(), QString());
        desktop::Session::replaceShared(bus.session(std::chrono::milliseconds(0)));  // every run is long
        const auto restore = qScopeGuard([&] {
            delete window.data();
            desktop::Session::replaceShared(nullptr);
        });
        window = new AEfrmmain;
        window->txtFile->setText(movie);
        QFile::remove(output);
        // The portal's inhibits and closed requests once a quarter of the sound is out (the bar
        // also moves while the video is read, before the output exists).
        std::optional<std::pair<qsizetype, qsizetype>> midway;
        QObject::connect(window->pbProgressBar, &QProgressBar::valueChanged, window, [&](int v) {
            if (midway || v < 25 || !QFile::exists(output)) return;
            midway.emplace(bus.portalInhibits().size(), bus.portalRequestsClosed().size());
            if (cancel) window->cmdCancel->click();
        });
        window->cmdExtractAudio->click();
        ASSERT_TRUE(midway.has_value());
        EXPECT_EQ(*midway, std::make_pair(qsizetype(1), qsizetype(0)));
        EXPECT_TRUE(waitFor([&] { return bus.portalRequestsClosed().size() == 1; }));
        EXPECT_EQ(bus.portalInhibits().size(), 1);
        EXPECT_EQ(bus.portalInhibits().constFirst().value(2).toMap().value(QStringLiteral("reason")).toString(),
                  QStringLiteral("Extracting audio"));
        // A notification would come after the release.
        waitFor([&] { return !bus.notifications().isEmpty(); }, cancel ? 500 : 10000);
        const QList<QVariantList> notes = bus.notifications();
        ASSERT_EQ(notes.size(), cancel ? 0 : 1);
        if (!cancel) {
            EXPECT_EQ(notes[0][3].toString(), QStringLiteral("Extraction finished"));
            EXPECT_EQ(notes[0][4].toString(), QStringLiteral("1 file written, 0 failed."));
        }
    }
}
