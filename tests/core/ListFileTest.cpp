// The list file (".vld"): the version 3 writer byte for byte, the reader of
// versions 1 to 3, every string length form, and the failures.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "TestCodePages.h"
#include "base/ByteStream.h"
#include "base/CodePage.h"
#include "list/ListFile.h"
#include "list/ListSettings.h"
#include "list/ListTarget.h"
#include "list/MemoryRowStore.h"
#include "list/WallpaperItem.h"
#include "list/WallpaperRows.h"

// ---- Allocation watch: the largest single request while watching ----
// (Replacing the global operator new is the only portable way to see that a
// hostile length is never allocated up front.)

namespace {
std::atomic<bool> g_watchAllocations{false};
std::atomic<std::size_t> g_largestAllocation{0};

// Allocates with malloc, noting the size while watching.
void* WatchedAlloc(std::size_t size) {
    if (g_watchAllocations && size > g_largestAllocation)
        g_largestAllocation = size;
    return std::malloc(size ? size : 1);
}
}  // namespace

void* operator new(std::size_t size) {
    if (void* p = WatchedAlloc(size))
        return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    if (void* p = WatchedAlloc(size))
        return p;
    throw std::bad_alloc();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return WatchedAlloc(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return WatchedAlloc(size);
}
// GCC takes the free() inside a replaced operator delete for a mismatch.
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ >= 11
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}

namespace {

// ---- Encodings written out by hand ----

// A signed 32-bit value as 4 little-endian bytes.
std::string I32(std::int32_t value) {
    const std::uint32_t v = static_cast<std::uint32_t>(value);
    std::string out;
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    return out;
}

// A short 8-bit string with its 1-byte length prefix.
std::string S8(const std::string& text) {
    return std::string(1, static_cast<char>(text.size())) + text;
}

// UTF-16 little-endian bytes of the text.
std::string Utf16(const std::u16string& text) {
    std::string out;
    for (char16_t c : text) {
        out.push_back(static_cast<char>(c & 0xFF));
        out.push_back(static_cast<char>(c >> 8));
    }
    return out;
}

// The smallest version 3 file: an empty list with fresh settings.
const std::string kEmptyV3(
    "\x0D"
    "VLD Version 3"
    "\x00\x00\x00\x00"  // interval change off
    "\x00\x00\x00\x00"  // 0 hours
    "\x00\x00\x00\x00"  // 0 minutes
    "\x07"
    "Stretch"            // default position
    "\x00"               // empty last folder
    "\x00\x00\x00\x00"   // include subfolders off
    "\x00\x00\x00\x00",  // no items
    43);

const std::string kSigV1(
    "\x0D"
    "VLD Version 1",
    14);
const std::string kSigV2(
    "\x0D"
    "VLD Version 2",
    14);
const std::string kSigV3(
    "\x0D"
    "VLD Version 3",
    14);

// A version 3 file with fresh settings up to (not including) the item count.
std::string FreshV3Head() {
    return kEmptyV3.substr(0, 39);
}

// A target that records every call, for the order of the reader's steps.
class CRecordingTarget : public IListTarget {
public:
    struct Row {
        int index;
        std::string text0, text1;
        std::unique_ptr<CWallpaperItem> item;
    };
    void ResetList() override {
        ++resets;
        rows.clear();
        settings = CListSettings();
    }
    CListSettings& Settings() override { return settings; }
    bool InsertRow(int index, const std::string& text0, const std::string& text1,
                   std::unique_ptr<CWallpaperItem> item) override {
        if (refuseNext) {
            refuseNext = false;
            return false;
        }
        rows.push_back(Row{index, text0, text1, std::move(item)});
        return true;
    }
    int resets = 0;
    bool refuseNext = false;
    CListSettings settings;
    std::vector<Row> rows;
};

// A code page whose conversion shows how many UTF-16 units it was given.
class CCountingCodePage : public ICodePage {
public:
    bool IsLeadByte(unsigned char) const override { return false; }
    std::string ToLower(const std::string& text) const override { return text; }
    std::string FromUtf16(const std::u16string& text) const override {
        return "<" + std::to_string(text.size()) + ">";
    }
    std::u16string ToUtf16(const std::string& text) const override {
        return std::u16string(text.begin(), text.end());
    }
};

// A sink that refuses every write.
class CFailingSink : public IByteSink {
public:
    bool Write(const void*, std::size_t) override { return false; }
};

// Installs a code page for the lifetime of the object.
class CScopedCodePage {
public:
    explicit CScopedCodePage(const ICodePage& page) { SetCurrentCodePage(&page); }
    ~CScopedCodePage() { SetCurrentCodePage(nullptr); }
};

class ListFileTest : public ::testing::Test {
protected:
    void TearDown() override { rows.DeleteAllRows(); }

