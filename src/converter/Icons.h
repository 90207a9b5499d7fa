#pragma once
// The output-format list and the file-type icons it shows.

#include <QIcon>
#include <QString>

#include <optional>

class QComboBox;

// Fills the combo with the six output formats, WAV, MP3, OGG, WMA, FLAC and OPUS, each with its text,
// its file-type icon and its key as item data. Creates each sample file "test.<ext>" in the
// program directory when it is missing and removes it afterwards; a user's own file stays.
// Never reports a failure: a step that fails is skipped.
void FillFormatList(QComboBox* combo);

// The desktop's icon for files named like `fileName` (by extension only; the file need not
// exist); sizeCode 2 asks for the large icon, anything else the small one. Nothing when the
// desktop gives no icon.
std::optional<QIcon> GetFileIcon(const QString& fileName, int sizeCode);
// Wraps an icon; a null icon gives nothing.
std::optional<QIcon> IconToPicture(const QIcon& icon);
