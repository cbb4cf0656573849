#pragma once
#include <cstddef>
#include <string>

#include "base/CodePage.h"

// UTF-8, code page 65001. Lower-casing here knows the ASCII letters only;
// on Windows the process's UTF-8 code page lower-cases through the system
// (CAnsiCodePage).
class CUtf8CodePage : public ICodePage {
public:
    bool IsLeadByte(unsigned char c) const override;
    std::string ToLower(const std::string& text) const override;
    std::string FromUtf16(const std::u16string& text) const override;
    std::u16string ToUtf16(const std::string& text) const override;
    bool IsUtf8() const override { return true; }
    std::size_t CharSize(const std::string& text, std::size_t at) const override;
};

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD, as on Windows.
std::string Utf16ToUtf8(const std::u16string& text);
// UTF-8 to UTF-16; every byte that is not part of a well-formed sequence
// becomes U+FFFD.
std::u16string Utf8ToUtf16(const std::string& text);
// The number of bytes of the well-formed sequence at index at (inside the
// text); 1 for any other byte.
std::size_t Utf8CharSize(const std::string& text, std::size_t at);
