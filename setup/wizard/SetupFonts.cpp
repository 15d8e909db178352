#include "setup/wizard/SetupFonts.h"

int GetSetupFontHeight(SetupFontKind kind, int logPixelsY)
{
    // The 9-point fonts add 1 after the division (-11 at 96 dpi), the
    // title font does not (-13 at 96 dpi).
    if (kind == SETUP_FONT_TITLE)
        return -(logPixelsY * 10 / 72);
    return 1 - (logPixelsY * 9 / 72);
}

int GetSetupFontWeight(SetupFontKind kind)
{
    return kind == SETUP_FONT_DIALOG ? FW_NORMAL : FW_BOLD;
}

BOOL CreateSetupFont(CWnd* wnd, SetupFontKind kind, CFont& font)
{
    NONCLIENTMETRICSW metrics;
    ZeroMemory(&metrics, sizeof(metrics));
    // The record without the later padded-border field.
    metrics.cbSize = 500;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    LOGFONTW logFont = metrics.lfMessageFont;

    int logPixelsY = 96;
    HWND hWnd = wnd != nullptr ? wnd->GetSafeHwnd() : nullptr;
    if (HDC dc = GetDC(hWnd)) {
        logPixelsY = GetDeviceCaps(dc, LOGPIXELSY);
        ReleaseDC(hWnd, dc);
    }
    logFont.lfWeight = GetSetupFontWeight(kind);
    logFont.lfHeight = GetSetupFontHeight(kind, logPixelsY);
    return font.CreateFontIndirect(&logFont);
}
