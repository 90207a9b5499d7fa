#pragma once
// Pictures of the skin and splash files: SVG documents or bitmaps (PNG and the like).

#include <QImage>
#include <QSize>
#include <QString>

// The picture drawn at the given size (its own size when the size is not valid); a null
// image when the file cannot be read.
QImage renderPicture(const QString& path, QSize size = {});
// The picture's own size; not valid when the file cannot be read.
QSize pictureSize(const QString& path);
