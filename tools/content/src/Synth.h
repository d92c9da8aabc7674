#pragma once

#include <QString>

#include <cmath>
#include <cstdint>
#include <vector>

// A small synthesiser for the program's sounds: buffers of float samples, a few oscillators,
// filters and envelopes. Reverb and loudness are left to sox afterwards.
namespace synth {

constexpr int rate = 44100;
using Buffer = std::vector<float>;

class Random {
public:
    explicit Random(uint64_t seed) : state_(seed * 2654435761u + 1) {}
    double uniform(); // [0, 1)
    double between(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    double noise() { return 2 * uniform() - 1; }

private:
    uint64_t state_;
};

// Two-pole filter after the well-known audio cookbook formulas.
class Biquad {
public:
    static Biquad lowpass(double freq, double q = 0.707);
    static Biquad highpass(double freq, double q = 0.707);
    static Biquad bandpass(double freq, double q);
    float operator()(float x);
    // Takes another filter's tuning but keeps this one's memory, so a sweep has no clicks.
    void retune(const Biquad& other);

private:
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

Buffer silence(double seconds);
size_t samples(double seconds);
// Adds src into dst starting at the given time, growing dst if needed.
void mix(Buffer& dst, const Buffer& src, double at, double gain = 1.0);
void apply(Buffer& buffer, Biquad filter);
// A fade to silence over the last seconds of the buffer, so nothing ends with a click.
void fadeOut(Buffer& buffer, double seconds);
void fadeIn(Buffer& buffer, double seconds);
double peak(const Buffer& buffer);

// Envelope helpers: a smooth rise over a time, and an exponential fall with a time constant.
double rise(double t, double time);
double fall(double t, double tau);

// Harmonic tone whose partial h has amplitude weight(h); frequency may vary per sample.
template <typename Freq, typename Weight>
Buffer harmonicTone(double seconds, Freq freqAt, Weight weight, double maxFreq = 9000) {
    Buffer out(samples(seconds));
    double phase = 0;
    for (size_t n = 0; n < out.size(); ++n) {
        const double t = double(n) / rate;
        const double f = freqAt(t);
        phase += 2 * 3.14159265358979323846 * f / rate;
        double sum = 0;
        for (int h = 1; h * f < maxFreq && h <= 40; ++h)
            sum += weight(h, t) * std::sin(h * phase);
        out[n] = float(sum);
    }
    return out;
}

// Writes 32-bit float mono WAV: the sox stage does the final level and the 16-bit file.
bool writeFloatWav(const QString& path, const Buffer& buffer);

} // namespace synth
