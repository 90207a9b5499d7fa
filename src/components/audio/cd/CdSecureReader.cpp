// The secure reader: opens a track through libcdio-paranoia, hooks every read paranoia makes
// to retry, verify and limit it, and hands the sectors out by the error action.
#include "components/audio/cd/CdGrabberPrivate.h"

#include <QElapsedTimer>

#include <cdio/mmc_ll_cmds.h>

#include <algorithm>
#include <cmath>
#include <cstring>

thread_local CdGrabber::Private* CdGrabber::Private::reading = nullptr;

long CdGrabber::Private::readThrough(cdrom_drive_t* drive, void* buffer, lsn_t begin, long sectors) {
    Private* self = reading;
    if (!self || !self->track || self->track->drive != drive) return -1;
    return self->hookedRead(*self->track, buffer, begin, sectors);
}

// Paranoia gives up on verifying data by skipping it: that stretch is no better than a sector
// that cannot be read.
void CdGrabber::Private::paranoiaEvent(long position, paranoia_cb_mode_t event) {
    if (event != PARANOIA_CB_SKIP || !reading || !reading->track) return;
    reading->markUnverified(*reading->track, lsn_t(position / CD_FRAMEWORDS));
}

void CdGrabber::Private::markUnverified(TrackRead& t, lsn_t lsn) {
    if (t.unverified.insert(lsn).second && lsn >= t.first && lsn <= t.last) Q_EMIT q->ReadError();
}

long CdGrabber::Private::layeredRead(TrackRead& t, lsn_t lsn, long sectors, void* buffer) {
    const CdDriveLayer::DeviceRead device = [&t](std::int32_t l, long n, void* b) {
        return t.deviceRead(t.drive, b, l, n);
    };
    if (t.layer) return t.layer->readAudio(lsn, sectors, buffer, device);
    return device(lsn, sectors, buffer);
}

// Every read paranoia makes lands here. A failed read is retried sector by sector, each
// failed attempt reported; a sector that stays unreadable is remembered and handed to
// paranoia as silence, so that paranoia never loops on it and the error action decides what
// the track gets in its place.
long CdGrabber::Private::hookedRead(TrackRead& t, void* buffer, lsn_t begin, long sectors) {
    if (!buffer) {
        // Paranoia reads without a buffer only to move the drive past its cache: the data and
        // any failure do not matter.
        std::vector<char> scratch(std::size_t(std::max(sectors, 0L)) * SectorBytes);
        layeredRead(t, begin, sectors, scratch.data());
        return sectors;
    }
    if (abortRequested) {
        // Consistent silence lets paranoia return at once, even in never-skip mode.
        std::memset(buffer, 0, std::size_t(std::max(sectors, 0L)) * SectorBytes);
        return sectors;
    }
    long got = layeredRead(t, begin, sectors, buffer);
    if (got == sectors) {
        if (settings.safeMode) verifyReads(t, static_cast<unsigned char*>(buffer), begin, sectors);
        limitRereads(t, static_cast<unsigned char*>(buffer), begin, sectors);
        return got;
    }
    if (got < 0) got = 0;
    auto* bytes = static_cast<unsigned char*>(buffer);
    for (long i = got; i < sectors; ++i) {
        const lsn_t lsn = begin + lsn_t(i);
        unsigned char* sector = bytes + std::size_t(i) * SectorBytes;
        bool ok = false;
        if (!t.bad.count(lsn)) {
            for (int attempt = 0; attempt <= settings.retries && !abortRequested; ++attempt) {
                if (layeredRead(t, lsn, 1, sector) == 1) {
                    ok = true;
                    break;
                }
                Q_EMIT q->ReadError();
            }
            if (!ok && !abortRequested) t.bad.insert(lsn);
        }
        if (!ok) std::memset(sector, 0, SectorBytes);
    }
    if (settings.safeMode) verifyReads(t, bytes, begin, sectors);
    limitRereads(t, bytes, begin, sectors);
    return sectors;
}

