#pragma once
// The fonts of the wizard pages and the setup program's dialogs, made from
// the system's message font at the resolution of the window that uses them.
#include "framework/Wnd.h"

enum SetupFontKind
{
    SETUP_FONT_BOLD,    // bold 9 point: the choices of the maintenance and type pages
    SETUP_FONT_TITLE,   // bold 10 point: the titles of the welcome and finish pages
    SETUP_FONT_DIALOG   // normal 9 point: the details and disk-space dialogs
};

// lfHeight of the font at logPixelsY dots per inch.
int GetSetupFontHeight(SetupFontKind kind, int logPixelsY);
// lfWeight of the font.
int GetSetupFontWeight(SetupFontKind kind);

// Creates the font into font for the window wnd (its own device context
// gives the resolution). FALSE when the font cannot be made.
BOOL CreateSetupFont(CWnd* wnd, SetupFontKind kind, CFont& font);
