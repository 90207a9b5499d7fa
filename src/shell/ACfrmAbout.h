#pragma once
// The converter's About box: the tool's name and version, and a way to start the system
// information program. Shown modally by the converter window.

#include <QDialog>

class QLabel;
class QPushButton;

class ACfrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit ACfrmAbout(QWidget* owner = nullptr);

    QLabel* lblTitle;
    QLabel* lblVersion;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;
    QLabel* Label1;  // no text; a click on it closes the box

    void cmdOK_Click();
    void cmdSysInfo_Click();
    void Label1_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
};
