#pragma once
#include "framework/SystemServices.h"

// Shows the wait cursor of the services while it lives.
class CWaitCursor {
public:
    explicit CWaitCursor(ISystemServices& services) : m_services(services) {
        m_services.BeginWaitCursor();
    }
    ~CWaitCursor() { m_services.EndWaitCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    ISystemServices& m_services;
};
