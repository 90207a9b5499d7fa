// Reading and copying tags with TagLib: the property map every format offers, and pictures,
// which each format keeps in a place of its own.
#include "components/audio/tags/AudioInfo.h"

#include "components/audio/tags/LoudnessTags.h"

#include <taglib/asffile.h>
#include <taglib/asfpicture.h>
#include <taglib/asftag.h>
#include <taglib/attachedpictureframe.h>
#include <taglib/fileref.h>
#include <taglib/flacfile.h>
#include <taglib/flacpicture.h>
#include <taglib/id3v2tag.h>
#include <taglib/infotag.h>
#include <taglib/mpegfile.h>
#include <taglib/opusfile.h>
#include <taglib/tpropertymap.h>
#include <taglib/wavfile.h>
#include <taglib/xiphcomment.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

QString quoted(const QString& path) { return QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(path)); }

QString fromTag(const TagLib::String& text) { return QString::fromUtf8(text.toCString(true)); }

TagLib::String toTag(const QString& text) { return TagLib::String(text.toUtf8().toStdString(), TagLib::String::UTF8); }

QByteArray fromBytes(const TagLib::ByteVector& bytes) {
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

TagLib::ByteVector toBytes(const QByteArray& bytes) {
    return TagLib::ByteVector(bytes.constData(), static_cast<unsigned int>(bytes.size()));
}

// Picture types are the same 0..20 numbering in ID3v2, FLAC/Vorbis and ASF.
int clampType(int type) { return std::clamp(type, 0, 20); }

// Opens a file with TagLib, or throws naming it. TagLib itself cannot tell a missing file
// from one it does not understand, so the first is checked here for a clearer description.
TagLib::FileRef openTagged(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) throw ComponentError(QCoreApplication::translate("AudioInfo", "%1 does not exist.").arg(quoted(path)));
    if (!info.isFile()) throw ComponentError(QCoreApplication::translate("AudioInfo", "%1 is not a file.").arg(quoted(path)));
    const QByteArray name = QFile::encodeName(path);
    TagLib::FileRef file(name.constData(), false);
    if (file.isNull() || !file.file() || !file.file()->isValid())
        throw ComponentError(
            QCoreApplication::translate("AudioInfo", "The tags of %1 cannot be read: it is not an audio file with tags that can be handled here.")
                .arg(quoted(path)));
    return file;
}

AudioInfo::Picture fromId3(const TagLib::ID3v2::AttachedPictureFrame& frame) {
    return {fromBytes(frame.picture()), fromTag(frame.mimeType()), fromTag(frame.description()),
            static_cast<int>(frame.type())};
}

AudioInfo::Picture fromFlac(const TagLib::FLAC::Picture& picture) {
    return {fromBytes(picture.data()), fromTag(picture.mimeType()), fromTag(picture.description()),
            static_cast<int>(picture.type())};
}

QList<AudioInfo::Picture> id3Pictures(TagLib::ID3v2::Tag* tag) {
    QList<AudioInfo::Picture> pictures;
    if (!tag) return pictures;
    for (TagLib::ID3v2::Frame* frame : tag->frameList("APIC"))
        if (const auto* apic = dynamic_cast<TagLib::ID3v2::AttachedPictureFrame*>(frame)) pictures.append(fromId3(*apic));
    return pictures;
}

void setId3Pictures(TagLib::ID3v2::Tag* tag, const QList<AudioInfo::Picture>& pictures) {
    if (!tag) return;
    tag->removeFrames("APIC");
    for (const AudioInfo::Picture& picture : pictures) {
        auto* frame = new TagLib::ID3v2::AttachedPictureFrame;
        frame->setTextEncoding(TagLib::String::UTF8);
        frame->setPicture(toBytes(picture.data));
        frame->setMimeType(toTag(picture.mimeType));
        frame->setDescription(toTag(picture.description));
        frame->setType(static_cast<TagLib::ID3v2::AttachedPictureFrame::Type>(clampType(picture.type)));
        tag->addFrame(frame);  // the tag owns the frame
    }
}

