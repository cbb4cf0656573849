#include "EditTestSupport.h"

#include <shlobj.h>

#include <cstring>
#include <map>

#include "base/Utf8CodePage.h"

namespace edittest {

void CTempTree::Folder(const std::string& relative) const {
    SHCreateDirectoryExA(nullptr, At(relative).c_str(), nullptr);
}

void CTempTree::File(const std::string& relative, DWORD attributes) const {
    std::size_t slash = relative.find_last_of('\\');
    if (slash != std::string::npos)
        Folder(relative.substr(0, slash));
    HANDLE file = CreateFileA(At(relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              attributes, nullptr);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
}

namespace {
std::map<UINT_PTR, CUiScript*> g_scripts;
}

CUiScript::CUiScript(std::vector<Step> steps) : m_steps(std::move(steps)) {
    m_timer = SetTimer(nullptr, 0, 30, OnTick);
    g_scripts[m_timer] = this;
}

CUiScript::~CUiScript() {
    KillTimer(nullptr, m_timer);
    g_scripts.erase(m_timer);
}

void CALLBACK CUiScript::OnTick(HWND, UINT, UINT_PTR id, DWORD) {
    auto found = g_scripts.find(id);
    if (found != g_scripts.end())
        found->second->Tick();
}

void CUiScript::Tick() {
    if (m_busy || Finished())
        return;
    m_busy = true;
    if (m_steps[m_next]()) {
        ++m_next;
        m_tries = 0;
    } else if (++m_tries > 330) {
        m_failure = "step " + std::to_string(m_next) + " never completed";
        m_next = m_steps.size();
        for (const char* caption : {"Select Folder", "Add Folder", "Test Dialog", "Options",
                                    "List Settings", "About Varnello"})
            if (HWND window = FindThreadWindow(caption))
                PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    }
    m_busy = false;
}

namespace {
struct FindData {
    std::string caption;
    HWND found = nullptr;
};

BOOL CALLBACK FindByCaption(HWND hwnd, LPARAM lParam) {
    auto* data = reinterpret_cast<FindData*>(lParam);
    char text[256] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    if (IsWindowVisible(hwnd) && data->caption == text) {
        data->found = hwnd;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

HWND FindThreadWindow(const std::string& caption) {
    FindData data{caption};
    EnumThreadWindows(GetCurrentThreadId(), FindByCaption, reinterpret_cast<LPARAM>(&data));
    return data.found;
}

std::string ItemText(HWND dialog, int id) {
    char text[1024] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

CFileDropData::CFileDropData(const std::vector<std::string>& paths, UINT privateFormat,
                             bool withFiles)
    : m_cfPrivate(privateFormat), m_bWithFiles(withFiles) {
    // The names (given in UTF-8) in UTF-16, as the shell gives them.
    DROPFILES header = {};
    header.pFiles = sizeof header;
    header.fWide = TRUE;
    m_fileList.assign(reinterpret_cast<const char*>(&header), sizeof header);
    for (const std::string& path : paths) {
        std::u16string wide = Utf8ToUtf16(path);
        m_fileList.append(reinterpret_cast<const char*>(wide.c_str()), 2 * (wide.size() + 1));
    }
    m_fileList.append(2, '\0');
}

HRESULT CFileDropData::QueryInterface(REFIID riid, void** object) {
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDataObject)) {
        *object = static_cast<IDataObject*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG CFileDropData::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&m_nRefs));
}

ULONG CFileDropData::Release() {
    LONG refs = InterlockedDecrement(&m_nRefs);
    if (refs == 0)
        delete this;
    return static_cast<ULONG>(refs);
}

HRESULT CFileDropData::QueryGetData(FORMATETC* format) {
    if (!format)
        return E_INVALIDARG;
    if (format->cfFormat == m_cfPrivate && m_cfPrivate != 0)
        return (format->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_TYMED;
    if (format->cfFormat == CF_HDROP && m_bWithFiles)
        return (format->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_TYMED;
    return DV_E_FORMATETC;
}

HRESULT CFileDropData::GetData(FORMATETC* format, STGMEDIUM* medium) {
    HRESULT query = QueryGetData(format);
    if (query != S_OK)
        return query;
    std::string bytes = format->cfFormat == CF_HDROP ? m_fileList : std::string("list", 5);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (!memory)
        return E_OUTOFMEMORY;
    std::memcpy(GlobalLock(memory), bytes.data(), bytes.size());
    GlobalUnlock(memory);
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = memory;
    medium->pUnkForRelease = nullptr;
    return S_OK;
}

}  // namespace edittest
