#include "Targets.h"

#include "components/audio/cd/CdTrackTags.h"
#include "components/audio/cd/LocalDiscInfo.h"
#include "components/net/MusicBrainz.h"

namespace fuzz_targets {
namespace {

// The disc id the answers are read for; the seeds' media list it.
const QString kDiscId = QStringLiteral("fuzzDiscId0123456789abcdef-");

DiscToc tocOf(int tracks) {
    DiscToc toc;
    for (int i = 0; i < tracks; ++i) toc.trackStarts.push_back(150 + i * 15000);
    toc.leadOut = 150 + tracks * 15000;
    return toc;
}

void requireRelease(const net::Release& release, const DiscToc& toc) {
    const DiscInfo& info = release.info;
    const qsizetype tracks = toc.trackCount();
    require(info.trackTitles.size() == tracks && info.trackArtists.size() == tracks && info.recordingIds.size() == tracks &&
                info.releaseTrackIds.size() == tracks && info.trackArtistIds.size() == tracks && info.isrcs.size() == tracks,
            "a release's track lists do not have one entry per track");
    require(info.discTotal >= 1, "a release that holds the disc has no medium");
    require(info.discId == cddbDiscId(toc), "a release names another disc");
    require(info.album == release.title && info.artist == release.artist, "a release's disc information differs from it");
    const DiscFacts facts{toc.trackCount(), kDiscId, {}};
    for (int track = 1; track <= toc.trackCount(); ++track) {
        const QMap<QString, QStringList> tags = cdTrackTags(&info, track, facts);
        require(tags.value(QStringLiteral("TRACKNUMBER")) == QStringList{QString::number(track)}, "a track tagged with another number");
        for (auto it = tags.cbegin(); it != tags.cend(); ++it)
            require(it.value().size() == 1 && !it.value().first().isEmpty(), "a tag without a value");
    }
}

}  // namespace

void musicBrainzAnswer(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return;
    const DiscToc toc = tocOf(1 + data[0] % 24);
    const QByteArray json(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const net::ReleaseLookup lookup = net::parseDiscIdAnswer(json, kDiscId, toc);
    require(lookup.releases.empty() != lookup.error.isEmpty(), "a look-up both with releases and an error, or neither");
    for (const net::Release& release : lookup.releases) requireRelease(release, toc);
}

}  // namespace fuzz_targets
