// The main window and the list window of the real application: the frame
// title, the row-count pane, sorting by header clicks with the arrows, the
// enabling of menu items and toolbar buttons, Select All, and a list named
// on the command line.

#include "AppFixture.h"

#include <algorithm>
#include <map>

#include "res/resource.h"
#include "view/SortOrder.h"

using namespace apptest;

namespace {

// Four items whose keys differ in every column: file names in mixed case,
// folders and positions whose order depends on case, counts across 0 and 9/10.
std::string FourItems() {
    return V3File({
        {"C:\\pics\\c.jpg", "Tile", 10, 1},
        {"D:\\Art\\B.jpg", "Center", 9, 1},
        {"C:\\Pics\\a.jpg", "Stretch", -3, 0},
        {"c:\\zoo\\d.png", "center", 0, 1},
    });
}

class ListWindow : public AppFixture {
protected:
    // Starts with an empty list and opens the four items through File Open.
    void StartWithFourItems() {
        ASSERT_TRUE(WriteBytes(m_temp.File("LIST.vld"), FourItems()));
        ASSERT_TRUE(StartApp());
        AnswerDialog(m_temp.File("LIST.vld"));
        Command(ID_FILE_OPEN);
        ASSERT_EQ(RowCount(), 4);
    }

    // Clicks a header item as the header reports it, in its 8-bit or 16-bit form.
    void HeaderClick(int column, bool wide) {
        NMHEADERA notify = {};
        notify.hdr.hwndFrom = Header();
        notify.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(Header()));
        notify.hdr.code = wide ? HDN_ITEMCLICKW : HDN_ITEMCLICKA;
        notify.iItem = column;
        notify.iButton = 0;
        LRESULT result =
            SendMessageA(List(), WM_NOTIFY, notify.hdr.idFrom, reinterpret_cast<LPARAM>(&notify));
        EXPECT_EQ(result, 0);
        Idle();
    }

    // Stores "Sort Column" and "Sort Ascending" as the last run left them.
    static void StoreSortSettings(DWORD column, DWORD ascending) {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Quillfen\\Varnello", 0, nullptr, 0,
                                  KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key, "Sort Column", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&column),
                       sizeof column);
        RegSetValueExA(key, "Sort Ascending", 0, REG_DWORD,
                       reinterpret_cast<const BYTE*>(&ascending), sizeof ascending);
        RegCloseKey(key);
    }

    // The Position commands that show their check mark, by id.
    std::string CheckedPositions() {
        std::string checked;
        for (UINT id : {ID_POSITION_CENTER, ID_POSITION_STRETCH, ID_POSITION_TILE, ID_POSITION_FILL,
                        ID_POSITION_FIT, ID_POSITION_SPAN})
            if (MenuItemChecked(id))
                checked += std::to_string(id) + " ";
        return checked;
    }

    // The arrows of the four header items: -1 none, 1 up, 0 down.
    std::string Arrows() const {
        std::string out;
        for (int column = 0; column < 4; ++column)
            out += (column ? "," : "") + std::to_string(HeaderArrow(column));
        return out;
    }
};

}  // namespace

