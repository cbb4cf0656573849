#pragma once
#include <windows.h>

#include <string>

#include "framework/Profile.h"

// Profile settings in the registry under
// HKEY_CURRENT_USER\Software\<company>\<application>. The unnamed section
// is that key itself, any other section a subkey of it. Integers are
// REG_DWORD values read back as signed 32-bit numbers, strings REG_SZ.
// A value that is missing, of another type or unreadable gives the default;
// keys are created when a value is written; write failures are silent.
class CRegistryProfile : public IProfile {
public:
    CRegistryProfile(const std::string& company, const std::string& application);

    std::int32_t GetInt(const std::string& section, const std::string& name,
                        std::int32_t defaultValue) override;
    std::string GetString(const std::string& section, const std::string& name,
                          const std::string& defaultValue) override;
    void WriteInt(const std::string& section, const std::string& name, std::int32_t value) override;
    void WriteString(const std::string& section, const std::string& name,
                     const std::string& value) override;
    void DeleteValue(const std::string& section, const std::string& name) override;

    // The key below HKEY_CURRENT_USER, e.g. "Software\Quillfen\Varnello".
    const std::string& KeyPath() const { return m_keyPath; }

private:
    std::string SectionPath(const std::string& section) const;
    HKEY OpenForReading(const std::string& section) const;
    HKEY OpenForWriting(const std::string& section) const;

    std::string m_keyPath;
};
