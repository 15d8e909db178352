#include "vendorpage/PVPageVendor.h"
#include "framework/Seams.h"
#include "resources/sarnelle/ids_vendorpage.h"
#include "vendorpage/PVFormatGuid.h"
#include "vendorpage/PVHelpFileName.h"
#include "vendorpage/PVPropPageClassFactory.h"
#include <wchar.h>

IMPLEMENT_DYNCREATE(CPVPageVendor, CPVPropPageEnum)

BEGIN_MESSAGE_MAP(CPVPageVendor, CPVPropPageEnum)
    ON_COMMAND(IDC_PVPAGE_HELP, &CPVPageVendor::OnHelp)
END_MESSAGE_MAP()

CPVPageVendor::CPVPageVendor()
    : CPVPropPageEnum(IDD_PVPAGE_VENDOR),
      m_HyperLink(IDD_PVHYPERLINK_ERROR, IDC_PVHYPERLINK_ICON, IDC_PVHYPERLINK_ADDRESS)
{
    m_psp.dwFlags |= PSP_HASHELP;
}

CPVPageVendor::~CPVPageVendor()
{
}

BOOL CPVPageVendor::MatchClsid(REFCLSID clsid)
{
    wchar_t text[128];
    FormatGuid(clsid, text);
    return _wcsicmp(text, kClsidText) == 0;
}

HRESULT CPVPageVendor::CreateClassFactory(REFCLSID clsid, IClassFactory** factory)
{
    try
    {
        *factory = new CPVPropPageClassFactory<CPVPageVendor>(clsid);
    }
    catch (const std::bad_alloc&)
    {
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

void CPVPageVendor::DoDataExchange(CDataExchange* pDX)
{
    CPVPropPageEnum::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PVPAGE_HYPERLINK, m_HyperLink);
}

BOOL CPVPageVendor::OnInitDialog()
{
    BOOL result = CPVPropPageEnum::OnInitDialog();
    static_cast<IPVPropPageEnum*>(this)->SetInitialFocus(GetDlgItem(IDC_PVPAGE_HELP));
    return result;
}

void CPVPageVendor::OnHelp()
{
    CWinApp* app = AfxGetApp();
    // Without a language help file there is no topic to open.
    if (app == nullptr || app->m_pszHelpFilePath == nullptr || *app->m_pszHelpFilePath == L'\0')
        return;
    CString helpFile = GetModInfoHelpFileName(app->m_pszHelpFilePath);
    AfxWinHelp(m_hWnd, helpFile, HELP_CONTEXT, PVPAGE_VENDOR_HELP_CONTEXT);
}
