#pragma once
// The frame clock: sampled once per main-loop pass, read by everyone during the pass.
#include <cstdint>

// Where the clock's samples come from. The game uses the system's monotonic clock; tests and
// the simulator plug in a manual source with a fixed frame time. Sources are never deleted
// through this base, so it needs no virtual destructor and a global source has no exit-time
// destructor.
class ClockSource {
  public:
    virtual std::uint64_t
    frequency() const = 0;                     // counts per second; 0 = no high-resolution counter
    virtual std::uint64_t counter() const = 0; // the high-resolution count, monotonic
    virtual std::uint32_t ticks() const = 0;   // milliseconds, the low-resolution fallback

  protected:
    ~ClockSource() = default;
};

// Replaces the sample source (nullptr restores the system's), read from the next sample on; set
// it before startClock so that the start count comes from it too.
void setClockSource(const ClockSource* source);

// Empties the debug log, chooses the timer (1 = high resolution, 0 = milliseconds) and logs
// the choice.
void startClock();

// Takes this pass's sample. now() advances to it; frameTime() becomes the time since the
// previous sample, or keeps its value when the timer has not advanced. A gap of more than
// 250 ms is a stall: the game advances by 250 ms, the rest is left out as time away, and
// the log says how long it stood still (except for the first two samples, which span the
// start-up's own work).
void updateClock();

// The player is away: the time from here to resumeClock counts for nothing, neither in now()
// nor in the next frameTime().
void holdClock();
void resumeClock();

// Milliseconds since an origin 60 000 ms before startClock: 0 lies in the past, so a "never
// yet" time of 0 reads as long ago, and the float keeps sub-millisecond steps however long
// the machine has been up.
float now();

// Duration of the previous pass in milliseconds, from the exact counter difference; 0 until
// the timer first advances.
float frameTime();

// 1 when the high-resolution counter is in use, 0 on the millisecond timer.
int clockMode();

// What a demo records of the clock: the counts per second (0 on the millisecond timer), the
// raw count at startClock, and this pass's sample as the raw count that now() and frameTime()
// are worked out from, time away and stalls already left out. A source that hands back the
// same counts gives bit-identical now() and frameTime().
std::uint64_t clockFrequency();
std::uint64_t clockStartCount();
std::uint64_t clockSampleCount();
