#include "list/WallpaperItem.h"

#include <cstring>

#include "base/PathParts.h"

namespace {

// The position names the program gives; items with one of them share it.
const std::string (&SharedNames())[kPositionCount] {
    static const std::string kNames[kPositionCount] = {kPositionNames[0], kPositionNames[1],
                                                       kPositionNames[2], kPositionNames[3],
                                                       kPositionNames[4], kPositionNames[5]};
    return kNames;
}

const std::string* SharedName(const std::string& position) {
    for (const std::string& name : SharedNames())
        if (name == position)
            return &name;
    return nullptr;
}

bool IsShared(const std::string* name) {
    for (const std::string& shared : SharedNames())
        if (name == &shared)
            return true;
    return false;
}

}  // namespace

// Builds an item from all four values.
CWallpaperItem::CWallpaperItem(const std::string& path, const std::string& position,
                               std::int32_t count, std::int32_t randomPending)
    : m_nCount(count), m_bRandomPending(randomPending) {
    SetPath(path);
    SetPosition(position);
}

CWallpaperItem::CWallpaperItem(const CWallpaperItem& other)
    : m_nCount(other.m_nCount), m_bRandomPending(other.m_bRandomPending) {
    SetPath(other.GetPath());
    SetPosition(other.GetPosition());
}

CWallpaperItem& CWallpaperItem::operator=(const CWallpaperItem& other) {
    if (this != &other) {
        SetPath(other.GetPath());
        SetPosition(other.GetPosition());
        m_nCount = other.m_nCount;
        m_bRandomPending = other.m_bRandomPending;
    }
    return *this;
}

CWallpaperItem::~CWallpaperItem() {
    ReleasePosition();
}

void CWallpaperItem::SetPath(const std::string& path) {
    std::unique_ptr<char[]> bytes(path.empty() ? nullptr : new char[path.size()]);
    if (!path.empty())
        std::memcpy(bytes.get(), path.data(), path.size());
    m_pPath = std::move(bytes);
    m_nPathLength = static_cast<std::uint32_t>(path.size());
}

void CWallpaperItem::SetPosition(const std::string& position) {
    const std::string* name = SharedName(position);
    const std::string* own = name ? nullptr : new std::string(position);
    ReleasePosition();
    m_pPosition = name ? name : own;
}

void CWallpaperItem::ReleasePosition() {
    if (!IsShared(m_pPosition))
        delete m_pPosition;
    m_pPosition = nullptr;
}

// The file-name part of the path.
std::string CWallpaperItem::GetFileName() const {
    return FileNamePart(GetPath());
}

// The folder part of the path.
std::string CWallpaperItem::GetFolder() const {
    return FolderPart(GetPath());
}
