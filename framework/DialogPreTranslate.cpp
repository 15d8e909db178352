#include "framework/DialogPreTranslate.h"
#include "framework/AppCore.h"

namespace {

thread_local HHOOK t_hook = nullptr;

LRESULT CALLBACK MsgFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == MSGF_DIALOGBOX && lParam != 0) {
        try {
            if (AfxPreTranslateMessage(reinterpret_cast<MSG*>(lParam)))
                return TRUE;
        } catch (...) {
            // Nothing may unwind through the dialog manager.
        }
    }
    return CallNextHookEx(t_hook, code, wParam, lParam);
}

} // namespace

CDialogPreTranslate::CDialogPreTranslate()
    : m_hHook(nullptr)
{
    if (t_hook == nullptr) {
        m_hHook = SetWindowsHookExW(WH_MSGFILTER, &MsgFilterHook, nullptr, GetCurrentThreadId());
        t_hook = m_hHook;
    }
}

CDialogPreTranslate::~CDialogPreTranslate()
{
    if (m_hHook != nullptr) {
        UnhookWindowsHookEx(m_hHook);
        t_hook = nullptr;
    }
}
