#pragma once
#include <cstddef>
#include <initializer_list>
#include <string>

// The 8-bit code page that all text of the program is in. Text helpers step
// over double-byte characters through it, so that the trail byte of such a
// character (which can be 0x5C, the backslash, in code page 932) never
// counts as a character of its own.
class ICodePage {
public:
    virtual ~ICodePage() = default;
    // True when c starts a two-byte character.
    virtual bool IsLeadByte(unsigned char c) const = 0;
    // Lower-cases the text, leaving double-byte characters as they are.
    virtual std::string ToLower(const std::string& text) const = 0;
    // Converts UTF-16 text; characters the code page cannot represent become "?".
    virtual std::string FromUtf16(const std::u16string& text) const = 0;
};

// Windows-1252: no lead bytes.
class CWindows1252CodePage : public ICodePage {
public:
    bool IsLeadByte(unsigned char c) const override;
    std::string ToLower(const std::string& text) const override;
    std::string FromUtf16(const std::u16string& text) const override;
};

// A double-byte code page described by its lead-byte ranges; ASCII letters
// are lower-cased, other single bytes stay, and only ASCII converts from
// UTF-16. Enough to exercise the helpers with the layout of code page 932.
class CLeadByteTableCodePage : public ICodePage {
public:
    // ranges: pairs of first and last lead byte, e.g. {0x81,0x9F, 0xE0,0xFC}.
    explicit CLeadByteTableCodePage(std::initializer_list<unsigned char> ranges);
    bool IsLeadByte(unsigned char c) const override;
    std::string ToLower(const std::string& text) const override;
    std::string FromUtf16(const std::u16string& text) const override;

private:
    bool m_lead[256] = {};
};

// The code page in force: Windows-1252 until the platform installs its own
// (on Windows, the system's ANSI code page).
const ICodePage& CurrentCodePage();
// Installs a code page (not owned; nullptr restores Windows-1252).
void SetCurrentCodePage(const ICodePage* codePage);

// Index of the last occurrence of the single-byte character ch in text,
// stepping over double-byte characters; std::string::npos when none.
std::size_t FindLastChar(const std::string& text, char ch);
