#pragma once
// Listening to what OpenAL Soft really mixed: its wave driver (chosen by ALSOFT_DRIVERS in the
// test's environment) writes the mix to a file while the device is open.
#include <filesystem>
#include <initializer_list>
#include <vector>

// Points the wave driver at "mix.wav" in the working directory (mono, 16-bit, 22050 Hz).
// Call before initSound. The library reads its settings once per process, which is why the
// file name is relative: each test's own working directory gets its own recording.
void recordMixHere();

// The recording, cut into 20 ms slices. Read it after shutdownSound has closed the device.
class Mix {
  public:
    Mix();

    bool valid() const { return rate > 0 && !mono.empty(); }
    double seconds() const;
    // Seconds, counted in whole slices, in which a tone of this frequency is heard.
    double heardSeconds(double frequency) const;
    // How many separate stretches the tone is heard in (a gap of one slice splits them).
    int stretches(double frequency) const;
    // Whether the tone is heard all through the last `tail` seconds before shutdown. The
    // final 60 ms are left out: shutting down stops every sound before the device closes.
    bool heardAtEnd(double frequency, double tail) const;
    // Loudness of the last `tail` seconds, dBFS.
    double endLevelDb(double tail) const;
    // Loudness of the whole recording, dBFS.
    double levelDb() const;

  private:
    bool heardIn(double frequency, std::size_t slice) const;
    std::vector<float> mono;
    int rate = 0;
    std::size_t sliceFrames = 1;
};

struct ToneSegment {
    double frequency;
    double seconds;
};

// Writes a mono 22050 Hz test sound of sine segments at amplitude 0.5, one after another.
void writeTones(const std::filesystem::path& file, std::initializer_list<ToneSegment> segments);

// Lets the mixer run on for a while; the wave driver keeps pace with the wall clock.
void listen(int milliseconds);
