#include "framework/win/RegistryProfile.h"

#include <vector>

CRegistryProfile::CRegistryProfile(const std::string& company, const std::string& application)
    : m_keyPath("Software\\" + company + "\\" + application) {}

// The key of a section: the program's key itself for the unnamed section.
std::string CRegistryProfile::SectionPath(const std::string& section) const {
    return section.empty() ? m_keyPath : m_keyPath + "\\" + section;
}

// Opens the section's key to read; nullptr when it is not there.
HKEY CRegistryProfile::OpenForReading(const std::string& section) const {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return nullptr;
    return key;
}

// Opens the section's key to write, creating it and its parents.
HKEY CRegistryProfile::OpenForWriting(const std::string& section) const {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

// Reads a REG_DWORD as a signed number.
std::int32_t CRegistryProfile::GetInt(const std::string& section, const std::string& name,
                                      std::int32_t defaultValue) {
    HKEY key = OpenForReading(section);
    if (!key)
        return defaultValue;
    DWORD type = 0, value = 0, size = sizeof value;
    LONG result =
        RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value)
        return defaultValue;
    return static_cast<std::int32_t>(value);
}

// Reads a REG_SZ, whatever its length; a missing terminator is tolerated.
std::string CRegistryProfile::GetString(const std::string& section, const std::string& name,
                                        const std::string& defaultValue) {
    HKEY key = OpenForReading(section);
    if (!key)
        return defaultValue;
    std::vector<char> buffer(256);
    DWORD type = 0;
    LONG result = ERROR_MORE_DATA;
    DWORD size = 0;
    // The value may grow between the calls; ask again until it fits.
    for (int attempt = 0; attempt < 4 && result == ERROR_MORE_DATA; ++attempt) {
        size = static_cast<DWORD>(buffer.size());
        result = RegQueryValueExA(key, name.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE*>(buffer.data()), &size);
        if (result == ERROR_MORE_DATA)
            buffer.resize(static_cast<std::size_t>(size) + 1);
    }
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_SZ)
        return defaultValue;
    std::size_t length = size <= buffer.size() ? size : buffer.size();
    std::string text(buffer.data(), length);
    std::size_t end = text.find('\0');
    if (end != std::string::npos)
        text.resize(end);
    return text;
}

// Writes a REG_DWORD; failures are ignored.
void CRegistryProfile::WriteInt(const std::string& section, const std::string& name,
                                std::int32_t value) {
    HKEY key = OpenForWriting(section);
    if (!key)
        return;
    DWORD data = static_cast<DWORD>(value);
    RegSetValueExA(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                   sizeof data);
    RegCloseKey(key);
}

// Writes a REG_SZ; failures are ignored.
void CRegistryProfile::WriteString(const std::string& section, const std::string& name,
                                   const std::string& value) {
    HKEY key = OpenForWriting(section);
    if (!key)
        return;
    RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
}

// Removes a value; a missing value or key is no failure, and failures are ignored.
void CRegistryProfile::DeleteValue(const std::string& section, const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, KEY_SET_VALUE, &key) !=
        ERROR_SUCCESS)
        return;
    RegDeleteValueA(key, name.c_str());
    RegCloseKey(key);
}
