#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

// A block of memory inside another process, for control messages whose
// parameters point to structures (list-view items, status-bar texts).
class CRemoteMemory {
public:
    // Reserves size bytes in the process that owns the window.
    CRemoteMemory(HWND window, std::size_t size);
    ~CRemoteMemory();
    CRemoteMemory(const CRemoteMemory&) = delete;
    CRemoteMemory& operator=(const CRemoteMemory&) = delete;

    bool IsValid() const { return m_address != nullptr; }
    // The block's address as the other process sees it.
    void* Address() const { return m_address; }
    // The address of a byte inside the block.
    void* AddressAt(std::size_t offset) const { return static_cast<char*>(m_address) + offset; }
    // Copies bytes into the block at offset.
    bool Write(std::size_t offset, const void* data, std::size_t size);
    // Copies bytes out of the block at offset.
    bool Read(std::size_t offset, void* data, std::size_t size) const;
    // Reads a zero-terminated 8-bit text of at most size bytes at offset.
    std::string ReadText(std::size_t offset, std::size_t size) const;

private:
    HANDLE m_process = nullptr;
    void* m_address = nullptr;
    std::size_t m_size = 0;
};
