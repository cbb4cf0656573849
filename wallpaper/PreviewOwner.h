#pragma once

// The window that opened the preview window and keeps a pointer to it (the
// list window). The preview tells it when it is gone, so that the pointer
// is cleared.
class IPreviewOwner {
public:
    virtual ~IPreviewOwner() = default;
    virtual void OnPreviewDestroyed() = 0;
};
