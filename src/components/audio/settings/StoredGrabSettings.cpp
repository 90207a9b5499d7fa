#include "components/audio/settings/StoredGrabSettings.h"

#include "components/store/StoredNumbers.h"

namespace {

// A stored number within the dialog's range for it, or the default.
int number(const QString& key, const char* name, int defaultValue, int minimum, int maximum) {
    return stored::integer(key, QLatin1String(name), defaultValue, minimum, maximum);
}

bool flag(const QString& key, const char* name, bool defaultValue) {
    return stored::flag(stored::text(key, QLatin1String(name), defaultValue ? QStringLiteral("1") : QStringLiteral("0")),
                        defaultValue);
}

}  // namespace

GrabSettings storedGrabSettings(const QString& key) {
    const GrabSettings d;
    GrabSettings s;
    s.readMode = number(key, "OGG Second Option", d.readMode, 1, 4);
    s.errorAction = number(key, "Error Action", d.errorAction, 0, 3);
    s.retries = number(key, "OGG Retries", d.retries, 0, 255);
    s.driveSpeed = number(key, "OGG Drive Speed", d.driveSpeed, 1, 64);
    s.spinUpTime = number(key, "OGG Spin Up", d.spinUpTime, 0, 30000);
    s.lockTray = flag(key, "OGG Lock", d.lockTray);
    s.safeMode = flag(key, "OGG Mode", d.safeMode);
    s.readOffset = number(key, "Drive Read Offset", d.readOffset, -5000, 5000);
    s.cddbTimeOut = number(key, "OGG TimeOut", d.cddbTimeOut, 0, 30000);
    // An empty text counts as nothing stored.
    if (const QString email = stored::text(key, QStringLiteral("OGG EMAIL"), QString()); !email.isEmpty()) s.email = email;
    if (const QString server = stored::text(key, QStringLiteral("AccurateRip Server"), QString()); !server.isEmpty())
        s.accurateRipServer = server;
    return s;
}

bool storedVerifyAccurateRip(const QString& key) { return flag(key, "AccurateRip Verify", true); }
