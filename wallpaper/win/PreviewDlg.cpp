#include "wallpaper/win/PreviewDlg.h"

#include "framework/Profile.h"
#include "framework/WaitCursor.h"
#include "framework/win/WindowSnapWin.h"
#include "res/resource.h"
#include "wallpaper/PreviewLayout.h"
#include "wallpaper/PreviewOwner.h"

namespace {

constexpr char kMissingFileText[] =
    "The selected wallpaper file does not exist! Expected file:\n\n";
constexpr char kMissingFileCaption[] = "File Not Found";

}  // namespace

CPreviewDlg::CPreviewDlg(IPreviewOwner* owner, int snapLimit, int snapWindow, PositionStore store)
    : CDialog(IDD_PREVIEW),
      m_bSnapWindow(snapWindow),
      m_pOwner(owner),
      m_nSnapLimit(snapLimit),
      m_store(std::move(store)) {}

bool CPreviewDlg::Create() {
    return CreateModeless(GetDesktopWindow());
}

// Puts the window at the stored position. A position on no monitor (one was
// removed since) gives the top-left corner of the primary monitor's work
// area; the stored values change only when the window closes.
bool CPreviewDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_hPlaceholder = GetDlgItem(GetHwnd(), IDC_PREVIEW_AREA);
    int x = 0, y = 0;
    if (m_store.profile) {
        x = m_store.profile->GetInt(m_store.section, m_store.xName, 0);
        y = m_store.profile->GetInt(m_store.section, m_store.yName, 0);
    }
    RECT window;
    GetWindowRect(GetHwnd(), &window);
    RECT placed = {x, y, x + (window.right - window.left), y + (window.bottom - window.top)};
    if (!MonitorFromRect(&placed, MONITOR_DEFAULTTONULL)) {
        RECT work;
        if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) {
            x = work.left;
            y = work.top;
        }
    }
    SetWindowPos(GetHwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    return true;
}

// The preview's messages: painting, the position at destruction, snapping.
// Moves go on to the default processing after snapping.
bool CPreviewDlg::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
    switch (message) {
    case WM_PAINT:
        OnPaint();
        result = 0;
        return true;
    case WM_DESTROY:
        OnDestroy();
        return false;
    case WM_ENTERSIZEMOVE:
        OnEnterSizeMove();
        return false;
    case WM_MOVING:
        OnMoving(reinterpret_cast<RECT*>(lParam));
        return false;
    case WM_WINDOWPOSCHANGED:
        RememberPlace();
        return false;
    default:
        return false;
    }
}

// The window is gone: the owner forgets it, and the object goes too.
void CPreviewDlg::OnFinalMessage() {
    if (m_pOwner)
        m_pOwner->OnPreviewDestroyed();
    delete this;
}

RECT CPreviewDlg::DrawingArea() const {
    RECT area = {0, 0, 0, 0};
    if (!m_hPlaceholder)
        return area;
    GetWindowRect(m_hPlaceholder, &area);
    MapWindowPoints(nullptr, GetHwnd(), reinterpret_cast<POINT*>(&area), 2);
    return area;
}

void CPreviewDlg::ShowImage(const std::string& path) {
    if (!m_services.PathExists(path)) {
        ClearImage();
        ShowMessage(GetHwnd(), kMissingFileText + path, kMissingFileCaption,
                    mb::kOk | mb::kIconError);
        return;
    }
    CWaitCursor wait(m_services);
    m_image.Destroy();
    m_image.Load(path);  // a failure leaves the image empty, and says nothing
    RedrawArea();
    m_bShowing = 1;
}

void CPreviewDlg::ClearImage() {
    if (!m_bShowing)
        return;
    m_image.Destroy();
    RedrawArea();
    m_bShowing = 0;
}

void CPreviewDlg::RedrawArea() {
    if (!GetHwnd())
        return;
    RECT area = DrawingArea();
    InvalidateRect(GetHwnd(), &area, FALSE);
    UpdateWindow(GetHwnd());
}

// The image scaled into the area, the rest of the area in the button face.
void CPreviewDlg::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(GetHwnd(), &paint);
    RECT area = DrawingArea();
    PreviewLayout layout = LayOutPreview(
        {area.left, area.top, area.right - area.left, area.bottom - area.top},
        m_image.IsNull() ? 0 : m_image.Width(), m_image.IsNull() ? 0 : m_image.Height());
    if (!m_image.IsNull())
        m_image.StretchDraw(dc, layout.image.left, layout.image.top, layout.image.width,
                            layout.image.height);
    for (int i = 0; i < layout.stripCount; ++i) {
        const PreviewRect& s = layout.strips[i];
        RECT strip = {s.left, s.top, s.left + s.width, s.top + s.height};
        FillRect(dc, &strip, GetSysColorBrush(COLOR_BTNFACE));
    }
    EndPaint(GetHwnd(), &paint);
}

// Every destruction stores the window's position; a minimised window
// stores where it was before, not the place of its minimised caption.
void CPreviewDlg::OnDestroy() {
    RememberPlace();
    if (!m_store.profile || !m_bPlaceKnown)
        return;
    m_store.profile->WriteInt(m_store.section, m_store.xName, m_ptPlace.x);
    m_store.profile->WriteInt(m_store.section, m_store.yName, m_ptPlace.y);
}

// Keeps the top-left corner of the window while it is not minimised.
void CPreviewDlg::RememberPlace() {
    RECT window;
    if (IsIconic(GetHwnd()) || !GetWindowRect(GetHwnd(), &window))
        return;
    m_ptPlace = {window.left, window.top};
    m_bPlaceKnown = true;
}

// A move starts: where the cursor holds the window.
void CPreviewDlg::OnEnterSizeMove() {
    TakeDragOffset(GetHwnd(), m_ptDragOffset);
}

// The window follows the cursor and snaps to the work area's edges.
void CPreviewDlg::OnMoving(RECT* proposed) {
    if (m_bSnapWindow)
        SnapWhileMoving(proposed, m_ptDragOffset, m_nSnapLimit);
}
