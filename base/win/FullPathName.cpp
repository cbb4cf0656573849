#include "base/win/FullPathName.h"

#include <windows.h>

#include <vector>

std::string FullPathName(const std::string& path) {
    DWORD size = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return path;
    std::vector<char> buffer(size + 1, '\0');
    DWORD length = GetFullPathNameA(path.c_str(), size + 1, buffer.data(), nullptr);
    if (length == 0 || length > size)
        return path;
    return std::string(buffer.data(), length);
}
