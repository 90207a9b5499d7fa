#pragma once
// Live picture of a sound signal: an oscilloscope line or a spectrum in one of four looks.
// The owner hands it the latest samples with draw(); the widget repaints itself from a timer
// (at the screen's refresh rate, at most 30 frames a second) while there is something to show
// or to let fall, never once per draw() call.

#include <QElapsedTimer>
#include <QPoint>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <vector>

class Visualisation : public QWidget {
    Q_OBJECT
public:
    // The style codes the Visual menu hands over.
    enum Style { Linear = 1, Normal = 2, Fire = 3, Glass = 4, Kryptonite = 5 };

    static constexpr int kBands = 32;             // spectrum bands, log-spaced in frequency
    static constexpr int kWantedFrames = 1024;    // frames per draw() that give a good picture
    static constexpr int kDefaultSampleRate = 44100;

    explicit Visualisation(QWidget* parent = nullptr);
    ~Visualisation() override;

    // 1 Linear, 2 Normal, 3 Fire, 4 Glass, 5 Kryptonite; other codes leave the style as it is.
    void setStyle(int style);
    int style() const { return m_style; }

    // Switched off, the widget ignores draw() and shows an empty display.
    void setActive(bool on);
    void switchOn() { setActive(true); }
    bool isActive() const { return m_active; }

    // Frames the widget wants per draw(); the caller multiplies by its channel count.
    int wantedSamples() const { return kWantedFrames; }

    // Rate of the samples handed to draw(); it places the spectrum bands in frequency.
    void setSampleRate(int rate);
    int sampleRate() const { return m_rate; }

    // Takes interleaved 16-bit samples. A buffer holding one zero value clears the display;
    // an empty buffer changes nothing; a trailing partial frame is ignored.
    void draw(const std::vector<std::int16_t>& interleaved, int channels);
    void clear();

    // Level (0 silent .. 1 full scale) of each of `bands` log-spaced bands of the channels'
    // mix: the last frames (up to 4096) under a Hann window, magnitudes in dB mapped linearly
    // from the noise floor to full scale. Too few frames give all zeros.
    static std::vector<double> bandLevels(const std::vector<std::int16_t>& interleaved, int channels, int sampleRate,
                                         int bands = kBands);
    // Lower frequency edge of band `edge` (edge `bands` is the top of the last band).
    static double bandEdgeHz(int edge, int sampleRate, int bands = kBands);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    // A mouse press on the display, at that global screen position (for a popup menu).
    void clicked(QPoint globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    struct Analyser;

    void tick();
    void startAnimation();
    bool animating() const;

    int m_style = Normal;
    bool m_active = true;
    int m_rate = kDefaultSampleRate;

    std::unique_ptr<Analyser> m_analyser;
    std::vector<double> m_target;             // levels of the latest draw()
    std::vector<double> m_shown;              // levels on screen: rise at once, fall gently
    std::vector<double> m_peak;               // peak marks: held a moment, then falling
    std::vector<double> m_peakHold;           // seconds each peak mark still holds
    std::vector<double> m_peakSpeed;          // fall speed of each peak mark
    std::vector<double> m_trail;              // slow heat trail above the bars
    std::vector<std::vector<double>> m_wave;  // latest samples of up to two channels, -1..1
    bool m_dirty = false;

    QTimer m_timer;
    QElapsedTimer m_clock;
};
