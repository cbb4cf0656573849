#pragma once
#include <cstdint>
#include <memory>
#include <string>

// The position names the program gives an item, in the order it offers them.
inline constexpr const char* kPositionCenter = "Center";
inline constexpr const char* kPositionStretch = "Stretch";
inline constexpr const char* kPositionTile = "Tile";
inline constexpr const char* kPositionFill = "Fill";
inline constexpr const char* kPositionFit = "Fit";
inline constexpr const char* kPositionSpan = "Span";
inline constexpr int kPositionCount = 6;
inline constexpr const char* const kPositionNames[kPositionCount] = {
    kPositionCenter, kPositionStretch, kPositionTile, kPositionFill, kPositionFit, kPositionSpan};

// One entry of a wallpaper list: the image file, the position it is laid on
// the desktop with, how often it has been applied, and whether it is still
// waiting for its turn in the current cycle of random picks.
//
// A list may hold a hundred thousand items, so an item keeps its path in a
// block of exactly its length and shares the position names the program
// gives; any other name read from a file is an item's own.
class CWallpaperItem {
public:
    CWallpaperItem(const std::string& path, const std::string& position, std::int32_t count,
                   std::int32_t randomPending);
    CWallpaperItem(const CWallpaperItem& other);
    CWallpaperItem& operator=(const CWallpaperItem& other);
    ~CWallpaperItem();

    std::string GetPath() const { return std::string(m_pPath.get(), m_nPathLength); }
    void SetPath(const std::string& path);
    const std::string& GetPosition() const { return *m_pPosition; }
    void SetPosition(const std::string& position);
    std::int32_t GetCount() const { return m_nCount; }
    void SetCount(std::int32_t count) { m_nCount = count; }
    std::int32_t GetRandomPending() const { return m_bRandomPending; }
    void SetRandomPending(std::int32_t pending) { m_bRandomPending = pending; }

    // The file-name and folder parts of the path (see PathParts.h).
    std::string GetFileName() const;
    std::string GetFolder() const;

private:
    // Drops a position name of the item's own.
    void ReleasePosition();

    std::unique_ptr<char[]> m_pPath;
    std::uint32_t m_nPathLength = 0;
    std::int32_t m_nCount;
    std::int32_t m_bRandomPending;
    const std::string* m_pPosition = nullptr;  // a shared name, or one of the item's own
};
