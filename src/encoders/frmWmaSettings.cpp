#include "encoders/frmWmaSettings.h"

#include "components/audio/settings/OutputSettings.h"
#include "components/ui/Skin.h"
#include "components/ui/SkinLabel.h"
#include "components/audio/codecs/WMAFile.h"
// SettingsDialogs.h's inline accessors need every dialog class complete.
#include "encoders/SettingsDialogs.h"
#include "encoders/frmMP3Settings.h"
#include "encoders/frmOggSettings.h"
#include "encoders/frmWavSettings.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include <algorithm>
#include <array>

namespace {

struct WmaVariant {
    const char* objectName;
    bool skinnedProfileLabel;
    // The converter stops loading when no profile is offered; the extractor goes on.
    bool stopWithoutProfiles;
};

// Indexed by DialogTool.
constexpr std::array<WmaVariant, 2> kVariants{{{"ACfrmWma", false, true}, {"AEfrmWma", true, false}}};

const WmaVariant& variantOf(DialogTool tool) { return kVariants[static_cast<std::size_t>(tool)]; }

bool encoderPresent(const WMAFile& file) { return file.WMASupported(); }
frmWmaSettings::AvailabilityCheck g_available = &encoderPresent;

}  // namespace

frmWmaSettings& SettingsDialogs::wma() {
    if (!m_wma) m_wma = new frmWmaSettings(m_owner);
    return *m_wma;
}

frmWmaSettings::AvailabilityCheck frmWmaSettings::setAvailabilityCheck(AvailabilityCheck check) {
    const AvailabilityCheck previous = g_available;
    g_available = check ? check : &encoderPresent;
    return previous;
}

frmWmaSettings::frmWmaSettings(EncoderDialogOwner& owner) : SettingsDialog(owner.ownerWindow()), m_owner(owner) {
    const WmaVariant& variant = variantOf(owner.tool());
    setObjectName(QLatin1String(variant.objectName));
    setWindowTitle(tr("WMA Settings"));

    const QString profileCaption = tr("WMA Profile:");
    lblProfile = variant.skinnedProfileLabel ? new SkinLabel(profileCaption, this) : new QLabel(profileCaption, this);
    lblProfile->setObjectName(QStringLiteral("lblProfile"));
    txtWmaProfile = new QSpinBox(this);
    txtWmaProfile->setObjectName(QStringLiteral("txtWmaProfile"));
    txtWmaProfile->setRange(0, 0);
    txtWmaProfile->setSingleStep(1);
    txtWmaProfile->setValue(0);
    txtWmaProfile->setMinimumWidth(80);
    UpDown1 = txtWmaProfile;
    lblProfile->setBuddy(txtWmaProfile);
    lblWma = new QLabel(this);
    lblWma->setObjectName(QStringLiteral("lblWma"));
    lblWma->setWordWrap(true);
    lblWma->setMinimumSize(260, 40);
    lblWma->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cmdOk = pushButton(tr("&Ok"), "cmdOk");
    cmdOk->setDefault(true);
    cmdCancel = pushButton(tr("&Cancel"), "cmdCancel");

    connect(UpDown1, &QSpinBox::valueChanged, this, &frmWmaSettings::UpDown1_Change);
    connect(cmdOk, &QPushButton::clicked, this, &frmWmaSettings::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmWmaSettings::cmdCancel_Click);

    QGridLayout* grid = dialogGrid();
    grid->addWidget(lblProfile, 0, 0);
    grid->addWidget(txtWmaProfile, 0, 1, Qt::AlignLeft);
    grid->addWidget(lblWma, 1, 0, 1, 2);
    grid->addLayout(buttonRow({cmdOk, cmdCancel}), 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    setMinimumWidth(380);  // room for the extractor skin's band and its buttons

    Form_Load();
}

frmWmaSettings::~frmWmaSettings() = default;

void frmWmaSettings::Form_Load() {
    m_owner.skin().ApplySkinByName(this, m_owner.dialogSkinSection());
    m_owner.SkinForm(this);
    WMAFile1 = std::make_unique<WMAFile>();

    // Profiles are offered only where they can be encoded.
    const int count = g_available(*WMAFile1) ? WMAFile1->ProfileCount() : 0;
    if (count == 0 && variantOf(m_owner.tool()).stopWithoutProfiles) {
        showUnsupported();
        return;
    }
    {
        const QSignalBlocker blocker(UpDown1);
        UpDown1->setRange(0, std::max(count - 1, 0));
    }
    showProfile(txtWmaProfile->value());
    LoadWMA();
}

void frmWmaSettings::showUnsupported() {
    m_supported = false;
    lblWma->setText(tr("WMA is not Supported in your system,Install WMA codec.!"));
}

// Makes `number` WMAFile1's profile and shows its description.
void frmWmaSettings::showProfile(int number) {
    m_supported = true;
    WMAFile1->setWMProfile(number);
    lblWma->setText(WMAFile1->formatDescription());
}

void frmWmaSettings::LoadWMA() {
    // The converter asks its WMA writer and reader, the extractor its own WMA object; all are
    // the same component here.
    if (!g_available(*WMAFile1)) {
        showUnsupported();
        return;
    }
    {
        const QSignalBlocker blocker(UpDown1);
        txtWmaProfile->setValue(WmaSettings::load(m_owner.registryKey()).profile);
    }
    showProfile(txtWmaProfile->value());
    // What is written is what the dialog shows, from the first start after a restart on.
    handToOutput(txtWmaProfile->value());
}

void frmWmaSettings::SaveWMA() { WmaSettings{txtWmaProfile->value()}.save(m_owner.registryKey()); }

void frmWmaSettings::handToOutput(int number) { m_owner.outputSettings().wmaProfile = number; }

void frmWmaSettings::UpDown1_Change() {
    if (!m_supported) return;
    showProfile(UpDown1->value());
}

void frmWmaSettings::cmdOk_Click() {
    // Where WMA cannot be encoded no profile is shown, so there is nothing to hand on or keep.
    if (m_supported) {
        const int number = txtWmaProfile->value();
        handToOutput(number);
        showProfile(number);
        SaveWMA();
    }
    accept();  // hides; the dialog, its WMAFile1 and its number stay
}

void frmWmaSettings::cmdCancel_Click() {
    unload();
}

