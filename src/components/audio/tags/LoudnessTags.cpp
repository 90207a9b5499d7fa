// Loudness tags with TagLib, each format in the place its players read them from.
#include "components/audio/tags/LoudnessTags.h"

#include <taglib/asffile.h>
#include <taglib/asftag.h>
#include <taglib/fileref.h>
#include <taglib/flacfile.h>
#include <taglib/id3v2header.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/opusfile.h>
#include <taglib/textidentificationframe.h>
#include <taglib/wavfile.h>
#include <taglib/xiphcomment.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <vector>

namespace {

// A tag and its new text; an empty text removes the tag.
struct Value {
    QString name;
    QString text;
};

QString quoted(const QString& path) { return QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(path)); }
QString fromTag(const TagLib::String& text) { return QString::fromUtf8(text.toCString(true)); }
TagLib::String toTag(const QString& text) { return TagLib::String(text.toUtf8().toStdString(), TagLib::String::UTF8); }

// No loudness: the scope's values are removed.
std::vector<Value> replayGainValues(const QString& scope, const Loudness* loudness) {
    return {{QStringLiteral("REPLAYGAIN_%1_GAIN").arg(scope), loudness ? loudness_tags::replayGain(*loudness) : QString()},
            {QStringLiteral("REPLAYGAIN_%1_PEAK").arg(scope), loudness ? loudness_tags::replayPeak(*loudness) : QString()}};
}

void setId3(TagLib::ID3v2::Tag* tag, const std::vector<Value>& values) {
    for (const Value& value : values) {
        const TagLib::ID3v2::FrameList frames = tag->frameList("TXXX");  // a copy: frames are removed below
        for (TagLib::ID3v2::Frame* frame : frames) {
            auto* text = dynamic_cast<TagLib::ID3v2::UserTextIdentificationFrame*>(frame);
            if (text && fromTag(text->description()).compare(value.name, Qt::CaseInsensitive) == 0)
                tag->removeFrame(text);  // deletes it
        }
        if (!value.text.isEmpty())
            tag->addFrame(new TagLib::ID3v2::UserTextIdentificationFrame(
                toTag(value.name), TagLib::StringList(toTag(value.text)), TagLib::String::Latin1));
    }
}

// Saving keeps the ID3v2 version the file has, so that players that read only 2.3 still can.
TagLib::ID3v2::Version versionOf(TagLib::ID3v2::Tag* tag) {
    return tag->header()->majorVersion() == 3 ? TagLib::ID3v2::v3 : TagLib::ID3v2::v4;
}

// Vorbis comment names are case-insensitive; TagLib keeps them in upper case.
void setXiph(TagLib::Ogg::XiphComment* comment, const std::vector<Value>& values) {
    for (const Value& value : values) {
        comment->removeFields(toTag(value.name.toUpper()));
        if (!value.text.isEmpty()) comment->addField(toTag(value.name), toTag(value.text), true);
    }
}

void setAsf(TagLib::ASF::Tag* tag, const std::vector<Value>& values) {
    for (const Value& value : values) {
        QStringList present;
        const TagLib::ASF::AttributeListMap& map = tag->attributeListMap();
        for (auto it = map.begin(); it != map.end(); ++it)
            if (fromTag(it->first).compare(value.name, Qt::CaseInsensitive) == 0) present.append(fromTag(it->first));
        for (const QString& name : present) tag->removeItem(toTag(name));
        if (!value.text.isEmpty()) tag->setAttribute(toTag(value.name), TagLib::ASF::Attribute(toTag(value.text)));
    }
}

void setOpus(TagLib::Ogg::Opus::File* file, const QString& scope, const Loudness* loudness) {
    TagLib::Ogg::XiphComment* comment = file->tag();
    QStringList replayGain;
    const TagLib::Ogg::FieldListMap& fields = comment->fieldListMap();
    for (auto it = fields.begin(); it != fields.end(); ++it)
        if (fromTag(it->first).startsWith(QLatin1String("REPLAYGAIN_"), Qt::CaseInsensitive))
            replayGain.append(fromTag(it->first));
    for (const QString& name : replayGain) comment->removeFields(toTag(name));
    const QString gain = loudness && loudness->hasGain()
                             ? QString::number(loudness_tags::r128Gain(*loudness, loudness_tags::opusHeaderGain(*file)))
                             : QString();
    setXiph(comment, {{QStringLiteral("R128_%1_GAIN").arg(scope), gain}});
}

