#pragma once
#include <windows.h>

// Writes a GUID in registry form, "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"
// with upper-case hex digits: 38 characters and a terminator, so the
// buffer must hold at least 39.
void FormatGuid(REFGUID guid, wchar_t* buffer);
