#pragma once
// Quiet hosts for the conversion and extraction runs, for tests without windows: they record
// messages and answer every question the run asks with "go on" (Qt Core only).

#include "converter/ConversionRunner.h"
#include "extractor/ExtractionRun.h"

#include <QStringList>

namespace testing_support {

class QuietRunHost final : public converter::RunHost {
public:
    void runMessage(const QString& text, bool) override { messages << text; }
    void runFailures(const QList<converter::FailedFile>& failed) override {
        for (const converter::FailedFile& f : failed) messages << f.path + QStringLiteral(": ") + f.reason;
    }
    void fileStarted(int) override {}
    void fileEnded() override {}
    void fileProgress(double percent) override { m_progress = percent; }
    void timePanels(double) override {}
    bool letEventsRun() override { return true; }
    bool cancelRequested() const override { return false; }
    void setBusy(bool) override {}
    void cancelRun() override {}
    double progressShown() const override { return m_progress; }

    QStringList messages;

private:
    double m_progress = 0;
};

class QuietExtractionHost final : public extractor::ExtractionHost {
public:
    void message(const QString& text) override { messages << text; }
    bool confirmOverwrite() override { return true; }
    void showProgressBar() override {}
    void setProgress(int) override {}
    void enableExtract(bool) override {}
    void enableSettings(bool) override {}
    void enableCancel(bool) override {}
    bool cancelRequested() const override { return m_cancel; }
    void setCancelRequested(bool requested) override { m_cancel = requested; }
    bool letEventsRun() override { return true; }
    bool present() const override { return true; }

    QStringList messages;

private:
    bool m_cancel = false;
};

}  // namespace testing_support
