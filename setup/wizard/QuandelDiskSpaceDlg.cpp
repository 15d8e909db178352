#include "setup/wizard/QuandelDiskSpaceDlg.h"
#include "setup/wizard/SetupFonts.h"
#include "framework/DDXText.h"
#include "framework/WaitCursor.h"
#include "ids_pages.h"
#include <wctype.h>

namespace
{
const int kColumnWidth = 150;
const ULONGLONG kMiB = 1048576;
}

CQuandelDiskSpaceDlg::CQuandelDiskSpaceDlg(int requiredMB, wchar_t driveLetter, CWnd* pParent)
    : CDialog(IDD_PAGES_DISKSPACE, pParent),
      m_nRequiredMB(requiredMB),
      m_chDrive(driveLetter != 0 ? driveLetter : L'C'),
      m_hImages(NULL)
{
}

CQuandelDiskSpaceDlg::~CQuandelDiskSpaceDlg()
{
    // The list view shares the image list (LVS_SHAREIMAGELISTS): it is ours.
    if (m_hImages != NULL)
        ImageList_Destroy(m_hImages);
}

void CQuandelDiskSpaceDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PAGES_DRIVE_LIST, m_DriveList);
    DDX_Control(pDX, IDOK, m_OK);
    DDX_Text(pDX, IDC_PAGES_SPACE, m_strRequired);
}

CString CQuandelDiskSpaceDlg::FormatSize(ULONGLONG mebibytes)
{
    CString text;
    if (mebibytes > 10000 || mebibytes > 0xFFFFFFFFull)
        text.Format(L"%uGB", static_cast<unsigned>(mebibytes / 1024));
    else
        text.Format(L"%uMB", static_cast<unsigned>(mebibytes));
    return text;
}

wchar_t CQuandelDiskSpaceDlg::GetSystemDriveLetter()
{
    wchar_t folder[MAX_PATH] = L"";
    if (::GetWindowsDirectoryW(folder, MAX_PATH) == 0 || folder[1] != L':')
        return L'C';
    return static_cast<wchar_t>(towupper(folder[0]));
}

BOOL CQuandelDiskSpaceDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (CreateSetupFont(this, SETUP_FONT_DIALOG, m_Font))
    {
        m_DriveList.SetFont(&m_Font);
        m_OK.SetFont(&m_Font);
        CWnd* text = GetDlgItem(IDC_PAGES_SPACE);
        if (text != NULL)
            text->SetFont(&m_Font);
    }

    CWaitCursor wait;
    m_hImages = ImageList_LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDB_PAGES_DRIVES), 16, 0,
                                     RGB(255, 255, 255), IMAGE_BITMAP, 0);
    if (m_hImages != NULL)
        m_DriveList.SetImageList(m_hImages, LVSIL_SMALL);
    m_DriveList.SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
    const UINT headings[] = {IDS_PAGES_DISK_DRIVE, IDS_PAGES_DISK_TOTAL, IDS_PAGES_DISK_FREE};
    for (int i = 0; i < 3; ++i)
    {
        CString heading;
        heading.LoadString(headings[i]);
        m_DriveList.InsertColumn(i, heading, LVCFMT_LEFT, kColumnWidth, i);
    }
    ListDrive();
    m_strRequired.FormatMessage(IDS_PAGES_DISK_REQUIRED, m_nRequiredMB);
    UpdateData(FALSE);
    return TRUE;
}

void CQuandelDiskSpaceDlg::ListDrive()
{
    wchar_t roots[260] = {};
    const DWORD n = ::GetLogicalDriveStringsW(259, roots);
    for (DWORD i = 0; i + 3 < n && i < 256; i += 4)
    {
        const wchar_t* root = &roots[i];
        if (towupper(root[0]) != towupper(m_chDrive))
            continue;
        const UINT type = ::GetDriveTypeW(root);
        if (type != DRIVE_FIXED && type != DRIVE_REMOTE && type != DRIVE_REMOVABLE)
            continue;
        ULARGE_INTEGER available = {}, total = {}, free = {};
        if (!::GetDiskFreeSpaceExW(root, &available, &total, &free))
            continue;
        const int row = m_DriveList.InsertItem(0, root, type == DRIVE_REMOTE ? 1 : 0);
        m_DriveList.SetItemText(row, 1, FormatSize(total.QuadPart / kMiB));
        m_DriveList.SetItemText(row, 2, FormatSize(free.QuadPart / kMiB));
    }
}
