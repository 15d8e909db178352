#pragma once
// CPropertySheet: a property sheet or wizard holding CPropertyPage objects.
//
// DoModal creates the sheet modeless (PSH_MODELESS) and runs this layer's
// own modal loop, so that
//   - the sheet window is subclassed to the object while it is created
//     (its WM_INITDIALOG reaches OnInitDialog),
//   - every message of the loop goes through PreTranslateMessage of the
//     control, its page and the sheet (AfxPreTranslateMessage) before the
//     sheet's dialog navigation,
//   - the sheet ends through the virtual DestroyWindow, which a derived
//     sheet may override (to delete its pages, for instance).
// The owner window is disabled while the loop runs. The sheet is done when
// the platform has no current page any more (PSM_GETCURRENTPAGEHWND gives
// NULL): DoModal answers ID_WIZFINISH (IDOK for a plain sheet) when Finish
// or OK ended it, else IDCANCEL.
#include "framework/Wnd.h"
#include <prsht.h>
#include <vector>

// The wizard's buttons, as command ids of the sheet.
#ifndef ID_WIZBACK
#define ID_WIZBACK 0x3023
#define ID_WIZNEXT 0x3024
#define ID_WIZFINISH 0x3025
#endif

class CPropertyPage;

class CPropertySheet : public CWnd
{
    DECLARE_DYNAMIC(CPropertySheet)
public:
    CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0,
                   HBITMAP hbmWatermark = nullptr, HPALETTE hpalWatermark = nullptr, HBITMAP hbmHeader = nullptr);
    CPropertySheet(const wchar_t* caption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0,
                   HBITMAP hbmWatermark = nullptr, HPALETTE hpalWatermark = nullptr, HBITMAP hbmHeader = nullptr);
    ~CPropertySheet() override;

    // Pages are not owned by the sheet; they must outlive its window.
    void AddPage(CPropertyPage* page);
    int GetPageCount() const;
    CPropertyPage* GetPage(int index) const;
    int GetPageIndex(const CPropertyPage* page) const;

    void SetWizardMode();
    BOOL IsWizard() const;
    void SetTitle(const wchar_t* title);

    // Runs the sheet; ID_WIZFINISH / IDOK or IDCANCEL, -1 when it could not be created.
    virtual INT_PTR DoModal();

    BOOL SetActivePage(int index);
    BOOL SetActivePage(CPropertyPage* page);
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    // PSWIZB_BACK, PSWIZB_NEXT, PSWIZB_FINISH, PSWIZB_DISABLEDFINISH.
    void SetWizardButtons(DWORD flags);
    // PSBTN_BACK, PSBTN_NEXT, PSBTN_FINISH, PSBTN_CANCEL ...
    BOOL PressButton(int button);

    // The sheet's WM_INITDIALOG: the platform's initialisation; its result.
    virtual BOOL OnInitDialog();
    BOOL DestroyWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    PROPSHEETHEADERW m_psh;

protected:
    void CommonConstruct(CWnd* pParentWnd, UINT iSelectPage, HBITMAP hbmWatermark, HPALETTE hpalWatermark,
                         HBITMAP hbmHeader);
    // TRUE while the platform still shows a page.
    BOOL IsRunning() const;

    CString m_strCaption;
    CWnd* m_pParentWnd = nullptr;
    std::vector<CPropertyPage*> m_pages;
    INT_PTR m_nModalResult = IDCANCEL;
};
