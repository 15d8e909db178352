// Message-map lookup and command routing of CCmdTarget.
#include "framework/MsgMap.h"
#include "framework/AppCore.h"

namespace {

const AFX_MSGMAP_ENTRY g_cmdTargetEntries[] = { { 0, 0, 0, 0, nullptr } };
const AFX_MSGMAP g_cmdTargetMap = { nullptr, &g_cmdTargetEntries[0] };

bool Matches(const AFX_MSGMAP_ENTRY& e, UINT message, UINT code, UINT id)
{
    if (e.nMessage != message)
        return false;
    if (message == WM_COMMAND || message == WM_NOTIFY)
        return e.nCode == code && e.nID <= id && id <= e.nLastID;
    if (message == WM_REFLECT_BASE + WM_COMMAND || message == WM_REFLECT_BASE + WM_NOTIFY)
        return e.nCode == code;
    return true;
}

} // namespace

const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* map, UINT message, UINT code, UINT id)
{
    for (; map != nullptr; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e != nullptr && e->pfn != nullptr; ++e)
            if (Matches(*e, message, code, id))
                return e;
    }
    return nullptr;
}

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    return &g_cmdTargetMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode)
{
    const AFX_MSGMAP_ENTRY* e = AfxFindMessageEntry(GetMessageMap(), WM_COMMAND, static_cast<UINT>(nCode), nID);
    if (e == nullptr)
        return FALSE;
    LRESULT result = 0;
    return e->pfn(this, WM_COMMAND, MAKEWPARAM(nID, nCode), 0, &result);
}
