#pragma once
// Pictures of the skin and splash files: SVG documents or bitmaps (PNG and the like).

#include <QImage>
#include <QSize>
#include <QString>

// The picture drawn at the given size in logical pixels (its own size when the size is not
// valid); a null image when the file cannot be read. An SVG is drawn for the screen's device
// pixel ratio (`ratio` device pixels to a logical one), so that it stays sharp on a HiDPI
// screen; the image carries that ratio.
QImage renderPicture(const QString& path, QSize size = {}, qreal ratio = 1.0);
// The picture's own size; not valid when the file cannot be read.
QSize pictureSize(const QString& path);
