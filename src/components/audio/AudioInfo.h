#pragma once
// Audio information control (`AudioInfo`): reads the tags of one file and writes them into
// another: every property TagLib carries, and pictures (cover art), across MP3 (ID3v2), Ogg
// Vorbis (Xiph comments), WMA (ASF) and WAV (RIFF INFO and ID3v2). ID3v2 holds TRACKTOTAL and
// DISCTOTAL in its number frames ("3/12").
//
// Contract: user-interface thread. ReadTags replaces what was read before; a file without tags
// reads as empty. A file TagLib cannot open, or a write TagLib refuses, throws ComponentError
// naming the file. WriteTags changes only the tags of the target, never its audio.

#include "components/ComponentError.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

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
    void setProperties(QMap<QString, QStringList> properties) { m_properties = std::move(properties); }
    void setPictures(QList<Picture> pictures) { m_pictures = std::move(pictures); }

private:
    QMap<QString, QStringList> m_properties;
    QList<Picture> m_pictures;
};
