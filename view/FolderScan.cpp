#include "view/FolderScan.h"

#include "base/PathParts.h"
#include "list/WallpaperRows.h"
#include "view/ScanProgress.h"

bool HasImageExtension(const std::string& text) {
    std::string extension = ExtensionPart(text);
    return extension == "bmp" || extension == "jpg" || extension == "jpeg" || extension == "png";
}

// "b?.png" is how FindFirstFileA gives a name that the code page cannot
// hold; the shell would take such a path as a pattern.
bool IsPatternName(const std::string& name) {
    return name.find_first_of("?*") != std::string::npos;
}

CFolderScan::CFolderScan(CWallpaperRows& rows, IFileFinder& finder, std::string position,
                         IScanProgress* progress)
    : m_rows(rows), m_finder(finder), m_strPosition(std::move(position)), m_pProgress(progress) {}

// Starts a scan with nothing seen yet.
int CFolderScan::ScanFolder(const std::string& folder, bool includeSubfolders) {
    m_visited.clear();
    m_nAdded = 0;
    m_bStopped = false;
    MarkVisited(folder);
    Scan(folder, includeSubfolders, 0);
    return m_nAdded;
}

// Adds the image files of one folder in the order the file system lists
// them; a subfolder is scanned where it is met.
void CFolderScan::Scan(const std::string& folder, bool includeSubfolders, int depth) {
    if (!Continue(folder))
        return;
    m_finder.ListFolder(folder, [&](const FolderEntry& entry) {
        if (IsPatternName(entry.name))
            return Continue(folder);
        if (entry.isDirectory) {
            if (includeSubfolders && entry.name != "." && entry.name != ".." && depth < kMaxDepth &&
                MarkVisited(entry.path))
                Scan(entry.path, includeSubfolders, depth + 1);
            return Continue(folder);
        }
        if (HasImageExtension(entry.name) && !m_rows.IsInList(entry.path) &&
            m_rows.AppendNew(entry.path, m_strPosition) >= 0)
            ++m_nAdded;
        return Continue(folder);
    });
}

bool CFolderScan::Continue(const std::string& folder) {
    if (!m_bStopped && m_pProgress && !m_pProgress->Continue(folder, m_nAdded))
        m_bStopped = true;
    return !m_bStopped;
}

// Folders are told apart by the finder's identity; when it has none, by
// their path without trailing backslashes.
bool CFolderScan::MarkVisited(const std::string& folder) {
    std::string key = m_finder.FolderIdentity(folder);
    if (key.empty())
        key = "path:" + TrimTrailingBackslashes(folder);
    return m_visited.insert(key).second;
}
