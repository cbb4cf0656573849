#include "base/CodePage.h"

#include "base/Utf8CodePage.h"

namespace {

// The characters that Windows-1252 places in 0x80-0x9F, indexed by byte - 0x80;
// 0 where the byte has no character.
const char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Converts UTF-16 text one character at a time; a surrogate pair counts as
// one character. toByte gives the byte of a character, or 0 when it has none.
template <typename ToByte>
std::string ConvertFromUtf16(const std::u16string& text, ToByte toByte) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c == 0) {
            result += '\0';
            continue;
        }
        if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            ++i;
            result += '?';
            continue;
        }
        unsigned char byte = toByte(c);
        result += byte != 0 ? static_cast<char>(byte) : '?';
    }
    return result;
}

const CWindows1252CodePage g_windows1252;
const ICodePage* g_currentCodePage = &g_windows1252;
const ICodePage* g_systemCodePage = nullptr;

// True when every byte is ASCII: the same text in every ANSI code page and
// in UTF-8.
bool IsAscii(const std::string& text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

}  // namespace

// A lead byte and the byte after it make one character.
std::size_t ICodePage::CharSize(const std::string& text, std::size_t at) const {
    return IsLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() ? 2 : 1;
}

// No byte of Windows-1252 starts a two-byte character.
bool CWindows1252CodePage::IsLeadByte(unsigned char) const {
    return false;
}

// Lower-cases ASCII letters and the upper-case letters of 0x80-0xFF.
std::string CWindows1252CodePage::ToLower(const std::string& text) const {
    std::string lower = text;
    for (char& ch : lower) {
        unsigned char c = static_cast<unsigned char>(ch);
        if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
            c = static_cast<unsigned char>(c + 0x20);
        else if (c == 0x8A || c == 0x8C || c == 0x8E)
            c = static_cast<unsigned char>(c + 0x10);
        else if (c == 0x9F)
            c = 0xFF;
        ch = static_cast<char>(c);
    }
    return lower;
}

// Converts to Windows-1252; characters outside it become "?".
std::string CWindows1252CodePage::FromUtf16(const std::u16string& text) const {
    return ConvertFromUtf16(text, [](char16_t c) -> unsigned char {
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
            return static_cast<unsigned char>(c);
        for (int i = 0; i < 32; ++i) {
            if (kHighControls[i] == c)
                return static_cast<unsigned char>(0x80 + i);
        }
        return 0;
    });
}

// Every byte is one character; the bytes without one become U+FFFD.
std::u16string CWindows1252CodePage::ToUtf16(const std::string& text) const {
    std::u16string result;
    result.reserve(text.size());
    for (char ch : text) {
        unsigned char c = static_cast<unsigned char>(ch);
        char16_t unit = c;
        if (c >= 0x80 && c <= 0x9F)
            unit = kHighControls[c - 0x80] != 0 ? kHighControls[c - 0x80] : u'\uFFFD';
        result += unit;
    }
    return result;
}

// Marks every byte of the given ranges as a lead byte.
CLeadByteTableCodePage::CLeadByteTableCodePage(std::initializer_list<unsigned char> ranges) {
    const unsigned char* bound = ranges.begin();
    for (std::size_t i = 0; i + 1 < ranges.size(); i += 2) {
        for (int c = bound[i]; c <= bound[i + 1]; ++c)
            m_lead[c] = true;
    }
}

// True when c lies in one of the lead-byte ranges.
bool CLeadByteTableCodePage::IsLeadByte(unsigned char c) const {
    return m_lead[c];
}

// Lower-cases ASCII letters; both bytes of a double-byte character stay.
std::string CLeadByteTableCodePage::ToLower(const std::string& text) const {
    std::string lower = text;
    for (std::size_t i = 0; i < lower.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(lower[i]);
        if (IsLeadByte(c))
            ++i;  // skip the trail byte
        else if (c >= 'A' && c <= 'Z')
            lower[i] = static_cast<char>(c + 0x20);
    }
    return lower;
}

