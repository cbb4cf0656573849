#include "view/win/VarnelloView.h"

#include "base/PathParts.h"
#include "framework/DpiScale.h"
#include "framework/Profile.h"
#include "framework/win/Application.h"
#include "framework/win/FrameWindow.h"
#include "framework/win/WindowDpi.h"
#include "list/WallpaperItem.h"
#include "res/resource.h"
#include "view/CommandRules.h"
#include "view/SortOrder.h"
#include "view/win/DesktopCommands.h"
#include "wallpaper/ChangeTimer.h"
#include "wallpaper/RandomChoice.h"
#include "wallpaper/WallpaperApplier.h"
#include "wallpaper/win/WallpaperServicesWin.h"

#include <ctime>

namespace {

// Columns of the list: title, alignment.
struct ColumnSpec {
    const char* title;
    int format;
};
const ColumnSpec kColumns[CProgramSettings::kColumnCount] = {
    {"Filename", LVCFMT_LEFT},
    {"Path", LVCFMT_LEFT},
    {"Position", LVCFMT_LEFT},
    {"Count", LVCFMT_RIGHT},
};

const COLORREF kArrowMask = RGB(192, 192, 192);
// The header's arrows, down then up, drawn for each of kImageScales; 9 by
// 9 pixels at 100 %.
constexpr UINT kArrowBitmaps[kImageScaleCount][2] = {{IDB_SORT_DOWN, IDB_SORT_UP},
                                                     {IDB_SORT_DOWN_150, IDB_SORT_UP_150},
                                                     {IDB_SORT_DOWN_200, IDB_SORT_UP_200}};
constexpr int kArrowSize = 9;

// The arrows' image list for the scale nearest to the dpi.
HIMAGELIST LoadSortArrows(int dpi) {
    int scale = NearestImageScale(dpi);
    int size = ScaleLength(kArrowSize, kImageScales[scale], 100);
    return ImageListFromBitmaps(kArrowBitmaps[scale], 2, size, kArrowMask, 2, 2);
}

}  // namespace

const CommandEntry<CVarnelloView> CVarnelloView::kCommands[] = {
    {ID_SELECT_ALL, &CVarnelloView::OnSelectAll, nullptr},
    {ID_APPLY_SELECTED, &CVarnelloView::OnApplySelected, nullptr},
    {ID_APPLY_RANDOM, &CVarnelloView::OnApplyRandom, nullptr},
    {ID_ADD_FILES, &CVarnelloView::OnAddFiles, nullptr},
    {ID_ADD_FOLDER, &CVarnelloView::OnAddFolder, nullptr},
    {ID_REMOVE_SELECTED, &CVarnelloView::OnRemoveSelected, nullptr},
    {ID_REMOVE_RECYCLE, &CVarnelloView::OnRemoveRecycle, nullptr},
    {ID_REMOVE_DEAD, &CVarnelloView::OnRemoveDead, nullptr},
    {ID_REMOVE_ALL, &CVarnelloView::OnRemoveAll, nullptr},
    {ID_POSITION_CENTER, &CVarnelloView::OnPositionCenter, nullptr},
    {ID_POSITION_STRETCH, &CVarnelloView::OnPositionStretch, nullptr},
    {ID_POSITION_TILE, &CVarnelloView::OnPositionTile, nullptr},
    {ID_POSITION_FILL, &CVarnelloView::OnPositionFill, nullptr},
    {ID_POSITION_FIT, &CVarnelloView::OnPositionFit, nullptr},
    {ID_POSITION_SPAN, &CVarnelloView::OnPositionSpan, nullptr},
    {ID_RESET_COUNT, &CVarnelloView::OnResetCount, nullptr},
    {ID_OPEN_FOLDER, &CVarnelloView::OnOpenFolder, nullptr},
    {ID_PREVIEW_WINDOW, &CVarnelloView::OnPreviewWindow, nullptr},
    {ID_CLEAR_WALLPAPER, &CVarnelloView::OnClearWallpaper, nullptr},
    {ID_OPTIONS, &CVarnelloView::OnOptions, nullptr},
    {ID_LIST_SETTINGS, &CVarnelloView::OnListSettings, nullptr},
    {ID_MINIMIZE_ALL, &CVarnelloView::OnMinimizeAll, nullptr},
    {ID_RESTORE_ALL, &CVarnelloView::OnRestoreAll, nullptr},
    {ID_HELP_CONTENTS, &CVarnelloView::OnHelpContents, nullptr},
};

