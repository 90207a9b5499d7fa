#pragma once
// Disc information from the MusicBrainz web service: the releases that hold a disc id
// (/ws/2/discid/<id>?inc=recordings+artist-credits+labels+isrcs, as JSON; the labels for the
// choice of release), and the front cover of a release from the Cover Art Archive, at the size
// tags carry. Blocking: call on a worker thread.

#include "components/ComponentError.h"
#include "components/audio/cd/CdTypes.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace net {

struct HttpAnswer;

// One release that holds the disc, as the user picks among them.
struct Release {
    QString title;
    QString artist;
    QString date;
    QString country;
    QString label;
    QString format;  // of the medium that holds the disc ("CD")
    DiscInfo info;   // the disc's tracks on that medium (which of the release's discs in
                     // discNumber and discTotal), ready for cdplayer.ini and the tags
};

struct ReleaseLookup : LookupResult {
    std::vector<Release> releases;  // empty when nothing was found
};

// The releases of a /ws/2/discid answer. On a release of several media, the medium whose
// disc list holds `discId` is used; a release without such a medium is left out.
ReleaseLookup parseDiscIdAnswer(const QByteArray& json, const QString& discId, const DiscToc& toc);

// Asks the server in the settings (one request a second at most), within the settings' time-out.
ReleaseLookup lookupMusicBrainz(const DiscToc& toc, const GrabSettings& settings);

// Whether a look-up answered with `answer` after `retries` retries asks again, and after how many
// milliseconds: only a 503 (the server is busy), after the time it asks for (a second when it
// names none) but never more than ten seconds, at most twice, and only when the wait and a second
// for the answer fit into the `msLeft` of the look-up's time-out.
std::optional<int> retryWait(const HttpAnswer& answer, int retries, int msLeft);

// Whether downloaded bytes are a cover fit to embed: a JPEG, PNG, GIF or WebP picture by their
// first bytes, sent as an image or without a stated type (an error page sent with status 200,
// or an image stated but not sent, is none).
bool isCoverPicture(const QByteArray& contentType, const QByteArray& body);

struct CoverFetch : LookupResult {
    QByteArray image;  // as the archive sends it (JPEG or PNG)
};

// The release's front cover, 1200 pixels wide when the archive has that size; not found when
// there is none or it cannot be had.
CoverFetch fetchFrontCover(const QString& releaseId, const GrabSettings& settings);

}  // namespace net
