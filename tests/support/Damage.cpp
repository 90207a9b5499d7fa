#include "support/Damage.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>

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

namespace {

QString runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return program + QStringLiteral(" failed: ") + QString::fromLocal8Bit(process.readAllStandardError());
    return {};
}

// Runs a reference encoder that writes `path`, then keeps `keep` (a fraction) of its bytes.
QString encodedAndCut(const QString& program, const QStringList& arguments, const QString& path, double keep) {
    if (QString error = runTool(program, arguments); !error.isEmpty()) return error;
    const QByteArray bytes = readAll(path);
    if (bytes.isEmpty()) return QStringLiteral("nothing was encoded into ") + path;
    writeAll(path, bytes.left(static_cast<qsizetype>(static_cast<double>(bytes.size()) * keep)));
    return {};
}

QString flac(const QString& wav, const QString& path, double keep) {
    return encodedAndCut(QStringLiteral("flac"), {QStringLiteral("-s"), QStringLiteral("-f"), QStringLiteral("-o"), path, wav},
                         path, keep);
}

}  // namespace

const std::vector<DamagedSource>& damagedSources() {
    static const std::vector<DamagedSource> table{
        {"cut-flac.flac", "decoding stopped at", [](const QString& wav, const QString& path) { return flac(wav, path, 0.2); }},
        {"cut-wav.wav", "decoding stopped at",
         [](const QString& wav, const QString& path) {
             const QByteArray bytes = readAll(wav);
             writeAll(path, bytes.left(bytes.size() / 2));
             return QString();
         }},
        {"cut-mp3.mp3", "decoding stopped at",
         [](const QString& wav, const QString& path) {
             // VBR: LAME's Xing header states the frames.
             return encodedAndCut(QStringLiteral("lame"), {QStringLiteral("--quiet"), QStringLiteral("-V"), QStringLiteral("2"), wav, path},
                                  path, 0.4);
         }},
        {"cut-ogg.ogg", "decoding stopped at",
         [](const QString& wav, const QString& path) {
             return encodedAndCut(QStringLiteral("oggenc"), {QStringLiteral("-Q"), QStringLiteral("-o"), path, wav}, path, 0.5);
         }},
        {"garbage.flac", "damaged data at",
         [](const QString& wav, const QString& path) {
             if (QString error = flac(wav, path, 1.0); !error.isEmpty()) return error;
             QByteArray bytes = readAll(path);
             QByteArray garbage(4096, Qt::Uninitialized);
             for (char& b : garbage) b = static_cast<char>(QRandomGenerator::global()->bounded(256));
             bytes.replace(bytes.size() / 2, garbage.size(), garbage);
             writeAll(path, bytes);
             return QString();
         }},
    };
    return table;
}

QByteArray fileMd5(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QCryptographicHash hash(QCryptographicHash::Md5);
    hash.addData(&file);
    return hash.result().toHex();
}

bool resetOutputFolder(const QString& folder) {
    QDir(folder + QStringLiteral(".moved")).removeRecursively();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir(folder).removeRecursively();
    return QDir().mkpath(folder);
}

}  // namespace testing_support
