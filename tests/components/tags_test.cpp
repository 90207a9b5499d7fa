// Tag copying between formats, checked with TagLib directly on files made at test time, and
// copies in the target's conventions checked with ffprobe and metaflac on files the Debian tools
// made.
#include "components/audio/tags/AudioInfo.h"
#include "components/audio/codecs/Decoder.h"
#include "components/audio/tags/TagConventions.h"
#include "support/LoudnessTools.h"
#include "support/TagTools.h"

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

using namespace testing_support;

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

// The conventions as a table: source properties of one kind, what a target of another kind gets.
TEST(TagConventions, CarryEachValueInTheTargetsOwnForm) {
    using tag_conventions::TagKind;
    constexpr TagKind Id3 = TagKind::Id3, Vorbis = TagKind::Vorbis, Opus = TagKind::Opus, Asf = TagKind::Asf,
                      Other = TagKind::Other;
    const struct {
        TagKind from, to;
        int headerGain;  // the target's, Q7.8
        const char* source;
        const char* expected;
    } cases[] = {
        // Track and disc numbers.
        {Id3, Vorbis, 0, "TRACKNUMBER=3/10|DISCNUMBER=1/2", "TRACKNUMBER=3|TRACKTOTAL=10|DISCNUMBER=1|DISCTOTAL=2"},
        {Id3, Opus, 0, "TRACKNUMBER= 3 / 10", "TRACKNUMBER=3|TRACKTOTAL=10"},
        {Vorbis, Id3, 0, "TRACKNUMBER=3|TRACKTOTAL=10|DISCNUMBER=1|DISCTOTAL=2", "TRACKNUMBER=3/10|DISCNUMBER=1/2"},
        {Vorbis, Id3, 0, "TRACKNUMBER=3|TOTALTRACKS=10|DISCNUMBER=2|TOTALDISCS=3", "TRACKNUMBER=3/10|DISCNUMBER=2/3"},
        {Vorbis, Vorbis, 0, "TRACKNUMBER=3/10", "TRACKNUMBER=3|TRACKTOTAL=10"},
        {Vorbis, Vorbis, 0, "TRACKNUMBER=3/10|TRACKTOTAL=12", "TRACKNUMBER=3|TRACKTOTAL=12"},
        {Id3, Id3, 0, "TRACKNUMBER=3/10|DISCNUMBER=1", "TRACKNUMBER=3/10|DISCNUMBER=1"},
        {Vorbis, Id3, 0, "TRACKTOTAL=10", "TRACKTOTAL=10"},
        {Id3, Asf, 0, "TRACKNUMBER=3/10|DISCNUMBER=1/2", "TRACKNUMBER=3|DISCNUMBER=1/2"},
        {Vorbis, Asf, 0, "TRACKNUMBER=3|TRACKTOTAL=10|DISCNUMBER=1|DISCTOTAL=2", "TRACKNUMBER=3|DISCNUMBER=1/2"},
        {Id3, Vorbis, 0, "TRACKNUMBER=A2", "TRACKNUMBER=A2"},
        {Other, Other, 0, "TRACKNUMBER=3/10|TRACKTOTAL=10", "TRACKNUMBER=3/10|TRACKTOTAL=10"},
        // Facts of the source file.
        {Opus, Id3, 0, "TITLE=T|ENCODER=opusenc from opus-tools 0.2|ENCODER_OPTIONS=--bitrate 64", "TITLE=T"},
        {Id3, Vorbis, 0, "ENCODING=LAME 64bits version 3.100|LENGTH=6000|ENCODEDBY=Someone|ARTIST=A", "ARTIST=A"},
        {Vorbis, Id3, 0, "WAVEFORMATEXTENSIBLE_CHANNEL_MASK=0x003F|ITUNSMPB= 00000000|MP3GAIN_MINMAX=1,2", ""},
        {Other, Other, 0, "encoder=Lavf59|Title=T|COMMENT=a|COMMENT=b", "Title=T|COMMENT=a|COMMENT=b"},
        // Loudness: ReplayGain 2.0 at -18 LUFS, R128 in Q7.8 at -23 LUFS over the header's gain.
        {Opus, Vorbis, 0, "R128_TRACK_GAIN=-1280|R128_ALBUM_GAIN=256", "REPLAYGAIN_TRACK_GAIN=0.00 dB|REPLAYGAIN_ALBUM_GAIN=6.00 dB"},
        {Opus, Id3, 0, "R128_TRACK_GAIN=-2000", "REPLAYGAIN_TRACK_GAIN=-2.81 dB"},
        {Id3, Opus, 0, "REPLAYGAIN_TRACK_GAIN=-6.52 dB|REPLAYGAIN_TRACK_PEAK=0.988547|REPLAYGAIN_ALBUM_GAIN=+1.5 dB",
         "R128_TRACK_GAIN=-2949|R128_ALBUM_GAIN=-896"},
        {Vorbis, Opus, 512, "REPLAYGAIN_TRACK_GAIN=-6.52 dB", "R128_TRACK_GAIN=-3461"},
        {Opus, Opus, 256, "R128_TRACK_GAIN=-300|R128_ALBUM_GAIN=0", "R128_TRACK_GAIN=-556|R128_ALBUM_GAIN=-256"},
        {Vorbis, Opus, 0, "REPLAYGAIN_TRACK_GAIN=200 dB", "R128_TRACK_GAIN=32767"},
        {Id3, Opus, 0, "REPLAYGAIN_TRACK_PEAK=0.9", ""},
        {Id3, Id3, 0, "REPLAYGAIN_TRACK_GAIN=-6.52 dB|REPLAYGAIN_TRACK_PEAK=0.5|REPLAYGAIN_REFERENCE_LOUDNESS=89.0 dB",
         "REPLAYGAIN_TRACK_GAIN=-6.52 dB|REPLAYGAIN_TRACK_PEAK=0.500000"},
        {Vorbis, Asf, 0, "replaygain_album_gain=-1dB|replaygain_album_peak=1", "REPLAYGAIN_ALBUM_GAIN=-1.00 dB|REPLAYGAIN_ALBUM_PEAK=1.000000"},
        {Opus, Vorbis, 0, "REPLAYGAIN_TRACK_GAIN=-3.00 dB|REPLAYGAIN_TRACK_PEAK=0.7", ""},  // not Opus' convention
        {Vorbis, Id3, 0, "R128_TRACK_GAIN=-1280", ""},                                       // not Vorbis'
        {Vorbis, Id3, 0, "REPLAYGAIN_TRACK_GAIN=loud|REPLAYGAIN_TRACK_PEAK=-1|REPLAYGAIN_ALBUM_PEAK=x", ""},
        {Opus, Id3, 0, "R128_TRACK_GAIN=40000|R128_ALBUM_GAIN=-1.5", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tagLine(tag_conventions::carried(tagMap(QLatin1String(c.source)), c.from, c.to, c.headerGain)),
                  tagLine(tagMap(QLatin1String(c.expected))))
            << c.source << " (" << int(c.from) << " to " << int(c.to) << ")";
}

// Files the Debian tools made and tagged, copied into untagged files they made, read back by
// ffprobe (or metaflac, whose export is compared whole).
TEST(TagsCopyConventions, AreThoseOtherReadersSeeInTheTarget) {
    const QString lame = QStringLiteral(
        "lame --quiet --tt T --tn 3/10 --tv TPOS=1/2 --tv \"TXXX=REPLAYGAIN_TRACK_GAIN=-4.00 dB\" {in} {out}");
    const QString opusenc = QStringLiteral(
        "opusenc --quiet --bitrate 64 --title T --comment TRACKNUMBER=3 --comment TRACKTOTAL=10 "
        "--comment R128_TRACK_GAIN=-1280 {in} {out}");
    const QString flac6 = QStringLiteral(
        "flac -s -T TITLE=T -T \"REPLAYGAIN_TRACK_GAIN=-3.00 dB\" -T REPLAYGAIN_TRACK_PEAK=0.5 {in} -o {out}");
    const QString oggenc = QStringLiteral("oggenc -Q -t T -N 3 -c TRACKTOTAL=10 -c DISCNUMBER=1 -c DISCTOTAL=2 {in} -o {out}");
    const QString wma = QStringLiteral("ffmpeg -v error -i {in} -c:a wmav2 -metadata title=T -metadata track=3/10 {out}");
    const struct {
        const QString& source;
        const char* sourceName;
        const char* target;
        int targetHeaderGain;  // Q7.8, set in an Opus target's header
        const char* expected;  // metaflac's whole export for FLAC; what ffprobe shows among others
        const char* absent;
    } cases[] = {
        {lame, "a.mp3", "flac", 0, "TITLE=T|TRACKNUMBER=3|TRACKTOTAL=10|DISCNUMBER=1|DISCTOTAL=2|REPLAYGAIN_TRACK_GAIN=-4.00 dB", ""},
        {lame, "a.mp3", "ogg", 0, "TITLE=T|TRACK=3|TRACKTOTAL=10|DISC=1|DISCTOTAL=2|REPLAYGAIN_TRACK_GAIN=-4.00 dB", "ENCODER|LENGTH|TLEN"},
        {lame, "a.mp3", "opus", 0, "TRACK=3|TRACKTOTAL=10|R128_TRACK_GAIN=-2304", "REPLAYGAIN_TRACK_GAIN|LENGTH|TLEN"},
        {lame, "a.mp3", "opus", 256, "R128_TRACK_GAIN=-2560", "REPLAYGAIN_TRACK_GAIN"},
        {opusenc, "b.opus", "mp3", 0, "TITLE=T|TRACK=3/10|REPLAYGAIN_TRACK_GAIN=0.00 dB", "ENCODER|ENCODER_OPTIONS|R128_TRACK_GAIN|TRACKTOTAL"},
        {opusenc, "b.opus", "flac", 0, "TITLE=T|TRACKNUMBER=3|TRACKTOTAL=10|REPLAYGAIN_TRACK_GAIN=0.00 dB", ""},
        {opusenc, "b.opus", "wav", 0, "TITLE=T|TRACK=3/10|REPLAYGAIN_TRACK_GAIN=0.00 dB", "ENCODER|TRACKTOTAL|R128_TRACK_GAIN"},
        {opusenc, "b.opus", "opus", 0, "TRACK=3|TRACKTOTAL=10|R128_TRACK_GAIN=-1280", "REPLAYGAIN_TRACK_GAIN|ENCODER_OPTIONS"},
        {flac6, "c.flac", "ogg", 0, "REPLAYGAIN_TRACK_GAIN=-3.00 dB|REPLAYGAIN_TRACK_PEAK=0.500000", "WAVEFORMATEXTENSIBLE_CHANNEL_MASK"},
        {flac6, "c.flac", "opus", 0, "R128_TRACK_GAIN=-2048", "REPLAYGAIN_TRACK_GAIN|REPLAYGAIN_TRACK_PEAK|WAVEFORMATEXTENSIBLE_CHANNEL_MASK"},
        {oggenc, "d.ogg", "mp3", 0, "TITLE=T|TRACK=3/10|DISC=1/2", "TRACKTOTAL|DISCTOTAL"},
        {wma, "e.wma", "flac", 0, "TITLE=T|TRACKNUMBER=3|TRACKTOTAL=10", ""},
        {lame, "a.mp3", "wma", 0, "TITLE=T|TRACK=3|DISC=1/2", "LENGTH|TLEN|TRACKTOTAL"},
    };
    const QMap<QString, QString> targets{
        {QStringLiteral("mp3"), QStringLiteral("lame --quiet {in} {out}")},
        {QStringLiteral("ogg"), QStringLiteral("oggenc -Q {in} -o {out}")},
        {QStringLiteral("opus"), QStringLiteral("opusenc --quiet {in} {out}")},
        {QStringLiteral("flac"), QStringLiteral("flac -s {in} -o {out}")},
        {QStringLiteral("wav"), QStringLiteral("sox {in} {out}")},
        {QStringLiteral("wma"), QStringLiteral("ffmpeg -v error -i {in} -c:a wmav2 {out}")}};
    QTemporaryDir dir;
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.sourceName) + " to " + c.target + " at " + std::to_string(c.targetHeaderGain));
        const QString name = QString::number(++n) + QLatin1String(c.sourceName);
        const bool sixChannels = c.source == flac6;
        const QString source = makeWithTool(c.source, dir.filePath(name), sixChannels ? 6 : 2);
        // The source's own header gain is in its decoded audio, and so plays no part in the copy.
        if (c.source == opusenc) {
            ASSERT_TRUE(setOpusHeaderGain(source, 512));
        }
        const QString ext = QLatin1String(c.target);
        const QString target = makeWithTool(targets.value(ext), dir.filePath(name + QStringLiteral(".target.") + ext));
        ASSERT_FALSE(source.isEmpty() || target.isEmpty());
        if (c.targetHeaderGain) {
            ASSERT_TRUE(setOpusHeaderGain(target, c.targetHeaderGain));
        }

        AudioInfo info;
        info.ReadTags(source);
        info.WriteTags(target);

        const QMap<QString, QStringList> expected = tagMap(QLatin1String(c.expected));
        if (ext == QLatin1String("flac")) {
            EXPECT_EQ(tagLine(metaflacTags(target)), tagLine(expected));
            continue;
        }
        const QMap<QString, QStringList> seen = ext == QLatin1String("wav") ? ffprobeWavId3Tags(target) : ffprobeTags(target);
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            EXPECT_EQ(seen.value(it.key()).join(QLatin1Char(',')), it.value().join(QLatin1Char(',')))
                << it.key().toStdString() << " in " << tagLine(seen).toStdString();
        for (const QString& absent : QString::fromLatin1(c.absent).split(QLatin1Char('|'), Qt::SkipEmptyParts))
            EXPECT_FALSE(seen.contains(absent)) << absent.toStdString() << " in " << tagLine(seen).toStdString();
    }
}

// Properties given rather than read (the disc information of CD tracks) are written as given.
TEST(TagsWrite, GivenPropertiesAreWrittenAsTheyAre) {
    QTemporaryDir dir;
    const QString path = makeWithTool(QStringLiteral("flac -s {in} -o {out}"), dir.filePath(QStringLiteral("cd.flac")));
    ASSERT_FALSE(path.isEmpty());
    AudioInfo info;
    info.ReadTags(path);  // what was read is replaced, and so is its kind
    info.setProperties(tagMap(QStringLiteral("TRACKNUMBER=3/10|ENCODER=Velloria|REPLAYGAIN_TRACK_GAIN=-1 dB")));
    info.WriteTags(path);
    EXPECT_EQ(tagLine(metaflacTags(path)), QStringLiteral("ENCODER=Velloria|REPLAYGAIN_TRACK_GAIN=-1 dB|TRACKNUMBER=3/10"));
}

}  // namespace
