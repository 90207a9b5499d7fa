#include "components/ui/Visualisation.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include <fftw3.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <numbers>

namespace {

// Spectrum analysis size: frames beyond it are dropped from the front, fewer are zero-padded
// (which also gives the low bands, narrower than a bin of 1024 frames, a smooth reading).
constexpr int kFftSize = 4096;
constexpr std::size_t kMinFrames = 16;  // fewer frames carry no usable spectrum
constexpr double kFloorDb = -66.0;      // level 0; full scale (0 dB) is level 1
constexpr double kLowHz = 40.0;
constexpr double kHighHz = 16000.0;
constexpr double kMaxFps = 30.0;
constexpr double kRest = 1e-3;  // differences below this are not worth a frame

// Colours of the converter skin.
const QColor kPanelTop(0x17, 0x1a, 0x25);
const QColor kPanelBottom(0x12, 0x14, 0x1c);
const QColor kBorder(0x2c, 0x32, 0x44);
const QColor kGrid(0x23, 0x28, 0x38);
const QColor kTeal(0x2d, 0xd4, 0xbf);
const QColor kTealLight(0x5e, 0xea, 0xd4);
const QColor kTealDark(0x0f, 0x9f, 0x8f);
const QColor kViolet(0x8b, 0x5c, 0xf6);

QColor withAlpha(QColor c, double alpha) {
    c.setAlphaF(static_cast<float>(alpha));
    return c;
}

// FFTW plans are made once per size and shared. Making a plan is not thread-safe, so it
// happens under a lock; running one on other (equally aligned) arrays is.
// The plans live until the program ends.
fftwf_plan planFor(int size) {
    struct Plans {
        std::map<int, fftwf_plan> bySize;
        ~Plans() {
            for (auto& [n, plan] : bySize) fftwf_destroy_plan(plan);
        }
    };
    static std::mutex lock;
    static Plans plans;
    const std::lock_guard guard(lock);
    auto found = plans.bySize.find(size);
    if (found != plans.bySize.end()) return found->second;
    float* in = fftwf_alloc_real(static_cast<std::size_t>(size));
    fftwf_complex* out = fftwf_alloc_complex(static_cast<std::size_t>(size / 2 + 1));
    fftwf_plan plan = fftwf_plan_dft_r2c_1d(size, in, out, FFTW_ESTIMATE);
    fftwf_free(in);
    fftwf_free(out);
    if (plan) plans.bySize.emplace(size, plan);
    return plan;
}

struct FftwFree {
    void operator()(void* p) const { fftwf_free(p); }
};

}  // namespace

// Working arrays for one analysis at a time, aligned as FFTW wants them.
struct Visualisation::Analyser {
    std::unique_ptr<float[], FftwFree> in{fftwf_alloc_real(kFftSize)};
    std::unique_ptr<fftwf_complex[], FftwFree> out{fftwf_alloc_complex(kFftSize / 2 + 1)};
    fftwf_plan plan = planFor(kFftSize);

    std::vector<double> levels(const std::vector<std::int16_t>& data, int channels, int rate, int bands) {
        std::vector<double> result(static_cast<std::size_t>(std::max(bands, 0)), 0.0);
        const auto ch = static_cast<std::size_t>(std::max(channels, 1));
        const std::size_t frames = data.size() / ch;
        const std::size_t n = std::min(frames, static_cast<std::size_t>(kFftSize));
        if (bands <= 0 || n < kMinFrames || !plan) return result;
        if (rate <= 0) rate = kDefaultSampleRate;

        // The mix of the channels, the most recent frames, under a Hann window.
        const std::size_t first = frames - n;
        double windowSum = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const double phase = 2.0 * std::numbers::pi * static_cast<double>(i) / static_cast<double>(n);
            const double w = 0.5 - 0.5 * std::cos(phase);
            double sum = 0;
            for (std::size_t c = 0; c < ch; ++c) sum += data[(first + i) * ch + c];
            in[i] = static_cast<float>(w * sum / static_cast<double>(ch));
            windowSum += w;
        }
        std::fill(in.get() + n, in.get() + kFftSize, 0.0f);
        fftwf_execute_dft_r2c(plan, in.get(), out.get());

