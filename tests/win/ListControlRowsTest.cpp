// The rows of the list window (an owner-data list control whose rows live
// in the program) against the in-memory rows that are the reference: the
// same operations on both leave the same rows, texts, items, selected rows
// and focus, and the control shows the texts it asks for.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "base/win/AnsiCodePage.h"
#include "list/MemoryRowStore.h"
#include "list/WallpaperItem.h"
#include "list/WallpaperRows.h"
#include "view/win/ListControlRows.h"

namespace {

// A window holding an owner-data report list with the program's four
// columns; the list's notifications go to the rows, as the list window's
// do, and are counted by code.
class CListHost {
public:
    CListHost() {
        static const char* const kClass = "ListControlRowsTestHost";
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kClass;
        RegisterClassA(&wc);
        m_hFrame = CreateWindowExA(0, kClass, "", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                                   nullptr, wc.hInstance, this);
        m_hList =
            CreateWindowExA(0, WC_LISTVIEWA, "",
                            WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_OWNERDATA,
                            0, 0, 400, 300, m_hFrame, nullptr, wc.hInstance, nullptr);
        const char* titles[] = {"Filename", "Path", "Position", "Count"};
        for (int i = 0; i < 4; ++i) {
            LVCOLUMNA column = {};
            column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
            column.cx = 90;
            column.pszText = const_cast<char*>(titles[i]);
            column.iSubItem = i;
            SendMessageA(m_hList, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(&column));
        }
        rows.Attach(m_hList);
        ShowWindow(m_hFrame, SW_SHOWNOACTIVATE);
    }
    ~CListHost() { DestroyWindow(m_hFrame); }
    HWND List() const { return m_hList; }

