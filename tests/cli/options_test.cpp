// The command line of velloria-convert, the names its outputs get and the settings it writes
// with: tables of what is understood, what is refused and why.
#include "cli/ConsoleRun.h"
#include "cli/Options.h"
#include "cli/Plan.h"
#include "cli/RunSettings.h"
#include "runs/ConverterRules.h"
#include "components/audio/Formats.h"
#include "components/store/CRegister.h"
#include "components/store/WindowSettings.h"
#include "support/ConfigHome.h"
#include "support/Translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace cli;

namespace {

QStringList words(const char* line) { return QString::fromUtf8(line).split(QLatin1Char(' '), Qt::SkipEmptyParts); }

TEST(CliOptions, ParsesEachSpellingAndRefusesBadValues) {
    struct Case {
        const char* line;
        const char* error;  // a part of the usage error; "" when understood
        std::function<bool(const Options&)> holds;
    };
    const Case cases[] = {
        {"-f ogg a.wav", "", [](const Options& o) { return o.formatName == QStringLiteral("ogg"); }},
        {"--format=wav a.wav", "", [](const Options& o) { return o.formatName == QStringLiteral("wav"); }},
        {"-fmp3 a.wav", "", [](const Options& o) { return o.formatName == QStringLiteral("mp3"); }},
        {"-f aac a.wav", "--format must be one of mp3|ogg|wav|wma|flac|opus", nullptr},
        {"-b 192 --mode abr a", "", [](const Options& o) { return o.bitrate == 192 && o.mode == Mode::Abr; }},
        {"-b 0 a", "--bitrate must be a whole number from 1", nullptr},
        {"-b 12x a", "not '12x'", nullptr},
        {"-q 2.5 a", "", [](const Options& o) { return o.quality == 2.5; }},
        {"-q 11 a", "--quality must be a number from -1 to 10", nullptr},
        {"--mode xbr a", "--mode must be one of cbr|vbr|abr", nullptr},
        {"-r -o out -j 3 d", "",
         [](const Options& o) { return o.recursive && o.outputDir == QStringLiteral("out") && o.jobs == 3; }},
        {"-rj2 -fogg d", "",
         [](const Options& o) { return o.recursive && o.jobs == 2 && o.formatName == QStringLiteral("ogg"); }},
        {"-rx d", "unknown option '-x'", nullptr},
        {"-j 0 a", "--jobs must be a whole number from 1", nullptr},
        {"--existing rename a", "", [](const Options& o) { return o.existing == Existing::Rename; }},
        {"a", "", [](const Options& o) { return o.existing == Existing::Skip && o.jobs == 0 && !o.deleteSource; }},
        {"--existing keep a", "--existing must be one of skip|overwrite|rename", nullptr},
        {"--delete-source --no-tags --json a b", "",
         [](const Options& o) { return o.deleteSource && o.noTags && o.json && o.inputs.size() == 2; }},
        {"--json --quiet a", "cannot be used together", nullptr},
        {"-p {artist}/{album}/{track}_{title} a", "",
         [](const Options& o) { return o.pattern == QStringLiteral("{artist}/{album}/{track}_{title}"); }},
        {"-p {composer}/{name} a", "unknown placeholder {composer}", nullptr},
        {"-p ../{name} a", "must stay inside the output folder", nullptr},
        {"-p /tmp/{name} a", "must stay inside the output folder", nullptr},
        {"-- -odd.wav", "", [](const Options& o) { return o.inputs == QStringList{QStringLiteral("-odd.wav")}; }},
        {"--help", "", [](const Options& o) { return o.action == Action::Help; }},
        {"--version", "", [](const Options& o) { return o.action == Action::Version; }},
        {"", "no file or folder given", nullptr},
        {"-o", "option '-o' needs a value", nullptr},
        {"--quiet=yes a", "takes no value", nullptr},
        {"-x a", "unknown option '-x'", nullptr},
        {"--tracks 1-3 a", "--tracks needs --cd", nullptr},
        {"--find-offset", "--find-offset needs --cd", nullptr},
        {"--cd /dev/sr0 --find-offset", "", [](const Options& o) { return o.findOffset && o.cd == QStringLiteral("/dev/sr0"); }},
        {"--replaygain a", "", [](const Options& o) { return o.replayGain; }},
        {"--cd disc.cue --tracks 1-3,5", "",
         [](const Options& o) { return o.cd == QStringLiteral("disc.cue") && o.tracks == QList<int>{1, 2, 3, 5}; }},
        {"--cd /dev/sr0 a.wav", "give no files with it", nullptr},
        {"--cd /dev/sr0 --extract", "cannot be used together", nullptr},
        {"--files-from list.txt -0", "", [](const Options& o) { return o.filesFrom == QStringLiteral("list.txt") && o.nullSeparated; }},
        {"--files-from -", "", [](const Options& o) { return o.filesFrom == QStringLiteral("-") && o.inputs.isEmpty(); }},
        {"-0 a", "-0 goes with --files-from", nullptr},
        {"--shard 2/3 a", "", [](const Options& o) { return o.shard == 2 && o.shards == 3; }},
        {"--shard 4/3 a", "--shard must be K/N", nullptr},
        {"--shard 0/3 a", "--shard must be K/N", nullptr},
        {"--shard 1/2 --replaygain a", "cannot be split with --shard", nullptr},
        {"--sample-rate 22050 --channels 1 a", "", [](const Options& o) { return o.sampleRate == 22050 && o.channels == 1; }},
        {"--sample-rate 4000 a", "at least 8000 Hz", nullptr},
        {"--channels 6 a", "--channels must be a whole number from 1 to 2", nullptr},
        {"--extract -j 2 v.mkv", "--jobs does not apply to --extract", nullptr},
        {"--extract --no-tags v.mkv", "--no-tags does not apply to --extract", nullptr},
        {"--extract --replaygain v.mkv", "--replaygain does not apply to --extract", nullptr},
        {"--cd /dev/sr0 --files-from l", "give no files with it", nullptr},
    };
    for (const Case& c : cases) {
        const ParseResult r = parseArguments(words(c.line));
        if (*c.error) {
            EXPECT_TRUE(r.error.contains(QLatin1String(c.error))) << c.line << " gave: " << r.error.toStdString();
        } else {
            EXPECT_TRUE(r.error.isEmpty()) << c.line << " gave: " << r.error.toStdString();
            EXPECT_TRUE(c.holds(r.options)) << c.line;
        }
    }
}

// A usage error in the user's language, and in English again for --json's scripts, catalogue or not.
TEST(CliOptions, MessagesAreTranslatedExceptForJson) {
    const testing_support::BracketingTranslator translated({QStringLiteral("velloria-convert")});
    const QStringList arguments{QStringLiteral("--json"), QStringLiteral("--quiet"), QStringLiteral("a.wav")};
    EXPECT_EQ(parseArguments(arguments).error, QStringLiteral("[--json and --quiet cannot be used together]"));
    EXPECT_TRUE(usageText().startsWith(QStringLiteral("[Usage: velloria-convert [OPTIONS] FILE|FOLDER...\n")));
    EnglishTexts english;
    QCoreApplication::installTranslator(&english);
    EXPECT_EQ(parseArguments(arguments).error, QStringLiteral("--json and --quiet cannot be used together"));
}

TEST(CliOptions, TrackLists) {
    EXPECT_EQ(parseTrackList(QStringLiteral("1-5,7")), (QList<int>{1, 2, 3, 4, 5, 7}));
    EXPECT_EQ(parseTrackList(QStringLiteral("3,1-3")), (QList<int>{3, 1, 2}));
    EXPECT_EQ(parseTrackList(QStringLiteral("0-2")), (QList<int>{0, 1, 2}));
    for (const char* bad : {"", "-1", "5-2", "1,,2", "1-100", "a"})
        EXPECT_FALSE(parseTrackList(QLatin1String(bad))) << bad;

}

TEST(CliPlan, ExistingOutputsAndInputsThatCannotBeConverted) {
    QTemporaryDir dir;
    const auto touch = [&](const QString& relative) {
        QDir(dir.path()).mkpath(QFileInfo(relative).path());
        QFile f(dir.filePath(relative));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    };
    for (const char* f : {"in/a.wav", "in/sub/b.flac", "in/notes.txt", "in/.a.velloria-part-1-0.mp3", "out/a.mp3",
                          "out/a (1).mp3", "in/c.mp3"})
        touch(QLatin1String(f));
    const QStringList inputs{dir.filePath(QStringLiteral("in")), dir.filePath(QStringLiteral("missing.wav"))};
    const QString out = dir.filePath(QStringLiteral("out"));
    struct Case {
        Existing existing;
        const char* aOutput;  // where in/a.wav goes, relative to out/
        PlannedFile::Kind aKind;
    };
    for (const Case& c : {Case{Existing::Skip, "a.mp3", PlannedFile::Kind::Skip},
                          Case{Existing::Overwrite, "a.mp3", PlannedFile::Kind::Convert},
                          Case{Existing::Rename, "a (2).mp3", PlannedFile::Kind::Convert}}) {
        Options o;
        o.inputs = inputs;
        o.recursive = true;
        o.outputDir = out;
        o.existing = c.existing;
        const QList<PlannedFile> plan = planFiles(o, QStringLiteral("mp3"), [](const QString&) { return QMap<QString, QString>{}; });
        ASSERT_EQ(plan.size(), 4);  // the missing file, a.wav, c.mp3 and sub/b.flac; no text, no part file
        EXPECT_EQ(plan[0].kind, PlannedFile::Kind::Fail);
        EXPECT_EQ(plan[0].reason, QStringLiteral("does not exist"));
        EXPECT_EQ(plan[1].output, QDir(out).filePath(QLatin1String(c.aOutput)));
        EXPECT_EQ(plan[1].kind, c.aKind);
        EXPECT_EQ(plan[3].output, QDir(out).filePath(QStringLiteral("sub/b.mp3")));
    }
    // Outputs of an earlier run inside the folder converted are not taken as sources.
    touch(QStringLiteral("in/converted/a.mp3"));
    Options inside;
    inside.inputs = {dir.filePath(QStringLiteral("in"))};
    inside.recursive = true;
    inside.outputDir = dir.filePath(QStringLiteral("in/converted"));
    const QList<PlannedFile> again = planFiles(inside, QStringLiteral("mp3"), [](const QString&) { return QMap<QString, QString>{}; });
    EXPECT_EQ(again.size(), 3);
    for (const PlannedFile& f : again) EXPECT_FALSE(f.source.contains(QStringLiteral("converted"))) << f.source.toStdString();

    // Beside its source, an MP3 would be its own output; a folder needs -r.
    Options o;
    o.inputs = {dir.filePath(QStringLiteral("in/c.mp3")), dir.filePath(QStringLiteral("in"))};
    const QList<PlannedFile> plan = planFiles(o, QStringLiteral("mp3"), [](const QString&) { return QMap<QString, QString>{}; });
    ASSERT_EQ(plan.size(), 2);
    EXPECT_EQ(plan[0].reason, QStringLiteral("is a folder (use -r to convert the files in it)"));
    EXPECT_EQ(plan[1].reason, QStringLiteral("would be overwritten by its own output"));
}

// Without -o every output goes beside its source; each source is planned once however it is
// named; outputs of other sources (of an earlier run) are no sources, a file that is its own
// output is skipped, and two sources with one output name each other.
TEST(CliPlan, BesideEachSourceOnceAndNeverAnOutput) {
    QTemporaryDir dir;
    const auto touch = [&](const QString& relative) {
        QDir(dir.path()).mkpath(QFileInfo(relative).path());
        QFile f(dir.filePath(relative));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    };
    for (const char* f : {"in/a.wav", "in/a.mp3", "in/sub/b.flac", "in/sub/c.opus", "in/sub/own.mp3", "in/two/x.flac", "in/two/x.opus"})
        touch(QLatin1String(f));
    // A name that is not UTF-8 on disk.
    const QByteArray raw = QFile::encodeName(dir.filePath(QStringLiteral("in/two/"))) + QByteArray("caf\xe9.wav");
    QFile odd;
    ASSERT_TRUE(odd.open(std::fopen(raw.constData(), "w"), QIODevice::WriteOnly, QFileDevice::AutoCloseHandle));
    odd.close();
    Options o;
    o.recursive = true;
    o.inputs = {dir.filePath(QStringLiteral("in")), dir.filePath(QStringLiteral("in/a.wav")), dir.filePath(QStringLiteral("in/./a.wav"))};
    const QList<PlannedFile> plan = planFiles(o, QStringLiteral("mp3"), [](const QString&) { return QMap<QString, QString>{}; });
    QStringList seen;
    for (const PlannedFile& f : plan) {
        const char* kind = f.kind == PlannedFile::Kind::Convert ? "convert" : f.kind == PlannedFile::Kind::Skip ? "skip" : "fail";
        seen << QStringLiteral("%1 %2 %3").arg(QLatin1String(kind), QDir(dir.path()).relativeFilePath(f.source),
                                               f.output.isEmpty() ? QString() : QDir(dir.path()).relativeFilePath(f.output));
    }
    EXPECT_EQ(seen.join(QLatin1Char('\n')).toStdString(),
              QStringList({QStringLiteral("fail in/two/caf\uFFFD.wav "), QStringLiteral("skip in/a.wav in/a.mp3"),
                           QStringLiteral("convert in/sub/b.flac in/sub/b.mp3"), QStringLiteral("convert in/sub/c.opus in/sub/c.mp3"),
                           QStringLiteral("skip in/sub/own.mp3 in/sub/own.mp3"), QStringLiteral("convert in/two/x.flac in/two/x.mp3"),
                           QStringLiteral("fail in/two/x.opus in/two/x.mp3")})
                  .join(QLatin1Char('\n'))
                  .toStdString());
    EXPECT_TRUE(plan[0].reason.contains(QStringLiteral("not valid UTF-8"))) << plan[0].reason.toStdString();
    EXPECT_TRUE(plan.back().reason.contains(QStringLiteral("is also the output of ") + dir.filePath(QStringLiteral("in/two/x.flac"))));

    // The shards of a plan, together, are the plan: every file once, in order.
    for (int size = 0; size < 8; ++size) {
        QList<PlannedFile> whole;
        for (int i = 0; i < size; ++i) whole.push_back({PlannedFile::Kind::Convert, QString::number(i), {}, {}});
        QStringList joined;
        for (int k = 1; k <= 3; ++k)
            for (const PlannedFile& f : shardOf(whole, k, 3)) joined << f.source;
        EXPECT_EQ(joined.size(), size);
        for (int i = 0; i < size; ++i) EXPECT_EQ(joined.value(i), QString::number(i));
    }
}

TEST(CliPlan, ListsOfSourcesByLineOrByNul) {
    QTemporaryDir dir;
    const struct {
        QByteArray text;
        bool nul;
        QStringList inputs;
    } cases[] = {
        {"a.wav\nsub/b c.flac\r\n\n", false, {QStringLiteral("a.wav"), QStringLiteral("sub/b c.flac")}},
        {QByteArray("odd\nname.wav\0x.mp3\0", 18), true, {QStringLiteral("odd\nname.wav"), QStringLiteral("x.mp3")}},
    };
    for (const auto& c : cases) {
        QFile list(dir.filePath(QStringLiteral("list")));
        ASSERT_TRUE(list.open(QIODevice::WriteOnly | QIODevice::Truncate));
        list.write(c.text);
        list.close();
        Options o;
        o.filesFrom = list.fileName();
        o.nullSeparated = c.nul;
        EXPECT_EQ(addListedInputs(o), QString());
        EXPECT_EQ(o.inputs, c.inputs);
    }
    Options missing;
    missing.filesFrom = dir.filePath(QStringLiteral("none"));
    EXPECT_TRUE(addListedInputs(missing).startsWith(QStringLiteral("the list '")));
}

// One list of the formats read: -r takes them, and the Add dialog's filter and the completion
// name every one of them.
TEST(CliPlan, TheFormatsReadAreOneListEverywhere) {
    EXPECT_EQ(convertedExtensions(false), audio::readableExtensions());
    QFile completion(QStringLiteral(VELLORIA_TEST_SOURCE_DIR "/packaging/velloria-convert.bash-completion"));
    ASSERT_TRUE(completion.open(QIODevice::ReadOnly));
    // The completion's last pattern of names, "!*.@(wav|mp3|...)".
    const QString script = QString::fromUtf8(completion.readAll());
    const QStringList completed = script.section(QStringLiteral("!*.@("), -1).section(QLatin1Char(')'), 0, 0).split(QLatin1Char('|'));
    const QString filter = converter::openDialogFilter();
    for (const QString& extension : audio::readableExtensions()) {
        EXPECT_TRUE(filter.contains(QStringLiteral("*.") + extension)) << extension.toStdString();
        EXPECT_TRUE(completed.contains(extension)) << extension.toStdString();
    }
}

TEST(CliSettings, OverridesMustSuitTheFormat) {
    testing_support::TempConfigHome config;
    struct Case {
        const char* line;
        const char* error;  // "" when the settings are taken
        std::function<bool(const RunSettings&)> holds;
    };
    const Case cases[] = {
        // Nothing stored: MP3 as the window starts, tags copied.
        {"a", "", [](const RunSettings& s) { return QLatin1String(s.format->key) == QStringLiteral("MP3") && s.preserveTags; }},
        {"-b 192 a", "",
         [](const RunSettings& s) { return s.settings.mp3.codingMethod() == -1 && s.settings.mp3.bitrate() == 192; }},
        {"-q 2 a", "",
         [](const RunSettings& s) { return s.settings.mp3.codingMethod() == 0 && s.settings.mp3.vbrQuality() == 2; }},
        {"--mode abr -b 160 a", "",
         [](const RunSettings& s) { return s.settings.mp3.codingMethod() == 4 && s.settings.mp3.abrBitrate() == 160; }},
        {"-b 100 a", "MP3 cannot be written so", nullptr},
        {"-q 2.5 a", "whole number from 0 (best) to 9", nullptr},
        {"--mode cbr -q 2 a", "does not apply to MP3 at a constant bitrate", nullptr},
        {"-f ogg -q 6.5 a", "", [](const RunSettings& s) { return s.settings.ogg.quality == 650; }},
        {"-f ogg -b 160 a", "",
         [](const RunSettings& s) { return s.settings.ogg.quality == 0 && s.settings.ogg.nominalKbps == 160; }},
        {"-f ogg --mode vbr -b 160 a", "does not apply to Ogg Vorbis by quality", nullptr},
        {"-f ogg -b 999 a", "Ogg Vorbis cannot be written at 999 kbit/s", nullptr},
        {"-f wav -b 128 a", "do not apply to wav", nullptr},
        {"-f flac -q 8 a", "", [](const RunSettings& s) { return s.settings.flac.level == 8; }},
        {"-f flac -q 9 a", "compression level from 0 to 8", nullptr},
        {"-f flac -b 500 a", "do not apply to FLAC", nullptr},
        {"-f opus -b 96 --mode cbr a", "",
         [](const RunSettings& s) { return s.settings.opus.bitrateKbps == 96 && s.settings.opus.mode == 2; }},
        {"-f opus -b 600 a", "from 6 to 512", nullptr},
        {"--no-tags a", "", [](const RunSettings& s) { return !s.preserveTags; }},
        // Rate and channels as the MP3, Ogg Vorbis and WAV dialogs choose them.
        {"--sample-rate 22050 --channels 1 a", "",
         [](const RunSettings& s) { return s.settings.mp3.sampleRate() == 22050 && s.settings.mp3.channelMode() == 0; }},
        {"-f ogg --sample-rate 48000 --channels 1 a", "",
         [](const RunSettings& s) { return s.settings.ogg.sampleRate == 48000 && s.settings.ogg.channels == 1; }},
        {"-f wav --sample-rate 96000 a", "", [](const RunSettings& s) { return s.settings.wav.sampleRate == 96000; }},
        {"-f wav --sample-rate 192000 a", "cannot be written", nullptr},
        {"-f flac --channels 1 a", "do not apply to FLAC", nullptr},
        {"-f opus --sample-rate 44100 a", "do not apply to OPUS", nullptr},
    };
    for (const Case& c : cases) {
        const RunSettingsResult r = runSettings(parseArguments(words(c.line)).options);
        if (*c.error) {
            EXPECT_TRUE(r.error.contains(QLatin1String(c.error))) << c.line << " gave: " << r.error.toStdString();
        } else {
            EXPECT_TRUE(r.error.isEmpty()) << c.line << " gave: " << r.error.toStdString();
            EXPECT_TRUE(c.holds(r.run)) << c.line;
        }
    }
    // What the window stored is the start: its last format, its tag choice.
    CRegister reg;
    reg.REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, ConverterWindowSettings::key(), QStringLiteral("Last Output Format"), QStringLiteral("3"));
    reg.REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, ConverterWindowSettings::key(), QStringLiteral("Preserve ID Tags"), QStringLiteral("0"));
    const RunSettingsResult stored = runSettings(parseArguments({QStringLiteral("a")}).options);
    EXPECT_EQ(QLatin1String(stored.run.format->key), QStringLiteral("OGG"));
    EXPECT_FALSE(stored.run.preserveTags);
}

}  // namespace