    ListReadResult Read(const std::string& bytes) {
        CMemorySource source(bytes);
        return ReadList(source, target);
    }
    std::string Write() {
        CMemorySink sink;
        EXPECT_TRUE(WriteList(sink, target.GetSettings(), store));
        return sink.Bytes();
    }
    // Gives the target a row and settings that a read must replace.
    void FillWithOldList() {
        rows.AppendNew("C:\\old\\old.jpg", "Tile");
        target.Settings().SetHours(9);
        target.Settings().SetDefaultPosition("Center");
    }
    void ExpectEmptyAndFresh() {
        EXPECT_EQ(store.RowCount(), 0);
        ExpectFreshSettings();
    }
    void ExpectFreshSettings() {
        const CListSettings& s = target.GetSettings();
        EXPECT_EQ(s.GetIntervalChange(), 0);
        EXPECT_EQ(s.GetHours(), 0);
        EXPECT_EQ(s.GetMinutes(), 0);
        EXPECT_EQ(s.GetDefaultPosition(), "Stretch");
        EXPECT_EQ(s.GetLastFolder(), "");
        EXPECT_EQ(s.GetIncludeSubfolders(), 0);
    }
    // Checks a row's four texts and its item.
    void ExpectRow(int row, const std::string& path, const std::string& position, int count,
                   int pending, const std::string& text0, const std::string& text1) {
        SCOPED_TRACE("row " + std::to_string(row));
        ASSERT_LT(row, store.RowCount());
        const CWallpaperItem* item = store.GetItem(row);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->GetPath(), path);
        EXPECT_EQ(item->GetPosition(), position);
        EXPECT_EQ(item->GetCount(), count);
        EXPECT_EQ(item->GetRandomPending(), pending);
        EXPECT_EQ(store.GetText(row, 0), text0);
        EXPECT_EQ(store.GetText(row, 1), text1);
        EXPECT_EQ(store.GetText(row, 2), position);
        EXPECT_EQ(store.GetText(row, 3), std::to_string(count));
    }

    CMemoryRowStore store;
    CWallpaperRows rows{store};
    CListTarget target{rows};
};

// ---- Writing ----

TEST_F(ListFileTest, EmptyListWithFreshSettingsIsThe43ByteFile) {
    EXPECT_EQ(Write(), kEmptyV3);
    EXPECT_EQ(Write().size(), 43u);
}

TEST_F(ListFileTest, WritesSettingsAndRecordsInRowOrderLittleEndian) {
    CListSettings& s = target.Settings();
    s.SetIntervalChange(1);
    s.SetHours(0x01020304);
    s.SetMinutes(-2);
    s.SetDefaultPosition("Tile");
    s.SetLastFolder("D:\\W");
    s.SetIncludeSubfolders(1);
    rows.InsertRow(0, "a.jpg", "C:\\P",
                   std::make_unique<CWallpaperItem>("C:\\P\\a.jpg", "Odd", -3, 0));
    rows.InsertRow(1, "b.png", "", std::make_unique<CWallpaperItem>("b.png", "Center", 70000, 1));

    const std::string expected = std::string(
        "\x0D"
        "VLD Version 3"
        "\x01\x00\x00\x00"
        "\x04\x03\x02\x01"
        "\xFE\xFF\xFF\xFF"
        "\x04"
        "Tile"
        "\x04"
        "D:\\W"
        "\x01\x00\x00\x00"
        "\x02\x00\x00\x00"
        "\x0A"
        "C:\\P\\a.jpg"
        "\x03"
        "Odd"
        "\xFD\xFF\xFF\xFF"
        "\x00\x00\x00\x00"
        "\x05"
        "b.png"
        "\x06"
        "Center"
        "\x70\x11\x01\x00"
        "\x01\x00\x00\x00",
        14 + 12 + 5 + 5 + 8 + (11 + 4 + 8) + (6 + 7 + 8));
    EXPECT_EQ(Write(), expected);
}

