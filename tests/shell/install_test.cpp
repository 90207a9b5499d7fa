// The program as a user gets it: installed with `cmake --install`, and as the Debian package
// that scripts/package builds, installed, started and removed again. The installed copy runs
// on a private X server (Xvfb), where its windows can be seen from outside by their titles.
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

QString buildDir() { return testing_support::programDirForTests(); }

// Runs a command to its end; the exit code, or -1 when it could not start. Output goes to `out`.
int run(const QString& program, const QStringList& args, QString* out = nullptr, const QString& workDir = {}) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    if (!workDir.isEmpty()) p.setWorkingDirectory(workDir);
    p.start(program, args);
    if (!p.waitForStarted() || !p.waitForFinished(-1)) return -1;
    if (out) *out = QString::fromLocal8Bit(p.readAll());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

// A private X server for one test.
class XServer {
public:
    XServer() {
        m_server.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                                                QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                                                QStringLiteral("1280x800x24")});
        if (!m_server.waitForStarted()) return;
        QByteArray number;
        while (!number.endsWith('\n') && m_server.waitForReadyRead(-1)) number += m_server.readAllStandardOutput();
        if (!number.trimmed().isEmpty()) display = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
    }
    ~XServer() {
        m_server.terminate();
        m_server.waitForFinished();
    }
    // The titles of the windows on the server.
    QStringList windowTitles() const {
        QString tree;
        run(QStringLiteral("xwininfo"), {QStringLiteral("-display"), display, QStringLiteral("-root"), QStringLiteral("-tree")}, &tree);
        QStringList titles;
        static const QRegularExpression named(QStringLiteral("^\\s*0x[0-9a-f]+ \"([^\"]*)\""), QRegularExpression::MultilineOption);
        for (auto it = named.globalMatch(tree); it.hasNext();) titles << it.next().captured(1);
        return titles;
    }
    QString display;

private:
    QProcess m_server;
};

// Starts an installed `velloria` with one file to open and reports the window titles it shows
// once the launcher and the converter are up, or the program ends. (A window without a title
// of its own, the splash or a start-up message box, shows the program's name.)
QStringList startAndLook(const QString& executable, const QString& file) {
    XServer x;
    if (x.display.isEmpty()) return {QStringLiteral("(Xvfb did not start)")};
    QTemporaryDir home;
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), x.display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(executable, {file});
    if (!program.waitForStarted()) return {QStringLiteral("(did not start)")};
    QStringList titles;
    // The limit guards against a hang only.
    testing_support::waitFor(
        [&] {
            titles = x.windowTitles();
            const bool up = titles.contains(QStringLiteral("Corvane")) && titles.contains(QStringLiteral("Audio Converter"));
            return up || program.state() != QProcess::Running;
        },
        60000);
    if (program.state() != QProcess::Running) titles << QStringLiteral("(ended)");
    program.kill();
    program.waitForFinished();
    return titles;
}

void expectRunsWithItsWindows(const QString& executable) {
    QTemporaryDir dir;
    const QString wav = dir.filePath(QStringLiteral("tone.wav"));
    ASSERT_EQ(run(QStringLiteral("sox"), {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("44100"), wav,
                                          QStringLiteral("synth"), QStringLiteral("1"), QStringLiteral("sine"), QStringLiteral("440")}),
              0);
    const QStringList titles = startAndLook(executable, wav);
    EXPECT_TRUE(titles.contains(QStringLiteral("Corvane"))) << titles.join(QStringLiteral(" | ")).toStdString();
    EXPECT_TRUE(titles.contains(QStringLiteral("Audio Converter"))) << titles.join(QStringLiteral(" | ")).toStdString();
    // The converter's message boxes carry its title.
    EXPECT_FALSE(titles.contains(QStringLiteral("Audio Conv."))) << titles.join(QStringLiteral(" | ")).toStdString();
}

void expectDesktopFilesValid(const QString& prefix) {
    const QString desktop = prefix + QStringLiteral("/share/applications/org.brindlewood.Velloria.desktop");
    const QString metainfo = prefix + QStringLiteral("/share/metainfo/org.brindlewood.Velloria.metainfo.xml");
    EXPECT_TRUE(QFileInfo::exists(prefix + QStringLiteral("/share/icons/hicolor/scalable/apps/org.brindlewood.Velloria.svg")));
    QString out;
    EXPECT_EQ(run(QStringLiteral("desktop-file-validate"), {desktop}, &out), 0) << out.toStdString();
    EXPECT_TRUE(out.trimmed().isEmpty()) << out.toStdString();
    EXPECT_EQ(run(QStringLiteral("appstreamcli"), {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfo}, &out), 0)
        << out.toStdString();
}

