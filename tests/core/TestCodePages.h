#pragma once
#include <map>

#include "base/CodePage.h"
#include "base/Utf8CodePage.h"

// The lead-byte layout of code page 932 (Shift JIS).
inline const CLeadByteTableCodePage& CodePage932() {
    static const CLeadByteTableCodePage codePage{0x81, 0x9F, 0xE0, 0xFC};
    return codePage;
}

// Code page 932 with the real bytes of two characters: 日, and 表, whose
// trail byte is a backslash. Others convert as "?" (U+FFFD).
class CSampleShiftJisCodePage : public CLeadByteTableCodePage {
public:
    CSampleShiftJisCodePage() : CLeadByteTableCodePage{0x81, 0x9F, 0xE0, 0xFC} {}
    std::string FromUtf16(const std::u16string& text) const override {
        std::string out;
        for (char16_t c : text)
            out += c < 0x80          ? std::string(1, static_cast<char>(c))
                   : kTable.count(c) ? kTable.at(c)
                                     : "?";
        return out;
    }
    std::u16string ToUtf16(const std::string& text) const override {
        std::u16string out;
        for (std::size_t i = 0; i < text.size(); i += CharSize(text, i)) {
            out += static_cast<unsigned char>(text[i]) < 0x80 ? text[i] : u'\uFFFD';
            for (const auto& entry : kTable)
                if (text.compare(i, CharSize(text, i), entry.second) == 0)
                    out.back() = entry.first;
        }
        return out;
    }

private:
    const std::map<char16_t, std::string> kTable{{u'日', "\x93\xFA"}, {u'表', "\x95\x5C"}};
};

// Puts a code page in force for the lifetime of the object; with a second
// one, that is the system's code page (the process then runs in the first).
class ScopedCodePage {
public:
    explicit ScopedCodePage(const ICodePage& codePage, const ICodePage* system = nullptr) {
        SetCurrentCodePage(&codePage);
        SetSystemCodePage(system);
    }
    ~ScopedCodePage() {
        SetCurrentCodePage(nullptr);
        SetSystemCodePage(nullptr);
    }
    ScopedCodePage(const ScopedCodePage&) = delete;
    ScopedCodePage& operator=(const ScopedCodePage&) = delete;
};
