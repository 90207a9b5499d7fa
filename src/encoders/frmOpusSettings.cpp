#include "encoders/frmOpusSettings.h"

#include "components/ui/Skin.h"
#include "components/ui/SkinLabel.h"
#include "encoders/SettingsDialogs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

#include <array>

namespace {

// Indexed by DialogTool: the object name, and whether captions are skinned labels.
struct OpusVariant {
    const char* objectName;
    bool skinnedCaptions;
};
constexpr std::array<OpusVariant, 2> kVariants{{{"ACfrmOpus", false}, {"AEfrmOpus", true}}};

}  // namespace

frmOpusSettings& SettingsDialogs::opus() {
    if (!m_opus) m_opus = new frmOpusSettings(m_owner);
    return *m_opus;
}

frmOpusSettings* SettingsDialogs::loadedOpus() const { return m_opus; }

frmOpusSettings::frmOpusSettings(EncoderDialogOwner& owner) : SettingsDialog(owner.ownerWindow()), m_owner(owner) {
    const OpusVariant& variant = kVariants[static_cast<std::size_t>(owner.tool())];
    setObjectName(QLatin1String(variant.objectName));
    setWindowTitle(tr("Opus Settings"));
    createControls(variant.skinnedCaptions);
    connectHandlers();
    layOut();

    m_owner.skin().ApplySkinByName(this, m_owner.dialogSkinSection());
    m_owner.SkinForm(this);
    LoadOPUS();
}

// Each caption is the buddy of the control after it; the controls start at OpusSettings'
// defaults.
void frmOpusSettings::createControls(bool skinnedCaptions) {
    const auto caption = [&](const char* name, const QString& text) {
        QLabel* label = skinnedCaptions ? new SkinLabel(text, this) : new QLabel(text, this);
        label->setObjectName(QLatin1String(name));
        return label;
    };

    const OpusSettings start;
    lblBitrateCaption = caption("lblBitrateCaption", tr("&Bitrate:"));
    txtBitrate = new QSpinBox(this);
    txtBitrate->setObjectName(QStringLiteral("txtBitrate"));
    txtBitrate->setRange(6, 512);
    //: Unit after the bitrate, with its leading space
    txtBitrate->setSuffix(tr(" kbit/s"));
    txtBitrate->setValue(start.bitrateKbps);
    lblBitrateCaption->setBuddy(txtBitrate);
    lblModeCaption = caption("lblModeCaption", tr("&Mode:"));
    cmbMode = new QComboBox(this);
    cmbMode->setObjectName(QStringLiteral("cmbMode"));
    cmbMode->addItems({tr("VBR"), tr("Constrained VBR"), tr("CBR")});
    lblModeCaption->setBuddy(cmbMode);
    lblComplexityCaption = caption("lblComplexityCaption", tr("C&omplexity:"));
    sldrComplexity = new QSlider(Qt::Horizontal, this);
    sldrComplexity->setObjectName(QStringLiteral("sldrComplexity"));
    sldrComplexity->setRange(0, 10);
    sldrComplexity->setPageStep(1);
    sldrComplexity->setTickPosition(QSlider::TicksBelow);
    sldrComplexity->setValue(start.complexity);
    lblComplexityCaption->setBuddy(sldrComplexity);
    lblComplexity = new QLabel(this);
    lblComplexity->setObjectName(QStringLiteral("lblComplexity"));
    lblComplexity->setMinimumWidth(30);
    lblOpus = new QLabel(this);
    lblOpus->setObjectName(QStringLiteral("lblOpus"));
    lblOpus->setWordWrap(true);
    lblOpus->setMinimumHeight(40);
    cmdOk = pushButton(tr("&Ok"), "cmdOk");
    cmdOk->setDefault(true);
    cmdCancel = pushButton(tr("&Cancel"), "cmdCancel");
}

void frmOpusSettings::connectHandlers() {
    connect(txtBitrate, &QSpinBox::valueChanged, this, &frmOpusSettings::showDescription);
    connect(cmbMode, &QComboBox::currentIndexChanged, this, &frmOpusSettings::showDescription);
    connect(sldrComplexity, &QSlider::valueChanged, this, &frmOpusSettings::showDescription);
    connect(cmdOk, &QPushButton::clicked, this, &frmOpusSettings::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOpusSettings::cmdCancel_Click);
}

void frmOpusSettings::layOut() {
    QGridLayout* grid = dialogGrid();
    grid->addWidget(lblBitrateCaption, 0, 0);
    grid->addWidget(txtBitrate, 0, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(lblModeCaption, 1, 0);
    grid->addWidget(cmbMode, 1, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(lblComplexityCaption, 2, 0);
    grid->addWidget(sldrComplexity, 2, 1);
    grid->addWidget(lblComplexity, 2, 2);
    grid->addWidget(lblOpus, 3, 0, 1, 3);
    grid->addLayout(buttonRow({cmdOk, cmdCancel}), 4, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    setMinimumWidth(400);
}

OpusSettings frmOpusSettings::shown() const {
    return OpusSettings{txtBitrate->value(), cmbMode->currentIndex(), sldrComplexity->value()};
}

void frmOpusSettings::LoadOPUS() {
    const OpusSettings stored = OpusSettings::load(m_owner.registryKey());
    {
        const QSignalBlocker b1(txtBitrate), b2(cmbMode), b3(sldrComplexity);
        txtBitrate->setValue(stored.bitrateKbps);
        cmbMode->setCurrentIndex(stored.mode);
        sldrComplexity->setValue(stored.complexity);
    }
    showDescription();
    apply();
}

void frmOpusSettings::SaveOPUS() { shown().save(m_owner.registryKey()); }

bool frmOpusSettings::apply() {
    m_owner.outputSettings().opus = shown().format();
    return true;
}

void frmOpusSettings::showDescription() {
    lblComplexity->setText(QString::number(sldrComplexity->value()));
    lblOpus->setText(tr("%1 kbit/s, %2. Encoded at 48 000 Hz; the source's rate is kept as the original "
                        "rate.")
                         .arg(txtBitrate->value())
                         .arg(cmbMode->currentText()));
}

void frmOpusSettings::cmdOk_Click() {
    apply();
    SaveOPUS();
    accept();
}
