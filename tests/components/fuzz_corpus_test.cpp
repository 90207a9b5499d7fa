// The kept corpora of the fuzz targets for AccurateRip records, MusicBrainz answers, covers and
// loudness tags, replayed through the targets' own bodies: a broken promise aborts the test.
#include "support/FuzzCorpus.h"
#include "targets/Targets.h"

#include <gtest/gtest.h>

using testing_support::replayFuzzCorpus;

TEST(FuzzCorpus, AccurateRipRecords) { replayFuzzCorpus(QStringLiteral("accuraterip"), fuzz_targets::accurateRipRecord); }
TEST(FuzzCorpus, MusicBrainzAnswers) { replayFuzzCorpus(QStringLiteral("musicbrainz"), fuzz_targets::musicBrainzAnswer); }
TEST(FuzzCorpus, CoverPictures) { replayFuzzCorpus(QStringLiteral("cover"), fuzz_targets::coverPicture); }
TEST(FuzzCorpus, LoudnessTagText) { replayFuzzCorpus(QStringLiteral("loudness_text"), fuzz_targets::loudnessText); }
