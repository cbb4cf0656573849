#pragma once
#include <cstdint>
#include <string>

#include "list/WallpaperItem.h"

// The settings that belong to one list and are stored in its file.
// Nothing is validated here; the List Settings dialog checks hours and minutes.
class CListSettings {
public:
    CListSettings() = default;  // the values of a fresh list

    std::int32_t GetIntervalChange() const { return m_bIntervalChange; }
    void SetIntervalChange(std::int32_t on) { m_bIntervalChange = on; }
    std::int32_t GetIncludeSubfolders() const { return m_bIncludeSubfolders; }
    void SetIncludeSubfolders(std::int32_t on) { m_bIncludeSubfolders = on; }
    const std::string& GetDefaultPosition() const { return m_strDefaultPosition; }
    void SetDefaultPosition(const std::string& position) { m_strDefaultPosition = position; }
    const std::string& GetLastFolder() const { return m_strLastFolder; }
    void SetLastFolder(const std::string& folder) { m_strLastFolder = folder; }
    std::int32_t GetHours() const { return m_nHours; }
    void SetHours(std::int32_t hours) { m_nHours = hours; }
    std::int32_t GetMinutes() const { return m_nMinutes; }
    void SetMinutes(std::int32_t minutes) { m_nMinutes = minutes; }

private:
    std::int32_t m_bIntervalChange = 0;
    std::int32_t m_bIncludeSubfolders = 0;
    std::string m_strDefaultPosition = kPositionStretch;
    std::string m_strLastFolder;
    std::int32_t m_nHours = 0;
    std::int32_t m_nMinutes = 0;
};
