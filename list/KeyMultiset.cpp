#include "list/KeyMultiset.h"

#include <chrono>
#include <random>

void CKeyMultiset::Add(std::uint64_t key) {
    // At most four slots in five are used, so that searches stay short.
    if ((m_size + 1) * 5 > m_slots.size() * 4)
        Grow();
    std::uint64_t stored = Stored(key);
    const std::size_t mask = m_slots.size() - 1;
    std::size_t slot = Home(stored);
    while (m_slots[slot] != 0)
        slot = (slot + 1) & mask;
    m_slots[slot] = stored;
    ++m_size;
}

// Empties the key's slot, then moves each later key of the run back into
// the gap when its home slot does not lie between the gap and it, so that
// every key stays reachable from its home slot without passing a free one.
bool CKeyMultiset::Remove(std::uint64_t key) {
    std::size_t gap = Find(Stored(key));
    if (gap == m_slots.size())
        return false;
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t next = (gap + 1) & mask; m_slots[next] != 0; next = (next + 1) & mask) {
        std::size_t home = Home(m_slots[next]);
        bool reachesGap = gap <= next ? (home <= gap || home > next) : (home <= gap && home > next);
        if (reachesGap) {
            m_slots[gap] = m_slots[next];
            gap = next;
        }
    }
    m_slots[gap] = 0;
    --m_size;
    return true;
}

bool CKeyMultiset::Contains(std::uint64_t key) const {
    return Find(Stored(key)) != m_slots.size();
}

void CKeyMultiset::Clear() {
    std::vector<std::uint64_t>().swap(m_slots);
    m_size = 0;
}

std::size_t CKeyMultiset::Find(std::uint64_t stored) const {
    if (m_slots.empty())
        return 0;
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t slot = Home(stored); m_slots[slot] != 0; slot = (slot + 1) & mask)
        if (m_slots[slot] == stored)
            return slot;
    return m_slots.size();
}

void CKeyMultiset::Grow() {
    std::vector<std::uint64_t> old;
    old.swap(m_slots);
    m_slots.assign(old.empty() ? 16 : old.size() * 2, 0);
    m_size = 0;
    for (std::uint64_t stored : old)
        if (stored != 0)
            Add(stored);
}

namespace {

struct SipKey {
    std::uint64_t k0;
    std::uint64_t k1;
};

const SipKey& ProcessKey() {
    static const SipKey key = [] {
        std::random_device device;
        std::uint64_t time =
            static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
        SipKey drawn;
        drawn.k0 = (static_cast<std::uint64_t>(device()) << 32 | device()) ^ time;
        drawn.k1 = static_cast<std::uint64_t>(device()) << 32 | device();
        return drawn;
    }();
    return key;
}

std::uint64_t Rotate(std::uint64_t x, int bits) {
    return (x << bits) | (x >> (64 - bits));
}

// SipHash-1-3 over a stream of bytes.
class CSipHash {
public:
    explicit CSipHash(const SipKey& key)
        : v0(key.k0 ^ 0x736f6d6570736575ull),
          v1(key.k1 ^ 0x646f72616e646f6dull),
          v2(key.k0 ^ 0x6c7967656e657261ull),
          v3(key.k1 ^ 0x7465646279746573ull) {}

    void Write(const unsigned char* data, std::size_t length) {
        for (std::size_t i = 0; i < length; ++i) {
            m_word |= static_cast<std::uint64_t>(data[i]) << (8 * (m_length % 8));
            if (++m_length % 8 == 0) {
                Absorb(m_word);
                m_word = 0;
            }
        }
    }

    std::uint64_t Finish() {
        Absorb(m_word | static_cast<std::uint64_t>(m_length) << 56);
        v2 ^= 0xff;
        for (int i = 0; i < 3; ++i)
            Round();
        return v0 ^ v1 ^ v2 ^ v3;
    }

private:
    void Absorb(std::uint64_t word) {
        v3 ^= word;
        Round();
        v0 ^= word;
    }
    void Round() {
        v0 += v1;
        v1 = Rotate(v1, 13);
        v1 ^= v0;
        v0 = Rotate(v0, 32);
        v2 += v3;
        v3 = Rotate(v3, 16);
        v3 ^= v2;
        v0 += v3;
        v3 = Rotate(v3, 21);
        v3 ^= v0;
        v2 += v1;
        v1 = Rotate(v1, 17);
        v1 ^= v2;
        v2 = Rotate(v2, 32);
    }

    std::uint64_t v0, v1, v2, v3;
    std::uint64_t m_word = 0;
    std::size_t m_length = 0;
};

}  // namespace

std::uint64_t TextPairKey(const std::string& first, const std::string& second) {
    CSipHash hash(ProcessKey());
    unsigned char length[8];
    std::uint64_t size = first.size();
    for (int i = 0; i < 8; ++i)
        length[i] = static_cast<unsigned char>(size >> (8 * i));
    hash.Write(length, sizeof length);
    hash.Write(reinterpret_cast<const unsigned char*>(first.data()), first.size());
    hash.Write(reinterpret_cast<const unsigned char*>(second.data()), second.size());
    return hash.Finish();
}
