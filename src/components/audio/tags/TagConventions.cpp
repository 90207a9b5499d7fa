// Copied tags in the target's conventions: loudness values converted or dropped, facts about the
// source file dropped, track and disc numbers in the target's form.
#include "components/audio/tags/TagConventions.h"

#include "components/audio/tags/Loudness.h"

#include <QRegularExpression>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace tag_conventions {
namespace {

// Names TagLib gives (from ID3 frames, Vorbis comments, FLAC, RIFF) for facts of the file
// itself: its encoder and settings, who encoded it and when, its length and type, its
// speaker layout, the gapless and level data of one encoding, and MP3Gain's undo records.
const char* const kFileFacts[] = {
    "ENCODER",          "ENCODER_OPTIONS", "ENCODING",      "ENCODEDBY",           "ENCODED-BY", "ENCODINGTIME",
    "ENCODERSETTINGS",  "LENGTH",          "FILETYPE",      "WAVEFORMATEXTENSIBLE_CHANNEL_MASK",
    "ITUNSMPB",         "ITUNNORM",        "MP3GAIN_MINMAX", "MP3GAIN_ALBUM_MINMAX", "MP3GAIN_UNDO",
};

// Every name of either loudness convention, also those not carried (reference loudness,
// algorithm): their values would describe loudness in terms the target does not use.
bool isLoudness(const QString& upper) {
    return upper.startsWith(QLatin1String("REPLAYGAIN_")) || upper.startsWith(QLatin1String("R128_"));
}

// One scope's loudness (track or album): the integrated loudness the gain stands for, and the
// peak where the source gives one.
struct Level {
    std::optional<double> lufs;
    std::optional<double> peak;
};

// "-6.52 dB", "+1.2 dB", "3.1": a ReplayGain gain in dB.
std::optional<double> replayGainDb(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^\\s*([+-]?(?:\\d+\\.?\\d*|\\.\\d+))\\s*(?:dB)?\\s*$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch()) return std::nullopt;
    return match.captured(1).toDouble();
}

std::optional<double> number(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value) && value >= 0 ? std::optional<double>(value) : std::nullopt;
}

// A decimal Q7.8 integer in 16 bits, as dB.
std::optional<double> r128Db(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return value / 256.0;
}

// The scope's level as the source's convention states it; `values` holds names in upper case.
Level levelOf(const QMap<QString, QString>& values, const QString& scope, TagKind from) {
    Level level;
    if (from == TagKind::Opus) {
        if (const auto gain = r128Db(values.value(QStringLiteral("R128_%1_GAIN").arg(scope))))
            level.lufs = loudness_tags::kR128Reference - *gain;
        return level;
    }
    if (const auto gain = replayGainDb(values.value(QStringLiteral("REPLAYGAIN_%1_GAIN").arg(scope))))
        level.lufs = loudness_tags::kReplayGainReference - *gain;
    level.peak = number(values.value(QStringLiteral("REPLAYGAIN_%1_PEAK").arg(scope)));
    return level;
}

void putLevel(Properties& out, const Level& level, const QString& scope, TagKind to, int headerGain) {
    const Loudness loudness{level.lufs.value_or(-HUGE_VAL), level.peak.value_or(0.0)};
    if (to == TagKind::Opus) {
        if (loudness.hasGain())
            out.insert(QStringLiteral("R128_%1_GAIN").arg(scope), {QString::number(loudness_tags::r128Gain(loudness, headerGain))});
        return;
    }
    if (loudness.hasGain()) out.insert(QStringLiteral("REPLAYGAIN_%1_GAIN").arg(scope), {loudness_tags::replayGain(loudness)});
    if (level.peak) out.insert(QStringLiteral("REPLAYGAIN_%1_PEAK").arg(scope), {loudness_tags::replayPeak(loudness)});
}

// How a kind keeps a number and its total: "3/10" in one field, or two fields, or the number
// alone (the kind has no field for the total).
enum class Form { Together, Apart, NumberOnly };

struct Numbering {
    const char* number;  // TRACKNUMBER
    const char* total;   // TRACKTOTAL
    const char* alias;   // TOTALTRACKS, which some taggers write instead
};
const Numbering kNumberings[] = {{"TRACKNUMBER", "TRACKTOTAL", "TOTALTRACKS"}, {"DISCNUMBER", "DISCTOTAL", "TOTALDISCS"}};

Form formOf(TagKind kind, const Numbering& numbering) {
    if (kind == TagKind::Id3) return Form::Together;
    if (kind == TagKind::Asf)
        return QLatin1String(numbering.number) == QLatin1String("TRACKNUMBER") ? Form::NumberOnly : Form::Together;
    return Form::Apart;
}

// The number and total of `values` (names in upper case) in the form `to` keeps them.
void putNumbering(Properties& out, const QMap<QString, QString>& values, const Numbering& numbering, TagKind to) {
    const QString given = values.value(QLatin1String(numbering.number));
    const qsizetype slash = given.indexOf(QLatin1Char('/'));
    const QString number = (slash < 0 ? given : given.left(slash)).trimmed();
    QString total = values.value(QLatin1String(numbering.total), values.value(QLatin1String(numbering.alias))).trimmed();
    if (total.isEmpty() && slash >= 0) total = given.mid(slash + 1).trimmed();

    const Form form = formOf(to, numbering);
    if (!number.isEmpty())
        out.insert(QLatin1String(numbering.number),
                   {form == Form::Together && !total.isEmpty() ? number + QLatin1Char('/') + total : number});
    // A total without a number, which "n/total" cannot hold, keeps a field of its own.
    if (!total.isEmpty() && (form == Form::Apart || (form == Form::Together && number.isEmpty())))
        out.insert(QLatin1String(numbering.total), {total});
}

bool isNumbering(const QString& upper) {
    for (const Numbering& n : kNumberings)
        if (upper == QLatin1String(n.number) || upper == QLatin1String(n.total) || upper == QLatin1String(n.alias))
            return true;
    return false;
}

}  // namespace

bool describesFile(const QString& name) {
    const QString upper = name.toUpper();
    for (const char* fact : kFileFacts)
        if (upper == QLatin1String(fact)) return true;
    return false;
}

Properties carried(const Properties& source, TagKind from, TagKind to, int targetHeaderGain) {
    Properties out;
    QMap<QString, QString> special;  // loudness and numbering, by upper-case name: the first value
    const bool renumber = to != TagKind::Other;
    for (auto it = source.cbegin(); it != source.cend(); ++it) {
        const QString upper = it.key().toUpper();
        if (describesFile(upper)) continue;
        if (isLoudness(upper) || (renumber && isNumbering(upper))) {
            if (!it.value().isEmpty() && !special.contains(upper)) special.insert(upper, it.value().first());
            continue;
        }
        out.insert(it.key(), it.value());
    }
    for (const QString& scope : {QStringLiteral("TRACK"), QStringLiteral("ALBUM")})
        putLevel(out, levelOf(special, scope, from), scope, to, targetHeaderGain);
    if (renumber)
        for (const Numbering& numbering : kNumberings) putNumbering(out, special, numbering, to);
    return out;
}

}  // namespace tag_conventions
