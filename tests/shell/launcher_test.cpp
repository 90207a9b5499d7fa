// The launcher driven through its movie: the five commands, single tool windows, the ways the
// program ends, and start-up with missing or broken files.
#include "converter/frmAudioConverter.h"
#include "extractor/AEfrmmain.h"
#include "app/Program.h"
#include "app/ToolWindows.h"
#include "app/frmmainpro.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

int countTopLevel(const QString& objectName) {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == objectName && w->isVisible()) ++n;
    return n;
}

// Counts the close requests a window receives.
class CloseCounter : public QObject {
public:
    int closes = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Close) ++closes;
        return false;
    }
};

// Closes `last` from the event loop and runs the loop: 0 when that ended the program, 99 when
// it did not (the guard only stops a hang).
int execUntilClosed(QWidget* last) {
    QTimer::singleShot(0, last, [last] { last->close(); });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(10000);
    return QApplication::exec();
}

class Launcher : public ::testing::Test {
protected:
    void SetUp() override {
        ui::resetProgramEnding();
        launcher = new frmmainpro;
        launcher->Form_Load();
        launcher->show();
    }
    void TearDown() override {
        delete launcher.data();
        tools::destroyAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ui::resetProgramEnding();
    }
    // Sends a command from the movie inside a running event loop; true when the command
    // ended the program (the loop returned by itself).
    bool commandEndsProgram(const QString& command, const QString& args = {}) {
        QTimer::singleShot(0, launcher, [&] { Q_EMIT launcher->flash->FSCommand(command, args); });
        QTimer::singleShot(0, launcher, [] { if (!ui::programEnding()) QCoreApplication::exit(99); });
        return QApplication::exec() != 99;
    }

    QPointer<frmmainpro> launcher;
};

