// Every file of the corrupt-input corpus previewed from the converter's list: each plays to
// its end or is named in a message, none hangs, and none changes.
#include "converter/frmAudioConverter.h"
#include "support/Corpus.h"
#include "support/SoundServer.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QListWidget>

#include <gtest/gtest.h>

#include <iostream>

using namespace testing_support;

TEST(CorruptCorpus, EveryAudioFilePreviewsOrIsNamedInAMessage) {
    REQUIRE_SOUND_SERVER();
    const QStringList files = corruptCorpus(QStringLiteral("audio"));
    ASSERT_FALSE(files.isEmpty());
    const auto before = fingerprints(files);
    TempConfigHome config;
    auto* window = new frmAudioConverter;
    window->Splash1->Hide();
    window->show();
    MsgBoxRecorder boxes;
    int played = 0;
    for (const QString& f : files) {
        SCOPED_TRACE(f.toStdString());
        HangGuard guard(QStringLiteral("previewing ") + f, 60);
        window->lstFiles->clear();
        window->addPaths({f});
        window->lstFiles->setCurrentRow(0);
        boxes.clear();
        window->mnuPlay->trigger();
        if (boxes.texts().isEmpty()) {
            ++played;
            // Every corpus file is shorter than the two one-second blocks read at the start, so
            // it has been read whole by now; a moment of playing, then Stop.
            if (!waitFor([&] { return !window->isPlaying(); }, 200)) window->mnuPlay->trigger();
            EXPECT_TRUE(waitFor([&] { return !window->isPlaying(); }));
        } else {
            EXPECT_TRUE(boxes.texts()[0].contains(f)) << boxes.texts()[0].toStdString();
            EXPECT_FALSE(window->isPlaying());
        }
    }
    delete window;
    std::cout << "corpus: " << files.size() << " files previewed, " << played << " played, " << files.size() - played
              << " named in a message\n";
    expectUnchanged(before);
}
