#pragma once
#include "framework/CString.h"

// The vendor page's help file, from the application's language help file:
// the path cut before its last '.', followed by "ModInfo.hlp"
// (C:\Dist\SarnelleENU.hlp gives C:\Dist\SarnelleENUModInfo.hlp). A path
// without any '.' gives "ModInfo.hlp" alone.
CString GetModInfoHelpFileName(const wchar_t* helpFilePath);
