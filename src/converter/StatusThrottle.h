#pragma once
// What the converter's status bar shows during a run, let through at most about ten times a
// second however short the files are. Every change of a run (a file started or ended, its
// progress and times) updates the pending state; a change is shown at once while updates are
// rare, and otherwise waits for the next free slot, when the latest state is shown in one go.
// A short burst (a few files of a small run) is shown change by change, as before.
//
// Plain logic, on the user-interface thread; times are milliseconds of any monotonic clock.

#include <cstdint>

namespace converter {

struct StatusState {
    bool fileMode = false;   // a file is in progress: "File n of m", times and the progress bar
    int fileNumber = 0;      // 1-based entry
    double percent = 0.0;    // progress bar, 0..100
    std::int32_t elapsedSeconds = 0;
    double fraction = 0.0;   // done, for the time panels (0: not known)
    bool operator==(const StatusState&) const = default;
};

class StatusThrottle {
public:
    // Updates shown one after another before the rate applies, and the rate afterwards.
    static constexpr int kBurst = 10;
    static constexpr double kPerSecond = 10.0;

    void fileStarted(int number);
    void fileEnded();
    void progress(double percent);
    void times(std::int32_t elapsedSeconds, double fraction);

    // True when the pending state differs from what is shown and may be shown at `now`; the
    // slot is then taken, and the caller shows pending() and calls shown().
    bool due(std::int64_t now);
    // Milliseconds from `now` until the next slot is free (0 when one is free).
    std::int64_t waitMs(std::int64_t now) const;
    bool changed() const { return !(m_pending == m_shown); }
    const StatusState& pending() const { return m_pending; }
    const StatusState& shownState() const { return m_shown; }
    void shown() { m_shown = m_pending; }

private:
    double slotsAt(std::int64_t now) const;

    StatusState m_pending;
    StatusState m_shown;
    double m_slots = kBurst;
    std::int64_t m_lastRefill = -1;  // none yet
};

}  // namespace converter
