#include "base/win/AnsiCodePage.h"

#include <windows.h>

#include "base/PathParts.h"
#include "base/Utf8CodePage.h"

namespace {

const wchar_t* WideData(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.data());
}

// The code page's bytes of UTF-16 text, with the given conversion flags
// and the system's own character for one the code page lacks.
std::string NarrowTo(unsigned codePage, DWORD flags, const std::u16string& text) {
    if (text.empty())
        return std::string();
    const int wideLength = static_cast<int>(text.size());
    const char* fallback = codePage == CP_UTF8 || !(flags & WC_NO_BEST_FIT_CHARS) ? nullptr : "?";
    int length = WideCharToMultiByte(codePage, flags, WideData(text), wideLength, nullptr, 0,
                                     fallback, nullptr);
    if (length <= 0)
        return std::string();
    std::string result(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, WideData(text), wideLength, &result[0], length, fallback,
                        nullptr);
    return result;
}

}  // namespace

// Lower-cases text through its UTF-16 form, converted back as the system's
// own lower-casing of 8-bit text does it.
std::string CAnsiCodePage::LowerThroughUtf16(const std::string& text) const {
    std::u16string wide = ToUtf16(text);
    if (wide.empty())
        return text;
    CharLowerBuffW(reinterpret_cast<wchar_t*>(&wide[0]), static_cast<DWORD>(wide.size()));
    return NarrowTo(m_nCodePage, 0, wide);
}

CAnsiCodePage::CAnsiCodePage(unsigned codePage)
    : m_nCodePage(codePage == CP_ACP ? GetACP() : codePage), m_bUtf8(m_nCodePage == CP_UTF8) {
    for (int c = 0; c < 256; ++c) {
        m_lead[c] = !m_bUtf8 && IsDBCSLeadByteEx(m_nCodePage, static_cast<BYTE>(c)) != FALSE;
        m_lower[c] = static_cast<unsigned char>(c);
    }
    // The lower case of each single byte that is a character of its own
    // and stays one byte (in UTF-8: the ASCII letters).
    for (int c = 1; c < (m_bUtf8 ? 0x80 : 256); ++c) {
        if (m_lead[c])
            continue;
        std::string lower = LowerThroughUtf16(std::string(1, static_cast<char>(c)));
        if (lower.size() == 1)
            m_lower[c] = static_cast<unsigned char>(lower[0]);
    }
}

bool CAnsiCodePage::IsLeadByte(unsigned char c) const {
    return m_lead[c];
}

std::size_t CAnsiCodePage::CharSize(const std::string& text, std::size_t at) const {
    return m_bUtf8 ? Utf8CharSize(text, at) : ICodePage::CharSize(text, at);
}

std::string CAnsiCodePage::ToLower(const std::string& text) const {
    // Text with double-byte characters or UTF-8 sequences goes through the
    // system, which also knows their lower case; single bytes come from the
    // table.
    for (char c : text) {
        unsigned char byte = static_cast<unsigned char>(c);
        if (m_lead[byte] || (m_bUtf8 && byte >= 0x80))
            return LowerThroughUtf16(text);
    }
    std::string lower = text;
    for (char& c : lower)
        c = static_cast<char>(m_lower[static_cast<unsigned char>(c)]);
    return lower;
}

// Characters the code page lacks become "?" rather than look-alike letters,
// which could name another file. (UTF-8 lacks none.)
std::string CAnsiCodePage::FromUtf16(const std::u16string& text) const {
    return NarrowTo(m_nCodePage, m_bUtf8 ? 0 : WC_NO_BEST_FIT_CHARS, text);
}

std::u16string CAnsiCodePage::ToUtf16(const std::string& text) const {
    if (text.empty())
        return std::u16string();
    const int size = static_cast<int>(text.size());
    int length = MultiByteToWideChar(m_nCodePage, 0, text.data(), size, nullptr, 0);
    if (length <= 0)
        return std::u16string();
    std::u16string wide(static_cast<std::size_t>(length), u'\0');
    MultiByteToWideChar(m_nCodePage, 0, text.data(), size, reinterpret_cast<wchar_t*>(&wide[0]),
                        length);
    return wide;
}

unsigned SystemAnsiCodePage() {
    DWORD codePage = 0;
    if (GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                       reinterpret_cast<LPWSTR>(&codePage), sizeof codePage / sizeof(WCHAR)) == 0 ||
        codePage == 0)
        return GetACP();
    return codePage;
}

void InstallWindowsTextServices() {
    static const CAnsiCodePage process;
    SetCurrentCodePage(&process);
    // A process that runs in the system's own code page converts nothing.
    const unsigned system = process.IsUtf8() ? SystemAnsiCodePage() : GetACP();
    if (system == GetACP()) {
        SetSystemCodePage(nullptr);
    } else {
        static const CAnsiCodePage systemCodePage(system);
        SetSystemCodePage(&systemCodePage);
    }
    SetModuleFileNameSource([] {
        char buffer[1024] = {};
        DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
        if (length >= sizeof buffer)
            length = sizeof buffer - 1;
        return std::string(buffer, length);
    });
}
