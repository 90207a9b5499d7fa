// The checks a disc image passes before it becomes a drive: libcdio ends the program on some
// damaged sheets, and a missing, damaged or truncated image is refused here with a reason.
#include "components/audio/cd/CdGrabberPrivate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdlib>

namespace {

// The data files a cue sheet or cdrdao TOC file names, as absolute paths.
QStringList dataFilesOf(const QString& path) {
    QFile f(path);
    QStringList files;
    if (!f.open(QIODevice::ReadOnly)) return files;
    static const QRegularExpression re(
        QStringLiteral("^\\s*(?:FILE|AUDIOFILE|DATAFILE)\\s+(?:\"([^\"]+)\"|(\\S+))"),
        QRegularExpression::CaseInsensitiveOption);
    const QDir dir = QFileInfo(path).absoluteDir();
    const QStringList lines = QString::fromLocal8Bit(f.read(1 << 20)).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const auto m = re.match(line);
        if (!m.hasMatch()) continue;
        const QString name = m.captured(1).isEmpty() ? m.captured(2) : m.captured(1);
        if (name == QLatin1String("-")) continue;  // cdrdao's standard input
        files << dir.absoluteFilePath(name);
    }
    files.removeDuplicates();
    return files;
}

// Whether libcdio may be given the sheet: its readers stop a line at a NUL byte, and its TOC
// reader divides by the sector size of a track's mode where it works out a length from the
// data file's size. That size is 0 for a TRACK line without a mode it knows, and for the
// MODE2, MODE2_FORM1 and MODE2_FORM2 modes: such a track whose data file line gives no length
// ends the program with a division by zero.
bool sheetIsSafe(const QString& path, bool toc) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray text = f.read(1 << 20);
    if (text.contains('\0')) return false;
    if (!toc) return true;
    static const QList<QByteArray> modes{"AUDIO",       "MODE0",       "MODE1",          "MODE1_RAW", "MODE2",
                                         "MODE2_FORM1", "MODE2_FORM2", "MODE2_FORM_MIX", "MODE2_RAW"};
    static const QList<QByteArray> unsized{"MODE2", "MODE2_FORM1", "MODE2_FORM2"};
    QByteArray mode;
    for (const QByteArray& raw : text.split('\n')) {
        const QByteArray line = raw.simplified();
        const qsizetype space = line.indexOf(' ');
        const QByteArray keyword = space < 0 ? line : line.left(space);
        if (keyword == "TRACK") {
            mode = line.split(' ').value(1);
            if (!modes.contains(mode)) return false;
        } else if ((keyword == "FILE" || keyword == "AUDIOFILE" || keyword == "DATAFILE") && unsized.contains(mode)) {
            // The words after the file name: FILE takes a start and then the length, DATAFILE the
            // length first.
            const QByteArray rest = line.mid(keyword.size() + 1);
            const qsizetype nameEnd = rest.startsWith('"') ? rest.indexOf('"', 1) : rest.indexOf(' ');
            const QByteArray after = nameEnd < 0 ? QByteArray() : rest.mid(nameEnd + 1).simplified();
            const QList<QByteArray> words = after.isEmpty() ? QList<QByteArray>() : after.split(' ');
            // A length of 0 means "to the end of the file" as well.
            static const QRegularExpression nonZero(QStringLiteral("[1-9]"));
            const QByteArray length = words.value(keyword == "DATAFILE" ? 0 : 1);
            if (!QString::fromLatin1(length).contains(nonZero)) return false;
        }
    }
    return true;
}

// libcdio looks for the data files of a cdrdao TOC file in the current directory; a copy
// that names them by absolute path reads from anywhere. Returns the path to open.
QString absoluteTocCopy(const QString& path, std::unique_ptr<QTemporaryDir>& holder) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return path;
    static const QRegularExpression re(QStringLiteral("^(\\s*(?:FILE|AUDIOFILE|DATAFILE)\\s+)\"([^\"]+)\""),
                                       QRegularExpression::CaseInsensitiveOption);
    const QDir dir = QFileInfo(path).absoluteDir();
    QStringList lines = QString::fromLocal8Bit(f.read(1 << 20)).split(QLatin1Char('\n'));
    for (QString& line : lines) {
        const auto m = re.match(line);
        if (!m.hasMatch() || QDir::isAbsolutePath(m.captured(2))) continue;
        line = m.captured(1) + QLatin1Char('"') + dir.absoluteFilePath(m.captured(2)) + QLatin1Char('"') +
               line.mid(m.capturedEnd(0));
    }
    holder = std::make_unique<QTemporaryDir>();
    if (!holder->isValid()) return path;
    QFile copy(holder->filePath(QFileInfo(path).fileName()));
    if (!copy.open(QIODevice::WriteOnly)) return path;
    copy.write(lines.join(QLatin1Char('\n')).toLocal8Bit());
    return copy.fileName();
}

}  // namespace

