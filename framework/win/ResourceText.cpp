#include "framework/win/ResourceText.h"

#include "base/win/WideText.h"

std::string LoadResourceString(UINT id) {
    // The string table holds counted UTF-16 strings; LoadStringW with a zero
    // buffer size gives a pointer to the text itself, of any length.
    const wchar_t* text = nullptr;
    int length = LoadStringW(GetModuleHandleA(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text)
        return std::string();
    return Narrow(text, length);
}

std::string CommandPrompt(UINT id) {
    std::string text = LoadResourceString(id);
    std::size_t end = text.find('\n');
    return end == std::string::npos ? text : text.substr(0, end);
}

std::string CommandTooltip(UINT id) {
    std::string text = LoadResourceString(id);
    std::size_t start = text.find('\n');
    return start == std::string::npos ? std::string() : text.substr(start + 1);
}
