#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "framework/Profile.h"

// Profile values kept in memory: the profile before the registry key is set,
// and a fake for tests, which also records the order of writes.
class CMemoryProfile : public IProfile {
public:
    std::int32_t GetInt(const std::string& section, const std::string& name,
                        std::int32_t defaultValue) override;
    std::string GetString(const std::string& section, const std::string& name,
                          const std::string& defaultValue) override;
    void WriteInt(const std::string& section, const std::string& name, std::int32_t value) override;
    void WriteString(const std::string& section, const std::string& name,
                     const std::string& value) override;
    void DeleteValue(const std::string& section, const std::string& name) override;

    bool Has(const std::string& section, const std::string& name) const;
    // The names written, in order ("section\name" for named sections).
    const std::vector<std::string>& Writes() const { return m_writes; }

private:
    using Key = std::pair<std::string, std::string>;
    std::map<Key, std::int32_t> m_ints;
    std::map<Key, std::string> m_strings;
    std::vector<std::string> m_writes;
};
