// Rate and channel conversion of 16-bit interleaved blocks over libswresample, between the
// standard layouts of their channel counts.
#include "components/audio/codecs/Resampler.h"

#include "components/audio/codecs/ChannelLayout.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/error.h>
#include <libavutil/samplefmt.h>
#include <libswresample/swresample.h>
}

#include <QCoreApplication>
#include <QString>

#include <algorithm>

namespace {

QString avErrorText(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

AVChannelLayout layoutFor(int channels) {
    AVChannelLayout layout{};
    av_channel_layout_from_mask(&layout, channel_layout::standardMask(channels));
    return layout;
}

}  // namespace

struct Resampler::Impl {
    PcmFormat from;
    PcmFormat to;
    SwrContext* swr = nullptr;  // null when both formats are the same
    std::vector<std::int16_t> out;

    ~Impl() { swr_free(&swr); }

    // Runs the converter and appends what it produced to `out`. A null input drains it.
    void run(const std::int16_t* samples, std::size_t frames) {
        const int inCount = static_cast<int>(frames);
        for (;;) {
            const int room = swr_get_out_samples(swr, samples ? inCount : 0);
            if (room < 0)
                throw ComponentError(QCoreApplication::translate("Resampler", "Audio conversion failed: %1")
                                         .arg(avErrorText(room)));
            if (room == 0 && samples) return;
            // Room for at least one block even when draining (the estimate can be 0 there).
            const std::size_t capacity = static_cast<std::size_t>(room > 0 ? room : 0) + 256;
            const std::size_t used = out.size();
            out.resize(used + capacity * static_cast<std::size_t>(to.channels));
            auto* outPtr = reinterpret_cast<std::uint8_t*>(out.data() + used);
            const auto* inPtr = reinterpret_cast<const std::uint8_t*>(samples);
            const int produced = swr_convert(swr, &outPtr, static_cast<int>(capacity), samples ? &inPtr : nullptr,
                                             samples ? inCount : 0);
            if (produced < 0) {
                out.resize(used);
                throw ComponentError(QCoreApplication::translate("Resampler", "Audio conversion failed: %1")
                                         .arg(avErrorText(produced)));
            }
            out.resize(used + static_cast<std::size_t>(produced) * static_cast<std::size_t>(to.channels));
            // Converting: the output room covered everything. Draining: go on until it runs dry.
            if (samples || produced == 0) return;
        }
    }
};

Resampler::Resampler(PcmFormat from, PcmFormat to) : d(std::make_unique<Impl>()) {
    const auto valid = [](const PcmFormat& f) {
        return f.sampleRate > 0 && f.sampleRate <= 768000 && f.channels >= 1 && f.channels <= channel_layout::kMaxChannels;
    };
    if (!valid(from) || !valid(to))
        throw ComponentError(
            QCoreApplication::translate("Resampler", "Cannot convert audio from %1 Hz, %2 channels to %3 Hz, %4 channels.")
                .arg(from.sampleRate)
                .arg(from.channels)
                .arg(to.sampleRate)
                .arg(to.channels));
    d->from = from;
    d->to = to;
    if (from == to) return;

    AVChannelLayout inLayout = layoutFor(from.channels);
    AVChannelLayout outLayout = layoutFor(to.channels);
    int rc = swr_alloc_set_opts2(&d->swr, &outLayout, AV_SAMPLE_FMT_S16, to.sampleRate, &inLayout,
                                 AV_SAMPLE_FMT_S16, from.sampleRate, 0, nullptr);
    // Between mono and stereo the library's own mix puts mono at -3 dB on each side; we want the
    // signal itself on both sides, and the plain average when folding stereo to mono. More
    // channels take its ITU mix (centre and surrounds at -3 dB, LFE left out, scaled so that
    // nothing clips).
    if (rc >= 0 && from.channels != to.channels && from.channels <= 2 && to.channels <= 2) {
        const double monoToStereo[2] = {1.0, 1.0};
        const double stereoToMono[2] = {0.5, 0.5};
        rc = from.channels == 1 ? swr_set_matrix(d->swr, monoToStereo, 1) : swr_set_matrix(d->swr, stereoToMono, 2);
    }
    if (rc >= 0) rc = swr_init(d->swr);
    if (rc < 0)
        throw ComponentError(
            QCoreApplication::translate("Resampler", "Cannot set up the audio conversion from %1 Hz to %2 Hz: %3")
                .arg(from.sampleRate)
                .arg(to.sampleRate)
                .arg(avErrorText(rc)));
}

Resampler::~Resampler() = default;

const std::vector<std::int16_t>& Resampler::convert(const std::int16_t* samples, std::size_t frames) {
    d->out.clear();
    if (frames == 0 || !samples) return d->out;
    if (!d->swr) {
        d->out.assign(samples, samples + frames * static_cast<std::size_t>(d->from.channels));
        return d->out;
    }
    // In pieces, so that counts stay well inside the library's int range.
    constexpr std::size_t piece = 1 << 16;
    const auto channels = static_cast<std::size_t>(d->from.channels);
    for (std::size_t done = 0; done < frames; done += piece)
        d->run(samples + done * channels, std::min(piece, frames - done));
    return d->out;
}

const std::vector<std::int16_t>& Resampler::flush() {
    d->out.clear();
    if (d->swr) d->run(nullptr, 0);
    return d->out;
}
