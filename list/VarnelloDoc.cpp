#include "list/VarnelloDoc.h"

#include "list/StagedList.h"
#include "list/WallpaperItem.h"
#include "list/WallpaperRows.h"

int g_bClosing = 0;

CVarnelloDoc::CVarnelloDoc() = default;

CVarnelloDoc::~CVarnelloDoc() = default;

void CVarnelloDoc::ResetList() {
    if (m_pView)
        m_pView->Rows().DeleteAllRows();
    m_pSettings.reset();
    m_pSettings = std::make_unique<CListSettings>();
}

bool CVarnelloDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument())
        return false;
    ResetList();
    return true;
}

void CVarnelloDoc::SetModifiedFlag(bool modified) {
    std::string title = GetTitle();
    bool wasModified = IsModified();
    if (!wasModified && modified) {
        SetTitle(title + " *");
    } else if (wasModified && !modified && title.size() >= 2 &&
               title.compare(title.size() - 2, 2, " *") == 0) {
        SetTitle(title.substr(0, title.size() - 2));
    } else if (Host()) {
        Host()->DocumentTitleChanged();
    }
    CDocument::SetModifiedFlag(modified);
}

bool CVarnelloDoc::SaveModified() {
    if (!IsModified())
        return true;
    if (m_bAutoSave && g_bClosing)
        return DoFileSave();
    return CDocument::SaveModified();
}

// The file is read apart from the list window and takes the place of the
// open list only when it was read whole, so that an exception while reading
// (memory running out on a huge list) leaves the open list as it was.
CDocument::LoadResult CVarnelloDoc::LoadContents(IByteSource& in) {
    if (!m_pView)
        return LoadResult::Failed;
    CStagedList staged;
    ListReadResult result = ReadList(in, staged);
    switch (result.status) {
    case ListReadStatus::Ok:
        return TakeStagedList(staged) ? LoadResult::Ok : LoadResult::Failed;
    case ListReadStatus::UnknownSignature:
        ShowMessage(m_pView->Handle(), texts::kSignatureErrorText, texts::kSignatureErrorCaption,
                    mb::kOk);
        return LoadResult::Refused;
    case ListReadStatus::EndOfFile:
        return LoadResult::UnexpectedFormat;
    case ListReadStatus::BadLength:
        break;
    }
    return LoadResult::Failed;
}

// Puts the rows read into the list window. If that fails part way, the
// rows put in so far go again: the open list is lost then, and the caller
// makes a new one.
bool CVarnelloDoc::TakeStagedList(CStagedList& staged) {
    class CBulkUpdate {
    public:
        explicit CBulkUpdate(IListWindow& view) : m_view(view) { m_view.BeginBulkUpdate(); }
        ~CBulkUpdate() { m_view.EndBulkUpdate(); }

    private:
        IListWindow& m_view;
    } bulk(*m_pView);
    try {
        staged.MoveInto(*this);
        return true;
    } catch (...) {
        // Memory is given back before the list is emptied.
        staged.ResetList();
    }
    ResetList();
    return false;
}

void CVarnelloDoc::LoadEmptyContents() {
    ResetList();
}

bool CVarnelloDoc::StoreContents(IByteSink& out) {
    if (!m_pView || !m_pSettings)
        return false;
    // The mark goes once the file is in place (the framework's save).
    return WriteList(out, *m_pSettings, m_pView->Rows().Store());
}

bool CVarnelloDoc::InsertRow(int index, const std::string& text0, const std::string& text1,
                             std::unique_ptr<CWallpaperItem> item) {
    return m_pView && m_pView->Rows().InsertRow(index, text0, text1, std::move(item)) >= 0;
}
