// Converts every WAV file of a folder to MP3 at 128 kbit/s through the converter window's own
// code path, offscreen, as a user would with the whole list selected. Used by scripts/bench.
//
//   velloria_batch <input folder> <output folder>
#include "converter/frmAudioConverter.h"
#include "shell/CRegister.h"
#include "shell/WindowServices.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QRadioButton>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: velloria_batch <input folder> <output folder>\n");
        return 1;
    }
    ui::setProgramDir(QStringLiteral(VELLORIA_BENCH_PROGRAM_DIR));
    // 128 kbit/s CBR at the encoder quality the lame command uses by default.
    CRegister reg;
    const QString key = QStringLiteral("\\Software\\Brindlewood\\Audioconverter");
    reg.REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, key, QStringLiteral("MP3 Bitrate"), QStringLiteral("9"));
    reg.REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, key, QStringLiteral("MP3 EnqQual"), QStringLiteral("3"));
    reg.REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, key, QStringLiteral("Preserve ID Tags"), QStringLiteral("0"));
    int failures = 0;
    ui::setMsgBoxResponder([&](const ui::MsgBoxRequest& box) {
        std::fprintf(stderr, "%s\n", qPrintable(box.text));
        ++failures;
        return ui::msgBoxDefaultAnswer(box);
    });

    frmAudioConverter window;
    window.Splash1->Hide();
    QStringList inputs;
    const QDir in(args[0]);
    for (const QString& name : in.entryList({QStringLiteral("*.wav")}, QDir::Files, QDir::Name)) inputs << in.filePath(name);
    window.addPaths(inputs);
    window.SelectAll();
    window.optOtherFolder->click();
    window.setCustomOutputFolder(args[1]);
    window.imgcmbConvertTo->setCurrentIndex(window.imgcmbConvertTo->findData(QStringLiteral("MP3")));
    window.imgcmbConvertTo_Click();
    window.cmdConvert_Click();
    return failures == 0 ? 0 : 2;
}
