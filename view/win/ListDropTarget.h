#pragma once
#include <windows.h>
#include <ole2.h>

#include <functional>
#include <string>
#include <vector>

// The list window as an OLE drop target. A shell file list may be dropped
// (copy effect); data that carries the program's own list format is refused
// even when it also carries files; anything else is refused. A drop hands
// the dropped paths to the list.
//
// Use: auto* target = new CListDropTarget(g_cfVarnelloList, onDrop);
//      RegisterDragDrop(hwnd, target); ... RevokeDragDrop(hwnd); target->Release();
class CListDropTarget : public IDropTarget {
public:
    using DropHandler = std::function<void(const std::vector<std::string>& paths)>;

    // The object starts with one reference, which the creator holds.
    CListDropTarget(UINT privateFormat, DropHandler onDrop);

    // The effect a drag of this data gets: none for the private format,
    // copy for a file list (CF_HDROP), else none.
    static DWORD EffectFor(IDataObject* data, UINT privateFormat);
    // The paths of the file list the data carries. False when it carries
    // none or its memory cannot be locked.
    static bool ReadDroppedFiles(IDataObject* data, std::vector<std::string>& paths);

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDropTarget
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point,
                                        DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point,
                                   DWORD* effect) override;

private:
    virtual ~CListDropTarget() = default;

    LONG m_nRefs = 1;
    UINT m_cfPrivate;
    DropHandler m_onDrop;
    DWORD m_dwEffect = DROPEFFECT_NONE;  // the answer for the drag under way
};
