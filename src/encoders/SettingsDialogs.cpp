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

namespace {

// What each output format's dialog is, and what choosing the format as output does with it.
struct FormatDialog {
    const char* key;
    SettingsDialog& (*open)(SettingsDialogs&);
    bool loadWhenChosen;
    bool applyWhenChosen;
};

const FormatDialog kFormatDialogs[] = {
    {"MP3", [](SettingsDialogs& d) -> SettingsDialog& { return d.mp3(); }, true, true},
    {"WAV", [](SettingsDialogs& d) -> SettingsDialog& { return d.wav(); }, false, true},
    {"OGG", [](SettingsDialogs& d) -> SettingsDialog& { return d.ogg(); }, true, true},
    {"WMA", [](SettingsDialogs& d) -> SettingsDialog& { return d.wma(); }, true, false},
};

// Keys compare exactly.
const FormatDialog* formatDialog(const QString& key) {
    for (const FormatDialog& row : kFormatDialogs)
        if (key == QLatin1String(row.key)) return &row;
    return nullptr;
}

}  // namespace

void SettingsDialogs::showModal(const QString& key) {
    if (const FormatDialog* row = formatDialog(key)) row->open(*this).exec();
}

void SettingsDialogs::formatChosen(const QString& key) {
    const FormatDialog* row = formatDialog(key);
    if (!row) return;
    SettingsDialog& dialog = row->open(*this);
    if (row->loadWhenChosen) dialog.load();
    if (row->applyWhenChosen) dialog.apply();
}
