#pragma once
// What every encoder settings dialog shares: the three operations by which the owner uses it
// (load the stored settings into the controls, store the controls, hand the controls' choice
// to the writers), and its lifecycle: "hide" keeps the dialog and its state; "unload" (Cancel,
// Escape, the close box) closes it and destroys it, so that the next use creates it anew and
// runs its load handling.

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>

#include <initializer_list>

class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

    bool isUnloaded() const { return m_unloaded; }

    // Each dialog maps these onto its own operations (LoadMP3, SaveOGG, Apply, …); a dialog
    // without stored settings keeps the empty ones. apply() is false when the writer cannot
    // take what the controls show.
    virtual void load() {}
    virtual void save() {}
    virtual bool apply() { return true; }

protected:
    // A push button of the dialog, with the object name its tests and skin find it by.
    QPushButton* pushButton(const QString& text, const char* name) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QLatin1String(name));
        return button;
    }
    // The grid a settings dialog lays its controls out in: the margins and spacing they share.
    QGridLayout* dialogGrid(int horizontalSpacing = 10) {
        auto* grid = new QGridLayout(this);
        grid->setContentsMargins(14, 14, 14, 12);
        grid->setHorizontalSpacing(horizontalSpacing);
        grid->setVerticalSpacing(10);
        return grid;
    }
    // The dialog's buttons, right-aligned in one row.
    static QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons) {
        auto* row = new QHBoxLayout;
        row->addStretch(1);
        for (QWidget* button : buttons) row->addWidget(button);
        return row;
    }
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
