#include "components/audio/cd/CdGrabberPrivate.h"
#include "components/audio/cd/LocalDiscInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cdio/cdtext.h>

#include <algorithm>

CdGrabber::CdGrabber(QObject* parent, QString stubRoot, bool findDevices) : QObject(parent), d(new Private) {
    d->q = this;
    if (stubRoot.isEmpty()) {
        QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (runtime.isEmpty()) runtime = QDir::tempPath();
        // One folder per running program, so that two of them never list or remove each
        // other's tracks; folders of programs that are gone (a crash) are cleared away.
        const QDir all(runtime + QStringLiteral("/velloria"));
        for (const QString& pid : all.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            bool numeric = false;
            pid.toLongLong(&numeric);
            if (numeric && !QFileInfo::exists(QStringLiteral("/proc/") + pid)) QDir(all.filePath(pid)).removeRecursively();
        }
        stubRoot = all.filePath(QString::number(QCoreApplication::applicationPid()));
    }
    d->stubRoot = QDir::cleanPath(stubRoot);
    if (findDevices) d->addDevices();
    if (!d->drives.empty()) {
        d->current = 0;
        // Disc changes are noticed by polling; libcdio reports them per drive handle.
        d->poll = new QTimer(this);
        d->poll->setInterval(1000);
        connect(d->poll, &QTimer::timeout, this, [this] { d->pollMedia(); });
        d->poll->start();
    }
}

CdGrabber::~CdGrabber() {
    d->closeTrack();
    for (const auto& dr : d->drives) d->removeStubs(*dr);
}

const GrabSettings& CdGrabber::settings() const { return d->settings; }
void CdGrabber::setSettings(const GrabSettings& settings) { d->settings = settings; }
int CdGrabber::DriveCount() const { return int(d->drives.size()); }
int CdGrabber::CurrentDrive() const { return d->current; }

void CdGrabber::setCurrentDrive(int index) {
    if (d->drives.empty() || index < 0) {
        d->current = d->drives.empty() ? -1 : d->current;
        return;
    }
    d->current = index % int(d->drives.size());
}

QString CdGrabber::RootText() const {
    const auto* dr = d->currentDrive();
    return dr ? d->folderOf(*dr) + QLatin1Char('/') : QString();
}

QString CdGrabber::driveSource() const {
    const auto* dr = d->currentDrive();
    return dr ? dr->source : QString();
}

bool CdGrabber::driveIsImage() const {
    const auto* dr = d->currentDrive();
    return dr && dr->image;
}

void CdGrabber::ReRead() {
    auto* dr = d->currentDrive();
    if (!dr) return d->fail(ErrorNoDrive, tr("There is no CD drive."));
    // Re-reading a drive while one of its tracks is open would end that track's read.
    if (d->busy || (d->track && d->track->driveIndex == d->current))
        return d->fail(ErrorBusy, tr("The drive is being read."));
    d->refresh(*dr);
    d->succeed();
}

DiscToc CdGrabber::toc() const {
    const auto* dr = d->currentDrive();
    return dr ? dr->toc : DiscToc{};
}

DiscInfo CdGrabber::cdText(bool* found) const {
    DiscInfo info;
    if (found) *found = false;
    const auto* dr = d->currentDrive();
    if (!dr || !dr->cdio || dr->toc.trackStarts.empty()) return info;
    cdtext_t* text = cdio_get_cdtext(dr->cdio);
    if (!text) return info;
    const auto field = [text](cdtext_field_t f, track_t track) {
        const char* value = cdtext_get_const(text, f, track);
        return value ? QString::fromUtf8(value).trimmed() : QString();
    };
    info.discId = cddbDiscId(dr->toc);
    info.album = field(CDTEXT_FIELD_TITLE, 0);
    info.artist = field(CDTEXT_FIELD_PERFORMER, 0);
    info.genre = field(CDTEXT_FIELD_GENRE, 0);
    bool any = !info.album.isEmpty() || !info.artist.isEmpty();
    for (int i = 0; i < dr->toc.trackCount(); ++i) {
        const auto track = track_t(dr->firstTrack + i);
        info.trackTitles << field(CDTEXT_FIELD_TITLE, track);
        info.trackArtists << field(CDTEXT_FIELD_PERFORMER, track);
        info.isrcs << field(CDTEXT_FIELD_ISRC, track);
        any = any || !info.trackTitles.last().isEmpty() || !info.trackArtists.last().isEmpty();
    }
    if (found) *found = any;
    return info;
}

QString CdGrabber::isrc(int track) const {
    const auto* dr = d->currentDrive();
    if (!dr || !dr->cdio || d->busy) return {};
    char* code = cdio_get_track_isrc(dr->cdio, track_t(track));
    QString text = code ? QString::fromLatin1(code).trimmed() : QString();
    cdio_free(code);
    // Drives report a track without one as blanks or zeros.
    static const QRegularExpression valid(QStringLiteral("^[A-Z]{2}[A-Z0-9]{3}[0-9]{7}$"));
    return valid.match(text).hasMatch() ? text : QString();
}

int CdGrabber::audioTrackCount() const {
    const auto* dr = d->currentDrive();
    return dr ? int(std::count(dr->audio.begin(), dr->audio.end(), true)) : 0;
}

