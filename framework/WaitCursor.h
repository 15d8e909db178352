#pragma once
// CWaitCursor: shows the hourglass for the lifetime of the object and
// restores the previous cursor when it goes.
#include <windows.h>

class CWaitCursor
{
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

    // Shows the hourglass again (after a dialog changed the cursor).
    void Restore();

private:
    HCURSOR m_hPrevious;
};
