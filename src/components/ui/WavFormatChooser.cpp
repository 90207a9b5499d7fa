#include "components/ui/WavFormatChooser.h"

#include "components/audio/codecs/AudioFile.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>

namespace {

// Selects the entry holding `value`, or the nearest one above it (the last when none is).
void selectData(QComboBox* box, int value) {
    for (int i = 0; i < box->count(); ++i) {
        if (box->itemData(i).toInt() >= value) {
            box->setCurrentIndex(i);
            return;
        }
    }
    box->setCurrentIndex(box->count() - 1);
}

}  // namespace

void WavFormatChooser::install() {
    AudioFile::setWavFormatChooser([](const WavFormat& current, QObject* owner) -> std::optional<WavFormat> {
        WavFormatChooser chooser(current, qobject_cast<QWidget*>(owner));
        if (chooser.exec() != QDialog::Accepted) return std::nullopt;
        return chooser.chosenFormat();
    });
}

const QList<int>& WavFormatChooser::rates() {
    static const QList<int> list{8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000, 88200, 96000};
    return list;
}

WavFormatChooser::WavFormatChooser(const WavFormat& current, QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("WavFormatChooser"));
    setWindowTitle(tr("Sound Format"));
    auto* form = new QFormLayout(this);

    cmbRate = new QComboBox(this);
    cmbRate->setObjectName(QStringLiteral("cmbRate"));
    for (int rate : rates()) cmbRate->addItem(tr("%1 Hz").arg(rate), rate);
    cmbBits = new QComboBox(this);
    cmbBits->setObjectName(QStringLiteral("cmbBits"));
    for (int bits : {8, 16, 24, 32}) cmbBits->addItem(tr("%1 bit").arg(bits), bits);
    cmbChannels = new QComboBox(this);
    cmbChannels->setObjectName(QStringLiteral("cmbChannels"));
    for (int channels : {1, 2}) cmbChannels->addItem(channelsName(channels), channels);
    lblDescription = new QLabel(this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));

    form->addRow(tr("Sample rate:"), cmbRate);
    form->addRow(tr("Bits per sample:"), cmbBits);
    form->addRow(tr("Channels:"), cmbChannels);
    form->addRow(lblDescription);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);

    selectData(cmbRate, current.sampleRate);
    selectData(cmbBits, current.bits);
    selectData(cmbChannels, current.channels);
    updateDescription();

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QComboBox* box : {cmbRate, cmbBits, cmbChannels})
        connect(box, &QComboBox::currentIndexChanged, this, &WavFormatChooser::updateDescription);
}

WavFormat WavFormatChooser::chosenFormat() const {
    return WavFormat{cmbRate->currentData().toInt(), cmbChannels->currentData().toInt(), cmbBits->currentData().toInt()};
}

void WavFormatChooser::updateDescription() { lblDescription->setText(describeWav(chosenFormat())); }
