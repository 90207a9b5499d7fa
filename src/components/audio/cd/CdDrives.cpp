// The grabber's drives: the system's CD drives and the opened images, their tables of contents,
// the .cda stubs that show their tracks, and the poll that notices a changed disc.
#include "components/audio/cd/CdGrabberPrivate.h"
#include "components/audio/cd/LocalDiscInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>

namespace {

void putLe16(QByteArray& b, int v) {
    b.append(char(v & 0xff));
    b.append(char((v >> 8) & 0xff));
}
void putLe32(QByteArray& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.append(char((v >> (8 * i)) & 0xff));
}
// Minutes, seconds and frames as the stub stores them: frame, second, minute, zero.
void putMsf(QByteArray& b, std::int32_t sectors) {
    b.append(char(sectors % 75));
    b.append(char((sectors / 75) % 60));
    b.append(char(sectors / (75 * 60)));
    b.append(char(0));
}

QByteArray cdaStub(int track, std::uint32_t serial, std::int32_t start, std::int32_t length) {
    QByteArray b;
    b.append("RIFF");
    putLe32(b, 36);
    b.append("CDDAfmt ");
    putLe32(b, 24);
    putLe16(b, 1);  // version
    putLe16(b, track);
    putLe32(b, serial);
    putLe32(b, std::uint32_t(start));
    putLe32(b, std::uint32_t(length));
    putMsf(b, start + PreGap);
    putMsf(b, length);
    return b;
}

}  // namespace

QString CdGrabber::Private::uniqueName(QString base) const {
    auto taken = [&](const QString& n) {
        return std::any_of(drives.begin(), drives.end(), [&](const auto& dr) { return dr->name == n; });
    };
    if (!taken(base)) return base;
    for (int i = 2;; ++i)
        if (!taken(base + QLatin1Char('-') + QString::number(i))) return base + QLatin1Char('-') + QString::number(i);
}

// The system's CD drives, in the order libcdio lists them.
void CdGrabber::Private::addDevices() {
    char** devices = cdio_get_devices(DRIVER_DEVICE);
    if (!devices) return;
    for (char** p = devices; *p; ++p) {
        auto dr = std::make_unique<Drive>();
        dr->source = QString::fromLocal8Bit(*p);
        dr->name = uniqueName(QFileInfo(dr->source).fileName());
        refresh(*dr);
        drives.push_back(std::move(dr));
    }
    cdio_free_device_list(devices);
}

// Reads the table of contents from the drive's libcdio handle.
void CdGrabber::Private::readToc(Drive& dr) {
    dr.toc = {};
    dr.audio.clear();
    if (!dr.cdio) return;
    const track_t firstTrack = cdio_get_first_track_num(dr.cdio);
    const track_t count = cdio_get_num_tracks(dr.cdio);
    if (firstTrack == CDIO_INVALID_TRACK || count == CDIO_INVALID_TRACK || count == 0) return;
    bool anyAudio = false;
    for (track_t t = firstTrack; t < firstTrack + count; ++t) {
        dr.toc.trackStarts.push_back(cdio_get_track_lsn(dr.cdio, t));
        const bool audio = cdio_get_track_format(dr.cdio, t) == TRACK_FORMAT_AUDIO;
        dr.audio.push_back(audio);
        anyAudio = anyAudio || audio;
    }
    dr.toc.leadOut = cdio_get_track_lsn(dr.cdio, CDIO_CDROM_LEADOUT_TRACK);
    dr.toc.audio = dr.audio;
    dr.firstTrack = firstTrack;
    if (!anyAudio) {
        dr.toc = {};
        dr.audio.clear();
    }
    dr.hiddenAudio = pregapHoldsAudio(dr);
}