TEST_F(ListFileTest, RecordsFollowTheDisplayedOrder) {
    rows.AppendNew("C:\\b.jpg", "Tile");
    rows.AppendNew("C:\\a.jpg", "Tile");
    store.SortRows([](const CWallpaperItem* a, const CWallpaperItem* b,
                      std::intptr_t) { return a->GetPath().compare(b->GetPath()); },
                   0);
    const std::string bytes = Write();
    const std::string records = bytes.substr(43);
    EXPECT_EQ(records, std::string("\x08"
                                   "C:\\a.jpg"
                                   "\x04"
                                   "Tile"
                                   "\x00\x00\x00\x00"
                                   "\x01\x00\x00\x00"
                                   "\x08"
                                   "C:\\b.jpg"
                                   "\x04"
                                   "Tile"
                                   "\x00\x00\x00\x00"
                                   "\x01\x00\x00\x00",
                                   2 * 22));
}

TEST_F(ListFileTest, StringLengthPrefixesAtTheirBoundaries) {
    struct Case {
        std::size_t length;
        std::string prefix;
    };
    const Case cases[] = {
        {0x00, std::string("\x00", 1)},
        {0xFE, std::string("\xFE", 1)},
        {0xFF, std::string("\xFF\xFF\x00", 3)},
        {0x100, std::string("\xFF\x00\x01", 3)},
        {0xFFFD, std::string("\xFF\xFD\xFF", 3)},
        {0xFFFE, std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7)},
        {0xFFFF, std::string("\xFF\xFF\xFF\xFF\xFF\x00\x00", 7)},
        {0x10000, std::string("\xFF\xFF\xFF\x00\x00\x01\x00", 7)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("length " + std::to_string(c.length));
        const std::string text(c.length, 'x');
        target.Settings().SetDefaultPosition(text);
        const std::string bytes = Write();
        ASSERT_EQ(bytes.size(), 35 + c.prefix.size() + c.length);
        EXPECT_EQ(bytes.substr(26, c.prefix.size()), c.prefix);
        EXPECT_EQ(bytes.substr(26 + c.prefix.size(), c.length), text);
        EXPECT_EQ(bytes.substr(26 + c.prefix.size() + c.length), kEmptyV3.substr(34));

        // And the reader takes it back.
        ASSERT_EQ(Read(bytes).status, ListReadStatus::Ok);
        EXPECT_EQ(target.GetSettings().GetDefaultPosition(), text);
    }
}

TEST_F(ListFileTest, WriteReportsAFailingSink) {
    CFailingSink sink;
    EXPECT_FALSE(WriteList(sink, target.GetSettings(), store));
    rows.AppendNew("C:\\a.jpg", "Tile");
    EXPECT_FALSE(WriteList(sink, target.GetSettings(), store));
}

// ---- Reading version 3 ----

TEST_F(ListFileTest, ReadsVersion3SettingsAndItems) {
    FillWithOldList();
    const std::string file = kSigV3 + I32(1) + I32(2) + I32(30) + S8("Center") + S8("E:\\Walls") +
                             I32(1) + I32(3) + S8("C:\\Pics\\a.jpg") + S8("Tiled") + I32(-4) +
                             I32(0) + S8("C:\\x.jpg") + S8("Stretch") + I32(0) + I32(1) +
                             S8("loose.bmp") + S8("Weird") + I32(7) + I32(5);
    const ListReadResult result = Read(file);
    EXPECT_EQ(result.status, ListReadStatus::Ok);
    EXPECT_EQ(result.signature, "VLD Version 3");
    EXPECT_EQ(result.version, 3);

    const CListSettings& s = target.GetSettings();
    EXPECT_EQ(s.GetIntervalChange(), 1);
    EXPECT_EQ(s.GetHours(), 2);
    EXPECT_EQ(s.GetMinutes(), 30);
    EXPECT_EQ(s.GetDefaultPosition(), "Center");
    EXPECT_EQ(s.GetLastFolder(), "E:\\Walls");
    EXPECT_EQ(s.GetIncludeSubfolders(), 1);

    ASSERT_EQ(store.RowCount(), 3);
    // Old names stay as they are in version 3; the texts come from the path.
    ExpectRow(0, "C:\\Pics\\a.jpg", "Tiled", -4, 0, "a.jpg", "C:\\Pics");
    ExpectRow(1, "C:\\x.jpg", "Stretch", 0, 1, "x.jpg", "C:");
    ExpectRow(2, "loose.bmp", "Weird", 7, 5, "loose.bmp", "");

    // Written back unchanged.
    EXPECT_EQ(Write(), file);
}

