#include "list/MemoryRowStore.h"

#include <algorithm>
#include <utility>

// The number of rows.
int CMemoryRowStore::RowCount() const {
    return static_cast<int>(m_rows.size());
}

// Inserts a row before index (at the end when index is past it); -1 for a
// negative index.
int CMemoryRowStore::InsertRow(int index, const std::string& text0) {
    if (index < 0)
        return -1;
    if (index > RowCount())
        index = RowCount();
    Row row;
    row.text[0] = text0;
    m_rows.insert(m_rows.begin() + index, row);
    return index;
}

// Sets the text of one column of a row.
void CMemoryRowStore::SetText(int row, int column, const std::string& text) {
    if (Valid(row) && column >= 0 && column < 4)
        m_rows[row].text[column] = text;
}

// The text of one column of a row; empty for a row or column that does not exist.
std::string CMemoryRowStore::GetText(int row, int column) const {
    if (Valid(row) && column >= 0 && column < 4)
        return m_rows[row].text[column];
    return std::string();
}

// Attaches an item pointer to the row.
void CMemoryRowStore::SetItem(int row, CWallpaperItem* item) {
    if (Valid(row))
        m_rows[row].item = item;
}

// The row's item pointer; nullptr for a row that does not exist.
CWallpaperItem* CMemoryRowStore::GetItem(int row) const {
    return Valid(row) ? m_rows[row].item : nullptr;
}

// Deletes one row; the rows after it move up.
void CMemoryRowStore::DeleteRow(int row) {
    if (Valid(row))
        m_rows.erase(m_rows.begin() + row);
}

// Deletes every row.
void CMemoryRowStore::DeleteAllRows() {
    m_rows.clear();
}

// The number of selected rows.
int CMemoryRowStore::SelectedCount() const {
    return static_cast<int>(std::count_if(
        m_rows.begin(), m_rows.end(), [](const Row& r) { return (r.state & kRowSelected) != 0; }));
}

// The first selected row after `after`; -1 when there is none.
int CMemoryRowStore::NextSelected(int after) const {
    for (int row = after < 0 ? 0 : after + 1; row < RowCount(); ++row) {
        if (m_rows[row].state & kRowSelected)
            return row;
    }
    return -1;
}

// Sets the masked state bits of one row, or of every row for row -1.
void CMemoryRowStore::SetRowState(int row, unsigned state, unsigned mask) {
    auto apply = [state, mask](Row& r) { r.state = (r.state & ~mask) | (state & mask); };
    if (row == -1)
        std::for_each(m_rows.begin(), m_rows.end(), apply);
    else if (Valid(row))
        apply(m_rows[row]);
}

// The state bits of a row; 0 for a row that does not exist.
unsigned CMemoryRowStore::GetRowState(int row) const {
    return Valid(row) ? m_rows[row].state : 0;
}

// Remembers the row as the one brought into view.
void CMemoryRowStore::EnsureVisible(int row) {
    if (Valid(row))
        m_lastVisible = row;
}

// Moves each row, with its state, to its place in the order.
void CMemoryRowStore::ReorderRows(const std::vector<int>& order) {
    std::vector<int> newIndex;
    if (!PlacesOfOrder(order, RowCount(), newIndex))
        return;
    std::vector<Row> moved(m_rows.size());
    for (std::size_t place = 0; place < order.size(); ++place)
        moved[place] = std::move(m_rows[static_cast<std::size_t>(order[place])]);
    m_rows.swap(moved);
}
