#pragma once
#include <memory>
#include <string>

class CListSettings;
class CWallpaperItem;
class IByteSink;
class IByteSource;
class IRowStore;

// Reading and writing the list file (".vld"). The writer always writes
// version 3; the reader takes versions 1, 2 and 3.

enum class ListReadStatus {
    Ok,
    UnknownSignature,  // nothing read past the signature, target untouched
    EndOfFile,         // the file ended inside a field
    BadLength,         // a string's 8-byte length above 0x7FFFFFFF
};

struct ListReadResult {
    ListReadStatus status = ListReadStatus::Ok;
    std::string signature;  // the signature text as read (when it could be read)
    int version = 0;        // 1, 2 or 3 once the signature was accepted
};

// What the reader fills. After the signature is accepted the reader calls
// ResetList once, then fills the settings (version 3) and inserts the rows
// in file order. After an EndOfFile or BadLength failure the reader calls
// ResetList again, so the target is left empty with fresh settings.
class IListTarget {
public:
    virtual ~IListTarget() = default;
    virtual void ResetList() = 0;
    virtual CListSettings& Settings() = 0;
    // Inserts row index with the column 0 and 1 texts and the item (the row
    // takes it over); false when the row could not be inserted.
    virtual bool InsertRow(int index, const std::string& text0, const std::string& text1,
                           std::unique_ptr<CWallpaperItem> item) = 0;
};

// The version 3 signature, string table entry 130.
extern const char kListSignatureV3[];

ListReadResult ReadList(IByteSource& in, IListTarget& target);

// Writes the settings and then every row's item in row order, as version 3.
// False when the sink failed.
bool WriteList(IByteSink& out, const CListSettings& settings, const IRowStore& rows);
