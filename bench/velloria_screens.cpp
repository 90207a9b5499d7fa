// Renders the converter window, the extractor window and their dialogs offscreen into PNG
// files, so that their look can be reviewed beside the code. Used by scripts/screenshots.
//
//   velloria_screens <output folder>
#include "converter/frmAudioConverter.h"
#include "encoders/SettingsDialogs.h"
#include "encoders/frmMP3Settings.h"
#include "encoders/frmOggSettings.h"
#include "encoders/frmWavSettings.h"
#include "encoders/frmWmaSettings.h"
#include "extractor/AEfrmabout.h"
#include "extractor/AEfrmmain.h"
#include "ripping/ACfrmGrab.h"
#include "shell/WindowServices.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>

namespace {

bool save(QWidget& widget, const QString& folder, const char* name) {
    widget.show();
    QCoreApplication::processEvents();
    const bool ok = widget.grab().save(QDir(folder).filePath(QLatin1String(name)));
    if (!ok) std::fprintf(stderr, "could not write %s\n", name);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: velloria_screens <output folder>\n");
        return 1;
    }
    QDir().mkpath(args[0]);
    ui::setProgramDir(QStringLiteral(VELLORIA_BENCH_PROGRAM_DIR));
    ui::setMsgBoxResponder([](const ui::MsgBoxRequest& box) { return ui::msgBoxDefaultAnswer(box); });

    frmAudioConverter window;
    window.Splash1->Hide();
    window.addPaths({QStringLiteral("/home/user/Music/Album/01 - Opening.wav"),
                     QStringLiteral("/home/user/Music/Album/02 - Interlude.mp3"),
                     QStringLiteral("/run/user/1000/velloria/cd0/Track03.cda")});
    window.resize(880, 600);
    bool ok = save(window, args[0], "converter.png");
    SettingsDialogs& dialogs = window.dialogs();
    ok = save(dialogs.mp3(), args[0], "mp3-settings.png") && ok;
    ok = save(dialogs.ogg(), args[0], "ogg-settings.png") && ok;
    ok = save(dialogs.wav(), args[0], "wav-settings.png") && ok;
    ok = save(dialogs.wma(), args[0], "wma-settings.png") && ok;
    ok = save(window.grabDialog(), args[0], "ripping-options.png") && ok;

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
    ok = save(extractor, args[0], "extractor.png") && ok;
    Q_EMIT extractor.Skin->Click(SkinObject{QStringLiteral("about")});
    if (AEfrmabout* about = extractor.about()) ok = save(*about, args[0], "extractor-about.png") && ok;
    else ok = false;
    return ok ? 0 : 2;
}
