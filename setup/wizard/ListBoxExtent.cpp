#include "setup/wizard/ListBoxExtent.h"

namespace
{
// Room for the item margins the list box draws on each side.
const int kItemMargins = 6;

// A device context of the list with the list's font selected, and the tab
// stop in pixels.
class CRowMeasure
{
public:
    CRowMeasure(CListBox& list, int tabStopDlu) : m_hWnd(list.GetSafeHwnd())
    {
        m_dc = m_hWnd != NULL ? ::GetDC(m_hWnd) : NULL;
        if (m_dc == NULL)
            return;
        HFONT font = reinterpret_cast<HFONT>(list.SendMessage(WM_GETFONT));
        m_old = font != NULL ? ::SelectObject(m_dc, font) : NULL;
        // List-box tab stops count in quarters of the font's average width.
        if (tabStopDlu > 0)
        {
            TEXTMETRICW tm = {};
            ::GetTextMetricsW(m_dc, &tm);
            m_tabPixels = MulDiv(tabStopDlu, tm.tmAveCharWidth, 4);
        }
    }
    ~CRowMeasure()
    {
        if (m_dc == NULL)
            return;
        if (m_old != NULL)
            ::SelectObject(m_dc, m_old);
        ::ReleaseDC(m_hWnd, m_dc);
    }
    CRowMeasure(const CRowMeasure&) = delete;
    CRowMeasure& operator=(const CRowMeasure&) = delete;

    bool IsValid() const { return m_dc != NULL; }

    int Width(const wchar_t* text, int length) const
    {
        if (m_tabPixels > 0)
            return LOWORD(::GetTabbedTextExtentW(m_dc, text, length, 1, &m_tabPixels));
        SIZE size = {};
        ::GetTextExtentPoint32W(m_dc, text, length, &size);
        return size.cx;
    }

private:
    HWND m_hWnd;
    HDC m_dc = NULL;
    HGDIOBJ m_old = NULL;
    int m_tabPixels = 0;
};
}

int MeasureListBoxExtent(CListBox& list, int tabStopDlu)
{
    CRowMeasure measure(list, tabStopDlu);
    if (!measure.IsValid())
        return 0;
    int widest = 0;
    const int count = list.GetCount();
    for (int i = 0; i < count; ++i)
    {
        CString text;
        list.GetText(i, text);
        const int width = measure.Width(text, text.GetLength());
        if (width > widest)
            widest = width;
    }
    return widest > 0 ? widest + kItemMargins : 0;
}

int UpdateListBoxExtent(CListBox& list, int tabStopDlu)
{
    const int width = MeasureListBoxExtent(list, tabStopDlu);
    list.SetHorizontalExtent(width);
    return width;
}

int WidenListBoxExtent(CListBox& list, const wchar_t* row, int tabStopDlu)
{
    const int current = list.GetHorizontalExtent();
    CRowMeasure measure(list, tabStopDlu);
    if (!measure.IsValid() || row == NULL || *row == L'\0')
        return current;
    const int needed = measure.Width(row, lstrlenW(row)) + kItemMargins;
    if (needed <= current)
        return current;
    list.SetHorizontalExtent(needed);
    return needed;
}
