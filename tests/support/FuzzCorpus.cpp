#include "support/FuzzCorpus.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace testing_support {

void replayFuzzCorpus(const QString& target, FuzzEntry entry) {
    const QDir dir(QStringLiteral(VELLORIA_TEST_SOURCE_DIR "/fuzz/corpus/") + target);
    const QStringList names = dir.entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(names.isEmpty()) << "no corpus in " << dir.path().toStdString();
    for (const QString& name : names) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        const QByteArray bytes = file.readAll();
        SCOPED_TRACE(file.fileName().toStdString());
        entry(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size()));
    }
}

}  // namespace testing_support
