#include "support/RunHosts.h"

#include "components/audio/codecs/AudioFile.h"
#include "components/audio/tags/AudioInfo.h"

#include <utility>

namespace testing_support {

RecordingRunHost runConversion(const converter::RunSnapshot& snapshot, int cancelAfterPasses) {
    RecordingRunHost host;
    host.cancelAfterPasses = cancelAfterPasses;
    runConversion(snapshot, host);
    return host;
}

void runConversion(const converter::RunSnapshot& snapshot, RecordingRunHost& host) {
    AudioFile reader, writer;
    AudioInfo tags;
    converter::ConversionRunner(host, converter::RunComponents{reader, writer, tags, nullptr, {}})
        .run(snapshot);
}

void RecordingRunHost::runMessage(const QString& text, bool) {
    messages << text;
    log << QStringLiteral("message ") + text;
}

void RecordingRunHost::runFailures(const QList<converter::FailedFile>& f) {
    failures += f;
    for (const converter::FailedFile& failed : f) log << QStringLiteral("failed ") + failed.path + QStringLiteral(": ") + failed.reason;
}

void RecordingRunHost::verificationEnded(const converter::VerificationReport& report) {
    reports << report;
    RunHost::verificationEnded(report);
}

void RecordingRunHost::fileStarted(int number) {
    started << number;
    log << QStringLiteral("file %1").arg(number);
    if (onFileStarted) onFileStarted(number);
}

void RecordingRunHost::fileEnded() {
    if (onFileEnded) onFileEnded();
}

void RecordingRunHost::fileProgress(double percent) {
    if (onProgress) onProgress(percent);
    if (percent > 0 && onFirstBlock) std::exchange(onFirstBlock, {})();
}

bool RecordingRunHost::letEventsRun() {
    ++passes;
    return true;
}

QStringList RecordingRunHost::failedPaths() const {
    QStringList paths;
    for (const converter::FailedFile& f : failures) paths << f.path;
    return paths;
}

void RecordingExtractionHost::runMessage(const QString& text, bool) {
    touch();
    messages << text;
}

bool RecordingExtractionHost::confirmOverwrite() {
    touch();
    ++questions;
    return overwriteAnswer;
}

void RecordingExtractionHost::fileStarted(int) {
    touch();
    barShown = true;
}

void RecordingExtractionHost::fileProgress(double percent) {
    touch();
    bar = static_cast<int>(percent);
    bars << bar;
    if (onBar) onBar(*this, bar);
    if (percent > 0 && onFirstBlock) std::exchange(onFirstBlock, {})();
}

void RecordingExtractionHost::setCancelRequested(bool r) {
    touch();
    cancelFlag = r;
}

bool RecordingExtractionHost::letEventsRun() {
    if (gone) return false;
    ++passes;
    if (onPass) onPass(*this);
    return !gone;
}

}  // namespace testing_support
