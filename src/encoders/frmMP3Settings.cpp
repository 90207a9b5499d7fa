#include "encoders/frmMP3Settings.h"

#include "components/audio/settings/MP3Settings.h"
#include "components/audio/settings/SettingsTables.h"
#include "components/ui/Skin.h"
#include "components/ui/SkinForm.h"
#include "components/ui/SkinLabel.h"
#include "encoders/SettingsDialogs.h"
// SettingsDialogs.h needs every dialog class complete.
#include "encoders/frmOggSettings.h"
#include "encoders/frmWavSettings.h"
#include "encoders/frmWmaSettings.h"
#include "shell/WindowServices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>

namespace {

using settings_tables::kBitrates;

constexpr Mp3DialogVariant kConverter{.formName = "ACfrmMP3",
                                      .title = QT_TRANSLATE_NOOP("frmMP3Settings", "MP3 Lame 3.91 Encoder Settings"),
                                      .loadWidth = 5400,
                                      .advancedWidth = 11750,
                                      .hiddenWidth = 5550,
                                      .narrowOnPreset = true,
                                      .tabStrip = false,
                                      .skinnedVbrLabels = false,
                                      .defaultButton = false,
                                      .ownControlWalk = true};
constexpr Mp3DialogVariant kExtractor{.formName = "AEfrmMP3",
                                      .title = QT_TRANSLATE_NOOP("frmMP3Settings", "MP3 Lame Encoder"),
                                      .loadWidth = 6000,
                                      .advancedWidth = 13750,
                                      .hiddenWidth = 6000,
                                      .narrowOnPreset = false,
                                      .tabStrip = true,
                                      .skinnedVbrLabels = true,
                                      .defaultButton = true,
                                      .ownControlWalk = false};

QString bitrateCaption(int kbps) { return frmMP3Settings::tr("Current bitrate: %1 kbit").arg(kbps); }

using settings_tables::bitratePosition;

int bitrateAt(const QSlider* slider) {
    return kBitrates.at(static_cast<std::size_t>(std::clamp(slider->sliderPosition(), 0, 14)));
}

QSpinBox* upDown(int minimum, int maximum, int step) {
    auto* box = new QSpinBox;
    box->setRange(minimum, maximum);
    box->setSingleStep(step);
    return box;
}

QSlider* slider(int maximum) {
    auto* s = new QSlider(Qt::Horizontal);
    s->setRange(0, maximum);
    s->setSingleStep(1);
    s->setPageStep(1);
    s->setTickPosition(QSlider::TicksBelow);
    s->setTickInterval(1);
    return s;
}

// A slider in a frame, with its two end captions below it.
void sliderFrame(QGroupBox* frame, QSlider* s, const QString& low, const QString& high) {
    auto* grid = new QGridLayout(frame);
    grid->addWidget(s, 0, 0, 1, 2);
    grid->addWidget(new QLabel(low), 1, 0, Qt::AlignLeft);
    grid->addWidget(new QLabel(high), 1, 1, Qt::AlignRight);
}

}  // namespace

const Mp3DialogVariant& Mp3DialogVariant::of(DialogTool tool) {
    return tool == DialogTool::Converter ? kConverter : kExtractor;
}

const std::array<int, 15>& frmMP3Settings::bitrateTable() { return kBitrates; }

frmMP3Settings& SettingsDialogs::mp3() {
    if (!m_mp3 || m_mp3->isUnloaded()) m_mp3 = new frmMP3Settings(m_owner);
    return *m_mp3;
}

frmMP3Settings::frmMP3Settings(EncoderDialogOwner& owner)
    : SettingsDialog(owner.ownerWindow()), m_owner(owner), m_variant(Mp3DialogVariant::of(owner.tool())),
      m_mp3Lame(&owner.outputSettings().mp3) {
    setObjectName(QLatin1String(m_variant.formName));
    setWindowTitle(tr(m_variant.title));
    createControls();
    layOut();
    connectHandlers();

    // Load handling.
    setWidthTwips(m_variant.loadWidth);
    owner.skin().ApplySkinByName(this, owner.dialogSkinSection());
    if (m_variant.ownControlWalk) skinControlsByKind(owner.skin(), this, QStringLiteral("DefaultButt"));
    else owner.SkinForm(this);
    ShowEncoderSettings();
    if (m_variant.tabStrip) TabStrip1_Click();
    LoadMP3();
}

