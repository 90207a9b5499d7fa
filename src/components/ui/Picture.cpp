#include "components/ui/Picture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace {
bool isSvg(const QString& path) { return path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive); }
}  // namespace

QImage renderPicture(const QString& path, QSize size, qreal ratio) {
    if (isSvg(path)) {
        QSvgRenderer renderer(path);
        if (!renderer.isValid()) return {};
        if (!size.isValid()) size = renderer.defaultSize();
        if (size.isEmpty()) return {};
        if (ratio < 1.0) ratio = 1.0;
        QImage image((QSizeF(size) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
        return image;
    }
    QImage image(path);
    if (image.isNull() || !size.isValid() || image.size() == size) return image;
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QSize pictureSize(const QString& path) {
    if (isSvg(path)) {
        QSvgRenderer renderer(path);
        return renderer.isValid() ? renderer.defaultSize() : QSize();
    }
    return QImage(path).size();
}
