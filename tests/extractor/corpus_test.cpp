// Every file of the corrupt-input corpus through the extraction run, in MP3 and in WMA: each
// is extracted or ends with a message, none hangs, and every video is left as it was.
#include "runs/ExtractionRun.h"
#include "support/RunHosts.h"
#include "support/Corpus.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <iostream>

using namespace extractor;
using namespace testing_support;

namespace {

using QuietHost = RecordingExtractionHost;

}  // namespace

TEST(CorruptCorpus, EveryVideoIsExtractedOrEndsWithAMessage) {
    const QStringList files = corruptCorpus(QStringLiteral("video"));
    ASSERT_FALSE(files.isEmpty());
    const auto before = fingerprints(files);
    QTemporaryDir out;
    int written = 0, runs = 0;
    for (const char* format : {"MP3", "WMA"}) {
        for (const QString& f : files) {
            SCOPED_TRACE((f + QLatin1Char(' ') + QLatin1String(format)).toStdString());
            QuietHost host;
            RunRequest r;
            r.input = f;
            r.format = QLatin1String(format);
            r.sameFolder = false;
            r.folder = out.path();
            r.channelsIndex = 1;
            r.bitRate = QStringLiteral("128");
            r.frequency = QStringLiteral("44100");
            auto components = std::make_shared<Components>();
            ExtractionRun run(host, components);
            RunEnd end;
            {
                HangGuard guard(QStringLiteral("extracting ") + f, 120);
                end = run.run(r);
            }
            ++runs;
            if (end == RunEnd::Written) {
                // What the track held is there (a few hundredths of a second of MP3 may be
                // too little for the reader to recognise, so only the file is looked at).
                ++written;
                EXPECT_GT(QFileInfo(run.output()).size(), 0);
                EXPECT_TRUE(host.messages.isEmpty());
            } else {
                EXPECT_TRUE(end == RunEnd::Failed || end == RunEnd::InputMissing) << int(end);
                ASSERT_EQ(host.messages.size(), 1);
                EXPECT_FALSE(host.messages[0].trimmed().isEmpty());
            }
            if (!run.output().isEmpty()) QFile::remove(run.output());
        }
    }
    std::cout << "corpus: " << files.size() << " files through the extraction run in MP3 and WMA (" << runs << " runs), "
              << written << " written, " << runs - written << " ended with a message\n";
    expectUnchanged(before);
}
