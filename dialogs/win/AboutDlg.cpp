#include "dialogs/win/AboutDlg.h"

#include "dialogs/AboutLinks.h"
#include "res/resource.h"

namespace {
// Both links blue, visited or not, and red under the mouse.
const COLORREF kLinkBlue = RGB(0, 0, 255);
const COLORREF kHoverRed = RGB(255, 0, 0);
}  // namespace

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

bool CAboutDlg::OnInitDialog() {
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
