#pragma once
// The setup program's main window: a Wizard 97 sheet with the eleven pages,
// which it owns, and the three choices the pages hand to each other.
#include "framework/PropertySheet.h"

class CQuandelSrv;

// What the user chose on the maintenance page.
enum WizardAction
{
    WIZARD_ACTION_NONE = 0,
    WIZARD_ACTION_INSTALL = 1,
    WIZARD_ACTION_MODIFY = 2,
    WIZARD_ACTION_REMOVE = 3
};

// Which removal the user chose (the run mode: GetRemovalRunMode).
enum RemovalKind
{
    REMOVAL_KIND_MODULES = 0,
    REMOVAL_KIND_GROUPS = 1,
    REMOVAL_KIND_ALL = 2
};

class CQuandelWizard : public CPropertySheet
{
    DECLARE_DYNAMIC(CQuandelWizard)
public:
    enum { PAGE_COUNT = 11, ICON_ID = 128 };

    CQuandelWizard(CQuandelSrv* pSrv, UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0,
                   HBITMAP hbmWatermark = nullptr, HPALETTE hpalWatermark = nullptr, HBITMAP hbmHeader = nullptr);
    CQuandelWizard(CQuandelSrv* pSrv, const wchar_t* caption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0,
                   HBITMAP hbmWatermark = nullptr, HPALETTE hpalWatermark = nullptr, HBITMAP hbmHeader = nullptr);
    // Deletes the pages when the window never existed (or DestroyWindow did not run).
    ~CQuandelWizard() override;

    int GetAction() const { return m_nAction; }
    void SetAction(int action) { m_nAction = action; }
    int GetRemovalKind() const { return m_nRemovalKind; }
    void SetRemovalKind(int kind) { m_nRemovalKind = kind; }
    int GetRunStatus() const { return m_nRunStatus; }
    void SetRunStatus(int status) { m_nRunStatus = status; }
    CQuandelSrv* GetService() const { return m_pSrv; }

    // Icon 128 as big and small icon; the welcome page active once more.
    BOOL OnInitDialog() override;
    // Deletes every page (which destroys its window), then the sheet window.
    BOOL DestroyWindow() override;

protected:
    void Construct(CQuandelSrv* pSrv);
    void DeletePages();

    CQuandelSrv* m_pSrv;   // not owned
    int m_nRemovalKind;
    int m_nAction;
    int m_nRunStatus;
};
