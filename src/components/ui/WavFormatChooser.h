#pragma once
// The PCM format chooser: sample rate, bits per sample and channels of WAV output.

#include "components/audio/codecs/Encoder.h"

#include <QDialog>

class QComboBox;
class QLabel;

class WavFormatChooser : public QDialog {
    Q_OBJECT
public:
    explicit WavFormatChooser(const WavFormat& current, QWidget* owner = nullptr);

    WavFormat chosenFormat() const;

    QComboBox* cmbRate;
    QComboBox* cmbBits;
    QComboBox* cmbChannels;
    QLabel* lblDescription;

    static const QList<int>& rates();
    // Makes AudioFile::ChooseWavFormat show this dialog (owned by the given widget).
    static void install();

private:
    void updateDescription();
};
