#include "framework/win/HtmlHelp.h"

namespace {

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

// Where the system registers the HTML Help control.
constexpr char kControlKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr WORD kHtmlHelpOrdinal = 14;  // HtmlHelpA

HMODULE g_helpModule = nullptr;
bool g_helpUnavailable = false;
HtmlHelpFunction g_htmlHelp = nullptr;

// The control's registered module path; empty when there is none.
std::string RegisteredControlPath() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, kControlKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::string();
    char buffer[260] = {};
    DWORD size = sizeof buffer - 1;  // room for a zero the value may lack
    DWORD type = 0;
    LONG status =
        RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::string();
    return std::string(buffer);
}

}  // namespace

HWND CallHtmlHelp(HWND owner, const std::string& path, UINT command, DWORD_PTR data) {
    if (!g_helpModule && !g_helpUnavailable) {
        std::string registered = RegisteredControlPath();
        if (!registered.empty())
            g_helpModule = LoadLibraryA(registered.c_str());
        if (!g_helpModule)
            g_helpModule = LoadLibraryA("hhctrl.ocx");
        if (!g_helpModule) {
            g_helpUnavailable = true;
            return nullptr;
        }
    }
    if (!g_htmlHelp) {
        if (g_helpUnavailable)
            return nullptr;
        g_htmlHelp = reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void (*)()>(
            GetProcAddress(g_helpModule, MAKEINTRESOURCEA(kHtmlHelpOrdinal))));
        if (!g_htmlHelp) {
            g_helpUnavailable = true;
            return nullptr;
        }
    }
    return g_htmlHelp(owner, path.c_str(), command, data);
}
