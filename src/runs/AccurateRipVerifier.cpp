#include "runs/AccurateRipVerifier.h"

#include "components/WhileEventsRun.h"
#include "components/audio/cd/AccurateRip.h"
#include "components/net/DiscLookup.h"
#include "runs/ConverterRules.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <utility>

namespace converter {

std::optional<VerificationReport> AccurateRipVerifier::report(const GrabSettings& settings) {
    const QList<RippedTrack> ripped = std::exchange(m_ripped, {});
    if (ripped.isEmpty() || !enabled()) return VerificationReport{};
    QStringList lines{QCoreApplication::translate("AccurateRipVerifier", "AccurateRip results:")};
    VerificationTally tally;
    QList<TrackVerdict> verdicts;
    // One record per disc; the tracks of a disc in the order they were written.
    QList<QString> discs;
    for (const RippedTrack& t : ripped)
        if (!discs.contains(accuraterip::discIds(t.toc).fileName())) discs << accuraterip::discIds(t.toc).fileName();
    for (const QString& disc : std::as_const(discs)) {
        QList<RippedTrack> tracks;
        std::vector<net::TrackChecksums> sums;
        for (const RippedTrack& t : ripped)
            if (accuraterip::discIds(t.toc).fileName() == disc) {
                tracks << t;
                sums.push_back({accuraterip::recordTrack(t.toc, t.track), t.v1, t.v2});
            }
        const accuraterip::DiscIds ids = accuraterip::discIds(tracks.front().toc);
        const QString cache = m_cache;
        const std::optional<net::DiscVerdicts> got =
            whileEventsRun<net::DiscVerdicts>([=] { return net::verifyTracks(ids, sums, settings, cache); });
        if (!got) return std::nullopt;
        if (got->verdicts.empty()) {
            lines << QCoreApplication::translate("AccurateRipVerifier", "The AccurateRip record of disc %1 could not be fetched: %2")
                         .arg(ids.fileName(), got->error);
            tally.unverified += int(tracks.size());
            if (tally.reason.isEmpty()) tally.reason = got->error;
        }
        for (qsizetype i = 0; i < tracks.size() && i < qsizetype(got->verdicts.size()); ++i)
            lines << verdictLine(tracks[i], got->verdicts[std::size_t(i)], tally, verdicts);
    }
    return VerificationReport{lines.join(QLatin1Char('\n')), verificationSummary(tally), tally.attention(), verdicts, tally.reason};
}

// "Track 2 (Track02.cda): Accurately ripped (…)", counted into `tally`.
QString AccurateRipVerifier::verdictLine(const RippedTrack& t, const accuraterip::Verdict& verdict, VerificationTally& tally,
                                         QList<TrackVerdict>& verdicts) {
    using Kind = accuraterip::Verdict::Kind;
    verdicts.push_back({t.source, verdict.text(), verdict.kind == Kind::Mismatch, verdict.kind == Kind::Matched,
                        verdict.confidence, verdict.version});
    (verdict.kind == Kind::Matched ? tally.matched : verdict.kind == Kind::Mismatch ? tally.mismatched : tally.unknown) += 1;
    //: %1 is the track's number, %2 its entry's file name, %3 its AccurateRip verdict
    QString line = QCoreApplication::translate("AccurateRipVerifier", "Track %1 (%2): %3")
                       .arg(t.track)
                       .arg(QFileInfo(t.source).fileName(), verdict.shownText());
    if (t.errorBlocks > 0) {
        ++tally.withErrorBlocks;
        line += QCoreApplication::translate("AccurateRipVerifier", ", %1 error blocks").arg(t.errorBlocks);
    }
    return line;
}

}  // namespace converter
