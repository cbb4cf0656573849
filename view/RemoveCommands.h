#pragma once
#include <functional>
#include <string>
#include <vector>

class CWallpaperItem;
class IEditServices;
class IListEditHost;

// The commands that take rows out of the open list: Remove Selected,
// Remove All, Remove and Recycle, Remove All Dead Items. Every removal
// frees the row's item and deletes the row.
//
// Use: CRemoveCommands(host, services).RemoveSelected();
class CRemoveCommands {
public:
    CRemoveCommands(IListEditHost& host, IEditServices& services)
        : m_host(host), m_services(services) {}

    // Removes every selected row, then selects the row that took the place
    // of the last one removed (or the new last row). Returns how many rows
    // were removed.
    int RemoveSelected();
    // Asks first; removes every row on Yes. Returns how many were removed.
    int RemoveAll();
    // Asks first when "Warn On Recycle" is on; sends the file of each row
    // that was selected when it asked to the Recycle Bin and removes the row
    // whatever the outcome; reports the failures in one box. A path that
    // is not exactly one existing file counts as a failure (the services
    // refuse it). Returns how
    // many rows were removed.
    int RemoveAndRecycle();
    // Removes every row whose file no longer exists, under the wait cursor,
    // and says how many went. A row whose drive or network share is not
    // there stays; the box says how many stayed so. Also the scan at
    // start-up. Returns how many rows were removed.
    int RemoveDeadItems();

private:
    // An item chosen by the selection, with the path it had then.
    struct HeldItem {
        const CWallpaperItem* item;
        std::string path;
    };
    // The items of the selected rows, in row order.
    std::vector<HeldItem> SelectedItems() const;
    // Removes the rows that still carry a held item with the same path, in
    // row order, after calling beforeRemove with each row's item; an item
    // that is gone or has another path is skipped. Returns how many rows
    // went; last is the index the last removed row had.
    int RemoveHeldRows(const std::vector<HeldItem>& held,
                       const std::function<void(const CWallpaperItem&)>& beforeRemove, int& last);
    // Selects the row that followed the last removed one (or the new last row).
    void Reselect(int removed, int last);

    IListEditHost& m_host;
    IEditServices& m_services;
};