CVarnelloView::CVarnelloView(UINT privateClipboardFormat)
    : m_rows(m_store),
      m_pWallpaperServices(std::make_unique<CWallpaperServicesWin>()),
      m_edit(*this, privateClipboardFormat),
      m_tools(*this) {}

CVarnelloView::~CVarnelloView() {
    if (m_imlSortArrows)
        ImageList_Destroy(m_imlSortArrows);
    if (m_hFont)
        DeleteObject(m_hFont);
}

CVarnelloDoc* CVarnelloView::GetDocument() const {
    return static_cast<CVarnelloDoc*>(CView::GetDocument());
}

HWND CVarnelloView::MainWindow() const {
    CApplication* app = CApplication::Get();
    CFrameWindow* frame = app ? app->MainFrame() : nullptr;
    return frame ? frame->GetHwnd() : nullptr;
}

void CVarnelloView::OnDocumentAttached() {
    if (CVarnelloDoc* document = GetDocument())
        document->SetListWindow(this);
}

// Loads the program options, just before the window is created.
void CVarnelloView::PreCreateWindow() {
    if (CApplication* app = CApplication::Get())
        m_settings.Load(app->Profile());
}

// Creates the list control with its columns, so that rows read before the
// first initial update keep all four texts. The control holds no rows of
// its own (LVS_OWNERDATA): they live in m_store, which gives it their texts.
// Columns without a stored width take their default at the frame's dpi.
bool CVarnelloView::CreateView(HWND parent, UINT id) {
    HWND list =
        CreateWindowExA(0, WC_LISTVIEWA, "",
                        WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT |
                            LVS_SHOWSELALWAYS | LVS_OWNERDATA,
                        0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                        GetModuleHandleA(nullptr), nullptr);
    if (!list || !Subclass(list))
        return false;
    m_store.Attach(list);
    const int dpi = WindowDpi(parent);
    if (dpi != SystemDpi())
        SetFontForDpi(dpi);

    CProgramSettings::ColumnWidths widths = {};
    for (int i = 0; i < CProgramSettings::kColumnCount; ++i)
        widths[static_cast<std::size_t>(i)] =
            ScaleForDpi(CProgramSettings::kColumnWidthDefaults[i], dpi);
    if (CApplication* app = CApplication::Get())
        widths = CProgramSettings::LoadColumnWidths(app->Profile(), dpi);
    for (int i = 0; i < CProgramSettings::kColumnCount; ++i) {
        LVCOLUMNA column = {};
        column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.fmt = kColumns[i].format;
        column.cx = widths[static_cast<std::size_t>(i)];
        column.pszText = const_cast<char*>(kColumns[i].title);
        column.iSubItem = i;
        if (SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(&column)) != i)
            return false;
    }
    return true;
}

// After every New and Open: the first time the list is set up and keeps
// the order it was read in; every later time the rows are sorted and the
// arrows drawn.
void CVarnelloView::OnInitialUpdate() {
    if (!m_bInitialized) {
        OnFirstInitialUpdate();
        return;
    }
    SortNow();
    UpdateSortArrows();
}

void CVarnelloView::OnFirstInitialUpdate() {
    HWND list = GetHwnd();
    m_edit.RegisterDropTarget();
    // Keep On Top places the main window in the topmost band.
    if (m_pFrame)
        m_pFrame->SetTopmost(m_settings.m_bKeepOnTop == 1, false);
    SetWindowLongA(list, GWL_STYLE,
                   GetWindowLongA(list, GWL_STYLE) | LVS_REPORT | LVS_SHOWSELALWAYS);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, ~0u, LVS_EX_FULLROWSELECT | LVS_EX_LABELTIP);

    SetSortArrows(LoadSortArrows(WindowDpi(list)));

    if (CVarnelloDoc* document = GetDocument())
        document->SetAutoSave(m_settings.m_bAutoSave);
    if (m_pFrame) {
        m_pFrame->SetSnapLimit(m_settings.m_nSnapLimit);
        m_pFrame->SetSnapWindow(m_settings.m_bSnapWindow);
    }
    m_bInitialized = 1;
}

