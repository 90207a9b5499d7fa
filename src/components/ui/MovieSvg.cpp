// Movie player control: an SVG document drawn to fill the widget, with its command elements
// acting as buttons.
#include "components/ui/Movie.h"

#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <QXmlStreamReader>

namespace {

class MovieSvg final : public MoviePlayer {
public:
    explicit MovieSvg(QWidget* parent) : MoviePlayer(parent) {
        setObjectName(QStringLiteral("flash"));
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent, false);
    }

    void LoadMovie(int /*layer: one layer is all a launcher needs*/, const QString& path) override {
        QFile file(path);
        if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
            throw ComponentError(MoviePlayer::tr("Movie file \"%1\" could not be found.").arg(path));
        const QByteArray document = file.readAll();
        QStringList ids;
        QXmlStreamReader xml(document);
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement) {
                const QString id = xml.attributes().value(QStringLiteral("id")).toString();
                if (id.startsWith(QStringLiteral("IDC_")) && !ids.contains(id)) ids << id;
            }
        }
        auto renderer = std::make_unique<QSvgRenderer>(document);
        if (xml.hasError() || !renderer->isValid() || renderer->viewBoxF().isEmpty())
            throw ComponentError(MoviePlayer::tr("Movie file \"%1\" is not a valid movie.").arg(path));
        m_renderer = std::move(renderer);
        m_commands = ids;
        m_file = path;
        m_hover.clear();
        m_pressed.clear();
        update();
    }

    QStringList commands() const override { return m_commands; }
    QString movieFile() const override { return m_file; }

    QRectF elementRect(const QString& id) const override {
        if (!m_renderer || !m_renderer->elementExists(id)) return {};
        const QRectF inDoc = m_renderer->transformForElement(id).mapRect(m_renderer->boundsOnElement(id));
        const QRectF view = m_renderer->viewBoxF();
        const double sx = width() / view.width();
        const double sy = height() / view.height();
        return QRectF((inDoc.left() - view.left()) * sx, (inDoc.top() - view.top()) * sy, inDoc.width() * sx,
                      inDoc.height() * sy);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        if (!m_renderer) return;
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        m_renderer->render(&p, QRectF(rect()));
        if (!m_hover.isEmpty() && !isDragArea(m_hover)) {
            QPainterPath path;
            path.addRoundedRect(elementRect(m_hover), 8, 8);
            p.fillPath(path, QColor(255, 255, 255, m_pressed == m_hover ? 60 : 30));
        }
    }

    void mouseMoveEvent(QMouseEvent* event) override {
        const QString over = commandAt(event->position());
        if (over != m_hover) {
            m_hover = over;
            setCursor(!over.isEmpty() && !isDragArea(over) ? Qt::PointingHandCursor : Qt::ArrowCursor);
            update();
        }
    }

    void leaveEvent(QEvent*) override {
        m_hover.clear();
        update();
    }

    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) return;
        const QString command = commandAt(event->position());
        if (command.isEmpty()) return;
        if (isDragArea(command)) {
            Q_EMIT FSCommand(command, QString());
            return;
        }
        m_pressed = command;
        update();
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton || m_pressed.isEmpty()) return;
        const QString pressed = std::exchange(m_pressed, QString());
        update();
        if (commandAt(event->position()) == pressed) Q_EMIT FSCommand(pressed, QString());
    }

private:
    static bool isDragArea(const QString& id) { return id.endsWith(QStringLiteral("DragArea")); }

    // Later elements lie on top, so the last command element containing the point wins.
    QString commandAt(QPointF pos) const {
        for (auto it = m_commands.crbegin(); it != m_commands.crend(); ++it)
            if (elementRect(*it).contains(pos)) return *it;
        return {};
    }

    std::unique_ptr<QSvgRenderer> m_renderer;
    QStringList m_commands;
    QString m_file;
    QString m_hover;
    QString m_pressed;
};

}  // namespace

MoviePlayer* makeMoviePlayer(QWidget* parent) { return new MovieSvg(parent); }
