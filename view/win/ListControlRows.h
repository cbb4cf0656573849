#pragma once
#include <windows.h>

#include "list/RowStore.h"

// The rows of a report-style list control: the texts of its four columns,
// the item pointer as each row's data, the selection and sorting.
class CListControlRows : public IRowStore {
public:
    explicit CListControlRows(HWND list = nullptr) : m_hList(list) {}
    void Attach(HWND list) { m_hList = list; }
    HWND Handle() const { return m_hList; }

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
    void SortRows(RowCompareFn compare, std::intptr_t param) override;

private:
    HWND m_hList;
};
