#include "framework/win/ClassesRoot.h"

#include <cstring>
#include <vector>

std::optional<std::string> ReadClassesRootText(const std::string& key, const std::string& name,
                                               DWORD maxBytes, bool takeExpandable) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS)
        return std::nullopt;
    std::vector<char> buffer(maxBytes + 1, '\0');  // room for a zero the value may lack
    DWORD size = maxBytes;
    DWORD type = 0;
    LONG result = RegQueryValueExA(handle, name.empty() ? nullptr : name.c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(buffer.data()), &size);
    RegCloseKey(handle);
    if (result != ERROR_SUCCESS || !(type == REG_SZ || (takeExpandable && type == REG_EXPAND_SZ)))
        return std::nullopt;
    return std::string(buffer.data(), strnlen(buffer.data(), size));
}
