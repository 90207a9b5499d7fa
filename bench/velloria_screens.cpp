// Renders the launcher, the converter window, the extractor window and their dialogs
// offscreen into PNG files, so that their look can be reviewed beside the code. Used by
// scripts/screenshots. With a scale of 2 the windows are drawn as on a HiDPI screen
// (QT_SCALE_FACTOR=2) and the files are named NAME@2x.png.
//
//   velloria_screens <output folder> [scale]
#include "runs/ConverterRules.h"
#include "components/i18n/Translations.h"
#include "converter/ProgressInStatusBar.h"
#include "converter/frmAudioConverter.h"
#include "encoders/SettingsDialogs.h"
#include "encoders/frmMP3Settings.h"
#include "encoders/frmFlacSettings.h"
#include "encoders/frmOggSettings.h"
#include "encoders/frmOpusSettings.h"
#include "encoders/frmWavSettings.h"
#include "encoders/frmWmaSettings.h"
#include "extractor/AEfrmabout.h"
#include "extractor/AEfrmmain.h"
#include "recorder/ACMainRecord.h"
#include "ripping/ACfrmGrab.h"
#include "ripping/ReleaseChoice.h"
#include "shell/WindowServices.h"
#include "app/frmmainpro.h"
#include "components/audio/codecs/AudioFile.h"
#include "components/audio/tags/AudioInfo.h"
#include "components/ui/Visualisation.h"

#include <QAction>
#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QUrl>

#include <cmath>
#include <random>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <cstdio>

