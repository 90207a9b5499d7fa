// The output-format list and the file-type icon lookup, over a program folder of the test's
// own and an icon theme written at test time.
#include "converter/Icons.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QStringList sampleFiles(const QString& dir) {
    return QDir(dir).entryList({QStringLiteral("test.*")}, QDir::Files | QDir::System | QDir::Hidden);
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Runs each test with the program folder pointed at a fresh temporary folder.
class FormatList : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        ui::setProgramDir(m_dir.path());
    }
    void TearDown() override { ui::setProgramDir(testing_support::programDirForTests()); }

    // Fills the combo and checks the six formats, their order (the four classic ones first, so
    // that stored indexes keep their meaning), keys and icons.
    void expectSixFormats(QComboBox& combo) {
        const QStringList texts{QStringLiteral("WAV File(.wav)"), QStringLiteral("MP3 File(.mp3)"),
                                QStringLiteral("OGG Vorbis File(.ogg)"), QStringLiteral("Window Media Audio File(.wma)"),
                                QStringLiteral("FLAC File(.flac)"), QStringLiteral("Opus File(.opus)")};
        const QStringList keys{QStringLiteral("WAV"), QStringLiteral("MP3"), QStringLiteral("OGG"), QStringLiteral("WMA"),
                               QStringLiteral("FLAC"), QStringLiteral("OPUS")};
        ASSERT_EQ(combo.count(), 6);
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(combo.itemText(i), texts[i]);
            EXPECT_EQ(combo.itemData(i).toString(), keys[i]);
            EXPECT_FALSE(combo.itemIcon(i).isNull()) << texts[i].toStdString();
        }
    }

    QTemporaryDir m_dir;
};

TEST_F(FormatList, RefillingGivesTheSixFormatsAndLeavesNoSampleFile) {
    QComboBox combo;
    FillFormatList(&combo);
    FillFormatList(&combo);
    expectSixFormats(combo);
    EXPECT_TRUE(sampleFiles(m_dir.path()).isEmpty()) << sampleFiles(m_dir.path()).join(u' ').toStdString();
}

TEST_F(FormatList, MissingProgramFolderStillFillsAndCreatesNothing) {
    const QString missing = m_dir.filePath(QStringLiteral("not-there"));
    ui::setProgramDir(missing);
    QComboBox combo;
    FillFormatList(&combo);
    expectSixFormats(combo);
    EXPECT_FALSE(QFileInfo::exists(missing));
}

// A link named like a sample file whose target is missing is someone else's entry: it is
// neither followed (creating the target) nor removed.
TEST_F(FormatList, DanglingLinkIsNeitherFollowedNorRemoved) {
    const QString target = m_dir.filePath(QStringLiteral("elsewhere.mp3"));
    const QString link = m_dir.filePath(QStringLiteral("test.mp3"));
    ASSERT_TRUE(QFile::link(target, link));
    QComboBox combo;
    FillFormatList(&combo);
    expectSixFormats(combo);
    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
}

// A user's own sample file of each format, also a read-only one, stays as it was; the
// other formats' sample files are removed.
class FormatListUserFile : public FormatList, public ::testing::WithParamInterface<const char*> {};

TEST_P(FormatListUserFile, StaysByteIdentical) {
    const QString name = QStringLiteral("test.") + QString::fromLatin1(GetParam());
    const QString path = m_dir.filePath(name);
    const QByteArray content("the user's own recording\0\x01\x02", 27);
    writeFile(path, content);
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(path, readOnly));

    QComboBox combo;
    FillFormatList(&combo);
    expectSixFormats(combo);
    EXPECT_EQ(readFile(path), content);
    EXPECT_EQ(QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser), readOnly);
    EXPECT_EQ(sampleFiles(m_dir.path()), QStringList{name});
}

INSTANTIATE_TEST_SUITE_P(EachFormat, FormatListUserFile, ::testing::Values("wav", "mp3", "ogg", "wma", "flac", "opus"));

// ---- Icons ------------------------------------------------------------------------------

void writeIcon(const QString& path, QColor colour, int px) {
    QImage image(px, px, QImage::Format_ARGB32);
    image.fill(colour);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    ASSERT_TRUE(image.save(path, "PNG"));
}

QColor centreColour(const QIcon& icon, int px) { return icon.pixmap(px).toImage().pixelColor(px / 2, px / 2); }

// Installs a small icon theme with a red WAV icon and a green generic audio icon.
class IconsWithTheme : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        const QString theme = m_dir.filePath(QStringLiteral("velloria-test"));
        ASSERT_TRUE(QDir().mkpath(theme));
        writeFile(theme + QStringLiteral("/index.theme"),
                  "[Icon Theme]\nName=velloria-test\nDirectories=16x16/mimetypes,32x32/mimetypes\n\n"
                  "[16x16/mimetypes]\nSize=16\nType=Fixed\n\n[32x32/mimetypes]\nSize=32\nType=Fixed\n");
        for (int px : {16, 32}) {
            const QString sub = theme + QStringLiteral("/%1x%1/mimetypes/").arg(px);
            writeIcon(sub + QStringLiteral("audio-x-wav.png"), Qt::red, px);
            writeIcon(sub + QStringLiteral("audio-x-generic.png"), Qt::green, px);
        }
        m_paths = QIcon::themeSearchPaths();
        m_name = QIcon::themeName();
        QIcon::setThemeSearchPaths({m_dir.path()});
        QIcon::setThemeName(QStringLiteral("velloria-test"));
    }
    void TearDown() override {
        QIcon::setThemeName(m_name);
        QIcon::setThemeSearchPaths(m_paths);
    }

    QTemporaryDir m_dir;
    QStringList m_paths;
    QString m_name;
};

TEST_F(IconsWithTheme, TypeIconFirstThenGenericOneAtTheAskedSize) {
    const std::optional<QIcon> wav = GetFileIcon(QStringLiteral("test.wav"), 1);
    const std::optional<QIcon> ogg = GetFileIcon(QStringLiteral("test.ogg"), 2);
    ASSERT_TRUE(wav && ogg);
    EXPECT_EQ(wav->availableSizes(), QList<QSize>{QSize(16, 16)});
    EXPECT_EQ(ogg->availableSizes(), QList<QSize>{QSize(32, 32)});
    EXPECT_EQ(centreColour(*wav, 16), QColor(Qt::red));
    EXPECT_EQ(centreColour(*ogg, 32), QColor(Qt::green));
    // The extension decides, whatever its case.
    const std::optional<QIcon> upper = GetFileIcon(QStringLiteral("test.WAV"), 1);
    ASSERT_TRUE(upper);
    EXPECT_EQ(centreColour(*upper, 16), QColor(Qt::red));
}

TEST(Icons, WithoutThemeANameThatExistsNowhereGetsTheFileIcon) {
    ASSERT_TRUE(QIcon::themeName().isEmpty() || QIcon::fromTheme(QStringLiteral("audio-x-generic")).isNull())
        << "the test expects no desktop icon theme";
    const std::optional<QIcon> small = GetFileIcon(QStringLiteral("no-such-folder/test.wma"), 0);
    const std::optional<QIcon> large = GetFileIcon(QStringLiteral("no-such-folder/test.wma"), 2);
    ASSERT_TRUE(small && large);
    EXPECT_EQ(small->availableSizes(), QList<QSize>{QSize(16, 16)});
    EXPECT_EQ(large->availableSizes(), QList<QSize>{QSize(32, 32)});
}

}  // namespace
