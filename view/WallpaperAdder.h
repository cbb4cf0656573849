#pragma once
#include <string>
#include <vector>

class IEditServices;
class IFileFinder;
class IListEditHost;
class IScanProgress;

// Puts image files into the open list: the files picked in the Add Files
// dialog, a folder chosen in the Add Folder dialog, and files dropped on
// the list. Each new file gets a row at the end (skipping files the list
// holds already); after the batch the list is sorted when "Auto Sort" is
// on and the document is marked modified when a row was added. Only files
// become items: a folder is never added, whatever its name.
//
// Use: CWallpaperAdder(host, services).AddPickedFiles(paths);
class CWallpaperAdder {
public:
    CWallpaperAdder(IListEditHost& host, IEditServices& services)
        : m_host(host), m_services(services) {}

    // Add Files: every picked file is added, whatever its type. The folder
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
    // A drop: each path whose extension names an image is added unless it
    // is a folder; empty paths are skipped. Returns how many rows were added.
    int AddDroppedFiles(const std::vector<std::string>& paths);

private:
    std::string DefaultPosition();
    // Sorts (with "Auto Sort") and marks the list when rows were added.
    void Finish(int added);
    // True when the path names a folder (which is never added).
    bool IsFolder(const std::string& path);

    IListEditHost& m_host;
    IEditServices& m_services;
};
