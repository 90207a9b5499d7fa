// The folders under src/ are layers: a folder includes only folders below it, so that no two
// folders include each other and the lower libraries build without the upper ones. The
// includes are read from the sources themselves.
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

const QString kSource = QStringLiteral(VELLORIA_TEST_SOURCE_DIR "/src/");

// From the top floor down; a folder may include folders of a lower floor only.
const QMap<QString, int>& floors() {
    static const QMap<QString, int> table{
        {QStringLiteral("app"), 7},            {QStringLiteral("cli"), 7},
        {QStringLiteral("converter"), 6},       {QStringLiteral("extractor"), 6},
        {QStringLiteral("encoders"), 5},        {QStringLiteral("recorder"), 5},
        {QStringLiteral("ripping"), 5},
        {QStringLiteral("shell"), 4},
        {QStringLiteral("runs"), 3},
        {QStringLiteral("components/ui"), 2},   {QStringLiteral("components/sound"), 2},
        {QStringLiteral("components/net"), 2},  {QStringLiteral("components/desktop"), 2},
        {QStringLiteral("components/audio"), 1},
        {QStringLiteral("components/store"), 0}, {QStringLiteral("components/i18n"), 0},
        {QStringLiteral("components"), 0},
    };
    return table;
}

// The folder of a path relative to src/: "components/audio" for components/audio/X.h.
QString folderOf(const QString& relative) {
    const QStringList parts = relative.split(QLatin1Char('/'));
    if (parts.size() >= 3 && parts[0] == QLatin1String("components")) return parts[0] + QLatin1Char('/') + parts[1];
    return parts.size() >= 2 ? parts[0] : QString();
}

// Folder -> folders it includes, with one file that does so.
QMap<QString, QMap<QString, QString>> includeGraph() {
    static const QRegularExpression include(QStringLiteral(R"re(^\s*#\s*include\s+"([^"]+)")re"),
                                            QRegularExpression::MultilineOption);
    QMap<QString, QMap<QString, QString>> graph;
    QDirIterator it(kSource, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString from = folderOf(path.mid(kSource.size()));
        QFile file(path);
        if (from.isEmpty() || !file.open(QIODevice::ReadOnly)) continue;
        const QString code = QString::fromUtf8(file.readAll());
        for (auto m = include.globalMatch(code); m.hasNext();) {
            const QString to = folderOf(m.next().captured(1));
            if (!to.isEmpty() && to != from) graph[from].insert(to, path.mid(kSource.size()));
        }
    }
    return graph;
}

TEST(Layers, NoFolderIncludesOneAboveItOrBesideIt) {
    const auto graph = includeGraph();
    ASSERT_TRUE(graph.contains(QStringLiteral("converter")));  // the sources were found
    for (auto from = graph.begin(); from != graph.end(); ++from) {
        EXPECT_TRUE(floors().contains(from.key())) << "a folder with no floor: " << from.key().toStdString();
        for (auto to = from->begin(); to != from->end(); ++to) {
            EXPECT_FALSE(graph.value(to.key()).contains(from.key()))
                << from.key().toStdString() << " and " << to.key().toStdString() << " include each other ("
                << to.value().toStdString() << ", " << graph.value(to.key()).value(from.key()).toStdString() << ")";
            EXPECT_LT(floors().value(to.key(), 99), floors().value(from.key(), -1))
                << to.value().toStdString() << " reaches up from " << from.key().toStdString() << " to "
                << to.key().toStdString();
        }
    }
}

}  // namespace
