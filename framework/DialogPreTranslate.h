#pragma once
// CDialogPreTranslate: while an object of this class lives, the modal loops
// of dialog boxes on this thread (DialogBoxParamW, message boxes) hand
// each message to AfxPreTranslateMessage first, so a dialog's and its
// controls' PreTranslateMessage see it, as in the layer's own loops.
#include <windows.h>

class CDialogPreTranslate
{
public:
    CDialogPreTranslate();
    ~CDialogPreTranslate();
    CDialogPreTranslate(const CDialogPreTranslate&) = delete;
    CDialogPreTranslate& operator=(const CDialogPreTranslate&) = delete;

private:
    HHOOK m_hHook;
};
