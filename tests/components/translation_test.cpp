// The texts the audio library shows follow the translation installed when they are asked for,
// while what is also a key (format keys, extensions, MIME types, stored names) stays as it is.
#include "components/audio/Formats.h"
#include "components/audio/settings/MP3Settings.h"
#include "components/audio/settings/SettingsTables.h"
#include "support/CoreSupport.h"
#include "support/Translation.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const audio::InputFormat& inputNamed(const QList<audio::InputFormat>& list, const QString& extension) {
    return *std::find_if(list.begin(), list.end(), [&](const audio::InputFormat& f) { return f.extensions.contains(extension); });
}

TEST(Translation, ShownTextsFollowTheInstalledTranslationAndKeysStay) {
    const audio::OutputFormat* mp3 = audio::outputFormat(QStringLiteral("MP3"));
    ASSERT_NE(mp3, nullptr);
    EXPECT_EQ(mp3->shownCaption(), QStringLiteral("MP3 File(.mp3)"));
    EXPECT_EQ(MP3Settings::presetNames().first(), QStringLiteral("Phone"));
    const QStringList readable = audio::readableExtensions();
    {
        const testing_support::BracketingTranslator translator(
            {QStringLiteral("Formats"), QStringLiteral("MP3Settings"), QStringLiteral("Encoder"), QStringLiteral("SettingsTables")});
        EXPECT_EQ(mp3->shownCaption(), QStringLiteral("[MP3 File(.mp3)]"));
        EXPECT_EQ(QLatin1String(mp3->key), QLatin1String("MP3"));
        const QList<audio::InputFormat> inputs = audio::inputFormats();
        const audio::InputFormat& image = inputNamed(inputs, QStringLiteral("cue"));
        EXPECT_EQ(image.name, QStringLiteral("[CD image]"));
        EXPECT_EQ(image.filterCaption, QStringLiteral("[CD images]"));
        EXPECT_EQ(inputNamed(inputs, QStringLiteral("wav")).mimeTypes.first(), QStringLiteral("audio/x-wav"));
        EXPECT_EQ(audio::readableExtensions(), readable);

        EXPECT_EQ(MP3Settings::presetNames().first(), QStringLiteral("[Phone]"));
        MP3Settings cd;
        cd.setPreset(9);
        EXPECT_EQ(cd.presetName(), QStringLiteral("CD"));  // kept as chosen, translated when shown
        EXPECT_EQ(cd.description(), QStringLiteral("[[CD]: [44100 Hz, [Stereo], ][192 kbit/s CBR]]"));
        // A refusal's setting name is translated with the sentence around it.
        testing_support::expectComponentError([&] { cd.setVbrQuality(12); },
                                              {QStringLiteral("[The MP3 [VBR quality] 12 is not [one of 0..9]]")});
        EXPECT_EQ(channelsName(2), QStringLiteral("[Stereo]"));
        EXPECT_EQ(settings_tables::kSamplingFrequencies[7].shownText(), QStringLiteral("[44 100 Hz]"));
    }
    EXPECT_EQ(mp3->shownCaption(), QStringLiteral("MP3 File(.mp3)"));
    EXPECT_EQ(inputNamed(audio::inputFormats(), QStringLiteral("cue")).filterCaption, QStringLiteral("CD images"));
}

}  // namespace
