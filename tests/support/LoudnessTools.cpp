#include "support/LoudnessTools.h"

#include "support/Signals.h"
#include "support/TagTools.h"

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

}  // namespace

std::vector<ScannerRow> scanWithLoudgain(const QStringList& files) {
    QByteArray output;
    runTool(QStringLiteral("loudgain"), QStringList{QStringLiteral("-a"), QStringLiteral("-O"), QStringLiteral("-q")} + files,
            &output);
    const QString table = QString::fromUtf8(output);
    // Columns: File, Loudness, Range, True_Peak, True_Peak_dBTP, Reference, Will_clip, Clip_prevent, Gain, …
    std::vector<ScannerRow> rows;
    for (const QString& line : table.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(1)) {
        const QStringList cells = line.split(QLatin1Char('\t'));
        bool peakOk = false, gainOk = false;
        if (cells.size() > 8)
            rows.push_back({cells[0], cells[3].toDouble(&peakOk), cells[8].section(QLatin1Char(' '), 0, 0).toDouble(&gainOk)});
        if (!peakOk || !gainOk) break;
    }
    if (rows.size() == static_cast<std::size_t>(files.size()) + 1) return rows;
    ADD_FAILURE() << "loudgain's table cannot be read:\n" << table.toStdString();
    return {};
}

QMap<QString, QStringList> readTagsForTest(const QString& path) {
    QMap<QString, QStringList> tags;
    TagLib::FileRef ref(QFile::encodeName(path).constData(), false);
    if (ref.isNull()) return tags;
    const TagLib::PropertyMap map = ref.file()->properties();
    for (auto it = map.begin(); it != map.end(); ++it)
        for (const TagLib::String& value : it->second) tags[fromTag(it->first).toUpper()].append(fromTag(value));
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
    QByteArray md5;
    runTool(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), path,
                                       QStringLiteral("-map"), QStringLiteral("0:a"), QStringLiteral("-f"),
                                       QStringLiteral("md5"), QStringLiteral("-")},
            &md5);
    return QString::fromUtf8(md5);
}

QString makeTaggableFile(const QString& out, const SampleBlock& samples, int rate, int channels) {
    const bool flac = out.endsWith(QLatin1String(".flac"));
    if (!flac && !out.endsWith(QLatin1String(".opus"))) return writeAudioFile(out, samples, rate, channels);
    const QString wav = out + QStringLiteral(".wav");
    if (QString error = writeAudioFile(wav, samples, rate, channels); !error.isEmpty()) return error;
    const bool made = runTool(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"),
                                                         wav, QStringLiteral("-c:a"),
                                                         flac ? QStringLiteral("flac") : QStringLiteral("libopus"), out});
    QFile::remove(wav);
    return made ? QString() : QStringLiteral("ffmpeg could not make ") + out;
}

bool setOpusHeaderGain(const QString& path, int gain) {
    TagLib::Ogg::Opus::File file(QFile::encodeName(path).constData(), false);
    TagLib::ByteVector head = file.isValid() ? file.packet(0) : TagLib::ByteVector();
    if (head.size() < 18) return false;
    const TagLib::ByteVector value = TagLib::ByteVector::fromShort(static_cast<short>(gain), false);
    head[16] = value[0];
    head[17] = value[1];
    file.setPacket(0, head);
    return file.save();
}

}  // namespace testing_support
