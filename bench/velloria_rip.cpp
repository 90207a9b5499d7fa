// Rips every audio track of a disc image to WAV as the converter does: the CD grabber's track
// wrapped in the audio job engine's CD track source, written through the audio file object as
// 44100 Hz 16-bit stereo WAV, one job per track with the converter's block size and a listener
// that does nothing. Used by scripts/bench.
//
//   velloria_rip <image.cue> <out folder> [read mode]
//
// The read mode is the grabber's (1 burst, 2 synch, 3 secure, 4 paranoid); 3, full paranoia,
// is the default. Each track is written to <out folder>/TrackNN.wav.
#include "components/audio/codecs/AudioFile.h"
#include "components/audio/engine/AudioJob.h"
#include "components/audio/cd/CdGrabber.h"
#include "components/audio/cd/CdTrackSource.h"
#include "components/audio/engine/FileEndpoints.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// The block size, in samples, the converter reads CD tracks by.
constexpr int kCdBlockSamples = 441000;

class QuietListener : public audio::JobListener {
public:
    void progress(const audio::JobProgress&) override {}
    void finished(const audio::JobOutcome&) override {}
};

int rip(const QString& image, const QString& outDir, int readMode) {
    // The grabber lists each drive's tracks as stub files; they go to a folder of our own.
    QTemporaryDir stubs;
    if (!stubs.isValid()) {
        std::fprintf(stderr, "cannot make a temporary folder\n");
        return 2;
    }
    CdGrabber grabber(nullptr, stubs.path(), false);
    GrabSettings settings = grabber.settings();
    settings.readMode = readMode;
    // cd-paranoia reads each sector once outside its own overlap checks; Mode Safe's second read
    // of every sector would be work the reference does not do.
    settings.safeMode = false;
    grabber.setSettings(settings);
    if (grabber.OpenImage(image) < 0) {
        std::fprintf(stderr, "%s\n", qPrintable(grabber.reason()));
        return 2;
    }
    const int tracks = grabber.toc().trackCount();
    if (tracks == 0) {
        std::fprintf(stderr, "%s holds no audio tracks\n", qPrintable(image));
        return 2;
    }
    QDir().mkpath(outDir);
    for (int track = 1; track <= tracks; ++track) {
        const QString out = QDir(outDir).filePath(QStringLiteral("Track%1.wav").arg(track, 2, 10, QLatin1Char('0')));
        AudioFile writer;
        writer.SetPcmFormat(CdGrabber::SampleRate, CdGrabber::Channels, 16);
        audio::CdTrackSource source(grabber, track);
        audio::AudioFileSink sink(writer, out);
        QuietListener listener;
        audio::AudioJob job(source, sink, listener, kCdBlockSamples);
        const audio::JobOutcome outcome = job.run();
        if (!outcome.written()) {
            std::fprintf(stderr, "track %d: %s\n", track, qPrintable(outcome.reason));
            return 2;
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    bool modeOk = true;
    const int readMode = args.size() >= 3 ? args[2].toInt(&modeOk) : 3;
    if (args.size() < 2 || args.size() > 3 || !modeOk || readMode < 1 || readMode > 4) {
        std::fprintf(stderr, "usage: velloria_rip <image.cue> <out folder> [read mode 1..4, default 3]\n");
        return 1;
    }
    try {
        return rip(args[0], args[1], readMode);
    } catch (const ComponentError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.description()));
        return 2;
    }
}
