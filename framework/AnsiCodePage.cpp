#include "framework/AnsiCodePage.h"

#include <windows.h>

#include "list/PathParts.h"

bool CAnsiCodePage::IsLeadByte(unsigned char c) const {
    return IsDBCSLeadByte(c) != FALSE;
}

std::string CAnsiCodePage::ToLower(const std::string& text) const {
    std::string lower = text;
    if (!lower.empty())
        CharLowerBuffA(&lower[0], static_cast<DWORD>(lower.size()));
    return lower;
}

std::string CAnsiCodePage::FromUtf16(const std::u16string& text) const {
    if (text.empty())
        return std::string();
    const wchar_t* wide = reinterpret_cast<const wchar_t*>(text.data());
    int wideLength = static_cast<int>(text.size());
    int length = WideCharToMultiByte(CP_ACP, 0, wide, wideLength, nullptr, 0, "?", nullptr);
    if (length <= 0)
        return std::string();
    std::string result(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, wideLength, &result[0], length, "?", nullptr);
    return result;
}

void InstallWindowsTextServices() {
    static CAnsiCodePage ansi;
    SetCurrentCodePage(&ansi);
    SetModuleFileNameSource([] {
        char buffer[1024] = {};
        DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
        if (length >= sizeof buffer)
            length = sizeof buffer - 1;
        return std::string(buffer, length);
    });
}
