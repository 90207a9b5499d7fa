#pragma once
// Plays a sound file through a player, as the converter's preview and the recorder's playback
// do: the audio file object reads it in blocks of one second, two blocks are in flight (one
// playing, one waiting), a block is read each time the player takes one or asks for more, and
// ended() follows once the player has played all that was read.
//
// Threads: every call, and ended(), on the user-interface thread, as the reader and the player
// require.

#include <QObject>
#include <QString>

#include <cstdint>

class AudioFile;

namespace sound {

class AudioPlayer;

class FilePlayback : public QObject {
    Q_OBJECT
public:
    // Plays through `reader` and `player`, which must outlive this object.
    FilePlayback(AudioFile& reader, AudioPlayer& player, QObject* parent = nullptr);

    // Opens `path` and plays it from its start. False when nothing plays: reason() says why
    // and the file is closed.
    bool start(const QString& path);
    // Ends playback on request and closes the file; ended() does not follow.
    void stop();
    // Stops the player and keeps the place; resume() plays on from there.
    void pause();
    void resume();
    bool isActive() const { return m_active; }
    bool isPaused() const { return m_paused; }
    // Frames played before the last pause. The player counts its positions from the last
    // resume, so this plus its position is the place in the file.
    std::int64_t startFrame() const { return m_startFrame; }
    // Interleaved values per block read: one second of the file's format.
    int blockSamples() const { return m_blockSamples; }
    // Why the last start() failed, or why reading stopped before the file's end (damaged data);
    // empty otherwise.
    QString reason() const { return m_error; }

Q_SIGNALS:
    // All that was read has been heard, up to the file's end or to damaged data (reason()
    // then says why); the file is closed by then.
    void ended();

private:
    void feed();

    AudioFile& m_reader;
    AudioPlayer& m_player;
    QString m_error;
    std::int64_t m_startFrame = 0;
    int m_blockSamples = 0;
    bool m_active = false;
    bool m_paused = false;
    bool m_readAll = false;  // the reader returned its last block
};

}  // namespace sound
