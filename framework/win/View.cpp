#include "framework/win/View.h"

void CView::SetDocument(CDocument* document) {
    m_pDocument = document;
    OnDocumentAttached();
}
