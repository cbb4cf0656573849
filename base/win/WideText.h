#pragma once
#include <string>

// Conversions between the ANSI code page and UTF-16, for the system calls
// that only take or give UTF-16 (GDI+, the controls' wide notifications,
// the string table).

// The UTF-16 form of an ANSI text; empty when it cannot be converted.
std::wstring Widen(const std::string& text);

// The ANSI form of `length` UTF-16 characters (-1: up to the terminating
// zero); empty for a null text or one that cannot be converted.
std::string Narrow(const wchar_t* text, int length = -1);
