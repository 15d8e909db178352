#include "framework/DDXText.h"
#include <vector>

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        int length = ::GetWindowTextLengthW(control);
        std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
        ::GetWindowTextW(control, buffer.data(), length + 1);
        value = buffer.data();
    } else {
        ::SetWindowTextW(control, value);
    }
}

namespace {

bool IsRadioButton(HWND wnd)
{
    if (::SendMessageW(wnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)
        return true;
    DWORD type = static_cast<DWORD>(::GetWindowLongW(wnd, GWL_STYLE)) & BS_TYPEMASK;
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

} // namespace

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND first = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int index = 0;
    for (HWND wnd = first; wnd != nullptr; wnd = ::GetWindow(wnd, GW_HWNDNEXT)) {
        if (wnd != first && (::GetWindowLongW(wnd, GWL_STYLE) & WS_GROUP))
            break;
        if (!IsRadioButton(wnd))
            continue;
        if (pDX->m_bSaveAndValidate) {
            if (::SendMessageW(wnd, BM_GETCHECK, 0, 0) == BST_CHECKED)
                value = index;
        } else {
            ::SendMessageW(wnd, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++index;
    }
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageW(control, BM_GETCHECK, 0, 0));
    else
        ::SendMessageW(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}