    // The text the control shows in a cell.
    std::string Shown(int row, int column) const {
        char text[300] = {};
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(m_hList, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
        return text;
    }
    int Focused() const {
        return static_cast<int>(
            SendMessageA(m_hList, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    }

    CListControlRows rows;
    std::map<UINT, int> notified;
    int stateChangesWhileMoving = 0;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE)
            SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(
                                  reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
        auto* host = reinterpret_cast<CListHost*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (message == WM_NOTIFY && host) {
            const NMHDR& header = *reinterpret_cast<NMHDR*>(lParam);
            ++host->notified[header.code];
            if (header.code == LVN_ITEMCHANGED && host->rows.MovingStates())
                ++host->stateChangesWhileMoving;
            LRESULT result = 0;
            if (host->rows.OnNotify(header, result))
                return result;
            return 0;
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }

    HWND m_hFrame = nullptr;
    HWND m_hList = nullptr;
};

std::vector<int> SelectedRows(const IRowStore& store) {
    std::vector<int> rows;
    for (int row = store.NextSelected(-1); row != -1; row = store.NextSelected(row))
        rows.push_back(row);
    return rows;
}

int FocusedRow(const IRowStore& store) {
    for (int row = 0; row < store.RowCount(); ++row)
        if (store.GetRowState(row) & kRowFocused)
            return row;
    return -1;
}

std::string Describe(const CWallpaperItem* item) {
    return item ? item->GetPath() + "|" + item->GetPosition() + "|" +
                      std::to_string(item->GetCount()) + "|" +
                      std::to_string(item->GetRandomPending())
                : "no item";
}

int ByCountThenPath(const CWallpaperItem* a, const CWallpaperItem* b, std::intptr_t) {
    if (a->GetCount() != b->GetCount())
        return a->GetCount() < b->GetCount() ? -1 : 1;
    return a->GetPath().compare(b->GetPath());
}

int ByCountOnly(const CWallpaperItem* a, const CWallpaperItem* b, std::intptr_t) {
    return a->GetCount() < b->GetCount() ? -1 : (a->GetCount() > b->GetCount() ? 1 : 0);
}

}  // namespace

// A random mix of every operation the program performs on its rows, on both
// stores at once; after each step both must agree in every respect the
// program or the user can see, and the control must show the same texts.
TEST(ListControlRows, BehaveLikeTheInMemoryRows) {
    CListHost host;
    CMemoryRowStore memory;
    CWallpaperRows shown(host.rows), reference(memory);
    std::mt19937 random(20251209u);
    const std::vector<std::string> names = {"a.jpg", "B.jpg", "b.jpg", "c.png", "x\\y.bmp", ""};
    const std::vector<std::string> folders = {"C:\\Pics", "C:", "D:\\Trip 2", ""};
    auto pick = [&](const std::vector<std::string>& from) { return from[random() % from.size()]; };
    auto path = [&] {
        std::string folder = pick(folders);
        return folder.empty() ? pick(names) : folder + "\\" + pick(names);
    };
    auto both = [&](const std::function<void(IRowStore&, CWallpaperRows&)>& operation) {
        operation(host.rows, shown);
        operation(memory, reference);
    };
    auto anyRow = [&] { return static_cast<int>(random() % reference.Count()); };

    for (int step = 0; step < 800; ++step) {
        const unsigned op = random() % 100;
        const int count = reference.Count();
        if (op < 20) {
            std::string p = path();
            both([&](IRowStore&, CWallpaperRows& rows) { rows.AppendNew(p, "Stretch"); });
        } else if (op < 32) {
            // Texts as a version 1 or 2 list may give them, now and then not
            // those of the path.
            std::string text0 = pick(names), text1 = pick(folders);
            std::string p = random() % 3 ? text1 + "\\" + text0 : path();
            int index = static_cast<int>(random() % (count + 1));
            int applied = static_cast<int>(random() % 5) - 1;
            both([&](IRowStore&, CWallpaperRows& rows) {
                rows.InsertRow(index, text0, text1,
                               std::make_unique<CWallpaperItem>(p, "Tile", applied, 1));
            });
        } else if (op < 44 && count > 0) {
            int row = anyRow();
            // The control hands the focus of a deleted row to the next one;
            // the program never deletes the focused row alone.
            if (FocusedRow(memory) == row)
                both([](IRowStore& store, CWallpaperRows&) {
                    store.SetRowState(-1, 0, kRowFocused);
                });
            both([&](IRowStore&, CWallpaperRows& rows) { rows.RemoveRow(row); });
        } else if (op < 58 && count > 0) {
            int row = anyRow();
            unsigned state = random() % 3 ? kRowSelected : 0u;
            both([&](IRowStore& store, CWallpaperRows&) {
                store.SetRowState(row, state, kRowSelected);
            });
        } else if (op < 63 && count > 0) {
            int row = anyRow();
            both([&](IRowStore& store, CWallpaperRows&) {
                store.SetRowState(-1, 0, kRowFocused);
                store.SetRowState(row, kRowFocused, kRowFocused);
            });
        } else if (op < 67) {
            unsigned state = random() % 2 ? kRowSelected : 0u;
            both([&](IRowStore& store, CWallpaperRows&) {
                store.SetRowState(-1, state, kRowSelected);
            });
        } else if (op < 77) {
            RowCompareFn compare = random() % 2 ? ByCountThenPath : ByCountOnly;
            both([&](IRowStore& store, CWallpaperRows&) { store.SortRows(compare, 0); });
        } else if (op < 82 && count > 0) {
            int row = anyRow();
            both([&](IRowStore&, CWallpaperRows& rows) { rows.MarkApplied(row); });
        } else if (op < 86) {
            both([](IRowStore&, CWallpaperRows& rows) { rows.SetSelectedPosition("Center"); });
        } else if (op < 89) {
            both([](IRowStore&, CWallpaperRows& rows) { rows.ResetSelectedCounts(); });
        } else if (op < 98) {
            // A batch of new rows: the control learns of them at its end, and
            // anything that asks for states on the way gets them right.
            host.rows.BeginBatch();
            int added = 1 + static_cast<int>(random() % 4);
            for (int i = 0; i < added; ++i) {
                std::string p = path();
                both([&](IRowStore&, CWallpaperRows& rows) { rows.AppendNew(p, "Stretch"); });
            }
            if (random() % 2) {
                ASSERT_EQ(SelectedRows(host.rows), SelectedRows(memory)) << "step " << step;
            }
            host.rows.EndBatch();
        } else if (op < 99) {
            both([](IRowStore&, CWallpaperRows& rows) { rows.DeleteAllRows(); });
        }

        ASSERT_EQ(shown.Count(), reference.Count()) << "step " << step;
        ASSERT_EQ(SendMessageA(host.List(), LVM_GETITEMCOUNT, 0, 0), reference.Count());
        for (int row = 0; row < reference.Count(); ++row) {
            for (int column = 0; column < 4; ++column)
                ASSERT_EQ(host.rows.GetText(row, column), memory.GetText(row, column))
                    << "step " << step << ", row " << row << ", column " << column;
            ASSERT_EQ(Describe(shown.Item(row)), Describe(reference.Item(row)))
                << "step " << step << ", row " << row;
        }
        ASSERT_EQ(SelectedRows(host.rows), SelectedRows(memory)) << "step " << step;
        ASSERT_EQ(host.rows.SelectedCount(), memory.SelectedCount()) << "step " << step;
        ASSERT_EQ(host.Focused(), FocusedRow(memory)) << "step " << step;
        std::string probe = path();
        ASSERT_EQ(shown.IsInList(probe), reference.IsInList(probe)) << "step " << step;
        for (int row = 0; step % 25 == 0 && row < reference.Count(); ++row) {
            for (int column = 0; column < 4; ++column)
                ASSERT_EQ(host.Shown(row, column), memory.GetText(row, column))
                    << "step " << step << ", row " << row << ", column " << column;
        }
    }
    // What moved with the rows was not reported as the user's choice.
    EXPECT_EQ(host.notified[LVN_ITEMCHANGING], 0);
    both([](IRowStore&, CWallpaperRows& rows) { rows.DeleteAllRows(); });
}

// The control asks for nothing row by row: a thousand new rows reach it as
// one row count, selecting every row is one change for all (item -1), and
// clearing the list reports no row on its own.
TEST(ListControlRows, ManyRowsCostTheControlNothingPerRow) {
    CListHost host;
    CWallpaperRows rows(host.rows);
    host.rows.BeginBatch();
    for (int i = 0; i < 1000; ++i)
        rows.AppendNew("C:\\Pics\\" + std::to_string(i) + ".jpg", "Stretch");
    EXPECT_EQ(SendMessageA(host.List(), LVM_GETITEMCOUNT, 0, 0), 0) << "told row by row";
    host.rows.EndBatch();
    UpdateWindow(host.List());
    EXPECT_EQ(SendMessageA(host.List(), LVM_GETITEMCOUNT, 0, 0), 1000);
    int perPage = static_cast<int>(SendMessageA(host.List(), LVM_GETCOUNTPERPAGE, 0, 0));
    EXPECT_LE(host.notified[LVN_GETDISPINFOA] + host.notified[LVN_GETDISPINFOW],
              2 * 4 * (perPage + 1))
        << "the control asked for the texts of rows it does not show";
    EXPECT_EQ(host.notified[LVN_ITEMCHANGED] + host.notified[LVN_INSERTITEM], 0);

    host.notified.clear();
    host.rows.SetRowState(-1, kRowSelected, kRowSelected);
    EXPECT_EQ(host.rows.SelectedCount(), 1000);
    EXPECT_EQ(host.notified[LVN_ITEMCHANGED], 1);

    // Sorted back to front with every row selected: nothing to move.
    host.notified.clear();
    host.rows.SortRows([](const CWallpaperItem* a, const CWallpaperItem* b,
                          std::intptr_t) { return b->GetPath().compare(a->GetPath()); },
                       0);
    EXPECT_EQ(host.Shown(0, 0), "999.jpg");
    EXPECT_EQ(host.rows.SelectedCount(), 1000);
    EXPECT_EQ(host.notified[LVN_ITEMCHANGED], 0);

    host.notified.clear();
    rows.DeleteAllRows();
    EXPECT_EQ(SendMessageA(host.List(), LVM_GETITEMCOUNT, 0, 0), 0);
    EXPECT_EQ(host.notified[LVN_DELETEITEM] + host.notified[LVN_ITEMCHANGED], 0);
}

// A sort moves the selection, the focus and the anchor of Shift-selection
// with their rows, reports none of it as a change of the user's, and
// leaves the list scrolled where it was.
TEST(ListControlRows, SortingMovesStatesWithTheirRowsAndKeepsTheScroll) {
    CListHost host;
    CWallpaperRows rows(host.rows);
    for (int i = 0; i < 300; ++i)
        rows.InsertRow(i, "r" + std::to_string(i) + ".jpg", "C:",
                       std::make_unique<CWallpaperItem>("C:\\r" + std::to_string(i) + ".jpg",
                                                        "Tile", 299 - i, 1));
    host.rows.SetRowState(2, kRowSelected, kRowSelected);
    host.rows.SetRowState(5, kRowSelected | kRowFocused, kRowSelected | kRowFocused);
    SendMessageA(host.List(), LVM_SETSELECTIONMARK, 0, 2);
    SendMessageA(host.List(), LVM_ENSUREVISIBLE, 0, FALSE);
    host.notified.clear();

    host.rows.SortRows(ByCountOnly, 0);  // reverses the rows
    EXPECT_EQ(host.Shown(0, 0), "r299.jpg");
    EXPECT_EQ(SelectedRows(host.rows), (std::vector<int>{294, 297}));
    EXPECT_EQ(host.Focused(), 294);
    EXPECT_EQ(SendMessageA(host.List(), LVM_GETSELECTIONMARK, 0, 0), 297);
    EXPECT_EQ(SendMessageA(host.List(), LVM_GETTOPINDEX, 0, 0), 0);
    EXPECT_EQ(host.notified[LVN_ITEMCHANGED], host.stateChangesWhileMoving);
    EXPECT_FALSE(host.rows.MovingStates());
    rows.DeleteAllRows();
}

// Typing the first letters of a file name finds its row, without regard to
// case, after the focused row and round to the top (LVN_ODFINDITEM).
TEST(ListControlRows, TypedLettersFindTheRow) {
    CListHost host;
    CWallpaperRows rows(host.rows);
    for (const char* p : {"C:\\apple.jpg", "C:\\Banana.jpg", "C:\\cherry.jpg", "C:\\blue.jpg"})
        rows.AppendNew(p, "Stretch");
    SendMessageA(host.List(), WM_CHAR, 'b', 1);
    SendMessageA(host.List(), WM_CHAR, 'l', 1);
    EXPECT_EQ(SelectedRows(host.rows), std::vector<int>{3});
    EXPECT_EQ(host.Focused(), 3);
    Sleep(600);  // a pause starts a new search
    SendMessageA(host.List(), WM_CHAR, 'B', 1);
    EXPECT_EQ(SelectedRows(host.rows), std::vector<int>{1});
    Sleep(600);
    SendMessageA(host.List(), WM_CHAR, 'z', 1);
    EXPECT_EQ(SelectedRows(host.rows), std::vector<int>{1});
    rows.DeleteAllRows();
}

// The process runs in UTF-8: a buffer too small for a name gets whole
// characters only, in the 8-bit and in the UTF-16 request.
TEST(ListControlRows, TextRequestsAreCutBetweenCharacters) {
    InstallWindowsTextServices();
    CListHost host;
    CWallpaperRows rows(host.rows);
    rows.AppendNew("C:\\\xE6\x97\xA5\xE6\x9C\xAC\xF0\x9F\x8C\x84.png", "Stretch");  // 日本🌄.png
    char narrow[8] = {};
    NMLVDISPINFOA a = {};
    a.hdr.code = LVN_GETDISPINFOA;
    a.item.mask = LVIF_TEXT;
    a.item.pszText = narrow;
    a.item.cchTextMax = 6;  // room for 5 bytes: 日 and 2 bytes of 本
    LRESULT result = 0;
    ASSERT_TRUE(host.rows.OnNotify(a.hdr, result));
    EXPECT_EQ(std::string(narrow), "\xE6\x97\xA5");
    wchar_t wide[8] = {};
    NMLVDISPINFOW w = {};
    w.hdr.code = LVN_GETDISPINFOW;
    w.item.mask = LVIF_TEXT;
    w.item.pszText = wide;
    w.item.cchTextMax = 4;  // room for 3 units: 日, 本 and half of 🌄
    ASSERT_TRUE(host.rows.OnNotify(w.hdr, result));
    EXPECT_EQ(std::wstring(wide), L"\u65E5\u672C");
    rows.DeleteAllRows();
}
