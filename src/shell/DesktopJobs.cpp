#include "shell/DesktopJobs.h"

#include <QGuiApplication>
#include <QPointer>
#include <QWidget>

namespace ui {

desktop::Session& desktopSession() {
    QString id = QGuiApplication::desktopFileName();
    if (id.isEmpty()) id = QStringLiteral("org.brindlewood.Velloria");
    return desktop::Session::shared(id);
}

std::unique_ptr<desktop::LongJob> desktopJob(QWidget* window, const QString& reason, const QString& summary) {
    QPointer<QWidget> shown(window);
    desktop::JobWindow w;
    w.active = [shown] { return shown && shown->isActiveWindow(); };
    w.raise = [shown] {
        if (!shown) return;
        QWidget* top = shown->window();
        if (top->isMinimized()) top->showNormal();
        else top->show();
        top->raise();
        top->activateWindow();
    };
    return std::make_unique<desktop::LongJob>(&desktopSession(), reason, summary, std::move(w));
}

std::unique_ptr<desktop::Inhibition> keepAwake(const QString& reason) { return desktopSession().inhibit(reason); }

}  // namespace ui
