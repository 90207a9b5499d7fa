// The machine failing under an extraction run: the disk fills, the output folder is removed,
// renamed or made read-only while the sound track is written. The run either writes the
// whole track, or ends with an error that names the partial output when one is left; the
// video is never lost.
#include "components/audio/MP3Settings.h"
#include "extractor/ExtractionRun.h"
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

struct StrikingHost : ExtractionHost {
    QStringList messages;
    bool cancel = false;
    std::function<void()> onFirstBlock;
    void message(const QString& text) override { messages << text; }
    bool confirmOverwrite() override { return true; }
    void showProgressBar() override {}
    void setProgress(int percent) override {
        if (percent > 0 && onFirstBlock) std::exchange(onFirstBlock, {})();
    }
    void enableExtract(bool) override {}
    void enableSettings(bool) override {}
    void enableCancel(bool) override {}
    bool cancelRequested() const override { return cancel; }
    void setCancelRequested(bool r) override { cancel = r; }
    bool letEventsRun() override { return true; }
    bool present() const override { return true; }
};

}  // namespace

TEST(OutputFailure, AnExtractionEndsWholeOrFailsNamingWhatIsLeftAndKeepsTheVideo) {
    QTemporaryDir dir;
    const QString sound = dir.filePath(QStringLiteral("sound.wav"));
    ASSERT_EQ(writeAudioFile(sound, musicTone(44100, 2, 8.0), 44100, 2), QString());
    const QString video = dir.filePath(QStringLiteral("movie.mkv"));
    ASSERT_EQ(makeVideo(video, sound, {QStringLiteral("-c:a"), QStringLiteral("libvorbis")}), QString());
    const QString folder = dir.filePath(QStringLiteral("out"));

    using Strike = std::function<void(std::unique_ptr<FileSizeLimit>&)>;
    const std::pair<const char*, Strike> failures[] = {
        {"disk full", [](std::unique_ptr<FileSizeLimit>& limit) { limit = std::make_unique<FileSizeLimit>(64 * 1024); }},
        {"folder removed", [&](std::unique_ptr<FileSizeLimit>&) { QDir(folder).removeRecursively(); }},
        {"folder renamed", [&](std::unique_ptr<FileSizeLimit>&) { QDir().rename(folder, folder + QStringLiteral(".moved")); }},
        {"folder read-only",
         [&](std::unique_ptr<FileSizeLimit>&) { QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner); }},
    };
    for (const auto& [name, strike] : failures) {
        for (const char* format : {"MP3", "WAV", "OGG", "WMA"}) {
            SCOPED_TRACE(std::string(name) + " " + format);
            QDir(folder + QStringLiteral(".moved")).removeRecursively();
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QDir(folder).removeRecursively();
            ASSERT_TRUE(QDir().mkpath(folder));
            const auto before = fingerprints({video});

            std::unique_ptr<FileSizeLimit> limit;
            StrikingHost host;
            host.onFirstBlock = [&, strike = strike] { strike(limit); };
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
