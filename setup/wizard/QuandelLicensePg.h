#pragma once
// The licence agreement, read as rich text from "License\license_XXX.rtf"
// beside the program; Next is offered only while "accept" is chosen.
#include "setup/wizard/SetupPropertyPageEx.h"
#include "ids_pages.h"
#include "ids_wizard.h"
#include "framework/RichEditCtrl.h"

class CQuandelLicensePg : public CSetupPropertyPageEx
{
public:
    CQuandelLicensePg(UINT nIDTemplate = IDD_PAGES_LICENSE, UINT nIDCaption = 0,
                      UINT nIDHeaderTitle = IDS_WZ_LICENSE_TITLE, UINT nIDHeaderSubTitle = IDS_WZ_LICENSE_SUBTITLE);
    ~CQuandelLicensePg() override;

    BOOL OnSetActive() override;
    LRESULT OnWizardBack() override;

    // The agreement file for the thread locale's language.
    static CString GetLicensePath();
    // Streams the file into the view as rich text; the bytes read in.
    static long StreamFileInto(CRichEditCtrl& view, const wchar_t* path);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void UpdateButtons();
    void OnAccept();
    void OnDecline();

    CRichEditCtrl m_Agreement;   // 1008

    DECLARE_MESSAGE_MAP()
};
