#include "support/Corpus.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace testing_support {

QStringList corruptCorpus(const QString& kind) {
    static std::unique_ptr<QTemporaryDir> dir;
    static bool made = false;
    if (!dir) {
        dir = std::make_unique<QTemporaryDir>();
        QProcess script;
        script.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        script.start(QStringLiteral(VELLORIA_TEST_SOURCE_DIR "/scripts/corrupt-corpus"), {dir->path()});
        made = script.waitForFinished(120000) && script.exitStatus() == QProcess::NormalExit && script.exitCode() == 0;
    }
    if (!made) {
        ADD_FAILURE() << "scripts/corrupt-corpus failed";
        return {};
    }
    const QDir folder(dir->filePath(kind));
    QStringList files;
    for (const QString& name : folder.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name))
        files << folder.filePath(name);
    return files;
}

QHash<QString, QByteArray> fingerprints(const QStringList& paths) {
    QHash<QString, QByteArray> out;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        QByteArray print = QByteArray::number(info.size()) + ' ' +
                           QByteArray::number(info.lastModified().toMSecsSinceEpoch()) + ' ' +
                           QByteArray::number(int(info.permissions()));
        QFile file(path);
        if (info.isFile() && file.open(QIODevice::ReadOnly))
            print += ' ' + QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex();
        out.insert(path, info.exists() ? print : QByteArray());
    }
    return out;
}

void expectUnchanged(const QHash<QString, QByteArray>& before) {
    const QHash<QString, QByteArray> now = fingerprints(before.keys());
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        EXPECT_EQ(now.value(it.key()), it.value()) << it.key().toStdString() << " changed";
}

HangGuard::HangGuard(QString what, int seconds)
    : m_thread([this, what = std::move(what), seconds] {
          std::unique_lock lock(m_mutex);
          if (!m_done.wait_for(lock, std::chrono::seconds(seconds), [this] { return m_finished; })) {
              std::fprintf(stderr, "HANG: no end after %d s with %s\n", seconds, what.toLocal8Bit().constData());
              std::fflush(stderr);
              std::_Exit(3);
          }
      }) {}

HangGuard::~HangGuard() {
    {
        std::lock_guard lock(m_mutex);
        m_finished = true;
    }
    m_done.notify_one();
    m_thread.join();
}

}  // namespace testing_support
