#include "encoders/SettingsDialogs.h"

#include "encoders/frmFlacSettings.h"
#include "encoders/frmMP3Settings.h"
#include "encoders/frmOpusSettings.h"
#include "encoders/frmOggSettings.h"
#include "encoders/frmWavSettings.h"
#include "encoders/frmWmaSettings.h"
#include "shell/WindowServices.h"

SettingsDialogs::~SettingsDialogs() {
    delete m_mp3.data();
    delete m_ogg.data();
    delete m_wav.data();
    delete m_wma.data();
    delete m_flac.data();
    delete m_opus.data();
}

frmMP3Settings* SettingsDialogs::loadedMp3() const { return m_mp3; }
frmOggSettings* SettingsDialogs::loadedOgg() const { return m_ogg; }
frmWavSettings* SettingsDialogs::loadedWav() const { return m_wav; }
frmWmaSettings* SettingsDialogs::loadedWma() const { return m_wma; }

namespace {

// What each output format's dialog is (audio::outputFormats names them), and what choosing the format as output does with a
// dialog that is loaded: it shows the stored settings again and applies them.
struct FormatDialog {
    const char* key;
    SettingsDialog& (*open)(SettingsDialogs&);
    SettingsDialog* (*loaded)(const SettingsDialogs&);
    bool loadWhenChosen;
    bool applyWhenChosen;
};

const FormatDialog kFormatDialogs[] = {
    {"MP3", [](SettingsDialogs& d) -> SettingsDialog& { return d.mp3(); },
     [](const SettingsDialogs& d) -> SettingsDialog* { return d.loadedMp3(); }, true, true},
    {"WAV", [](SettingsDialogs& d) -> SettingsDialog& { return d.wav(); },
     [](const SettingsDialogs& d) -> SettingsDialog* { return d.loadedWav(); }, false, true},
    {"OGG", [](SettingsDialogs& d) -> SettingsDialog& { return d.ogg(); },
     [](const SettingsDialogs& d) -> SettingsDialog* { return d.loadedOgg(); }, true, true},
    {"WMA", [](SettingsDialogs& d) -> SettingsDialog& { return d.wma(); },
     [](const SettingsDialogs& d) -> SettingsDialog* { return d.loadedWma(); }, true, false},
    {"FLAC", [](SettingsDialogs& d) -> SettingsDialog& { return d.flac(); },
     [](const SettingsDialogs& d) -> SettingsDialog* { return d.loadedFlac(); }, true, true},
    {"OPUS", [](SettingsDialogs& d) -> SettingsDialog& { return d.opus(); },
     [](const SettingsDialogs& d) -> SettingsDialog* { return d.loadedOpus(); }, true, true},
};

// Keys compare exactly.
const FormatDialog* formatDialog(const QString& key) {
    for (const FormatDialog& row : kFormatDialogs)
        if (key == QLatin1String(row.key)) return &row;
    return nullptr;
}

}  // namespace

SettingsDialog* SettingsDialogs::dialogFor(const QString& key) {
    const FormatDialog* row = formatDialog(key);
    return row ? &row->open(*this) : nullptr;
}

SettingsDialog* SettingsDialogs::loadedFor(const QString& key) const {
    const FormatDialog* row = formatDialog(key);
    return row ? row->loaded(*this) : nullptr;
}

void SettingsDialogs::showModal(const QString& key) {
    if (SettingsDialog* dialog = dialogFor(key)) dialog->exec();
}

void SettingsDialogs::formatChosen(const QString& key) {
    const FormatDialog* row = formatDialog(key);
    if (!row) return;
    SettingsDialog* dialog = row->loaded(*this);
    if (!dialog || dialog->isUnloaded()) {
        const QString refusal = m_owner.outputSettings().chooseFormat(key, m_owner.registryKey());
        if (!refusal.isEmpty()) ui::MsgBox(refusal, ui::MsgButtons::OK, ui::MsgIcon::Exclamation);
        return;
    }
    if (row->loadWhenChosen) dialog->load();
    if (row->applyWhenChosen) dialog->apply();
}
