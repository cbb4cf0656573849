#pragma once
#include "dialogs/win/LinkLabel.h"
#include "framework/win/Dialog.h"

// The About box (template 100): the banner, the version, two links (the
// product's home page and a mail to its support address) and the notice.
class CAboutDlg : public CDialog {
public:
    CAboutDlg();
    ~CAboutDlg() override;

    CLinkLabel m_linkHome;  // control 1021
    CLinkLabel m_linkMail;  // control 1022

protected:
    bool OnInitDialog() override;

private:
    void ShowBannerForDpi();

    HBITMAP m_hBanner = nullptr;  // the banner drawn for a larger scale
};
