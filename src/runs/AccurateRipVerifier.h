#pragma once
// The AccurateRip verification of a run's CD tracks, once at the run's end: the tracks written
// whole are collected with their checksums as they are read, then each disc's record is fetched
// (beside the event loop, so that a window stays live) and every track gets its verdict.

#include "components/audio/cd/CdTypes.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

namespace accuraterip {
struct Verdict;
}

namespace converter {

struct VerificationTally;

// One CD track as its verification found it.
struct TrackVerdict {
    QString source;    // "…/Track02.cda"
    QString verdict;   // "Accurately ripped (confidence 5, AccurateRip v2)", …
    bool mismatch = false;
    bool matched = false;
    int confidence = 0;  // matching rips, or other rips of a track that does not match
    int version = 0;     // the AccurateRip version matched (1 or 2)
};

struct VerificationReport {
    QString text;     // "AccurateRip results:", then a line per track, or per disc that has no record
    QString summary;  // the same in one line, for a status bar
    bool attention = false;  // a track does not match or had error blocks
    QList<TrackVerdict> tracks;  // each track that has a verdict, in the order written
    QString unverified;  // why a disc's record could not be had (its tracks have no verdict)
};

// A CD track written whole in this run, with its AccurateRip checksums.
struct RippedTrack {
    QString source;
    DiscToc toc;
    int track = 0;
    std::uint32_t v1 = 0, v2 = 0;
    int errorBlocks = 0;
};

class AccurateRipVerifier {
public:
    // Records are kept in `cacheFolder`; none (the default): nothing is verified.
    void setCacheFolder(const QString& cacheFolder) { m_cache = cacheFolder; }
    bool enabled() const { return !m_cache.isEmpty(); }
    void add(const RippedTrack& track) { m_ripped.push_back(track); }
    // The verdicts of the tracks added since the last report, which are then forgotten. Empty
    // text when there was nothing to verify; nothing when the program ended meanwhile.
    std::optional<VerificationReport> report(const GrabSettings& settings);

private:
    static QString verdictLine(const RippedTrack& t, const accuraterip::Verdict& verdict, VerificationTally& tally,
                               QList<TrackVerdict>& verdicts);
    QList<RippedTrack> m_ripped;
    QString m_cache;
};

}  // namespace converter