// Safe mode: a sector read counts only when a second read gives the same data. The sectors
// of `buffer` not yet known as unreadable or unverified are read again, a stretch at a time;
// each that differs (or cannot be read the second time) is settled on its own.
void CdGrabber::Private::verifyReads(TrackRead& t, unsigned char* buffer, lsn_t begin, long sectors) {
    const auto decided = [&t](lsn_t lsn) { return t.bad.count(lsn) || t.frozen.count(lsn); };
    std::vector<unsigned char> again;
    for (long i = 0; i < sectors && !abortRequested;) {
        if (decided(begin + lsn_t(i))) {
            ++i;
            continue;
        }
        long n = 1;
        while (i + n < sectors && !decided(begin + lsn_t(i + n))) ++n;
        again.assign(std::size_t(n) * SectorBytes, 0);
        const long got = std::max(layeredRead(t, begin + lsn_t(i), n, again.data()), 0L);
        for (long k = 0; k < n && !abortRequested; ++k) {
            unsigned char* first = buffer + std::size_t(i + k) * SectorBytes;
            const unsigned char* second = again.data() + std::size_t(k) * SectorBytes;
            if (k < got && std::memcmp(first, second, SectorBytes) == 0) continue;
            settleSector(t, begin + lsn_t(i + k), first, k < got ? second : nullptr);
        }
        i += n;
    }
}

// Two reads of a sector disagreed (or the second failed): it is read again, up to the
// retries, until two reads in a row agree. Each disagreement is a read error; a sector that
// never reads the same twice keeps its last read, is read as that from now on, and counts as
// unverified.
void CdGrabber::Private::settleSector(TrackRead& t, lsn_t lsn, unsigned char* sector, const unsigned char* secondRead) {
    if (secondRead) std::memcpy(sector, secondRead, SectorBytes);
    Q_EMIT q->ReadError();
    std::vector<unsigned char> read(SectorBytes);
    for (int attempt = 0; attempt < settings.retries && !abortRequested; ++attempt) {
        if (layeredRead(t, lsn, 1, read.data()) == 1) {
            if (std::memcmp(read.data(), sector, SectorBytes) == 0) return;
            std::memcpy(sector, read.data(), SectorBytes);
        }
        Q_EMIT q->ReadError();
    }
    if (abortRequested) return;
    const auto* values = reinterpret_cast<const std::int16_t*>(sector);
    t.frozen.try_emplace(lsn, values, values + SectorValues);
    if (lsn >= t.first && lsn <= t.last) t.unverified.insert(lsn);
}

// A sector whose reads never agree would keep never-skip paranoia reading it for ever: past
// a limit of changes it reads the same each time and counts as unverified.
void CdGrabber::Private::limitRereads(TrackRead& t, unsigned char* buffer, lsn_t begin, long sectors) {
    for (long i = 0; i < sectors; ++i) {
        const lsn_t lsn = begin + lsn_t(i);
        if (t.bad.count(lsn)) continue;
        unsigned char* sector = buffer + std::size_t(i) * SectorBytes;
        auto frozen = t.frozen.find(lsn);
        if (frozen != t.frozen.end()) {
            std::memcpy(sector, frozen->second.data(), SectorBytes);
            continue;
        }
        // FNV-style over 8-byte words: a byte-wise chain of 2352 multiplies per sector cost a
        // third of a rip.
        std::uint64_t hash = 1469598103934665603ull;
        for (int b = 0; b + 8 <= SectorBytes; b += 8) {
            std::uint64_t word = 0;
            std::memcpy(&word, sector + b, 8);
            hash = (hash ^ word) * 1099511628211ull;
            hash ^= hash >> 29;
        }
        auto [it, first] = t.reads.try_emplace(lsn);
        if (!first && it->second.hash != hash) ++it->second.changes;
        it->second.hash = hash;
        if (it->second.changes > t.rereadLimit) {
            const auto* values = reinterpret_cast<const std::int16_t*>(sector);
            t.frozen.try_emplace(lsn, values, values + SectorValues);
            markUnverified(t, lsn);
        }
    }
}

void CdGrabber::Private::flushConcealment(TrackRead& t, const std::int16_t* nextGood, SampleBlock& out) {
    // Unreadable sectors become a straight line from the last good frame to the next one.
    const std::int64_t frames = std::int64_t(t.concealSectors) * CdGrabber::FramesPerSector;
    for (std::int64_t f = 0; f < frames; ++f) {
        for (int c = 0; c < 2; ++c) {
            const double from = t.lastGood[c];
            const double to = nextGood ? nextGood[c] : 0.0;
            const double v = from + (to - from) * double(f + 1) / double(frames + 1);
            out.push_back(std::int16_t(std::lround(v)));
        }
    }
    t.concealSectors = 0;
}

