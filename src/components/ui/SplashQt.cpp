// Splash control: a frameless, click-through-closable window with a picture and a caption.
#include "components/ui/Splash.h"

#include "components/ui/Picture.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QSettings>
#include <QSvgRenderer>
#include <QTimer>
#include <QWidget>

namespace {

class SplashWindow : public QWidget {
public:
    SplashWindow(QImage picture, QString caption)
        : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
          m_picture(std::move(picture)), m_caption(std::move(caption)) {
        setObjectName(QStringLiteral("SplashWindow"));
        setAttribute(Qt::WA_TranslucentBackground);
        setAttribute(Qt::WA_QuitOnClose, false);
        setAttribute(Qt::WA_DeleteOnClose);
        const int captionHeight = m_caption.isEmpty() ? 0 : 28;
        const QSize pictureSize = m_picture.deviceIndependentSize().toSize();
        setFixedSize(pictureSize.width(), pictureSize.height() + captionHeight);
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(0, 0, m_picture);
        if (!m_caption.isEmpty()) {
            const int top = m_picture.deviceIndependentSize().toSize().height();
            QRect band(0, top, width(), height() - top);
            p.fillRect(band, QColor(0x12, 0x14, 0x1c, 230));
            p.setPen(QColor(0xe6, 0xe8, 0xef));
            p.drawText(band, Qt::AlignCenter, m_caption);
        }
    }
    void mousePressEvent(QMouseEvent*) override { close(); }

private:
    QImage m_picture;
    QString m_caption;
};

class SplashQt final : public SplashControl {
public:
    using SplashControl::SplashControl;
    ~SplashQt() override { takeDown(); }

    void LoadSplash(const QString& path) override {
        const QFileInfo info(path);
        if (!info.isFile())
            throw ComponentError(SplashControl::tr("Splash file \"%1\" could not be found.").arg(path));
        QSettings ini(path, QSettings::IniFormat);
        const QString image = ini.value(QStringLiteral("Splash/Image")).toString();
        if (ini.status() != QSettings::NoError || image.isEmpty())
            throw ComponentError(SplashControl::tr("Splash file \"%1\" is not a valid splash file.").arg(path));
        const QString picturePath = QFileInfo(image).isAbsolute() ? image : info.absolutePath() + QLatin1Char('/') + image;
        QImage picture = renderPicture(picturePath, {}, qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);
        if (picture.isNull())
            throw ComponentError(
                SplashControl::tr("Splash file \"%1\": the picture \"%2\" could not be read.").arg(path, image));
        m_file = path;
        m_picture = std::move(picture);
        m_caption = ini.value(QStringLiteral("Splash/Caption")).toString();
        bool ok = false;
        const int duration = ini.value(QStringLiteral("Splash/Duration")).toInt(&ok);
        m_duration = ok && duration > 0 ? duration : 2500;
    }

    void Display(int milliseconds) override {
        if (m_file.isEmpty()) throw ComponentError(SplashControl::tr("No splash file has been loaded."));
        takeDown();
        m_window = new SplashWindow(m_picture, m_caption);
        m_window->show();
        QTimer::singleShot(milliseconds > 0 ? milliseconds : m_duration, m_window.data(), &QWidget::close);
    }

    void Hide() override { takeDown(); }
    void Hide(int milliseconds) override {
        if (milliseconds <= 0 || !m_window) takeDown();
        else QTimer::singleShot(milliseconds, m_window.data(), &QWidget::close);
    }

    bool isShowing() const override { return m_window && m_window->isVisible(); }
    QString caption() const override { return m_caption; }

private:
    void takeDown() {
        if (m_window) m_window->close();
        m_window = nullptr;
    }

    QString m_file;
    QImage m_picture;
    QString m_caption;
    int m_duration = 2500;
    QPointer<QWidget> m_window;
};

}  // namespace

std::unique_ptr<SplashControl> makeSplashControl(QObject* parent) { return std::make_unique<SplashQt>(parent); }
