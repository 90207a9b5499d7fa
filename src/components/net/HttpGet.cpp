#include "components/net/HttpGet.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <climits>

namespace net {

QByteArray userAgent() { return QByteArrayLiteral("Velloria/" VELLORIA_VERSION " ( " VELLORIA_HOMEPAGE " )"); }

int retryAfterMs(const QByteArray& value, const QDateTime& now) {
    const QByteArray text = value.trimmed();
    bool number = false;
    const qint64 seconds = text.toLongLong(&number);
    if (number) return seconds < 0 ? -1 : int(std::min<qint64>(seconds, INT_MAX / 1000) * 1000);
    // "Sun, 06 Nov 1994 08:49:37 GMT"; Qt reads the zone only as an offset.
    QString date = QString::fromLatin1(text);
    if (date.endsWith(QStringLiteral(" GMT"))) date = date.chopped(3) + QStringLiteral("+0000");
    const QDateTime at = QDateTime::fromString(date, Qt::RFC2822Date);
    if (!at.isValid()) return -1;
    return int(std::clamp<qint64>(now.msecsTo(at), 0, INT_MAX));
}

std::chrono::milliseconds RequestPacer::reserve(const QString& host, Clock::time_point now, int gapMs) {
    const std::lock_guard lock(m_mutex);
    auto& next = m_next[host];
    const Clock::time_point at = std::max(now, next);
    next = at + std::chrono::milliseconds(gapMs);
    return std::chrono::duration_cast<std::chrono::milliseconds>(at - now);
}

HttpAnswer httpGet(const QUrl& url, int timeOutMs, int minGapMs) {
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
    request.setHeader(QNetworkRequest::UserAgentHeader, userAgent());
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
    if (reply->hasRawHeader("Retry-After"))
        answer.retryAfterMs = retryAfterMs(reply->rawHeader("Retry-After"), QDateTime::currentDateTimeUtc());
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
