#include "view/win/ListControlRows.h"

#include <commctrl.h>

#include <vector>

namespace {

// What the control's sort hands back to the compare function.
struct SortContext {
    RowCompareFn compare;
    std::intptr_t param;
};

int CALLBACK CompareRows(LPARAM item1, LPARAM item2, LPARAM context) {
    auto* sort = reinterpret_cast<const SortContext*>(context);
    return sort->compare(reinterpret_cast<const CWallpaperItem*>(item1),
                         reinterpret_cast<const CWallpaperItem*>(item2), sort->param);
}

}  // namespace

int CListControlRows::RowCount() const {
    return static_cast<int>(SendMessageA(m_hList, LVM_GETITEMCOUNT, 0, 0));
}

int CListControlRows::InsertRow(int index, const std::string& text0) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = index;
    item.pszText = const_cast<char*>(text0.c_str());
    item.lParam = 0;
    return static_cast<int>(
        SendMessageA(m_hList, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void CListControlRows::SetText(int row, int column, const std::string& text) {
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(m_hList, LVM_SETITEMTEXTA, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
}

std::string CListControlRows::GetText(int row, int column) const {
    if (row < 0 || row >= RowCount())
        return std::string();
    // Grow the buffer until the whole text fits.
    std::vector<char> buffer(512);
    for (;;) {
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        int length = static_cast<int>(SendMessageA(
            m_hList, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
        if (length < static_cast<int>(buffer.size()) - 1 || buffer.size() >= (1u << 20))
            return std::string(item.pszText ? item.pszText : "");
        buffer.resize(buffer.size() * 4);
    }
}

void CListControlRows::SetItem(int row, CWallpaperItem* data) {
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    item.lParam = reinterpret_cast<LPARAM>(data);
    SendMessageA(m_hList, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

CWallpaperItem* CListControlRows::GetItem(int row) const {
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (!SendMessageA(m_hList, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
        return nullptr;
    return reinterpret_cast<CWallpaperItem*>(item.lParam);
}

void CListControlRows::DeleteRow(int row) {
    SendMessageA(m_hList, LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
}

void CListControlRows::DeleteAllRows() {
    SendMessageA(m_hList, LVM_DELETEALLITEMS, 0, 0);
}

int CListControlRows::SelectedCount() const {
    return static_cast<int>(SendMessageA(m_hList, LVM_GETSELECTEDCOUNT, 0, 0));
}

int CListControlRows::NextSelected(int after) const {
    return static_cast<int>(SendMessageA(m_hList, LVM_GETNEXTITEM, static_cast<WPARAM>(after),
                                         MAKELPARAM(LVNI_SELECTED, 0)));
}

void CListControlRows::SetRowState(int row, unsigned state, unsigned mask) {
    LVITEMA item = {};
    item.state = state;
    item.stateMask = mask;
    SendMessageA(m_hList, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
}

unsigned CListControlRows::GetRowState(int row) const {
    return static_cast<unsigned>(SendMessageA(m_hList, LVM_GETITEMSTATE, static_cast<WPARAM>(row),
                                              LVIS_SELECTED | LVIS_FOCUSED));
}

void CListControlRows::EnsureVisible(int row) {
    SendMessageA(m_hList, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

void CListControlRows::SortRows(RowCompareFn compare, std::intptr_t param) {
    SortContext context{compare, param};
    SendMessageA(m_hList, LVM_SORTITEMS, reinterpret_cast<WPARAM>(&context),
                 reinterpret_cast<LPARAM>(CompareRows));
}
