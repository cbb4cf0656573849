#pragma once
#include <functional>
#include <string>

// One entry of a folder as the file system lists it.
struct FolderEntry {
    std::string name;  // the name alone, without the folder
    std::string path;  // the full path: the folder's full path, "\\", the name
    bool isDirectory = false;
};

// Lists folders for the folder scan: on Windows FindFirstFile/FindNextFile
// (FileFinderWin.h); in tests a fake file system.
class IFileFinder {
public:
    virtual ~IFileFinder() = default;
    // Calls visit for every entry of the folder (pattern folder + "\*.*",
    // "." and ".." included) in the order the file system gives them, until
    // visit returns false. Returns false, without calling visit, when the
    // folder cannot be listed.
    virtual bool ListFolder(const std::string& folder,
                            const std::function<bool(const FolderEntry&)>& visit) = 0;
    // A key that is the same for every path that leads to the same folder
    // (through links, junctions, different spellings); empty when the
    // folder cannot be identified.
    virtual std::string FolderIdentity(const std::string& folder) = 0;
};
