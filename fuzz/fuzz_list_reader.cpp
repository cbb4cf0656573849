// Feeds arbitrary bytes to the list file reader. Besides the sanitizers'
// findings, it checks that the reader leaves the list empty and fresh after
// a failure, and that a list it accepted is written and read back to the
// same bytes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/ByteStream.h"
#include "list/ListFile.h"
#include "list/ListSettings.h"
#include "list/ListTarget.h"
#include "list/MemoryRowStore.h"
#include "list/WallpaperRows.h"

namespace {

// A list in memory that frees its items when it goes.
struct FuzzList {
    CMemoryRowStore store;
    CWallpaperRows rows{store};
    CListTarget target{rows};
    ~FuzzList() { rows.DeleteAllRows(); }
};

// Stops the run when a property does not hold.
void Require(bool condition) {
    if (!condition)
        std::abort();
}

// True when the settings have their fresh values.
bool IsFresh(const CListSettings& s) {
    return s.GetIntervalChange() == 0 && s.GetHours() == 0 && s.GetMinutes() == 0 &&
           s.GetDefaultPosition() == "Stretch" && s.GetLastFolder().empty() &&
           s.GetIncludeSubfolders() == 0;
}

// Writes the list as version 3 and returns the bytes.
std::string Save(const FuzzList& list) {
    CMemorySink sink;
    Require(WriteList(sink, list.target.GetSettings(), list.store));
    return sink.Bytes();
}

}  // namespace

// Reads one input as a list file and checks what the reader left behind.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzList list;
    CMemorySource source(data, size);
    const ListReadResult result = ReadList(source, list.target);

    switch (result.status) {
    case ListReadStatus::UnknownSignature:
    case ListReadStatus::EndOfFile:
    case ListReadStatus::BadLength:
        Require(list.store.RowCount() == 0 && IsFresh(list.target.GetSettings()));
        return 0;
    case ListReadStatus::Ok:
        break;
    }
    Require(result.version >= 1 && result.version <= 3);

    // Saving, reading the saved bytes and saving again gives the same bytes.
    const std::string saved = Save(list);
    FuzzList again;
    CMemorySource savedSource(saved);
    const ListReadResult reread = ReadList(savedSource, again.target);
    Require(reread.status == ListReadStatus::Ok && reread.version == 3);
    Require(savedSource.Position() == saved.size());
    Require(again.store.RowCount() == list.store.RowCount());
    Require(Save(again) == saved);
    return 0;
}
