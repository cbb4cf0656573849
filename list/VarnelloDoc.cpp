#include "list/VarnelloDoc.h"

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

CDocument::LoadResult CVarnelloDoc::LoadContents(IByteSource& in) {
    if (!m_pView)
        return LoadResult::Failed;
    m_pView->BeginBulkUpdate();
    ListReadResult result = ReadList(in, *this);
    m_pView->EndBulkUpdate();
    switch (result.status) {
    case ListReadStatus::Ok:
        return LoadResult::Ok;
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

void CVarnelloDoc::LoadEmptyContents() {
    ResetList();
}

bool CVarnelloDoc::StoreContents(IByteSink& out) {
    if (!m_pView || !m_pSettings)
        return false;
    if (!WriteList(out, *m_pSettings, m_pView->Rows().Store()))
        return false;
    SetModifiedFlag(false);
    return true;
}

bool CVarnelloDoc::InsertRow(int index, const std::string& text0, const std::string& text1,
                             std::unique_ptr<CWallpaperItem> item) {
    return m_pView && m_pView->Rows().InsertRow(index, text0, text1, std::move(item)) >= 0;
}
