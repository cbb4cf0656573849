#include "ListViewProbe.h"

#include <commctrl.h>

namespace {
constexpr UINT kTimeoutMs = 5000;
constexpr std::size_t kTextSize = 1024;
// Room for any of the structures plus a text buffer.
constexpr std::size_t kBlockSize = 256 + kTextSize;

// Sends a message with a time-out, so that a hung program cannot hang us.
LRESULT Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(hwnd, message, wParam, lParam, SMTO_ABORTIFHUNG, kTimeoutMs, &result))
        return -1;
    return static_cast<LRESULT>(result);
}
}  // namespace

CListViewProbe::CListViewProbe(HWND list)
    : m_list(list), m_memory(new CRemoteMemory(list, kBlockSize)) {}

int CListViewProbe::RowCount() const {
    return static_cast<int>(Send(m_list, LVM_GETITEMCOUNT, 0, 0));
}

int CListViewProbe::ColumnCount() const {
    HWND header = reinterpret_cast<HWND>(Send(m_list, LVM_GETHEADER, 0, 0));
    return header ? static_cast<int>(Send(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

std::string CListViewProbe::CellText(int row, int column) const {
    CRemoteMemory& memory = Memory();
    if (!memory.IsValid())
        return std::string();
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = static_cast<char*>(memory.AddressAt(sizeof item));
    item.cchTextMax = static_cast<int>(kTextSize);
    char empty = '\0';
    memory.Write(sizeof item, &empty, 1);
    memory.Write(0, &item, sizeof item);
    Send(m_list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
         reinterpret_cast<LPARAM>(memory.Address()));
    return memory.ReadText(sizeof item, kTextSize);
}

int CListViewProbe::SelectedCount() const {
    return static_cast<int>(Send(m_list, LVM_GETSELECTEDCOUNT, 0, 0));
}

std::vector<int> CListViewProbe::SelectedRows() const {
    std::vector<int> rows;
    int row = -1;
    int count = RowCount();
    while (static_cast<int>(rows.size()) <= count) {
        row = static_cast<int>(
            Send(m_list, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED));
        if (row < 0)
            break;
        rows.push_back(row);
    }
    return rows;
}

int CListViewProbe::FocusedRow() const {
    return static_cast<int>(Send(m_list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

std::vector<CListViewProbe::Column> CListViewProbe::Columns() const {
    std::vector<Column> columns;
    HWND header = reinterpret_cast<HWND>(Send(m_list, LVM_GETHEADER, 0, 0));
    if (!header)
        return columns;
    int count = static_cast<int>(Send(header, HDM_GETITEMCOUNT, 0, 0));
    CRemoteMemory& memory = Memory();
    if (!memory.IsValid())
        return columns;
    for (int i = 0; i < count; ++i) {
        HDITEMA item = {};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT | HDI_IMAGE;
        item.pszText = static_cast<char*>(memory.AddressAt(sizeof item));
        item.cchTextMax = static_cast<int>(kTextSize);
        char empty = '\0';
        memory.Write(sizeof item, &empty, 1);
        memory.Write(0, &item, sizeof item);
        Send(header, HDM_GETITEMA, static_cast<WPARAM>(i),
             reinterpret_cast<LPARAM>(memory.Address()));
        memory.Read(0, &item, sizeof item);
        Column column;
        column.title = memory.ReadText(sizeof item, kTextSize);
        column.width = item.cxy;
        column.format = item.fmt;
        column.image = item.iImage;
        columns.push_back(column);
    }
    return columns;
}

bool CListViewProbe::SetRowState(int row, UINT state, UINT mask) {
    CRemoteMemory& memory = Memory();
    LVITEMA item = {};
    item.state = state;
    item.stateMask = mask;
    if (!memory.Write(0, &item, sizeof item))
        return false;
    return Send(m_list, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                reinterpret_cast<LPARAM>(memory.Address())) != 0;
}

bool CListViewProbe::Select(const std::vector<int>& rows) {
    bool ok = SetRowState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        UINT state = LVIS_SELECTED | (i == 0 ? LVIS_FOCUSED : 0);
        ok = SetRowState(rows[i], state, LVIS_SELECTED | LVIS_FOCUSED) && ok;
    }
    if (!rows.empty())
        Send(m_list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(rows[0]), FALSE);
    return ok;
}

bool CListViewProbe::RectCentre(HWND control, UINT message, WPARAM wParam, RECT rect,
                                POINT& point) const {
    CRemoteMemory& memory = Memory();
    if (!memory.Write(0, &rect, sizeof rect) ||
        Send(control, message, wParam, reinterpret_cast<LPARAM>(memory.Address())) <= 0 ||
        !memory.Read(0, &rect, sizeof rect))
        return false;
    point.x = (rect.left + rect.right) / 2;
    point.y = (rect.top + rect.bottom) / 2;
    MapWindowPoints(control, nullptr, &point, 1);
    return true;
}

bool CListViewProbe::ColumnPoint(int column, POINT& point) const {
    HWND header = reinterpret_cast<HWND>(Send(m_list, LVM_GETHEADER, 0, 0));
    return header &&
           RectCentre(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), RECT{}, point);
}

bool CListViewProbe::RowPoint(int row, POINT& point) const {
    RECT rect = {};
    rect.left = LVIR_LABEL;
    return RectCentre(m_list, LVM_GETITEMRECT, static_cast<WPARAM>(row), rect, point);
}
