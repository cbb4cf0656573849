#include "base/PathParts.h"

#include <utility>

#include "base/CodePage.h"

namespace {

std::function<std::string()> g_moduleFileNameSource;

// Index of the first backslash at or after from (a character boundary),
// stepping over double-byte characters; std::string::npos when none.
std::size_t FindBackslash(const std::string& text, std::size_t from) {
    const ICodePage& codePage = CurrentCodePage();
    for (std::size_t i = from; i < text.size(); ++i) {
        if (codePage.IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size())
            ++i;
        else if (text[i] == '\\')
            return i;
    }
    return std::string::npos;
}

}  // namespace

// The text after the last backslash; the whole text when there is none.
std::string FileNamePart(const std::string& path) {
    std::size_t slash = FindLastChar(path, '\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The text before the last backslash; empty when there is none.
std::string FolderPart(const std::string& path) {
    std::size_t slash = FindLastChar(path, '\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// The text after the last dot, lower-cased; all of it when there is no dot.
std::string ExtensionPart(const std::string& path) {
    std::size_t dot = FindLastChar(path, '.');
    std::string extension = dot == std::string::npos ? path : path.substr(dot + 1);
    return CurrentCodePage().ToLower(extension);
}

// "X:\" from a drive letter; "\\server\share\" from the first two parts
// of a UNC path.
std::string RootPart(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':') {
        char letter = path[0];
        if ((letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z'))
            return std::string(1, letter) + ":\\";
        return std::string();
    }
    if (path.size() < 3 || path[0] != '\\' || path[1] != '\\')
        return std::string();
    std::size_t serverEnd = FindBackslash(path, 2);
    if (serverEnd == std::string::npos || serverEnd == 2)
        return std::string();
    std::string server = path.substr(2, serverEnd - 2);
    if (server == "?" || server == ".")
        return std::string();
    std::size_t shareEnd = FindBackslash(path, serverEnd + 1);
    if (shareEnd == std::string::npos)
        shareEnd = path.size();
    if (shareEnd == serverEnd + 1)
        return std::string();
    return path.substr(0, shareEnd) + "\\";
}

// Base-10 text of a signed 32-bit value.
std::string DecimalText(std::int32_t value) {
    return std::to_string(static_cast<long long>(value));
}

// Cuts the run of trailing backslashes; the trail byte of a double-byte
// character is never one of them.
std::string TrimTrailingBackslashes(const std::string& text) {
    const ICodePage& codePage = CurrentCodePage();
    std::size_t end = 0;  // end of the last character that is not a backslash
    std::size_t i = 0;
    while (i < text.size()) {
        if (codePage.IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) {
            i += 2;
            end = i;
        } else {
            if (text[i] != '\\')
                end = i + 1;
            ++i;
        }
    }
    return text.substr(0, end);
}

// A text ends in a backslash when cutting its trailing backslashes
// shortens it.
bool EndsWithBackslash(const std::string& text) {
    return TrimTrailingBackslashes(text).size() != text.size();
}

std::string FolderForBrowser(const std::string& folder) {
    auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    std::string result = folder;
    while (!result.empty() && blank(result.back()))
        result.pop_back();
    if (EndsWithBackslash(result))
        result.pop_back();
    return result;
}

// The folder of a module file name, without the backslash before the name.
std::string ProgramFolderOf(const std::string& moduleFileName) {
    return FolderPart(moduleFileName);
}

// The folder of the running program's file.
std::string ProgramFolder() {
    std::string moduleFileName = g_moduleFileNameSource ? g_moduleFileNameSource() : std::string();
    return ProgramFolderOf(moduleFileName);
}

// Sets where the running program's file name comes from (empty: no name).
void SetModuleFileNameSource(std::function<std::string()> source) {
    g_moduleFileNameSource = std::move(source);
}
