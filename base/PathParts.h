#pragma once
#include <cstdint>
#include <functional>
#include <string>

// Path helpers shared by the whole program. Backslash and dot are found as
// characters of the current code page (CodePage.h).

// The text after the last backslash; the whole text when there is none.
std::string FileNamePart(const std::string& path);
// The text before the last backslash, without it; empty when there is none
// (C:\a.jpg gives C:).
std::string FolderPart(const std::string& path);
// The text after the last dot, lower-cased; the whole text lower-cased when
// there is no dot.
std::string ExtensionPart(const std::string& path);
// The root of the drive or network share that holds the path: "X:\" for a
// drive path (also "X:name"), "\\server\share\" for a UNC path; empty for
// any other path (relative, rooted on the current drive, "\\?\" and
// "\\.\" forms, a UNC path without its share).
std::string RootPart(const std::string& path);
// Base-10 text of a signed 32-bit value, "-" in front of negatives.
std::string DecimalText(std::int32_t value);
// The text without its run of trailing backslashes.
std::string TrimTrailingBackslashes(const std::string& text);
// True when the last character of the text is a backslash; the trail byte
// of a double-byte character never counts as one.
bool EndsWithBackslash(const std::string& text);
// A folder as the shell's folder browser takes it to start at: without
// trailing blanks, then without one trailing backslash.
std::string FolderForBrowser(const std::string& folder);

// The folder of a module file name: cut before the last backslash; empty
// when there is none.
std::string ProgramFolderOf(const std::string& moduleFileName);
// The folder of the running program's file, without a trailing backslash.
// The module file name comes from the platform (SetModuleFileNameSource).
std::string ProgramFolder();
void SetModuleFileNameSource(std::function<std::string()> source);
