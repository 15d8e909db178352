#pragma once
// The common base of the wizard's pages: a page record with header title
// and subtitle and without a help button, and a question before the wizard
// is cancelled. The page helpers that the pages share come with it: the
// fonts (SetupFonts.h) and where the program runs from (SetupProgramFolder.h).
#include "framework/PropertyPage.h"
#include "framework/Button.h"
#include "framework/DDXText.h"
#include "setup/wizard/SetupFonts.h"
#include "setup/wizard/SetupProgramFolder.h"

class CQuandelWizard;

class CSetupPropertyPageEx : public CPropertyPage
{
    DECLARE_DYNAMIC(CSetupPropertyPageEx)
public:
    // The record size given to the platform: the version with header texts.
    enum { PAGE_RECORD_SIZE = 48 };
    // The template a page made by dynamic creation starts with.
    enum { DEFAULT_TEMPLATE = 100 };

    CSetupPropertyPageEx(UINT nIDTemplate, UINT nIDCaption = 0, UINT nIDHeaderTitle = 0,
                         UINT nIDHeaderSubTitle = 0);
    // For dynamic creation: the class library's default template, no texts.
    CSetupPropertyPageEx();
    // A template given by name.
    explicit CSetupPropertyPageEx(LPCWSTR lpszTemplateName, UINT nIDCaption = 0, UINT nIDHeaderTitle = 0,
                                  UINT nIDHeaderSubTitle = 0);
    ~CSetupPropertyPageEx() override;

    // Asks string 164 (Yes/No); Yes lets the wizard close.
    BOOL OnQueryCancel() override;

protected:
    // The sheet that holds the page (NULL before the page has a window or
    // when its parent is no CQuandelWizard).
    CQuandelWizard* GetWizard() const;

    // TRUE for the key or mouse-button release on the control: a check of
    // a check-box list has changed by then (press or space character).
    static BOOL IsCheckChangeDone(const MSG* pMsg, const CWnd& control);
};
