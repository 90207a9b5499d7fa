#pragma once
// A settings folder of its own for a test (Qt Core only).

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace testing_support {

// Points XDG_CONFIG_HOME at a fresh temporary folder for the lifetime of the object, so
// the settings store of the test starts empty.
class TempConfigHome {
public:
    TempConfigHome();
    ~TempConfigHome();
    TempConfigHome(const TempConfigHome&) = delete;
    TempConfigHome& operator=(const TempConfigHome&) = delete;
    QString path() const { return m_dir.path(); }
    // The store file of HKEY_LOCAL_MACHINE inside this folder.
    QString machineStoreFile() const;

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
    bool m_hadPrevious = false;
};

}  // namespace testing_support
