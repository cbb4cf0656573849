#pragma once
#include <string>
#include <vector>

class IFileFinder;
class IListEditHost;
class IScanProgress;

// Puts image files into the open list: the files picked in the Add Files
// dialog, a folder chosen in the Add Folder dialog, and files dropped on
// the list. Each new file gets a row at the end (skipping files the list
// holds already); after the batch the list is sorted when "Auto Sort" is
// on and the document is marked modified when a row was added.
//
// Use: CWallpaperAdder(host).AddPickedFiles(paths);
class CWallpaperAdder {
public:
    explicit CWallpaperAdder(IListEditHost& host) : m_host(host) {}

    // Add Files: every picked path is added, whatever its type. The folder
    // of the first path added becomes the list's last folder. Returns how
    // many rows were added.
    int AddPickedFiles(const std::vector<std::string>& paths);
    // Add From Folder, after the dialog's OK: remembers the folder text and
    // the subfolder flag in the list's settings, then scans the folder,
    // reporting to the progress, which may stop the scan part way. Sorts
    // when "Auto Sort" is on, also when nothing was added. Returns how many
    // rows were added.
    int AddFromFolder(IFileFinder& finder, const std::string& folder, bool includeSubfolders,
                      IScanProgress* progress = nullptr);
    // A drop: each path whose extension names an image is added; empty
    // paths are skipped. Returns how many rows were added.
    int AddDroppedFiles(const std::vector<std::string>& paths);

private:
    std::string DefaultPosition();
    // Sorts (with "Auto Sort") and marks the list when rows were added.
    void Finish(int added);

    IListEditHost& m_host;
};
