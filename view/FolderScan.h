#pragma once
#include <string>
#include <unordered_set>

#include "view/FileFinder.h"

class CWallpaperRows;

// True when ExtensionPart of the text is exactly "bmp", "jpg", "jpeg" or
// "png" (so a name without a dot counts whole: "png" is accepted).
bool HasImageExtension(const std::string& text);

// The folder scan of Add From Folder: appends a row for every image file of
// a folder that the list does not hold yet, with its subfolders depth first
// when asked. One scan never lists the same folder twice, however links and
// junctions lead back into folders already seen, and never goes deeper than
// kMaxDepth folders below the first.
//
// Use: CFolderScan scan(rows, finder, settings.GetDefaultPosition());
//      int added = scan.ScanFolder(folder, includeSubfolders);
class CFolderScan {
public:
    static constexpr int kMaxDepth = 128;

    CFolderScan(CWallpaperRows& rows, IFileFinder& finder, std::string position);

    // Adds the folder's image files; returns how many rows were added.
    int ScanFolder(const std::string& folder, bool includeSubfolders);

private:
    int Scan(const std::string& folder, bool includeSubfolders, int depth);
    // Records the folder as seen; false when this scan has seen it before.
    bool MarkVisited(const std::string& folder);

    CWallpaperRows& m_rows;
    IFileFinder& m_finder;
    std::string m_strPosition;
    std::unordered_set<std::string> m_visited;
};
