#pragma once
// Skin control: gives windows and controls their look from a skin file (".skn").
//
// A skin file is an INI file (read with QSettings). Section [Skin] names the window section
// that ApplySkin uses (key Form). A window section may hold:
//   Style        a Qt style sheet for the whole window (quoted; "\n" allowed)
//   Outline      a picture (SVG or PNG, relative to the skin file) whose transparent parts are
//                cut away; the window becomes frameless and takes the picture's size
//   Size         "width, height" in pixels, overriding the outline's size
//   Band         height in pixels of a band drawn across the top of the window; the window's
//                own contents move below it
//   BandPicture  picture painted across the band; BandStyle a style sheet for the band
//   Buttons      names of the skin buttons shown in the band, in order
// Each skin button has a section [Button <name>] with Caption, Picture, ToolTip and
// Align (left or right). Control sections ("DefaultButt", "label", ...) hold a Style only.
//
// Contract: user-interface thread only. The control does not own the windows it skins; a
// skinned window keeps its look after the control is gone. Every failure (a missing or
// malformed skin file, a missing picture, an element the skin does not have, applying before
// loading) throws ComponentError with a description that names the file or the element.

#include "components/ComponentError.h"

#include <QObject>
#include <QString>

#include <memory>

class QWidget;

// What the click event carries: the clicked skin button.
struct SkinObject {
    QString Name;
};

class SkinControl : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~SkinControl() override = default;

    // Reads a skin file; replaces any skin loaded before.
    virtual void LoadSkin(const QString& path) = 0;
    // Applies the skin's window section (the one its [Skin] Form names) to a window.
    virtual void ApplySkin(QWidget* window) = 0;
    // Applies a named section: a window section to a window, a control section to a control.
    virtual void ApplySkinByName(QWidget* widget, const QString& element) = 0;

    virtual QString fileName() const = 0;
    virtual bool hasElement(const QString& element) const = 0;

Q_SIGNALS:
    // A skin button was clicked; its name is compared by the window that owns the skin.
    void Click(const SkinObject& source);
};

std::unique_ptr<SkinControl> makeSkinControl(QObject* parent = nullptr);
