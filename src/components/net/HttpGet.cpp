#include "components/net/HttpGet.h"

#include <QCoreApplication>
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

namespace {

// Redirects followed before a request counts as sent round in circles.
constexpr int kMaxRedirects = 5;
// Bytes read beyond an answer's limit before it is refused.
constexpr qint64 kReadAhead = 64 * 1024;

// What went wrong with a request that got no whole answer; empty when it got one (whatever its
// status).
QString failureOf(const QNetworkReply& reply, const QUrl& url, int status, int timeOutMs, bool timedOut, qint64 tooLarge) {
    const QString host = url.host();
    if (tooLarge > 0)
        return QCoreApplication::translate("HttpGet", "%1 sent an answer larger than %2 kB; it was refused.").arg(host).arg(tooLarge / 1024);
    const QNetworkReply::NetworkError error = reply.error();
    if (timedOut || error == QNetworkReply::OperationCanceledError || error == QNetworkReply::TimeoutError)
        return QCoreApplication::translate("HttpGet", "%1 did not answer within %2 seconds.").arg(host).arg((timeOutMs + 999) / 1000);
    if (error == QNetworkReply::TooManyRedirectsError || error == QNetworkReply::InsecureRedirectError)
        return QCoreApplication::translate("HttpGet", "%1 sent the request round in redirects.").arg(host);
    if (status == 0) return QCoreApplication::translate("HttpGet", "%1 could not be reached: %2.").arg(host, reply.errorString());
    // The errors of the connection itself (below the content errors that mirror HTTP statuses).
    if ((error > QNetworkReply::NoError && error < QNetworkReply::ContentAccessDenied) ||
        error == QNetworkReply::ProtocolFailure)
        return QCoreApplication::translate("HttpGet", "%1 broke off its answer: %2.").arg(host, reply.errorString());
    return {};
}

// Ends `reply` once its answer is known to be larger than `maxBytes` (then kept in `tooLarge`): by
// its stated length before its body comes, else once more than that has come. Qt reads no further
// ahead than a little over the limit, so that no more is ever held, however fast the server sends.
void refuseOver(QNetworkReply& reply, qint64 maxBytes, qint64& tooLarge, QObject& context) {
    reply.setReadBufferSize(maxBytes + kReadAhead);
    const auto check = [&reply, maxBytes, &tooLarge](qint64 bytes) {
        if (bytes <= maxBytes || tooLarge > 0) return;
        tooLarge = maxBytes;
        reply.abort();
    };
    QObject::connect(&reply, &QNetworkReply::metaDataChanged, &context, [&reply, check] {
        if (const QVariant length = reply.header(QNetworkRequest::ContentLengthHeader); length.isValid())
            check(length.toLongLong());
    });
    QObject::connect(&reply, &QNetworkReply::downloadProgress, &context, [check](qint64 received, qint64) { check(received); });
}

}  // namespace

HttpAnswer httpGet(const QUrl& url, const HttpLimits& limits) {
    const int timeOutMs = std::max(limits.timeOutMs, 1);
    static RequestPacer pacer;
    HttpAnswer answer;
    if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))) {
        answer.error = QCoreApplication::translate("HttpGet", "\"%1\" is not a web address.").arg(url.toString());
        return answer;
    }
    if (limits.minGapMs > 0) {
        const auto wait = pacer.reserve(url.host() + QLatin1Char(':') + QString::number(url.port()),
                                        RequestPacer::Clock::now(), limits.minGapMs);
        if (wait.count() > 0) QThread::msleep(static_cast<unsigned long>(wait.count()));
    }
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, userAgent());
    request.setRawHeader("Accept", "application/json, */*");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(timeOutMs);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    QNetworkReply* reply = manager.get(request);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    qint64 tooLarge = 0;
    refuseOver(*reply, limits.maxBytes, tooLarge, loop);
    // The transfer time-out counts from the last byte; this one bounds the whole request.
    QTimer whole;
    whole.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&whole, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    const int wholeMs = limits.wholeMs > 0 ? limits.wholeMs : timeOutMs * 2;
    whole.start(wholeMs);
    if (!reply->isFinished()) loop.exec();
    answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    answer.contentType = reply->header(QNetworkRequest::ContentTypeHeader).toByteArray().split(';').value(0).trimmed().toLower();
    if (reply->hasRawHeader("Retry-After"))
        answer.retryAfterMs = retryAfterMs(reply->rawHeader("Retry-After"), QDateTime::currentDateTimeUtc());
    // The time-out that ended the request: the whole request's, or the silence's.
    answer.error = failureOf(*reply, url, answer.status, timedOut ? wholeMs : timeOutMs, timedOut, tooLarge);
    // Nothing of an answer that did not come whole is kept.
    if (answer.error.isEmpty()) answer.body = reply->readAll();
    else answer.status = 0;
    delete reply;
    return answer;
}

}  // namespace net