void write(const QString& path, const QString& scope, const Loudness* loudness) {
    const QFileInfo info(path);
    if (!info.isFile())
        throw ComponentError(QCoreApplication::translate("LoudnessTags", "Loudness tags cannot be written: %1 does not exist.").arg(quoted(path)));
    const QByteArray name = QFile::encodeName(path);
    // Audio properties are read too: TagLib takes any file named .mp3 for one, and a tag
    // belongs only in a file that has sound.
    TagLib::FileRef ref(name.constData(), true, TagLib::AudioProperties::Fast);
    TagLib::File* file = ref.file();
    if (ref.isNull() || !file || !file->isValid() || !file->audioProperties() || file->audioProperties()->sampleRate() <= 0)
        throw ComponentError(
            QCoreApplication::translate("LoudnessTags", "Loudness tags cannot be written into %1: it is not an audio file whose tags can be handled here.")
                .arg(quoted(path)));
    if (file->readOnly())
        throw ComponentError(QCoreApplication::translate("LoudnessTags", "Loudness tags cannot be written into %1: it cannot be changed.").arg(quoted(path)));

    const std::vector<Value> values = replayGainValues(scope, loudness);
    bool saved = false;
    if (auto* opus = dynamic_cast<TagLib::Ogg::Opus::File*>(file)) {
        setOpus(opus, scope, loudness);
        saved = opus->save();
    } else if (auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(file)) {
        TagLib::ID3v2::Tag* tag = mpeg->ID3v2Tag(true);
        setId3(tag, values);
        saved = mpeg->save(TagLib::MPEG::File::ID3v2, TagLib::File::StripNone, versionOf(tag), TagLib::File::DoNotDuplicate);
    } else if (auto* wav = dynamic_cast<TagLib::RIFF::WAV::File*>(file)) {
        TagLib::ID3v2::Tag* tag = wav->ID3v2Tag();
        setId3(tag, values);
        saved = wav->save(TagLib::RIFF::WAV::File::ID3v2, TagLib::File::StripNone, versionOf(tag));
    } else if (auto* flac = dynamic_cast<TagLib::FLAC::File*>(file)) {
        setXiph(flac->xiphComment(true), values);
        saved = flac->save();
    } else if (auto* asf = dynamic_cast<TagLib::ASF::File*>(file)) {
        setAsf(asf->tag(), values);
        saved = asf->save();
    } else if (auto* xiph = dynamic_cast<TagLib::Ogg::XiphComment*>(file->tag())) {
        setXiph(xiph, values);  // Ogg Vorbis, and FLAC or Speex in Ogg
        saved = file->save();
    } else {
        throw ComponentError(QCoreApplication::translate("LoudnessTags", "Loudness tags cannot be written into %1: its format has no place for them.")
                                 .arg(quoted(path)));
    }
    if (!saved) throw ComponentError(QCoreApplication::translate("LoudnessTags", "The loudness tags of %1 could not be saved.").arg(quoted(path)));
}

}  // namespace

namespace loudness_tags {

void writeTrack(const QString& path, const Loudness& track) { write(path, QStringLiteral("TRACK"), &track); }
void writeAlbum(const QString& path, const Loudness& album) { write(path, QStringLiteral("ALBUM"), &album); }
void removeAlbum(const QString& path) { write(path, QStringLiteral("ALBUM"), nullptr); }

int opusHeaderGain(TagLib::Ogg::Opus::File& file) {
    const TagLib::ByteVector head = file.packet(0);
    if (head.size() < 18 || !head.startsWith("OpusHead")) return 0;
    return head.toShort(16, false);  // signed, little-endian
}

}  // namespace loudness_tags
