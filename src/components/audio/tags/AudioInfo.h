#pragma once
// Audio information control (`AudioInfo`): reads the tags of one file and writes them into
// another: every property TagLib carries, and pictures (cover art), across MP3 (ID3v2), Ogg
// Vorbis (Xiph comments), WMA (ASF) and WAV (RIFF INFO and ID3v2). ID3v2 holds TRACKTOTAL and
// DISCTOTAL in its number frames ("3/12").
//
// Tags that were read are written in the target's own conventions (TagConventions.h): loudness
// values converted into its convention or dropped, facts about the source file left out, track
// and disc numbers in its form. The target's kind is that of the file TagLib opens for it (hidden
// part files end in their format's extension too). Properties given with setProperties are
// written as they are.
//
// Contract: user-interface thread. ReadTags replaces what was read before; a file without
// tags reads as empty; properties() are as the source has them. A file TagLib cannot open, or a
// write TagLib refuses, throws ComponentError naming the file. WriteTags changes only the tags of
// the target, never its audio.

#include "components/ComponentError.h"
#include "components/audio/tags/TagConventions.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

class AudioInfo {
public:
    struct Picture {
        QByteArray data;
        QString mimeType;
        QString description;
        int type = 3;  // front cover
    };

    void ReadTags(const QString& path);
    void WriteTags(const QString& path) const;

    // What was read: property names in TagLib's upper-case form ("TITLE", "ARTIST", …).
    const QMap<QString, QStringList>& properties() const { return m_properties; }
    const QList<Picture>& pictures() const { return m_pictures; }
    void setProperties(QMap<QString, QStringList> properties);
    void setPictures(QList<Picture> pictures) { m_pictures = std::move(pictures); }

private:
    QMap<QString, QStringList> m_properties;
    QList<Picture> m_pictures;
    std::optional<tag_conventions::TagKind> m_readFrom;  // the kind of the file read; none for set properties
};
