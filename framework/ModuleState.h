#pragma once
// Module-state switching. Every binary links this class library statically
// and so has its own module globals: there is no state to switch, and the
// switch is an object that does nothing. It keeps the entry points written
// the way a regular DLL on the shared library writes them.

struct AFX_MODULE_STATE;

inline AFX_MODULE_STATE* AfxGetStaticModuleState()
{
    return nullptr;
}

class AFX_MAINTAIN_STATE2
{
public:
    explicit AFX_MAINTAIN_STATE2(AFX_MODULE_STATE*) {}
    AFX_MAINTAIN_STATE2(const AFX_MAINTAIN_STATE2&) = delete;
    AFX_MAINTAIN_STATE2& operator=(const AFX_MAINTAIN_STATE2&) = delete;
};

#define AFX_MANAGE_STATE(p) AFX_MAINTAIN_STATE2 _ctlState(p)