// Gives the header the arrows' image list, in place of the one it had.
void CVarnelloView::SetSortArrows(HIMAGELIST arrows) {
    HWND header = reinterpret_cast<HWND>(SendMessageA(GetHwnd(), LVM_GETHEADER, 0, 0));
    SendMessageA(header, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(arrows));
    if (m_imlSortArrows)
        ImageList_Destroy(m_imlSortArrows);
    m_imlSortArrows = arrows;
}

// The list takes the font of icon titles at the dpi (its own is the
// system's, at the system's dpi).
void CVarnelloView::SetFontForDpi(int dpi) {
    HFONT font = CreateIconTitleFontForDpi(dpi);
    if (!font)
        return;
    SendMessageA(GetHwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (m_hFont)
        DeleteObject(m_hFont);
    m_hFont = font;
}

// The frame moved to a display of another scale: the font, the columns'
// widths and the arrows follow.
void CVarnelloView::OnDpiChanged(int oldDpi, int newDpi) {
    SetFontForDpi(newDpi);
    for (int i = 0; i < CProgramSettings::kColumnCount; ++i) {
        int width = static_cast<int>(
            SendMessageA(GetHwnd(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(i), 0));
        SendMessageA(GetHwnd(), LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(i),
                     MAKELPARAM(ScaleLength(width, newDpi, oldDpi), 0));
    }
    if (m_imlSortArrows)
        SetSortArrows(LoadSortArrows(newDpi));
}

void CVarnelloView::BeginBulkUpdate() {
    m_store.BeginBatch();
}

void CVarnelloView::EndBulkUpdate() {
    m_store.EndBatch();
}

void CVarnelloView::SortNow() {
    SortByColumn(m_store, m_settings.m_nSortColumn);
}

void CVarnelloView::UpdateSortArrows() {
    HWND header = reinterpret_cast<HWND>(SendMessageA(GetHwnd(), LVM_GETHEADER, 0, 0));
    int count = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        HDITEMA item = {};
        item.mask = HDI_FORMAT | HDI_IMAGE;
        SendMessageA(header, HDM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        if (i == m_settings.m_nSortColumn) {
            item.fmt |= HDF_IMAGE | HDF_BITMAP_ON_RIGHT;
            item.iImage = g_bSortAscending == 1 ? 1 : 0;
        } else {
            item.fmt &= ~(HDF_IMAGE | HDF_BITMAP_ON_RIGHT);
        }
        SendMessageA(header, HDM_SETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
}

void CVarnelloView::OnHeaderItemClick(int column) {
    if (column == m_settings.m_nSortColumn) {
        g_bSortAscending = g_bSortAscending ? 0 : 1;
    } else {
        m_settings.m_nSortColumn = column;
        g_bSortAscending = 1;
    }
    SortByColumn(m_store, column);
    UpdateSortArrows();
}

void CVarnelloView::OnContextMenu(POINT screenPoint) {
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_CONTEXT_MENU));
    if (!menu)
        return;
    HMENU popup = GetSubMenu(menu, 0);
    HWND owner = MainWindow();
    if (popup && owner)
        TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, 0,
                       owner, nullptr);
    DestroyMenu(menu);
}

bool CVarnelloView::OnReflectedNotify(NMHDR* header, LRESULT* result) {
    // The rows' texts and the search by typed text.
    if (m_store.OnNotify(*header, *result))
        return true;
    switch (header->code) {
    case NM_DBLCLK: {
        // A double-click applies the first selected row, if any.
        int row = m_store.NextSelected(-1);
        if (row >= 0)
            ApplyRow(row);
        *result = 0;
        return true;
    }
    case LVN_ITEMCHANGED: {
        // The preview follows the selection: of one row, or of every row
        // (item -1) at once. Rows that only move with a sort changed nothing.
        auto* change = reinterpret_cast<NMLISTVIEW*>(header);
        bool state = (change->uChanged & LVIF_STATE) != 0;
        if (!m_store.MovingStates())
            m_tools.OnStatesChanged(state ? change->uOldState : 0, state ? change->uNewState : 0);
        *result = 0;
        return true;
    }
    case LVN_ODSTATECHANGED: {
        // A range of rows selected with the mouse or keyboard.
        auto* change = reinterpret_cast<NMLVODSTATECHANGE*>(header);
        if (!m_store.MovingStates())
            m_tools.OnStatesChanged(change->uOldState, change->uNewState);
        *result = 0;
        return true;
    }
    case NM_RCLICK: {
        POINT point;
        GetCursorPos(&point);
        OnContextMenu(point);
        *result = 0;
        return true;
    }
    default:
        return false;
    }
}

// Closes the preview window (which stores its position), saves the options
// and column widths and frees the items.
void CVarnelloView::OnDestroy() {
    m_tools.ClosePreviewWindow();
    CProgramSettings::ColumnWidths widths = {};
    for (int i = 0; i < CProgramSettings::kColumnCount; ++i)
        widths[static_cast<std::size_t>(i)] = static_cast<std::int32_t>(
            SendMessageA(GetHwnd(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(i), 0));
    if (CApplication* app = CApplication::Get())
        m_settings.Save(app->Profile(), widths);
    m_rows.DeleteAllRows();
    KillTimer(GetHwnd(), IDT_CHANGE_TIMER);
    m_edit.RevokeDropTarget();
}

LRESULT CVarnelloView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->code == HDN_ITEMCLICKA || header->code == HDN_ITEMCLICKW) {
            OnHeaderItemClick(reinterpret_cast<NMHEADERA*>(lParam)->iItem);
            return 0;
        }
        break;
    }
    case WM_CONTEXTMENU:
        // From the keyboard: at the focused row, or the list's corner.
        if (lParam == -1) {
            POINT point = {0, 0};
            int focused = static_cast<int>(SendMessageA(
                GetHwnd(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_FOCUSED, 0)));
            RECT rect;
            if (focused >= 0) {
                rect.left = LVIR_BOUNDS;
                if (SendMessageA(GetHwnd(), LVM_GETITEMRECT, static_cast<WPARAM>(focused),
                                 reinterpret_cast<LPARAM>(&rect)))
                    point = {rect.left + 8, rect.bottom};
            }
            ClientToScreen(GetHwnd(), &point);
            OnContextMenu(point);
            return 0;
        }
        break;
    case WM_TIMER:
        if (wParam == IDT_CHANGE_TIMER) {
            OnTimer(wParam);
            return 0;
        }
        break;
    case WM_DESTROY:
        OnDestroy();
        break;
    default:
        break;
    }
    return DefaultProc(message, wParam, lParam);
}

