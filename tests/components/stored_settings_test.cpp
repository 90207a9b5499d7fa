// The settings values as the store keeps them: saved and loaded again each is the same value; a
// stored number outside what its field offers loads as the default; and the values earlier
// versions stored under their names load into the fields.
#include "components/audio/settings/GrabSettings.h"
#include "components/audio/settings/OutputSettings.h"
#include "components/store/CRegister.h"
#include "components/store/WindowSettings.h"
#include "support/ConfigHome.h"

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;
using testing_support::TempConfigHome;

namespace {

const QString kConverterKey = ConverterWindowSettings::key();
const QString kExtractorKey = ExtractorWindowSettings::key();
constexpr int kFormatCount = 6;

void storeRaw(const QString& key, const QList<std::pair<QString, QString>>& values) {
    for (const auto& [name, text] : values) CRegister().REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, key, name, text);
}

// Every stored choice away from its default.
GrabSettings changedGrab() {
    GrabSettings g;
    g.readMode = 3;
    g.errorAction = 0;
    g.retries = 255;
    g.driveSpeed = 1;
    g.spinUpTime = 30000;
    g.lockTray = false;
    g.safeMode = false;
    g.cddbTimeOut = 0;
    g.cddbServer = u"cddb.example.net:8880"_s;
    g.cddbScript = QString();  // the CDDB protocol
    g.agentName = u"Agent"_s;
    g.email = u"me@example.org"_s;
    g.discInfoSource = DiscInfoSource::LocalIniOnly;
    g.useMusicBrainz = false;
    g.nameTracks = true;
    g.verifyAccurateRip = false;
    g.accurateRipServer = u"http://ar.example/accuraterip"_s;
    g.readOffset = -5000;
    return g;
}

TEST(StoredSettings, EachValueSavedLoadsTheSame) {
    const std::pair<const char*, std::function<bool()>> cases[] = {
        {"GrabSettings",
         [] {
             changedGrab().save(kConverterKey);
             return GrabSettings::load(kConverterKey) == changedGrab();
         }},
        {"ConverterWindowSettings",
         [] {
             const ConverterWindowSettings s{u"/srv/converted"_s, 6, false, false, true, false, true};
             s.save();
             return ConverterWindowSettings::load({}, kFormatCount) == s;
         }},
        {"ExtractorWindowSettings",
         [] {
             const ExtractorWindowSettings s{true, u"/srv/extracted"_s, true, u"OPUS"_s, u"Stereo"_s, u"64"_s, u"6000"_s};
             s.save();
             return ExtractorWindowSettings::load({}) == s;
         }},
        {"FlacSettings",
         [] {
             const FlacSettings s{8, true};
             s.save(kExtractorKey);
             return FlacSettings::load(kExtractorKey) == s;
         }},
        {"OpusSettings",
         [] {
             const OpusSettings s{6, 2, 0};
             s.save(kConverterKey);
             return OpusSettings::load(kConverterKey) == s;
         }},
    };
    for (const auto& [name, loadsTheSame] : cases) {
        const TempConfigHome config;
        EXPECT_TRUE(loadsTheSame()) << name;
    }
}

TEST(StoredSettings, UnusableStoredTextsLoadAsTheDefault) {
    struct Case {
        const char* key;
        const char* name;
        const char* text;
        std::function<bool()> isDefault;
    };
    const auto grab = [] { return GrabSettings::load(kConverterKey); };
    const auto converter = [] { return ConverterWindowSettings::load({}, kFormatCount); };
    const auto extractor = [] { return ExtractorWindowSettings::load({}); };
    const char* const c = "converter";
    const char* const e = "extractor";
    const Case cases[] = {
        {c, "OGG Second Option", "5", [&] { return grab().readMode == 1; }},
        {c, "OGG Drive Speed", "65", [&] { return grab().driveSpeed == 32; }},
        {c, "OGG Retries", "-1", [&] { return grab().retries == 5; }},
        {c, "OGG Spin Up", "30001", [&] { return grab().spinUpTime == 1000; }},
        {c, "Error Action", "4", [&] { return grab().errorAction == 1; }},
        {c, "Drive Read Offset", "-5001", [&] { return grab().readOffset == 0; }},
        {c, "OGG First Option", "0", [&] { return grab().discInfoSource == DiscInfoSource::Any; }},
        {c, "OGG Lock", "yes", [&] { return grab().lockTray; }},
        {c, "AccurateRip Server", "", [&] { return grab().accurateRipServer == GrabSettings().accurateRipServer; }},
        {c, "Last Output Format", "7", [&] { return converter().outputFormat == 2; }},
        {c, "Last Output Format", "0", [&] { return converter().outputFormat == 2; }},
        {c, "Parallel", "all", [&] { return converter().parallel; }},
        {e, "combo bitrate folder", "fast", [&] { return extractor().bitRate == u"128"_s; }},
        {e, "check delete file", "x", [&] { return !extractor().deleteSource; }},
    };
    for (const Case& k : cases) {
        const TempConfigHome config;
        storeRaw(k.key == c ? kConverterKey : kExtractorKey, {{QLatin1String(k.name), QLatin1String(k.text)}});
        EXPECT_TRUE(k.isDefault()) << k.name << " = \"" << k.text << "\"";
    }
}

