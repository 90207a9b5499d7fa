#include "extractor/AEfrmabout.h"

#include "components/ui/Skin.h"
#include "components/ui/SkinLabel.h"
#include "extractor/AEfrmmain.h"
#include "shell/WindowServices.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSvgWidget>
#include <QToolButton>

AEfrmabout::AEfrmabout(AEfrmmain& owner) : QDialog(&owner), Skin(makeSkinControl()) {
    setObjectName(QStringLiteral("AEfrmabout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Form1"));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(22, 18, 22, 16);
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(6);

    const QString logo = ui::programFile(QStringLiteral("\\skins\\logo.svg"));
    auto* picture = new QSvgWidget(this);
    picture->setObjectName(QStringLiteral("picLogo"));
    picture->setFixedSize(72, 72);
    if (QFileInfo::exists(logo)) picture->load(logo);
    grid->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);

    lblTitle = new SkinLabel(QString(), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    grid->addWidget(lblTitle, 0, 1, Qt::AlignBottom);

    lblVersion = new SkinLabel(QString(), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    grid->addWidget(lblVersion, 1, 1, Qt::AlignTop);

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    grid->addLayout(buttons, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    setMinimumWidth(380);

    connect(cmdOK, &QPushButton::clicked, this, &AEfrmabout::cmdOK_Click);
    Form_Load(owner);
}

AEfrmabout::~AEfrmabout() = default;

void AEfrmabout::Form_Load(AEfrmmain& owner) {
    Skin->LoadSkin(ui::programFile(QStringLiteral("\\AE.skn")));
    Skin->ApplySkinByName(this, QStringLiteral("mainform"));
    // The skin's About and Help buttons belong to the extractor window; the box shows the band
    // without them.
    if (QWidget* band = findChild<QWidget*>(QStringLiteral("SkinBand"), Qt::FindDirectChildrenOnly))
        for (QToolButton* button : band->findChildren<QToolButton*>()) button->hide();
    owner.SkinForm(this);
    lblVersion->setText(QStringLiteral("5.6.0.4"));
    lblTitle->setText(tr("Audio Extractor"));
}

void AEfrmabout::cmdOK_Click() { close(); }
