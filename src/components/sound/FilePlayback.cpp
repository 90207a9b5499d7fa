#include "components/sound/FilePlayback.h"

#include "components/audio/codecs/AudioFile.h"
#include "components/sound/AudioPlayer.h"

namespace sound {

namespace {
// One second per block: with two in flight, the window may be busy for over a second before
// the player runs dry.
constexpr int kBlockMs = 1000;
constexpr int kBlocksInFlight = 2;
// AudioFile::Seek counts from the start of the file.
constexpr int kSeekFromStart = 3;
}  // namespace

FilePlayback::FilePlayback(AudioFile& reader, AudioPlayer& player, QObject* parent)
    : QObject(parent), m_reader(reader), m_player(player)
{
    connect(&m_player, &AudioPlayer::EndArrayPlay, this, &FilePlayback::feed);
    connect(&m_player, &AudioPlayer::RequestOnLoadArray, this, &FilePlayback::feed);
    connect(&m_player, &AudioPlayer::EndPlay, this, [this] {
        if (!m_active) return;
        stop();
        Q_EMIT ended();
    });
}

bool FilePlayback::start(const QString& path)
{
    stop();
    m_error.clear();
    try {
        if (path.isEmpty()) throw ComponentError(QStringLiteral("No file was chosen."));
        m_reader.OpenRead(path, 0, 1);
        if (m_reader.status() < 0) throw ComponentError(m_reader.reason());
        if (m_reader.length() == 0) throw ComponentError(QStringLiteral("The file holds no sound."));
        m_player.prepare(m_reader.sampleRate(), m_reader.channels());
        m_blockSamples = m_player.samplesForMs(kBlockMs);
        m_player.start();
        if (m_player.status() < 0) throw ComponentError(m_player.reason());
    } catch (const ComponentError& e) {
        m_reader.Close();
        m_error = e.description();
        return false;
    }
    m_active = true;
    for (int i = 0; i < kBlocksInFlight; ++i) feed();
    return true;
}

void FilePlayback::stop()
{
    m_player.stop();
    m_reader.Close();
    m_active = m_paused = m_readAll = false;
    m_startFrame = 0;
}

void FilePlayback::pause()
{
    if (!m_active || m_paused) return;
    m_paused = true;
    m_startFrame += m_player.currentPosition();
    m_player.stop();
}

void FilePlayback::resume()
{
    if (!m_active || !m_paused) return;
    m_paused = false;
    m_player.start();
    try {
        m_reader.Seek(m_startFrame, kSeekFromStart);
        m_readAll = false;
    } catch (const ComponentError&) {
        // A file that cannot be repositioned plays on from where it was read.
    }
    for (int i = 0; i < kBlocksInFlight; ++i) feed();
}

void FilePlayback::feed()
{
    if (!m_active || m_paused || m_readAll) return;
    SampleBlock block;
    try {
        block = m_reader.ReadBlock(m_blockSamples);
    } catch (const ComponentError& e) {
        m_error = e.description();
    }
    if (!block.empty()) {
        m_player.queue(block);
        return;
    }
    // The end, or damaged data, which ends playback where it starts: the player plays what it
    // holds, then ends.
    m_readAll = true;
    if (m_error.isEmpty()) m_error = m_reader.readError();
}

}  // namespace sound
