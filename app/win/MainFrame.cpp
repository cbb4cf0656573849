#include "app/win/MainFrame.h"

#include "framework/Profile.h"
#include "framework/win/Application.h"
#include "list/VarnelloDoc.h"
#include "res/resource.h"
#include "view/ProgramSettings.h"
#include "view/win/VarnelloView.h"

namespace {
// The main window's class; other programs and tests find the window by it.
const char kFrameClass[] = "VarnelloFrame";
const COLORREF kToolbarMask = RGB(192, 192, 192);
const UINT kIndicators[] = {0, ID_INDICATOR_COUNT};

// An image list of the toolbar's 16 by 16 buttons from a bitmap strip.
HIMAGELIST LoadButtonImages(UINT bitmapId) {
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR16 | ILC_MASK, 8, 4);
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmapId));
    if (!images || !bitmap || ImageList_AddMasked(images, bitmap, kToolbarMask) < 0) {
        if (bitmap)
            DeleteObject(bitmap);
        if (images)
            ImageList_Destroy(images);
        return nullptr;
    }
    DeleteObject(bitmap);
    return images;
}
}  // namespace

CMainFrame::CMainFrame() : CFrameWindow(kFrameClass) {}

CMainFrame::~CMainFrame() {
    if (IsWindow())
        DestroyWindow(GetHwnd());
    if (m_imlToolbar)
        ImageList_Destroy(m_imlToolbar);
    if (m_imlToolbarHot)
        ImageList_Destroy(m_imlToolbarHot);
}

CVarnelloView* CMainFrame::GetListView() const {
    return static_cast<CVarnelloView*>(GetActiveView());
}

int CMainFrame::OnCreate(CREATESTRUCTA* create) {
    // 1. The frame itself, with the list window.
    if (CFrameWindow::OnCreate(create) == -1)
        return -1;

    GetListView()->SetFrame(this);

    // 2. The toolbar, flat, with tooltips, at the top.
    if (!m_wndToolBar.Create(
            GetHwnd(),
            WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP | CCS_NODIVIDER,
            IDW_TOOLBAR, IDR_MAINFRAME))
        return -1;

    // 3. Its normal and hot images.
    m_imlToolbar = LoadButtonImages(IDB_TOOLBAR);
    m_imlToolbarHot = LoadButtonImages(IDB_TOOLBAR_HOT);
    if (!m_imlToolbar || !m_imlToolbarHot)
        return -1;
    m_wndToolBar.SetImageList(m_imlToolbar);
    m_wndToolBar.SetHotImageList(m_imlToolbarHot);

    // 4. The status bar: the message pane and the row count.
    if (!m_wndStatusBar.Create(GetHwnd(), WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(kIndicators, 2))
        return -1;
    m_wndStatusBar.SetPaneInfo(0, 0, kPaneNoBorders | kPaneStretch, 0);

    // 5. The notification-area icon is added here once the tray support lands.

    // 6. The toolbar stays docked at the top.
    SetToolBar(&m_wndToolBar);
    SetStatusBar(&m_wndStatusBar);
    SetIdleMessage();
    RecalcLayout();
    return 0;
}

void CMainFrame::SetTopmost(bool topmost, bool show) {
    SetWindowPos(GetHwnd(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | (show ? SWP_SHOWWINDOW : 0));
}

// The close request: remember the last list, saving it without a question
// when "Auto Save" is on; the placement is saved here once it is kept.
void CMainFrame::OnClose() {
    std::string lastDocument;
    if (CDocument* document = GetActiveDocument()) {
        g_bClosing = 1;
        if (!document->SaveModified())
            return;
        document->SetModifiedFlag(false);
        lastDocument = document->GetPathName();
    }
    if (CApplication* app = CApplication::Get())
        app->Profile().WriteString(CProgramSettings::kSection, CProgramSettings::kLastDocument,
                                   lastDocument);
    DestroyWindow(GetHwnd());
}
