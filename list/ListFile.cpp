#include "list/ListFile.h"

#include <cstdint>
#include <string>
#include <utility>

#include "base/ByteStream.h"
#include "base/CodePage.h"
#include "base/PathParts.h"
#include "list/ListSettings.h"
#include "list/RowStore.h"
#include "list/WallpaperItem.h"

const char kListSignatureV3[] = "VLD Version 3";

namespace {

const char kListSignatureV1[] = "VLD Version 1";
const char kListSignatureV2[] = "VLD Version 2";

// Text bytes are read in pieces of at most this size, so that a length the
// file cannot hold fails at its end instead of being allocated up front.
constexpr std::size_t kReadChunk = 64 * 1024;

// Written bytes are handed to the sink in pieces of about this size.
constexpr std::size_t kWriteChunk = 64 * 1024;

// ---- Writing ----

// Appends a 32-bit value, least significant byte first.
void PutUInt32(std::string& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// Appends a signed 32-bit value in two's complement, little-endian.
void PutInt32(std::string& out, std::int32_t value) {
    PutUInt32(out, static_cast<std::uint32_t>(value));
}

// Appends a 64-bit value, least significant byte first.
void PutUInt64(std::string& out, std::uint64_t value) {
    for (int i = 0; i < 8; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// Appends the shortest length prefix of the archive's form for n.
void PutLength(std::string& out, std::uint64_t n) {
    if (n < 0xFF) {
        out.push_back(static_cast<char>(n));
    } else if (n < 0xFFFE) {
        out.push_back('\xFF');
        out.push_back(static_cast<char>(n & 0xFF));
        out.push_back(static_cast<char>((n >> 8) & 0xFF));
    } else if (n < 0xFFFFFFFFull) {
        out.append("\xFF\xFF\xFF", 3);
        PutUInt32(out, static_cast<std::uint32_t>(n));
    } else {
        out.append("\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 7);
        PutUInt64(out, n);
    }
}

// Appends a string. Text that the system's code page holds is written in
// the 8-bit form of that code page: the length prefix, then the bytes
// without a terminating zero. Any other text is written in the 16-bit form
// that every reader of the format takes: the marker FF FE FF, the length
// prefix counting UTF-16 units, then the UTF-16 little-endian text.
void PutString(std::string& out, const std::string& text) {
    std::string bytes;
    if (ToSystemText(text, bytes)) {
        PutLength(out, bytes.size());
        out.append(bytes);
        return;
    }
    const std::u16string wide = CurrentCodePage().ToUtf16(text);
    out.append("\xFF\xFE\xFF", 3);
    PutLength(out, wide.size());
    for (char16_t unit : wide) {
        out.push_back(static_cast<char>(unit & 0xFF));
        out.push_back(static_cast<char>(unit >> 8));
    }
}

// Hands the collected bytes to the sink once there are enough of them (or
// always, when final); false when the sink failed.
bool Flush(IByteSink& sink, std::string& pending, bool final) {
    if (pending.empty() || (!final && pending.size() < kWriteChunk))
        return true;
    const bool ok = sink.Write(pending.data(), pending.size());
    pending.clear();
    return ok;
}

// ---- Reading ----

// Reads exactly size bytes; false when the source ends first.
bool ReadExact(IByteSource& in, void* buffer, std::size_t size) {
    auto* p = static_cast<unsigned char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        const std::size_t got = in.Read(p + done, size - done);
        if (got == 0)
            return false;
        done += got;
    }
    return true;
}

// Reads an unsigned little-endian value of the given width (1 to 8 bytes).
bool ReadUnsigned(IByteSource& in, int width, std::uint64_t& value) {
    unsigned char bytes[8];
    if (!ReadExact(in, bytes, static_cast<std::size_t>(width)))
        return false;
    value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return true;
}

// Turns the 32 bits of a two's-complement value into the signed value.
std::int32_t FromTwosComplement(std::uint32_t bits) {
    if (bits <= 0x7FFFFFFFu)
        return static_cast<std::int32_t>(bits);
    return -static_cast<std::int32_t>(~bits) - 1;
}

// Reads a signed 32-bit little-endian value.
ListReadStatus ReadInt32(IByteSource& in, std::int32_t& value) {
    std::uint64_t bits = 0;
    if (!ReadUnsigned(in, 4, bits))
        return ListReadStatus::EndOfFile;
    value = FromTwosComplement(static_cast<std::uint32_t>(bits));
    return ListReadStatus::Ok;
}

// Reads the length prefix of a string in the 8-bit or the 16-bit form.
ListReadStatus ReadStringLength(IByteSource& in, std::uint64_t& length, bool& wide) {
    wide = false;
    std::uint64_t value = 0;
    if (!ReadUnsigned(in, 1, value))
        return ListReadStatus::EndOfFile;
    if (value < 0xFF) {
        length = value;
        return ListReadStatus::Ok;
    }
    if (!ReadUnsigned(in, 2, value))
        return ListReadStatus::EndOfFile;
    if (value == 0xFFFE) {
        // The marker of the 16-bit form, followed by a length prefix of its own.
        wide = true;
        if (!ReadUnsigned(in, 1, value))
            return ListReadStatus::EndOfFile;
        if (value < 0xFF) {
            length = value;
            return ListReadStatus::Ok;
        }
        if (!ReadUnsigned(in, 2, value))
            return ListReadStatus::EndOfFile;
    }
    if (value < 0xFFFF) {
        length = value;
        return ListReadStatus::Ok;
    }
    if (!ReadUnsigned(in, 4, value))
        return ListReadStatus::EndOfFile;
    if (value < 0xFFFFFFFFull) {
        length = value;
        return ListReadStatus::Ok;
    }
    if (!ReadUnsigned(in, 8, value))
        return ListReadStatus::EndOfFile;
    if (value > 0x7FFFFFFF)
        return ListReadStatus::BadLength;
    length = value;
    return ListReadStatus::Ok;
}

// Reads count bytes into bytes, growing it piece by piece so that only
// bytes actually present in the source are ever allocated.
bool ReadChunked(IByteSource& in, std::uint64_t count, std::string& bytes) {
    bytes.clear();
    while (count > 0) {
        const std::size_t piece = count < kReadChunk ? static_cast<std::size_t>(count) : kReadChunk;
        const std::size_t old = bytes.size();
        bytes.resize(old + piece);
        if (!ReadExact(in, &bytes[old], piece))
            return false;
        count -= piece;
    }
    return true;
}

// Reads a string in any of the archive's forms. The text ends at its first
// zero character; 8-bit text, which is in the system's code page, and
// 16-bit text are converted to the current code page.
ListReadStatus ReadString(IByteSource& in, std::string& text) {
    std::uint64_t length = 0;
    bool wide = false;
    const ListReadStatus status = ReadStringLength(in, length, wide);
    if (status != ListReadStatus::Ok)
        return status;

    std::string bytes;
    if (!ReadChunked(in, wide ? length * 2 : length, bytes))
        return ListReadStatus::EndOfFile;

    if (!wide) {
        const std::size_t zero = bytes.find('\0');
        if (zero != std::string::npos)
            bytes.resize(zero);
        text = FromSystemText(bytes);
        return ListReadStatus::Ok;
    }

    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const char16_t unit = static_cast<char16_t>(
            static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8));
        if (unit == 0)
            break;
        units.push_back(unit);
    }
    text = CurrentCodePage().FromUtf16(units);
    return ListReadStatus::Ok;
}

// Converts the count text of a version 1 record: leading white space, one
// optional sign, then decimal digits up to the first other character,
// accumulated in 32 bits (wrapping around); no digits gives 0.
std::int32_t CountFromText(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' ||
                               text[i] == '\v' || text[i] == '\f' || text[i] == '\r'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::uint32_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
    if (negative)
        value = 0u - value;
    return FromTwosComplement(value);
}

// The position name of a version 1 or 2 record, with the older names renamed.
std::string RenameOldPosition(const std::string& position) {
    if (position == "Centered")
        return kPositionCenter;
    if (position == "Stretched")
        return kPositionStretch;
    if (position == "Tiled")
        return kPositionTile;
    return position;
}

// Reads the settings and the item records of a version 3 file.
ListReadStatus ReadVersion3(IByteSource& in, IListTarget& target) {
    std::int32_t interval = 0, hours = 0, minutes = 0, subfolders = 0;
    std::string position, folder;
    ListReadStatus s;
    if ((s = ReadInt32(in, interval)) != ListReadStatus::Ok)
        return s;
    if ((s = ReadInt32(in, hours)) != ListReadStatus::Ok)
        return s;
    if ((s = ReadInt32(in, minutes)) != ListReadStatus::Ok)
        return s;
    if ((s = ReadString(in, position)) != ListReadStatus::Ok)
        return s;
    if ((s = ReadString(in, folder)) != ListReadStatus::Ok)
        return s;
    if ((s = ReadInt32(in, subfolders)) != ListReadStatus::Ok)
        return s;

    CListSettings& settings = target.Settings();
    settings.SetIntervalChange(interval);
    settings.SetHours(hours);
    settings.SetMinutes(minutes);
    settings.SetDefaultPosition(position);
    settings.SetLastFolder(folder);
    settings.SetIncludeSubfolders(subfolders);

    std::int32_t count = 0;
    if ((s = ReadInt32(in, count)) != ListReadStatus::Ok)
        return s;
    int row = 0;
    for (std::int32_t i = 0; i < count; ++i) {
        std::string path, itemPosition;
        std::int32_t applied = 0, pending = 0;
        if ((s = ReadString(in, path)) != ListReadStatus::Ok)
            return s;
        if ((s = ReadString(in, itemPosition)) != ListReadStatus::Ok)
            return s;
        if ((s = ReadInt32(in, applied)) != ListReadStatus::Ok)
            return s;
        if ((s = ReadInt32(in, pending)) != ListReadStatus::Ok)
            return s;
        std::string name = FileNamePart(path);
        std::string folderText = FolderPart(path);
        auto item = std::make_unique<CWallpaperItem>(path, itemPosition, applied, pending);
        if (target.InsertRow(row, name, folderText, std::move(item)))
            ++row;
    }
    return ListReadStatus::Ok;
}

// Reads the item records of a version 1 or 2 file.
ListReadStatus ReadOldVersion(IByteSource& in, IListTarget& target, int version) {
    std::int32_t count = 0;
    ListReadStatus s;
    if ((s = ReadInt32(in, count)) != ListReadStatus::Ok)
        return s;
    int row = 0;
    for (std::int32_t i = 0; i < count; ++i) {
        std::string name, folder, position;
        std::int32_t applied = 0, pending = 1;
        if ((s = ReadString(in, name)) != ListReadStatus::Ok)
            return s;
        if ((s = ReadString(in, folder)) != ListReadStatus::Ok)
            return s;
        folder = TrimTrailingBackslashes(folder);
        if ((s = ReadString(in, position)) != ListReadStatus::Ok)
            return s;
        position = RenameOldPosition(position);
        if (version == 1) {
            std::string countText;
            if ((s = ReadString(in, countText)) != ListReadStatus::Ok)
                return s;
            applied = CountFromText(countText);
        } else {
            if ((s = ReadInt32(in, applied)) != ListReadStatus::Ok)
                return s;
            if ((s = ReadInt32(in, pending)) != ListReadStatus::Ok)
                return s;
        }
        auto item =
            std::make_unique<CWallpaperItem>(folder + "\\" + name, position, applied, pending);
        if (target.InsertRow(row, name, folder, std::move(item)))
            ++row;
    }
    return ListReadStatus::Ok;
}

}  // namespace

// Reads a list file of version 1, 2 or 3 into the target.
ListReadResult ReadList(IByteSource& in, IListTarget& target) {
    ListReadResult result;
    ListReadStatus status = ReadString(in, result.signature);
    if (status == ListReadStatus::Ok) {
        if (result.signature == kListSignatureV1)
            result.version = 1;
        else if (result.signature == kListSignatureV2)
            result.version = 2;
        else if (result.signature == kListSignatureV3)
            result.version = 3;
        else {
            result.status = ListReadStatus::UnknownSignature;
            return result;
        }
        target.ResetList();
        status = result.version == 3 ? ReadVersion3(in, target)
                                     : ReadOldVersion(in, target, result.version);
    }
    if (status != ListReadStatus::Ok) {
        // The open failed: leave the list empty with fresh settings.
        target.ResetList();
        result.status = status;
    }
    return result;
}

// Writes the list as version 3: signature, settings, then each row's item.
bool WriteList(IByteSink& out, const CListSettings& settings, const IRowStore& rows) {
    std::string bytes;
    PutString(bytes, kListSignatureV3);
    PutInt32(bytes, settings.GetIntervalChange());
    PutInt32(bytes, settings.GetHours());
    PutInt32(bytes, settings.GetMinutes());
    PutString(bytes, settings.GetDefaultPosition());
    PutString(bytes, settings.GetLastFolder());
    PutInt32(bytes, settings.GetIncludeSubfolders());

    // Every row owns an item; a row without one has nothing to store and is
    // left out, so that the count always matches the records that follow.
    const int rowCount = rows.RowCount();
    std::int32_t itemCount = 0;
    for (int row = 0; row < rowCount; ++row)
        if (rows.GetItem(row))
            ++itemCount;
    PutInt32(bytes, itemCount);

    bool ok = true;
    for (int row = 0; row < rowCount && ok; ++row) {
        const CWallpaperItem* item = rows.GetItem(row);
        if (!item)
            continue;
        PutString(bytes, item->GetPath());
        PutString(bytes, item->GetPosition());
        PutInt32(bytes, item->GetCount());
        PutInt32(bytes, item->GetRandomPending());
        ok = Flush(out, bytes, false);
    }
    return ok && Flush(out, bytes, true);
}
