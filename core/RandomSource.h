#pragma once

#include <array>
#include <cstdint>

// The program's one random generator: xoshiro256** (256 bits of state, so every
// one of the 52! orders of a deck is reachable), seeded from the operating
// system's entropy source. reseed() mixes a value into the running state
// instead of restarting a sequence, so reseeding twice with the same clock
// value still gives two different next values.
class RandomSource
{
public:
    RandomSource();                                   // seeded from std::random_device
    explicit RandomSource(const std::array<std::uint64_t, 4> &state); // fixed, for tests

    void reseed(float value);
    std::uint64_t next();
    // Uniform in [0, 1), in single precision (24 random bits).
    float nextSingle();

    static RandomSource &shared();

private:
    std::array<std::uint64_t, 4> m_s{};
    std::uint64_t m_reseeds = 0;
};