bool CVarnelloView::OnCommand(unsigned id) {
    return RunCommand(this, kCommands, id);
}

bool CVarnelloView::HasCommand(unsigned id) const {
    return TableHasCommand(kCommands, id);
}

bool CVarnelloView::OnUpdateCommand(CCommandUI& ui) {
    if (HasListCommandRule(ui.Id())) {
        OnUpdateListCommand(ui);
        return true;
    }
    if (ui.Id() == ID_INDICATOR_COUNT) {
        OnUpdateStatusCount(ui);
        return true;
    }
    return UpdateCommand(this, kCommands, ui);
}

// Enabling; a Position command is checked when the whole selection has
// its position.
void CVarnelloView::OnUpdateListCommand(CCommandUI& ui) {
    ui.Enable(IsListCommandEnabled(ui.Id(), m_store.RowCount(), m_store.SelectedCount(),
                                   m_bDesktopShown != 0));
    if (const char* position = PositionOfCommand(ui.Id()))
        ui.SetCheck(m_rows.SelectionHasPosition(position) ? 1 : 0);
}

void CVarnelloView::OnUpdateStatusCount(CCommandUI& ui) {
    ui.SetText(StatusCountText(m_store.RowCount()));
    ui.Enable(true);
}

void CVarnelloView::SetWallpaperServices(std::unique_ptr<IWallpaperServices> services) {
    m_pWallpaperServices = std::move(services);
}

bool CVarnelloView::ApplyWallpaper(const std::string& path, const std::string& position) {
    return CWallpaperApplier(*m_pWallpaperServices).ApplyWallpaper(GetHwnd(), path, position);
}

// Applies a row's item; on success counts it and marks the list modified.
// Nothing happens while an earlier change is running.
void CVarnelloView::ApplyRow(int row) {
    m_changes.Run([this, row] {
        CWallpaperItem* item = m_rows.Item(row);
        if (!item || !ApplyWallpaper(item->GetPath(), item->GetPosition()))
            return;
        m_rows.MarkApplied(row);
        if (CVarnelloDoc* document = GetDocument())
            document->SetModifiedFlag(true);
    });
}

