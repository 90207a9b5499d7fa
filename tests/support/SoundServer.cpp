#include "support/SoundServer.h"

#include "components/sound/AudioPlayer.h"
#include "support/CoreSupport.h"

#include <QAudioDevice>
#include <QMediaDevices>

#include <algorithm>
#include <cstdlib>

namespace testing_support {

bool soundDevicesPresent()
{
    return !QMediaDevices::defaultAudioOutput().isNull() && !QMediaDevices::defaultAudioInput().isNull();
}

void play(const SampleBlock& signal, int rate, int channels)
{
    sound::AudioPlayer player;
    player.prepare(rate, channels);
    const auto block = static_cast<std::size_t>(player.samplesForMs(1000));
    std::size_t next = 0;
    auto feed = [&] {
        if (next >= signal.size()) return;
        const std::size_t n = std::min(block, signal.size() - next);
        player.queue(SampleBlock(signal.begin() + static_cast<long>(next), signal.begin() + static_cast<long>(next + n)));
        next += n;
    };
    bool ended = false;
    QObject::connect(&player, &sound::AudioPlayer::EndArrayPlay, feed);
    QObject::connect(&player, &sound::AudioPlayer::EndPlay, [&] { ended = true; });
    player.start();
    ASSERT_EQ(player.status(), 0) << player.reason().toStdString();
    feed();
    feed();
    ASSERT_TRUE(waitFor([&] { return ended; }, 60000));
    waitFor([] { return false; }, 300);  // Stop comes after the end is heard
}

SampleBlock fromOnset(const SampleBlock& s, int channels, std::size_t* loudFrames)
{
    std::size_t first = s.size();
    std::size_t last = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (std::abs(s[i]) > 1000) {
            first = std::min(first, i);
            last = i;
        }
    }
    if (first >= s.size()) {
        *loudFrames = 0;
        return {};
    }
    *loudFrames = (last - first) / static_cast<std::size_t>(channels);
    const std::size_t from = first / static_cast<std::size_t>(channels) * static_cast<std::size_t>(channels);
    const std::size_t lead = std::min<std::size_t>(from, 400 * static_cast<std::size_t>(channels));
    return SampleBlock(s.begin() + static_cast<long>(from - lead), s.end());
}

}  // namespace testing_support
