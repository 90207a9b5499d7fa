#include "support/WindowTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextDocumentFragment>
#include <QToolBar>
#include <QTreeWidget>

namespace testing_support {

namespace {

QString plain(const QString& text, Qt::TextFormat format = Qt::AutoText) {
    const bool rich = format == Qt::RichText || (format == Qt::AutoText && Qt::mightBeRichText(text));
    return rich ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

QString nameOf(const QObject* o) {
    return o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className()) : o->objectName();
}

// A standard button of a button box: Qt's own text, from Qt's catalogue.
bool isQtsOwnButton(QWidget* w) {
    auto* box = qobject_cast<QDialogButtonBox*>(w->parentWidget());
    auto* button = qobject_cast<QAbstractButton*>(w);
    return box && button && box->standardButton(button) != QDialogButtonBox::NoButton;
}

// The texts a widget shows itself, whatever its tooltip.
void ownTexts(QWidget* w, QList<ShownText>& out) {
    const QString name = nameOf(w);
    auto add = [&](const char* kind, const QString& text) {
        if (!text.trimmed().isEmpty()) out.append({name, QLatin1String(kind), text});
    };
    if (auto* label = qobject_cast<QLabel*>(w)) add("label", plain(label->text(), label->textFormat()));
    if (auto* button = qobject_cast<QAbstractButton*>(w); button && !isQtsOwnButton(w)) add("button", button->text());
    if (auto* group = qobject_cast<QGroupBox*>(w)) add("group", group->title());
    if (auto* line = qobject_cast<QLineEdit*>(w)) add("placeholder", line->placeholderText());
    if (auto* tabs = qobject_cast<QTabWidget*>(w))
        for (int i = 0; i < tabs->count(); ++i) add("tab", tabs->tabText(i));
    if (auto* combo = qobject_cast<QComboBox*>(w))
        for (int i = 0; i < combo->count(); ++i) add("item", combo->itemText(i));
    if (auto* tree = qobject_cast<QTreeWidget*>(w); tree && !tree->isHeaderHidden())
        for (int i = 0; i < tree->columnCount(); ++i) add("header", tree->headerItem()->text(i));
    if (auto* table = qobject_cast<QTableWidget*>(w); table && table->horizontalHeader()->isVisible())
        for (int i = 0; i < table->columnCount(); ++i)
            if (QTableWidgetItem* item = table->horizontalHeaderItem(i)) add("header", item->text());
    if (auto* bar = qobject_cast<QStatusBar*>(w)) add("status", bar->currentMessage());
}

// The actions of menu bars, menus (their submenus too) and tool bars: shown when opened.
void actionTexts(QWidget* window, QList<ShownText>& out) {
    QList<QAction*> actions;
    for (auto* bar : window->findChildren<QMenuBar*>()) actions += bar->actions();
    for (auto* menu : window->findChildren<QMenu*>()) actions += menu->actions();
    for (auto* bar : window->findChildren<QToolBar*>()) actions += bar->actions();
    for (QAction* a : actions) {
        if (a->isSeparator() || !a->isVisible()) continue;
        const QString name = a->objectName().isEmpty() && a->menu() ? nameOf(a->menu()) : nameOf(a);
        if (!a->text().trimmed().isEmpty()) out.append({name, QStringLiteral("action"), a->text()});
        if (!a->toolTip().isEmpty() && a->toolTip() != QString(a->text()).remove(QLatin1Char('&')))
            out.append({name, QStringLiteral("action tooltip"), a->toolTip()});
    }
}

}  // namespace

QList<ShownText> shownTexts(QWidget* window) {
    QList<ShownText> out;
    out.append({nameOf(window), QStringLiteral("title"), window->windowTitle()});
    QList<QWidget*> widgets{window};
    widgets += window->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        if (!w->isVisibleTo(window) && w != window) continue;
        const qsizetype before = out.size();
        ownTexts(w, out);
        // A tooltip that only repeats the text (a tool button's, by default) is that text.
        const QString tip = plain(w->toolTip());
        const bool repeats = out.size() > before && QString(out.last().text).remove(QLatin1Char('&')) == tip;
        if (!tip.trimmed().isEmpty() && !repeats) out.append({nameOf(w), QStringLiteral("tooltip"), tip});
    }
    actionTexts(window, out);
    out.removeIf([](const ShownText& t) { return t.text.trimmed().isEmpty(); });
    return out;
}

QStringList clippedControls(QWidget* window) {
    QStringList out;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window)) continue;
        auto* label = qobject_cast<QLabel*>(w);
        const bool textLabel = label && !label->wordWrap() && !label->text().isEmpty();
        auto* button = qobject_cast<QAbstractButton*>(w);
        if (!textLabel && !(button && !button->text().isEmpty())) continue;
        if (w->width() < w->sizeHint().width())
            out << QStringLiteral("%1 \"%2\": %3 < %4 pixels")
                       .arg(nameOf(w), label ? label->text() : button->text())
                       .arg(w->width())
                       .arg(w->sizeHint().width());
    }
    return out;
}

}  // namespace testing_support
