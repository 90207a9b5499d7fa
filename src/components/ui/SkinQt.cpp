// Skin control over Qt style sheets, window masks and a band of skin buttons.
#include "components/ui/Skin.h"

#include "components/ui/Picture.h"

#include <QAbstractButton>
#include <QBitmap>
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QSettings>
#include <QSvgRenderer>
#include <QToolButton>
#include <QWidget>

namespace {

// The skin buttons' captions and tool tips in the skins the program ships, marked for the
// catalogues; the skin files are where they are set. A text no catalogue knows shows as it is.
[[maybe_unused]] const char* const kShippedSkinTexts[] = {
    QT_TRANSLATE_NOOP("Skin", "Add"),
    QT_TRANSLATE_NOOP("Skin", "Add audio files to the list (Ctrl+O)"),
    QT_TRANSLATE_NOOP("Skin", "Remove"),
    QT_TRANSLATE_NOOP("Skin", "Remove the selected files from the list (Ctrl+D)"),
    QT_TRANSLATE_NOOP("Skin", "Convert"),
    QT_TRANSLATE_NOOP("Skin", "Convert the files in the list"),
    QT_TRANSLATE_NOOP("Skin", "Record"),
    QT_TRANSLATE_NOOP("Skin", "Record sound"),
    QT_TRANSLATE_NOOP("Skin", "Help"),
    QT_TRANSLATE_NOOP("Skin", "Open the help"),
    QT_TRANSLATE_NOOP("Skin", "About"),
    QT_TRANSLATE_NOOP("Skin", "About Velloria Audio Converter"),
    QT_TRANSLATE_NOOP("Skin", "About Velloria Audio Extractor"),
};

QString skinText(const QString& text) {
    return text.isEmpty() ? text : QCoreApplication::translate("Skin", text.toUtf8().constData());
}

struct SkinButtonDef {
    QString name;
    QString caption;
    QString picture;  // absolute path, may be empty
    QString toolTip;
    bool alignRight = false;
};

struct SectionDef {
    QString style;
    QString outline;  // absolute path of the outline picture, may be empty
    QSize size;       // invalid when not given
    int band = 0;
    QString bandPicture;
    QString bandStyle;
    QList<SkinButtonDef> buttons;
    bool isWindowSection() const {
        return !outline.isEmpty() || band > 0 || size.isValid() || !buttons.isEmpty();
    }
};

// The band across the top of a skinned window: a picture with the skin buttons over it.
class SkinBand : public QWidget {
public:
    SkinBand(QWidget* window, const SectionDef& def) : QWidget(window), m_picture(def.bandPicture) {
        setObjectName(QStringLiteral("SkinBand"));
        setAttribute(Qt::WA_StyledBackground);
        setStyleSheet(def.bandStyle);
        auto* row = new QHBoxLayout(this);
        // Leave the band picture's left part (its logo) free of buttons.
        row->setContentsMargins(def.bandPicture.isEmpty() ? 8 : 176, 6, 10, 6);
        row->setSpacing(6);
        m_stretch = row;
    }
    QHBoxLayout* m_stretch;

protected:
    void paintEvent(QPaintEvent* event) override {
        QWidget::paintEvent(event);
        if (m_picture.isEmpty()) return;
        QPainter painter(this);
        // Drawn anew for a new size, and for a screen of another pixel ratio (HiDPI).
        if (m_cacheSize != size() || m_cache.devicePixelRatio() != devicePixelRatioF()) {
            m_cache = renderBand();
            m_cacheSize = size();
        }
        painter.drawImage(0, 0, m_cache);
    }

private:
    // The band picture keeps its height; it is drawn at its own width from the left and its
    // right end is stretched over the rest, so the logo never distorts.
    QImage renderBand() const {
        const QSize natural = pictureSize(m_picture);
        if (!natural.isValid()) return {};
        const int w = std::max(width(), natural.width() * height() / std::max(1, natural.height()));
        QSize target(w, height());
        return renderPicture(m_picture, target, devicePixelRatioF());
    }
    QString m_picture;
    QImage m_cache;
    QSize m_cacheSize;
};

// Keeps a skinned window's mask and band in step with its size. A child of the window, so it
// goes with it.
class WindowSkinner : public QObject {
public:
    WindowSkinner(QWidget* window, SectionDef def, const QString& sectionName)
        : QObject(window), m_window(window), m_def(std::move(def)) {
        setObjectName(QStringLiteral("SkinWindow:") + sectionName);
        window->installEventFilter(this);
    }

