#include "Targets.h"

#include "cli/Options.h"
#include "runs/NamePattern.h"

#include <QStringList>

namespace fuzz_targets {
namespace {

// What an accepted command line promises the run: every value within its range, and a
// pattern that keeps the outputs inside the output folder.
void requireAccepted(const cli::Options& o) {
    require(!o.bitrate || (*o.bitrate >= 1 && *o.bitrate <= 1000), "a bitrate out of range");
    require(!o.quality || (*o.quality >= -1 && *o.quality <= 10), "a quality out of range");
    require(o.jobs >= 0 && o.jobs <= 1024, "a job count out of range");
    require((o.shard == 0 && o.shards == 0) || (o.shard >= 1 && o.shard <= o.shards), "a shard outside its slices");
    require(!o.sampleRate || (*o.sampleRate >= 8000 && *o.sampleRate <= 384000), "a sample rate out of range");
    require(!o.channels || *o.channels == 1 || *o.channels == 2, "a channel count out of range");
    require(o.formatName.isEmpty() || cli::formatByName(o.formatName) != nullptr, "a format that is not one of the table's");
    for (qsizetype i = 0; i < o.tracks.size(); ++i)
        require(o.tracks[i] >= 1 && o.tracks[i] <= 99 && o.tracks.indexOf(o.tracks[i]) == i, "a track list out of range");
    if (o.action != cli::Action::Convert) return;
    require(!(o.json && o.quiet), "--json with --quiet");
    require(!o.inputs.isEmpty() || !o.filesFrom.isEmpty() || !o.cd.isEmpty(), "a run without anything to convert");
    require(o.tracks.isEmpty() || !o.cd.isEmpty(), "--tracks without --cd");
    const QString pattern = o.effectivePattern();
    require(cli::unknownPlaceholder(pattern).isEmpty(), "a pattern with an unknown placeholder");
    for (const QString& dir : {QString(), QStringLiteral("sub/folder")})
        requireSafeRelativePath(naming::expandPattern(pattern, QStringLiteral("in/song.wav"), dir, {}));
}

}  // namespace

void cliOptions(const std::uint8_t* data, std::size_t size) {
    const QStringList arguments =
        QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)).split(QChar(0));
    const cli::ParseResult result = cli::parseArguments(arguments);
    require(cli::parseArguments(arguments).error == result.error, "one command line read two ways");
    if (result.error.isEmpty()) requireAccepted(result.options);
}

}  // namespace fuzz_targets
