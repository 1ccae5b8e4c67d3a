#include "core/RandomSource.h"

#include <bit>
#include <cstring>
#include <random>

namespace {

std::uint64_t splitmix64(std::uint64_t &x)
{
    std::uint64_t z = (x += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

} // namespace

RandomSource::RandomSource()
{
    std::random_device device;
    std::seed_seq seq{device(), device(), device(), device(), device(), device(), device(), device()};
    std::array<std::uint32_t, 8> words{};
    seq.generate(words.begin(), words.end());
    for (int i = 0; i < 4; ++i)
        m_s[i] = (std::uint64_t(words[2 * i]) << 32) | words[2 * i + 1];
    if ((m_s[0] | m_s[1] | m_s[2] | m_s[3]) == 0)
        m_s[0] = 1;
}

RandomSource::RandomSource(const std::array<std::uint64_t, 4> &state) : m_s(state)
{
    if ((m_s[0] | m_s[1] | m_s[2] | m_s[3]) == 0)
        m_s[0] = 1;
}

void RandomSource::reseed(float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    // Hash the clock value and fold it into every word of the state; the state
    // has moved on since the last reseed and the count of reseeds differs, so
    // equal clock values never cancel out or repeat a value.
    std::uint64_t x = bits ^ (++m_reseeds << 32);
    for (auto &word : m_s)
        word ^= splitmix64(x);
    if ((m_s[0] | m_s[1] | m_s[2] | m_s[3]) == 0)
        m_s[0] = 1;
}

std::uint64_t RandomSource::next()
{
    const std::uint64_t result = std::rotl(m_s[1] * 5, 7) * 9;
    const std::uint64_t t = m_s[1] << 17;
    m_s[2] ^= m_s[0];
    m_s[3] ^= m_s[1];
    m_s[1] ^= m_s[2];
    m_s[0] ^= m_s[3];
    m_s[2] ^= t;
    m_s[3] = std::rotl(m_s[3], 45);
    return result;
}

float RandomSource::nextSingle()
{
    return float(next() >> 40) * 0x1.0p-24f;
}

RandomSource &RandomSource::shared()
{
    static RandomSource source;
    return source;
}
