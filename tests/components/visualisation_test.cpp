// The visualisation widget: the spectrum it reads from tones, the pictures of its five
// styles, clearing, and input that must never crash it.
#include "components/ui/Visualisation.h"
#include "support/Signals.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

using testing_support::musicFrames;
using testing_support::sineTone;

namespace {

constexpr int kRate = 44100;

int loudestBand(const std::vector<double>& levels) {
    return static_cast<int>(std::max_element(levels.begin(), levels.end()) - levels.begin());
}

double levelAt(const std::vector<double>& levels, double hz) {
    int band = 0;
    while (band + 1 < static_cast<int>(levels.size()) && Visualisation::bandEdgeHz(band + 1, kRate) <= hz) ++band;
    return levels[static_cast<std::size_t>(band)];
}

// The share of pixels that differ between two pictures of the same size.
double differingShare(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    long differ = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) differ += x.pixel(col, row) != y.pixel(col, row);
    return static_cast<double>(differ) / (x.width() * x.height());
}

}  // namespace

TEST(Visualisation, SpectrumPeaksInTheBandOfTheTone) {
    for (double hz : {100.0, 1000.0, 6000.0}) {
        const auto levels = Visualisation::bandLevels(sineTone(kRate, 1, hz, 1024), 1, kRate);
        const int band = loudestBand(levels);
        EXPECT_LE(Visualisation::bandEdgeHz(band, kRate), hz) << hz;
        EXPECT_GT(Visualisation::bandEdgeHz(band + 1, kRate), hz) << hz;
        EXPECT_GT(levels[static_cast<std::size_t>(band)], 0.8) << hz;  // 12000 of 32767 is about -9 dB
        // Two octaves away, the window keeps the tone out.
        EXPECT_LT(levelAt(levels, hz < 3000 ? hz * 4 : hz / 4), 0.3) << hz;
    }
    // Interleaved stereo is read frame by frame: 440 Hz left and 660 Hz right both show, and
    // nothing at half those frequencies (what reading it as one channel would give).
    const auto stereo = Visualisation::bandLevels(musicFrames(kRate, 2, 2048, 0.0), 2, kRate);
    EXPECT_GT(levelAt(stereo, 440), 0.6);
    EXPECT_GT(levelAt(stereo, 660), 0.6);
    EXPECT_LT(levelAt(stereo, 220), 0.4);
    // Silence and too few frames read as nothing at all.
    for (const auto& levels : {Visualisation::bandLevels(SampleBlock(2048, 0), 2, kRate),
                               Visualisation::bandLevels(sineTone(kRate, 1, 1000, 8), 1, kRate)})
        EXPECT_EQ(*std::max_element(levels.begin(), levels.end()), 0.0);
}

TEST(Visualisation, StylesDrawDifferentPicturesAndOneZeroValueClears) {
    Visualisation vis;
    vis.resize(300, 120);
    EXPECT_EQ(vis.wantedSamples(), 1024);
    const QImage empty = vis.grab().toImage();

    const auto music = musicFrames(kRate, 2, static_cast<std::size_t>(vis.wantedSamples()), 0.2);
    std::vector<QImage> pictures;
    for (int style = Visualisation::Linear; style <= Visualisation::Kryptonite; ++style) {
        vis.setStyle(style);
        vis.draw(music, 2);
        pictures.push_back(vis.grab().toImage());
        EXPECT_GT(differingShare(pictures.back(), empty), 0.03) << "style " << style;
    }
    for (std::size_t i = 0; i < pictures.size(); ++i)
        for (std::size_t j = i + 1; j < pictures.size(); ++j)
            EXPECT_GT(differingShare(pictures[i], pictures[j]), 0.03) << "styles " << i + 1 << " and " << j + 1;

    // Codes outside 1..5 keep the style; one zero value wipes the display at once (the
    // empty picture was taken in the first style, Normal).
    vis.setStyle(0);
    vis.setStyle(6);
    EXPECT_EQ(vis.style(), Visualisation::Kryptonite);
    vis.draw({0}, 2);
    vis.setStyle(Visualisation::Normal);
    EXPECT_EQ(differingShare(vis.grab().toImage(), empty), 0.0);

    // Switched off, it draws nothing.
    vis.setActive(false);
    vis.draw(music, 2);
    EXPECT_EQ(differingShare(vis.grab().toImage(), empty), 0.0);

    QSignalSpy clicks(&vis, &Visualisation::clicked);
    QTest::mouseClick(&vis, Qt::LeftButton, {}, QPoint(10, 20));
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.front().front().toPoint(), vis.mapToGlobal(QPoint(10, 20)));
}

TEST(Visualisation, OddInputAndOddSizesNeverCrash) {
    const std::vector<SampleBlock> buffers = {{}, {1234}, {0, 0}, {32767, -32768, 5}, SampleBlock(100001, -32768),
                                              sineTone(kRate, 1, 22000, 5000, 32767)};
    for (QSize size : {QSize(0, 0), QSize(1, 1), QSize(7, 300), QSize(900, 3)}) {
        Visualisation vis;
        vis.resize(size);
        for (int style = Visualisation::Linear; style <= Visualisation::Kryptonite; ++style) {
            vis.setStyle(style);
            for (const auto& buffer : buffers)
                for (int channels : {-1, 0, 1, 2, 3, 8}) {
                    vis.draw(buffer, channels);
                    vis.grab();
                }
        }
    }
    for (int rate : {0, 8000, 96000})
        for (int bands : {-1, 0, 1, 200}) {
            const auto levels = Visualisation::bandLevels(sineTone(kRate, 2, 440, 1024), 2, rate, bands);
            EXPECT_EQ(levels.size(), static_cast<std::size_t>(std::max(bands, 0)));
            for (double v : levels) EXPECT_TRUE(v >= 0.0 && v <= 1.0);
        }
}
