#pragma once
#include <cstddef>
#include <string>

// Byte streams under the file formats: a source reads, a sink writes.
class IByteSource {
public:
    virtual ~IByteSource() = default;
    // Reads up to size bytes; returns how many were read (fewer only at the end).
    virtual std::size_t Read(void* buffer, std::size_t size) = 0;
};

class IByteSink {
public:
    virtual ~IByteSink() = default;
    // Writes all size bytes; false when they could not all be written.
    virtual bool Write(const void* data, std::size_t size) = 0;
};

// A source over bytes in memory (not copied: the bytes must outlive it).
class CMemorySource : public IByteSource {
public:
    CMemorySource(const void* data, std::size_t size)
        : m_data(static_cast<const unsigned char*>(data)), m_size(size) {}
    explicit CMemorySource(const std::string& bytes) : CMemorySource(bytes.data(), bytes.size()) {}
    std::size_t Read(void* buffer, std::size_t size) override;
    std::size_t Position() const { return m_pos; }

private:
    const unsigned char* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// A sink that collects the bytes in a string.
class CMemorySink : public IByteSink {
public:
    bool Write(const void* data, std::size_t size) override;
    const std::string& Bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};
