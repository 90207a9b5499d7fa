#pragma once
// Movie player control: shows a movie (".swf", here an SVG document) whose command elements
// act as buttons.
//
// Every element whose id begins with "IDC_" is a command element. Pressing the left button
// on the topmost command element under the pointer raises FSCommand(id, "") for an id ending
// in "DragArea" (so that the window can start moving while the button is held); for the
// others the command is raised when the button is released over the same element. The
// pointer becomes a hand over command elements and they are lit while hovered.
//
// Contract: user-interface thread only; the control is a widget owned by its parent window.
// LoadMovie throws ComponentError naming the file when it is missing or not a valid SVG
// document; the movie shown before stays.

#include "components/ComponentError.h"

#include <QString>
#include <QStringList>
#include <QWidget>

class MoviePlayer : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    ~MoviePlayer() override = default;

    virtual void LoadMovie(int layer, const QString& path) = 0;

    // The command elements of the loaded movie, in document order.
    virtual QStringList commands() const = 0;
    // The area an element covers in widget coordinates (empty when it does not exist).
    virtual QRectF elementRect(const QString& id) const = 0;
    virtual QString movieFile() const = 0;

Q_SIGNALS:
    void FSCommand(const QString& command, const QString& args);
};

MoviePlayer* makeMoviePlayer(QWidget* parent);
