// The skin, splash and movie controls over the shipped files and over broken ones.
#include "components/ui/Movie.h"
#include "components/ui/Skin.h"
#include "components/ui/SkinLabel.h"
#include "components/ui/Splash.h"
#include "support/CoreSupport.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using testing_support::expectComponentError;
using testing_support::programDirForTests;

namespace {

QString shipped(const QString& name) { return programDirForTests() + QLatin1Char('/') + name; }


QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content) {
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
    return path;
}

// ---- Skins --------------------------------------------------------------------------------

struct SkinElement {
    const char* file;
    const char* element;
    bool window;  // a window section (applied to a window) or a control section
};

class ShippedSkinElement : public ::testing::TestWithParam<SkinElement> {};

TEST_P(ShippedSkinElement, LoadsAndAppliesToAWidget) {
    auto skin = makeSkinControl();
    skin->LoadSkin(shipped(QString::fromLatin1(GetParam().file)));
    const QString element = QString::fromLatin1(GetParam().element);
    ASSERT_TRUE(skin->hasElement(element));
    QDialog window;
    QPushButton control(&window);
    QWidget* target = GetParam().window ? static_cast<QWidget*>(&window) : &control;
    skin->ApplySkinByName(target, element);
    EXPECT_EQ(target->property("skinElement").toString(), element);
    EXPECT_FALSE(target->styleSheet().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    EveryElementLaterWindowsUse, ShippedSkinElement,
    ::testing::Values(SkinElement{"Mask.skn", "Main", true}, SkinElement{"Main2.skn", "Main", true},
                      SkinElement{"Main2.skn", "Small Form", true}, SkinElement{"Main2.skn", "DefaultButt", false},
                      SkinElement{"Main2.skn", "label", false}, SkinElement{"Main2.skn", "Frame", false},
                      SkinElement{"Main2.skn", "chechbox", false}, SkinElement{"Main2.skn", "Radio", false},
                      SkinElement{"Main2.skn", "tab", false}, SkinElement{"AE.skn", "mainform", true},
                      SkinElement{"AE.skn", "button", false}, SkinElement{"AE.skn", "label", false},
                      SkinElement{"AE.skn", "Frame", false}, SkinElement{"AE.skn", "chechbox", false},
                      SkinElement{"AE.skn", "Radio", false}, SkinElement{"AE.skn", "tab", false}));

struct SkinButtons {
    const char* file;
    QStringList names;
};

class ShippedSkinButtons : public ::testing::TestWithParam<SkinButtons> {};

TEST_P(ShippedSkinButtons, EachButtonReportsItsNameWhenClicked) {
    auto skin = makeSkinControl();
    skin->LoadSkin(shipped(QString::fromLatin1(GetParam().file)));
    QWidget window;
    skin->ApplySkin(&window);
    window.resize(900, 500);
    window.show();
    QStringList clicked;
    QObject::connect(skin.get(), &SkinControl::Click, [&](const SkinObject& o) { clicked << o.Name; });
    for (const QString& name : GetParam().names) {
        auto* button = window.findChild<QToolButton*>(name);
        ASSERT_NE(button, nullptr) << name.toStdString();
        EXPECT_TRUE(button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
    }
    EXPECT_EQ(clicked, GetParam().names);
}

INSTANTIATE_TEST_SUITE_P(ConverterAndExtractor, ShippedSkinButtons,
                         ::testing::Values(SkinButtons{"Main2.skn", {QStringLiteral("Add"), QStringLiteral("Remove"),
                                                                     QStringLiteral("Convert"), QStringLiteral("Record"),
                                                                     QStringLiteral("Help"), QStringLiteral("About")}},
                                           SkinButtons{"AE.skn", {QStringLiteral("about"), QStringLiteral("help")}}));

TEST(Skin, BandMovesTheWindowContentsDownAndStaysAcrossTheTop) {
    auto skin = makeSkinControl();
    skin->LoadSkin(shipped(QStringLiteral("Main2.skn")));
    QWidget window;
    window.setContentsMargins(0, 4, 0, 0);
    skin->ApplySkin(&window);
    window.resize(800, 400);
    window.show();
    auto* band = window.findChild<QWidget*>(QStringLiteral("SkinBand"));
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(band->geometry(), QRect(0, 0, 800, band->height()));
    EXPECT_EQ(window.contentsMargins().top(), 4 + band->height());
    // Applying again replaces the band instead of stacking a second one below it.
    const int bandHeight = band->height();
    skin->ApplySkin(&window);
    EXPECT_EQ(window.findChildren<QWidget*>(QStringLiteral("SkinBand")).size(), 1);
    EXPECT_EQ(window.contentsMargins().top(), 4 + bandHeight);
}

TEST(Skin, OutlineMakesTheLauncherFramelessShapedAndSized) {
    auto skin = makeSkinControl();
    skin->LoadSkin(shipped(QStringLiteral("Mask.skn")));
    QWidget window;
    skin->ApplySkinByName(&window, QStringLiteral("Main"));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_GT(window.width(), 100);
    window.show();
    const QRegion mask = window.mask();
    ASSERT_FALSE(mask.isEmpty());
    // The shape's middle belongs to the window; its outline is cut to the picture.
    EXPECT_TRUE(mask.contains(window.rect().center()));
    EXPECT_LE(mask.boundingRect().width(), window.width());
}

TEST(Skin, ControlSectionStylesOneControlOnly) {
    auto skin = makeSkinControl();
    skin->LoadSkin(shipped(QStringLiteral("Main2.skn")));
    QWidget window;
    QPushButton button(&window);
    SkinLabel label(QStringLiteral("x"), &window);
    skin->ApplySkinByName(&button, QStringLiteral("DefaultButt"));
    skin->ApplySkinByName(&label, QStringLiteral("label"));
    EXPECT_FALSE(button.styleSheet().isEmpty());
    EXPECT_FALSE(label.styleSheet().isEmpty());
    EXPECT_TRUE(window.styleSheet().isEmpty());
    EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("SkinBand")), nullptr);
}

