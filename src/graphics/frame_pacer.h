#pragma once
// When the flip lets the next pass run. The game's rules are written per pass, and the
// display mode they were made for refreshed sixty times a second, so the flip lets through
// sixty passes a second whatever the display's own refresh. A pass runs late in its period:
// after a present the pacer names a moment shortly before the next frame is due, the pass
// reads its events and draws from there, and its present follows at once, so a key reaches
// the screen within the period it arrived in.
//
// Two ways to be paced:
// - By the renderer, when its present really waits for the display's refresh and the display
//   runs at 60 Hz or faster. Each frame is held for a whole number of refreshes (at 144 Hz
//   2, 2, 3, 2, 3, …), so the average is sixty frames a second and nothing tears.
// - By the clock otherwise: frames are due every sixtieth of a second, counted from when each
//   was due rather than when it came, so the average is exact.
//
// The moment to wake comes a margin before the frame is due. The margin is what a pass and its
// present cost on this machine (the 99th percentile of the last 256 passes) plus a safety that
// doubles whenever a frame comes late and halves again after a long run without one.
// Times are nanoseconds on the system's monotonic clock. Pure logic, for tests without a display.
#include <array>
#include <cstddef>
#include <cstdint>

class FramePacer {
  public:
    static constexpr std::int64_t kSecond = 1'000'000'000;
    static constexpr int kPassesPerSecond = 60;
    // A display within this much of 60 Hz shows every frame for one refresh.
    static constexpr double kSixtyHzTolerance = 0.01;
    // Reported refresh rates outside these are not believed.
    static constexpr int kSlowestRefresh = 30;
    static constexpr int kFastestRefresh = 500;
    static constexpr std::int64_t kSafetyFloor = 1'000'000;
    static constexpr std::int64_t kSafetyCeiling = 8'000'000;
    static constexpr int kPassesToRelax = 600;      // without a late frame, the safety halves
    static constexpr int kEarlyPresentsToDoubt = 8; // in a row: a "waiting" present that does not

    // Starts afresh. refreshHz: what the display reports, 0 when unknown. presentWaits: the
    // renderer's present blocks until the next refresh.
    void reset(int refreshHz, bool presentWaits);

    // True when the renderer's present paces the frames, false when the clock does; the
    // renderer's wait for the refresh is of no use otherwise (below 60 Hz it would hold the
    // game under sixty passes). A renderer whose present should wait and keeps returning
    // early loses it.
    bool pacedByDisplay() const { return byDisplay; }

    // A present was asked for at `ready` (the pass and its drawing done) and returned at
    // `presented`. Returns the moment to wake for the next pass, which may already be past.
    std::int64_t afterPresent(std::int64_t ready, std::int64_t presented);

    // The current margin before the due time.
    std::int64_t margin() const { return costPercentile + safety; }

  private:
    void startAfresh(std::int64_t presented);
    void judgePresent(std::int64_t presented);
    void noteCost(std::int64_t cost);
    std::int64_t refreshPeriod() const { return kSecond / refresh; }
    std::int64_t wakeBefore(std::int64_t dueTime) const;

    bool byDisplay = false;
    int refresh = 0;       // Hz, when paced by the display
    bool started = false;  // a present has been seen since reset
    std::int64_t wake = 0; // the last wake handed out
    std::int64_t lastPresented = 0;
    std::int64_t due = 0;         // when the frame now being drawn is due
    std::int64_t clockOrigin = 0; // the clock's frames are due at origin + k/60 s
    std::uint64_t frame = 0;
    int earlyPresents = 0;
    int passesSinceLate = 0;
    std::int64_t safety = kSafetyFloor;
    std::int64_t costPercentile = 0;
    std::array<std::int64_t, 256> costs{};
    std::size_t costCount = 0;
    std::size_t costNext = 0;
};
