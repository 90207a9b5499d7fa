#pragma once
// The recorder's rules that need no window: the transport states and how each one looks, the
// recording formats its menus offer, the file types of its dialogs, and the bitrates that
// each rate can be encoded at.

#include <QString>

#include <array>

class AudioFile;

namespace recorder {

enum class Transport { Idle, Playing, Paused, Recording };

// What the window shows in a state: panel 1's text (untranslated, in context "ACMainRecord") and
// which buttons are enabled.
struct TransportLook {
    const char* status;
    bool play, pause, stop, rec;
};
TransportLook lookOf(Transport state);

// The Frequency menu's rates, item 1 to 9, and their captions (" 8000 Hz" … "48000 Hz").
inline constexpr std::array<int, 9> kFrequencies{8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};
QString frequencyCaption(int item);

// The file dialog's filter: WAV, MP3 and Ogg Vorbis, in that order.
QString fileFilter();
// The name to record into: the chosen name, with the extension of the dialog's file type
// (1 WAV, 2 MP3, 3 Ogg) added when the name has none.
QString recordingPath(const QString& chosen, int filterIndex);

// Sets the recording format on the recording file object: 16-bit PCM for WAV, and for MP3 and
// Ogg Vorbis the same rate and channels at 128 kbit/s, or the highest bitrate below that the
// encoder takes at this rate.
void applyRecordingFormat(AudioFile& file, int rate, int channels);

}  // namespace recorder
