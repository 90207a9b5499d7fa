// The current drive as the read offset finder sees it: its name, the offset its tracks are read
// with, and raw sector reads that leave the offset to the caller.
#include "components/audio/cd/CdGrabberPrivate.h"

#include <cstring>

QString CdGrabber::driveName() const {
    const auto* dr = d->currentDrive();
    return dr && !dr->image ? dr->model : QString();
}

GrabSettings::DriveOffset CdGrabber::appliedOffset() const {
    const auto* dr = d->currentDrive();
    if (dr && dr->image) return {0, QStringLiteral("disc image")};
    return d->settings.offsetFor(dr ? dr->model : QString());
}

bool CdGrabber::readRawSectors(std::int32_t lsn, int count, std::int16_t* values) {
    Private::Drive* dr = d->currentDrive();
    if (d->busy || d->track) {
        d->fail(ErrorBusy, tr("The drive is being read."));
        return false;
    }
    if (!dr || !dr->cdio || dr->toc.trackStarts.empty()) {
        d->fail(ErrorNoDisc, tr("There is no audio disc in the drive."));
        return false;
    }
    const CdDriveLayer::DeviceRead device = [dr](std::int32_t at, long n, void* buffer) {
        return cdio_read_audio_sectors(dr->cdio, buffer, at, std::uint32_t(n)) == DRIVER_OP_SUCCESS ? n : -1L;
    };
    const auto read = [&](std::int32_t at, long n, void* buffer) {
        return d->layer ? d->layer->readAudio(at, n, buffer, device) : device(at, n, buffer);
    };
    if (count <= 0 || read(lsn, count, values) == count) {
        d->succeed();
        return true;
    }
    // A read that fell short: each sector on its own, with the retries.
    for (int i = 0; i < count; ++i) {
        std::int16_t* sector = values + std::size_t(i) * SectorValues;
        bool ok = false;
        for (int attempt = 0; attempt <= d->settings.retries && !ok; ++attempt) ok = read(lsn + i, 1, sector) == 1;
        if (!ok) {
            d->fail(ErrorRead, tr("Sector %1 of the disc in %2 could not be read.").arg(lsn + i).arg(dr->source));
            return false;
        }
    }
    d->succeed();
    return true;
}
