#include "framework/MemoryProfile.h"

namespace {
std::string WriteName(const std::string& section, const std::string& name) {
    return section.empty() ? name : section + "\\" + name;
}
}  // namespace

std::int32_t CMemoryProfile::GetInt(const std::string& section, const std::string& name,
                                    std::int32_t defaultValue) {
    auto it = m_ints.find(Key(section, name));
    return it == m_ints.end() ? defaultValue : it->second;
}

std::string CMemoryProfile::GetString(const std::string& section, const std::string& name,
                                      const std::string& defaultValue) {
    auto it = m_strings.find(Key(section, name));
    return it == m_strings.end() ? defaultValue : it->second;
}

void CMemoryProfile::WriteInt(const std::string& section, const std::string& name,
                              std::int32_t value) {
    m_strings.erase(Key(section, name));
    m_ints[Key(section, name)] = value;
    m_writes.push_back(WriteName(section, name));
}

void CMemoryProfile::WriteString(const std::string& section, const std::string& name,
                                 const std::string& value) {
    m_ints.erase(Key(section, name));
    m_strings[Key(section, name)] = value;
    m_writes.push_back(WriteName(section, name));
}

void CMemoryProfile::DeleteValue(const std::string& section, const std::string& name) {
    m_ints.erase(Key(section, name));
    m_strings.erase(Key(section, name));
}

bool CMemoryProfile::Has(const std::string& section, const std::string& name) const {
    return m_ints.count(Key(section, name)) > 0 || m_strings.count(Key(section, name)) > 0;
}
