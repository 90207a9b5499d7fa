#include "shell/BrowseForFolder.h"

#include "shell/WindowServices.h"

#include <QCoreApplication>
#include <QDir>

QString BrowseForFolder(QWidget* ownerWindow) {
    ui::FileDialogRequest request;
    request.kind = ui::FileDialogRequest::Kind::Folder;
    request.owner = ownerWindow;
    request.title = QCoreApplication::translate("BrowseForFolder", "Select a folder");
    request.directory = QDir::homePath();
    const ui::FileDialogResult result = ui::FileDialog(request);
    if (!result.accepted || result.urls.isEmpty()) return {};
    const QUrl& chosen = result.urls.first();
    if (!chosen.isLocalFile()) return {};
    return QDir::cleanPath(chosen.toLocalFile());
}
