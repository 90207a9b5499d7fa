#include "components/audio/settings/GrabSettings.h"

#include "components/store/StoredNumbers.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

struct NumberValue {
    const char* name;
    int GrabSettings::*field;
    GrabSettings::Range range;
};
const NumberValue kNumbers[] = {
    {"OGG Second Option", &GrabSettings::readMode, GrabSettings::kReadModes},
    {"OGG Spin Up", &GrabSettings::spinUpTime, GrabSettings::kMilliseconds},
    {"OGG TimeOut", &GrabSettings::cddbTimeOut, GrabSettings::kMilliseconds},
    {"OGG Retries", &GrabSettings::retries, GrabSettings::kRetries},
    {"OGG Drive Speed", &GrabSettings::driveSpeed, GrabSettings::kDriveSpeeds},
    {"Error Action", &GrabSettings::errorAction, GrabSettings::kErrorActions},
    {"Drive Read Offset", &GrabSettings::readOffset, GrabSettings::kReadOffsets},
};

// Stored as 1 and 0.
struct FlagValue {
    const char* name;
    bool GrabSettings::*field;
};
const FlagValue kFlags[] = {
    {"OGG Lock", &GrabSettings::lockTray},
    {"OGG Mode", &GrabSettings::safeMode},
    {"Use MusicBrainz", &GrabSettings::useMusicBrainz},
    {"Name CD Tracks", &GrabSettings::nameTracks},
    {"AccurateRip Verify", &GrabSettings::verifyAccurateRip},
    {"Test And Copy", &GrabSettings::testAndCopy},
    {"De-emphasise", &GrabSettings::deEmphasise},
    {"Rip Disc As One File", &GrabSettings::oneFile},
};

// The look-up texts; an empty one counts as nothing stored.
struct TextValue {
    const char* name;
    QString GrabSettings::*field;
};
const TextValue kServer{"OGG Server", &GrabSettings::cddbServer};
const TextValue kScript{"OGG Scirpt", &GrabSettings::cddbScript};
const TextValue kTexts[] = {kServer, kScript, {"OGG Name", &GrabSettings::agentName},
                            {"OGG EMAIL", &GrabSettings::email},
                            {"AccurateRip Server", &GrabSettings::accurateRipServer},
                            {"AccurateRip Drive Offsets", &GrabSettings::driveOffsetsUrl}};
// The drives' own offsets, one "<offset> <name>" a line: a drive's name may hold any
// character but a line break, which the store's value names could not (no "/").
const char* const kDriveOffsets = "Drive Read Offsets";

// The look-up source is stored one above its code: 1 any, 2 on-line, 3 cdplayer.ini.
const char* const kSourceName = "OGG First Option";
constexpr GrabSettings::Range kSourceCodes{1, 3};

QString storedText(const QString& key, const char* name) { return stored::text(key, QLatin1String(name), QString()); }

std::map<QString, int> parseDriveOffsets(const QString& text) {
    std::map<QString, int> out;
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const qsizetype space = line.indexOf(QLatin1Char(' '));
        const QString name = line.mid(space + 1).trimmed();
        const std::optional<int> offset = stored::inRange(line.left(space), GrabSettings::kReadOffsets.minimum,
                                                          GrabSettings::kReadOffsets.maximum);
        if (space > 0 && offset && !name.isEmpty()) out[name] = *offset;
    }
    return out;
}

QString driveOffsetsText(const std::map<QString, int>& offsets) {
    QStringList lines;
    for (const auto& [name, offset] : offsets) {
        QString clean = name;
        clean.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
        if (!clean.trimmed().isEmpty()) lines << QStringLiteral("%1 %2").arg(offset).arg(clean.trimmed());
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

GrabSettings GrabSettings::load(const QString& key, const GrabSettings& start) {
    const GrabSettings d;
    GrabSettings s = start;
    for (const NumberValue& v : kNumbers)
        s.*v.field = stored::integer(key, QLatin1String(v.name), d.*v.field, v.range.minimum, v.range.maximum);
    for (const FlagValue& v : kFlags) s.*v.field = stored::flag(storedText(key, v.name), d.*v.field);
    const int source = stored::integer(key, QLatin1String(kSourceName), static_cast<int>(d.discInfoSource) + 1,
                                       kSourceCodes.minimum, kSourceCodes.maximum);
    s.discInfoSource = static_cast<DiscInfoSource>(source - 1);

    s.accurateRipServer = d.accurateRipServer;
    s.driveOffsetsUrl = d.driveOffsetsUrl;
    s.driveOffsets = parseDriveOffsets(storedText(key, kDriveOffsets));
    for (const TextValue& v : kTexts)
        if (const QString text = storedText(key, v.name); !text.isEmpty()) s.*v.field = text;
    if (!storedText(key, kServer.name).isEmpty()) s.cddbScript = storedText(key, kScript.name);
    return s;
}

void GrabSettings::save(const QString& key) const {
    stored::save(key, QLatin1String(kSourceName), static_cast<int>(discInfoSource) + 1);
    for (const NumberValue& v : kNumbers) stored::save(key, QLatin1String(v.name), this->*v.field);
    for (const FlagValue& v : kFlags) stored::save(key, QLatin1String(v.name), this->*v.field ? 1 : 0);
    for (const TextValue& v : kTexts) stored::saveText(key, QLatin1String(v.name), this->*v.field);
    saveDriveOffsets(key);
}

void GrabSettings::saveDriveOffsets(const QString& key) const {
    stored::saveText(key, QLatin1String(kDriveOffsets), driveOffsetsText(driveOffsets));
}

GrabSettings::DriveOffset GrabSettings::offsetFor(const QString& driveName) const {
    const auto own = driveName.isEmpty() ? driveOffsets.end() : driveOffsets.find(driveName);
    //: Where a drive's read offset comes from; %1 the drive's name
    if (own != driveOffsets.end()) return {own->second, QCoreApplication::translate("GrabSettings", "stored for %1").arg(driveName)};
    // A word the rip log looks for and puts in its own words.
    return {readOffset, QStringLiteral("default")};
}