TEST_F(ListFileTest, ZeroOrNegativeItemCountGivesAnEmptyList) {
    for (int version = 1; version <= 3; ++version) {
        for (std::int32_t count : {0, -1, INT32_MIN}) {
            SCOPED_TRACE(std::to_string(version) + " / " + std::to_string(count));
            FillWithOldList();
            const std::string head = version == 1 ? kSigV1 : version == 2 ? kSigV2 : FreshV3Head();
            // Bytes after the count are never read.
            const ListReadResult result = Read(head + I32(count) +
                                               "\x05"
                                               "junk");
            EXPECT_EQ(result.status, ListReadStatus::Ok);
            EXPECT_EQ(result.version, version);
            ExpectEmptyAndFresh();
        }
    }
}

TEST_F(ListFileTest, BytesAfterTheLastRecordAreNotRead) {
    const std::string file =
        FreshV3Head() + I32(1) + S8("C:\\a.jpg") + S8("Tile") + I32(1) + I32(0);
    const std::string bytes = file + "trailing";
    CMemorySource source(bytes);
    CRecordingTarget recorder;
    EXPECT_EQ(ReadList(source, recorder).status, ListReadStatus::Ok);
    EXPECT_EQ(source.Position(), file.size());
    EXPECT_EQ(recorder.resets, 1);
    ASSERT_EQ(recorder.rows.size(), 1u);
    EXPECT_EQ(recorder.rows[0].index, 0);
}

TEST_F(ListFileTest, ARefusedRowDoesNotLeaveAGap) {
    const std::string file = FreshV3Head() + I32(2) + S8("C:\\a.jpg") + S8("Tile") + I32(1) +
                             I32(0) + S8("C:\\b.jpg") + S8("Tile") + I32(1) + I32(0);
    CMemorySource source(file);
    CRecordingTarget recorder;
    recorder.refuseNext = true;
    EXPECT_EQ(ReadList(source, recorder).status, ListReadStatus::Ok);
    ASSERT_EQ(recorder.rows.size(), 1u);
    EXPECT_EQ(recorder.rows[0].index, 0);
    EXPECT_EQ(recorder.rows[0].item->GetPath(), "C:\\b.jpg");
}

// ---- Reading versions 1 and 2 ----

TEST_F(ListFileTest, Version2RecordTrimsTheFolderAndRenamesThePosition) {
    FillWithOldList();
    const std::string file = kSigV2 + I32(4) + S8("a.jpg") + S8("C:\\Pics\\\\") + S8("Tiled") +
                             I32(3) + I32(0) + S8("b.jpg") + S8("\\\\") + S8("Centered") + I32(-7) +
                             I32(1) + S8("c.jpg") + S8("D:\\") + S8("Stretched") + I32(0) + I32(2) +
                             S8("sub\\d.jpg") + S8("E:\\W") + S8("tiled") + I32(1) + I32(1);
    const ListReadResult result = Read(file);
    EXPECT_EQ(result.status, ListReadStatus::Ok);
    EXPECT_EQ(result.signature, "VLD Version 2");
    EXPECT_EQ(result.version, 2);
    ExpectFreshSettings();
    ASSERT_EQ(store.RowCount(), 4);
    ExpectRow(0, "C:\\Pics\\a.jpg", "Tile", 3, 0, "a.jpg", "C:\\Pics");
    ExpectRow(1, "\\b.jpg", "Center", -7, 1, "b.jpg", "");
    ExpectRow(2, "D:\\c.jpg", "Stretch", 0, 2, "c.jpg", "D:");
    // Column 0 is the file name as read; a name that is not one of the old
    // names stays (comparison is case-sensitive).
    ExpectRow(3, "E:\\W\\sub\\d.jpg", "tiled", 1, 1, "sub\\d.jpg", "E:\\W");
}

TEST_F(ListFileTest, Version1CountTextAndPendingFlag) {
    struct Case {
        std::string text;
        int count;
    };
    const Case cases[] = {
        {"12abc", 12},
        {" -3", -3},
        {"x", 0},
        {"", 0},
        {"+7", 7},
        {"\t\n\v\f\r 42", 42},
        {"- 5", 0},
        {"--5", 0},
        {"0012", 12},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"2147483648", INT32_MIN},
        {"4294967297", 1},
        {"99999999999999999999", 1661992959},
        {"-1", -1},
    };
    std::string file = kSigV1 + I32(static_cast<std::int32_t>(std::size(cases)));
    for (const Case& c : cases)
        file += S8("a.jpg") + S8("C:\\P") + S8("Stretched") + S8(c.text);
    ASSERT_EQ(Read(file).status, ListReadStatus::Ok);
    ASSERT_EQ(store.RowCount(), static_cast<int>(std::size(cases)));
    for (int i = 0; i < store.RowCount(); ++i) {
        SCOPED_TRACE("count text \"" + cases[i].text + "\"");
        ExpectRow(i, "C:\\P\\a.jpg", "Stretch", cases[i].count, 1, "a.jpg", "C:\\P");
    }
}

