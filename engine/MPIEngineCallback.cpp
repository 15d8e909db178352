// The engine's guarded calls into the user interface: no callback means
// nothing to call, and an exception from the callback never crosses into
// the engine (or through msi.dll): it becomes E_FAIL.
#include "engine/MPIEngineBase.h"

namespace
{
// Runs call(callback) when there is a callback; 0, or E_FAIL when it threw.
template <class Call>
int Guarded(CMPISetupCallbackIfc* pCallback, Call call)
{
    if (pCallback == NULL)
        return 0;
    try
    {
        call(pCallback);
    }
    catch (...)
    {
        return E_FAIL;
    }
    return 0;
}
}

int CMPIEngineBase::AddMessage(LPCWSTR pszText)
{
    return Guarded(m_pCallback, [=](CMPISetupCallbackIfc* pCallback) {
        pCallback->AddMessage(pszText ? pszText : L"");
    });
}

int CMPIEngineBase::SetStatusText(LPCWSTR pszText)
{
    return Guarded(m_pCallback, [=](CMPISetupCallbackIfc* pCallback) {
        pCallback->SetStatusText(pszText ? pszText : L"");
    });
}

CProgressCtrl* CMPIEngineBase::GetProgressCtrl()
{
    // Stays NULL without a callback and when the callback threw.
    CProgressCtrl* pCtrl = NULL;
    Guarded(m_pCallback, [&](CMPISetupCallbackIfc* pCallback) { pCtrl = pCallback->GetProgressCtrl(); });
    return pCtrl;
}

int CMPIEngineBase::OnComplete(int nStatus)
{
    return Guarded(m_pCallback, [=](CMPISetupCallbackIfc* pCallback) { pCallback->OnComplete(nStatus); });
}

int CMPIEngineBase::DisableCancel()
{
    return Guarded(m_pCallback, [](CMPISetupCallbackIfc* pCallback) { pCallback->DisableCancel(); });
}
