// Converts WAV files to MP3 at 128 kbit/s through the converter window's own code path,
// offscreen, as a user would with the whole list selected. Used by scripts/bench.
//
//   velloria_batch <input folder> <output folder>
//       converts every WAV file of the folder.
//   velloria_batch --ui-stall <input.wav> <output folder>
//       converts one file and prints on stdout the longest time, in ms, between two passes of
//       the message loop while the run was in progress (from the first pass to the first pass
//       after the Convert command returned).
//   velloria_batch --idle <seconds> <input folder> <output folder>
//       lists the folder's WAV files, shows the window and serves its message loop for that
//       long without converting, for an accessibility client to read it.
//
// --one-at-a-time converts one file after another; --loudness writes loudness tags (both come
// after --show and --ui-stall, in this order).
// --show (first) shows the window while converting, as a user sees it. The window is offscreen
// unless QT_QPA_PLATFORM names another platform (the accessibility bridge needs xcb).
#include "converter/frmAudioConverter.h"
#include "components/store/CRegister.h"
#include "shell/WindowServices.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <vector>

namespace {

void usage() {
    std::fprintf(stderr,
                 "usage: velloria_batch <input folder> <output folder>\n"
                 "       velloria_batch --ui-stall <input.wav> <output folder>\n");
}

// Convert runs synchronously and lets the message loop run once after every block; a timer of
// 0 ms can only fire during those passes, so the times between its timeouts are the times the
// window could not respond.
std::vector<qint64> convertCountingPasses(frmAudioConverter& window) {
    std::vector<qint64> passes;  // ns since the clock started
    passes.reserve(8192);
    QElapsedTimer clock;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] { passes.push_back(clock.nsecsElapsed()); });
    clock.start();
    timer.start();
    window.cmdConvert_Click();
    // The first pass after the run's end closes the last gap, as the program's own message
    // loop would.
    const std::size_t during = passes.size();
    for (int i = 0; i < 1000 && passes.size() == during; ++i) QCoreApplication::processEvents();
    timer.stop();
    return passes;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    const bool show = args.value(0) == QStringLiteral("--show");
    if (show) args.removeFirst();
    double idleSeconds = -1;
    if (args.value(0) == QStringLiteral("--idle") && args.size() > 1) {
        bool ok = false;
        idleSeconds = args.value(1).toDouble(&ok);
        if (!ok || idleSeconds < 0) {
            usage();
            return 1;
        }
        args = args.mid(2);
    }
    const bool uiStall = args.value(0) == QStringLiteral("--ui-stall");
    if (uiStall) args.removeFirst();
    // One file after another, as with "Use every processor core" off.
    const bool oneAtATime = args.value(0) == QStringLiteral("--one-at-a-time");
    if (oneAtATime) args.removeFirst();
    // With "Write loudness tags (ReplayGain)" on.
    const bool loudness = args.value(0) == QStringLiteral("--loudness");
    if (loudness) args.removeFirst();
    if (args.size() != 2) {
        usage();
        return 1;
    }
    ui::setProgramDir(QStringLiteral(VELLORIA_BENCH_PROGRAM_DIR));
    // 128 kbit/s CBR, joint stereo, at the encoder quality the lame command uses by default
    // (the window's own default channel mode is plain stereo).
    CRegister reg;
    const QString key = QStringLiteral("\\Software\\Brindlewood\\Audioconverter");
    reg.REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, key, QStringLiteral("MP3 Channels"), QStringLiteral("2"));
    reg.REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, key, QStringLiteral("MP3 Bitrate"), QStringLiteral("9"));
    reg.REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, key, QStringLiteral("MP3 EnqQual"), QStringLiteral("3"));
    reg.REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, key, QStringLiteral("Preserve ID Tags"), QStringLiteral("0"));
    reg.REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, key, QStringLiteral("Parallel"),
                       oneAtATime ? QStringLiteral("0") : QStringLiteral("-1"));
    reg.REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, key, QStringLiteral("Loudness Tags"),
                       loudness ? QStringLiteral("-1") : QStringLiteral("0"));
    int failures = 0;
    ui::setMsgBoxResponder([&](const ui::MsgBoxRequest& box) {
        std::fprintf(stderr, "%s\n", qPrintable(box.text));
        ++failures;
        return ui::msgBoxDefaultAnswer(box);
    });

    frmAudioConverter window;
    window.Splash1->Hide();
    QStringList inputs;
    if (uiStall) {
        inputs << QFileInfo(args[0]).absoluteFilePath();
    } else {
        const QDir in(args[0]);
        for (const QString& name : in.entryList({QStringLiteral("*.wav")}, QDir::Files, QDir::Name))
            inputs << in.filePath(name);
    }
    window.addPaths(inputs);
    window.SelectAll();
    window.optOtherFolder->click();
    window.setCustomOutputFolder(args[1]);
    window.imgcmbConvertTo->setCurrentIndex(window.imgcmbConvertTo->findData(QStringLiteral("MP3")));
    window.imgcmbConvertTo_Click();
    if (show || idleSeconds >= 0) window.show();
    if (idleSeconds >= 0) {
        // exit(), not quit(): quit() closes the windows first, and this one deletes itself on
        // close, which it must not do here, living on the stack.
        QTimer::singleShot(static_cast<int>(idleSeconds * 1000), &app, [] { QCoreApplication::exit(0); });
        return app.exec();
    }
    if (!uiStall) {
        window.cmdConvert_Click();
        return failures == 0 ? 0 : 2;
    }

    const std::vector<qint64> passes = convertCountingPasses(window);
    // The window names the output after the input, with the format's extension in capitals.
    const QFileInfoList outputs = QDir(args[1]).entryInfoList(QDir::Files);
    if (outputs.size() != 1 || outputs[0].size() <= 0 || outputs[0].suffix().toLower() != QStringLiteral("mp3")) {
        std::fprintf(stderr, "no MP3 output was written in %s\n", qPrintable(args[1]));
        ++failures;
    }
    if (passes.size() < 2) {
        std::fprintf(stderr, "the message loop ran %zu times during the run\n", passes.size());
        return 2;
    }
    const auto ms = [](qint64 ns) { return static_cast<double>(ns) / 1e6; };
    std::vector<qint64> gaps;
    for (std::size_t i = 1; i < passes.size(); ++i) gaps.push_back(passes[i] - passes[i - 1]);
    const auto longest = std::max_element(gaps.begin(), gaps.end());
    std::vector<qint64> sorted = gaps;
    const auto middle = sorted.begin() + static_cast<std::ptrdiff_t>(sorted.size() / 2);
    std::nth_element(sorted.begin(), middle, sorted.end());
    std::fprintf(stderr, "%zu passes in %.2f s; median gap %.3f ms; longest %.3f ms, after pass %td\n", passes.size(),
                 ms(passes.back() - passes.front()) / 1e3, ms(*middle), ms(*longest), longest - gaps.begin() + 1);
    std::printf("%.3f\n", ms(*longest));
    return failures == 0 ? 0 : 2;
}
