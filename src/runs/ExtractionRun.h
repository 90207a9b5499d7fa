#pragma once
// The extractor's run without its window: one press of "Extract Audio " checks the input
// video, works out the output name, asks before overwriting, prepares the writer of the
// chosen format and copies the video's sound track into it as one job of the audio job
// engine, with the video reader as the job's source.
//
// Everything the user sees goes through ExtractionHost: the run's message boxes, the
// progress bar and the cancel request live in the window, which sets its three buttons from the
// run's events and its end.
//
// Threads: the run runs on the calling thread (the user-interface thread for the window) and
// lets the message loop run through its host once or more per block. When the host says that
// events can no longer run (the window was closed under the run, or the program is ending), the
// run stops at once and touches the host no more; whatever was written stays on disk and the
// video is kept.

#include "components/audio/codecs/AudioFile.h"
#include "components/audio/engine/AudioJob.h"
#include "components/audio/settings/OutputSettings.h"
#include "components/audio/engine/RunObserver.h"
#include "components/audio/codecs/VideoFile.h"
#include "components/audio/codecs/WMAFile.h"

#include <QString>

#include <memory>
#include <optional>

namespace extractor {

// The extractor window's components. The run shares them, so that they outlive a window that
// is closed while a run still uses them.
struct Components {
    VideoFile VideoFileIn;
    AudioFile AudioFileOut;
    WMAFile WMAoutFile;
};

// The window as the run found it when "Extract Audio " was pressed.
struct RunRequest {
    QString input;         // text of txtFile
    QString format;        // text of the format list; "WMA" (exactly) writes WMA
    bool sameFolder = true;  // "Output to same folder as original" is selected
    QString folder;        // text of txtOutAudioFile
    int channelsIndex = -1;  // position in the channel list, -1 when nothing is selected
    QString bitRate;       // text of the bit-rate list, kbit/s
    QString frequency;     // text of the frequency list, Hz
    bool deleteSource = false;
    // What the writers write with: the MP3 settings (whose rate, bitrate and channels the
    // lists above replace) and the WMA profile.
    OutputSettings settings;
};

// The window as the extraction run sees it: the run's events (audio::RunObserver; the video is
// file 1, and a failure is the message "Error: " and its reason) and the three things only the
// extractor asks. The window sets its buttons from the events and from the run's end (see
// buttonsAfter).
class ExtractionHost : public audio::RunObserver {
public:
    // "Do you want to overwrite the existing audio file" (Yes/No, No the default); true for Yes.
    virtual bool confirmOverwrite() = 0;
    // Sets or clears the cancel request (the window's bCancel).
    virtual void setCancelRequested(bool requested) = 0;
    // False once the window is gone or the program is ending.
    virtual bool present() const = 0;
};

// The output file of `input`: beside the video, its name's extension giving way to
// "_Audio." + key ("clip.webm" gives "clip_Audio.MP3"); or, when a folder is chosen and not
// empty, in that folder with the video's name without extension + "." + key (both by
// audio::nameWithoutExtension). An empty format text counts as "MP3".
QString outputPath(const QString& input, const QString& format, bool sameFolder, const QString& folder);

// The custom output folder when none is stored: the Music folder + "/Extracted audio".
QString defaultOutputFolder();

// How a run ended.
enum class RunEnd {
    InputMissing,
    OverwriteRefused,
    CancelledAtPassStart,  // seen before reading a block: the cancel request stays set
    CancelledAtPassEnd,    // seen after writing a block: the cancel request is cleared
    Written,
    Failed,
    Stopped,  // the window went away or the program is ending
};

// The window's buttons once a run has ended; nothing for a run that stopped because the window
// went away (it is not touched again).
struct Buttons {
    bool extract = true;
    bool settings = true;
    bool cancel = true;
};
std::optional<Buttons> buttonsAfter(RunEnd end);

class ExtractionRun : private audio::JobListener {
public:
    // The block size the run reads by, in samples.
    static constexpr int kBlockSamples = 2304;

    ExtractionRun(ExtractionHost& host, std::shared_ptr<Components> components);

    RunEnd run(const RunRequest& request);
    QString output() const { return m_output; }
    // The description shown after "Error: " when the run failed.
    QString failure() const { return m_failure; }

private:
    class Sink;
    void progress(const audio::JobProgress& progress) override;
    void finished(const audio::JobOutcome&) override {}
    RunEnd prepareAndCopy(const RunRequest& request);
    std::optional<RunEnd> prepare(const RunRequest& request);
    RunEnd copied(const RunRequest& request, const audio::JobOutcome& outcome);
    int setUpReader(const RunRequest& request);
    RunEnd fail(const QString& description);
    RunEnd stop();
    // Lets events run once; false (and the job cancelled) when the run must stop.
    bool pass();
    // True (and the job cancelled) when the window went away since the last check.
    bool gone();

    ExtractionHost& m_host;
    std::shared_ptr<Components> m_components;
    audio::AudioJob* m_job = nullptr;
    bool m_wma = false;
    bool m_stopped = false;
    bool m_cancelAtPassEnd = false;
    QString m_output;
    QString m_failure;
};

}  // namespace extractor
