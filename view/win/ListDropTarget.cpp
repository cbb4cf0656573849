#include "view/win/ListDropTarget.h"

#include <shellapi.h>

#include "framework/win/ExceptionBarrier.h"

namespace {

// Whether the data offers the format (on any medium, or in global memory).
bool Offers(IDataObject* data, UINT format, DWORD media) {
    FORMATETC etc = {static_cast<CLIPFORMAT>(format), nullptr, DVASPECT_CONTENT, -1, media};
    return data && data->QueryGetData(&etc) == S_OK;
}

}  // namespace

CListDropTarget::CListDropTarget(UINT privateFormat, DropHandler onDrop)
    : m_cfPrivate(privateFormat), m_onDrop(std::move(onDrop)) {}

DWORD CListDropTarget::EffectFor(IDataObject* data, UINT privateFormat) {
    if (privateFormat != 0 && Offers(data, privateFormat, static_cast<DWORD>(-1)))
        return DROPEFFECT_NONE;
    if (Offers(data, CF_HDROP, TYMED_HGLOBAL))
        return DROPEFFECT_COPY;
    return DROPEFFECT_NONE;
}

// Reads every name of the file list; a name the system gives as empty is
// left out. Each name is read in full, however long it is.
bool CListDropTarget::ReadDroppedFiles(IDataObject* data, std::vector<std::string>& paths) {
    paths.clear();
    if (!data)
        return false;
    FORMATETC etc = {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium = {};
    if (data->GetData(&etc, &medium) != S_OK)
        return false;
    bool ok = false;
    if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal) {
        auto drop = static_cast<HDROP>(GlobalLock(medium.hGlobal));
        if (drop) {
            UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
            for (UINT i = 0; i < count; ++i) {
                UINT length = DragQueryFileA(drop, i, nullptr, 0);
                if (length == 0)
                    continue;
                std::string path(length + 1, '\0');
                UINT got = DragQueryFileA(drop, i, path.data(), length + 1);
                if (got == 0)
                    continue;
                path.resize(got);
                paths.push_back(path);
            }
            ok = true;
        }
        GlobalUnlock(medium.hGlobal);
    }
    ReleaseStgMedium(&medium);
    return ok;
}

HRESULT CListDropTarget::QueryInterface(REFIID riid, void** object) {
    if (!object)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropTarget)) {
        *object = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG CListDropTarget::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&m_nRefs));
}

ULONG CListDropTarget::Release() {
    LONG refs = InterlockedDecrement(&m_nRefs);
    if (refs == 0)
        delete this;
    return static_cast<ULONG>(refs);
}

// The answer is decided once per drag and given on every move, whatever
// the keys and the position.
HRESULT CListDropTarget::DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) {
    m_dwEffect = EffectFor(data, m_cfPrivate);
    if (effect)
        *effect = m_dwEffect & *effect;
    return S_OK;
}

HRESULT CListDropTarget::DragOver(DWORD keys, POINTL point, DWORD* effect) {
    if (effect)
        *effect = m_dwEffect & *effect;
    return S_OK;
}

HRESULT CListDropTarget::DragLeave() {
    m_dwEffect = DROPEFFECT_NONE;
    return S_OK;
}

// Hands the dropped files to the list; data without a file list is refused.
HRESULT CListDropTarget::Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) {
    DWORD allowed = effect ? *effect : DROPEFFECT_COPY;
    if (effect)
        *effect = DROPEFFECT_NONE;
    bool refused = EffectFor(data, m_cfPrivate) == DROPEFFECT_NONE;
    m_dwEffect = DROPEFFECT_NONE;
    // OLE called this: an exception stops here (ExceptionBarrier.h).
    try {
        std::vector<std::string> paths;
        if (refused || !ReadDroppedFiles(data, paths))
            return S_OK;
        if (m_onDrop)
            m_onDrop(paths);
    } catch (...) {
        ReportException(nullptr);
        return S_OK;
    }
    if (effect)
        *effect = DROPEFFECT_COPY & allowed;
    return S_OK;
}
