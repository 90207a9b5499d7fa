// Tag copying: the tags of the input are read and written into a fresh, sound file of the
// program's own making. The first byte picks the input's format, the second the target's.
#include "FuzzSupport.h"

#include "components/audio/codecs/AudioFile.h"
#include "components/audio/tags/AudioInfo.h"
#include "components/audio/codecs/WMAFile.h"

#include <QFile>

#include <array>
#include <cstdint>

namespace {

const std::array<QString, 4> kTargets{QStringLiteral("wav"), QStringLiteral("mp3"), QStringLiteral("ogg"),
                                      QStringLiteral("wma")};

QString templatePath(const QString& ext) { return fuzz::workDir() + QStringLiteral("/template.") + ext; }

void writeTemplate(const QString& ext) {
    const SampleBlock silence(44100 / 4 * 2, 0);
    if (ext == QStringLiteral("wma")) {
        try {
            WMAFile out;
            out.DeclareInputFormat(44100, 2);
            out.Create(templatePath(ext));
            if (out.status() < 0) return;
            out.WriteBlock(silence);
            out.Close();
        } catch (const ComponentError&) {
        }
        return;
    }
    try {
        AudioFile out;
        out.SetPcmFormat(44100, 2, 16);
        out.SetOggFormat(44100, 2, 0, 0, 0, 500);
        out.DeclareInputFormat(44100, 2);
        out.Create(templatePath(ext));
        if (out.status() < 0) return;
        out.WriteBlock(silence);
        out.Close();
    } catch (const ComponentError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::init(argc, argv, fuzz::App::Core);
    for (const QString& ext : kTargets) writeTemplate(ext);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const QString source = fuzz::writeInput(data + 2, size - 2, QStringLiteral("source.") + fuzz::audioExtension(data[0]));
    const QString ext = kTargets[data[1] % kTargets.size()];
    const QString target = fuzz::workDir() + QStringLiteral("/target.") + ext;
    QFile::remove(target);
    if (!QFile::copy(templatePath(ext), target)) return 0;
    AudioInfo info;
    try {
        info.ReadTags(source);
        info.WriteTags(target);
    } catch (const ComponentError&) {
    }
    return 0;
}
