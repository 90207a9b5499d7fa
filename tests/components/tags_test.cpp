// Tag copying between formats, checked with TagLib directly on files made at test time.
#include "components/audio/AudioInfo.h"
#include "components/audio/Decoder.h"

#include <taglib/attachedpictureframe.h>
#include <taglib/fileref.h>
#include <taglib/flacpicture.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tpropertymap.h>
#include <taglib/wavfile.h>
#include <taglib/xiphcomment.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

bool run(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << process.readAllStandardError().toStdString();
        return false;
    }
    return true;
}

// A one-second stereo tone in the format of the extension, without tags.
QString makeAudio(const QTemporaryDir& dir, const QString& base, const QString& ext) {
    const QString wav = dir.filePath(base + QStringLiteral(".src.wav"));
    if (!run(QStringLiteral("sox"), {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("44100"),
                                     QStringLiteral("-c"), QStringLiteral("2"), QStringLiteral("-b"),
                                     QStringLiteral("16"), QStringLiteral("-t"), QStringLiteral("wavpcm"), wav,
                                     QStringLiteral("synth"), QStringLiteral("1"), QStringLiteral("sine"),
                                     QStringLiteral("440"), QStringLiteral("sine"), QStringLiteral("550")}))
        return {};
    const QString out = dir.filePath(base + QLatin1Char('.') + ext);
    bool ok = false;
    if (ext == QLatin1String("wav"))
        ok = QFile::rename(wav, out);
    else if (ext == QLatin1String("mp3"))
        ok = run(QStringLiteral("lame"), {QStringLiteral("--quiet"), wav, out});
    else if (ext == QLatin1String("ogg"))
        ok = run(QStringLiteral("oggenc"), {QStringLiteral("-Q"), wav, QStringLiteral("-o"), out});
    else if (ext == QLatin1String("wma"))
        ok = run(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), wav,
                                            QStringLiteral("-c:a"), QStringLiteral("wmav2"), out});
    return ok ? out : QString();
}

