#pragma once
#include <cstdint>
#include <optional>
#include <string>

// The texts that describe an error code (an HRESULT) to the user.

// The code as unsigned hexadecimal in lower case, without prefix or
// leading zeros (0x80004005 gives "80004005").
std::string LowerHex(std::uint32_t code);

// The description of an error code: the system's own text with one trailing
// "\n" and then one trailing "\r" removed; when the system has no text,
// "IDispatch error #n" for codes 0x80040201..0x8004FFFF (n = code minus
// 0x80040200, as a 16-bit number), else "Unknown error 0xCODE" (upper case).
std::string ErrorDescription(std::uint32_t code, const std::optional<std::string>& systemText);

// The text of the box shown when an image fails to load:
// "The selected image failed to load:\n<hex code> - <description>".
std::string LoadErrorText(std::uint32_t code, const std::optional<std::string>& systemText);

// The code an image decoding failure is reported with, from the status of
// the image library (GDI+'s flat API numbers it; 0 is success):
// 0x8007000E when memory ran out (status 3), else 0x80004005, also for a
// status that carries a system error (7), whatever that error was.
std::uint32_t DecodeFailureCode(int imageStatus);
