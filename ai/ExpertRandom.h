#pragma once

#include <cstdint>

// The Expert's random numbers: a 64-bit counter scrambled by splitmix64, so
// one seed gives one stream on every machine and compiler.
class CExpertRandom
{
public:
    explicit CExpertRandom(std::uint64_t seed) : m_state(seed) {}   // the stream that seed starts

    // The next 64 random bits.
    std::uint64_t Next()
    {
        m_state += 0x9E3779B97F4A7C15ull;
        std::uint64_t mixed = m_state;
        mixed = (mixed ^ (mixed >> 30)) * 0xBF58476D1CE4E5B9ull;
        mixed = (mixed ^ (mixed >> 27)) * 0x94D049BB133111EBull;
        return mixed ^ (mixed >> 31);
    }

    // 0..count - 1; the high half times count, so no division.
    int Below(int count)
    {
        return static_cast<int>(((Next() >> 32) * static_cast<std::uint64_t>(count)) >> 32);
    }

    std::uint64_t m_state;                  // advanced by a fixed odd step per number
};
