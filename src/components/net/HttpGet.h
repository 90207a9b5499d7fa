#pragma once
// One HTTP GET, waited for on the calling thread (a worker thread: the look-ups never run on
// the window's thread), with a time-out and redirects followed (a few). An answer larger than
// the caller's limit is refused as it arrives, so that a server cannot fill the memory; one
// that breaks off before its stated length is no answer. Requests to one host are paced:
// the next one waits until `minGapMs` have passed since the last one to that host (MusicBrainz
// asks for at most one a second). Every request names the program, never its user.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QUrl>

#include <chrono>
#include <mutex>
#include <map>

namespace net {

struct HttpAnswer {
    int status = 0;  // the HTTP status; 0 when no answer came
    QByteArray body;
    QByteArray contentType;  // as the server states it ("image/jpeg"), without parameters
    QString error;   // why no whole answer came (time-out, refused, cut off, too large, …); empty when one came
    int retryAfterMs = -1;  // how long the server asks to wait before asking again (Retry-After); -1: it does not say
    bool ok() const { return error.isEmpty() && status >= 200 && status < 300; }
};

// The User-Agent every look-up sends: "Velloria/<version> ( <the project's address> )".
QByteArray userAgent();

struct HttpLimits {
    int timeOutMs = 0;  // the longest silence: no answer, or no more of it, for this long ends the request
    int wholeMs = 0;    // the longest the whole request may take; 0: twice timeOutMs
    int minGapMs = 0;   // between two requests to one host
    qint64 maxBytes = 1 << 20;  // the largest answer taken
};

HttpAnswer httpGet(const QUrl& url, const HttpLimits& limits);

// A Retry-After value (seconds, or an HTTP date) in milliseconds from `now`; -1 when it is neither.
int retryAfterMs(const QByteArray& value, const QDateTime& now);

// How long a request to `host` must wait at `now` so that requests keep `gapMs` apart; the
// request is then counted as sent at now + that wait.
class RequestPacer {
public:
    using Clock = std::chrono::steady_clock;
    std::chrono::milliseconds reserve(const QString& host, Clock::time_point now, int gapMs);

private:
    std::mutex m_mutex;
    std::map<QString, Clock::time_point> m_next;
};

}  // namespace net
