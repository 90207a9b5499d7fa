#pragma once
// Skinned label: a label that the skin control styles through its "label" section. Windows
// use it where their tables name a skin label; plain labels stay unskinned.

#include <QLabel>

class SkinLabel : public QLabel {
    Q_OBJECT
public:
    explicit SkinLabel(const QString& text = {}, QWidget* parent = nullptr);
};