int CdGrabber::OpenImage(const QString& path) {
    auto dr = std::make_unique<Private::Drive>();
    dr->image = true;
    dr->source = QFileInfo(path).absoluteFilePath();
    const QString problem = d->imageProblem(path, *dr);
    if (!problem.isEmpty()) {
        d->fail(ErrorImage, problem);
        return -1;
    }
    dr->name = d->uniqueName(QFileInfo(path).fileName());
    d->writeStubs(*dr);
    d->drives.push_back(std::move(dr));
    d->current = int(d->drives.size()) - 1;
    d->succeed();
    return d->current;
}

void CdGrabber::OpenTrack(int track) {
    if (d->busy) return d->fail(ErrorBusy, tr("The drive is being read."));
    d->closeTrack();
    d->closedErrorBlocks = 0;
    d->closedErrorSectors.clear();
    if (d->openTrack(track)) d->succeed();
}


std::int64_t CdGrabber::TrackLength() const {
    if (!d->track) return 0;
    return d->track->trackFrames;
}

int CdGrabber::errorBlocks() const { return d->track ? d->track->errorBlocks : d->closedErrorBlocks; }

std::vector<std::int32_t> CdGrabber::errorSectors() const {
    const std::vector<lsn_t>& sectors = d->track ? d->track->errorSectors : d->closedErrorSectors;
    return {sectors.begin(), sectors.end()};
}

CdGrabber::DriveInquiry CdGrabber::driveInquiry() const {
    const auto* dr = d->currentDrive();
    if (!dr || dr->image || !dr->cdio || d->busy) return {};
    cdio_hwinfo_t hw{};
    if (!cdio_get_hwinfo(dr->cdio, &hw)) return {};
    return {QString::fromLatin1(hw.psz_vendor).trimmed(), QString::fromLatin1(hw.psz_model).trimmed(),
            QString::fromLatin1(hw.psz_revision).trimmed()};
}

void CdGrabber::CloseTrack() {
    if (d->busy) {
        // Called from a handler inside ReadBlock: the read ends first, then the track closes.
        d->abortRequested = true;
        d->closeRequested = true;
        return;
    }
    d->closeTrack();
}

bool CdGrabber::Busy() const { return d->busy; }
void CdGrabber::Abort() { d->abortRequested = true; }
int CdGrabber::LastError() const { return d->lastError; }
QString CdGrabber::reason() const { return d->state.reason(); }
void CdGrabber::setDriveLayer(std::shared_ptr<CdDriveLayer> layer) { d->layer = std::move(layer); }

DiscLayout CdGrabber::layout() const {
    DiscLayout disc;
    const auto* dr = d->currentDrive();
    if (!dr || !dr->cdio || dr->toc.trackStarts.empty() || d->busy) return disc;
    disc.leadOut = dr->toc.leadOut;
    disc.audioEnd = dr->toc.audioEnd();
    for (int i = 0; i < dr->toc.trackCount(); ++i) {
        TrackLayout t;
        t.number = dr->firstTrack + i;
        const auto number = track_t(t.number);
        t.start = dr->toc.trackStarts[std::size_t(i)];
        t.audio = dr->audio[std::size_t(i)];
        const lsn_t pregap = cdio_get_track_pregap_lsn(dr->cdio, number);
        if (pregap != CDIO_INVALID_LSN && pregap >= 0 && pregap < t.start) t.pregap = t.start - pregap;
        // The disc's audio starts at sector 0: whatever lies before an audio track 1 is its pre-gap.
        if (i == 0 && t.audio) t.pregap = t.start;
        t.preEmphasis = cdio_get_track_preemphasis(dr->cdio, number) == CDIO_TRACK_FLAG_TRUE;
        t.copyPermitted = cdio_get_track_copy_permit(dr->cdio, number) == CDIO_TRACK_FLAG_TRUE;
        t.fourChannel = cdio_get_track_channels(dr->cdio, number) == 4;
        if (t.audio) t.isrc = isrc(t.number);
        disc.tracks.push_back(t);
    }
    // A track runs up to the next one's pre-gap; an audio track no further than the end of the
    // audio, a data track to the lead-out.
    for (std::size_t i = 0; i < disc.tracks.size(); ++i) {
        TrackLayout& t = disc.tracks[i];
        std::int32_t end = i + 1 < disc.tracks.size() ? disc.tracks[i + 1].start - disc.tracks[i + 1].pregap : disc.leadOut;
        if (t.audio) end = std::min(end, disc.audioEnd);
        t.length = end - t.start;
    }
    if (dr->hiddenAudio) {
        TrackLayout hidden = disc.tracks.front();
        hidden.number = 0;
        hidden.start = 0;
        hidden.length = disc.tracks.front().start;
        hidden.pregap = 0;
        hidden.isrc.clear();
        disc.tracks.insert(disc.tracks.begin(), hidden);
    }
    char* mcn = cdio_get_mcn(dr->cdio);
    const QString catalog = mcn ? QString::fromLatin1(mcn).trimmed() : QString();
    cdio_free(mcn);
    static const QRegularExpression digits(QStringLiteral("^[0-9]{13}$"));
    if (digits.match(catalog).hasMatch() && catalog != QStringLiteral("0000000000000")) disc.catalog = catalog;
    return disc;
}

bool CdGrabber::preEmphasis(int track) const {
    const auto* dr = d->currentDrive();
    if (!dr || !dr->cdio || dr->toc.trackStarts.empty()) return false;
    // The audio hidden in track 1's pre-gap carries track 1's control bits.
    const int number = std::max(track, dr->firstTrack);
    return number < dr->firstTrack + dr->toc.trackCount() &&
           cdio_get_track_preemphasis(dr->cdio, track_t(number)) == CDIO_TRACK_FLAG_TRUE;
}
