// Fakes around the list document for the document-flow tests: files in
// memory, the host and views of the single-document framework, and a list
// window over rows in memory. Plus the list file's encodings written out by
// hand and a snapshot of everything the user can see of a list.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <new>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "base/ByteStream.h"
#include "framework/Document.h"
#include "framework/DocumentManager.h"
#include "framework/RecentFileList.h"
#include "list/ListSettings.h"
#include "list/MemoryRowStore.h"
#include "list/VarnelloDoc.h"
#include "list/WallpaperItem.h"
#include "list/WallpaperRows.h"

namespace fakes {

// ---- The list file's encodings ----

// A signed 32-bit value as 4 little-endian bytes.
inline std::string I32(std::int32_t value) {
    const std::uint32_t v = static_cast<std::uint32_t>(value);
    std::string out;
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    return out;
}

// A string shorter than 255 bytes with its 1-byte length prefix.
inline std::string S8(const std::string& text) {
    return std::string(1, static_cast<char>(text.size())) + text;
}

// One version 3 item record.
struct FileItem {
    std::string path;
    std::string position;
    std::int32_t count;
    std::int32_t pending;
};

// A version 3 file: signature, the six settings fields, the records.
inline std::string V3File(std::int32_t interval, std::int32_t hours, std::int32_t minutes,
                          const std::string& defaultPosition, const std::string& lastFolder,
                          std::int32_t includeSubfolders, const std::vector<FileItem>& items) {
    std::string out = S8("VLD Version 3") + I32(interval) + I32(hours) + I32(minutes) +
                      S8(defaultPosition) + S8(lastFolder) + I32(includeSubfolders) +
                      I32(static_cast<std::int32_t>(items.size()));
    for (const FileItem& item : items)
        out += S8(item.path) + S8(item.position) + I32(item.count) + I32(item.pending);
    return out;
}

// The smallest version 3 file: an empty list with fresh settings, 43 bytes.
inline std::string EmptyV3File() {
    return std::string(
               "\x0D"
               "VLD Version 3",
               14) +
           std::string(12, '\0') +
           std::string(
               "\x07"
               "Stretch",
               8) +
           std::string(1, '\0') + std::string(8, '\0');
}

// ---- Files in memory ----

// A sink that refuses to write past a limit (a full disk).
class CLimitedSink : public IByteSink {
public:
    explicit CLimitedSink(long limit) : m_limit(limit) {}
    bool Write(const void* data, std::size_t size) override {
        if (m_limit >= 0 && m_bytes.size() + size > static_cast<std::size_t>(m_limit))
            return false;
        m_bytes.append(static_cast<const char*>(data), size);
        return true;
    }
    const std::string& Bytes() const { return m_bytes; }

private:
    long m_limit;
    std::string m_bytes;
};

// A source that runs out of memory once it has given so many bytes, as a
// reader of a huge list would at some point.
class CMemoryExhaustingSource : public IByteSource {
public:
    CMemoryExhaustingSource(const std::string& bytes, std::size_t limit)
        : m_source(bytes), m_limit(limit) {}
    std::size_t Read(void* buffer, std::size_t size) override {
        if (m_source.Position() + size > m_limit)
            throw std::bad_alloc();
        return m_source.Read(buffer, size);
    }

private:
    CMemorySource m_source;
    std::size_t m_limit;
};

// The document's file services over files kept in memory.
class CFakeFiles : public IDocumentFiles {
public:
    std::unique_ptr<IByteSource> OpenForReading(const std::string& path, std::uint64_t& size,
                                                std::string& errorText) override {
        ++opens;
        auto it = files.find(path);
        if (it == files.end() || locked.count(path)) {
            errorText = path +
                        "\nCannot find this file.\nPlease verify that the correct path and "
                        "file name are given.";
            return nullptr;
        }
        size = it->second.size();
        if (memoryLimit >= 0)
            return std::make_unique<CMemoryExhaustingSource>(it->second,
                                                             static_cast<std::size_t>(memoryLimit));
        return std::make_unique<CMemorySource>(it->second);
    }
    bool WriteReplacing(const std::string& path, const std::function<bool(IByteSink&)>& writer,
                        std::string& keptFile) override {
        ++writes;
        keptFile.clear();
        CLimitedSink sink(sinkLimit);
        if (!writer(sink))
            return false;
        if (afterWrite)
            afterWrite();  // written, not yet in the old file's place
        if (failReplace)
            return false;
        files[path] = sink.Bytes();
        return true;
    }
    bool IsWritableFile(const std::string& path) override {
        return files.count(path) > 0 && readOnly.count(path) == 0;
    }

    std::map<std::string, std::string> files;  // path -> bytes
    std::function<void()> afterWrite;
    std::set<std::string> readOnly;
    std::set<std::string> locked;  // exist, but cannot be opened
    long sinkLimit = -1;           // bytes the disk takes (-1: no limit)
    bool failReplace = false;      // the complete file cannot replace the old one
    long memoryLimit = -1;         // bytes read before memory runs out (-1: no limit)
    int opens = 0;
    int writes = 0;
};

// What the document sees of the application: boxes owned by the frame,
// caption "Varnello", a scripted Save As dialog and the recent-file list.
class CFakeHost : public IDocumentHost {
public:
    void DocumentTitleChanged() override { ++titleRefreshes; }
    std::optional<std::string> AskSavePath(const std::string& suggestedName) override {
        suggestedNames.push_back(suggestedName);
        if (savePaths.empty())
            return std::nullopt;
        std::optional<std::string> answer = savePaths.front();
        savePaths.pop_front();
        return answer;
    }
    WindowHandle MessageOwner() override { return &frameToken; }
    std::string MessageCaption() override { return "Varnello"; }
    std::string DefaultTitle() override { return "Untitled"; }
    std::string DefaultExtension() override { return ".vld"; }
    void AddToRecentFiles(const std::string& path) override { recent.Add(path); }
    IDocumentFiles& Files() override { return files; }

