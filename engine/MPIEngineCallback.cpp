// The engine's guarded calls into the user interface: no callback means
// nothing to call, and an exception from the callback never crosses into
// the engine (or through msi.dll): it becomes E_FAIL.
#include "engine/MPIEngineBase.h"

int CMPIEngineBase::AddMessage(LPCWSTR pszText)
{
    if (m_pCallback == NULL)
        return 0;
    try
    {
        m_pCallback->AddMessage(pszText ? pszText : L"");
    }
    catch (...)
    {
        return E_FAIL;
    }
    return 0;
}

int CMPIEngineBase::SetStatusText(LPCWSTR pszText)
{
    if (m_pCallback == NULL)
        return 0;
    try
    {
        m_pCallback->SetStatusText(pszText ? pszText : L"");
    }
    catch (...)
    {
        return E_FAIL;
    }
    return 0;
}

CProgressCtrl* CMPIEngineBase::GetProgressCtrl()
{
    if (m_pCallback == NULL)
        return NULL;
    try
    {
        return m_pCallback->GetProgressCtrl();
    }
    catch (...)
    {
        return NULL;
    }
}

int CMPIEngineBase::OnComplete(int nStatus)
{
    if (m_pCallback == NULL)
        return 0;
    try
    {
        m_pCallback->OnComplete(nStatus);
    }
    catch (...)
    {
        return E_FAIL;
    }
    return 0;
}

int CMPIEngineBase::DisableCancel()
{
    if (m_pCallback == NULL)
        return 0;
    try
    {
        m_pCallback->DisableCancel();
    }
    catch (...)
    {
        return E_FAIL;
    }
    return 0;
}
