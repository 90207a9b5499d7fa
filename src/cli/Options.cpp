#include "cli/Options.h"

#include "runs/NamePattern.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <functional>

namespace cli {
namespace {

using Setter = std::function<QString(Options&, const QString& value)>;  // an error, or empty

struct OptionEntry {
    char shortName;         // 0: long only
    const char* longName;
    bool takesValue;
    Setter set;
};

QString positiveInteger(const QString& text, int maximum, int& out, const char* what) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 1 || value > maximum)
        //: %1 is an option's name, %3 the value given
        return QCoreApplication::translate("velloria-convert", "%1 must be a whole number from 1 to %2, not '%3'")
            .arg(QLatin1String(what))
            .arg(maximum)
            .arg(text);
    out = value;
    return {};
}

template <typename Enum>
QString choice(const QString& text, std::initializer_list<std::pair<const char*, Enum>> choices, Enum& out,
               const char* what) {
    QStringList names;
    for (const auto& [name, value] : choices) {
        if (text == QLatin1String(name)) {
            out = value;
            return {};
        }
        names << QLatin1String(name);
    }
    //: %1 is an option's name, %2 its values (they stay as they are), %3 the value given
    return QCoreApplication::translate("velloria-convert", "%1 must be one of %2, not '%3'")
        .arg(QLatin1String(what), names.join(QLatin1Char('|')), text);
}

// "K/N": slice K of N equal slices.
QString parseShard(const QString& text, Options& o) {
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,6})/([0-9]{1,6})$"));
    const QRegularExpressionMatch m = form.match(text);
    const int k = m.captured(1).toInt(), n = m.captured(2).toInt();
    if (!m.hasMatch() || k < 1 || n < 1 || k > n)
        return QCoreApplication::translate("velloria-convert", "--shard must be K/N with 1 <= K <= N, not '%1'").arg(text);
    o.shard = k;
    o.shards = n;
    return {};
}

// The options the extraction run has no use for, and why a user might have given them.
QString extractRefusal(const Options& o) {
    if (o.quality || o.mode != Mode::Stored)
        return QCoreApplication::translate("velloria-convert", "--quality and --mode do not apply to --extract (it takes --bitrate)");
    if (o.jobs > 0)
        return QCoreApplication::translate("velloria-convert", "--jobs does not apply to --extract (videos are extracted one at a time)");
    if (o.noTags) return QCoreApplication::translate("velloria-convert", "--no-tags does not apply to --extract (it copies no tags)");
    if (o.replayGain) return QCoreApplication::translate("velloria-convert", "--replaygain does not apply to --extract");
    return {};
}

Setter flag(bool Options::*member) {
    return [member](Options& o, const QString&) {
        o.*member = true;
        return QString();
    };
}