    int frameToken = 0;
    int titleRefreshes = 0;
    std::deque<std::optional<std::string>> savePaths;  // answers of the Save As dialog
    std::vector<std::string> suggestedNames;
    CRecentFileList recent{"Recent File List", "File%d", 4, 30};
    CFakeFiles files;
};

// The views side of the document manager: counts the initial updates, a
// scripted Open dialog, full paths under C:\Lists.
class CFakeViews : public IDocumentViews {
public:
    void InitialUpdate() override { ++initialUpdates; }
    void DocumentOpened() override { ++opened; }
    std::optional<std::string> AskOpenPath() override {
        if (openPaths.empty())
            return std::nullopt;
        std::string path = openPaths.front();
        openPaths.pop_front();
        return path;
    }
    std::string FullPath(const std::string& path) override {
        return path.find(':') == std::string::npos ? "C:\\Lists\\" + path : path;
    }

    int initialUpdates = 0;
    int opened = 0;
    std::deque<std::string> openPaths;
};

// The list window over rows in memory.
class CFakeListWindow : public IListWindow {
public:
    ~CFakeListWindow() override { rows.DeleteAllRows(); }
    CWallpaperRows& Rows() override { return rows; }
    WindowHandle Handle() override { return &windowToken; }

    int windowToken = 0;
    CMemoryRowStore store;
    CWallpaperRows rows{store};
};

// Everything the user can see of a list and its document, one line each.
inline std::string Snapshot(const CVarnelloDoc& doc, const CFakeListWindow& list) {
    std::string out = "path=" + doc.GetPathName() + "\ntitle=" + doc.GetTitle() +
                      "\nmodified=" + (doc.IsModified() ? "1" : "0") + "\n";
    if (const CListSettings* s = doc.GetSettings()) {
        out += "settings=" + std::to_string(s->GetIntervalChange()) + "," +
               std::to_string(s->GetHours()) + "," + std::to_string(s->GetMinutes()) + "," +
               s->GetDefaultPosition() + "," + s->GetLastFolder() + "," +
               std::to_string(s->GetIncludeSubfolders()) + "\n";
    } else {
        out += "settings=none\n";
    }
    for (int i = 0; i < list.store.RowCount(); ++i) {
        out += "row=" + list.store.GetText(i, 0) + "|" + list.store.GetText(i, 1) + "|" +
               list.store.GetText(i, 2) + "|" + list.store.GetText(i, 3);
        if (const CWallpaperItem* item = list.store.GetItem(i))
            out += " item=" + item->GetPath() + "|" + item->GetPosition() + "|" +
                   std::to_string(item->GetCount()) + "|" +
                   std::to_string(item->GetRandomPending());
        out += "\n";
    }
    return out;
}

// A list document as the framework sets it up: its host, views, list window
// and the recording prompter in force; the first New already run.
class DocumentFixture : public ::testing::Test {
protected:
    static constexpr const char* kOldPath = "C:\\Lists\\old.vld";

    DocumentFixture() {
        doc.SetHost(&host);
        doc.SetListWindow(&list);
        manager.FileNew();
        newListSnapshot = Snapshot(doc, list);
        views.initialUpdates = 0;
    }
    ~DocumentFixture() override { g_bClosing = 0; }

    // The list file at kOldPath: settings that are not fresh, two items.
    static std::string OldFile(std::int32_t firstCount = 3) {
        return V3File(
            1, 2, 30, "Tile", "C:\\Pics", 1,
            {{"C:\\Pics\\a.jpg", "Center", firstCount, 0}, {"D:\\b.png", "Stretch", 0, 1}});
    }

    // Opens the old list and changes it as the user would (row 0 applied once
    // more), so that it is modified; forgets the boxes and counts so far.
    void OpenOldAndModify() {
        host.files.files[kOldPath] = OldFile();
        ASSERT_EQ(manager.OpenDocumentFile(kOldPath), OpenOutcome::Opened);
        list.rows.MarkApplied(0);
        doc.SetModifiedFlag(true);
        ASSERT_EQ(doc.GetTitle(), "old.vld *");
        prompter.Clear();
        views.initialUpdates = 0;
        views.opened = 0;
        host.suggestedNames.clear();
    }

    // Expects exactly one box so far, with these owner, caption, text and style.
    void ExpectOneBox(WindowHandle owner, const std::string& caption, const std::string& text,
                      unsigned style) {
        ASSERT_EQ(prompter.Boxes().size(), 1u);
        const CRecordingPrompter::Box& box = prompter.Boxes()[0];
        EXPECT_EQ(box.owner, owner);
        EXPECT_EQ(box.caption, caption);
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.style, style);
    }

    CRecordingPrompter prompter;
    CScopedPrompter prompterScope{prompter};
    CFakeHost host;
    CFakeViews views;
    CFakeListWindow list;
    CVarnelloDoc doc;
    CDocumentManager manager{doc, views};
    std::string newListSnapshot;
};

}  // namespace fakes
