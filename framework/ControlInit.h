#pragma once
// Start-up helpers for controls that programs use in their dialogs.
#include <windows.h>

// Containers for ActiveX controls: this layer hosts none, so there is
// nothing to set up.
void AfxEnableControlContainer();
// Loads the rich-edit library (riched20.dll, class "RichEdit20W") once for
// the life of the process; FALSE when it cannot be loaded.
BOOL AfxInitRichEdit();
