#include "framework/win/StatusBar.h"

#include <commctrl.h>

#include "framework/DpiScale.h"
#include "framework/win/ResourceText.h"
#include "framework/win/WindowDpi.h"

CStatusBar::~CStatusBar() {
    if (m_hFont)
        DeleteObject(m_hFont);
}

// The control takes the system's status font, which is at the system's dpi:
// a frame on a display of another scale gives it one at its own.
bool CStatusBar::Create(HWND parent, DWORD style, UINT id) {
    HWND hwnd = CreateWindowExA(0, STATUSCLASSNAMEA, "", style, 0, 0, 0, 0, parent,
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                GetModuleHandleA(nullptr), nullptr);
    if (!hwnd || !Subclass(hwnd))
        return false;
    m_nDpi = WindowDpi(parent);
    if (m_nDpi != SystemDpi())
        TakeFontForDpi();
    return true;
}

void CStatusBar::TakeFontForDpi() {
    HFONT font = CreateStatusFontForDpi(m_nDpi);
    if (!font)
        return;
    SendMessageA(GetHwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (m_hFont)
        DeleteObject(m_hFont);
    m_hFont = font;
}

void CStatusBar::SetDpi(int dpi) {
    m_nDpi = dpi;
    TakeFontForDpi();
    for (Pane& pane : m_panes)
        if (pane.id != 0)
            pane.width = TextWidth(LoadResourceString(pane.id));
    Resize();
}

int CStatusBar::TextWidth(const std::string& text) const {
    HDC dc = GetDC(GetHwnd());
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(GetHwnd(), WM_GETFONT, 0, 0));
    HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
    SIZE size = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    if (old)
        SelectObject(dc, old);
    ReleaseDC(GetHwnd(), dc);
    return size.cx;
}

bool CStatusBar::SetIndicators(const UINT* ids, int count) {
    m_panes.clear();
    for (int i = 0; i < count; ++i) {
        Pane pane{ids[i], 0, 0, std::string()};
        if (ids[i] != 0) {
            std::string text = LoadResourceString(ids[i]);
            if (text.empty())
                return false;
            pane.width = TextWidth(text);
        }
        m_panes.push_back(pane);
    }
    ApplyParts();
    return true;
}

int CStatusBar::CommandToIndex(UINT id) const {
    for (std::size_t i = 0; i < m_panes.size(); ++i)
        if (m_panes[i].id == id)
            return static_cast<int>(i);
    return -1;
}

void CStatusBar::GetPaneInfo(int index, UINT& id, UINT& style, int& width) const {
    const Pane& pane = m_panes.at(static_cast<std::size_t>(index));
    id = pane.id;
    style = pane.style;
    width = pane.width;
}

void CStatusBar::SetPaneInfo(int index, UINT id, UINT style, int width) {
    Pane& pane = m_panes.at(static_cast<std::size_t>(index));
    pane.id = id;
    pane.style = style;
    pane.width = width;
    ApplyParts();
}

void CStatusBar::SetPaneText(int index, const std::string& text) {
    if (index < 0 || index >= PaneCount())
        return;
    Pane& pane = m_panes[static_cast<std::size_t>(index)];
    if (pane.text == text)
        return;
    pane.text = text;
    ShowText(index);
}

std::string CStatusBar::GetPaneText(int index) const {
    if (index < 0 || index >= PaneCount())
        return std::string();
    return m_panes[static_cast<std::size_t>(index)].text;
}

int CStatusBar::Height() const {
    if (!GetHwnd() || !IsWindowVisible(GetHwnd()))
        return 0;
    RECT rect;
    GetWindowRect(GetHwnd(), &rect);
    return rect.bottom - rect.top;
}

void CStatusBar::Resize() {
    SendMessageA(GetHwnd(), WM_SIZE, 0, 0);
    ApplyParts();
}

void CStatusBar::ShowText(int index) {
    const Pane& pane = m_panes[static_cast<std::size_t>(index)];
    WPARAM type = static_cast<WPARAM>(index);
    if (pane.style & kPaneNoBorders)
        type |= SBT_NOBORDERS;
    SendMessageA(GetHwnd(), SB_SETTEXTA, type, reinterpret_cast<LPARAM>(pane.text.c_str()));
}

void CStatusBar::ApplyParts() {
    if (!GetHwnd() || m_panes.empty())
        return;
    RECT client;
    GetClientRect(GetHwnd(), &client);
    int borders[3] = {};
    SendMessageA(GetHwnd(), SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    const int gap = borders[2] > 0 ? borders[2] : 2;
    const int padding = 2 * (borders[0] > 0 ? borders[0] : 2) + ScaleForDpi(4, m_nDpi);
    // A grip takes the corner when the bar has one.
    int available = client.right - client.left;
    if (GetWindowLongA(GetHwnd(), GWL_STYLE) & SBARS_SIZEGRIP)
        available -= SystemMetricForDpi(SM_CXVSCROLL, m_nDpi);

    int fixed = 0;
    int stretching = 0;
    for (const Pane& pane : m_panes) {
        if (pane.style & kPaneStretch)
            ++stretching;
        else
            fixed += pane.width + padding + gap;
    }
    int spare = available - fixed;
    std::vector<int> rights;
    int right = 0;
    for (const Pane& pane : m_panes) {
        int width = pane.width + padding;
        if (pane.style & kPaneStretch) {
            // A stretching pane takes the spare width, but at least its own.
            int share = spare > 0 ? spare / stretching : 0;
            width = share > pane.width ? share : pane.width;
        }
        right += width + gap;
        rights.push_back(right);
    }
    rights.back() = -1;  // the last pane runs to the end of the bar
    SendMessageA(GetHwnd(), SB_SETPARTS, rights.size(), reinterpret_cast<LPARAM>(rights.data()));
    for (int i = 0; i < PaneCount(); ++i)
        ShowText(i);
}
