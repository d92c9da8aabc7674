#pragma once

#include <QByteArray>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <numbers>

// WAV files made in memory for the sound tests, so no test depends on content files.
namespace TestWave {

inline void put16(QByteArray& out, quint16 value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

inline void put32(QByteArray& out, quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

// A RIFF WAVE file with one "fmt " chunk and one "data" chunk holding `samples`.
inline QByteArray file(int rate, int channels, int bits, const QByteArray& samples,
                       quint16 formatTag = 1) {
    const int blockAlign = channels * bits / 8;
    QByteArray out("RIFF");
    put32(out, quint32(4 + 8 + 16 + 8 + samples.size()));
    out.append("WAVEfmt ");
    put32(out, 16);
    put16(out, formatTag);
    put16(out, quint16(channels));
    put32(out, quint32(rate));
    put32(out, quint32(rate * blockAlign));
    put16(out, quint16(blockAlign));
    put16(out, quint16(bits));
    out.append("data");
    put32(out, quint32(samples.size()));
    out.append(samples);
    return out;
}

// Mono 16-bit sine of `ms` milliseconds with short fades, so it starts and ends without a click.
inline QByteArray tone(int rate, int ms, double hertz, double amplitude = 0.6) {
    const int count = rate * ms / 1000;
    const int fade = rate / 200;
    QByteArray samples;
    for (int i = 0; i < count; ++i) {
        const double ramp = std::min({1.0, double(i) / fade, double(count - 1 - i) / fade});
        const double value = amplitude * ramp * std::sin(2 * std::numbers::pi * hertz * i / rate);
        put16(samples, quint16(qint16(std::lround(value * 32767))));
    }
    return samples;
}

inline QByteArray toneFile(int ms = 60) {
    return file(44100, 1, 16, tone(44100, ms, 1000));
}

} // namespace TestWave
