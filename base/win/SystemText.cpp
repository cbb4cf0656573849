#include "base/win/SystemText.h"

#include <windows.h>

#include "base/PathParts.h"

std::optional<std::string> SystemMessageText(unsigned long code) {
    char* buffer = nullptr;
    DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPSTR>(&buffer),
        0, nullptr);
    std::optional<std::string> text;
    if (length && buffer)
        text = std::string(buffer, length);
    if (buffer)
        LocalFree(buffer);
    return text;
}

std::string SystemErrorText(unsigned long code) {
    std::string result = SystemMessageText(code).value_or(std::string());
    while (!result.empty() &&
           (result.back() == '\n' || result.back() == '\r' || result.back() == ' '))
        result.pop_back();
    if (result.empty())
        result = "Error " + DecimalText(static_cast<std::int32_t>(code)) + ".";
    return result;
}
