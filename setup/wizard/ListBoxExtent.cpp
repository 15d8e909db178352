#include "setup/wizard/ListBoxExtent.h"

int MeasureListBoxExtent(CListBox& list, int tabStopDlu)
{
    if (list.GetSafeHwnd() == NULL)
        return 0;
    HDC dc = ::GetDC(list.m_hWnd);
    if (dc == NULL)
        return 0;
    HFONT font = reinterpret_cast<HFONT>(list.SendMessage(WM_GETFONT));
    HGDIOBJ old = font != NULL ? ::SelectObject(dc, font) : NULL;

    // List-box tab stops count in quarters of the font's average width.
    int tabPixels = 0;
    if (tabStopDlu > 0)
    {
        TEXTMETRICW tm = {};
        ::GetTextMetricsW(dc, &tm);
        tabPixels = MulDiv(tabStopDlu, tm.tmAveCharWidth, 4);
    }
    int widest = 0;
    const int count = list.GetCount();
    for (int i = 0; i < count; ++i)
    {
        CString text;
        list.GetText(i, text);
        int width = 0;
        if (tabPixels > 0)
            width = LOWORD(::GetTabbedTextExtentW(dc, text, text.GetLength(), 1, &tabPixels));
        else
        {
            SIZE size = {};
            ::GetTextExtentPoint32W(dc, text, text.GetLength(), &size);
            width = size.cx;
        }
        if (width > widest)
            widest = width;
    }
    if (old != NULL)
        ::SelectObject(dc, old);
    ::ReleaseDC(list.m_hWnd, dc);
    // Room for the item margins the list box draws on each side.
    return widest > 0 ? widest + 6 : 0;
}

int UpdateListBoxExtent(CListBox& list, int tabStopDlu)
{
    const int width = MeasureListBoxExtent(list, tabStopDlu);
    list.SetHorizontalExtent(width);
    return width;
}
