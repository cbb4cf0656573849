#pragma once
#include <optional>
#include <string>

// The system's message text for an error code, as FormatMessageA gives it
// (line break included); none when the system has no text for the code.
std::optional<std::string> SystemMessageText(unsigned long code);
// The same without its trailing line break and blanks, or "Error N." when
// the system has no text.
std::string SystemErrorText(unsigned long code);
