#pragma once
// Disc information from the MusicBrainz web service: the releases that hold a disc id
// (/ws/2/discid/<id>?inc=recordings+artist-credits+labels, as JSON; the labels for the choice of release), and the front cover of a release
// from the Cover Art Archive. Blocking: call on a worker thread.

#include "components/audio/CdTypes.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace net {

// One release that holds the disc, as the user picks among them.
struct Release {
    QString title;
    QString artist;
    QString date;
    QString country;
    QString label;
    QString format;  // of the medium that holds the disc ("CD")
    int mediumPosition = 1;
    int mediumCount = 1;
    DiscInfo info;   // the disc's tracks on that medium, ready for cdplayer.ini and the tags
};

struct ReleaseLookup {
    std::vector<Release> releases;  // empty when nothing was found
    QString error;                  // why nothing was found
};

// The releases of a /ws/2/discid answer. On a release of several media, the medium whose
// disc list holds `discId` is used; a release without such a medium is left out.
ReleaseLookup parseDiscIdAnswer(const QByteArray& json, const QString& discId, const DiscToc& toc);

// Asks the server in the settings (one request a second at most).
ReleaseLookup lookupMusicBrainz(const DiscToc& toc, const GrabSettings& settings);

// The release's front cover; empty with `error` set when there is none or it cannot be had.
QByteArray fetchFrontCover(const QString& releaseId, const GrabSettings& settings, QString* error);

}  // namespace net
