#include "framework/MultiSelection.h"

#include "base/PathParts.h"

std::vector<std::string> SplitMultiSelection(const char* buffer, std::size_t size) {
    std::vector<std::string> parts;
    std::size_t pos = 0;
    while (pos < size && buffer[pos] != '\0') {
        std::size_t end = pos;
        while (end < size && buffer[end] != '\0')
            ++end;
        parts.emplace_back(buffer + pos, end - pos);
        pos = end + 1;
    }
    if (parts.size() <= 1)
        return parts;
    std::string folder = parts.front();
    if (!folder.empty() && !EndsWithBackslash(folder))
        folder += '\\';
    std::vector<std::string> paths;
    for (std::size_t i = 1; i < parts.size(); ++i)
        paths.push_back(folder + parts[i]);
    return paths;
}
