#pragma once
// The four encoder settings dialogs of one owning window. A dialog is created with its load
// handling when first asked for; "hide" keeps it, "unload" destroys it and the next ask
// creates it anew. The MP3 settings object outlives the MP3 dialog's unloads.
//
// Each accessor is defined beside its dialog (frmMP3Settings.cpp, frmOggSettings.cpp, …).

#include "components/audio/MP3Settings.h"
#include "encoders/EncoderDialogOwner.h"

#include <QPointer>
#include <QString>

#include <memory>

class frmMP3Settings;
class frmOggSettings;
class frmWavSettings;
class frmWmaSettings;
class QDialog;

class SettingsDialogs {
public:
    explicit SettingsDialogs(EncoderDialogOwner& owner) : m_owner(owner) {}
    ~SettingsDialogs();
    SettingsDialogs(const SettingsDialogs&) = delete;
    SettingsDialogs& operator=(const SettingsDialogs&) = delete;

    frmMP3Settings& mp3();
    frmOggSettings& ogg();
    frmWavSettings& wav();
    frmWmaSettings& wma();

    // The loaded dialogs, or null.
    frmMP3Settings* loadedMp3() const;
    frmOggSettings* loadedOgg() const;
    frmWavSettings* loadedWav() const;
    frmWmaSettings* loadedWma() const;

    // The MP3 dialog's settings object (`MP3Lame`), created with the first MP3 dialog.
    MP3Settings* MP3Lame() const { return m_mp3Lame.get(); }
    std::shared_ptr<MP3Settings>& mp3LameSlot() { return m_mp3Lame; }

    // The settings dialog of an output format key ("MP3", "WAV", "OGG", "WMA"), shown modally
    // with the owner window as parent; any other key does nothing.
    void showModal(const QString& key);
    // What choosing the format as output does: MP3 load and apply, WAV apply, OGG load and
    // apply, WMA load. Keys compare exactly.
    void formatChosen(const QString& key);

    EncoderDialogOwner& owner() const { return m_owner; }

private:
    EncoderDialogOwner& m_owner;
    QPointer<frmMP3Settings> m_mp3;
    QPointer<frmOggSettings> m_ogg;
    QPointer<frmWavSettings> m_wav;
    QPointer<frmWmaSettings> m_wma;
    std::shared_ptr<MP3Settings> m_mp3Lame;
};
