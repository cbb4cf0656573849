#include "view/FolderScan.h"

#include "base/PathParts.h"
#include "list/WallpaperRows.h"

bool HasImageExtension(const std::string& text) {
    std::string extension = ExtensionPart(text);
    return extension == "bmp" || extension == "jpg" || extension == "jpeg" || extension == "png";
}

CFolderScan::CFolderScan(CWallpaperRows& rows, IFileFinder& finder, std::string position)
    : m_rows(rows), m_finder(finder), m_strPosition(std::move(position)) {}

// Starts a scan with nothing seen yet.
int CFolderScan::ScanFolder(const std::string& folder, bool includeSubfolders) {
    m_visited.clear();
    MarkVisited(folder);
    return Scan(folder, includeSubfolders, 0);
}

// Adds the image files of one folder in the order the file system lists
// them; a subfolder is scanned where it is met.
int CFolderScan::Scan(const std::string& folder, bool includeSubfolders, int depth) {
    int added = 0;
    m_finder.ListFolder(folder, [&](const FolderEntry& entry) {
        if (entry.isDirectory) {
            if (!includeSubfolders || entry.name == "." || entry.name == "..")
                return;
            if (depth < kMaxDepth && MarkVisited(entry.path))
                added += Scan(entry.path, includeSubfolders, depth + 1);
            return;
        }
        if (!HasImageExtension(entry.name) || m_rows.IsInList(entry.path))
            return;
        if (m_rows.AppendNew(entry.path, m_strPosition) >= 0)
            ++added;
    });
    return added;
}

// Folders are told apart by the finder's identity; when it has none, by
// their path without trailing backslashes.
bool CFolderScan::MarkVisited(const std::string& folder) {
    std::string key = m_finder.FolderIdentity(folder);
    if (key.empty())
        key = "path:" + TrimTrailingBackslashes(folder);
    return m_visited.insert(key).second;
}
