#include "cli/FindOffset.h"

#include "cli/ConsoleRun.h"
#include "cli/DiscTracks.h"
#include "components/audio/cd/CdGrabber.h"
#include "components/store/WindowSettings.h"
#include "runs/ReadOffsetFinder.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace cli {
namespace {

void print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

}  // namespace

int findOffset(const QString& cd) {
    CdGrabber grabber(nullptr, {}, !QFileInfo(cd).isFile());
    const QString key = ConverterWindowSettings::key();
    GrabSettings grab = GrabSettings::load(key);
    grabber.setSettings(grab);
    const DiscTracks disc = openDisc(grabber, cd, {});
    if (!disc.error.isEmpty()) {
        print(stderr, QStringLiteral("velloria-convert: %1\n").arg(disc.error));
        return 1;
    }
    const QString drive = grabber.driveName();
    //: %1 is the drive's name, or the device or image given
    print(stderr, QCoreApplication::translate("velloria-convert", "Finding the read offset of %1 …").arg(drive.isEmpty() ? cd : drive) +
                      QLatin1Char('\n'));
    const converter::OffsetLookups lookups = converter::lookUpForOffset(grabber.toc(), drive, grab, net::defaultAccurateRipCache());
    const converter::OffsetFinding finding =
        converter::findReadOffset(grabber, lookups, drive, [] { return !g_interrupted.load(); });
    print(stdout, finding.text() + QLatin1Char('\n'));
    if (converter::keepFinding(grab, finding)) {
        grab.saveDriveOffsets(key);
        print(stdout, QCoreApplication::translate("velloria-convert", "Kept as the read offset of %1.").arg(drive) + QLatin1Char('\n'));
    }
    return finding.kind == converter::OffsetFinding::Kind::Detected ? 0 : 1;
}

}  // namespace cli
