// Files handed to the program on its command line, as the desktop does when the user opens
// files with it: the converter opens with them listed, beside the launcher.
#include "converter/frmAudioConverter.h"
#include "app/Program.h"
#include "app/ToolWindows.h"
#include "shell/WindowServices.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

bool launcherShown() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QStringLiteral("frmmainpro") && w->isVisible()) return true;
    return false;
}

// Runs `check` once the program's own event loop runs (start-up lets events run before it
// starts), then ends the program.
void onceRunning(const std::function<void()>& check) {
    QTimer::singleShot(0, [check] {
        if (QThread::currentThread()->loopLevel() == 0 || !launcherShown()) return onceRunning(check);
        check();
        ui::EndProgram(0);
    });
}

TEST(OpenFiles, TheConverterListsTheFilesInTheirOrder) {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    // An absolute path, a name relative to the current folder, and a file: URL.
    const QString first = dir.filePath(QStringLiteral("b first.wav"));
    const QString second = dir.filePath(QStringLiteral("a second.mp3"));
    const QString third = dir.filePath(QStringLiteral("c third.ogg"));
    const QStringList args{first, QStringLiteral("a second.mp3"), QUrl::fromLocalFile(third).toString()};

    QStringList listed;
    bool converterShown = false;
    onceRunning([&] {
        if (frmAudioConverter* converter = tools::audioConverter()) {
            for (int i = 0; i < converter->lstFiles->count(); ++i) listed << converter->lstFiles->item(i)->text();
            converterShown = converter->isVisible();
        }
    });
    const QString title = ui::appTitle();
    EXPECT_EQ(runProgram(args), 0);
    // The converter set its own title for message boxes.
    ui::setAppTitle(title);
    QDir::setCurrent(previous);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ui::resetProgramEnding();

    EXPECT_EQ(listed, (QStringList{first, second, third}));
    EXPECT_TRUE(converterShown);
}

TEST(OpenFiles, WithoutFilesOnlyTheLauncherOpens) {
    bool converterOpen = true;
    onceRunning([&] { converterOpen = tools::audioConverter() != nullptr; });
    EXPECT_EQ(runProgram({}), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ui::resetProgramEnding();
    EXPECT_FALSE(converterOpen);
}

}  // namespace
