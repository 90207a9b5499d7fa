#pragma once
// The recorder window, "Recorder": records the sound card's input into a WAV, MP3 or Ogg Vorbis
// file and plays such a file back, with a live visualisation of the signal and the running time
// in its status bar. The converter opens it, modeless and without an owner, so that it outlives
// the converter; closing it unloads it.

#include "components/audio/codecs/AudioFile.h"
#include "components/desktop/Inhibition.h"
#include "components/sound/AudioPlayer.h"
#include "components/sound/AudioRecorder.h"
#include "components/sound/FilePlayback.h"
#include "recorder/RecorderRules.h"
#include "recorder/RecordingSession.h"

#include <QMainWindow>

#include <cstdint>
#include <memory>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QToolButton;
class SkinControl;
class Visualisation;

class ACMainRecord : public QMainWindow {
    Q_OBJECT
public:
    // Skinned with `skin`'s "Small Form" look (the converter's skin).
    explicit ACMainRecord(SkinControl* skin, QWidget* parent = nullptr);
    ~ACMainRecord() override;

    // ---- Controls ----
    Visualisation* av1;
    QToolButton* playButton;
    QToolButton* pausButton;
    QToolButton* stopButton;
    QToolButton* recButton;
    QLabel* StatusBar1[2];  // panel 1 "Status" (the transport state) and panel 2 (the time)
    QMenu* mnuVisual;
    QAction* mnuLinear;
    QAction* mnuNormal;
    QAction* mnuFire;
    QAction* menuGlass;
    QAction* mnuKryptonite;
    QMenu* mnufreq;
    QAction* mnufreqItems[9];  // mnufreq1 … mnufreq9
    QMenu* mnuChannels;
    QAction* mnuStereo;
    QAction* mnuMono;

    // ---- Components ----
    std::unique_ptr<AudioFile> AudioFileRec;
    std::unique_ptr<AudioFile> AudioFilePlay;
    std::unique_ptr<sound::AudioRecorder> AudioRecord;
    std::unique_ptr<sound::AudioPlayer> AudioPlayer1;

    // ---- State ----
    bool isRecording() const { return Recording; }
    bool isPlaying() const { return Playing; }
    bool isPaused() const { return flgPause; }
    // Frames of the played file before the last pause (0 for a playback not paused).
    std::int32_t startSamples() const { return static_cast<std::int32_t>(m_playback->startFrame()); }
    // The recording format the Frequency and Channels menus set.
    int recordingRate() const { return m_rate; }
    int recordingChannels() const { return m_channels; }
    recorder::Transport transport() const;

    // ---- Handlers ----
    void playButton_Click();
    void pausButton_Click() { TogglePause(); }
    void stopButton_Click();
    void recButton_Click();
    void SelectFrequency(int item);
    void mnuStereo_Click();
    void mnuMono_Click();
    void selectStyle(int code);
    void AudioPlayer1_Timer(qint64 CurrentSamples, int LevelLeft, int LevelRight);
    void AudioRecord_Timer(qint64 CurrentSamples, int LevelLeft, int LevelRight);
    void AudioRecord_EndArrayRecord(int nBlock);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildTransport();
    void buildStatusBar();
    void buildMenus();
    void connectHandlers();
    void Form_Load(SkinControl* skin);
    QString ChooseFile(const QString& title, bool forOpen);
    bool StartPlayback(const QString& fileName, QString* why);
    void StopPlayback();
    void TogglePause();
    // Ends the recording: the recorder stops, what it still holds is written, the file closes.
    void finishRecording();
    void showState(recorder::Transport state);
    void showTime(std::int64_t ms);
    void applyFormat();

    bool Recording = false;
    bool Playing = false;
    bool flgPause = false;
    int m_rate = 44100;
    int m_channels = 2;
    bool m_stopping = false;
    QString m_recordingPath;
    std::unique_ptr<recorder::RecordingSession> m_session;
    std::unique_ptr<desktop::Inhibition> m_awake;  // the session kept awake while recording
    std::unique_ptr<sound::FilePlayback> m_playback;  // feeds AudioFilePlay to AudioPlayer1
    SampleBlock m_lastBlock;  // the last block written, drawn when a recording stops
};
