// The machine failing under a conversion run: the disk fills, the output folder is removed,
// renamed or made read-only while a file or a CD track is written. The file either ends
// whole, or fails with a reason that names the partial output when one is left; the source
// is never lost.
#include "components/audio/codecs/AudioFile.h"
#include "components/audio/tags/AudioInfo.h"
#include "components/audio/cd/CdGrabber.h"
#include "runs/ConversionRunner.h"
#include "support/RunHosts.h"
#include "support/CdImages.h"
#include "support/Corpus.h"
#include "support/Damage.h"
#include "support/Signals.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace converter;
using namespace testing_support;

using StrikingHost = RecordingRunHost;

TEST(OutputFailure, AFileOrCdTrackEndsWholeOrFailsNamingWhatIsLeftAndKeepsItsSource) {
    QTemporaryDir dir;
    const QString wav = dir.filePath(QStringLiteral("source.wav"));
    ASSERT_EQ(writeAudioFile(wav, musicTone(44100, 2, 8.0), 44100, 2), QString());
    const CdImage image = writeCdImage(dir.path(), QStringLiteral("disc"), {cdSpeech(600)});
    CdGrabber grabber(nullptr, dir.filePath(QStringLiteral("stubs")), false);
    ASSERT_GE(grabber.OpenImage(image.cue), 0);
    const QString track = grabber.RootText() + QStringLiteral("Track01.cda");

    for (const OutputFailure& failure : outputFailures()) {
        for (const QString& source : {wav, track}) {
            for (const char* key : {"MP3", "WAV", "OGG", "WMA"}) {
                const bool cd = source == track;
                SCOPED_TRACE(std::string(failure.name) + (cd ? " CD track " : " file ") + key);
                const QString folder = dir.filePath(QStringLiteral("out"));
                ASSERT_TRUE(resetOutputFolder(folder));
                const QString output = folder + QStringLiteral("/output.") + QLatin1String(key);
                const auto before = fingerprints({cd ? image.cue : source, image.bin});

                std::unique_ptr<FileSizeLimit> limit;
                StrikingHost host;
                host.onFirstBlock = [&] { failure.strike(folder, limit); };
                AudioFile reader, writer;
                AudioInfo tags;
                RunSnapshot s;
                s.entries.push_back({source, output, true});
                s.formatKey = QLatin1String(key);
                s.deleteSource = !cd;
                s.preserveTags = false;  // a failed tag copy would hide a lost output
                {
                    HangGuard guard(QStringLiteral("a conversion whose output fails"), 120);
                    ConversionRunner(host, {reader, writer, tags, &grabber, dir.filePath(QStringLiteral("cd.ini"))})
                        .run(s);
                }
                limit.reset();
                EXPECT_TRUE(host.messages.isEmpty());
                if (host.failures.isEmpty()) {
                    // Nothing was lost, so nothing is reported: the output is whole.
                    const ReadBack back = readBack(output);
                    EXPECT_TRUE(back.error.isEmpty()) << back.error.toStdString();
                    EXPECT_NEAR(back.seconds(), cd ? 600.0 * 588 / 44100 : 8.0, 0.1);
                    if (!cd) {
                        EXPECT_FALSE(QFile::exists(source));  // deleted as asked, after a whole output
                        ASSERT_EQ(writeAudioFile(wav, musicTone(44100, 2, 8.0), 44100, 2), QString());
                    }
                    continue;
                }
                ASSERT_EQ(host.failures.size(), 1);
                EXPECT_EQ(host.failures[0].path, source);
                EXPECT_FALSE(host.failures[0].reason.isEmpty());
                // A partial output left behind is named in the reason.
                if (QFile::exists(output)) {
                    EXPECT_TRUE(host.failures[0].reason.contains(output)) << host.failures[0].reason.toStdString();
                }
                expectUnchanged(before);
            }
        }
    }
}
