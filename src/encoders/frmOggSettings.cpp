#include "encoders/frmOggSettings.h"

#include "components/audio/settings/SettingsTables.h"
#include "components/ui/Skin.h"
// SettingsDialogs.h's inline accessors need every dialog class complete.
#include "encoders/SettingsDialogs.h"
#include "encoders/frmMP3Settings.h"
#include "encoders/frmWavSettings.h"
#include "encoders/frmWmaSettings.h"
#include "components/store/StoredNumbers.h"
#include "shell/WindowServices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolTip>
#include <QVBoxLayout>

#include <array>

namespace {

struct OggVariant {
    const char* objectName;
};

// Indexed by DialogTool.
constexpr std::array<OggVariant, 2> kVariants{{{"ACfrmOgg"}, {"AEfrmOgg"}}};

const OggVariant& variantOf(DialogTool tool) { return kVariants[static_cast<std::size_t>(tool)]; }


QSlider* makeSlider(QWidget* parent, const char* name, int max) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(QLatin1String(name));
    slider->setRange(0, max);
    slider->setMinimumWidth(220);
    return slider;
}

QLabel* makeLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

}  // namespace

frmOggSettings& SettingsDialogs::ogg() {
    if (!m_ogg) m_ogg = new frmOggSettings(m_owner);
    return *m_ogg;
}

int frmOggSettings::bitrateAt(int position) { return settings_tables::bitrateAt(position, 128); }

frmOggSettings::frmOggSettings(EncoderDialogOwner& owner) : SettingsDialog(owner.ownerWindow()), m_owner(owner) {
    setObjectName(QLatin1String(variantOf(owner.tool()).objectName));
    setWindowTitle(tr("OGG Vorbis Settings"));
    buildControls();
    Form_Load();
}

void frmOggSettings::buildControls() {
    const Groups groups = createGroups();
    createControls(groups);
    layOut(groups);
    connectHandlers();
}

// The groups come first: the controls are made in them, in the window's order.
frmOggSettings::Groups frmOggSettings::createGroups() {
    auto* optionGroup = new QGroupBox(tr("Option"), this);
    optionGroup->setObjectName(QStringLiteral("fraOption"));
    auto* vbrGroup = new QGroupBox(tr("VBR"), this);
    vbrGroup->setObjectName(QStringLiteral("fraVbr"));
    auto* frequencyGroup = new QGroupBox(tr("Sampling Frequency"), this);
    frequencyGroup->setObjectName(QStringLiteral("fraFrequency"));
    auto* channelsGroup = new QGroupBox(tr("Channels Mode"), this);
    channelsGroup->setObjectName(QStringLiteral("fraChMode"));
    auto* qualityGroup = new QGroupBox(tr("Quality (Compression)"), this);
    qualityGroup->setObjectName(QStringLiteral("fraQuality"));
    return {optionGroup, vbrGroup, frequencyGroup, channelsGroup, qualityGroup};
}

void frmOggSettings::createControls(const Groups& groups) {
    chVbr = new QCheckBox(tr("VBR Enabled"), groups.option);
    chVbr->setObjectName(QStringLiteral("chVbr"));
    chQuality = new QCheckBox(tr("Quality Enabled"), groups.option);
    chQuality->setObjectName(QStringLiteral("chQuality"));
    sldrBitrate = makeSlider(groups.option, "sldrBitrate", 14);
    lblBitrate = makeLabel(groups.option, "lblBitrate");
    sldrMinBitrate = makeSlider(groups.vbr, "sldrMinBitrate", 14);
    lblMinBitrate = makeLabel(groups.vbr, "lblMinBitrate");
    sldrMaxBitrate = makeSlider(groups.vbr, "sldrMaxBitrate", 14);
    lblMaxBitrate = makeLabel(groups.vbr, "lblMaxBitrate");
    for (QSlider* slider : {sldrBitrate, sldrMinBitrate, sldrMaxBitrate}) {
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setPageStep(1);
    }

    cmbFrequency = new QComboBox(groups.frequency);
    cmbFrequency->setObjectName(QStringLiteral("cmbFrequency"));
    for (const settings_tables::SamplingFrequency& f : settings_tables::kSamplingFrequencies) cmbFrequency->addItem(f.shownText(), f.hz);
    cmbChMode = new QComboBox(groups.channels);
    cmbChMode->setObjectName(QStringLiteral("cmbChMode"));
    cmbChMode->addItem(tr("Mono"));
    cmbChMode->addItem(tr("Stereo"));

    sldrQuality = makeSlider(groups.quality, "sldrQuality", 1000);
    sldrQuality->setSingleStep(1);
    sldrQuality->setPageStep(100);
    sldrQuality->setTickInterval(100);
    sldrQuality->setTickPosition(QSlider::TicksBelow);

    cmdApply = pushButton(tr("Apply"), "cmdApply");
    cmdCancel = pushButton(tr("Cancel"), "cmdCancel");
    cmdOk = pushButton(tr("Ok"), "cmdOk");
    cmdOk->setDefault(true);
}

