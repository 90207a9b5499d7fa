#include "FuzzSupport.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace fuzz {
namespace {

QString g_path;
std::string g_removeAtExit;

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

void init(int* argc, char*** argv, App app) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quiet);
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/velloria-fuzz-XXXXXX"));
    dir.setAutoRemove(false);
    g_path = dir.path();
    g_removeAtExit = g_path.toStdString();
    QDir().mkpath(g_path + QStringLiteral("/config"));
    qputenv("XDG_CONFIG_HOME", (g_path + QStringLiteral("/config")).toUtf8());
    qputenv("XDG_RUNTIME_DIR", g_path.toUtf8());
    // The application lives until the process ends (libFuzzer ends with exit()); only the
    // scratch folder is cleared then.
    if (app == App::Widgets) new QApplication(*argc, *argv);
    else new QCoreApplication(*argc, *argv);
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(g_removeAtExit, ignored);
    });
}

const QString& workDir() { return g_path; }

QString writeInput(const std::uint8_t* data, std::size_t size, const QString& name) {
    const QString path = g_path + QLatin1Char('/') + name;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    return path;
}

QString audioExtension(std::uint8_t selector) {
    static const std::array<const char*, 8> names{"wav", "mp3", "ogg", "wma", "flac", "m4a", "aac", "mp2"};
    return QString::fromLatin1(names[selector % names.size()]);
}

QString videoExtension(std::uint8_t selector) {
    static const std::array<const char*, 8> names{"mp4", "mkv", "webm", "avi", "wmv", "mov", "mpg", "asf"};
    return QString::fromLatin1(names[selector % names.size()]);
}

}  // namespace fuzz
