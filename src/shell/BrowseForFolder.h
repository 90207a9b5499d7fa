#pragma once
// The folder picker: "Select a folder", starting in the home folder.

#include <QString>

class QWidget;

// The chosen folder's full path, or empty text when the user cancels or chooses something
// that has no path in the file system (a network place or the trash, say).
QString BrowseForFolder(QWidget* ownerWindow);
