#pragma once
#include <string>
#include <unordered_set>

#include "view/FileFinder.h"

class CWallpaperRows;
class IScanProgress;

// True when ExtensionPart of the text is exactly "bmp", "jpg", "jpeg" or
// "png" (so a name without a dot counts whole: "png" is accepted).
bool HasImageExtension(const std::string& text);

// True when a name holds "?" or "*": no file has such a name, and a path
// with one is a pattern to the shell.
bool IsPatternName(const std::string& name);

// The folder scan of Add From Folder: appends a row for every image file of
// a folder that the list does not hold yet, with its subfolders depth first
// when asked. One scan never lists the same folder twice, however links and
// junctions lead back into folders already seen, and never goes deeper than
// kMaxDepth folders below the first. Entries whose names hold "?" or "*"
// are passed over. With a progress, the scan reports as it goes and stops
// when the progress says so, keeping the rows it added.
//
// Use: CFolderScan scan(rows, finder, settings.GetDefaultPosition(), &progress);
//      int added = scan.ScanFolder(folder, includeSubfolders);
class CFolderScan {
public:
    static constexpr int kMaxDepth = 128;

    CFolderScan(CWallpaperRows& rows, IFileFinder& finder, std::string position,
                IScanProgress* progress = nullptr);

    // Adds the folder's image files; returns how many rows were added.
    int ScanFolder(const std::string& folder, bool includeSubfolders);
    // True when the progress stopped the last scan.
    bool Stopped() const { return m_bStopped; }

private:
    void Scan(const std::string& folder, bool includeSubfolders, int depth);
    // Asks the progress whether to go on; false once it said no.
    bool Continue(const std::string& folder);
    // Records the folder as seen; false when this scan has seen it before.
    bool MarkVisited(const std::string& folder);

    CWallpaperRows& m_rows;
    IFileFinder& m_finder;
    std::string m_strPosition;
    IScanProgress* m_pProgress;
    std::unordered_set<std::string> m_visited;
    int m_nAdded = 0;
    bool m_bStopped = false;
};
