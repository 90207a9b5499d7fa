// Extracts a video's sound track as the extractor window does: the extraction run over the
// window's components (video reader, MP3 writer), one job of the audio job engine with blocks
// of 2304 samples, a message-loop pass after every block. Used by scripts/bench.
//
//   velloria_extract <video> <output folder> <rate> <kbit/s>
//
// The output is written into the folder as <video base name>.MP3, in stereo, with the MP3
// settings object's defaults, which are LAME's own (encoder quality 3), as ffmpeg's libmp3lame
// leaves them.
#include "components/audio/settings/MP3Settings.h"
#include "runs/ExtractionRun.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

class QuietHost : public extractor::ExtractionHost {
public:
    QStringList messages;
    void runMessage(const QString& text, bool) override { messages << text; }
    void runFailures(const QList<audio::FailedFile>&) override {}
    bool confirmOverwrite() override { return true; }
    void fileStarted(int) override {}
    void fileProgress(double) override {}
    void fileEnded() override {}
    bool cancelRequested() const override { return false; }
    void setCancelRequested(bool) override {}
    bool letEventsRun() override {
        QCoreApplication::processEvents();
        return true;
    }
    bool present() const override { return true; }
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: velloria_extract <video> <output folder> <rate> <kbit/s>\n");
        return 1;
    }
    auto components = std::make_shared<extractor::Components>();
    components->AudioFileOut.UseMp3Settings(MP3Settings());
    extractor::RunRequest request;
    request.input = args[0];
    request.format = QStringLiteral("MP3");
    request.sameFolder = false;
    request.folder = args[1];
    request.channelsIndex = 1;
    request.frequency = args[2];
    request.bitRate = args[3];
    QuietHost host;
    extractor::ExtractionRun run(host, components);
    if (run.run(request) == extractor::RunEnd::Written) return 0;
    std::fprintf(stderr, "%s\n", qPrintable(host.messages.join(QLatin1Char('\n'))));
    return 2;
}
