// The log lines of a run: its start and end, and for every queued package
// its start, its module summary and its end or failure. The setup and core
// packages read as one step: one start line before the first of them and
// one end line after the last, while a failure of either shows at once.
#include "setup/service/QuandelEngine.h"
#include "engine/MPIDefs.h"
#include "engine/MPIGroupTexts.h"
#include "setup/service/QuandelGroupMsi.h"
#include "setup/service/QuandelModule.h"
#include "resources/quandel/ids_service.h"

namespace
{
CString LoadText(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

// A template with the title and version of a group config.
CString GroupText(UINT id, const CMPIEngineConfig* pConfig)
{
    CString text;
    text.FormatMessage(id, pConfig->GetTitle().GetString(), pConfig->GetVersionText().GetString());
    return text;
}

// A template with the version of a setup or core config.
CString VersionText(UINT id, const CMPIEngineConfig* pConfig)
{
    CString text;
    text.FormatMessage(id, pConfig->GetVersionText().GetString());
    return text;
}
}

void CQuandelEngine::LogIfAny(const CString& strText, BOOL bEmptyLineAfter)
{
    if (strText.IsEmpty())
        return;
    AddMessage(strText);
    if (bEmptyLineAfter)
        AddMessage(L"");
}

int CQuandelEngine::OnRunStart()
{
    int r = AddMessage(LoadText(IDS_SRV_RUN_START));
    if (r >= 0)
        r = AddMessage(L"");
    if (r >= 0)
        EnableLog(TRUE);
    return r;
}

int CQuandelEngine::PrepareConfig(CMPIEngineConfig* pConfig)
{
    if (pConfig == NULL || pConfig->GetMsi() == NULL)
        return 0;
    const int source = IsInstallMode(m_Mode) ? 0 : 1;
    CMPIMsi* pMsi = pConfig->GetMsi();
    pConfig->SetVersionText(pMsi->GetProductVersion(source));
    if (!pConfig->IsGroup())
        return 0;

    CQuandelGroupMsi* pGroup = dynamic_cast<CQuandelGroupMsi*>(pMsi);
    if (pGroup == NULL)
        return 0;
    // The title and the module lines share one open of the side.
    CMPIGroupTexts texts(*pGroup);
    pConfig->SetTitle(pGroup->GetVendorPlusGroupName(source));
    for (int i = 0; i < static_cast<int>(pGroup->GetModuleCount()); ++i)
    {
        CQuandelModule* pModule = pGroup->GetModule(i);
        if (pModule == NULL || !pModule->NeedsAction(m_Mode))
            continue;
        CString line;
        line.Format(L"\t%s: %s", pModule->GetCatalogNumber().GetString(),
                    pModule->GetDescription(source).GetString());
        pConfig->AddSummaryLine(line);
    }
    return 0;
}

int CQuandelEngine::OnPackageStart(CMPIEngineConfig* pConfig, int nIndex)
{
    if (pConfig == NULL)
        return 0;
    const BOOL bInstall = IsInstallMode(m_Mode);
    CString text;
    if (pConfig->IsGroup())
        text = GroupText(bInstall ? IDS_SRV_GROUP_INSTALL_START : IDS_SRV_GROUP_REMOVE_START, pConfig);
    else if (nIndex == 0)
        text = VersionText(bInstall ? IDS_SRV_BASE_INSTALL_START : IDS_SRV_BASE_REMOVE_START, pConfig);
    LogIfAny(text, FALSE);
    return 0;
}

int CQuandelEngine::OnPackageEnd(CMPIEngineConfig* pConfig, int nIndex, int nResult)
{
    if (pConfig == NULL)
        return 0;
    const BOOL bInstall = IsInstallMode(m_Mode);
    CString text;
    if (pConfig->IsGroup())
    {
        if (nResult != 0)
        {
            text = GroupText(bInstall ? IDS_SRV_GROUP_INSTALL_FAILED : IDS_SRV_GROUP_REMOVE_FAILED, pConfig);
        }
        else
        {
            for (int i = 0; i < pConfig->GetSummaryLineCount(); ++i)
                AddMessage(pConfig->GetSummaryLine(i));
            text = GroupText(bInstall ? IDS_SRV_GROUP_INSTALL_DONE : IDS_SRV_GROUP_REMOVE_DONE, pConfig);
        }
    }
    else if (nResult != 0)
    {
        text = VersionText(bInstall ? IDS_SRV_BASE_INSTALL_FAILED : IDS_SRV_BASE_REMOVE_FAILED, pConfig);
    }
    else if (nIndex + 1 == m_nNonGroupCount)
    {
        text = VersionText(bInstall ? IDS_SRV_BASE_INSTALL_DONE : IDS_SRV_BASE_REMOVE_DONE, pConfig);
    }
    LogIfAny(text, TRUE);
    return 0;
}

int CQuandelEngine::OnPackageSuccess(CMPIEngineConfig*)
{
    return 0;
}

int CQuandelEngine::OnRunEnd(int)
{
    return AddMessage(LoadText(IDS_SRV_RUN_END));
}