// Appends one delivered sector to `out` by the error action. False when the read must stop.
bool CdGrabber::Private::deliverSector(TrackRead& t, const std::int16_t* data, SampleBlock& out) {
    const lsn_t lsn = t.next;
    const bool unreadable = t.bad.count(lsn) != 0;
    if (!unreadable && !t.unverified.count(lsn)) {
        if (t.concealSectors) flushConcealment(t, data, out);
        out.insert(out.end(), data, data + SectorValues);
        t.lastGood[0] = data[SectorValues - 2];
        t.lastGood[1] = data[SectorValues - 1];
        return true;
    }
    ++t.errorBlocks;
    t.errorSectors.push_back(lsn);
    switch (settings.errorAction) {
    case 0:
        fail(CdGrabber::ErrorRead,
             (unreadable ? CdGrabber::tr("Sector %1 of track %2 could not be read at all after %3 retries; the read was stopped.")
                         : CdGrabber::tr("Sector %1 of track %2 could not be read consistently after %3 retries; the read was stopped."))
                 .arg(lsn - t.first)
                 .arg(t.track)
                 .arg(settings.retries));
        return false;
    case 1:
        out.insert(out.end(), SectorValues, 0);
        return true;
    case 2:
        return true;
    default:
        if (!unreadable) {
            // Paranoia's best reconstruction stands.
            if (t.concealSectors) flushConcealment(t, data, out);
            out.insert(out.end(), data, data + SectorValues);
            t.lastGood[0] = data[SectorValues - 2];
            t.lastGood[1] = data[SectorValues - 1];
            return true;
        }
        ++t.concealSectors;
        return true;
    }
}

void CdGrabber::Private::progress(TrackRead& t) {
    const lsn_t total = t.last - t.first + 1;
    const int percent = int(std::int64_t(t.next - t.first) * 100 / std::max<lsn_t>(total, 1));
    if (percent != t.lastPercent) {
        t.lastPercent = percent;
        Q_EMIT q->Progress(percent);
    }
}

void CdGrabber::Private::handOut(TrackRead& t, const SampleBlock& produced, SampleBlock& out) {
    auto from = std::int64_t(0);
    const auto size = std::int64_t(produced.size());
    const std::int64_t skip = std::min(t.skipValues, size);
    t.skipValues -= skip;
    from += skip;
    const std::int64_t take = std::min(size - from, t.valuesLeft);
    t.valuesLeft -= take;
    out.insert(out.end(), produced.begin() + from, produced.begin() + from + take);
}

CdGrabber::ReadWindow CdGrabber::readWindow(std::int32_t first, std::int32_t last, std::int32_t leadOut, int offset) {
    const auto floorDiv = [](std::int64_t a, std::int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); };
    const std::int64_t begin = std::int64_t(first) * FramesPerSector + offset;      // first frame wanted
    const std::int64_t end = (std::int64_t(last) + 1) * FramesPerSector + offset;   // one past the last
    const std::int64_t discEnd = std::int64_t(leadOut) * FramesPerSector;
    ReadWindow w;
    const std::int64_t readFrom = std::max<std::int64_t>(begin, 0);
    const std::int64_t readTo = std::min(end, discEnd);
    w.zerosBefore = readFrom - begin;
    w.zerosAfter = end - std::max(readTo, readFrom);
    if (readTo <= readFrom) {  // nothing of the disc: silence only
        w.zerosBefore = end - begin;
        w.zerosAfter = 0;
        return w;
    }
    w.first = std::int32_t(floorDiv(readFrom, FramesPerSector));
    w.last = std::int32_t(floorDiv(readTo - 1, FramesPerSector));
    w.skipFrames = readFrom - std::int64_t(w.first) * FramesPerSector;
    return w;
}

void CdGrabber::Private::finish(TrackRead& t, int result) {
    t.done = true;
    if (result == CdGrabber::FinishedFailed) t.failed = true;
    if (result == CdGrabber::FinishedAborted) t.aborted = true;
    Q_EMIT q->ReadFinished(result);
}

bool CdGrabber::Private::openTrack(int number) {
    Drive* dr = trackDrive(number);
    if (!dr) return false;
    std::unique_ptr<TrackRead> t = planTrack(*dr, number);
    if (!startParanoia(*dr, *t)) {
        fail(CdGrabber::ErrorDevice, CdGrabber::tr("%1 cannot read audio.").arg(dr->source));
        return false;
    }
    track = std::move(t);
    abortRequested = false;
    closeRequested = false;
    return true;
}

// The current drive when it holds audio track `number` (0: audio hidden before track 1). Null,
// with the reason set, otherwise.
CdGrabber::Private::Drive* CdGrabber::Private::trackDrive(int number) {
    Drive* dr = currentDrive();
    if (!dr) {
        fail(CdGrabber::ErrorNoDrive, CdGrabber::tr("There is no CD drive."));
        return nullptr;
    }
    if (dr->toc.trackStarts.empty() || !dr->cdio) {
        fail(CdGrabber::ErrorNoDisc, CdGrabber::tr("There is no audio disc in %1.").arg(dr->source));
        return nullptr;
    }
    if (number == 0 && dr->hiddenAudio) return dr;
    const int index = number - dr->firstTrack;
    if (index < 0 || index >= dr->toc.trackCount() || !dr->audio[std::size_t(index)]) {
        fail(CdGrabber::ErrorBadTrack, CdGrabber::tr("The disc in %1 has no audio track %2.").arg(dr->source, QString::number(number)));
        return nullptr;
    }
    return dr;
}

