// One queued package run: plain fields with accessors.
#include "engine/MPIEngineConfig.h"

CMPIEngineConfig::CMPIEngineConfig()
    : m_Kind(MPI_CONFIG_INSTALL), m_pMsi(NULL), m_bGroup(FALSE)
{
}

CMPIEngineConfig::~CMPIEngineConfig()
{
}

CMPIEngineConfig* CMPIEngineConfig::SetKind(int nKind)
{
    m_Kind = nKind;
    return this;
}

int CMPIEngineConfig::GetKind() const
{
    return m_Kind;
}

CMPIEngineConfig* CMPIEngineConfig::SetAddLocal(LPCWSTR pszAddLocal)
{
    m_strAddLocal = pszAddLocal ? pszAddLocal : L"";
    return this;
}

const CString& CMPIEngineConfig::GetAddLocal() const
{
    return m_strAddLocal;
}

CMPIEngineConfig* CMPIEngineConfig::SetRemove(LPCWSTR pszRemove)
{
    m_strRemove = pszRemove ? pszRemove : L"";
    return this;
}

const CString& CMPIEngineConfig::GetRemove() const
{
    return m_strRemove;
}

CMPIEngineConfig* CMPIEngineConfig::SetMsi(CMPIMsi* pMsi)
{
    m_pMsi = pMsi;
    return this;
}

CMPIMsi* CMPIEngineConfig::GetMsi() const
{
    return m_pMsi;
}

CMPIEngineConfig* CMPIEngineConfig::SetGroup(BOOL bGroup)
{
    m_bGroup = bGroup;
    return this;
}

BOOL CMPIEngineConfig::IsGroup() const
{
    return m_bGroup;
}

CMPIEngineConfig* CMPIEngineConfig::SetTitle(LPCWSTR pszTitle)
{
    m_strTitle = pszTitle ? pszTitle : L"";
    return this;
}

const CString& CMPIEngineConfig::GetTitle() const
{
    return m_strTitle;
}

CMPIEngineConfig* CMPIEngineConfig::SetVersionText(LPCWSTR pszVersion)
{
    m_strVersionText = pszVersion ? pszVersion : L"";
    return this;
}

const CString& CMPIEngineConfig::GetVersionText() const
{
    return m_strVersionText;
}

CMPIEngineConfig* CMPIEngineConfig::AddSummaryLine(LPCWSTR pszLine)
{
    m_SummaryLines.Add(pszLine ? pszLine : L"");
    return this;
}

CString CMPIEngineConfig::GetSummaryLine(int nIndex) const
{
    return m_SummaryLines.GetAt(nIndex);
}

int CMPIEngineConfig::GetSummaryLineCount() const
{
    return m_SummaryLines.GetSize();
}
