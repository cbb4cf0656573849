#include "list/StagedList.h"

#include <utility>

#include "list/WallpaperItem.h"

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
    if (text0 != item->GetFileName() || text1 != item->GetFolder()) {
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
    for (Row& row : m_rows) {
        std::string text0 = row.texts ? row.texts[0] : row.item->GetFileName();
        std::string text1 = row.texts ? row.texts[1] : row.item->GetFolder();
        if (target.InsertRow(index, text0, text1, std::move(row.item)))
            ++index;
    }
    ResetList();
}