// Whether sectors 0 up to an audio track 1 hold anything but digital silence. A sector that
// cannot be read ends the search: what cannot be read cannot be ripped either.
bool CdGrabber::Private::pregapHoldsAudio(const Drive& dr) {
    if (!dr.cdio || dr.toc.trackStarts.empty() || !dr.toc.isAudio(1) || dr.toc.trackStarts.front() <= 0) return false;
    constexpr lsn_t kChunk = 75;
    std::vector<char> buffer(std::size_t(kChunk) * SectorBytes);
    for (lsn_t lsn = 0; lsn < dr.toc.trackStarts.front(); lsn += kChunk) {
        const lsn_t n = std::min<lsn_t>(kChunk, dr.toc.trackStarts.front() - lsn);
        if (cdio_read_audio_sectors(dr.cdio, buffer.data(), lsn, unsigned(n)) != DRIVER_OP_SUCCESS) return false;
        const auto end = buffer.begin() + std::ptrdiff_t(n) * SectorBytes;
        if (std::any_of(buffer.begin(), end, [](char b) { return b != 0; })) return true;
    }
    return false;
}

CdGrabber::Private::SectorSpan CdGrabber::Private::spanOf(const Drive& dr, int number) {
    if (number == 0) return {0, dr.toc.trackStarts.front() - 1};
    const auto i = std::size_t(number - dr.firstTrack);
    const lsn_t next = i + 1 < dr.toc.trackStarts.size() ? dr.toc.trackStarts[i + 1] : dr.toc.leadOut;
    return {dr.toc.trackStarts[i], std::min(next, dr.toc.audioEnd()) - 1};
}

void CdGrabber::Private::removeStubs(const Drive& dr) { QDir(folderOf(dr)).removeRecursively(); }

// One TrackNN.cda per audio track, Track00.cda for audio hidden before track 1; no folder
// when the drive holds no audio disc.
void CdGrabber::Private::writeStubs(const Drive& dr) {
    removeStubs(dr);
    if (dr.toc.trackStarts.empty()) return;
    const QString folder = folderOf(dr);
    QDir().mkpath(folder);
    const std::uint32_t serial = cddbDiscId(dr.toc).toUInt(nullptr, 16);
    const auto write = [&](int number, lsn_t start, lsn_t end) {
        QFile f(folder + QStringLiteral("/Track%1.cda").arg(number, 2, 10, QLatin1Char('0')));
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(cdaStub(number, serial, start, end - start));
    };
    for (int i = dr.hiddenAudio ? -1 : 0; i < dr.toc.trackCount(); ++i) {
        if (i >= 0 && !dr.audio[std::size_t(i)]) continue;
        const int number = i < 0 ? 0 : dr.firstTrack + i;
        const SectorSpan span = spanOf(dr, number);
        write(number, span.first, span.last + 1);
    }
}

void CdGrabber::Private::refresh(Drive& dr) {
    if (!dr.image) {
        if (dr.cdio) cdio_destroy(dr.cdio);
        dr.cdio = cdio_open(dr.source.toLocal8Bit().constData(), DRIVER_DEVICE);
        dr.model = hardwareName(dr.cdio);
    }
    readToc(dr);
    writeStubs(dr);
}

// "VENDOR MODEL" as the drive answers an inquiry; empty when it does not.
QString CdGrabber::Private::hardwareName(CdIo_t* cdio) {
    cdio_hwinfo_t info{};
    if (!cdio || !cdio_get_hwinfo(cdio, &info)) return {};
    const auto field = [](const char* text, std::size_t size) {
        return QString::fromLatin1(text, qsizetype(strnlen(text, size))).simplified();
    };
    return (field(info.psz_vendor, sizeof info.psz_vendor) + QLatin1Char(' ') + field(info.psz_model, sizeof info.psz_model))
        .simplified();
}

void CdGrabber::Private::pollMedia() {
    bool changed = false;
    for (auto& dr : drives) {
        if (dr->image || !dr->cdio) continue;
        if (track && drives[std::size_t(track->driveIndex)].get() == dr.get()) continue;
        if (cdio_get_media_changed(dr->cdio) == 1) {
            // The handle keeps the old disc's table of contents: open the drive afresh.
            refresh(*dr);
            changed = true;
        }
    }
    if (changed) Q_EMIT q->DiscChanged();
}
