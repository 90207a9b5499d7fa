// The settings store, tested over its real INI file in a private configuration folder.
#include "components/store/CRegister.h"
#include "components/store/StoredNumbers.h"

#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t HKLM = CRegister::HKEY_LOCAL_MACHINE;
const QString kKey = QStringLiteral("Software\\Velloria");

class RegisterTest : public ::testing::Test {
protected:
    static QString file() { return CRegister::storeFile(HKLM); }
    static QByteArray bytes() {
        QFile f(file());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void writeBytes(const QByteArray& data) {
        QDir().mkpath(QFileInfo(file()).path());
        QFile f(file());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    bool save(const QString& key, const QString& name, const QString& value) {
        return reg.REGSaveSetting(HKLM, key, name, value);
    }
    QString get(const QString& key, const QString& name) { return reg.REGGetSetting(HKLM, key, name, QStringLiteral("7")); }
    QStringList sortedKeys(const QString& key) {
        QStringList keys = reg.GetAllKeys(HKLM, key);
        keys.sort();
        return keys;
    }

    testing_support::TempConfigHome home;
    CRegister reg;
};

TEST_F(RegisterTest, KeepsOneReadableIniFilePerRoot) {
    ASSERT_TRUE(save(kKey, QStringLiteral("Volume"), QStringLiteral("128")));
    ASSERT_TRUE(reg.REGSaveSetting(CRegister::HKEY_CURRENT_USER, kKey, QStringLiteral("Volume"), QStringLiteral("5")));
    EXPECT_EQ(file(), home.machineStoreFile());
    EXPECT_TRUE(bytes().contains("[Software]\nVelloria\\Volume=128\n")) << bytes().constData();
    EXPECT_EQ(CRegister().REGGetSetting(HKLM, kKey, QStringLiteral("Volume"), {}), QStringLiteral("128"));
    EXPECT_EQ(CRegister::readValue(CRegister::HKEY_CURRENT_USER, kKey, QStringLiteral("Volume")), QStringLiteral("5"));
}

class ValueRoundTrip : public RegisterTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ValueRoundTrip, ReadsBackExactly) {
    const QString value = QString::fromUtf8(GetParam());
    ASSERT_TRUE(save(kKey, QStringLiteral("Value"), value));
    EXPECT_EQ(get(kKey, QStringLiteral("Value")), value);
    EXPECT_EQ(CRegister::readValue(HKLM, kKey, QStringLiteral("Value")), value);
}

INSTANTIATE_TEST_SUITE_P(Texts, ValueRoundTrip,
                         ::testing::Values("128", "", "-1", "7", "a, b", "x,y", "say \"hi\"", "C:\\dir\\", "@lead",
                                           "@Invalid()", "Grüße Ñandú 音", " padded ", "a;b=c", "two\nlines", "[x]"));

TEST_F(RegisterTest, MissingValueYieldsTheDefaultAsPassed) {
    EXPECT_EQ(get(kKey, QStringLiteral("Volume")), QStringLiteral("7"));  // no store yet
    ASSERT_TRUE(save(kKey, QStringLiteral("Empty"), QString()));
    EXPECT_EQ(get(kKey, QStringLiteral("Volume")), QStringLiteral("7"));
    EXPECT_EQ(get(kKey + QStringLiteral("\\Other"), QStringLiteral("Empty")), QStringLiteral("7"));
    EXPECT_EQ(reg.REGGetSetting(HKLM, kKey, QStringLiteral("Nope"), QStringLiteral(" 7 ")), QStringLiteral(" 7 "));
    EXPECT_EQ(get(kKey, QStringLiteral("Empty")), QString());
    EXPECT_EQ(CRegister::readValue(HKLM, kKey, QStringLiteral("Nope")), std::nullopt);
}

// Each spelling names the key "Software\Velloria" that already exists.
class KeySpelling : public RegisterTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(KeySpelling, NamesTheSameKey) {
    ASSERT_TRUE(save(kKey, QStringLiteral("Volume"), QStringLiteral("1")));
    const QString spelling = QString::fromUtf8(GetParam());
    ASSERT_TRUE(save(spelling, QStringLiteral("VOLUME"), QStringLiteral("2")));
    EXPECT_EQ(get(kKey, QStringLiteral("volume")), QStringLiteral("2"));
    EXPECT_EQ(get(spelling, QStringLiteral("Volume")), QStringLiteral("2"));
    EXPECT_EQ(sortedKeys(QString()), QStringList{QStringLiteral("Software")});
    EXPECT_EQ(sortedKeys(QStringLiteral("SOFTWARE")), QStringList{QStringLiteral("Velloria")});
    EXPECT_TRUE(bytes().contains("\nVelloria\\Volume=2\n")) << "the stored spellings are kept";
}

INSTANTIATE_TEST_SUITE_P(Spellings, KeySpelling,
                         ::testing::Values("Software\\Velloria", "\\Software\\Velloria", "Software\\Velloria\\",
                                           "\\Software\\Velloria\\", "SOFTWARE\\velloria"));

TEST_F(RegisterTest, TwoLeadingBackslashesLoseOnlyOne) {
    const QString odd = QStringLiteral("\\\\Software\\Velloria");
    ASSERT_TRUE(save(odd, QStringLiteral("Volume"), QStringLiteral("1")));
    EXPECT_EQ(get(kKey, QStringLiteral("Volume")), QStringLiteral("7"));
    EXPECT_EQ(get(odd, QStringLiteral("Volume")), QStringLiteral("1"));
    EXPECT_EQ(sortedKeys(QString()), QStringList{QString()});
    EXPECT_EQ(get(QStringLiteral("A\\\\\\B"), QStringLiteral("x")), QStringLiteral("7"));
}

TEST_F(RegisterTest, StarIsTheDefaultValueAndNoOtherName) {
    EXPECT_EQ(CRegister::readValue(HKLM, kKey, QStringLiteral("*")), std::nullopt);
    const QStringList names{QStringLiteral("*"), QStringLiteral("@"), QStringLiteral("(Default)"), QStringLiteral("**"),
                            QStringLiteral("%2A")};
    for (const QString& name : names) ASSERT_TRUE(save(kKey, name, QStringLiteral("is ") + name));
    for (const QString& name : names) EXPECT_EQ(get(kKey, name), QStringLiteral("is ") + name);
    EXPECT_EQ(get(kKey, QString()), QStringLiteral("is *"));
}

TEST_F(RegisterTest, GetAllKeysListsDirectSubkeysOnly) {
    for (const char* sub : {"\\A", "\\b\\Deep", "\\C"}) ASSERT_TRUE(save(kKey + QString::fromUtf8(sub), {}, QStringLiteral("x")));
    ASSERT_TRUE(save(kKey, QStringLiteral("Value"), QStringLiteral("x")));
    const QStringList expected{QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("b")};
    EXPECT_EQ(sortedKeys(kKey), expected);
    EXPECT_EQ(sortedKeys(QStringLiteral("\\software\\velloria\\")), expected);
    EXPECT_TRUE(reg.GetAllKeys(HKLM, kKey + QStringLiteral("\\Missing")).isEmpty());
}

// The parent has a value named like the subkey: neither deletion may take the other along.
TEST_F(RegisterTest, DeletesValuesAndKeysWithoutSubkeys) {
    const QString leaf = kKey + QStringLiteral("\\Leaf");
    ASSERT_TRUE(save(leaf, QStringLiteral("A"), QStringLiteral("1")));
    ASSERT_TRUE(save(leaf, QStringLiteral("B"), QStringLiteral("2")));
    ASSERT_TRUE(save(kKey, QStringLiteral("Leaf"), QStringLiteral("value")));

    EXPECT_TRUE(reg.REGDeleteSetting(HKLM, leaf, QStringLiteral("a")));
    EXPECT_FALSE(reg.REGDeleteSetting(HKLM, leaf, QStringLiteral("A")));
    EXPECT_FALSE(reg.REGDeleteSetting(HKLM, kKey + QStringLiteral("\\Missing"), QStringLiteral("B")));
    EXPECT_EQ(get(leaf, QStringLiteral("A")), QStringLiteral("7"));
    EXPECT_TRUE(reg.REGDeleteSetting(HKLM, kKey, QStringLiteral("Leaf")));
    EXPECT_EQ(get(leaf, QStringLiteral("B")), QStringLiteral("2"));

    ASSERT_TRUE(save(kKey, QStringLiteral("Leaf"), QStringLiteral("value")));
    EXPECT_TRUE(reg.REGDeleteSetting(HKLM, QStringLiteral("\\software\\velloria\\leaf\\"), QString()));
    EXPECT_TRUE(reg.GetAllKeys(HKLM, kKey).isEmpty());
    EXPECT_EQ(get(kKey, QStringLiteral("Leaf")), QStringLiteral("value"));
    EXPECT_FALSE(reg.REGDeleteSetting(HKLM, leaf, QString()));
}

TEST_F(RegisterTest, RefusesToDeleteKeysWithSubkeysOrARoot) {
    ASSERT_TRUE(save(kKey + QStringLiteral("\\Leaf"), QStringLiteral("A"), QStringLiteral("1")));
    ASSERT_TRUE(save(kKey, QStringLiteral("B"), QStringLiteral("2")));
    const QByteArray before = bytes();
    EXPECT_FALSE(reg.REGDeleteSetting(HKLM, kKey, QString()));
    EXPECT_FALSE(reg.REGDeleteSetting(HKLM, QStringLiteral("\\"), QString()));
    EXPECT_EQ(bytes(), before);
}

TEST_F(RegisterTest, ReadOnlyStoreReadsAndRefusesChanges) {
    ASSERT_TRUE(save(kKey + QStringLiteral("\\Leaf"), QStringLiteral("A"), QStringLiteral("1")));
    ASSERT_TRUE(QFile::setPermissions(file(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const QByteArray before = bytes();
    EXPECT_EQ(get(kKey + QStringLiteral("\\Leaf"), QStringLiteral("A")), QStringLiteral("1"));
    EXPECT_FALSE(save(kKey, QStringLiteral("B"), QStringLiteral("2")));
    EXPECT_FALSE(reg.REGDeleteSetting(HKLM, kKey + QStringLiteral("\\Leaf"), QStringLiteral("A")));
    EXPECT_FALSE(reg.REGDeleteSetting(HKLM, kKey + QStringLiteral("\\Leaf"), QString()));
    EXPECT_EQ(bytes(), before);
    EXPECT_EQ(QFileInfo(file()).permissions() & QFile::WriteOwner, 0);

    // A folder that may not be written takes no new store file.
    const QString folder = QFileInfo(file()).path();
    ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    EXPECT_FALSE(reg.REGSaveSetting(CRegister::HKEY_CURRENT_USER, kKey, QStringLiteral("B"), QStringLiteral("2")));
    EXPECT_FALSE(QFileInfo::exists(CRegister::storeFile(CRegister::HKEY_CURRENT_USER)));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(RegisterTest, HandEditedValuesReadAsTheirText) {
    writeBytes("[K]\nlist=a, b\nrect=@Rect(1 2 3 4)\nbytes=@ByteArray(xyz)\nodd=@Variant(junk)\n");
    EXPECT_EQ(get(QStringLiteral("K"), QStringLiteral("list")), QStringLiteral("a, b"));
    EXPECT_EQ(get(QStringLiteral("K"), QStringLiteral("rect")), QStringLiteral("@Rect(1 2 3 4)"));
    EXPECT_EQ(get(QStringLiteral("K"), QStringLiteral("bytes")), QStringLiteral("xyz"));
    EXPECT_EQ(get(QStringLiteral("K"), QStringLiteral("odd")), QString());
}

// Editors may save without a final line break; such a file is whole and stays usable.
TEST_F(RegisterTest, HandEditedFileWithoutFinalLineBreakIsRead) {
    writeBytes("[Software\\Velloria]\nTitle=x\nVolume=12");
    EXPECT_EQ(get(kKey, QStringLiteral("Volume")), QStringLiteral("12"));
    EXPECT_TRUE(save(kKey, QStringLiteral("New"), QStringLiteral("1")));
    EXPECT_EQ(get(kKey, QStringLiteral("Title")), QStringLiteral("x"));
}

struct DamagedStore {
    const char* name;
    QByteArray content;  // a folder in place of the file when null
    bool acceptsWrites;
};

void PrintTo(const DamagedStore& c, std::ostream* os) { *os << c.name; }

class Damaged : public RegisterTest, public ::testing::WithParamInterface<DamagedStore> {};

// Reads come first, so that QSettings has the file parsed and cached before the write.
TEST_P(Damaged, ReadsDefaultsAndIsNeverRewritten) {
    const DamagedStore& c = GetParam();
    if (c.content.isNull()) ASSERT_TRUE(QDir().mkpath(file()));
    else writeBytes(c.content);
    EXPECT_EQ(get(kKey, QStringLiteral("Volume")), QStringLiteral("7"));
    EXPECT_TRUE(reg.GetAllKeys(HKLM, QString()).isEmpty());
    EXPECT_FALSE(reg.REGDeleteSetting(HKLM, kKey, QStringLiteral("Volume")));
    EXPECT_EQ(save(kKey, QStringLiteral("New"), QStringLiteral("1")), c.acceptsWrites);
    if (c.content.isNull()) {
        EXPECT_TRUE(QFileInfo(file()).isDir());
    } else if (!c.acceptsWrites) {
        EXPECT_EQ(bytes(), c.content);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Variants, Damaged,
    ::testing::Values(DamagedStore{"Garbage", QByteArray("\x7f\x00\xfe[\xff=\x01\n\x80\x81\n", 11), false},
                      DamagedStore{"CutInName", "[Software\\Velloria]\nVolume=128\nTit\n", false},
                      DamagedStore{"CutInSection", "[Software\\Velloria]\nVolume=128\n[Soft\n", false},
                      DamagedStore{"OpenQuote", "[Software\\Velloria]\nTitle=\"a\nVolume=128\n", false},
                      DamagedStore{"Folder", QByteArray(), false}, DamagedStore{"Empty", "", true}),
    [](const ::testing::TestParamInfo<DamagedStore>& p) { return std::string(p.param.name); });

// Two programs writing the same key at once keep both sets of values, and this program
// sees their writes although it had the file loaded before.
TEST_F(RegisterTest, ConcurrentWritersLoseNothing) {
    ASSERT_TRUE(save(kKey, QStringLiteral("Seed"), QStringLiteral("1")));
    ASSERT_EQ(get(kKey, QStringLiteral("Seed")), QStringLiteral("1"));
    const QString writer = QCoreApplication::applicationDirPath() + QStringLiteral("/helpers/registry_writer");
    ASSERT_TRUE(QFileInfo(writer).isExecutable()) << writer.toStdString();
    const QString go = home.path() + QStringLiteral("/go");
    constexpr int count = 200;
    QProcess a, b;
    a.start(writer, {kKey, QStringLiteral("A"), QString::number(count), go});
    b.start(writer, {kKey, QStringLiteral("B"), QString::number(count), go});
    ASSERT_TRUE(a.waitForStarted() && b.waitForStarted());
    QFile(go).open(QIODevice::WriteOnly);
    ASSERT_TRUE(a.waitForFinished(120000) && b.waitForFinished(120000));
    EXPECT_EQ(a.exitCode(), 0) << a.readAllStandardError().constData();
    EXPECT_EQ(b.exitCode(), 0) << b.readAllStandardError().constData();
    int missing = 0;
    for (int i = 0; i < count; ++i)
        for (const QString& name : {QStringLiteral("A%1").arg(i), QStringLiteral("B%1").arg(i)})
            if (get(kKey, name) != name + QStringLiteral(" value")) ++missing;
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(get(kKey, QStringLiteral("Seed")), QStringLiteral("1"));
}

// A hand-edited key that ends in "/" is saved back by QSettings as one ending in a backslash,
// just before its "=": the store still reads as sound afterwards and keeps every value.
TEST_F(RegisterTest, AKeyEndingInASeparatorSurvivesASave) {
    writeBytes("[Software]\nVelloria/Kept=yes\nOdd/=value\n");
    ASSERT_TRUE(save(kKey, QStringLiteral("New"), QStringLiteral("1")));
    EXPECT_EQ(get(kKey, QStringLiteral("Kept")), QStringLiteral("yes"));
    EXPECT_EQ(get(kKey, QStringLiteral("New")), QStringLiteral("1"));
    ASSERT_TRUE(save(kKey, QStringLiteral("Newer"), QStringLiteral("2")));
    EXPECT_EQ(get(kKey, QStringLiteral("New")), QStringLiteral("1"));
}

// A program killed while it saves leaves the store whole: every value it wrote before is
// there in order, and a value saved earlier is untouched.
TEST_F(RegisterTest, AWriterKilledWhileSavingLeavesTheStoreWhole) {
    ASSERT_TRUE(save(kKey, QStringLiteral("Seed"), QStringLiteral("1")));
    const QString writer = QCoreApplication::applicationDirPath() + QStringLiteral("/helpers/registry_writer");
    for (int round = 0; round < 5; ++round) {
        SCOPED_TRACE(round);
        const QString prefix = QStringLiteral("K%1_").arg(round);
        QProcess p;
        p.start(writer, {kKey, prefix, QStringLiteral("1000000")});
        ASSERT_TRUE(p.waitForStarted());
        // Kill at some point of its saving: after a few values have been written.
        ASSERT_TRUE(testing_support::waitFor([&] { return get(kKey, prefix + QString::number(3 + round * 7)) != QStringLiteral("7"); }, 60000));
        p.kill();
        p.waitForFinished();
        EXPECT_EQ(get(kKey, QStringLiteral("Seed")), QStringLiteral("1"));
        int written = 0;
        while (get(kKey, prefix + QString::number(written)) == prefix + QString::number(written) + QStringLiteral(" value"))
            ++written;
        EXPECT_GT(written, 3 + round * 7);
        // Nothing after the first missing value: no save was half done.
        for (int i = written; i < written + 50; ++i) EXPECT_EQ(get(kKey, prefix + QString::number(i)), QStringLiteral("7"));
    }
}

TEST(StoredSettings, TextThatIsNotAnIntegerOrOutOfRangeCountsAsMissing) {
    EXPECT_EQ(stored::integer(QStringLiteral("3"), 2, 1, 4), 3);
    EXPECT_EQ(stored::integer(QStringLiteral(" 4 "), 2, 1, 4), 4);
    for (const char* bad : {"", "x", "3.5", "0", "5", "-1", "99999999999"})
        EXPECT_EQ(stored::integer(QString::fromLatin1(bad), 2, 1, 4), 2) << bad;
    EXPECT_TRUE(stored::flag(QStringLiteral("-1"), false));
    EXPECT_TRUE(stored::flag(QStringLiteral("1"), false));
    EXPECT_FALSE(stored::flag(QStringLiteral("0"), true));
    EXPECT_TRUE(stored::flag(QStringLiteral("yes"), true));
    EXPECT_FALSE(stored::flag(QString(), false));
    EXPECT_EQ(stored::flagText(true), QStringLiteral("-1"));
    EXPECT_EQ(stored::flagText(false), QStringLiteral("0"));
}

}  // namespace
