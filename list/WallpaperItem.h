#pragma once
#include <cstdint>
#include <string>

// One entry of a wallpaper list: the image file, the position it is laid on
// the desktop with, how often it has been applied, and whether it is still
// waiting for its turn in the current cycle of random picks.
class CWallpaperItem {
public:
    CWallpaperItem(std::string path, std::string position, std::int32_t count,
                   std::int32_t randomPending);

    const std::string& GetPath() const { return m_strPath; }
    void SetPath(const std::string& path) { m_strPath = path; }
    const std::string& GetPosition() const { return m_strPosition; }
    void SetPosition(const std::string& position) { m_strPosition = position; }
    std::int32_t GetCount() const { return m_nCount; }
    void SetCount(std::int32_t count) { m_nCount = count; }
    std::int32_t GetRandomPending() const { return m_bRandomPending; }
    void SetRandomPending(std::int32_t pending) { m_bRandomPending = pending; }

    // The file-name and folder parts of the path (see PathParts.h).
    std::string GetFileName() const;
    std::string GetFolder() const;

private:
    std::string m_strPath;
    std::string m_strPosition;
    std::int32_t m_nCount;
    std::int32_t m_bRandomPending;
};
