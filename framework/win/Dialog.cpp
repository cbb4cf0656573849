#include "framework/win/Dialog.h"

#include <vector>

#include "framework/Prompter.h"
#include "framework/StandardIds.h"
#include "framework/win/Application.h"
#include "framework/win/ExceptionBarrier.h"
#include "framework/win/ResourceText.h"
#include "framework/win/Window.h"

namespace {

// A control of a dialog as its enabling rule sees it.
class CDialogItemUI : public CCommandUI {
public:
    CDialogItemUI(HWND control, UINT id) : CCommandUI(id), m_hControl(control) {}
    void Enable(bool on) override {
        CCommandUI::Enable(on);
        if ((IsWindowEnabled(m_hControl) != FALSE) != on)
            EnableWindow(m_hControl, on ? TRUE : FALSE);
    }
    void SetCheck(int check) override {
        CCommandUI::SetCheck(check);
        SendMessageA(m_hControl, BM_SETCHECK, static_cast<WPARAM>(check), 0);
    }
    void SetText(const std::string& text) override {
        CCommandUI::SetText(text);
        SetWindowTextA(m_hControl, text.c_str());
    }

private:
    HWND m_hControl;
};

// The caption of the framework's own boxes: the application title.
std::string MessageCaption() {
    if (CApplication* app = CApplication::Get())
        return app->AppTitle();
    return LoadResourceString(IDS_APP_TITLE);
}

}  // namespace

CDialog::CDialog(UINT templateId) : m_nTemplateId(templateId) {}

CDialog::~CDialog() {
    if (m_hWnd) {
        HWND hwnd = m_hWnd;
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        m_hWnd = nullptr;
        if (CApplication* app = CApplication::Get())
            app->RemoveModelessDialog(hwnd);
        DestroyWindow(hwnd);
    }
}

INT_PTR CDialog::DoModal(HWND owner) {
    if (m_hWnd)
        return -1;
    HWND top = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
    m_bModal = true;
    m_bEndModal = false;
    m_nResult = -1;
    HWND hwnd = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nTemplateId), top,
                                   DialogProc, reinterpret_cast<LPARAM>(this));
    if (!hwnd) {
        m_bModal = false;
        return -1;
    }
    bool disabledOwner = false;
    if (!m_bEndModal) {
        if (top && IsWindowEnabled(top)) {
            EnableWindow(top, FALSE);
            disabledOwner = true;
        }
        ShowWindow(hwnd, SW_SHOW);
        RunModalLoop();
    }
    // The owner comes back before the dialog goes, so it gets the activation.
    if (disabledOwner)
        EnableWindow(top, TRUE);
    if (IsWindow(hwnd))
        DestroyWindow(hwnd);
    m_hWnd = nullptr;
    m_bModal = false;
    return m_nResult;
}

// The dialog's own loop: keyboard navigation through IsDialogMessage, and
// WM_KICKIDLE whenever no message is waiting. A WM_QUIT ends the dialog
// as Cancel and is posted again for the loop outside.
void CDialog::RunModalLoop() {
    bool idle = true;
    LPARAM idleCount = 0;
    MSG msg;
    while (!m_bEndModal && m_hWnd) {
        while (idle && !m_bEndModal && !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!SendMessageA(m_hWnd, WM_KICKIDLE, MSGF_DIALOGBOX, idleCount++))
                idle = false;
        }
        if (m_bEndModal)
            break;
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            if (got == 0)
                PostQuitMessage(static_cast<int>(msg.wParam));
            m_nResult = IDCANCEL;
            break;
        }
        if (!m_hWnd || !IsDialogMessageA(m_hWnd, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (CApplication::IsIdleMessage(msg)) {
            idle = true;
            idleCount = 0;
        }
    }
}

bool CDialog::CreateModeless(HWND owner) {
    if (m_hWnd)
        return false;
    m_bModal = false;
    HWND hwnd = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nTemplateId),
                                   owner, DialogProc, reinterpret_cast<LPARAM>(this));
    if (!hwnd)
        return false;
    if (CApplication* app = CApplication::Get())
        app->AddModelessDialog(hwnd);
    return true;
}

void CDialog::EndDialog(INT_PTR result) {
    m_nResult = result;
    if (m_bModal) {
        m_bEndModal = true;
        PostMessageA(m_hWnd, WM_NULL, 0, 0);  // wakes the loop if it waits
    } else if (m_hWnd) {
        DestroyWindow(m_hWnd);
    }
}

