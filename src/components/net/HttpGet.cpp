#include "components/net/HttpGet.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QThread>
#include <QTimer>

namespace net {

QByteArray userAgent(const QString& contact) {
    const QString who = contact.trimmed().isEmpty() ? QStringLiteral("support@velloria.example") : contact.trimmed();
    return QStringLiteral("Velloria/%1 ( %2 )").arg(QStringLiteral(VELLORIA_VERSION), who).toUtf8();
}

std::chrono::milliseconds RequestPacer::reserve(const QString& host, Clock::time_point now, int gapMs) {
    const std::lock_guard lock(m_mutex);
    auto& next = m_next[host];
    const Clock::time_point at = std::max(now, next);
    next = at + std::chrono::milliseconds(gapMs);
    return std::chrono::duration_cast<std::chrono::milliseconds>(at - now);
}

HttpAnswer httpGet(const QUrl& url, const QByteArray& agent, int timeOutMs, int minGapMs) {
    static RequestPacer pacer;
    HttpAnswer answer;
    if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))) {
        answer.error = QStringLiteral("\"%1\" is not a web address.").arg(url.toString());
        return answer;
    }
    if (minGapMs > 0) {
        const auto wait = pacer.reserve(url.host() + QLatin1Char(':') + QString::number(url.port()),
                                        RequestPacer::Clock::now(), minGapMs);
        if (wait.count() > 0) QThread::msleep(static_cast<unsigned long>(wait.count()));
    }
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, agent);
    request.setRawHeader("Accept", "application/json, */*");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(std::max(timeOutMs, 1));
    QNetworkReply* reply = manager.get(request);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    // The transfer time-out counts from the last byte; this one bounds the whole request.
    QTimer whole;
    whole.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&whole, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    whole.start(std::max(timeOutMs, 1) * 2);
    if (!reply->isFinished()) loop.exec();
    answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    answer.body = reply->readAll();
    if (timedOut || reply->error() == QNetworkReply::OperationCanceledError ||
        reply->error() == QNetworkReply::TimeoutError) {
        answer.status = 0;
        answer.error = QStringLiteral("%1 did not answer within %2 seconds.").arg(url.host()).arg((timeOutMs + 999) / 1000);
    } else if (answer.status == 0) {
        answer.error = QStringLiteral("%1 could not be reached: %2.").arg(url.host(), reply->errorString());
    }
    delete reply;
    return answer;
}

}  // namespace net
