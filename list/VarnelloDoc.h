#pragma once
#include <memory>
#include <string>

#include "framework/Document.h"
#include "list/ListFile.h"
#include "list/ListSettings.h"

class CStagedList;
class CWallpaperRows;

// Set by the main window when it handles its close request; read by the
// document's save check. Never cleared again.
extern int g_bClosing;

// The list window, as the document sees its only view: the rows and the
// window that owns the list's message boxes.
class IListWindow {
public:
    virtual ~IListWindow() = default;
    virtual CWallpaperRows& Rows() = 0;
    virtual WindowHandle Handle() = 0;
    // Brackets a change of many rows, so the window redraws once at the end.
    virtual void BeginBulkUpdate() {}
    virtual void EndBulkUpdate() {}
};

// The wallpaper list document. The items live in the rows of the list window;
// the document owns the list's settings and a copy of the "Auto Save" option.
class CVarnelloDoc : public CDocument, private IListTarget {
public:
    CVarnelloDoc();
    ~CVarnelloDoc() override;

    void SetListWindow(IListWindow* view) { m_pView = view; }
    IListWindow* GetListWindow() const { return m_pView; }
    CListSettings* GetSettings() const { return m_pSettings.get(); }
    int GetAutoSave() const { return m_bAutoSave; }
    void SetAutoSave(int autoSave) { m_bAutoSave = autoSave; }

    // Empties the list and gives it fresh settings.
    void ResetList() override;

    bool OnNewDocument() override;
    // Keeps the " *" title suffix in step with the flag, then stores it.
    void SetModifiedFlag(bool modified) override;
    // Saves without asking when "Auto Save" is on and the program is closing.
    bool SaveModified() override;

protected:
    LoadResult LoadContents(IByteSource& in) override;
    void LoadEmptyContents() override;
    bool StoreContents(IByteSink& out) override;

private:
    // Moves the rows and settings read into the list; false when that
    // failed and the list was emptied.
    bool TakeStagedList(CStagedList& staged);

    // The staged list's target.
    CListSettings& Settings() override { return *m_pSettings; }
    bool InsertRow(int index, const std::string& text0, const std::string& text1,
                   std::unique_ptr<CWallpaperItem> item) override;

    int m_bAutoSave = 0;
    std::unique_ptr<CListSettings> m_pSettings;
    IListWindow* m_pView = nullptr;
};

// The box shown for a file whose signature is not a list's.
namespace texts {
constexpr char kSignatureErrorCaption[] = "File Corruption Error";
constexpr char kSignatureErrorText[] =
    "The VLD file signature is either incorrect or has been\n"
    "corrupted. File loading will not continue.";
}  // namespace texts
