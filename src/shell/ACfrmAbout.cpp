#include "shell/ACfrmAbout.h"

#include "shell/SysInfo.h"
#include "shell/WindowServices.h"

#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSvgWidget>

ACfrmAbout::ACfrmAbout(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("ACfrmAbout"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(18, 18, 18, 14);
    grid->setHorizontalSpacing(16);

    const QString logo = ui::programFile(QStringLiteral("\\skins\\logo.svg"));
    auto* picture = new QSvgWidget(this);
    picture->setObjectName(QStringLiteral("picIcon"));
    picture->setFixedSize(64, 64);
    if (QFileInfo::exists(logo)) picture->load(logo);
    grid->addWidget(picture, 0, 0, 3, 1, Qt::AlignTop);

    lblTitle = new QLabel(this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    grid->addWidget(lblTitle, 0, 1);

    lblVersion = new QLabel(this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    grid->addWidget(lblVersion, 1, 1);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setMinimumHeight(24);
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->installEventFilter(this);
    grid->addWidget(Label1, 2, 1);

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    grid->addWidget(line, 3, 0, 1, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(tr("System Info"), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    grid->addLayout(buttons, 4, 0, 1, 2);

    connect(cmdOK, &QPushButton::clicked, this, &ACfrmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &ACfrmAbout::cmdSysInfo_Click);
    Form_Load();
}

void ACfrmAbout::Form_Load() {
    setWindowTitle(tr("About %1").arg(ui::appTitle()));
    lblVersion->setText(QStringLiteral("6.0.0.3"));
    lblTitle->setText(tr("Audio Converter"));
}

void ACfrmAbout::cmdOK_Click() { close(); }
void ACfrmAbout::cmdSysInfo_Click() { StartSysInfo(); }
void ACfrmAbout::Label1_Click() { close(); }

bool ACfrmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label1 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Label1_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
