#pragma once
// The disk-space dialog: the space an installation needs and the size and
// free space of the drive that receives it.
#include "framework/Dialog.h"
#include "framework/Button.h"
#include "framework/ListCtrl.h"

class CQuandelDiskSpaceDlg : public CDialog
{
public:
    // driveLetter 0 means 'C'.
    CQuandelDiskSpaceDlg(int requiredMB, wchar_t driveLetter, CWnd* pParent = NULL);
    ~CQuandelDiskSpaceDlg() override;

    // "%dMB", or "%dGB" above 10000 MiB or beyond 32 bits.
    static CString FormatSize(ULONGLONG mebibytes);
    // The drive letter of the system folder ('C' when it cannot be read).
    static wchar_t GetSystemDriveLetter();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void ListDrive();

    CListCtrl m_DriveList;        // 1027
    CButton m_OK;                 // IDOK
    CString m_strRequired;        // 1051
    int m_nRequiredMB;
    wchar_t m_chDrive;
    HIMAGELIST m_hImages;         // owned
    CFont m_Font;
};
