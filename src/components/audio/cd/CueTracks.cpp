#include "components/audio/cd/CueTracks.h"

#include "components/audio/codecs/Decoder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace cue {
namespace {

// A sheet is a few kilobytes; anything far larger is no sheet and is not read whole.
constexpr qint64 kMaxSheetBytes = 4 << 20;

QString frameTime(std::int64_t frames) {
    return QStringLiteral("%1:%2:%3")
        .arg(frames / (75 * 60), 2, 10, QLatin1Char('0'))
        .arg(frames / 75 % 60, 2, 10, QLatin1Char('0'))
        .arg(frames % 75, 2, 10, QLatin1Char('0'));
}

// Raw sectors: a BINARY or MOTOROLA file, or a .bin/.img/.raw file whatever type the sheet gives it
// (some tools call those WAVE).
bool isImageFile(const Index& i) {
    static const QStringList raw{QStringLiteral("bin"), QStringLiteral("img"), QStringLiteral("raw")};
    return i.fileType == QLatin1String("BINARY") || i.fileType == QLatin1String("MOTOROLA") ||
           raw.contains(QFileInfo(i.file).suffix().toLower());
}

// The sheet's text, or why it cannot be had.
std::optional<QByteArray> sheetText(const QString& path, QString& why) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        why = QCoreApplication::translate("CueSheet", "The CUE sheet %1 cannot be read: %2").arg(path, f.errorString());
        return std::nullopt;
    }
    if (f.size() > kMaxSheetBytes) {
        why = QCoreApplication::translate("CueSheet", "%1 is too large to be a CUE sheet.").arg(QFileInfo(path).fileName());
        return std::nullopt;
    }
    return f.read(kMaxSheetBytes);
}

// The tracks' cut points: each from its INDEX 01 to the next track's INDEX 01 in the same file,
// else to its file's end. False, with `why`, when a track would not start after the one before it.
bool cutTracks(const Sheet& sheet, const QDir& dir, AudioSheet& out, QString& why) {
    for (std::size_t i = 0; i < sheet.tracks.size(); ++i) {
        const Track& t = sheet.tracks[i];
        const Index* start = t.start();
        AudioTrack track{t.number, QDir::cleanPath(dir.absoluteFilePath(start->file)), start->frames, -1,
                         t.title, t.performer, t.isrc};
        if (i + 1 < sheet.tracks.size()) {
            const Index* next = sheet.tracks[i + 1].start();
            if (next->file == start->file) {
                if (next->frames <= start->frames) {
                    why = QCoreApplication::translate("CueSheet", "track %1 starts at %2, not after track %3 at %4")
                              .arg(sheet.tracks[i + 1].number).arg(frameTime(next->frames)).arg(t.number).arg(frameTime(start->frames));
                    return false;
                }
                track.end = next->frames;
            }
        }
        if (!out.files.contains(track.file)) out.files << track.file;
        out.tracks.push_back(track);
    }
    return true;
}

// Why `file` cannot give the tracks the sheet places in it, or nothing: it is missing, does not
// decode, or ends before the last index in it.
QString fileProblem(const Sheet& sheet, const QDir& dir, const QString& file, const QString& shown) {
    const QString name = QFileInfo(file).fileName();
    if (!QFileInfo(file).isFile()) return QCoreApplication::translate("CueSheet", "The audio file %1 that %2 names is missing.").arg(name, shown);
    std::int64_t last = 0;
    int lastTrack = 0;
    for (const Track& t : sheet.tracks)
        for (const Index& i : t.indexes)
            if (QDir::cleanPath(dir.absoluteFilePath(i.file)) == file && i.frames >= last) last = i.frames, lastTrack = t.number;
    Decoder decoder;
    try {
        decoder.open(file);
    } catch (const ComponentError& e) {
        return QCoreApplication::translate("CueSheet", "The audio file %1 that %2 names cannot be read: %3").arg(name, shown, e.description());
    }
    const std::int64_t length = decoder.lengthFrames();
    // A file that states no length is checked as it is read.
    if (length > 0 && length <= samplesAt(last, decoder.sampleRate()))
        return QCoreApplication::translate("CueSheet", "The audio file %1 is too short for %2: it ends at %3, and track %4 starts at %5.")
            .arg(name, shown, frameTime(length * 75 / decoder.sampleRate()), QString::number(lastTrack), frameTime(last));
    return {};
}

}  // namespace

const AudioTrack* AudioSheet::track(int number) const {
    for (const AudioTrack& t : tracks)
        if (t.number == number) return &t;
    return nullptr;
}

bool isSheetPath(const QString& path) { return QFileInfo(path).suffix().compare(QLatin1String("cue"), Qt::CaseInsensitive) == 0; }

