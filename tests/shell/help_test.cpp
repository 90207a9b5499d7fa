// The help pages explain every message the program can show. The messages are collected from
// the sources, so that a new message without its explanation fails here: the texts given to
// a message box, to a run's or a host's message or failure, to a component error, and the error texts the
// components and runs keep (assignments to error, failure and reason variables, and the
// sentences that error functions return). Each fixed part of a text (the parts between its
// %1-style insertions) has to appear in one of the help pages.
#include "support/TestSupport.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

QString sourceDir() { return QStringLiteral(VELLORIA_TEST_SOURCE_DIR "/src"); }

QString readText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The C++ string literals of a piece of code, with their escapes resolved; the context of a
// translation (translate("Context", "text")) is no text.
QStringList literals(QString code) {
    static const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\\n]|\\.)*)")re"));
    static const QRegularExpression context(QStringLiteral(R"re(\b(translate|QT_TRANSLATE_NOOP|runText)\s*\(\s*"[^"]*"\s*,)re"));
    code.replace(context, QStringLiteral("\\1("));
    QStringList out;
    for (auto it = literal.globalMatch(code); it.hasNext();) {
        QString s = it.next().captured(1);
        s.replace(QStringLiteral("\\n"), QStringLiteral(" ")).replace(QStringLiteral("\\\""), QStringLiteral("\""));
        s.replace(QStringLiteral("\\'"), QStringLiteral("'")).replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
        out << s;
    }
    return out;
}

// The statement that starts at `from` (up to its semicolon, outside of literals).
QString statementAt(const QString& code, qsizetype from) {
    bool inLiteral = false;
    for (qsizetype i = from; i < code.size(); ++i) {
        const QChar c = code[i];
        if (inLiteral && c == QLatin1Char('\\')) ++i;
        else if (c == QLatin1Char('"')) inLiteral = !inLiteral;
        else if (!inLiteral && c == QLatin1Char(';')) return code.mid(from, i - from);
    }
    return code.mid(from);
}

struct Message {
    QString text;
    QString where;
};

QList<Message> programMessages() {
    // Statements that show a message or keep an error text for one.
    static const QRegularExpression sink(QStringLiteral(
        R"re(\b(?:MsgBox|ComponentError|runMessage|runFailures|message|fail|failure)\s*\(|Kind::(?:Message|Refuse)\s*,|(?:\b|\.|->)(?:m_)?(?:job|read|last)?(?:[Ee]rror|[Ff]ailure|reason)\s*=(?!=))re"));
    // Sentences returned by functions (error texts): a literal ending in . ! or ?.
    static const QRegularExpression returned(
        QStringLiteral(R"re(\breturn\s+(?:QStringLiteral|(?:\w+::)*tr|(?:QCoreApplication::)?translate)\s*\()re"));
    // A named text constant given to a message box or shown in a label.
    static const QRegularExpression constant(QStringLiteral(R"re((?:MsgBox\(|setText\()\s*(k[A-Z]\w*))re"));
    // A sentence put into a label as it is shown.
    static const QRegularExpression shown(QStringLiteral(R"re(setText\(\s*tr\(\s*"[^"]*[.!?]"\s*\))re"));
    // A text taken from a table row's field: MsgBox(...(...).field...).
    static const QRegularExpression field(QStringLiteral(R"re(MsgBox\([^;]*\)\.(\w*Message)\b)re"));

    QList<Message> out;
    QDirIterator files(sourceDir(), {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString code = readText(path);
        const QString name = QFileInfo(path).fileName();
        auto add = [&](const QStringList& texts, qsizetype at) {
            const QString where = name + QLatin1Char(':') + QString::number(code.left(at).count(QLatin1Char('\n')) + 1);
            for (const QString& t : texts) out.push_back({t, where});
        };
        for (auto it = sink.globalMatch(code); it.hasNext();) {
            const auto m = it.next();
            // Comments are not code.
            const qsizetype lineStart = code.lastIndexOf(QLatin1Char('\n'), m.capturedStart()) + 1;
            if (code.mid(lineStart, m.capturedStart() - lineStart).contains(QStringLiteral("//"))) continue;
            add(literals(statementAt(code, m.capturedStart())), m.capturedStart());
        }
        for (auto it = returned.globalMatch(code); it.hasNext();) {
            const auto m = it.next();
            const QStringList texts = literals(statementAt(code, m.capturedStart()));
            if (!texts.isEmpty() && QRegularExpression(QStringLiteral("[.!?]$")).match(texts.first()).hasMatch())
                add(texts, m.capturedStart());
        }
        for (auto it = shown.globalMatch(code); it.hasNext();) {
            const auto m = it.next();
            add(literals(m.captured(0)), m.capturedStart());
        }
        for (auto it = constant.globalMatch(code); it.hasNext();) {
            const auto m = it.next();
            const QRegularExpression def(m.captured(1) + QStringLiteral(R"re(\s*=[^;]*)re"));
            const auto d = def.match(code);
            if (d.hasMatch()) add(literals(d.captured(0)), d.capturedStart());
        }
        for (auto it = field.globalMatch(code); it.hasNext();) {
            // The field's place in its struct, then that place in every row of the table.
            const auto m = it.next();
            const QRegularExpression decl(QStringLiteral(R"re(struct\s+\w+\s*\{([^}]*)\b)re") + m.captured(1) + QStringLiteral(";"));
            const auto d = decl.match(code);
            if (!d.hasMatch()) continue;
            const qsizetype index = d.captured(1).count(QLatin1Char(';'));
            static const QRegularExpression row(QStringLiteral(R"re(\{\s*("[^"]*"(?:\s*,\s*[^,{}]+)+)\s*\})re"));
            for (auto r = row.globalMatch(code); r.hasNext();) {
                const auto rm = r.next();
                // A text marked for translation is one cell, without its context.
                static const QRegularExpression marked(QStringLiteral(R"re(QT_TRANSLATE_NOOP\s*\(\s*"[^"]*"\s*,)re"));
                const QStringList cells = QString(rm.captured(1)).remove(marked).split(QLatin1Char(','));
                if (index < cells.size()) add(literals(cells[index]), rm.capturedStart());
            }
        }
    }
    return out;
}

// The fixed parts of a message: the text between its %1-style insertions, without the quotes
// and punctuation around them, where they hold a word.
QStringList fixedParts(const QString& text) {
    static const QRegularExpression insertion(QStringLiteral("%\\d+"));
    QStringList parts;
    for (QString part : text.split(insertion)) {
        part = part.simplified();
        while (!part.isEmpty() && QStringLiteral("\"':(), ").contains(part.front())) part.remove(0, 1);
        while (!part.isEmpty() && QStringLiteral("\"':(, ").contains(part.back())) part.chop(1);
        static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
        if (word.match(part).hasMatch()) parts << part;
    }
    return parts;
}

QString helpText() {
    QString all;
    for (const char* page : {"help.html", "AChelp.html", "AEHelp.html"}) {
        QTextDocument doc;
        doc.setHtml(readText(testing_support::programDirForTests() + QLatin1Char('/') + QLatin1String(page)));
        all += doc.toPlainText() + QLatin1Char('\n');
    }
    // Typography of the pages is not part of the texts.
    all.replace(QChar(0x2019), QLatin1Char('\'')).replace(QChar(0x201c), QLatin1Char('"')).replace(QChar(0x201d), QLatin1Char('"'));
    return all.simplified();
}

TEST(Help, ExplainsEveryMessageTheProgramCanShow) {
    const QList<Message> messages = programMessages();
    // The collection itself works: messages of every kind are found.
    QSet<QString> found;
    for (const Message& m : messages) found.insert(m.text);
    for (const char* known : {"You must select the output folder.!", "Are you sure you want to quit ??",
                              "Skin file \"%1\" could not be found.", "No sound output device is available (is a sound server running?).",
                              "There is no CD drive.", "WAV Format set to CD quality", "Incorrect format, try choosing a higher frequency.!",
                              "The output file could not be written.", " the input file doesn't exist",
                              "WMA is not Supported in your system,Install WMA codec.!"})
        EXPECT_TRUE(found.contains(QLatin1String(known))) << "not collected: " << known;

    const QString help = helpText();
    QStringList missing;
    QSet<QString> seen;
    for (const Message& m : messages)
        for (const QString& part : fixedParts(m.text))
            if (!help.contains(part) && !seen.contains(part)) {
                seen.insert(part);
                missing << QStringLiteral("%1   [%2: %3]").arg(part, m.where, m.text);
            }
    EXPECT_TRUE(missing.isEmpty()) << missing.size() << " message texts are not in the help:\n"
                                   << missing.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
