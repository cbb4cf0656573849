#include "dialogs/win/FolderPicker.h"

#include <objbase.h>
#include <shlobj.h>

#include <cstring>

#include "base/PathParts.h"
#include "base/win/WideText.h"
#include "framework/win/ExceptionBarrier.h"

namespace {

// The file-system path of a shell item, of any length the system allows
// (the 8-bit form can be longer than MAX_PATH bytes in UTF-8); false when
// the item is no file-system folder.
bool PathOfItem(LPCITEMIDLIST item, std::string& path) {
    wchar_t wide[MAX_PATH + 1] = {};
    if (!SHGetPathFromIDListW(item, wide))
        return false;
    path = Narrow(wide);
    return true;
}

}  // namespace

CFolderPicker::CFolderPicker() {
    std::memset(m_szPath, 0, sizeof m_szPath);
}

CFolderPicker::~CFolderPicker() = default;

int CFolderPicker::Browse(HWND owner) {
    // The browser wants the folder without trailing blanks or backslash.
    m_strInitialFolder = FolderForBrowser(m_strInitialFolder);

    IMalloc* allocator = nullptr;
    if (FAILED(SHGetMalloc(&allocator)) || !allocator)
        return 0;

    BROWSEINFOA info = {};
    LPITEMIDLIST root = nullptr;
    if (!m_strRootFolder.empty()) {
        IShellFolder* desktop = nullptr;
        if (SUCCEEDED(SHGetDesktopFolder(&desktop)) && desktop) {
            wchar_t wide[MAX_PATH] = {};
            MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, m_strRootFolder.c_str(), -1, wide,
                                MAX_PATH);
            wide[MAX_PATH - 1] = L'\0';
            HRESULT parsed =
                desktop->ParseDisplayName(nullptr, nullptr, wide, nullptr, &root, nullptr);
            desktop->Release();
            if (FAILED(parsed)) {
                allocator->Release();
                return 0;
            }
        }
    }
    info.hwndOwner = owner;
    info.pidlRoot = root;
    info.pszDisplayName = m_szPath;
    info.lpszTitle = m_strPrompt.empty() ? "Open" : m_strPrompt.c_str();
    info.ulFlags =
        BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS | (m_bStatusText ? BIF_STATUSTEXT : 0);
    info.lpfn = BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(this);

    int result = 0;
    LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
    if (chosen) {
        m_nImageIndex = info.iImage;
        if (PathOfItem(chosen, m_strPath))
            result = 1;
        allocator->Free(chosen);
    }
    if (root)
        allocator->Free(root);
    allocator->Release();
    return result;
}

bool CFolderPicker::OnSelectionChanged(const std::string& path, std::string& statusText) {
    return true;
}

// Puts the initial folder and the caption on the browser when it opens, and
// asks OnSelectionChanged about each new selection.
int CALLBACK CFolderPicker::BrowseCallback(HWND hwnd, UINT message, LPARAM lParam, LPARAM data) {
    auto* picker = reinterpret_cast<CFolderPicker*>(data);
    if (!picker)
        return 0;
    switch (message) {
    case BFFM_INITIALIZED:
        if (!picker->m_strInitialFolder.empty())
            SendMessageA(hwnd, BFFM_SETSELECTIONA, TRUE,
                         reinterpret_cast<LPARAM>(picker->m_strInitialFolder.c_str()));
        if (!picker->m_strCaption.empty())
            SetWindowTextA(hwnd, picker->m_strCaption.c_str());
        break;
    case BFFM_SELCHANGED: {
        std::string path;  // stays empty for an item outside the file system
        PathOfItem(reinterpret_cast<LPCITEMIDLIST>(lParam), path);
        try {
            std::string status;
            bool enable = picker->OnSelectionChanged(path, status);
            if (picker->m_bStatusText)
                SendMessageA(hwnd, BFFM_SETSTATUSTEXTA, 0,
                             reinterpret_cast<LPARAM>(status.c_str()));
            SendMessageA(hwnd, BFFM_ENABLEOK, 0, enable ? TRUE : FALSE);
        } catch (...) {
            ReportException(hwnd);  // the shell called this
        }
        break;
    }
    default:
        break;
    }
    return 0;
}
