#pragma once
#include "base/CodePage.h"

// A Windows code page through the system's text functions: the process's
// code page (CP_ACP, which is UTF-8 when the system honours the program's
// manifest) or the system's ANSI code page. The lead bytes and the lower
// case of each single byte are looked up once.
class CAnsiCodePage : public ICodePage {
public:
    // codePage: a code page number, or 0 (CP_ACP) for the process's.
    explicit CAnsiCodePage(unsigned codePage = 0);
    bool IsLeadByte(unsigned char c) const override;
    std::string ToLower(const std::string& text) const override;
    std::string FromUtf16(const std::u16string& text) const override;
    std::u16string ToUtf16(const std::string& text) const override;
    bool IsUtf8() const override { return m_bUtf8; }
    std::size_t CharSize(const std::string& text, std::size_t at) const override;

private:
    std::string LowerThroughUtf16(const std::string& text) const;

    unsigned m_nCodePage;
    bool m_bUtf8 = false;
    bool m_lead[256] = {};
    unsigned char m_lower[256] = {};
};

// The system's ANSI code page: the one of its locale, which stays what it
// is when the process runs in UTF-8 (GetACP then gives 65001).
unsigned SystemAnsiCodePage();

// Installs the process's code page as the current one, the system's ANSI
// code page as the system's (the same object unless the process runs in
// UTF-8 and the system does not), and the module file name of the running
// program as the sources the portable code uses. Called once at start-up.
void InstallWindowsTextServices();
