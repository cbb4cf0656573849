#include "list/ListTarget.h"

#include <utility>

#include "list/WallpaperItem.h"
#include "list/WallpaperRows.h"

// Binds the target to the rows; the settings start fresh.
CListTarget::CListTarget(CWallpaperRows& rows) : m_rows(rows) {}

// Empties the rows (freeing their items) and replaces the settings by fresh ones.
void CListTarget::ResetList() {
    m_rows.DeleteAllRows();
    m_settings = CListSettings();
}

// Adds the row with its texts; the row owns the item from now on.
bool CListTarget::InsertRow(int index, const std::string& text0, const std::string& text1,
                            std::unique_ptr<CWallpaperItem> item) {
    return m_rows.InsertRow(index, text0, text1, std::move(item)) >= 0;
}
