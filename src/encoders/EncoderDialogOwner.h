#pragma once
// What an encoder settings dialog needs from the window that owns it (the converter window or
// the extractor window): its output writer(s), its skin, its skinning of a dialog's controls
// and its registry key. Dialogs reach their owner through this and nothing else.

#include <QString>

class AudioFile;
class QWidget;
class SkinControl;
class WMAFile;

enum class DialogTool { Converter, Extractor };

class EncoderDialogOwner {
public:
    virtual ~EncoderDialogOwner() = default;

    virtual DialogTool tool() const = 0;
    // The owning window: parent of the dialogs, owner of their modal runs.
    virtual QWidget* ownerWindow() = 0;
    // The writer of MP3, Ogg Vorbis and WAV output (`AudioWrite`, `AudioFileOut`).
    virtual AudioFile& outputWriter() = 0;
    // The converter's WMA writer and reader (`WMAFileW`, `WMAFileR`); null in the extractor,
    // whose WMA profile goes to outputWriter().
    virtual WMAFile* wmaWriter() = 0;
    virtual WMAFile* wmaReader() = 0;
    virtual SkinControl& skin() = 0;
    // Skins a dialog's controls by kind, as the owner does ("DefaultButt" or "button").
    virtual void SkinForm(QWidget* form) = 0;
    // "\Software\Brindlewood\Audioconverter" or "\Software\Brindlewood\Audioextractor".
    virtual QString registryKey() const = 0;
    // The skin section dialogs take: "Small Form" (converter) or "mainform" (extractor).
    virtual QString dialogSkinSection() const = 0;
};