void frmOggSettings::layOut(const Groups& groups) {
    auto* option = new QVBoxLayout(groups.option);
    auto* switches = new QHBoxLayout;
    switches->addWidget(chVbr);
    switches->addWidget(chQuality);
    switches->addStretch(1);
    option->addLayout(switches);
    option->addWidget(sldrBitrate);
    option->addWidget(lblBitrate);
    option->addStretch(1);

    auto* vbr = new QVBoxLayout(groups.vbr);
    vbr->addWidget(sldrMinBitrate);
    vbr->addWidget(lblMinBitrate);
    vbr->addWidget(sldrMaxBitrate);
    vbr->addWidget(lblMaxBitrate);

    (new QVBoxLayout(groups.frequency))->addWidget(cmbFrequency);
    (new QVBoxLayout(groups.channels))->addWidget(cmbChMode);
    auto* quality = new QVBoxLayout(groups.quality);
    quality->addWidget(sldrQuality);
    auto* ends = new QHBoxLayout;
    auto* low = new QLabel(QStringLiteral("0"), groups.quality);
    auto* high = new QLabel(QStringLiteral("10"), groups.quality);
    ends->addWidget(low);
    ends->addStretch(1);
    ends->addWidget(high);
    quality->addLayout(ends);

    QGridLayout* grid = dialogGrid();
    grid->addWidget(groups.option, 0, 0, 2, 1);
    grid->addWidget(groups.frequency, 0, 1);
    grid->addWidget(groups.channels, 1, 1);
    grid->addWidget(groups.vbr, 2, 0);
    grid->addWidget(groups.quality, 2, 1);
    grid->addLayout(buttonRow({cmdApply, cmdCancel, cmdOk}), 3, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
}

void frmOggSettings::connectHandlers() {
    connect(sldrBitrate, &QSlider::valueChanged, this, &frmOggSettings::sldrBitrate_Scroll);
    connect(sldrMinBitrate, &QSlider::valueChanged, this, &frmOggSettings::sldrMinBitrate_Scroll);
    connect(sldrMaxBitrate, &QSlider::valueChanged, this, &frmOggSettings::sldrMaxBitrate_Scroll);
    connect(sldrQuality, &QSlider::valueChanged, this, &frmOggSettings::sldrQuality_Scroll);
    connect(chVbr, &QCheckBox::toggled, this, &frmOggSettings::chVbr_Click);
    connect(chQuality, &QCheckBox::toggled, this, &frmOggSettings::chQuality_Click);
    connect(cmdApply, &QPushButton::clicked, this, &frmOggSettings::cmdApply_Click);
    connect(cmdOk, &QPushButton::clicked, this, &frmOggSettings::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOggSettings::cmdCancel_Click);
}

void frmOggSettings::Form_Load() {
    m_owner.skin().ApplySkinByName(this, m_owner.dialogSkinSection());
    m_owner.SkinForm(this);
    showSettings(OggSettings{});
    LoadOGG();
}

// Puts settings into the controls. Setting the controls from here is no user action: the
// scroll handlers stay quiet and the state follows in one go.
void frmOggSettings::showSettings(const OggSettings& s) {
    cmbFrequency->setCurrentIndex(s.frequencyIndex);
    cmbChMode->setCurrentIndex(s.channelsIndex);
    {
        const QSignalBlocker b1(sldrBitrate), b2(sldrMinBitrate), b3(sldrMaxBitrate), b4(sldrQuality), b5(chVbr),
            b6(chQuality);
        sldrBitrate->setValue(s.bitratePosition);
        chVbr->setChecked(s.vbrEnabled);
        chQuality->setChecked(s.qualityEnabled);
        sldrMinBitrate->setValue(s.minBitratePosition);
        sldrMaxBitrate->setValue(s.maxBitratePosition);
        sldrQuality->setValue(s.quality);
    }
    m_bitRate = s.bitrate();
    m_minBitrate = s.minBitrate();
    m_maxBitrate = s.maxBitrate();
    m_quality = s.quality;
    m_vbrEnabled = s.vbrEnabled;
    m_qualityEnabled = s.qualityEnabled;
    showBitrates();
}

OggSettings frmOggSettings::shown() const {
    OggSettings s;
    s.frequencyIndex = cmbFrequency->currentIndex();
    s.channelsIndex = cmbChMode->currentIndex();
    s.bitratePosition = sldrBitrate->value();
    s.vbrEnabled = chVbr->isChecked();
    s.qualityEnabled = chQuality->isChecked();
    s.minBitratePosition = sldrMinBitrate->value();
    s.maxBitratePosition = sldrMaxBitrate->value();
    s.quality = sldrQuality->value();
    return s;
}

void frmOggSettings::showBitrates() {
    lblBitrate->setText(tr("Current nominal bitrate: %1 kbit").arg(m_bitRate));
    lblMinBitrate->setText(tr("Current min bitrate: %1 kbit").arg(m_minBitrate));
    lblMaxBitrate->setText(tr("Current max bitrate: %1 kbit").arg(m_maxBitrate));
}

// The pop-up text follows the slider and shows beside it while the user drags.
void frmOggSettings::showPopup(QSlider* slider, const QString& text) {
    slider->setToolTip(text);
    if (slider->isSliderDown()) QToolTip::showText(QCursor::pos(), text, slider);
}

void frmOggSettings::sldrBitrate_Scroll() {
    m_bitRate = bitrateAt(sldrBitrate->value());
    showBitrates();
    showPopup(sldrBitrate, QString::number(m_bitRate));
}

void frmOggSettings::sldrMinBitrate_Scroll() {
    m_minBitrate = bitrateAt(sldrMinBitrate->value());
    showBitrates();
    showPopup(sldrMinBitrate, QString::number(m_minBitrate));
}

void frmOggSettings::sldrMaxBitrate_Scroll() {
    m_maxBitrate = bitrateAt(sldrMaxBitrate->value());
    showBitrates();
    showPopup(sldrMaxBitrate, QString::number(m_maxBitrate));
}

void frmOggSettings::sldrQuality_Scroll() {
    m_quality = sldrQuality->value();
    showPopup(sldrQuality, QString::number(m_quality / 100.0));
}

void frmOggSettings::chVbr_Click() { m_vbrEnabled = chVbr->isChecked(); }

void frmOggSettings::chQuality_Click() { m_qualityEnabled = chQuality->isChecked(); }

bool frmOggSettings::Apply() {
    const OggSettings s = shown();
    if (const QString refusal = s.refusal(); !refusal.isEmpty()) {
        ui::MsgBox(refusal, ui::MsgButtons::OK, ui::MsgIcon::Exclamation);
        return false;
    }
    m_owner.outputSettings().ogg = s.format();
    return true;
}

void frmOggSettings::SaveOGG() { shown().save(m_owner.registryKey()); }

// A stored value outside its control's range is skipped: the control keeps what it shows. The
// stored positions take effect at once, as if the user had moved the sliders there.
void frmOggSettings::LoadOGG() { showSettings(OggSettings::load(m_owner.registryKey(), shown())); }

void frmOggSettings::cmdApply_Click() {
    SaveOGG();
    Apply();
    LoadOGG();
}

void frmOggSettings::cmdOk_Click() {
    SaveOGG();
    if (!Apply()) return;
    LoadOGG();
    accept();  // hides; the dialog and its state stay
}

void frmOggSettings::cmdCancel_Click() {
    unload();
}