namespace {

// "" at 1x, "@2x" at 2x.
QString g_suffix;

bool save(QWidget& widget, const QString& folder, const char* name) {
    widget.show();
    QCoreApplication::processEvents();
    QString file = QLatin1String(name);
    file.insert(file.lastIndexOf(QLatin1Char('.')), g_suffix);
    const bool ok = widget.grab().save(QDir(folder).filePath(file));
    if (!ok) std::fprintf(stderr, "could not write %s\n", name);
    return ok;
}

// Lets the program run for `ms` milliseconds.
void runFor(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// `seconds` of something like music: a bass line, a chord with a slow shimmer and a hi-hat, so
// that every part of the spectrum moves.
bool writeMusic(const QString& path, int seconds = 20) {
    const int rate = 44100;
    const int frames = rate * seconds;
    SampleBlock samples(static_cast<std::size_t>(frames) * 2);
    std::mt19937 noise(7);
    std::uniform_real_distribution<double> hiss(-1.0, 1.0);
    const double pi = 3.14159265358979;
    const double bass[] = {55.0, 55.0, 73.4, 65.4};
    const double chord[] = {220.0, 277.2, 329.6, 440.0, 554.4, 880.0, 1318.5, 2637.0};
    for (int i = 0; i < frames; ++i) {
        const double t = i / static_cast<double>(rate);
        const double beat = std::fmod(t, 0.5);
        const double kick = std::exp(-beat * 9.0);
        const double hat = std::fmod(t + 0.25, 0.5) < 0.04 ? 0.35 : 0.0;
        double v = 0.32 * kick * std::sin(2 * pi * bass[static_cast<int>(t / 2) % 4] * t);
        for (int k = 0; k < 8; ++k)
            v += 0.055 * (1.0 + 0.5 * std::sin(t * (0.7 + k))) * std::sin(2 * pi * chord[k] * t);
        v += hat * hiss(noise);
        const double left = v + 0.02 * std::sin(2 * pi * 6000 * t) * kick;
        const double right = v * 0.9 + 0.03 * hiss(noise);
        samples[static_cast<std::size_t>(i) * 2] = static_cast<std::int16_t>(std::clamp(left, -1.0, 1.0) * 26000);
        samples[static_cast<std::size_t>(i) * 2 + 1] = static_cast<std::int16_t>(std::clamp(right, -1.0, 1.0) * 26000);
    }
    AudioFile file;
    file.SetPcmFormat(rate, 2, 16);
    file.DeclareInputFormat(rate, 2);
    file.Create(path);
    if (file.status() < 0) return false;
    file.WriteBlock(samples);
    file.Close();
    return true;
}

// The converter naming its outputs by a pattern of tags, with the preview of the first names:
// three tagged WAV files of a second of music.
bool patternScreen(const QString& folder) {
    QTemporaryDir dir;
    const char* titles[] = {"Opening", "Interlude", "Finale"};
    QStringList files;
    for (int i = 0; i < 3; ++i) {
        const QString path = dir.filePath(QStringLiteral("%1 - %2.wav").arg(i + 1, 2, 10, QLatin1Char('0')).arg(QLatin1String(titles[i])));
        if (!writeMusic(path, 1)) return false;
        AudioInfo tags;
        tags.setProperties({{QStringLiteral("ARTIST"), {QStringLiteral("The Quartet")}},
                            {QStringLiteral("ALBUM"), {QStringLiteral("Live at the Hall")}},
                            {QStringLiteral("TITLE"), {QLatin1String(titles[i])}},
                            {QStringLiteral("TRACKNUMBER"), {QString::number(i + 1)}}});
        tags.WriteTags(path);
        files << path;
    }
    frmAudioConverter window;
    window.Splash1->Hide();
    window.addPaths(files);
    window.chkNamePattern->setChecked(true);
    window.txtPattern->setText(QStringLiteral("{artist}/{album}/{track} - {title}"));
    window.resize(880, 640);
    return save(window, folder, "converter-name-pattern.png");
}

// The recorder playing music, once in each visualisation style. It needs a sound server
// (scripts/screenshots starts one); without one it says so and draws nothing.
bool recorderScreens(const QString& folder, SkinControl* skin) {
    if (QMediaDevices::defaultAudioOutput().isNull()) {
        std::fprintf(stderr, "no sound server: the recorder pictures are left as they are\n");
        return true;
    }
    QTemporaryDir dir;
    const QString music = dir.filePath(QStringLiteral("music.wav"));
    if (!writeMusic(music)) return false;
    ui::setFileDialogResponder([&](const ui::FileDialogRequest&) {
        ui::FileDialogResult r;
        r.accepted = true;
        r.urls << QUrl::fromLocalFile(music);
        return r;
    });
    ACMainRecord recorder(skin);
    recorder.resize(520, 330);
    recorder.show();
    recorder.playButton->click();
    runFor(1500);
    bool ok = true;
    std::vector<std::pair<QAction*, const char*>> styles = {{recorder.mnuLinear, "recorder-linear.png"},
                                                       {recorder.mnuNormal, "recorder-normal.png"},
                                                       {recorder.mnuFire, "recorder-fire.png"},
                                                       {recorder.menuGlass, "recorder-glass.png"},
                                                       {recorder.mnuKryptonite, "recorder-kryptonite.png"}};
    // At 2x one look is enough.
    if (!g_suffix.isEmpty()) styles = {{recorder.mnuFire, "recorder-fire.png"}};
    for (const auto& [action, name] : styles) {
        action->trigger();
        runFor(1300);
        ok = save(recorder, folder, name) && ok;
    }
    recorder.stopButton->click();
    ui::setFileDialogResponder({});
    return ok;
}

}  // namespace

// The ripping options with a disc's information and a detected offset, and the choice of
// MusicBrainz releases.
bool rippingScreens(frmAudioConverter& window, const QString& folder) {
    bool ok = true;
    ACfrmGrab& grab = window.grabDialog();
    grab.showDiscInfo(QStringLiteral("Disc information from MusicBrainz:\n\nArtist: The Testers\n"
                                                  "Album: Morning Album\n\n01 - Dawn\n02 - Noon\n03 - Dusk"));
    grab.txtReadOffset->setValue(667);
    grab.lblOffsetFound->setText(QStringLiteral("Detected +667 (confirmed by 2 tracks); the drive-offset list gives +667 "
                                                "for PIONEER BD-RW BDR-209D."));
    ok = save(grab, folder, "ripping-options.png") && ok;
    {
        std::vector<net::Release> releases(2);
        releases[0].title = QStringLiteral("Morning Album");
        releases[0].artist = QStringLiteral("The Testers");
        releases[0].date = QStringLiteral("2001-05-14");
        releases[0].country = QStringLiteral("GB");
        releases[0].label = QStringLiteral("Loopback Records");
        releases[0].format = QStringLiteral("CD");
        releases[1] = releases[0];
        releases[1].title = QStringLiteral("Morning Album (Deluxe)");
        releases[1].date = QStringLiteral("2003");
        releases[1].country = QStringLiteral("US");
        releases[1].info.discNumber = releases[1].info.discTotal = 2;
        ReleaseChoice choice(&grab, releases);
        ok = save(choice, folder, "release-choice.png") && ok;
    }
    return ok;
}

bool extractorScreens(const QString& folder) {
    bool ok = true;
    // The extractor in the middle of a run, and its About box.
    AEfrmmain extractor;
    extractor.Splash->Hide();
    extractor.txtFile->setText(QStringLiteral("/home/user/Videos/Summer holiday.mp4"));
    extractor.ComboChannels->setCurrentText(QStringLiteral("Stereo"));
    extractor.pbProgressBar->show();
    extractor.pbProgressBar->setValue(42);
    extractor.cmdExtractAudio->setEnabled(false);
    extractor.cmdsetting->setEnabled(false);
    extractor.cmdCancel->setEnabled(true);
    ok = save(extractor, folder, "extractor.png") && ok;
    ok = save(extractor.dialogs().flac(), folder, "extractor-flac-settings.png") && ok;
    ok = save(extractor.dialogs().opus(), folder, "extractor-opus-settings.png") && ok;
    Q_EMIT extractor.Skin->Click(SkinObject{QStringLiteral("about")});
    if (AEfrmabout* about = extractor.about()) ok = save(*about, folder, "extractor-about.png") && ok;
    else ok = false;
    return ok;
}

// The converter and the ripping options in the language LANGUAGE (or VELLORIA_CATALOGUE) picks,
// saved as converter-<name>.png and ripping-options-<name>.png.
bool drawTranslated(QApplication& app, const QString& folder, const QString& name) {
    i18n::installTranslations(app);
    g_suffix.prepend(QLatin1Char('-') + name);
    frmAudioConverter window;
    window.Splash1->Hide();
    window.addPaths({QStringLiteral("/home/user/Music/Album/01 - Opening.wav"),
                     QStringLiteral("/home/user/Music/Album/02 - Interlude.mp3")});
    window.resize(880, 600);
    const bool converter = save(window, folder, "converter.png");
    return save(window.grabDialog(), folder, "ripping-options.png") && converter;
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const bool doubled = argc > 2 && QByteArray(argv[2]) == "2";
    if (doubled) {
        qputenv("QT_SCALE_FACTOR", "2");
        g_suffix = QStringLiteral("@2x");
    }
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() < 1 || args.size() > 3) {
        std::fprintf(stderr, "usage: velloria_screens <output folder> [scale [language]]\n");
        return 1;
    }
    QDir().mkpath(args[0]);
    ui::setProgramDir(QStringLiteral(VELLORIA_BENCH_PROGRAM_DIR));
    ui::setMsgBoxResponder([](const ui::MsgBoxRequest& box) { return ui::msgBoxDefaultAnswer(box); });
    if (args.size() == 3) return drawTranslated(app, args[0], args[2]) ? 0 : 1;

