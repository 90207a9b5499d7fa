#include "encoders/frmWavSettings.h"

#include "components/audio/codecs/AudioFile.h"
#include "components/ui/Skin.h"
#include "components/ui/SkinLabel.h"
#include "components/ui/WavFormatChooser.h"
// SettingsDialogs.h's inline accessors need every dialog class complete.
#include "encoders/SettingsDialogs.h"
#include "encoders/frmMP3Settings.h"
#include "encoders/frmOggSettings.h"
#include "encoders/frmWmaSettings.h"
#include "shell/WindowServices.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <array>

namespace {

struct WavVariant {
    const char* objectName;
    const char* formatLabelName;
    const char* cdQualityMessage;
    bool skinnedLabels;
};

// Indexed by DialogTool.
constexpr std::array<WavVariant, 2> kVariants{{
    {"ACfrmWav", "lblWav", QT_TRANSLATE_NOOP("frmWavSettings", "WAV Format set to CD quality"), false},
    {"AEfrmWav", "lblwav", QT_TRANSLATE_NOOP("frmWavSettings", "Settings set to CD quality"), true},
}};

const WavVariant& variantOf(DialogTool tool) { return kVariants[static_cast<std::size_t>(tool)]; }

QLabel* makeLabel(bool skinned, const QString& text, QWidget* parent) {
    return skinned ? new SkinLabel(text, parent) : new QLabel(text, parent);
}

QPushButton* makeButton(const QString& caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

}  // namespace

frmWavSettings& SettingsDialogs::wav() {
    if (!m_wav) m_wav = new frmWavSettings(m_owner);
    return *m_wav;
}

frmWavSettings::frmWavSettings(EncoderDialogOwner& owner) : SettingsDialog(owner.ownerWindow()), m_owner(owner) {
    WavFormatChooser::install();
    const WavVariant& variant = variantOf(owner.tool());
    setObjectName(QLatin1String(variant.objectName));
    setWindowTitle(tr("WAV Settings"));

    imgWavIcon = new QLabel(this);
    imgWavIcon->setObjectName(QStringLiteral("imgWavIcon"));
    QIcon icon = QIcon::fromTheme(QStringLiteral("audio-x-wav"), QIcon::fromTheme(QStringLiteral("audio-x-generic")));
    if (icon.isNull()) icon = style()->standardIcon(QStyle::SP_MediaVolume);
    imgWavIcon->setPixmap(icon.pixmap(32, 32));
    imgWavIcon->setFixedSize(40, 40);
    imgWavIcon->setAlignment(Qt::AlignCenter);

    lblFormat = makeLabel(variant.skinnedLabels, tr("Format:"), this);
    lblFormat->setObjectName(QStringLiteral("lblFormat"));
    lblWav = makeLabel(variant.skinnedLabels, tr("44100 Hz, 16 bit, Stereo"), this);
    lblWav->setObjectName(QLatin1String(variant.formatLabelName));
    lblWav->setMinimumWidth(220);
    lblwav = lblWav;

    cmdWAVChangeFormat = makeButton(tr("Change Format"), "cmdWAVChangeFormat", this);
    cmdWAVToCDQuality = makeButton(tr("To CD Quality"), "cmdWAVToCDQuality", this);
    OKButton = makeButton(tr("OK"), "OKButton", this);
    OKButton->setDefault(true);
    CancelButton = makeButton(tr("Cancel"), "CancelButton", this);

    QGridLayout* grid = dialogGrid(12);
    grid->addWidget(imgWavIcon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(lblFormat, 0, 1);
    grid->addWidget(lblWav, 0, 2);
    auto* change = new QHBoxLayout;
    change->addWidget(cmdWAVChangeFormat);
    change->addWidget(cmdWAVToCDQuality);
    change->addStretch(1);
    grid->addLayout(change, 1, 1, 1, 2);
    grid->addLayout(buttonRow({OKButton, CancelButton}), 2, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    setMinimumWidth(380);  // room for the extractor skin's band and its buttons

    connect(cmdWAVChangeFormat, &QPushButton::clicked, this, &frmWavSettings::cmdWAVChangeFormat_Click);
    connect(cmdWAVToCDQuality, &QPushButton::clicked, this, &frmWavSettings::cmdWAVToCDQuality_Click);
    connect(OKButton, &QPushButton::clicked, this, &frmWavSettings::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &frmWavSettings::CancelButton_Click);
    Form_Load();
}

void frmWavSettings::Form_Load() {
    m_owner.skin().ApplySkinByName(this, m_owner.dialogSkinSection());
    m_owner.SkinForm(this);
    showFormat();
}

void frmWavSettings::showFormat() { lblWav->setText(describeWav(m_owner.outputSettings().wav)); }

void frmWavSettings::Apply() {
    m_owner.outputSettings().wav = wav_settings::cdQuality();
    showFormat();
}

void frmWavSettings::cmdWAVChangeFormat_Click() {
    try {
        if (const std::optional<WavFormat> chosen = AudioFile::chooseWavFormat(m_owner.outputSettings().wav, this))
            m_owner.outputSettings().wav = *chosen;
        showFormat();
    } catch (const ComponentError&) {
        ui::MsgBox(tr("The selected format is unavailable."), ui::MsgButtons::OK, ui::MsgIcon::None);
    }
}

void frmWavSettings::cmdWAVToCDQuality_Click() {
    Apply();
    ui::MsgBox(tr(variantOf(m_owner.tool()).cdQualityMessage), ui::MsgButtons::OK, ui::MsgIcon::None);
}

void frmWavSettings::OKButton_Click() { accept(); }

void frmWavSettings::CancelButton_Click() {
    unload();
}

