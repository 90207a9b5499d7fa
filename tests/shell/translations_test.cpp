// The program in other languages: the language chosen from the user's, the committed catalogues
// in step with the sources and complete, and every window under the pseudo language (each text
// marked, so translated; each a third longer, so a longer language fits).
#include "app/frmmainpro.h"
#include "components/i18n/Translations.h"
#include "converter/ACfrmOverWrite.h"
#include "converter/frmAudioConverter.h"
#include "encoders/SettingsDialogs.h"
#include "extractor/AEfrmabout.h"
#include "extractor/AEfrmmain.h"
#include "recorder/ACMainRecord.h"
#include "ripping/ACfrmGrab.h"
#include "ripping/ReleaseChoice.h"
#include "shell/ACfrmAbout.h"
#include "components/ui/SettingsDialog.h"
#include "components/ui/WavFormatChooser.h"
#include "support/CliRuns.h"
#include "support/Signals.h"
#include "support/DialogTestOwner.h"
#include "support/TestSupport.h"
#include "support/WindowTexts.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include <algorithm>
#include <functional>
#include <ostream>

#include <gtest/gtest.h>

namespace {

TEST(Language, TheFirstOfTheUsersLanguagesWithACatalogueUnlessEnglishComesFirst) {
    const QSet<QString> available{QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("pt_BR")};
    const struct {
        QStringList uiLanguages;
        const char* chosen;
    } cases[] = {
        {{QStringLiteral("de-DE")}, "de"},
        {{QStringLiteral("de-AT"), QStringLiteral("en-US")}, "de"},
        {{QStringLiteral("it-IT"), QStringLiteral("fr-CA"), QStringLiteral("de")}, "fr"},  // the first one there is
        {{QStringLiteral("en-GB"), QStringLiteral("de")}, ""},                               // English preferred
        {{QStringLiteral("pt-BR")}, "pt_BR"},
        {{QStringLiteral("pt-PT")}, ""},  // no bare "pt"
        {{QStringLiteral("ja-JP")}, ""},
        {{}, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(i18n::chooseLanguage(c.uiLanguages, [&](const QString& l) { return available.contains(l); }).toStdString(),
                  c.chosen)
            << c.uiLanguages.join(QLatin1Char(',')).toStdString();
    }
}

// ---- The committed catalogues ----

const QString kTranslations = QStringLiteral(VELLORIA_TEST_SOURCE_DIR "/translations/");

struct Message {
    QString source;
    QStringList forms;  // the translation, or a plural's forms
    bool finished = false;
};

// The text of a <translation> element, or each of its <numerusform> elements.
QStringList translationForms(QXmlStreamReader& xml) {
    QStringList forms;
    QString text;
    while (!xml.atEnd() && !(xml.readNext() == QXmlStreamReader::EndElement && xml.name() == QLatin1String("translation"))) {
        if (xml.isCharacters()) text += xml.text();
        if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) forms << xml.readElementText();
    }
    return forms.isEmpty() ? QStringList{text} : forms;
}

// context|source|comment -> translation of a .ts file; obsolete and vanished ones left out.
QMap<QString, Message> readCatalogue(const QString& path) {
    QMap<QString, Message> messages;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    QString context, source, comment;
    Message message;
    bool gone = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() && !(xml.isEndElement() && xml.name() == QLatin1String("message"))) continue;
        if (xml.isEndElement()) {
            message.source = source;
            if (!gone) messages.insert(context + QLatin1Char('|') + source + QLatin1Char('|') + comment, message);
        } else if (xml.name() == QLatin1String("message")) {
            source.clear();
            comment.clear();
            message = {};
            gone = false;
        } else if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("comment")) {
            comment = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            message.forms = translationForms(xml);
            message.finished = type.isEmpty() && std::none_of(message.forms.cbegin(), message.forms.cend(),
                                                              [](const QString& f) { return f.trimmed().isEmpty(); });
            gone = type == QLatin1String("obsolete") || type == QLatin1String("vanished");
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

QSet<QString> placeholders(const QString& text) {
    static const QRegularExpression arg(QStringLiteral("%L?[1-9][0-9]?"));
    QSet<QString> found;
    for (auto m = arg.globalMatch(text); m.hasNext();) found << m.next().captured().remove(QLatin1Char('L'));
    return found;
}

QStringList committedLanguages() {
    QStringList languages;
    for (const QString& name : QDir(kTranslations).entryList({QStringLiteral("velloria_*.ts")}))
        languages << name.mid(9, name.size() - 12);
    return languages;
}

TEST(Catalogues, EachCommittedOneIsBuiltIntoTheProgram) {
    ASSERT_FALSE(committedLanguages().isEmpty());
    for (const QString& language : committedLanguages())
        EXPECT_TRUE(QFile::exists(QStringLiteral(":/i18n/velloria_%1.qm").arg(language)))
            << "translations/velloria_" << language.toStdString() << ".ts is missing from VELLORIA_LANGUAGES";
}

// Fails until translators have finished: one line per text that is missing, left over from
// removed code, unfinished, or whose placeholders differ from the English text's. The
// catalogues follow the sources with `cmake --build build --target velloria_lupdate`.
TEST(Catalogues, EachHoldsTodaysTextsAllTranslatedWithTheirPlaceholders) {
    const QMap<QString, Message> extracted = readCatalogue(QStringLiteral(VELLORIA_EXTRACTED_TS));
    for (const QString& language : committedLanguages()) {
        const QMap<QString, Message> catalogue = readCatalogue(kTranslations + QStringLiteral("velloria_%1.ts").arg(language));
        QStringList faults;
        for (auto it = extracted.cbegin(); it != extracted.cend(); ++it)
            if (!catalogue.contains(it.key())) faults << QStringLiteral("not in the catalogue: ") + it.key();
        for (auto it = catalogue.cbegin(); it != catalogue.cend(); ++it) {
            const QString& source = it->source;
            if (!extracted.contains(it.key()))
                faults << QStringLiteral("no longer in the sources: ") + it.key();
            else if (!it->finished)
                faults << QStringLiteral("unfinished: ") + it.key();
            else
                for (const QString& form : it->forms)
                    if (placeholders(form) != placeholders(source))
                        faults << QStringLiteral("placeholders differ: ") + it.key() + QStringLiteral(" -> ") + form;
        }
        EXPECT_TRUE(faults.isEmpty()) << "velloria_" << language.toStdString() << ".ts, " << faults.size()
                                      << " faults:\n" << faults.join(QLatin1Char('\n')).toStdString();
    }
}

// ---- The pseudo language ----

// What the program relies on in a text, the same in each pseudo translation as in its source:
// placeholders, mnemonics, tags, entities, line breaks.
TEST(PseudoLanguageCatalogue, KeepsWhatTheProgramReadsInEachText) {
    static const QRegularExpression kept(QStringLiteral("%L?[1-9][0-9]?|%L?n|&&?|<[^<>]*>|\n"));
    auto keptParts = [](const QString& text) {
        QStringList parts;
        for (auto m = kept.globalMatch(text); m.hasNext();) parts << m.next().captured();
        return parts;
    };
    const QMap<QString, Message> pseudo = readCatalogue(QStringLiteral(VELLORIA_PSEUDO_QM).replace(QLatin1String(".qm"), QLatin1String(".ts")));
    ASSERT_FALSE(pseudo.isEmpty());
    for (auto it = pseudo.cbegin(); it != pseudo.cend(); ++it) {
        const QString& source = it->source;
        EXPECT_TRUE(it->finished) << it.key().toStdString();
        for (const QString& form : it->forms) {
            EXPECT_EQ(keptParts(form), keptParts(source)) << it.key().toStdString() << " -> " << form.toStdString();
            // A third longer, in what is shown.
            static const QRegularExpression tag(QStringLiteral("<[^<>]*>"));
            EXPECT_GE(QString(form).remove(tag).size() * 3, QString(source).remove(tag).size() * 4) << form.toStdString();
        }
    }
}

// velloria-convert installs the catalogue before it prints anything, its usage text too.
TEST(PseudoLanguageCommandLine, TheHelpIsTranslated) {
    testing_support::TempConfigHome config;
    qputenv("VELLORIA_CATALOGUE", VELLORIA_PSEUDO_QM);
    const auto help = testing_support::runCommand({QStringLiteral("--help")}, config.path(), config.path());
    qunsetenv("VELLORIA_CATALOGUE");
    EXPECT_EQ(help.exitCode, 0);
    // The usage paragraph, and the options' lines after it, each marked as a whole.
    EXPECT_TRUE(help.out.startsWith(QLatin1Char('['))) << help.out.toStdString();
    EXPECT_GE(help.out.count(QLatin1String("~]")), 10) << help.out.toStdString();
}

// A pseudo translation: "[" + the text accented + "~" padding + "]", one bracket pair nested.
const QRegularExpression kMarked(QStringLiteral(R"(\[[^\[\]]*(?:\[[^\[\]]*\][^\[\]]*)*~+\])"));

// Texts that are data, not words: the same in every language.
const struct {
    QRegularExpression text;
    const char* reason;
} kAllowed[] = {
    {QRegularExpression(QStringLiteral("^Corvane$")), "the product's name"},
    {QRegularExpression(QStringLiteral("^(CDDB|AccurateRip|MusicBrainz)$")), "the services' names"},
    {QRegularExpression(QStringLiteral("^(MP3|WAV|OGG|Ogg Vorbis|WMA|FLAC|Opus|OPUS|PCM|CD)$")), "format names"},
    {QRegularExpression(QStringLiteral(R"(^[\d\s.,:/×x-]*(Hz|kHz|kbit|kbit/s|kbps|bit|bits|dB|LUFS|ms|%)?$)")), "numbers with units"},
};

// The parts of `text` outside pseudo translations that hold letters and are not allowed data.
QStringList unmarked(const QString& text) {
    QStringList rest;
    for (QString part : text.split(kMarked)) {
        part = part.trimmed();
        if (!part.contains(QRegularExpression(QStringLiteral("\\p{L}")))) continue;
        bool allowed = false;
        for (const auto& a : kAllowed) allowed = allowed || a.text.match(part).hasMatch();
        if (!allowed) rest << part;
    }
    return rest;
}

using Check = std::function<void(QWidget*)>;

struct Window {
    const char* name;
    // Makes the window, shows it and hands it to `check`; deletes what it made.
    std::function<void(const Check& check)> open;
};

void PrintTo(const Window& w, std::ostream* os) { *os << w.name; }

void showAndCheck(QWidget* w, const Check& check) {
    w->show();
    QCoreApplication::processEvents();
    check(w);
}

// Every window and dialog of the program (the QDialog, QMainWindow and top-level QWidget classes
// under src/). Not here: the splash and the launcher's movie, which show pictures only, and the
// system information, which is another program.
const Window kWindows[] = {
    {"launcher", [](const Check& check) {
         QPointer<frmmainpro> w = new frmmainpro;
         w->Form_Load();
         showAndCheck(w, check);
         delete w.data();
     }},
    {"converter", [](const Check& check) {
         frmAudioConverter w;
         showAndCheck(&w, check);
     }},
    {"ripping options", [](const Check& check) {
         frmAudioConverter w;
         showAndCheck(&w.grabDialog(), check);
     }},
    {"converter about", [](const Check& check) {
         ACfrmAbout w;
         showAndCheck(&w, check);
     }},
    {"overwrite", [](const Check& check) {
         QListWidget outputs;
         ACfrmOverWrite w(nullptr, &outputs);
         w.addOutput(QDir::tempPath() + QStringLiteral("/song.mp3"));
         showAndCheck(&w, check);
     }},
    {"extractor", [](const Check& check) {
         AEfrmmain::resetState();
         AEfrmmain w;
         showAndCheck(&w, check);
     }},
    {"extractor about", [](const Check& check) {
         AEfrmmain::resetState();
         AEfrmmain owner;
         AEfrmabout w(owner);
         showAndCheck(&w, check);
     }},
    {"recorder", [](const Check& check) {
         ACMainRecord w(nullptr);
         showAndCheck(&w, check);
     }},
    {"release choice", [](const Check& check) {
         std::vector<net::Release> releases(1);
         releases[0] = {QStringLiteral("Blue Train"), QStringLiteral("Ada Marsh"), QStringLiteral("1999"),
                        QStringLiteral("GB"), QStringLiteral("Orbit"), QStringLiteral("CD"), {}};
         ReleaseChoice w(nullptr, releases);
         showAndCheck(&w, check);
     }},
    {"WAV format", [](const Check& check) {
         WavFormatChooser w(WavFormat{});
         showAndCheck(&w, check);
     }},
    {"encoder settings", [](const Check& check) {
         for (const char* key : {"MP3", "WAV", "OGG", "WMA", "FLAC", "OPUS"}) {
             for (DialogTool tool : {DialogTool::Converter, DialogTool::Extractor}) {
                 std::unique_ptr<EncoderDialogOwner> owner = testing_support::makeDialogTestOwner(tool);
                 SettingsDialogs dialogs(*owner);
                 if (SettingsDialog* w = dialogs.dialogFor(QLatin1String(key))) showAndCheck(w, check);
             }
         }
     }},
};

class PseudoLanguage : public ::testing::TestWithParam<Window> {
protected:
    static void SetUpTestSuite() {
        s_pseudo = i18n::installCatalogue(*QCoreApplication::instance(), QStringLiteral(VELLORIA_PSEUDO_QM));
    }
    static void TearDownTestSuite() {
        QCoreApplication::removeTranslator(s_pseudo);
        delete s_pseudo;
    }
    static inline QTranslator* s_pseudo = nullptr;
    testing_support::TempConfigHome config;
};

// One line per text that did not go through a catalogue, and per control that cuts its text.
TEST_P(PseudoLanguage, EveryTextIsTranslatedAndFits) {
    ASSERT_NE(s_pseudo, nullptr) << VELLORIA_PSEUDO_QM;
    QStringList faults;
    GetParam().open([&](QWidget* window) {
        const QString where = QString::fromUtf8(GetParam().name) + QLatin1Char(' ') + window->objectName();
        for (const auto& shown : testing_support::shownTexts(window))
            for (const QString& part : unmarked(shown.text))
                faults << QStringLiteral("%1: %2 %3: \"%4\"").arg(where, shown.object, shown.kind, part);
        for (const QString& clipped : testing_support::clippedControls(window))
            faults << QStringLiteral("%1: cut off: %2").arg(where, clipped);
    });
    testing_support::runDeferredDeletes();
    faults.removeDuplicates();
    EXPECT_TRUE(faults.isEmpty()) << faults.size() << " faults:\n" << faults.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Windows, PseudoLanguage, ::testing::ValuesIn(kWindows), [](const auto& param) {
    return QString::fromUtf8(param.param.name).remove(QLatin1Char(' ')).toStdString();
});

}  // namespace

