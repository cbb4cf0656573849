#pragma once
#include <cstddef>
#include <initializer_list>
#include <string>

// An 8-bit code page. The program's text is in the current code page (the
// process's: UTF-8 where the system runs the program in UTF-8, else the
// system's ANSI code page). Text helpers step over double-byte characters
// through it, so that the trail byte of such a character (which can be
// 0x5C, the backslash, in code page 932) never counts as a character of its
// own; UTF-8 has no such bytes: every byte of a sequence is above 0x7F.
class ICodePage {
public:
    virtual ~ICodePage() = default;
    // True when c starts a two-byte character.
    virtual bool IsLeadByte(unsigned char c) const = 0;
    // Lower-cases the text, leaving double-byte characters as they are.
    virtual std::string ToLower(const std::string& text) const = 0;
    // Converts UTF-16 text; characters the code page cannot represent become "?".
    virtual std::string FromUtf16(const std::u16string& text) const = 0;
    // Converts text of this code page to UTF-16.
    virtual std::u16string ToUtf16(const std::string& text) const = 0;
    // True for UTF-8, where lengths are counted in characters, not bytes.
    virtual bool IsUtf8() const { return false; }
    // The number of bytes of the character that starts at index at (which
    // must lie inside the text): 2 for a lead byte with a byte after it,
    // else 1.
    virtual std::size_t CharSize(const std::string& text, std::size_t at) const;
};

// Windows-1252: no lead bytes.
class CWindows1252CodePage : public ICodePage {
public:
    bool IsLeadByte(unsigned char c) const override;
    std::string ToLower(const std::string& text) const override;
    std::string FromUtf16(const std::u16string& text) const override;
    std::u16string ToUtf16(const std::string& text) const override;
};

// A double-byte code page described by its lead-byte ranges; ASCII letters
// are lower-cased, other single bytes stay, and only ASCII converts from
// UTF-16 (and back: other bytes become U+FFFD). Enough to exercise the
// helpers with the layout of code page 932.
class CLeadByteTableCodePage : public ICodePage {
public:
    // ranges: pairs of first and last lead byte, e.g. {0x81,0x9F, 0xE0,0xFC}.
    explicit CLeadByteTableCodePage(std::initializer_list<unsigned char> ranges);
    bool IsLeadByte(unsigned char c) const override;
    std::string ToLower(const std::string& text) const override;
    std::string FromUtf16(const std::u16string& text) const override;
    std::u16string ToUtf16(const std::string& text) const override;

private:
    bool m_lead[256] = {};
};

// The code page in force: Windows-1252 until the platform installs its own
// (on Windows, the process's code page).
const ICodePage& CurrentCodePage();
// Installs a code page (not owned; nullptr restores Windows-1252).
void SetCurrentCodePage(const ICodePage* codePage);

// The system's ANSI code page: the code page of 8-bit text in list files
// and of text that other programs hand over. It is the current code page
// unless one of its own is installed (on Windows, when the process runs in
// UTF-8 and the system does not).
const ICodePage& SystemCodePage();
// Installs the system's code page (not owned; nullptr: the current one).
void SetSystemCodePage(const ICodePage* codePage);

// 8-bit text of the system's code page as text of the current one; the
// same bytes when the two are one code page.
std::string FromSystemText(const std::string& bytes);
// The system code page's bytes of the text, when the system code page
// holds it exactly: converted back they give the same characters (no
// "?" for a missing character, no look-alike). False otherwise.
bool ToSystemText(const std::string& text, std::string& bytes);

// UTF-8 text as text of the current code page, and back; characters the
// current code page lacks become "?".
std::string FromUtf8(const std::string& text);
std::string ToUtf8(const std::string& text);

// The length of the text as a user counts it: characters in UTF-8, bytes
// in the ANSI code pages (where a double-byte character counts twice, as
// the system measures it).
std::size_t TextLength(const std::string& text);
// The longest start of the text that is at most length long by that
// measure, cut only between two characters.
std::string TextPrefix(const std::string& text, std::size_t length);
// The number of bytes of the longest start of the text that fits in
// maxBytes bytes, cut only between two characters.
std::size_t WholeCharBytes(const std::string& text, std::size_t maxBytes);

// Index of the last occurrence of the single-byte character ch in text,
// stepping over double-byte characters; std::string::npos when none.
std::size_t FindLastChar(const std::string& text, char ch);
