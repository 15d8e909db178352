#include "setup/wizard/QuandelModuleDetailsListBox.h"
#include "setup/wizard/ListBoxExtent.h"
#include "setup/service/QuandelSrv.h"
#include "setup/service/QuandelGroupMsi.h"
#include "setup/service/QuandelModule.h"
#include "ids_pages.h"

namespace
{
const int kTabStopDlu = 16;
}

CQuandelModuleDetailsListBox::CQuandelModuleDetailsListBox(int nMode) : m_nMode(nMode), m_pSrv(NULL) {}

CQuandelModuleDetailsListBox::CQuandelModuleDetailsListBox(CQuandelSrv* pSrv, int nMode)
    : m_nMode(nMode), m_pSrv(pSrv)
{
}

CQuandelModuleDetailsListBox::~CQuandelModuleDetailsListBox() = default;

BOOL CQuandelModuleDetailsListBox::Prepare()
{
    SetTabStops(kTabStopDlu);
    if (m_pSrv == NULL)
        return FALSE;
    ResetContent();
    return TRUE;
}

void CQuandelModuleDetailsListBox::AddRow(UINT id)
{
    CString text;
    text.LoadString(id);
    AddString(text);
}

void CQuandelModuleDetailsListBox::AddValue(const CString& value)
{
    AddString(CString(L'\t') + value);
}

void CQuandelModuleDetailsListBox::AddFormatted(UINT id, const CString& arg)
{
    CString text;
    text.FormatMessage(id, static_cast<const wchar_t*>(arg));
    AddString(text);
}

void CQuandelModuleDetailsListBox::Finish()
{
    UpdateListBoxExtent(*this, kTabStopDlu);
    SetCurSel(-1);
}

void CQuandelModuleDetailsListBox::ShowNothing()
{
    if (!Prepare())
        return;
    Finish();
}

void CQuandelModuleDetailsListBox::ShowGroup(int groupIndex, int source)
{
    if (!Prepare())
        return;
    CQuandelGroupMsi* group = groupIndex >= 0 ? m_pSrv->GetMsi(groupIndex) : NULL;
    if (group == NULL)
    {
        Finish();
        return;
    }

    AddRow(IDS_PAGES_LBL_GROUP);
    AddValue(group->GetVendorPlusGroupName(source));

    if (m_nMode == 1 && group->HasPackage() == 1)
    {
        AddRow(IDS_PAGES_LBL_VERSION);
        AddValue(group->GetProductVersion(source));
    }

    AddRow(IDS_PAGES_LBL_STATUS);
    // The installed version, also when the rows show the package file.
    if (group->IsInstalled() == 1)
        AddFormatted(IDS_PAGES_ST_INSTALLED, group->GetProductVersion(1));
    else
        AddRow(IDS_PAGES_ST_NOT_INSTALLED);

    if (source == 0 && group->HasPackage() == 1)
    {
        AddRow(IDS_PAGES_LBL_MINCORE);
        AddValue(group->GetMinCoreVersion());

        // The core package this group needs, when the group flags it.
        if (group->GetCoreVersionFlag() != 0)
        {
            AddRow(IDS_PAGES_LBL_CORE);
            CMPIMsi* core = m_pSrv->GetCoreMsi();
            if (core == NULL)
                AddRow(IDS_PAGES_CORE_NONE);
            else
            {
                if (core->IsInstalled() == 1)
                    AddFormatted(IDS_PAGES_CORE_INSTALLED, core->GetProductVersion(1));
                if (core->HasPackage() == 1)
                    AddFormatted(IDS_PAGES_CORE_PACKAGE, core->GetProductVersion(0));
            }
        }
    }
    Finish();
}

void CQuandelModuleDetailsListBox::ShowModule(int groupIndex, int moduleIndex, int source)
{
    if (!Prepare())
        return;
    CQuandelGroupMsi* group = groupIndex >= 0 ? m_pSrv->GetMsi(groupIndex) : NULL;
    CQuandelModule* module = (group != NULL && moduleIndex >= 0) ? group->GetModule(moduleIndex) : NULL;
    if (module == NULL)
    {
        Finish();
        return;
    }

    AddRow(IDS_PAGES_LBL_CATALOG);
    AddValue(module->GetCatalogNumber());

    AddRow(IDS_PAGES_LBL_DESCRIPTION);
    AddValue(module->GetDescription(source));

    if (!module->IsGeneric())
    {
        AddRow(IDS_PAGES_LBL_VENDOR);
        AddValue(group->GetModuleVendorRef());
        if (module->HasFWSeries(0))
        {
            AddRow(IDS_PAGES_LBL_FWSERIES);
            AddValue(module->GetFWSeries(source));
        }
        if (module->HasFWMajRev(source))
        {
            AddRow(IDS_PAGES_LBL_FWREV);
            AddValue(module->GetFWMajRev(source));
        }
    }

    AddRow(IDS_PAGES_LBL_COMPATIBLE);
    AddValue(module->GetCompatibleVersions(source));

    if (m_nMode == 1)
    {
        AddRow(IDS_PAGES_LBL_VERSION);
        AddValue(group->GetProductVersion(source));
    }

    AddRow(IDS_PAGES_LBL_STATUS);
    if (module->IsInstalled() == 1)
        AddFormatted(IDS_PAGES_ST_INSTALLED, group->GetProductVersion(1));
    else if (module->IsAbsent() == 1)
        AddRow(IDS_PAGES_ST_NOT_INSTALLED);
    else if (module->IsInstallable() == 1)
        AddRow(IDS_PAGES_ST_INSTALLABLE);
    else
        AddRow(IDS_PAGES_ST_UNAVAILABLE);
    Finish();
}
