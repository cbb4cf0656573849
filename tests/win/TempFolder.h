#pragma once
#include <string>
#include <vector>

// A fresh folder of the test's own under the temporary folder, removed with
// everything in it (read-only and hidden files, subfolders, links) when the
// object goes.
class CTempFolder {
public:
    explicit CTempFolder(const std::string& prefix = "varnello-test");
    ~CTempFolder();
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    const std::string& Path() const { return m_path; }
    // The full path of a name in the folder.
    std::string File(const std::string& name) const { return m_path + "\\" + name; }
    // The names of the files in the folder (not its subfolders), sorted.
    std::vector<std::string> FileNames() const;

private:
    std::string m_path;
};

// Removes a folder with everything in it; a link to a folder is removed,
// not followed.
void RemoveTree(const std::string& path);
