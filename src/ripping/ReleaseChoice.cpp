#include "ripping/ReleaseChoice.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

ReleaseChoice::ReleaseChoice(QWidget* parent, const std::vector<net::Release>& releases) : QDialog(parent) {
    setObjectName(QStringLiteral("ReleaseChoice"));
    setWindowTitle(tr("Choose the Release"));
    auto* label = new QLabel(tr("MusicBrainz knows this disc from several releases. Choose the one you have:"), this);
    lstReleases = new QTreeWidget(this);
    lstReleases->setObjectName(QStringLiteral("lstReleases"));
    lstReleases->setRootIsDecorated(false);
    //: Column headers of the releases: the record label and the medium (CD, vinyl …)
    lstReleases->setHeaderLabels({tr("Title"), tr("Artist"), tr("Date"), tr("Country"), tr("Label"), tr("Format")});
    label->setBuddy(lstReleases);
    for (const net::Release& r : releases) {
        const QString format = r.info.discTotal > 1
                                   ? tr("%1 (disc %2 of %3)")
                                         .arg(r.format, QString::number(r.info.discNumber), QString::number(r.info.discTotal))
                                   : r.format;
        new QTreeWidgetItem(lstReleases, {r.title, r.artist, r.date, r.country, r.label, format});
    }
    for (int c = 0; c < lstReleases->columnCount(); ++c) lstReleases->resizeColumnToContents(c);
    if (lstReleases->topLevelItemCount() > 0) lstReleases->setCurrentItem(lstReleases->topLevelItem(0));
    cmdOk = new QPushButton(tr("&Ok"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdCancel = new QPushButton(tr("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(lstReleases);
    layout->addLayout(buttons);
    resize(720, 260);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstReleases, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
}

int ReleaseChoice::chosen() const {
    QTreeWidgetItem* item = lstReleases->currentItem();
    return item ? lstReleases->indexOfTopLevelItem(item) : -1;
}

int ReleaseChoice::choose(QWidget* parent, const std::vector<net::Release>& releases) {
    QPointer<ReleaseChoice> dialog = new ReleaseChoice(parent, releases);
    const int result = dialog->exec();
    if (!dialog) return -1;  // the program is ending
    const int index = result == QDialog::Accepted ? dialog->chosen() : -1;
    delete dialog;
    return index;
}