TEST(Skin, FailuresNameTheFileOrTheElement) {
    QTemporaryDir dir;
    auto skin = makeSkinControl();
    expectComponentError([&] { skin->ApplySkin(nullptr); }, {QStringLiteral("No skin")});
    const QString missing = dir.filePath(QStringLiteral("Nowhere.skn"));
    expectComponentError([&] { skin->LoadSkin(missing); }, {missing});

    const QString garbage = writeFile(dir, QStringLiteral("Garbage.skn"), QByteArray("\x00\xff\xfe[[[\n\x01=\x02", 11));
    expectComponentError([&] { skin->LoadSkin(garbage); }, {garbage});

    const QString noForm = writeFile(dir, QStringLiteral("NoForm.skn"), "[Skin]\nForm=Main\n[Other]\nStyle=\"x\"\n");
    expectComponentError([&] { skin->LoadSkin(noForm); }, {noForm});

    const QString badPicture =
        writeFile(dir, QStringLiteral("BadPicture.skn"), "[Skin]\nForm=Main\n[Main]\nOutline=gone.svg\n");
    expectComponentError([&] { skin->LoadSkin(badPicture); }, {badPicture, QStringLiteral("gone.svg")});

    skin->LoadSkin(shipped(QStringLiteral("Main2.skn")));
    QWidget w;
    expectComponentError([&] { skin->ApplySkinByName(&w, QStringLiteral("mainform")); },
                         {QStringLiteral("Main2.skn"), QStringLiteral("mainform")});
    // A failed load keeps the skin loaded before.
    expectComponentError([&] { skin->LoadSkin(garbage); }, {garbage});
    EXPECT_TRUE(skin->fileName().endsWith(QStringLiteral("Main2.skn")));
}

// ---- Splash -------------------------------------------------------------------------------

class ShippedSplash : public ::testing::TestWithParam<const char*> {};

TEST_P(ShippedSplash, ShowsAndGoesAtTheEndCalls) {
    auto splash = makeSplashControl();
    splash->LoadSplash(shipped(QString::fromLatin1(GetParam())));
    splash->Display(0);
    EXPECT_TRUE(splash->isShowing());
    splash->Hide();
    EXPECT_FALSE(splash->isShowing());
    splash->Display(0);
    splash->Hide(0);
    EXPECT_FALSE(splash->isShowing());
}

INSTANTIATE_TEST_SUITE_P(AllThree, ShippedSplash, ::testing::Values("Mediq.spl", "TarnAC.spl", "AESplash.spl"));

TEST(Splash, GoesByItselfAndNeverKeepsTheProgramRunning) {
    auto splash = makeSplashControl();
    splash->LoadSplash(shipped(QStringLiteral("Mediq.spl")));
    splash->Display(30);
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows) {
        if (w->objectName() == QStringLiteral("SplashWindow")) {
            EXPECT_FALSE(w->testAttribute(Qt::WA_QuitOnClose));
        }
    }
    EXPECT_TRUE(testing_support::waitFor([&] { return !splash->isShowing(); }));
}

