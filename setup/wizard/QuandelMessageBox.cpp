#include "setup/wizard/QuandelMessageBox.h"
#include "framework/CString.h"
#include "framework/Seams.h"
#include "ids_startup.h"

int QuandelMessageBox(const wchar_t* text, UINT type)
{
    CString caption;
    caption.LoadString(IDS_QUANDEL_WIZARD_CAPTION);
    // No owner of its own: the seam gives the box to the registered sheet.
    return AfxShowMessageBox(nullptr, text, caption, type);
}

int QuandelMessageBox(UINT textId, UINT type)
{
    CString text;
    text.LoadString(textId);
    return QuandelMessageBox(text, type);
}

void SetQuandelMessageBoxOwner(HWND owner)
{
    AfxSetMessageBoxOwner(owner);
}

HWND GetQuandelMessageBoxOwner()
{
    return AfxGetMessageBoxOwner();
}
