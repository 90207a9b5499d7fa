// Every file of the corrupt-input corpus played by the recorder window: each plays to its end
// or is named in a message, none hangs, and none changes.
#include "recorder/ACMainRecord.h"
#include "support/Corpus.h"
#include "support/SoundServer.h"
#include "support/TestSupport.h"

#include <QToolButton>

#include <gtest/gtest.h>

#include <iostream>

using namespace testing_support;
using recorder::Transport;

TEST(CorruptCorpus, EveryAudioFilePlaysInTheRecorderOrIsNamedInAMessage) {
    REQUIRE_SOUND_SERVER();
    const QStringList files = corruptCorpus(QStringLiteral("audio"));
    ASSERT_FALSE(files.isEmpty());
    const auto before = fingerprints(files);
    TempConfigHome config;
    ACMainRecord window(nullptr);
    MsgBoxRecorder boxes;
    int played = 0;
    for (const QString& f : files) {
        SCOPED_TRACE(f.toStdString());
        HangGuard guard(QStringLiteral("playing ") + f + QStringLiteral(" in the recorder"), 60);
        FileDialogRecorder dialogs;
        dialogs.queueLocal({f}, 1);
        boxes.clear();
        window.playButton->click();
        if (boxes.texts().isEmpty()) {
            ++played;
            // Every corpus file is shorter than the two one-second blocks read at the start, so
            // it has been read whole by now; a moment of playing, then Stop.
            if (!waitFor([&] { return window.transport() == Transport::Idle; }, 200)) window.stopButton->click();
            EXPECT_TRUE(waitFor([&] { return window.transport() == Transport::Idle; }));
        } else {
            EXPECT_TRUE(boxes.texts()[0].contains(f)) << boxes.texts()[0].toStdString();
            EXPECT_EQ(window.transport(), Transport::Idle);
        }
    }
    std::cout << "corpus: " << files.size() << " files played by the recorder, " << played << " played, "
              << files.size() - played << " named in a message\n";
    expectUnchanged(before);
}
