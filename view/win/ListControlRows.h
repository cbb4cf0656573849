#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>
#include <vector>

#include "list/RowStore.h"

// The rows of the list window: a report-style list control without data of
// its own (LVS_OWNERDATA). The rows live here, one item pointer each, and
// the control asks for the texts of the rows it shows (LVN_GETDISPINFO):
// the file name and folder of the item's path, its position and its count.
// So inserting, clearing and sorting rows cost the control nothing, and a
// row's texts always agree with its item. The control keeps the selected
// and focused states by row index; sorting and inserting move them with
// their rows.
//
// Texts set for columns 0 and 1 that differ from the ones the item's path
// gives (a version 1 or 2 list can hold such pairs) are kept for that row;
// columns 2 and 3 always show the item's position and count.
class CListControlRows : public IRowStore {
public:
    explicit CListControlRows(HWND list = nullptr) : m_hList(list) {}
    void Attach(HWND list) { m_hList = list; }
    HWND Handle() const { return m_hList; }

    int RowCount() const override;
    int InsertRow(int index, const std::string& text0) override;
    int InsertRowWithItem(int index, const std::string& text0, const std::string& text1,
                          CWallpaperItem* item) override;
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

    // Brackets a change of many rows: the control neither redraws nor
    // learns of new rows until the outermost EndBatch, which tells it the
    // row count and redraws it once. Calls come in pairs and may nest.
    void BeginBatch();
    void EndBatch();

    // The control's requests for the rows' texts (LVN_GETDISPINFO) and its
    // search by typed text (LVN_ODFINDITEM). True, with the result, when
    // the notification was one of them.
    bool OnNotify(const NMHDR& header, LRESULT& result);
    // True while the rows move their own selected and focused states (a
    // sort, an insert before other rows): the control's change
    // notifications then report no change of the user's selection.
    bool MovingStates() const { return m_nMovingStates > 0; }

private:
    // Texts of a row that its item does not give, held with the row's item;
    // bit c of mask set when column c has one.
    struct OwnTexts {
        CWallpaperItem* item = nullptr;
        unsigned mask = 0;
        std::string text[4];
    };
    // One row in eight bytes: its item pointer, or, for the rare row that
    // keeps texts of its own, a pointer to them with the lowest bit set.
    class Row {
    public:
        Row() = default;
        Row(Row&& other) noexcept : m_value(other.m_value) { other.m_value = 0; }
        Row& operator=(Row&& other) noexcept;
        ~Row() { delete Texts(); }
        CWallpaperItem* Item() const;
        void SetItem(CWallpaperItem* item);
        // The row's own texts, or null.
        OwnTexts* Texts() const;
        OwnTexts& MakeTexts();
        void DropTexts();

    private:
        std::uintptr_t m_value = 0;
    };
    // The selected rows, the focused row and the selection's anchor.
    struct States {
        std::vector<int> selected;
        int focused = -1;
        int anchor = -1;
    };

    // Changes of more rows than this are made with the redrawing stopped.
    static constexpr std::size_t kManyRows = 256;

    bool Valid(int row) const { return row >= 0 && row < static_cast<int>(m_rows.size()); }
    // The text column c of the row shows when it keeps none of its own.
    static std::string ItemText(const CWallpaperItem* item, int column);
    // Drops the row's own texts that its item gives anyway.
    void DropTextsTheItemGives(Row& row);
    // Tells the control the row count when it differs from the one it has.
    void ShowRowCount() const;
    // Redraws one row (outside a batch).
    void RedrawRow(int row) const;
    States ReadStates() const;
    // Gives the rows the states they had before they moved; newIndex maps
    // each row's former index to its index now.
    void MoveStates(const States& before, const std::vector<int>& newIndex);

    HWND m_hList;
    std::vector<Row> m_rows;
    mutable int m_nShown = 0;  // the row count the control has
    int m_nBatch = 0;
    int m_nMovingStates = 0;
};
