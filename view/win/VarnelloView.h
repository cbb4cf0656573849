#pragma once
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "framework/win/View.h"
#include "list/VarnelloDoc.h"
#include "list/WallpaperRows.h"
#include "view/ListViewFrame.h"
#include "view/ProgramSettings.h"
#include "view/win/ListControlRows.h"
#include "view/win/ListEditCommands.h"
#include "view/win/ToolCommands.h"
#include "wallpaper/ChangeGate.h"

class IWallpaperServices;

// The list window: a report-style list control showing one row per
// wallpaper item. Its rows are the list's container. It holds the program
// options while the program runs and handles almost every command.
class CVarnelloView : public CView, public IListWindow {
public:
    // Drops that carry the private clipboard format are refused.
    explicit CVarnelloView(UINT privateClipboardFormat);
    ~CVarnelloView() override;

    // IListWindow
    CWallpaperRows& Rows() override { return m_rows; }
    WindowHandle Handle() override { return GetHwnd(); }
    void BeginBulkUpdate() override;
    void EndBulkUpdate() override;

    CVarnelloDoc* GetDocument() const;
    // The main window around the view; set by the frame when it creates the view.
    void SetFrame(IListViewFrame* frame) { m_pFrame = frame; }
    IListViewFrame* Frame() const { return m_pFrame; }
    CProgramSettings& Options() { return m_settings; }
    int GetSortColumn() const { return m_settings.m_nSortColumn; }
    bool IsInitialized() const { return m_bInitialized != 0; }

    // Sorts the rows by the sort column in the current direction.
    void SortNow();
    // Shows the arrow on the sort column's header, up when ascending.
    void UpdateSortArrows();

    // Makes the image the desktop wallpaper with the position; false after
    // a failure, which has been shown in a box owned by the list window.
    bool ApplyWallpaper(const std::string& path, const std::string& position);
    // Applies a randomly chosen row, every row once per cycle. Skipped while
    // an earlier change is running (its error box is open): timer ticks,
    // Shift-clicks on the icon and requests of other programs all come here.
    void ApplyRandomWallpaper();
    // Whether a change of the wallpaper is running.
    bool IsChangingWallpaper() const { return m_changes.IsChanging(); }
    // Starts (or restarts) the interval timer with the open list's period.
    void ArmChangeTimer();
    // Replaces the system services behind applying (tests).
    void SetWallpaperServices(std::unique_ptr<IWallpaperServices> services);
    IWallpaperServices& WallpaperServices() { return *m_pWallpaperServices; }
    // Shows or hides the preview window, if one is open (SW_SHOW, SW_HIDE);
    // the main window hides it while it is parked in the notification area.
    void ShowPreviewWindow(int showCommand);
    // Removes every row whose file is gone and says how many (All Dead Items;
    // also the scan at start-up).
    void RemoveDeadItems();
    // The editing commands and the drop target (tests).
    CListEditCommands& EditCommands() { return m_edit; }
    // The preview window, Clear Wallpaper, Options and List Settings (tests).
    CToolCommands& ToolCommands() { return m_tools; }
    // The program's main window, which owns the view's menus and dialogs.
    HWND MainWindow() const;

    // CView
    void PreCreateWindow() override;
    bool CreateView(HWND parent, UINT id) override;
    void OnInitialUpdate() override;
    bool OnReflectedNotify(NMHDR* header, LRESULT* result) override;
    void OnDpiChanged(int oldDpi, int newDpi) override;

    bool OnCommand(unsigned id) override;
    bool HasCommand(unsigned id) const override;
    bool OnUpdateCommand(CCommandUI& ui) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDocumentAttached() override;

private:
    void OnFirstInitialUpdate();
    void SetSortArrows(HIMAGELIST arrows);
    void SetFontForDpi(int dpi);
    void OnHeaderItemClick(int column);
    void OnContextMenu(POINT screenPoint);
    void OnDestroy();

    void ApplyRow(int row);
    void OnTimer(UINT_PTR id);

    // Commands
    void OnApplySelected();
    void OnApplyRandom();
    void OnSelectAll();
    void OnAddFiles();
    void OnAddFolder();
    void OnRemoveSelected();
    void OnRemoveRecycle();
    void OnRemoveDead();
    void OnRemoveAll();
    void OnPositionCenter();
    void OnPositionStretch();
    void OnPositionTile();
    void OnPositionFill();
    void OnPositionFit();
    void OnPositionSpan();
    void OnResetCount();
    void OnOpenFolder();
    void OnPreviewWindow();
    void OnClearWallpaper();
    void OnOptions();
    void OnListSettings();
    void OnMinimizeAll();
    void OnRestoreAll();
    void OnHelpContents();
    void OnUpdateListCommand(CCommandUI& ui);
    void OnUpdateStatusCount(CCommandUI& ui);

    static const CommandEntry<CVarnelloView> kCommands[];

    CListControlRows m_store;
    CWallpaperRows m_rows;
    CProgramSettings m_settings;
    int m_bInitialized = 0;
    int m_bDesktopShown = 0;
    HIMAGELIST m_imlSortArrows = nullptr;
    HFONT m_hFont = nullptr;  // the list's font when the system's is at another dpi
    std::unique_ptr<IWallpaperServices> m_pWallpaperServices;
    IListViewFrame* m_pFrame = nullptr;
    CChangeGate m_changes;     // one change of the wallpaper at a time
    CListEditCommands m_edit;  // adding, removing, item commands, drops
    CToolCommands m_tools;     // preview window, Clear Wallpaper, the settings dialogs
};
