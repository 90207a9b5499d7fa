#pragma once
// What every encoder settings dialog shares: "hide" keeps the dialog and its state; "unload"
// (Cancel, Escape, the close box) closes it and destroys it, so that the next use creates it
// anew and runs its load handling.

#include <QDialog>

class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

    bool isUnloaded() const { return m_unloaded; }

protected:
    // Closes and destroys the dialog (once).
    void unload() {
        if (m_unloaded) return;
        m_unloaded = true;
        QDialog::reject();
        deleteLater();
    }
    // Escape and the close box do what the dialog's Cancel does.
    void reject() override { cancel(); }
    virtual void cancel() { unload(); }

private:
    bool m_unloaded = false;
};
