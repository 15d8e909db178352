#include "setup/wizard/QuandelMessageBox.h"
#include "framework/CString.h"
#include "framework/Seams.h"

namespace {
const UINT kCaption = 102;
HWND g_owner = nullptr;
}

int QuandelMessageBox(const wchar_t* text, UINT type)
{
    CString caption;
    caption.LoadString(kCaption);
    HWND owner = g_owner != nullptr && IsWindow(g_owner) ? g_owner : nullptr;
    return AfxShowMessageBox(owner, text, caption, type);
}

int QuandelMessageBox(UINT textId, UINT type)
{
    CString text;
    text.LoadString(textId);
    return QuandelMessageBox(text, type);
}

void SetQuandelMessageBoxOwner(HWND owner)
{
    g_owner = owner;
}

HWND GetQuandelMessageBoxOwner()
{
    return g_owner;
}