TEST_F(ListFileTest, Version1RecordLikeTheExample) {
    const std::string file =
        kSigV1 + I32(1) + S8("a.jpg") + S8("C:\\Pics\\\\") + S8("Centered") + S8("12abc");
    const ListReadResult result = Read(file);
    EXPECT_EQ(result.status, ListReadStatus::Ok);
    EXPECT_EQ(result.version, 1);
    ExpectRow(0, "C:\\Pics\\a.jpg", "Center", 12, 1, "a.jpg", "C:\\Pics");
}

TEST_F(ListFileTest, OlderFileSavedAgainBecomesVersion3WithFreshSettings) {
    const std::string v1 =
        kSigV1 + I32(1) + S8("a.jpg") + S8("C:\\Pics\\\\") + S8("Tiled") + S8("12abc");
    ASSERT_EQ(Read(v1).status, ListReadStatus::Ok);
    const std::string expected = kEmptyV3.substr(0, 39) + std::string(
                                                              "\x01\x00\x00\x00"
                                                              "\x0D"
                                                              "C:\\Pics\\a.jpg"
                                                              "\x04"
                                                              "Tile"
                                                              "\x0C\x00\x00\x00"
                                                              "\x01\x00\x00\x00",
                                                              4 + 14 + 5 + 8);
    EXPECT_EQ(Write(), expected);

    const std::string v2 =
        kSigV2 + I32(1) + S8("a.jpg") + S8("C:\\Pics\\") + S8("Tiled") + I32(12) + I32(1);
    ASSERT_EQ(Read(v2).status, ListReadStatus::Ok);
    EXPECT_EQ(Write(), expected);
}

TEST_F(ListFileTest, TrailingBackslashesStepOverDoubleByteCharacters) {
    // Code page 932: 0x95 0x5C is one character whose trail byte is a backslash.
    const CLeadByteTableCodePage cp932({0x81, 0x9F, 0xE0, 0xFC});
    CScopedCodePage scoped(cp932);
    const std::string file = kSigV2 + I32(2) + S8("a.jpg") + S8("C:\\\x95\x5C\\\\") + S8("Tile") +
                             I32(0) + I32(1) + S8("b.jpg") + S8("C:\\\x95\x5C") + S8("Tile") +
                             I32(0) + I32(1);
    ASSERT_EQ(Read(file).status, ListReadStatus::Ok);
    ExpectRow(0, "C:\\\x95\x5C\\a.jpg", "Tile", 0, 1, "a.jpg", "C:\\\x95\x5C");
    ExpectRow(1, "C:\\\x95\x5C\\b.jpg", "Tile", 0, 1, "b.jpg", "C:\\\x95\x5C");
}

// ---- Signatures ----

TEST_F(ListFileTest, UnknownSignatureReadsNothingMoreAndTouchesNothing) {
    const std::string bad[] = {
        std::string("\x0D"
                    "VLD Version 4",
                    14),
        std::string("\x0D"
                    "vld version 3",
                    14),
        std::string("\x0E"
                    "VLD Version 3 ",
                    15),
        std::string("\x0C"
                    "VLD Version ",
                    13),
        std::string("\x00", 1),
        std::string("\x0D"
                    "VLD Version 0",
                    14),
    };
    for (const std::string& signature : bad) {
        SCOPED_TRACE(signature);
        CRecordingTarget recorder;
        recorder.settings.SetHours(5);
        const std::string file =
            signature + I32(1) + S8("a.jpg") + S8("C:\\P") + S8("Tile") + S8("1");
        CMemorySource source(file);
        const ListReadResult result = ReadList(source, recorder);
        EXPECT_EQ(result.status, ListReadStatus::UnknownSignature);
        EXPECT_EQ(result.signature, signature.substr(1));
        EXPECT_EQ(result.version, 0);
        EXPECT_EQ(source.Position(), signature.size());
        EXPECT_EQ(recorder.resets, 0);
        EXPECT_EQ(recorder.settings.GetHours(), 5);
        EXPECT_TRUE(recorder.rows.empty());
    }

    FillWithOldList();
    EXPECT_EQ(Read(std::string("\x0D"
                               "VLD Version 9",
                               14) +
                   I32(0))
                  .status,
              ListReadStatus::UnknownSignature);
    EXPECT_EQ(store.RowCount(), 1);
    EXPECT_EQ(target.GetSettings().GetHours(), 9);
    EXPECT_EQ(target.GetSettings().GetDefaultPosition(), "Center");
}

