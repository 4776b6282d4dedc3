#pragma once

#include "exchange/UserInterface.h"

// Shows the wait cursor for the lifetime of the object.
class CWaitCursor {
public:
    explicit CWaitCursor(CUserInterface& ui) : m_ui(ui) { m_ui.BeginWaitCursor(); }
    ~CWaitCursor() { m_ui.EndWaitCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    CUserInterface& m_ui;
};
