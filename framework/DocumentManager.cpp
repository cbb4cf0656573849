#include "framework/DocumentManager.h"

bool CDocumentManager::FileNew() {
    if (!m_document.SaveModified())
        return false;
    if (!m_document.OnNewDocument())
        return false;
    m_views.InitialUpdate();
    return true;
}

bool CDocumentManager::FileOpen() {
    std::optional<std::string> path = m_views.AskOpenPath();
    if (!path || path->empty())
        return false;
    return OpenDocumentFile(*path) == OpenOutcome::Opened;
}

OpenOutcome CDocumentManager::OpenDocumentFile(const std::string& path) {
    if (!m_document.SaveModified())
        return OpenOutcome::Refused;
    std::string fullPath = m_views.FullPath(path);
    OpenOutcome outcome = m_document.OnOpenDocument(fullPath);
    switch (outcome) {
    case OpenOutcome::Opened:
        m_document.SetPathName(fullPath);
        m_views.InitialUpdate();
        m_views.DocumentOpened();
        break;
    case OpenOutcome::Failed:
        m_document.OnNewDocument();
        m_views.InitialUpdate();
        break;
    case OpenOutcome::Refused:
    case OpenOutcome::Rejected:
        break;
    }
    return outcome;
}