        // A full-scale sine reads 1 (0 dB): its windowed peak is amplitude * windowSum / 2.
        const double fullScale = 32768.0 * windowSum / 2.0;
        const double binHz = static_cast<double>(rate) / kFftSize;
        constexpr int lastBin = kFftSize / 2;
        for (int b = 0; b < bands; ++b) {
            const double lo = bandEdgeHz(b, rate, bands);
            const double hi = bandEdgeHz(b + 1, rate, bands);
            int k0 = static_cast<int>(std::ceil(lo / binHz));
            int k1 = static_cast<int>(std::ceil(hi / binHz)) - 1;
            if (k1 < k0) k0 = k1 = static_cast<int>(std::lround(std::sqrt(lo * hi) / binHz));
            k0 = std::clamp(k0, 1, lastBin);
            k1 = std::clamp(k1, k0, lastBin);
            double peak = 0;
            for (int k = k0; k <= k1; ++k) {
                const auto& bin = out[static_cast<std::size_t>(k)];
                peak = std::max(peak, std::hypot(static_cast<double>(bin[0]), static_cast<double>(bin[1])));
            }
            const double db = 20.0 * std::log10(peak / fullScale + 1e-12);
            result[static_cast<std::size_t>(b)] = std::clamp((db - kFloorDb) / -kFloorDb, 0.0, 1.0);
        }
        return result;
    }
};

