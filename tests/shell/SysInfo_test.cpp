// The System Info command: which program it starts, and the message when there is none.
#include "shell/SysInfo.h"

#include "components/store/CRegister.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t HKLM = CRegister::HKEY_LOCAL_MACHINE;
const QString kPathKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kLocationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString kUnavailable = QStringLiteral("System Information Is Unavailable At This Time");

// A private store, an empty PATH and a folder for stand-in programs.
class SysInfoTest : public ::testing::Test {
protected:
    SysInfoTest() : m_oldPath(qgetenv("PATH")) { qputenv("PATH", m_emptyBin.path().toLocal8Bit()); }
    ~SysInfoTest() override { qputenv("PATH", m_oldPath); }

    // A program that leaves a marker file when it runs; returns its path.
    QString makeProgram(const QString& folder, const QString& name) {
        QDir().mkpath(folder);
        const QString path = folder + u'/' + name;
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\necho ran > '" + marker().toLocal8Bit() + "'\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }
    QString marker() const { return m_programs.path() + QStringLiteral("/ran"); }
    QString programs() const { return m_programs.path(); }

    testing_support::TempConfigHome home;
    testing_support::MsgBoxRecorder boxes;

private:
    QTemporaryDir m_emptyBin;
    QTemporaryDir m_programs;
    QByteArray m_oldPath;
};

enum class Setup { Nothing, PathValue, MissingPathValue, EmptyPathValue, LocationWithoutExe, LocationWithExe,
                   OnPath, StaleLocationAndOnPath };

struct Case {
    const char* name;
    Setup setup;
    bool starts;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class StartSysInfoCase : public SysInfoTest, public ::testing::WithParamInterface<Case> {};

TEST_P(StartSysInfoCase, StartsAProgramOrSaysItIsUnavailable) {
    CRegister reg;
    const QString bin = programs() + QStringLiteral("/bin");
    switch (GetParam().setup) {
    case Setup::Nothing: break;
    case Setup::PathValue:
        reg.REGSaveSetting(HKLM, kPathKey, QStringLiteral("PATH"), makeProgram(bin, QStringLiteral("sysinfo")));
        break;
    case Setup::MissingPathValue:
        reg.REGSaveSetting(HKLM, kPathKey, QStringLiteral("PATH"), bin + QStringLiteral("/none"));
        break;
    case Setup::EmptyPathValue:
        reg.REGSaveSetting(HKLM, kPathKey, QStringLiteral("PATH"), QString());
        makeProgram(programs() + QStringLiteral("/loc"), QStringLiteral("MSINFO32.EXE"));
        reg.REGSaveSetting(HKLM, kLocationKey, QStringLiteral("MSINFO"), programs() + QStringLiteral("/loc"));
        break;
    case Setup::LocationWithoutExe:
        makeProgram(bin, QStringLiteral("msinfo32"));
        reg.REGSaveSetting(HKLM, kLocationKey, QStringLiteral("MSINFO"), bin);
        break;
    case Setup::LocationWithExe:
        makeProgram(bin, QStringLiteral("MSINFO32.EXE"));
        reg.REGSaveSetting(HKLM, kLocationKey, QStringLiteral("MSINFO"), bin);
        break;
    case Setup::StaleLocationAndOnPath:
        reg.REGSaveSetting(HKLM, kLocationKey, QStringLiteral("MSINFO"), programs() + QStringLiteral("/gone"));
        [[fallthrough]];
    case Setup::OnPath:
        makeProgram(bin, QStringLiteral("gnome-system-monitor"));
        qputenv("PATH", bin.toLocal8Bit());
        break;
    }
    StartSysInfo();
    if (GetParam().starts) {
        EXPECT_TRUE(testing_support::waitFor([&] { return QFile::exists(marker()); }));
        EXPECT_TRUE(boxes.texts().isEmpty());
    } else {
        EXPECT_FALSE(QFile::exists(marker()));
        EXPECT_EQ(boxes.texts(), QStringList{kUnavailable});
        ASSERT_EQ(boxes.boxes().size(), 1);
        EXPECT_EQ(boxes.boxes()[0].buttons, ui::MsgButtons::OK);
        EXPECT_EQ(boxes.boxes()[0].icon, ui::MsgIcon::None);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Setups, StartSysInfoCase,
    ::testing::Values(Case{"NothingFound", Setup::Nothing, false}, Case{"ConfiguredProgram", Setup::PathValue, true},
                      Case{"ConfiguredProgramMissing", Setup::MissingPathValue, false},
                      Case{"EmptyProgramValueIsSkipped", Setup::EmptyPathValue, true},
                      Case{"FolderWithoutMsinfo32", Setup::LocationWithoutExe, false},
                      Case{"FolderWithMsinfo32", Setup::LocationWithExe, true},
                      Case{"DesktopToolOnPath", Setup::OnPath, true},
                      Case{"StaleFolderFallsBackToPath", Setup::StaleLocationAndOnPath, true}),
    [](const ::testing::TestParamInfo<Case>& p) { return std::string(p.param.name); });

TEST_F(SysInfoTest, GetKeyValueReadsTextAndClearsItWhenMissing) {
    QString value = QStringLiteral("stale");
    EXPECT_FALSE(GetKeyValue(HKLM, kPathKey, QStringLiteral("PATH"), value));
    EXPECT_EQ(value, QString());

    ASSERT_TRUE(CRegister().REGSaveSetting(HKLM, kPathKey, QStringLiteral("PATH"), QStringLiteral("/opt/x")));
    ASSERT_TRUE(QFile::setPermissions(CRegister::storeFile(HKLM), QFile::ReadOwner));
    EXPECT_TRUE(GetKeyValue(HKLM, QStringLiteral("software\\microsoft\\shared tools\\msinfo"), QStringLiteral("path"), value));
    EXPECT_EQ(value, QStringLiteral("/opt/x"));
    value = QStringLiteral("stale");
    EXPECT_FALSE(GetKeyValue(HKLM, kPathKey, QStringLiteral("Other"), value));
    EXPECT_EQ(value, QString());
}

}  // namespace
