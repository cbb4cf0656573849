#include "wallpaper/ErrorText.h"

#include <cstdio>

#include "wallpaper/WallpaperTexts.h"

namespace {

// The first and last code that the automation layer reserves for its own
// dispatch errors, and the base their numbers count from.
constexpr std::uint32_t kDispatchErrorBase = 0x80040200u;
constexpr std::uint32_t kDispatchErrorLast = 0x8004FFFFu;

// The image library's status for memory that ran out, and the two codes.
constexpr int kStatusOutOfMemory = 3;
constexpr std::uint32_t kOutOfMemory = 0x8007000Eu;
constexpr std::uint32_t kFailed = 0x80004005u;

// The system's text with one trailing "\n" and then one trailing "\r" cut off.
std::string TrimSystemText(std::string text) {
    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    if (!text.empty() && text.back() == '\r')
        text.pop_back();
    return text;
}

}  // namespace

// Formats the code as lower-case hexadecimal without prefix.
std::string LowerHex(std::uint32_t code) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%lx", static_cast<unsigned long>(code));
    return buffer;
}

// Describes the code in the system's words, or by its number when the
// system has none.
std::string ErrorDescription(std::uint32_t code, const std::optional<std::string>& systemText) {
    if (systemText)
        return TrimSystemText(*systemText);
    char buffer[64];
    std::uint16_t dispatchNumber = static_cast<std::uint16_t>(code - kDispatchErrorBase);
    if (code >= kDispatchErrorBase && code <= kDispatchErrorLast && dispatchNumber != 0)
        std::snprintf(buffer, sizeof buffer, "IDispatch error #%d",
                      static_cast<int>(dispatchNumber));
    else
        std::snprintf(buffer, sizeof buffer, "Unknown error 0x%0lX",
                      static_cast<unsigned long>(code));
    return buffer;
}

// Builds the "failed to load" text for the code.
std::string LoadErrorText(std::uint32_t code, const std::optional<std::string>& systemText) {
    return wallpaper_texts::kLoadErrorText + LowerHex(code) + wallpaper_texts::kLoadErrorSeparator +
           ErrorDescription(code, systemText);
}

std::uint32_t DecodeFailureCode(int imageStatus) {
    return imageStatus == kStatusOutOfMemory ? kOutOfMemory : kFailed;
}
