// Every disc image of the corrupt-input corpus opened as a drive and each of its tracks read
// to the end: an image opens or is refused with a reason, no read hangs, and no image or data
// file changes.
#include "components/audio/cd/CdGrabber.h"
#include "support/Corpus.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <iostream>

using namespace testing_support;

TEST(CorruptCorpus, EveryDiscImageOpensOrIsRefusedWithAReason) {
    const QStringList files = corruptCorpus(QStringLiteral("disc"));
    ASSERT_FALSE(files.isEmpty());
    const auto before = fingerprints(files);
    QTemporaryDir stubs;
    int opened = 0, tracks = 0;
    for (const QString& f : files) {
        SCOPED_TRACE(f.toStdString());
        HangGuard guard(QStringLiteral("opening and reading ") + f, 120);
        CdGrabber grabber(nullptr, stubs.path(), false);
        if (grabber.OpenImage(f) < 0) {
            EXPECT_LT(grabber.LastError(), 0);
            EXPECT_FALSE(grabber.reason().isEmpty());
            continue;
        }
        ++opened;
        const DiscToc toc = grabber.toc();
        for (int track = 1; track <= toc.trackCount(); ++track) {
            grabber.OpenTrack(track);
            if (grabber.LastError() < 0) {
                EXPECT_FALSE(grabber.reason().isEmpty());
                continue;
            }
            ++tracks;
            const std::int64_t length = grabber.TrackLength();
            std::int64_t frames = 0;
            for (;;) {
                int block = 44100 * 2;
                if (grabber.ReadBlock(block).empty()) break;
                frames += block / 2;
            }
            // A track ends whole, or failed with a reason; it never delivers more than it holds.
            if (grabber.LastError() < 0) {
                EXPECT_FALSE(grabber.reason().isEmpty());
            }
            EXPECT_LE(frames, length);
            grabber.CloseTrack();
        }
    }
    std::cout << "corpus: " << files.size() << " files opened as disc images, " << opened << " opened (" << tracks
              << " tracks read), " << files.size() - opened << " refused with a reason\n";
    expectUnchanged(before);
}
