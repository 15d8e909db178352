#pragma once
// The vendor page: the vendor's information, a hyperlink to the vendor's
// address and a help button that opens the page's help topic.
#include "vendorpage/PVGeneralHyperLinkCtrl.h"
#include "vendorpage/PVPropPageEnum.h"

class CPVPageVendor : public CPVPropPageEnum
{
    DECLARE_DYNCREATE(CPVPageVendor)
public:
    CPVPageVendor();
    ~CPVPageVendor() override;

    // The page's class identifier, as registered and as matched.
    static constexpr wchar_t kClsidText[] = L"{D896E455-8923-478c-AAE7-5014AF5D8AC8}";

    // Registration callbacks: the page's class identifier, and a new
    // factory for it (count 0).
    static BOOL MatchClsid(REFCLSID clsid);
    static HRESULT CreateClassFactory(REFCLSID clsid, IClassFactory** factory);

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // Opens the page's topic in the language help file's ModInfo file.
    void OnHelp();

    CPVGeneralHyperLinkCtrl m_HyperLink;

    DECLARE_MESSAGE_MAP()
};
