#pragma once
#include <windows.h>
#include <commctrl.h>

#include "framework/CommandTarget.h"
#include "framework/win/Window.h"

class CDocument;

// The view of a single-document program: a child window filling the frame,
// first in line for commands.
class CView : public CWindow, public CCommandTarget {
public:
    CDocument* GetDocument() const { return m_pDocument; }
    // Binds the view to its document.
    void SetDocument(CDocument* document);

    // Runs just before the view's window is created.
    virtual void PreCreateWindow() {}
    // Creates the view's window as a child of the frame.
    virtual bool CreateView(HWND parent, UINT id) = 0;
    // Runs after every New and Open.
    virtual void OnInitialUpdate() {}
    // A notification the view's window sent to the frame, handed back to the
    // view; true when the view handled it, with its result.
    virtual bool OnReflectedNotify(NMHDR* header, LRESULT* result) { return false; }
    // The frame moved to a display of another scale: fonts, images and
    // lengths go from oldDpi to newDpi. The frame lays the view out afterwards.
    virtual void OnDpiChanged(int oldDpi, int newDpi) {}

protected:
    // The document was bound to this view.
    virtual void OnDocumentAttached() {}

private:
    CDocument* m_pDocument = nullptr;
};