TEST_F(ListFileTest, SignatureTextEndsAtItsFirstZero) {
    const std::string file = std::string(
                                 "\x10"
                                 "VLD Version 3\0xy",
                                 17) +
                             kEmptyV3.substr(14);
    const ListReadResult result = Read(file);
    EXPECT_EQ(result.status, ListReadStatus::Ok);
    EXPECT_EQ(result.signature, "VLD Version 3");
}

TEST_F(ListFileTest, ResetListRunsOnceOnSuccess) {
    CRecordingTarget recorder;
    CMemorySource source(kEmptyV3);
    EXPECT_EQ(ReadList(source, recorder).status, ListReadStatus::Ok);
    EXPECT_EQ(recorder.resets, 1);
}

// ---- Every form of the length prefix, 8-bit and 16-bit ----

TEST_F(ListFileTest, ReadsEveryLengthForm) {
    const std::string v3 = "VLD Version 3";
    const std::string w = Utf16(u"VLD Version 3");
    const std::string forms[] = {
        // 8-bit: 1, 3, 7 and 15 byte prefixes.
        std::string("\x0D", 1) + v3,
        std::string("\xFF\x0D\x00", 3) + v3,
        std::string("\xFF\xFF\xFF\x0D\x00\x00\x00", 7) + v3,
        std::string("\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x0D\x00\x00\x00\x00\x00\x00\x00", 15) + v3,
        // 16-bit: the FE FF marker, then 1, 3, 7 and 15 byte prefixes.
        std::string("\xFF\xFE\xFF\x0D", 4) + w,
        std::string("\xFF\xFE\xFF\xFF\x0D\x00", 6) + w,
        std::string("\xFF\xFE\xFF\xFF\xFF\xFF\x0D\x00\x00\x00", 10) + w,
        std::string("\xFF\xFE\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x0D\x00\x00\x00\x00\x00\x00\x00",
                    18) +
            w,
    };
    for (const std::string& signature : forms) {
        SCOPED_TRACE(signature.size());
        const ListReadResult result = Read(signature + kEmptyV3.substr(14));
        EXPECT_EQ(result.status, ListReadStatus::Ok);
        EXPECT_EQ(result.signature, "VLD Version 3");
        EXPECT_EQ(result.version, 3);
    }
}

TEST_F(ListFileTest, ReadsLongStringsInBothForms) {
    // 8-bit of length 0xFFFE needs the 7-byte prefix; in the 16-bit form a
    // 2-byte length of FFFE after the marker is a plain length.
    const std::string text(0xFFFE, 'q');
    const std::string forms[] = {
        std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7) + text,
        std::string("\xFF\xFE\xFF\xFF\xFE\xFF", 6) + Utf16(std::u16string(0xFFFE, u'q')),
        std::string("\xFF\xFE\xFF\xFF\xFD\xFF", 6) + Utf16(std::u16string(0xFFFD, u'q')),
        std::string("\xFF\xFE\xFF\xFE", 4) + Utf16(std::u16string(0xFE, u'q')),
    };
    const std::size_t lengths[] = {0xFFFE, 0xFFFE, 0xFFFD, 0xFE};
    for (std::size_t i = 0; i < std::size(forms); ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(Read(FreshV3Head().substr(0, 26) + forms[i] + kEmptyV3.substr(34)).status,
                  ListReadStatus::Ok);
        EXPECT_EQ(target.GetSettings().GetDefaultPosition(), std::string(lengths[i], 'q'));
    }
}

TEST_F(ListFileTest, SixteenBitTextIsConvertedToTheCodePage) {
    // Windows-1252, the default: é and € have bytes, a CJK character does not.
    const std::string head = FreshV3Head().substr(0, 26);
    const std::string tail = kEmptyV3.substr(34);
    ASSERT_EQ(Read(head + std::string("\xFF\xFE\xFF\x04", 4) + Utf16(u"\u00E9\u20AC\u4E00a") + tail)
                  .status,
              ListReadStatus::Ok);
    EXPECT_EQ(target.GetSettings().GetDefaultPosition(), "\xE9\x80?a");

    // The conversion goes through the code page in force, up to the first zero.
    const CCountingCodePage counting;
    CScopedCodePage scoped(counting);
    ASSERT_EQ(
        Read(head + std::string("\xFF\xFE\xFF\x05", 4) + Utf16(std::u16string(u"ab\0cd", 5)) + tail)
            .status,
        ListReadStatus::Ok);
    EXPECT_EQ(target.GetSettings().GetDefaultPosition(), "<2>");
}

