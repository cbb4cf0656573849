#pragma once
#include <string>
#include <vector>

#include "list/RowStore.h"

// Rows kept in memory, for the list when it is built without a window
// (tests, tools, benchmarks). Behaves like the list control: sorting keeps
// the order of rows that compare equal, and the states move with their rows.
class CMemoryRowStore : public IRowStore {
public:
    int RowCount() const override;
    int InsertRow(int index, const std::string& text0) override;
    void SetText(int row, int column, const std::string& text) override;
    std::string GetText(int row, int column) const override;
    void SetItem(int row, CWallpaperItem* item) override;
    CWallpaperItem* GetItem(int row) const override;
    void DeleteRow(int row) override;
    void DeleteAllRows() override;
    int SelectedCount() const override;
    int NextSelected(int after) const override;
    void SetRowState(int row, unsigned state, unsigned mask) override;
    unsigned GetRowState(int row) const override;
    void EnsureVisible(int row) override;
    void ReorderRows(const std::vector<int>& order) override;

    // The row last brought into view (-1 before any), for tests.
    int LastVisibleRow() const { return m_lastVisible; }

private:
    struct Row {
        std::string text[4];
        CWallpaperItem* item = nullptr;
        unsigned state = 0;
    };
    bool Valid(int row) const { return row >= 0 && row < static_cast<int>(m_rows.size()); }
    std::vector<Row> m_rows;
    int m_lastVisible = -1;
};
