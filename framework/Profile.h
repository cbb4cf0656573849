#pragma once
#include <cstdint>
#include <string>

// Profile settings: named integer and string values in sections. The
// program's values live in the unnamed section; the recent-file list in
// the section "Recent File List". On Windows these are registry values
// under HKEY_CURRENT_USER\Software\Quillfen\Varnello (RegistryProfile.h).
// Reading never fails: a missing or unreadable value gives the default.
// Writing failures are silent.
class IProfile {
public:
    virtual ~IProfile() = default;
    virtual std::int32_t GetInt(const std::string& section, const std::string& name,
                                std::int32_t defaultValue) = 0;
    virtual std::string GetString(const std::string& section, const std::string& name,
                                  const std::string& defaultValue) = 0;
    virtual void WriteInt(const std::string& section, const std::string& name,
                          std::int32_t value) = 0;
    virtual void WriteString(const std::string& section, const std::string& name,
                             const std::string& value) = 0;
    // Removes a value; by default it is written empty, which reads as missing.
    virtual void DeleteValue(const std::string& section, const std::string& name) {
        WriteString(section, name, std::string());
    }
};