// The process runs in UTF-8 on a Windows-1252 system: names the system's
// code page holds are written in its 8-bit form, byte for byte as always;
// other names in the 16-bit form (FF FE FF, length, UTF-16LE), also past
// 254 units; both read back to the same text.
TEST_F(ListFileTest, NamesTheSystemCodePageLacksAreWrittenInTheSixteenBitForm) {
    const CUtf8CodePage utf8;
    const CWindows1252CodePage cp1252;
    ScopedCodePage scope(utf8, &cp1252);
    std::string longName;  // 255 times 日
    for (int i = 0; i < 255; ++i)
        longName += "\xE6\x97\xA5";
    rows.AppendNew("C:\\caf\xC3\xA9.jpg", "Tile");
    rows.AppendNew("C:\\\xE5\x86\x99\\\xF0\x9F\x8C\x84.png", "Center");  // 写\🌄.png
    rows.AppendNew(longName, "Tile");
    target.Settings().SetLastFolder("D:\\\xCE\x95\xCE\xBB");  // D:\Ελ
    const std::string written = Write();
    const std::string expected =
        kSigV3 + I32(0) + I32(0) + I32(0) + S8("Stretch") + std::string("\xFF\xFE\xFF\x05", 4) +
        Utf16(u"D:\\Ελ") + I32(0) + I32(3) + S8("C:\\caf\xE9.jpg") + S8("Tile") + I32(0) + I32(1) +
        std::string("\xFF\xFE\xFF\x0B", 4) + Utf16(u"C:\\写\\🌄.png") + S8("Center") + I32(0) +
        I32(1) + std::string("\xFF\xFE\xFF\xFF\xFF\x00", 6) + Utf16(std::u16string(255, u'日')) +
        S8("Tile") + I32(0) + I32(1);
    EXPECT_EQ(written, expected);
    rows.DeleteAllRows();
    ASSERT_EQ(Read(written).status, ListReadStatus::Ok);
    ExpectRow(0, "C:\\caf\xC3\xA9.jpg", "Tile", 0, 1, "caf\xC3\xA9.jpg", "C:");
    ExpectRow(1, "C:\\\xE5\x86\x99\\\xF0\x9F\x8C\x84.png", "Center", 0, 1, "\xF0\x9F\x8C\x84.png",
              "C:\\\xE5\x86\x99");
    ExpectRow(2, longName, "Tile", 0, 1, longName, "");
    EXPECT_EQ(target.GetSettings().GetLastFolder(), "D:\\\xCE\x95\xCE\xBB");
}

// A version 2 file written on a code page 932 system: its folder 表 ends
// in the trail byte 5C and then in real backslashes. Read in UTF-8 it
// keeps its name, and saved again its 8-bit text is the same bytes.
TEST_F(ListFileTest, FileOfACodePage932SystemKeepsReadingRight) {
    const CUtf8CodePage utf8;
    const CSampleShiftJisCodePage cp932;
    ScopedCodePage scope(utf8, &cp932);
    ASSERT_EQ(Read(kSigV2 + I32(1) + S8("\x93\xFA.jpg") + S8("C:\\\x95\x5C\\\\") + S8("Tile") +
                   I32(2) + I32(0))
                  .status,
              ListReadStatus::Ok);
    ExpectRow(0, "C:\\\xE8\xA1\xA8\\\xE6\x97\xA5.jpg", "Tile", 2, 0, "\xE6\x97\xA5.jpg",
              "C:\\\xE8\xA1\xA8");
    EXPECT_EQ(Write(), FreshV3Head() + I32(1) + S8("C:\\\x95\x5C\\\x93\xFA.jpg") + S8("Tile") +
                           I32(2) + I32(0));
}

TEST_F(ListFileTest, EightBitTextEndsAtItsFirstZero) {
    const std::string file = FreshV3Head() + I32(1) +
                             std::string(
                                 "\x0A"
                                 "C:\\a\0b.jpg",
                                 11) +
                             std::string(
                                 "\x04"
                                 "Ti\0e",
                                 5) +
                             I32(0) + I32(1);
    ASSERT_EQ(Read(file).status, ListReadStatus::Ok);
    ExpectRow(0, "C:\\a", "Ti", 0, 1, "a", "C:");
}

// ---- Failures ----

