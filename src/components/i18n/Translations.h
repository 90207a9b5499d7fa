#pragma once
// The program's texts in the user's language: Velloria's own catalogue, built into the program
// (":/i18n/velloria_<language>.qm"), and Qt's catalogue of the same language for the texts Qt
// itself shows (standard buttons, file dialogs). English, the texts in the sources, when the
// user's languages have no catalogue.

#include <QString>
#include <QStringList>

#include <functional>

class QCoreApplication;
class QTranslator;

namespace i18n {

// The catalogue name ("de", "pt_BR") of the first of `uiLanguages` (best first, as
// QLocale::uiLanguages() gives them: "de-AT", "fr", "en-US") that `available` accepts, trying
// the full name before the bare language. Empty when English comes first or none is available:
// the sources' texts are English, so an English speaker who also reads German sees English.
QString chooseLanguage(const QStringList& uiLanguages, const std::function<bool(const QString&)>& available);

// Installs the catalogues of the user's preferred language (QLocale::system().uiLanguages(),
// which on Linux follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG). Returns the language's
// catalogue name, or empty for English. Call before any text is made. VELLORIA_CATALOGUE=<file.qm>
// in the environment installs that file alone instead (and returns its name).
QString installTranslations(QCoreApplication& app);

// Installs the catalogue in the file `path` above those installed before. The translator is a
// child of `app`; the caller may remove and delete it. Null when the file is no catalogue.
QTranslator* installCatalogue(QCoreApplication& app, const QString& path);

}  // namespace i18n
