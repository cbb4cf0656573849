#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A multiset of 64-bit keys in one array (open addressing, linear probing):
// eight bytes a key, whatever the keys stand for.
class CKeyMultiset {
public:
    void Add(std::uint64_t key);
    // Removes one occurrence of the key; false when there was none.
    bool Remove(std::uint64_t key);
    bool Contains(std::uint64_t key) const;
    std::size_t Size() const { return m_size; }
    // Removes every key and gives the array back.
    void Clear();

private:
    // 0 marks a free slot, so the key 0 is kept as 1.
    static std::uint64_t Stored(std::uint64_t key) { return key != 0 ? key : 1; }
    std::size_t Home(std::uint64_t stored) const {
        return static_cast<std::size_t>(stored) & (m_slots.size() - 1);
    }
    // The slot holding the key, or the size of the array when none does.
    std::size_t Find(std::uint64_t stored) const;
    void Grow();

    std::vector<std::uint64_t> m_slots;  // a power of two long, or empty
    std::size_t m_size = 0;
};

// A 64-bit key for a pair of texts: SipHash-1-3 of the first text's length
// and both texts, under a key drawn once per process. Two different pairs
// share a key with a chance of about one in 2^64, and, the key being
// secret, no list file can be made to make them meet.
std::uint64_t TextPairKey(const std::string& first, const std::string& second);
