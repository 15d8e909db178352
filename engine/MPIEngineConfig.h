#pragma once
// One queued package run of the engine: how the package is run (install
// from its file or reconfigure the installed product), the ADDLOCAL and
// REMOVE parts of its command line, and the texts the log shows for it.
#include "framework/CString.h"
#include "framework/Collections.h"

class CMPIMsi;

// m_Kind values
enum
{
    MPI_CONFIG_CONFIGURE = 0,  // MsiConfigureProductExW on the installed product
    MPI_CONFIG_INSTALL = 1     // MsiInstallProductW on the package file
};

class CMPIEngineConfig
{
public:
    CMPIEngineConfig();
    virtual ~CMPIEngineConfig();

    CMPIEngineConfig* SetKind(int nKind);
    int GetKind() const;
    CMPIEngineConfig* SetAddLocal(LPCWSTR pszAddLocal);
    const CString& GetAddLocal() const;
    CMPIEngineConfig* SetRemove(LPCWSTR pszRemove);
    const CString& GetRemove() const;
    CMPIEngineConfig* SetMsi(CMPIMsi* pMsi);
    CMPIMsi* GetMsi() const;
    CMPIEngineConfig* SetGroup(BOOL bGroup);
    BOOL IsGroup() const;
    CMPIEngineConfig* SetTitle(LPCWSTR pszTitle);
    const CString& GetTitle() const;
    CMPIEngineConfig* SetVersionText(LPCWSTR pszVersion);
    const CString& GetVersionText() const;
    CMPIEngineConfig* AddSummaryLine(LPCWSTR pszLine);
    CString GetSummaryLine(int nIndex) const;
    int GetSummaryLineCount() const;

    int m_Kind;
    CString m_strAddLocal;
    CString m_strRemove;
    CMPIMsi* m_pMsi;          // not owned; a CMPIGroupMsi when m_bGroup is set
    BOOL m_bGroup;
    CString m_strTitle;
    CString m_strVersionText;
    CStringArray m_SummaryLines;

private:
    CMPIEngineConfig(const CMPIEngineConfig&) = delete;
    CMPIEngineConfig& operator=(const CMPIEngineConfig&) = delete;
};
