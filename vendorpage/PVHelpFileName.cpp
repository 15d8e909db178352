#include "vendorpage/PVHelpFileName.h"

CString GetModInfoHelpFileName(const wchar_t* helpFilePath)
{
    CString path(helpFilePath != nullptr ? helpFilePath : L"");
    int dot = path.ReverseFind(L'.');
    CString name = dot >= 0 ? path.Left(dot) : CString();
    name += L"ModInfo.hlp";
    return name;
}
