#pragma once
// What a window shows in words, read from its widgets: for the tests that check each text went
// through a catalogue and fits where it is shown.

#include <QList>
#include <QString>

class QWidget;

namespace testing_support {

struct ShownText {
    QString object;  // the object name of the widget or action that shows it
    QString kind;    // "title", "label", "button", "tooltip", "item", "header", "action", …
    QString text;    // as shown: rich text as plain text
};

// Every text `window` shows: its title, and of each widget visible in it the label, button and
// group texts, tab texts, combo box items, list headers, placeholders, tooltips, the actions of
// its menus and tool bars and its status bar's message.
QList<ShownText> shownTexts(QWidget* window);

// The labels (without word wrap) and buttons visible in `window` that are narrower than their
// text needs, as "object: shown width < needed width".
QStringList clippedControls(QWidget* window);

}  // namespace testing_support
