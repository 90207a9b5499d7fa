#pragma once
// velloria-convert as its tests start it: the real program in the build tree, run to its end
// with a settings folder of the test's own, and folders of short WAV files to give it.
#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

namespace testing_support {

struct CommandResult {
    int exitCode = -1;  // -1: did not start or crashed
    QString out;
    QString err;
};

QString convertProgram();

// Runs `program` (velloria-convert when empty) with `arguments` in `workDir`, its settings
// store under `configHome`.
CommandResult runCommand(const QStringList& arguments, const QString& workDir, const QString& configHome,
                         const QString& program = {});

// `count` WAV files of `seconds` each, spread over nested folders under `root` (names like
// "d1/d2/t07.wav"); their paths relative to `root`.
QStringList makeWavTree(const QString& root, int count, double seconds);

// Every file under `root` (hidden ones too) by its path relative to `root`, with its bytes.
QMap<QString, QByteArray> filesUnder(const QString& root);

}  // namespace testing_support
