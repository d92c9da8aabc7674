#pragma once

#include "Synth.h"

#include <QString>

#include <vector>

// The program's sounds, each made dry here and finished (room, level, 16-bit) by sox.
namespace sounds {

struct Sound {
    QString name; // file name in the wav folder
    synth::Buffer (*make)();
    QString soxEffects; // finishing effects before the level is set
    double tail = 0;    // seconds of room sound let ring after the dry sound ends
};

const std::vector<Sound>& all();

synth::Buffer click();
synth::Buffer typekey();
synth::Buffer thud();
synth::Buffer laser();
synth::Buffer whizz();
synth::Buffer klaxon();
synth::Buffer clownHorn();

synth::Buffer fanfareRising();
synth::Buffer fanfareCall();
synth::Buffer flute();
synth::Buffer gong();
synth::Buffer drumroll();

synth::Buffer crowdCheer();
synth::Buffer hooray();
synth::Buffer applause();
synth::Buffer politeClapping();

// Shared by the crowd sounds: claps of a number of people for the given time.
synth::Buffer clapping(int people, double seconds, uint64_t seed, double rateLo, double rateHi);

} // namespace sounds
