#include "framework/RecentFileList.h"

#include "base/CodePage.h"
#include "base/PathParts.h"
#include "framework/Profile.h"

CRecentFileList::CRecentFileList(std::string section, std::string entryFormat, int size,
                                 int maxDisplayLength)
    : m_section(std::move(section)),
      m_entryFormat(std::move(entryFormat)),
      m_size(size),
      m_maxDisplayLength(maxDisplayLength) {}

void CRecentFileList::Add(const std::string& path) {
    if (path.empty())
        return;
    const ICodePage& codePage = CurrentCodePage();
    std::string key = codePage.ToLower(path);
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (codePage.ToLower(m_entries[i]) == key) {
            m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(i));
            break;
        }
    }
    m_entries.insert(m_entries.begin(), path);
    if (static_cast<int>(m_entries.size()) > m_size)
        m_entries.resize(static_cast<std::size_t>(m_size));
}

void CRecentFileList::Remove(int index) {
    if (index >= 0 && index < Count())
        m_entries.erase(m_entries.begin() + index);
}

// Lengths are counted as TextLength counts them (characters in UTF-8), and
// a name is cut only between two characters.
std::string CRecentFileList::Abbreviate(const std::string& path, std::size_t maxLength) {
    if (TextLength(path) <= maxLength)
        return path;
    std::string name = FileNamePart(path);
    std::string folder = FolderPart(path);

    // The root: "C:\" or "\\server\share\".
    std::size_t rootLength = 0;
    if (folder.size() >= 2 && folder[1] == ':') {
        rootLength = 2;
    } else if (folder.compare(0, 2, "\\\\") == 0) {
        std::size_t server = folder.find('\\', 2);
        std::size_t share =
            server == std::string::npos ? std::string::npos : folder.find('\\', server + 1);
        rootLength = share == std::string::npos ? folder.size() : share;
    }
    std::string root = folder.substr(0, rootLength) + "\\";
    std::string rest = rootLength < folder.size() ? folder.substr(rootLength + 1) : std::string();

    // Keep as many trailing folders as fit, starting with all but the first.
    std::size_t cut = 0;
    while (true) {
        std::size_t next = rest.find('\\', cut);
        if (next == std::string::npos)
            break;
        cut = next + 1;
        std::string candidate = root + "..." + "\\" + rest.substr(cut) + "\\" + name;
        if (TextLength(candidate) <= maxLength)
            return candidate;
    }
    std::string shortest = root + "...\\" + name;
    if (TextLength(shortest) <= maxLength)
        return shortest;
    return TextPrefix(name, maxLength);
}

std::string CRecentFileList::MenuText(int index) const {
    std::string shown = Abbreviate(Entry(index), static_cast<std::size_t>(m_maxDisplayLength));
    std::string escaped;
    for (char c : shown) {
        if (c == '&')
            escaped += '&';
        escaped += c;
    }
    return "&" + DecimalText(index + 1) + " " + escaped;
}

std::string CRecentFileList::ValueName(int index) const {
    std::string name = m_entryFormat;
    std::size_t at = name.find("%d");
    if (at != std::string::npos)
        name.replace(at, 2, DecimalText(index + 1));
    return name;
}

void CRecentFileList::ReadFrom(IProfile& profile) {
    m_entries.clear();
    for (int i = 0; i < m_size; ++i) {
        std::string path = profile.GetString(m_section, ValueName(i), std::string());
        if (!path.empty())
            m_entries.push_back(path);
    }
}

void CRecentFileList::WriteTo(IProfile& profile) const {
    for (int i = 0; i < m_size; ++i) {
        if (i < Count())
            profile.WriteString(m_section, ValueName(i), Entry(i));
        else
            profile.DeleteValue(m_section, ValueName(i));
    }
}