TEST_F(ListFileTest, EightByteLengthAbove7FFFFFFFIsBadLength) {
    const std::string lengths[] = {
        std::string("\x00\x00\x00\x80\x00\x00\x00\x00", 8),
        std::string("\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 8),
        std::string("\x00\x00\x00\x00\x01\x00\x00\x00", 8),
    };
    for (const std::string& q : lengths) {
        // As the signature, as a settings string, in the 16-bit form, in a record.
        const std::string files[] = {
            std::string("\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 7) + q + "abc",
            FreshV3Head().substr(0, 26) + std::string("\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 7) + q +
                "abc",
            FreshV3Head().substr(0, 26) +
                std::string("\xFF\xFE\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 10) + q,
            kSigV2 + I32(1) + S8("a.jpg") + std::string("\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 7) + q,
        };
        for (const std::string& file : files) {
            FillWithOldList();
            EXPECT_EQ(Read(file).status, ListReadStatus::BadLength);
            ExpectEmptyAndFresh();
        }
    }
}

TEST_F(ListFileTest, HugeLengthInASmallFileIsEndOfFileWithoutAllocatingIt) {
    const std::string head = FreshV3Head().substr(0, 26);
    const std::string files[] = {
        head + std::string("\xFF\xFF\xFF\xFE\xFF\xFF\xFF", 7) + "abc",  // 4 GiB
        head + std::string("\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x7F\0\0\0\0", 15) +
            "abc",                                                                    // 2 GiB
        head + std::string("\xFF\xFE\xFF\xFF\xFF\xFF\xFE\xFF\xFF\xFF", 10) + "abcd",  // 8 GiB
        std::string("\xFF\xFF\xFF\x00\x00\x00\x10", 7) + "VLD",                       // 256 MiB
    };
    for (const std::string& file : files) {
        FillWithOldList();
        g_largestAllocation = 0;
        g_watchAllocations = true;
        const ListReadResult result = Read(file);
        g_watchAllocations = false;
        EXPECT_EQ(result.status, ListReadStatus::EndOfFile);
        EXPECT_LT(g_largestAllocation.load(), std::size_t(1) << 20);
        ExpectEmptyAndFresh();
    }
}

TEST_F(ListFileTest, TruncationAtEveryByteIsEndOfFileAndLeavesAFreshEmptyList) {
    const std::string files[] = {
        kSigV3 + I32(1) + I32(2) + I32(3) + S8("Tile") + S8("D:\\W") + I32(1) + I32(3) +
            S8("C:\\a.jpg") + S8("Center") + I32(5) + I32(0) + std::string("\xFF\x2C\x01", 3) +
            std::string(300, 'p') + S8("Tile") + I32(-1) + I32(1) +
            std::string("\xFF\xFE\xFF\x05", 4) + Utf16(u"x.jpg") + S8("") + I32(0) + I32(1),
        kSigV2 + I32(2) + S8("a.jpg") + S8("C:\\P\\") + S8("Tiled") + I32(4) + I32(0) +
            S8("b.jpg") + S8("C:\\Q") + S8("Stretch") + I32(1) + I32(1),
        kSigV1 + I32(2) + S8("a.jpg") + S8("C:\\P\\") + S8("Tiled") + S8("12") + S8("b.jpg") +
            S8("C:\\Q") + S8("Centered") + S8("-3"),
        kEmptyV3,
        std::string("\xFF\xFE\xFF\x0D", 4) + Utf16(u"VLD Version 1") + I32(0),
    };
    for (const std::string& file : files) {
        ASSERT_EQ(Read(file).status, ListReadStatus::Ok);
        for (std::size_t size = 0; size < file.size(); ++size) {
            SCOPED_TRACE("first " + std::to_string(size) + " of " + std::to_string(file.size()) +
                         " bytes");
            FillWithOldList();
            const ListReadResult result = Read(file.substr(0, size));
            ASSERT_EQ(result.status, ListReadStatus::EndOfFile);
            ExpectEmptyAndFresh();
        }
    }
}

TEST_F(ListFileTest, FailureAfterSomeRowsResetsTheTargetTwice) {
    const std::string file =
        FreshV3Head() + I32(2) + S8("C:\\a.jpg") + S8("Tile") + I32(1) + I32(0) + S8("C:\\b.jpg");
    CMemorySource source(file);
    CRecordingTarget recorder;
    recorder.settings.SetHours(3);
    const ListReadResult result = ReadList(source, recorder);
    EXPECT_EQ(result.status, ListReadStatus::EndOfFile);
    EXPECT_EQ(result.signature, "VLD Version 3");
    EXPECT_EQ(recorder.resets, 2);
    EXPECT_TRUE(recorder.rows.empty());
    EXPECT_EQ(recorder.settings.GetHours(), 0);
}

}  // namespace