TEST(Splash, FailuresNameTheFile) {
    QTemporaryDir dir;
    auto splash = makeSplashControl();
    expectComponentError([&] { splash->Display(0); }, {QStringLiteral("No splash")});
    const QString missing = dir.filePath(QStringLiteral("Gone.spl"));
    expectComponentError([&] { splash->LoadSplash(missing); }, {missing});
    const QString noImage = writeFile(dir, QStringLiteral("NoImage.spl"), "[Splash]\nCaption=x\n");
    expectComponentError([&] { splash->LoadSplash(noImage); }, {noImage});
    const QString badImage = writeFile(dir, QStringLiteral("BadImage.spl"), "[Splash]\nImage=broken.svg\n");
    writeFile(dir, QStringLiteral("broken.svg"), "<svg><rect");
    expectComponentError([&] { splash->LoadSplash(badImage); }, {badImage, QStringLiteral("broken.svg")});
}

// ---- Movie --------------------------------------------------------------------------------

class LauncherMovie : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(600, 200);
        movie = makeMoviePlayer(&window);
        movie->LoadMovie(0, shipped(QStringLiteral("Quab_Skin.swf")));
        movie->setGeometry(window.rect());
        window.show();
        QObject::connect(movie, &MoviePlayer::FSCommand, [this](const QString& c, const QString& a) {
            commands << c;
            args << a;
        });
    }
    QPoint centreOf(const QString& id) const { return movie->elementRect(id).center().toPoint(); }

    QWidget window;
    MoviePlayer* movie = nullptr;
    QStringList commands;
    QStringList args;
};

TEST_F(LauncherMovie, HasTheFiveCommandsWithTheDragAreaUnderTheButtons) {
    const QStringList ids = movie->commands();
    EXPECT_EQ(ids.size(), 5);
    for (const char* id : {"IDC_FS_Close", "IDC_FS_Minimize", "IDC_FS_DragArea", "IDC_FS_AudioConverter",
                           "IDC_FS_AudioExtractor"})
        EXPECT_TRUE(ids.contains(QString::fromLatin1(id))) << id;
    EXPECT_EQ(ids.first(), QStringLiteral("IDC_FS_DragArea"));
    for (const QString& id : ids) EXPECT_TRUE(window.rect().contains(movie->elementRect(id).toRect())) << id.toStdString();
}

TEST_F(LauncherMovie, ClickingAButtonRaisesItsCommandWithAnEmptyArgument) {
    for (const char* id : {"IDC_FS_AudioConverter", "IDC_FS_AudioExtractor", "IDC_FS_Minimize", "IDC_FS_Close"})
        QTest::mouseClick(movie, Qt::LeftButton, {}, centreOf(QString::fromLatin1(id)));
    EXPECT_EQ(commands, (QStringList{QStringLiteral("IDC_FS_AudioConverter"), QStringLiteral("IDC_FS_AudioExtractor"),
                                     QStringLiteral("IDC_FS_Minimize"), QStringLiteral("IDC_FS_Close")}));
    EXPECT_EQ(args, QStringList(4, QString()));
}

TEST_F(LauncherMovie, DragStartsOnPressAndAReleaseElsewhereCancelsAButton) {
    const QRectF converter = movie->elementRect(QStringLiteral("IDC_FS_AudioConverter"));
    // A point of the drag area outside every button: the top-left corner region.
    QPoint dragPoint(4, 4);
    QTest::mousePress(movie, Qt::LeftButton, {}, dragPoint);
    EXPECT_EQ(commands, QStringList{QStringLiteral("IDC_FS_DragArea")});
    QTest::mouseRelease(movie, Qt::LeftButton, {}, dragPoint);
    commands.clear();
    QTest::mousePress(movie, Qt::LeftButton, {}, converter.center().toPoint());
    QTest::mouseRelease(movie, Qt::LeftButton, {}, dragPoint);
    EXPECT_TRUE(commands.isEmpty());
}

TEST(Movie, FailuresNameTheFileAndKeepTheMovieBefore) {
    QTemporaryDir dir;
    QWidget window;
    MoviePlayer* movie = makeMoviePlayer(&window);
    const QString missing = dir.filePath(QStringLiteral("Gone.swf"));
    expectComponentError([&] { movie->LoadMovie(0, missing); }, {missing});
    movie->LoadMovie(0, shipped(QStringLiteral("Quab_Skin.swf")));
    const QString broken = writeFile(dir, QStringLiteral("Broken.swf"), "<svg xmlns=\"http://www.w3.org/2000/svg\"><g id=\"IDC_FS_Close\">");
    expectComponentError([&] { movie->LoadMovie(0, broken); }, {broken});
    const QString notSvg = writeFile(dir, QStringLiteral("Binary.swf"), QByteArray("FWS\x09\x00\x01", 6));
    expectComponentError([&] { movie->LoadMovie(0, notSvg); }, {notSvg});
    EXPECT_EQ(movie->commands().size(), 5);
}

}  // namespace
