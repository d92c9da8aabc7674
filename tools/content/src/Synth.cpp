#include "Synth.h"

#include <QDataStream>
#include <QFile>

#include <algorithm>
#include <cmath>

namespace synth {

double Random::uniform() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return double(state_ >> 11) * (1.0 / 9007199254740992.0);
}

namespace {

struct Prewarp {
    double cosw, alpha;
};

Prewarp prewarp(double freq, double q) {
    const double w = 2 * M_PI * std::clamp(freq, 10.0, rate * 0.45) / rate;
    return {std::cos(w), std::sin(w) / (2 * q)};
}

} // namespace

Biquad Biquad::lowpass(double freq, double q) {
    const auto [c, alpha] = prewarp(freq, q);
    const double a0 = 1 + alpha;
    Biquad f;
    f.b0_ = (1 - c) / 2 / a0;
    f.b1_ = (1 - c) / a0;
    f.b2_ = f.b0_;
    f.a1_ = -2 * c / a0;
    f.a2_ = (1 - alpha) / a0;
    return f;
}

Biquad Biquad::highpass(double freq, double q) {
    const auto [c, alpha] = prewarp(freq, q);
    const double a0 = 1 + alpha;
    Biquad f;
    f.b0_ = (1 + c) / 2 / a0;
    f.b1_ = -(1 + c) / a0;
    f.b2_ = f.b0_;
    f.a1_ = -2 * c / a0;
    f.a2_ = (1 - alpha) / a0;
    return f;
}

Biquad Biquad::bandpass(double freq, double q) {
    const auto [c, alpha] = prewarp(freq, q);
    const double a0 = 1 + alpha;
    Biquad f;
    f.b0_ = alpha / a0;
    f.b1_ = 0;
    f.b2_ = -alpha / a0;
    f.a1_ = -2 * c / a0;
    f.a2_ = (1 - alpha) / a0;
    return f;
}

void Biquad::retune(const Biquad& other) {
    b0_ = other.b0_;
    b1_ = other.b1_;
    b2_ = other.b2_;
    a1_ = other.a1_;
    a2_ = other.a2_;
}

float Biquad::operator()(float x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return float(y);
}

size_t samples(double seconds) {
    return size_t(std::max(0.0, seconds) * rate + 0.5);
}

Buffer silence(double seconds) {
    return Buffer(samples(seconds), 0.0f);
}

void mix(Buffer& dst, const Buffer& src, double at, double gain) {
    const size_t start = samples(at);
    if (dst.size() < start + src.size())
        dst.resize(start + src.size(), 0.0f);
    for (size_t i = 0; i < src.size(); ++i)
        dst[start + i] += float(src[i] * gain);
}

void apply(Buffer& buffer, Biquad filter) {
    for (float& x : buffer)
        x = filter(x);
}

void fadeOut(Buffer& buffer, double seconds) {
    const size_t n = std::min(buffer.size(), samples(seconds));
    for (size_t i = 0; i < n; ++i) {
        const double g = double(i) / double(n);
        buffer[buffer.size() - 1 - i] *= float(g * g);
    }
}

void fadeIn(Buffer& buffer, double seconds) {
    const size_t n = std::min(buffer.size(), samples(seconds));
    for (size_t i = 0; i < n; ++i)
        buffer[i] *= float(double(i) / double(n));
}

double peak(const Buffer& buffer) {
    double top = 0;
    for (float x : buffer)
        top = std::max(top, double(std::abs(x)));
    return top;
}

double rise(double t, double time) {
    if (t <= 0)
        return 0;
    if (t >= time)
        return 1;
    const double x = t / time;
    return x * x * (3 - 2 * x);
}

double fall(double t, double tau) {
    return t <= 0 ? 1 : std::exp(-t / tau);
}

bool writeFloatWav(const QString& path, const Buffer& buffer) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.setFloatingPointPrecision(QDataStream::SinglePrecision);
    const double top = std::max(1e-9, peak(buffer));
    const quint32 dataBytes = quint32(buffer.size() * 4);
    // Float samples take the 18-byte format chunk and a fact chunk with the sample count.
    out.writeRawData("RIFF", 4);
    out << quint32(4 + 26 + 12 + 8 + dataBytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(18) << quint16(3) << quint16(1) << quint32(rate) << quint32(rate * 4)
        << quint16(4) << quint16(32) << quint16(0);
    out.writeRawData("fact", 4);
    out << quint32(4) << quint32(buffer.size());
    out.writeRawData("data", 4);
    out << dataBytes;
    // Scaled well below full scale so the room added by sox has headroom; sox sets the final peak.
    for (float x : buffer)
        out << float(x / top * 0.5);
    return out.status() == QDataStream::Ok && file.flush();
}

} // namespace synth
