#include "converter/StatusThrottle.h"

#include <algorithm>
#include <cmath>

namespace converter {

void StatusThrottle::fileStarted(int number) {
    m_pending = StatusState{};
    m_pending.fileMode = true;
    m_pending.fileNumber = number;
}

void StatusThrottle::fileEnded() { m_pending = StatusState{}; }

void StatusThrottle::progress(double percent) { m_pending.percent = percent; }

void StatusThrottle::times(std::int32_t elapsedSeconds, double fraction) {
    m_pending.elapsedSeconds = elapsedSeconds;
    m_pending.fraction = fraction;
}

double StatusThrottle::slotsAt(std::int64_t now) const {
    if (m_lastRefill < 0) return m_slots;
    const double refill = static_cast<double>(std::max<std::int64_t>(0, now - m_lastRefill)) * kPerSecond / 1000.0;
    return std::min<double>(kBurst, m_slots + refill);
}

bool StatusThrottle::due(std::int64_t now) {
    if (!changed()) return false;
    const double slots = slotsAt(now);
    if (slots < 1.0) return false;
    m_slots = slots - 1.0;
    m_lastRefill = now;
    return true;
}

std::int64_t StatusThrottle::waitMs(std::int64_t now) const {
    const double missing = 1.0 - slotsAt(now);
    if (missing <= 0) return 0;
    return static_cast<std::int64_t>(std::ceil(missing * 1000.0 / kPerSecond));
}

}  // namespace converter
