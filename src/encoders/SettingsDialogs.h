#pragma once
// The six encoder settings dialogs of one owning window. A dialog is created with its load
// handling when first asked for; "hide" keeps it, "unload" destroys it and the next ask
// creates it anew. The settings they edit are the owner's and outlive every dialog.
//
// Each accessor is defined beside its dialog (frmMP3Settings.cpp, frmOggSettings.cpp, …).

#include "components/audio/settings/OutputSettings.h"
#include "encoders/EncoderDialogOwner.h"

#include <QPointer>
#include <QString>

#include <memory>

class frmFlacSettings;
class frmMP3Settings;
class frmOpusSettings;
class frmOggSettings;
class frmWavSettings;
class frmWmaSettings;
class QDialog;
class SettingsDialog;

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
    frmFlacSettings& flac();
    frmOpusSettings& opus();

    // The loaded dialogs, or null.
    frmMP3Settings* loadedMp3() const;
    frmOggSettings* loadedOgg() const;
    frmWavSettings* loadedWav() const;
    frmWmaSettings* loadedWma() const;
    frmFlacSettings* loadedFlac() const;
    frmOpusSettings* loadedOpus() const;

    // The MP3 settings object the MP3 dialog edits (`MP3Lame`): the owner's.
    MP3Settings* MP3Lame() const { return &m_owner.outputSettings().mp3; }

    // The settings dialog of an output format key ("MP3", "WAV", "OGG", "WMA", "FLAC", "OPUS"), created on
    // first use; null for any other key. Keys compare exactly.
    SettingsDialog* dialogFor(const QString& key);
    // That dialog when it is loaded, or null.
    SettingsDialog* loadedFor(const QString& key) const;
    // That dialog shown modally with the owner window as parent; any other key does nothing.
    void showModal(const QString& key);
    // What choosing the format as output does to the owner's settings (see
    // OutputSettings::chooseFormat); a dialog of the format that is loaded shows the result.
    // Stored Ogg Vorbis settings that cannot be encoded are refused with a message.
    void formatChosen(const QString& key);

    EncoderDialogOwner& owner() const { return m_owner; }

private:
    EncoderDialogOwner& m_owner;
    QPointer<frmMP3Settings> m_mp3;
    QPointer<frmOggSettings> m_ogg;
    QPointer<frmWavSettings> m_wav;
    QPointer<frmWmaSettings> m_wma;
    QPointer<frmFlacSettings> m_flac;
    QPointer<frmOpusSettings> m_opus;
};
