#pragma once
// Every audio format the program writes and reads, each described once. The windows' format
// lists, the Add dialog's filter, velloria-convert's -f and -r, the output settings and the
// audio file object's choice of writer all read these tables; what cannot read them at run time
// (the shell completion, the manual page, the desktop entry, the README) is checked against
// them by a test. A format's settings dialog is a window and lives in the encoders' own table,
// keyed by `key`. Qt Core only.

#include "components/audio/codecs/Encoder.h"
#include "components/audio/tags/TagConventions.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

struct OutputSettings;

namespace audio {

enum class LoudnessConvention { ReplayGain, R128 };

// What a writer is made for besides the run's settings: the blocks it will be given.
struct WriterInput {
    PcmFormat declared{0, 0};  // the blocks' true format; 0: the format's own settings
    int declaredBits = 16;
    std::int64_t frames = 0;   // the length the source states; 0: unknown
    QString mp3Refusal;        // why the MP3 rate, bitrate or channels last set cannot be written
};

struct OutputFormat {
    const char* key;        // "MP3": the runs', the dialogs' and the extractor's name for it; the
                            // windows' outputs end in "." + key, and the extractor lists it so
    const char* name;       // "Ogg Vorbis", as texts name it
    const char* caption;    // in the converter's "Convert to" list, untranslated (shownCaption())
    int storedIndex;        // the converter's stored "Last Output Format": its place in that list + 1
    int extractorPosition;  // its place in the extractor's format list
    const char* extension;  // -f's name for it, and what velloria-convert's outputs end in
    const char* mimeType;
    // What choosing it as output does to `settings` from the stored settings under `storeKey`
    // (OutputSettings::chooseFormat); why the stored settings were refused, or empty.
    QString (*chooseStored)(OutputSettings& settings, const QString& storeKey);
    // Whether the extractor's rate, bit rate and channel lists give its settings (rather than
    // its stored ones).
    bool setByExtractorLists;
    std::unique_ptr<Encoder> (*makeWriter)(const OutputSettings& settings, const WriterInput& input);
    tag_conventions::TagKind tags;
    LoudnessConvention loudness;
    int maxChannels;  // a source with more is mixed down
    int minRate;      // Hz
    int maxRate;
    // Why this system cannot write it, as a run says so; null where it always can.
    QString (*unavailable)();
    // The rate and channels its settings fix (WMA's profile); null where the blocks give them.
    PcmFormat (*fixedFormat)(const OutputSettings& settings);

    // The caption as the list shows it, in the user's language.
    QString shownCaption() const;
};

// Every output format, in the order the command line names them.
const QList<OutputFormat>& outputFormats();
// By key (exactly) or by extension (any case, without the dot); null for none.
const OutputFormat* outputFormat(const QString& key);
const OutputFormat* outputFormatByExtension(const QString& extension);
// The output formats in the order of the converter's (by stored index) or the extractor's list.
QList<const OutputFormat*> converterFormatList();
QList<const OutputFormat*> extractorFormatList();

enum class InputKind { Decoded, CdTrack, DiscImage };

// Its name and caption come in the user's language.
struct InputFormat {
    QString name;            // "Ogg Vorbis", as texts name it
    QStringList extensions;  // lower case, without the dot
    QString filterCaption;   // the Add dialog's filter of its own
    QStringList mimeTypes;   // the desktop entry's
    InputKind kind;          // Decoded: the audio reader reads it, and velloria-convert -r finds it
};

// What the converter reads, in the order of the Add dialog's filters.
QList<InputFormat> inputFormats();
// The extensions of the decoded ones: the files velloria-convert -r looks for.
QStringList readableExtensions();

}  // namespace audio