// Converts ASCII; everything else becomes "?".
std::string CLeadByteTableCodePage::FromUtf16(const std::u16string& text) const {
    return ConvertFromUtf16(text, [](char16_t c) -> unsigned char {
        return c < 0x80 ? static_cast<unsigned char>(c) : 0;
    });
}

// ASCII converts; every other character, single or double byte, becomes
// U+FFFD.
std::u16string CLeadByteTableCodePage::ToUtf16(const std::string& text) const {
    std::u16string result;
    for (std::size_t i = 0; i < text.size(); i += CharSize(text, i)) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        result += c < 0x80 ? static_cast<char16_t>(c) : u'\uFFFD';
    }
    return result;
}

// The code page in force.
const ICodePage& CurrentCodePage() {
    return *g_currentCodePage;
}

// Installs a code page; nullptr goes back to Windows-1252.
void SetCurrentCodePage(const ICodePage* codePage) {
    g_currentCodePage = codePage != nullptr ? codePage : &g_windows1252;
}

// The system's code page: its own when one is installed, else the current.
const ICodePage& SystemCodePage() {
    return g_systemCodePage != nullptr ? *g_systemCodePage : CurrentCodePage();
}

void SetSystemCodePage(const ICodePage* codePage) {
    g_systemCodePage = codePage;
}

// ASCII, and any text when the two code pages are one, stays as it is;
// other text goes through UTF-16.
std::string FromSystemText(const std::string& bytes) {
    const ICodePage& system = SystemCodePage();
    const ICodePage& current = CurrentCodePage();
    if (&system == &current || IsAscii(bytes))
        return bytes;
    return current.FromUtf16(system.ToUtf16(bytes));
}

// The system code page holds the text when its bytes convert back to the
// same UTF-16 text.
bool ToSystemText(const std::string& text, std::string& bytes) {
    const ICodePage& system = SystemCodePage();
    const ICodePage& current = CurrentCodePage();
    if (&system == &current || IsAscii(text)) {
        bytes = text;
        return true;
    }
    const std::u16string wide = current.ToUtf16(text);
    std::string converted = system.FromUtf16(wide);
    if (system.ToUtf16(converted) != wide)
        return false;
    bytes = std::move(converted);
    return true;
}

std::string FromUtf8(const std::string& text) {
    const ICodePage& current = CurrentCodePage();
    return current.IsUtf8() ? text : current.FromUtf16(Utf8ToUtf16(text));
}

std::string ToUtf8(const std::string& text) {
    const ICodePage& current = CurrentCodePage();
    return current.IsUtf8() ? text : Utf16ToUtf8(current.ToUtf16(text));
}

std::size_t TextLength(const std::string& text) {
    const ICodePage& codePage = CurrentCodePage();
    if (!codePage.IsUtf8())
        return text.size();
    std::size_t length = 0;
    for (std::size_t i = 0; i < text.size(); i += codePage.CharSize(text, i))
        ++length;
    return length;
}

std::string TextPrefix(const std::string& text, std::size_t length) {
    const ICodePage& codePage = CurrentCodePage();
    std::size_t bytes = 0, counted = 0;
    while (bytes < text.size()) {
        const std::size_t size = codePage.CharSize(text, bytes);
        const std::size_t weight = codePage.IsUtf8() ? 1 : size;
        if (counted + weight > length)
            break;
        counted += weight;
        bytes += size;
    }
    return text.substr(0, bytes);
}

std::size_t WholeCharBytes(const std::string& text, std::size_t maxBytes) {
    const ICodePage& codePage = CurrentCodePage();
    std::size_t bytes = 0;
    while (bytes < text.size()) {
        const std::size_t size = codePage.CharSize(text, bytes);
        if (bytes + size > maxBytes)
            break;
        bytes += size;
    }
    return bytes;
}

// Walks the text character by character and remembers the last single-byte
// character equal to ch. A lead byte at the very end stands alone.
std::size_t FindLastChar(const std::string& text, char ch) {
    const ICodePage& codePage = CurrentCodePage();
    std::size_t found = std::string::npos;
    std::size_t i = 0;
    while (i < text.size()) {
        if (codePage.IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) {
            i += 2;
            continue;
        }
        if (text[i] == ch)
            found = i;
        ++i;
    }
    return found;
}