const QList<OptionEntry>& optionTable() {
    static const QList<OptionEntry> table{
        {'f', "format", true,
         [](Options& o, const QString& v) {
             if (!formatByName(v)) {
                 QStringList names;
                 for (const audio::OutputFormat& f : audio::outputFormats()) names << QLatin1String(f.extension);
                 return QCoreApplication::translate("velloria-convert", "--format must be one of %1, not '%2'")
                     .arg(names.join(QLatin1Char('|')), v);
             }
             o.formatName = v;
             return QString();
         }},
        {'b', "bitrate", true,
         [](Options& o, const QString& v) {
             int kbps = 0;
             QString error = positiveInteger(v, 1000, kbps, "--bitrate");
             if (error.isEmpty()) o.bitrate = kbps;
             return error;
         }},
        {'q', "quality", true,
         [](Options& o, const QString& v) {
             bool ok = false;
             const double q = v.toDouble(&ok);
             if (!ok || q < -1 || q > 10)
                 return QCoreApplication::translate("velloria-convert", "--quality must be a number from -1 to 10, not '%1'").arg(v);
             o.quality = q;
             return QString();
         }},
        {0, "mode", true,
         [](Options& o, const QString& v) {
             return choice<Mode>(v, {{"cbr", Mode::Cbr}, {"vbr", Mode::Vbr}, {"abr", Mode::Abr}}, o.mode, "--mode");
         }},
        {'o', "output", true,
         [](Options& o, const QString& v) {
             if (v.isEmpty()) return QCoreApplication::translate("velloria-convert", "--output needs a folder");
             o.outputDir = v;
             return QString();
         }},
        {'p', "pattern", true,
         [](Options& o, const QString& v) {
             if (v.isEmpty()) return QCoreApplication::translate("velloria-convert", "--pattern must not be empty");
             if (const QString unknown = unknownPlaceholder(v); !unknown.isEmpty())
                 return QCoreApplication::translate("velloria-convert", "--pattern has an unknown placeholder %1").arg(unknown);
             if (v.startsWith(QLatin1Char('/')) || v.split(QLatin1Char('/')).contains(QStringLiteral("..")))
                 return QCoreApplication::translate("velloria-convert",
                                                    "--pattern must stay inside the output folder (no leading '/', no '..')");
             o.pattern = v;
             return QString();
         }},
        {'r', "recursive", false, flag(&Options::recursive)},
        {0, "existing", true,
         [](Options& o, const QString& v) {
             return choice<Existing>(
                 v, {{"skip", Existing::Skip}, {"overwrite", Existing::Overwrite}, {"rename", Existing::Rename}},
                 o.existing, "--existing");
         }},
        {'j', "jobs", true, [](Options& o, const QString& v) { return positiveInteger(v, 1024, o.jobs, "--jobs"); }},
        {0, "delete-source", false, flag(&Options::deleteSource)},
        {0, "no-tags", false, flag(&Options::noTags)},
        {0, "replaygain", false,
         [](Options& o, const QString&) {
             o.replayGain = true;
             return QString();
         }},
        {0, "extract", false, flag(&Options::extract)},
        {0, "cd", true,
         [](Options& o, const QString& v) {
             o.cd = v;
             return QString();
         }},
        {0, "find-offset", false, flag(&Options::findOffset)},
        {0, "tracks", true,
         [](Options& o, const QString& v) {
             const std::optional<QList<int>> tracks = parseTrackList(v);
             if (!tracks) return QCoreApplication::translate("velloria-convert", "--tracks must be a list like 1-5,7, not '%1'").arg(v);
             o.tracks = *tracks;
             return QString();
         }},
        {0, "one-file", false, flag(&Options::oneFile)},
        {0, "test-and-copy", false, flag(&Options::testAndCopy)},
        {0, "files-from", true,
         [](Options& o, const QString& v) {
             if (v.isEmpty()) return QCoreApplication::translate("velloria-convert", "--files-from needs a file, or - for standard input");
             o.filesFrom = v;
             return QString();
         }},
        {'0', "null", false, flag(&Options::nullSeparated)},
        {0, "shard", true, [](Options& o, const QString& v) { return parseShard(v, o); }},
        {0, "sample-rate", true,
         [](Options& o, const QString& v) {
             int hz = 0;
             QString error = positiveInteger(v, 384000, hz, "--sample-rate");
             if (error.isEmpty() && hz < 8000)
                 error = QCoreApplication::translate("velloria-convert", "--sample-rate must be at least 8000 Hz, not '%1'").arg(v);
             if (error.isEmpty()) o.sampleRate = hz;
             return error;
         }},
        {0, "channels", true,
         [](Options& o, const QString& v) {
             int n = 0;
             QString error = positiveInteger(v, 2, n, "--channels");
             if (error.isEmpty()) o.channels = n;
             return error;
         }},
        {0, "json", false, flag(&Options::json)},
        {0, "quiet", false, flag(&Options::quiet)},
        {0, "version", false,
         [](Options& o, const QString&) {
             o.action = Action::Version;
             return QString();
         }},
        {'h', "help", false,
         [](Options& o, const QString&) {
             o.action = Action::Help;
             return QString();
         }},
    };
    return table;
}

}  // namespace

const audio::OutputFormat* formatByName(const QString& name) {
    for (const audio::OutputFormat& f : audio::outputFormats())
        if (name == QLatin1String(f.extension)) return &f;
    return nullptr;
}

const audio::OutputFormat* formatByStoredIndex(int index) {
    for (const audio::OutputFormat& f : audio::outputFormats())
        if (f.storedIndex == index) return &f;
    return nullptr;
}

QString Options::effectivePattern() const {
    if (!pattern.isEmpty()) return pattern;
    // Under -o a folder's tree is kept; without it every output goes beside its source.
    return recursive && !outputDir.isEmpty() ? QStringLiteral("{dir}/{name}") : QStringLiteral("{name}");
}