    SkinBand* band = nullptr;

    void update() {
        if (!m_window) return;
        if (!m_def.outline.isEmpty()) {
            const QImage shape = renderPicture(m_def.outline, m_window->size());
            if (!shape.isNull())
                m_window->setMask(QBitmap::fromImage(shape.createAlphaMask(Qt::MonoOnly | Qt::ThresholdAlphaDither)));
        }
        if (band) band->setGeometry(0, 0, m_window->width(), m_def.band);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_window && event->type() == QEvent::Resize) update();
        return false;
    }

private:
    QPointer<QWidget> m_window;
    SectionDef m_def;
};

class SkinQt final : public SkinControl {
public:
    using SkinControl::SkinControl;

    void LoadSkin(const QString& path) override {
        const QFileInfo info(path);
        if (!info.isFile())
            throw ComponentError(SkinControl::tr("Skin file \"%1\" could not be found.").arg(path));
        QSettings ini(path, QSettings::IniFormat);
        if (ini.status() != QSettings::NoError)
            throw ComponentError(SkinControl::tr("Skin file \"%1\" is not a valid skin.").arg(path));
        const QString form = ini.value(QStringLiteral("Skin/Form")).toString();
        if (form.isEmpty() || !ini.childGroups().contains(form))
            throw ComponentError(
                SkinControl::tr("Skin file \"%1\" is not a valid skin: it names no window section.").arg(path));

        const QString base = info.absolutePath() + QLatin1Char('/');
        auto picture = [&](const QString& section, const QString& rel) {
            if (rel.isEmpty()) return QString();
            const QString abs = QFileInfo(rel).isAbsolute() ? rel : base + rel;
            if (!pictureSize(abs).isValid())
                throw ComponentError(SkinControl::tr("Skin file \"%1\": the picture \"%2\" of section \"%3\" "
                                                     "could not be read.")
                                         .arg(path, rel, section));
            return abs;
        };

        QHash<QString, SectionDef> sections;
        for (const QString& group : ini.childGroups()) {
            if (group == QStringLiteral("Skin") || group.startsWith(QStringLiteral("Button "))) continue;
            ini.beginGroup(group);
            SectionDef def;
            def.style = ini.value(QStringLiteral("Style")).toString();
            def.outline = picture(group, ini.value(QStringLiteral("Outline")).toString());
            const QStringList size = ini.value(QStringLiteral("Size")).toStringList();
            if (size.size() == 2) def.size = QSize(size[0].trimmed().toInt(), size[1].trimmed().toInt());
            def.band = std::max(0, ini.value(QStringLiteral("Band")).toInt());
            def.bandPicture = picture(group, ini.value(QStringLiteral("BandPicture")).toString());
            def.bandStyle = ini.value(QStringLiteral("BandStyle")).toString();
            const QStringList buttons = ini.value(QStringLiteral("Buttons")).toStringList();
            ini.endGroup();
            for (const QString& raw : buttons) {
                const QString name = raw.trimmed();
                if (name.isEmpty()) continue;
                const QString group2 = QStringLiteral("Button ") + name;
                SkinButtonDef b;
                b.name = name;
                b.caption = ini.value(group2 + QStringLiteral("/Caption"), name).toString();
                b.picture = picture(group2, ini.value(group2 + QStringLiteral("/Picture")).toString());
                b.toolTip = ini.value(group2 + QStringLiteral("/ToolTip")).toString();
                b.alignRight = ini.value(group2 + QStringLiteral("/Align")).toString().compare(
                                   QStringLiteral("right"), Qt::CaseInsensitive) == 0;
                def.buttons << b;
            }
            if (!def.buttons.isEmpty() && def.band <= 0) def.band = 48;
            sections.insert(group, def);
        }
        m_file = path;
        m_form = form;
        m_sections = std::move(sections);
    }

    void ApplySkin(QWidget* window) override {
        requireLoaded();
        ApplySkinByName(window, m_form);
    }

    void ApplySkinByName(QWidget* widget, const QString& element) override {
        requireLoaded();
        if (!widget) throw ComponentError(SkinControl::tr("Skin \"%1\": no window to skin.").arg(m_file));
        const auto it = m_sections.constFind(element);
        if (it == m_sections.constEnd())
            throw ComponentError(
                SkinControl::tr("Skin file \"%1\" has no element \"%2\".").arg(m_file, element));
        widget->setProperty("skinElement", element);
        if (widget->isWindow() || it->isWindowSection()) applyWindow(widget, element, *it);
        else widget->setStyleSheet(it->style);
    }