// ---- One path in German ----

// With LANGUAGE=de the program picks the German catalogue; the converter then speaks German and
// converts as ever, its status bar back at "Bereit" afterwards.
TEST(GermanConverter, ShowsTheGermanCatalogueAndConverts) {
    QTemporaryDir in, out;
    const QString source = in.filePath(QStringLiteral("Lied.wav"));
    ASSERT_EQ(testing_support::writeAudioFile(source, testing_support::musicTone(44100, 2, 1.0), 44100, 2), QString());
    const QByteArray before = qgetenv("LANGUAGE");
    qputenv("LANGUAGE", "de");
    const QString language = i18n::installTranslations(*QCoreApplication::instance());
    qputenv("LANGUAGE", before);
    // Whatever this test installed goes again, so that later tests in this process read English.
    const auto englishAgain = qScopeGuard([] {
        for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    });
    ASSERT_EQ(language, QStringLiteral("de"));

    QPointer<frmAudioConverter> window = new frmAudioConverter;
    window->Splash1->Hide();
    window->show();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Audio-Konverter"));
    EXPECT_EQ(window->cmdConvert->text(), QStringLiteral("Konvertieren >>"));
    EXPECT_EQ(window->cmdCancel->text(), QStringLiteral("Abbrechen"));
    window->optOtherFolder->click();
    window->txtFolder->setText(out.path());
    window->addPaths({source});
    window->SelectAll();
    window->imgcmbConvertTo->setCurrentIndex(window->imgcmbConvertTo->findData(QStringLiteral("FLAC")));
    Q_EMIT window->imgcmbConvertTo->activated(window->imgcmbConvertTo->currentIndex());
    testing_support::MsgBoxRecorder boxes;
    window->cmdConvert->click();
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(QFileInfo(out.filePath(QStringLiteral("Lied.FLAC"))).size() > 0);
    EXPECT_EQ(window->sbPanel[0]->text(), QStringLiteral("Bereit"));
    delete window.data();
}
