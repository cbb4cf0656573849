#pragma once
#include <cstdint>

// The linear congruential generator of the C runtime, written out so that
// the sequence is the same on every platform: a 32-bit state, each draw
// s = s * 214013 + 2531011 (mod 2^32), yielding bits 16..30 of s.
class CRandomGenerator {
public:
    explicit CRandomGenerator(std::uint32_t seed) : m_state(seed) {}

    // The next value, 0..32767.
    int Next();

private:
    std::uint32_t m_state;
};