    QString fileName() const override { return m_file; }
    bool hasElement(const QString& element) const override { return m_sections.contains(element); }

private:
    void requireLoaded() const {
        if (m_file.isEmpty()) throw ComponentError(SkinControl::tr("No skin file has been loaded."));
    }

    void applyWindow(QWidget* window, const QString& name, const SectionDef& def) {
        dropWindowSkin(window);
        window->setStyleSheet(def.style);
        // Buttons keep the size hint of the font they had before; the skin's fonts (bold
        // captions) need theirs measured again.
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            button->ensurePolished();
            button->setText(button->text());
        }
        shapeWindow(window, def);
        moveBelowBand(window, def.band);

        auto* skinner = new WindowSkinner(window, def, name);
        if (def.band > 0) skinner->band = addBand(window, def);
        skinner->update();
    }

    // A window skinned again drops the band and mask of the skin before.
    static void dropWindowSkin(QWidget* window) {
        for (QObject* child : window->children()) {
            if (child->objectName().startsWith(QStringLiteral("SkinWindow:"))) delete child;
        }
        if (auto* old = window->findChild<QWidget*>(QStringLiteral("SkinBand"), Qt::FindDirectChildrenOnly))
            delete old;
        window->clearMask();
    }

    // An outline makes a top-level window frameless; the section's size, or the outline's,
    // becomes the window's.
    static void shapeWindow(QWidget* window, const SectionDef& def) {
        if (!def.outline.isEmpty() && window->isWindow()) {
            const bool wasVisible = window->isVisible();
            window->setWindowFlag(Qt::FramelessWindowHint, true);
            window->setAttribute(Qt::WA_TranslucentBackground, false);
            if (wasVisible) window->show();
        }
        const QSize size = def.size.isValid() ? def.size : (def.outline.isEmpty() ? QSize() : pictureSize(def.outline));
        if (size.isValid() && window->isWindow()) window->resize(size);
    }

    // The window's own contents move below the band.
    static void moveBelowBand(QWidget* window, int band) {
        QVariant baseTop = window->property("skinBaseTopMargin");
        if (!baseTop.isValid()) {
            baseTop = window->contentsMargins().top();
            window->setProperty("skinBaseTopMargin", baseTop);
        }
        QMargins m = window->contentsMargins();
        m.setTop(baseTop.toInt() + band);
        window->setContentsMargins(m);
    }

    // The band with the section's buttons, those aligned right after a stretch.
    SkinBand* addBand(QWidget* window, const SectionDef& def) {
        auto* band = new SkinBand(window, def);
        bool stretchAdded = false;
        for (const SkinButtonDef& b : def.buttons) {
            if (b.alignRight && !stretchAdded) {
                band->m_stretch->addStretch(1);
                stretchAdded = true;
            }
            QToolButton* button = bandButton(band, b);
            band->m_stretch->addWidget(button);
            leaveRoomForBold(button, b.caption);
        }
        if (!stretchAdded) band->m_stretch->addStretch(1);
        band->show();
        band->raise();
        return band;
    }

    // A skin button; its click is raised as Click with the button's name.
    QToolButton* bandButton(SkinBand* band, const SkinButtonDef& b) {
        auto* button = new QToolButton(band);
        button->setObjectName(b.name);
        button->setText(skinText(b.caption));
        button->setToolTip(skinText(b.toolTip));
        button->setCursor(Qt::PointingHandCursor);
        button->setAutoRaise(true);
        if (!b.picture.isEmpty()) {
            button->setIcon(QIcon(b.picture));
            button->setIconSize(QSize(22, 22));
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        }
        const QString buttonName = b.name;
        connect(button, &QToolButton::clicked, this, [this, buttonName] { Q_EMIT Click(SkinObject{buttonName}); });
        return button;
    }

    // The size hint does not see a bold weight set by the style sheet; leave room for it so
    // the caption is never cut short.
    static void leaveRoomForBold(QToolButton* button, const QString& caption) {
        button->ensurePolished();
        QFont bold = button->font();
        bold.setBold(true);
        const int extra =
            QFontMetrics(bold).horizontalAdvance(caption) - button->fontMetrics().horizontalAdvance(caption);
        button->setMinimumWidth(button->sizeHint().width() + std::max(0, extra));
    }

    QString m_file;
    QString m_form;
    QHash<QString, SectionDef> m_sections;
};

}  // namespace

std::unique_ptr<SkinControl> makeSkinControl(QObject* parent) { return std::make_unique<SkinQt>(parent); }
