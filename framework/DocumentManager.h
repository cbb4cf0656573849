#pragma once
#include <optional>
#include <string>

#include "framework/Document.h"

// What the single-document flows need from the windows around the document.
class IDocumentViews {
public:
    virtual ~IDocumentViews() = default;
    // The view's initial update, after every New and Open.
    virtual void InitialUpdate() = 0;
    // A file was opened: bring the frame forward.
    virtual void DocumentOpened() = 0;
    // The Open dialog; none on cancel.
    virtual std::optional<std::string> AskOpenPath() = 0;
    // The full path of a file name, as the file system resolves it.
    virtual std::string FullPath(const std::string& path) = 0;
};

// New, Open and Save for the one document of a single-document program.
class CDocumentManager {
public:
    CDocumentManager(CDocument& document, IDocumentViews& views)
        : m_document(document), m_views(views) {}

    // New: asks to save changes, then a new empty document.
    bool FileNew();
    // Open: asks for a file, then opens it.
    bool FileOpen();
    // Opens the file as the document, after asking to save changes. A file
    // that cannot be read as a document leaves a new, empty document behind;
    // one whose contents are refused (Rejected), or that cannot be opened
    // (Refused), leaves the document as it was.
    OpenOutcome OpenDocumentFile(const std::string& path);
    bool FileSave() { return m_document.DoFileSave(); }
    bool FileSaveAs() { return m_document.DoSave(std::string()); }

private:
    CDocument& m_document;
    IDocumentViews& m_views;
};
