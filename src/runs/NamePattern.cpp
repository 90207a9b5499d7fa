#include "runs/NamePattern.h"

#include "components/ComponentError.h"
#include "components/audio/cd/CueTracks.h"
#include "components/audio/engine/FileOps.h"
#include "components/audio/tags/AudioInfo.h"

namespace naming {
namespace {

// A tag value as one path component: separators and control characters become "_", and a
// value that is only dots cannot name a folder above.
QString component(QString value, const QString& fallback) {
    value = value.trimmed();
    for (QChar& c : value)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20) c = QLatin1Char('_');
    if (value.isEmpty()) return fallback;
    if (value.count(QLatin1Char('.')) == value.size()) return QString(value.size(), QLatin1Char('_'));
    return value;
}

// "3/12" gives "03"; a value that is no number stays as it is.
QString number(const QString& value) {
    const QString first = value.section(QLatin1Char('/'), 0, 0).trimmed();
    bool numeric = false;
    if (const int n = first.toInt(&numeric); numeric && n >= 0) return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    return first;
}

// The source's name without its extension; a sheet's track is named from the sheet.
QString sourceName(const QString& source) {
    if (const std::optional<cue::EntryRef> ref = cue::entryRef(source)) {
        const cue::AudioSheet sheet = cue::readAudioSheet(ref->sheet, false);
        if (const cue::AudioTrack* track = sheet.track(ref->number)) return cue::trackName(*track);
    }
    return audio::nameWithoutExtension(source);
}

}  // namespace

const QStringList& patternFields() {
    static const QStringList fields{
        QStringLiteral("{artist}"), QStringLiteral("{album}"), QStringLiteral("{albumartist}"), QStringLiteral("{title}"),
        QStringLiteral("{track}"),  QStringLiteral("{disc}"),  QStringLiteral("{year}"),        QStringLiteral("{genre}"),
        QStringLiteral("{name}"),   QStringLiteral("{dir}")};
    return fields;
}

QString expandPattern(const QString& pattern, const QString& source, const QString& relativeDir,
                      const QMap<QString, QString>& tags) {
    const QString name = component(sourceName(source), QStringLiteral("_"));
    const auto tag = [&tags](const char* key) { return tags.value(QLatin1String(key)); };
    const QString artist = component(tag("ARTIST"), QStringLiteral("Unknown Artist"));
    const QString year = tag("DATE").trimmed().left(4);
    // Each field is replaced once, in one pass, so that a value holding "{title}" stays a value.
    const QMap<QString, QString> values{
        {QStringLiteral("{artist}"), artist},
        {QStringLiteral("{album}"), component(tag("ALBUM"), QStringLiteral("Unknown Album"))},
        {QStringLiteral("{albumartist}"), component(tag("ALBUMARTIST"), artist)},
        {QStringLiteral("{title}"), component(tag("TITLE"), name)},
        {QStringLiteral("{track}"), component(number(tag("TRACKNUMBER")), QStringLiteral("00"))},
        {QStringLiteral("{disc}"), component(number(tag("DISCNUMBER")), QStringLiteral("01"))},
        {QStringLiteral("{year}"), component(year, QStringLiteral("0000"))},
        {QStringLiteral("{genre}"), component(tag("GENRE"), QStringLiteral("Unknown Genre"))},
        {QStringLiteral("{name}"), name},
        {QStringLiteral("{dir}"), relativeDir},
    };
    QString out;
    for (qsizetype i = 0; i < pattern.size();) {
        const qsizetype close = pattern[i] == QLatin1Char('{') ? pattern.indexOf(QLatin1Char('}'), i) : -1;
        const auto field = close > i ? values.constFind(pattern.mid(i, close - i + 1)) : values.constEnd();
        if (field == values.constEnd()) {
            // The pattern's own text obeys the values' rule: no control character (nor NUL) in a name.
            const QChar c = pattern[i++];
            out += c.unicode() < 0x20 ? QLatin1Char('_') : c;
            continue;
        }
        out += *field;
        i = close + 1;
    }
    // An empty {dir} leaves no empty folder name behind, and "." or ".." in the pattern itself
    // cannot climb out.
    QStringList parts = out.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (QString& part : parts)
        if (part.trimmed().isEmpty() || part.count(QLatin1Char('.')) == part.size()) part = QString();
    parts.removeAll(QString());
    // A pattern that leaves nothing ("{dir}" for a file at the top, ".") names the output after its source.
    return parts.isEmpty() ? name : parts.join(QLatin1Char('/'));
}

bool needsTags(const QString& pattern) {
    for (const QString& field : patternFields())
        if (field != QStringLiteral("{name}") && field != QStringLiteral("{dir}") && pattern.contains(field)) return true;
    return false;
}

QMap<QString, QString> readPatternTags(const QString& path) {
    QMap<QString, QString> values;
    if (const std::optional<cue::EntryRef> ref = cue::entryRef(path)) {
        // A sheet's track: the values its output is tagged with.
        const cue::AudioSheet sheet = cue::readAudioSheet(ref->sheet, false);
        if (const cue::AudioTrack* track = sheet.track(ref->number)) {
            const QMap<QString, QStringList> tags = cue::trackTags(sheet, *track);
            for (auto it = tags.cbegin(); it != tags.cend(); ++it) values.insert(it.key(), it.value().value(0));
        }
        return values;
    }
    try {
        AudioInfo info;
        info.ReadTags(path);
        for (auto it = info.properties().cbegin(); it != info.properties().cend(); ++it)
            if (!it.value().isEmpty()) values.insert(it.key(), it.value().first());
    } catch (const ComponentError&) {
        // A file without readable tags is named from the fields' fallbacks.
    }
    return values;
}

}  // namespace naming
