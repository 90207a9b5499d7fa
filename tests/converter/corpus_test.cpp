// Every file of the corrupt-input corpus through one conversion run: each is converted or
// refused with a reason, none hangs, and every source is left byte for byte as it was.
#include "components/audio/codecs/AudioFile.h"
#include "components/audio/tags/AudioInfo.h"
#include "runs/ConversionRunner.h"
#include "support/RunHosts.h"
#include "support/Corpus.h"
#include "support/Signals.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <iostream>
#include <memory>

using namespace converter;
using namespace testing_support;

namespace {

// A hang guard per file, and whether a source was refused with a reason.
struct CorpusHost : RecordingRunHost {
    QStringList sources;
    std::unique_ptr<HangGuard> guard;
    CorpusHost() {
        onFileStarted = [this](int number) {
            guard.reset();
            guard = std::make_unique<HangGuard>(QStringLiteral("converting ") + sources.value(number - 1), 120);
        };
        onFileEnded = [this] { guard.reset(); };
    }
    bool refused(const QString& source) const {
        for (const FailedFile& f : failures)
            if (f.path == source && !f.reason.isEmpty()) return true;
        for (const QString& m : messages)
            if (m.contains(source)) return true;
        return false;
    }
};

}  // namespace

TEST(CorruptCorpus, EveryAudioFileConvertsOrIsRefusedWithAReason) {
    const QStringList files = corruptCorpus(QStringLiteral("audio"));
    ASSERT_FALSE(files.isEmpty());
    const auto before = fingerprints(files);
    QTemporaryDir out;
    CorpusHost host;
    RunSnapshot snapshot;
    snapshot.formatKey = QStringLiteral("WAV");
    snapshot.preserveTags = true;
    for (const QString& f : files) {
        snapshot.entries.push_back({f, out.filePath(QFileInfo(f).fileName() + QStringLiteral(".wav")), true});
        host.sources << f;
    }
    AudioFile reader, writer;
    AudioInfo tags;
    {
        HangGuard whole(QStringLiteral("the conversion run over the corpus"), 900);
        ConversionRunner(host, {reader, writer, tags, nullptr, out.filePath(QStringLiteral("cd.ini"))})
            .run(snapshot);
    }
    int converted = 0;
    for (const RunEntry& e : snapshot.entries) {
        SCOPED_TRACE(e.source.toStdString());
        if (host.refused(e.source)) continue;
        // Not refused: the output is a whole, readable file.
        const ReadBack back = readBack(e.output);
        EXPECT_TRUE(back.error.isEmpty()) << back.error.toStdString();
        ++converted;
    }
    std::cout << "corpus: " << files.size() << " files through the conversion run, " << converted << " converted, "
              << files.size() - converted << " refused with a reason\n";
    expectUnchanged(before);
}
