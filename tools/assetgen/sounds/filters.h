#pragma once
// The few filters the sounds need, each processing one sample at a time.

// One-pole low-pass; the cutoff may change from sample to sample.
class LowPass {
  public:
    float process(float in, double cutoff, int rate);

  private:
    float state = 0.0f;
};

// One-pole high-pass (the input minus its low-passed self).
class HighPass {
  public:
    float process(float in, double cutoff, int rate);

  private:
    LowPass low;
};

// Two-pole band-pass with 0 dB at its centre; the centre may move as the sound goes on.
class BandPass {
  public:
    float process(float in, double centre, double q, int rate);

  private:
    void design(double centre, double q, int rate);
    double b0 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    double designedCentre = -1, designedQ = -1;
};