// The command-line converter beside the program: it runs, and its manual page and bash
// completion are where man and bash look for them. `man` is given the page by name through
// MANPATH, as a user's `man velloria-convert` finds it.
void expectCommandLineConverter(const QString& prefix) {
    QString out;
    EXPECT_EQ(run(prefix + QStringLiteral("/bin/velloria-convert"), {QStringLiteral("--help")}, &out), 0) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("Usage: velloria-convert"))) << out.toStdString();
    const QString completion = prefix + QStringLiteral("/share/bash-completion/completions/velloria-convert");
    EXPECT_EQ(run(QStringLiteral("bash"), {QStringLiteral("-c"), QStringLiteral(". '%1' && complete -p velloria-convert").arg(completion)}, &out), 0)
        << out.toStdString();
    EXPECT_EQ(run(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("MANPATH='%1/share/man' MANWIDTH=80 man velloria-convert").arg(prefix)},
                  &out),
              0)
        << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("--existing"))) << out.toStdString();
}

TEST(Installed, CmakeInstallGivesARunningProgramWithItsDesktopFiles) {
    QTemporaryDir prefix;
    QString out;
    ASSERT_EQ(run(QStringLiteral("cmake"), {QStringLiteral("--install"), buildDir(), QStringLiteral("--prefix"), prefix.path()}, &out), 0)
        << out.toStdString();
    for (const char* file : {"bin/velloria", "bin/velloria-convert", "share/man/man1/velloria-convert.1", "share/velloria/Mask.skn", "share/velloria/Quab_Skin.swf", "share/velloria/help.html",
                             "share/velloria/AChelp.html", "share/velloria/AEHelp.html", "share/velloria/skins/logo.svg"})
        EXPECT_TRUE(QFileInfo::exists(prefix.filePath(QLatin1String(file)))) << file;
    expectDesktopFilesValid(prefix.path());
    expectCommandLineConverter(prefix.path());
    expectRunsWithItsWindows(prefix.filePath(QStringLiteral("bin/velloria")));
}

// Installs the package into this system with apt-get (which also fetches any dependency that
// is missing), runs it and removes it. Needs root; skipped on a system where Velloria is
// installed already, whose copy it would replace.
TEST(Installed, DebianPackageInstallsRunsAndRemovesCleanly) {
    if (geteuid() != 0) GTEST_SKIP() << "installing a package needs root";
    // Test runs of other checkouts on this machine take turns.
    QLockFile lock(QDir::tempPath() + QStringLiteral("/velloria-package-test.lock"));
    lock.setStaleLockTime(0);
    ASSERT_TRUE(lock.lock());
    QString out;
    if (run(QStringLiteral("dpkg-query"), {QStringLiteral("-W"), QStringLiteral("velloria")}, &out) == 0)
        GTEST_SKIP() << "a velloria package is installed already: " << out.toStdString();

    ASSERT_EQ(run(QStringLiteral("cpack"), {QStringLiteral("-G"), QStringLiteral("DEB")}, &out, buildDir()), 0) << out.toStdString();
    const QStringList debs = QDir(buildDir()).entryList({QStringLiteral("velloria_*.deb")}, QDir::Files, QDir::Time);
    ASSERT_FALSE(debs.isEmpty());
    const QString deb = QDir(buildDir()).filePath(debs.first());
    ASSERT_EQ(run(QStringLiteral("dpkg-deb"), {QStringLiteral("--field"), deb, QStringLiteral("Depends")}, &out), 0);
    // Computed from the linked libraries, in Debian's package names.
    EXPECT_TRUE(out.contains(QStringLiteral("libqt6widgets6")) && out.contains(QStringLiteral("libmp3lame0"))) << out.toStdString();

    const QStringList apt{QStringLiteral("-y"), QStringLiteral("-q"), QStringLiteral("--no-install-recommends"),
                          QStringLiteral("-o"), QStringLiteral("DPkg::Lock::Timeout=300")};
    ASSERT_EQ(run(QStringLiteral("apt-get"), QStringList{QStringLiteral("install")} + apt + QStringList{deb}, &out), 0)
        << out.toStdString();
    expectDesktopFilesValid(QStringLiteral("/usr"));
    expectCommandLineConverter(QStringLiteral("/usr"));
    expectRunsWithItsWindows(QStringLiteral("/usr/bin/velloria"));
    EXPECT_EQ(run(QStringLiteral("apt-get"), QStringList{QStringLiteral("purge")} + apt + QStringList{QStringLiteral("velloria")}, &out), 0)
        << out.toStdString();
    EXPECT_NE(run(QStringLiteral("dpkg-query"), {QStringLiteral("-W"), QStringLiteral("velloria")}), 0);
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/usr/bin/velloria")));
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/usr/bin/velloria-convert")));
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/usr/share/man/man1/velloria-convert.1")));
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/usr/share/velloria")));
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/usr/share/applications/org.brindlewood.Velloria.desktop")));
}

}  // namespace