TEST_F(ListWindow, ColumnsOfTheList) {
    ASSERT_TRUE(StartApp());
    ASSERT_EQ(SendMessageA(Header(), HDM_GETITEMCOUNT, 0, 0), 4);
    const char* titles[] = {"Filename", "Path", "Position", "Count"};
    const int formats[] = {HDF_LEFT, HDF_LEFT, HDF_LEFT, HDF_RIGHT};
    for (int column = 0; column < 4; ++column) {
        char text[64] = {};
        HDITEMA item = {};
        item.mask = HDI_TEXT | HDI_FORMAT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(Header(), HDM_GETITEMA, static_cast<WPARAM>(column),
                     reinterpret_cast<LPARAM>(&item));
        EXPECT_STREQ(text, titles[column]);
        EXPECT_EQ(item.fmt & HDF_JUSTIFYMASK, formats[column]) << titles[column];
    }
    LONG style = GetWindowLongA(List(), GWL_STYLE);
    EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_TRUE(style & LVS_SHOWSELALWAYS);
    EXPECT_FALSE(style & LVS_SINGLESEL);
    EXPECT_EQ(SendMessageA(List(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0),
              LVS_EX_FULLROWSELECT | LVS_EX_LABELTIP);
}

TEST_F(ListWindow, FrameTitleShowsTheListAndItsMark) {
    ASSERT_TRUE(StartApp());
    EXPECT_EQ(FrameTitle(), "Untitled - Varnello");
    Doc()->SetModifiedFlag(true);
    EXPECT_EQ(FrameTitle(), "Untitled * - Varnello");

    AnswerDialog(m_temp.File("LIST.vld"));
    Command(ID_FILE_SAVE);
    EXPECT_EQ(FrameTitle(), "LIST.vld - Varnello");
    Doc()->SetModifiedFlag(true);
    Doc()->SetModifiedFlag(true);
    EXPECT_EQ(FrameTitle(), "LIST.vld * - Varnello");
    Command(ID_FILE_SAVE);
    EXPECT_EQ(FrameTitle(), "LIST.vld - Varnello");
    EXPECT_TRUE(m_prompter.Boxes().empty());

    Command(ID_FILE_NEW);
    EXPECT_EQ(FrameTitle(), "Untitled - Varnello");
}

TEST_F(ListWindow, StatusPaneCountsTheRows) {
    ASSERT_TRUE(WriteBytes(m_temp.File("one.vld"), V3File({{"C:\\a.jpg", "Tile", 0, 1}})));
    ASSERT_TRUE(WriteBytes(m_temp.File("two.vld"),
                           V3File({{"C:\\a.jpg", "Tile", 0, 1}, {"C:\\b.jpg", "Tile", 0, 1}})));
    ASSERT_TRUE(StartApp());
    EXPECT_EQ(StatusCountText(), "\t\t0 Wallpaper Files");
    AnswerDialog(m_temp.File("one.vld"));
    Command(ID_FILE_OPEN);
    EXPECT_EQ(StatusCountText(), "\t\t1 Wallpaper File");
    AnswerDialog(m_temp.File("two.vld"));
    Command(ID_FILE_OPEN);
    EXPECT_EQ(StatusCountText(), "\t\t2 Wallpaper Files");
    Command(ID_FILE_NEW);
    EXPECT_EQ(StatusCountText(), "\t\t0 Wallpaper Files");
}

// An opened list is sorted by the sort column (Filename, ascending, on a
// first start), and that column shows the up arrow.
TEST_F(ListWindow, OpenedListIsSortedWithTheArrowOnTheSortColumn) {
    StartWithFourItems();
    EXPECT_EQ(FileNameColumn(), "a.jpg,B.jpg,c.jpg,d.png");
    EXPECT_EQ(Arrows(), "1,-1,-1,-1");
    // Texts and items stay together through the sort.
    EXPECT_EQ(AllRows(),
              "a.jpg|C:\\Pics|Stretch|-3,B.jpg|D:\\Art|Center|9,c.jpg|C:\\pics|Tile|10,"
              "d.png|c:\\zoo|center|0");
}

// Each column clicked twice: ascending with the up arrow, then descending
// with the down arrow, and only that column shows an arrow.
TEST_F(ListWindow, EachColumnClickedTwiceSortsUpThenDown) {
    StartWithFourItems();
    struct Step {
        int column;
        const char* order;
        const char* arrows;
    };
    const Step steps[] = {
        {1, "a.jpg,c.jpg,B.jpg,d.png", "-1,1,-1,-1"},  // C:\Pics, C:\pics, D:\Art, c:\zoo
        {1, "d.png,B.jpg,c.jpg,a.jpg", "-1,0,-1,-1"},
        {2, "B.jpg,a.jpg,c.jpg,d.png", "-1,-1,1,-1"},  // Center, Stretch, Tile, center
        {2, "d.png,c.jpg,a.jpg,B.jpg", "-1,-1,0,-1"},
        {3, "a.jpg,d.png,B.jpg,c.jpg", "-1,-1,-1,1"},  // -3, 0, 9, 10
        {3, "c.jpg,B.jpg,d.png,a.jpg", "-1,-1,-1,0"},
        {0, "a.jpg,B.jpg,c.jpg,d.png", "1,-1,-1,-1"},  // case ignored
        {0, "d.png,c.jpg,B.jpg,a.jpg", "0,-1,-1,-1"},
    };
    bool wide = false;
    for (const Step& step : steps) {
        SCOPED_TRACE("column " + std::to_string(step.column));
        HeaderClick(step.column, wide);
        wide = !wide;
        EXPECT_EQ(FileNameColumn(), step.order);
        EXPECT_EQ(Arrows(), step.arrows);
    }
    EXPECT_EQ(AllRows(),
              "d.png|c:\\zoo|center|0,c.jpg|C:\\pics|Tile|10,B.jpg|D:\\Art|Center|9,"
              "a.jpg|C:\\Pics|Stretch|-3");
    // Sorting is no change to the list.
    EXPECT_FALSE(Doc()->IsModified());
}

// A new column starts ascending whatever the direction was.
TEST_F(ListWindow, AnotherColumnStartsAscending) {
    StartWithFourItems();
    HeaderClick(3, false);
    HeaderClick(3, false);
    EXPECT_EQ(g_bSortAscending, 0);
    HeaderClick(1, false);
    EXPECT_EQ(g_bSortAscending, 1);
    EXPECT_EQ(FileNameColumn(), "a.jpg,c.jpg,B.jpg,d.png");
    EXPECT_EQ(Arrows(), "-1,1,-1,-1");
}

// The direction and column carry over to the next list opened.
TEST_F(ListWindow, NextOpenSortsByTheChosenColumnAndDirection) {
    StartWithFourItems();
    HeaderClick(3, false);
    HeaderClick(3, false);
    AnswerDialog(m_temp.File("LIST.vld"));
    Command(ID_FILE_OPEN);
    EXPECT_EQ(FileNameColumn(), "c.jpg,B.jpg,d.png,a.jpg");
    EXPECT_EQ(Arrows(), "-1,-1,-1,0");
}

// The sort column and direction stored at the last close apply to the next
// list opened.
TEST_F(ListWindow, StoredSortColumnAndDirectionApply) {
    StoreSortSettings(3, 0);
    StartWithFourItems();
    EXPECT_EQ(FileNameColumn(), "c.jpg,B.jpg,d.png,a.jpg");
    EXPECT_EQ(Arrows(), "-1,-1,-1,0");
    HeaderClick(3, false);
    EXPECT_EQ(FileNameColumn(), "a.jpg,d.png,B.jpg,c.jpg");
    EXPECT_EQ(Arrows(), "-1,-1,-1,1");
}

// A stored column outside 0 to 3: no arrow anywhere, the sort ends, and a
// click on a header sorts by that column from then on.
TEST_F(ListWindow, StoredSortColumnOutOfRange) {
    StoreSortSettings(7, 1);
    StartWithFourItems();
    EXPECT_EQ(Arrows(), "-1,-1,-1,-1");
    HeaderClick(2, true);
    EXPECT_EQ(FileNameColumn(), "B.jpg,a.jpg,c.jpg,d.png");
    EXPECT_EQ(Arrows(), "-1,-1,1,-1");
}

// A real click on the header, as the mouse gives it.
TEST_F(ListWindow, MouseClickOnTheHeaderSorts) {
    StartWithFourItems();
    RECT rect = {};
    ASSERT_TRUE(SendMessageA(Header(), HDM_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&rect)));
    LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    SendMessageA(Header(), WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(Header(), WM_LBUTTONUP, 0, point);
    Idle();
    EXPECT_EQ(FileNameColumn(), "a.jpg,d.png,B.jpg,c.jpg");
    EXPECT_EQ(Arrows(), "-1,-1,-1,1");
}

// ---- Enabling ----

namespace {
const UINT kNeedSelection[] = {ID_REMOVE_SELECTED,  ID_REMOVE_RECYCLE, ID_POSITION_CENTER,
                               ID_POSITION_STRETCH, ID_POSITION_TILE,  ID_POSITION_FILL,
                               ID_POSITION_FIT,     ID_POSITION_SPAN,  ID_RESET_COUNT};
const UINT kNeedOneSelected[] = {ID_APPLY_SELECTED, ID_OPEN_FOLDER};
const UINT kNeedRows[] = {ID_REMOVE_DEAD, ID_REMOVE_ALL, ID_APPLY_RANDOM};
}  // namespace

// With 0, 1 and 2 rows selected: the menu items when their menu opens, and
// the toolbar buttons at idle time.
TEST_F(ListWindow, CommandsFollowTheSelection) {
    StartWithFourItems();
    const std::vector<std::vector<int>> selections = {{}, {1}, {0, 2}};
    for (const std::vector<int>& selection : selections) {
        const int selected = static_cast<int>(selection.size());
        SCOPED_TRACE(std::to_string(selected) + " selected");
        Select(selection);
        ASSERT_EQ(SelectedCount(), selected);
        // The menus are brought up to date when they open, before any idle time.
        for (UINT id : kNeedSelection)
            EXPECT_EQ(MenuItemEnabled(id), selected >= 1) << id;
        for (UINT id : kNeedOneSelected)
            EXPECT_EQ(MenuItemEnabled(id), selected == 1) << id;
        for (UINT id : kNeedRows)
            EXPECT_TRUE(MenuItemEnabled(id)) << id;
        // Row 1 is B.jpg, Center; rows 0 and 2 differ.
        EXPECT_EQ(CheckedPositions(), selected == 1 ? "32798 " : "");

        Idle();
        EXPECT_EQ(ToolButtonEnabled(ID_REMOVE_SELECTED), selected >= 1);
        EXPECT_EQ(ToolButtonEnabled(ID_REMOVE_RECYCLE), selected >= 1);
        EXPECT_EQ(ToolButtonEnabled(ID_APPLY_SELECTED), selected == 1);
        EXPECT_EQ(ToolButtonEnabled(ID_OPEN_FOLDER), selected == 1);
        EXPECT_TRUE(ToolButtonEnabled(ID_APPLY_RANDOM));
        EXPECT_TRUE(ToolButtonEnabled(ID_FILE_NEW));
        EXPECT_TRUE(ToolButtonEnabled(ID_FILE_OPEN));
        EXPECT_TRUE(ToolButtonEnabled(ID_FILE_SAVE));
    }
}

TEST_F(ListWindow, EmptyListDisablesTheCommandsThatNeedRows) {
    StartWithFourItems();
    Select({0});
    Idle();
    ASSERT_TRUE(ToolButtonEnabled(ID_APPLY_SELECTED));
    Command(ID_FILE_NEW);
    ASSERT_EQ(RowCount(), 0);
    for (UINT id : kNeedRows)
        EXPECT_FALSE(MenuItemEnabled(id)) << id;
    for (UINT id : kNeedSelection)
        EXPECT_FALSE(MenuItemEnabled(id)) << id;
    for (UINT id : kNeedOneSelected)
        EXPECT_FALSE(MenuItemEnabled(id)) << id;
    EXPECT_FALSE(ToolButtonEnabled(ID_APPLY_RANDOM));
    EXPECT_FALSE(ToolButtonEnabled(ID_APPLY_SELECTED));
    EXPECT_FALSE(ToolButtonEnabled(ID_REMOVE_SELECTED));
    EXPECT_TRUE(MenuItemEnabled(ID_SELECT_ALL));
}

TEST_F(ListWindow, SelectAllSelectsEveryRow) {
    StartWithFourItems();
    Select({2});
    Command(ID_SELECT_ALL);
    EXPECT_EQ(SelectedCount(), 4);
    EXPECT_FALSE(ToolButtonEnabled(ID_APPLY_SELECTED));
    EXPECT_TRUE(ToolButtonEnabled(ID_REMOVE_SELECTED));

    Command(ID_FILE_NEW);
    Command(ID_SELECT_ALL);
    EXPECT_EQ(RowCount(), 0);
    EXPECT_EQ(SelectedCount(), 0);
}

// ---- A list named on the command line ----

// The list is read into the rows before the list window's first initial
// update; every row shows its four texts once the window is set up.
TEST_F(ListWindow, CommandLineListShowsAllFourTexts) {
    ASSERT_TRUE(WriteBytes(m_temp.File("LIST.vld"), FourItems()));
    ASSERT_TRUE(StartApp({m_temp.File("LIST.vld")}));
    EXPECT_TRUE(View()->IsInitialized());
    EXPECT_EQ(FrameTitle(), "LIST.vld - Varnello");
    EXPECT_EQ(Doc()->GetPathName(), m_temp.File("LIST.vld"));
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_TRUE(IsWindowVisible(Frame()));

    std::vector<std::string> rows;
    for (int row = 0; row < RowCount(); ++row)
        rows.push_back(RowText(row, 0) + "|" + RowText(row, 1) + "|" + RowText(row, 2) + "|" +
                       RowText(row, 3));
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows, (std::vector<std::string>{"B.jpg|D:\\Art|Center|9", "a.jpg|C:\\Pics|Stretch|-3",
                                              "c.jpg|C:\\pics|Tile|10", "d.png|c:\\zoo|center|0"}));
    EXPECT_EQ(StatusCountText(), "\t\t4 Wallpaper Files");
    EXPECT_TRUE(m_prompter.Boxes().empty());
}

