#include "support/LoudnessTools.h"

#include "support/Signals.h"

#include <taglib/asffile.h>
#include <taglib/asftag.h>
#include <taglib/fileref.h>
#include <taglib/opusfile.h>
#include <taglib/tpropertymap.h>

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace testing_support {

namespace {

QString fromTag(const TagLib::String& text) { return QString::fromUtf8(text.toCString(true)); }

// Runs a tool to its end; its output, or an empty text and a test failure.
QByteArray runTool(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    // The limit only guards against a hang.
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    return process.readAllStandardOutput();
}

// "-6.68 LUFS" or "-11.32 dB" or "0.501642" as a number.
double leadingNumber(const QString& cell, bool* ok) { return cell.section(QLatin1Char(' '), 0, 0).toDouble(ok); }

}  // namespace

std::vector<ScannerRow> scanWithLoudgain(const QStringList& files) {
    const QString table = QString::fromUtf8(
        runTool(QStringLiteral("loudgain"), QStringList{QStringLiteral("-a"), QStringLiteral("-O"), QStringLiteral("-q")} + files));
    std::vector<ScannerRow> rows;
    const QStringList lines = table.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // Columns: File, Loudness, Range, True_Peak, True_Peak_dBTP, Reference, Will_clip, Clip_prevent, Gain, …
    for (const QString& line : lines.mid(1)) {
        const QStringList cells = line.split(QLatin1Char('\t'));
        bool okL = false, okP = false, okG = false;
        if (cells.size() < 9) break;
        ScannerRow row{cells[0], leadingNumber(cells[1], &okL), leadingNumber(cells[3], &okP),
                       leadingNumber(cells[8], &okG)};
        if (!okL || !okP || !okG) break;
        rows.push_back(row);
    }
    if (rows.size() != static_cast<std::size_t>(files.size()) + 1) {
        ADD_FAILURE() << "loudgain's table cannot be read:\n" << table.toStdString();
        return {};
    }
    return rows;
}

QMap<QString, QStringList> readTagsForTest(const QString& path) {
    QMap<QString, QStringList> tags;
    TagLib::FileRef ref(QFile::encodeName(path).constData(), false);
    if (ref.isNull()) return tags;
    const TagLib::PropertyMap map = ref.file()->properties();
    for (auto it = map.begin(); it != map.end(); ++it)
        for (const TagLib::String& value : it->second) tags[fromTag(it->first).toUpper()].append(fromTag(value));
    // ASF attributes the property map does not name are read by their own names.
    if (auto* asf = dynamic_cast<TagLib::ASF::File*>(ref.file())) {
        const TagLib::ASF::AttributeListMap& attributes = asf->tag()->attributeListMap();
        for (auto it = attributes.begin(); it != attributes.end(); ++it)
            if (!map.contains(it->first.upper()) && !fromTag(it->first).startsWith(QLatin1String("WM/")))
                for (const TagLib::ASF::Attribute& attribute : it->second)
                    tags[fromTag(it->first).toUpper()].append(fromTag(attribute.toString()));
    }
    return tags;
}

QString decodedAudioMd5(const QString& path) {
    return QString::fromUtf8(runTool(QStringLiteral("ffmpeg"),
                                     {QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"),
                                      QStringLiteral("-i"), path, QStringLiteral("-map"), QStringLiteral("0:a"),
                                      QStringLiteral("-f"), QStringLiteral("md5"), QStringLiteral("-")}))
        .trimmed();
}

QString makeTaggableFile(const QString& out, const SampleBlock& samples, int rate, int channels) {
    const bool flac = out.endsWith(QLatin1String(".flac"));
    if (!flac && !out.endsWith(QLatin1String(".opus"))) return writeAudioFile(out, samples, rate, channels);
    const QString wav = out + QStringLiteral(".wav");
    if (QString error = writeAudioFile(wav, samples, rate, channels); !error.isEmpty()) return error;
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), {QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"),
                                            QStringLiteral("-y"), QStringLiteral("-i"), wav, QStringLiteral("-c:a"),
                                            flac ? QStringLiteral("flac") : QStringLiteral("libopus"), out});
    const bool ok = ffmpeg.waitForFinished(120000) && ffmpeg.exitCode() == 0;
    QFile::remove(wav);
    return ok ? QString() : QStringLiteral("ffmpeg could not make %1: %2").arg(out, QString::fromLocal8Bit(ffmpeg.readAllStandardError()));
}

bool setOpusHeaderGain(const QString& path, int gain) {
    TagLib::Ogg::Opus::File file(QFile::encodeName(path).constData(), false);
    if (!file.isValid()) return false;
    TagLib::ByteVector head = file.packet(0);
    if (head.size() < 18) return false;
    const TagLib::ByteVector value = TagLib::ByteVector::fromShort(static_cast<short>(gain), false);
    head[16] = value[0];
    head[17] = value[1];
    file.setPacket(0, head);
    return file.save();
}

}  // namespace testing_support
