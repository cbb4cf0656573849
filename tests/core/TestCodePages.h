#pragma once
#include "base/CodePage.h"

// The lead-byte layout of code page 932 (Shift JIS).
inline const CLeadByteTableCodePage& CodePage932() {
    static const CLeadByteTableCodePage codePage{0x81, 0x9F, 0xE0, 0xFC};
    return codePage;
}

// Puts a code page in force for the lifetime of the object.
class ScopedCodePage {
public:
    explicit ScopedCodePage(const ICodePage& codePage) { SetCurrentCodePage(&codePage); }
    ~ScopedCodePage() { SetCurrentCodePage(nullptr); }
    ScopedCodePage(const ScopedCodePage&) = delete;
    ScopedCodePage& operator=(const ScopedCodePage&) = delete;
};
