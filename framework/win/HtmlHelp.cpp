#include "framework/win/HtmlHelp.h"

#include "base/win/WideText.h"
#include "framework/win/ClassesRoot.h"

namespace {

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

// Where the system registers the HTML Help control.
constexpr char kControlKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
// HtmlHelpW: the path goes over in UTF-16, whatever code page the
// viewer's own 8-bit entry would read it in.
constexpr WORD kHtmlHelpOrdinal = 15;

// The entry of the HTML Help control, loaded at the first call: the
// registered module, else the system's hhctrl.ocx; null when neither loads.
HtmlHelpFunction HtmlHelpEntry() {
    static const HtmlHelpFunction entry = []() -> HtmlHelpFunction {
        std::optional<std::string> registered =
            ReadClassesRootText(kControlKey, std::string(), 259, true);
        HMODULE module =
            registered && !registered->empty() ? LoadLibraryA(registered->c_str()) : nullptr;
        if (!module)
            module = LoadLibraryA("hhctrl.ocx");
        if (!module)
            return nullptr;
        return reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void (*)()>(
            GetProcAddress(module, MAKEINTRESOURCEA(kHtmlHelpOrdinal))));
    }();
    return entry;
}

}  // namespace

HWND CallHtmlHelp(HWND owner, const std::string& path, UINT command, DWORD_PTR data) {
    HtmlHelpFunction entry = HtmlHelpEntry();
    return entry ? entry(owner, Widen(path).c_str(), command, data) : nullptr;
}