TagLib::FLAC::Picture* toFlac(const AudioInfo::Picture& picture) {
    auto* result = new TagLib::FLAC::Picture;
    result->setData(toBytes(picture.data));
    result->setMimeType(toTag(picture.mimeType));
    result->setDescription(toTag(picture.description));
    result->setType(static_cast<TagLib::FLAC::Picture::Type>(clampType(picture.type)));
    return result;
}

const char* const kAsfPicture = "WM/Picture";

QList<AudioInfo::Picture> asfPictures(TagLib::ASF::Tag* tag) {
    QList<AudioInfo::Picture> pictures;
    if (!tag || !tag->contains(kAsfPicture)) return pictures;
    for (const TagLib::ASF::Attribute& attribute : tag->attribute(kAsfPicture)) {
        const TagLib::ASF::Picture picture = attribute.toPicture();
        if (!picture.isValid()) continue;
        pictures.append({fromBytes(picture.picture()), fromTag(picture.mimeType()), fromTag(picture.description()),
                         static_cast<int>(picture.type())});
    }
    // TagLib spreads ASF attributes over two header objects, so the order they were written in
    // is lost; the front cover at least comes first, where players look.
    std::stable_partition(pictures.begin(), pictures.end(), [](const AudioInfo::Picture& p) { return p.type == 3; });
    return pictures;
}

void setAsfPictures(TagLib::ASF::Tag* tag, const QList<AudioInfo::Picture>& pictures) {
    if (!tag) return;
    TagLib::ASF::AttributeList list;
    for (const AudioInfo::Picture& picture : pictures) {
        TagLib::ASF::Picture asfPicture;
        asfPicture.setPicture(toBytes(picture.data));
        asfPicture.setMimeType(toTag(picture.mimeType));
        asfPicture.setDescription(toTag(picture.description));
        asfPicture.setType(static_cast<TagLib::ASF::Picture::Type>(clampType(picture.type)));
        list.append(TagLib::ASF::Attribute(asfPicture));
    }
    tag->removeItem(kAsfPicture);
    if (!list.isEmpty()) tag->setAttribute(kAsfPicture, list);
}

QList<AudioInfo::Picture> readPictures(TagLib::File* file) {
    QList<AudioInfo::Picture> pictures;
    if (auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(file)) {
        if (mpeg->hasID3v2Tag()) pictures = id3Pictures(mpeg->ID3v2Tag());
    } else if (auto* wav = dynamic_cast<TagLib::RIFF::WAV::File*>(file)) {
        if (wav->hasID3v2Tag()) pictures = id3Pictures(wav->ID3v2Tag());
    } else if (auto* flac = dynamic_cast<TagLib::FLAC::File*>(file)) {
        for (const TagLib::FLAC::Picture* picture : flac->pictureList()) pictures.append(fromFlac(*picture));
    } else if (auto* asf = dynamic_cast<TagLib::ASF::File*>(file)) {
        pictures = asfPictures(asf->tag());
    } else if (auto* xiph = dynamic_cast<TagLib::Ogg::XiphComment*>(file->tag())) {
        // Every Ogg kind (Vorbis, Opus, Speex, FLAC in Ogg) keeps pictures in its comment.
        for (const TagLib::FLAC::Picture* picture : xiph->pictureList()) pictures.append(fromFlac(*picture));
    }
    return pictures;
}

// `map` holds the properties written, for the RIFF INFO chunk of a WAV file.
void writePictures(TagLib::File* file, const TagLib::PropertyMap& map, const QList<AudioInfo::Picture>& pictures) {
    if (auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(file)) {
        setId3Pictures(mpeg->ID3v2Tag(true), pictures);
    } else if (auto* wav = dynamic_cast<TagLib::RIFF::WAV::File*>(file)) {
        // The RIFF INFO chunk gets what it can hold too, so that it does not keep old text.
        wav->InfoTag()->setProperties(map);
        setId3Pictures(wav->ID3v2Tag(), pictures);
    } else if (auto* flac = dynamic_cast<TagLib::FLAC::File*>(file)) {
        flac->removePictures();
        for (const AudioInfo::Picture& picture : pictures) flac->addPicture(toFlac(picture));
    } else if (auto* asf = dynamic_cast<TagLib::ASF::File*>(file)) {
        setAsfPictures(asf->tag(), pictures);
    } else if (auto* xiph = dynamic_cast<TagLib::Ogg::XiphComment*>(file->tag())) {
        xiph->removeAllPictures();
        for (const AudioInfo::Picture& picture : pictures) xiph->addPicture(toFlac(picture));
    }
}

