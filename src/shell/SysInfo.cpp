#include "shell/SysInfo.h"

#include "components/store/CRegister.h"
#include "shell/WindowServices.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

bool GetKeyValue(std::uint32_t KeyRoot, const QString& KeyName, const QString& SubKeyRef, QString& KeyVal) {
    const std::optional<QString> value = CRegister::readValue(KeyRoot, KeyName, SubKeyRef);
    KeyVal = value.value_or(QString());
    return value.has_value();
}

namespace {

// The program to start, or an empty text when none is configured or installed.
QString sysInfoProgram() {
    QString value;
    // An empty value names no program; it is treated like a missing one.
    if (GetKeyValue(CRegister::HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                    QStringLiteral("PATH"), value) &&
        !value.isEmpty())
        return value;
    if (GetKeyValue(CRegister::HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                    QStringLiteral("MSINFO"), value) &&
        !value.isEmpty()) {
        const QString program = value + QStringLiteral("/MSINFO32.EXE");
        if (QFileInfo(program).isFile()) return program;
    }
    for (const QString& name : {QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
                                QStringLiteral("gnome-system-monitor")}) {
        const QString program = QStandardPaths::findExecutable(name);
        if (!program.isEmpty()) return program;
    }
    return {};
}

}  // namespace

void StartSysInfo() {
    const QString program = sysInfoProgram();
    if (!program.isEmpty() && QProcess::startDetached(program, {})) return;
    ui::MsgBox(QCoreApplication::translate("SysInfo", "System Information Is Unavailable At This Time"), ui::MsgButtons::OK,
               ui::MsgIcon::None);
}
