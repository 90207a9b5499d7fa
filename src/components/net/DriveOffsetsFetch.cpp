// The drive-offset list fetched from its server (DriveOffsets.h); kept apart from the parser,
// which the fuzz program builds without the network.
#include "components/net/DriveOffsets.h"
#include "components/net/HttpGet.h"

#include <QCoreApplication>
#include <QUrl>

namespace net {
namespace {

// The list holds a few thousand records of 69 bytes (some hundred kilobytes).
constexpr qint64 kListLimit = 4 << 20;

}  // namespace

DriveOffsetFetch fetchDriveOffsets(const GrabSettings& settings) {
    DriveOffsetFetch out;
    const QUrl url(settings.driveOffsetsUrl.trimmed());
    if (!url.isValid() || url.scheme().isEmpty() || url.host().isEmpty()) {
        out.error = QCoreApplication::translate("DriveOffsets", "The address of the drive-offset list is not valid: %1").arg(settings.driveOffsetsUrl);
        return out;
    }
    const HttpAnswer answer = httpGet(url, {settings.cddbTimeOut, 0, 0, kListLimit});
    if (!answer.ok()) {
        out.error = !answer.error.isEmpty() ? answer.error
                                            : QCoreApplication::translate("DriveOffsets", "The server of the drive-offset list answered with HTTP status %1.")
                                                  .arg(answer.status);
        return out;
    }
    out.list = parseDriveOffsets(answer.body);
    out.error = out.list.error;
    out.found = out.error.isEmpty();
    return out;
}

}  // namespace net