TEST(StoredSettings, ValuesStoredByEarlierVersionsLoad) {
    const TempConfigHome config;
    storeRaw(kConverterKey, {{u"OGG First Option"_s, u"2"_s},     {u"OGG Second Option"_s, u"4"_s},
                             {u"OGG Server"_s, u"cddb.example.net"_s}, {u"OGG Scirpt"_s, u"/cgi"_s},
                             {u"OGG Name"_s, u"Audio Converter"_s}, {u"OGG EMAIL"_s, u"me@example.org"_s},
                             {u"OGG Lock"_s, u"0"_s},              {u"OGG Mode"_s, u"-1"_s},
                             {u"OGG Spin Up"_s, u"2500"_s},         {u"OGG TimeOut"_s, u" 1500"_s},
                             {u"OGG Retries"_s, u"20"_s},           {u"OGG Drive Speed"_s, u"8"_s},
                             {u"Error Action"_s, u"3"_s},           {u"Use MusicBrainz"_s, u"0"_s},
                             {u"Name CD Tracks"_s, u"1"_s},         {u"AccurateRip Verify"_s, u"0"_s},
                             {u"AccurateRip Server"_s, u"http://ar.example"_s},
                             {u"Drive Read Offset"_s, u"667"_s},
                             {u"Output Folder"_s, u"/srv/out"_s},   {u"Last Output Format"_s, u"3"_s},
                             {u"Output to Custom Folder"_s, u"0"_s}, {u"Preserve ID Tags"_s, u"0"_s},
                             {u"Delete Source Files"_s, u"-1"_s},   {u"Parallel"_s, u"0"_s},
                             {u"Loudness Tags"_s, u"-1"_s}});
    storeRaw(kExtractorKey, {{u"option other folder"_s, u"-1"_s}, {u"output folder"_s, u"/srv/audio"_s},
                             {u"check delete file"_s, u"1"_s},     {u"format settings folder"_s, u"WAV"_s},
                             {u"combo channels folder"_s, u"Stereo"_s}, {u"combo bitrate folder"_s, u" 96"_s},
                             {u"combo frquency folder"_s, u"22050"_s}});

    GrabSettings grab;
    grab.discInfoSource = DiscInfoSource::OnLine;
    grab.readMode = 4;
    grab.cddbServer = u"cddb.example.net"_s;
    grab.cddbScript = u"/cgi"_s;
    grab.agentName = u"Audio Converter"_s;
    grab.email = u"me@example.org"_s;
    grab.lockTray = false;
    grab.spinUpTime = 2500;
    grab.cddbTimeOut = 1500;
    grab.retries = 20;
    grab.driveSpeed = 8;
    grab.errorAction = 3;
    grab.useMusicBrainz = false;
    grab.nameTracks = true;
    grab.verifyAccurateRip = false;
    grab.accurateRipServer = u"http://ar.example"_s;
    grab.readOffset = 667;
    EXPECT_EQ(GrabSettings::load(kConverterKey), grab);
    const ConverterWindowSettings converter{u"/srv/out"_s, 3, false, false, true, false, true};
    EXPECT_EQ(ConverterWindowSettings::load({}, kFormatCount), converter);
    const ExtractorWindowSettings extractor{true, u"/srv/audio"_s, true, u"WAV"_s, u"Stereo"_s, u"96"_s, u"22050"_s};
    EXPECT_EQ(ExtractorWindowSettings::load({}), extractor);
}

}  // namespace