// The sectors to read for a track, shifted by a real drive's read offset.
std::unique_ptr<CdGrabber::Private::TrackRead> CdGrabber::Private::planTrack(const Drive& dr, int number) const {
    auto t = std::make_unique<TrackRead>();
    t->driveIndex = current;
    t->track = number;
    t->realDrive = !dr.image;
    t->layer = layer;
    const SectorSpan span = spanOf(dr, number);
    t->first = span.first;
    t->last = span.last;
    t->trackFrames = std::int64_t(t->last - t->first + 1) * FramesPerSector;
    t->valuesLeft = t->trackFrames * Channels;
    const int offset = settings.offsetFor(dr.model).samples;  // the drive's own, or the default
    if (t->realDrive && offset != 0) {
        // An enhanced CD's audio session ends in a lead-out of its own, which no drive reads.
        const ReadWindow w = CdGrabber::readWindow(t->first, t->last, dr.toc.audioEnd(), offset);
        t->first = w.first;
        t->last = w.last;
        t->skipValues = w.skipFrames * Channels;
        t->zerosBefore = w.zerosBefore * Channels;
        t->zerosAfter = w.zerosAfter * Channels;
    }
    t->next = t->first;
    return t;
}

// Opens the drive for paranoia, hooks its reads and sets the read mode. False when the drive
// cannot read audio; nothing stays open then.
bool CdGrabber::Private::startParanoia(Drive& dr, TrackRead& t) {
    char* messages = nullptr;
    t.drive = cdio_cddap_identify_cdio(dr.cdio, CDDA_MESSAGE_FORGETIT, &messages);
    if (messages) cdio_cddap_free_messages(messages);
    if (!t.drive || cdio_cddap_open(t.drive) != 0) {
        if (t.drive) cdio_cddap_close_no_free_cdio(t.drive);
        return false;
    }
    cdio_cddap_verbose_set(t.drive, CDDA_MESSAGE_FORGETIT, CDDA_MESSAGE_FORGETIT);
    prepareDrive(dr, t);
    t.deviceRead = t.drive->read_audio;
    t.drive->read_audio = &Private::readThrough;
    const int mode = paranoiaMode(t);
    t.paranoia = cdio_paranoia_init(t.drive);
    if (!t.paranoia) {
        t.drive->read_audio = t.deviceRead;
        cdio_cddap_close_no_free_cdio(t.drive);
        return false;
    }
    t.rereadLimit = 2 * t.paranoiaRetries + 10;
    cdio_paranoia_modeset(t.paranoia, mode);
    cdio_paranoia_seek(t.paranoia, t.first, SEEK_SET);
    return true;
}

// Speed, tray lock and spin-up only mean something to a real drive.
void CdGrabber::Private::prepareDrive(Drive& dr, TrackRead& t) {
    if (!t.realDrive) return;
    if (settings.driveSpeed > 0) cdio_set_speed(dr.cdio, settings.driveSpeed);
    if (settings.lockTray) t.trayLocked = mmc_prevent_allow_medium_removal(dr.cdio, false, true, 0) == DRIVER_OP_SUCCESS;
    if (settings.spinUpTime > 0) {
        std::vector<char> sector(SectorBytes);
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < settings.spinUpTime &&
               cdio_read_audio_sector(dr.cdio, sector.data(), t.first) == DRIVER_OP_SUCCESS) {
        }
    }
}

// The paranoia mode of the settings' read mode; sets the track's retry limit to go with it.
int CdGrabber::Private::paranoiaMode(TrackRead& t) const {
    // Paranoia checks its retry limit only on every fifth retry: keep it a multiple of five.
    t.paranoiaRetries = (std::max(settings.retries, 1) + 4) / 5 * 5;
    switch (settings.readMode) {
    case 2:  // jitter correction: overlapped reads, verified so that tones read exactly
        return PARANOIA_MODE_VERIFY | PARANOIA_MODE_OVERLAP;
    case 3:  // full paranoia, twice the verification attempts
        t.paranoiaRetries *= 2;
        return PARANOIA_MODE_FULL ^ PARANOIA_MODE_NEVERSKIP;
    case 4:  // full paranoia, never skipping, small reads
        t.paranoiaRetries *= 2;
        t.drive->nsectors = std::min(t.drive->nsectors, 8);
        return PARANOIA_MODE_FULL;
    default:
        return PARANOIA_MODE_DISABLE;
    }
}

