#pragma once
#include <windows.h>

#include <string>

// Registry values under HKEY_CURRENT_USER as the tests read and write them,
// outside the program's own registry code.
namespace test_registry {

constexpr char kDesktopKey[] = "Control Panel\\Desktop";
constexpr char kProgramKey[] = "Software\\Quillfen\\Varnello";

// A REG_SZ value's text; "<none>" when the key or value is missing or the
// value is not a string.
std::string StringValue(const char* key, const char* name);
// A value as "dword:N" or "sz:TEXT" ("type N" for other types); "<none>"
// when it is missing, "<no key>" when its key is.
std::string TypedValue(const char* key, const char* name);
// Writes a value, creating its key.
void WriteString(const char* key, const char* name, const std::string& value);
void WriteDword(const char* key, const char* name, DWORD value);

// The system's text for an error code, without its trailing line break.
std::string SystemText(DWORD code);

}  // namespace test_registry
