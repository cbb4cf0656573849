#include "framework/Document.h"

#include "base/ByteStream.h"
#include "base/FormatText.h"
#include "base/PathParts.h"
#include "framework/FrameworkTexts.h"

void CDocument::SetTitle(const std::string& title) {
    m_strTitle = title;
    if (m_pHost)
        m_pHost->DocumentTitleChanged();
}

void CDocument::SetPathName(const std::string& path, bool addToRecent) {
    m_strPathName = path;
    SetTitle(FileNamePart(path));
    if (addToRecent && m_pHost && !path.empty())
        m_pHost->AddToRecentFiles(path);
}

bool CDocument::OnNewDocument() {
    DeleteContents();
    m_strPathName.clear();
    m_bModified = false;
    SetTitle(m_pHost ? m_pHost->DefaultTitle() : std::string("Untitled"));
    return true;
}

OpenOutcome CDocument::OnOpenDocument(const std::string& path) {
    if (!m_pHost)
        return OpenOutcome::Refused;
    std::uint64_t size = 0;
    std::string errorText;
    std::unique_ptr<IByteSource> in = m_pHost->Files().OpenForReading(path, size, errorText);
    if (!in) {
        ReportError(errorText);
        return OpenOutcome::Refused;
    }
    if (size == 0) {
        LoadEmptyContents();
        SetModifiedFlag(false);
        return OpenOutcome::Opened;
    }
    LoadResult result = LoadResult::Failed;
    try {
        result = LoadContents(*in);
    } catch (...) {
        // Out of memory, most likely, on a huge file: the document has kept
        // its contents (see LoadContents), so it keeps its path and title too.
        ReportError(texts::kFailedToOpenDocument);
        return OpenOutcome::Rejected;
    }
    switch (result) {
    case LoadResult::Ok:
        SetModifiedFlag(false);
        return OpenOutcome::Opened;
    case LoadResult::Refused:
        return OpenOutcome::Rejected;
    case LoadResult::UnexpectedFormat:
        ReportError(texts::kUnexpectedFileFormat);
        return OpenOutcome::Failed;
    case LoadResult::Failed:
        break;
    }
    ReportError(texts::kFailedToOpenDocument);
    return OpenOutcome::Failed;
}

bool CDocument::OnSaveDocument(const std::string& path) {
    if (!m_pHost)
        return false;
    bool stored = false;
    std::string keptFile;
    bool written = m_pHost->Files().WriteReplacing(
        path,
        [&](IByteSink& out) {
            stored = StoreContents(out);
            return stored;
        },
        keptFile);
    if (!written || !stored) {
        ReportError(keptFile.empty() ? std::string(texts::kFailedToSaveDocument)
                                     : FormatText(texts::kFailedToSaveKept, {keptFile}));
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

std::string CDocument::PromptName() const {
    if (!m_strPathName.empty())
        return FileNamePart(m_strPathName);
    std::string title = m_strTitle;
    if (title.size() >= 2 && title.compare(title.size() - 2, 2, " *") == 0)
        title.erase(title.size() - 2);
    return title.empty() ? std::string("Untitled") : title;
}

bool CDocument::SaveModified() {
    if (!IsModified())
        return true;
    WindowHandle owner = m_pHost ? m_pHost->MessageOwner() : nullptr;
    std::string caption = m_pHost ? m_pHost->MessageCaption() : std::string();
    int answer = ShowMessage(owner, FormatText(texts::kSaveChangesTo, {PromptName()}), caption,
                             mb::kYesNoCancel | mb::kIconQuestion);
    if (answer == mb::kIdCancel)
        return false;
    if (answer == mb::kIdYes)
        return DoFileSave();
    return true;
}

bool CDocument::DoSave(const std::string& path) {
    std::string target = path;
    if (target.empty()) {
        if (!m_pHost)
            return false;
        std::string suggested = m_strPathName.empty() ? PromptName() : FileNamePart(m_strPathName);
        std::string extension = m_pHost->DefaultExtension();
        if (m_strPathName.empty() && !extension.empty() &&
            ExtensionPart(suggested) != ExtensionPart(extension))
            suggested += extension;
        std::optional<std::string> chosen = m_pHost->AskSavePath(suggested);
        if (!chosen || chosen->empty())
            return false;
        target = *chosen;
    }
    if (!OnSaveDocument(target))
        return false;
    SetPathName(target);
    return true;
}

bool CDocument::DoFileSave() {
    if (m_strPathName.empty() || !m_pHost || !m_pHost->Files().IsWritableFile(m_strPathName))
        return DoSave(std::string());
    return DoSave(m_strPathName);
}

void CDocument::ReportError(const std::string& text) const {
    WindowHandle owner = m_pHost ? m_pHost->MessageOwner() : nullptr;
    std::string caption = m_pHost ? m_pHost->MessageCaption() : std::string();
    ShowMessage(owner, text, caption, mb::kOk | mb::kIconError);
}
