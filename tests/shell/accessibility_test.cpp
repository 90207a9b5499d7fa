// What a screen reader says for each control of the converter, its ripping options, the
// extractor and the recorder: the control's own label, or a picture button's tooltip, never
// the title of the group around it.
#include "converter/frmAudioConverter.h"
#include "extractor/AEfrmmain.h"
#include "recorder/ACMainRecord.h"
#include "ripping/ACfrmGrab.h"
#include "support/DialogTestOwner.h"
#include "support/TestSupport.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QMap>
#include <QPointer>

#include <gtest/gtest.h>

namespace {

// The name the accessibility bridge passes on. A combo box's own name is its current text on
// Linux; screen readers announce it by the label it is labelled by, so that label counts.
QString spokenName(QWidget* control) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(control);
    if (!a) return QStringLiteral("<no interface>");
    if (a->role() == QAccessible::ComboBox) {
        const auto labels = a->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
    }
    return a->text(QAccessible::Name);
}

TEST(AccessibleNames, EveryControlIsAnnouncedByItsOwnLabel) {
    testing_support::TempConfigHome config;
    AEfrmmain::resetState();
    QPointer<frmAudioConverter> converter = new frmAudioConverter;
    QPointer<AEfrmmain> extractor = new AEfrmmain;
    QPointer<ACMainRecord> recorder = new ACMainRecord(nullptr);
    const QMap<QString, QWidget*> windows{{QStringLiteral("converter"), converter},
                                          {QStringLiteral("ripping"), &converter->grabDialog()},
                                          {QStringLiteral("extractor"), extractor},
                                          {QStringLiteral("recorder"), recorder}};
    for (QWidget* w : windows) w->show();

    const struct {
        const char* window;
        const char* control;
        const char* name;
    } cases[] = {
        {"converter", "lstFiles", "Files to convert"},
        {"converter", "txtFolder", "Folder:"},
        {"converter", "imgcmbConvertTo", "Convert to:"},
        {"ripping", "txtDriveSpeed", "Extraction Speed Low or Equal:"},
        {"ripping", "txtGrabRetriesOnError", "Retries on Read or Synch Error:"},
        {"ripping", "cmbErrorAction", "Action on error:"},
        {"ripping", "txtSpinUpTime", "Spin Up during:"},
        {"ripping", "ServerAddr", "CDDB Server:"},
        {"ripping", "CGIAddr", "CGI Script:"},
        {"ripping", "Agent", "Agent Name:"},
        {"ripping", "EMail", "User E-mail:"},
        {"ripping", "txtCDDBTimeOut", "TimeOut:"},
        {"extractor", "txtFile", "Input Video File:"},
        {"extractor", "txtOutAudioFile", "Folder:"},
        {"extractor", "format", "Output Format"},
        {"extractor", "ComboChannels", "Channels:"},
        {"extractor", "ComboBitRate", "BitRate [kbits/second]:"},
        {"extractor", "ComboFreq", "Frequency [hertz]:"},
        {"recorder", "playButton", "Play a file"},
        {"recorder", "pausButton", "Pause or resume"},
        {"recorder", "stopButton", "Stop"},
        {"recorder", "recButton", "Record into a file"},
    };
    for (const auto& c : cases) {
        QWidget* window = windows.value(QString::fromUtf8(c.window));
        auto* control = window->findChild<QWidget*>(QString::fromUtf8(c.control));
        ASSERT_NE(control, nullptr) << c.window << " " << c.control;
        EXPECT_EQ(spokenName(control).toStdString(), c.name) << c.window << " " << c.control;
    }

    // Beyond the table: every control that takes the focus has a name, and only a group's
    // own box carries the group's title.
    for (auto it = windows.cbegin(); it != windows.cend(); ++it) {
        QStringList groupTitles;
        for (QWidget* w : it.value()->findChildren<QWidget*>())
            if (QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w); a && a->role() == QAccessible::Grouping)
                groupTitles << a->text(QAccessible::Name);
        for (QWidget* w : it.value()->findChildren<QWidget*>()) {
            if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(it.value())) continue;
            if (qobject_cast<QAbstractSpinBox*>(w->parentWidget())) continue;  // the box's own editor
            const QString name = spokenName(w);
            EXPECT_FALSE(name.isEmpty()) << it.key().toStdString() << " " << w->objectName().toStdString();
            // The file list and the video box are the fields their groups name.
            if (w->objectName() != QStringLiteral("lstFiles") && w->objectName() != QStringLiteral("txtFile")) {
                EXPECT_FALSE(groupTitles.contains(name)) << it.key().toStdString() << " " << w->objectName().toStdString();
            }
        }
    }
    delete recorder.data();
    delete extractor.data();
    delete converter.data();
    testing_support::runDeferredDeletes();
}

}  // namespace