// The first set-up of the list window does not sort: a list read at start
// shows the order of its file and no arrow. Opening it again sorts it.
TEST_F(ListWindow, CommandLineListKeepsItsSavedOrderUntilTheNextOpen) {
    ASSERT_TRUE(WriteBytes(m_temp.File("LIST.vld"), FourItems()));
    ASSERT_TRUE(StartApp({m_temp.File("LIST.vld")}));
    EXPECT_EQ(FileNameColumn(), "c.jpg,B.jpg,a.jpg,d.png");
    EXPECT_EQ(Arrows(), "-1,-1,-1,-1");
    AnswerDialog(m_temp.File("LIST.vld"));
    Command(ID_FILE_OPEN);
    EXPECT_EQ(FileNameColumn(), "a.jpg,B.jpg,c.jpg,d.png");
    EXPECT_EQ(Arrows(), "1,-1,-1,-1");
}

// ---- Large lists ----

namespace {

// Counts the notifications the list control sends the main window, and the
// messages it receives, while it lives.
class CListNotifications {
public:
    explicit CListNotifications(HWND list) : m_hList(list) {
        s_self = this;
        m_hook = SetWindowsHookExA(WH_CALLWNDPROC, Proc, nullptr, GetCurrentThreadId());
    }
    ~CListNotifications() {
        UnhookWindowsHookEx(m_hook);
        s_self = nullptr;
    }
    int Count(UINT code) const {
        auto found = m_counts.find(code);
        return found == m_counts.end() ? 0 : found->second;
    }
    // The messages of this kind the list control received.
    int Received(UINT message) const {
        auto found = m_received.find(message);
        return found == m_received.end() ? 0 : found->second;
    }
    void Clear() {
        m_counts.clear();
        m_received.clear();
        changedItems.clear();
    }
    std::vector<int> changedItems;  // the item of each LVN_ITEMCHANGED

private:
    static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam) {
        auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && s_self && call->hwnd == s_self->m_hList)
            ++s_self->m_received[call->message];
        if (code == HC_ACTION && s_self && call->message == WM_NOTIFY) {
            auto* header = reinterpret_cast<const NMHDR*>(call->lParam);
            if (header->hwndFrom == s_self->m_hList) {
                ++s_self->m_counts[header->code];
                if (header->code == LVN_ITEMCHANGED)
                    s_self->changedItems.push_back(
                        reinterpret_cast<const NMLISTVIEW*>(header)->iItem);
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static CListNotifications* s_self;
    HWND m_hList;
    HHOOK m_hook = nullptr;
    std::map<UINT, int> m_counts;
    std::map<UINT, int> m_received;
};
CListNotifications* CListNotifications::s_self = nullptr;

}  // namespace

// Opening, selecting all, sorting and removing 3,000 rows ask the list
// control for nothing row by row: it asks only for the texts of the rows it
// shows, selecting every row is one change for all, a sort with every row
// selected moves nothing, and removing them all reports no row.
TEST_F(ListWindow, LargeListsCostTheControlNothingPerRow) {
    std::vector<FileItem> items;
    for (int i = 0; i < 3000; ++i)
        items.push_back({"C:\\Pictures\\Album " + std::to_string(i / 100) + "\\Photo_" +
                             std::to_string(100000 + i) + ".jpg",
                         "Stretch", i % 7, 1});
    ASSERT_TRUE(WriteBytes(m_temp.File("BIG.vld"), V3File(items)));
    ASSERT_TRUE(StartApp());
    CListNotifications notes(List());
    AnswerDialog(m_temp.File("BIG.vld"));
    Command(ID_FILE_OPEN);
    UpdateWindow(Frame());
    Idle();
    ASSERT_EQ(RowCount(), 3000);
    EXPECT_EQ(StatusCountText(), "\t\t3000 Wallpaper Files");
    EXPECT_EQ(RowText(2999, 0), "Photo_102999.jpg");
    const int page = static_cast<int>(SendMessageA(List(), LVM_GETCOUNTPERPAGE, 0, 0)) + 1;
    EXPECT_EQ(
        notes.Count(LVN_ITEMCHANGING) + notes.Count(LVN_ITEMCHANGED) + notes.Count(LVN_INSERTITEM),
        0);
    EXPECT_LE(notes.Count(LVN_GETDISPINFOA) + notes.Count(LVN_GETDISPINFOW), 3 * 4 * page)
        << "texts asked for rows that are not shown";
    EXPECT_LE(notes.Received(LVM_SETITEMCOUNT) + notes.Received(LVM_INSERTITEMA) +
                  notes.Received(LVM_SETITEMTEXTA) + notes.Received(LVM_SETITEMA),
              2)
        << "the rows were handed to the control one by one";

    notes.Clear();
    Command(ID_SELECT_ALL);
    EXPECT_EQ(SelectedCount(), 3000);
    EXPECT_EQ(notes.changedItems, std::vector<int>{-1});

    notes.Clear();
    HeaderClick(3, false);
    EXPECT_EQ(RowText(0, 3), "0");
    EXPECT_EQ(RowText(2999, 3), "6");
    EXPECT_EQ(SelectedCount(), 3000);
    EXPECT_TRUE(notes.changedItems.empty());

    notes.Clear();
    m_prompter.Answer(mb::kIdYes);
    Command(ID_REMOVE_ALL);
    EXPECT_EQ(RowCount(), 0);
    EXPECT_EQ(notes.Count(LVN_DELETEITEM) + notes.Count(LVN_ITEMCHANGED), 0);
}
