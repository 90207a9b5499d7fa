// Plays a file through the converter window's preview for a number of seconds and prints the
// longest stretch, in milliseconds, during which the window's message loop did not run.
//
//   velloria_preview <input file> <seconds>
#include "converter/frmAudioConverter.h"
#include "shell/WindowServices.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: velloria_preview <input file> <seconds>\n");
        return 1;
    }
    ui::setProgramDir(QStringLiteral(VELLORIA_BENCH_PROGRAM_DIR));
    int failures = 0;
    ui::setMsgBoxResponder([&](const ui::MsgBoxRequest& box) {
        std::fprintf(stderr, "%s\n", qPrintable(box.text));
        ++failures;
        return ui::msgBoxDefaultAnswer(box);
    });
    frmAudioConverter window;
    window.Splash1->Hide();
    window.show();
    window.addPaths({QFileInfo(args[0]).absoluteFilePath()});
    window.lstFiles->setCurrentRow(0);
    window.mnuPlay->trigger();
    if (!window.isPlaying()) {
        std::fprintf(stderr, "the preview did not start\n");
        return 2;
    }

    // A timer that fires on every pass of the message loop marks when the loop ran.
    QElapsedTimer clock;
    clock.start();
    qint64 last = clock.nsecsElapsed();
    qint64 longest = 0;
    QTimer pass;
    pass.setInterval(0);
    QObject::connect(&pass, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    pass.start();
    const qint64 limit = static_cast<qint64>(args[1].toDouble() * 1e9);
    int timeTexts = 0;
    QString shown;
    while (clock.nsecsElapsed() < limit && window.isPlaying()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        if (window.sbPanel[1]->text() != shown) {
            shown = window.sbPanel[1]->text();
            ++timeTexts;
        }
    }
    pass.stop();
    if (!window.isPlaying() || timeTexts < 10) {
        std::fprintf(stderr, "the preview stopped early (%d time texts)\n", timeTexts);
        return 2;
    }
    window.mnuPlay->trigger();
    std::fprintf(stderr, "preview of %s for %.1f s: %d time texts, last %s\n", qPrintable(QFileInfo(args[0]).fileName()),
                 static_cast<double>(clock.nsecsElapsed()) / 1e9, timeTexts, qPrintable(shown));
    std::printf("%.3f\n", static_cast<double>(longest) / 1e6);
    return failures == 0 ? 0 : 2;
}
