#pragma once
// What the CD grabber, the disc-information look-up and the ripping options share: the
// grabber's settings, a disc's table of contents and the information found for a disc.

#include "components/audio/settings/GrabSettings.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// A disc's table of contents: the start of every track (data tracks too, as the disc id counts
// them) and the lead-out, in sectors (75 per second) counted from the start of the disc,
// without the two-second pre-gap.
struct DiscToc {
    std::vector<std::int32_t> trackStarts;  // track 1 first
    std::int32_t leadOut = 0;
    std::vector<bool> audio = {};  // per track, track 1 first: audio or data; empty when all are audio
    // Sectors from the end of an enhanced CD's audio to its data track: the first session's
    // lead-out (90 s), the second's lead-in (60 s) and the data track's pre-gap (2 s).
    static constexpr std::int32_t kSessionGap = (90 + 60 + 2) * 75;

    int trackCount() const { return static_cast<int>(trackStarts.size()); }
    bool isAudio(int number) const {
        return number >= 1 && number <= trackCount() && (audio.empty() || audio[std::size_t(number - 1)]);
    }
    int audioTrackCount() const {
        int n = 0;
        for (int t = 1; t <= trackCount(); ++t) n += isAudio(t) ? 1 : 0;
        return n;
    }
    // The first and last audio track (numbered from 1); 0 when there is none.
    int firstAudioTrack() const {
        for (int t = 1; t <= trackCount(); ++t)
            if (isAudio(t)) return t;
        return 0;
    }
    int lastAudioTrack() const {
        for (int t = trackCount(); t >= 1; --t)
            if (isAudio(t)) return t;
        return 0;
    }
    // Where the audio ends: the lead-out, or, when a data track follows the last audio track
    // (an enhanced CD), 11,400 sectors before it. A data track too close for a session between
    // them (an image that leaves the gap out) ends the audio where it starts.
    std::int32_t audioEnd() const {
        const int last = lastAudioTrack();
        if (last == 0 || last == trackCount()) return leadOut;
        const std::int32_t data = trackStarts[std::size_t(last)];
        return data - kSessionGap > trackStarts[std::size_t(last - 1)] ? data - kSessionGap : data;
    }
};

// One track of a disc as an archive of the rip describes it. Positions are sectors from the start
// of the disc without the two-second pre-gap, as in DiscToc.
struct TrackLayout {
    // As on the disc; 0 is the audio hidden in track 1's pre-gap (sectors 0 to track 1's start,
    // which track 1's `pregap` counts as well), listed only when that pre-gap is not silence.
    int number = 0;
    std::int32_t start = 0;    // its INDEX 01
    std::int32_t length = 0;   // sectors up to the next track's pre-gap, or the end of the audio
    std::int32_t pregap = 0;   // sectors of INDEX 00 before `start` (0 when it has none)
    bool audio = true;
    bool preEmphasis = false;    // control bit: mastered with 50/15 µs pre-emphasis (FLAGS PRE)
    bool copyPermitted = false;  // control bit: digital copy permitted (FLAGS DCP)
    bool fourChannel = false;    // control bit: four-channel audio (FLAGS 4CH)
    QString isrc;              // empty when the disc holds none
};

// A disc's tracks with what a CUE sheet and a rip log record of them.
struct DiscLayout {
    std::vector<TrackLayout> tracks;  // every track on the disc, data tracks too, in disc order
    std::int32_t leadOut = 0;         // the disc's lead-out (the last session's)
    // Where the audio ends: the lead-out, or on an enhanced CD (audio, then a data session)
    // 11,400 sectors before the data track.
    std::int32_t audioEnd = 0;
    QString catalog;  // the disc's media catalogue number (13 digits), when it has one
    const TrackLayout* track(int number) const {
        for (const TrackLayout& t : tracks)
            if (t.number == number) return &t;
        return nullptr;
    }
};

// Disc information from cdplayer.ini, CD-Text, MusicBrainz or a CDDB server.
struct DiscInfo {
    QString discId;  // the CDDB disc id, eight hex digits
    QString artist;  // the disc's (album) artist
    QString album;
    QString genre;
    int year = 0;            // 0 when unknown
    QStringList trackTitles;  // track 1 first
    QString date;             // the release date as MusicBrainz gives it ("2001-05-14"), when known
    // MusicBrainz identifiers, when the information came from there.
    QString releaseId;
    QString artistId;
    QStringList recordingIds;  // track 1 first
    QStringList releaseTrackIds;  // the release's own track ids, track 1 first
    QStringList trackArtistIds;   // each track's first credited artist, track 1 first
    // Each track's own artist, track 1 first (a compilation's tracks have their own); an empty
    // or missing entry is the disc's artist.
    QStringList trackArtists;
    QStringList isrcs;  // each track's ISRC, track 1 first, where known
    int discNumber = 0;  // the disc's place among the discs of its release; 0 when unknown
    int discTotal = 0;   // the discs of the release; 0 when unknown
    QString coverPath;         // the front cover, saved beside cdplayer.ini
    QString source;            // where it was found: "cdplayer.ini", "CD-Text", "MusicBrainz" or "CDDB"
};