namespace {

// Options that are each understood but cannot go together; empty when they can.
QString combinationError(const Options& o) {
    if (o.json && o.quiet) return QCoreApplication::translate("velloria-convert", "--json and --quiet cannot be used together");
    if (!o.tracks.isEmpty() && o.cd.isEmpty()) return QCoreApplication::translate("velloria-convert", "--tracks needs --cd");
    if (o.testAndCopy && o.cd.isEmpty()) return QCoreApplication::translate("velloria-convert", "--test-and-copy needs --cd");
    if (o.findOffset && o.cd.isEmpty()) return QCoreApplication::translate("velloria-convert", "--find-offset needs --cd");
    if (o.oneFile && o.cd.isEmpty()) return QCoreApplication::translate("velloria-convert", "--one-file needs --cd");
    if (o.oneFile && !o.tracks.isEmpty())
        return QCoreApplication::translate("velloria-convert", "--one-file rips the whole disc: give no --tracks with it");
    if (o.oneFile && o.existing == Existing::Rename)
        return QCoreApplication::translate("velloria-convert",
                                           "--one-file names its file after the disc: use --existing skip or overwrite with it");
    if (o.nullSeparated && o.filesFrom.isEmpty()) return QCoreApplication::translate("velloria-convert", "-0 goes with --files-from");
    if (o.shards > 0 && o.replayGain)
        return QCoreApplication::translate("velloria-convert", "--replaygain measures each album whole and cannot be split with --shard");
    if (o.extract)
        if (const QString refusal = extractRefusal(o); !refusal.isEmpty()) return refusal;
    if (!o.cd.isEmpty()) {
        if (!o.inputs.isEmpty() || !o.filesFrom.isEmpty())
            return QCoreApplication::translate("velloria-convert", "--cd converts the disc's tracks: give no files with it");
        if (o.extract) return QCoreApplication::translate("velloria-convert", "--cd and --extract cannot be used together");
        return {};
    }
    if (o.inputs.isEmpty() && o.filesFrom.isEmpty()) return QCoreApplication::translate("velloria-convert", "no file or folder given");
    return {};
}

}  // namespace

ParseResult parseArguments(const QStringList& given) {
    QStringList arguments = given;
    ParseResult result;
    Options& o = result.options;
    const auto fail = [&](const QString& error) {
        result.error = error;
        return result;
    };
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString arg = arguments[i];
        if (optionsEnded || arg == QStringLiteral("-") || !arg.startsWith(QLatin1Char('-'))) {
            o.inputs << arg;
            continue;
        }
        if (arg == QStringLiteral("--")) {
            optionsEnded = true;
            continue;
        }
        // "--name", "--name=value", "-x", "-xVALUE" or "-x VALUE".
        const bool isLong = arg.startsWith(QStringLiteral("--"));
        QString name;
        std::optional<QString> attached;
        if (isLong) {
            const qsizetype eq = arg.indexOf(QLatin1Char('='));
            name = arg.mid(2, eq < 0 ? -1 : eq - 2);
            if (eq >= 0) attached = arg.mid(eq + 1);
        } else {
            name = arg.mid(1, 1);
            if (arg.size() > 2) attached = arg.mid(2);
        }
        const OptionEntry* entry = nullptr;
        for (const OptionEntry& s : optionTable())
            if (isLong ? name == QLatin1String(s.longName) : (s.shortName && name == QLatin1Char(s.shortName))) entry = &s;
        if (!entry)
            return fail(
                QCoreApplication::translate("velloria-convert", "unknown option '%1'").arg(isLong ? QStringLiteral("--") + name : arg));
        QString value;
        if (entry->takesValue) {
            if (attached) {
                value = *attached;
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            } else {
                return fail(QCoreApplication::translate("velloria-convert", "option '%1' needs a value").arg(arg));
            }
        } else if (attached && !isLong) {
            // Short options together: "-rj2" is "-r -j2".
            arguments.insert(i + 1, QLatin1Char('-') + *attached);
        } else if (attached) {
            return fail(QCoreApplication::translate("velloria-convert", "option '%1' takes no value").arg(arg));
        }
        if (QString error = entry->set(o, value); !error.isEmpty()) return fail(error);
    }
    if (o.action == Action::Convert) result.error = combinationError(o);
    return result;
}

std::optional<QList<int>> parseTrackList(const QString& text) {
    static const QRegularExpression part(QStringLiteral("^([0-9]{1,2})(?:-([0-9]{1,2}))?$"));
    QList<int> tracks;
    for (const QString& piece : text.split(QLatin1Char(','))) {
        const QRegularExpressionMatch m = part.match(piece);
        if (!m.hasMatch()) return std::nullopt;
        const int from = m.captured(1).toInt();
        const int to = m.captured(2).isEmpty() ? from : m.captured(2).toInt();
        // Track 0 is the audio some discs hide before track 1.
        if (to < from || to > 99) return std::nullopt;
        for (int t = from; t <= to; ++t)
            if (!tracks.contains(t)) tracks << t;
    }
    return tracks;
}

