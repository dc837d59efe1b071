#include "artgen.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr int sampleRate = 22050;

struct Note
{
    double start;    // seconds
    double length;   // seconds
    double frequency;
    double attack;   // seconds to full strength
    double decay;    // time constant of the fall after the attack
    double overtone; // strength of the octave above, for a rounder tone
};

std::vector<double> render(std::initializer_list<Note> notes, double length)
{
    std::vector<double> samples(static_cast<size_t>(length * sampleRate), 0.0);
    for (const Note &note : notes) {
        const auto first = static_cast<size_t>(note.start * sampleRate);
        const auto count = static_cast<size_t>(note.length * sampleRate);
        for (size_t i = 0; i < count && first + i < samples.size(); ++i) {
            const double t = double(i) / sampleRate;
            const double rise = std::min(1.0, t / note.attack);
            // A short cosine fade at the note's end avoids a click.
            const double tail = note.length - t;
            const double release = tail < 0.03 ? 0.5 - 0.5 * std::cos(std::numbers::pi * tail / 0.03) : 1.0;
            const double envelope = rise * std::exp(-t / note.decay) * release;
            const double phase = 2 * std::numbers::pi * note.frequency * t;
            samples[first + i] += envelope * (std::sin(phase) + note.overtone * std::sin(2 * phase));
        }
    }
    return samples;
}

QByteArray wav(const std::vector<double> &samples, double peak)
{
    double loudest = 0;
    for (double sample : samples)
        loudest = std::max(loudest, std::abs(sample));
    const double gain = loudest > 0 ? peak * 32767 / loudest : 0;

    const auto dataBytes = quint32(samples.size() * 2);
    QByteArray file;
    auto put32 = [&](quint32 value) {
        char bytes[4];
        qToLittleEndian(value, bytes);
        file.append(bytes, 4);
    };
    auto put16 = [&](quint16 value) {
        char bytes[2];
        qToLittleEndian(value, bytes);
        file.append(bytes, 2);
    };
    file.append("RIFF");
    put32(36 + dataBytes);
    file.append("WAVEfmt ");
    put32(16);
    put16(1); // PCM
    put16(1); // mono
    put32(sampleRate);
    put32(sampleRate * 2);
    put16(2);
    put16(16);
    file.append("data");
    put32(dataBytes);
    for (double sample : samples)
        put16(quint16(qint16(std::lround(sample * gain))));
    return file;
}

} // namespace

// A rising major arpeggio with bell-like decays.
QByteArray chimeWav()
{
    return wav(render({{0.00, 0.30, 523.25, 0.006, 0.16, 0.25},
                       {0.09, 0.30, 659.25, 0.006, 0.16, 0.25},
                       {0.18, 0.30, 783.99, 0.006, 0.16, 0.25},
                       {0.27, 0.45, 1046.50, 0.006, 0.20, 0.20}},
                      0.72),
               0.6);
}

// Two soft falling notes with slow attacks.
QByteArray tryAgainWav()
{
    return wav(render({{0.00, 0.24, 392.00, 0.03, 0.50, 0.12}, {0.22, 0.36, 329.63, 0.03, 0.30, 0.12}}, 0.6),
               0.45);
}
