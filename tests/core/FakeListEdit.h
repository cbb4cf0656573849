// Fakes for the list's editing commands: a list window over in-memory rows
// and system services that answer from tables.
#pragma once
#include <map>
#include <set>
#include <string>
#include <vector>

#include "list/ListSettings.h"
#include "list/MemoryRowStore.h"
#include "list/WallpaperItem.h"
#include "list/WallpaperRows.h"
#include "view/EditServices.h"
#include "view/ListEditHost.h"

namespace edittest {

// The list window and document: counts sorts and modified marks.
class FakeHost : public IListEditHost {
public:
    FakeHost() : rows(store) {}
    ~FakeHost() override { rows.DeleteAllRows(); }
    CWallpaperRows& Rows() override { return rows; }
    WindowHandle Owner() override { return reinterpret_cast<WindowHandle>(0x1234); }
    CListSettings* Settings() override { return &settings; }
    bool AutoSort() override { return autoSort; }
    bool WarnOnRecycle() override { return warnOnRecycle; }
    void SortNow() override { ++sorts; }
    void MarkModified() override { ++marks; }
    void BeginBulkUpdate() override {
        ++bulkDepth;
        ++bulkUpdates;
    }
    void EndBulkUpdate() override { --bulkDepth; }

    // Appends rows for the paths with the given count.
    void Add(const std::vector<std::string>& paths, int count = 0) {
        for (const std::string& path : paths)
            rows.AppendItem(std::make_unique<CWallpaperItem>(path, "Stretch", count, 0));
    }
    void Select(const std::vector<int>& selected) {
        store.SetRowState(-1, 0, kRowSelected);
        for (int row : selected)
            store.SetRowState(row, kRowSelected, kRowSelected);
    }
    std::vector<int> Selected() const {
        std::vector<int> out;
        for (int row = store.NextSelected(-1); row != -1; row = store.NextSelected(row))
            out.push_back(row);
        return out;
    }
    // Column 0 texts joined by ",".
    std::string Names() const {
        std::string out;
        for (int row = 0; row < store.RowCount(); ++row)
            out += (row ? "," : "") + store.GetText(row, 0);
        return out;
    }

    CMemoryRowStore store;
    CWallpaperRows rows;
    CListSettings settings;
    bool autoSort = true;
    bool warnOnRecycle = true;
    int sorts = 0;
    int marks = 0;
    int bulkDepth = 0;  // above 0 while the list does not redraw
    int bulkUpdates = 0;
};

// The file system, Recycle Bin and shell, from tables; records the calls.
class FakeServices : public IEditServices {
public:
    bool PathExists(const std::string& path) override {
        existenceTests.push_back(path);
        return missing.count(path) == 0;
    }
    // Paths in neither table cannot be looked at.
    PathKind KindOf(const std::string& path) override {
        if (missing.count(path))
            return PathKind::Missing;
        if (folders.count(path))
            return PathKind::Folder;
        return files.count(path) ? PathKind::File : PathKind::Unknown;
    }
    bool RootAvailable(const std::string& root) override {
        rootTests.push_back(root);
        return absentRoots.count(root) == 0;
    }
    int RecycleFile(const std::string& path) override {
        recycled.push_back(path);
        waitWhileRecycling.push_back(waitDepth > 0);
        return failRecycle.count(path) ? 1026 : 0;
    }
    void OpenFolder(const std::string& folder) override { opened.push_back(folder); }
    void BeginWaitCursor() override {
        ++waitDepth;
        ++waitShown;
    }
    void EndWaitCursor() override { --waitDepth; }

    std::set<std::string> missing;
    std::set<std::string> files;
    std::set<std::string> folders;
    std::set<std::string> absentRoots;
    std::vector<std::string> rootTests;
    std::set<std::string> failRecycle;
    std::vector<std::string> existenceTests;
    std::vector<std::string> recycled;
    std::vector<bool> waitWhileRecycling;
    std::vector<std::string> opened;
    int waitDepth = 0;
    int waitShown = 0;
};

}  // namespace edittest
