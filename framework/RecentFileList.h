#pragma once
#include <string>
#include <vector>

class IProfile;

// The most recently used files, newest first, stored as profile values
// "File1", "File2", ... in their own section.
class CRecentFileList {
public:
    CRecentFileList(std::string section, std::string entryFormat, int size, int maxDisplayLength);

    // Moves the path to the front (adding it when new; the same file in other
    // letter case counts as the same), dropping the oldest beyond the size.
    void Add(const std::string& path);
    void Remove(int index);
    int Count() const { return static_cast<int>(m_entries.size()); }
    const std::string& Entry(int index) const { return m_entries[static_cast<std::size_t>(index)]; }

    // The menu text of an entry: "&1 " and the path shortened to the maximum
    // display length, with "&" doubled so that it shows.
    std::string MenuText(int index) const;
    // The path shortened to at most maxLength characters: whole when it fits,
    // else the root, "..." and as many trailing folders as fit before the file
    // name, else the file name alone, cut when even that is too long.
    static std::string Abbreviate(const std::string& path, std::size_t maxLength);

    void ReadFrom(IProfile& profile);
    void WriteTo(IProfile& profile) const;

private:
    std::string ValueName(int index) const;

    std::string m_section;
    std::string m_entryFormat;
    int m_size;
    int m_maxDisplayLength;
    std::vector<std::string> m_entries;
};
