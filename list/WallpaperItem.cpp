#include "list/WallpaperItem.h"

#include <utility>

#include "base/PathParts.h"

// Builds an item from all four values.
CWallpaperItem::CWallpaperItem(std::string path, std::string position, std::int32_t count,
                               std::int32_t randomPending)
    : m_strPath(std::move(path)),
      m_strPosition(std::move(position)),
      m_nCount(count),
      m_bRandomPending(randomPending) {}

// The file-name part of the path.
std::string CWallpaperItem::GetFileName() const {
    return FileNamePart(m_strPath);
}

// The folder part of the path.
std::string CWallpaperItem::GetFolder() const {
    return FolderPart(m_strPath);
}
