#pragma once
// What an encoder settings dialog needs from the window that owns it (the converter window or
// the extractor window): the output settings it edits, its skin, its skinning of a dialog's
// controls and its registry key. Dialogs reach their owner through this and nothing else; they
// never touch a writer: a run takes the settings in its snapshot.

#include <QString>

struct OutputSettings;
class QWidget;
class SkinControl;

enum class DialogTool { Converter, Extractor };

class EncoderDialogOwner {
public:
    virtual ~EncoderDialogOwner() = default;

    virtual DialogTool tool() const = 0;
    // The owning window: parent of the dialogs, owner of their modal runs.
    virtual QWidget* ownerWindow() = 0;
    // The settings the owner's next run writes with; the dialogs apply their choices here.
    virtual OutputSettings& outputSettings() = 0;
    virtual SkinControl& skin() = 0;
    // Skins a dialog's controls by kind, as the owner does ("DefaultButt" or "button").
    virtual void SkinForm(QWidget* form) = 0;
    // "\Software\Brindlewood\Audioconverter" or "\Software\Brindlewood\Audioextractor".
    virtual QString registryKey() const = 0;
    // The skin section dialogs take: "Small Form" (converter) or "mainform" (extractor).
    virtual QString dialogSkinSection() const = 0;
};
