#pragma once
#include "view/FileFinder.h"

// Lists folders with FindFirstFile/FindNextFile, and tells folders apart by
// their volume and file index, so that links and junctions back into a
// folder are recognised.
class CFileFinderWin : public IFileFinder {
public:
    bool ListFolder(const std::string& folder,
                    const std::function<bool(const FolderEntry&)>& visit) override;
    std::string FolderIdentity(const std::string& folder) override;
};
