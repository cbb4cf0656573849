#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "framework/Prompter.h"

class IByteSink;
class IByteSource;

// File services of a document: on Windows the file system (DocumentFilesWin.h).
class IDocumentFiles {
public:
    virtual ~IDocumentFiles() = default;
    // Opens a file for reading with other writers denied. On failure returns
    // null and sets errorText to the message for the user.
    virtual std::unique_ptr<IByteSource> OpenForReading(const std::string& path,
                                                        std::uint64_t& size,
                                                        std::string& errorText) = 0;
    // Writes the file through the writer into a temporary file in the
    // folder of the file's target (the file a link leads to), which replaces
    // the target only once it is complete; a link stays a link. When the
    // writer fails, the temporary file goes and the old file is left as it
    // was. When the complete temporary file cannot take the target's place,
    // it is kept and keptFile names it, so the new contents are never lost.
    virtual bool WriteReplacing(const std::string& path,
                                const std::function<bool(IByteSink&)>& writer,
                                std::string& keptFile) = 0;
    // True when the file exists and is not read-only.
    virtual bool IsWritableFile(const std::string& path) = 0;
};

// What a document needs from the application around it.
class IDocumentHost {
public:
    virtual ~IDocumentHost() = default;
    // The document's title changed: refresh the frame's caption.
    virtual void DocumentTitleChanged() = 0;
    // Asks for a file name to save under (the Save As dialog); none on cancel.
    virtual std::optional<std::string> AskSavePath(const std::string& suggestedName) = 0;
    // The window that owns the framework's message boxes.
    virtual WindowHandle MessageOwner() = 0;
    // The caption of the framework's message boxes (the application title).
    virtual std::string MessageCaption() = 0;
    // The name of a new document ("Untitled").
    virtual std::string DefaultTitle() = 0;
    // The extension of the document's files, with its dot (".vld").
    virtual std::string DefaultExtension() = 0;
    virtual void AddToRecentFiles(const std::string& path) = 0;
    virtual IDocumentFiles& Files() = 0;
};

// How opening a file ended.
enum class OpenOutcome {
    Opened,    // the file is the document now
    Refused,   // nothing changed: the document keeps its contents, path and title
    Rejected,  // the file was read and its contents refused (a box said why);
               // nothing changed, as with Refused
    Failed,    // the contents were lost: the caller makes a new document
};

// A document of the single-document framework: title, path, modified flag,
// and the New / Open / Save steps around the document's own file format.
class CDocument {
public:
    virtual ~CDocument() = default;

    void SetHost(IDocumentHost* host) { m_pHost = host; }
    IDocumentHost* Host() const { return m_pHost; }

    const std::string& GetTitle() const { return m_strTitle; }
    void SetTitle(const std::string& title);
    const std::string& GetPathName() const { return m_strPathName; }
    // Sets the path and, as title, its file name; adds it to the recent files.
    void SetPathName(const std::string& path, bool addToRecent = true);

    virtual bool IsModified() const { return m_bModified; }
    virtual void SetModifiedFlag(bool modified) { m_bModified = modified; }

    // New document: contents cleared, no path, unmodified, default title.
    virtual bool OnNewDocument();
    // Reads the file. A file of length 0 gives empty contents.
    virtual OpenOutcome OnOpenDocument(const std::string& path);
    // Writes the file (through a temporary file); reports failures.
    virtual bool OnSaveDocument(const std::string& path);
    // Asks whether to save changes before the document is replaced or closed;
    // false stops the replacing or closing.
    virtual bool SaveModified();

    // Saves under path, or asks for a path when it is empty.
    bool DoSave(const std::string& path);
    // Plain save: under the current path, or asks for one when there is none
    // or the file is read-only or gone.
    bool DoFileSave();

    // The name used in "Save changes to %1?": the file's name, else the
    // title without its modified mark, else "Untitled".
    std::string PromptName() const;

protected:
    enum class LoadResult {
        Ok,
        Refused,           // the document reported it and kept its contents
        UnexpectedFormat,  // the file ended early
        Failed,            // any other failure while reading
    };
    // Reads the contents. When it throws (memory running out), it has left
    // the document's contents as they were.
    virtual LoadResult LoadContents(IByteSource& in) = 0;
    // The contents of a file of length 0.
    virtual void LoadEmptyContents() { DeleteContents(); }
    // Writes the contents; the document is marked saved only once the file
    // has taken the old one's place.
    virtual bool StoreContents(IByteSink& out) = 0;
    virtual void DeleteContents() {}

    // Shows one of the framework's messages for this document.
    void ReportError(const std::string& text) const;

private:
    IDocumentHost* m_pHost = nullptr;
    std::string m_strTitle;
    std::string m_strPathName;
    bool m_bModified = false;
};
