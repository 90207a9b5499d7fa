// The settings store reading a store file: every key listed, every value read, one value
// written and deleted again (a damaged file must be left as it is).
#include "FuzzSupport.h"

#include "components/store/CRegister.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdlib>

namespace {

void walk(CRegister& reg, const QString& path, int depth) {
    if (depth > 4) return;
    for (const QString& value : {QStringLiteral("*"), QStringLiteral("Value"), QStringLiteral("a")})
        (void)reg.REGGetSetting(CRegister::HKEY_LOCAL_MACHINE, path, value, QStringLiteral("default"));
    const QStringList keys = reg.GetAllKeys(CRegister::HKEY_LOCAL_MACHINE, path);
    for (int i = 0; i < keys.size() && i < 8; ++i)
        walk(reg, path.isEmpty() ? keys[i] : path + QLatin1Char('\\') + keys[i], depth + 1);
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::init(argc, argv, fuzz::App::Core);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Each input gets a store folder of its own, so that no parse cached from an earlier
    // input with the same time stamp stands in for this one.
    static unsigned counter = 0;
    const QString config = fuzz::workDir() + QStringLiteral("/config%1").arg(counter++ % 64);
    QDir(config).removeRecursively();
    QDir().mkpath(config + QStringLiteral("/Brindlewood"));
    qputenv("XDG_CONFIG_HOME", config.toUtf8());
    const QString store = CRegister::storeFile(CRegister::HKEY_LOCAL_MACHINE);
    QFile file(store);
    if (!file.open(QIODevice::WriteOnly)) return 0;
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.close();
    const QByteArray before = contents(store);

    CRegister reg;
    walk(reg, QString(), 0);
    const QString probe = QStringLiteral("Software\\Fuzz");
    if (reg.REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, probe, QStringLiteral("Value"), QStringLiteral("1"))) {
        // A file taken for sound keeps the value just written.
        if (reg.REGGetSetting(CRegister::HKEY_LOCAL_MACHINE, probe, QStringLiteral("Value"), {}) != QStringLiteral("1"))
            std::abort();
        reg.REGDeleteSetting(CRegister::HKEY_LOCAL_MACHINE, probe, QStringLiteral("Value"));
    } else if (contents(store) != before) {
        // A refused write must leave the file untouched.
        std::abort();
    }
    return 0;
}
