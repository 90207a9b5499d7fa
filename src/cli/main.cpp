// velloria-convert: the converter's run from the command line, over the settings the converter
// window stored.
#include "cli/ConsoleRun.h"
#include "cli/DiscTracks.h"
#include "cli/FindOffset.h"
#include "cli/Options.h"
#include "cli/Plan.h"
#include "runs/NamePattern.h"
#include "cli/RunSettings.h"
#include "components/ComponentError.h"
#include "components/audio/tags/AudioInfo.h"
#include "components/audio/cd/CdGrabber.h"
#include "components/audio/cd/LocalDiscInfo.h"
#include "components/i18n/Translations.h"
#include "components/net/DiscLookup.h"
#include "components/store/WindowSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <csignal>
#include <cstdio>

namespace {

void print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

int usageError(const QString& error) {
    print(stderr, QStringLiteral("velloria-convert: %1\n\n").arg(error) + cli::usageText());
    return 2;
}

// The first interrupt ends the run cleanly; a second one ends the program at once.
extern "C" void interrupted(int signal) {
    if (cli::g_interrupted.exchange(true)) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
    }
}

// Creates `folder` when missing and checks that files can be made in it: one error for the
// whole run, with the system's reason, instead of one per file.
bool outputFolderReady(const QString& folder) {
    if (folder.isEmpty()) return true;
    QString reason = cli::makeFolder(folder);
    if (reason.isEmpty()) {
        QTemporaryFile probe(folder + QStringLiteral("/.velloria-probe-XXXXXX"));
        if (!probe.open()) reason = probe.errorString();
    }
    if (reason.isEmpty()) return true;
    print(stderr, QStringLiteral("velloria-convert: %1\n")
                      .arg(QCoreApplication::translate("velloria-convert", "the folder '%1' cannot be written: %2").arg(folder, reason)));
    return false;
}

// The disc's tracks with the stored ripping options, into the current folder unless -o.
int ripDisc(const cli::Options& options, const cli::RunSettings& settings) {
    CdGrabber grabber(nullptr, {}, !QFileInfo(options.cd).isFile());
    GrabSettings grab = GrabSettings::load(ConverterWindowSettings::key());
    // The stored "Rip the disc as one file" holds unless tracks are asked for.
    grab.oneFile = options.oneFile || (grab.oneFile && options.tracks.isEmpty());
    grab.testAndCopy = grab.testAndCopy || options.testAndCopy;
    grabber.setSettings(grab);
    const cli::DiscTracks disc = cli::openDisc(grabber, options.cd, options.tracks);
    if (!disc.error.isEmpty()) {
        print(stderr, QStringLiteral("velloria-convert: %1\n").arg(disc.error));
        return 1;
    }
    cli::Options ripping = options;
    ripping.inputs = grab.oneFile ? disc.entries.mid(0, 1) : disc.entries;
    if (ripping.outputDir.isEmpty()) ripping.outputDir = QDir::currentPath();
    if (!outputFolderReady(ripping.outputDir)) return 1;
    const QString ini = defaultCdplayerIniPath();
    QList<cli::PlannedFile> plan = cli::planFiles(ripping, QLatin1String(settings.format->extension), cli::discTags(grabber, ini));
    if (grab.oneFile)
        plan = cli::oneFilePlan(plan, grabber, ini, QLatin1String(settings.format->key), ripping.existing);
    const QString cache = grab.verifyAccurateRip ? net::defaultAccurateRipCache() : QString();
    return cli::runPlan(ripping, settings, plan, {&grabber, ini, cache});
}

}  // namespace

int main(int argc, char** argv) {
    // From the start: a stop during planning ends the run as one during converting does.
    std::signal(SIGINT, interrupted);
    std::signal(SIGTERM, interrupted);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velloria-convert"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELLORIA_VERSION));
    // Before anything is printed: the usage text and every message in the user's language.
    i18n::installTranslations(app);

    cli::ParseResult parsed = cli::parseArguments(QCoreApplication::arguments().mid(1));
    if (!parsed.error.isEmpty()) return usageError(parsed.error);
    cli::EnglishTexts english;
    if (parsed.options.json) QCoreApplication::installTranslator(&english);
    if (const QString error = cli::addListedInputs(parsed.options); !error.isEmpty()) {
        print(stderr, QStringLiteral("velloria-convert: %1\n").arg(error));
        return 1;
    }
    const cli::Options& options = parsed.options;
    if (options.action == cli::Action::Help) {
        print(stdout, cli::usageText());
        return 0;
    }
    if (options.action == cli::Action::Version) {
        print(stdout, QStringLiteral("velloria-convert %1\n").arg(QCoreApplication::applicationVersion()));
        return 0;
    }
    if (options.extract) {
        // The extractor's stored format unless one is given.
        const audio::OutputFormat* format = options.formatName.isEmpty() ? nullptr : cli::formatByName(options.formatName);
        for (const audio::OutputFormat& f : audio::outputFormats())
            if (!format && cli::storedExtractorFormat().compare(QLatin1String(f.key), Qt::CaseInsensitive) == 0) format = &f;
        if (!format) format = cli::formatByName(QStringLiteral("mp3"));
        if (!outputFolderReady(options.outputDir)) return 1;
        const QList<cli::PlannedFile> plan =
            cli::shardOf(cli::planFiles(options, QLatin1String(format->extension), naming::readPatternTags), options.shard, options.shards);
        return cli::runExtraction(options, plan, QLatin1String(format->key));
    }
    if (options.findOffset) return cli::findOffset(options.cd);
    const cli::RunSettingsResult settings = cli::runSettings(options);
    if (!settings.error.isEmpty()) return usageError(settings.error);
    if (!options.cd.isEmpty()) return ripDisc(options, settings.run);
    if (!outputFolderReady(options.outputDir)) return 1;

    const QList<cli::PlannedFile> plan = cli::shardOf(
        cli::planFiles(options, QLatin1String(settings.run.format->extension), naming::readPatternTags), options.shard, options.shards);
    return cli::runPlan(options, settings.run, plan);
}