TEST_F(Launcher, StartsWithItsMovieCoveringTheSkinnedWindow) {
    EXPECT_EQ(launcher->windowTitle(), QStringLiteral("Corvane"));
    EXPECT_TRUE(launcher->flash->isVisible());
    EXPECT_EQ(launcher->flash->geometry(), launcher->rect());
    EXPECT_TRUE(launcher->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(launcher->mask().isEmpty());
    EXPECT_EQ(launcher->cmdExit->text(), QStringLiteral("Exit"));
    EXPECT_EQ(launcher->cmdaudioconverter->text(), QStringLiteral("Audio Converter"));
    EXPECT_EQ(launcher->cmdaudioextractor->text(), QStringLiteral("Audio Extractor"));
    EXPECT_TRUE(launcher->Splash1->isShowing());
}

TEST_F(Launcher, OpenCommandsShowOneToolWindowEach) {
    EXPECT_FALSE(commandEndsProgram(QStringLiteral("IDC_FS_AudioConverter")));
    EXPECT_FALSE(commandEndsProgram(QStringLiteral("IDC_FS_AudioConverter")));
    EXPECT_EQ(countTopLevel(QStringLiteral("frmAudioConverter")), 1);
    EXPECT_EQ(tools::audioConverter()->windowTitle(), QStringLiteral("Audio Converter"));
    EXPECT_EQ(tools::audioConverter()->parentWidget(), nullptr);

    EXPECT_FALSE(commandEndsProgram(QStringLiteral("IDC_FS_AudioExtractor")));
    EXPECT_EQ(countTopLevel(QStringLiteral("AEfrmmain")), 1);
    EXPECT_EQ(tools::audioExtractor()->windowTitle(), QStringLiteral("Tarn Audio Extractor"));
    // Opening a tool neither hides nor disables the launcher.
    EXPECT_TRUE(launcher->isVisible());
    EXPECT_TRUE(launcher->isEnabled());
}

TEST_F(Launcher, AClosedToolWindowIsCreatedAnew) {
    QPointer<frmAudioConverter> first = tools::showAudioConverter();
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    launcher->cmdaudioconverter->click();
    ASSERT_NE(tools::audioConverter(), nullptr);
    EXPECT_TRUE(tools::audioConverter()->isVisible());
}

TEST_F(Launcher, MinimiseAndDragKeepTheProgramRunning) {
    EXPECT_FALSE(commandEndsProgram(QStringLiteral("IDC_FS_Minimize")));
    EXPECT_TRUE(launcher->windowState().testFlag(Qt::WindowMinimized));
    // Without a window system to move windows the drag request does nothing, and harms nothing.
    EXPECT_FALSE(commandEndsProgram(QStringLiteral("IDC_FS_DragArea")));
    EXPECT_EQ(countTopLevel(QStringLiteral("frmAudioConverter")), 0);
}

TEST_F(Launcher, CloseEndsAtOnceWithoutAnyWindowsCloseHandling) {
    AEfrmmain* extractor = tools::showAudioExtractor();
    CloseCounter counter;
    extractor->installEventFilter(&counter);
    launcher->installEventFilter(&counter);
    EXPECT_TRUE(commandEndsProgram(QStringLiteral("IDC_FS_Close")));
    EXPECT_EQ(counter.closes, 0);
}

TEST_F(Launcher, ExitUnloadsTheLauncherThenEnds) {
    tools::showAudioConverter();
    CloseCounter counter;
    tools::audioConverter()->installEventFilter(&counter);
    QTimer::singleShot(0, launcher, [this] { launcher->cmdExit->click(); });
    QApplication::exec();
    EXPECT_TRUE(ui::programEnding());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(launcher.isNull());
    EXPECT_EQ(counter.closes, 0);
}

TEST_F(Launcher, ClosingTheLauncherLeavesTheProgramToItsLastWindow) {
    launcher->Splash1->Hide();
    QPointer<frmAudioConverter> converter = tools::showAudioConverter();
    // The launcher closed by the window manager: the program goes on (the loop is still
    // running when the check after it comes).
    QTimer::singleShot(0, converter, [this] { launcher->close(); });
    QTimer::singleShot(0, converter, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QApplication::exec(), 99);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(launcher.isNull());
    ASSERT_FALSE(converter.isNull());
    // Closing the last window ends it.
    EXPECT_EQ(execUntilClosed(converter), 0);
}

TEST_F(Launcher, TheRecorderOutlivesTheConverterAndEndsTheProgramAsTheLastWindow) {
    launcher->Splash1->Hide();
    QPointer<frmAudioConverter> converter = tools::showAudioConverter();
    converter->Splash1->Hide();
    converter->cmRecord->click();
    QPointer<QWidget> recorder = converter->recorderWindow();
    ASSERT_FALSE(recorder.isNull());
    // The launcher and the converter closed: the recorder stays open and the program runs on.
    QTimer::singleShot(0, recorder, [&] {
        launcher->close();
        converter->close();
    });
    QTimer::singleShot(0, recorder, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QApplication::exec(), 99);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(converter.isNull());
    ASSERT_FALSE(recorder.isNull());
    EXPECT_TRUE(recorder->isVisible());
    // A converter opened again finds the same recorder.
    tools::showAudioConverter()->cmRecord->click();
    EXPECT_EQ(tools::audioConverter()->recorderWindow(), recorder.data());
    tools::audioConverter()->close();
    // Closing the recorder, the last window, ends the program.
    EXPECT_EQ(execUntilClosed(recorder), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(recorder.isNull());
}

TEST_F(Launcher, EndingTheProgramDestroysARecorderLeftOpen) {
    tools::showAudioConverter()->cmRecord->click();
    QPointer<QWidget> recorder = tools::audioConverter()->recorderWindow();
    tools::audioConverter()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(recorder.isNull());
    CloseCounter counter;
    recorder->installEventFilter(&counter);
    EXPECT_TRUE(commandEndsProgram(QStringLiteral("IDC_FS_Close")));
    tools::destroyAll();
    EXPECT_TRUE(recorder.isNull());
    EXPECT_EQ(counter.closes, 0);
}

// ---- Commands compared exactly; the argument never matters ---------------------------------

class NearMissCommand : public Launcher, public ::testing::WithParamInterface<const char*> {};

TEST_P(NearMissCommand, DoesNothing) {
    EXPECT_FALSE(commandEndsProgram(QString::fromLatin1(GetParam())));
    EXPECT_EQ(countTopLevel(QStringLiteral("frmAudioConverter")), 0);
    EXPECT_EQ(countTopLevel(QStringLiteral("AEfrmmain")), 0);
    EXPECT_FALSE(launcher->windowState().testFlag(Qt::WindowMinimized));
}

INSTANTIATE_TEST_SUITE_P(LetterCaseAndSpacing, NearMissCommand,
                         ::testing::Values("idc_fs_close", "IDC_FS_CLOSE", "IDC_FS_Audioconverter",
                                           "IDC_FS_audioExtractor", "IDC_FS_minimize", " IDC_FS_Close",
                                           "IDC_FS_Close ", "", "IDC_FS_Exit"));

class CommandWithArgument : public Launcher, public ::testing::WithParamInterface<const char*> {};

TEST_P(CommandWithArgument, BehavesAsWithAnEmptyOne) {
    const QString arg = QString::fromLatin1(GetParam());
    EXPECT_FALSE(commandEndsProgram(QStringLiteral("IDC_FS_AudioExtractor"), arg));
    EXPECT_EQ(countTopLevel(QStringLiteral("AEfrmmain")), 1);
    EXPECT_TRUE(commandEndsProgram(QStringLiteral("IDC_FS_Close"), arg));
}

INSTANTIATE_TEST_SUITE_P(AnyText, CommandWithArgument,
                         ::testing::Values("", "true", "IDC_FS_Close", "0", "some argument"));

// ---- Start-up with missing or malformed files ----------------------------------------------

struct BrokenFile {
    const char* name;
    bool missing;  // removed, or replaced by garbage
};

class StartupWithBrokenFile : public ::testing::TestWithParam<BrokenFile> {
protected:
    void TearDown() override { ui::setProgramDir(testing_support::programDirForTests()); }
};

TEST_P(StartupWithBrokenFile, ReportsTheFileOnceAndEndsWithAFailure) {
    QTemporaryDir dir;
    const QDir from(testing_support::programDirForTests());
    // A copy of the program's files, with one of them broken.
    for (const QString& entry : from.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (entry.startsWith(QStringLiteral("velloria")) || entry == QStringLiteral("tests") ||
            entry == QStringLiteral("src") || entry.startsWith(QStringLiteral("CMake")))
            continue;
        QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), from.filePath(entry), dir.path()});
    }
    const QString broken = dir.filePath(QString::fromLatin1(GetParam().name));
    QFile::remove(broken);
    if (!GetParam().missing) {
        QFile f(broken);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("\x00\x13garbage[\xff", 11));
    }
    ui::setProgramDir(dir.path());
    testing_support::MsgBoxRecorder boxes;
    EXPECT_EQ(runProgram(), 1);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(boxes.texts().first().contains(broken)) << boxes.texts().first().toStdString();
    EXPECT_EQ(boxes.boxes().first().icon, ui::MsgIcon::Critical);
    EXPECT_EQ(countTopLevel(QStringLiteral("frmmainpro")), 0);
}

INSTANTIATE_TEST_SUITE_P(SkinSplashMovie, StartupWithBrokenFile,
                         ::testing::Values(BrokenFile{"Mediq.spl", true}, BrokenFile{"Mediq.spl", false},
                                           BrokenFile{"Mask.skn", true}, BrokenFile{"Mask.skn", false},
                                           BrokenFile{"Quab_Skin.swf", true}, BrokenFile{"Quab_Skin.swf", false}));

TEST(Program, RunsWithoutADisplayUntilItIsEnded) {
    QTemporaryDir config;
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    program.setProcessEnvironment(env);
    program.start(testing_support::programDirForTests() + QStringLiteral("/velloria"), {});
    ASSERT_TRUE(program.waitForStarted());
    // Past start-up, and past the splash's own end, it is still there.
    EXPECT_FALSE(program.waitForFinished(4000)) << program.readAllStandardError().toStdString();
    EXPECT_EQ(program.state(), QProcess::Running);
    program.terminate();
    program.waitForFinished();
}

}  // namespace
