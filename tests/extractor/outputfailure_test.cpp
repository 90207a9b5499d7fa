// The machine failing under an extraction run: the disk fills, the output folder is removed,
// renamed or made read-only while the sound track is written. The run either writes the
// whole track, or ends with an error that names the partial output when one is left; the
// video is never lost.
#include "components/audio/settings/MP3Settings.h"
#include "runs/ExtractionRun.h"
#include "support/RunHosts.h"
#include "support/Corpus.h"
#include "support/Damage.h"
#include "support/Signals.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace extractor;
using namespace testing_support;

namespace {

using StrikingHost = RecordingExtractionHost;

}  // namespace

TEST(OutputFailure, AnExtractionEndsWholeOrFailsNamingWhatIsLeftAndKeepsTheVideo) {
    QTemporaryDir dir;
    const QString sound = dir.filePath(QStringLiteral("sound.wav"));
    ASSERT_EQ(writeAudioFile(sound, musicTone(44100, 2, 8.0), 44100, 2), QString());
    const QString video = dir.filePath(QStringLiteral("movie.mkv"));
    ASSERT_EQ(makeVideo(video, sound, {QStringLiteral("-c:a"), QStringLiteral("libvorbis")}), QString());
    const QString folder = dir.filePath(QStringLiteral("out"));

    for (const OutputFailure& failure : outputFailures()) {
        for (const char* format : {"MP3", "WAV", "OGG", "WMA"}) {
            SCOPED_TRACE(std::string(failure.name) + " " + format);
            ASSERT_TRUE(resetOutputFolder(folder));
            const auto before = fingerprints({video});

            std::unique_ptr<FileSizeLimit> limit;
            StrikingHost host;
            host.onFirstBlock = [&] { failure.strike(folder, limit); };
            auto components = std::make_shared<Components>();
            components->AudioFileOut.UseMp3Settings(MP3Settings());
            RunRequest r;
            r.input = video;
            r.format = QLatin1String(format);
            r.sameFolder = false;
            r.folder = folder;
            r.channelsIndex = 1;
            r.bitRate = QStringLiteral("128");
            r.frequency = QStringLiteral("44100");
            r.deleteSource = true;
            ExtractionRun run(host, components);
            RunEnd end;
            {
                HangGuard guard(QStringLiteral("an extraction whose output fails"), 120);
                end = run.run(r);
            }
            limit.reset();
            if (end == RunEnd::Written) {
                // Nothing was lost, so nothing is reported: the output is whole, the video gone.
                EXPECT_TRUE(host.messages.isEmpty());
                const ReadBack back = readBack(run.output());
                EXPECT_TRUE(back.error.isEmpty()) << back.error.toStdString();
                EXPECT_NEAR(back.seconds(), 8.0, 0.15);
                ASSERT_FALSE(QFile::exists(video));
                ASSERT_EQ(makeVideo(video, sound, {QStringLiteral("-c:a"), QStringLiteral("libvorbis")}), QString());
                continue;
            }
            EXPECT_EQ(end, RunEnd::Failed);
            ASSERT_EQ(host.messages.size(), 1);
            EXPECT_TRUE(host.messages[0].startsWith(QStringLiteral("Error: ")));
            if (QFile::exists(run.output())) {
                EXPECT_TRUE(host.messages[0].contains(run.output())) << host.messages[0].toStdString();
            }
            expectUnchanged(before);
        }
    }
}