bool isDiscImageSheet(const QString& path) {
    QString why;
    const std::optional<QByteArray> text = sheetText(path, why);
    if (!text) return false;
    const Sheet sheet = parse(*text, &why);
    if (sheet.tracks.empty()) {
        static const QRegularExpression image(QStringLiteral("\\b(BINARY|MOTOROLA)\\b"), QRegularExpression::CaseInsensitiveOption);
        return image.match(QString::fromLatin1(*text)).hasMatch();
    }
    for (const Track& t : sheet.tracks) {
        if (t.type != QLatin1String("AUDIO")) return true;
        for (const Index& i : t.indexes)
            if (isImageFile(i)) return true;
    }
    return false;
}

AudioSheet readAudioSheet(const QString& path, bool checkFiles) {
    AudioSheet out;
    out.path = path;
    const QString shown = QFileInfo(path).fileName();
    QString why;
    const std::optional<QByteArray> text = sheetText(path, why);
    if (!text) {
        out.refusal = why;
        return out;
    }
    const Sheet sheet = parse(*text, &why);
    if (sheet.tracks.empty()) {
        out.refusal = QCoreApplication::translate("CueSheet", "%1 is not a CUE sheet that can be read: %2.").arg(shown, why);
        return out;
    }
    out.title = sheet.title;
    out.performer = sheet.performer;
    out.catalog = sheet.catalog;
    out.remarks = sheet.remarks;
    const QDir dir = QFileInfo(path).absoluteDir();
    if (!cutTracks(sheet, dir, out, why)) {
        out.refusal = QCoreApplication::translate("CueSheet", "%1 cannot be cut into tracks: %2.").arg(shown, why);
    } else if (checkFiles) {
        for (const QString& file : std::as_const(out.files))
            if (out.refusal = fileProblem(sheet, dir, file, shown); !out.refusal.isEmpty()) break;
    }
    if (!out.refusal.isEmpty()) out.tracks.clear();
    return out;
}

QStringList trackEntries(const AudioSheet& sheet) {
    QStringList entries;
    for (const AudioTrack& t : sheet.tracks) entries << trackEntry(sheet.path, t.number);
    return entries;
}

QString trackEntry(const QString& sheet, int number) {
    return sheet + QStringLiteral("/Track %1").arg(number, 2, 10, QLatin1Char('0'));
}

std::optional<EntryRef> entryRef(const QString& entry) {
    static const QRegularExpression form(QStringLiteral("^(.+\\.cue)/Track (\\d\\d)$"), QRegularExpression::CaseInsensitiveOption);
    const auto m = form.match(entry);
    if (!m.hasMatch() || !QFileInfo(m.captured(1)).isFile()) return std::nullopt;
    return EntryRef{m.captured(1), m.captured(2).toInt()};
}

QString sourceFolder(const QString& entry) {
    const std::optional<EntryRef> ref = entryRef(entry);
    return QFileInfo(ref ? ref->sheet : entry).path();
}

QString trackName(const AudioTrack& track) {
    const QString number = QStringLiteral("%1").arg(track.number, 2, 10, QLatin1Char('0'));
    QString title = track.title.simplified();
    for (QChar& c : title)
        if (c == QLatin1Char('/') || c.unicode() < 0x20) c = QLatin1Char('_');
    // "." and ".." would name a folder.
    if (!title.isEmpty() && title.count(QLatin1Char('.')) == title.size()) title.fill(QLatin1Char('_'));
    return title.isEmpty() ? QStringLiteral("Track ") + number : number + QStringLiteral(" - ") + title;
}

QMap<QString, QStringList> trackTags(const AudioSheet& sheet, const AudioTrack& track) {
    QMap<QString, QStringList> tags;
    const auto put = [&tags](const char* key, const QString& value) {
        if (!value.isEmpty()) tags.insert(QLatin1String(key), {value});
    };
    put("TITLE", track.title);
    put("ARTIST", track.performer.isEmpty() ? sheet.performer : track.performer);
    put("ALBUM", sheet.title);
    put("ALBUMARTIST", sheet.performer);
    put("TRACKNUMBER", QString::number(track.number));
    put("TRACKTOTAL", QString::number(sheet.tracks.size()));
    put("ISRC", track.isrc);
    for (const QString& remark : sheet.remarks) {
        const QString word = remark.section(QLatin1Char(' '), 0, 0).toUpper();
        QString value = remark.section(QLatin1Char(' '), 1).trimmed();
        if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"'))) value = value.mid(1, value.size() - 2);
        if (word == QLatin1String("DATE") || word == QLatin1String("GENRE"))
            put(word == QLatin1String("DATE") ? "DATE" : "GENRE", value);
    }
    return tags;
}

}  // namespace cue
