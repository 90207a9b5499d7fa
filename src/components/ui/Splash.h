#pragma once
// Splash control: shows a start-up picture in a frameless window.
//
// A splash file (".spl") is an INI file with a section [Splash]: Image (SVG or PNG, relative
// to the splash file), Caption (a line of text drawn under the picture, may be empty) and
// Duration (milliseconds the picture stays when shown with Display(0); default 2500).
//
// Contract: user-interface thread only. Display(0) shows the picture and returns at once; it
// goes by itself after Duration, when clicked, or at Hide(). A value above 0 passed to
// Display is the time in milliseconds instead of Duration. Failures (missing or malformed
// file, missing or unreadable picture, Display before LoadSplash) throw ComponentError naming
// the file. The splash window never keeps the program running.

#include "components/ComponentError.h"

#include <QObject>
#include <QString>

#include <memory>

class SplashControl : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~SplashControl() override = default;

    virtual void LoadSplash(const QString& path) = 0;
    virtual void Display(int milliseconds) = 0;
    // The two end calls: both take the splash down; Hide(n) with n > 0 waits n milliseconds.
    virtual void Hide() = 0;
    virtual void Hide(int milliseconds) = 0;

    virtual bool isShowing() const = 0;
    virtual QString caption() const = 0;
};

std::unique_ptr<SplashControl> makeSplashControl(QObject* parent = nullptr);
