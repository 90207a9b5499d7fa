#include "encoders/SettingsDialogs.h"

#include "encoders/frmMP3Settings.h"
#include "encoders/frmOggSettings.h"
#include "encoders/frmWavSettings.h"
#include "encoders/frmWmaSettings.h"

SettingsDialogs::~SettingsDialogs() {
    delete m_mp3.data();
    delete m_ogg.data();
    delete m_wav.data();
    delete m_wma.data();
}

frmMP3Settings* SettingsDialogs::loadedMp3() const { return m_mp3; }
frmOggSettings* SettingsDialogs::loadedOgg() const { return m_ogg; }
frmWavSettings* SettingsDialogs::loadedWav() const { return m_wav; }
frmWmaSettings* SettingsDialogs::loadedWma() const { return m_wma; }

void SettingsDialogs::showModal(const QString& key) {
    QDialog* dialog = nullptr;
    if (key == QStringLiteral("MP3")) dialog = &mp3();
    else if (key == QStringLiteral("WAV")) dialog = &wav();
    else if (key == QStringLiteral("OGG")) dialog = &ogg();
    else if (key == QStringLiteral("WMA")) dialog = &wma();
    if (dialog) dialog->exec();
}

void SettingsDialogs::formatChosen(const QString& key) {
    if (key == QStringLiteral("MP3")) {
        mp3().LoadMP3();
        mp3().Apply();
    } else if (key == QStringLiteral("WAV")) {
        wav().Apply();
    } else if (key == QStringLiteral("OGG")) {
        ogg().LoadOGG();
        ogg().Apply();
    } else if (key == QStringLiteral("WMA")) {
        wma().LoadWMA();
    }
}
