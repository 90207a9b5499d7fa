// Output names from patterns, as the converter window and velloria-convert -p give them.
#include "runs/ConverterRules.h"
#include "runs/NamePattern.h"

#include <gtest/gtest.h>

TEST(NamePattern, FieldsFallbacksAndPathsThatStayInTheOutputFolder) {
    struct Case {
        const char* pattern;
        const char* dir;
        QMap<QString, QString> tags;
        const char* expected;
    };
    const QMap<QString, QString> tagged{{QStringLiteral("ARTIST"), QStringLiteral("AC/DC")},
                                        {QStringLiteral("ALBUM"), QStringLiteral("..")},
                                        {QStringLiteral("TITLE"), QStringLiteral("Song")},
                                        {QStringLiteral("TRACKNUMBER"), QStringLiteral("3/12")}};
    const QMap<QString, QString> full{{QStringLiteral("ALBUMARTIST"), QStringLiteral("Various")},
                                      {QStringLiteral("ALBUM"), QStringLiteral("Live")},
                                      {QStringLiteral("DATE"), QStringLiteral("1999-05-01")},
                                      {QStringLiteral("DISCNUMBER"), QStringLiteral("2/2")},
                                      {QStringLiteral("TRACKNUMBER"), QStringLiteral("7")},
                                      {QStringLiteral("GENRE"), QStringLiteral("Jazz")}};
    const Case cases[] = {
        {"{name}", "", {}, "take 1"},
        {"{dir}/{name}", "", {}, "take 1"},  // no empty folder name
        {"{dir}/{name}", "a/b", {}, "a/b/take 1"},
        // Tag values cannot climb out of the output folder or make folders of their own.
        {"{artist}/{album}/{track} {title}", "", tagged, "AC_DC/__/03 Song"},
        {"{artist}/{title}", "", {}, "Unknown Artist/take 1"},
        {"{track}-{name}", "", {{QStringLiteral("TRACKNUMBER"), QStringLiteral("x")}}, "x-take 1"},
        {"{albumartist}/{year} {album}/{disc}-{track} {genre}", "", full, "Various/1999 Live/02-07 Jazz"},
        {"{albumartist}/{disc}/{year}/{genre}", "", tagged, "AC_DC/01/0000/Unknown Genre"},
        // A pattern's own "..", "." or blank parts and a value holding a field stay inside.
        {"../{name}/./ /x", "", {}, "take 1/x"},
        {"{title}", "", {{QStringLiteral("TITLE"), QStringLiteral("{artist}")}}, "{artist}"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(naming::expandPattern(QLatin1String(c.pattern), QStringLiteral("/m/take 1.flac"), QLatin1String(c.dir), c.tags),
                  QLatin1String(c.expected))
            << c.pattern;
    // {name} is the name the window's converter gives its outputs, without their extension.
    const struct {
        const char* source;
        const char* name;
    } names[] = {{"/m/a.wv", "a"},     {"/m/x.opus", "x"},       {"/m/song.wav", "song"}, {"/m.d/notes", "notes"},
                 {"/m/.mp3", ".mp3"}, {"/m/live.1.flac", "live.1"}};
    for (const auto& n : names) {
        EXPECT_EQ(naming::expandPattern(QStringLiteral("{name}"), QLatin1String(n.source), {}, {}), QLatin1String(n.name)) << n.source;
        EXPECT_EQ(converter::outputPath(QLatin1String(n.source), QStringLiteral("mp3"), false, QStringLiteral("/o")),
                  QStringLiteral("/o/") + QLatin1String(n.name) + QStringLiteral(".mp3"));
    }
    // Every field the engine knows expands to something other than itself.
    for (const QString& field : naming::patternFields())
        EXPECT_FALSE(naming::expandPattern(field, QStringLiteral("/m/a.wav"), QStringLiteral("d"), {}).contains(field))
            << field.toStdString();
}

// A pattern that leaves no component names the output after its source, in the window and in
// velloria-convert alike; the pattern's own control characters (NUL among them) become "_", as
// in tag values.
TEST(NamePattern, PatternsThatLeaveNothingAndControlCharacters) {
    for (const char* pattern : {".", "{dir}", " / ", "./.."}) {
        EXPECT_EQ(naming::expandPattern(QLatin1String(pattern), QStringLiteral("/m/take 1.flac"), {}, {}), QStringLiteral("take 1"))
            << pattern;
        EXPECT_EQ(converter::patternOutputPath(QStringLiteral("/m/take 1.flac"), QStringLiteral("mp3"), false, QStringLiteral("/o"),
                                               QLatin1String(pattern), {}),
                  QStringLiteral("/o/take 1.mp3"))
            << pattern;
    }
    const QString withNul = QStringLiteral("a") + QChar(0) + QStringLiteral("b\tc/{name}");
    EXPECT_EQ(naming::expandPattern(withNul, QStringLiteral("/m/take 1.flac"), {}, {}), QStringLiteral("a_b_c/take 1"));
}
