#include "encoders/frmFlacSettings.h"

#include "components/ui/Skin.h"
#include "components/ui/SkinLabel.h"
#include "encoders/SettingsDialogs.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include <array>

namespace {

// Indexed by DialogTool: the object name, and whether captions are skinned labels.
struct FlacVariant {
    const char* objectName;
    bool skinnedCaptions;
};
constexpr std::array<FlacVariant, 2> kVariants{{{"ACfrmFlac", false}, {"AEfrmFlac", true}}};

QString levelText(int level) {
    if (level == 0) return frmFlacSettings::tr("0 (fastest)");
    if (level == 5) return frmFlacSettings::tr("5 (default)");
    if (level == 8) return frmFlacSettings::tr("8 (smallest)");
    return QString::number(level);
}

}  // namespace

frmFlacSettings& SettingsDialogs::flac() {
    if (!m_flac) m_flac = new frmFlacSettings(m_owner);
    return *m_flac;
}

frmFlacSettings* SettingsDialogs::loadedFlac() const { return m_flac; }

frmFlacSettings::frmFlacSettings(EncoderDialogOwner& owner) : SettingsDialog(owner.ownerWindow()), m_owner(owner) {
    const FlacVariant& variant = kVariants[static_cast<std::size_t>(owner.tool())];
    setObjectName(QLatin1String(variant.objectName));
    setWindowTitle(tr("FLAC Settings"));

    const QString caption = tr("Compression &level:");
    lblLevelCaption = variant.skinnedCaptions ? new SkinLabel(caption, this) : new QLabel(caption, this);
    lblLevelCaption->setObjectName(QStringLiteral("lblLevelCaption"));
    sldrLevel = new QSlider(Qt::Horizontal, this);
    sldrLevel->setObjectName(QStringLiteral("sldrLevel"));
    sldrLevel->setRange(0, 8);
    sldrLevel->setPageStep(1);
    sldrLevel->setTickPosition(QSlider::TicksBelow);
    sldrLevel->setValue(FlacSettings{}.level);
    sldrLevel->setMinimumWidth(180);
    lblLevelCaption->setBuddy(sldrLevel);
    lblLevel = new QLabel(this);
    lblLevel->setObjectName(QStringLiteral("lblLevel"));
    lblLevel->setMinimumWidth(90);
    chkVerify = new QCheckBox(tr("&Verify while encoding (slower)"), this);
    chkVerify->setObjectName(QStringLiteral("chkVerify"));
    lblFlac = new QLabel(tr("Lossless: the source's rate and channels are kept, and its bit depth up to "
                            "24 bits (16 bits for sources that have none)."),
                         this);
    lblFlac->setObjectName(QStringLiteral("lblFlac"));
    lblFlac->setWordWrap(true);
    cmdOk = pushButton(tr("&Ok"), "cmdOk");
    cmdOk->setDefault(true);
    cmdCancel = pushButton(tr("&Cancel"), "cmdCancel");

    connect(sldrLevel, &QSlider::valueChanged, this, &frmFlacSettings::sldrLevel_Scroll);
    connect(cmdOk, &QPushButton::clicked, this, &frmFlacSettings::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmFlacSettings::cmdCancel_Click);

    QGridLayout* grid = dialogGrid();
    grid->addWidget(lblLevelCaption, 0, 0);
    grid->addWidget(sldrLevel, 0, 1);
    grid->addWidget(lblLevel, 0, 2);
    grid->addWidget(chkVerify, 1, 0, 1, 3);
    grid->addWidget(lblFlac, 2, 0, 1, 3);
    grid->addLayout(buttonRow({cmdOk, cmdCancel}), 3, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    setMinimumWidth(400);

    m_owner.skin().ApplySkinByName(this, m_owner.dialogSkinSection());
    m_owner.SkinForm(this);
    sldrLevel_Scroll();
    LoadFLAC();
}

FlacSettings frmFlacSettings::shown() const { return FlacSettings{sldrLevel->value(), chkVerify->isChecked()}; }

void frmFlacSettings::LoadFLAC() {
    const FlacSettings stored = FlacSettings::load(m_owner.registryKey());
    {
        const QSignalBlocker blocker(sldrLevel);
        sldrLevel->setValue(stored.level);
    }
    chkVerify->setChecked(stored.verify);
    sldrLevel_Scroll();
    apply();
}

void frmFlacSettings::SaveFLAC() { shown().save(m_owner.registryKey()); }

bool frmFlacSettings::apply() {
    m_owner.outputSettings().flac = shown().format();
    return true;
}

void frmFlacSettings::sldrLevel_Scroll() { lblLevel->setText(levelText(sldrLevel->value())); }

void frmFlacSettings::cmdOk_Click() {
    apply();
    SaveFLAC();
    accept();
}
