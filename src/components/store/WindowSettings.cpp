#include "components/store/WindowSettings.h"

#include "components/store/StoredNumbers.h"

#include <algorithm>

namespace {

const QString kOutputFolder = QStringLiteral("Output Folder");
const QString kOutputFormat = QStringLiteral("Last Output Format");
const QString kCustomFolder = QStringLiteral("Output to Custom Folder");
const QString kPreserveTags = QStringLiteral("Preserve ID Tags");
const QString kDeleteSource = QStringLiteral("Delete Source Files");
const QString kParallel = QStringLiteral("Parallel");
const QString kLoudnessTags = QStringLiteral("Loudness Tags");
const QString kNamePattern = QStringLiteral("Name Outputs By Pattern");
const QString kPattern = QStringLiteral("Output Name Pattern");

const QString kOtherFolder = QStringLiteral("option other folder");
const QString kExtractorFolder = QStringLiteral("output folder");
const QString kExtractorDelete = QStringLiteral("check delete file");
const QString kFormat = QStringLiteral("format settings folder");
const QString kChannels = QStringLiteral("combo channels folder");
const QString kBitRate = QStringLiteral("combo bitrate folder");
const QString kFrequency = QStringLiteral("combo frquency folder");

bool storedFlag(const QString& key, const QString& name, bool defaultValue) {
    return stored::flag(stored::text(key, name, QString()), defaultValue);
}

}  // namespace

QString ConverterWindowSettings::key() { return QStringLiteral("\\Software\\Brindlewood\\Audioconverter"); }

ConverterWindowSettings ConverterWindowSettings::load(const ConverterWindowSettings& defaults, int formatCount) {
    const QString k = key();
    ConverterWindowSettings s;
    s.outputFolder = stored::text(k, kOutputFolder, defaults.outputFolder);
    s.outputFormat = stored::integer(k, kOutputFormat, defaults.outputFormat, 1, std::max(1, formatCount));
    s.customFolder = storedFlag(k, kCustomFolder, defaults.customFolder);
    s.preserveTags = storedFlag(k, kPreserveTags, defaults.preserveTags);
    s.deleteSource = storedFlag(k, kDeleteSource, defaults.deleteSource);
    s.parallel = storedFlag(k, kParallel, defaults.parallel);
    s.loudnessTags = storedFlag(k, kLoudnessTags, defaults.loudnessTags);
    s.namePattern = storedFlag(k, kNamePattern, defaults.namePattern);
    s.pattern = stored::text(k, kPattern, defaults.pattern);
    if (s.pattern.trimmed().isEmpty()) s.pattern = defaults.pattern;
    return s;
}

// Flags are stored as -1 and 0.
void ConverterWindowSettings::save() const {
    const QString k = key();
    stored::saveText(k, kOutputFolder, outputFolder);
    stored::save(k, kOutputFormat, outputFormat);
    stored::saveText(k, kCustomFolder, stored::flagText(customFolder));
    stored::saveText(k, kPreserveTags, stored::flagText(preserveTags));
    stored::saveText(k, kDeleteSource, stored::flagText(deleteSource));
    stored::saveText(k, kParallel, stored::flagText(parallel));
    stored::saveText(k, kLoudnessTags, stored::flagText(loudnessTags));
    stored::saveText(k, kNamePattern, stored::flagText(namePattern));
    stored::saveText(k, kPattern, pattern);
}

QString ExtractorWindowSettings::key() { return QStringLiteral("\\Software\\Brindlewood\\Audioextractor"); }

ExtractorWindowSettings ExtractorWindowSettings::load(const ExtractorWindowSettings& defaults) {
    const QString k = key();
    ExtractorWindowSettings s;
    s.otherFolder = storedFlag(k, kOtherFolder, defaults.otherFolder);
    s.outputFolder = stored::text(k, kExtractorFolder, defaults.outputFolder);
    s.deleteSource = storedFlag(k, kExtractorDelete, defaults.deleteSource);
    s.format = stored::text(k, kFormat, defaults.format);
    s.channels = stored::text(k, kChannels, defaults.channels);
    const std::optional<int> kbps = stored::number(stored::text(k, kBitRate, QString()));
    s.bitRate = kbps ? QString::number(*kbps) : defaults.bitRate;
    s.frequency = stored::text(k, kFrequency, defaults.frequency);
    return s;
}

// The folder choice is stored as -1 and 0, the delete choice as 1 and 0.
void ExtractorWindowSettings::save() const {
    const QString k = key();
    stored::saveText(k, kOtherFolder, stored::flagText(otherFolder));
    stored::saveText(k, kExtractorFolder, outputFolder);
    stored::save(k, kExtractorDelete, deleteSource ? 1 : 0);
    stored::saveText(k, kFormat, format);
    stored::saveText(k, kChannels, channels);
    stored::saveText(k, kBitRate, bitRate);
    stored::saveText(k, kFrequency, frequency);
}