// The tag family of a file as TagLib opened it (by its contents, not its name).
tag_conventions::TagKind kindOf(TagLib::File* file) {
    using tag_conventions::TagKind;
    if (dynamic_cast<TagLib::Ogg::Opus::File*>(file)) return TagKind::Opus;
    if (dynamic_cast<TagLib::MPEG::File*>(file) || dynamic_cast<TagLib::RIFF::WAV::File*>(file)) return TagKind::Id3;
    if (dynamic_cast<TagLib::ASF::File*>(file)) return TagKind::Asf;
    if (dynamic_cast<TagLib::FLAC::File*>(file) || dynamic_cast<TagLib::Ogg::XiphComment*>(file->tag()))
        return TagKind::Vorbis;
    return TagKind::Other;
}

// The properties of a file that was read, made fit for `file`; set properties as they are.
QMap<QString, QStringList> propertiesFor(TagLib::File* file, const QMap<QString, QStringList>& properties,
                                         std::optional<tag_conventions::TagKind> readFrom) {
    if (!readFrom) return properties;
    const tag_conventions::TagKind to = kindOf(file);
    auto* opus = dynamic_cast<TagLib::Ogg::Opus::File*>(file);
    return tag_conventions::carried(properties, *readFrom, to, opus ? loudness_tags::opusHeaderGain(*opus) : 0);
}

// ID3v2 keeps a total in its number frame ("3/12"): TRACKTOTAL and DISCTOTAL go there, beside
// a number that has none yet.
TagLib::PropertyMap withTotalsInNumbers(TagLib::PropertyMap map) {
    for (const auto& [number, total] : {std::pair{"TRACKNUMBER", "TRACKTOTAL"}, std::pair{"DISCNUMBER", "DISCTOTAL"}}) {
        if (!map.contains(total)) continue;
        const TagLib::String given = map.contains(number) && !map[number].isEmpty() ? map[number].front() : TagLib::String();
        if (!given.isEmpty() && given.find("/") < 0 && !map[total].isEmpty())
            map.replace(number, TagLib::StringList(given + "/" + map[total].front()));
        map.erase(total);
    }
    return map;
}

}  // namespace

void AudioInfo::setProperties(QMap<QString, QStringList> properties) {
    m_properties = std::move(properties);
    m_readFrom.reset();
}

void AudioInfo::ReadTags(const QString& path) {
    TagLib::FileRef ref = openTagged(path);
    TagLib::File* file = ref.file();

    QMap<QString, QStringList> properties;
    const TagLib::PropertyMap map = file->properties();
    for (auto it = map.begin(); it != map.end(); ++it) {
        QStringList values;
        for (const TagLib::String& value : it->second) values.append(fromTag(value));
        properties.insert(fromTag(it->first), values);
    }
    QList<Picture> pictures = readPictures(file);

    m_properties = std::move(properties);
    m_pictures = std::move(pictures);
    m_readFrom = kindOf(file);
}

void AudioInfo::WriteTags(const QString& path) const {
    TagLib::FileRef ref = openTagged(path);
    TagLib::File* file = ref.file();

    const QMap<QString, QStringList> properties = propertiesFor(file, m_properties, m_readFrom);
    TagLib::PropertyMap map;
    for (auto it = properties.cbegin(); it != properties.cend(); ++it) {
        TagLib::StringList values;
        for (const QString& value : it.value()) values.append(toTag(value));
        map.insert(toTag(it.key()), values);
    }
    const bool id3 = dynamic_cast<TagLib::MPEG::File*>(file) || dynamic_cast<TagLib::RIFF::WAV::File*>(file);
    if (id3) map = withTotalsInNumbers(map);
    // What a format cannot hold (ASF takes only names it knows) is left out.
    file->setProperties(map);
    writePictures(file, map, m_pictures);

    if (file->readOnly() || !file->save())
        throw ComponentError(QCoreApplication::translate("AudioInfo", "The tags of %1 could not be saved.").arg(quoted(path)));
}