frmMP3Settings::~frmMP3Settings() = default;

void frmMP3Settings::createControls() {
    createPresetControls();
    createManualControls();
    createPages();
    createFilterControls();
    createVbrControls();
    createExpertControls();
}

// The preset choice and the buttons under it.
void frmMP3Settings::createPresetControls() {
    lblPreset = new QLabel(tr("Preset:"));
    cmbPreset = new QComboBox;
    lblCurPresetCaption = new QLabel(tr("Current Preset:"));
    lblCurPreset = new QLabel;
    lblCurPreset->setWordWrap(true);
    cmdOK = new QPushButton(tr("Ok"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(tr("Cancel"));
    cmdApply = new QPushButton(tr("Apply"));
    Command1 = new QPushButton(tr("&Hide Advanced Options"));
    cmdDefault = m_variant.defaultButton ? new QPushButton(tr("Default")) : nullptr;
}

// The manual settings: frequency, channel mode, encoder quality and bitrate.
void frmMP3Settings::createManualControls() {
    Frame1 = new QGroupBox;
    cmdAdvancedOptions = new QPushButton(tr("&Advanced Options"));
    lblFrequency = new QLabel(tr("Sampling Frequency"));
    cmbFrequency = new QComboBox;
    for (const settings_tables::SamplingFrequency& f : settings_tables::kSamplingFrequencies) cmbFrequency->addItem(f.shownText(), f.hz);
    fraQuality = new QGroupBox(tr("Encoder Quality"));
    sldrQuality = slider(9);
    lblChMode = new QLabel(tr("Channels Mode"));
    cmbChMode = new QComboBox;
    cmbChMode->addItems({tr("Mono"), tr("Stereo"), tr("Joint Stereo"), tr("Forced Joint Stereo"), tr("Dual Channels")});
    fraBitrate = new QGroupBox(tr("Bitrate"));
    sldrBitrate = slider(14);
}

// The tab control or tab strip of the advanced part, and its three pages.
void frmMP3Settings::createPages() {
    tabMP3 = m_variant.tabStrip ? nullptr : new QTabWidget;
    TabStrip1 = m_variant.tabStrip ? new QTabBar : nullptr;
    for (QWidget*& page : fraPages) {
        // The tab strip's pages are frames of the window; the tab control's are its own pages.
        page = m_variant.tabStrip ? new QGroupBox : new QWidget;
    }
}

// The "Filtering" page: the lowpass and highpass filters.
void frmMP3Settings::createFilterControls() {
    fraLowPass = new QGroupBox(tr("LowPass Filter"));
    chLFilt = new QCheckBox(tr("Lowpass filtering frequency (in Hz):"));
    udLFiltF = tLFiltF = upDown(0, 48000, 10);
    lblLFiltW = new QLabel(tr("Width of Lowpass filter (in Hz):"));
    udLFiltW = tLFiltW = upDown(0, 48000, 10);
    fraHighPass = new QGroupBox(tr("HighPass Filter"));
    chHFilt = new QCheckBox(tr("Highpass filtering frequency (in Hz):"));
    udHFiltF = tHFiltF = upDown(0, 48000, 10);
    lblHFiltW = new QLabel(tr("Width of Highpass filter (in Hz):"));
    udHFiltW = tHFiltW = upDown(0, 48000, 10);
}

// The "VBR" page: coding method, quality, ABR target, maximum bitrate and its switches.
void frmMP3Settings::createVbrControls() {
    lblCodingMethod = new QLabel(tr("Coding Method:"));
    cmbVBRCodingMethod = new QComboBox;
    //: VBR coding methods of the MP3 encoder: none (constant bitrate), the encoder's default, its old and
    //: new VBR routines, MTRH and average bitrate
    cmbVBRCodingMethod->addItems({tr("None", "VBR coding method"), tr("Default", "VBR coding method"),
                                  tr("Old", "VBR coding method"), tr("New", "VBR coding method"), tr("MTRH"), tr("ABR")});
    const QString vbrQualityText = tr("VBR Quality:");
    const QString abrText = tr("Targed bitrate for ABR:");
    lblVbrQuality = m_variant.skinnedVbrLabels ? new SkinLabel(vbrQualityText) : new QLabel(vbrQualityText);
    udVbrQuality = txtVbrQuality = upDown(0, 9, 1);
    lblAbrBitrate = m_variant.skinnedVbrLabels ? new SkinLabel(abrText) : new QLabel(abrText);
    udAbrBitrate = txtAbrBitrate = upDown(4, 320, 1);
    fraMaxVbrBitrate = new QGroupBox(tr("Maximum VBR Bitrate"));
    sldrVbrBitrate = slider(14);
    lblVbrBitrate = new QLabel;
    fraAdvanced = new QGroupBox(tr("Advanced"));
    chStrictlyEnforceMinBitrate = new QCheckBox(tr("Strictly enforce minimum bitrate"));
    chWriteVBRHeader = new QCheckBox(tr("Write VBR Header"));
}

// The "Expert" page: the encoder's switches, ATH control and de-emphasis.
void frmMP3Settings::createExpertControls() {
    chStrictlyISOCompliance = new QCheckBox(tr("comply as much as possible to ISO MPEG spec"));
    chShortBlocks = new QCheckBox(tr("short blocks"));
    chBitReservoir = new QCheckBox(tr("bit reservoir"));
    chBlockType = new QCheckBox(tr("allow block types to differ between channels"));
    chErrorProtection = new QCheckBox(tr("include CRC -Checksums"));
    lblATHControl = new QLabel(tr("ATH Control:"));
    cmbATHControl = new QComboBox;
    //: How the MP3 encoder uses the absolute threshold of hearing (ATH)
    cmbATHControl->addItems({tr("default", "ATH control"), tr("only", "ATH control"), tr("disabled", "ATH control"),
                             tr("only for short blocks", "ATH control")});
    lblEmphasis = new QLabel(tr("De-emphasis :"));
    cmbEmphasis = new QComboBox;
    cmbEmphasis->addItems({tr("default", "de-emphasis"), tr("0/15 microseconds"), tr("citt j.17")});
}

// Left: presets, buttons and the manual group, as wide as the narrow window. Right: the
// advanced pages, shown only while the window is widened.
void frmMP3Settings::layOut() {
    auto* top = new QHBoxLayout(this);
    top->setContentsMargins(10, 10, 10, 10);
    top->setSpacing(10);
    top->addWidget(layOutLeftPart(), 0, Qt::AlignLeft | Qt::AlignTop);
    layOutFilteringPage();
    layOutVbrPage();
    layOutExpertPage();
    top->addWidget(layOutRightPart(), 1);
}

QWidget* frmMP3Settings::layOutLeftPart() {
    m_leftPart = new QWidget;
    auto* left = new QVBoxLayout(m_leftPart);
    left->setContentsMargins(0, 0, 0, 0);
    auto* presetGrid = new QGridLayout;
    presetGrid->addWidget(lblPreset, 0, 0);
    presetGrid->addWidget(cmbPreset, 0, 1);
    presetGrid->addWidget(lblCurPresetCaption, 1, 0, Qt::AlignTop);
    presetGrid->addWidget(lblCurPreset, 1, 1);
    presetGrid->setColumnStretch(1, 1);
    left->addLayout(presetGrid);
    auto* buttons = new QGridLayout;
    buttons->addWidget(cmdOK, 0, 0);
    buttons->addWidget(cmdCancel, 0, 1);
    buttons->addWidget(cmdApply, 0, 2);
    buttons->addWidget(Command1, 1, 0, 1, cmdDefault ? 2 : 3);
    if (cmdDefault) buttons->addWidget(cmdDefault, 1, 2);
    left->addLayout(buttons);
    layOutManual();
    left->addWidget(Frame1);
    left->addStretch(1);
    return m_leftPart;
}

void frmMP3Settings::layOutManual() {
    auto* manual = new QGridLayout(Frame1);
    manual->addWidget(cmdAdvancedOptions, 0, 0, 1, 2);
    manual->addWidget(lblFrequency, 1, 0);
    manual->addWidget(cmbFrequency, 1, 1);
    manual->addWidget(lblChMode, 2, 0);
    manual->addWidget(cmbChMode, 2, 1);
    //: The ends of the encoder quality slider
    sliderFrame(fraQuality, sldrQuality, tr("better"), tr("faster"));
    manual->addWidget(fraQuality, 3, 0, 1, 2);
    //: The ends of the bitrate slider
    sliderFrame(fraBitrate, sldrBitrate, tr("poor quality "), tr("good quality "));
    manual->addWidget(fraBitrate, 4, 0, 1, 2);
    manual->setColumnStretch(1, 1);
}

void frmMP3Settings::layOutFilteringPage() {
    auto* filtering = new QVBoxLayout(fraPages[0]);
    for (auto [frame, check, frequencyBox, widthLabel, widthBox] :
         {std::tuple{fraLowPass, chLFilt, udLFiltF, lblLFiltW, udLFiltW},
          std::tuple{fraHighPass, chHFilt, udHFiltF, lblHFiltW, udHFiltW}}) {
        auto* grid = new QGridLayout(frame);
        grid->addWidget(check, 0, 0);
        grid->addWidget(frequencyBox, 0, 1);
        grid->addWidget(widthLabel, 1, 0);
        grid->addWidget(widthBox, 1, 1);
        grid->setColumnStretch(0, 1);
        filtering->addWidget(frame);
    }
    filtering->addStretch(1);
}

void frmMP3Settings::layOutVbrPage() {
    auto* vbr = new QGridLayout(fraPages[1]);
    vbr->addWidget(lblCodingMethod, 0, 0);
    vbr->addWidget(cmbVBRCodingMethod, 0, 1);
    vbr->addWidget(lblVbrQuality, 1, 0);
    vbr->addWidget(udVbrQuality, 1, 1);
    vbr->addWidget(lblAbrBitrate, 2, 0);
    vbr->addWidget(udAbrBitrate, 2, 1);
    auto* maxVbr = new QVBoxLayout(fraMaxVbrBitrate);
    maxVbr->addWidget(sldrVbrBitrate);
    maxVbr->addWidget(lblVbrBitrate);
    vbr->addWidget(fraMaxVbrBitrate, 3, 0, 1, 2);
    auto* advanced = new QVBoxLayout(fraAdvanced);
    advanced->addWidget(chStrictlyEnforceMinBitrate);
    advanced->addWidget(chWriteVBRHeader);
    vbr->addWidget(fraAdvanced, 4, 0, 1, 2);
    vbr->setColumnStretch(1, 1);
    vbr->setRowStretch(5, 1);
}

void frmMP3Settings::layOutExpertPage() {
    auto* expert = new QGridLayout(fraPages[2]);
    int row = 0;
    for (QCheckBox* check : {chStrictlyISOCompliance, chShortBlocks, chBitReservoir, chBlockType, chErrorProtection})
        expert->addWidget(check, row++, 0, 1, 2);
    expert->addWidget(lblATHControl, row, 0);
    expert->addWidget(cmbATHControl, row++, 1);
    expert->addWidget(lblEmphasis, row, 0);
    expert->addWidget(cmbEmphasis, row++, 1);
    expert->setColumnStretch(1, 1);
    expert->setRowStretch(row, 1);
}

// The pages under a tab control, or under a tab strip that shows one of them at a time.
QWidget* frmMP3Settings::layOutRightPart() {
    const std::array<QString, 3> tabs{tr("Filtering"), tr("VBR"), tr("Expert")};
    m_rightPart = new QWidget;
    auto* right = new QVBoxLayout(m_rightPart);
    right->setContentsMargins(0, 0, 0, 0);
    if (tabMP3) {
        for (std::size_t i = 0; i < tabs.size(); ++i) tabMP3->addTab(fraPages[i], tabs[i]);
        right->addWidget(tabMP3);
    } else {
        for (const QString& tab : tabs) TabStrip1->addTab(tab);
        right->addWidget(TabStrip1);
        // The three frames share one place; the tab strip shows one at a time.
        auto* frames = new QGridLayout;
        for (QWidget* page : fraPages) frames->addWidget(page, 0, 0);
        right->addLayout(frames, 1);
    }
    return m_rightPart;
}

void frmMP3Settings::connectHandlers() {
    connect(cmbPreset, &QComboBox::currentIndexChanged, this, &frmMP3Settings::cmbPreset_Click);
    connect(cmbVBRCodingMethod, &QComboBox::currentIndexChanged, this, &frmMP3Settings::cmbVBRCodingMethod_Click);
    // The scroll handlers are the user's: actionTriggered is not raised by setValue().
    connect(sldrBitrate, &QSlider::actionTriggered, this, &frmMP3Settings::sldrBitrate_Scroll);
    connect(sldrVbrBitrate, &QSlider::actionTriggered, this, &frmMP3Settings::sldrVbrBitrate_Scroll);
    // The captions name the bitrate the slider stands at, however it got there (loading,
    // defaults, the keyboard).
    connect(sldrBitrate, &QSlider::valueChanged, this, [this] { fraBitrate->setTitle(bitrateCaption(bitrateAt(sldrBitrate))); });
    connect(sldrVbrBitrate, &QSlider::valueChanged, this,
            [this] { lblVbrBitrate->setText(bitrateCaption(bitrateAt(sldrVbrBitrate))); });
    connect(sldrQuality, &QSlider::actionTriggered, this, &frmMP3Settings::sldrQuality_Scroll);
    connect(chHFilt, &QCheckBox::toggled, this, &frmMP3Settings::chHFilt_Click);
    connect(chLFilt, &QCheckBox::toggled, this, &frmMP3Settings::chLFilt_Click);
    connect(cmdAdvancedOptions, &QPushButton::clicked, this, &frmMP3Settings::cmdAdvancedOptions_Click);
    connect(Command1, &QPushButton::clicked, this, &frmMP3Settings::Command1_Click);
    connect(cmdApply, &QPushButton::clicked, this, &frmMP3Settings::cmdApply_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmMP3Settings::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmMP3Settings::cmdCancel_Click);
    if (TabStrip1) connect(TabStrip1, &QTabBar::currentChanged, this, &frmMP3Settings::TabStrip1_Click);
    if (cmdDefault) connect(cmdDefault, &QPushButton::clicked, this, &frmMP3Settings::cmdDefault_Click);
}

void frmMP3Settings::setWidthTwips(int twips) {
    // The set widths, both grown by what a longer translation of the left part's texts needs.
    // (Before the dialog is first shown its texts have no widths yet: showEvent finds the growth.)
    m_widthTwips = twips;
    setFixedWidth(ui::twipsToPixelsX(twips) + m_grown);
    m_leftPart->setFixedWidth(ui::twipsToPixelsX(m_variant.loadWidth) - 20 + m_grown);
    m_rightPart->setVisible(twips >= m_variant.advancedWidth);
    fitHeight();
}

void frmMP3Settings::showEvent(QShowEvent* event) {
    SettingsDialog::showEvent(event);
    // A grid shares added width among its columns: grow until every text fits.
    for (int pass = 0; pass < 8; ++pass) {
        const int over = textOverflow();
        if (over <= 0) break;
        m_grown += over;
        setWidthTwips(m_widthTwips);
        layout()->activate();
    }
}

// How much wider the left part's labels and buttons would be drawn whole than its layout
// makes them; 0 when every text fits.
int frmMP3Settings::textOverflow() const {
    int over = 0;
    for (QWidget* w : m_leftPart->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(w);
        if ((!label || label->wordWrap()) && !qobject_cast<QAbstractButton*>(w)) continue;
        if (w->isVisibleTo(m_leftPart)) over = std::max(over, w->sizeHint().width() - w->width());
    }
    return over;
}

// The height follows what is shown.
void frmMP3Settings::fitHeight() {
    for (QWidget* part : {m_leftPart, m_rightPart}) {
        part->layout()->invalidate();
        part->layout()->activate();
        part->updateGeometry();
    }
    layout()->invalidate();
    layout()->activate();
    adjustSize();
}

// A selection set by code runs the choice's handling once, as the user's choice does.
void frmMP3Settings::selectPreset(int index) {
    {
        const QSignalBlocker block(cmbPreset);
        cmbPreset->setCurrentIndex(index);
    }
    cmbPreset_Click();
}

void frmMP3Settings::selectCodingMethod(int index) {
    {
        const QSignalBlocker block(cmbVBRCodingMethod);
        cmbVBRCodingMethod->setCurrentIndex(index);
    }
    cmbVBRCodingMethod_Click();
}

void frmMP3Settings::set(const std::function<void()>& write) {
    try {
        write();
    } catch (const ComponentError& e) {
        m_refused << e.description();
    }
}

// ---- Public operations ----------------------------------------------------------------

void frmMP3Settings::ShowEncoderSettings() {
    const MP3Settings& s = *m_mp3Lame;
    const int frequency = cmbFrequency->findData(s.sampleRate());
    cmbFrequency->setCurrentIndex(frequency >= 0 ? frequency : 7);
    sldrQuality->setValue(s.encoderQuality());
    if (const int position = bitratePosition(s.bitrate()); position >= 0) sldrBitrate->setValue(position);
    fraBitrate->setTitle(bitrateCaption(s.bitrate()));
    if (const int position = bitratePosition(s.maxVbrBitrate()); position >= 0) sldrVbrBitrate->setValue(position);
    udVbrQuality->setValue(s.vbrQuality());
    {
        const QSignalBlocker block(cmbPreset);
        cmbPreset->clear();
        cmbPreset->addItem(tr("None", "MP3 preset"));
        cmbPreset->addItems(MP3Settings::presetNames());
    }
    selectPreset(0);
    lblVbrBitrate->setText(bitrateCaption(s.maxVbrBitrate()));
    udVbrQuality->setValue(s.vbrQuality());
    selectCodingMethod(s.codingMethod() + 1);
    udAbrBitrate->setValue(s.abrBitrate());
    cmbChMode->setCurrentIndex(s.channels() == 1 ? 0 : s.channelMode());
    chWriteVBRHeader->setChecked(s.writeVbrHeader());
    chStrictlyEnforceMinBitrate->setChecked(s.enforceMinBitrate());

    const bool highpass = s.highpassFrequency() >= 0;
    udHFiltF->setValue(highpass ? s.highpassFrequency() : 30);
    chHFilt->setChecked(highpass);
    udHFiltW->setValue(s.highpassWidth() == 0 ? 5 : s.highpassWidth());
    chHFilt_Click();
    const bool lowpass = s.lowpassFrequency() >= 0;
    udLFiltF->setValue(lowpass ? s.lowpassFrequency() : 15160);
    chLFilt->setChecked(lowpass);
    udLFiltW->setValue(s.lowpassWidth() == 0 ? 760 : s.lowpassWidth());
    chLFilt_Click();

    cmbATHControl->setCurrentIndex(s.athControl());
    cmbEmphasis->setCurrentIndex(s.deEmphasis());
    chErrorProtection->setChecked(s.crc());
    chBlockType->setChecked(s.blockTypesMayDiffer());
    chBitReservoir->setChecked(s.bitReservoir());
    chShortBlocks->setChecked(s.shortBlocks());
    chStrictlyISOCompliance->setChecked(s.strictIso());
}

bool frmMP3Settings::Apply() {
    m_refused.clear();
    // The controls go onto a copy; the settings object takes them only when the encoder can
    // write them as shown.
    MP3Settings s = *m_mp3Lame;
    const int preset = cmbPreset->currentIndex();
    if (preset > 0) {
        set([&] { s.setPreset(preset); });
        *m_mp3Lame = s;
        return true;
    }
    set([&] { s.setSampleRate(cmbFrequency->currentData().toInt()); });
    set([&] { s.setCodingMethod(cmbVBRCodingMethod->currentIndex() - 1); });
    set([&] { s.setBitrate(bitrateAt(sldrBitrate)); });
    set([&] { s.setMaxVbrBitrate(bitrateAt(sldrVbrBitrate)); });
    set([&] { s.setAthControl(cmbATHControl->currentIndex()); });
    if (cmbChMode->currentIndex() == 0) {
        set([&] { s.setChannels(1); });
    } else {
        set([&] { s.setChannels(2); });
        set([&] { s.setChannelMode(cmbChMode->currentIndex()); });
    }
    set([&] { s.setDeEmphasis(cmbEmphasis->currentIndex()); });
    s.setWriteVbrHeader(chWriteVBRHeader->isChecked());
    s.setEnforceMinBitrate(chStrictlyEnforceMinBitrate->isChecked());
    s.setCrc(chErrorProtection->isChecked());
    s.setBlockTypesMayDiffer(chBlockType->isChecked());
    s.setBitReservoir(chBitReservoir->isChecked());
    s.setShortBlocks(chShortBlocks->isChecked());
    s.setStrictIso(chStrictlyISOCompliance->isChecked());
    // The ABR target counts only when ABR is chosen; otherwise a value the object refuses is
    // skipped, as the control is not in use.
    if (cmbVBRCodingMethod->currentIndex() == 5) {
        set([&] { s.setAbrBitrate(udAbrBitrate->value()); });
    } else {
        try {
            s.setAbrBitrate(udAbrBitrate->value());
        } catch (const ComponentError&) {
        }
    }
    set([&] { s.setHighpassFrequency(chHFilt->isChecked() ? udHFiltF->value() : -1); });
    set([&] { s.setLowpassFrequency(chLFilt->isChecked() ? udLFiltF->value() : -1); });
    set([&] { s.setHighpassWidth(udHFiltW->value()); });
    set([&] { s.setLowpassWidth(udLFiltW->value()); });
    set([&] { s.setVbrQuality(udVbrQuality->value()); });
    // The quality slider's position counts too, so a stored quality takes effect.
    set([&] { s.setEncoderQuality(sldrQuality->value()); });
    if (m_refused.isEmpty())
        if (const QString refusal = lameRefusal(s); !refusal.isEmpty()) m_refused << refusal;
    if (!m_refused.isEmpty()) return false;
    *m_mp3Lame = s;
    return true;
}

// Applies what the controls show, or says why the encoder cannot write it and what it can.
bool frmMP3Settings::applyChecked() {
    if (Apply()) return true;
    ui::MsgBox(tr("These MP3 settings cannot be written:\n\n%1").arg(m_refused.join(QLatin1Char('\n'))),
               ui::MsgButtons::OK, ui::MsgIcon::Exclamation);
    return false;
}


Mp3Choice frmMP3Settings::shownChoice() const {
    return Mp3Choice{cmbPreset->currentIndex(), cmbFrequency->currentIndex(), cmbChMode->currentIndex(),
                     sldrBitrate->value(), sldrQuality->value()};
}

void frmMP3Settings::SaveMP3() { shownChoice().save(m_owner.registryKey()); }

void frmMP3Settings::showChoice(const Mp3Choice& choice) {
    selectPreset(choice.preset);
    cmbFrequency->setCurrentIndex(choice.frequencyIndex);
    cmbChMode->setCurrentIndex(choice.channelModeIndex);
    sldrBitrate->setValue(choice.bitratePosition);
    sldrQuality->setValue(choice.qualityPosition);
}

// Text that is not a number, or lies outside its control's range, counts as missing.
void frmMP3Settings::LoadMP3() { showChoice(Mp3Choice::load(m_owner.registryKey())); }

// ---- Handlers -------------------------------------------------------------------------

void frmMP3Settings::cmbPreset_Click() {
    const int index = cmbPreset->currentIndex();
    if (index < 1) {
        Frame1->setVisible(true);
        fitHeight();
        return;
    }
    Frame1->setVisible(false);
    fitHeight();
    set([&] { m_mp3Lame->setPreset(index); });
    lblCurPreset->setText(m_mp3Lame->description());
    if (m_variant.narrowOnPreset) setWidthTwips(m_variant.hiddenWidth);
}

void frmMP3Settings::sldrBitrate_Scroll() {
    const QString value = QString::number(bitrateAt(sldrBitrate));
    fraBitrate->setTitle(bitrateCaption(bitrateAt(sldrBitrate)));
    sldrBitrate->setToolTip(value);
    if (sldrBitrate->isSliderDown()) QToolTip::showText(QCursor::pos(), value, sldrBitrate);
}

void frmMP3Settings::sldrVbrBitrate_Scroll() {
    const QString value = QString::number(bitrateAt(sldrVbrBitrate));
    lblVbrBitrate->setText(bitrateCaption(bitrateAt(sldrVbrBitrate)));
    sldrVbrBitrate->setToolTip(value);
    if (sldrVbrBitrate->isSliderDown()) QToolTip::showText(QCursor::pos(), value, sldrVbrBitrate);
}

void frmMP3Settings::sldrQuality_Scroll() {
    set([&] { m_mp3Lame->setEncoderQuality(sldrQuality->sliderPosition()); });
}

void frmMP3Settings::cmbVBRCodingMethod_Click() {
    const int method = cmbVBRCodingMethod->currentIndex();
    const std::array<QWidget*, 6> common{fraMaxVbrBitrate, fraAdvanced, lblVbrBitrate,
                                         sldrVbrBitrate, chWriteVBRHeader, chStrictlyEnforceMinBitrate};
    const bool vbr = method >= 1;
    const bool abr = method == 5;
    lblVbrQuality->setEnabled(vbr && !abr);
    udVbrQuality->setEnabled(vbr && !abr);
    udAbrBitrate->setEnabled(abr);
    lblAbrBitrate->setEnabled(abr);
    for (QWidget* w : common) w->setEnabled(vbr);
}

void frmMP3Settings::setFilterEnabled(QCheckBox* check, QSpinBox* frequencyBox, QSpinBox* widthBox, QLabel* widthLabel) {
    const bool on = check->isChecked();
    frequencyBox->setEnabled(on);
    widthBox->setEnabled(on);
    widthLabel->setEnabled(on);
}

void frmMP3Settings::chHFilt_Click() { setFilterEnabled(chHFilt, udHFiltF, udHFiltW, lblHFiltW); }

void frmMP3Settings::chLFilt_Click() { setFilterEnabled(chLFilt, udLFiltF, udLFiltW, lblLFiltW); }

void frmMP3Settings::cmdAdvancedOptions_Click() { setWidthTwips(m_variant.advancedWidth); }

void frmMP3Settings::Command1_Click() { setWidthTwips(m_variant.hiddenWidth); }

// A combination the encoder refuses is neither applied nor stored.
void frmMP3Settings::cmdApply_Click() {
    if (!applyChecked()) return;
    SaveMP3();
    LoadMP3();
}

// The window is hidden and stays loaded, with its settings object; it stays open while the
// combination cannot be written.
void frmMP3Settings::cmdOK_Click() {
    if (!applyChecked()) return;
    SaveMP3();
    LoadMP3();
    accept();
}

// Unloads the window without saving or applying; the settings object lives on in its slot.
void frmMP3Settings::cmdCancel_Click() {
    unload();
}


void frmMP3Settings::TabStrip1_Click() {
    if (!TabStrip1) return;
    for (int i = 0; i < static_cast<int>(fraPages.size()); ++i) {
        QWidget* frame = fraPages[static_cast<std::size_t>(i)];
        const bool selected = TabStrip1->currentIndex() == i;
        frame->setVisible(selected);
        frame->setEnabled(selected);
        frame->raise();
    }
}

// The registry defaults; nothing is saved or applied until "Apply" or "Ok".
void frmMP3Settings::cmdDefault_Click() { showChoice(Mp3Choice{}); }
