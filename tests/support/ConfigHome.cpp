#include "support/ConfigHome.h"

namespace testing_support {

TempConfigHome::TempConfigHome() {
    m_hadPrevious = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    m_previous = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", m_dir.path().toLocal8Bit());
}

TempConfigHome::~TempConfigHome() {
    if (m_hadPrevious) qputenv("XDG_CONFIG_HOME", m_previous);
    else qunsetenv("XDG_CONFIG_HOME");
}

QString TempConfigHome::machineStoreFile() const {
    return m_dir.path() + QStringLiteral("/Brindlewood/HKEY_LOCAL_MACHINE.ini");
}

}  // namespace testing_support
