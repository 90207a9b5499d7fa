#include "recorder/RecorderRules.h"

#include "components/audio/codecs/AudioFile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace recorder {

TransportLook lookOf(Transport state)
{
    switch (state) {
    case Transport::Playing: return {QT_TRANSLATE_NOOP("ACMainRecord", "Playing....."), false, true, true, false};
    case Transport::Paused: return {QT_TRANSLATE_NOOP("ACMainRecord", "Pause....."), false, true, true, false};
    case Transport::Recording: return {QT_TRANSLATE_NOOP("ACMainRecord", "Recording....."), false, false, true, false};
    case Transport::Idle: break;
    }
    //: The recorder's state: stopped
    return {QT_TRANSLATE_NOOP("ACMainRecord", "Stop"), true, false, false, true};
}

QString frequencyCaption(int item)
{
    if (item < 1 || item > static_cast<int>(kFrequencies.size()))
        return {};
    //: A sample rate in the Frequency menu
    return QCoreApplication::translate("ACMainRecord", "%1 Hz").arg(kFrequencies[static_cast<std::size_t>(item - 1)], 5);
}

QString fileFilter()
{
    // Each type's caption, then its pattern.
    return QCoreApplication::translate("ACMainRecord", "Wav files (*.wav)") + QStringLiteral("|*.wav|")
           + QCoreApplication::translate("ACMainRecord", "MP3 files (*.mp3)") + QStringLiteral("|*.mp3|")
           + QCoreApplication::translate("ACMainRecord", "Ogg Vorbis files (*.ogg)") + QStringLiteral("|*.ogg");
}

QString recordingPath(const QString& chosen, int filterIndex)
{
    if (chosen.isEmpty() || !QFileInfo(chosen).suffix().isEmpty())
        return chosen;
    static const char* const extensions[] = {".wav", ".mp3", ".ogg"};
    const int index = filterIndex >= 1 && filterIndex <= 3 ? filterIndex - 1 : 0;
    return chosen + QLatin1String(extensions[index]);
}

void applyRecordingFormat(AudioFile& file, int rate, int channels)
{
    file.SetPcmFormat(rate, channels, 16);
    // MPEG 2.5 (below 16 kHz) tops out at 64 kbit/s.
    file.SetEncodingParameters(rate, rate < 16000 ? 64 : 128, channels);
    // Vorbis bounds the bitrate by the rate; take the highest it accepts up to 128 kbit/s.
    for (int kbps : {128, 112, 96, 80, 64, 56, 48, 40, 32, 24, 16}) {
        if (file.CheckOggFormat(rate, channels, kbps, 0, 0)) {
            file.SetOggFormat(rate, channels, kbps, 0, 0, 0);
            break;
        }
    }
}

}  // namespace recorder