// Checks a disc image before libcdio reads it and returns what is wrong with it, if anything.
QString CdGrabber::Private::imageProblem(const QString& path, Drive& dr) {
    const QFileInfo info(path);
    const QString shown = info.fileName();
    if (!info.exists()) return CdGrabber::tr("The disc image %1 does not exist.").arg(path);
    if (!info.isFile() || !info.isReadable()) return CdGrabber::tr("The disc image %1 cannot be read.").arg(path);
    const QString suffix = info.suffix().toLower();
    QStringList data;
    if (suffix == QLatin1String("cue") || suffix == QLatin1String("toc")) {
        data = dataFilesOf(path);
        if (data.isEmpty())
            return CdGrabber::tr("%1 names no data file; it is not a cue sheet or TOC file of a disc image.").arg(shown);
        for (const QString& file : data) {
            if (!QFileInfo::exists(file))
                return CdGrabber::tr("The data file %1 that %2 names is missing.").arg(QFileInfo(file).fileName(), shown);
        }
    }
    if ((suffix == QLatin1String("cue") || suffix == QLatin1String("toc")) &&
        !sheetIsSafe(path, suffix == QLatin1String("toc")))
        return CdGrabber::tr("%1 is not a disc image that can be read (a .cue/.bin pair, a .toc or a .nrg file).").arg(shown);
    const QByteArray local =
        (suffix == QLatin1String("toc") ? absoluteTocCopy(path, dr.rewritten) : path).toLocal8Bit();
    const driver_id_t driver = suffix == QLatin1String("cue")   ? DRIVER_BINCUE
                               : suffix == QLatin1String("toc") ? DRIVER_CDRDAO
                               : suffix == QLatin1String("nrg") ? DRIVER_NRG
                                                                : DRIVER_UNKNOWN;
    if (driver == DRIVER_UNKNOWN && !cdio_is_nrg(local.constData()) && !cdio_is_tocfile(local.constData())) {
        char* cue = cdio_is_cuefile(local.constData());
        if (!cue) return CdGrabber::tr("%1 is not a disc image (a .cue/.bin pair, a .toc or a .nrg file).").arg(shown);
        free(cue);
    }
    dr.cdio = cdio_open(local.constData(), driver);
    if (!dr.cdio) return CdGrabber::tr("%1 is not a disc image that can be read (a .cue/.bin pair, a .toc or a .nrg file).").arg(shown);
    // Raw audio images hold whole sectors; anything else was cut short.
    if (suffix == QLatin1String("cue") && data.size() == 1 && QFileInfo(data.front()).size() % SectorBytes != 0)
        return CdGrabber::tr("The data file %1 ends in the middle of a sector: it is truncated.")
            .arg(QFileInfo(data.front()).fileName());
    readToc(dr);
    if (dr.toc.trackStarts.empty()) return CdGrabber::tr("%1 holds no audio track.").arg(shown);
    for (int i = 0; i < dr.toc.trackCount(); ++i) {
        // Paranoia never gets past a sector before the first one: its reads are retried forever.
        if (dr.toc.trackStarts[std::size_t(i)] < 0)
            return CdGrabber::tr("Track %1 of %2 starts before the beginning of its data: the image is damaged.")
                .arg(dr.firstTrack + i)
                .arg(shown);
        const std::int32_t end = i + 1 < dr.toc.trackCount() ? dr.toc.trackStarts[std::size_t(i) + 1] : dr.toc.leadOut;
        if (end <= dr.toc.trackStarts[std::size_t(i)])
            return CdGrabber::tr("Track %1 of %2 lies beyond the end of its data: the image is truncated.")
                .arg(dr.firstTrack + i)
                .arg(shown);
    }
    std::vector<char> sector(SectorBytes);
    if (cdio_read_audio_sector(dr.cdio, sector.data(), dr.toc.leadOut - 1) != DRIVER_OP_SUCCESS)
        return CdGrabber::tr("The last sector of %1 cannot be read: the image is truncated.").arg(shown);
    return {};
}
