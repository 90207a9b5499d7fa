#pragma once
// Confirmation of outputs that already exist, and renaming of outputs in place. In
// confirmation mode the run waits for it; in rename mode it edits the output names for the
// next run. No file is renamed on disk: only the converter's output list changes.

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

// The outcome of the last confirmation, read by the conversion run: at most one is true.
extern bool bOverwriteConfirmed;
extern bool bConvertCancelled;

class ACfrmOverWrite : public QDialog {
    Q_OBJECT
public:
    // `outputs` is the converter's output list, edited by "&Ok".
    ACfrmOverWrite(QWidget* owner, QListWidget* outputs);

    // True: rename mode (the rename button); false: confirmation mode (the existence check).
    bool bMode = false;

    QLabel* Label1;
    QListWidget* ListView1;  // the outputs' file names, editable in place
    QListWidget* ListOver;   // hidden: the full output path of each item
    QPushButton* Command1;   // "&Ok"
    QPushButton* Command2;   // "&Overwrite"
    QPushButton* cmdCancel;  // "&Cancel"

    // Empties both lists, then lists an output path.
    void clearOutputs();
    void addOutput(const QString& path);

    void Command1_Click();
    void Command2_Click();
    void cmdCancel_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void Form_Activate();
    QListWidget* m_outputs;
    bool m_hiding = false;
};
