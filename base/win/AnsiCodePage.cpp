#include "base/win/AnsiCodePage.h"

#include <windows.h>

#include "base/PathParts.h"

CAnsiCodePage::CAnsiCodePage() {
    for (int c = 0; c < 256; ++c) {
        m_lead[c] = IsDBCSLeadByte(static_cast<BYTE>(c)) != FALSE;
        m_hasLeadBytes = m_hasLeadBytes || m_lead[c];
        char single = static_cast<char>(c);
        if (!m_lead[c] && c != 0)
            CharLowerBuffA(&single, 1);
        m_lower[c] = static_cast<unsigned char>(single);
    }
}

bool CAnsiCodePage::IsLeadByte(unsigned char c) const {
    return m_lead[c];
}

std::string CAnsiCodePage::ToLower(const std::string& text) const {
    std::string lower = text;
    // Text with double-byte characters goes through the system, which also
    // knows their lower case; single bytes come from the table.
    if (m_hasLeadBytes) {
        for (char c : lower) {
            if (m_lead[static_cast<unsigned char>(c)]) {
                CharLowerBuffA(&lower[0], static_cast<DWORD>(lower.size()));
                return lower;
            }
        }
    }
    for (char& c : lower)
        c = static_cast<char>(m_lower[static_cast<unsigned char>(c)]);
    return lower;
}

// Characters the code page lacks become "?" rather than look-alike letters,
// which could name another file.
std::string CAnsiCodePage::FromUtf16(const std::u16string& text) const {
    if (text.empty())
        return std::string();
    const wchar_t* wide = reinterpret_cast<const wchar_t*>(text.data());
    int wideLength = static_cast<int>(text.size());
    int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, wideLength, nullptr, 0,
                                     "?", nullptr);
    if (length <= 0)
        return std::string();
    std::string result(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, wideLength, &result[0], length, "?",
                        nullptr);
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
