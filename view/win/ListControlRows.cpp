#include "view/win/ListControlRows.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "base/CodePage.h"
#include "base/PathParts.h"
#include "base/win/WideText.h"
#include "list/WallpaperItem.h"
#include "view/RowSearch.h"

namespace {

// LVFI_SUBSTRING, which the headers declare only for newer systems.
constexpr unsigned kFindSubstring = 0x0004;

// Copies text into a control's buffer of `size` characters, cut at a
// whole character when it does not fit.
void CopyToBuffer(const std::string& text, char* buffer, int size) {
    if (!buffer || size <= 0)
        return;
    std::size_t length = WholeCharBytes(text, static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

// The same for a control that asks in UTF-16; a surrogate pair is never
// split.
void CopyToBuffer(const std::string& text, wchar_t* buffer, int size) {
    if (!buffer || size <= 0)
        return;
    std::wstring wide = Widen(text);
    std::size_t length = std::min(wide.size(), static_cast<std::size_t>(size - 1));
    if (length < wide.size() && length > 0 && wide[length - 1] >= 0xD800 &&
        wide[length - 1] <= 0xDBFF)
        --length;
    std::wmemcpy(buffer, wide.data(), length);
    buffer[length] = L'\0';
}

// Answers the control's request for a cell's text, in either character set.
template <typename DispInfo>
void FillText(const IRowStore& rows, const DispInfo& info) {
    if (info.item.mask & LVIF_TEXT)
        CopyToBuffer(rows.GetText(info.item.iItem, info.item.iSubItem), info.item.pszText,
                     info.item.cchTextMax);
}

// The row the control's search by text finds: column 0 texts that start
// with (LVFI_PARTIAL, LVFI_SUBSTRING) or equal (LVFI_STRING) the text,
// without regard to case, from the start row on; -1 when none does.
LRESULT FindRow(const IRowStore& rows, int start, unsigned flags, const std::string& text) {
    if (!(flags & (LVFI_STRING | LVFI_PARTIAL | kFindSubstring)))
        return -1;  // the rows carry no item data the control could look for
    bool prefix = (flags & (LVFI_PARTIAL | kFindSubstring)) != 0;
    return FindRowByText(rows, start, text, prefix, (flags & LVFI_WRAP) != 0);
}

}  // namespace

int CListControlRows::RowCount() const {
    return static_cast<int>(m_rows.size());
}

// A row without an item; its column 0 text is its own.
int CListControlRows::InsertRow(int index, const std::string& text0) {
    return InsertRowWithItem(index, text0, std::string(), nullptr);
}

int CListControlRows::InsertRowWithItem(int index, const std::string& text0,
                                        const std::string& text1, CWallpaperItem* item) {
    if (index < 0)
        return -1;
    const int count = RowCount();
    if (index > count)
        index = count;
    Row row;
    row.SetItem(item);
    if (!item || text0 != ItemText(item, 0) || text1 != ItemText(item, 1)) {
        OwnTexts& texts = row.MakeTexts();
        texts.mask = 3;
        texts.text[0] = text0;
        texts.text[1] = text1;
        DropTextsTheItemGives(row);
    }
    if (index == count) {
        // New rows go to the end: in a batch the control learns of them at
        // its end, otherwise at once.
        m_rows.push_back(std::move(row));
        if (m_nBatch == 0)
            ShowRowCount();
        return index;
    }
    // A row before others: the rows after it keep their states.
    States before = ReadStates();
    m_rows.insert(m_rows.begin() + index, std::move(row));
    std::vector<int> newIndex(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        newIndex[static_cast<std::size_t>(i)] = i < index ? i : i + 1;
    ShowRowCount();
    MoveStates(before, newIndex);
    RedrawRow(-1);
    return index;
}

void CListControlRows::SetText(int row, int column, const std::string& text) {
    if (!Valid(row) || column < 0 || column > 3)
        return;
    Row& r = m_rows[static_cast<std::size_t>(row)];
    if (column >= 2 && r.Item()) {
        // The item gives the position and count: nothing to keep.
        RedrawRow(row);
        return;
    }
    OwnTexts& texts = r.MakeTexts();
    texts.mask |= 1u << column;
    texts.text[column] = text;
    DropTextsTheItemGives(r);
    RedrawRow(row);
}

std::string CListControlRows::GetText(int row, int column) const {
    if (!Valid(row) || column < 0 || column > 3)
        return std::string();
    const Row& r = m_rows[static_cast<std::size_t>(row)];
    const OwnTexts* texts = r.Texts();
    if (texts && (texts->mask & (1u << column)))
        return texts->text[column];
    return ItemText(r.Item(), column);
}

// The row shows the new item's texts from now on. The former item is not
// looked at: whoever replaces it may have freed it already.
void CListControlRows::SetItem(int row, CWallpaperItem* item) {
    if (!Valid(row))
        return;
    Row& r = m_rows[static_cast<std::size_t>(row)];
    r.SetItem(item);
    DropTextsTheItemGives(r);
    RedrawRow(row);
}

CWallpaperItem* CListControlRows::GetItem(int row) const {
    return Valid(row) ? m_rows[static_cast<std::size_t>(row)].Item() : nullptr;
}

// The control deletes the row first: it moves the states of the rows after
// it up and reports the row's lost selection, as it does for rows of its own.
void CListControlRows::DeleteRow(int row) {
    if (!Valid(row))
        return;
    if (m_hList) {
        ShowRowCount();
        if (!SendMessageA(m_hList, LVM_DELETEITEM, static_cast<WPARAM>(row), 0))
            return;
        --m_nShown;
    }
    m_rows.erase(m_rows.begin() + row);
}

void CListControlRows::DeleteAllRows() {
    if (m_hList)
        SendMessageA(m_hList, LVM_DELETEALLITEMS, 0, 0);
    m_nShown = 0;
    std::vector<Row>().swap(m_rows);
}

int CListControlRows::SelectedCount() const {
    if (!m_hList)
        return 0;
    ShowRowCount();
    return static_cast<int>(SendMessageA(m_hList, LVM_GETSELECTEDCOUNT, 0, 0));
}

int CListControlRows::NextSelected(int after) const {
    if (!m_hList)
        return -1;
    ShowRowCount();
    return static_cast<int>(SendMessageA(m_hList, LVM_GETNEXTITEM, static_cast<WPARAM>(after),
                                         MAKELPARAM(LVNI_SELECTED, 0)));
}

// A change of the state of every row of a long list is made without
// redrawing row by row. Stopping and restarting the redrawing costs more
// than a few rows' redrawing, so a short list is left as it is.
void CListControlRows::SetRowState(int row, unsigned state, unsigned mask) {
    if (!m_hList)
        return;
    ShowRowCount();
    LVITEMA item = {};
    item.state = state;
    item.stateMask = mask;
    const bool batch = row == -1 && m_rows.size() > kManyRows;
    if (batch)
        BeginBatch();
    SendMessageA(m_hList, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
    if (batch)
        EndBatch();
}

unsigned CListControlRows::GetRowState(int row) const {
    if (!m_hList)
        return 0;
    ShowRowCount();
    return static_cast<unsigned>(SendMessageA(m_hList, LVM_GETITEMSTATE, static_cast<WPARAM>(row),
                                              LVIS_SELECTED | LVIS_FOCUSED));
}

void CListControlRows::EnsureVisible(int row) {
    if (!m_hList)
        return;
    ShowRowCount();
    SendMessageA(m_hList, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

// Moves the rows to their places, then moves the states with their rows
// and redraws the control once.
void CListControlRows::ReorderRows(const std::vector<int>& order) {
    const int count = RowCount();
    std::vector<int> newIndex;
    if (count < 2 || !PlacesOfOrder(order, count, newIndex))
        return;
    States before = ReadStates();
    std::vector<Row> moved(static_cast<std::size_t>(count));
    for (std::size_t place = 0; place < order.size(); ++place)
        moved[place] = std::move(m_rows[static_cast<std::size_t>(order[place])]);
    m_rows.swap(moved);
    MoveStates(before, newIndex);
    RedrawRow(-1);
}

void CListControlRows::BeginBatch() {
    if (m_nBatch++ == 0 && m_hList)
        SendMessageA(m_hList, WM_SETREDRAW, FALSE, 0);
}

void CListControlRows::EndBatch() {
    if (m_nBatch == 0 || --m_nBatch > 0 || !m_hList)
        return;
    // A batch of new rows may leave the row array with room to spare.
    std::size_t spare = m_rows.capacity() - m_rows.size();
    if (spare > m_rows.size() / 4 && spare * sizeof(Row) > 65536)
        m_rows.shrink_to_fit();
    ShowRowCount();
    SendMessageA(m_hList, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(m_hList, nullptr, TRUE);
}

bool CListControlRows::OnNotify(const NMHDR& header, LRESULT& result) {
    switch (header.code) {
    case LVN_GETDISPINFOA:
        FillText(*this, reinterpret_cast<const NMLVDISPINFOA&>(header));
        result = 0;
        return true;
    case LVN_GETDISPINFOW:
        FillText(*this, reinterpret_cast<const NMLVDISPINFOW&>(header));
        result = 0;
        return true;
    case LVN_ODFINDITEMA: {
        auto& find = reinterpret_cast<const NMLVFINDITEMA&>(header);
        result = FindRow(*this, find.iStart, find.lvfi.flags, find.lvfi.psz ? find.lvfi.psz : "");
        return true;
    }
    case LVN_ODFINDITEMW: {
        auto& find = reinterpret_cast<const NMLVFINDITEMW&>(header);
        result = FindRow(*this, find.iStart, find.lvfi.flags, Narrow(find.lvfi.psz));
        return true;
    }
    case LVN_ODCACHEHINT:
        result = 0;
        return true;
    default:
        return false;
    }
}

std::string CListControlRows::ItemText(const CWallpaperItem* item, int column) {
    if (!item)
        return std::string();
    switch (column) {
    case 0:
        return item->GetFileName();
    case 1:
        return item->GetFolder();
    case 2:
        return item->GetPosition();
    default:
        return DecimalText(item->GetCount());
    }
}

void CListControlRows::DropTextsTheItemGives(Row& row) {
    OwnTexts* texts = row.Texts();
    if (!texts || !texts->item)
        return;
    for (int column = 0; column < 4; ++column) {
        unsigned bit = 1u << column;
        // The position and count always come from the item.
        if ((texts->mask & bit) &&
            (column >= 2 || texts->text[column] == ItemText(texts->item, column))) {
            texts->mask &= ~bit;
            texts->text[column].clear();
        }
    }
    if (texts->mask == 0)
        row.DropTexts();
}

CListControlRows::Row& CListControlRows::Row::operator=(Row&& other) noexcept {
    if (this != &other) {
        delete Texts();
        m_value = other.m_value;
        other.m_value = 0;
    }
    return *this;
}

CWallpaperItem* CListControlRows::Row::Item() const {
    const OwnTexts* texts = Texts();
    return texts ? texts->item : reinterpret_cast<CWallpaperItem*>(m_value);
}

void CListControlRows::Row::SetItem(CWallpaperItem* item) {
    if (OwnTexts* texts = Texts())
        texts->item = item;
    else
        m_value = reinterpret_cast<std::uintptr_t>(item);
}

CListControlRows::OwnTexts* CListControlRows::Row::Texts() const {
    return (m_value & 1) ? reinterpret_cast<OwnTexts*>(m_value & ~static_cast<std::uintptr_t>(1))
                         : nullptr;
}

CListControlRows::OwnTexts& CListControlRows::Row::MakeTexts() {
    if (!Texts()) {
        auto* texts = new OwnTexts;
        texts->item = reinterpret_cast<CWallpaperItem*>(m_value);
        m_value = reinterpret_cast<std::uintptr_t>(texts) | 1;
    }
    return *Texts();
}

void CListControlRows::Row::DropTexts() {
    if (OwnTexts* texts = Texts()) {
        m_value = reinterpret_cast<std::uintptr_t>(texts->item);
        delete texts;
    }
}

void CListControlRows::ShowRowCount() const {
    const int count = RowCount();
    if (!m_hList || m_nShown == count)
        return;
    SendMessageA(m_hList, LVM_SETITEMCOUNT, static_cast<WPARAM>(count),
                 LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
    m_nShown = count;
}

void CListControlRows::RedrawRow(int row) const {
    if (!m_hList || m_nBatch > 0)
        return;
    if (row < 0)
        InvalidateRect(m_hList, nullptr, TRUE);
    else if (row < m_nShown)
        SendMessageA(m_hList, LVM_REDRAWITEMS, static_cast<WPARAM>(row), row);
}

CListControlRows::States CListControlRows::ReadStates() const {
    States states;
    if (!m_hList)
        return states;
    ShowRowCount();
    const int count = RowCount();
    int selected = SelectedCount();
    if (selected == count) {
        states.selected.resize(static_cast<std::size_t>(count));
        std::iota(states.selected.begin(), states.selected.end(), 0);
    } else if (selected > 0) {
        states.selected.reserve(static_cast<std::size_t>(selected));
        for (int row = NextSelected(-1); row != -1; row = NextSelected(row))
            states.selected.push_back(row);
    }
    states.focused = static_cast<int>(
        SendMessageA(m_hList, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    states.anchor = static_cast<int>(SendMessageA(m_hList, LVM_GETSELECTIONMARK, 0, 0));
    return states;
}

// Only the rows whose selected state differs between the former and the new
// indices are changed; the focus and the anchor follow their rows.
void CListControlRows::MoveStates(const States& before, const std::vector<int>& newIndex) {
    if (!m_hList)
        return;
    auto moved = [&](int row) {
        return row >= 0 && row < static_cast<int>(newIndex.size())
                   ? newIndex[static_cast<std::size_t>(row)]
                   : -1;
    };
    std::vector<int> after;
    after.reserve(before.selected.size());
    for (int row : before.selected)
        after.push_back(moved(row));
    std::sort(after.begin(), after.end());
    std::vector<int> clear, select;
    std::set_difference(before.selected.begin(), before.selected.end(), after.begin(), after.end(),
                        std::back_inserter(clear));
    std::set_difference(after.begin(), after.end(), before.selected.begin(), before.selected.end(),
                        std::back_inserter(select));
    int focused = moved(before.focused);
    bool moveFocus = before.focused >= 0 && focused != before.focused;
    if (clear.empty() && select.empty() && !moveFocus && moved(before.anchor) == before.anchor)
        return;

    ++m_nMovingStates;
    const bool batch = clear.size() + select.size() > kManyRows;
    if (batch)
        BeginBatch();
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED;
    for (int row : clear) {
        item.state = 0;
        SendMessageA(m_hList, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
    }
    for (int row : select) {
        item.state = LVIS_SELECTED;
        SendMessageA(m_hList, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
    }
    if (moveFocus) {
        // The control brings a row that takes the focus into view; a sort
        // leaves the list where it was, as it does for rows of the control's own.
        int top = static_cast<int>(SendMessageA(m_hList, LVM_GETTOPINDEX, 0, 0));
        item.stateMask = LVIS_FOCUSED;
        item.state = LVIS_FOCUSED;
        SendMessageA(m_hList, LVM_SETITEMSTATE, static_cast<WPARAM>(focused),
                     reinterpret_cast<LPARAM>(&item));
        int scrolled = static_cast<int>(SendMessageA(m_hList, LVM_GETTOPINDEX, 0, 0)) - top;
        RECT rect = {};
        rect.left = LVIR_BOUNDS;
        if (scrolled != 0 &&
            SendMessageA(m_hList, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rect)))
            SendMessageA(m_hList, LVM_SCROLL, 0, -scrolled * (rect.bottom - rect.top));
    }
    SendMessageA(m_hList, LVM_SETSELECTIONMARK, 0, moved(before.anchor));
    if (batch)
        EndBatch();
    --m_nMovingStates;
}
