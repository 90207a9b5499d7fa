#pragma once
// The audio converter's main window. One instance per program run, shown modeless without
// an owner; closing it unloads it (the launcher creates it anew when asked again).

#include <QMainWindow>

class frmAudioConverter : public QMainWindow {
    Q_OBJECT
public:
    explicit frmAudioConverter(QWidget* parent = nullptr);
};
