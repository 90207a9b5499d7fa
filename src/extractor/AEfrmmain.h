#pragma once
// The audio extractor's main window. One instance per program run, shown modeless without an
// owner; closing it unloads it.

#include <QWidget>

class AEfrmmain : public QWidget {
    Q_OBJECT
public:
    explicit AEfrmmain(QWidget* parent = nullptr);
};
