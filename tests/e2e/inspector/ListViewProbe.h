#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "RemoteMemory.h"

// Reads and changes a list-view control of another process: row texts,
// selection and the header's columns.
class CListViewProbe {
public:
    explicit CListViewProbe(HWND list);

    struct Column {
        std::string title;
        int width = 0;
        int format = 0;  // HDF_* flags
        int image = -1;  // image index, meaningful with HDF_IMAGE
    };

    HWND Handle() const { return m_list; }
    // Number of rows.
    int RowCount() const;
    // Number of columns in the header.
    int ColumnCount() const;
    // Text of one cell.
    std::string CellText(int row, int column) const;
    // Number of selected rows.
    int SelectedCount() const;
    // Indices of the selected rows, in row order.
    std::vector<int> SelectedRows() const;
    // Index of the row with the focus, or -1.
    int FocusedRow() const;
    // Title, width, format and image of every header item.
    std::vector<Column> Columns() const;
    // Selects exactly the given rows; the first one also gets the focus.
    bool Select(const std::vector<int>& rows);
    // The centre of a column's header item, in screen coordinates.
    bool ColumnPoint(int column, POINT& point) const;
    // The centre of a row's first cell, in screen coordinates.
    bool RowPoint(int row, POINT& point) const;

private:
    // The centre of the rectangle that a control message fills in, in
    // screen coordinates; rect goes in as the message's input.
    bool RectCentre(HWND control, UINT message, WPARAM wParam, RECT rect, POINT& point) const;
    // Sets the state bits under mask of one row (-1: every row).
    bool SetRowState(int row, UINT state, UINT mask);

    // One block in the program for every call: reserving memory in
    // another process is slow under Wine.
    CRemoteMemory& Memory() const { return *m_memory; }

    HWND m_list;
    std::unique_ptr<CRemoteMemory> m_memory;
};
