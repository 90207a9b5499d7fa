#include "converter/ACfrmOverWrite.h"

#include "shell/WindowServices.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

bool bOverwriteConfirmed = false;
bool bConvertCancelled = false;

namespace {
QString fileNameOf(const QString& path) { return QFileInfo(path).fileName(); }
}  // namespace

ACfrmOverWrite::ACfrmOverWrite(QWidget* owner, QListWidget* outputs) : QDialog(owner), m_outputs(outputs) {
    setObjectName(QStringLiteral("ACfrmOverWrite"));
    setWindowTitle(tr("Confirm Overwriting?!"));
    auto* column = new QVBoxLayout(this);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    ListView1 = new QListWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::SelectedClicked);
    ListView1->setMinimumSize(420, 180);
    ListOver = new QListWidget(this);
    ListOver->setObjectName(QStringLiteral("ListOver"));
    ListOver->hide();
    auto* buttons = new QHBoxLayout;
    Command1 = new QPushButton(tr("&Ok"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(tr("&Overwrite"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    cmdCancel = new QPushButton(tr("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    buttons->addWidget(cmdCancel);
    column->addWidget(Label1);
    column->addWidget(ListView1, 1);
    column->addLayout(buttons);
    connect(Command1, &QPushButton::clicked, this, &ACfrmOverWrite::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &ACfrmOverWrite::Command2_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &ACfrmOverWrite::cmdCancel_Click);
}

void ACfrmOverWrite::clearOutputs() {
    ListView1->clear();
    ListOver->clear();
}

void ACfrmOverWrite::addOutput(const QString& path) {
    ListOver->addItem(path);
    auto* item = new QListWidgetItem(fileNameOf(path), ListView1);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
}

void ACfrmOverWrite::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Form_Activate();
}

void ACfrmOverWrite::Form_Activate() {
    if (bMode) {
        Label1->setText(tr("These are the output file(s), rename to avoid overwriting."));
        setWindowTitle(tr("Renemae output file(s)."));
    } else {
        Label1->setText(tr("The following file(s) already exist, Rename or Overwrite?!"));
        setWindowTitle(tr("Confirm Overwriting?!"));
    }
    bConvertCancelled = false;
    bOverwriteConfirmed = false;
}

void ACfrmOverWrite::Command1_Click() {
    // An editor still open holds the newest text: commit it first.
    if (QWidget* editor = ListView1->focusWidget(); editor && editor != ListView1) ListView1->setFocus();
    // A name that is empty or holds a "/" would send the output to another place than the
    // dialog shows; the dialog stays open for it to be mended.
    for (int i = 0; i < ListView1->count(); ++i) {
        const QString name = ListView1->item(i)->text();
        if (!name.isEmpty() && !name.contains(QLatin1Char('/'))) continue;
        ui::MsgBox(tr("'%1' is not a file name. A new name must not be empty or contain '/'.").arg(name),
                   ui::MsgButtons::OK, ui::MsgIcon::Exclamation);
        ListView1->setCurrentRow(i);
        return;
    }
    int unrenamed = 0;
    for (int i = 0; i < ListView1->count(); ++i)
        if (ListView1->item(i)->text() == fileNameOf(ListOver->item(i)->text())) ++unrenamed;
    if (!bMode && unrenamed > 0) {
        if (ui::MsgBox(tr("You did not renamed all files,overwrite the unnamed?"), ui::MsgButtons::YesNo,
                       ui::MsgIcon::Question, ui::MsgDefault::Button2) != ui::MsgResult::Yes)
            return;
        bOverwriteConfirmed = true;
    }
    for (int i = 0; i < ListView1->count(); ++i) {
        const QString listed = ListOver->item(i)->text();
        const QString name = ListView1->item(i)->text();
        if (name == fileNameOf(listed)) continue;
        const QString renamed = QFileInfo(listed).path() + QLatin1Char('/') + name;
        for (int j = 0; j < m_outputs->count(); ++j)
            if (m_outputs->item(j)->text() == listed) m_outputs->item(j)->setText(renamed);
    }
    m_hiding = true;
    accept();
    m_hiding = false;
}

void ACfrmOverWrite::Command2_Click() {
    bOverwriteConfirmed = true;
    m_hiding = true;
    accept();
    m_hiding = false;
}

void ACfrmOverWrite::cmdCancel_Click() {
    bConvertCancelled = true;
    m_hiding = true;
    QDialog::reject();
    m_hiding = false;
}

void ACfrmOverWrite::reject() {
    // Escape counts as Cancel.
    cmdCancel_Click();
}

void ACfrmOverWrite::closeEvent(QCloseEvent* event) {
    if (m_hiding) {
        QDialog::closeEvent(event);
        return;
    }
    // The close box cancels the run and unloads the dialog.
    bConvertCancelled = true;
    QDialog::closeEvent(event);
    deleteLater();
}
