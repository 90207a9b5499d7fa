#include "components/audio/codecs/FlacCueSheet.h"

#include <FLAC/metadata.h>

#include <QCoreApplication>
#include <QFile>

#include <cstring>
#include <memory>

namespace audio {
namespace {

constexpr FLAC__uint64 kSectorFrames = 588;
// The lead-in of a CD, in samples: what libFLAC and the reference tools write for one.
constexpr FLAC__uint64 kCdLeadIn = 88200;
constexpr FLAC__byte kLeadOutTrack = 170;

struct ChainDeleter {
    void operator()(FLAC__Metadata_Chain* c) const { FLAC__metadata_chain_delete(c); }
};
struct IteratorDeleter {
    void operator()(FLAC__Metadata_Iterator* i) const { FLAC__metadata_iterator_delete(i); }
};
struct BlockDeleter {
    void operator()(FLAC__StreamMetadata* b) const {
        if (b) FLAC__metadata_object_delete(b);
    }
};
using Block = std::unique_ptr<FLAC__StreamMetadata, BlockDeleter>;

// Track `t` of the sheet as libFLAC keeps it: its offset is its first index's, each index's
// relative to it. False when it has no index.
bool fillTrack(FLAC__StreamMetadata_CueSheet_Track& out, const cue::Track& t) {
    if (t.indexes.empty()) return false;
    const auto first = FLAC__uint64(t.indexes.front().frames) * kSectorFrames;
    out.number = FLAC__byte(t.number);
    out.offset = first;
    out.type = t.type == QLatin1String("AUDIO") ? 0 : 1;
    out.pre_emphasis = t.flags.contains(QStringLiteral("PRE")) ? 1 : 0;
    const QByteArray isrc = t.isrc.toLatin1().left(12);
    std::memcpy(out.isrc, isrc.constData(), std::size_t(isrc.size()));
    return true;
}

QString outOfMemory() { return QCoreApplication::translate("FlacCueSheet", "out of memory"); }

// The block for `sheet`; null with `error` set when the sheet cannot be one.
Block cueSheetBlock(const cue::Sheet& sheet, std::int64_t frames, QString& error) {
    Block block(FLAC__metadata_object_new(FLAC__METADATA_TYPE_CUESHEET));
    if (!block) return error = outOfMemory(), nullptr;
    FLAC__StreamMetadata_CueSheet& cs = block->data.cue_sheet;
    const QByteArray catalog = sheet.catalog.toLatin1().left(128);
    std::memcpy(cs.media_catalog_number, catalog.constData(), std::size_t(catalog.size()));
    cs.lead_in = kCdLeadIn;
    cs.is_cd = true;
    unsigned n = 0;
    for (const cue::Track& t : sheet.tracks) {
        if (!FLAC__metadata_object_cuesheet_insert_blank_track(block.get(), n)) return error = outOfMemory(), nullptr;
        if (!fillTrack(cs.tracks[n], t)) return error =
            QCoreApplication::translate("FlacCueSheet", "track %1 has no index")
                .arg(t.number), nullptr;
        for (const cue::Index& i : t.indexes) {
            const auto offset = FLAC__uint64(i.frames) * kSectorFrames - cs.tracks[n].offset;
            const FLAC__StreamMetadata_CueSheet_Index index{offset, FLAC__byte(i.number)};
            if (!FLAC__metadata_object_cuesheet_track_insert_index(block.get(), n, cs.tracks[n].num_indices, index))
                return error = outOfMemory(), nullptr;
        }
        ++n;
    }
    if (!FLAC__metadata_object_cuesheet_insert_blank_track(block.get(), n)) return error = outOfMemory(), nullptr;
    cs.tracks[n].number = kLeadOutTrack;
    cs.tracks[n].offset = FLAC__uint64(frames);
    const char* violation = nullptr;
    if (!FLAC__metadata_object_cuesheet_is_legal(block.get(), true, &violation))
        return error = violation ? QString::fromLatin1(violation)
                                 : QCoreApplication::translate("FlacCueSheet", "it is not a legal CD cue sheet"),
               nullptr;
    return block;
}

}  // namespace

QString writeFlacCueSheet(const QString& path, const cue::Sheet& sheet, std::int64_t frames) {
    const auto failed = [&path](const QString& why) {
        return QCoreApplication::translate("FlacCueSheet", "The cue sheet could not be put into the FLAC file %1: %2")
                   .arg(path, why);
    };
    QString error;
    Block block = cueSheetBlock(sheet, frames, error);
    if (!block) return failed(error);
    std::unique_ptr<FLAC__Metadata_Chain, ChainDeleter> chain(FLAC__metadata_chain_new());
    std::unique_ptr<FLAC__Metadata_Iterator, IteratorDeleter> it(FLAC__metadata_iterator_new());
    if (!chain || !it) return failed(outOfMemory());
    const auto chainError = [&] { return failed(QString::fromLatin1(FLAC__Metadata_ChainStatusString[FLAC__metadata_chain_status(chain.get())])); };
    if (!FLAC__metadata_chain_read(chain.get(), QFile::encodeName(path).constData())) return chainError();
    FLAC__metadata_iterator_init(it.get(), chain.get());
    // Any sheet the file held gives way; the new one goes after the last block.
    for (bool more = true; more;) {
        if (FLAC__metadata_iterator_get_block_type(it.get()) == FLAC__METADATA_TYPE_CUESHEET) FLAC__metadata_iterator_delete_block(it.get(), true);
        more = FLAC__metadata_iterator_next(it.get());
    }
    if (!FLAC__metadata_iterator_insert_block_after(it.get(), block.get())) return chainError();
    block.release();  // the chain owns it now
    FLAC__metadata_chain_sort_padding(chain.get());
    if (!FLAC__metadata_chain_write(chain.get(), true, false)) return chainError();
    return {};
}

}  // namespace audio
