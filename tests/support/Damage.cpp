#include "support/Damage.h"

#include <QDir>
#include <QFile>

#include <csignal>
#include <cstring>

namespace testing_support {

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &m_old);
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = m_old;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &m_old);
    std::signal(SIGXFSZ, m_oldHandler);
}

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& data) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(data);
}

void putLittleEndian32(char* at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<char>((value >> (8 * i)) & 0xff);
}

qsizetype dataChunkHeader(const QByteArray& data) {
    qsizetype pos = 12;
    while (pos + 8 <= data.size()) {
        if (std::memcmp(data.constData() + pos, "data", 4) == 0) return pos;
        std::uint32_t size = 0;
        std::memcpy(&size, data.constData() + pos + 4, 4);
        pos += 8 + size + (size & 1);
    }
    return -1;
}

}  // namespace

int damageMp3Frames(const QString& path, int firstDamaged) {
    static const int kbps[16] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0};
    static const int rates[4] = {44100, 48000, 32000, 0};
    QByteArray data = readAll(path);
    auto* b = reinterpret_cast<unsigned char*>(data.data());
    int frames = 0;
    qsizetype i = 0;
    while (i + 4 <= data.size()) {
        const bool mpeg1Layer3 = b[i] == 0xff && (b[i + 1] & 0xfe) == 0xfa;
        const int bitrate = kbps[b[i + 2] >> 4], rate = rates[(b[i + 2] >> 2) & 3];
        if (!mpeg1Layer3 || bitrate == 0 || rate == 0) {
            ++i;
            continue;
        }
        const qsizetype size = 144 * bitrate * 1000 / rate + ((b[i + 2] >> 1) & 1);
        if (frames >= firstDamaged)
            for (qsizetype k = i + 4; k < i + 4 + 32 && k < data.size(); ++k) b[k] = 0xff;
        ++frames;
        i += size;
    }
    writeAll(path, data);
    return frames;
}

void setWavDataSize(const QString& path, std::uint32_t bytes) {
    QByteArray data = readAll(path);
    const qsizetype at = dataChunkHeader(data);
    if (at < 0) return;
    putLittleEndian32(data.data() + at + 4, bytes);
    writeAll(path, data);
}

void appendWavChunk(const QString& path, const char id[4], const QByteArray& payload) {
    QByteArray data = readAll(path);
    QByteArray chunk(8, '\0');
    std::memcpy(chunk.data(), id, 4);
    putLittleEndian32(chunk.data() + 4, static_cast<std::uint32_t>(payload.size()));
    data += chunk + payload;
    if (payload.size() & 1) data += '\0';
    putLittleEndian32(data.data() + 4, static_cast<std::uint32_t>(data.size() - 8));
    writeAll(path, data);
}

const std::vector<OutputFailure>& outputFailures() {
    static const std::vector<OutputFailure> table{
        {"disk full", [](const QString&, std::unique_ptr<FileSizeLimit>& limit) { limit = std::make_unique<FileSizeLimit>(64 * 1024); }},
        {"folder removed", [](const QString& folder, std::unique_ptr<FileSizeLimit>&) { QDir(folder).removeRecursively(); }},
        {"folder renamed",
         [](const QString& folder, std::unique_ptr<FileSizeLimit>&) { QDir().rename(folder, folder + QStringLiteral(".moved")); }},
        {"folder read-only",
         [](const QString& folder, std::unique_ptr<FileSizeLimit>&) {
             QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
         }},
    };
    return table;
}

bool resetOutputFolder(const QString& folder) {
    QDir(folder + QStringLiteral(".moved")).removeRecursively();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir(folder).removeRecursively();
    return QDir().mkpath(folder);
}

}  // namespace testing_support
