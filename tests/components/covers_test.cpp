// Downloaded covers: which bytes are taken for the tags' picture, and the type and file name
// they are saved and embedded with.
#include "components/audio/cd/CdTrackTags.h"
#include "components/net/MusicBrainz.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QByteArray kJpeg("\xff\xd8\xff\xe0\0\x10JFIF\0", 11);
const QByteArray kPng("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
const QByteArray kGif("GIF89a\x01\0\x01\0", 10);
const QByteArray kWebp("RIFF\x20\0\0\0WEBPVP8 ", 16);

}  // namespace

TEST(Covers, OnlyPicturesAreTakenWhateverTheServerStates) {
    for (const QByteArray& picture : {kJpeg, kPng, kGif, kWebp})
        for (const char* type : {"", "image/jpeg", "application/octet-stream"})
            EXPECT_TRUE(net::isCoverPicture(type, picture)) << type;
    // An error page, or an image stated but not sent, is no cover.
    EXPECT_FALSE(net::isCoverPicture("image/jpeg", "<html><body>Not found</body></html>"));
    EXPECT_FALSE(net::isCoverPicture("image/png", QByteArray()));
    EXPECT_FALSE(net::isCoverPicture("", "\x89PN"));
    EXPECT_FALSE(net::isCoverPicture("text/html", kJpeg));
}

TEST(Covers, AreSavedAndEmbeddedAsTheFormatTheyAre) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const struct {
        QByteArray bytes;
        const char* mime;
        const char* suffix;
    } cases[] = {{kJpeg, "image/jpeg", "jpg"}, {kPng, "image/png", "png"}, {kGif, "image/gif", "gif"},
                 {kWebp, "image/webp", "webp"}, {"GIF8 but no picture", "", ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(coverMimeType(c.bytes), QLatin1String(c.mime));
        EXPECT_EQ(coverFileSuffix(c.bytes), QLatin1String(c.suffix));
        DiscInfo info;
        info.coverPath = dir.filePath(QStringLiteral("cover"));
        QFile file(info.coverPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.bytes);
        file.close();
        const QList<AudioInfo::Picture> pictures = coverPictures(info);
        if (*c.mime == '\0') {
            EXPECT_TRUE(pictures.isEmpty()) << "a file that is no picture is not embedded";
            continue;
        }
        ASSERT_EQ(pictures.size(), 1) << c.mime;
        EXPECT_EQ(pictures.first().mimeType, QLatin1String(c.mime));
        EXPECT_EQ(pictures.first().data, c.bytes);
    }
}
