#pragma once
// The windows as the runs' tests see them: recording fakes of the conversion run's and the
// extraction run's hosts. Every event is kept; hooks let a test act at a given moment (cancel,
// damage the output, close the window).
#include "runs/ConversionRunner.h"
#include "runs/ExtractionRun.h"

#include <QList>
#include <QStringList>

#include <functional>

namespace testing_support {

struct RecordingRunHost : converter::RunHost {
    QStringList log;  // "message …", "failed <path>: <reason>" and "file <n>", in order
    QStringList messages;
    QList<converter::FailedFile> failures;
    QList<converter::VerificationReport> reports;  // each also a message, as a host without a status bar shows it
    QList<int> started;
    int passes = 0;             // message-loop passes the run asked for
    int cancelAfterPasses = -1;  // the cancel request is seen from this pass on; -1 never
    std::function<void(int number)> onFileStarted;
    std::function<void()> onFileEnded;
    std::function<void(double percent)> onProgress;
    std::function<void()> onFirstBlock;  // once, at the first progress above 0
    QList<int> cdErrorBlocks;  // of each CD track written whole, in order

    void runMessage(const QString& text, bool) override;
    void runFailures(const QList<converter::FailedFile>& f) override;
    void verificationEnded(const converter::VerificationReport& report) override;
    void fileStarted(int number) override;
    void fileEnded() override;
    void fileProgress(double percent) override;
    void timePanels(double) override {}
    bool letEventsRun() override;
    bool cancelRequested() const override { return cancelAfterPasses >= 0 && passes >= cancelAfterPasses; }
    void setBusy(bool) override {}
    void cancelRun() override { cancelAfterPasses = 0; }
    double progressShown() const override { return 0; }
    void cdTrackWritten(const QString&, int errorBlocks) override { cdErrorBlocks << errorBlocks; }
    QStringList ripLogs;         // the rip logs written, in order
    QStringList ripLogFailures;  // why one could not be written
    void ripLogWritten(const QString& path) override { ripLogs << path; }
    void ripLogFailed(const QString& reason) override { ripLogFailures << reason; }

    QStringList failedPaths() const;
};

// The converter's run of `snapshot` with components of its own; what its host saw. The cancel
// request is seen from the given message-loop pass on (-1: never).
RecordingRunHost runConversion(const converter::RunSnapshot& snapshot, int cancelAfterPasses = -1);
// The same, seen by `host` (its hooks set by the test).
void runConversion(const converter::RunSnapshot& snapshot, RecordingRunHost& host);

struct RecordingExtractionHost : extractor::ExtractionHost {
    QStringList messages;
    int questions = 0;
    bool overwriteAnswer = true;
    bool barShown = false;
    int bar = -1;
    QList<int> bars;
    bool cancelFlag = false;
    int passes = 0;
    // Runs at each event pass and at each bar change.
    std::function<void(RecordingExtractionHost&)> onPass;
    std::function<void(RecordingExtractionHost&, int percent)> onBar;
    std::function<void()> onFirstBlock;  // once, at the first progress above 0
    bool gone = false;  // the window was closed: events no longer run
    int touchedWhileGone = 0;

    void runMessage(const QString& text, bool) override;
    void runFailures(const QList<audio::FailedFile>&) override { touch(); }
    bool confirmOverwrite() override;
    void fileStarted(int) override;
    void fileProgress(double percent) override;
    void fileEnded() override { touch(); }
    bool cancelRequested() const override { return cancelFlag; }
    void setCancelRequested(bool r) override;
    bool present() const override { return !gone; }
    bool letEventsRun() override;

private:
    void touch() {
        if (gone) ++touchedWhileGone;
    }
};

}  // namespace testing_support
