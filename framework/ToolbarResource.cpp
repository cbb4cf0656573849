#include "framework/ToolbarResource.h"

namespace {

constexpr size_t kHeaderWords = 4;
constexpr unsigned short kVersion = 1;

// Reads the little-endian word at the given word index.
unsigned short WordAt(const unsigned char* bytes, size_t index) {
    return static_cast<unsigned short>(bytes[2 * index] | (bytes[2 * index + 1] << 8));
}

}  // namespace

// Reads a toolbar layout from the resource bytes; see the header for the layout.
std::optional<ToolbarResource> ParseToolbarResource(const void* data, size_t size) {
    if (data == nullptr || size < 2 * kHeaderWords)
        return std::nullopt;
    const auto* bytes = static_cast<const unsigned char*>(data);
    if (WordAt(bytes, 0) != kVersion)
        return std::nullopt;
    ToolbarResource layout;
    layout.width = WordAt(bytes, 1);
    layout.height = WordAt(bytes, 2);
    const size_t count = WordAt(bytes, 3);
    if (layout.width == 0 || layout.height == 0)
        return std::nullopt;
    if ((size - 2 * kHeaderWords) / 2 < count)
        return std::nullopt;
    layout.items.reserve(count);
    for (size_t i = 0; i < count; ++i)
        layout.items.push_back(WordAt(bytes, kHeaderWords + i));
    return layout;
}
