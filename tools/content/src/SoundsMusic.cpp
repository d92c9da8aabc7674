#include "Sounds.h"

#include <cmath>

namespace sounds {

using namespace synth;

namespace {

double noteFreq(int semitonesFromA4) {
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

// Named notes used by the tunes, as semitones from A4.
constexpr int G4 = -2, A4 = 0, C5 = 3, D5 = 5, E5 = 7, Fs5 = 9, G5 = 10, A5 = 12, C6 = 15, D6 = 17,
              E4 = -5, C4 = -9;

struct Note {
    int pitch;
    double at;
    double length;
    double loudness = 1.0;
};

// A trumpet-like voice: the tone brightens as it swells, starts a little flat, and gains a
// gentle vibrato on held notes.
Buffer brass(double freq, double length, double loudness) {
    const double release = 0.09;
    Buffer out = harmonicTone(
        length + release,
        [=](double t) {
            const double vibrato = 1 + 0.0045 * std::sin(2 * M_PI * 5.6 * t) * rise(t - 0.18, 0.2);
            return freq * (1 - 0.025 * fall(t, 0.02)) * vibrato;
        },
        [=](int h, double t) {
            const double swell = rise(t, 0.05);
            const double brightness = 1.5 + 4.0 * swell * loudness;
            return std::exp(-(h - 1) / brightness) / (1 + 0.15 * h);
        },
        7500);
    for (size_t n = 0; n < out.size(); ++n) {
        const double t = double(n) / rate;
        const double env =
            rise(t, 0.035) * (0.82 + 0.18 * fall(t, 0.12)) * (1 - rise(t - length, release));
        out[n] *= float(env * loudness);
    }
    return out;
}

Buffer timpani(double freq, double loudness) {
    Buffer out = silence(1.0);
    Random random(21);
    Biquad skin = Biquad::lowpass(500);
    double phase = 0;
    for (size_t n = 0; n < out.size(); ++n) {
        const double t = double(n) / rate;
        phase += 2 * M_PI * freq * (1 + 0.03 * fall(t, 0.05)) / rate;
        const double v = std::sin(phase) * fall(t, 0.35) +
                         0.35 * std::sin(1.5 * phase) * fall(t, 0.2) +
                         0.6 * skin(float(random.noise())) * fall(t, 0.02);
        out[n] = float(v * loudness * rise(t, 0.002));
    }
    return out;
}

Buffer play(const std::vector<Note>& notes) {
    Buffer out;
    for (const Note& note : notes)
        mix(out, brass(noteFreq(note.pitch), note.length, note.loudness), note.at, 0.3);
    apply(out, Biquad::lowpass(5500));
    return out;
}

} // namespace

Buffer fanfareRising() {
    Buffer out = play({{C5, 0.0, 0.15},
                       {E5, 0.18, 0.15},
                       {G5, 0.36, 0.15},
                       {C6, 0.54, 0.95},
                       {G4, 0.54, 0.95, 0.8},
                       {E5, 0.54, 0.95, 0.85}});
    mix(out, timpani(noteFreq(C4 - 12), 0.9), 0.0, 0.6);
    mix(out, timpani(noteFreq(C4 - 12), 1.0), 0.54, 0.8);
    fadeOut(out, 0.05);
    return out;
}

Buffer fanfareCall() {
    Buffer out = play({{G4, 0.0, 0.09},
                       {G4, 0.12, 0.09},
                       {G4, 0.24, 0.09},
                       {C5, 0.36, 0.36},
                       {G4, 0.78, 0.13},
                       {C5, 0.95, 0.13},
                       {E5, 1.12, 0.95},
                       {C5, 1.12, 0.95, 0.8},
                       {G4, 1.12, 0.95, 0.75},
                       {E4, 1.12, 0.95, 0.7}});
    mix(out, timpani(noteFreq(G4 - 24), 0.8), 0.36, 0.6);
    mix(out, timpani(noteFreq(C4 - 12), 1.0), 1.12, 0.8);
    fadeOut(out, 0.05);
    return out;
}

Buffer flute() {
    const std::vector<Note> tune{{D5, 0.0, 0.17},  {E5, 0.19, 0.17},  {Fs5, 0.38, 0.17},
                                 {A5, 0.57, 0.34}, {Fs5, 0.95, 0.17}, {A5, 1.14, 0.17},
                                 {D6, 1.33, 0.72}};
    Buffer out;
    Random random(31);
    for (const Note& note : tune) {
        const double f0 = noteFreq(note.pitch);
        const double release = 0.07;
        Buffer tone = harmonicTone(
            note.length + release,
            [=](double t) {
                return f0 * (1 + 0.006 * std::sin(2 * M_PI * 5.2 * t) * rise(t - 0.15, 0.2));
            },
            [](int h, double) {
                return h == 1 ? 1.0 : h == 2 ? 0.32 : h == 3 ? 0.1 : h == 4 ? 0.04 : 0.0;
            });
        Biquad breath = Biquad::bandpass(f0 * 2, 1.5);
        for (size_t n = 0; n < tone.size(); ++n) {
            const double t = double(n) / rate;
            const double env = rise(t, 0.045) * (1 - rise(t - note.length, release));
            const double air = breath(float(random.noise())) * (0.06 + 0.35 * fall(t, 0.03));
            tone[n] = float((tone[n] + air) * env);
        }
        mix(out, tone, note.at, 0.5);
    }
    fadeOut(out, 0.03);
    return out;
}

// Many inharmonic partials that die away at their own pace, the lower ones slowest; the upper
// ones bloom a moment after the strike, and each has a slightly detuned twin that shimmers.
Buffer gong() {
    const double f0 = 82;
    struct Partial {
        double freq, level, decay, bloom;
    };
    std::vector<Partial> partials;
    Random random(41);
    double ratio = 1.0;
    for (int i = 0; i < 44; ++i) {
        partials.push_back({f0 * ratio, 1.0 / std::pow(ratio, 0.75), 2.6 / std::pow(ratio, 0.33),
                            ratio > 3 ? random.between(0.12, 0.4) : 0.0});
        ratio *= random.between(1.06, 1.14);
    }
    Buffer out = silence(2.85);
    Biquad mallet = Biquad::lowpass(450);
    for (size_t n = 0; n < out.size(); ++n) {
        const double t = double(n) / rate;
        double v = 0;
        for (const Partial& p : partials) {
            const double bloom = p.bloom > 0 ? 0.3 + 0.7 * (1 - fall(t, p.bloom)) : 1.0;
            v += p.level * bloom * fall(t, p.decay) *
                 (std::sin(2 * M_PI * p.freq * t) + 0.5 * std::sin(2 * M_PI * (p.freq + 0.8) * t));
        }
        v += 3.0 * mallet(float(random.noise())) * fall(t, 0.025);
        out[n] = float(v * rise(t, 0.004));
    }
    apply(out, Biquad::lowpass(5000));
    fadeOut(out, 0.5);
    return out;
}

// A snare roll that swells, then an accented hit with a bass drum and a cymbal.
Buffer drumroll() {
    Buffer out = silence(2.9);
    Random random(51);
    const double rollEnd = 1.85;
    auto stroke = [&](double at, double loudness, double brightness) {
        Buffer hit = silence(0.2);
        Biquad wires = Biquad::bandpass(brightness, 0.9);
        Biquad soften = Biquad::lowpass(9000);
        for (size_t n = 0; n < hit.size(); ++n) {
            const double t = double(n) / rate;
            const double shell = 0.5 * std::sin(2 * M_PI * 185 * t) * fall(t, 0.03) +
                                 0.25 * std::sin(2 * M_PI * 330 * t) * fall(t, 0.02);
            hit[n] = float((shell + 1.4 * soften(wires(float(random.noise()))) * fall(t, 0.06)) *
                           rise(t, 0.0008));
        }
        mix(out, hit, at, loudness);
    };
    int count = 0;
    for (double t = 0; t < rollEnd; t += 1.0 / 30, ++count) {
        const double swell = 0.25 + 0.6 * std::pow(t / rollEnd, 1.6);
        const double hand = count % 2 ? 0.9 : 1.0;
        stroke(t + random.between(-0.003, 0.003), swell * hand * random.between(0.85, 1.0),
               4200 + random.between(-400, 400));
    }
    stroke(rollEnd + 0.05, 1.5, 3800);
    Buffer boom = silence(0.6);
    for (size_t n = 0; n < boom.size(); ++n) {
        const double t = double(n) / rate;
        boom[n] = float(std::sin(2 * M_PI * (55 + 30 * fall(t, 0.04)) * t) * fall(t, 0.22));
    }
    mix(out, boom, rollEnd + 0.05, 1.2);
    Buffer crash = silence(1.0);
    Biquad sizzle = Biquad::highpass(4500);
    std::vector<double> bells;
    for (int i = 0; i < 30; ++i)
        bells.push_back(random.between(3000, 9000));
    for (size_t n = 0; n < crash.size(); ++n) {
        const double t = double(n) / rate;
        double ring = 0;
        for (double f : bells)
            ring += std::sin(2 * M_PI * f * t);
        crash[n] = float((0.8 * sizzle(float(random.noise())) + 0.02 * ring) * fall(t, 0.32) *
                         rise(t, 0.002));
    }
    mix(out, crash, rollEnd + 0.05, 0.55);
    fadeOut(out, 0.4);
    return out;
}

} // namespace sounds