void CdGrabber::Private::closeTrack() {
    if (!track) return;
    TrackRead& t = *track;
    if (t.paranoia) cdio_paranoia_free(t.paranoia);
    if (t.drive) {
        t.drive->read_audio = t.deviceRead;
        cdio_cddap_close_no_free_cdio(t.drive);
    }
    if (t.trayLocked && t.driveIndex < int(drives.size()) && drives[std::size_t(t.driveIndex)]->cdio)
        mmc_prevent_allow_medium_removal(drives[std::size_t(t.driveIndex)]->cdio, false, false, 0);
    closedErrorBlocks = t.errorBlocks;
    closedErrorSectors = t.errorSectors;
    track.reset();
}

SampleBlock CdGrabber::ReadBlock(int& blockSize) {
    SampleBlock out;
    const auto want = std::size_t(std::max(blockSize - blockSize % Channels, Channels));
    blockSize = 0;
    Private::TrackRead* t = d->readableTrack();
    if (!t) return out;
    d->busy = true;
    out.reserve(want);
    // Values left over from the last sector of the previous block come first.
    while (t->pendingPos < t->pending.size() && out.size() < want) out.push_back(t->pending[t->pendingPos++]);
    if (t->zerosBefore > 0) {
        const SampleBlock silence(std::size_t(t->zerosBefore), 0);
        t->zerosBefore = 0;
        t->skipValues = 0;
        d->handOut(*t, silence, out);
    }
    d->readSectors(*t, out, want);
    d->keepOverflow(*t, out, want);
    d->busy = false;
    if (t->failed || t->aborted) out.clear();
    if (d->closeRequested) d->closeTrack();
    blockSize = int(out.size());
    return out;
}

// The open track when ReadBlock may read it; null, with the reason set unless the track's
// read already ended in failure, otherwise.
CdGrabber::Private::TrackRead* CdGrabber::Private::readableTrack() {
    if (busy) {
        fail(ErrorBusy, CdGrabber::tr("The drive is being read."));
        return nullptr;
    }
    if (!track) {
        fail(ErrorNotOpen, CdGrabber::tr("No track is open."));
        return nullptr;
    }
    if (track->failed || track->aborted) return nullptr;  // the error stays as it was set
    succeed();
    return track.get();
}

// Reads sectors through paranoia until `out` holds `want` values or the read ends.
void CdGrabber::Private::readSectors(TrackRead& t, SampleBlock& out, std::size_t want) {
    SampleBlock produced;
    while (out.size() < want && !t.done) {
        if (abortRequested) {
            fail(ErrorAborted, CdGrabber::tr("The read was aborted."));
            finish(t, FinishedAborted);
            return;
        }
        if (t.next > t.last) return endTrack(t, out);
        reading = this;
        const std::int16_t* data = cdio_paranoia_read_limited(t.paranoia, &Private::paranoiaEvent, t.paranoiaRetries);
        reading = nullptr;
        if (abortRequested) continue;
        if (!data) {
            fail(ErrorRead, CdGrabber::tr("Track %1 could not be read.").arg(t.track));
            return finish(t, FinishedFailed);
        }
        produced.clear();
        const bool ok = deliverSector(t, data, produced);
        ++t.next;
        if (!ok) return finish(t, FinishedFailed);
        handOut(t, produced, out);
        progress(t);
    }
}

// Past the last sector: what concealment still holds, the silence a read offset puts after
// the disc's end, and the end of the read.
void CdGrabber::Private::endTrack(TrackRead& t, SampleBlock& out) {
    SampleBlock produced;
    if (t.concealSectors) {
        flushConcealment(t, nullptr, produced);
        handOut(t, produced, out);
    }
    produced.assign(std::size_t(std::max<std::int64_t>(t.zerosAfter, 0)), 0);
    t.zerosAfter = 0;
    handOut(t, produced, out);
    finish(t, FinishedWhole);
}

// Values past `want` wait for the next block.
void CdGrabber::Private::keepOverflow(TrackRead& t, SampleBlock& out, std::size_t want) {
    if (out.size() > want) {
        t.pending.assign(out.begin() + std::ptrdiff_t(want), out.end());
        t.pendingPos = 0;
        out.resize(want);
    } else if (t.pendingPos >= t.pending.size()) {
        t.pending.clear();
        t.pendingPos = 0;
    }
}
