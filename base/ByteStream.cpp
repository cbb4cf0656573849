#include "base/ByteStream.h"

#include <cstring>

// Copies up to size bytes from the current position and moves past them.
std::size_t CMemorySource::Read(void* buffer, std::size_t size) {
    std::size_t left = m_size - m_pos;
    std::size_t count = size < left ? size : left;
    if (count > 0) {
        std::memcpy(buffer, m_data + m_pos, count);
        m_pos += count;
    }
    return count;
}

// Appends the bytes; never fails.
bool CMemorySink::Write(const void* data, std::size_t size) {
    if (size > 0)
        m_bytes.append(static_cast<const char*>(data), size);
    return true;
}
