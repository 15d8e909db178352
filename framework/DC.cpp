#include "framework/DC.h"
#include "framework/TempMap.h"
#include "framework/Wnd.h"

CDC::~CDC()
{
    DeleteDC();
}

BOOL CDC::Attach(HDC hDC)
{
    if (hDC == nullptr || m_hDC != nullptr)
        return FALSE;
    m_hDC = hDC;
    return TRUE;
}

HDC CDC::Detach()
{
    HDC h = m_hDC;
    m_hDC = nullptr;
    m_bCreated = false;
    return h;
}

CDC* CDC::FromHandle(HDC hDC)
{
    if (hDC == nullptr)
        return nullptr;
    return TTempHandleMap<HDC, CDC>::Instance().Get(hDC, [](HDC h) {
        CDC* dc = new CDC;
        dc->m_hDC = h;
        return dc;
    });
}

BOOL CDC::CreateCompatibleDC(CDC* dc)
{
    if (m_hDC != nullptr)
        return FALSE;
    m_hDC = ::CreateCompatibleDC(dc != nullptr ? dc->m_hDC : nullptr);
    m_bCreated = m_hDC != nullptr;
    return m_bCreated;
}

BOOL CDC::DeleteDC()
{
    if (!m_bCreated || m_hDC == nullptr)
        return FALSE;
    return ::DeleteDC(Detach());
}

CPen* CDC::SelectObject(CPen* pen)
{
    if (pen == nullptr || pen->m_hObject == nullptr)
        return nullptr;
    return CPen::FromHandle(static_cast<HPEN>(::SelectObject(m_hDC, pen->m_hObject)));
}

CBrush* CDC::SelectObject(CBrush* brush)
{
    if (brush == nullptr || brush->m_hObject == nullptr)
        return nullptr;
    return CBrush::FromHandle(static_cast<HBRUSH>(::SelectObject(m_hDC, brush->m_hObject)));
}

CFont* CDC::SelectObject(CFont* font)
{
    if (font == nullptr || font->m_hObject == nullptr)
        return nullptr;
    return CFont::FromHandle(static_cast<HFONT>(::SelectObject(m_hDC, font->m_hObject)));
}

CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    if (bitmap == nullptr || bitmap->m_hObject == nullptr)
        return nullptr;
    return CBitmap::FromHandle(static_cast<HBITMAP>(::SelectObject(m_hDC, bitmap->m_hObject)));
}

HGDIOBJ CDC::SelectObject(HGDIOBJ object)
{
    return ::SelectObject(m_hDC, object);
}

HGDIOBJ CDC::SelectStockObject(int index)
{
    return ::SelectObject(m_hDC, ::GetStockObject(index));
}

int CDC::SaveDC()
{
    return ::SaveDC(m_hDC);
}

BOOL CDC::RestoreDC(int saved)
{
    return ::RestoreDC(m_hDC, saved);
}

COLORREF CDC::SetTextColor(COLORREF color)
{
    return ::SetTextColor(m_hDC, color);
}

COLORREF CDC::SetBkColor(COLORREF color)
{
    return ::SetBkColor(m_hDC, color);
}

int CDC::SetBkMode(int mode)
{
    return ::SetBkMode(m_hDC, mode);
}

int CDC::GetDeviceCaps(int index) const
{
    return ::GetDeviceCaps(m_hDC, index);
}

CPoint CDC::MoveTo(int x, int y)
{
    POINT old = { 0, 0 };
    ::MoveToEx(m_hDC, x, y, &old);
    return CPoint(old);
}

BOOL CDC::LineTo(int x, int y)
{
    return ::LineTo(m_hDC, x, y);
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF color)
{
    COLORREF old = ::SetBkColor(m_hDC, color);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color)
{
    RECT r = { x, y, x + cx, y + cy };
    FillSolidRect(&r, color);
}

void CDC::FillRect(LPCRECT rect, CBrush* brush)
{
    if (brush != nullptr)
        ::FillRect(m_hDC, rect, static_cast<HBRUSH>(brush->m_hObject));
}

void CDC::DrawFocusRect(LPCRECT rect)
{
    ::DrawFocusRect(m_hDC, rect);
}

BOOL CDC::Rectangle(LPCRECT rect)
{
    return ::Rectangle(m_hDC, rect->left, rect->top, rect->right, rect->bottom);
}

int CDC::DrawText(const wchar_t* text, int count, LPRECT rect, UINT format)
{
    return ::DrawTextW(m_hDC, text, count, rect, format);
}

int CDC::DrawText(const CString& text, LPRECT rect, UINT format)
{
    return ::DrawTextW(m_hDC, text.GetString(), text.GetLength(), rect, format);
}

BOOL CDC::TextOut(int x, int y, const CString& text)
{
    return ::TextOutW(m_hDC, x, y, text.GetString(), text.GetLength());
}

CSize CDC::GetTextExtent(const wchar_t* text, int count) const
{
    SIZE size = { 0, 0 };
    ::GetTextExtentPoint32W(m_hDC, text, count, &size);
    return CSize(size);
}

CSize CDC::GetTextExtent(const CString& text) const
{
    return GetTextExtent(text.GetString(), text.GetLength());
}

BOOL CDC::GetTextMetrics(TEXTMETRICW* metrics) const
{
    return ::GetTextMetricsW(m_hDC, metrics);
}

COLORREF CDC::GetPixel(int x, int y) const
{
    return ::GetPixel(m_hDC, x, y);
}

COLORREF CDC::SetPixel(int x, int y, COLORREF color)
{
    return ::SetPixel(m_hDC, x, y, color);
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, DWORD rop)
{
    return ::BitBlt(m_hDC, x, y, width, height, source != nullptr ? source->m_hDC : nullptr, xSrc, ySrc, rop);
}

int CDC::IntersectClipRect(LPCRECT rect)
{
    return ::IntersectClipRect(m_hDC, rect->left, rect->top, rect->right, rect->bottom);
}

CClientDC::CClientDC(CWnd* wnd) : m_hWnd(wnd != nullptr ? wnd->m_hWnd : nullptr)
{
    m_hDC = ::GetDC(m_hWnd);
}

CClientDC::~CClientDC()
{
    if (m_hDC != nullptr)
        ::ReleaseDC(m_hWnd, Detach());
}

CPaintDC::CPaintDC(CWnd* wnd) : m_ps(), m_hWnd(wnd->m_hWnd)
{
    m_hDC = ::BeginPaint(m_hWnd, &m_ps);
}

CPaintDC::~CPaintDC()
{
    Detach();
    ::EndPaint(m_hWnd, &m_ps);
}
