#include "list/StagedList.h"

#include <utility>

#include "base/CodePage.h"
#include "list/WallpaperItem.h"

namespace {

// Whether the texts are the file name and the folder that the path gives
// (the folder, a backslash, the name), found without making new strings.
bool AreTextsOfPath(const std::string& path, const std::string& name, const std::string& folder) {
    std::size_t slash = FindLastChar(path, '\\');
    if (slash == std::string::npos)
        return folder.empty() && name == path;
    return path.compare(0, slash, folder) == 0 &&
           path.compare(slash + 1, std::string::npos, name) == 0;
}

// The file name and the folder of the path, into strings that keep their
// room from row to row.
void SplitPath(const std::string& path, std::string& name, std::string& folder) {
    std::size_t slash = FindLastChar(path, '\\');
    if (slash == std::string::npos) {
        name = path;
        folder.clear();
        return;
    }
    name.assign(path, slash + 1, std::string::npos);
    folder.assign(path, 0, slash);
}

}  // namespace

CStagedList::CStagedList() = default;

CStagedList::~CStagedList() = default;

void CStagedList::ResetList() {
    std::vector<Row>().swap(m_rows);
    m_settings = CListSettings();
}

// Keeps the texts only when the item's path gives others, so that a row
// costs little more than its item.
bool CStagedList::InsertRow(int index, const std::string& text0, const std::string& text1,
                            std::unique_ptr<CWallpaperItem> item) {
    if (!item || index != RowCount())
        return false;
    Row row;
    if (!AreTextsOfPath(item->GetPath(), text0, text1)) {
        row.texts.reset(new std::string[2]);
        row.texts[0] = text0;
        row.texts[1] = text1;
    }
    row.item = std::move(item);
    m_rows.push_back(std::move(row));
    return true;
}

void CStagedList::MoveInto(IListTarget& target) {
    target.ResetList();
    target.Settings() = m_settings;
    int index = 0;
    std::string name, folder;
    for (Row& row : m_rows) {
        if (!row.texts)
            SplitPath(row.item->GetPath(), name, folder);
        const std::string& text0 = row.texts ? row.texts[0] : name;
        const std::string& text1 = row.texts ? row.texts[1] : folder;
        if (target.InsertRow(index, text0, text1, std::move(row.item)))
            ++index;
    }
    ResetList();
}