QByteArray imageBytes(const char* format, QColor color) {
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

const QString kTitle = QStringLiteral("Überschrift — 北京 \u266B");

QMap<QString, QStringList> sampleProperties() {
    return {{QStringLiteral("TITLE"), {kTitle}},
            {QStringLiteral("ARTIST"), {QStringLiteral("The Ensemble")}},
            {QStringLiteral("ALBUM"), {QStringLiteral("Collected Pieces")}},
            {QStringLiteral("GENRE"), {QStringLiteral("Chamber")}},
            {QStringLiteral("DATE"), {QStringLiteral("2021")}},
            {QStringLiteral("TRACKNUMBER"), {QStringLiteral("7")}},
            {QStringLiteral("COMMENT"), {QStringLiteral("Recorded live; ünïcödé")}}};
}

QList<AudioInfo::Picture> samplePictures() {
    return {{imageBytes("PNG", Qt::red), QStringLiteral("image/png"), QStringLiteral("Front"), 3},
            {imageBytes("JPEG", Qt::blue), QStringLiteral("image/jpeg"), QStringLiteral("Rückseite"), 4}};
}

QString fromTag(const TagLib::String& s) { return QString::fromUtf8(s.toCString(true)); }

// Properties as TagLib reads them from the file.
QMap<QString, QStringList> taglibProperties(const QString& path) {
    QMap<QString, QStringList> result;
    TagLib::FileRef ref(QFile::encodeName(path).constData());
    if (ref.isNull()) return result;
    const TagLib::PropertyMap map = ref.file()->properties();
    for (auto it = map.begin(); it != map.end(); ++it) {
        QStringList values;
        for (const auto& v : it->second) values.append(fromTag(v));
        result.insert(fromTag(it->first), values);
    }
    return result;
}

// Pictures as TagLib reads them from an MP3, WAV (ID3v2) or Ogg Vorbis file.
QList<AudioInfo::Picture> taglibPictures(const QString& path) {
    QList<AudioInfo::Picture> result;
    TagLib::FileRef ref(QFile::encodeName(path).constData());
    if (ref.isNull()) return result;
    TagLib::ID3v2::Tag* id3 = nullptr;
    if (auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(ref.file())) id3 = mpeg->ID3v2Tag();
    if (auto* wav = dynamic_cast<TagLib::RIFF::WAV::File*>(ref.file())) id3 = wav->ID3v2Tag();
    if (id3) {
        for (auto* frame : id3->frameList("APIC")) {
            auto* apic = dynamic_cast<TagLib::ID3v2::AttachedPictureFrame*>(frame);
            result.append({QByteArray(apic->picture().data(), apic->picture().size()), fromTag(apic->mimeType()),
                           fromTag(apic->description()), static_cast<int>(apic->type())});
        }
    } else if (auto* xiph = dynamic_cast<TagLib::Ogg::XiphComment*>(ref.file()->tag())) {
        for (auto* p : xiph->pictureList())
            result.append({QByteArray(p->data().data(), p->data().size()), fromTag(p->mimeType()),
                           fromTag(p->description()), static_cast<int>(p->type())});
    }
    return result;
}

std::vector<std::int16_t> decodeAll(const QString& path) {
    Decoder decoder;
    decoder.open(path);
    std::vector<std::int16_t> all;
    std::vector<std::int16_t> buffer(4096 * 2);
    while (std::size_t got = decoder.read(buffer.data(), 4096))
        all.insert(all.end(), buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(got) * decoder.channels());
    return all;
}

// ASF does not keep the order of its pictures (TagLib stores them in two header objects), so
// pictures are matched regardless of order.
void expectSamePictures(const QList<AudioInfo::Picture>& actual, const QList<AudioInfo::Picture>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (const AudioInfo::Picture& want : expected) {
        const bool found = std::any_of(actual.begin(), actual.end(), [&](const AudioInfo::Picture& got) {
            return got.data == want.data && got.mimeType == want.mimeType && got.description == want.description &&
                   got.type == want.type;
        });
        EXPECT_TRUE(found) << "missing picture " << want.description.toStdString();
    }
}

struct CopyCase {
    const char* from;
    const char* to;
};

class TagsCopy : public ::testing::TestWithParam<CopyCase> {};

TEST_P(TagsCopy, PropertiesAndPicturesReachTheTargetAndItsAudioStays) {
    const CopyCase c = GetParam();
    QTemporaryDir dir;
    const QString source = makeAudio(dir, QStringLiteral("source"), QString::fromLatin1(c.from));
    const QString target = makeAudio(dir, QStringLiteral("target"), QString::fromLatin1(c.to));
    ASSERT_FALSE(source.isEmpty());
    ASSERT_FALSE(target.isEmpty());

    const QMap<QString, QStringList> expected = sampleProperties();
    AudioInfo writer;
    writer.setProperties(expected);
    writer.setPictures(samplePictures());
    writer.WriteTags(source);

    AudioInfo info;
    info.ReadTags(source);
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        EXPECT_EQ(info.properties().value(it.key()), it.value()) << it.key().toStdString();
    expectSamePictures(info.pictures(), samplePictures());

    const std::vector<std::int16_t> before = decodeAll(target);
    info.WriteTags(target);
    EXPECT_EQ(decodeAll(target), before) << "writing tags changed the audio";

    const QMap<QString, QStringList> written = taglibProperties(target);
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        EXPECT_EQ(written.value(it.key()), it.value()) << it.key().toStdString();
    expectSamePictures(taglibPictures(target), samplePictures());
}

INSTANTIATE_TEST_SUITE_P(Formats, TagsCopy,
                         ::testing::Values(CopyCase{"mp3", "ogg"}, CopyCase{"ogg", "mp3"}, CopyCase{"wma", "mp3"},
                                           CopyCase{"mp3", "wav"}),
                         [](const ::testing::TestParamInfo<CopyCase>& param) {
                             return std::string(param.param.from) + "_to_" + param.param.to;
                         });

TEST(TagsRead, AFileWithoutTagsReadsEmptyAndReplacesWhatWasRead) {
    QTemporaryDir dir;
    const QString tagged = makeAudio(dir, QStringLiteral("tagged"), QStringLiteral("ogg"));
    const QString plain = makeAudio(dir, QStringLiteral("plain"), QStringLiteral("wav"));
    AudioInfo writer;
    writer.setProperties(sampleProperties());
    writer.setPictures(samplePictures());
    writer.WriteTags(tagged);

    AudioInfo info;
    info.ReadTags(tagged);
    EXPECT_FALSE(info.properties().isEmpty());
    info.ReadTags(plain);
    EXPECT_TRUE(info.properties().isEmpty());
    EXPECT_TRUE(info.pictures().isEmpty());
}

TEST(TagsWrite, WritingReplacesTheTargetsTagsAndPictures) {
    QTemporaryDir dir;
    const QString path = makeAudio(dir, QStringLiteral("song"), QStringLiteral("mp3"));
    AudioInfo first;
    first.setProperties(sampleProperties());
    first.setPictures(samplePictures());
    first.WriteTags(path);

    AudioInfo second;
    second.setProperties({{QStringLiteral("TITLE"), {QStringLiteral("Other")}}});
    second.setPictures({samplePictures().first()});
    second.WriteTags(path);

    const auto props = taglibProperties(path);
    EXPECT_EQ(props.value(QStringLiteral("TITLE")), QStringList{QStringLiteral("Other")});
    EXPECT_FALSE(props.contains(QStringLiteral("ARTIST")));
    expectSamePictures(taglibPictures(path), {samplePictures().first()});
}

// ID3v2 keeps totals in its number frames; Vorbis comments keep fields of their own.
TEST(TagsWrite, TotalsGoIntoTheNumberFramesOfId3AndStayApartElsewhere) {
    QTemporaryDir dir;
    // "KEY=value;KEY=value" as properties.
    const auto props = [](const char* text) {
        QMap<QString, QStringList> out;
        for (const QString& pair : QString::fromUtf8(text).split(QLatin1Char(';'), Qt::SkipEmptyParts))
            out.insert(pair.section(QLatin1Char('='), 0, 0), {pair.section(QLatin1Char('='), 1)});
        return out;
    };
    const struct {
        const char* ext;
        const char* written;
        const char* read;  // what TagLib reads back of the numbers and totals
    } cases[] = {
        {"mp3", "TRACKNUMBER=2;TRACKTOTAL=9;DISCNUMBER=1;DISCTOTAL=2", "TRACKNUMBER=2/9;DISCNUMBER=1/2"},
        {"mp3", "TRACKNUMBER=2/7;TRACKTOTAL=9", "TRACKNUMBER=2/7"},  // a total already there stays
        {"mp3", "TRACKTOTAL=9", ""},                                   // no number to hold it
        {"wav", "TRACKNUMBER=3;TRACKTOTAL=4", "TRACKNUMBER=3/4"},
        {"ogg", "TRACKNUMBER=2;TRACKTOTAL=9;DISCNUMBER=1;DISCTOTAL=2", "TRACKNUMBER=2;TRACKTOTAL=9;DISCNUMBER=1;DISCTOTAL=2"},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.written);
        const QString path = makeAudio(dir, QStringLiteral("case%1").arg(++n), QString::fromLatin1(c.ext));
        AudioInfo info;
        info.setProperties(props(c.written));
        info.WriteTags(path);
        QMap<QString, QStringList> numbers = taglibProperties(path);
        for (auto it = numbers.begin(); it != numbers.end();)
            it = it.key().contains(QStringLiteral("NUMBER")) || it.key().contains(QStringLiteral("TOTAL")) ? std::next(it) : numbers.erase(it);
        EXPECT_EQ(numbers, props(c.read)) << c.ext;
    }
}

TEST(TagsErrors, FilesTagLibCannotHandleThrowNamingTheFile) {
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("readme.txt"));
    {
        QFile file(text);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("plain words, no audio\n");
    }
    const QString missing = dir.filePath(QStringLiteral("gone.mp3"));
    AudioInfo info;
    info.setProperties(sampleProperties());
    for (const QString& path : {text, missing, dir.path()}) {
        SCOPED_TRACE(path.toStdString());
        try {
            info.ReadTags(path);
            ADD_FAILURE() << "read tags of a file that has none to read";
        } catch (const ComponentError& error) {
            EXPECT_TRUE(error.description().contains(path)) << error.description().toStdString();
        }
        try {
            info.WriteTags(path);
            ADD_FAILURE() << "wrote tags into a file that cannot hold them";
        } catch (const ComponentError& error) {
            EXPECT_TRUE(error.description().contains(path)) << error.description().toStdString();
        }
    }
    // A failed read keeps what was there.
    EXPECT_EQ(info.properties(), sampleProperties());
}

}  // namespace
