#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "framework/Document.h"
#include "framework/DocumentManager.h"
#include "framework/DocumentStrings.h"
#include "framework/win/FrameWindow.h"
#include "framework/win/View.h"

class CFrameWindow;
class CView;

// Binds the one document, the main frame and the view of a single-document
// program, built from the resources with one id (menu, accelerators, icon
// and the document string). Gives the document its file services and
// dialogs, and runs New and Open through the document manager.
class CSingleDocTemplate : public IDocumentHost, public IDocumentViews {
public:
    using DocumentFactory = std::function<std::unique_ptr<CDocument>()>;
    using FrameFactory = std::function<std::unique_ptr<CFrameWindow>()>;
    using ViewFactory = std::function<std::unique_ptr<CView>()>;

    CSingleDocTemplate(UINT resourceId, DocumentFactory makeDocument, FrameFactory makeFrame,
                       ViewFactory makeView);
    ~CSingleDocTemplate() override;

    UINT ResourceId() const { return m_nResourceId; }
    const DocumentStrings& Strings() const { return m_strings; }
    CDocument* Document() const { return m_pDocument.get(); }
    CFrameWindow* Frame() const { return m_pFrame.get(); }
    CView* View() const;
    CDocumentManager& Manager() { return *m_pManager; }

    // Makes the document and the frame with its view, hidden; once.
    bool CreateDocumentAndFrame(DWORD frameStyle);
    // Makes a view for the frame that is being created.
    std::unique_ptr<CView> CreateView() { return m_makeView(); }
    // Destroys the frame's window (which ends the message loop) and lets go of it.
    void DestroyFrame();

    // IDocumentHost
    void DocumentTitleChanged() override;
    std::optional<std::string> AskSavePath(const std::string& suggestedName) override;
    WindowHandle MessageOwner() override;
    std::string MessageCaption() override;
    std::string DefaultTitle() override;
    std::string DefaultExtension() override;
    void AddToRecentFiles(const std::string& path) override;
    IDocumentFiles& Files() override;

    // IDocumentViews
    void InitialUpdate() override;
    void DocumentOpened() override;
    std::optional<std::string> AskOpenPath() override;
    std::string FullPath(const std::string& path) override;

    // Replaces the file services (tests).
    void SetFiles(IDocumentFiles* files) { m_pFilesOverride = files; }

private:
    UINT m_nResourceId;
    DocumentFactory m_makeDocument;
    FrameFactory m_makeFrame;
    ViewFactory m_makeView;
    DocumentStrings m_strings;
    std::unique_ptr<CDocument> m_pDocument;
    std::unique_ptr<CFrameWindow> m_pFrame;
    std::unique_ptr<CDocumentManager> m_pManager;
    std::unique_ptr<IDocumentFiles> m_pFiles;
    IDocumentFiles* m_pFilesOverride = nullptr;
};
