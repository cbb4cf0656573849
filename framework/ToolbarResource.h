#pragma once
#include <cstddef>
#include <optional>
#include <vector>

// The toolbar layout stored in the program's resources (custom type 241),
// all fields little-endian 16-bit words:
//   version (1), button width, button height, item count,
//   then one command id per item, 0 standing for a separator.
struct ToolbarResource {
    unsigned short width = 0;
    unsigned short height = 0;
    std::vector<unsigned short> items;
};

// Reads a toolbar layout from the resource bytes. Fails (nullopt) when the
// data is shorter than its header or its item list, when the version is not
// 1, or when a button size is 0. Bytes after the last item are ignored.
std::optional<ToolbarResource> ParseToolbarResource(const void* data, size_t size);
