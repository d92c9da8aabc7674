#include "Sounds.h"

#include <cmath>

namespace sounds {

using namespace synth;

namespace {

struct Vowel {
    double f1, f2, f3;
};
constexpr Vowel ah{760, 1250, 2600};
constexpr Vowel ay{520, 1850, 2550};
constexpr Vowel oo{330, 880, 2300};

// One voice of a crowd: a buzzy tone shaped into a vowel by three resonances.
Buffer voice(double seconds, double pitch, double lift, Vowel from, Vowel to, Random& random) {
    const double vibRate = random.between(5, 7);
    Buffer source = harmonicTone(
        seconds,
        [=](double t) {
            const double x = t / seconds;
            const double contour =
                1 + lift * rise(t, seconds * 0.3) - 0.5 * lift * rise(x - 0.75, 0.25);
            return pitch * contour * (1 + 0.02 * std::sin(2 * M_PI * vibRate * t));
        },
        [](int h, double) { return 1.0 / h; }, 6000);
    Buffer out(source.size());
    for (int formant = 0; formant < 3; ++formant) {
        const double gain = formant == 0 ? 1.0 : formant == 1 ? 0.6 : 0.25;
        Biquad filter = Biquad::bandpass(formant == 0   ? from.f1
                                         : formant == 1 ? from.f2
                                                        : from.f3,
                                         5.0);
        for (size_t n = 0; n < source.size(); ++n) {
            if (n % 128 == 0) {
                const double x = rise(double(n) / rate, seconds * 0.4);
                const double a = formant == 0 ? from.f1 : formant == 1 ? from.f2 : from.f3;
                const double b = formant == 0 ? to.f1 : formant == 1 ? to.f2 : to.f3;
                filter.retune(Biquad::bandpass(a + (b - a) * x, 5.0));
            }
            out[n] += float(filter(source[n]) * gain);
        }
    }
    for (size_t n = 0; n < out.size(); ++n) {
        const double t = double(n) / rate;
        out[n] *= float(rise(t, 0.04) * (1 - rise(t - seconds + 0.18, 0.18)));
    }
    return out;
}

// The wash of many far voices: noise in the voice band with a slowly wandering level.
Buffer roar(double seconds, uint64_t seed) {
    Buffer out = silence(seconds);
    Random random(seed);
    Biquad low = Biquad::highpass(280);
    Biquad high = Biquad::lowpass(2600);
    Biquad shape = Biquad::bandpass(900, 0.8);
    double level = 0.7;
    for (size_t n = 0; n < out.size(); ++n) {
        if (n % 441 == 0)
            level = std::clamp(level + random.between(-0.08, 0.08), 0.45, 1.0);
        const float x = float(random.noise());
        out[n] = float((high(low(x)) + 0.8 * shape(x)) * level);
    }
    return out;
}

} // namespace

Buffer clapping(int people, double seconds, uint64_t seed, double rateLo, double rateHi) {
    Buffer out = silence(seconds);
    Random random(seed);
    for (int person = 0; person < people; ++person) {
        const double period = 1.0 / random.between(rateLo, rateHi);
        const double centre = random.between(900, 2300);
        const double decay = random.between(0.007, 0.013);
        const double loudness = random.between(0.6, 1.0);
        for (double at = random.uniform() * period; at < seconds - 0.05; at += period) {
            Buffer clap = silence(0.08);
            Biquad body = Biquad::bandpass(centre, 1.3);
            Biquad snap = Biquad::highpass(3000);
            Biquad soften = Biquad::lowpass(8000);
            for (size_t n = 0; n < clap.size(); ++n) {
                const double t = double(n) / rate;
                const float x = float(random.noise());
                clap[n] = soften(
                    float((body(x) * 1.6 + 0.2 * snap(x)) * fall(t, decay) * rise(t, 0.0006)));
            }
            mix(out, clap, at + random.between(-0.012, 0.012),
                loudness * random.between(0.75, 1.0));
        }
    }
    return out;
}

Buffer crowdCheer() {
    const double seconds = 2.7;
    Buffer out = roar(seconds, 61);
    for (size_t n = 0; n < out.size(); ++n) {
        const double t = double(n) / rate;
        out[n] *= float(0.35 * rise(t, 0.3));
    }
    Random random(62);
    for (int i = 0; i < 34; ++i) {
        const bool child = i % 3 == 0;
        const double pitch = child ? random.between(300, 440) : random.between(150, 260);
        const double length = random.between(0.7, 1.5);
        const double start = random.between(0.0, 0.9);
        const Vowel to = i % 2 ? ah : ay;
        mix(out, voice(length, pitch, random.between(0.15, 0.4), ah, to, random), start,
            random.between(0.25, 0.45));
    }
    mix(out, clapping(12, seconds, 63, 3.5, 5.0), 0.2, 0.35);
    fadeIn(out, 0.05);
    fadeOut(out, 0.9);
    return out;
}

Buffer hooray() {
    const double seconds = 2.4;
    Buffer out = roar(seconds, 71);
    for (size_t n = 0; n < out.size(); ++n) {
        const double t = double(n) / rate;
        out[n] *= float(0.25 * rise(t - 0.25, 0.2));
    }
    Random random(72);
    // "Hoo-" low and short, then "-ray!" rising and held, by twenty children and grown-ups.
    for (int i = 0; i < 20; ++i) {
        const bool child = i % 2 == 0;
        const double pitch = child ? random.between(290, 400) : random.between(160, 230);
        const double start = random.between(0.0, 0.07);
        mix(out, voice(0.22, pitch * 0.9, 0.05, oo, oo, random), start, 0.35);
        mix(out,
            voice(random.between(0.8, 1.3), pitch * 1.1, random.between(0.3, 0.5), ah, ay, random),
            start + 0.2 + random.between(0, 0.04), 0.45);
    }
    mix(out, clapping(10, seconds - 0.3, 73, 3.8, 5.2), 0.45, 0.4);
    fadeOut(out, 0.7);
    return out;
}

Buffer applause() {
    Buffer out = clapping(16, 2.6, 81, 3.6, 5.0);
    fadeIn(out, 0.2);
    fadeOut(out, 0.8);
    return out;
}

Buffer politeClapping() {
    Buffer out = clapping(4, 2.0, 91, 2.6, 3.4);
    fadeOut(out, 0.5);
    return out;
}

} // namespace sounds
