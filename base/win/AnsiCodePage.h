#pragma once
#include "base/CodePage.h"

// The system's ANSI code page, through the Windows text functions. The
// lead bytes and the lower case of each single byte are looked up once.
class CAnsiCodePage : public ICodePage {
public:
    CAnsiCodePage();
    bool IsLeadByte(unsigned char c) const override;
    std::string ToLower(const std::string& text) const override;
    std::string FromUtf16(const std::u16string& text) const override;

private:
    bool m_lead[256] = {};
    unsigned char m_lower[256] = {};
    bool m_hasLeadBytes = false;
};

// Installs the ANSI code page and the module file name of the running
// program as the sources the portable code uses. Called once at start-up.
void InstallWindowsTextServices();