bool CDialog::UpdateData(bool save) {
    if (!m_hWnd)
        return false;
    CDataExchange dx(*this, save, m_hWnd, MessageCaption());
    DoDataExchange(dx);
    if (!dx.Failed())
        return true;
    if (HWND control = GetDlgItem(m_hWnd, dx.FailedControl()))
        SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    return false;
}

void CDialog::RefuseControl(int id, const std::string& message) {
    if (!m_hWnd)
        return;
    ShowMessage(m_hWnd, message, MessageCaption(), mb::kOk | mb::kIconExclamation);
    if (HWND control = GetDlgItem(m_hWnd, id))
        SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

void CDialog::UpdateDialogControls() {
    if (!m_hWnd)
        return;
    std::vector<HWND> children;
    for (HWND child = GetWindow(m_hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    for (HWND child : children) {
        int id = GetDlgCtrlID(child);
        if (id == 0 || id == -1 || id == 0xFFFF)
            continue;
        CDialogItemUI ui(child, static_cast<UINT>(id));
        OnUpdateCommand(ui);
    }
}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CDialog::OnOK() {
    if (UpdateData(true))
        EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

bool CDialog::OnControlCommand(UINT id, UINT code, HWND control) {
    if (id == IDOK && code == BN_CLICKED) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL && code == BN_CLICKED) {
        OnCancel();
        return true;
    }
    if (code == BN_CLICKED && control)
        return OnCommand(id);
    return false;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (!dialog && message == WM_INITDIALOG) {
        dialog = reinterpret_cast<CDialog*>(lParam);
        SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(dialog));
        dialog->m_hWnd = hwnd;
    }
    if (!dialog)
        return FALSE;
    // The system calls this: an exception stops here (ExceptionBarrier.h).
    // A dialog that could not be set up is closed.
    try {
        return dialog->HandleMessage(message, wParam, lParam);
    } catch (...) {
        ReportException(hwnd);
        if (message == WM_INITDIALOG)
            dialog->EndDialog(IDCANCEL);
        return FALSE;
    }
}

// The dialog's messages, in one place.
INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR result = 0;
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog() ? TRUE : FALSE;
    case WM_COMMAND: {
        LRESULT reflected = 0;
        CWindow* control = lParam ? CWindow::FromHandle(reinterpret_cast<HWND>(lParam)) : nullptr;
        if (control && control->OnReflectedMessage(message, wParam, lParam, reflected))
            return TRUE;
        return OnControlCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))
                   ? TRUE
                   : FALSE;
    }
    case WM_CTLCOLORSTATIC: {
        // The control's brush is the dialog procedure's answer itself.
        LRESULT brush = 0;
        CWindow* control = CWindow::FromHandle(reinterpret_cast<HWND>(lParam));
        if (control && control->OnReflectedMessage(message, wParam, lParam, brush))
            return static_cast<INT_PTR>(brush);
        return OnMessage(message, wParam, lParam, result) ? result : FALSE;
    }
    case WM_KICKIDLE:
        UpdateDialogControls();
        SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, 0);
        return TRUE;
    case WM_NCDESTROY: {
        HWND hwnd = m_hWnd;
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        if (!m_bModal)
            if (CApplication* app = CApplication::Get())
                app->RemoveModelessDialog(hwnd);
        m_hWnd = nullptr;
        m_bEndModal = m_bModal;
        if (!m_bModal)
            OnFinalMessage();  // may delete this
        return FALSE;
    }
    default:
        if (OnMessage(message, wParam, lParam, result)) {
            SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
            return TRUE;
        }
        return FALSE;
    }
}

std::string CDialog::GetControlText(int id) {
    HWND control = GetDlgItem(m_hWnd, id);
    return control ? WindowText(control) : std::string();
}

void CDialog::SetControlText(int id, const std::string& text) {
    SetDlgItemTextA(m_hWnd, id, text.c_str());
}

int CDialog::GetCheck(int id) {
    return static_cast<int>(IsDlgButtonChecked(m_hWnd, id));
}

void CDialog::SetCheck(int id, int state) {
    CheckDlgButton(m_hWnd, id, static_cast<UINT>(state));
}