    bool ok = true;
    {
        frmmainpro launcher;
        launcher.Form_Load();
        launcher.Splash1->Hide();
        ok = save(launcher, args[0], "launcher.png") && ok;
    }

    frmAudioConverter window;
    window.Splash1->Hide();
    window.addPaths({QStringLiteral("/home/user/Music/Album/01 - Opening.wav"),
                     QStringLiteral("/home/user/Music/Album/02 - Interlude.mp3"),
                     QStringLiteral("/run/user/1000/velloria/cd0/Track03.cda")});
    window.resize(880, 600);
    ok = save(window, args[0], "converter.png") && ok;
    {
        // The status bar after a rip with AccurateRip verification on and no network.
        converter::VerificationTally offline;
        offline.unverified = 3;
        offline.reason = QStringLiteral("www.accuraterip.com could not be reached: Host www.accuraterip.com not found.");
        ProgressInStatusBar::ResetStatusBar(window);
        ProgressInStatusBar::ShowRunResult(window, converter::verificationSummary(offline), {});
        window.resize(1100, 600);
        ok = save(*window.sbStatus, args[0], "converter-status-offline-rip.png") && ok;
        ProgressInStatusBar::ShowRunResult(window, {}, {});
        window.resize(880, 600);
    }
    SettingsDialogs& dialogs = window.dialogs();
    ok = save(dialogs.mp3(), args[0], "mp3-settings.png") && ok;
    ok = save(dialogs.ogg(), args[0], "ogg-settings.png") && ok;
    ok = save(dialogs.wav(), args[0], "wav-settings.png") && ok;
    ok = save(dialogs.wma(), args[0], "wma-settings.png") && ok;
    ok = save(dialogs.flac(), args[0], "flac-settings.png") && ok;
    ok = save(dialogs.opus(), args[0], "opus-settings.png") && ok;
    ok = rippingScreens(window, args[0]) && ok;
    ok = extractorScreens(args[0]) && ok;
    ok = patternScreen(args[0]) && ok;
    ok = recorderScreens(args[0], window.Skin1.get()) && ok;
    return ok ? 0 : 2;
}
