#include "Sounds.h"

#include <cmath>

namespace sounds {

using namespace synth;

Buffer click() {
    Buffer out = silence(0.045);
    Random random(11);
    Biquad air = Biquad::bandpass(3200, 1.2);
    for (size_t n = 0; n < out.size(); ++n) {
        const double t = double(n) / rate;
        const double tone = 0.8 * std::sin(2 * M_PI * 1850 * t) * fall(t, 0.0045) +
                            0.5 * std::sin(2 * M_PI * 920 * t) * fall(t, 0.007);
        const double tick = air(float(random.noise())) * fall(t, 0.0018) * 0.9;
        out[n] = float((tone + tick) * rise(t, 0.0008));
    }
    fadeOut(out, 0.008);
    return out;
}

Buffer typekey() {
    Buffer out = silence(0.16);
    Random random(12);
    Biquad keyTick = Biquad::highpass(2500);
    Biquad strike = Biquad::bandpass(2400, 1.4);
    Biquad escape = Biquad::bandpass(6000, 2.0);
    const double strikeAt = 0.032;
    const double escapeAt = 0.082;
    for (size_t n = 0; n < out.size(); ++n) {
        const double t = double(n) / rate;
        const double noise = random.noise();
        double v = 0.25 * keyTick(float(noise)) * fall(t, 0.003);
        if (t >= strikeAt) {
            const double s = t - strikeAt;
            v += 1.3 * strike(float(noise)) * fall(s, 0.006);
            v += 0.12 * (std::sin(2 * M_PI * 3100 * s) * fall(s, 0.03) +
                         std::sin(2 * M_PI * 4700 * s) * fall(s, 0.022) +
                         std::sin(2 * M_PI * 5900 * s) * fall(s, 0.015));
            v += 0.55 * std::sin(2 * M_PI * 165 * s) * fall(s, 0.022);
        }
        if (t >= escapeAt)
            v += 0.3 * escape(float(noise)) * fall(t - escapeAt, 0.002);
        out[n] = float(v);
    }
    fadeOut(out, 0.01);
    return out;
}

Buffer thud() {
    Buffer out = silence(0.32);
    Random random(13);
    Biquad body = Biquad::lowpass(320);
    Biquad tap = Biquad::bandpass(900, 1.5);
    double phase = 0;
    for (size_t n = 0; n < out.size(); ++n) {
        const double t = double(n) / rate;
        const double f = 55 + 45 * fall(t, 0.03);
        phase += 2 * M_PI * f / rate;
        const double noise = random.noise();
        double v = std::sin(phase) * fall(t, 0.075);
        v += 0.9 * body(float(noise)) * fall(t, 0.025);
        v += 0.18 * tap(float(noise)) * fall(t, 0.008);
        out[n] = float(v * rise(t, 0.003));
    }
    fadeOut(out, 0.05);
    return out;
}

Buffer laser() {
    Buffer out;
    for (int zap = 0; zap < 3; ++zap) {
        const double top = 1900 - zap * 120;
        Buffer one = harmonicTone(
            0.24,
            [&](double t) {
                const double sweep = top * std::pow(260.0 / top, std::min(1.0, t / 0.22));
                return sweep * (1 + 0.02 * std::sin(2 * M_PI * 55 * t));
            },
            [](int h, double) {
                return h == 1 ? 1.0 : h == 2 ? 0.3 : h == 3 ? 0.12 : 0.0;
            });
        for (size_t n = 0; n < one.size(); ++n) {
            const double t = double(n) / rate;
            one[n] *= float(rise(t, 0.004) * fall(t, 0.09));
        }
        fadeOut(one, 0.02);
        mix(out, one, zap * 0.27, 1.0 - zap * 0.12);
    }
    apply(out, Biquad::lowpass(6000));
    return out;
}

Buffer whizz() {
    const double climb = 1.05;
    Buffer out = silence(1.75);
    Random random(14);
    double phase = 0;
    Biquad rush = Biquad::bandpass(800, 2.0);
    for (size_t n = 0; n < out.size(); ++n) {
        const double t = double(n) / rate;
        if (t > climb + 0.05)
            break;
        const double x = std::min(1.0, t / climb);
        const double f = 620 * std::pow(3000.0 / 620, x) * (1 + 0.012 * std::sin(2 * M_PI * 9 * t));
        phase += 2 * M_PI * f / rate;
        if (n % 64 == 0)
            rush.retune(Biquad::bandpass(f * 1.6, 2.0));
        const double swell = rise(t, 0.5) * (1 - rise(t - climb + 0.12, 0.15));
        out[n] = float((0.55 * std::sin(phase) + 0.9 * rush(float(random.noise()))) * swell);
    }
    // A soft pop and a sprinkle of sparkles where the rocket bursts.
    Biquad pop = Biquad::lowpass(1800);
    for (size_t n = samples(climb); n < out.size(); ++n) {
        const double s = double(n) / rate - climb;
        out[n] += float(0.8 * pop(float(random.noise())) * fall(s, 0.03));
    }
    for (int i = 0; i < 26; ++i) {
        const double at = climb + 0.05 + random.uniform() * 0.55;
        const double f = random.between(2500, 6000);
        Buffer spark = silence(0.05);
        for (size_t n = 0; n < spark.size(); ++n) {
            const double t = double(n) / rate;
            spark[n] = float(std::sin(2 * M_PI * f * t) * fall(t, 0.008));
        }
        mix(out, spark, at, 0.22 * (1 - (at - climb) / 0.7));
    }
    fadeOut(out, 0.1);
    return out;
}

Buffer klaxon() {
    Buffer out;
    for (int honk = 0; honk < 2; ++honk) {
        const double len = 0.62;
        Buffer one = harmonicTone(
            len,
            [](double t) {
                if (t < 0.3)
                    return 175 + 160 * rise(t, 0.3);
                if (t < 0.46)
                    return 335.0;
                return 335 - 85 * rise(t - 0.46, 0.12);
            },
            [](int h, double) { return 1.0 / std::pow(h, 0.9); }, 7000);
        for (size_t n = 0; n < one.size(); ++n) {
            const double t = double(n) / rate;
            const double env = rise(t, 0.02) * (1 - rise(t - len + 0.05, 0.05));
            one[n] = float(std::tanh(1.4 * one[n] * 0.5) * env);
        }
        Buffer horn = one;
        apply(horn, Biquad::bandpass(1050, 1.0));
        apply(one, Biquad::lowpass(2600));
        mix(one, horn, 0, 1.2);
        mix(out, one, honk * 0.78);
    }
    apply(out, Biquad::lowpass(4000));
    return out;
}

Buffer clownHorn() {
    Buffer out;
    const double lengths[] = {0.2, 0.32};
    const double pitches[] = {452, 418};
    const double starts[] = {0.0, 0.3};
    for (int honk = 0; honk < 2; ++honk) {
        const double len = lengths[honk];
        const double f0 = pitches[honk];
        Buffer one = harmonicTone(
            len,
            [&](double t) {
                return f0 * (1 - 0.06 * fall(t, 0.015)) * (1 - 0.05 * rise(t - len + 0.08, 0.08));
            },
            [](int h, double) { return (h % 2 ? 1.0 : 0.6) / h; }, 8000);
        for (size_t n = 0; n < one.size(); ++n) {
            const double t = double(n) / rate;
            const double rough = 1 + 0.2 * std::sin(2 * M_PI * 34 * t);
            const double env = rise(t, 0.012) * (1 - rise(t - len + 0.03, 0.03));
            one[n] = float(one[n] * rough * env);
        }
        Buffer nasal = one;
        apply(nasal, Biquad::bandpass(1250, 2.2));
        Buffer bright = one;
        apply(bright, Biquad::bandpass(2700, 3.0));
        apply(one, Biquad::lowpass(1800));
        mix(one, nasal, 0, 1.6);
        mix(one, bright, 0, 0.7);
        mix(out, one, starts[honk]);
    }
    apply(out, Biquad::lowpass(5000));
    fadeOut(out, 0.02);
    return out;
}

} // namespace sounds