Visualisation::Visualisation(QWidget* parent) : QWidget(parent), m_analyser(std::make_unique<Analyser>()) {
    setObjectName(QStringLiteral("Visualisation"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
    constexpr auto n = static_cast<std::size_t>(kBands);
    m_target.assign(n, 0.0);
    m_shown.assign(n, 0.0);
    m_peak.assign(n, 0.0);
    m_peakHold.assign(n, 0.0);
    m_peakSpeed.assign(n, 0.0);
    m_trail.assign(n, 0.0);
    connect(&m_timer, &QTimer::timeout, this, &Visualisation::tick);
}

Visualisation::~Visualisation() = default;

void Visualisation::setStyle(int style) {
    if (style < Linear || style > Kryptonite || style == m_style) return;
    m_style = style;
    update();
}

void Visualisation::setActive(bool on) {
    if (on == m_active) return;
    m_active = on;
    if (!on) clear();
}

void Visualisation::setSampleRate(int rate) {
    if (rate > 0) m_rate = rate;
}

double Visualisation::bandEdgeHz(int edge, int sampleRate, int bands) {
    if (sampleRate <= 0) sampleRate = kDefaultSampleRate;
    const double high = std::max(std::min(kHighHz, 0.45 * sampleRate), 2.0 * kLowHz);
    const double t = bands > 0 ? static_cast<double>(edge) / bands : 0.0;
    return kLowHz * std::pow(high / kLowHz, t);
}

std::vector<double> Visualisation::bandLevels(const std::vector<std::int16_t>& interleaved, int channels,
                                              int sampleRate, int bands) {
    Analyser analyser;
    return analyser.levels(interleaved, channels, sampleRate, bands);
}

void Visualisation::clear() {
    for (auto* v : {&m_target, &m_shown, &m_peak, &m_peakHold, &m_peakSpeed, &m_trail})
        std::fill(v->begin(), v->end(), 0.0);
    m_wave.clear();
    m_dirty = false;
    m_timer.stop();
    update();
}

void Visualisation::draw(const std::vector<std::int16_t>& interleaved, int channels) {
    if (!m_active || interleaved.empty()) return;
    if (interleaved.size() == 1 && interleaved.front() == 0) {
        clear();
        return;
    }
    const auto ch = static_cast<std::size_t>(std::max(channels, 1));
    const std::size_t frames = interleaved.size() / ch;

    // The oscilloscope keeps the last frames of the first two channels.
    const std::size_t keep = std::min(frames, static_cast<std::size_t>(2 * kWantedFrames));
    m_wave.assign(std::min<std::size_t>(ch, 2), std::vector<double>(keep));
    for (std::size_t c = 0; c < m_wave.size(); ++c)
        for (std::size_t i = 0; i < keep; ++i)
            m_wave[c][i] = interleaved[(frames - keep + i) * ch + c] / 32768.0;

    // New levels show at once; they fall back on the timer's beat.
    m_target = m_analyser->levels(interleaved, channels, m_rate, kBands);
    for (std::size_t b = 0; b < m_target.size(); ++b) {
        m_shown[b] = std::max(m_shown[b], m_target[b]);
        m_trail[b] = std::max(m_trail[b], m_shown[b]);
        if (m_shown[b] >= m_peak[b]) {
            m_peak[b] = m_shown[b];
            m_peakHold[b] = 0.4;
            m_peakSpeed[b] = 0.0;
        }
    }
    m_dirty = true;
    startAnimation();
}

void Visualisation::startAnimation() {
    if (m_timer.isActive()) return;
    const QScreen* s = screen();
    const double refresh = s ? s->refreshRate() : 0.0;
    const double fps = refresh >= 1.0 ? std::min(refresh, kMaxFps) : kMaxFps;
    m_timer.start(static_cast<int>(std::lround(1000.0 / fps)));
    m_clock.start();
}

bool Visualisation::animating() const {
    for (std::size_t b = 0; b < m_shown.size(); ++b)
        if (m_shown[b] > m_target[b] + kRest || m_peak[b] > m_shown[b] + kRest || m_trail[b] > m_shown[b] + kRest)
            return true;
    return false;
}

void Visualisation::tick() {
    // Real elapsed time, so a late timer does not slow the fall; a long gap counts as one frame.
    const double dt = std::min(static_cast<double>(m_clock.restart()) / 1000.0, 0.1);
    const double fall = m_style == Fire ? 0.9 : m_style == Kryptonite ? 1.2 : 1.8;  // heights per second
    constexpr double gravity = 2.5;                                               // peaks speed up as they fall
    constexpr double trailFall = 0.3;
    const bool moving = animating();
    for (std::size_t b = 0; b < m_shown.size(); ++b) {
        m_shown[b] = std::max(m_target[b], m_shown[b] - fall * dt);
        if (m_peakHold[b] > 0) {
            m_peakHold[b] -= dt;
        } else {
            m_peakSpeed[b] += gravity * dt;
            m_peak[b] -= m_peakSpeed[b] * dt;
        }
        m_peak[b] = std::max(m_peak[b], m_shown[b]);
        m_trail[b] = std::max(m_shown[b], m_trail[b] - trailFall * dt);
    }
    if (moving || m_dirty) update();
    m_dirty = false;
    if (!moving) m_timer.stop();
}

QSize Visualisation::sizeHint() const { return {300, 120}; }
QSize Visualisation::minimumSizeHint() const { return {80, 40}; }

void Visualisation::mousePressEvent(QMouseEvent* event) {
    Q_EMIT clicked(event->globalPosition().toPoint());
    event->accept();
}

namespace {

struct Plot {
    QRectF area;  // the drawing area inside the frame
    int bands;
    double slot() const { return area.width() / bands; }
    // The bar of band b, `level` high, standing on `base` and reaching up `height`.
    QRectF bar(int b, double level, double base, double height, double fill = 0.7) const {
        const double w = slot();
        const double bw = std::max(w * fill, 1.0);
        const double x = area.left() + b * w + (w - bw) / 2;
        const double h = std::clamp(level, 0.0, 1.0) * height;
        return {x, base - h, bw, h};
    }
};

void paintFrame(QPainter& p, const QRectF& r, int style) {
    QLinearGradient bg(r.topLeft(), r.bottomLeft());
    bg.setColorAt(0, kPanelTop);
    bg.setColorAt(1, kPanelBottom);
    p.setPen(Qt::NoPen);
    p.setBrush(bg);
    p.drawRect(r);
    // A warm glow under the flames, a green one under the kryptonite.
    if (style == Visualisation::Fire || style == Visualisation::Kryptonite) {
        QLinearGradient glow(r.bottomLeft(), QPointF(r.left(), r.top() + r.height() * 0.35));
        const QColor tint = style == Visualisation::Fire ? QColor(234, 88, 12) : QColor(34, 197, 94);
        glow.setColorAt(0, withAlpha(tint, 0.16));
        glow.setColorAt(1, withAlpha(tint, 0.0));
        p.setBrush(glow);
        p.drawRect(r);
    }
}

void paintGrid(QPainter& p, const QRectF& area) {
    p.setPen(QPen(withAlpha(kGrid, 0.9), 1));
    for (int i = 1; i < 4; ++i) {
        const double y = std::round(area.top() + area.height() * i / 4) + 0.5;
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    }
}

void paintWave(QPainter& p, const QRectF& area, const std::vector<std::vector<double>>& wave) {
    const double mid = area.center().y();
    p.setPen(QPen(kGrid.lighter(130), 1, Qt::DashLine));
    p.drawLine(QPointF(area.left(), mid), QPointF(area.right(), mid));
    const double half = area.height() / 2 - 1;
    for (std::size_t c = wave.size(); c-- > 0;) {
        const auto& w = wave[c];
        if (w.empty()) continue;
        QPainterPath path;
        const double step = w.size() > 1 ? area.width() / static_cast<double>(w.size() - 1) : 0.0;
        for (std::size_t i = 0; i < w.size(); ++i) {
            const QPointF pt(area.left() + step * static_cast<double>(i), mid - std::clamp(w[i], -1.0, 1.0) * half);
            if (i == 0) path.moveTo(pt); else path.lineTo(pt);
        }
        if (w.size() == 1) path.lineTo(area.right(), path.currentPosition().y());
        QBrush stroke;
        if (wave.size() == 1) {
            QLinearGradient g(area.topLeft(), area.topRight());
            g.setColorAt(0, kTeal);
            g.setColorAt(1, kViolet);
            stroke = g;
        } else {
            stroke = c == 0 ? kTeal : withAlpha(kViolet, 0.9);
        }
        const QColor glow = c == 0 ? kTeal : kViolet;
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(withAlpha(glow, 0.12), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
        p.setPen(QPen(withAlpha(glow, 0.25), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
        p.setPen(QPen(stroke, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
    }
}

void paintBars(QPainter& p, const Plot& plot, const std::vector<double>& shown, const std::vector<double>& peak) {
    const QRectF& a = plot.area;
    QLinearGradient g(a.bottomLeft(), a.topLeft());
    g.setColorAt(0, kTealDark);
    g.setColorAt(0.4, kTeal);
    g.setColorAt(1, kViolet);
    const double radius = std::min(2.5, plot.slot() / 5);
    p.setPen(Qt::NoPen);
    // A faint track behind every bar, so silent bands still read as a row.
    p.setBrush(withAlpha(kGrid, 0.55));
    for (int b = 0; b < plot.bands; ++b) p.drawRoundedRect(plot.bar(b, 1.0, a.bottom(), a.height()), radius, radius);
    p.setBrush(g);
    for (int b = 0; b < plot.bands; ++b) {
        const QRectF r = plot.bar(b, shown[static_cast<std::size_t>(b)], a.bottom(), a.height());
        if (r.height() >= 0.5) p.drawRoundedRect(r, radius, radius);
    }
    p.setBrush(kTealLight);
    for (int b = 0; b < plot.bands; ++b) {
        const double level = peak[static_cast<std::size_t>(b)];
        if (level <= 0.01) continue;
        const QRectF r = plot.bar(b, level, a.bottom(), a.height());
        p.drawRect(QRectF(r.left(), r.top() - 2, r.width(), 2));
    }
}

void paintFire(QPainter& p, const Plot& plot, const std::vector<double>& shown, const std::vector<double>& peak,
               const std::vector<double>& trail) {
    const QRectF& a = plot.area;
    QLinearGradient flame(a.bottomLeft(), a.topLeft());
    flame.setColorAt(0.0, QColor(0x7f, 0x1d, 0x1d));
    flame.setColorAt(0.3, QColor(0xdc, 0x26, 0x26));
    flame.setColorAt(0.6, QColor(0xf9, 0x73, 0x16));
    flame.setColorAt(0.85, QColor(0xfb, 0xbf, 0x24));
    flame.setColorAt(1.0, QColor(0xfe, 0xf3, 0xc7));
    p.setPen(Qt::NoPen);
    // Heat trails: where the flames were a moment ago, fading as they cool.
    for (int b = 0; b < plot.bands; ++b) {
        const auto i = static_cast<std::size_t>(b);
        const QRectF hot = plot.bar(b, trail[i], a.bottom(), a.height(), 0.86);
        const QRectF now = plot.bar(b, shown[i], a.bottom(), a.height(), 0.86);
        if (hot.top() >= now.top() - 0.5) continue;
        QLinearGradient g(QPointF(0, now.top()), QPointF(0, hot.top()));
        g.setColorAt(0, QColor(249, 115, 22, 110));
        g.setColorAt(1, QColor(220, 38, 38, 0));
        p.setBrush(g);
        p.drawRect(QRectF(hot.left(), hot.top(), hot.width(), now.top() - hot.top()));
    }
    p.setBrush(flame);
    for (int b = 0; b < plot.bands; ++b) {
        const QRectF r = plot.bar(b, shown[static_cast<std::size_t>(b)], a.bottom(), a.height(), 0.86);
        if (r.height() >= 0.5) p.drawRect(r);
    }
    // Sparks: the falling peaks, glowing.
    for (int b = 0; b < plot.bands; ++b) {
        const double level = peak[static_cast<std::size_t>(b)];
        if (level <= 0.01) continue;
        const QRectF r = plot.bar(b, level, a.bottom(), a.height(), 0.86);
        p.setBrush(QColor(251, 191, 36, 70));
        p.drawRect(QRectF(r.left(), r.top() - 4, r.width(), 4));
        p.setBrush(QColor(0xfe, 0xf3, 0xc7));
        p.drawRect(QRectF(r.left(), r.top() - 2, r.width(), 1.5));
    }
}

void paintGlass(QPainter& p, const Plot& plot, const std::vector<double>& shown) {
    const QRectF& a = plot.area;
    const double horizon = std::round(a.top() + a.height() * 0.68);
    const double up = horizon - a.top();
    const double down = a.bottom() - horizon;
    QLinearGradient body(QPointF(0, horizon), QPointF(0, a.top()));
    body.setColorAt(0, withAlpha(kTeal, 0.62));
    body.setColorAt(1, withAlpha(kViolet, 0.55));
    QLinearGradient mirror(QPointF(0, horizon), QPointF(0, a.bottom()));
    mirror.setColorAt(0, withAlpha(kTeal, 0.38));
    mirror.setColorAt(1, withAlpha(kTeal, 0.0));
    const double radius = std::min(2.0, plot.slot() / 6);
    for (int b = 0; b < plot.bands; ++b) {
        const double level = shown[static_cast<std::size_t>(b)];
        if (level * up < 0.5) continue;
        const QRectF r = plot.bar(b, level, horizon, up, 0.78);
        // The pane: translucent body, a pale rim, a bright top edge and a sheen down one side.
        p.setPen(QPen(QColor(255, 255, 255, 60), 1));
        p.setBrush(body);
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, 0), radius, radius);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 28));
        p.drawRect(QRectF(r.left() + 1, r.top() + 1, r.width() * 0.3, r.height() - 1));
        p.setBrush(withAlpha(kTealLight, 0.95));
        p.drawRect(QRectF(r.left(), r.top(), r.width(), 1.5));
        // Its reflection below the horizon.
        const double h = std::min(level * up, down) * 0.8;
        p.setBrush(mirror);
        p.drawRect(QRectF(r.left(), horizon + 1, r.width(), h));
    }
    QLinearGradient line(QPointF(a.left(), 0), QPointF(a.right(), 0));
    line.setColorAt(0, withAlpha(kTeal, 0.1));
    line.setColorAt(0.5, withAlpha(kTeal, 0.7));
    line.setColorAt(1, withAlpha(kViolet, 0.1));
    p.setPen(QPen(QBrush(line), 1));
    p.drawLine(QPointF(a.left(), horizon + 0.5), QPointF(a.right(), horizon + 0.5));
}

void paintKryptonite(QPainter& p, const Plot& plot, const std::vector<double>& shown, const std::vector<double>& peak) {
    const QRectF& a = plot.area;
    const double pitch = std::clamp(a.height() / 22, 3.0, 7.0);
    const double cell = std::max(pitch - std::max(1.0, pitch / 3.5), 1.0);
    const int cells = std::max(static_cast<int>(a.height() / pitch), 1);
    const QColor low(0x15, 0x80, 0x3d), mid(0x22, 0xc5, 0x5e), high(0x86, 0xef, 0xac), spark(0xdc, 0xfc, 0xe7);
    auto cellColour = [&](double t) {  // t: height within the column, 0..1
        const auto mix = [](const QColor& x, const QColor& y, double f) {
            const auto part = [f](int from, int to) { return static_cast<int>(std::lround(from + (to - from) * f)); };
            return QColor(part(x.red(), y.red()), part(x.green(), y.green()), part(x.blue(), y.blue()));
        };
        return t < 0.5 ? mix(low, mid, t * 2) : mix(mid, high, (t - 0.5) * 2);
    };
    p.setPen(Qt::NoPen);
    for (int b = 0; b < plot.bands; ++b) {
        const auto i = static_cast<std::size_t>(b);
        const int lit = static_cast<int>(std::lround(shown[i] * cells));
        const int top = static_cast<int>(std::lround(peak[i] * cells));
        const QRectF column = plot.bar(b, 1.0, a.bottom(), a.height(), 0.74);
        // The glow around the lit part of the column.
        if (lit > 0) {
            const QRectF litRect(column.left(), a.bottom() - lit * pitch, column.width(), lit * pitch);
            for (int ring = 3; ring >= 1; --ring) {
                const double grow = ring * 2.0;
                p.setBrush(QColor(74, 222, 128, 14 + (3 - ring) * 10));
                p.drawRoundedRect(litRect.adjusted(-grow, -grow, grow, 0), grow, grow);
            }
        }
        for (int c = 0; c < cells; ++c) {
            const QRectF r(column.left(), a.bottom() - (c + 1) * pitch + (pitch - cell), column.width(), cell);
            if (c < lit)
                p.setBrush(c == lit - 1 ? high.lighter(115) : cellColour(static_cast<double>(c) / cells));
            else if (c == top - 1 && top > lit)
                p.setBrush(spark);
            else
                p.setBrush(QColor(34, 197, 94, 20));
            p.drawRect(r);
        }
    }
}

}  // namespace

void Visualisation::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (outer.width() < 2 || outer.height() < 2) return;
    p.fillRect(rect(), kPanelBottom);
    const double radius = std::min(8.0, std::min(outer.width(), outer.height()) / 4);
    QPainterPath frame;
    frame.addRoundedRect(outer, radius, radius);
    p.save();
    p.setClipPath(frame);
    paintFrame(p, outer, m_style);

    const double margin = std::min(8.0, std::min(outer.width(), outer.height()) / 10);
    Plot plot{outer.adjusted(margin, margin, -margin, -margin), kBands};
    if (m_style != Glass) paintGrid(p, plot.area);
    switch (m_style) {
    case Linear: paintWave(p, plot.area, m_wave); break;
    case Fire: paintFire(p, plot, m_shown, m_peak, m_trail); break;
    case Glass: paintGlass(p, plot, m_shown); break;
    case Kryptonite: paintKryptonite(p, plot, m_shown, m_peak); break;
    default: paintBars(p, plot, m_shown, m_peak); break;
    }
    p.restore();
    p.setPen(QPen(kBorder, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(frame);
}
