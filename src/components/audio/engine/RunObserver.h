#pragma once
// What a run of the audio job engine (the converter's list, the extractor's video) tells
// whoever shows it, and what it asks of it. The windows implement it and set their own
// controls from these events; a program without windows implements it to print or record.
//
// NOTE ON THREADS
// Every call comes on the thread that runs the run, one after another, never two at once: for
// the windows that is the user-interface thread, for the command line its main thread. The
// workers of a parallel run never call an observer; they only wake the run's host (RunHost::
// wake(), the one call of a host that may come from any thread). letEventsRun() may let
// anything happen, including the cancel request and the window going away. The observer
// belongs to whoever started the run and outlives it; the run keeps no copy of it.

#include <QList>
#include <QString>

namespace audio {

// A file the run could not convert, with the reason.
struct FailedFile {
    QString path;
    QString reason;
};

class RunObserver {
public:
    virtual ~RunObserver() = default;

    // Events.
    // A file of the run started: its 1-based number in the run's list (the extractor's one
    // video is 1).
    virtual void fileStarted(int number) = 0;
    // How far the current file is, 0..100.
    virtual void fileProgress(double percent) = 0;
    // The current file has ended, whatever its outcome.
    virtual void fileEnded() = 0;
    // A message for the user (an OK button; the critical icon when asked).
    virtual void runMessage(const QString& text, bool critical) = 0;
    // The files that failed, with their reasons, in list order; once, at the end of a run that
    // had any.
    virtual void runFailures(const QList<FailedFile>& failures) = 0;

    // Questions.
    // Lets pending events run once; false when the run must stop at once (the program is
    // ending, or the window went away).
    virtual bool letEventsRun() = 0;
    virtual bool cancelRequested() const = 0;
};

}  // namespace audio
