#include "dialogs/win/AboutDlg.h"

#include "dialogs/AboutLinks.h"
#include "framework/DpiScale.h"
#include "framework/win/WindowDpi.h"
#include "res/resource.h"

namespace {
// Both links blue, visited or not, and red under the mouse.
const COLORREF kLinkBlue = RGB(0, 0, 255);
const COLORREF kHoverRed = RGB(255, 0, 0);
// The banner drawn for each of kImageScales.
constexpr UINT kBanners[kImageScaleCount] = {IDB_ABOUT_BANNER, IDB_ABOUT_BANNER_150,
                                             IDB_ABOUT_BANNER_200};
// The template's place for the banner is this wide and ends at this line
// (dialog units), and the version text begins at the next; the banner
// keeps this gap (pixels at 96 dpi) above the text.
constexpr int kBannerWidth = 200;
constexpr int kBannerBottom = 54;
constexpr int kVersionTop = 60;
constexpr int kBannerGap = 3;

// The dialog's bitmap control (the banner), or null.
HWND BitmapControl(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP)
            return child;
    return nullptr;
}

// A child's rectangle in the dialog's client coordinates.
RECT ChildRect(HWND dialog, HWND child) {
    RECT rect = {};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Moves every control whose top lies at or below `from` down by `shift`
// and makes the dialog that much taller.
void MoveControlsDown(HWND dialog, int from, int shift) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect = ChildRect(dialog, child);
        if (rect.top >= from)
            SetWindowPos(child, nullptr, rect.left, rect.top + shift, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT window = {};
    GetWindowRect(dialog, &window);
    SetWindowPos(dialog, nullptr, 0, 0, window.right - window.left,
                 window.bottom - window.top + shift, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
}  // namespace

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

CAboutDlg::~CAboutDlg() {
    if (m_hBanner)
        DeleteObject(m_hBanner);
}

// The template's banner is drawn for 100 %. At a larger scale the control
// shows the largest banner drawn for a scale up to the dialog's that is no
// wider than the template's place for it; the dialog's units do not grow
// quite in step with the dpi, so the controls below move down where the
// banner would reach them.
void CAboutDlg::ShowBannerForDpi() {
    HWND dialog = GetHwnd();
    HWND banner = BitmapControl(dialog);
    if (!banner)
        return;
    RECT place = ChildRect(dialog, banner);
    RECT below = {0, kBannerBottom, kBannerWidth, kVersionTop};
    MapDialogRect(dialog, &below);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (int scale = NearestImageScale(WindowDpi(dialog)); scale > 0 && !m_hBanner; --scale) {
        auto bitmap = static_cast<HBITMAP>(
            LoadImageA(instance, MAKEINTRESOURCEA(kBanners[scale]), IMAGE_BITMAP, 0, 0, 0));
        BITMAP info = {};
        if (bitmap && GetObjectA(bitmap, sizeof info, &info) && info.bmWidth <= below.right)
            m_hBanner = bitmap;
        else if (bitmap)
            DeleteObject(bitmap);
    }
    if (!m_hBanner)
        return;
    SendMessageA(banner, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(m_hBanner));
    BITMAP info = {};
    GetObjectA(m_hBanner, sizeof info, &info);
    const int gap = ScaleForDpi(kBannerGap, WindowDpi(dialog));
    const int shift = place.top + info.bmHeight + gap - below.bottom;
    if (shift > 0)
        MoveControlsDown(dialog, below.top, shift);
}

bool CAboutDlg::OnInitDialog() {
    ShowBannerForDpi();
    m_linkHome.Attach(GetDlgItem(GetHwnd(), IDC_LINK_HOME));
    m_linkMail.Attach(GetDlgItem(GetHwnd(), IDC_LINK_MAIL));
    CDialog::OnInitDialog();
    m_linkMail.SetLink(std::string("mailto:") + VARNELLO_SUPPORT_EMAIL);
    m_linkMail.SetLinkColors(kLinkBlue, kLinkBlue, kHoverRed);
    m_linkMail.SetUnderlineMode(CLinkLabel::kUnderlineAlways);
    m_linkHome.SetLink(VARNELLO_HOME_PAGE_URL);
    m_linkHome.SetLinkColors(kLinkBlue, kLinkBlue, kHoverRed);
    m_linkHome.SetUnderlineMode(CLinkLabel::kUnderlineAlways);
    return true;
}
