#include "components/audio/settings/GrabSettings.h"

#include "components/store/StoredNumbers.h"


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
                            {"AccurateRip Server", &GrabSettings::accurateRipServer}};

// The look-up source is stored one above its code: 1 any, 2 on-line, 3 cdplayer.ini.
const char* const kSourceName = "OGG First Option";
constexpr GrabSettings::Range kSourceCodes{1, 3};

QString storedText(const QString& key, const char* name) { return stored::text(key, QLatin1String(name), QString()); }

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
}
