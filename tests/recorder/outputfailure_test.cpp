// The machine failing under a recording: the disk fills, the recording's folder is removed,
// renamed or made read-only while sound is being written. The session either writes all the
// sound, or fails with a reason naming the file; a full disk ends it at once, so that sound
// no longer piles up while the recorder runs on.
#include "components/audio/codecs/AudioFile.h"
#include "components/audio/settings/MP3Settings.h"
#include "recorder/RecordingSession.h"
#include "support/Damage.h"
#include "support/Signals.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace testing_support;

TEST(OutputFailure, ARecordingEndsWholeOrFailsNamingItsFile) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("takes"));
    const SampleBlock second = musicTone(44100, 2, 1.0);
    for (const OutputFailure& failure : outputFailures()) {
        for (const char* ext : {"wav", "mp3", "ogg"}) {
            SCOPED_TRACE(std::string(failure.name) + " " + ext);
            ASSERT_TRUE(resetOutputFolder(folder));
            const QString path = folder + QStringLiteral("/take.") + QLatin1String(ext);

            AudioFile writer;
            writer.SetPcmFormat(44100, 2, 16);
            writer.SetOggFormat(44100, 2, 0, 0, 0, 300);
            writer.UseMp3Settings(MP3Settings());
            recorder::RecordingSession session(writer);
            ASSERT_TRUE(session.begin(path, 44100, 2)) << session.error().toStdString();
            session.push(second);
            std::unique_ptr<FileSizeLimit> limit;
            failure.strike(folder, limit);
            for (int i = 0; i < 10 && !session.ended(); ++i) {
                session.push(second);
                waitFor([] { return false; }, 20);  // sound arrives as time passes
            }
            if (limit) {
                EXPECT_TRUE(waitFor([&] { return session.ended(); }));
            }
            const audio::JobOutcome outcome = session.finish();
            limit.reset();
            if (outcome.written()) {
                const ReadBack back = readBack(path);
                EXPECT_TRUE(back.error.isEmpty()) << back.error.toStdString();
                EXPECT_NEAR(back.seconds(), 11.0, 0.1);
                continue;
            }
            EXPECT_TRUE(outcome.reason.contains(path)) << outcome.reason.toStdString();
        }
    }
}
