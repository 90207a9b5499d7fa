// Starts the player and the recorder once and prints their status: the tests run it with no
// sound server to see both fail cleanly.
#include "components/sound/AudioPlayer.h"
#include "components/sound/AudioRecorder.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    sound::AudioPlayer player;
    player.prepare(44100, 2);
    player.start();
    out << "player " << player.status() << ' ' << player.reason() << '\n';
    player.queue(SampleBlock(88200, 0));
    player.stop();
    sound::AudioRecorder recorder;
    recorder.prepare(44100, 2);
    recorder.start();
    out << "recorder " << recorder.status() << ' ' << recorder.reason() << '\n';
    out << "taken " << recorder.takeBlock().size() << '\n';
    recorder.stop();
    return 0;
}
