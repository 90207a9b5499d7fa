// Reading a CUE sheet's text into its value. The text may come from anywhere: every line is
// checked, numbers are bounded before they are converted, and anything that is no sheet ends
// with a reason naming its line rather than with a partial value.
#include "components/audio/cd/CueSheet.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <optional>

namespace cue {
namespace {

// Far beyond any disc (99 minutes is 445 500 frames), and small enough that no sum overflows.
constexpr int kMaxMinutes = 99999;

// The text as characters: UTF-16 with its byte-order mark, UTF-8 when it is valid (with or
// without a mark), else Latin-1, which many older sheets were written in.
QString decode(const QByteArray& text) {
    if (text.startsWith("\xff\xfe") || text.startsWith("\xfe\xff")) {
        QStringDecoder utf16(QStringDecoder::Utf16);
        return utf16.decode(text);
    }
    const QByteArray body = text.startsWith("\xef\xbb\xbf") ? text.mid(3) : text;
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString decoded = utf8.decode(body);
    return utf8.hasError() ? QString::fromLatin1(body) : decoded;
}

// A line's words: quoted words may hold spaces; a quote left open runs to the end of the line.
QStringList words(const QString& line) {
    QStringList out;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (i < n) {
        while (i < n && line[i].isSpace()) ++i;
        if (i >= n) break;
        if (line[i] == QLatin1Char('"')) {
            const qsizetype close = line.indexOf(QLatin1Char('"'), i + 1);
            const qsizetype end = close < 0 ? n : close;
            out << line.mid(i + 1, end - i - 1);
            i = end + 1;
        } else {
            qsizetype end = i;
            while (end < n && !line[end].isSpace()) ++end;
            out << line.mid(i, end - i);
            i = end;
        }
    }
    return out;
}

// A whole number of at most `digits` digits, or nothing.
std::optional<int> smallNumber(const QString& word, int digits) {
    if (word.isEmpty() || word.size() > digits) return std::nullopt;
    int value = 0;
    for (const QChar c : word) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

// MM:SS:FF as frames: seconds below 60, frames below 75.
std::optional<std::int64_t> time(const QString& word) {
    const QStringList parts = word.split(QLatin1Char(':'));
    if (parts.size() != 3) return std::nullopt;
    const auto mm = smallNumber(parts[0], 5), ss = smallNumber(parts[1], 2), ff = smallNumber(parts[2], 2);
    if (!mm || !ss || !ff || *mm > kMaxMinutes || *ss >= 60 || *ff >= 75) return std::nullopt;
    return (std::int64_t{*mm} * 60 + *ss) * 75 + *ff;
}

// The reader's state between lines.
struct Reader {
    Sheet sheet;
    QString file, fileType;  // the latest FILE line's
    int line = 0;
    QString error;

    bool fail(const QString& why) {
        //: %1 is a line number of the CUE sheet, %2 what is wrong with that line
        error = QCoreApplication::translate("CueSheet", "line %1: %2").arg(line).arg(why);
        return false;
    }
    Track* track() { return sheet.tracks.empty() ? nullptr : &sheet.tracks.back(); }
    bool command(const QStringList& w, const QString& raw);
    bool trackLine(const QStringList& w);
    bool indexLine(const QStringList& w);
    // TITLE, PERFORMER: the track's once a track has begun, else the album's.
    void text(const QString& keyword, const QString& value) {
        Track* t = track();
        QString& target = keyword == QLatin1String("TITLE") ? (t ? t->title : sheet.title)
                                                            : (t ? t->performer : sheet.performer);
        target = value;
    }
};

bool Reader::trackLine(const QStringList& w) {
    const auto number = smallNumber(w.value(1), 2);
    //: TRACK, INDEX, FILE, PREGAP, AUDIO and MM:SS:FF in these texts are words of the CUE sheet itself; keep them
    if (!number || *number < 1) return fail(QCoreApplication::translate("CueSheet", "TRACK needs a number from 1 to 99"));
    if (w.size() < 3) return fail(QCoreApplication::translate("CueSheet", "TRACK %1 names no type (AUDIO, MODE1/2352, ...)").arg(*number));
    if (Track* last = track(); last && *number <= last->number)
        return fail(QCoreApplication::translate("CueSheet", "track %1 follows track %2: tracks must be numbered upwards").arg(*number).arg(last->number));
    if (Track* last = track(); last && !last->start())
        return fail(QCoreApplication::translate("CueSheet", "track %1 has no INDEX 01").arg(last->number));
    Track t;
    t.number = *number;
    t.type = w[2].toUpper();
    sheet.tracks.push_back(std::move(t));
    return true;
}

bool Reader::indexLine(const QStringList& w) {
    Track* t = track();
    if (!t) return fail(QCoreApplication::translate("CueSheet", "INDEX before any TRACK"));
    if (file.isEmpty()) return fail(QCoreApplication::translate("CueSheet", "INDEX before any FILE"));
    const auto number = smallNumber(w.value(1), 2);
    if (!number) return fail(QCoreApplication::translate("CueSheet", "INDEX needs a number from 0 to 99"));
    const auto frames = time(w.value(2));
    if (!frames) return fail(QCoreApplication::translate("CueSheet", "INDEX %1 needs a time as MM:SS:FF (seconds below 60, frames below 75)").arg(*number));
    if (!t->indexes.empty() && *number <= t->indexes.back().number)
        return fail(QCoreApplication::translate("CueSheet", "INDEX %1 of track %2 follows INDEX %3").arg(*number).arg(t->number).arg(t->indexes.back().number));
    t->indexes.push_back({*number, file, fileType, *frames});
    return true;
}

bool Reader::command(const QStringList& w, const QString& raw) {
    const QString keyword = w.value(0).toUpper();
    if (keyword == QLatin1String("REM")) {
        // A remark is kept as written, quotes and spacing included.
        sheet.remarks << raw.trimmed().mid(3).trimmed();
    } else if (keyword == QLatin1String("FILE")) {
        if (w.size() < 2 || w[1].isEmpty()) return fail(QCoreApplication::translate("CueSheet", "FILE names no file"));
        file = w[1];
        fileType = w.value(2).toUpper();
    } else if (keyword == QLatin1String("TRACK")) {
        return trackLine(w);
    } else if (keyword == QLatin1String("INDEX")) {
        return indexLine(w);
    } else if (keyword == QLatin1String("TITLE") || keyword == QLatin1String("PERFORMER")) {
        text(keyword, w.mid(1).join(QLatin1Char(' ')));
    } else if (keyword == QLatin1String("CATALOG")) {
        sheet.catalog = w.value(1);
    } else if (keyword == QLatin1String("ISRC") || keyword == QLatin1String("FLAGS") || keyword == QLatin1String("PREGAP")) {
        Track* t = track();
        if (!t) return fail(QCoreApplication::translate("CueSheet", "%1 before any TRACK").arg(keyword));
        if (keyword == QLatin1String("ISRC")) t->isrc = w.value(1);
        else if (keyword == QLatin1String("FLAGS")) t->flags = w.mid(1);
        else if (const auto frames = time(w.value(1))) t->pregap = *frames;
        else return fail(QCoreApplication::translate("CueSheet", "PREGAP needs a time as MM:SS:FF"));
    }
    // Other commands (SONGWRITER, POSTGAP, CDTEXTFILE, ...) change nothing that is read here.
    return true;
}

}  // namespace

Sheet parse(const QByteArray& text, QString* error) {
    const auto refuse = [error](const QString& why) {
        if (error) *error = why;
        return Sheet{};
    };
    const QString decoded = decode(text);
    if (decoded.contains(QChar(0))) return refuse(QCoreApplication::translate("CueSheet", "it holds NUL characters: it is no text"));
    Reader reader;
    for (const QString& raw : decoded.split(QLatin1Char('\n'))) {
        ++reader.line;
        QString line = raw;
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        const QStringList w = words(line);
        if (w.isEmpty()) continue;
        if (!reader.command(w, line)) return refuse(reader.error);
    }
    if (reader.sheet.tracks.empty()) return refuse(QCoreApplication::translate("CueSheet", "it holds no TRACK"));
    if (!reader.sheet.tracks.back().start())
        return refuse(QCoreApplication::translate("CueSheet", "track %1 has no INDEX 01").arg(reader.sheet.tracks.back().number));
    if (error) error->clear();
    return reader.sheet;
}

}  // namespace cue
