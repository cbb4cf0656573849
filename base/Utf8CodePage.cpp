#include "base/Utf8CodePage.h"

namespace {

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Appends the UTF-8 bytes of a code point.
void PutUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

bool CUtf8CodePage::IsLeadByte(unsigned char) const {
    return false;
}

// Lower-cases the ASCII letters; every other byte stays.
std::string CUtf8CodePage::ToLower(const std::string& text) const {
    std::string lower = text;
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 0x20);
    return lower;
}

std::string CUtf8CodePage::FromUtf16(const std::u16string& text) const {
    return Utf16ToUtf8(text);
}

std::u16string CUtf8CodePage::ToUtf16(const std::string& text) const {
    return Utf8ToUtf16(text);
}

std::size_t CUtf8CodePage::CharSize(const std::string& text, std::size_t at) const {
    return Utf8CharSize(text, at);
}

std::string Utf16ToUtf8(const std::u16string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        PutUtf8(out, c);
    }
    return out;
}

// A sequence is well formed when its lead byte announces as many
// continuation bytes as follow, without an overlong form, a surrogate or a
// value above U+10FFFF.
std::size_t Utf8CharSize(const std::string& text, std::size_t at) {
    const unsigned char lead = static_cast<unsigned char>(text[at]);
    std::size_t size;
    unsigned char low = 0x80, high = 0xBF;  // range of the second byte
    if (lead < 0xC2 || lead > 0xF4)
        return 1;
    if (lead < 0xE0) {
        size = 2;
    } else if (lead < 0xF0) {
        size = 3;
        if (lead == 0xE0)
            low = 0xA0;  // no overlong form
        else if (lead == 0xED)
            high = 0x9F;  // no surrogate
    } else {
        size = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;  // nothing above U+10FFFF
    }
    if (at + size > text.size())
        return 1;
    const unsigned char second = static_cast<unsigned char>(text[at + 1]);
    if (second < low || second > high)
        return 1;
    for (std::size_t i = 2; i < size; ++i)
        if (!IsContinuation(static_cast<unsigned char>(text[at + i])))
            return 1;
    return size;
}

std::u16string Utf8ToUtf16(const std::string& text) {
    std::u16string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const std::size_t size = Utf8CharSize(text, i);
        if (size == 1) {
            out += lead < 0x80 ? static_cast<char16_t>(lead) : u'\uFFFD';
            ++i;
            continue;
        }
        char32_t c = lead & (0x7F >> size);
        for (std::size_t k = 1; k < size; ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
        i += size;
    }
    return out;
}
