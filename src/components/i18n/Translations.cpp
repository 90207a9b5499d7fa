#include "components/i18n/Translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace i18n {

namespace {

const QString kCatalogues = QStringLiteral(":/i18n/");

QString ownCatalogue(const QString& language) {
    return kCatalogues + QStringLiteral("velloria_") + language + QStringLiteral(".qm");
}

// A catalogue counts when it holds at least one finished translation: a language just added
// leaves the program English, Qt's buttons too. The file is looked for by its exact name
// (QTranslator::load would take velloria_de for velloria_de_AT).
bool hasOwnCatalogue(const QString& language) {
    QTranslator probe;
    return QFile::exists(ownCatalogue(language)) && probe.load(ownCatalogue(language)) && !probe.isEmpty();
}

QTranslator* install(QTranslator* translator, bool loaded) {
    if (!loaded || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

}  // namespace

QString chooseLanguage(const QStringList& uiLanguages, const std::function<bool(const QString&)>& available) {
    for (const QString& name : uiLanguages) {
        // "de-AT" is tried as "de_AT", then "de".
        const QStringList parts = QString(name).replace(QLatin1Char('-'), QLatin1Char('_')).split(QLatin1Char('_'));
        if (parts.first().compare(QLatin1String("en"), Qt::CaseInsensitive) == 0) return {};
        for (qsizetype n = parts.size(); n > 0; --n) {
            const QString candidate = parts.mid(0, n).join(QLatin1Char('_'));
            if (available(candidate)) return candidate;
        }
    }
    return {};
}

QString installTranslations(QCoreApplication& app) {
    // A catalogue file named in the environment replaces the choice: a translator's own build of
    // a catalogue, or the pseudo language.
    if (const QString file = qEnvironmentVariable("VELLORIA_CATALOGUE"); !file.isEmpty())
        return installCatalogue(app, file) ? file : QString();
    const QString language = chooseLanguage(QLocale::system().uiLanguages(), hasOwnCatalogue);
    if (language.isEmpty()) return {};
    installCatalogue(app, ownCatalogue(language));
    // Qt's catalogue of that language ("qtbase_de" for "de_AT" too). When it is missing (the
    // package not installed), Qt's own texts stay English.
    auto* qt = new QTranslator(&app);
    install(qt, qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    return language;
}

QTranslator* installCatalogue(QCoreApplication& app, const QString& path) {
    auto* translator = new QTranslator(&app);
    return install(translator, translator->load(path));
}

}  // namespace i18n