void CVarnelloView::ApplyRandomWallpaper() {
    m_changes.Run([this] {
        std::uint32_t seed = RandomSeedFromTime(static_cast<std::int64_t>(std::time(nullptr)));
        int row = ::ApplyRandomWallpaper(m_rows, seed, [this](const CWallpaperItem& item) {
            return ApplyWallpaper(item.GetPath(), item.GetPosition());
        });
        if (row >= 0)
            if (CVarnelloDoc* document = GetDocument())
                document->SetModifiedFlag(true);
    });
}

void CVarnelloView::ArmChangeTimer() {
    CVarnelloDoc* document = GetDocument();
    CListSettings* settings = document ? document->GetSettings() : nullptr;
    if (!settings)
        return;
    std::uint32_t period = change_timer::Period(settings->GetHours(), settings->GetMinutes());
    // A list without a usable interval never runs the timer.
    if (period == 0) {
        KillTimer(GetHwnd(), IDT_CHANGE_TIMER);
        return;
    }
    SetTimer(GetHwnd(), IDT_CHANGE_TIMER, period, nullptr);
}

// A tick of the interval timer: a random change while the open list asks
// for one, otherwise the timer stops.
void CVarnelloView::OnTimer(UINT_PTR) {
    CVarnelloDoc* document = GetDocument();
    CListSettings* settings = document ? document->GetSettings() : nullptr;
    std::int32_t flag = settings ? settings->GetIntervalChange() : 0;
    if (change_timer::OnTick(flag) == change_timer::TickAction::kChangeWallpaper)
        ApplyRandomWallpaper();
    else
        KillTimer(GetHwnd(), IDT_CHANGE_TIMER);
}

void CVarnelloView::OnApplySelected() {
    int row = m_store.NextSelected(-1);
    if (row >= 0)
        ApplyRow(row);
}

void CVarnelloView::OnApplyRandom() {
    ApplyRandomWallpaper();
}

void CVarnelloView::OnSelectAll() {
    m_store.SetRowState(-1, kRowSelected, kRowSelected);
}

// Adding, removing and the item commands (ListEditCommands.h).
void CVarnelloView::OnAddFiles() {
    m_edit.AddFiles();
}
void CVarnelloView::OnAddFolder() {
    m_edit.AddFromFolder();
}
void CVarnelloView::OnRemoveSelected() {
    m_edit.RemoveSelected();
}
void CVarnelloView::OnRemoveRecycle() {
    m_edit.RemoveAndRecycle();
}
void CVarnelloView::OnRemoveDead() {
    m_edit.RemoveDeadItems();
}
void CVarnelloView::OnRemoveAll() {
    m_edit.RemoveAll();
}
void CVarnelloView::OnPositionCenter() {
    m_edit.SetPosition(kPositionCenter);
}
void CVarnelloView::OnPositionStretch() {
    m_edit.SetPosition(kPositionStretch);
}
void CVarnelloView::OnPositionTile() {
    m_edit.SetPosition(kPositionTile);
}
void CVarnelloView::OnPositionFill() {
    m_edit.SetPosition(kPositionFill);
}
void CVarnelloView::OnPositionFit() {
    m_edit.SetPosition(kPositionFit);
}
void CVarnelloView::OnPositionSpan() {
    m_edit.SetPosition(kPositionSpan);
}
void CVarnelloView::OnResetCount() {
    m_edit.ResetCount();
}
void CVarnelloView::OnOpenFolder() {
    m_edit.OpenContainingFolder();
}
void CVarnelloView::RemoveDeadItems() {
    m_edit.RemoveDeadItems();
}

void CVarnelloView::ShowPreviewWindow(int showCommand) {
    m_tools.ShowPreviewWindow(showCommand);
}

// The preview window, Clear Wallpaper and the two settings dialogs
// (ToolCommands.h).
void CVarnelloView::OnPreviewWindow() {
    m_tools.PreviewWindow();
}
void CVarnelloView::OnClearWallpaper() {
    m_tools.ClearWallpaper();
}
void CVarnelloView::OnOptions() {
    m_tools.Options();
}
void CVarnelloView::OnListSettings() {
    m_tools.ListSettings();
}

// The desktop's windows and the help file (DesktopCommands.h).
void CVarnelloView::OnMinimizeAll() {
    MinimizeAllWindows(m_bDesktopShown);
}
void CVarnelloView::OnRestoreAll() {
    RestoreAllWindows(m_bDesktopShown, m_settings.m_bKeepOnTop != 0, MainWindow());
}
void CVarnelloView::OnHelpContents() {
    ShowHelpContents(GetHwnd(), ProgramFolder());
}
