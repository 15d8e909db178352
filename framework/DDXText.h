#pragma once
// Exchange of texts, radio groups and check boxes between a window's
// controls and its members (used inside DoDataExchange).
#include "framework/DataExchange.h"

// The control's window text and a string member.
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// A group of radio buttons starting at nIDC (up to the next WS_GROUP) and
// the index of the checked one, -1 for none.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
// A check box and its state (0, 1, 2 for indeterminate).
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