QString unknownPlaceholder(const QString& pattern) {
    static const QRegularExpression placeholder(QStringLiteral("\\{[^}]*\\}?"));
    const QStringList& known = naming::patternFields();
    for (auto it = placeholder.globalMatch(pattern); it.hasNext();) {
        const QString found = it.next().captured(0);
        if (!known.contains(found)) return found;
    }
    return {};
}

namespace {
// The output formats' names for -f: "mp3, ogg, ... or opus".
QString formatChoices() {
    QStringList names;
    for (const audio::OutputFormat& f : audio::outputFormats()) names << QLatin1String(f.extension);
    const QString last = names.takeLast();
    //: The last of a list of choices, e.g. "mp3, ogg or opus"
    return QCoreApplication::translate("velloria-convert", "%1 or %2").arg(names.join(QStringLiteral(", ")), last);
}
}  // namespace

// The help, a translatable piece per paragraph or option, each ending in its new line; "" is a
// blank line. The -f option's %1 lists the formats.
const char* const kHelp[] = {
    //: The program's name, the option names and their argument names stay as they are
    QT_TRANSLATE_NOOP("velloria-convert",
                      "Usage: velloria-convert [OPTIONS] FILE|FOLDER...\n"
                      "       velloria-convert [OPTIONS] --files-from LIST|- [-0] [FILE|FOLDER...]\n"
                      "       velloria-convert [OPTIONS] --extract VIDEO|FOLDER...\n"
                      "       velloria-convert [OPTIONS] --cd DEVICE|IMAGE [--tracks LIST | --one-file] [--test-and-copy]\n"
                      "       velloria-convert --cd DEVICE|IMAGE --find-offset\n"),
    QT_TRANSLATE_NOOP("velloria-convert",
                      "Converts audio files with the settings the converter window stored; each option overrides one.\n"),
    "",
    //: An option of the help: the option's names and argument stay as they are; %1 lists the formats
    QT_TRANSLATE_NOOP("velloria-convert", "  -f, --format FORMAT     %1\n"),
    //: An option of the help: the option's names and argument stay as they are
    QT_TRANSLATE_NOOP("velloria-convert", "  -b, --bitrate KBPS      bitrate in kbit/s (MP3, Ogg Vorbis, Opus)\n"),
    //: An option of the help: the option's names and argument stay as they are
    QT_TRANSLATE_NOOP("velloria-convert",
                      "  -q, --quality Q         MP3: VBR quality 0 (best) to 9; Ogg Vorbis: quality 0 to 10;\n"
                      "                          FLAC: compression level 0 to 8\n"),
    //: An option of the help: the option's names, argument and values stay as they are
    QT_TRANSLATE_NOOP("velloria-convert",
                      "      --mode MODE         cbr, vbr or abr (MP3); Ogg Vorbis: cbr or abr manage the bitrate,\n"
                      "                          vbr uses quality; Opus: abr is constrained VBR\n"),
    //: An option of the help: the option's names and argument stay as they are
    QT_TRANSLATE_NOOP("velloria-convert", "      --sample-rate HZ    the rate written (MP3, Ogg Vorbis, WAV, --extract)\n"),
    //: An option of the help: the option's names and argument stay as they are
    QT_TRANSLATE_NOOP("velloria-convert", "      --channels 1|2      mono or stereo (MP3, Ogg Vorbis, WAV, --extract)\n"),
    //: An option of the help: the option's names and argument stay as they are
    QT_TRANSLATE_NOOP("velloria-convert",
                      "  -o, --output DIR        write under DIR (created when missing); default: beside each source\n"),
    //: An option of the help: the option's names, argument and the placeholders in braces stay as they are
    QT_TRANSLATE_NOOP("velloria-convert",
                      "  -p, --pattern PATTERN   output name without extension, from {artist} {album} {albumartist}\n"
                      "                          {title} {track} {disc} {year} {genre}, {name} (the source's name\n"
                      "                          without its extension) and {dir} (its folder relative to the folder\n"
                      "                          given); default {name}, or {dir}/{name} with -r\n"),
    //: An option of the help: the option's names and argument stay as they are
    QT_TRANSLATE_NOOP("velloria-convert",
                      "  -r, --recursive         convert the audio files in folders and below: beside each file, or\n"
                      "                          keeping the tree under -o\n"),
    //: An option of the help: the option's names and argument stay as they are
    QT_TRANSLATE_NOOP("velloria-convert",
                      "      --files-from LIST   also convert the files named in LIST, one a line (- : standard input)\n"),
    //: An option of the help: the option's names and argument stay as they are
    QT_TRANSLATE_NOOP("velloria-convert", "  -0, --null              the names in LIST end in NUL characters instead of new lines\n"),
    //: An option of the help: the option's names and argument stay as they are
    QT_TRANSLATE_NOOP("velloria-convert",
                      "      --shard K/N         convert only the K-th of N equal slices of the planned files (for\n"
                      "                          job arrays: the N commands together convert every file once)\n"),
    //: An option of the help: the option's names, argument and values stay as they are
    QT_TRANSLATE_NOOP("velloria-convert", "      --existing WHAT     skip (default), overwrite or rename outputs that exist already\n"),
    //: An option of the help: the option's names and argument stay as they are
    QT_TRANSLATE_NOOP("velloria-convert", "  -j, --jobs N            files converted at once (default: one per core)\n"),
    //: An option of the help: the option's names and argument stay as they are
    QT_TRANSLATE_NOOP("velloria-convert", "      --delete-source     delete each source once its whole output is written\n"),
    //: An option of the help: the option's names and argument stay as they are
    QT_TRANSLATE_NOOP("velloria-convert", "      --no-tags           do not copy the tags\n"),
    //: An option of the help: the option's names and argument stay as they are
    QT_TRANSLATE_NOOP("velloria-convert",
                      "      --replaygain        write loudness tags (ReplayGain; R128 gains in Opus), an album being the\n"
                      "                          files of one source folder (skipped outputs included, measured\n"
                      "                          from their files); an album with a failed file gets no album values\n"),
    //: An option of the help: the option's names and argument stay as they are
    QT_TRANSLATE_NOOP("velloria-convert", "      --extract           the sound track of videos, with the extractor's stored settings\n"),
    //: An option of the help: the option's names and argument, the device, file types and file names stay as they are
    QT_TRANSLATE_NOOP("velloria-convert",
                      "      --cd DEVICE|IMAGE   rip the audio tracks of a disc (a drive such as /dev/sr0, or a .cue,\n"
                      "                          .toc or .nrg image) with the stored ripping options; default output\n"
                      "                          folder: the current one; {title}, {artist}, {album} from the disc\n"
                      "                          information found earlier (cdplayer.ini) or the disc's CD-Text\n"),
    //: An option of the help: the option's names and argument stay as they are
    QT_TRANSLATE_NOOP("velloria-convert", "      --tracks LIST       only these tracks, e.g. 1-5,7 (0: audio hidden before track 1)\n"),
    //: An option of the help: the option's names and argument stay as they are
    QT_TRANSLATE_NOOP("velloria-convert",
                      "      --one-file          the whole disc into one FLAC file (WAV with -f wav), named\n"
                      "                          \"ARTIST - ALBUM\", with its CUE sheet beside it and inside it\n"),
    //: An option of the help: the option's names and argument stay as they are
    QT_TRANSLATE_NOOP("velloria-convert",
                      "      --find-offset       find the --cd drive's read offset from a disc in AccurateRip (and look\n"
                      "                          the drive up in AccurateRip's drive-offset list) instead of ripping;\n"
                      "                          an offset detected is kept for the drive in the ripping options\n"),
    //: An option of the help: the option's names and argument, and the file names, stay as they are
    QT_TRANSLATE_NOOP("velloria-convert",
                      "      --test-and-copy     read each track twice and compare the CRC32s of the two reads\n"
                      "                          (the rip log beside the tracks, <album>.log and .json, has both)\n"),
    //: An option of the help: the option's names and the event names stay as they are
    QT_TRANSLATE_NOOP("velloria-convert",
                      "      --json              one JSON object per line: started, progress, written, skipped, failed\n"),
    //: An option of the help: the option's names and argument stay as they are
    QT_TRANSLATE_NOOP("velloria-convert", "      --quiet             print nothing but failures\n"),
    //: An option of the help: the option's names and argument stay as they are
    QT_TRANSLATE_NOOP("velloria-convert", "      --version           print the version and exit\n"),
    //: An option of the help: the option's names and argument stay as they are
    QT_TRANSLATE_NOOP("velloria-convert", "  -h, --help              print this help and exit\n"),
    "",
    QT_TRANSLATE_NOOP("velloria-convert", "Progress goes to standard error, one result line per file to standard output.\n"),
    QT_TRANSLATE_NOOP("velloria-convert",
                      "Exit status: 0 when every file was converted or skipped, 1 when some failed or the run was\n"
                      "interrupted, 2 for a usage error, 3 when every CD track was written but not all of them exactly\n"
                      "(unreadable sectors, test and copy reads that differ, or an AccurateRip checksum that does not\n"
                      "match).\n"),
};

QString usageText() {
    QString text;
    for (const char* piece : kHelp) text += *piece ? QCoreApplication::translate("velloria-convert", piece) : QStringLiteral("\n");
    return text.arg(formatChoices());
}

}  // namespace cli
